#pragma once
// Pointer input for benchmarks, through the headless display as a hand would give it.
#include "platform/forms/TControl.h"
#include "platform/win/Messaging.h"
#include "platform/win/headless/HeadlessBackend.h"

#include <benchmark/benchmark.h>

// Presses at grip (client coordinates of control), then moves the pointer one pixel per
// iteration along x (or along y when vertical), back and forth over travel pixels, and releases.
inline void DragEachIteration(benchmark::State& state, TControl& control, const TPoint& grip,
                              int travel, bool vertical = false) {
    auto& display = static_cast<win::HeadlessBackend&>(win::CurrentBackend());
    const TPoint start = control.ClientToScreen(grip);
    display.MoveMouse(start.X, start.Y);
    display.PressButton();
    win::ProcessPendingMessages();
    int offset = 0;
    int step = 1;
    for (auto _ : state) {
        if (offset + step < 0 || offset + step > travel) step = -step;
        offset += step;
        display.MoveMouse(start.X + (vertical ? 0 : offset), start.Y + (vertical ? offset : 0));
        win::ProcessPendingMessages();
    }
    display.ReleaseButton();
    win::ProcessPendingMessages();
}

// A press and release at point (client coordinates of control).
inline void ClickAt(TControl& control, const TPoint& point) {
    auto& display = static_cast<win::HeadlessBackend&>(win::CurrentBackend());
    const TPoint at = control.ClientToScreen(point);
    display.MoveMouse(at.X, at.Y);
    display.PressButton();
    win::ProcessPendingMessages();
    display.ReleaseButton();
    win::ProcessPendingMessages();
}
