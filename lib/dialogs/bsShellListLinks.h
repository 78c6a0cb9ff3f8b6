#pragma once
#include "lib/dialogs/bsShellTypes.h"
#include "platform/shell/ShellFolder.h"

class TComponent;
class TbsCustomShellListView;

// What the file list asks of a folder tree it is linked to. The tree implements it; the list
// keeps the link as this interface so that neither needs the other's class.
class IbsShellTreeLink {
public:
    virtual ~IbsShellTreeLink() = default;
    // The component behind the link, for its removal notice.
    virtual TComponent* LinkComponent() = 0;
    virtual TRoot LinkRoot() const = 0;
    // Through the tree's Root setter, so a text equal to its own (ignoring case) does nothing.
    virtual void SetLinkRoot(const TRoot& value) = 0;
    // Selects the folder of an absolute list.
    virtual void SelectPidl(const TItemIdList& absolute) = 0;
    // Rereads the selected node after the list renamed one of its items.
    virtual void RefreshSelectedNode() = 0;
    // The tree's back-reference to its list, written directly (null clears it).
    virtual TbsCustomShellListView* ListViewLink() const = 0;
    virtual void SetListViewLink(TbsCustomShellListView* list) = 0;
};

// What the file list asks of a location combo box it is linked to.
class IbsShellComboLink {
public:
    virtual ~IbsShellComboLink() = default;
    virtual TComponent* LinkComponent() = 0;
    virtual TRoot LinkRoot() const = 0;
    virtual void SetLinkRoot(const TRoot& value) = 0;
    // Shows the folder of an absolute list, unless its selected row already does.
    virtual void FollowPidl(const TItemIdList& absolute) = 0;
    virtual TbsCustomShellListView* ListViewLink() const = 0;
    virtual void SetListViewLink(TbsCustomShellListView* list) = 0;
};
