#pragma once
#include "platform/forms/TPanel.h"

// A panel; with a caption it shows the caption as a title across its top, as the skinned panel
// does.
class TStandInPanel : public TPanel {
public:
    explicit TStandInPanel(TComponent* owner);
    std::string ClassName() const override { return "TStandInPanel"; }

protected:
    void Paint() override;
};

// The tool bar: a panel along the top holding the command buttons where they are placed.
class TStandInToolBar : public TStandInPanel {
public:
    explicit TStandInToolBar(TComponent* owner);
    std::string ClassName() const override { return "TStandInToolBar"; }
};
