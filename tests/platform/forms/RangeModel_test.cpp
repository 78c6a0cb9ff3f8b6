#include "platform/forms/TRangeModel.h"
#include <climits>
#include <gtest/gtest.h>
#include <string>

namespace {

enum TSetter { setPosition, setMin, setMax, setPageSize };

struct TRangeState {
    int Min;
    int Max;
    int PageSize;
    int Position;
};

struct RangeCase {
    TRangeRules rules;
    TRangeState before;
    TSetter setter;
    int value;
    TRangeState after;
    bool changed;
    bool notify;
};

constexpr TRangeRules kClamp{};
constexpr TRangeRules kRefuse{ .ClampPosition = false };
constexpr TRangeRules kClampTellAll{ .NotifySameValue = true };
constexpr TRangeRules kRefuseTellAll{ .ClampPosition = false, .NotifySameValue = true };
constexpr int kLo = INT_MIN;
constexpr int kHi = INT_MAX;

TRangeChange Apply(TRangeModel& range, TSetter setter, int value) {
    switch (setter) {
    case setPosition:
        return range.SetPosition(value);
    case setMin:
        return range.SetMin(value);
    case setMax:
        return range.SetMax(value);
    case setPageSize:
        return range.SetPageSize(value);
    }
    return {};
}

std::string Describe(const RangeCase& c) {
    const char* setters[] = { "SetPosition", "SetMin", "SetMax", "SetPageSize" };
    const TRangeState& b = c.before;
    return std::string(setters[c.setter]) + "(" + std::to_string(c.value) + ") on " +
           std::to_string(b.Min) + ".." + std::to_string(b.Max) + " page " +
           std::to_string(b.PageSize) + " at " + std::to_string(b.Position) +
           (c.rules.ClampPosition ? ", clamping" : ", refusing") +
           (c.rules.NotifySameValue ? ", telling every value" : "");
}

TEST(RangeModel, KeepsThePositionInsideByItsRules) {
    const RangeCase kCases[] = {
        // Clamped, told when it moved.
        { kClamp, { 0, 100, 0, 50 }, setPosition, 70, { 0, 100, 0, 70 }, true, true },
        { kClamp, { 0, 100, 0, 50 }, setPosition, 150, { 0, 100, 0, 100 }, true, true },
        { kClamp, { 0, 100, 0, 50 }, setPosition, -5, { 0, 100, 0, 0 }, true, true },
        { kClamp, { 0, 100, 0, 50 }, setPosition, 50, { 0, 100, 0, 50 }, false, false },
        { kClamp, { 0, 100, 0, 100 }, setPosition, 101, { 0, 100, 0, 100 }, false, false },
        // A bound past the other takes it along; the position follows and is told.
        { kClamp, { 0, 100, 0, 50 }, setMin, 120, { 120, 120, 0, 120 }, true, true },
        { kClamp, { 0, 100, 0, 50 }, setMax, -10, { -10, -10, 0, -10 }, true, true },
        { kClamp, { 0, 100, 0, 50 }, setMax, 200, { 0, 200, 0, 50 }, true, false },
        { kClamp, { 0, 100, 0, 50 }, setMin, 0, { 0, 100, 0, 50 }, false, false },
        // A page stops the position at Max - PageSize + 1 and never exceeds the range.
        { kClamp, { 0, 100, 10, 0 }, setPosition, 100, { 0, 100, 10, 91 }, true, true },
        { kClamp, { 0, 100, 1, 0 }, setPosition, 100, { 0, 100, 1, 100 }, true, true },
        { kClamp, { 0, 100, 0, 50 }, setPageSize, 500, { 0, 100, 101, 0 }, true, true },
        { kClamp, { 0, 100, 5, 50 }, setPageSize, -3, { 0, 100, 0, 50 }, true, false },
        { kClamp, { 0, 100, 10, 91 }, setMax, 50, { 0, 50, 10, 41 }, true, true },
        { kClamp, { 0, 100, 50, 20 }, setMax, 20, { 0, 20, 21, 0 }, true, true },
        // Refused outside; a bound still brings the position inside.
        { kRefuse, { 0, 100, 0, 50 }, setPosition, 101, { 0, 100, 0, 50 }, false, false },
        { kRefuse, { 0, 100, 0, 50 }, setPosition, -1, { 0, 100, 0, 50 }, false, false },
        { kRefuse, { 0, 100, 10, 50 }, setPosition, 92, { 0, 100, 10, 50 }, false, false },
        { kRefuse, { 0, 100, 0, 50 }, setPosition, 100, { 0, 100, 0, 100 }, true, true },
        { kRefuse, { 0, 100, 0, 50 }, setMax, 10, { 0, 10, 0, 10 }, true, true },
        // Every accepted position told, the same one too; a bound that keeps it is not.
        { kClampTellAll, { 0, 100, 0, 50 }, setPosition, 50, { 0, 100, 0, 50 }, false, true },
        { kClampTellAll, { 0, 100, 0, 50 }, setMax, 200, { 0, 200, 0, 50 }, true, false },
        { kRefuseTellAll, { 0, 100, 0, 50 }, setPosition, 50, { 0, 100, 0, 50 }, false, true },
        { kRefuseTellAll, { 0, 100, 0, 50 }, setPosition, 101, { 0, 100, 0, 50 }, false, false },
        // The whole of int, whose size does not fit an int.
        { kClamp, { kLo, kHi, 0, 0 }, setPageSize, kHi, { kLo, kHi, kHi, 0 }, true, false },
        { kClamp, { kLo, kHi, 2, 0 }, setPosition, kHi, { kLo, kHi, 2, kHi - 1 }, true, true },
    };
    for (const RangeCase& c : kCases) {
        TRangeModel range(0, 0, c.rules);
        range.SetParams(c.before.Position, c.before.Min, c.before.Max, c.before.PageSize);
        const TRangeChange change = Apply(range, c.setter, c.value);
        const std::string what = Describe(c);
        EXPECT_EQ(range.Min(), c.after.Min) << what;
        EXPECT_EQ(range.Max(), c.after.Max) << what;
        EXPECT_EQ(range.PageSize(), c.after.PageSize) << what;
        EXPECT_EQ(range.Position(), c.after.Position) << what;
        EXPECT_EQ(change.Changed, c.changed) << what;
        EXPECT_EQ(change.Notify, c.notify) << what;
    }
}

} // namespace
