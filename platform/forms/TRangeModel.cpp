#include "platform/forms/TRangeModel.h"
#include <algorithm>

TRangeModel::TRangeModel(int min, int max, TRangeRules rules)
    : FMin(min), FMax(std::max(min, max)), FPosition(min), FRules(rules) {}

int TRangeModel::MaxPosition() const {
    // Max - (PageSize - 1) cannot overflow: the page never exceeds the range.
    return std::max(FMin, FMax - (std::max(FPageSize, 1) - 1));
}

TRangeChange TRangeModel::SetMin(int value) {
    return SetParams(FPosition, value, std::max(FMax, value));
}

TRangeChange TRangeModel::SetMax(int value) {
    return SetParams(FPosition, std::min(FMin, value), value);
}

TRangeChange TRangeModel::SetPosition(int value) {
    if (FRules.ClampPosition) {
        TRangeChange change = SetParams(value, FMin, FMax);
        change.Notify = change.Notify || FRules.NotifySameValue;
        return change;
    }
    if (value < FMin || value > MaxPosition()) return {};
    const bool moved = value != FPosition;
    FPosition = value;
    return { moved, moved || FRules.NotifySameValue };
}

TRangeChange TRangeModel::SetParams(int position, int min, int max, int pageSize) {
    max = std::max(min, max);
    // In 64 bits: the whole range of int is one more than int holds.
    const long long whole = (long long)max - min + 1;
    pageSize = int(std::clamp<long long>(pageSize, 0, whole));
    const bool changed = min != FMin || max != FMax || pageSize != FPageSize;
    FMin = min;
    FMax = max;
    FPageSize = pageSize;
    position = std::clamp(position, FMin, MaxPosition());
    const bool moved = position != FPosition;
    FPosition = position;
    return { changed || moved, moved };
}
