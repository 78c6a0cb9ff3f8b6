#pragma once
#include "lib/controls/TbsGraphicSkinCustomControl.h"
#include "lib/controls/TbsSkinCustomControl.h"
#include "lib/controls/bsButtonTimers.h"
#include "lib/skindata/bsSkinIniValues.h"
#include "lib/skindraw/bsGlyphLayout.h"
#include "platform/gfx/TBitmap.h"

#include <functional>
#include <memory>
#include <string>

class TCanvas;
class TCustomImageList;
class TbsDataSkinButtonControl;

// Fired before a skinned button draws its content: cnvs is the face being built, r the area of
// the content. Clearing drawDefault leaves the content to the handler.
using TbsButtonPaintEvent = std::function<void(TObject* sender, TCanvas& cnvs, const TRect& r,
                                               bool down, bool mouseIn, bool& drawDefault)>;

// The looks of a small button without a skin record.
enum TbsPlainFace {
    pfNormal,  // clBtnShadow frame on clBtnFace
    pfFlat,    // clBtnFace, no frame
    pfHot,     // clNavy frame on 0xD2BDB6
    pfPressed, // clNavy frame on 0xB59385
};
void DrawPlainFace(TCanvas& canvas, const TRect& r, TbsPlainFace face);

// What the push button (TBase TbsSkinCustomControl) and the speed button (TBase
// TbsGraphicSkinCustomControl) share: the state faces of a TbsDataSkinButtonControl record with
// their fallbacks (hot to normal, pressed to hot), the caption font and colour of each state,
// the glyph strip and image-list content, the cross-fade and frame animation between the
// normal and the hot face, the repeated click of a held button, and pressing and releasing
// within a group of buttons that share a GroupIndex.
template <class TBase>
class TbsButtonCore : public TBase {
public:
    explicit TbsButtonCore(TComponent* owner);
    ~TbsButtonCore() override;

    // Performs a click: OnClick, or the linked action when there is no OnClick.
    virtual void ButtonClick() = 0;
    // Neither hot nor down, the face at rest on the normal face, no frame animation; repaints.
    // The program calls it after enabling or disabling its buttons.
    void RefreshButton();

    // The size rules of the record; off, any size, the face stretched over it.
    bool UseSkinSize() const { return FUseSkinSize; }
    void SetUseSkinSize(bool value) { FUseSkinSize = value; }
    // The caption colours of the record; off, DefaultFont's colour while enabled.
    bool UseSkinFontColor() const { return FUseSkinFontColor; }
    void SetUseSkinFontColor(bool value) { FUseSkinFontColor = value; }
    bool RepeatMode() const { return FRepeatMode; }
    void SetRepeatMode(bool value) { FRepeatMode = value; }
    // Milliseconds between repeated clicks, after the first 500.
    int RepeatInterval() const { return FRepeatInterval; }
    void SetRepeatInterval(int value) { FRepeatInterval = value; }
    // In a group, a pressed button comes up again when clicked.
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool value) { FAllowAllUp = value; }
    bool Down() const { return FDown; }
    // Pressing a button of a group (without AllowAllUp) releases the others of its group
    // among its parent's buttons.
    virtual void SetDown(bool value);
    // 0: no group.
    int GroupIndex() const { return FGroupIndex; }
    virtual void SetGroupIndex(int value) { FGroupIndex = value; }
    // A strip of NumGlyphs equal images: normal, disabled, pressed, hot. Setting copies.
    TBitmap& Glyph() { return FGlyph; }
    void SetGlyph(const TBitmap& value);
    int NumGlyphs() const { return FNumGlyphs; }
    // 1 to 4; other values are brought into that range.
    void SetNumGlyphs(int value);
    // The glyph's distance from its edge; -1 centres glyph and caption, smaller is ignored.
    int Margin() const { return FMargin; }
    void SetMargin(int value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int value);
    TbsButtonLayout Layout() const { return FLayout; }
    void SetLayout(TbsButtonLayout value);
    // A reference, cleared when the list goes.
    TCustomImageList* ImageList() const { return FImageList; }
    void SetImageList(TCustomImageList* value);
    int ImageIndex() const { return FImageIndex; }
    virtual void SetImageIndex(int value);

    TbsButtonPaintEvent OnPaint;

    // Hot: the pointer is over the button (or it shows the hot face for another reason).
    bool MouseIn() const { return FMouseIn; }
    // The left mouse button is held on the button.
    bool MouseHeld() const { return FMouseHeld; }
    // The cross-fade position: 0 the normal face, 1 the hot one.
    double MorphKf() const { return FMorph.Kf(); }
    const TbsButtonMorph& Morph() const { return FMorph; }
    const TbsButtonAnimation& Animation() const { return FAnimation; }
    const TbsButtonRepeat& Repeat() const { return FRepeat; }

    // Also copies the state faces, caption font and colours, animation strip, marker faces and
    // glow of a button record, with their fallbacks; a running frame animation shows its
    // frame in place of the hot face (forward) or the normal face (backward).
    void GetSkinData() override;
    // Stops the cross-fade and the animation; with the new record a hot button shows its hot
    // face at once.
    void ChangeSkinData() override;
    // Without UseSkinSize (and unless the face grows both ways) any size stands and the
    // content area grows with it.
    void CalcSkinSize(int& AWidth, int& AHeight) override;
    void Notification(TComponent* component, TOperation operation) override;
    void WndProc(TMessage& message) override;

protected:
    // One complete face R of the record's picture into B, at the button's size: the face,
    // then the caption font and colour, a focus frame, OnPaint and the content.
    virtual void DrawButtonFace(TBitmap& B, const TRect& R, bool ADown, bool AMouseIn);
    virtual void DrawFocusFrame(TCanvas&, const TRect&) {}
    // The glyph or image with the caption in T. Images show pressed when imagePressed, the
    // glyph when glyphPressed, and the glyph's image is chosen from ADown and AMouseIn.
    virtual void DrawContent(TCanvas& canvas, const TRect& T, bool ADown, bool AMouseIn,
                             bool glyphPressed) = 0;
    // The caption the content shows.
    virtual std::string ShownCaption() const { return this->Caption(); }
    // The button has the keyboard focus; a windowless one never has.
    virtual bool ButtonFocused() const { return false; }
    // The parent shows through the button at rest; such a button never cross-fades.
    virtual bool IsTransparent() const { return false; }
    // Whether a frame animation may start: a record with a strip, effects on.
    virtual bool CanAnimate() const;
    // The button paints through DrawButtonFace.
    void CreateControlSkinImage(TBitmap&) override {}
    // An action's image becomes the glyph of a button that has none.
    void ActionChange(TBasicAction* sender) override;

    // The skin object holds a skin and lets its effects run.
    bool EffectsOn() const;
    // The record morphs and effects are on.
    bool MorphOn() const { return Morphing && EffectsOn(); }
    // Looks the record up and brings the face geometry to the present size.
    void PrepareFace();
    // DrawButtonFace into a bitmap of the button's size, drawn on canvas at 0, 0.
    void PaintFace(TCanvas& canvas, const TRect& R, bool ADown, bool AMouseIn);
    // The normal face morphed towards the hot face by the record's kind and MorphKf.
    void PaintCrossFade(TCanvas& canvas);
    // The record's font (UseSkinFont on and a record) or DefaultFont, with the character set
    // of the skin's string table when it has one.
    void SetCaptionFont(TFont& font, bool fromRecord);
    // The caption colour of a face drawn with ADown and AMouseIn.
    TColor CaptionColor(bool ADown, bool AMouseIn) const;
    // The image of the glyph strip for that state, from 1.
    int GlyphNumber(bool ADown, bool AMouseIn) const;
    void DrawListImage(TCanvas& canvas, const TRect& T, TCustomImageList* list, int index,
                       bool pressed, bool enabled);
    void DrawGlyph(TCanvas& canvas, const TRect& T, bool pressed, int number);
    // The hover has moved the face between normal and hot: starts the cross-fade (or
    // repaints).
    void StartMorph() { FMorph.Start(); }
    void StartAnimation(bool forward);
    void StopAnimation() { FAnimation.Stop(); }
    void StartRepeat() { FRepeat.Start(); }
    void StopRepeat() { FRepeat.Stop(); }
    // The pointer came onto (entered) or left the button, FMouseIn already set: the face
    // heads for hot or normal when faceChanges, and a held repeat button resumes or pauses.
    void HoverChanged(bool entered, bool faceChanges);
    // The left-button part of a press and of a release. False when a click they made freed
    // the button: the caller must not touch it then.
    bool PressLeft();
    bool ReleaseLeft();
    // Runs a click handler; false when it freed the button.
    bool ClickSurvived();

    // Copies of the record; the faces are rectangles of the record's picture.
    std::string FontName{ "Arial" };
    TFontStyles FontStyle;
    int FontHeight{ 14 };
    TColor FontColor{ 0 };
    TColor ActiveFontColor{ 0 };
    TColor DownFontColor{ 0 };
    TColor DisabledFontColor{ 0 };
    TRect ActiveSkinRect;
    TRect DownSkinRect;
    TRect DisabledSkinRect;
    TRect FocusedSkinRect;
    TRect AnimateSkinRect;
    int FrameCount{ 0 };
    int AnimateInterval{ 0 };
    bool Morphing{ false };
    TbsMorphKind MorphKind{ mkDefault };
    bool ShowFocus{ false };
    TRect MenuMarkerFlatRect;
    TRect MenuMarkerRect;
    TRect MenuMarkerActiveRect;
    TRect MenuMarkerDownRect;
    TColor MenuMarkerTransparentColor{ 0 };
    int GlowLayerPictureIndex{ -1 };
    int GlowLayerMaskPictureIndex{ -1 };
    int GlowLayerOffsetLeft{ 0 };
    int GlowLayerOffsetRight{ 0 };
    int GlowLayerOffsetTop{ 0 };
    int GlowLayerOffsetBottom{ 0 };
    int GlowLayerShowOffsetX{ 0 };
    int GlowLayerShowOffsetY{ 0 };
    int GlowLayerAlphaBlendValue{ 255 };

    bool FUseSkinSize{ true };
    bool FUseSkinFontColor{ true };
    bool FRepeatMode{ false };
    int FRepeatInterval{ 100 };
    bool FAllowAllUp{ false };
    // The present press began on a button of a group that was already down.
    bool FAllowAllUpCheck{ false };
    bool FDown{ false };
    bool FMouseIn{ false };
    bool FMouseHeld{ false };
    int FGroupIndex{ 0 };
    TBitmap FGlyph;
    int FNumGlyphs{ 1 };
    int FMargin{ -1 };
    int FSpacing{ 1 };
    TbsButtonLayout FLayout{ blGlyphLeft };
    TCustomImageList* FImageList{ nullptr };
    int FImageIndex{ -1 };

    // Cleared when the button goes, so that code after a click handler can tell.
    std::shared_ptr<bool> FAlive{ std::make_shared<bool>(true) };
    TbsButtonMorph FMorph;
    TbsButtonAnimation FAnimation;
    TbsButtonRepeat FRepeat;

private:
    void CopyButtonRecord(const TbsDataSkinButtonControl& record);
    void ReleaseGroup();
};

extern template class TbsButtonCore<TbsSkinCustomControl>;
extern template class TbsButtonCore<TbsGraphicSkinCustomControl>;
