#pragma once
// A window for benchmarked controls to sit on.
#include "platform/forms/TWinControl.h"
#include "platform/win/WindowStyles.h"

// A parentless control that is a top-level window of its own.
class TBenchWindow : public TWinControl {
public:
    explicit TBenchWindow(TComponent* owner) : TWinControl(owner) {
        FControlStyle.Include(csAcceptsControls);
    }

protected:
    void CreateParams(TCreateParams& params) override {
        TWinControl::CreateParams(params);
        params.Style = (params.Style & ~win::WS_CHILD) | win::WS_POPUP;
        params.WndParent = nullptr;
    }
};
