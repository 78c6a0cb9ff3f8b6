#include "platform/forms/TTreeView.h"
#include "platform/win/Win.h"
#include <algorithm>

using namespace win;

namespace {

constexpr unsigned short kMultiply = 0x6A;
constexpr unsigned short kAdd = 0x6B;
constexpr unsigned short kSubtract = 0x6D;

} // namespace

void TTreeView::KeyDown(unsigned short& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    const auto& rows = Rows();
    if (key == 0 || rows.empty()) return;
    TTreeNode* node = FSelected;
    if (!node) {
        if (key == VK_UP || key == VK_DOWN || key == VK_HOME || key == VK_END || key == VK_PRIOR ||
            key == VK_NEXT)
            UserSelect(rows.front());
        return;
    }
    const int row = std::max(0, RowOf(node));
    const int page = std::max(1, VisibleCount() - 1);
    auto selectRow = [&](int r) {
        UserSelect(rows[std::size_t(std::clamp(r, 0, int(rows.size()) - 1))]);
    };
    switch (key) {
    case VK_UP:
        selectRow(row - 1);
        break;
    case VK_DOWN:
        selectRow(row + 1);
        break;
    case VK_PRIOR:
        selectRow(row - page);
        break;
    case VK_NEXT:
        selectRow(row + page);
        break;
    case VK_HOME:
        selectRow(0);
        break;
    case VK_END:
        selectRow(int(rows.size()) - 1);
        break;
    case VK_LEFT:
        if (node->Expanded() && node->HasChildren())
            ExpandNode(node, false);
        else if (node->Parent())
            UserSelect(node->Parent());
        break;
    case VK_RIGHT:
        if (!node->HasChildren()) break;
        if (!node->Expanded())
            ExpandNode(node, true);
        else if (node->GetFirstChild())
            UserSelect(node->GetFirstChild());
        break;
    case kAdd:
        ExpandNode(node, true);
        break;
    case kSubtract:
        ExpandNode(node, false);
        break;
    case kMultiply:
        node->Expand(true);
        break;
    default:
        break;
    }
}

void TTreeView::KeyPress(char32_t& key) {
    TCustomControl::KeyPress(key);
    const auto& rows = Rows();
    // The keypad's expand and collapse keys arrive as characters too.
    if (key < 0x20 || rows.empty() || key == U'+' || key == U'-' || key == U'*') return;
    const bool fresh = FTypeAhead.Add(key, unsigned(GetMessageTime()));
    const int current = FSelected ? RowOf(FSelected) : -1;
    const int found = FTypeAhead.Find(int(rows.size()), fresh ? current + 1 : std::max(current, 0),
                                      [&rows](int i) { return rows[std::size_t(i)]->Text(); });
    if (found >= 0) UserSelect(rows[std::size_t(found)]);
    key = 0;
}

void TTreeView::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (CanFocus() && !Focused()) SetFocus();
    FLabelEditing.Finish(true);
    TTreeNode* node = nullptr;
    const THitPart part = HitTest(x, y, node);
    FLabelEditing.ForgetClick();
    if (button == mbLeft && node) {
        if (part == hpButton) {
            ExpandNode(node, !node->Expanded());
        } else if (part == hpIcon || part == hpLabel) {
            const bool wasSelected = node == FSelected;
            if (shift.Contains(ssDouble)) {
                ExpandNode(node, !node->Expanded());
            } else {
                // A plain click on the label of the selected node renames it.
                if (wasSelected && part == hpLabel) FLabelEditing.Click(node);
                UserSelect(node);
            }
        }
    } else if (button == mbRight && FRightClickSelect && node &&
               (part == hpIcon || part == hpLabel)) {
        UserSelect(node);
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TTreeView::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseUp(button, shift, x, y);
    TTreeNode* node = nullptr;
    if (button != mbLeft || !FLabelEditing.Clicked()) return;
    // The rename waits for the double-click time, so that a double click does not start it.
    FLabelEditing.Release(HitTest(x, y, node) == hpLabel && node == FLabelEditing.Clicked());
}
