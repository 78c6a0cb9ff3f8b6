// The press-drag-release gesture of the drop-down pickers: which releases close the list, and
// which of the list's own button messages it keeps from the list.
#include "lib/controls/bsDropListDrag.h"
#include "platform/forms/TWinControl.h"
#include "platform/win/Messages.h"

#include <gtest/gtest.h>

namespace {

TEST(DropListDrag, ReleaseWithoutEnteringTheListKeepsItOpenAndEndsThePress) {
    for (const bool down : { false, true }) {
        bool lbDown = down, wasInLB = false;
        const TbsDropListDrag drag{ lbDown, wasInLB };
        EXPECT_FALSE(drag.Release(nullptr).has_value());
        EXPECT_FALSE(lbDown);
    }
    bool lbDown = false, wasInLB = true;
    const TbsDropListDrag drag{ lbDown, wasInLB };
    EXPECT_FALSE(drag.Release(nullptr).has_value());
}

TEST(DropListDrag, OnlyOtherButtonMessagesAreSwallowedWithoutStartingADrag) {
    // An owner with no window yet: only a left press may need its handle.
    TWinControl owner(nullptr);
    struct Case {
        unsigned msg;
        bool swallowed;
    };
    for (const Case c : { Case{ win::WM_LBUTTONUP, true }, Case{ win::WM_RBUTTONDOWN, true },
                          Case{ win::WM_RBUTTONUP, true }, Case{ win::WM_MBUTTONDOWN, true },
                          Case{ win::WM_MBUTTONUP, true }, Case{ win::WM_MOUSEMOVE, false },
                          Case{ win::WM_MOUSEACTIVATE, false } }) {
        bool lbDown = false, wasInLB = false;
        TMessage message{};
        message.Msg = c.msg;
        const TbsDropListDrag drag{ lbDown, wasInLB };
        EXPECT_EQ(drag.SwallowListButton(message, owner), c.swallowed) << c.msg;
        EXPECT_FALSE(lbDown);
        EXPECT_FALSE(wasInLB);
    }
}

} // namespace
