#pragma once
#include "lib/controls/TbsSkinBorderStyle.h"
#include "lib/controls/TbsSkinCustomControl.h"
#include "platform/forms/ControlTypes.h"
#include "platform/gfx/TBitmap.h"

#include <functional>

class TCustomImageList;

enum TbsImagePosition { bsipDefault, bsipLeft };

// The skinned container: a window for child controls whose face comes from a panel record
// ("panel" unless named otherwise) or a plain face with one of four borders. On the face it can
// show a caption with a glyph or an image-list image, a check image in the caption that enables
// or disables the children (checked mode), and an arrow that rolls the panel up to its caption
// (roll-up mode); transparent, it shows its parent's background.
class TbsSkinPanel : public TbsSkinCustomControl {
public:
    explicit TbsSkinPanel(TComponent* owner);
    ~TbsSkinPanel() override;

    std::string ClassName() const override { return "TbsSkinPanel"; }

    bool RibbonStyle() const { return FRibbonStyle; }
    void SetRibbonStyle(bool value);
    TbsImagePosition ImagePosition() const { return FImagePosition; }
    void SetImagePosition(TbsImagePosition value);
    bool TransparentMode() const { return FTransparentMode; }
    void SetTransparentMode(bool value);
    // A reference, cleared when the list goes; used only while Glyph is empty.
    TCustomImageList* CaptionImageList() const { return FCaptionImageList; }
    void SetCaptionImageList(TCustomImageList* value);
    int CaptionImageIndex() const { return FCaptionImageIndex; }
    void SetCaptionImageIndex(int value);
    // The height before rolling up; -1 while not rolled up.
    int RealHeight() const { return FRealHeight; }
    void SetRealHeight(int value) { FRealHeight = value; }
    bool AutoEnabledControls() const { return FAutoEnabledControls; }
    void SetAutoEnabledControls(bool value) { FAutoEnabledControls = value; }
    bool CheckedMode() const { return FCheckedMode; }
    void SetCheckedMode(bool value);
    bool Checked() const { return FChecked; }
    // Fires OnChecked on every call, also with the present value.
    void SetChecked(bool value);
    TAlignment DefaultAlignment() const { return FDefaultAlignment; }
    void SetDefaultAlignment(TAlignment value);
    int DefaultCaptionHeight() const { return FDefaultCaptionHeight; }
    virtual void SetDefaultCaptionHeight(int value);
    TbsSkinBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TbsSkinBorderStyle value);
    bool CaptionMode() const { return FCaptionMode; }
    virtual void SetCaptionMode(bool value);
    bool RollUpMode() const { return FRollUpMode; }
    void SetRollUpMode(bool value);
    bool RollUpState() const { return FRollUpState; }
    void SetRollUpState(bool value);
    TBitmap& Glyph() { return FGlyph; }
    void SetGlyph(const TBitmap& value);
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int value);

    // The area children and the paint event get: the whole control less what the face keeps.
    TRect GetSkinClientRect();
    // The face (plain or skinned) painted on another canvas at x, y.
    void PaintskinTo(TCanvas& canvas, int x, int y);
    // Rolls up to the caption or down to RealHeight; RollUpState is the property to use.
    void DoRollUp(bool rollUp);

    void GetSkinData() override;
    // Also realigns the children, or rolls up again to the new skin's frame when rolled up.
    void ChangeSkinData() override;
    void SetBounds(int left, int top, int width, int height) override;
    void Notification(TComponent* component, TOperation operation) override;
    void WndProc(TMessage& message) override;

    TNotifyEvent OnChecked;
    TNotifyEvent OnChangeRollUpState;

protected:
    void Paint() override;
    void AdjustClientRect(TRect& rect) const override;
    void CreateParams(TCreateParams& params) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void CreateControlDefaultImage(TBitmap& B) override;
    void CreateControlSkinImage(TBitmap& B) override;
    void CheckParentBackground() override;
    // Draws on the off-screen canvas at the end of the transparent paints; nothing here.
    virtual void DoPanelPaint(TCanvas&) {}

    // The client area as the face leaves it, from (0, 0, Width, Height).
    void SkinClientArea(TRect& rect) const;
    // The plain caption bar, which also takes the clicks.
    TRect PlainCaptionBar() const;
    // Draws the caption text in font and colour with the image beside it, as the skinned
    // caption places them.
    void DrawSkinCaption(TCanvas& canvas);
    void DrawTransparentCaptionFrame(TCanvas& canvas);
    // Draws the caption image (list or glyph) at x, y; its width, 0 when there is none.
    int CaptionImageWidth() const;
    void DrawCaptionImage(TCanvas& canvas, int x, int y);
    int CaptionImageHeight() const;
    // The face's client part or the background picture tiled or stretched over the control.
    bool PaintTiled(TCanvas& canvas);

    bool FRibbonStyle{ false };
    bool FInChangingRollUp{ false };
    TbsImagePosition FImagePosition{ bsipDefault };
    bool FTransparentMode{ false };
    int FCMaxWidth{ 0 };
    int FCMinWidth{ 0 };
    int FCMaxHeight{ 0 };
    int FCMinHeight{ 0 };
    bool FConstraintsSaved{ false };
    bool FCheckedMode{ false };
    bool FChecked{ false };
    TBitmap FGlyph;
    int FNumGlyphs{ 1 };
    int FSpacing{ 2 };
    int FRealHeight{ -1 };
    bool FRollUpState{ false };
    bool FRollUpMode{ false };
    bool FCaptionMode{ false };
    TbsSkinBorderStyle FBorderStyle{ bvFrame };
    int FDefaultCaptionHeight{ 22 };
    TAlignment FDefaultAlignment{ taLeftJustify };
    bool FAutoEnabledControls{ true };
    TCustomImageList* FCaptionImageList{ nullptr };
    int FCaptionImageIndex{ -1 };
    // True while the forced-background paint asks for the caption on its top strip.
    bool FCaptionOnly{ false };

    std::string FontName{ "Arial" };
    TFontStyles FontStyle;
    int FontHeight{ 12 };
    TColor FontColor{ clBtnText };
    TAlignment Alignment{ taLeftJustify };
    TRect CaptionRect;
    TRect NewCaptionRect;
    int BGPictureIndex{ -1 };
    TRect CheckImageRect;
    TRect UnCheckImageRect;
    TRect MarkFrameRect;
    TRect FrameRect;
    int FrameLeftOffset{ 0 };
    int FrameRightOffset{ 0 };
    TRect FrameTextRect;
};

// A panel whose owner paints into it through OnPanelPaint (canvas and the skin client area).
class TbsSkinPaintPanel : public TbsSkinPanel {
public:
    explicit TbsSkinPaintPanel(TComponent* owner);

    std::string ClassName() const override { return "TbsSkinPaintPanel"; }
    void WndProc(TMessage& message) override;

    std::function<void(TCanvas& canvas, const TRect& rect)> OnPanelPaint;

protected:
    void DoPanelPaint(TCanvas& canvas) override;
    void CreateControlDefaultImage(TBitmap& B) override;
    void CreateControlSkinImage(TBitmap& B) override;
};

// A panel in caption mode on record "groupbox".
class TbsSkinGroupBox : public TbsSkinPanel {
public:
    explicit TbsSkinGroupBox(TComponent* owner);

    std::string ClassName() const override { return "TbsSkinGroupBox"; }
    // A caption below the client area gives up the forced background for good.
    void GetSkinData() override;
};
