#include "FormsTestSupport.h"
#include "platform/forms/TTimer.h"

namespace formstest {
namespace {

using Timers = FormsTest;

TEST_F(Timers, FireEveryIntervalOnlyWhileEnabledWithAHandler) {
    TComponent owner(nullptr);
    auto* timer = new TTimer(&owner);
    timer->SetInterval(100);
    int ticks = 0;
    FDisplay->Time().Advance(500);
    Pump();
    EXPECT_EQ(ticks, 0) << "no handler, no timer";
    timer->SetOnTimer([&](TObject* sender) {
        EXPECT_EQ(sender, timer);
        ++ticks;
    });
    for (int i = 0; i < 3; ++i) {
        FDisplay->Time().Advance(100);
        Pump();
    }
    EXPECT_EQ(ticks, 3);
    timer->SetEnabled(false);
    FDisplay->Time().Advance(300);
    Pump();
    EXPECT_EQ(ticks, 3);
    timer->SetEnabled(true);
    timer->SetInterval(0);
    FDisplay->Time().Advance(300);
    Pump();
    EXPECT_EQ(ticks, 3);
    timer->SetInterval(50);
    FDisplay->Time().Advance(50);
    Pump();
    EXPECT_EQ(ticks, 4);
}

TEST_F(Timers, AHandlerMayFreeItsOwnTimer) {
    auto* timer = new TTimer(nullptr);
    int ticks = 0;
    timer->SetInterval(10);
    timer->SetOnTimer([&](TObject*) {
        ++ticks;
        delete timer;
    });
    FDisplay->Time().Advance(30);
    Pump();
    FDisplay->Time().Advance(30);
    Pump();
    EXPECT_EQ(ticks, 1);
}

} // namespace
} // namespace formstest
