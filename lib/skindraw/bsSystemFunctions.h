#pragma once

// The optional system services the skin engine looks up once at start-up, and which of them the
// system has. A user of a missing one falls back or does nothing.
struct TSystemFunctions {
    bool MMX{ false };
    bool User32{ false };
    bool MonitorFromWindow{ false };
    bool GetMonitorInfo{ false };
    bool GetScrollBarInfo{ false };
    bool SetLayeredWindowAttributes{ false };
    bool UpdateLayeredWindow{ false };
    bool TransparentBlt{ false };
    // Text goes to the system as wide characters.
    bool NT{ false };
};

// Fills the table on the first call and returns the same table on every later one. Safe to call
// from anywhere: the pixel routines ask the processor and the drawing layer themselves, so they
// agree with this table whichever is filled first.
const TSystemFunctions& InitSystemFunctions();
