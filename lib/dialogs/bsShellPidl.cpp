#include "lib/dialogs/bsShellPidl.h"

#include "platform/shell/ShellNamespace.h"

TItemIdList PidlClone(const TItemIdList& list) {
    return list;
}

TItemIdList PidlJoin(const TItemIdList& a, const TItemIdList& b) {
    TItemIdList joined = a;
    joined.insert(joined.end(), b.begin(), b.end());
    return joined;
}

void PidlStripLast(TItemIdList& list) {
    if (!list.empty()) list.pop_back();
}

int PidlItemCount(const TItemIdList& list) {
    return int(list.size());
}

TItemIdList PidlLastItem(const TItemIdList& list) {
    if (list.empty()) return {};
    return { list.back() };
}

std::vector<TItemIdList> PidlChain(const TItemIdList& list) {
    std::vector<TItemIdList> chain;
    TItemIdList current = list;
    while (!current.empty()) {
        PidlStripLast(current);
        chain.insert(chain.begin(), current);
    }
    return chain;
}

bool PidlEqual(const TItemIdList& a, const TItemIdList& b) {
    return DesktopShellFolder()->CompareIDs(0, a, b) == 0;
}

TItemIdList GetDesktopPidl() {
    return {};
}

std::shared_ptr<IShellFolder> DesktopShellFolder() {
    return ShellNamespace()->DesktopFolder();
}
