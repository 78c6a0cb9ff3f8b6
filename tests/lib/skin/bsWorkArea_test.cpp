#include "lib/skindraw/bsWorkArea.h"

#include "platform/win/Backend.h"
#include "platform/win/headless/HeadlessBackend.h"

#include <gtest/gtest.h>

namespace {

class WorkAreaTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto display = std::make_unique<win::HeadlessBackend>();
        FDisplay = display.get();
        win::InstallBackend(std::move(display));
    }
    void TearDown() override { win::InstallBackend(nullptr); }
    win::HeadlessBackend* FDisplay{ nullptr };
};

TEST_F(WorkAreaTest, OneMonitorGivesTheDesktopOrTheScreen) {
    EXPECT_FALSE(UseMonitorAPI());
    TRect r;
    GetMonitorWorkArea(nullptr, true, r);
    EXPECT_EQ(r, Rect(0, 0, 1280, 984));
    GetMonitorWorkArea(nullptr, false, r);
    EXPECT_EQ(r, Rect(0, 0, 1280, 1024));
}

TEST_F(WorkAreaTest, SeveralMonitorsAskTheNearestOne) {
    FDisplay->SetMonitors({ { { 0, 0, 1000, 800 }, { 0, 0, 1000, 770 }, true },
                            { { 1000, 0, 1800, 600 }, { 1000, 30, 1800, 600 }, false } });
    EXPECT_TRUE(UseMonitorAPI());
    TRect r;
    GetMonitorWorkArea(nullptr, true, r); // no window: the primary monitor is nearest
    EXPECT_EQ(r, Rect(0, 0, 1000, 770));
    GetMonitorWorkArea(nullptr, false, r);
    EXPECT_EQ(r, Rect(0, 0, 1000, 800));
}

} // namespace
