#pragma once
#include "lib/controls/TbsSkinControlBase.h"
#include "platform/forms/TPageControl.h"

#include "lib/skindraw/bsGlyphLayout.h"
#include "platform/gfx/TFont.h"

#include <functional>
#include <memory>

class TbsDataSkinTabControl;
class TbsSkinUpDown;
class TbsSkinTabSheet;
class TCustomImageList;

// Sender is the page whose close button was clicked; canClose False keeps it.
using TbsCloseEvent = std::function<void(TObject* sender, bool& canClose)>;
// Draws a tab's content in place of the control: tabIndex is the page's index, rct the whole
// tab picture (lying along its row for side tabs), canvas the picture's.
using TbsDrawSkinTabEvent =
    std::function<void(int tabIndex, const TRect& rct, bool active, bool mouseIn, TCanvas& cnvs)>;

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

    // The font without a record, or with UseSkinFont off: copied only, shown after the next
    // ChangeSkinData.
    TFont& DefaultFont() { return FDefaultFont; }
    void SetDefaultFont(const TFont& value) { FDefaultFont.Assign(value); }
    bool UseSkinFont() const { return FUseSkinFont; }
    void SetUseSkinFont(bool value) { FUseSkinFont = value; }
    // Font, tab height and scroller from the record (or the plain look), then a repaint.
    void ChangeSkinData() override;
    // Settings read in any order: the tab size without a record is settled once all are in.
    void Loaded() override;

    // The tab images, by each sheet's ImageIndex. Every tab reserves room for one image.
    TCustomImageList* Images() const { return FTabImages; }
    void SetImages(TCustomImageList* value);
    // A close button on every tab; every tab reserves room for it.
    bool ShowCloseButtons() const { return FShowCloseButtons; }
    void SetShowCloseButtons(bool value);
    // Side tabs keep their captions horizontal instead of reading along their edge.
    bool TextInHorizontal() const { return FTextInHorizontal; }
    void SetTextInHorizontal(bool value);
    // Image and caption laid out by TabLayout, TabMargin (-1 centred) and TabSpacing.
    bool TabExtededDraw() const { return FTabExtededDraw; }
    void SetTabExtededDraw(bool value);
    TbsButtonLayout TabLayout() const { return FTabLayout; }
    void SetTabLayout(TbsButtonLayout value);
    int TabMargin() const { return FTabMargin; }
    // Values below -1 are refused.
    void SetTabMargin(int value);
    int TabSpacing() const { return FTabSpacing; }
    void SetTabSpacing(int value);

    TbsDrawSkinTabEvent OnDrawSkinTab;

    // The selected tab's rectangle grown toward the page by the active tab picture's extra
    // height; empty while no tab is selected or shown.
    TRect GetActiveTabArea();
    bool HasVisibleTabs() const;
    // A tab's rectangle (by its index among the shown tabs) as the control draws it.
    TRect GetTabRect(int tabIndex);
    // The page of the tab under the pointer (-1 none), and the shown tab's index.
    int HotTab() const { return FActiveTab; }

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
    // Without a record: TabHeight, or DefaultItemHeight while it is 0, as the tabs' height.
    void ApplyPlainTabSize();

    // How far the row moves right: TabsOffset, else the centring of fixed-width tabs.
    int GetTabsOffset() const;

    void WndProc(TMessage& message) override;

    // The record when it is a tab record; nullptr otherwise.
    const TbsDataSkinTabControl* TabRecord() const;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void Notification(TComponent* component, TOperation operation) override;
    void AlignControls(TControl* control, TRect& rect) override;
    void Change() override;

private:
    // Painting: the frame, the row of tabs, one tab and its content.
    void DrawPlainFrame(TCanvas& canvas);
    void DrawSkinFrame(TCanvas& canvas);
    void PaintPageBackground(TCanvas& canvas);
    void DrawTabs(TCanvas& canvas);
    void DrawTab(int pageIndex, const TRect& rect, bool selected, bool hot, TCanvas& canvas);
    void DrawTabFace(TBitmap& tab, bool selected, bool hot, bool focused);
    void DrawTabContent(TBitmap& tab, int pageIndex, const TRect& content, int imageOffset,
                        int closeRoom, bool selected, bool hot);
    // The close button in the band right of the content, its place kept in the sheet.
    void DrawCloseButton(TBitmap& tab, int pageIndex, int bandLeft, bool hot);
    void SetTabFont(TCanvas& canvas, bool selected, bool hot, bool focused);
    // The frame's thickness from the record: left, top, right, bottom.
    TRect FrameThickness() const;
    // The reserved room per tab follows the images and the close buttons.
    void SizeReservedRoom();
    int CloseSize() const;
    int TabPage(int tabIndex) const;
    static TRect Moved(const TRect& r, int dx, int dy);
    // Hot tracking: the tab under the point becomes the hot one (none for -1, -1), and the
    // pointer over its close button lights the button.
    void TestActiveTab(int x, int y);
    // The hot tab's close button in client coordinates, as the platform sees the pointer.
    TRect HotCloseButton();
    // For a left-button press or release at x, y: the hot tab's sheet while close buttons
    // show (nullptr otherwise), and whether the point is on its button.
    TbsSkinTabSheet* PressedCloseButtonSheet(int x, int y, bool& in);

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

    TFont FDefaultFont;
    bool FUseSkinFont{ true };
    TCustomImageList* FTabImages{ nullptr };
    // Given to the platform control so that each tab reserves room for an image and a close
    // button; it holds no pictures.
    std::unique_ptr<TCustomImageList> FTempImages;
    bool FShowCloseButtons{ false };
    int FCloseSize{ 14 };
    bool FTextInHorizontal{ false };
    bool FTabExtededDraw{ false };
    TbsButtonLayout FTabLayout{ blGlyphLeft };
    int FTabMargin{ -1 };
    int FTabSpacing{ 1 };
    // The hot tab: its page index and its index among the shown tabs, -1 none.
    int FActiveTab{ -1 };
    int FActiveTabIndex{ -1 };
};
