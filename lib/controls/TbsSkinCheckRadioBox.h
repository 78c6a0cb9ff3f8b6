#pragma once
#include "lib/controls/TbsSkinCustomControl.h"
#include "lib/controls/bsButtonTimers.h"
#include "lib/skindata/bsSkinIniValues.h"
#include "platform/forms/ControlTypes.h"

class TCustomImageList;

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// A check box or, with Radio, a radio box, drawn from a "checkbox" or "radiobox" record or in a
// plain look. Flat (the default), it shows its parent through it, keeps its own size and draws
// the check image at its left; otherwise the record's whole face is drawn at the box's size,
// cross-fading to the hot face. Checking a box of a GroupIndex unchecks the checked siblings
// of that group under the same parent.
class TbsSkinCheckRadioBox : public TbsSkinCustomControl {
public:
    explicit TbsSkinCheckRadioBox(TComponent* owner);
    ~TbsSkinCheckRadioBox() override;

    std::string ClassName() const override { return "TbsSkinCheckRadioBox"; }

    bool Checked() const { return FChecked; }
    // Unchecks the checked siblings of the group when checking; OnClick for a check box, or a
    // radio box that is now checked, on every call.
    void SetChecked(bool value);
    TCheckBoxState State() const { return FState; }
    // Fires OnClick on every call; no group handling.
    void SetState(TCheckBoxState value);
    bool Radio() const { return FRadio; }
    void SetRadio(bool value);
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value) { FGroupIndex = value; }
    bool AllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    bool UseSkinFontColor() const { return FUseSkinFontColor; }
    void SetUseSkinFontColor(bool value) { FUseSkinFontColor = value; }
    // A reference, cleared when the list goes.
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    // The box may take the focus and shows it; also sets TabStop.
    bool CanFocused() const { return FCanFocused; }
    void SetCanFocused(bool value);

    // The click: a check box toggles, a radio box checks itself unless already checked.
    virtual void BoxClick();
    // The box painted on another canvas at x, y as if Checked were checked, without focus.
    void PaintSkinTo(TCanvas& canvas, int x, int y, bool checked);

    void GetSkinData() override;
    // Flat: the record again at the same size; otherwise the base's resize to the skin.
    void ChangeSkinData() override;
    void CalcSkinSize(int& AWidth, int& AHeight) override;
    void Notification(TComponent* component, TOperation operation) override;
    void WndProc(TMessage& message) override;

    bool MouseIn() const { return FMouseIn; }
    double MorphKf() const { return FMorph.Kf(); }

    // The box's own click event.
    TNotifyEvent OnClick;

protected:
    void Paint() override;
    void CreateControlDefaultImage(TBitmap& B) override;
    void CheckParentBackground() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    // Hot: under the pointer, or focused while it may show focus.
    bool Hot() const { return FMouseIn || ShowsFocus(); }
    bool ShowsFocus() const;
    bool CanMorph() const;
    void StartMorph();
    void DrawFace(TBitmap& B, const TRect& face, TColor fontColor, bool mouseIn, bool checked);
    void DrawCheckImage(TCanvas& canvas, int x, int y, bool mouseIn, bool checked);
    // The plain box frame and mark at the left of a box of height h.
    void DrawPlainMark(TCanvas& canvas, int h, bool checked);
    void PaintFlat(TCanvas& canvas, bool checked, bool withFocus);
    void DoClick() {
        if (OnClick) OnClick(this);
    }

    bool FUseSkinFontColor{ true };
    bool FWordWrap{ false };
    bool FAllowGrayed{ false };
    TCheckBoxState FState{ cbUnchecked };
    TCustomImageList* FImages{ nullptr };
    int FImageIndex{ 0 };
    bool FFlat{ true };
    bool FClicksDisabled{ false };
    bool FCanFocused{ true };
    bool FMouseIn{ false };
    int FGroupIndex{ 0 };
    bool FChecked{ false };
    bool FRadio{ false };
    TRect CIRect;
    TRect NewTextArea;
    TbsButtonMorph FMorph;

    std::string FontName{ "Arial" };
    TFontStyles FontStyle;
    int FontHeight{ 12 };
    TColor FontColor{ 0 };
    TColor ActiveFontColor{ 0 };
    TColor FrameFontColor{ 0 };
    TColor UnEnabledFontColor{ 0 };
    TRect ActiveSkinRect;
    TRect CheckImageArea;
    TRect TextArea;
    TRect CheckImageRect;
    TRect UnCheckImageRect;
    TRect ActiveCheckImageRect;
    TRect ActiveUnCheckImageRect;
    TRect UnEnabledCheckImageRect;
    TRect UnEnabledUnCheckImageRect;
    bool Morphing{ false };
    TbsMorphKind MorphKind{ mkDefault };
    TRect GrayedCheckImageRect;
    TRect ActiveGrayedCheckImageRect;
};
