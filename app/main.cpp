#include "app/Program.h"
#include "platform/forms/TApplication.h"
#include "platform/rtl/FileSystem.h"
#include "platform/shell/X11Tray.h"
#include "platform/win/Backend.h"
#include "platform/win/x11/X11Backend.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>

int main() {
    // Settings, snapshots and outputs alike report a write past the file-size limit.
    LetFileSizeLimitFailWrites();
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0') {
        std::fprintf(stderr, "vobconv: no X display (DISPLAY is not set); the program needs a "
                             "graphical session.\n");
        return 1;
    }
    win::X11Backend* x11 = nullptr;
    try {
        auto backend = std::make_unique<win::X11Backend>(display);
        x11 = backend.get();
        win::InstallBackend(std::move(backend));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "vobconv: cannot open the X display %s: %s\n", display, error.what());
        return 1;
    }
    int result = 0;
    {
        TApplication application(nullptr);
        // The desktop's system tray serves the program's tray icon while the application lives.
        win::InstallTrayBackend(std::make_unique<win::X11Tray>(*x11));
        try {
            CreateProgramWindows(application);
            application.Run();
        } catch (const std::exception& error) {
            std::fprintf(stderr, "vobconv: %s\n", error.what());
            result = 1;
        }
        win::InstallTrayBackend(nullptr);
    }
    win::InstallBackend(nullptr);
    return result;
}
