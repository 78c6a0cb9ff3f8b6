#pragma once
#include "lib/controls/TbsSkinControlBase.h"

// The base of the windowless skinned controls: bound to a skin record like TbsSkinControl and
// painted by its parent's window, every pixel of its rectangle (csOpaque).
class TbsGraphicSkinControl : public TbsSkinControlBase<TGraphicControl> {
public:
    explicit TbsGraphicSkinControl(TComponent* owner);
    ~TbsGraphicSkinControl() override;

    std::string ClassName() const override { return "TbsGraphicSkinControl"; }
};
