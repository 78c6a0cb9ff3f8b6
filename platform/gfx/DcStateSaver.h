#pragma once
#include "platform/gfx/DeviceContext.h"

namespace gfx {

// Saves a DC's state (selected objects, colours, modes, origins, clip) for a scope and brings
// it back when the scope ends, however it ends: an early return or an exception cannot leave
// the DC with another clip or origin. States saved inside the scope and not restored go too.
class DcStateSaver {
public:
    explicit DcStateSaver(win::HDC dc) : FDc(dc), FLevel(win::SaveDC(dc)) {}
    ~DcStateSaver() {
        if (FLevel > 0) win::RestoreDC(FDc, FLevel);
    }
    DcStateSaver(const DcStateSaver&) = delete;
    DcStateSaver& operator=(const DcStateSaver&) = delete;

private:
    win::HDC FDc;
    int FLevel; // 0: the DC could not be saved, so there is nothing to restore
};

} // namespace gfx
