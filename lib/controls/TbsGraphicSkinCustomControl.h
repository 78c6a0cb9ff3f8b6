#pragma once
#include "lib/controls/TbsSkinCustomControlBase.h"

// The base of the windowless skinned controls with a resizable face. Without a window it has
// no region: a record's mask is not used and the whole rectangle is painted.
class TbsGraphicSkinCustomControl : public TbsSkinCustomControlBase<TbsGraphicSkinControl> {
public:
    explicit TbsGraphicSkinCustomControl(TComponent* owner);
    ~TbsGraphicSkinCustomControl() override;

    std::string ClassName() const override { return "TbsGraphicSkinCustomControl"; }
};
