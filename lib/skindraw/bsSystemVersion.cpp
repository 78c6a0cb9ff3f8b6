#include "lib/skindraw/bsSystemVersion.h"

#include "platform/win/Painting.h"

namespace {

// The version the program reports for itself: the level whose features (layered windows,
// drop shadows) the platform layer provides.
constexpr int kMajor = 6;
constexpr int kMinor = 1;

} // namespace

void GetWindowsVersion(int& Major, int& Minor) {
    Major = kMajor;
    Minor = kMinor;
}

bool IsVistaOrLater(int major, int /*minor*/) {
    return major > 5;
}

bool IsXPOrLater(int major, int minor) {
    return major > 5 || (major == 5 && minor == 1);
}

bool CanUseLayeredWindows(int major, int minor) {
    return major > 5 || (major == 5 && minor >= 0 && minor <= 2);
}

bool IsVistaOrLater() {
    int major = 0, minor = 0;
    GetWindowsVersion(major, minor);
    return IsVistaOrLater(major, minor);
}

bool IsXPOrLater() {
    int major = 0, minor = 0;
    GetWindowsVersion(major, minor);
    return IsXPOrLater(major, minor);
}

bool CanUseLayeredWindows() {
    int major = 0, minor = 0;
    GetWindowsVersion(major, minor);
    return CanUseLayeredWindows(major, minor) && win::LayeredWindowsAvailable();
}

void SetWindowAlpha(win::HWND window, std::uint8_t alpha) {
    win::SetLayeredWindowAttributes(window, 0, alpha, win::LWA_ALPHA);
}
