#pragma once
#include "lib/controls/TbsSkinControl.h"
#include "platform/gfx/TFont.h"
#include "platform/gfx/TRect.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TbsSkinForm;
class TbsSkinMDITabsBar;
class TbsSkinMenuSpeedButton;
class TbsSkinPopupMenu;
class TCustomForm;

enum TbsSkinMDITabKind { bstkTab, bstkButton };

// One tab of the tabs bar: the MDI child it stands for and how it shows.
class TbsMDITab : public TObject {
public:
    TbsMDITab(TbsSkinMDITabsBar* parentBar, TCustomForm* child);

    // Draws the tab at ObjectRect; nothing while it has no width.
    void Draw(TCanvas& canvas);
    void ButtonDraw(TCanvas& canvas);
    void ResizeDraw(TCanvas& canvas);
    // Places the close button at r's left edge, centred vertically, and keeps its rectangle
    // in ButtonRect.
    void DrawCloseButton(TCanvas& canvas, TRect r);

    TbsSkinMDITabsBar* TabsBar{ nullptr };
    bool Active{ false };
    bool MouseIn{ false };
    // In bar coordinates; empty while hidden.
    TRect ObjectRect;
    TCustomForm* Child{ nullptr };
    bool Visible{ false };
    // The close button, relative to ObjectRect's top-left corner.
    TRect ButtonRect;
    bool ButtonMouseIn{ false };
    bool ButtonMouseDown{ false };
    TColor TextFontColor{ clBlack };

private:
    // The caption, shortened to fit, centred in r.
    void DrawCaption(TCanvas& canvas, TRect r, bool fireDrawParams);
};

using TbsMDITabEvent = std::function<void(TbsMDITab* tab)>;
using TbsMDITabMouseEvent =
    std::function<void(TMouseButton button, TShiftState shift, TbsMDITab* tab)>;
using TbsMDITabDrawParamsEvent = std::function<void(TbsMDITab* tab, TCanvas& canvas)>;

// A strip with one tab per MDI child of the application main form: a click brings the child
// to the front (restoring a minimized one), a right click opens the child's system menu, tabs
// can be dragged to a new place and may carry close buttons, and when the tabs do not fit a
// second button lists the hidden ones. Paints from the skin's "tab" element, or plainly.
class TbsSkinMDITabsBar : public TbsSkinControl {
public:
    explicit TbsSkinMDITabsBar(TComponent* owner);
    ~TbsSkinMDITabsBar() override;

    std::string ClassName() const override { return "TbsSkinMDITabsBar"; }
    void Notification(TComponent* component, TOperation operation) override;

    bool ShowCloseButtons() const { return FShowCloseButtons; }
    void SetShowCloseButtons(bool value);
    TbsSkinMDITabKind TabKind() const { return FTabKind; }
    void SetTabKind(TbsSkinMDITabKind value);
    TbsSkinForm* SkinForm() const { return FSkinForm; }
    void SetSkinForm(TbsSkinForm* value);
    bool SupportChildMenus() const { return FSupportChildMenus; }
    void SetSupportChildMenus(bool value) { FSupportChildMenus = value; }
    bool UseSkinSize() const { return FUseSkinSize; }
    void SetUseSkinSize(bool value) { FUseSkinSize = value; }
    bool UseSkinFont() const { return FUseSkinFont; }
    void SetUseSkinFont(bool value) { FUseSkinFont = value; }
    bool MoveTabs() const { return FMoveTabs; }
    void SetMoveTabs(bool value) { FMoveTabs = value; }
    int DefaultHeight() const { return FDefaultHeight; }
    void SetDefaultHeight(int value);
    TFont& DefaultFont() { return FDefaultFont; }
    void SetDefaultFont(const TFont& value) { FDefaultFont.Assign(value); }
    int DefaultTabWidth() const { return FDefaultTabWidth; }
    void SetDefaultTabWidth(int value) { FDefaultTabWidth = value; }
    int MinTabWidth() const { return FMinTabWidth; }
    void SetMinTabWidth(int value) { FMinTabWidth = value; }

    TbsMDITabEvent OnTabMouseEnter;
    TbsMDITabEvent OnTabMouseLeave;
    TbsMDITabMouseEvent OnTabMouseDown;
    TbsMDITabMouseEvent OnTabMouseUp;
    TbsMDITabDrawParamsEvent OnTabGetDrawParamsEvent;

    void AddTab(TCustomForm* child);
    void DeleteTab(TCustomForm* child);
    int TabCount() const { return int(ObjectList.size()); }
    TbsMDITab* Tabs(int index) const { return ObjectList[std::size_t(index)].get(); }
    // The first visible tab whose rectangle holds the point, its edges included; -1 for none.
    int GetTabIndex(int x, int y) const;
    TbsMDITab* GetTab(int x, int y) const;
    int GetCloseSize() const;
    // Marks the tabs of the main form's active child active.
    void UpdateActiveTab();
    // Redraws the tabs of that child on the bar.
    void RedrawTabOf(TCustomForm* child);
    // Lays the tabs out on the bar's present size.
    void CalcTabRects();
    // Where a dragged tab would land; -1 for nowhere.
    int GetDropIndex() const;
    int InVisibleCount() const { return FInVisibleCount; }
    TbsSkinMenuSpeedButton* ListButton() const { return FListButton; }
    TbsSkinMenuSpeedButton* HideListButton() const { return FHideListButton; }
    TbsSkinPopupMenu& ListMenu() { return *FListMenu; }
    TbsSkinPopupMenu& HideListMenu() { return *FHideListMenu; }

    void GetSkinData() override;
    void ChangeSkinData() override;
    void WndProc(TMessage& message) override;

    // What GetSkinData copied from the "tab" element for this paint; the skin's record is
    // left as it was loaded.
    struct TTabLook {
        TBitmap* Picture{ nullptr };
        TRect TabRect, ActiveTabRect, MouseInTabRect, TabsBGRect;
        int TabLeftOffset{ 0 }, TabRightOffset{ 0 };
        std::string FontName;
        TFontStyles FontStyle;
        int FontHeight{ 0 };
        TColor FontColor{ clBlack }, ActiveFontColor{ clBlack }, MouseInFontColor{ clBlack };
        bool TabStretchEffect{ false };
        TRect CloseButtonRect, CloseButtonActiveRect, CloseButtonDownRect;
        bool ButtonTransparent{ false };
        TColor ButtonTransparentColor{ clFuchsia };
        TPoint LTPoint, RTPoint;
        TRect ClRect, SkinRect;
        bool TopStretch{ false };
    };
    const TTabLook& Look() const { return FLook; }
    bool HasSkinElement() const { return FIndex != -1; }
    int CloseSize() const { return FCloseSize; }
    int ActiveTabOffset() const { return FActiveTabOffset; }

protected:
    void Paint() override;
    void CreateControlDefaultImage(TBitmap& bitmap) override;
    void CreateControlSkinImage(TBitmap& bitmap) override;
    void AdjustClientRect(TRect& rect) const override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    void DrawTabs(TCanvas& canvas);
    void DrawDropMarker(TCanvas& canvas);
    void UpdateTabHover(int x, int y);
    void RedrawTab(TbsMDITab* tab);
    bool InCloseButton(const TbsMDITab* tab, int x, int y) const;
    void OpenChildMenu(TbsMDITab* tab, int x, int y);
    TbsSkinMenuSpeedButton* MakeListButton(TAlign align, int arrow, TbsSkinPopupMenu* menu);
    void FillListMenu(bool hiddenOnly);
    void ListItemClick(TObject* sender);

    std::vector<std::unique_ptr<TbsMDITab>> ObjectList;
    bool FShowCloseButtons{ false };
    TbsSkinMDITabKind FTabKind{ bstkTab };
    TbsSkinForm* FSkinForm{ nullptr };
    bool FSupportChildMenus{ true };
    bool FUseSkinSize{ true };
    bool FUseSkinFont{ true };
    bool FMoveTabs{ true };
    int FDefaultHeight{ 21 };
    TFont FDefaultFont;
    int FDefaultTabWidth{ 100 };
    int FMinTabWidth{ 0 };
    int FCloseSize{ 14 };
    int FBottomOffset{ 0 };
    int FInVisibleCount{ 0 };
    int ActiveTabIndex{ -1 };
    int OldTabIndex{ -1 };
    int DragIndex{ -1 };
    bool IsDrag{ false };
    bool FDown{ false };
    int DX{ 0 };
    int TabDX{ 0 };
    int FActiveTabOffset{ 0 };
    TTabLook FLook;
    TbsSkinMenuSpeedButton* FListButton{ nullptr };
    TbsSkinMenuSpeedButton* FHideListButton{ nullptr };
    TbsSkinPopupMenu* FListMenu{ nullptr };
    TbsSkinPopupMenu* FHideListMenu{ nullptr };
};
