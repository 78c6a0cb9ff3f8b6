// The menu bar's mouse and keys: hover polling, presses routed to the objects, the scroll
// marker and main-menu mode.
#include "lib/frame/TbsSkinMainMenuBar.h"

#include "lib/frame/TbsSkinForm.h"
#include "lib/menus/TbsSkinMenu.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindata/bsSkinMessages.h"
#include "platform/forms/ControlMessages.h"
#include "platform/forms/TTimer.h"
#include "platform/win/Input.h"
#include "platform/win/Messages.h"

using namespace win;

void TbsSkinMainMenuBar::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_ERASEBKGND: {
        // The whole bar is painted here, through one bitmap; Paint draws nothing.
        TCanvas canvas;
        canvas.SetHandle(HDC(message.WParam));
        PaintBar(canvas);
        canvas.SetHandle(nullptr);
        message.Result = 1;
        return;
    }
    case WM_SKINMENUCLOSED:
        ReleaseSysMenuButton();
        return;
    case CM_MOUSEENTER:
        TbsSkinControl::WndProc(message);
        if (Designing()) return;
        if (OnMouseEnter) OnMouseEnter(this);
        FMouseTimer->SetEnabled(true);
        return;
    case CM_MOUSELEAVE:
        TbsSkinControl::WndProc(message);
        if (Designing()) return;
        if (OnMouseLeave) OnMouseLeave(this);
        FMouseTimer->SetEnabled(false);
        TestActive(-1, -1);
        return;
    case WM_SIZE:
        TbsSkinControl::WndProc(message);
        CalcItemsRect();
        return;
    case WM_MOVE:
        TbsSkinControl::WndProc(message);
        if (UsableSkin() && FSD->MainMenuBarTransparent && Align() == alNone) Repaint();
        return;
    default:
        TbsSkinControl::WndProc(message);
    }
}

void TbsSkinMainMenuBar::TestActive(int x, int y) {
    if (ObjectList.empty()) return;
    OldActiveObject = ActiveObject;
    int hit = -1;
    for (std::size_t i = 0; i < ObjectList.size(); ++i)
        if (ObjectList[i]->Enabled && ObjectList[i]->ObjectRect.Contains(TPoint(x, y))) {
            hit = int(i);
            break;
        }
    // In main-menu mode the highlighted item keeps its look while the pointer is elsewhere.
    if (hit == -1 && MenuActive && ItemAt(std::size_t(OldActiveObject)))
        ActiveObject = OldActiveObject;
    else
        ActiveObject = hit;
    if (MouseCaptureObject != -1 && ActiveObject != MouseCaptureObject) ActiveObject = -1;
    const int count = int(ObjectList.size());
    if (ActiveObject >= count) ActiveObject = -1;
    if (OldActiveObject >= count) OldActiveObject = -1;
    if (OldActiveObject != ActiveObject) {
        if (OldActiveObject != -1 && ObjectList[std::size_t(OldActiveObject)]->Enabled)
            ObjectList[std::size_t(OldActiveObject)]->MouseLeave();
        if (ActiveObject != -1 && ActiveObject < int(ObjectList.size()) &&
            ObjectList[std::size_t(ActiveObject)]->Enabled)
            ObjectList[std::size_t(ActiveObject)]->MouseEnter();
    }
    if (Scroll && FScrollMenu) {
        const bool in = GetMarkerRect().Contains(TPoint(x, y));
        if (in != MarkerActive) {
            MarkerActive = in;
            DrawOnWindow([this](TCanvas& canvas) { DrawMarker(canvas); });
        }
    }
}

void TbsSkinMainMenuBar::MouseTimerTick() {
    POINT p{};
    GetCursorPos(&p);
    const TPoint c = ScreenToClient(TPoint(p.x, p.y));
    if (c.X < 0 || c.Y < 0 || c.X > Width() || c.Y > Height()) {
        FMouseTimer->SetEnabled(false);
        TestActive(-1, -1);
        return;
    }
    TestActive(c.X, c.Y);
}

void TbsSkinMainMenuBar::MouseMove(TShiftState shift, int x, int y) {
    TbsSkinControl::MouseMove(shift, x, y);
    if (!FMouseTimer->Enabled()) FMouseTimer->SetEnabled(true);
}

void TbsSkinMainMenuBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TbsSkinControl::MouseDown(button, shift, x, y);
    TestActive(x, y);
    if (ActiveObject != -1) {
        const int index = ActiveObject;
        MouseCaptureObject = index;
        TbsMenuBarObject* object = ObjectList[std::size_t(index)].get();
        object->MouseDown(x, y, button);
        // The press may have rebuilt the items (a command that merges a menu).
        if (shift.Contains(ssDouble) && std::size_t(index) < ObjectList.size() &&
            ObjectList[std::size_t(index)].get() == object)
            object->DblClick();
        return;
    }
    if (Scroll && FScrollMenu && GetMarkerRect().Contains(TPoint(x, y))) ShowHiddenItemsMenu();
}

void TbsSkinMainMenuBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (MouseCaptureObject != -1 && MouseCaptureObject < int(ObjectList.size()))
        ObjectList[std::size_t(MouseCaptureObject)]->MouseUp(x, y, button);
    MouseCaptureObject = -1;
    TbsSkinControl::MouseUp(button, shift, x, y);
}

void TbsSkinMainMenuBar::ShowHiddenItemsMenu() {
    if (!BSF || !FMainMenu) return;
    int shown = 0;
    TMenuItem* firstHidden = nullptr;
    for (std::size_t i = 0; i < ObjectList.size(); ++i)
        if (TbsSkinMainMenuBarItem* item = ItemAt(i)) {
            if (item->Visible)
                ++shown;
            else if (!firstHidden)
                firstHidden = item->MenuItem;
        }
    const TRect r(ClientToScreen(TPoint(NewItemsRect.Right - 5, NewItemsRect.Top)),
                  ClientToScreen(TPoint(NewItemsRect.Right, NewItemsRect.Bottom)));
    BSF->SkinMenuOpen();
    const bool mdiParent = BSF->Form() && BSF->Form()->FormStyle() == fsMDIForm;
    TMainMenu* child = mdiParent || FMergeMenu ? GetChildMainMenu() : nullptr;
    if (child) {
        BSF->SkinMenu().Popup2(nullptr, FSD, shown, r, &FMainMenu->Items(), &child->Items(), false);
        return;
    }
    // The menu starts at the first hidden item itself: counting the shown items would start
    // too early when the menu holds items the bar does not show.
    const int start = firstHidden ? FMainMenu->Items().IndexOf(firstHidden) : shown;
    BSF->SkinMenu().Popup(nullptr, FSD, start, r, &FMainMenu->Items(), false);
}

// --- Main-menu mode ---

std::vector<TbsSkinMainMenuBarItem*> TbsSkinMainMenuBar::EligibleItems() const {
    std::vector<TbsSkinMainMenuBarItem*> items;
    for (std::size_t i = 0; i < ObjectList.size(); ++i)
        if (TbsSkinMainMenuBarItem* item = ItemAt(i); item && item->Enabled && item->Visible)
            items.push_back(item);
    return items;
}

bool TbsSkinMainMenuBar::FindAccelItem(std::uint16_t key) {
    if (!BSF || ObjectList.empty() || !BSF->Form() || !BSF->Form()->Visible()) return false;
    for (TbsSkinMainMenuBarItem* item : EligibleItems()) {
        if (!item->MenuItem || !IsAccel(key, item->MenuItem->Caption())) continue;
        item->MouseEnter();
        if (!BSF->InMenu || item->MenuItem->Count() == 0) item->MouseDown(0, 0, mbLeft);
        return true;
    }
    return false;
}

void TbsSkinMainMenuBar::EnterMainMenu() {
    MenuActive = true;
    const auto eligible = EligibleItems();
    TbsMenuBarObject* first = !eligible.empty() ? eligible.front() : nullptr;
    if (!first)
        for (std::size_t i = 0; i < ObjectList.size() && !first; ++i)
            first = ItemAt(i);
    if (first) first->MouseEnter();
    if (!BSF) return;
    BSF->HookAppMessages();
    BSF->InMainMenu = true;
    if (BSF->OnMainMenuEnter) BSF->OnMainMenuEnter(this);
}

void TbsSkinMainMenuBar::ExitMainMenu() {
    MenuActive = false;
    for (std::size_t i = 0; i < ObjectList.size(); ++i) {
        TbsSkinMainMenuBarItem* item = ItemAt(i);
        if (!item || !(item->FDown || item->Active)) continue;
        item->Active = item->FMouseIn = item->FDown = false;
        if (item->EnableAnimation() && !item->InActiveAnimation) {
            item->CurrentFrame = 0;
            DrawObject(item);
        } else {
            item->ReDraw();
        }
        break;
    }
    ActiveObject = OldActiveObject = -1;
}

void TbsSkinMainMenuBar::SubMenuClosed() {
    for (std::size_t i = 0; i < ObjectList.size(); ++i) {
        TbsSkinMainMenuBarItem* item = ItemAt(i);
        if (!item || !item->FDown) continue;
        item->FDown = false;
        item->Active = true;
        DrawObject(item);
        return;
    }
}

void TbsSkinMainMenuBar::SelectNextItem() {
    const auto items = EligibleItems();
    if (items.empty()) return;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (!items[i]->Active && !items[i]->FDown) continue;
        items[i]->MouseLeave();
        // Entering the next item while this one is down moves the open submenu along.
        items[(i + 1) % items.size()]->MouseEnter();
        return;
    }
    items.front()->MouseEnter();
}

void TbsSkinMainMenuBar::SelectPriorItem() {
    const auto items = EligibleItems();
    if (items.empty()) return;
    for (std::size_t i = items.size(); i-- > 0;) {
        if (!items[i]->Active && !items[i]->FDown) continue;
        items[i]->MouseLeave();
        items[(i + items.size() - 1) % items.size()]->MouseEnter();
        return;
    }
    items.back()->MouseEnter();
}

bool TbsSkinMainMenuBar::ClickActiveItem() {
    const bool inMenu = BSF && BSF->InMenu;
    for (std::size_t i = 0; i < ObjectList.size(); ++i) {
        TbsSkinMainMenuBarItem* item = ItemAt(i);
        if (!item || !item->MenuItem) continue;
        if ((item->FDown && item->MenuItem->Count() == 0) || (item->Active && !inMenu)) {
            item->Active = false;
            item->MouseDown(0, 0, mbLeft);
            return true;
        }
    }
    return false;
}
