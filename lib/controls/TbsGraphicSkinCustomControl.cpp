#include "lib/controls/TbsGraphicSkinCustomControl.h"

TbsGraphicSkinCustomControl::TbsGraphicSkinCustomControl(TComponent* owner)
    : TbsSkinCustomControlBase(owner) {}

TbsGraphicSkinCustomControl::~TbsGraphicSkinCustomControl() = default;
