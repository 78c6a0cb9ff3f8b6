#include "platform/shell/BuiltInIcons.h"

#include <algorithm>

namespace {

using gfx::MakePixel;
using gfx::Pixel;

constexpr Pixel kOutline = MakePixel(0x55, 0x55, 0x55, 0xFF);
constexpr Pixel kPaper = MakePixel(0xFF, 0xFF, 0xFF, 0xFF);
constexpr Pixel kFold = MakePixel(0xD0, 0xD0, 0xD0, 0xFF);
constexpr Pixel kFolderBack = MakePixel(0xD9, 0xA4, 0x2B, 0xFF);
constexpr Pixel kFolderFront = MakePixel(0xF4, 0xC8, 0x4A, 0xFF);
constexpr Pixel kFolderOpenFront = MakePixel(0xFB, 0xDE, 0x83, 0xFF);
constexpr Pixel kCase = MakePixel(0xB8, 0xBC, 0xC2, 0xFF);
constexpr Pixel kScreen = MakePixel(0x3A, 0x6E, 0xB5, 0xFF);
constexpr Pixel kLight = MakePixel(0x3C, 0xC8, 0x50, 0xFF);
constexpr Pixel kRoof = MakePixel(0xC0, 0x40, 0x30, 0xFF);

// Draws on a 16-unit grid scaled to the picture's size.
class TGridPainter {
public:
    explicit TGridPainter(gfx::Surface& surface)
        : FSurface(surface), FScale(std::max(1, surface.Width() / 16)) {}

    // Units [x0, x1) x [y0, y1).
    void Fill(int x0, int y0, int x1, int y1, Pixel colour) {
        FillPixels(x0 * FScale, y0 * FScale, x1 * FScale, y1 * FScale, colour);
    }
    // A filled box with a one-pixel outline.
    void Box(int x0, int y0, int x1, int y1, Pixel fill) {
        Fill(x0, y0, x1, y1, kOutline);
        FillPixels(x0 * FScale + 1, y0 * FScale + 1, x1 * FScale - 1, y1 * FScale - 1, fill);
    }
    // A roof: rows widening from the apex at (cx, y0) to the full width at y1.
    void Roof(int cx, int y0, int y1, int halfWidth, Pixel colour) {
        const int rows = (y1 - y0) * FScale;
        for (int r = 0; r < rows; ++r) {
            const int half = (halfWidth * FScale * (r + 1)) / rows;
            const int y = y0 * FScale + r;
            FillPixels(cx * FScale - half, y, cx * FScale + half, y + 1, colour);
        }
    }

private:
    // Pixels [x0, x1) x [y0, y1), clipped to the picture.
    void FillPixels(int x0, int y0, int x1, int y1, Pixel colour) {
        for (int y = std::max(y0, 0); y < std::min(y1, FSurface.Height()); ++y)
            for (int x = std::max(x0, 0); x < std::min(x1, FSurface.Width()); ++x)
                FSurface.Set(x, y, colour);
    }

    gfx::Surface& FSurface;
    int FScale;
};

void DrawFolder(TGridPainter& p, Pixel front) {
    p.Box(1, 3, 7, 6, kFolderBack);
    p.Box(1, 4, 15, 14, kFolderBack);
    p.Box(1, 6, 15, 14, front);
}

} // namespace

gfx::Surface BuiltInIcon(TShellIconRole role, int size) {
    gfx::Surface surface(size, size, 0);
    TGridPainter p(surface);
    switch (role) {
    case irFile:
        p.Box(3, 1, 13, 15, kPaper);
        p.Box(10, 1, 13, 4, kFold);
        break;
    case irFolder:
        DrawFolder(p, kFolderFront);
        break;
    case irFolderOpen:
        DrawFolder(p, kFolderOpenFront);
        p.Box(3, 8, 15, 14, kFolderOpenFront);
        break;
    case irHome:
        p.Roof(8, 1, 7, 7, kRoof);
        p.Box(3, 7, 13, 15, kPaper);
        p.Box(7, 10, 10, 15, kFolderBack);
        break;
    case irComputer:
        p.Box(1, 2, 15, 12, kCase);
        p.Fill(2, 3, 14, 11, kScreen);
        p.Box(5, 12, 11, 15, kCase);
        break;
    case irDrive:
        p.Box(1, 5, 15, 12, kCase);
        p.Fill(11, 8, 13, 10, kLight);
        break;
    case irRemovable:
        p.Box(3, 2, 13, 15, kCase);
        p.Fill(5, 4, 11, 6, kOutline);
        p.Fill(9, 12, 11, 13, kLight);
        break;
    case irDesktop:
        p.Box(1, 2, 15, 14, kScreen);
        p.Box(3, 4, 6, 7, kPaper);
        p.Box(3, 8, 6, 11, kFolderFront);
        break;
    }
    return surface;
}
