#pragma once
#include "lib/skindata/bsSkinObjectRecords.h"
#include "platform/forms/ControlTypes.h"
#include "platform/gfx/TRect.h"

#include <string>

class TBitmap;
class TCanvas;
class TMenuItem;
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
    virtual void ShowLayer() {}
    virtual void HideLayer() {}
    // The face is still on its way to the hover state or back.
    virtual bool CanMorphing();
    // The object's faces; the base draws none.
    virtual void Draw(TCanvas&, bool) {}
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

    bool FSkinSupport{ false };
    TbsStdCommand Command{ cmClose };
    TRect RestoreRect;
    TRect RestoreActiveRect;
    TRect RestoreInActiveRect;
    TRect RestoreDownRect;
    std::string RestoreHint;
    std::string FTempHint;
};

// The caption: the form's title drawn on the frame; Active follows the form's activation.
class TbsSkinCaptionObject : public TbsActiveSkinObject {
public:
    TbsSkinCaptionObject(TbsSkinForm* parent, TbsDataSkinCaption* data);

    // The skin has a frame strip for the caption and lets effects run.
    bool EnableAnimation() const;
    TRect AnimateSkinRect;
    int FIncTime{ 0 };
    int CurrentFrame{ 0 };
    int FrameCount{ 0 };
    int AnimateInterval{ 0 };
    bool InActiveAnimation{ false };
};
