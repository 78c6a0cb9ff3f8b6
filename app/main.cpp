#include <cstdio>
#include <cstdlib>

// The program's windows are not built yet: start, say so, and leave cleanly.
int main()
{
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0') {
        std::fprintf(stderr, "vobconv: no X display (DISPLAY is not set); the program needs a "
                             "graphical session.\n");
        return 1;
    }
    std::printf("vobconv: the main window is not available yet; nothing to show.\n");
    return 0;
}
