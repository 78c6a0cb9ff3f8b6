#include "app/StandIns/TMenuDropDown.h"

#include "platform/gfx/TextDraw.h"
#include "platform/win/Win.h"

#include <algorithm>

using namespace win;

TMenuDropDown::TMenuDropDown(TMenuItem* items, std::function<void()> onClosed,
                             TMenuDropDown* parentDrop)
    : TCustomControl(nullptr), FItems(items), FOnClosed(std::move(onClosed)),
      FParentDrop(parentDrop) {
    SetVisible(false);
    SetColor(clMenu);
    // The drop-down holds the pointer itself for as long as it is open, not just while a button
    // is down.
    FControlStyle.Exclude(csCaptureMouse);
}

TMenuDropDown::~TMenuDropDown() {
    FChild.reset();
    if (HandleAllocated() && GetCapture() == Handle()) ReleaseCapture();
}

void TMenuDropDown::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    params.Style = (params.Style & ~WS_CHILD) | WS_POPUP;
    params.ExStyle |= WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
    params.WndParent = nullptr;
}

int TMenuDropDown::ItemTop(int index) const {
    int y = 2;
    for (int i = 0; i < index; ++i) {
        const TMenuItem* item = FItems->Items(i);
        if (item->Visible()) y += item->IsLine() ? kLineHeight : kItemHeight;
    }
    return y;
}

int TMenuDropDown::ItemAt(int y) const {
    for (int i = 0; i < FItems->Count(); ++i) {
        const TMenuItem* item = FItems->Items(i);
        if (!item->Visible()) continue;
        const int top = ItemTop(i);
        if (y >= top && y < top + (item->IsLine() ? kLineHeight : kItemHeight)) return i;
    }
    return -1;
}

bool TMenuDropDown::Selectable(int index) const {
    if (index < 0 || index >= FItems->Count()) return false;
    const TMenuItem* item = FItems->Items(index);
    return item->Visible() && !item->IsLine();
}

void TMenuDropDown::ShowAt(int x, int y) {
    int width = 120;
    {
        TCanvas measure;
        const HDC dc = GetDC(Handle());
        measure.SetHandle(dc);
        measure.SetFont(Font());
        for (int i = 0; i < FItems->Count(); ++i)
            width =
                std::max(width, measure.TextWidth(StripHotkey(FItems->Items(i)->Caption())) + 48);
        measure.SetHandle(nullptr);
        ReleaseDC(Handle(), dc);
    }
    SetBounds(x, y, width, ItemTop(FItems->Count()) + 2);
    FOpen = true;
    FSelected = -1;
    SetVisible(true);
    SetCapture(Handle());
}

TMenuDropDown* TMenuDropDown::Deepest() {
    TMenuDropDown* d = this;
    while (d->FChild && d->FChild->FOpen)
        d = d->FChild.get();
    return d;
}

void TMenuDropDown::CloseChain() {
    if (FChild) FChild->CloseChain();
    if (!FOpen) return;
    FOpen = false;
    FClosing = true;
    if (HandleAllocated() && GetCapture() == Handle()) ReleaseCapture();
    SetVisible(false);
    FClosing = false;
}

void TMenuDropDown::CloseAll() {
    TMenuDropDown* root = this;
    while (root->FParentDrop)
        root = root->FParentDrop;
    const bool wasOpen = root->FOpen;
    root->CloseChain();
    if (wasOpen && root->FOnClosed) root->FOnClosed();
}

void TMenuDropDown::Select(int index) {
    if (index == FSelected) return;
    FSelected = index;
    Invalidate();
    if (FChild && FChild->FOpen &&
        FChild->FItems != (Selectable(index) ? FItems->Items(index) : nullptr)) {
        FChild->CloseChain();
        SetCapture(Handle());
    }
}

void TMenuDropDown::MoveSelection(int step) {
    const int count = FItems->Count();
    for (int n = 1; n <= count; ++n) {
        const int i =
            ((FSelected < 0 && step < 0 ? count : FSelected) + step * n + count * 2) % count;
        if (Selectable(i)) {
            Select(i);
            return;
        }
    }
}

void TMenuDropDown::OpenChild(int index) {
    TMenuItem* item = FItems->Items(index);
    if (FChild && FChild->FOpen && FChild->FItems == item) return;
    FChild = std::make_unique<TMenuDropDown>(item, nullptr, this);
    const TPoint corner = ClientToScreen(TPoint(Width() - 4, ItemTop(index)));
    FChild->ShowAt(corner.X, corner.Y);
}

void TMenuDropDown::Choose(int index) {
    if (!Selectable(index)) return;
    TMenuItem* item = FItems->Items(index);
    if (!item->Enabled()) return;
    if (item->Count() > 0) {
        Select(index);
        OpenChild(index);
        return;
    }
    CloseAll();
    item->Click();
}

bool TMenuDropDown::HandleKey(unsigned short key) {
    TMenuDropDown* d = Deepest();
    switch (key) {
    case VK_UP:
        d->MoveSelection(-1);
        return true;
    case VK_DOWN:
        d->MoveSelection(1);
        return true;
    case VK_RIGHT:
        if (d->Selectable(d->FSelected) && d->FItems->Items(d->FSelected)->Count() > 0) {
            d->Choose(d->FSelected);
            d->Deepest()->MoveSelection(1);
            return true;
        }
        return false;
    case VK_LEFT:
        if (d->FParentDrop) {
            d->CloseChain();
            SetCapture(d->FParentDrop->Handle());
            return true;
        }
        return false;
    case VK_RETURN:
        d->Choose(d->FSelected);
        return true;
    case VK_ESCAPE:
        CloseAll();
        return true;
    default:
        return false;
    }
}

TMenuDropDown* TMenuDropDown::DropDownAt(const TPoint& screen) {
    TMenuDropDown* root = this;
    while (root->FParentDrop)
        root = root->FParentDrop;
    for (TMenuDropDown* d = root; d && d->FOpen; d = d->FChild.get())
        if (d->BoundsRect().Contains(screen)) return d;
    return nullptr;
}

void TMenuDropDown::MouseMove(TShiftState, int x, int y) {
    const TPoint screen = ClientToScreen(TPoint(x, y));
    TMenuDropDown* d = DropDownAt(screen);
    if (!d) return;
    const TPoint local(screen.X - d->Left(), screen.Y - d->Top());
    const int index = d->ItemAt(local.Y);
    d->Select(d->Selectable(index) ? index : -1);
    if (d->Selectable(index) && d->FItems->Items(index)->Count() > 0 &&
        d->FItems->Items(index)->Enabled())
        d->OpenChild(index);
}

void TMenuDropDown::MouseDown(TMouseButton, TShiftState, int x, int y) {
    if (!DropDownAt(ClientToScreen(TPoint(x, y)))) CloseAll();
}

void TMenuDropDown::MouseUp(TMouseButton, TShiftState, int x, int y) {
    const TPoint screen = ClientToScreen(TPoint(x, y));
    TMenuDropDown* d = DropDownAt(screen);
    if (!d) return;
    d->Choose(d->ItemAt(screen.Y - d->Top()));
}

void TMenuDropDown::WndProc(TMessage& message) {
    // Losing the pointer to another window (not to a drop-down of the chain) ends the menu.
    if (message.Msg == WM_CAPTURECHANGED && FOpen && !FClosing) {
        const HWND to = reinterpret_cast<HWND>(message.LParam);
        bool ours = false;
        TMenuDropDown* root = this;
        while (root->FParentDrop)
            root = root->FParentDrop;
        for (TMenuDropDown* d = root; d; d = d->FChild.get())
            if (d->HandleAllocated() && d->Handle() == to) ours = true;
        if (!ours) CloseAll();
    }
    TCustomControl::WndProc(message);
}

void TMenuDropDown::Paint() {
    const TRect client = ClientRect();
    Canvas().Brush().SetStyle(bsSolid);
    Canvas().Brush().SetColor(clMenu);
    Canvas().FillRect(client);
    Canvas().Brush().SetColor(clBtnShadow);
    Canvas().FrameRect(client);
    Canvas().SetFont(Font());
    for (int i = 0; i < FItems->Count(); ++i) {
        const TMenuItem* item = FItems->Items(i);
        if (!item->Visible()) continue;
        const int top = ItemTop(i);
        if (item->IsLine()) {
            Canvas().Pen().SetColor(clBtnShadow);
            Canvas().MoveTo(4, top + kLineHeight / 2);
            Canvas().LineTo(client.Right - 4, top + kLineHeight / 2);
            continue;
        }
        const TRect row(2, top, client.Right - 2, top + kItemHeight);
        const bool selected = i == FSelected;
        Canvas().Brush().SetStyle(bsSolid);
        Canvas().Brush().SetColor(selected ? clHighlight : clMenu);
        Canvas().FillRect(row);
        Canvas().Brush().SetStyle(bsClear);
        Canvas().Font().SetColor(!item->Enabled() ? clGrayText
                                 : selected       ? clHighlightText
                                                  : clMenuText);
        RECT text = TRect(row.Left + 22, row.Top, row.Right - 16, row.Bottom);
        DrawText(Canvas().Handle(), item->Caption(), &text, DT_SINGLELINE | DT_VCENTER);
        if (item->Checked()) {
            RECT mark = TRect(row.Left + 4, row.Top, row.Left + 20, row.Bottom);
            DrawText(Canvas().Handle(), item->RadioItem() ? "\xE2\x97\x8F" : "\xE2\x9C\x93", &mark,
                     DT_SINGLELINE | DT_VCENTER | DT_CENTER);
        }
        if (item->Count() > 0) {
            RECT arrow = TRect(row.Right - 16, row.Top, row.Right - 2, row.Bottom);
            DrawText(Canvas().Handle(), "\xE2\x96\xB8", &arrow,
                     DT_SINGLELINE | DT_VCENTER | DT_CENTER);
        }
    }
}
