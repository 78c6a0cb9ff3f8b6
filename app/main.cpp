#include "app/Program.h"
#include "platform/forms/TApplication.h"
#include "platform/rtl/FileSystem.h"
#include "platform/shell/X11Tray.h"
#include "platform/win/Backend.h"
#include "platform/win/x11/X11Backend.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <malloc.h>
#include <memory>

namespace {

// Window buffers and skin pictures of a few megabytes come and go with every resize, repaint and
// skin change. Handed back to the system each time, every new one faults in again page by page,
// which costs more than drawing into it; kept in the heap they are reused. The largest blocks
// still get their own mappings and leave when freed.
void KeepFreedPictureMemoryForReuse() {
    mallopt(M_MMAP_THRESHOLD, 4 << 20);
    mallopt(M_TRIM_THRESHOLD, 16 << 20);
}

} // namespace

int main() {
    KeepFreedPictureMemoryForReuse();
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
