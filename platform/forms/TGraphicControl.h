#pragma once
#include "platform/forms/TControl.h"
#include "platform/gfx/TCanvas.h"

// A control without a window: its parent paints it (WM_PAINT with the parent's DC, already
// moved to this control's origin and clipped to its bounds) and hands it its mouse messages.
class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* owner);
    ~TGraphicControl() override;

    std::string ClassName() const override { return "TGraphicControl"; }

    TCanvas& Canvas() { return FCanvas; }
    void WndProc(TMessage& message) override;

protected:
    virtual void Paint() {}

private:
    TCanvas FCanvas;
};
