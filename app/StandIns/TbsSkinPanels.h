#pragma once
#include "platform/forms/TPanel.h"

// A panel; with a caption it shows the caption as a title across its top, as the skinned panel
// does.
class TbsSkinPanel : public TPanel {
public:
    explicit TbsSkinPanel(TComponent* owner);
    std::string ClassName() const override { return "TbsSkinPanel"; }

protected:
    void Paint() override;
};

// The tool bar: a panel along the top holding the command buttons where they are placed.
class TbsSkinToolBar : public TbsSkinPanel {
public:
    explicit TbsSkinToolBar(TComponent* owner);
    std::string ClassName() const override { return "TbsSkinToolBar"; }
};
