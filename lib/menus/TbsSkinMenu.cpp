#include "lib/menus/TbsSkinMenu.h"

#include "lib/menus/TbsSkinMenuItem.h"
#include "lib/menus/TbsSkinPopupWindow.h"
#include "lib/menus/bsMenuMessages.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindraw/bsWorkArea.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TMenuItem.h"
#include "platform/forms/TTimer.h"
#include "platform/win/Win.h"

#include <algorithm>

using namespace win;

TbsSkinMenu::TbsSkinMenu(TComponent* owner, TCustomForm* form)
    : TComponent(owner), FForm(form), FWaitTimer(std::make_unique<TTimer>(nullptr)) {
    FDefaultMenuItemFont.SetName("Arial");
    FDefaultMenuItemFont.SetHeight(14);
    FDefaultMenuItemFont.SetStyle({});
    FWaitTimer->SetEnabled(false);
    FWaitTimer->SetInterval(500);
    FWaitTimer->SetOnTimer([this](TObject*) { WaitTimerTick(); });
    if (FForm) FForm->FreeNotification(this);
}

TbsSkinMenu::~TbsSkinMenu() {
    *FAlive = false;
    FWaitTimer->SetEnabled(false);
    // No notification goes out from a dying engine: its form may be going too.
    FPopupCtrl = nullptr;
    OnMenuClose = nullptr;
    CloseLevels(0);
}

void TbsSkinMenu::Watch(TControl*& field, TControl* value) {
    field = value;
    if (value) value->FreeNotification(this);
}

void TbsSkinMenu::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove) {
        if (component == FPopupCtrl) FPopupCtrl = nullptr;
        if (component == FDCtrl) FDCtrl = nullptr;
        if (component == FForm) FForm = nullptr;
        if (component == FCommandMenu) FCommandMenu = nullptr;
        if (component == FSkinData) {
            // The levels draw from the skin: they go with it.
            CloseLevels(0);
            FSkinData = nullptr;
        }
    }
    TComponent::Notification(component, operation);
}

void TbsSkinMenu::SendToControl(TControl* control, unsigned msg) {
    if (!control) return;
    if (auto* windowed = dynamic_cast<TWinControl*>(control);
        windowed && windowed->HandleAllocated())
        SendMessage(windowed->Handle(), msg, 0, 0);
    else
        control->Perform(msg, 0, 0);
}

int TbsSkinMenu::LevelIndex(const TbsSkinPopupWindow* level) const {
    const auto it = std::find(FPopupList.begin(), FPopupList.end(), level);
    return int(it - FPopupList.begin());
}

void TbsSkinMenu::StartPopup(TControl* popupCtrl, TbsSkinData* skinData) {
    FFirst = !FVisible;
    // The menu open now closes first, so that its own control hears of it, not the new one.
    if (!FPopupList.empty() || FVisible) CloseLevels(0);
    Watch(FPopupCtrl, popupCtrl);
    if (FForm && FForm->HandleAllocated())
        GetMonitorWorkArea(FForm->Handle(), true, FWorkArea);
    else
        GetScreenWorkArea(true, FWorkArea);
    if (FSkinData != skinData) {
        if (FSkinData) FSkinData->RemoveFreeNotification(this);
        FSkinData = skinData;
        if (FSkinData) FSkinData->FreeNotification(this);
    }
}

void TbsSkinMenu::Popup(TControl* popupCtrl, TbsSkinData* skinData, int startIndex, const TRect& r,
                        TMenuItem* item, bool popupUp) {
    StartPopup(popupCtrl, skinData);
    if (!item || startIndex >= item->Count()) return;
    FVisible = true;
    if (FForm && FForm->HandleAllocated()) SetMenuMode(FForm->Handle());
    OpenLevel(r, item, startIndex, false, popupUp);
    FFirst = false;
}

void TbsSkinMenu::Popup2(TControl* popupCtrl, TbsSkinData* skinData, int startIndex, const TRect& r,
                         TMenuItem* item, TMenuItem* item2, bool popupUp) {
    StartPopup(popupCtrl, skinData);
    if (!item || item->Count() == 0) return;
    if (startIndex >= item->Count() + (item2 ? item2->Count() : 0)) return;
    FVisible = true;
    if (FForm && FForm->HandleAllocated()) SetMenuMode(FForm->Handle());
    OpenLevel2(r, item, item2, startIndex, popupUp);
    FFirst = false;
}

TbsSkinPopupWindow* TbsSkinMenu::NewLevel() {
    TbsDataSkinPopupWindow* record =
        FSkinData && !FSkinData->Empty ? &FSkinData->PopupWindow : nullptr;
    auto* level = new TbsSkinPopupWindow(this, this, record);
    FPopupList.push_back(level);
    return level;
}

void TbsSkinMenu::OpenLevel(const TRect& r, TMenuItem* item, int startIndex, bool popupByItem,
                            bool popupUp) {
    NewLevel()->Show(r, item, startIndex, popupByItem, popupUp);
}

void TbsSkinMenu::OpenLevel2(const TRect& r, TMenuItem* item, TMenuItem* item2, int startIndex,
                             bool popupUp) {
    NewLevel()->Show2(r, item, item2, startIndex, false, popupUp);
}

void TbsSkinMenu::StopWait() {
    FWaitTimer->SetEnabled(false);
    FWItem = nullptr;
}

void TbsSkinMenu::CancelWait(TbsSkinMenuItem* row) {
    if (row == FWItem) StopWait();
}

void TbsSkinMenu::WaitTimerTick() {
    TbsSkinMenuItem* row = FWItem;
    FWaitTimer->SetEnabled(false);
    if (!row) return;
    for (TbsSkinPopupWindow* level : FPopupList)
        for (const auto& r : level->ItemList())
            if (r.get() == row) {
                ItemClick(level, row, true, false);
                return;
            }
}

void TbsSkinMenu::ItemClick(TbsSkinPopupWindow* level, TbsSkinMenuItem* row, bool clicked,
                            bool byKeys) {
    const int index = LevelIndex(level);
    if (index >= int(FPopupList.size())) return; // a level closed meanwhile
    if (!row->HasSubmenu()) {
        StopWait();
        if (clicked)
            RunCommand(row->MenuItem);
        else
            CloseLevels(index + 1);
        return;
    }
    if (clicked) {
        OpenSubmenu(level, row);
    } else if (!byKeys) {
        StopWait();
        CloseLevels(index + 1);
        FWItem = row;
        FWaitTimer->SetEnabled(true);
    }
}

unsigned short TbsSkinMenu::TrackPopup(TControl* popupCtrl, TbsSkinData* skinData, const TRect& r,
                                       TMenuItem* item, bool popupUp) {
    FTrackedCommand = 0;
    Popup(popupCtrl, skinData, 0, r, item, popupUp);
    if (!Application) {
        Hide();
        return 0;
    }
    FTracking = true;
    FFormToldOfClose = false;
    const std::shared_ptr<bool> alive = FAlive;
    while (*alive && FVisible && !Application->Terminated())
        Application->HandleMessage();
    if (!*alive) return 0;
    FTracking = false;
    // A menu closed from its own levels (Escape) tells only its control; the form waits for
    // the call to end and hears of it here.
    if (FVisible || !FFormToldOfClose) Hide();
    return FTrackedCommand;
}

void TbsSkinMenu::RunCommand(TMenuItem* item) {
    if (FTracking) {
        FTrackedCommand = item->Command();
        Hide();
        FDCtrl = nullptr;
        return;
    }
    // Every level goes (freed only after the message being handled), then the command runs
    // through a copy of what it needs: the close handlers may free the item.
    TMenu* menu = item->GetParentMenu();
    const unsigned short command = item->Command();
    FCommandMenu = menu;
    if (menu) menu->FreeNotification(this);
    const std::shared_ptr<bool> alive = FAlive;
    Hide();
    if (!*alive) return;
    menu = FCommandMenu;
    FCommandMenu = nullptr;
    if (menu) menu->DispatchCommand(command);
    if (!*alive) return;
    TControl* control = FDCtrl;
    FDCtrl = nullptr;
    SendToControl(control, WM_SKINMENUCOMMAND);
}

void TbsSkinMenu::OpenSubmenu(TbsSkinPopupWindow* level, TbsSkinMenuItem* row) {
    // The row's own handler runs before its children are read.
    TMenu* menu = row->MenuItem->GetParentMenu();
    const std::shared_ptr<bool> alive = FAlive;
    if (menu) menu->DispatchCommand(row->MenuItem->Command());
    if (!*alive) return;
    const int index = LevelIndex(level);
    if (index >= int(FPopupList.size()) || row->MenuItem->Count() == 0) return;
    StopWait();
    CloseLevels(index + 1);
    row->Down = true;
    const TRect r(row->ObjectRect.Left + level->Left(), row->ObjectRect.Top + level->Top(),
                  row->ObjectRect.Right + level->Left(), row->ObjectRect.Bottom + level->Top());
    OpenLevel(r, row->MenuItem, 0, true, false);
}

void TbsSkinMenu::CloseLevels(int index) {
    index = std::max(index, 0);
    while (int(FPopupList.size()) > index) {
        TbsSkinPopupWindow* level = FPopupList.back();
        FPopupList.pop_back();
        if (FWItem)
            for (const auto& row : level->ItemList())
                if (row.get() == FWItem) StopWait();
        level->Hide();
        RemoveComponent(level);
        if (Application && !Application->ComponentState().Contains(csDestroying)) {
            // The level may be handling the message that closes it: it goes after that
            // message. Parked with the application meanwhile, it outlives this engine if it
            // must, and goes with the application at the latest.
            Application->InsertComponent(level);
            level->Release();
        } else {
            delete level;
        }
    }
    if (index != 0) return;
    FVisible = false;
    FWaitTimer->SetEnabled(false);
    if (MenuModeOwner() && FForm && FForm->HandleAllocated() && MenuModeOwner() == FForm->Handle())
        SetMenuMode(nullptr);
    const std::shared_ptr<bool> alive = FAlive;
    Watch(FDCtrl, FPopupCtrl);
    if (TControl* control = FPopupCtrl) {
        FPopupCtrl = nullptr;
        SendToControl(control, WM_SKINMENUCLOSED);
        if (!*alive) return;
    }
    if (OnMenuClose) {
        const TNotifyEvent handler = std::move(OnMenuClose);
        OnMenuClose = nullptr;
        handler(this);
    }
}

void TbsSkinMenu::Hide() {
    const std::shared_ptr<bool> alive = FAlive;
    CloseLevels(0);
    if (!*alive) return;
    StopWait();
    FFormToldOfClose = true;
    if (FForm && FForm->HandleAllocated()) SendMessage(FForm->Handle(), WM_SKINMENUCLOSED, 0, 0);
}

void TbsSkinMenu::KeyDown(int key) {
    if (!FPopupList.empty()) FPopupList.back()->PopupKeyDown(key);
}
