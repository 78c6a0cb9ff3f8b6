#include "platform/forms/TMenuItem.h"
#include "platform/forms/TAction.h"
#include "platform/gfx/TBitmap.h"
#include "platform/rtl/Format.h"
#include <algorithm>
#include <cctype>
#include <set>

namespace {

// Command ids in use; an id goes back to the pool when its item is freed. Menus live on the
// GUI thread only.
std::set<unsigned short>& UsedCommands() {
    static std::set<unsigned short> used;
    return used;
}

unsigned short UniqueCommand() {
    auto& used = UsedCommands();
    unsigned short id = 1;
    for (const unsigned short taken : used) {
        if (taken != id) break;
        ++id;
    }
    if (id == 0) throw EComponentError("Too many menu items");
    used.insert(id);
    return id;
}

} // namespace

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

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), FCommand(UniqueCommand()) {}

TMenuItem::~TMenuItem() {
    Clear();
    if (FParent) FParent->Remove(this);
    FActionLink.reset();
    UsedCommands().erase(FCommand);
}

TBitmap& TMenuItem::Bitmap() {
    if (!FBitmap) FBitmap = std::make_unique<TBitmap>();
    return *FBitmap;
}

bool TMenuItem::HasBitmap() const {
    return FBitmap && !FBitmap->Empty();
}

TBasicAction* TMenuItem::Action() const {
    return FActionLink ? FActionLink->Action() : nullptr;
}

void TMenuItem::SetAction(TBasicAction* value) {
    LinkClientToAction(FActionLink, this, value,
                       [this](TBasicAction* action) { ActionChange(action); });
}

void TMenuItem::ActionChange(TBasicAction* sender) {
    auto* action = dynamic_cast<TCustomAction*>(sender);
    if (!action) return;
    FCaption = action->Caption();
    FEnabled = action->Enabled();
    SetChecked(action->Checked());
    FVisible = action->Visible();
    FHint = action->Hint();
    FImageIndex = action->ImageIndex();
    FShortCut = action->ShortCut();
}

TMenu* TMenuItem::GetParentMenu() const {
    const TMenuItem* root = this;
    while (root->FParent)
        root = root->FParent;
    return root->FMenu;
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

TMenuItem* TMenuItem::FindByName(const std::string& name) const {
    for (TMenuItem* item : FItems)
        if (item->Name() == name) return item;
    return nullptr;
}

TMenuItem* TMenuItem::FindByCommand(unsigned short command) {
    if (FCommand == command) return this;
    for (TMenuItem* item : FItems)
        if (TMenuItem* found = item->FindByCommand(command)) return found;
    return nullptr;
}

bool TMenuItem::RethinkLines() {
    bool changed = false;
    auto show = [&](TMenuItem* line, bool visible) {
        if (line->FVisible == visible) return;
        line->FVisible = visible;
        line->FLineHiddenByRethink = !visible;
        changed = true;
    };
    // A line separates when something visible stands before it (since the last line kept) and
    // after it.
    TMenuItem* pendingLine = nullptr;
    bool contentBefore = false;
    for (TMenuItem* item : FItems) {
        if (item->IsLine()) {
            if (!item->FVisible && !item->FLineHiddenByRethink) continue; // hidden by the program
            if (pendingLine || !contentBefore) {
                show(item, false);
            } else {
                pendingLine = item;
            }
            continue;
        }
        if (!item->FVisible) continue;
        if (pendingLine) show(pendingLine, true);
        pendingLine = nullptr;
        contentBefore = true;
    }
    if (pendingLine) show(pendingLine, false);
    return changed;
}

void TMenuItem::SetParentComponent(TComponent* value) {
    if (FParent) FParent->Remove(this);
    if (auto* menu = dynamic_cast<TMenu*>(value))
        menu->Items().Add(this);
    else if (auto* item = dynamic_cast<TMenuItem*>(value))
        item->Add(this);
}

void TMenuItem::Click() {
    if (!FEnabled) return;
    if (OnClick) {
        OnClick(this);
        return;
    }
    if (FActionLink) FActionLink->Execute(this);
}

TMenu::TMenu(TComponent* owner) : TComponent(owner), FItems(new TMenuItem(this)) {
    FItems->FMenu = this;
}

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

bool TMenu::IsShortCut(const TWMKey& message) {
    return IsShortCut(ShortCut(message.CharCode, KeyDataToShiftState(message.KeyData)));
}

TMenuItem* TMenu::FindItem(unsigned short command) {
    return FItems->FindByCommand(command);
}

bool TMenu::DispatchCommand(unsigned short command) {
    TMenuItem* item = FindItem(command);
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
