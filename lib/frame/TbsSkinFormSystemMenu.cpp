// The skinned system menu, rebuilt from the window state at every opening, the tray menu and
// the trip to the tray and back.
#include "lib/frame/TbsSkinForm.h"

#include "lib/frame/TbsTrayIcon.h"
#include "lib/menus/TbsSkinMenu.h"
#include "lib/menus/TbsSkinPopupMenu.h"
#include "lib/skindata/TbsResourceStrData.h"
#include "lib/skindata/TbsSkinData.h"
#include "platform/forms/TMenuItem.h"
#include "platform/win/Input.h"

#include <initializer_list>

using namespace win;

namespace {

constexpr const char* kStateItemNames[] = { "BSF_MINITEM",   "BSF_MAXITEM", "BSF_CLOSE",
                                            "BSF_MINTOTRAY", "BSF_ROLLUP",  "BSF_RESTORE" };

bool IsStateItem(const TMenuItem& item) {
    for (const char* name : kStateItemNames)
        if (item.Name() == name) return true;
    return false;
}

} // namespace

TMenuItem* TbsSkinForm::NewMenuItem(const char* name, const char* key, const char* fallBack,
                                    std::function<void()> command) {
    // The item of that name from the other menu (the default one or the author's, whichever
    // showed last) goes: the names must stay unique among the component's items.
    delete dynamic_cast<TMenuItem*>(FindComponent(name));
    auto* item = new TMenuItem(this);
    item->SetName(name);
    const TbsResourceStrData* strings = FSD ? FSD->ResourceStrData() : nullptr;
    item->SetCaption(strings ? strings->GetResStr(key) : fallBack);
    item->OnClick = [command = std::move(command)](TObject*) { command(); };
    return item;
}

TMenuItem* TbsSkinForm::NewCloseItem(const char* name) {
    TMenuItem* item = NewMenuItem(name, "MI_CLOSECAPTION", "&Close", [this] { FForm->Close(); });
    item->SetShortCut(IsMDIChild() ? ShortCut(VK_F4, { ssCtrl }) : ShortCut(VK_F4, { ssAlt }));
    return item;
}

void TbsSkinForm::RestoreCommand() {
    // Rolled up from the normal or the maximized state: unrolling is the restore.
    if (FRollUpState && (MaxRollUpState || FWindowState == wsNormal))
        SetRollUpState(false);
    else
        SetWindowState(wsNormal);
}

TMenuItem* TbsSkinForm::GetSystemMenuItems() {
    if (FSystemMenu) {
        RebuildUserSystemMenu();
        return &FSystemMenu->Items();
    }
    RebuildSystemMenu();
    return &FSysMenu->Items();
}

bool TbsSkinForm::WantsSystemItem(TbsSystemItem kind) const {
    const bool minimized = FWindowState == wsMinimized;
    switch (kind) {
    case bsiMinimize:
        return FBorderIcons.Contains(biMinimize) && !minimized;
    case bsiMaximize:
        return FBorderIcons.Contains(biMaximize) && FWindowState != wsMaximized;
    case bsiRestore:
        return FWindowState != wsNormal || FRollUpState;
    case bsiRollUp:
        return FBorderIcons.Contains(biRollUp) && !FRollUpState && !minimized &&
               !IsMaximizedChild();
    case bsiMinimizeToTray:
        return FBorderIcons.Contains(biMinimizeToTray);
    }
    return false;
}

TMenuItem* TbsSkinForm::NewSystemItem(TbsSystemItem kind) {
    switch (kind) {
    case bsiMinimize:
        return NewMenuItem("BSF_MINITEM", "MI_MINCAPTION", "Mi&nimize", [this] {
            if (FAlwaysMinimizeToTray)
                MinimizeToTray();
            else
                SetWindowState(wsMinimized);
        });
    case bsiMaximize:
        return NewMenuItem("BSF_MAXITEM", "MI_MAXCAPTION", "Ma&ximize",
                           [this] { SetWindowState(wsMaximized); });
    case bsiRestore:
        return NewMenuItem("BSF_RESTORE", "MI_RESTORECAPTION", "&Restore",
                           [this] { RestoreCommand(); });
    case bsiRollUp:
        return NewMenuItem("BSF_ROLLUP", "MI_ROLLUPCAPTION", "Ro&llUp",
                           [this] { SetRollUpState(true); });
    case bsiMinimizeToTray:
        return NewMenuItem("BSF_MINTOTRAY", "MI_MINTOTRAYCAPTION", "Minimize to &Tray",
                           [this] { MinimizeToTray(); });
    }
    return nullptr;
}

void TbsSkinForm::RebuildSystemMenu() {
    TMenuItem& items = FSysMenu->Items();
    for (int i = items.Count() - 1; i >= 0; --i)
        delete items.Items(i);
    for (TbsSystemItem kind :
         { bsiMinimize, bsiMaximize, bsiRestore, bsiRollUp, bsiMinimizeToTray })
        if (WantsSystemItem(kind)) items.Add(NewSystemItem(kind));
    if (items.Count() > 0) {
        auto* line = new TMenuItem(this);
        line->SetCaption("-");
        items.Add(line);
    }
    items.Add(NewCloseItem("BSF_CLOSE"));
}

void TbsSkinForm::RebuildUserSystemMenu() {
    if (!FUseDefaultSysMenu) return;
    TMenuItem& items = FSystemMenu->Items();
    // The state items of the last opening go; the author's own stay.
    for (bool freed = true; freed;) {
        freed = false;
        for (int i = 0; i < items.Count(); ++i)
            if (IsStateItem(*items.Items(i))) {
                delete items.Items(i);
                freed = true;
                break;
            }
    }
    // Each goes in at the top: the menu begins Minimize, Restore, Maximize, Roll up, to tray.
    for (TbsSystemItem kind :
         { bsiMinimizeToTray, bsiRollUp, bsiMaximize, bsiRestore, bsiMinimize })
        if (WantsSystemItem(kind)) items.Insert(0, NewSystemItem(kind));
    items.Add(NewCloseItem("BSF_CLOSE"));
}

void TbsSkinForm::ShowSystemMenuAt(int x, int y) {
    ShowSystemMenu(TRect(x, y, x, y));
}

void TbsSkinForm::ShowSystemMenuInRect(const TRect& r) {
    ShowSystemMenu(r);
}

void TbsSkinForm::ShowSystemMenu(const TRect& r) {
    // The open menu may show the items the rebuild is about to free.
    if (FSkinMenu->Visible()) FSkinMenu->Hide();
    TMenuItem* items = GetSystemMenuItems();
    SkinMenuOpen();
    TbsSkinForm* shower = this;
    if (IsMDIChild()) {
        // A child's menus show through the main form's component, if it has one.
        shower = Application ? FindSkinForm(Application->MainForm()) : nullptr;
        if (!shower) return;
    }
    TbsSkinData* skin = shower->MenusSkinData() ? shower->MenusSkinData() : shower->SkinData();
    shower->SkinMenu().Popup(nullptr, skin, 0, r, items, false);
}

void TbsSkinForm::BuildTrayMenu() {
    TMenuItem& items = FSysTrayMenu->Items();
    items.Add(NewMenuItem("TRAY_BSF_RESTORE", "MI_RESTORECAPTION", "&Restore",
                          [this] { RestoreFromTray(); }));
    auto* line = new TMenuItem(this);
    line->SetCaption("-");
    items.Add(line);
    items.Add(NewCloseItem("TRAY_BSF_CLOSE"));
}

void TbsSkinForm::SetTrayIcon(TComponent* value) {
    Link(FTrayIcon, value);
    auto* icon = dynamic_cast<TbsTrayIcon*>(value);
    if (!icon) return;
    if (!FAlwaysShowInTray) icon->SetIconVisible(false);
    icon->SetMinimizeToTray(false);
    if (Designing() || icon->PopupMenu()) return;
    icon->SetPopupMenu(FSysTrayMenu);
    if (!icon->OnDblClick)
        icon->OnDblClick = [this, alive = std::weak_ptr<bool>(FAlive)](TObject*) {
            // The icon may outlive the component.
            if (const auto live = alive.lock(); live && *live) RestoreFromTray();
        };
}

void TbsSkinForm::MinimizeToTray() {
    auto* icon = dynamic_cast<TbsTrayIcon*>(FTrayIcon);
    if (!icon) return;
    icon->SetMinimizeToTray(true);
    // The icon hears of the application's minimize and hides the main form into the tray.
    if (Application) Application->Minimize();
    if (OnMinimizeToTray) OnMinimizeToTray(this);
}

void TbsSkinForm::RestoreFromTray() {
    auto* icon = dynamic_cast<TbsTrayIcon*>(FTrayIcon);
    if (!icon) return;
    icon->SetMinimizeToTray(false);
    icon->ShowMainForm();
    if (Application) Application->Restore();
    if (!FAlwaysShowInTray) icon->SetIconVisible(false);
    if (OnRestoreFromTray) OnRestoreFromTray(this);
}
