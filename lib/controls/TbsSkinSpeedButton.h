#pragma once
#include "lib/controls/TbsButtonCore.h"

class IbsToolBarImages;

// The windowless skinned tool button: drawn on its parent from a button record ("toolbutton"
// unless named otherwise), without focus or tab stop. Flat, it shows no face at rest, only its
// image and caption over the parent; transparent, it never cross-fades. It keeps its pressed
// state in a group of speed buttons, repeats while held, shows or hides its caption (switching
// between two widths), and takes its image from its glyph, its own image list or the image
// lists of a tool bar it stands on.
class TbsSkinSpeedButton : public TbsButtonCore<TbsGraphicSkinCustomControl> {
public:
    explicit TbsSkinSpeedButton(TComponent* owner);
    ~TbsSkinSpeedButton() override;

    std::string ClassName() const override { return "TbsSkinSpeedButton"; }

    // The class library's OnClick, or the linked action when there is none.
    void ButtonClick() override;

    // The parent shows through the button at rest.
    bool Transparent() const { return !ControlStyle().Contains(csOpaque); }
    void SetTransparent(bool value);
    // No face at rest; a flat button is transparent too.
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    bool ShowCaption() const { return FShowCaption; }
    // With both widths above 0 the button also takes WidthWithCaption or WidthWithoutCaption.
    void SetShowCaption(bool value);
    int WidthWithCaption() const { return FWidthWithCaption; }
    void SetWidthWithCaption(int value) { FWidthWithCaption = value; }
    int WidthWithoutCaption() const { return FWidthWithoutCaption; }
    void SetWidthWithoutCaption(int value) { FWidthWithoutCaption = value; }
    // Repaints only on a tool bar, whose images it picks; elsewhere the next paint shows it.
    void SetImageIndex(int value) override;

    void WndProc(TMessage& message) override;

protected:
    void Paint() override;
    void CreateControlDefaultImage(TBitmap& B) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void DrawContent(TCanvas& canvas, const TRect& T, bool ADown, bool AMouseIn,
                     bool glyphPressed) override;
    std::string ShownCaption() const override;
    bool IsTransparent() const override { return Transparent(); }
    bool CanAnimate() const override;

    // Down and hot outside a group, or down in one.
    bool ShowsPressed() const;
    // Content a descendant shows before all other (the menu speed button's images menu);
    // false when it has none.
    virtual bool DrawOwnContent(TCanvas&, const TRect&, bool /*pressed*/) { return false; }
    // The tool bar the button stands on, nullptr elsewhere.
    IbsToolBarImages* ToolBar() const;
    // The transparent button at rest: its content straight on the parent, without a face.
    void PaintCaptionOnly();
    void MouseEnter();
    void MouseLeave();

private:
    bool DialogChar(win::WPARAM key);

    bool FFlat{ false };
    bool FShowCaption{ true };
    int FWidthWithCaption{ 0 };
    int FWidthWithoutCaption{ 0 };
};
