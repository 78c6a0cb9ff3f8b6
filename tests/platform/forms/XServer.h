#pragma once
#include "platform/gfx/Surface.h"
#include <string>
#include <sys/types.h>

namespace formstest {

// A private X server for one test; Name() is empty when none could be started.
class XServer {
public:
    XServer();
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;
    const std::string& Name() const { return FName; }

private:
    pid_t FPid{ -1 };
    std::string FName;
};

// A window's pixels as the server shows them, read over a connection of the test's own
// (empty when the server refuses it).
gfx::Surface CaptureXWindow(const std::string& display, unsigned long window, int width,
                            int height);

} // namespace formstest
