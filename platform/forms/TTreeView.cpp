#include "platform/forms/TTreeView.h"
#include "platform/forms/CommCtrl.h"
#include "platform/forms/ScrollRequest.h"
#include "platform/forms/TImageList.h"
#include "platform/forms/TTextMeasure.h"
#include "platform/win/Win.h"
#include <algorithm>
#include <functional>

using namespace win;

namespace {

constexpr int kWheelLines = 3;
// Pixels one line of horizontal scrolling moves.
constexpr int kScrollStep = 16;

} // namespace

TTreeNode* TTreeView::NodeOf(LPARAM l) const {
    // Item handles come from outside: compare before touching, so a stale one is refused.
    const auto* wanted = reinterpret_cast<const TTreeNode*>(l);
    for (TTreeNode* n = FItems.GetFirstNode(); n && wanted; n = n->GetNext())
        if (n == wanted) return n;
    return nullptr;
}

TTreeView::TTreeView(TComponent* owner)
    : TCustomControl(owner), FItems(this),
      FLabelEditing(
          *this, nullptr, [this](TTreeNode* node, const std::string* text) { Edit(node, text); },
          [this](TTreeNode* node) { EditNode(node); }) {
    FControlStyle.Include(csOpaque);
    FControlStyle.Exclude(csSetCaption);
    FColor = clWindow;
    SetParentColor(false);
    SetTabStop(true);
    FWidth = 121;
    FHeight = 97;
}

TTreeView::~TTreeView() {
    // Nodes going with the view must not call back into it.
    FItems.FOwner = nullptr;
    FSelected = nullptr;
}

void TTreeView::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    params.Style |= WS_CLIPCHILDREN;
    if (FBorderStyle == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TTreeView::CreateWnd() {
    TCustomControl::CreateWnd();
    FontChanged();
}

void TTreeView::FontChanged() {
    TCustomControl::FontChanged();
    if (!HandleAllocated()) return;
    TTextMeasure measure(FFont);
    FTextHeight = std::max(1, measure.Height());
    Relayout();
}

void TTreeView::Notification(TComponent* component, TOperation operation) {
    TCustomControl::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == FImages) SetImages(nullptr);
    if (component == FStateImages) SetStateImages(nullptr);
    FLabelEditing.Notification(component, operation);
}

void TTreeView::SetImages(TCustomImageList* value) {
    if (FImages) FImages->RemoveFreeNotification(this);
    FImages = value;
    if (value) value->FreeNotification(this);
    Relayout();
}

void TTreeView::SetStateImages(TCustomImageList* value) {
    if (FStateImages) FStateImages->RemoveFreeNotification(this);
    FStateImages = value;
    if (value) value->FreeNotification(this);
    Relayout();
}

void TTreeView::SetIndent(int value) {
    FIndent = std::max(value, 1);
    Relayout();
}

void TTreeView::SetShowLines(bool value) {
    FShowLines = value;
    Invalidate();
}

void TTreeView::SetShowRoot(bool value) {
    FShowRoot = value;
    Relayout();
}

void TTreeView::SetShowButtons(bool value) {
    FShowButtons = value;
    Invalidate();
}

void TTreeView::SetHideSelection(bool value) {
    FHideSelection = value;
    Invalidate();
}

void TTreeView::SetBorderStyle(TFormBorderStyle value) {
    if (value != bsNone && value != bsSingle) throw EInvalidOperation("Invalid property value");
    if (FBorderStyle == value) return;
    FBorderStyle = value;
    if (HandleAllocated()) RecreateWnd();
}

// ---- nodes ----

void TTreeView::NodesChanged() {
    FRowsValid = false;
    if (FItems.Updating()) return;
    Relayout();
}

void TTreeView::NodeChanged(TTreeNode*) {
    FRowsValid = false;
    if (!FItems.Updating()) Relayout();
}

void TTreeView::NodeRemoving(TTreeNode* node) {
    FRowsValid = false;
    const auto inBranch = [node](const TTreeNode* n) {
        return n && (n == node || n->HasAsParent(node));
    };
    if (inBranch(FLabelEditing.Clicked())) FLabelEditing.ForgetClick();
    if (inBranch(FLabelEditing.Item())) FLabelEditing.Drop();
    std::function<void(TTreeNode*)> announce = [&](TTreeNode* n) {
        for (const auto& child : n->FChildren)
            announce(child.get());
        Delete(n);
    };
    announce(node);
    if (!FSelected || (FSelected != node && !FSelected->HasAsParent(node))) return;
    // The selection moves to a neighbour of the removed branch, as the user would expect.
    TTreeNode* next = nullptr;
    if (!FItems.Updating()) {
        next = node->GetNextSibling();
        if (!next) next = node->GetPrevSibling();
        if (!next) next = node->Parent();
    }
    FSelected = next;
    if (next) MakeNodeVisible(next);
    Change(next);
}

bool TTreeView::CanExpand(TTreeNode* node) {
    bool allow = true;
    if (OnExpanding) OnExpanding(this, node, allow);
    return allow;
}

void TTreeView::Expand(TTreeNode* node) {
    if (OnExpanded) OnExpanded(this, node);
}

bool TTreeView::CanCollapse(TTreeNode* node) {
    bool allow = true;
    if (OnCollapsing) OnCollapsing(this, node, allow);
    return allow;
}

void TTreeView::Collapse(TTreeNode* node) {
    if (OnCollapsed) OnCollapsed(this, node);
}

void TTreeView::Delete(TTreeNode* node) {
    if (OnDeletion) OnDeletion(this, node);
}

void TTreeView::GetImageIndex(TTreeNode* node) {
    if (OnGetImageIndex) OnGetImageIndex(this, node);
}

void TTreeView::GetSelectedIndex(TTreeNode* node) {
    if (OnGetSelectedIndex) OnGetSelectedIndex(this, node);
}

bool TTreeView::CustomSort(const TTVCompare& compare, bool recurse) {
    if (!compare) return false;
    std::stable_sort(FItems.FRoots.begin(), FItems.FRoots.end(),
                     [&](const auto& a, const auto& b) { return compare(a.get(), b.get()) < 0; });
    if (recurse)
        for (const auto& root : FItems.FRoots)
            root->CustomSort(compare, true);
    NodesChanged();
    return true;
}

bool TTreeView::AlphaSort(bool recurse) {
    return CustomSort([](TTreeNode* a, TTreeNode* b) { return a->Text().compare(b->Text()); },
                      recurse);
}

bool TTreeView::ExpandNode(TTreeNode* node, bool expand) {
    if (!node || node->FExpanded == expand) return true;
    if (!(expand ? CanExpand(node) : CanCollapse(node))) return false;
    node->FExpanded = expand;
    // A node that claimed children but got none on expanding loses its button.
    if (expand && node->FChildren.empty()) node->FHasChildren = false;
    FRowsValid = false;
    if (!expand && FSelected && FSelected->HasAsParent(node)) {
        FSelected = node;
        Change(node);
    }
    Relayout();
    if (expand)
        Expand(node);
    else
        Collapse(node);
    return true;
}

void TTreeView::FullExpand() {
    for (TTreeNode* n = FItems.GetFirstNode(); n; n = n->GetNextSibling())
        n->Expand(true);
}

void TTreeView::FullCollapse() {
    for (TTreeNode* n = FItems.GetFirstNode(); n; n = n->GetNextSibling())
        n->Collapse(true);
}

bool TTreeView::CanChange(TTreeNode* node) {
    bool allow = true;
    if (OnChanging) OnChanging(this, node, allow);
    return allow;
}

void TTreeView::Change(TTreeNode* node) {
    if (OnChange) OnChange(this, node);
}

bool TTreeView::UserSelect(TTreeNode* node) {
    if (node == FSelected) return true;
    if (node && node->TreeView() != this) return false;
    if (!CanChange(node)) return false;
    FSelected = node;
    if (node) MakeNodeVisible(node);
    Invalidate();
    Change(node);
    return true;
}

void TTreeView::SetSelected(TTreeNode* node) {
    UserSelect(node);
}

// ---- rows and geometry ----

const std::vector<TTreeNode*>& TTreeView::Rows() const {
    if (!FRowsValid) {
        FRows.clear();
        for (TTreeNode* n = FItems.GetFirstNode(); n; n = n->GetNextVisible())
            FRows.push_back(n);
        FRowsValid = true;
    }
    return FRows;
}

int TTreeView::RowOf(const TTreeNode* node) const {
    const auto& rows = Rows();
    const auto it = std::find(rows.begin(), rows.end(), node);
    return it == rows.end() ? -1 : int(it - rows.begin());
}

int TTreeView::RowHeight() const {
    return std::max(FTextHeight + 4, FImages ? FImages->Height() + 2 : 0);
}

int TTreeView::VisibleCount() const {
    return std::max(0, const_cast<TTreeView*>(this)->ClientHeight() / RowHeight());
}

int TTreeView::NodeLeft(const TTreeNode* node) const {
    return (node->Level() + (FShowRoot ? 1 : 0)) * FIndent - FScrollX;
}

int TTreeView::TextWidth(const TTreeNode* node) const {
    TTextMeasure measure(FFont);
    return measure.Width(node->Text());
}

TRect TTreeView::NodeRect(const TTreeNode* node, bool textOnly) const {
    const int row = node ? RowOf(node) : -1;
    if (row < 0) return TRect();
    const int top = (row - FTopRow) * RowHeight();
    if (!textOnly)
        return TRect(0, top, const_cast<TTreeView*>(this)->ClientWidth(), top + RowHeight());
    const int left = NodeLeft(node) + (FImages ? FImages->Width() + 3 : 0);
    return TRect(left, top, left + TextWidth(node) + 4, top + RowHeight());
}

TTreeView::THitPart TTreeView::HitTest(int x, int y, TTreeNode*& node) const {
    node = nullptr;
    if (y < 0 || x < 0) return hpNowhere;
    const auto& rows = Rows();
    const int row = FTopRow + y / RowHeight();
    if (row >= int(rows.size())) return hpNowhere;
    node = rows[std::size_t(row)];
    const int left = NodeLeft(node);
    if (x < left) {
        const bool button = FShowButtons && node->HasChildren() && (node->Level() > 0 || FShowRoot);
        return button && x >= left - FIndent ? hpButton : hpIndent;
    }
    const int imageWidth = FImages ? FImages->Width() + 3 : 0;
    if (x < left + imageWidth) return hpIcon;
    if (x < left + imageWidth + TextWidth(node) + 4) return hpLabel;
    return hpRight;
}

TTreeNode* TTreeView::GetNodeAt(int x, int y) const {
    TTreeNode* node = nullptr;
    const THitPart part = HitTest(x, y, node);
    return part == hpIcon || part == hpLabel ? node : nullptr;
}

TTreeNode* TTreeView::TopItem() const {
    const auto& rows = Rows();
    return FTopRow < int(rows.size()) ? rows[std::size_t(FTopRow)] : nullptr;
}

void TTreeView::SetTopItem(TTreeNode* node) {
    const int row = RowOf(node);
    if (row >= 0) ScrollTo(FScrollX, row);
}

int TTreeView::ContentWidth() const {
    TTextMeasure measure(FFont);
    const int imageWidth = FImages ? FImages->Width() + 3 : 0;
    int width = 0;
    for (const TTreeNode* node : Rows())
        width = std::max(width,
                         NodeLeft(node) + FScrollX + imageWidth + measure.Width(node->Text()) + 4);
    return width;
}

// ---- scrolling ----

void TTreeView::GetScroll(int bar, SCROLLINFO& info) const {
    SCROLLINFO s;
    if (bar == SB_VERT) {
        s.nMax = std::max(0, int(Rows().size()) - 1);
        s.nPage = UINT(VisibleCount());
        s.nPos = FTopRow;
    } else {
        s.nMax = std::max(0, ContentWidth() - 1);
        s.nPage = UINT(const_cast<TTreeView*>(this)->ClientWidth());
        s.nPos = FScrollX;
    }
    s.nPage = std::min<UINT>(s.nPage, UINT(s.nMax + 1));
    s.fMask = SIF_ALL;
    ScrollBarData data;
    data.Set(s);
    data.Get(info);
}

void TTreeView::UpdateScrollBars() {
    FScrollBars.Update([this](int bar, SCROLLINFO& info) { GetScroll(bar, info); },
                       [this] { ClampScroll(); });
}

void TTreeView::ClampScroll() {
    FTopRow = std::clamp(FTopRow, 0, std::max(0, int(Rows().size()) - VisibleCount()));
    FScrollX = std::clamp(FScrollX, 0, std::max(0, ContentWidth() - ClientWidth()));
}

void TTreeView::ScrollTo(int x, int row) {
    const int oldX = FScrollX;
    const int oldRow = FTopRow;
    FScrollX = x;
    FTopRow = row;
    ClampScroll();
    if (FScrollX == oldX && FTopRow == oldRow) return;
    FLabelEditing.Finish(true);
    UpdateScrollBars();
    Invalidate();
}

void TTreeView::ScrollMessage(int bar, int code, int thumb) {
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    GetScroll(bar, info);
    const int line = bar == SB_VERT ? 1 : kScrollStep;
    const std::optional<int> pos = ScrollRequestPos(code, info, line, thumb);
    if (!pos) return;
    if (bar == SB_VERT)
        ScrollTo(FScrollX, *pos);
    else
        ScrollTo(*pos, FTopRow);
}

void TTreeView::MakeNodeVisible(TTreeNode* node) {
    if (!node) return;
    for (TTreeNode* p = node->Parent(); p; p = p->Parent())
        if (!p->FExpanded) ExpandNode(p, true);
    const int row = RowOf(node);
    if (row < 0 || !HandleAllocated()) return;
    if (row < FTopRow)
        ScrollTo(FScrollX, row);
    else if (row >= FTopRow + std::max(1, VisibleCount()))
        ScrollTo(FScrollX, row - std::max(1, VisibleCount()) + 1);
}

void TTreeView::Relayout() {
    if (!HandleAllocated()) return;
    ClampScroll();
    UpdateScrollBars();
    Invalidate();
}

// ---- label editing ----

bool TTreeView::IsEditing() const {
    return FLabelEditing.Editing();
}

bool TTreeView::EditNode(TTreeNode* node) {
    if (!node || node->TreeView() != this || FReadOnly || !HandleAllocated()) return false;
    bool allow = true;
    if (OnEditing) OnEditing(this, node, allow);
    if (!allow) return false;
    FLabelEditing.Finish(true);
    MakeNodeVisible(node);
    FLabelEditing.Start(node, NodeRect(node, true), node->Text());
    return true;
}

void TTreeView::Edit(TTreeNode* node, const std::string* text) {
    if (!text) return;
    std::string value = *text;
    if (OnEdited) OnEdited(this, node, value);
    node->SetText(value);
}

// ---- messages ----

void TTreeView::WndProc(TMessage& message) {
    if (FScrollBars.Handle(message) || FLabelEditing.Handle(message) ||
        Answered(message, TreeMessage(message)))
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

TMessageAnswer TTreeView::TreeMessage(const TMessage& message) {
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
    case WM_MOUSEWHEEL: {
        const int notches = GET_WHEEL_DELTA_WPARAM(w) / WHEEL_DELTA;
        ScrollTo(FScrollX, FTopRow - notches * kWheelLines);
        return 0;
    }
    case TVM_GETCOUNT:
        return FItems.Count();
    case TVM_GETVISIBLECOUNT:
        return VisibleCount();
    case TVM_GETITEMHEIGHT:
        return RowHeight();
    case TVM_GETINDENT:
        return FIndent;
    case TVM_SETINDENT:
        SetIndent(int(w));
        return 0;
    case TVM_GETIMAGELIST:
        return LRESULT(w == TVSIL_STATE ? FStateImages : FImages);
    case TVM_SETIMAGELIST: {
        auto* list = reinterpret_cast<TCustomImageList*>(l);
        const LRESULT previous = LRESULT(w == TVSIL_STATE ? FStateImages : FImages);
        if (w == TVSIL_STATE)
            SetStateImages(list);
        else
            SetImages(list);
        return previous;
    }
    case TVM_EXPAND: {
        TTreeNode* node = NodeOf(l);
        if (!node) return FALSE;
        const UINT code = UINT(w) & TVE_TOGGLE;
        const bool expand = code == TVE_TOGGLE ? !node->Expanded() : code == TVE_EXPAND;
        return ExpandNode(node, expand) ? TRUE : FALSE;
    }
    case TVM_GETNEXTITEM: {
        const TTreeNode* node = NodeOf(l);
        switch (UINT(w)) {
        case TVGN_ROOT:
            return LRESULT(FItems.GetFirstNode());
        case TVGN_CARET:
            return LRESULT(FSelected);
        case TVGN_FIRSTVISIBLE:
            return LRESULT(TopItem());
        default:
            break;
        }
        if (!node) return 0;
        switch (UINT(w)) {
        case TVGN_NEXT:
            return LRESULT(node->GetNextSibling());
        case TVGN_PREVIOUS:
            return LRESULT(node->GetPrevSibling());
        case TVGN_PARENT:
            return LRESULT(node->Parent());
        case TVGN_CHILD:
            return LRESULT(node->GetFirstChild());
        case TVGN_NEXTVISIBLE:
            return LRESULT(node->GetNextVisible());
        case TVGN_PREVIOUSVISIBLE:
            return LRESULT(node->GetPrevVisible());
        default:
            return 0;
        }
    }
    case TVM_SELECTITEM: {
        TTreeNode* node = NodeOf(l);
        if (!node && l != 0) return FALSE;
        if (w == TVGN_FIRSTVISIBLE) {
            SetTopItem(node);
            return TRUE;
        }
        return w == TVGN_CARET && UserSelect(node) ? TRUE : FALSE;
    }
    case TVM_ENSUREVISIBLE: {
        TTreeNode* node = NodeOf(l);
        if (!node) return FALSE;
        MakeNodeVisible(node);
        return TRUE;
    }
    case TVM_EDITLABEL: {
        TTreeNode* node = NodeOf(l);
        if (!node || !EditNode(node)) return 0;
        return LRESULT(FLabelEditing.EditorHandle());
    }
    default:
        break;
    }
    return std::nullopt;
}
