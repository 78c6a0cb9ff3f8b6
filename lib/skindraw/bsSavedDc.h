#pragma once
#include "platform/gfx/DeviceContext.h"

// Restores a DC's state (clip, origin, selected objects) at the end of a scope, so that an
// early return or an exception cannot leave the DC changed.
class TSavedDc {
public:
    explicit TSavedDc(win::HDC dc) : FDc(dc), FLevel(win::SaveDC(dc)) {}
    ~TSavedDc() { win::RestoreDC(FDc, FLevel); }
    TSavedDc(const TSavedDc&) = delete;
    TSavedDc& operator=(const TSavedDc&) = delete;

private:
    win::HDC FDc;
    int FLevel;
};
