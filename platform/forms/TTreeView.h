#pragma once
#include "platform/forms/TControlScrollBars.h"
#include "platform/forms/TCustomControl.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TLabelEditing.h"
#include "platform/forms/TTreeNodes.h"
#include "platform/forms/TTypeAhead.h"
#include "platform/win/ScrollInfo.h"
#include <functional>
#include <vector>

class TCustomImageList;

using TTVChangedEvent = std::function<void(TObject* sender, TTreeNode* node)>;
using TTVChangingEvent = std::function<void(TObject* sender, TTreeNode* node, bool& allowChange)>;
using TTVExpandingEvent =
    std::function<void(TObject* sender, TTreeNode* node, bool& allowExpansion)>;
using TTVCollapsingEvent =
    std::function<void(TObject* sender, TTreeNode* node, bool& allowCollapse)>;
using TTVExpandedEvent = std::function<void(TObject* sender, TTreeNode* node)>;
using TTVEditingEvent = std::function<void(TObject* sender, TTreeNode* node, bool& allowEdit)>;
using TTVEditedEvent = std::function<void(TObject* sender, TTreeNode* node, std::string& text)>;
using TTVNodeEvent = std::function<void(TObject* sender, TTreeNode* node)>;

// The tree view: nodes in rows, indented by level, with lines, expand buttons and images;
// expanding, collapsing and selecting by mouse and keys; in-place renaming. The scroll state
// (rows down, pixels across) is readable with GetScrollInfo whether or not bars are shown,
// and the view answers the TVM_ messages. Where a message carries an item handle it is the
// TTreeNode pointer; TVM_SETIMAGELIST carries the TCustomImageList pointer.
class TTreeView : public TCustomControl {
public:
    explicit TTreeView(TComponent* owner);
    ~TTreeView() override;

    std::string ClassName() const override { return "TTreeView"; }

    TTreeNodes& Items() { return FItems; }
    const TTreeNodes& Items() const { return FItems; }
    TTreeNode* Selected() const { return FSelected; }
    void SetSelected(TTreeNode* node);
    TTreeNode* TopItem() const;
    void SetTopItem(TTreeNode* node);
    // Rows that fit whole.
    int VisibleCount() const;
    TTreeNode* GetNodeAt(int x, int y) const;
    void FullExpand();
    void FullCollapse();
    // Orders the top nodes (and with recurse every level) by compare, or by text.
    bool CustomSort(const TTVCompare& compare, bool recurse = false);
    bool AlphaSort(bool recurse = false);
    bool IsEditing() const;

    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* value);
    TCustomImageList* StateImages() const { return FStateImages; }
    void SetStateImages(TCustomImageList* value);
    int Indent() const { return FIndent; }
    void SetIndent(int value);
    bool ShowLines() const { return FShowLines; }
    void SetShowLines(bool value);
    bool ShowRoot() const { return FShowRoot; }
    void SetShowRoot(bool value);
    bool ShowButtons() const { return FShowButtons; }
    void SetShowButtons(bool value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value) { FReadOnly = value; }
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool value);
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    // A right click on a node selects it before the context menu opens.
    bool RightClickSelect() const { return FRightClickSelect; }
    void SetRightClickSelect(bool value) { FRightClickSelect = value; }
    void SetBorderStyle(TFormBorderStyle value);

    // Called by the nodes.
    void NodesChanged();
    void NodeChanged(TTreeNode* node);
    void NodeRemoving(TTreeNode* node);
    bool ExpandNode(TTreeNode* node, bool expand);
    void MakeNodeVisible(TTreeNode* node);
    TRect NodeRect(const TTreeNode* node, bool textOnly) const;
    bool EditNode(TTreeNode* node);

    void WndProc(TMessage& message) override;

    TTVChangedEvent OnChange;
    TTVChangingEvent OnChanging;
    TTVExpandingEvent OnExpanding;
    TTVExpandedEvent OnExpanded;
    TTVCollapsingEvent OnCollapsing;
    TTVExpandedEvent OnCollapsed;
    TTVEditingEvent OnEditing;
    TTVEditedEvent OnEdited;
    // A node is about to be freed; its children come first. Not while the view itself goes.
    TTVNodeEvent OnDeletion;
    // Asked before a node is drawn, to fill in its image indexes.
    TTVNodeEvent OnGetImageIndex;
    TTVNodeEvent OnGetSelectedIndex;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Paint() override;
    void KeyDown(unsigned short& key, TShiftState shift) override;
    // Typing moves to the next shown node whose text starts with what was typed.
    void KeyPress(char32_t& key) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void Notification(TComponent* component, TOperation operation) override;
    void FontChanged() override;
    virtual bool CanChange(TTreeNode* node);
    virtual void Change(TTreeNode* node);
    // The hooks a descendant overrides; each runs its event.
    virtual bool CanExpand(TTreeNode* node);
    virtual void Expand(TTreeNode* node);
    virtual bool CanCollapse(TTreeNode* node);
    virtual void Collapse(TTreeNode* node);
    virtual void Delete(TTreeNode* node);
    virtual void GetImageIndex(TTreeNode* node);
    virtual void GetSelectedIndex(TTreeNode* node);
    // A rename ended; text is nullptr when it was cancelled.
    virtual void Edit(TTreeNode* node, const std::string* text);

private:
    // Where a point lies on a row.
    enum THitPart { hpNowhere, hpIndent, hpButton, hpIcon, hpLabel, hpRight };

    const std::vector<TTreeNode*>& Rows() const;
    int RowOf(const TTreeNode* node) const;
    int RowHeight() const;
    int NodeLeft(const TTreeNode* node) const;
    int TextWidth(const TTreeNode* node) const;
    THitPart HitTest(int x, int y, TTreeNode*& node) const;
    // Selects as the user does: OnChanging may refuse.
    bool UserSelect(TTreeNode* node);
    void Relayout();
    void ScrollTo(int x, int row);
    void ClampScroll();
    void GetScroll(int bar, win::SCROLLINFO& info) const;
    // Hands the view's scroll state to its bars, which show while there is something to scroll.
    void UpdateScrollBars();
    void ScrollMessage(int bar, int code, int thumb);
    int ContentWidth() const;
    void PaintRow(TTreeNode* node, int row);
    TMessageAnswer TreeMessage(const TMessage& message);
    TTreeNode* NodeOf(win::LPARAM l) const;

    TTreeNodes FItems;
    TTreeNode* FSelected{ nullptr };
    TLabelEditing<TTreeNode, TTreeNode*> FLabelEditing;
    TCustomImageList* FImages{ nullptr };
    TCustomImageList* FStateImages{ nullptr };
    int FIndent{ 19 };
    bool FShowLines{ true };
    bool FShowRoot{ true };
    bool FShowButtons{ true };
    bool FReadOnly{ false };
    bool FHideSelection{ true };
    TFormBorderStyle FBorderStyle{ bsSingle };
    bool FRightClickSelect{ true };
    int FTopRow{ 0 };
    int FScrollX{ 0 };
    TControlScrollBars FScrollBars{ *this };
    TTypeAhead FTypeAhead;
    int FTextHeight{ 13 };
    mutable std::vector<TTreeNode*> FRows;
    mutable bool FRowsValid{ false };
};
