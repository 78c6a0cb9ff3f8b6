#pragma once
#include "platform/gfx/TRect.h"
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TTreeNodes;
class TTreeView;
class TTreeNode;

// Below zero when first goes before second.
using TTVCompare = std::function<int(TTreeNode* first, TTreeNode* second)>;

// One node of a tree view: its text, images, children and a pointer the program keeps with
// it. Expanding, collapsing and selecting go through the view, with its events.
class TTreeNode {
public:
    TTreeNode(TTreeNodes* owner, TTreeNode* parent);
    ~TTreeNode();
    TTreeNode(const TTreeNode&) = delete;
    TTreeNode& operator=(const TTreeNode&) = delete;

    TTreeNodes* Owner() const { return FOwner; }
    TTreeView* TreeView() const;
    TTreeNode* Parent() const { return FParent; }
    int Count() const { return int(FChildren.size()); }
    // Raises EListError "List index out of bounds (%d)" outside the children.
    TTreeNode* Item(int index) const;
    // The position among its siblings.
    int Index() const;
    // The position in the whole tree, counted depth first.
    int AbsoluteIndex() const;
    // 0 for a root node.
    int Level() const;

    const std::string& Text() const { return FText; }
    void SetText(const std::string& value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    // The image shown while the node is selected.
    int SelectedIndex() const { return FSelectedIndex; }
    void SetSelectedIndex(int value);
    void* Data() const { return FData; }
    void SetData(void* value) { FData = value; }
    // A button shows while the node has children or claims to have them (filled on expanding).
    bool HasChildren() const { return FHasChildren || !FChildren.empty(); }
    void SetHasChildren(bool value);

    bool Expanded() const { return FExpanded; }
    void SetExpanded(bool value);
    void Expand(bool recurse);
    void Collapse(bool recurse);
    bool Selected() const;
    void SetSelected(bool value);
    bool Focused() const { return Selected(); }
    // Every parent is expanded.
    bool IsVisible() const;
    void MakeVisible();
    // The row (or with textOnly the text) in the view's client coordinates.
    TRect DisplayRect(bool textOnly) const;
    bool EditText();

    TTreeNode* GetFirstChild() const;
    TTreeNode* GetLastChild() const;
    TTreeNode* GetNextSibling() const;
    TTreeNode* GetPrevSibling() const;
    // Depth first, through collapsed nodes too.
    TTreeNode* GetNext() const;
    TTreeNode* GetPrev() const;
    TTreeNode* GetNextVisible() const;
    TTreeNode* GetPrevVisible() const;
    bool HasAsParent(const TTreeNode* node) const;

    void Delete();
    void DeleteChildren();
    // Orders the children (and with recurse theirs) by compare, or by text; equal ones keep
    // their order.
    bool CustomSort(const TTVCompare& compare, bool recurse);
    bool AlphaSort(bool recurse);

private:
    friend class TTreeNodes;
    friend class TTreeView;
    std::vector<std::unique_ptr<TTreeNode>>& Siblings() const;
    int SubtreeSize() const;

    TTreeNodes* FOwner;
    TTreeNode* FParent;
    std::vector<std::unique_ptr<TTreeNode>> FChildren;
    std::string FText;
    int FImageIndex{ -1 };
    int FSelectedIndex{ -1 };
    void* FData{ nullptr };
    bool FHasChildren{ false };
    bool FExpanded{ false };
};

// The nodes of a tree view. Between BeginUpdate and EndUpdate the view neither lays out nor
// repaints.
class TTreeNodes {
public:
    explicit TTreeNodes(TTreeView* owner);
    ~TTreeNodes();
    TTreeNodes(const TTreeNodes&) = delete;
    TTreeNodes& operator=(const TTreeNodes&) = delete;

    TTreeView* Owner() const { return FOwner; }
    // Every node, at any depth.
    int Count() const { return FCount; }
    // By absolute (depth-first) index; raises EListError outside the tree.
    TTreeNode* Item(int index) const;
    TTreeNode* operator[](int index) const { return Item(index); }
    TTreeNode* GetFirstNode() const;
    int RootCount() const { return int(FRoots.size()); }

    // A node after the last sibling of sibling (a root when sibling is nullptr).
    TTreeNode* Add(TTreeNode* sibling, const std::string& text);
    TTreeNode* AddFirst(TTreeNode* sibling, const std::string& text);
    TTreeNode* AddChild(TTreeNode* parent, const std::string& text);
    TTreeNode* AddChildFirst(TTreeNode* parent, const std::string& text);
    // A node just before sibling.
    TTreeNode* Insert(TTreeNode* sibling, const std::string& text);
    void Delete(TTreeNode* node);
    void Clear();

    void BeginUpdate();
    void EndUpdate();
    bool Updating() const { return FUpdateCount > 0; }

private:
    friend class TTreeNode;
    friend class TTreeView;
    TTreeNode* InsertAt(TTreeNode* parent, int index, const std::string& text);
    void Changed();

    TTreeView* FOwner;
    std::vector<std::unique_ptr<TTreeNode>> FRoots;
    int FCount{ 0 };
    int FUpdateCount{ 0 };
};
