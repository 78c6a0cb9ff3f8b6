#include "lib/frame/TbsQuickButtonItem.h"

void TbsQuickButtonItem::Assign(const TPersistent* source) {
    const auto* other = dynamic_cast<const TbsQuickButtonItem*>(source);
    if (!other) {
        TCollectionItem::Assign(source);
        return;
    }
    FImageIndex = other->FImageIndex;
    FHint = other->FHint;
    FEnabled = other->FEnabled;
    FVisible = other->FVisible;
    Changed(false);
}

void TbsQuickButtonItem::SetImageIndex(int value) {
    FImageIndex = value;
    Changed(false);
}

void TbsQuickButtonItem::SetEnabled(bool value) {
    FEnabled = value;
    Changed(false);
}

void TbsQuickButtonItem::SetVisible(bool value) {
    FVisible = value;
    Changed(false);
}
