#pragma once
#include "platform/forms/ControlTypes.h"
#include "platform/forms/TComponent.h"
#include "platform/gfx/TRect.h"
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TBasicAction;
class TBasicActionLink;
class TBitmap;
class TCanvas;
class TMenu;

// A key with its modifiers: the virtual key in the low byte, scShift/scCtrl/scAlt above.
using TShortCut = unsigned short;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
constexpr TShortCut scNone = 0;
TShortCut ShortCut(unsigned short key, TShiftState shift);

// The character after a single '&' in a caption, upper-cased ASCII ('\0' when none; "&&" is a
// literal ampersand).
char GetHotkey(const std::string& caption);
// The caption without its accelerator marks.
std::string StripHotkey(const std::string& caption);
// Whether ch is the accelerator of caption, ignoring ASCII case.
bool IsAccel(unsigned ch, const std::string& caption);

// Whether a menu hides the separators it does not need (at either end of a list, or following
// another one) before showing its items; maParent asks the parent item's menu.
enum TMenuAutoFlag { maAutomatic, maManual, maParent };

// Draws an item in place of the menu's own painter; selected: the item is highlighted.
using TMenuDrawItemEvent =
    std::function<void(TObject* sender, TCanvas& canvas, const TRect& rect, bool selected)>;

// An entry of a menu: a command, a separator (caption "-") or a submenu of further items. An
// item frees its sub-items; freeing an item takes it out of its parent. Every item has a
// command id of its own, unique in the program while the item lives, by which its menu finds
// it again (DispatchCommand).
class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    std::string ClassName() const override { return "TMenuItem"; }

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& value) { FCaption = value; }
    bool IsLine() const { return FCaption == "-"; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value) { FEnabled = value; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool value) {
        FVisible = value;
        FLineHiddenByRethink = false;
    }
    bool Checked() const { return FChecked; }
    // Checking a radio item unchecks the other radio items of its group under the same parent.
    void SetChecked(bool value);
    bool RadioItem() const { return FRadioItem; }
    void SetRadioItem(bool value) { FRadioItem = value; }
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value) { FGroupIndex = value; }
    TShortCut ShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut value) { FShortCut = value; }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value) { FImageIndex = value; }
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& value) { FHint = value; }
    // The item a double click on the menu's owner would run; drawn in bold where shown.
    bool Default() const { return FDefault; }
    void SetDefault(bool value) { FDefault = value; }
    // A picture drawn in place of an image of the menu's image list; empty until one is given.
    TBitmap& Bitmap();
    bool HasBitmap() const;
    unsigned short Command() const { return FCommand; }
    // The action whose caption, enabling, checking, visibility, hint, image and shortcut the
    // item shows, and which a click runs when OnClick is not set.
    TBasicAction* Action() const;
    void SetAction(TBasicAction* value);
    // The menu whose tree holds this item, or nullptr.
    TMenu* GetParentMenu() const;

    int Count() const { return int(FItems.size()); }
    TMenuItem* Items(int index) const;
    TMenuItem* Parent() const { return FParent; }
    int MenuIndex() const;
    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    // Takes the item out without freeing it.
    void Remove(TMenuItem* item);
    void Delete(int index);
    // Frees every sub-item.
    void Clear();
    int IndexOf(const TMenuItem* item) const;
    // The enabled, visible sub-item whose caption has ch as its accelerator, or nullptr.
    TMenuItem* FindByHotkey(unsigned ch) const;
    // The enabled item of this tree with that shortcut, or nullptr.
    TMenuItem* FindByShortCut(TShortCut shortCut);
    // The sub-item (direct child) whose component Name is name, or nullptr.
    TMenuItem* FindByName(const std::string& name) const;
    // The item of this tree with that command id (this item included), or nullptr.
    TMenuItem* FindByCommand(unsigned short command);
    // Hides the separators among the visible sub-items that separate nothing (first, last, or
    // right after another separator) and shows again those it hid before that now separate
    // something; separators hidden by the program stay hidden. True when anything changed.
    bool RethinkLines();

    // A description writes items inside their menu or parent item.
    void SetParentComponent(TComponent* value) override;

    // Runs OnClick when the item is enabled, or else its action.
    virtual void Click();

    TNotifyEvent OnClick;
    TMenuDrawItemEvent OnDrawItem;

private:
    friend class TMenu;
    void ActionChange(TBasicAction* sender);

    std::string FCaption;
    bool FEnabled{ true };
    bool FVisible{ true };
    bool FChecked{ false };
    bool FRadioItem{ false };
    int FGroupIndex{ 0 };
    TShortCut FShortCut{ scNone };
    int FImageIndex{ -1 };
    std::string FHint;
    bool FDefault{ false };
    bool FLineHiddenByRethink{ false };
    unsigned short FCommand{ 0 };
    std::unique_ptr<TBitmap> FBitmap;
    std::unique_ptr<TBasicActionLink> FActionLink;
    TMenuItem* FParent{ nullptr };
    TMenu* FMenu{ nullptr }; // set on the root item of a menu only
    std::vector<TMenuItem*> FItems;
};

// A menu: the tree under Items, and the image list its items' ImageIndex refers to.
class TMenu : public TComponent {
public:
    explicit TMenu(TComponent* owner);
    ~TMenu() override;

    std::string ClassName() const override { return "TMenu"; }
    TMenuItem& Items() { return *FItems; }
    TComponent* Images() const { return FImages; }
    void SetImages(TComponent* value);
    // Clicks the item with that shortcut; true when one took it.
    bool IsShortCut(TShortCut shortCut);
    // The same for a key message: its key with the shift state of its key data.
    bool IsShortCut(const TWMKey& message);
    // Clicks the item of the tree with that command id; false when none has it.
    bool DispatchCommand(unsigned short command);
    TMenuItem* FindItem(unsigned short command);
    TMenuAutoFlag AutoLineReduction() const { return FAutoLineReduction; }
    void SetAutoLineReduction(TMenuAutoFlag value) { FAutoLineReduction = value; }
    void Notification(TComponent* component, TOperation operation) override;

private:
    TMenuItem* FItems;
    TComponent* FImages{ nullptr };
    TMenuAutoFlag FAutoLineReduction{ maAutomatic };
};

class TMainMenu : public TMenu {
public:
    using TMenu::TMenu;
    std::string ClassName() const override { return "TMainMenu"; }
};

// A menu shown at a point; the skinned menus draw it, this holds what they show.
class TPopupMenu : public TMenu {
public:
    using TMenu::TMenu;
    std::string ClassName() const override { return "TPopupMenu"; }

    // Runs OnPopup, then hands the menu to OnShowMenu (the part that draws it) at the screen
    // point.
    virtual void Popup(int x, int y);
    // The control whose right click showed the menu last.
    TComponent* PopupComponent() const { return FPopupComponent; }
    void SetPopupComponent(TComponent* value);
    // Whether a right click on a control that names this menu is to show it; the controls
    // that show popup menus read it.
    bool AutoPopup() const { return FAutoPopup; }
    void SetAutoPopup(bool value) { FAutoPopup = value; }
    void Notification(TComponent* component, TOperation operation) override;

    TNotifyEvent OnPopup;
    std::function<void(TPopupMenu* menu, int x, int y)> OnShowMenu;

private:
    TComponent* FPopupComponent{ nullptr };
    bool FAutoPopup{ true };
};
