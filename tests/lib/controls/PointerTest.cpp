#include "PointerTest.h"

#include <algorithm>

void PointerTest::MoveTo(TControl* control, int x, int y) {
    const TPoint p = control->ClientToScreen(TPoint(x, y));
    FDisplay->MoveMouse(p.X, p.Y);
    Pump();
}

void PointerTest::Press() {
    FDisplay->PressButton();
    Pump();
}

void PointerTest::Release() {
    FDisplay->ReleaseButton();
    Pump();
}

void PointerTest::Wait(int ms, int step) {
    for (int waited = 0; waited < ms; waited += step) {
        FDisplay->Time().Advance(std::uint64_t(std::min(step, ms - waited)));
        Pump();
    }
}

std::uint64_t PointerTest::Now() const {
    return FDisplay->Time().NowMs();
}
