#pragma once
#include "lib/controls/TbsSkinControl.h"
#include "lib/frame/IbsMainMenuBar.h"
#include "lib/frame/TbsMenuBarObject.h"
#include "platform/forms/TMenuItem.h"
#include "platform/gfx/TFont.h"

#include <functional>
#include <memory>
#include <vector>

class TBitmap;
class TTimer;
class TbsSkinForm;

using TbsItemEnterEvent = std::function<void(TMenuItem* menuItem)>;
using TbsItemLeaveEvent = std::function<void(TMenuItem* menuItem)>;

// A skinned control in place of a form's own menu bar: the top-level items of MainMenu as bar
// items whose submenus open through the form-skin component's menu engine, with hover, press,
// morph and animation of the items, keyboard operation in main-menu mode, a merged child menu
// (by group index), the buttons of a maximized MDI child and a marker that offers the items
// that do not fit.
class TbsSkinMainMenuBar : public TbsSkinControl, public IbsMainMenuBar {
public:
    explicit TbsSkinMainMenuBar(TComponent* owner);
    ~TbsSkinMainMenuBar() override;

    std::string ClassName() const override { return "TbsSkinMainMenuBar"; }

    // --- Published settings ---
    bool ScrollMenu() const { return FScrollMenu; }
    void SetScrollMenu(bool value) { FScrollMenu = value; }
    bool UseSkinFont() const { return FUseSkinFont; }
    void SetUseSkinFont(bool value) { FUseSkinFont = value; }
    TFont& DefItemFont() { return FDefItemFont; }
    // Repaints when skinless.
    void SetDefItemFont(const TFont& value);
    int DefaultWidth() const { return FDefaultWidth; }
    void SetDefaultWidth(int value);
    int DefaultHeight() const { return FDefaultHeight; }
    void SetDefaultHeight(int value);
    bool PopupToUp() const { return FPopupToUp; }
    void SetPopupToUp(bool value) { FPopupToUp = value; }
    TbsSkinForm* SkinForm() const { return BSF; }
    void SetSkinForm(TbsSkinForm* value);
    TMainMenu* MainMenu() const override { return FMainMenu; }
    // Rebuilds the items and repaints.
    void SetMainMenu(TMainMenu* value);

    TbsItemEnterEvent OnItemMouseEnter;
    TbsItemLeaveEvent OnItemMouseLeave;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

    // --- Menus ---
    // Shows menu's items merged with the main menu's by group index.
    void Merge(TMainMenu* menu);
    void UnMerge();
    // The merged menu, else the main form's active MDI child's own main menu; nil for none.
    TMainMenu* GetChildMainMenu() const override;
    // Builds the bar's objects from the menus.
    void CreateMenu();
    // CreateMenu, repaint and a fresh hover state.
    void UpDateItems();
    // Each item takes its menu item's Enabled again.
    void UpDateEnabledItems();

    // --- Main-menu mode and keys (the form-skin component calls these) ---
    bool FindAccelItem(std::uint16_t key) override;
    void EnterMainMenu() override;
    void ExitMainMenu() override;
    void SubMenuClosed() override;
    void SelectPriorItem() override;
    void SelectNextItem() override;
    bool ClickActiveItem() override;

    // --- A maximized MDI child's buttons ---
    void MDIChildMaximized() override;
    void MDIChildRestored() override;
    // The form-skin component of the main form's first maximized MDI child, or nil.
    TbsSkinForm* FindMaximizedSkinChild() const;

    // --- Skin ---
    void GetSkinData() override;
    void BeforeChangeSkinData() override;
    void ChangeSkinData() override;
    void SetBounds(int left, int top, int width, int height) override;
    void Notification(TComponent* component, TOperation operation) override;
    void WndProc(TMessage& message) override;

    // --- What the bar objects use ---
    // An object shows its new look: the whole bar for a see-through item.
    void DrawObject(TbsMenuBarObject* object);
    // The whole bar into canvas through one off-screen bitmap.
    void PaintBar(TCanvas& canvas);
    TTimer& MouseTimer() { return *FMouseTimer; }
    TTimer& MorphTimer() { return *FMorphTimer; }
    TTimer& AnimateTimer() { return *FAnimateTimer; }
    // The rectangle of the scroll marker (the last 5 pixels of the items area).
    TRect GetMarkerRect() const;
    // The items that did not fit, as a menu under the marker.
    void ShowHiddenItemsMenu();
    // The hover state for the point (client coordinates; -1, -1 for none).
    void TestActive(int x, int y);
    void MouseTimerTick();
    // The bar's skin when it is usable (set and not empty), else nullptr.
    TbsSkinData* UsableSkin() const;

    bool FSkinSupport{ false };
    int ButtonsCount{ 0 };
    bool FMDIChildMax{ false };
    bool MenuActive{ false };
    bool Scroll{ false };
    bool MarkerActive{ false };
    int ActiveObject{ -1 };
    int OldActiveObject{ -1 };
    int MouseCaptureObject{ -1 };
    TRect NewItemsRect;
    TRect SkinRect;
    TRect ItemsRect;
    std::string MenuBarItem;
    std::string MaxButton, MinButton, SysMenuButton, CloseButton;
    int TrackMarkColor{ 0 };
    int TrackMarkActiveColor{ 0 };
    TBitmap* Picture{ nullptr };
    bool StretchEffect{ false };
    bool ItemTransparent{ false };
    std::vector<std::unique_ptr<TbsMenuBarObject>> ObjectList;
    bool ChildMenuIn{ false };

protected:
    void Paint() override {}
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void CheckParentBackground() override;

private:
    TbsSkinMainMenuBarItem* ItemAt(std::size_t index) const;
    // Shown, enabled items in list order.
    std::vector<TbsSkinMainMenuBarItem*> EligibleItems() const;
    void CalcItemsRect();
    // Draws straight onto the bar's window.
    void DrawOnWindow(const std::function<void(TCanvas&)>& draw);
    void DrawMarker(TCanvas& canvas);
    void MorphTimerTick();
    void AnimateTimerTick();
    void CreateMDIButtons();
    void ClearMDIButtons();
    void SetButtonsEnabled(bool minimize, bool systemMenu);
    void ReleaseSysMenuButton();
    // Frees every object.
    void ClearObjects();
    template <class T>
    void Link(T*& field, T* value);

    bool FScrollMenu{ true };
    TFont FDefItemFont;
    bool FUseSkinFont{ true };
    int FDefaultWidth{ 0 };
    int FDefaultHeight{ 22 };
    bool FPopupToUp{ false };
    TbsSkinForm* BSF{ nullptr };
    TMainMenu* FMainMenu{ nullptr };
    TMainMenu* FMergeMenu{ nullptr };
    std::unique_ptr<TTimer> FMouseTimer;
    std::unique_ptr<TTimer> FMorphTimer;
    std::unique_ptr<TTimer> FAnimateTimer;
};
