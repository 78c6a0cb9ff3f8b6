#include "XCapture.h"

#include "tests/x11/XlibApi.h"

namespace x11test {

gfx::Surface CaptureXWindow(Display* display, unsigned long window, int x, int y, int width,
                            int height) {
    XSync(display, False);
    XImage* image =
        XGetImage(display, window, x, y, unsigned(width), unsigned(height), AllPlanes, ZPixmap);
    if (!image) return {};
    gfx::Surface pixels(width, height);
    for (int row = 0; row < height; ++row)
        for (int column = 0; column < width; ++column) {
            const unsigned long p = XGetPixel(image, column, row);
            pixels.Row(row)[column] =
                gfx::MakePixel((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF, 0xFF);
        }
    XDestroyImage(image);
    return pixels;
}

gfx::Surface CaptureXWindow(const std::string& display, unsigned long window, int width,
                            int height) {
    Display* connection = XOpenDisplay(display.c_str());
    if (!connection) return {};
    gfx::Surface pixels = CaptureXWindow(connection, window, 0, 0, width, height);
    XCloseDisplay(connection);
    return pixels;
}

std::optional<std::uint32_t> XPixelAt(Display* display, unsigned long window, int x, int y) {
    XImage* image = XGetImage(display, window, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image) return std::nullopt;
    const unsigned long p = XGetPixel(image, 0, 0) & 0xFFFFFF;
    XDestroyImage(image);
    return std::uint32_t(p);
}

} // namespace x11test
