#include "platform/forms/TTreeNodes.h"
#include "platform/forms/TTreeView.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/Format.h"
#include <algorithm>

TTreeNode::TTreeNode(TTreeNodes* owner, TTreeNode* parent) : FOwner(owner), FParent(parent) {}

TTreeNode::~TTreeNode() = default;

TTreeView* TTreeNode::TreeView() const {
    return FOwner ? FOwner->Owner() : nullptr;
}

std::vector<std::unique_ptr<TTreeNode>>& TTreeNode::Siblings() const {
    return FParent ? FParent->FChildren : FOwner->FRoots;
}

TTreeNode* TTreeNode::Item(int index) const {
    if (index < 0 || index >= Count())
        throw EListError(Format("List index out of bounds (%d)", index));
    return FChildren[std::size_t(index)].get();
}

int TTreeNode::Index() const {
    const auto& siblings = Siblings();
    for (std::size_t i = 0; i < siblings.size(); ++i)
        if (siblings[i].get() == this) return int(i);
    return -1;
}

int TTreeNode::AbsoluteIndex() const {
    int index = 0;
    for (const TTreeNode* n = FOwner->GetFirstNode(); n && n != this; n = n->GetNext())
        ++index;
    return index;
}

int TTreeNode::Level() const {
    int level = 0;
    for (const TTreeNode* p = FParent; p; p = p->FParent)
        ++level;
    return level;
}

int TTreeNode::SubtreeSize() const {
    int size = 1;
    for (const auto& child : FChildren)
        size += child->SubtreeSize();
    return size;
}

void TTreeNode::SetText(const std::string& value) {
    if (FText == value) return;
    FText = value;
    if (TTreeView* view = TreeView()) view->NodeChanged(this);
}

void TTreeNode::SetImageIndex(int value) {
    // Image hooks set indexes while the view paints: only a real change repaints.
    if (FImageIndex == value) return;
    FImageIndex = value;
    if (TTreeView* view = TreeView()) view->NodeChanged(this);
}

void TTreeNode::SetSelectedIndex(int value) {
    if (FSelectedIndex == value) return;
    FSelectedIndex = value;
    if (TTreeView* view = TreeView()) view->NodeChanged(this);
}

void TTreeNode::SetHasChildren(bool value) {
    if (FHasChildren == value) return;
    FHasChildren = value;
    if (TTreeView* view = TreeView()) view->NodeChanged(this);
}

void TTreeNode::SetExpanded(bool value) {
    if (TTreeView* view = TreeView())
        view->ExpandNode(this, value);
    else
        FExpanded = value;
}

void TTreeNode::Expand(bool recurse) {
    SetExpanded(true);
    if (recurse)
        for (const auto& child : FChildren)
            child->Expand(true);
}

void TTreeNode::Collapse(bool recurse) {
    if (recurse)
        for (const auto& child : FChildren)
            child->Collapse(true);
    SetExpanded(false);
}

bool TTreeNode::Selected() const {
    const TTreeView* view = TreeView();
    return view && view->Selected() == this;
}

void TTreeNode::SetSelected(bool value) {
    TTreeView* view = TreeView();
    if (!view) return;
    if (value)
        view->SetSelected(this);
    else if (view->Selected() == this)
        view->SetSelected(nullptr);
}

bool TTreeNode::IsVisible() const {
    for (const TTreeNode* p = FParent; p; p = p->FParent)
        if (!p->FExpanded) return false;
    return true;
}

void TTreeNode::MakeVisible() {
    if (TTreeView* view = TreeView()) view->MakeNodeVisible(this);
}

TRect TTreeNode::DisplayRect(bool textOnly) const {
    const TTreeView* view = TreeView();
    return view ? view->NodeRect(this, textOnly) : TRect();
}

bool TTreeNode::EditText() {
    TTreeView* view = TreeView();
    return view && view->EditNode(this);
}

TTreeNode* TTreeNode::GetFirstChild() const {
    return FChildren.empty() ? nullptr : FChildren.front().get();
}

TTreeNode* TTreeNode::GetLastChild() const {
    return FChildren.empty() ? nullptr : FChildren.back().get();
}

TTreeNode* TTreeNode::GetNextSibling() const {
    const auto& siblings = Siblings();
    const int index = Index();
    return index + 1 < int(siblings.size()) ? siblings[std::size_t(index + 1)].get() : nullptr;
}

TTreeNode* TTreeNode::GetPrevSibling() const {
    const int index = Index();
    return index > 0 ? Siblings()[std::size_t(index - 1)].get() : nullptr;
}

TTreeNode* TTreeNode::GetNext() const {
    if (!FChildren.empty()) return FChildren.front().get();
    for (const TTreeNode* n = this; n; n = n->FParent)
        if (TTreeNode* next = n->GetNextSibling()) return next;
    return nullptr;
}

TTreeNode* TTreeNode::GetPrev() const {
    TTreeNode* prev = GetPrevSibling();
    if (!prev) return FParent;
    while (!prev->FChildren.empty())
        prev = prev->FChildren.back().get();
    return prev;
}

TTreeNode* TTreeNode::GetNextVisible() const {
    if (!IsVisible()) return nullptr;
    if (FExpanded && !FChildren.empty()) return FChildren.front().get();
    for (const TTreeNode* n = this; n; n = n->FParent)
        if (TTreeNode* next = n->GetNextSibling()) return next;
    return nullptr;
}

TTreeNode* TTreeNode::GetPrevVisible() const {
    if (!IsVisible()) return nullptr;
    TTreeNode* prev = GetPrevSibling();
    if (!prev) return FParent;
    while (prev->FExpanded && !prev->FChildren.empty())
        prev = prev->FChildren.back().get();
    return prev;
}

bool TTreeNode::HasAsParent(const TTreeNode* node) const {
    for (const TTreeNode* p = FParent; p; p = p->FParent)
        if (p == node) return true;
    return false;
}

void TTreeNode::Delete() {
    if (FOwner) FOwner->Delete(this);
}

void TTreeNode::DeleteChildren() {
    if (!FOwner) return;
    FOwner->BeginUpdate();
    while (!FChildren.empty())
        FOwner->Delete(FChildren.back().get());
    FOwner->EndUpdate();
}

bool TTreeNode::CustomSort(const TTVCompare& compare, bool recurse) {
    if (!compare) return false;
    std::stable_sort(FChildren.begin(), FChildren.end(),
                     [&](const auto& a, const auto& b) { return compare(a.get(), b.get()) < 0; });
    if (recurse)
        for (const auto& child : FChildren)
            child->CustomSort(compare, true);
    if (TTreeView* view = TreeView()) view->NodesChanged();
    return true;
}

bool TTreeNode::AlphaSort(bool recurse) {
    return CustomSort([](TTreeNode* a, TTreeNode* b) { return a->Text().compare(b->Text()); },
                      recurse);
}

TTreeNodes::TTreeNodes(TTreeView* owner) : FOwner(owner) {}

TTreeNodes::~TTreeNodes() = default;

TTreeNode* TTreeNodes::GetFirstNode() const {
    return FRoots.empty() ? nullptr : FRoots.front().get();
}

TTreeNode* TTreeNodes::Item(int index) const {
    if (index < 0 || index >= FCount)
        throw EListError(Format("List index out of bounds (%d)", index));
    TTreeNode* node = GetFirstNode();
    for (int i = 0; i < index && node; ++i)
        node = node->GetNext();
    return node;
}

TTreeNode* TTreeNodes::InsertAt(TTreeNode* parent, int index, const std::string& text) {
    auto& list = parent ? parent->FChildren : FRoots;
    index = std::clamp(index, 0, int(list.size()));
    auto node = std::make_unique<TTreeNode>(this, parent);
    node->FText = text;
    TTreeNode* added = node.get();
    list.insert(list.begin() + index, std::move(node));
    ++FCount;
    Changed();
    return added;
}

TTreeNode* TTreeNodes::Add(TTreeNode* sibling, const std::string& text) {
    TTreeNode* parent = sibling ? sibling->FParent : nullptr;
    return InsertAt(parent, parent ? parent->Count() : RootCount(), text);
}

TTreeNode* TTreeNodes::AddFirst(TTreeNode* sibling, const std::string& text) {
    return InsertAt(sibling ? sibling->FParent : nullptr, 0, text);
}

TTreeNode* TTreeNodes::AddChild(TTreeNode* parent, const std::string& text) {
    return InsertAt(parent, parent ? parent->Count() : RootCount(), text);
}

TTreeNode* TTreeNodes::AddChildFirst(TTreeNode* parent, const std::string& text) {
    return InsertAt(parent, 0, text);
}

TTreeNode* TTreeNodes::Insert(TTreeNode* sibling, const std::string& text) {
    if (!sibling) return Add(nullptr, text);
    return InsertAt(sibling->FParent, sibling->Index(), text);
}

void TTreeNodes::Delete(TTreeNode* node) {
    if (!node || node->FOwner != this) return;
    if (FOwner) FOwner->NodeRemoving(node);
    auto& siblings = node->Siblings();
    const int index = node->Index();
    FCount -= node->SubtreeSize();
    siblings.erase(siblings.begin() + index);
    Changed();
}

void TTreeNodes::Clear() {
    if (FRoots.empty()) return;
    BeginUpdate();
    while (!FRoots.empty())
        Delete(FRoots.back().get());
    EndUpdate();
}

void TTreeNodes::BeginUpdate() {
    ++FUpdateCount;
}

void TTreeNodes::EndUpdate() {
    if (FUpdateCount == 0) return;
    if (--FUpdateCount == 0) Changed();
}

void TTreeNodes::Changed() {
    if (FOwner) FOwner->NodesChanged();
}
