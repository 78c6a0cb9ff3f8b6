#include "platform/forms/TListView.h"
#include "platform/forms/CommCtrl.h"
#include "platform/forms/THeaderWindow.h"
#include "platform/forms/TImageList.h"
#include "platform/forms/TTextMeasure.h"
#include "platform/win/Win.h"
#include <algorithm>
#include <numeric>

using namespace win;

TListView::TListView(TComponent* owner)
    : TCustomControl(owner), FColumns(this), FItems(this),
      FLabelEditing(
          *this, -1, [this](TListItem* item, const std::string* text) { Edit(item, text); },
          [this](int index) {
              if (index < FItems.Count()) EditItem(FItems.Item(index));
          }) {
    FControlStyle.Include(csOpaque);
    FControlStyle.Exclude(csSetCaption);
    FColor = clWindow;
    SetParentColor(false);
    SetTabStop(true);
    FWidth = 250;
    FHeight = 150;
}

TListView::~TListView() {
    // Items and the header refer back to the view: let them go first.
    FHeader.reset();
    FItems.FUpdateCount = 1;
    FItems.FItems.clear();
}

void TListView::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    params.Style |= WS_CLIPCHILDREN;
    if (FBorderStyle == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TListView::CreateWnd() {
    TCustomControl::CreateWnd();
    UpdateMetrics();
    Relayout();
}

void TListView::UpdateMetrics() {
    TTextMeasure measure(FFont);
    FTextHeight = std::max(1, measure.Height());
    FLabelWidth = 0;
    if (FViewStyle == vsList || FViewStyle == vsSmallIcon)
        for (int i = 0; i < FItems.Count(); ++i)
            FLabelWidth = std::max(FLabelWidth, measure.Width(FItems.Item(i)->Caption()));
}

void TListView::FontChanged() {
    TCustomControl::FontChanged();
    if (!HandleAllocated()) return;
    UpdateMetrics();
    Relayout();
    if (FHeader && FHeader->Handle()) InvalidateRect(FHeader->Handle(), nullptr, TRUE);
}

void TListView::Notification(TComponent* component, TOperation operation) {
    TCustomControl::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == FSmallImages) SetSmallImages(nullptr);
    if (component == FLargeImages) SetLargeImages(nullptr);
    FLabelEditing.Notification(component, operation);
}

void TListView::SetViewStyle(TViewStyle value) {
    if (FViewStyle == value) return;
    FViewStyle = value;
    FScrollX = FScrollY = 0;
    if (HandleAllocated()) UpdateMetrics();
    Relayout();
}

void TListView::SetGridLines(bool value) {
    FGridLines = value;
    Invalidate();
}

void TListView::SetRowSelect(bool value) {
    FRowSelect = value;
    Invalidate();
}

void TListView::SetMultiSelect(bool value) {
    if (FMultiSelect == value) return;
    FMultiSelect = value;
    if (!value) SetSelected(Selected());
}

void TListView::SetHideSelection(bool value) {
    FHideSelection = value;
    Invalidate();
}

void TListView::SetShowColumnHeaders(bool value) {
    if (FShowColumnHeaders == value) return;
    FShowColumnHeaders = value;
    Relayout();
}

void TListView::SetBorderStyle(TFormBorderStyle value) {
    if (value != bsNone && value != bsSingle) throw EInvalidOperation("Invalid property value");
    if (FBorderStyle == value) return;
    FBorderStyle = value;
    if (HandleAllocated()) RecreateWnd();
}

void TListView::SetSmallImages(TCustomImageList* value) {
    if (FSmallImages) FSmallImages->RemoveFreeNotification(this);
    FSmallImages = value;
    if (value) value->FreeNotification(this);
    Relayout();
}

void TListView::SetLargeImages(TCustomImageList* value) {
    if (FLargeImages) FLargeImages->RemoveFreeNotification(this);
    FLargeImages = value;
    if (value) value->FreeNotification(this);
    Relayout();
}

// ---- selection and focus ----

bool TListView::IsSelectedAt(int index) const {
    if (index < 0 || index >= FItems.Count()) return false;
    return FOwnerData ? bool(FDataSelected[std::size_t(index)])
                      : FItems.FItems[std::size_t(index)]->FSelected;
}

bool TListView::IsFocusedAt(int index) const {
    if (index < 0 || index >= FItems.Count()) return false;
    return FOwnerData ? FDataFocused == index : FItems.FItems[std::size_t(index)]->FFocused;
}

int TListView::FocusedIndex() const {
    if (FOwnerData) return FDataFocused;
    for (int i = 0; i < FItems.Count(); ++i)
        if (FItems.FItems[std::size_t(i)]->FFocused) return i;
    return -1;
}

TListItem* TListView::Selected() const {
    for (int i = 0; i < FItems.Count(); ++i)
        if (IsSelectedAt(i)) return FItems.Item(i);
    return nullptr;
}

void TListView::SetSelected(TListItem* item) {
    if (item && item->ListView() != this) return;
    const int index = item ? item->Index() : -1;
    for (int i = 0; i < FItems.Count(); ++i)
        if (i != index) SetIndexSelected(i, false);
    if (index >= 0) SetIndexSelected(index, true);
}

TListItem* TListView::ItemFocused() const {
    const int index = FocusedIndex();
    return index >= 0 ? FItems.Item(index) : nullptr;
}

void TListView::SetItemFocused(TListItem* item) {
    SetFocusedIndex(item && item->ListView() == this ? item->Index() : -1);
}

int TListView::ItemIndex() const {
    for (int i = 0; i < FItems.Count(); ++i)
        if (IsSelectedAt(i)) return i;
    return -1;
}

void TListView::SetItemIndex(int value) {
    SetSelected(value >= 0 && value < FItems.Count() ? FItems.Item(value) : nullptr);
}

int TListView::SelCount() const {
    int count = 0;
    for (int i = 0; i < FItems.Count(); ++i)
        if (IsSelectedAt(i)) ++count;
    return count;
}

void TListView::ClearSelection() {
    SetSelected(nullptr);
}

void TListView::SelectAll() {
    if (!FMultiSelect) return;
    for (int i = 0; i < FItems.Count(); ++i)
        SetIndexSelected(i, true);
}

void TListView::SetItemSelected(TListItem* item, bool value) {
    if (item && item->ListView() == this) SetIndexSelected(item->Index(), value);
}

void TListView::SetIndexSelected(int index, bool value) {
    if (index < 0 || index >= FItems.Count() || IsSelectedAt(index) == value) return;
    if (value && !FMultiSelect)
        for (int i = 0; i < FItems.Count(); ++i)
            if (i != index && IsSelectedAt(i)) {
                if (FOwnerData)
                    FDataSelected[std::size_t(i)] = false;
                else
                    FItems.FItems[std::size_t(i)]->FSelected = false;
                NotifyState(i, false);
            }
    if (FOwnerData)
        FDataSelected[std::size_t(index)] = value;
    else
        FItems.FItems[std::size_t(index)]->FSelected = value;
    NotifyState(index, value);
}

void TListView::NotifyState(int index, bool selected) {
    Invalidate();
    TListItem* item = FItems.Item(index);
    Change(item, ctState);
    if (OnSelectItem) OnSelectItem(this, FItems.Item(index), selected);
}

void TListView::SetItemFocusedState(TListItem* item, bool value) {
    if (!item || item->ListView() != this) return;
    const int index = item->Index();
    if (value)
        SetFocusedIndex(index);
    else if (IsFocusedAt(index))
        SetFocusedIndex(-1);
}

void TListView::SetFocusedIndex(int index) {
    if (index >= FItems.Count()) index = -1;
    if (FOwnerData) {
        FDataFocused = index;
    } else {
        for (int i = 0; i < FItems.Count(); ++i)
            FItems.FItems[std::size_t(i)]->FFocused = i == index;
    }
    Invalidate();
}

void TListView::SelectOnly(int index) {
    for (int i = 0; i < FItems.Count(); ++i)
        if (i != index) SetIndexSelected(i, false);
    SetIndexSelected(index, true);
}

void TListView::SelectRange(int from, int to, bool keepOthers) {
    const int lo = std::min(from, to);
    const int hi = std::max(from, to);
    for (int i = 0; i < FItems.Count(); ++i)
        if ((i < lo || i > hi) && !keepOthers) SetIndexSelected(i, false);
    for (int i = lo; i <= hi; ++i)
        SetIndexSelected(i, true);
}

void TListView::SetOwnerData(bool value) {
    if (FOwnerData == value) return;
    FItems.Clear();
    FOwnerData = value;
    FItems.FDataCount = 0;
    DataCountChanged();
    ItemsChanged();
}

void TListView::FetchItem(TListItem* item) {
    const int index = item->Index();
    item->FSelected = IsSelectedAt(index);
    item->FFocused = IsFocusedAt(index);
    OwnerDataFetch(item);
}

void TListView::OwnerDataFetch(TListItem* item) {
    if (OnData) OnData(this, item);
}

std::optional<int> TListView::OwnerDataFind(TItemFind find, const std::string& findString,
                                            int startIndex, TSearchDirection direction, bool wrap) {
    if (!OnDataFind) return std::nullopt;
    int index = -1;
    OnDataFind(this, find, findString, startIndex, direction, wrap, index);
    return index;
}

void TListView::DataCountChanged() {
    FDataSelected.resize(std::size_t(FItems.FDataCount), false);
    if (FDataFocused >= FItems.FDataCount) FDataFocused = -1;
    if (FLabelEditing.Item() && FLabelEditing.Item() == FItems.FDataItem.get())
        FLabelEditing.Drop();
    FLabelEditing.ForgetClick();
}

void TListView::DataItemsShifted(int index, int delta) {
    if (delta > 0) {
        FDataSelected.insert(FDataSelected.begin() + index, false);
        if (FDataFocused >= index) ++FDataFocused;
    } else {
        FDataSelected.erase(FDataSelected.begin() + index);
        if (FDataFocused == index)
            FDataFocused = -1;
        else if (FDataFocused > index)
            --FDataFocused;
    }
    FAnchor = -1;
}

void TListView::Change(TListItem* item, TItemChange change) {
    if (OnChange) OnChange(this, item, change);
}

// ---- changes from the parts ----

void TListView::ColumnsChanged() {
    const int count = FColumns.Count();
    if (int(FColumnOrder.size()) != count) {
        FColumnOrder.resize(std::size_t(count));
        std::iota(FColumnOrder.begin(), FColumnOrder.end(), 0);
    }
    Relayout();
    if (FHeader && FHeader->Handle()) InvalidateRect(FHeader->Handle(), nullptr, FALSE);
}

void TListView::SetColumnOrder(const std::vector<int>& order) {
    // Only a rearrangement of all the columns is an order.
    std::vector<int> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    for (std::size_t i = 0; i < sorted.size(); ++i)
        if (sorted[i] != int(i)) return;
    if (int(order.size()) != FColumns.Count()) return;
    FColumnOrder = order;
    ColumnsChanged();
}

void TListView::ItemsChanged() {
    if (FAnchor >= FItems.Count()) FAnchor = -1;
    // Only the list and small-icon cells depend on the captions.
    if (HandleAllocated() && (FViewStyle == vsList || FViewStyle == vsSmallIcon)) UpdateMetrics();
    Relayout();
}

void TListView::ItemChanged(TListItem* item, TItemChange change) {
    if (FItems.Updating()) return;
    if (change == ctText && (FViewStyle == vsList || FViewStyle == vsSmallIcon) &&
        HandleAllocated()) {
        UpdateMetrics();
        Relayout();
    } else {
        Invalidate();
    }
    Change(item, change);
}

void TListView::ItemRemoving(TListItem* item) {
    if (item == FLabelEditing.Item()) FLabelEditing.Drop();
    FLabelEditing.ForgetClick();
    if (FAnchor == item->Index()) FAnchor = -1;
    Delete(item);
}

void TListView::Delete(TListItem* item) {
    if (OnDeletion) OnDeletion(this, item);
}

void TListView::AutoSizeColumn(int column) {
    if (column < 0 || column >= FColumns.Count()) return;
    TTextMeasure measure(FFont);
    TListColumn* c = FColumns.Items(column);
    int width = measure.Width(c->Caption());
    for (int i = 0; i < FItems.Count(); ++i) {
        const TListItem* item = FItems.Item(i);
        const TStringList& cells = item->SubItems();
        const std::string text = column == 0                  ? item->Caption()
                                 : column - 1 < cells.Count() ? cells.Strings(column - 1)
                                                              : std::string();
        width = std::max(width, measure.Width(text));
    }
    // The cell margins, and the small image in front of a caption.
    width += 12 + (column == 0 && FSmallImages ? FSmallImages->Width() + 2 : 0);
    c->SetWidth(c->ConstrainWidth(width));
}

// ---- label editing ----

bool TListView::IsEditing() const {
    return FLabelEditing.Editing();
}

bool TListView::EditItem(TListItem* item) {
    if (!item || item->ListView() != this || FReadOnly || !HandleAllocated()) return false;
    if (!CanEdit(item)) return false;
    FLabelEditing.Finish(true);
    MakeItemVisible(item->Index(), false);
    FLabelEditing.Start(item, item->DisplayRect(drLabel), item->Caption());
    return true;
}

bool TListView::CanEdit(TListItem* item) {
    bool allow = true;
    if (OnEditing) OnEditing(this, item, allow);
    return allow;
}

void TListView::Edit(TListItem* item, const std::string* text) {
    if (!text) return;
    std::string caption = *text;
    if (OnEdited) OnEdited(this, item, caption);
    item->SetCaption(caption);
}

// ---- messages ----

void TListView::WndProc(TMessage& message) {
    if (FScrollBars.Handle(message) || FLabelEditing.Handle(message) ||
        Answered(message, ListMessage(message)))
        return;
    TCustomControl::WndProc(message);
    switch (message.Msg) {
    case WM_SIZE:
        Relayout();
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        Invalidate();
        break;
    default:
        break;
    }
}

TMessageAnswer TListView::ListMessage(const TMessage& message) {
    const WPARAM w = message.WParam;
    const LPARAM l = message.LParam;
    switch (message.Msg) {
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (l != 0) break;
        ScrollMessage(message.Msg == WM_HSCROLL ? SB_HORZ : SB_VERT, LOWORD(w),
                      std::int16_t(HIWORD(w)));
        return 0;
    case WM_MOUSEWHEEL:
        Wheel(GET_WHEEL_DELTA_WPARAM(w));
        return 0;
    case LVM_GETITEMCOUNT:
        return FItems.Count();
    case LVM_GETCOUNTPERPAGE:
        return VisibleRowCount();
    case LVM_GETTOPINDEX: {
        const TListItem* top = TopItem();
        return top ? top->Index() : 0;
    }
    case LVM_SCROLL:
        Scroll(int(w), int(l));
        return TRUE;
    case LVM_REDRAWITEMS:
        Invalidate();
        return TRUE;
    case LVM_ENSUREVISIBLE:
        MakeItemVisible(int(w), l != 0);
        return TRUE;
    case LVM_GETHEADER:
        return LRESULT(HeaderHandle());
    case LVM_GETITEMRECT: {
        auto* r = reinterpret_cast<RECT*>(l);
        if (!r || int(w) < 0 || int(w) >= FItems.Count()) return FALSE;
        const int code = std::clamp(int(r->left), int(drBounds), int(drSelectBounds));
        *r = ItemRect(int(w), TDisplayCode(code));
        return TRUE;
    }
    case LVM_GETNEXTITEM: {
        const UINT flags = UINT(l);
        for (int i = std::max(-1, int(std::intptr_t(w))) + 1; i < FItems.Count(); ++i) {
            if ((flags & LVNI_SELECTED) && !IsSelectedAt(i)) continue;
            if ((flags & LVNI_FOCUSED) && !IsFocusedAt(i)) continue;
            return i;
        }
        return -1;
    }
    case LVM_GETSELECTEDCOUNT:
        return SelCount();
    case LVM_GETCOLUMNWIDTH:
        return int(w) >= 0 && int(w) < FColumns.Count() ? FColumns.Items(int(w))->Width() : 0;
    case LVM_SETCOLUMNWIDTH:
        if (int(w) < 0 || int(w) >= FColumns.Count()) return FALSE;
        FColumns.Items(int(w))->SetWidth(int(l));
        return TRUE;
    case LVM_EDITLABEL:
        if (int(std::intptr_t(w)) < 0) {
            FLabelEditing.Finish(false);
            return 0;
        }
        if (int(w) >= FItems.Count() || !EditItem(FItems.Item(int(w)))) return 0;
        return LRESULT(FLabelEditing.EditorHandle());
    default:
        break;
    }
    return std::nullopt;
}
