#include "platform/forms/TMenuItem.h"
#include "platform/rtl/Format.h"
#include <algorithm>
#include <cctype>

TShortCut ShortCut(unsigned short key, TShiftState shift) {
    TShortCut s = TShortCut(key & 0xFF);
    if (shift.Contains(ssShift)) s |= scShift;
    if (shift.Contains(ssCtrl)) s |= scCtrl;
    if (shift.Contains(ssAlt)) s |= scAlt;
    return s;
}

char GetHotkey(const std::string& caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        return char(std::toupper(static_cast<unsigned char>(caption[i + 1])));
    }
    return '\0';
}

std::string StripHotkey(const std::string& caption) {
    std::string out;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) {
            out += caption[i + 1] == '&' ? "&" : std::string(1, caption[i + 1]);
            ++i;
            continue;
        }
        if (caption[i] != '&') out += caption[i];
    }
    return out;
}

bool IsAccel(unsigned ch, const std::string& caption) {
    const char hot = GetHotkey(caption);
    return hot != '\0' && ch < 0x80 && char(std::toupper(int(ch))) == hot;
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {}

TMenuItem::~TMenuItem() {
    Clear();
    if (FParent) FParent->Remove(this);
}

TMenuItem* TMenuItem::Items(int index) const {
    if (index < 0 || index >= Count())
        throw EListError(Format("List index out of bounds (%d)", index));
    return FItems[std::size_t(index)];
}

int TMenuItem::MenuIndex() const {
    return FParent ? FParent->IndexOf(this) : -1;
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
    const auto it = std::find(FItems.begin(), FItems.end(), item);
    return it == FItems.end() ? -1 : int(it - FItems.begin());
}

void TMenuItem::Add(TMenuItem* item) {
    Insert(Count(), item);
}

void TMenuItem::Insert(int index, TMenuItem* item) {
    if (!item) return;
    if (item->FParent) throw EComponentError("Menu inserted twice");
    for (const TMenuItem* p = this; p; p = p->FParent)
        if (p == item) throw EComponentError("Menu inserted twice");
    if (index < 0 || index > Count())
        throw EListError(Format("List index out of bounds (%d)", index));
    FItems.insert(FItems.begin() + index, item);
    item->FParent = this;
}

void TMenuItem::Remove(TMenuItem* item) {
    const int index = IndexOf(item);
    if (index < 0) throw EComponentError("Sub-menu is not in menu");
    FItems.erase(FItems.begin() + index);
    item->FParent = nullptr;
}

void TMenuItem::Delete(int index) {
    delete Items(index);
}

void TMenuItem::Clear() {
    while (!FItems.empty())
        delete FItems.back();
}

void TMenuItem::SetChecked(bool value) {
    if (value == FChecked) return;
    FChecked = value;
    if (value && FRadioItem && FParent)
        for (TMenuItem* sibling : FParent->FItems)
            if (sibling != this && sibling->FRadioItem && sibling->FGroupIndex == FGroupIndex)
                sibling->FChecked = false;
}

TMenuItem* TMenuItem::FindByHotkey(unsigned ch) const {
    for (TMenuItem* item : FItems)
        if (item->FEnabled && item->FVisible && IsAccel(ch, item->FCaption)) return item;
    return nullptr;
}

TMenuItem* TMenuItem::FindByShortCut(TShortCut shortCut) {
    if (shortCut == scNone) return nullptr;
    for (TMenuItem* item : FItems) {
        if (!item->FEnabled) continue;
        if (item->FShortCut == shortCut) return item;
        if (TMenuItem* found = item->FindByShortCut(shortCut)) return found;
    }
    return nullptr;
}

void TMenuItem::SetParentComponent(TComponent* value) {
    if (FParent) FParent->Remove(this);
    if (auto* menu = dynamic_cast<TMenu*>(value))
        menu->Items().Add(this);
    else if (auto* item = dynamic_cast<TMenuItem*>(value))
        item->Add(this);
}

void TMenuItem::Click() {
    if (FEnabled && OnClick) OnClick(this);
}

TMenu::TMenu(TComponent* owner) : TComponent(owner), FItems(new TMenuItem(this)) {}

TMenu::~TMenu() = default; // the item tree is owned as a component

void TMenu::SetImages(TComponent* value) {
    FImages = value;
    if (value) value->FreeNotification(this);
}

bool TMenu::IsShortCut(TShortCut shortCut) {
    TMenuItem* item = FItems->FindByShortCut(shortCut);
    if (!item) return false;
    item->Click();
    return true;
}

void TMenu::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove && component == FImages) FImages = nullptr;
    TComponent::Notification(component, operation);
}

void TPopupMenu::Popup(int x, int y) {
    if (OnPopup) OnPopup(this);
    if (OnShowMenu) OnShowMenu(this, x, y);
}

void TPopupMenu::SetPopupComponent(TComponent* value) {
    FPopupComponent = value;
    if (value) value->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove && component == FPopupComponent) FPopupComponent = nullptr;
    TMenu::Notification(component, operation);
}
