#pragma once
#include "lib/controls/TbsSkinControlBase.h"
#include "platform/forms/TPageControl.h"

#include <functional>
#include <memory>

class TbsDataSkinTabControl;
class TbsSkinUpDown;

// Sender is the page whose close button was clicked; canClose False keeps it.
using TbsCloseEvent = std::function<void(TObject* sender, bool& canClose)>;

extern template class TbsSkinControlBase<TPageControl>;

// A page control whose frame and tabs come from the record "tab", or a plain look without
// one. The platform control keeps the layout, selection and keys; this one corrects the page
// area and the tab rectangles it reports, can centre or shift a single top row of fixed-width
// tabs, hide its tabs and border, and switch pages with the wheel.
class TbsSkinPageControl : public TbsSkinControlBase<TPageControl> {
public:
    explicit TbsSkinPageControl(TComponent* owner);
    ~TbsSkinPageControl() override;

    std::string ClassName() const override { return "TbsSkinPageControl"; }

    // Refused (stays off) while TabWidth is 0; on forces single top tabs.
    bool TabsInCenter() const { return FTabsInCenter; }
    void SetTabsInCenter(bool value);
    // A positive offset shifts the row right and forces single top tabs.
    int TabsOffset() const { return FTabsOffset; }
    void SetTabsOffset(int value);
    bool TabsBGTransparent() const { return FTabsBGTransparent; }
    void SetTabsBGTransparent(bool value);
    // The wheel steps to the next or previous page with a shown tab, never wrapping.
    bool MouseWheelSupport() const { return FMouseWheelSupport; }
    void SetMouseWheelSupport(bool value) { FMouseWheelSupport = value; }

    // A closed page loses its tab; with FreeOnClose it is freed as well.
    bool FreeOnClose() const { return FFreeOnClose; }
    void SetFreeOnClose(bool value) { FFreeOnClose = value; }
    // Closes the page whose close button was released, asking OnClose first and telling
    // OnAfterClose after. It need not be the active page: the press may not have selected its
    // tab (OnChanging refused).
    void ClosePage(TTabSheet* page);

    TbsCloseEvent OnClose;
    TNotifyEvent OnAfterClose;

    // The tabs shrink to one pixel along the top, keeping what they were to come back.
    void HideTabs();
    void ShowTabs();
    void HideBorderAndTabs();
    void ShowBorderAndTabs();
    bool TabsHidden() const { return FHideTabs; }

    // Tab height without a record when TabHeight is 0; also the scroller's size unit.
    int DefaultItemHeight() const { return FDefaultItemHeight; }
    void SetDefaultItemHeight(int value);
    // The skin up-down scrolling a single row that overflows; nullptr while all tabs fit.
    TbsSkinUpDown* Scroller() const { return FScroller.get(); }
    // Shows the scroller exactly while the single row overflows, frees it otherwise.
    void CheckScroller();
    // The scroller's position follows the row's first shown tab.
    void UpdateScrollerPosition();

    // How far the row moves right: TabsOffset, else the centring of fixed-width tabs.
    int GetTabsOffset() const;

    void WndProc(TMessage& message) override;

    // The record when it is a tab record; nullptr otherwise.
    const TbsDataSkinTabControl* TabRecord() const;

protected:
    void AlignControls(TControl* control, TRect& rect) override;
    void Change() override;

private:
    bool RowMoved() const { return FTabsInCenter || FTabsOffset > 0; }
    void ForceSingleTopRow();
    void CorrectPageArea(TRect& rect) const;
    void CorrectTabRect(TRect& rect) const;
    void WheelStep(int delta);
    bool PointerOver();
    // Shown tabs not wholly in the row, and those scrolled out at its start.
    int HiddenTabs();
    int ScrolledTabs();
    void CreateScroller();
    void PlaceScroller();
    void ScrollerChange();

    bool FTabsInCenter{ false };
    int FTabsOffset{ 0 };
    bool FTabsBGTransparent{ false };
    bool FMouseWheelSupport{ false };
    bool FFreeOnClose{ false };
    bool FHideTabs{ false };
    bool FHideBorder{ false };
    TTabPosition FOldTabPosition{ tpTop };
    bool FOldMultiLine{ false };
    int FOldTabHeight{ -1 };
    int FDefaultItemHeight{ 20 };
    std::unique_ptr<TbsSkinUpDown> FScroller;
    bool FCheckingScroller{ false };
};
