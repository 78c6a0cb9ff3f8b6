#pragma once
#include "lib/controls/TbsSkinPanel.h"

// A panel along the bottom of its form ("statusbar" record) with an optional size grip in its
// bottom-right corner that answers the pointer as the window's bottom-right corner, so that
// dragging it resizes the form.
class TbsSkinStatusBar : public TbsSkinPanel {
public:
    explicit TbsSkinStatusBar(TComponent* owner);

    std::string ClassName() const override { return "TbsSkinStatusBar"; }

    bool SizeGrip() const { return FSizeGrip; }
    void SetSizeGrip(bool value);
    // The form's frame hides the grip while the form is maximized.
    bool ShowGrip() const { return FShowGrip; }
    void SetShowGrip(bool value);
    // Also hands the skin object to every skinned child.
    void SetSkinData(TbsSkinData* value) override;

    void GetSkinData() override;
    void WndProc(TMessage& message) override;

    // The grip's rectangle in client coordinates.
    TRect GripRect();

protected:
    void AdjustClientRect(TRect& rect) const override;
    void CreateControlDefaultImage(TBitmap& B) override;
    void CreateControlSkinImage(TBitmap& B) override;
    void Paint() override;

private:
    bool GripShown() const { return FSizeGrip && FShowGrip; }
    void DrawGrip(TCanvas& canvas);

    bool FSizeGrip{ false };
    bool FShowGrip{ true };
    TRect GripperRect;
    bool GripperTransparent{ false };
    TColor GripperTransparentColor{ clFuchsia };
};
