#pragma once
#include "platform/forms/TCustomControl.h"
#include <string>

// The small window that shows a control's hint: a popup that never takes the focus, typed as a
// tool tip for the window manager, in the system's tool-tip colours. The application makes its
// hint window from a replaceable class, so a skin may draw hints its own way.
class THintWindow : public TCustomControl {
public:
    explicit THintWindow(TComponent* owner);
    ~THintWindow() override;

    std::string ClassName() const override { return "THintWindow"; }

    // The size the hint needs, at (0, 0): lines wrap at maxWidth.
    virtual TRect CalcHintRect(int maxWidth, const std::string& hint);
    // Shows hint in rect (screen coordinates) without activating the window.
    virtual void ActivateHint(const TRect& rect, const std::string& hint);
    // Hides the window, keeping it for the next hint.
    void ReleaseHint();

    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Paint() override;
};
