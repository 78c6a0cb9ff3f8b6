#pragma once
#include <string>
#include <sys/types.h>

// Xlib's connection; declared alone, so that this header brings in none of its macros.
struct _XDisplay;

namespace x11test {

// A reparenting window manager (openbox) on a private display, for tests of how the program's
// windows behave under one. Running() holds once the manager has taken over the screen (it
// owns the WM_S0 selection, names its check window in _NET_SUPPORTING_WM_CHECK and frames a
// new window); false when openbox is not installed or did not take over in time, and the test
// then skips itself.
class XWindowManager {
public:
    explicit XWindowManager(const std::string& display);
    // Ends the manager; the windows it framed go back to the root window.
    ~XWindowManager();
    XWindowManager(const XWindowManager&) = delete;
    XWindowManager& operator=(const XWindowManager&) = delete;

    bool Running() const { return FRunning; }

private:
    _XDisplay* FDisplay{ nullptr };
    pid_t FPid{ -1 };
    bool FRunning{ false };
};

// Whether some window manager manages the display's first screen now.
bool XWindowManagerRuns(const std::string& display);

} // namespace x11test
