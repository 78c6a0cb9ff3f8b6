#pragma once
#include "platform/forms/TWinControl.h"

class TPageControl;

// One page of a page control: a container filling the control's page area, shown while its
// tab is the selected one.
class TTabSheet : public TWinControl {
public:
    explicit TTabSheet(TComponent* owner);
    ~TTabSheet() override;

    std::string ClassName() const override { return "TTabSheet"; }

    TPageControl* PageControl() const { return FPageControl; }
    void SetPageControl(TPageControl* value);
    // The page's position among all pages of its control.
    int PageIndex() const;
    void SetPageIndex(int value);
    // The position of the page's tab among the shown tabs, -1 while its tab is hidden.
    int TabIndex() const;
    bool TabVisible() const { return FTabVisible; }
    void SetTabVisible(bool value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);

    void SetParent(TWinControl* parent) override;
    void WndProc(TMessage& message) override;

private:
    friend class TPageControl;
    TPageControl* FPageControl{ nullptr };
    bool FTabVisible{ true };
    int FImageIndex{ -1 };
};
