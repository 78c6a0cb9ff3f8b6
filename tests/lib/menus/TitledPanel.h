#pragma once
#include "lib/menus/IbsHintSource.h"
#include "platform/forms/TPanel.h"
#include <string>

namespace menustest {

// A control that offers a hint title and image, as the skinned controls do.
class TTitledPanel : public TPanel, public IbsHintSource {
public:
    using TPanel::TPanel;
    const std::string& HintTitle() const override { return FTitle; }
    int HintImageIndex() const override { return FImageIndex; }
    TCustomImageList* HintImageList() const override { return FImages; }

    std::string FTitle;
    int FImageIndex{ 0 };
    TCustomImageList* FImages{ nullptr };
};

} // namespace menustest
