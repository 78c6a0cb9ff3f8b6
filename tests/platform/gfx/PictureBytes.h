#pragma once
// Small helpers shared by the picture codec tests: little-endian byte building and truncation.
#include "platform/gfx/Surface.h"
#include <cstdint>
#include <initializer_list>
#include <vector>
#include <zlib.h>

namespace picture_test {

using Bytes = std::vector<std::uint8_t>;

inline void Put16(Bytes& out, unsigned v) {
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
}

inline void Put32(Bytes& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

inline void Append(Bytes& out, std::initializer_list<int> bytes) {
    for (int b : bytes)
        out.push_back(std::uint8_t(b));
}

// A picture whose every pixel differs, so a misplaced row or column shows.
inline gfx::Surface Gradient(int width, int height, bool withAlpha) {
    gfx::Surface s(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            s.Set(x, y,
                  gfx::MakePixel(std::uint8_t(x * 37 + y * 11), std::uint8_t(y * 53 + 7),
                                 std::uint8_t(x * 5 + y * 91),
                                 withAlpha ? std::uint8_t(x * 29 + y * 17 + 1) : 255));
    return s;
}

inline void PutBig32(Bytes& out, std::uint32_t v) {
    Append(out, { int(v >> 24), int((v >> 16) & 255), int((v >> 8) & 255), int(v & 255) });
}

inline void PutChunk(Bytes& out, const char* type, const Bytes& body) {
    PutBig32(out, std::uint32_t(body.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), body.begin(), body.end());
    PutBig32(out, std::uint32_t(crc32(0, out.data() + start, uInt(out.size() - start))));
}

// A PNG built by hand: the rows are given unfiltered, without their filter bytes.
inline Bytes BuildPng(std::uint32_t width, std::uint32_t height, int bitDepth, int colorType,
                      const std::vector<Bytes>& rows, const Bytes& palette = {},
                      const Bytes& trns = {}) {
    Bytes out{ 0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n' };
    Bytes header;
    PutBig32(header, width);
    PutBig32(header, height);
    Append(header, { bitDepth, colorType, 0, 0, 0 });
    PutChunk(out, "IHDR", header);
    if (!palette.empty()) PutChunk(out, "PLTE", palette);
    if (!trns.empty()) PutChunk(out, "tRNS", trns);
    Bytes raw;
    for (const Bytes& row : rows) {
        raw.push_back(0);
        raw.insert(raw.end(), row.begin(), row.end());
    }
    uLongf size = compressBound(uLong(raw.size()));
    Bytes packed(size);
    compress(packed.data(), &size, raw.data(), uLong(raw.size()));
    packed.resize(size);
    PutChunk(out, "IDAT", packed);
    PutChunk(out, "IEND", {});
    return out;
}

} // namespace picture_test
