#pragma once
#include "platform/forms/TControlScrollBars.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TWinControl.h"

// A container larger inside than out: its scroll bars appear when the children reach past the
// client area and move them all by the bars' positions; the wheel scrolls downwards.
class TScrollBox : public TWinControl {
public:
    explicit TScrollBox(TComponent* owner);
    ~TScrollBox() override;

    std::string ClassName() const override { return "TScrollBox"; }

    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle value);
    // How far the view is scrolled, in pixels.
    TPoint ScrollPos() const { return FScroll; }
    void SetScrollPos(const TPoint& value);
    // The pixels a line of the bars moves.
    int Increment() const { return FIncrement; }
    void SetIncrement(int value) { FIncrement = std::max(1, value); }
    // Scrolls just enough to show the whole child.
    void ScrollInView(TControl* control);
    // The size the children need, measured from the unscrolled origin.
    TSize Range() const;

    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void AlignControls(TControl* control, TRect& rect) override;

private:
    void UpdateScrollBars();
    void Scroll(int bar, unsigned code);

    TControlScrollBars FFrame{ *this };
    TFormBorderStyle FBorderStyle{ bsSingle };
    TPoint FScroll;
    int FIncrement{ 8 };
    bool FUpdating{ false };
};
