#pragma once
#include "lib/skindata/bsSkinObjectRecords.h"
#include "platform/forms/ControlTypes.h"
#include "platform/gfx/TFont.h"
#include "platform/gfx/TRect.h"

#include <string>

class TBitmap;
class TCanvas;
class TMenuItem;
class TbsLayerManager;
class TbsSkinData;
class TbsSkinForm;

// A piece of a skinned form's frame made from one of the skin's object records: a caption
// button, a free button, an animation, the caption or a user object. The form-skin component
// owns the objects, places them (ObjectRect, window coordinates of the form), paints them with
// the frame, hit-tests them and hands them the frame's mouse input. The virtual operations are
// the object's own look and behaviour; the base draws nothing and ignores input.
class TbsActiveSkinObject {
public:
    // Takes the record's name, hint, faces, morph and glow settings; without a record (the
    // default caption buttons of a frame without a skin) the fields keep their defaults.
    TbsActiveSkinObject(TbsSkinForm* parent, TbsDataSkinObject* data);
    virtual ~TbsActiveSkinObject() = default;
    TbsActiveSkinObject(const TbsActiveSkinObject&) = delete;
    TbsActiveSkinObject& operator=(const TbsActiveSkinObject&) = delete;

    // The object's mask decides whether the point (relative to ObjectRect's top-left corner)
    // is on the object: black mask pixels are. Without a usable skin or a mask every point is.
    virtual bool CheckPoint(int x, int y);
    // The glow window around the object (the skin's glow picture), while the pointer is on it.
    virtual void ShowLayer();
    virtual void HideLayer();
    // The face is still on its way to the hover state or back.
    virtual bool CanMorphing();
    // The face of the present state: the inactive face while the form is inactive, the morph
    // between normal and hover face while it runs, the hover face, else the normal face (which
    // the frame picture already shows unless update is set or the face has its own picture).
    virtual void Draw(TCanvas& canvas, bool update);
    virtual void DblClick() {}
    // The base tells the component's object events; enter and leave also switch the hover
    // state and redraw.
    virtual void MouseDown(int x, int y, TMouseButton button);
    virtual void MouseUp(int x, int y, TMouseButton button);
    virtual void MouseMove(int x, int y);
    virtual void MouseEnter();
    virtual void MouseLeave();

    // Morphing is asked for and the skin lets effects run.
    bool EnableMorphing() const;
    // The face shows the new hover state: through the morph when it runs, else at once.
    void ReDraw();
    // One morph step of 0.2 towards the hover state, then a redraw.
    void DoMorphing();
    double MorphKf() const { return FMorphKf; }
    // Held within 0..1.
    void SetMorphKf(double value);
    // The skin the object draws from when it is usable (set and not empty), else nullptr.
    TbsSkinData* UsableSkinData() const;
    // Where the normal face lies: the record's own picture or the frame picture.
    TBitmap* NormalPicture() const { return SkinRectInAPicture ? ActivePicture : Picture; }

    TbsSkinForm* Parent{ nullptr };
    double FMorphKf{ 0 };
    bool FMouseIn{ false };
    TBitmap* Picture{ nullptr };
    TBitmap* ActivePicture{ nullptr };
    TBitmap* ActiveMaskPicture{ nullptr };
    TbsSkinData* SD{ nullptr };
    std::string IDName;
    std::string Hint;
    TRect SkinRect;
    TRect ActiveSkinRect;
    TRect InActiveSkinRect;
    TRect ObjectRect;
    bool Active{ false };
    bool Morphing{ false };
    TbsMorphKind MorphKind{ mkDefault };
    bool Enabled{ true };
    bool Visible{ true };
    bool SkinRectInAPicture{ false };
    int GlowLayerPictureIndex{ -1 };
    int GlowLayerMaskPictureIndex{ -1 };
    int GlowLayerOffsetX{ 0 };
    int GlowLayerOffsetY{ 0 };
    int GlowLayerAlphaBlendValue{ 255 };

protected:
    // A stretching copy of source in picture onto ObjectRect; nothing without picture or with
    // an empty source.
    void CopyFace(TCanvas& canvas, TBitmap* picture, const TRect& source) const;
    // The normal face (from, in fromPicture) moved towards the hover face (to, in ActivePicture)
    // by the morph factor with the record's morph kind, drawn on ObjectRect.
    void DrawMorph(TCanvas& canvas, TBitmap* fromPicture, const TRect& from, const TRect& to) const;
    // The morph is between its ends: not at the hover end while active, not at 0 while not.
    bool MorphBetweenFaces() const;
    void ShowGlowIn(TbsLayerManager& manager);
    // The glow of an object that may drop a menu: in the menus' layer while it has one.
    void ShowGlowFor(bool withMenu);
    void HideGlowFor(bool withMenu);
    // Hides whatever glow the frame and its menus show.
    void HideGlowLayers();
    // Opens item's children at the object's place on the screen (above it with popupUp):
    // through the item's own skinned popup menu when it has one, else the component's menus.
    void DropMenu(TMenuItem* item, bool popupUp);
    // The glow runs only with a usable skin that shows glow frames, on a system that has
    // layered windows.
    bool GlowAvailable() const;
};

// The application paints it (the component's OnPaintEvent).
class TbsUserObject : public TbsActiveSkinObject {
public:
    using TbsActiveSkinObject::TbsActiveSkinObject;
    void Draw(TCanvas& canvas, bool update) override;
};

// A strip of frames in the skin picture; with ButtonStyle it is a caption button as well.
class TbsSkinAnimateObject : public TbsActiveSkinObject {
public:
    TbsSkinAnimateObject(TbsSkinForm* parent, TbsDataSkinAnimate* data);

    int Frame() const { return FFrame; }
    // Wraps past the strip's ends in the run's direction, then redraws.
    void SetFrame(int value);
    // One 25 ms tick of a run: a frame every TimerInterval milliseconds; a run that is not
    // cyclic stops at its last frame (forwards) or its first (backwards).
    void ChangeFrame();
    // A run from the first frame on; Stop puts it back on the first frame.
    void Start();
    void Stop();
    void DoCommand();
    // Drops the object's menu at its place on the screen.
    void TrackMenu();
    // The menu the object dropped has closed: the frames run back from the last.
    void MenuClosed();

    void ShowLayer() override;
    void HideLayer() override;
    void Draw(TCanvas& canvas, bool update) override;
    void DblClick() override;
    void MouseDown(int x, int y, TMouseButton button) override;
    void MouseUp(int x, int y, TMouseButton button) override;
    void MouseEnter() override;
    void MouseLeave() override;

    int FFrame{ 1 };
    int FInc{ 25 };
    int TimerInterval{ 25 };
    TMenuItem* MenuItem{ nullptr };
    bool FPopupUp{ false };
    bool FDown{ false };
    bool FMenuTracking{ false };
    int CountFrames{ 0 };
    bool Cycle{ false };
    bool ButtonStyle{ false };
    bool Increment{ true };
    TbsStdCommand Command{ cmClose };
    TRect DownSkinRect;
    TRect RestoreRect;
    TRect RestoreActiveRect;
    TRect RestoreInActiveRect;
    TRect RestoreDownRect;
    std::string RestoreHint;
    std::string FTempHint;
};

// A free push button of the frame, which may drop a menu.
class TbsSkinButtonObject : public TbsActiveSkinObject {
public:
    TbsSkinButtonObject(TbsSkinForm* parent, TbsDataSkinButton* data);

    bool Down() const { return FDown; }
    // A pressed button with morphing shows its hover end at once, not a fade into it.
    void SetDown(bool value);
    // Drops the button's menu below (or above) it.
    void TrackMenu();

    void ShowLayer() override;
    void HideLayer() override;
    bool CanMorphing() override;
    void Draw(TCanvas& canvas, bool update) override;
    void MouseDown(int x, int y, TMouseButton button) override;
    void MouseUp(int x, int y, TMouseButton button) override;
    void MouseEnter() override;
    void MouseLeave() override;

    bool FDown{ false };
    bool FPopupUp{ false };
    TRect DisableSkinRect;
    TRect DownRect;
    TMenuItem* MenuItem{ nullptr };
};

// A caption button with a window command; without a record one of the frame's default buttons.
class TbsSkinStdButtonObject : public TbsSkinButtonObject {
public:
    TbsSkinStdButtonObject(TbsSkinForm* parent, TbsDataSkinStdButton* data);

    // The look of a frame without a skin: a flat face, framed while hovered, with the
    // command's glyph.
    void DefaultDraw(TCanvas& canvas);
    void DoCommand();
    // The system-menu button shows the form's icon in place of its faces.
    bool IconMode() const;

    bool CheckPoint(int x, int y) override;
    void ShowLayer() override;
    void HideLayer() override;
    bool CanMorphing() override;
    void Draw(TCanvas& canvas, bool update) override;
    void DblClick() override;
    void MouseDown(int x, int y, TMouseButton button) override;
    void MouseUp(int x, int y, TMouseButton button) override;
    void MouseEnter() override;

    bool FSkinSupport{ false };
    TbsStdCommand Command{ cmClose };
    TRect RestoreRect;
    TRect RestoreActiveRect;
    TRect RestoreInActiveRect;
    TRect RestoreDownRect;
    std::string RestoreHint;
    std::string FTempHint;
};

// The caption: the form's title drawn on the frame in the skin's font, with the record's text
// frame, light and shadow copies, glow or reflection, a frame animation and a morph between the
// inactive and the active look; Active follows the form's activation. Quick buttons of the
// component stand at its left end.
class TbsSkinCaptionObject : public TbsActiveSkinObject {
public:
    TbsSkinCaptionObject(TbsSkinForm* parent, TbsDataSkinCaption* data);

    // The skin has a frame strip for the caption and lets effects run.
    bool EnableAnimation() const;
    // Where the text goes, relative to the object's corner: the record's rectangle with the
    // right margin kept as the object stretches, after the quick buttons, inside the text frame.
    TRect TextRect() const;
    // The text as it is drawn: the form's caption (with a maximized MDI child's in brackets)
    // ellipsized to the text rectangle on canvas in the caption font.
    std::string FittedText(TCanvas& canvas) const;
    // The caption's text with its frame, copies and effects; dx, dy: the object's corner on the
    // canvas.
    void DrawCaptionText(TCanvas& canvas, int dx, int dy, bool active);
    // The quick buttons' places and faces over the caption.
    void DrawQuickButtons(TCanvas& canvas);
    // Hover of the quick buttons for a point in window coordinates; repaints and hints on change.
    void TestActiveQuickButton(int x, int y);

    void Draw(TCanvas& canvas, bool update) override;
    void MouseDown(int x, int y, TMouseButton button) override;
    void MouseUp(int x, int y, TMouseButton button) override;
    void MouseMove(int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;

    int ActiveQuickButton{ -1 };
    int OldActiveQuickButton{ -1 };
    std::string FontName;
    TFontStyles FontStyle;
    int FontHeight{ 0 };
    TColor FontColor{ 0 };
    TColor ActiveFontColor{ 0 };
    TColor ShadowColor{ 0 }, ActiveShadowColor{ 0 };
    bool Shadow{ false };
    TColor LightColor{ 0 }, ActiveLightColor{ 0 };
    bool Light{ false };
    TAlignment Alignment{ taLeftJustify };
    TRect TextRct;
    TRect FrameRect;
    TRect ActiveFrameRect;
    int FrameLeftOffset{ 0 }, FrameRightOffset{ 0 };
    TRect FrameTextRect;
    bool StretchEffect{ false };
    bool FullFrame{ false };
    TRect AnimateSkinRect;
    int FIncTime{ 0 };
    int CurrentFrame{ 0 };
    int FrameCount{ 0 };
    int AnimateInterval{ 0 };
    bool InActiveAnimation{ false };
    bool VistaGlowEffect{ false }, VistaGlowInActiveEffect{ false };
    bool GlowEffect{ false }, GlowInActiveEffect{ false };
    int GlowSize{ 0 };
    TColor GlowColor{ 0 }, GlowActiveColor{ 0 };
    int GlowOffset{ 0 };
    bool ReflectionEffect{ false };
    TColor ReflectionColor{ 0 }, ReflectionActiveColor{ 0 };
    int ReflectionOffset{ 0 };

    // The record's font in color, in the character set of the skin's strings.
    void SetCaptionFont(TCanvas& canvas, TColor color) const;

private:
    bool HasQuickButtons() const;
    // The caption's background at the object's size from source of picture: fixed ends beyond
    // the frame's corner points, the middle stretched or tiled.
    void PrepareCaptionBackground(TBitmap& image, const TRect& source, TBitmap& picture) const;
    // image with the text drawn into it, then on canvas at the object's corner.
    void DrawComposed(TCanvas& canvas, TBitmap& image, TColor color, bool active);
    void ApplyInActiveEffect(TBitmap& image) const;
};

// The faces and hint a caption command shows while the form is in the state the command
// undoes, and the record's own hint, copied from a record that has them.
template <class TObject, class TRecord>
void CopyRestoreFaces(TObject& object, const TRecord& data) {
    object.RestoreRect = data.RestoreRect;
    object.RestoreActiveRect = data.RestoreActiveRect;
    object.RestoreInActiveRect = data.RestoreInActiveRect;
    object.RestoreDownRect = data.RestoreDownRect;
    object.RestoreHint = data.RestoreHint;
    object.FTempHint = data.Hint;
}
