#pragma once
#include <string>
#include <sys/types.h>

namespace x11test {

// A private X server for one test, with one screen of the given size in 24-bit colour. Name()
// is the display (":N") once the server accepts clients; empty when none could be started.
class XServer {
public:
    XServer(int width, int height);
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;
    const std::string& Name() const { return FName; }

private:
    pid_t FPid{ -1 };
    std::string FName;
};

} // namespace x11test
