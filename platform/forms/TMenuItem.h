#pragma once
#include "platform/forms/ControlTypes.h"
#include "platform/forms/TComponent.h"
#include <string>
#include <vector>

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

// An entry of a menu: a command, a separator (caption "-") or a submenu of further items. An
// item frees its sub-items; freeing an item takes it out of its parent.
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
    void SetVisible(bool value) { FVisible = value; }
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

    // A description writes items inside their menu or parent item.
    void SetParentComponent(TComponent* value) override;

    // Runs OnClick when the item is enabled.
    virtual void Click();

    TNotifyEvent OnClick;

private:
    std::string FCaption;
    bool FEnabled{ true };
    bool FVisible{ true };
    bool FChecked{ false };
    bool FRadioItem{ false };
    int FGroupIndex{ 0 };
    TShortCut FShortCut{ scNone };
    int FImageIndex{ -1 };
    std::string FHint;
    TMenuItem* FParent{ nullptr };
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
    void Notification(TComponent* component, TOperation operation) override;

private:
    TMenuItem* FItems;
    TComponent* FImages{ nullptr };
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
    TComponent* PopupComponent() const { return FPopupComponent; }
    void SetPopupComponent(TComponent* value);
    void Notification(TComponent* component, TOperation operation) override;

    TNotifyEvent OnPopup;
    std::function<void(TPopupMenu* menu, int x, int y)> OnShowMenu;

private:
    TComponent* FPopupComponent{ nullptr };
};
