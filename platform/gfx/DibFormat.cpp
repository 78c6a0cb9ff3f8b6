#include "platform/gfx/DibFormat.h"

#include <cstring>

namespace win::dib {

namespace {

constexpr std::size_t kMaxBytes = std::size_t(1) << 30;

gfx::Pixel FromQuad(const std::vector<RGBQUAD>& palette, unsigned index) {
    if (index >= palette.size()) return 0;
    const RGBQUAD& q = palette[index];
    return gfx::MakePixel(q.rgbRed, q.rgbGreen, q.rgbBlue);
}

} // namespace

std::optional<Layout> Parse(const BITMAPINFO* info) {
    if (!info) return std::nullopt;
    const BITMAPINFOHEADER& h = info->bmiHeader;
    if (h.biWidth <= 0 || h.biHeight == 0 || h.biPlanes > 1) return std::nullopt;
    const int bits = h.biBitCount;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return std::nullopt;
    Layout layout;
    if (h.biCompression == BI_BITFIELDS) {
        // The three masks follow the header where the colour table would be.
        DWORD masks[3];
        std::memcpy(masks, info->bmiColors, sizeof masks);
        const bool is565 = masks[0] == 0xF800 && masks[1] == 0x07E0 && masks[2] == 0x001F;
        const bool is555 = masks[0] == 0x7C00 && masks[1] == 0x03E0 && masks[2] == 0x001F;
        const bool is888 = masks[0] == 0xFF0000 && masks[1] == 0xFF00 && masks[2] == 0xFF;
        if (!(bits == 16 && (is565 || is555)) && !(bits == 32 && is888)) return std::nullopt;
        layout.Green6 = is565;
    } else if (h.biCompression != BI_RGB) {
        return std::nullopt;
    }
    layout.Width = h.biWidth;
    layout.TopDown = h.biHeight < 0;
    // -INT_MIN is not representable: such a header is refused by the size check below.
    layout.Height = h.biHeight < 0 ? (h.biHeight == INT32_MIN ? 0 : -h.biHeight) : h.biHeight;
    layout.BitCount = bits;
    const std::size_t rowBytes = (std::size_t(layout.Width) * std::size_t(bits) + 31) / 32 * 4;
    if (layout.Height <= 0 || rowBytes > kMaxBytes ||
        rowBytes * std::size_t(layout.Height) > kMaxBytes)
        return std::nullopt;
    layout.RowBytes = int(rowBytes);
    if (bits <= 8) {
        const std::size_t maxColours = std::size_t(1) << bits;
        std::size_t colours = h.biClrUsed ? std::size_t(h.biClrUsed) : maxColours;
        if (colours > maxColours) colours = maxColours;
        layout.Palette.assign(maxColours, RGBQUAD{});
        std::memcpy(layout.Palette.data(), info->bmiColors, colours * sizeof(RGBQUAD));
    }
    return layout;
}

void ReadRow(const BYTE* row, const Layout& layout, gfx::Pixel* out, int width) {
    switch (layout.BitCount) {
    case 32:
        std::memcpy(out, row, std::size_t(width) * 4);
        break;
    case 24:
        for (int x = 0; x < width; ++x)
            out[x] = gfx::MakePixel(row[x * 3 + 2], row[x * 3 + 1], row[x * 3]);
        break;
    case 16:
        for (int x = 0; x < width; ++x) {
            const unsigned v = unsigned(row[x * 2]) | (unsigned(row[x * 2 + 1]) << 8);
            const auto expand5 = [](unsigned c) { return BYTE((c << 3) | (c >> 2)); };
            const auto expand6 = [](unsigned c) { return BYTE((c << 2) | (c >> 4)); };
            if (layout.Green6)
                out[x] = gfx::MakePixel(expand5((v >> 11) & 31), expand6((v >> 5) & 63),
                                        expand5(v & 31));
            else
                out[x] = gfx::MakePixel(expand5((v >> 10) & 31), expand5((v >> 5) & 31),
                                        expand5(v & 31));
        }
        break;
    case 8:
        for (int x = 0; x < width; ++x)
            out[x] = FromQuad(layout.Palette, row[x]);
        break;
    case 4:
        for (int x = 0; x < width; ++x)
            out[x] = FromQuad(layout.Palette, (row[x / 2] >> ((x & 1) ? 0 : 4)) & 0x0F);
        break;
    default:
        for (int x = 0; x < width; ++x)
            out[x] = FromQuad(layout.Palette, (row[x / 8] >> (7 - (x & 7))) & 1);
        break;
    }
}

BYTE NearestIndex(const std::vector<RGBQUAD>& palette, gfx::Pixel colour) {
    int best = 0;
    int bestDistance = 1 << 30;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const int dr = int(gfx::PixelR(colour)) - palette[i].rgbRed;
        const int dg = int(gfx::PixelG(colour)) - palette[i].rgbGreen;
        const int db = int(gfx::PixelB(colour)) - palette[i].rgbBlue;
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = int(i);
            if (distance == 0) break;
        }
    }
    return BYTE(best);
}

void WriteRow(const gfx::Pixel* in, int width, const Layout& layout, BYTE* row) {
    switch (layout.BitCount) {
    case 32:
        std::memcpy(row, in, std::size_t(width) * 4);
        return;
    case 24:
        for (int x = 0; x < width; ++x) {
            row[x * 3] = gfx::PixelB(in[x]);
            row[x * 3 + 1] = gfx::PixelG(in[x]);
            row[x * 3 + 2] = gfx::PixelR(in[x]);
        }
        return;
    case 16:
        for (int x = 0; x < width; ++x) {
            const unsigned r = gfx::PixelR(in[x]) >> 3;
            const unsigned b = gfx::PixelB(in[x]) >> 3;
            const unsigned v = layout.Green6
                                   ? (r << 11) | (unsigned(gfx::PixelG(in[x]) >> 2) << 5) | b
                                   : (r << 10) | (unsigned(gfx::PixelG(in[x]) >> 3) << 5) | b;
            row[x * 2] = BYTE(v);
            row[x * 2 + 1] = BYTE(v >> 8);
        }
        return;
    default:
        break;
    }
    // Most pixels written back after a drawing call are unchanged: a pixel whose stored index
    // already gives its colour keeps it. Runs of one new colour reuse the last search.
    const auto storedIndex = [&](int x) -> unsigned {
        if (layout.BitCount == 8) return row[x];
        if (layout.BitCount == 4) return (row[x / 2] >> ((x & 1) ? 0 : 4)) & 0x0F;
        return (row[x / 8] >> (7 - (x & 7))) & 1;
    };
    gfx::Pixel lastColour = ~gfx::Pixel(0);
    BYTE index = 0;
    for (int x = 0; x < width; ++x) {
        const gfx::Pixel colour = in[x] & 0x00FFFFFF;
        const unsigned stored = storedIndex(x);
        if (stored < layout.Palette.size() && FromQuad(layout.Palette, stored) == colour) continue;
        if (colour != lastColour) {
            lastColour = colour;
            index = NearestIndex(layout.Palette, colour);
        }
        if (layout.BitCount == 8) {
            row[x] = index;
        } else if (layout.BitCount == 4) {
            const int shift = (x & 1) ? 0 : 4;
            row[x / 2] = BYTE((row[x / 2] & ~(0x0F << shift)) | ((index & 0x0F) << shift));
        } else {
            const int bit = 7 - (x & 7);
            row[x / 8] = BYTE((row[x / 8] & ~(1 << bit)) | ((index & 1) << bit));
        }
    }
}

} // namespace win::dib
