#pragma once
#include "tests/platform/forms/ControlsFixture.h"

#include <cstdint>

// A shown form whose controls are driven by injected pointer input on the headless display's
// fake clock.
class PointerTest : public formstest::ControlsTest {
protected:
    // Moves the pointer to a client point of the control.
    void MoveTo(TControl* control, int x, int y);
    void MoveTo(TControl* control, const TPoint& p) { MoveTo(control, p.X, p.Y); }
    void Press();
    void Release();
    // Lets the fake clock run ms milliseconds, handling what comes due on the way in steps of
    // `step` (timers are never caught up: each due tick needs its own turn).
    void Wait(int ms, int step = 10);
    std::uint64_t Now() const;
};
