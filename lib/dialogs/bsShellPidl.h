#pragma once
#include "platform/shell/ShellFolder.h"

#include <memory>
#include <vector>

// Id lists are values: copies, joins and cuts need no allocator and nothing to free.

TItemIdList PidlClone(const TItemIdList& list);
// a followed by b.
TItemIdList PidlJoin(const TItemIdList& a, const TItemIdList& b);
// Takes the last item off in place; the empty list stays empty.
void PidlStripLast(TItemIdList& list);
int PidlItemCount(const TItemIdList& list);
// The last item alone; empty for the empty list.
TItemIdList PidlLastItem(const TItemIdList& list);
// The absolute lists of every ancestor of list, from the desktop (the empty list) down to
// its parent; list itself is not among them. As many entries as list has items.
std::vector<TItemIdList> PidlChain(const TItemIdList& list);
// Whether the desktop folder finds both lists the same item.
bool PidlEqual(const TItemIdList& a, const TItemIdList& b);
// The desktop's own list: the empty one.
TItemIdList GetDesktopPidl();

// The desktop folder of the namespace in use.
std::shared_ptr<IShellFolder> DesktopShellFolder();
