#pragma once
#include "platform/forms/TControlCanvas.h"
#include "platform/forms/TWinControl.h"

// A windowed control that draws itself on its Canvas in Paint. The canvas carries the
// control's font and may be used outside Paint too, to measure or to draw at once.
class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* owner);
    ~TCustomControl() override;

    std::string ClassName() const override { return "TCustomControl"; }

    TCanvas& Canvas() { return FCanvas; }

    void WndProc(TMessage& message) override;

protected:
    void PaintWindow(win::HDC dc) override;
    virtual void Paint() {}

    TControlCanvas FCanvas;
};
