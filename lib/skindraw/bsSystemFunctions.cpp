#include "lib/skindraw/bsSystemFunctions.h"

#include "lib/skindraw/bsPixelCore.h"

namespace {

TSystemFunctions LookUp() {
    TSystemFunctions functions;
    functions.MMX = HasMMX();
    // The monitor, scroll-bar and layered-window calls belong to this platform's own window
    // system, so on Linux they always exist; whether a display composes layered windows is a
    // separate question (CanUseLayeredWindows). Nothing is loaded, so nothing is released at
    // program end.
    functions.User32 = true;
    functions.MonitorFromWindow = true;
    functions.GetMonitorInfo = true;
    functions.GetScrollBarInfo = true;
    functions.SetLayeredWindowAttributes = true;
    functions.UpdateLayeredWindow = true;
    functions.TransparentBlt = TransparentBltLoaded();
    functions.NT = true;
    return functions;
}

} // namespace

const TSystemFunctions& InitSystemFunctions() {
    static const TSystemFunctions functions = LookUp();
    return functions;
}
