#pragma once
#include <string>
#include <sys/types.h>

// Xlib's connection; declared alone, so that this header brings in none of its macros.
struct _XDisplay;

namespace x11test {

// A compositing manager (xcompmgr) on a private display, for tests of windows with alpha per
// pixel. Running() holds once it owns the screen's _NET_WM_CM_S0 selection; false when xcompmgr
// is not installed or did not take over in time, and the test then skips itself.
class XCompositor {
public:
    explicit XCompositor(const std::string& display);
    // Ends the compositor, as Stop does.
    ~XCompositor();
    XCompositor(const XCompositor&) = delete;
    XCompositor& operator=(const XCompositor&) = delete;
    bool Running() const { return FRunning; }
    // Ends it now and waits until the selection has no owner.
    void Stop();

private:
    _XDisplay* FDisplay{ nullptr };
    pid_t FPid{ -1 };
    bool FRunning{ false };
};

} // namespace x11test
