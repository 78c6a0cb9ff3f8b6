#pragma once
#include "lib/dialogs/bsShellFolderQueries.h"
#include "platform/forms/TComponent.h"
#include "platform/rtl/TextUtils.h"

#include <memory>
#include <string>
#include <utility>

// Raises a re-entrancy flag for a scope and puts back what it was, however the scope ends.
class TFlagGuard {
public:
    explicit TFlagGuard(bool& flag) : FFlag(flag), FWas(std::exchange(flag, true)) {}
    ~TFlagGuard() { FFlag = FWas; }
    TFlagGuard(const TFlagGuard&) = delete;
    TFlagGuard& operator=(const TFlagGuard&) = delete;

private:
    bool& FFlag;
    bool FWas;
};

// Links self's partner field to value, as the shell tree, list and combo box link in pairs:
// value takes self's root (rebuilding only when the texts differ) and points back at self;
// the partner it replaces no longer does, so it stops pushing folders to self. Each side is
// told when the other goes. backOf reads a partner's back-reference, setBack writes it.
template <class TSelf, class TPartner, class TBackOf, class TSetBack>
void LinkPartnerThrough(TSelf* self, TPartner*& field, TPartner* value, TBackOf backOf,
                        TSetBack setBack) {
    if (field == value) return;
    if (TPartner* old = field) {
        if (backOf(old) == self) setBack(old, static_cast<TSelf*>(nullptr));
        old->RemoveFreeNotification(self);
    }
    if (value) {
        value->SetRoot(self->Root());
        setBack(value, self);
        value->FreeNotification(self);
    }
    field = value;
}

// The same for a partner whose back-reference field self may write.
template <class TSelf, class TPartner, class TBack>
void LinkPartner(TSelf* self, TPartner*& field, TPartner* value, TBack* TPartner::*backRef) {
    LinkPartnerThrough(
        self, field, value, [backRef](TPartner* partner) { return partner->*backRef; },
        [backRef](TPartner* partner, TSelf* back) { partner->*backRef = back; });
}

// A Root setter's first step: false for a text equal to root ignoring case; else oldRoot
// keeps root and root takes the text.
inline bool TakeRootText(TRoot& root, TRoot& oldRoot, const TRoot& value) {
    if (CompareText(value, root) == 0) return false;
    oldRoot = root;
    root = value;
    return true;
}

// Resolves root into current as ResolveRootFolder does, but hands back the error text instead
// of raising it ("" on success), so that the control can show the previous root first.
inline std::string ResolveRootKeepingError(std::unique_ptr<TbsShellFolder>& current,
                                           const TRoot& oldRoot, TRoot& root) {
    try {
        ResolveRootFolder(current, oldRoot, root);
    } catch (const Exception& e) {
        return e.Message();
    }
    return {};
}
