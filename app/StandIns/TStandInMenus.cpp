#include "app/StandIns/TStandInMenus.h"

#include "platform/forms/ControlMessages.h"
#include "platform/forms/TCustomForm.h"
#include "platform/gfx/TextDraw.h"
#include "platform/win/Win.h"

using namespace win;

TStandInPopupMenu::TStandInPopupMenu(TComponent* owner) : TPopupMenu(owner) {
    // One drop-down for the menu's lifetime: an item that shows the menu again runs inside it.
    OnShowMenu = [this](TPopupMenu*, int x, int y) {
        if (!FDropDown) FDropDown = std::make_unique<TMenuDropDown>(&Items(), nullptr);
        if (FDropDown->IsOpen()) FDropDown->CloseAll();
        FDropDown->ShowAt(x, y);
    };
}

TStandInPopupMenu::~TStandInPopupMenu() = default;

TMenuDropDown* TStandInPopupMenu::DropDown() const {
    return FDropDown && FDropDown->IsOpen() ? FDropDown.get() : nullptr;
}

TStandInMainMenuBar::TStandInMainMenuBar(TComponent* owner) : TCustomControl(owner) {
    SetAlign(alTop);
    SetHeight(22);
    SetTabStop(false);
}

TStandInMainMenuBar::~TStandInMainMenuBar() = default;

void TStandInMainMenuBar::SetMainMenu(TMainMenu* value) {
    if (FMainMenu == value) return;
    OpenMenu(-1);
    if (FMainMenu) FMainMenu->RemoveFreeNotification(this);
    FMainMenu = value;
    if (FMainMenu) FMainMenu->FreeNotification(this);
    Invalidate();
}

void TStandInMainMenuBar::Notification(TComponent* component, TOperation operation) {
    TCustomControl::Notification(component, operation);
    if (operation == opRemove && component == FMainMenu) {
        FDropDown.reset();
        FRetired.reset();
        FOpenIndex = -1;
        FMainMenu = nullptr;
    }
    if (operation == opRemove && component == FFocusBefore) FFocusBefore = nullptr;
}

int TStandInMainMenuBar::ItemWidth(int index) {
    // A canvas of its own: this also runs while Paint holds the control's canvas.
    TCanvas measure;
    const HDC dc = GetDC(Handle());
    measure.SetHandle(dc);
    measure.SetFont(Font());
    const int width = measure.TextWidth(StripHotkey(FMainMenu->Items().Items(index)->Caption()));
    measure.SetHandle(nullptr);
    ReleaseDC(Handle(), dc);
    return width + 16;
}

int TStandInMainMenuBar::ItemLeft(int index) {
    int x = 2;
    for (int i = 0; i < index; ++i)
        if (FMainMenu->Items().Items(i)->Visible()) x += ItemWidth(i);
    return x;
}

int TStandInMainMenuBar::ItemAt(int x) {
    if (!FMainMenu) return -1;
    for (int i = 0; i < FMainMenu->Items().Count(); ++i) {
        if (!FMainMenu->Items().Items(i)->Visible()) continue;
        const int left = ItemLeft(i);
        if (x >= left && x < left + ItemWidth(i)) return i;
    }
    return -1;
}

void TStandInMainMenuBar::OpenMenu(int index) {
    if (FDropDown && FDropDown->IsOpen()) FDropDown->CloseAll();
    if (!FMainMenu || index < 0 || index >= FMainMenu->Items().Count()) return;
    TMenuItem* top = FMainMenu->Items().Items(index);
    if (!top->Visible() || !top->Enabled() || top->Count() == 0) return;
    if (!Focused() && CanFocus()) {
        TCustomForm* form = GetParentForm(this);
        FFocusBefore = form ? form->ActiveControl() : nullptr;
        if (FFocusBefore) FFocusBefore->FreeNotification(this);
        SetFocus();
    }
    FOpenIndex = index;
    // The one replaced may be running the item that got here; it goes at the next change.
    FRetired = std::move(FDropDown);
    FDropDown = std::make_unique<TMenuDropDown>(top, [this] { MenuClosed(); });
    const TPoint corner = ClientToScreen(TPoint(ItemLeft(index), Height()));
    FDropDown->ShowAt(corner.X, corner.Y);
    Invalidate();
}

void TStandInMainMenuBar::MenuClosed() {
    FOpenIndex = -1;
    Invalidate();
    TWinControl* before = FFocusBefore;
    FFocusBefore = nullptr;
    if (before && before->CanFocus()) before->SetFocus();
}

int TStandInMainMenuBar::VisibleTop(int index, int step) const {
    const int count = FMainMenu ? FMainMenu->Items().Count() : 0;
    for (int n = 1; n <= count; ++n) {
        const int i = (index + step * n + count * 2) % count;
        if (FMainMenu->Items().Items(i)->Visible()) return i;
    }
    return -1;
}

void TStandInMainMenuBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != mbLeft) return;
    const int index = ItemAt(x);
    const bool reopen = index != FOpenIndex;
    OpenMenu(-1);
    if (reopen) OpenMenu(index);
}

void TStandInMainMenuBar::KeyDown(unsigned short& key, TShiftState shift) {
    if (FDropDown && FDropDown->IsOpen()) {
        if (!FDropDown->HandleKey(key) && (key == VK_LEFT || key == VK_RIGHT))
            OpenMenu(VisibleTop(FOpenIndex, key == VK_LEFT ? -1 : 1));
        key = 0;
        return;
    }
    TCustomControl::KeyDown(key, shift);
}

void TStandInMainMenuBar::WndProc(TMessage& message) {
    // While a menu is open every key works the menu, none moves the focus on.
    if (message.Msg == WM_GETDLGCODE && FDropDown && FDropDown->IsOpen()) {
        message.Result = DLGC_WANTARROWS | DLGC_WANTALLKEYS;
        return;
    }
    TCustomControl::WndProc(message);
}

void TStandInMainMenuBar::Paint() {
    const TRect client = ClientRect();
    Canvas().Brush().SetStyle(bsSolid);
    Canvas().Brush().SetColor(clBtnFace);
    Canvas().FillRect(client);
    if (!FMainMenu) return;
    Canvas().SetFont(Font());
    for (int i = 0; i < FMainMenu->Items().Count(); ++i) {
        const TMenuItem* item = FMainMenu->Items().Items(i);
        if (!item->Visible()) continue;
        const int left = ItemLeft(i);
        const TRect cell(left, 0, left + ItemWidth(i), client.Bottom);
        const bool open = i == FOpenIndex;
        Canvas().Brush().SetStyle(bsSolid);
        Canvas().Brush().SetColor(open ? clHighlight : clBtnFace);
        Canvas().FillRect(cell);
        Canvas().Brush().SetStyle(bsClear);
        Canvas().Font().SetColor(!item->Enabled() ? clGrayText
                                 : open           ? clHighlightText
                                                  : clBtnText);
        RECT text = cell;
        DrawText(Canvas().Handle(), item->Caption(), &text, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    }
}
