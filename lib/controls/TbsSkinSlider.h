#pragma once
#include "lib/controls/TbsSkinCustomSlider.h"

// The slider as form descriptions place it (the preview's position slider).
class TbsSkinSlider : public TbsSkinCustomSlider {
public:
    using TbsSkinCustomSlider::TbsSkinCustomSlider;

    std::string ClassName() const override { return "TbsSkinSlider"; }
};
