#include "lib/controls/TbsGraphicSkinControl.h"

TbsGraphicSkinControl::TbsGraphicSkinControl(TComponent* owner) : TbsSkinControlBase(owner) {
    FControlStyle.Include(csOpaque);
}

TbsGraphicSkinControl::~TbsGraphicSkinControl() = default;
