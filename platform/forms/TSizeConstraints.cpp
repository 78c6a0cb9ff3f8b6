#include "platform/forms/TSizeConstraints.h"
#include <algorithm>

void TSizeConstraints::SetMinWidth(int value) {
    if (value == FMinWidth) return;
    FMinWidth = std::max(0, value);
    if (FMaxWidth > 0 && FMaxWidth < FMinWidth) FMaxWidth = FMinWidth;
    Changed();
}

void TSizeConstraints::SetMinHeight(int value) {
    if (value == FMinHeight) return;
    FMinHeight = std::max(0, value);
    if (FMaxHeight > 0 && FMaxHeight < FMinHeight) FMaxHeight = FMinHeight;
    Changed();
}

void TSizeConstraints::SetMaxWidth(int value) {
    if (value == FMaxWidth) return;
    FMaxWidth = std::max(0, value);
    if (FMaxWidth > 0 && FMinWidth > FMaxWidth) FMinWidth = FMaxWidth;
    Changed();
}

void TSizeConstraints::SetMaxHeight(int value) {
    if (value == FMaxHeight) return;
    FMaxHeight = std::max(0, value);
    if (FMaxHeight > 0 && FMinHeight > FMaxHeight) FMinHeight = FMaxHeight;
    Changed();
}

void TSizeConstraints::Constrain(int& width, int& height) const {
    if (FMaxWidth > 0) width = std::min(width, FMaxWidth);
    if (FMaxHeight > 0) height = std::min(height, FMaxHeight);
    width = std::max(width, FMinWidth);
    height = std::max(height, FMinHeight);
}

void TSizeConstraints::Assign(const TPersistent* source) {
    const auto* other = dynamic_cast<const TSizeConstraints*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    FMinWidth = other->FMinWidth;
    FMinHeight = other->FMinHeight;
    FMaxWidth = other->FMaxWidth;
    FMaxHeight = other->FMaxHeight;
    Changed();
}

void TSizeConstraints::Changed() {
    if (OnChange) OnChange();
}
