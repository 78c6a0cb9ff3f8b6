#include "lib/skindraw/bsSystemVersion.h"

#include "platform/win/Painting.h"

#include <gtest/gtest.h>

namespace {

TEST(SystemVersionTest, VersionRules) {
    const struct {
        int major, minor;
        bool vista, xp, layered;
    } cases[] = {
        { 4, 10, false, false, false }, { 5, 0, false, false, true }, { 5, 1, false, true, true },
        { 5, 2, false, false, true },   { 6, 0, true, true, true },   { 6, 1, true, true, true },
        { 10, 0, true, true, true },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsVistaOrLater(c.major, c.minor), c.vista) << c.major << "." << c.minor;
        EXPECT_EQ(IsXPOrLater(c.major, c.minor), c.xp) << c.major << "." << c.minor;
        EXPECT_EQ(CanUseLayeredWindows(c.major, c.minor), c.layered) << c.major << "." << c.minor;
    }
}

TEST(SystemVersionTest, RunningSystemIsSixOneAndLayersOnlyWhereTheDisplayComposes) {
    int major = 0, minor = 0;
    GetWindowsVersion(major, minor);
    EXPECT_EQ(major, 6);
    EXPECT_EQ(minor, 1);
    EXPECT_TRUE(IsVistaOrLater());
    EXPECT_TRUE(IsXPOrLater());
    EXPECT_EQ(CanUseLayeredWindows(), win::LayeredWindowsAvailable());
    SetWindowAlpha(nullptr, 128); // no window: nothing happens
}

} // namespace
