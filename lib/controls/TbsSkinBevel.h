#pragma once
#include "lib/controls/IbsSkinnedControl.h"
#include "platform/forms/TBevel.h"

#include <string>

// The class library's bevel in the two line colours of the skin's "bevel" record (else button
// highlight and shadow), or as a thin double divider line; on a tool bar that adjusts its
// controls it stays vertically centred.
class TbsSkinBevel : public TBevel, public IbsSkinnedControl {
public:
    explicit TbsSkinBevel(TComponent* owner);
    ~TbsSkinBevel() override;

    std::string ClassName() const override { return "TbsSkinBevel"; }

    // A reference, cleared (with the plain colours back) when the skin object goes.
    TbsSkinData* SkinData() const override { return FSD; }
    void SetSkinData(TbsSkinData* value);
    const std::string& SkinDataName() const { return FSkinDataName; }
    void SetSkinDataName(const std::string& value) { FSkinDataName = value; }
    bool DividerMode() const { return FDividerMode; }
    void SetDividerMode(bool value);

    TColor LightColor() const { return FLightColor; }
    TColor DarkColor() const { return FDarkColor; }

    // The colours again from the record, then a repaint.
    void ChangeSkinData() override;
    void SetBounds(int left, int top, int width, int height) override;
    void Notification(TComponent* component, TOperation operation) override;

protected:
    void Paint() override;

private:
    TbsSkinData* FSD{ nullptr };
    std::string FSkinDataName{ "bevel" };
    int FIndex{ -1 };
    bool FDividerMode{ false };
    TColor FLightColor{ clBtnHighlight };
    TColor FDarkColor{ clBtnShadow };
};
