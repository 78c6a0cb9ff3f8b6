#pragma once
#include "platform/forms/TCustomControl.h"
#include <functional>
#include <vector>

class TCustomImageList;
class TTabSheet;

enum TTabPosition { tpTop, tpBottom, tpLeft, tpRight };

using TTabChangingEvent = std::function<void(TObject* sender, bool& allowChange)>;

// A row of tabs along one edge with a page (TTabSheet) for each; clicking a tab or the arrow
// keys switch pages, asking OnChanging first and telling OnChange after. Its geometry is
// reported through the TCM_ messages, and the pages are placed in the area TCM_ADJUSTRECT
// gives, so a subclass correcting those messages moves everything consistently.
class TPageControl : public TCustomControl {
public:
    explicit TPageControl(TComponent* owner);
    ~TPageControl() override;

    std::string ClassName() const override { return "TPageControl"; }

    int PageCount() const { return int(FPages.size()); }
    TTabSheet* Pages(int index) const;
    TTabSheet* ActivePage() const { return FActivePage; }
    void SetActivePage(TTabSheet* page);
    int ActivePageIndex() const;
    void SetActivePageIndex(int value);
    // The selected tab among the shown tabs, -1 none.
    int TabIndex() const;
    // The next page after current with a shown tab (goForward) or before it, wrapping.
    TTabSheet* FindNextPage(TTabSheet* current, bool goForward, bool checkTabVisible) const;
    void SelectNextPage(bool goForward);

    TTabPosition TabPosition() const { return FTabPosition; }
    void SetTabPosition(TTabPosition value);
    int TabHeight() const { return FTabHeight; }
    void SetTabHeight(int value);
    int TabWidth() const { return FTabWidth; }
    void SetTabWidth(int value);
    bool MultiLine() const { return FMultiLine; }
    void SetMultiLine(bool value);
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* value);

    // Tab geometry in client coordinates, as TCM_GETITEMRECT reports it.
    TRect TabRect(int tabIndex) const;
    // The tab at a client point, -1 none.
    int IndexOfTabAt(int x, int y) const;
    // The shown tabs do not fit in a single row: a row that overflows can be scrolled by
    // WM_HSCROLL (where a native tab control would show its arrows).
    bool TabsOverflow() const;
    // The first tab the row shows, after scrolling.
    int FirstShownTab() const { return FFirstTab; }
    // The page area inside rect (the control's client rectangle), as TCM_ADJUSTRECT gives it.
    TRect DisplayRect() const;

    // Called by the pages.
    void InsertPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);
    void MovePage(TTabSheet* page, int index);
    void PageTabChanged(TTabSheet* page);

    void WndProc(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;

    TNotifyEvent OnChange;
    TTabChangingEvent OnChanging;

protected:
    void Paint() override;
    void AdjustClientRect(TRect& rect) const override;
    void KeyDown(unsigned short& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    virtual bool CanChange();
    virtual void Change();

private:
    std::vector<TTabSheet*> VisibleTabs() const;
    TSize TabSize(const TTabSheet* page) const;
    int StripThickness() const;
    void AdjustRect(bool larger, TRect& rect) const;
    // Selects the tab at tabIndex as the user does: OnChanging may refuse.
    void UserSelect(int tabIndex);
    void ShowActivePage();
    void ScrollToTab(int tabIndex);
    void TabsChanged();
    void PaintTab(const TRect& rect, TTabSheet* page, bool selected);
    // Image and caption of a tab lying along rect.
    void PaintTabContent(TCanvas& canvas, const TRect& rect, TTabSheet* page, bool focus);
    TMessageAnswer TabMessage(const TMessage& message);

    std::vector<TTabSheet*> FPages;
    TTabSheet* FActivePage{ nullptr };
    TTabPosition FTabPosition{ tpTop };
    int FTabHeight{ 0 };
    int FTabWidth{ 0 };
    bool FMultiLine{ false };
    int FItemWidth{ 0 }; // the tab size TCM_SETITEMSIZE set; 0: from the caption
    int FItemHeight{ 0 };
    int FFirstTab{ 0 }; // tabs scrolled out of a single row
    TCustomImageList* FImages{ nullptr };
};
