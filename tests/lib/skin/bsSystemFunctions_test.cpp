#include "lib/skindraw/bsSystemFunctions.h"

#include "lib/skindraw/bsPixelCore.h"

#include <gtest/gtest.h>

namespace {

TEST(SystemFunctions, LookedUpOnceAndAgreeWithThePixelRoutines) {
    const TSystemFunctions& functions = InitSystemFunctions();
    EXPECT_EQ(&InitSystemFunctions(), &functions);
    EXPECT_EQ(functions.MMX, HasMMX());
    EXPECT_EQ(PixelRoutines().VectorBlend(), functions.MMX);
    EXPECT_EQ(functions.TransparentBlt, TransparentBltLoaded());
    // The window system provides every optional call, so no user has to fall back.
    const bool present[] = { functions.User32,
                             functions.MonitorFromWindow,
                             functions.GetMonitorInfo,
                             functions.GetScrollBarInfo,
                             functions.SetLayeredWindowAttributes,
                             functions.UpdateLayeredWindow,
                             functions.NT };
    for (bool p : present)
        EXPECT_TRUE(p);
}

} // namespace
