#pragma once
#include "platform/gfx/DecodedImage.h"
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace gfx {

// Windows bitmap files: 1, 4, 8, 16, 24 and 32 bits per pixel, uncompressed, bit fields, RLE4
// and RLE8, top-down and bottom-up, with the Windows or the OS/2 core header.
class BmpCodec {
public:
    // Reads one bitmap file from the start of data. The file header's size bounds what is read,
    // so a stream may hold several pictures one after another; bytesConsumed receives the size
    // of this one.
    static DecodedImage Decode(std::span<const std::uint8_t> data,
                               std::size_t* bytesConsumed = nullptr);

    // Reads a header-less DIB: info header, colour table and pixels. With iconMask the header's
    // height covers the colour rows and a 1-bit AND mask after them, as stored in icons.
    static DecodedImage DecodeDib(std::span<const std::uint8_t> data, bool iconMask = false);

    // Writes a bottom-up BI_RGB file of 24 or 32 bits per pixel; 32 bits keep the alpha bytes.
    static std::vector<std::uint8_t> Encode(const Surface& pixels, int bitsPerPixel);

    // Writes a bottom-up 1, 4 or 8-bit file from palette indices (one byte per pixel, top-down).
    static std::vector<std::uint8_t> EncodeIndexed(int width, int height, int bitsPerPixel,
                                                   std::span<const Pixel> palette,
                                                   std::span<const std::uint8_t> indices);

    // Writes a bottom-up file of rows already in the DIB layout: row(y), y counted from the top,
    // gives RowBytes(width, bitsPerPixel) bytes. A colour table for 8 bits and fewer; red,
    // green and blue masks (BI_BITFIELDS) for 16 or 32 bits when given, else BI_RGB.
    static std::vector<std::uint8_t>
    EncodeRows(int width, int height, int bitsPerPixel, std::span<const Pixel> palette,
               std::span<const std::uint32_t> masks,
               const std::function<const std::uint8_t*(int y)>& row);

    // The padded length of one stored row.
    static std::size_t RowBytes(int width, int bitsPerPixel) {
        return ((std::size_t(width) * std::size_t(bitsPerPixel) + 31) / 32) * 4;
    }
};

} // namespace gfx
