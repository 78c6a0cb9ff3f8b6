#include "XServer.h"

#include <csignal>
#include <cstring>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace x11test {

XServer::XServer(int width, int height) {
    int fds[2];
    if (pipe(fds) != 0) return;
    const std::string fd = std::to_string(fds[1]);
    const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
    const char* argv[] = { "Xvfb",         "-displayfd", fd.c_str(), "-screen", "0",
                           screen.c_str(), "-nolisten",  "tcp",      nullptr };
    if (posix_spawnp(&FPid, "Xvfb", nullptr, nullptr, const_cast<char**>(argv), environ) != 0)
        FPid = -1;
    close(fds[1]);
    // The server writes its display number on the pipe once it accepts clients.
    if (FPid > 0) {
        pollfd p{ fds[0], POLLIN, 0 };
        char number[16]{};
        if (poll(&p, 1, 10000) > 0 && read(fds[0], number, sizeof number - 1) > 0)
            FName = ":" + std::string(number, std::strcspn(number, "\n"));
    }
    close(fds[0]);
}

XServer::~XServer() {
    if (FPid > 0) {
        kill(FPid, SIGTERM);
        waitpid(FPid, nullptr, 0);
    }
}

} // namespace x11test
