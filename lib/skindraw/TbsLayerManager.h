#pragma once
#include "platform/forms/TComponent.h"
#include "platform/forms/TCustomControl.h"

#include <memory>

class TBitmap;
class TTimer;
class TbsBitmap;

// A borderless top-level popup that never takes activation and lets the pointer through: the
// window a glow picture is shown in.
class TbsLayerWindow : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    std::string ClassName() const override { return "TbsLayerWindow"; }
    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
};

// Shows one glow picture at a time in a layered window above the other windows, fading it in
// every 25 ms by a tenth of the target opacity. Where the display cannot compose layered
// windows, Show and Hide do nothing.
class TbsLayerManager : public TComponent {
public:
    explicit TbsLayerManager(TComponent* owner);
    ~TbsLayerManager() override;

    std::string ClassName() const override { return "TbsLayerManager"; }

    // Shows image with alpha from mask (mask of the image's size) at screen position x, y and
    // fades it in from 0 to alphaBlendValue (0..255). Replaces a layer already shown.
    void Show(int x, int y, TBitmap& image, TBitmap& mask, int alphaBlendValue);
    void Hide();
    void StartTimer();
    void StopTimer();

    TbsLayerWindow* LayerWindow() const { return FLayerWindow.get(); }
    bool IsVisible() const { return FIsVisible; }
    bool TopMostMode() const { return FTopMostMode; }
    void SetTopMostMode(bool value) { FTopMostMode = value; }
    int EndAlphaBlendValue() const { return FEndAlphaBlendValue; }
    int BeginAlphaBlendValue() const { return FBeginAlphaBlendValue; }
    int StepAlphaBlendValue() const { return FStepAlphaBlendValue; }
    bool Fading() const;

private:
    void FadeStep();

    std::unique_ptr<TbsBitmap> FBmp;
    std::unique_ptr<TbsLayerWindow> FLayerWindow;
    std::unique_ptr<TTimer> FTimer; // declared last: freed first
    int FEndAlphaBlendValue{ 0 };
    int FBeginAlphaBlendValue{ 0 };
    int FStepAlphaBlendValue{ 0 };
    bool FIsVisible{ false };
    bool FTopMostMode{ true };
};
