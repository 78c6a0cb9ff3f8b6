#include "platform/forms/TListView.h"
#include "platform/win/Win.h"
#include <algorithm>

using namespace win;

void TListView::MoveFocus(int index, TShiftState shift) {
    const int count = FItems.Count();
    if (count == 0) return;
    index = std::clamp(index, 0, count - 1);
    if (FMultiSelect && shift.Contains(ssShift)) {
        if (FAnchor < 0) {
            const int focused = FocusedIndex();
            FAnchor = focused >= 0 ? focused : index;
        }
        SelectRange(FAnchor, index, shift.Contains(ssCtrl));
    } else if (!(FMultiSelect && shift.Contains(ssCtrl))) {
        SelectOnly(index);
        FAnchor = index;
    }
    SetFocusedIndex(index);
    MakeItemVisible(index, false);
}

void TListView::KeyDown(unsigned short& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    if (key == 0 || FItems.Count() == 0) return;
    const TGeometry g = Geometry();
    const int current = FocusedIndex();
    const int page = std::max(1, VisibleRowCount() - (FViewStyle == vsReport ? 1 : 0));
    // How far Up/Down and Left/Right move in each view.
    int vertical = 1;
    int horizontal = 0;
    switch (FViewStyle) {
    case vsList:
        horizontal = g.PerColumn;
        break;
    case vsIcon:
    case vsSmallIcon:
        vertical = g.PerRow;
        horizontal = 1;
        break;
    case vsReport:
        break;
    }
    int target = -2;
    switch (key) {
    case VK_UP:
        target = current < 0 ? 0 : current - vertical;
        break;
    case VK_DOWN:
        target = current < 0 ? 0 : current + vertical;
        break;
    case VK_LEFT:
    case VK_RIGHT:
        if (horizontal == 0) {
            ScrollMessage(SB_HORZ, key == VK_LEFT ? SB_LINELEFT : SB_LINERIGHT, 0);
            return;
        }
        target = current < 0 ? 0 : current + (key == VK_LEFT ? -horizontal : horizontal);
        break;
    case VK_PRIOR:
        target = current - page;
        break;
    case VK_NEXT:
        target = current < 0 ? page : current + page;
        break;
    case VK_HOME:
        target = 0;
        break;
    case VK_END:
        target = FItems.Count() - 1;
        break;
    case VK_SPACE:
        if (current >= 0 && FMultiSelect && shift.Contains(ssCtrl)) {
            SetIndexSelected(current, !IsSelectedAt(current));
            FAnchor = current;
        } else if (current >= 0) {
            MoveFocus(current, shift);
        }
        return;
    case 'A':
        if (shift.Contains(ssCtrl)) SelectAll();
        return;
    default:
        return;
    }
    MoveFocus(target, shift);
}

void TListView::KeyPress(char32_t& key) {
    TCustomControl::KeyPress(key);
    if (key < 0x20 || FItems.Count() == 0) return;
    const bool fresh = FTypeAhead.Add(key, unsigned(GetMessageTime()));
    const int current = FocusedIndex();
    // A new prefix looks past the current item, so typing its letter again moves on.
    const int start = fresh ? current + 1 : std::max(current, 0);
    std::optional<int> answer;
    if (FOwnerData)
        answer = OwnerDataFind(ifPartialString, FTypeAhead.Prefix(),
                               start % std::max(FItems.Count(), 1), sdAll, true);
    const int found = answer ? *answer : FTypeAhead.Find(FItems.Count(), start, [this](int i) {
        return FItems.Item(i)->Caption();
    });
    if (found >= 0) MoveFocus(found, {});
    key = 0;
}

void TListView::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (CanFocus() && !Focused()) SetFocus();
    FLabelEditing.Finish(true);
    const int index = ItemAtPoint(x, y);
    const int focused = FocusedIndex();
    // A plain click on the label of the item that already had the focus renames it.
    FLabelEditing.ForgetClick();
    if (button == mbLeft && !shift.Contains(ssDouble) && index >= 0 && focused == index &&
        IsSelectedAt(index) && ItemRect(index, drLabel).Contains(TPoint(x, y)))
        FLabelEditing.Click(index);
    if (index < 0) {
        if (!(FMultiSelect && (shift.Contains(ssCtrl) || shift.Contains(ssShift))))
            ClearSelection();
    } else if (button == mbLeft || !IsSelectedAt(index)) {
        const bool ctrl = FMultiSelect && shift.Contains(ssCtrl);
        if (FMultiSelect && shift.Contains(ssShift)) {
            if (FAnchor < 0) FAnchor = focused >= 0 ? focused : index;
            SelectRange(FAnchor, index, ctrl);
        } else if (ctrl) {
            SetIndexSelected(index, !IsSelectedAt(index));
            FAnchor = index;
        } else {
            SelectOnly(index);
            FAnchor = index;
        }
        SetFocusedIndex(index);
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TListView::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseUp(button, shift, x, y);
    const int clicked = FLabelEditing.Clicked();
    if (button != mbLeft || clicked < 0) return;
    // The rename waits for the double-click time, so that a double click does not start it.
    FLabelEditing.Release(ItemAtPoint(x, y) == clicked &&
                          ItemRect(clicked, drLabel).Contains(TPoint(x, y)));
}
