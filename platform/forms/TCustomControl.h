#pragma once
#include "platform/forms/TWinControl.h"
#include "platform/gfx/TCanvas.h"

// A windowed control that draws itself on its Canvas in Paint.
class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* owner);
    ~TCustomControl() override;

    std::string ClassName() const override { return "TCustomControl"; }

    TCanvas& Canvas() { return FCanvas; }

protected:
    void PaintWindow(win::HDC dc) override;
    virtual void Paint() {}

    TCanvas FCanvas;
};
