// TbsBitmap::LoadFromPcxStream: 8-bit PCX pictures, run-length coded or plain.
#include "lib/skindraw/TbsBitmap.h"

#include "platform/gfx/TBitmap.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/TStream.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace {

constexpr int kHeaderSize = 128;
constexpr int kPaletteSize = 768;
// Larger pictures than this are refused before anything is allocated.
constexpr int kMaxSide = 32768;
// A run of the coding gives at most 63 bytes for its two.
constexpr std::size_t kRunExpansion = 32;

std::uint16_t Word(const std::uint8_t* header, int offset) {
    return std::uint16_t(header[offset] | (header[offset + 1] << 8));
}

[[noreturn]] void Malformed() {
    throw EReadError("Stream read error");
}

// The system's 16 colours, for PCX files of version 3 that carry no palette.
std::vector<win::PALETTEENTRY> SystemPalette() {
    static constexpr std::array<win::COLORREF, 16> colours = {
        0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
        0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
    };
    std::vector<win::PALETTEENTRY> entries(256);
    for (std::size_t i = 0; i < colours.size(); ++i)
        entries[i] = { win::GetRValue(colours[i]), win::GetGValue(colours[i]),
                       win::GetBValue(colours[i]), 0 };
    return entries;
}

win::HPALETTE MakePalette(const std::vector<win::PALETTEENTRY>& entries) {
    std::vector<std::uint8_t> block(sizeof(win::LOGPALETTE) +
                                    entries.size() * sizeof(win::PALETTEENTRY));
    auto* palette = reinterpret_cast<win::LOGPALETTE*>(block.data());
    palette->palVersion = 0x300;
    palette->palNumEntries = win::WORD(entries.size());
    std::memcpy(palette->palPalEntry, entries.data(), entries.size() * sizeof(win::PALETTEENTRY));
    return win::CreatePalette(palette);
}

} // namespace

void TbsBitmap::LoadFromPcxStream(TStream& stream) {
    const std::int64_t start = stream.Position();
    const std::int64_t available = stream.Size() - start;
    if (available < kHeaderSize) Malformed();
    std::uint8_t header[kHeaderSize];
    stream.ReadBuffer(header, kHeaderSize);
    if (header[0] != 10 && header[0] != 205) return;

    const int version = header[1];
    const bool encoded = header[2] == 1;
    const int width = int(Word(header, 8)) - int(Word(header, 4)) + 1;
    const int height = int(Word(header, 10)) - int(Word(header, 6)) + 1;
    const int lineLength = int(header[65]) * int(Word(header, 66));
    // A row is taken from the start of a decoded line, so the line must hold a whole row.
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide || lineLength < width)
        Malformed();

    std::vector<win::PALETTEENTRY> entries;
    std::int64_t dataEnd = start + available;
    if (version == 3) {
        entries = SystemPalette();
    } else {
        // The palette is the stream's last 768 bytes, after a marker byte.
        if (available < kHeaderSize + 1 + kPaletteSize) Malformed();
        dataEnd -= kPaletteSize + 1;
        stream.SetPosition(dataEnd + 1);
        std::uint8_t rgb[kPaletteSize];
        stream.ReadBuffer(rgb, kPaletteSize);
        entries.resize(256);
        for (int i = 0; i < 256; ++i)
            entries[std::size_t(i)] = { rgb[3 * i], rgb[3 * i + 1], rgb[3 * i + 2], 0 };
        stream.SetPosition(start + kHeaderSize);
    }

    // The lines the header asks for must come out of the data there is: checked before
    // anything is reserved for them.
    const std::size_t coded = std::size_t(dataEnd - (start + kHeaderSize));
    const std::size_t needed = std::size_t(lineLength) * std::size_t(height);
    if (needed > coded * (encoded ? kRunExpansion : 1))
        throw EReadError(
            Format("PCX picture holds too little data for its size (%d x %d)", width, height));
    std::vector<std::uint8_t> data(coded);
    stream.ReadBuffer(data.data(), std::int64_t(data.size()));
    std::vector<std::uint8_t> pixels;
    if (encoded) {
        pixels.reserve(needed);
        for (std::size_t i = 0; i < data.size() && pixels.size() < needed; ++i) {
            const std::uint8_t b = data[i];
            if (b < 192) {
                pixels.push_back(b);
                continue;
            }
            if (++i >= data.size()) break;
            const std::size_t run = std::min<std::size_t>(b & 0x3F, needed - pixels.size());
            pixels.insert(pixels.end(), run, data[i]);
        }
    } else {
        pixels.assign(data.begin(), data.begin() + std::ptrdiff_t(std::min(needed, data.size())));
    }
    if (pixels.size() < needed) Malformed();

    TBitmap picture;
    picture.SetPixelFormat(pf8bit);
    picture.SetPalette(MakePalette(entries));
    picture.SetSize(width, height);
    for (int y = 0; y < height; ++y)
        std::memcpy(picture.ScanLine(y), pixels.data() + std::size_t(y) * lineLength,
                    std::size_t(width));
    Assign(picture);
}
