#include "platform/forms/TRangeModel.h"
#include <climits>
#include <gtest/gtest.h>

namespace {

enum TSetter { setPosition, setMin, setMax, setPageSize };

struct TRangeState {
    int Min;
    int Max;
    int PageSize;
    int Position;
};

struct RangeCase {
    const char* what;
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

TEST(RangeModel, KeepsThePositionInsideByItsRules) {
    const RangeCase kCases[] = {
        { "a move", kClamp, { 0, 100, 0, 50 }, setPosition, 70, { 0, 100, 0, 70 }, true, true },
        { "above max",
          kClamp,
          { 0, 100, 0, 50 },
          setPosition,
          150,
          { 0, 100, 0, 100 },
          true,
          true },
        { "below min", kClamp, { 0, 100, 0, 50 }, setPosition, -5, { 0, 100, 0, 0 }, true, true },
        { "the same", kClamp, { 0, 100, 0, 50 }, setPosition, 50, { 0, 100, 0, 50 }, false, false },
        { "clamped to where it is",
          kClamp,
          { 0, 100, 0, 100 },
          setPosition,
          101,
          { 0, 100, 0, 100 },
          false,
          false },
        { "min above max raises max",
          kClamp,
          { 0, 100, 0, 50 },
          setMin,
          120,
          { 120, 120, 0, 120 },
          true,
          true },
        { "max below min lowers min",
          kClamp,
          { 0, 100, 0, 50 },
          setMax,
          -10,
          { -10, -10, 0, -10 },
          true,
          true },
        { "a wider range keeps the position",
          kClamp,
          { 0, 100, 0, 50 },
          setMax,
          200,
          { 0, 200, 0, 50 },
          true,
          false },
        { "the same bound", kClamp, { 0, 100, 0, 50 }, setMin, 0, { 0, 100, 0, 50 }, false, false },
        { "a page short of the end",
          kClamp,
          { 0, 100, 10, 0 },
          setPosition,
          100,
          { 0, 100, 10, 91 },
          true,
          true },
        { "a page of one is no shorter",
          kClamp,
          { 0, 100, 1, 0 },
          setPosition,
          100,
          { 0, 100, 1, 100 },
          true,
          true },
        { "a page past the range shrinks to it",
          kClamp,
          { 0, 100, 0, 50 },
          setPageSize,
          500,
          { 0, 100, 101, 0 },
          true,
          true },
        { "no page below nothing",
          kClamp,
          { 0, 100, 5, 50 },
          setPageSize,
          -3,
          { 0, 100, 0, 50 },
          true,
          false },
        { "a shorter range takes the page along",
          kClamp,
          { 0, 100, 10, 91 },
          setMax,
          50,
          { 0, 50, 10, 41 },
          true,
          true },
        { "a range shorter than the page shrinks it",
          kClamp,
          { 0, 100, 50, 20 },
          setMax,
          20,
          { 0, 20, 21, 0 },
          true,
          true },
        { "refused above max",
          kRefuse,
          { 0, 100, 0, 50 },
          setPosition,
          101,
          { 0, 100, 0, 50 },
          false,
          false },
        { "refused below min",
          kRefuse,
          { 0, 100, 0, 50 },
          setPosition,
          -1,
          { 0, 100, 0, 50 },
          false,
          false },
        { "refused past the page",
          kRefuse,
          { 0, 100, 10, 50 },
          setPosition,
          92,
          { 0, 100, 10, 50 },
          false,
          false },
        { "accepted inside",
          kRefuse,
          { 0, 100, 0, 50 },
          setPosition,
          100,
          { 0, 100, 0, 100 },
          true,
          true },
        { "a bound still moves the position",
          kRefuse,
          { 0, 100, 0, 50 },
          setMax,
          10,
          { 0, 10, 0, 10 },
          true,
          true },
        { "the same value told",
          kClampTellAll,
          { 0, 100, 0, 50 },
          setPosition,
          50,
          { 0, 100, 0, 50 },
          false,
          true },
        { "a bound that keeps the position is not",
          kClampTellAll,
          { 0, 100, 0, 50 },
          setMax,
          200,
          { 0, 200, 0, 50 },
          true,
          false },
        { "the same value told, refusing",
          kRefuseTellAll,
          { 0, 100, 0, 50 },
          setPosition,
          50,
          { 0, 100, 0, 50 },
          false,
          true },
        { "a refused value is not",
          kRefuseTellAll,
          { 0, 100, 0, 50 },
          setPosition,
          101,
          { 0, 100, 0, 50 },
          false,
          false },
        { "the whole of int with a page",
          kClamp,
          { INT_MIN, INT_MAX, 0, 0 },
          setPageSize,
          INT_MAX,
          { INT_MIN, INT_MAX, INT_MAX, 0 },
          true,
          false },
        { "to the last position of int",
          kClamp,
          { INT_MIN, INT_MAX, 2, 0 },
          setPosition,
          INT_MAX,
          { INT_MIN, INT_MAX, 2, INT_MAX - 1 },
          true,
          true },
    };
    for (const RangeCase& c : kCases) {
        TRangeModel range(0, 0, c.rules);
        range.SetParams(c.before.Position, c.before.Min, c.before.Max, c.before.PageSize);
        const TRangeChange change = Apply(range, c.setter, c.value);
        EXPECT_EQ(range.Min(), c.after.Min) << c.what;
        EXPECT_EQ(range.Max(), c.after.Max) << c.what;
        EXPECT_EQ(range.PageSize(), c.after.PageSize) << c.what;
        EXPECT_EQ(range.Position(), c.after.Position) << c.what;
        EXPECT_EQ(change.Changed, c.changed) << c.what;
        EXPECT_EQ(change.Notify, c.notify) << c.what;
    }
}

} // namespace
