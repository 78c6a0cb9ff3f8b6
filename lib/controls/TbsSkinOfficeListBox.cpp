#include "lib/controls/TbsSkinOfficeListBox.h"

#include "lib/controls/TbsSkinScrollBar.h"
#include "lib/controls/bsFocusOnClick.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindata/bsSkinListRecords.h"
#include "lib/skindraw/bsRectUtils.h"
#include "platform/forms/ControlMessages.h"
#include "platform/forms/TImageList.h"
#include "platform/win/Input.h"
#include "platform/win/Messages.h"

#include <algorithm>
#include <utility>

TbsSkinOfficeListBox::TbsSkinOfficeListBox(TComponent* owner) : TbsSkinCustomControl(owner) {
    FControlStyle.Include(csAcceptsControls);
    FControlStyle.Include(csReplicatable);
    SetTabStop(false);
    FItems = new TbsSkinOfficeItems(this);
    SetBounds(Left(), Top(), 150, 150);
    SetSkinDataName("listbox");
}

TbsSkinOfficeListBox::~TbsSkinOfficeListBox() {
    delete std::exchange(FItems, nullptr);
}

void TbsSkinOfficeListBox::SetItems(const TbsSkinOfficeItems& value) {
    FItems->Assign(&value);
    RepaintRows();
    UpdateScrollInfo();
}

void TbsSkinOfficeListBox::SetImages(TCustomImageList* value) {
    if (FImages == value) return;
    if (FImages) FImages->RemoveFreeNotification(this);
    FImages = value;
    if (FImages) FImages->FreeNotification(this);
}

void TbsSkinOfficeListBox::Notification(TComponent* component, TOperation operation) {
    TbsSkinCustomControl::Notification(component, operation);
    if (operation == opRemove && component == FImages) FImages = nullptr;
}

void TbsSkinOfficeListBox::SetShowItemTitles(bool value) {
    if (FShowItemTitles == value) return;
    FShowItemTitles = value;
    RepaintRows();
}

void TbsSkinOfficeListBox::SetItemHeight(int value) {
    if (FItemHeight == value) return;
    FItemHeight = value;
    RepaintRows();
}

void TbsSkinOfficeListBox::SetHeaderHeight(int value) {
    if (FHeaderHeight == value) return;
    FHeaderHeight = value;
    RepaintRows();
}

void TbsSkinOfficeListBox::SetShowLines(bool value) {
    if (FShowLines == value) return;
    FShowLines = value;
    RepaintRows();
}

void TbsSkinOfficeListBox::SetItemIndex(int value) {
    FItemIndex = value;
    if (value < 0) {
        RepaintRows();
        return;
    }
    for (int i = 0; i < FItems->Count(); ++i)
        (*FItems)[i]->Active = i == value;
    RepaintRows();
    // An index past the rows marks none and has nothing to scroll to or announce.
    if (!ValidIndex(value)) return;
    ScrollToItem(value);
    if (Designing()) return;
    TbsSkinOfficeItem* item = (*FItems)[value];
    if (item->OnClick) item->OnClick(this);
    if (OnItemClick) OnItemClick(this);
}

void TbsSkinOfficeListBox::SetItemActive(int Index) {
    FItemIndex = Index;
    for (int i = 0; i < FItems->Count(); ++i)
        (*FItems)[i]->Active = i == Index;
    RepaintRows();
    if (ValidIndex(Index)) ScrollToItem(Index);
}

TRect TbsSkinOfficeListBox::FrameClientRect() const {
    return FIndex == -1 ? TRect(2, 2, Width() - 2, Height() - 2) : NewClRect;
}

int TbsSkinOfficeListBox::CalcHeight(int AItemCount) {
    const int n = std::max(0, std::min(AItemCount, FItems->Count()));
    if (FIndex == -1) return n * FItemHeight + 5;
    return n * FItemHeight + Height() - NewClRect.Height() + 1;
}

int TbsSkinOfficeListBox::ItemAtPos(int X, int Y) const {
    const TPoint p(X, Y);
    for (int i = 0; i < FItems->Count(); ++i) {
        const TbsSkinOfficeItem& item = *(*FItems)[i];
        if (item.Enabled() && item.ItemRect.Contains(p)) return i;
    }
    return -1;
}

void TbsSkinOfficeListBox::CalcItemRects() {
    FRealMax = 0;
    FItemsRect = FrameClientRect();
    if (ScrollBar) FItemsRect.Right -= ScrollBar->Width();
    int y = FItemsRect.Top;
    for (int i = 0; i < FItems->Count(); ++i) {
        TbsSkinOfficeItem& item = *(*FItems)[i];
        const int h = item.Header() ? FHeaderHeight : FItemHeight;
        item.ItemRect =
            TRect(FItemsRect.Left, y - FScrollOffset, FItemsRect.Right, y + h - FScrollOffset);
        const TRect& r = item.ItemRect;
        item.IsVisible = RectPartlyInRect(r, FItemsRect) ||
                         (r.Top <= FItemsRect.Top && r.Bottom >= FItemsRect.Bottom);
        if (item.IsVisible) FRealMax = r.Bottom;
        y += h;
    }
    FMax = y;
}

void TbsSkinOfficeListBox::GetScrollInfo(int& AMin, int& AMax, int& APage, int& APosition) {
    CalcItemRects();
    AMin = 0;
    AMax = FMax - FItemsRect.Top;
    APage = FItemsRect.Height();
    if (AMax <= APage) AMax = APage = 0;
    APosition = FScrollOffset;
}

void TbsSkinOfficeListBox::UpdateScrollInfo() {
    int min = 0, max = 0, page = 0, position = 0;
    GetScrollInfo(min, max, page, position);
    if (max != 0) {
        if (!ScrollBar) ShowScrollbar();
        ScrollBar->SetRange(min, max, position, page);
        ScrollBar->SetLargeChange(page);
    } else if (ScrollBar) {
        HideScrollBar();
    }
}

void TbsSkinOfficeListBox::ShowScrollbar() {
    if (ScrollBar) return;
    ScrollBar = new TbsSkinScrollBar(this);
    ScrollBar->SetVisible(false);
    ScrollBar->SetParent(this);
    ScrollBar->SetDefaultHeight(0);
    ScrollBar->SetDefaultWidth(19);
    ScrollBar->SetSmallChange(FItemHeight);
    ScrollBar->SetLargeChange(FItemHeight);
    ScrollBar->SetSkinDataName("vscrollbar");
    ScrollBar->SetKind(sbVertical);
    ScrollBar->SetSkinData(SkinData());
    ScrollBar->OnChange = [this](TObject*) { SBChange(); };
    AdjustScrollBar();
    ScrollBar->SetVisible(true);
    RepaintRows();
}

void TbsSkinOfficeListBox::HideScrollBar() {
    if (!ScrollBar) return;
    ScrollBar->SetVisible(false);
    delete std::exchange(ScrollBar, nullptr);
    RepaintRows();
}

void TbsSkinOfficeListBox::AdjustScrollBar() {
    if (!ScrollBar) return;
    const TRect r = FrameClientRect();
    const int w = ScrollBar->Width();
    ScrollBar->SetBounds(r.Right - w, r.Top, w, r.Height());
}

void TbsSkinOfficeListBox::SBChange() {
    Scroll(ScrollBar->Position());
}

void TbsSkinOfficeListBox::Scroll(int AScrollOffset) {
    FScrollOffset = AScrollOffset;
    RepaintRows();
    UpdateScrollInfo();
}

void TbsSkinOfficeListBox::ScrollToItem(int Index) {
    CalcItemRects();
    if (!ValidIndex(Index)) return;
    const TRect r = (*FItems)[Index]->ItemRect;
    const TRect c(r.Left, r.Top + FScrollOffset, r.Right, r.Bottom + FScrollOffset);
    if (r.Top <= FItemsRect.Top) {
        const bool headerAbove = Index == 1 && (*FItems)[0]->Header();
        FScrollOffset = headerAbove ? 0 : c.Top - FItemsRect.Top;
        CalcItemRects();
        RepaintRows();
    } else if (r.Bottom >= FItemsRect.Bottom) {
        FScrollOffset = c.Bottom + FItemsRect.Top - Height() + 1;
        CalcItemRects();
        RepaintRows();
    }
    UpdateScrollInfo();
}

void TbsSkinOfficeListBox::CreateWnd() {
    TbsSkinCustomControl::CreateWnd();
    // The height the window starts with, as the first WM_SIZE would record it.
    FOldHeight = Height();
}

void TbsSkinOfficeListBox::Resized() {
    if (FOldHeight != -1 && FOldHeight != Height()) {
        CalcItemRects();
        if (FItemsRect.Bottom >= FRealMax && FScrollOffset > 0) {
            FScrollOffset = std::max(0, FScrollOffset - (FItemsRect.Bottom - FRealMax));
            CalcItemRects();
            RepaintRows();
        }
    }
    AdjustScrollBar();
    UpdateScrollInfo();
    FOldHeight = Height();
}

bool TbsSkinOfficeListBox::Selectable(int index) const {
    return ValidIndex(index) && (*FItems)[index]->Selectable();
}

void TbsSkinOfficeListBox::FindUp() {
    if (FItemIndex < 1) return;
    for (int i = std::min(FItemIndex, FItems->Count()) - 1; i >= 0; --i)
        if (Selectable(i)) {
            SetItemIndex(i);
            return;
        }
}

void TbsSkinOfficeListBox::FindDown() {
    for (int i = std::max(FItemIndex + 1, 0); i < FItems->Count(); ++i)
        if (Selectable(i)) {
            SetItemIndex(i);
            return;
        }
}

void TbsSkinOfficeListBox::PageStep(int first, int last) {
    const int step = first <= last ? 1 : -1;
    bool headerPassed = false;
    int remembered = -1;
    for (int i = first;; i += step) {
        if ((*FItems)[i]->Header()) {
            headerPassed = true;
        } else if (Selectable(i)) {
            if (headerPassed) {
                SetItemIndex(i);
                return;
            }
            remembered = i;
        }
        if (i == last) break;
    }
    if (remembered >= 0) SetItemIndex(remembered);
}

void TbsSkinOfficeListBox::FindPageUp() {
    if (FItemIndex < 1 || FItems->Count() == 0) return;
    const int page = std::max(1, FItemsRect.Height() / std::max(1, FItemHeight));
    const int first = std::min(FItemIndex, FItems->Count()) - 1;
    PageStep(first, std::max(FItemIndex - 1 - page, 0));
}

void TbsSkinOfficeListBox::FindPageDown() {
    const int start = std::max(FItemIndex + 1, 0);
    const int last = FItems->Count() - 1;
    if (start > last) return;
    const int page = std::max(1, FItemsRect.Height() / std::max(1, FItemHeight));
    PageStep(start, std::min(start + page, last));
}

void TbsSkinOfficeListBox::KeyDown(unsigned short& key, TShiftState shift) {
    TbsSkinCustomControl::KeyDown(key, shift);
    switch (key) {
    case win::VK_NEXT:
        FindPageDown();
        break;
    case win::VK_PRIOR:
        FindPageUp();
        break;
    case win::VK_UP:
    case win::VK_LEFT:
        FindUp();
        break;
    case win::VK_DOWN:
    case win::VK_RIGHT:
        FindDown();
        break;
    default:
        break;
    }
}

void TbsSkinOfficeListBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TbsSkinCustomControl::MouseDown(button, shift, x, y);
    const int r = ItemAtPos(x, y);
    if (button != mbLeft || r < 0 || (*FItems)[r]->Header()) return;
    SetItemActive(r);
    FMouseDown = true;
    FMouseActive = r;
}

void TbsSkinOfficeListBox::MouseMove(TShiftState shift, int x, int y) {
    TbsSkinCustomControl::MouseMove(shift, x, y);
    const int r = ItemAtPos(x, y);
    if (r < 0 || (*FItems)[r]->Header() || r == FMouseActive) return;
    if (!FMouseDown && !FMouseMoveChangeIndex) return;
    SetItemActive(r);
    FMouseActive = r;
}

void TbsSkinOfficeListBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TbsSkinCustomControl::MouseUp(button, shift, x, y);
    FMouseDown = false;
    const int r = ItemAtPos(x, y);
    if (button == mbLeft && r >= 0 && !(*FItems)[r]->Header()) SetItemIndex(r);
}

void TbsSkinOfficeListBox::WheelScroll(int delta) {
    if (!ScrollBar) return;
    // Towards the user scrolls down.
    const int step = ScrollBar->SmallChange();
    ScrollBar->SetPosition(ScrollBar->Position() + (delta < 0 ? step : -step));
}

void TbsSkinOfficeListBox::ChangeSkinData() {
    TbsSkinCustomControl::ChangeSkinData();
    FDisabledFontColor = FSD ? FSD->FSkinColors.FcBtnShadow : TColor(0x808080);
    if (FSD && !FSD->Empty) {
        const int index = FSD->GetControlIndex("edit");
        if (index >= 0)
            if (const auto* edit = dynamic_cast<const TbsDataSkinEditControl*>(
                    FSD->CtrlList[std::size_t(index)].get()))
                FDisabledFontColor = edit->DisabledFontColor;
    }
    if (ScrollBar) {
        ScrollBar->SetSkinData(SkinData());
        AdjustScrollBar();
    }
    CalcItemRects();
    RepaintRows();
}

void TbsSkinOfficeListBox::WndProc(TMessage& message) {
    switch (message.Msg) {
    case win::WM_LBUTTONDOWN:
    case win::WM_LBUTTONDBLCLK:
        if (!Designing() && !Focused() && !FocusBeforeClick(*this, FClicksDisabled)) return;
        break;
    case CN_COMMAND:
        if (FClicksDisabled) return;
        break;
    case win::WM_GETDLGCODE:
        message.Result = win::DLGC_WANTARROWS;
        return;
    case win::WM_MOUSEWHEEL:
        TbsSkinCustomControl::WndProc(message);
        WheelScroll(win::GET_WHEEL_DELTA_WPARAM(message.WParam));
        return;
    case win::WM_WINDOWPOSCHANGED:
        // The new size is known only once the base has taken the new bounds; the WM_SIZE sent
        // on the way still sees the old ones.
        TbsSkinCustomControl::WndProc(message);
        Resized();
        return;
    case CM_FOCUSCHANGED:
        TbsSkinCustomControl::WndProc(message);
        RepaintRows();
        return;
    default:
        break;
    }
    TbsSkinCustomControl::WndProc(message);
}
