// Skinned menus are windows of the skin engine, not the platform's: the component routes the
// keys to them, closes them when the user clicks elsewhere, and takes over the form's
// shortcuts (Alt+Space for the system menu, Alt+letter for the menu bar, the menus' own keys).
#include "lib/frame/TbsSkinForm.h"

#include "lib/controls/TbsSkinComboBox.h"
#include "lib/controls/TbsSkinCustomEdit.h"
#include "lib/frame/IbsMainMenuBar.h"
#include "lib/menus/TbsSkinHint.h"
#include "lib/menus/TbsSkinMenu.h"
#include "lib/menus/TbsSkinMenuItem.h"
#include "lib/menus/TbsSkinPopupWindow.h"
#include "lib/menus/bsMenuMessages.h"
#include "lib/skindraw/TbsLayerManager.h"
#include "platform/forms/TMenuItem.h"
#include "platform/win/Input.h"

using namespace win;

namespace {

bool AltOnly(const TWMKey& key) {
    return KeyDataToShiftState(key.KeyData) == TShiftState{ ssAlt };
}

} // namespace

void TbsSkinForm::SkinMenuOpen() {
    if (!InMainMenu) HookAppMessages();
    if (InMenu) return;
    InMenu = true;
    if (OnSkinMenuOpen) OnSkinMenuOpen(this);
}

void TbsSkinForm::SkinMenuClose() {
    if (FMenuLayerManager->IsVisible()) FMenuLayerManager->Hide();
    InMenu = false;
    // Only the object whose menu it was lets go of its pressed look.
    for (auto& object : ObjectList) {
        if (auto* button = dynamic_cast<TbsSkinButtonObject*>(object.get());
            button && button->MenuItem && button->Down()) {
            button->SetDown(false);
            break;
        }
        if (auto* animation = dynamic_cast<TbsSkinAnimateObject*>(object.get());
            animation && animation->MenuItem && animation->FMenuTracking) {
            animation->MenuClosed();
            break;
        }
    }
    UnhookAppMessages();
    if (OnSkinMenuClose) OnSkinMenuClose(this);
    if (InMainMenu) {
        InMainMenu = false;
        if (auto* bar = MenuBar()) bar->ExitMainMenu();
        if (OnMainMenuExit) OnMainMenuExit(this);
    }
}

void TbsSkinForm::LeaveMainMenu() {
    InMainMenu = false;
    if (FSkinMenu->Visible()) FSkinMenu->Hide();
    if (auto* bar = MenuBar()) bar->ExitMainMenu();
    UnhookAppMessages();
    if (OnMainMenuExit) OnMainMenuExit(this);
}

void TbsSkinForm::EndMainMenuPopup() {
    InMenu = false;
    if (auto* bar = MenuBar()) bar->SubMenuClosed();
    if (OnSkinMenuClose) OnSkinMenuClose(this);
}

IbsMainMenuBar* TbsSkinForm::MenuBar() const {
    return dynamic_cast<IbsMainMenuBar*>(FMainMenuBar);
}

void TbsSkinForm::CloseMenusOnMessage(TMessage& message) {
    if (!IsMenuCloseMessage(message.Msg)) return;
    // A press, a move or a change of activation takes an object's hint down.
    if (FShowObjectHint && FSkinHint) FSkinHint->HideHint();
    if (!InMainMenu || InMenu) {
        CloseSkinMenuOnMessage();
    } else {
        LeaveMainMenu();
    }
    CancelModeControls();
}

void TbsSkinForm::CloseSkinMenuOnMessage() {
    if (FSkinMenu->Visible()) {
        FSkinMenu->Hide(); // the menu tells the form, which leaves skin-menu mode
    } else if (InMenu) {
        SkinMenuClose();
    } else if (IsMDIForm() && FForm->Visible()) {
        // A press on the main form closes the menu its active child opened.
        if (TbsSkinForm* child = FindActiveSkinChild(); child && child != this)
            child->CloseSkinMenuOnMessage();
    }
}

void TbsSkinForm::CancelModeControls() {
    if (!IsMDIForm() || !FForm->Visible() || LoadingOrDesigning() ||
        ComponentState().Contains(csDestroying))
        return;
    for (int i = 0; i < FForm->ComponentCount(); ++i) {
        auto* control = dynamic_cast<TControl*>(FForm->Components(i));
        const bool dropsDown = dynamic_cast<TbsSkinCustomComboBox*>(control) ||
                               dynamic_cast<TbsSkinCustomEdit*>(control);
        if (dropsDown && control->Visible() && control->Enabled())
            control->Perform(CM_CANCELMODE, 0, 0);
    }
}

void TbsSkinForm::HookAppMessages() {
    if (FInAppHook || !Application) return;
    FAppHookToken = Application->OnMessage.Add(
        [this](MSG& msg, bool& handled) { AppMessageHook(msg, handled); });
    FInAppHook = true;
}

void TbsSkinForm::UnhookAppMessages() {
    if (!FInAppHook) return;
    FInAppHook = false;
    if (Application) Application->OnMessage.Remove(FAppHookToken);
    FAppHookToken = 0;
}

void TbsSkinForm::AppMessageHook(MSG& msg, bool& handled) {
    switch (msg.message) {
    case WM_KEYDOWN:
        // The key is the menu's alone: it never reaches the focused control.
        MenuKeyDown(TWMKey{ msg.message, static_cast<unsigned short>(msg.wParam), msg.lParam });
        msg.message = 0;
        handled = true;
        break;
    case WM_MOUSEWHEEL:
        // Nothing under an open menu scrolls.
        msg.message = 0;
        handled = true;
        break;
    default:
        break;
    }
}

void TbsSkinForm::MenuKeyDown(const TWMKey& message) {
    const int key = message.CharCode;
    if (IsMDIChild() && Application) {
        // The main form's menu bar owns the keys while its menu is open.
        TbsSkinForm* main = FindSkinForm(Application->MainForm());
        if (main && main != this &&
            (main->InMenu || main->InMainMenu || main->SkinMenu().Visible())) {
            main->MenuKeyDown(message);
            return;
        }
    }
    IbsMainMenuBar* bar = MenuBar();
    const std::vector<TbsSkinPopupWindow*>& levels = FSkinMenu->PopupList();
    auto topmost = [&]() -> TbsSkinPopupWindow* {
        return levels.empty() ? nullptr : levels.back();
    };
    auto toTopmost = [&] {
        if (FSkinMenu->Visible() && topmost()) topmost()->PopupKeyDown(key);
    };
    // Right moves to the next bar item unless the row under the highlight opens a submenu.
    auto topmostRowOpensSubmenu = [&] {
        TbsSkinPopupWindow* level = topmost();
        if (!level) return false;
        const int active = level->ActiveItem();
        return active >= 0 && active < int(level->ItemList().size()) &&
               level->ItemList()[std::size_t(active)]->HasSubmenu();
    };

    if (InMainMenu && bar && bar->FindAccelItem(static_cast<std::uint16_t>(key))) return;
    if (key == VK_ESCAPE && InMainMenu && !InMenu) {
        LeaveMainMenu();
    } else if (key == VK_LEFT && InMainMenu && levels.size() <= 1) {
        if (bar) bar->SelectPriorItem();
    } else if (key == VK_RIGHT && InMainMenu && (levels.empty() || !topmostRowOpensSubmenu())) {
        if (bar) bar->SelectNextItem();
    } else if (key == VK_RETURN || key == VK_DOWN) {
        if (InMainMenu && bar && bar->ClickActiveItem()) return;
        toTopmost();
    } else {
        toTopmost();
        if (key == VK_ESCAPE && FSkinMenu->PopupList().empty()) {
            if (InMainMenu)
                EndMainMenuPopup();
            else
                SkinMenuClose();
        }
    }
}

void TbsSkinForm::ShortCutHandler(TMessage& message, bool& handled) {
    if (OnShortCut) {
        OnShortCut(message, handled);
        if (handled) return;
    }
    const TWMKey key = TWMKey::From(message);
    const bool altOnly = AltOnly(key);
    if (altOnly && key.CharCode == VK_SPACE) {
        ShowSystemMenuFromButton();
        FInShortCut = false;
        handled = true;
        return;
    }
    FInShortCut = false;
    handled = false;
    IbsMainMenuBar* bar = MenuBar();
    // Alt+F4 closes the window, whatever item has F4 as its accelerator.
    auto barAccelerator = [&] {
        return altOnly && key.CharCode != VK_F4 && bar &&
               bar->FindAccelItem(static_cast<std::uint16_t>(key.CharCode));
    };
    TMenu* mainMenu = bar && bar->MainMenu() ? bar->MainMenu() : FMainMenu;
    if (mainMenu) {
        if (barAccelerator()) {
            handled = true;
            return;
        }
        FInShortCut = mainMenu->IsShortCut(key);
        handled = FInShortCut;
    }
    if (FInShortCut || !bar) return;
    if (TMainMenu* childMenu = bar->GetChildMainMenu()) {
        if (barAccelerator()) {
            handled = true;
            return;
        }
        FInShortCut = childMenu->IsShortCut(key);
        handled = FInShortCut;
    }
}

void TbsSkinForm::PopupSkinMenu(TMenu* menu, TPoint p) {
    PopupSkinMenu1(menu, TRect(p.X, p.Y, p.X, p.Y), false);
}

void TbsSkinForm::PopupSkinMenu1(TMenu* menu, const TRect& r, bool popupUp) {
    if (!menu) return;
    SkinMenuOpen();
    FSkinMenu->Popup(nullptr, FMSD ? FMSD : FSD, 0, r, &menu->Items(), popupUp);
}

void TbsSkinForm::DoPopupMenu(TPopupMenu* menu, int x, int y) {
    if (!menu) return;
    if (menu->OnPopup) menu->OnPopup(this);
    if (FSkinMenu->Visible()) SkinMenuClose();
    SkinMenuOpen();
    // The frame's skin, never the menus' own.
    FSkinMenu->Popup(nullptr, FSD, 0, TRect(x, y, x, y), &menu->Items(), false);
}

void TbsSkinForm::LinkMenu(const std::string& idName, TMenu* menu, bool popupUp) {
    TbsActiveSkinObject* object = ObjectAt(GetIndex(idName));
    TMenuItem* items = menu ? &menu->Items() : nullptr;
    if (auto* button = dynamic_cast<TbsSkinButtonObject*>(object)) {
        button->MenuItem = items;
        button->FPopupUp = popupUp;
    } else if (auto* animation = dynamic_cast<TbsSkinAnimateObject*>(object);
               animation && animation->ButtonStyle) {
        animation->MenuItem = items;
        animation->FPopupUp = popupUp;
    }
}

void TbsSkinForm::ShowSystemMenuFromButton() {
    for (auto& object : ObjectList) {
        const TbsStdCommand* command = nullptr;
        if (auto* animation = dynamic_cast<TbsSkinAnimateObject*>(object.get()))
            command = &animation->Command;
        else if (auto* button = dynamic_cast<TbsSkinStdButtonObject*>(object.get()))
            command = &button->Command;
        if (command && *command == cmSysMenu && object->Enabled) {
            ShowSystemMenuInRect(ObjectScreenRect(object->ObjectRect));
            return;
        }
    }
}
