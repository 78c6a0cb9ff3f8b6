#include "DrawingPictures.h"

#include "platform/gfx/GdiObjects.h"

namespace {

constexpr const char* kLetters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWYZ0123456789";

} // namespace

std::uint32_t ColourOf(char letter) {
    if (letter == 'X') return 0x000000;
    if (letter == '.') return 0xFFFFFF;
    // Spread the letters over distinct, well separated colours.
    const auto n = std::uint32_t(static_cast<unsigned char>(letter));
    return ((n * 37) & 0xFF) << 16 | ((n * 91) & 0xFF) << 8 | ((n * 53 + 7) & 0xFF);
}

TColor LetterColor(char letter) {
    const std::uint32_t c = ColourOf(letter);
    return TColor((c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF));
}

std::unique_ptr<TBitmap> PictureOfRows(const std::vector<std::string>& rows, TPixelFormat format) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(pf24bit);
    const int height = int(rows.size());
    const int width = rows.empty() ? 0 : int(rows[0].size());
    bitmap->SetSize(width, height);
    for (int y = 0; y < height; ++y) {
        auto* row = static_cast<std::uint8_t*>(bitmap->ScanLine(y));
        for (int x = 0; x < width; ++x) {
            const std::uint32_t c = ColourOf(rows[std::size_t(y)][std::size_t(x)]);
            row[x * 3 + 0] = std::uint8_t(c);
            row[x * 3 + 1] = std::uint8_t(c >> 8);
            row[x * 3 + 2] = std::uint8_t(c >> 16);
        }
    }
    if (format != pf24bit) bitmap->SetPixelFormat(format);
    return bitmap;
}

std::vector<std::string> RowsOf(const TBitmap& bitmap) {
    const gfx::Surface pixels = bitmap.ToSurface();
    std::vector<std::string> rows;
    for (int y = 0; y < pixels.Height(); ++y) {
        std::string row;
        for (int x = 0; x < pixels.Width(); ++x) {
            const std::uint32_t c = Rgb(pixels, x, y);
            char letter = '?';
            if (c == ColourOf('X'))
                letter = 'X';
            else if (c == ColourOf('.'))
                letter = '.';
            else
                for (const char* p = kLetters; *p; ++p)
                    if (ColourOf(*p) == c) letter = *p;
            row += letter;
        }
        rows.push_back(row);
    }
    return rows;
}

std::unique_ptr<TBitmap> BitmapOfSurface(const gfx::Surface& pixels) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(pf24bit);
    bitmap->SetSize(pixels.Width(), pixels.Height());
    for (int y = 0; y < pixels.Height(); ++y) {
        auto* row = static_cast<std::uint8_t*>(bitmap->ScanLine(y));
        for (int x = 0; x < pixels.Width(); ++x) {
            const gfx::Pixel p = pixels.At(x, y);
            row[3 * x] = gfx::PixelB(p);
            row[3 * x + 1] = gfx::PixelG(p);
            row[3 * x + 2] = gfx::PixelR(p);
        }
    }
    return bitmap;
}

std::unique_ptr<TBitmap> NumberedPicture(int width, int height, std::uint8_t seed) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(pf24bit);
    bitmap->SetSize(width, height);
    for (int y = 0; y < height; ++y) {
        auto* row = static_cast<std::uint8_t*>(bitmap->ScanLine(y));
        for (int x = 0; x < width; ++x) {
            row[x * 3 + 0] = seed;
            row[x * 3 + 1] = std::uint8_t(y);
            row[x * 3 + 2] = std::uint8_t(x);
        }
    }
    return bitmap;
}

std::uint32_t Rgb(const gfx::Surface& pixels, int x, int y) {
    return pixels.At(x, y) & 0xFFFFFF;
}

std::vector<std::string> RegionRows(win::HRGN region, int width, int height) {
    std::vector<std::string> rows;
    for (int y = 0; y < height; ++y) {
        std::string row;
        for (int x = 0; x < width; ++x)
            row += win::PtInRegion(region, x, y) ? 'X' : '.';
        rows.push_back(row);
    }
    return rows;
}
