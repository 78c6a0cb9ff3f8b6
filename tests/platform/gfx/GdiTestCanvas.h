#pragma once
#include "platform/gfx/Gdi.h"

#include <map>
#include <string>
#include <vector>

// A memory DC over a 32-bit top-down DIB section, for pixel-exact drawing tests. Pictures are
// compared as text, one character per pixel, so an expected image reads as a table.
class GdiTestCanvas {
public:
    GdiTestCanvas(int width, int height, win::COLORREF fill = win::RGB(255, 255, 255),
                  int bitCount = 32, bool topDown = true)
        : FWidth(width), FHeight(height), FBitCount(bitCount), FTopDown(topDown) {
        // A header with room for a full colour table: a grey ramp (black and white for 1 bit).
        std::vector<std::uint8_t> block(sizeof(win::BITMAPINFOHEADER) + 256 * sizeof(win::RGBQUAD));
        auto* info = reinterpret_cast<win::BITMAPINFO*>(block.data());
        info->bmiHeader = win::BITMAPINFOHEADER{};
        info->bmiHeader.biWidth = width;
        info->bmiHeader.biHeight = topDown ? -height : height;
        info->bmiHeader.biBitCount = win::WORD(bitCount);
        if (bitCount <= 8) {
            const int colours = 1 << bitCount;
            for (int i = 0; i < colours; ++i) {
                const auto v = win::BYTE(i * 255 / (colours - 1));
                info->bmiColors[i] = win::RGBQUAD{ v, v, v, 0 };
            }
        }
        FBitmap = win::CreateDIBSection(nullptr, info, win::DIB_RGB_COLORS, &FBits, nullptr, 0);
        FDc = win::CreateCompatibleDC(nullptr);
        FOld = win::SelectObject(FDc, FBitmap);
        Clear(fill);
    }
    ~GdiTestCanvas() {
        win::SelectObject(FDc, FOld);
        win::DeleteDC(FDc);
        win::DeleteObject(FBitmap);
    }
    GdiTestCanvas(const GdiTestCanvas&) = delete;
    GdiTestCanvas& operator=(const GdiTestCanvas&) = delete;

    win::HDC Dc() const { return FDc; }
    win::HBITMAP Bitmap() const { return FBitmap; }
    void* Bits() const { return FBits; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }

    // Fills every pixel with the colour and alpha (32-bit canvases: bypassing the DC).
    void Clear(win::COLORREF colour, std::uint8_t alpha = 0) {
        if (FBitCount != 32) {
            win::HBRUSH brush = win::CreateSolidBrush(colour);
            const win::RECT all{ 0, 0, FWidth, FHeight };
            win::FillRect(FDc, &all, brush);
            win::DeleteObject(brush);
            return;
        }
        for (int y = 0; y < FHeight; ++y)
            for (int x = 0; x < FWidth; ++x)
                SetRaw(x, y,
                       gfx::MakePixel(win::GetRValue(colour), win::GetGValue(colour),
                                      win::GetBValue(colour), alpha));
    }
    // Only for 32-bit canvases; y counts from the top whatever the memory order.
    gfx::Pixel Raw(int x, int y) const { return Row(y)[x]; }
    void SetRaw(int x, int y, gfx::Pixel p) { Row(y)[x] = p; }

    // One character per pixel of a 32-bit canvas, rows ending in '\n'; colours (alpha ignored)
    // missing from `legend` show as '?'.
    std::string Picture(const std::map<win::COLORREF, char>& legend) const {
        std::string out;
        for (int y = 0; y < FHeight; ++y) {
            for (int x = 0; x < FWidth; ++x) {
                const gfx::Pixel p = Raw(x, y);
                const auto found =
                    legend.find(win::RGB(gfx::PixelR(p), gfx::PixelG(p), gfx::PixelB(p)));
                out += found == legend.end() ? '?' : found->second;
            }
            out += '\n';
        }
        return out;
    }

private:
    gfx::Pixel* Row(int y) const {
        const int memoryRow = FTopDown ? y : FHeight - 1 - y;
        return static_cast<gfx::Pixel*>(FBits) + std::size_t(memoryRow) * std::size_t(FWidth);
    }

    int FWidth;
    int FHeight;
    int FBitCount;
    bool FTopDown;
    void* FBits{ nullptr };
    win::HBITMAP FBitmap{};
    win::HDC FDc{};
    win::HGDIOBJ FOld{};
};

constexpr win::COLORREF kWhite = win::RGB(255, 255, 255);
constexpr win::COLORREF kBlack = win::RGB(0, 0, 0);
constexpr win::COLORREF kRed = win::RGB(255, 0, 0);
constexpr win::COLORREF kBlue = win::RGB(0, 0, 255);
inline const std::map<win::COLORREF, char> kInk = {
    { kWhite, '.' }, { kBlack, '#' }, { kRed, 'r' }, { kBlue, 'b' }
};

// Joins picture rows written one per line in a test.
inline std::string Rows(std::initializer_list<const char*> rows) {
    std::string out;
    for (const char* r : rows) {
        out += r;
        out += '\n';
    }
    return out;
}
