#include "platform/gfx/BmpCodec.h"
#include "platform/gfx/ByteReader.h"
#include "platform/rtl/Exception.h"
#include <algorithm>
#include <bit>
#include <string>

namespace gfx {
namespace {

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiRle8 = 1;
constexpr std::uint32_t kBiRle4 = 2;
constexpr std::uint32_t kBiBitfields = 3;
constexpr std::uint32_t kBiAlphaBitfields = 6;
constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr Pixel kOpaqueBlack = MakePixel(0, 0, 0, 255);

// One colour channel of a bit-field pixel, scaled to 8 bits on extraction.
struct Channel {
    std::uint32_t Mask{ 0 };
    int Shift{ 0 };
    std::uint64_t Max{ 0 };

    explicit Channel(std::uint32_t mask = 0) : Mask(mask) {
        if (mask == 0) return;
        Shift = std::countr_zero(mask);
        Max = (std::uint64_t(mask) >> Shift);
    }
    std::uint8_t Extract(std::uint32_t value, std::uint8_t absent) const {
        if (Max == 0) return absent;
        const std::uint64_t v = (std::uint64_t(value & Mask) >> Shift);
        return std::uint8_t((v * 255 + Max / 2) / Max);
    }
};

struct DibHeader {
    std::size_t HeaderSize{ 0 };
    std::int64_t Width{ 0 };
    std::int64_t Height{ 0 };
    bool TopDown{ false };
    int BitCount{ 0 };
    std::uint32_t Compression{ kBiRgb };
    std::uint32_t SizeImage{ 0 };
    std::uint32_t ColorsUsed{ 0 };
    std::uint32_t Masks[4]{};
    bool Core{ false };
};

// Reads the info header and any bit-field masks stored after it; leaves r at the colour table.
DibHeader ReadInfoHeader(ByteReader& r) {
    DibHeader h;
    const std::size_t start = r.Position();
    h.HeaderSize = r.U32();
    if (h.HeaderSize == 12) {
        h.Core = true;
        h.Width = r.U16();
        h.Height = r.U16();
        r.U16();
        h.BitCount = r.U16();
    } else if (h.HeaderSize == 40 || h.HeaderSize == 52 || h.HeaderSize == 56 ||
               h.HeaderSize == 64 || h.HeaderSize == 108 || h.HeaderSize == 124) {
        h.Width = r.I32();
        const std::int32_t height = r.I32();
        h.TopDown = height < 0;
        h.Height = h.TopDown ? -std::int64_t(height) : height;
        r.U16();
        h.BitCount = r.U16();
        h.Compression = r.U32();
        h.SizeImage = r.U32();
        r.Skip(8);
        h.ColorsUsed = r.U32();
        r.U32();
        if (h.HeaderSize >= 52 && h.HeaderSize != 64) {
            for (int i = 0; i < 3; ++i)
                h.Masks[i] = r.U32();
            if (h.HeaderSize >= 56) h.Masks[3] = r.U32();
        }
        r.Seek(start + h.HeaderSize);
        // The OS/2 2.x header numbers its compressions differently past RLE4 (Huffman, RLE24).
        if (h.HeaderSize == 64 && h.Compression > kBiRle4)
            r.Fail("unsupported OS/2 compression " + std::to_string(h.Compression));
        const bool fields = h.Compression == kBiBitfields || h.Compression == kBiAlphaBitfields;
        if (fields && h.HeaderSize == 40) {
            const int count = h.Compression == kBiAlphaBitfields ? 4 : 3;
            for (int i = 0; i < count; ++i)
                h.Masks[i] = r.U32();
        }
    } else {
        r.Fail("unknown header size " + std::to_string(h.HeaderSize));
    }
    return h;
}

void CheckFormat(const DibHeader& h, ByteReader& r) {
    const int bpp = h.BitCount;
    const bool knownDepth = bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32;
    if (!knownDepth) r.Fail("unsupported bit depth " + std::to_string(bpp));
    switch (h.Compression) {
    case kBiRgb:
        break;
    case kBiRle8:
        if (bpp != 8) r.Fail("RLE8 needs 8 bits per pixel");
        break;
    case kBiRle4:
        if (bpp != 4) r.Fail("RLE4 needs 4 bits per pixel");
        break;
    case kBiBitfields:
    case kBiAlphaBitfields:
        if (bpp != 16 && bpp != 32) r.Fail("bit fields need 16 or 32 bits per pixel");
        break;
    default:
        r.Fail("unsupported compression " + std::to_string(h.Compression));
    }
    if (h.TopDown && (h.Compression == kBiRle4 || h.Compression == kBiRle8))
        r.Fail("a compressed bitmap cannot be top-down");
}

// Reads up to the declared number of colours, but never past limit (where the pixels start).
std::vector<Pixel> ReadPalette(ByteReader& r, const DibHeader& h, std::size_t limit) {
    if (h.BitCount > 8) return {};
    const std::uint32_t maxColors = 1u << h.BitCount;
    if (h.ColorsUsed > maxColors)
        r.Fail("the colour table has " + std::to_string(h.ColorsUsed) + " entries for " +
               std::to_string(h.BitCount) + " bits per pixel");
    std::size_t count = h.ColorsUsed ? h.ColorsUsed : maxColors;
    const std::size_t entrySize = h.Core ? 3 : 4;
    if (limit > r.Position()) count = std::min(count, (limit - r.Position()) / entrySize);
    if (count == 0) r.Fail("the colour table is missing");
    std::vector<Pixel> palette(count);
    for (auto& entry : palette) {
        auto bytes = r.Bytes(entrySize);
        entry = MakePixel(bytes[2], bytes[1], bytes[0], 255);
    }
    return palette;
}

Pixel PaletteColor(const std::vector<Pixel>& palette, unsigned index) {
    return index < palette.size() ? palette[index] : kOpaqueBlack;
}

void DecodeRows(const DibHeader& h, const std::vector<Pixel>& palette,
                std::span<const std::uint8_t> bits, Surface& out) {
    const int width = out.Width();
    const int height = out.Height();
    const std::size_t stride = BmpCodec::RowBytes(width, h.BitCount);
    std::uint32_t masks[4] = { h.Masks[0], h.Masks[1], h.Masks[2], h.Masks[3] };
    if (h.Compression == kBiRgb && h.BitCount == 16) {
        masks[0] = 0x7C00;
        masks[1] = 0x03E0;
        masks[2] = 0x001F;
        masks[3] = 0;
    }
    const Channel red(masks[0]), green(masks[1]), blue(masks[2]), alpha(masks[3]);
    for (int fileRow = 0; fileRow < height; ++fileRow) {
        const std::uint8_t* src = bits.data() + std::size_t(fileRow) * stride;
        Pixel* dst = out.Row(h.TopDown ? fileRow : height - 1 - fileRow);
        switch (h.BitCount) {
        case 1:
        case 4:
        case 8: {
            const int bpp = h.BitCount;
            const unsigned mask = (1u << bpp) - 1;
            for (int x = 0; x < width; ++x) {
                const std::size_t bit = std::size_t(x) * bpp;
                const unsigned index = (src[bit / 8] >> (8 - bpp - bit % 8)) & mask;
                dst[x] = PaletteColor(palette, index);
            }
            break;
        }
        case 16:
            for (int x = 0; x < width; ++x) {
                const std::uint32_t v = src[2 * x] | (src[2 * x + 1] << 8);
                dst[x] = MakePixel(red.Extract(v, 0), green.Extract(v, 0), blue.Extract(v, 0),
                                   alpha.Extract(v, 255));
            }
            break;
        case 24:
            for (int x = 0; x < width; ++x)
                dst[x] = MakePixel(src[3 * x + 2], src[3 * x + 1], src[3 * x], 255);
            break;
        case 32:
            if (h.Compression == kBiRgb) {
                for (int x = 0; x < width; ++x)
                    dst[x] = MakePixel(src[4 * x + 2], src[4 * x + 1], src[4 * x], src[4 * x + 3]);
            } else {
                for (int x = 0; x < width; ++x) {
                    const std::uint32_t v = std::uint32_t(src[4 * x]) |
                                            (std::uint32_t(src[4 * x + 1]) << 8) |
                                            (std::uint32_t(src[4 * x + 2]) << 16) |
                                            (std::uint32_t(src[4 * x + 3]) << 24);
                    dst[x] = MakePixel(red.Extract(v, 0), green.Extract(v, 0), blue.Extract(v, 0),
                                       alpha.Extract(v, 0));
                }
            }
            break;
        }
    }
}

// Run-length data: runs, literal strings, end of line, delta moves and end of picture. Rows
// count from the bottom; pixels a run or move skips keep the fill colour. Without a surface the
// codes are only walked, which refuses damaged data before the picture's memory is reserved.
void DecodeRle(const DibHeader& h, const std::vector<Pixel>& palette,
               std::span<const std::uint8_t> bits, std::int64_t height, Surface* out,
               ByteReader& errors) {
    const bool rle4 = h.Compression == kBiRle4;
    const std::int64_t width = h.Width;
    if (out) out->Fill(PaletteColor(palette, 0));
    auto put = [&](std::int64_t x, std::int64_t y, unsigned index) {
        if (x >= 0 && x < width && y >= 0 && y < height)
            out->Row(int(height - 1 - y))[x] = PaletteColor(palette, index);
    };
    std::size_t pos = 0;
    std::int64_t x = 0, y = 0;
    while (y < height) {
        if (bits.size() - pos < 2) errors.Fail("the compressed pixels are truncated");
        const unsigned count = bits[pos];
        const unsigned code = bits[pos + 1];
        pos += 2;
        if (count > 0) {
            for (unsigned i = 0; out && i < count; ++i) {
                const unsigned index = rle4 ? ((i % 2) ? code & 15 : code >> 4) : code;
                put(x + i, y, index);
            }
            x += count;
        } else if (code == 0) {
            x = 0;
            ++y;
        } else if (code == 1) {
            return;
        } else if (code == 2) {
            if (bits.size() - pos < 2) errors.Fail("the compressed pixels are truncated");
            x += bits[pos];
            y += bits[pos + 1];
            pos += 2;
        } else {
            std::size_t bytes = rle4 ? (code + 1) / 2 : code;
            const std::size_t padded = bytes + (bytes & 1);
            if (bits.size() - pos < bytes) errors.Fail("the compressed pixels are truncated");
            for (unsigned i = 0; out && i < code; ++i) {
                const std::uint8_t b = bits[pos + (rle4 ? i / 2 : i)];
                put(x + i, y, rle4 ? ((i % 2) ? b & 15 : b >> 4) : b);
            }
            x += code;
            pos += std::min(padded, bits.size() - pos);
        }
    }
}

// A 32-bit file whose alpha bytes are all zero was written without alpha.
void SettleAlpha(DecodedImage& image) {
    Pixel any = 0;
    for (int y = 0; y < image.Pixels.Height(); ++y)
        for (int x = 0; x < image.Pixels.Width(); ++x)
            any |= image.Pixels.Row(y)[x];
    image.HasAlpha = PixelA(any) != 0;
    if (image.HasAlpha) return;
    for (int y = 0; y < image.Pixels.Height(); ++y)
        for (int x = 0; x < image.Pixels.Width(); ++x)
            image.Pixels.Row(y)[x] |= 0xFF000000u;
}

// Decodes pixels that start at pixelStart and may run to the end of r's data.
DecodedImage DecodeBody(ByteReader& r, const DibHeader& h, std::vector<Pixel> palette,
                        std::size_t pixelStart, bool iconMask, std::size_t* pixelEnd) {
    const std::int64_t height = iconMask ? h.Height / 2 : h.Height;
    CheckPictureSize(h.Width, height, "BMP");
    r.Seek(pixelStart);
    // The pixel data is checked before the picture's memory is reserved.
    const bool rle = h.Compression == kBiRle4 || h.Compression == kBiRle8;
    std::span<const std::uint8_t> bits;
    if (rle) {
        const std::size_t available = r.Remaining();
        bits = r.Bytes(h.SizeImage ? std::min<std::size_t>(h.SizeImage, available) : available);
        DecodeRle(h, palette, bits, height, nullptr, r);
    } else {
        bits = r.Bytes(BmpCodec::RowBytes(int(h.Width), h.BitCount) * std::size_t(height));
    }
    DecodedImage image;
    image.BitDepth = h.BitCount;
    image.Green6 = h.BitCount == 16 && h.Compression != kBiRgb && Channel(h.Masks[1]).Max == 63;
    image.Pixels = Surface(int(h.Width), int(height), kOpaqueBlack);
    if (rle)
        DecodeRle(h, palette, bits, height, &image.Pixels, r);
    else
        DecodeRows(h, palette, bits, image.Pixels);
    if (h.BitCount == 32) SettleAlpha(image);
    if (iconMask && !image.HasAlpha) {
        const std::size_t stride = BmpCodec::RowBytes(int(h.Width), 1);
        auto mask = r.Bytes(stride * std::size_t(height));
        for (int row = 0; row < height; ++row) {
            Pixel* dst = image.Pixels.Row(int(height - 1 - row));
            for (int x = 0; x < h.Width; ++x)
                if ((mask[row * stride + x / 8] >> (7 - x % 8)) & 1) dst[x] &= 0x00FFFFFFu;
        }
        image.HasAlpha = true;
    }
    if (pixelEnd) *pixelEnd = r.Position();
    image.Palette = std::move(palette);
    return image;
}

void PutU16(std::vector<std::uint8_t>& out, unsigned v) {
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    PutU16(out, v & 0xFFFF);
    PutU16(out, v >> 16);
}

std::vector<std::uint8_t> WriteHeaders(int width, int height, int bpp,
                                       std::span<const Pixel> palette,
                                       std::span<const std::uint32_t> masks = {}) {
    const std::size_t imageSize = BmpCodec::RowBytes(width, bpp) * std::size_t(height);
    const std::size_t offBits =
        kFileHeaderSize + kInfoHeaderSize + masks.size() * 4 + palette.size() * 4;
    std::vector<std::uint8_t> out;
    out.reserve(offBits + imageSize);
    out.push_back('B');
    out.push_back('M');
    PutU32(out, std::uint32_t(offBits + imageSize));
    PutU32(out, 0);
    PutU32(out, std::uint32_t(offBits));
    PutU32(out, kInfoHeaderSize);
    PutU32(out, std::uint32_t(width));
    PutU32(out, std::uint32_t(height));
    PutU16(out, 1);
    PutU16(out, unsigned(bpp));
    PutU32(out, masks.empty() ? kBiRgb : kBiBitfields);
    PutU32(out, std::uint32_t(imageSize));
    PutU32(out, 3780); // 96 dots per inch
    PutU32(out, 3780);
    PutU32(out, std::uint32_t(palette.size()));
    PutU32(out, 0);
    for (std::uint32_t mask : masks)
        PutU32(out, mask);
    for (Pixel p : palette) {
        out.push_back(PixelB(p));
        out.push_back(PixelG(p));
        out.push_back(PixelR(p));
        out.push_back(0);
    }
    return out;
}

} // namespace

DecodedImage BmpCodec::Decode(std::span<const std::uint8_t> data, std::size_t* bytesConsumed) {
    ByteReader head(data, "BMP");
    if (head.U8() != 'B' || head.U8() != 'M') head.Fail("the file is not a bitmap");
    const std::uint32_t fileSize = head.U32();
    head.U32();
    const std::uint32_t offBits = head.U32();
    if (fileSize > data.size()) head.Fail("the file is truncated");
    if (fileSize != 0 && fileSize < kFileHeaderSize + 12)
        head.Fail("the file size field is too small");

    ByteReader r(data.first(fileSize ? fileSize : data.size()), "BMP");
    r.Seek(kFileHeaderSize);
    const DibHeader h = ReadInfoHeader(r);
    CheckFormat(h, r);
    CheckPictureSize(h.Width, h.Height, "BMP");
    if (offBits < r.Position() || offBits > r.Size()) r.Fail("the pixel offset is out of range");
    auto palette = ReadPalette(r, h, offBits);
    std::size_t end = 0;
    DecodedImage image = DecodeBody(r, h, std::move(palette), offBits, false, &end);
    if (bytesConsumed) *bytesConsumed = fileSize ? fileSize : end;
    return image;
}

DecodedImage BmpCodec::DecodeDib(std::span<const std::uint8_t> data, bool iconMask) {
    ByteReader r(data, "BMP");
    const DibHeader h = ReadInfoHeader(r);
    CheckFormat(h, r);
    if (iconMask && h.TopDown) r.Fail("an icon bitmap cannot be top-down");
    auto palette = ReadPalette(r, h, 0);
    return DecodeBody(r, h, std::move(palette), r.Position(), iconMask, nullptr);
}

std::vector<std::uint8_t> BmpCodec::Encode(const Surface& pixels, int bitsPerPixel) {
    if (bitsPerPixel != 24 && bitsPerPixel != 32)
        throw Exception("BMP picture: cannot write " + std::to_string(bitsPerPixel) +
                        " bits per pixel");
    CheckPictureSize(pixels.Width(), pixels.Height(), "BMP");
    auto out = WriteHeaders(pixels.Width(), pixels.Height(), bitsPerPixel, {});
    const std::size_t stride = RowBytes(pixels.Width(), bitsPerPixel);
    const std::size_t start = out.size();
    out.resize(start + stride * std::size_t(pixels.Height()), 0);
    const int bytes = bitsPerPixel / 8;
    for (int y = 0; y < pixels.Height(); ++y) {
        std::uint8_t* dst = out.data() + start + std::size_t(pixels.Height() - 1 - y) * stride;
        const Pixel* src = pixels.Row(y);
        for (int x = 0; x < pixels.Width(); ++x, dst += bytes) {
            const Pixel p = src[x];
            dst[0] = PixelB(p);
            dst[1] = PixelG(p);
            dst[2] = PixelR(p);
            if (bytes == 4) dst[3] = PixelA(p);
        }
    }
    return out;
}

std::vector<std::uint8_t> BmpCodec::EncodeIndexed(int width, int height, int bitsPerPixel,
                                                  std::span<const Pixel> palette,
                                                  std::span<const std::uint8_t> indices) {
    if (bitsPerPixel != 1 && bitsPerPixel != 4 && bitsPerPixel != 8)
        throw Exception("BMP picture: cannot write " + std::to_string(bitsPerPixel) +
                        " bits per pixel with a colour table");
    CheckPictureSize(width, height, "BMP");
    if (palette.empty() || palette.size() > (1u << bitsPerPixel))
        throw Exception("BMP picture: the colour table does not fit the bit depth");
    if (indices.size() != std::size_t(width) * std::size_t(height))
        throw Exception("BMP picture: the pixel count does not match the size");
    auto out = WriteHeaders(width, height, bitsPerPixel, palette);
    const std::size_t stride = RowBytes(width, bitsPerPixel);
    for (int y = height - 1; y >= 0; --y) {
        const std::size_t rowStart = out.size();
        out.resize(rowStart + stride, 0);
        for (int x = 0; x < width; ++x) {
            const unsigned index = indices[std::size_t(y) * width + x] & ((1u << bitsPerPixel) - 1);
            const std::size_t bit = std::size_t(x) * bitsPerPixel;
            out[rowStart + bit / 8] |= std::uint8_t(index << (8 - bitsPerPixel - bit % 8));
        }
    }
    return out;
}

std::vector<std::uint8_t>
BmpCodec::EncodeRows(int width, int height, int bitsPerPixel, std::span<const Pixel> palette,
                     std::span<const std::uint32_t> masks,
                     const std::function<const std::uint8_t*(int y)>& row) {
    const bool known = bitsPerPixel == 1 || bitsPerPixel == 4 || bitsPerPixel == 8 ||
                       bitsPerPixel == 16 || bitsPerPixel == 24 || bitsPerPixel == 32;
    if (!known)
        throw Exception("BMP picture: cannot write " + std::to_string(bitsPerPixel) +
                        " bits per pixel");
    CheckPictureSize(width, height, "BMP");
    if (bitsPerPixel <= 8 && (palette.empty() || palette.size() > (1u << bitsPerPixel)))
        throw Exception("BMP picture: the colour table does not fit the bit depth");
    if (!masks.empty() && (masks.size() != 3 || (bitsPerPixel != 16 && bitsPerPixel != 32)))
        throw Exception("BMP picture: bit fields need three masks and 16 or 32 bits per pixel");
    auto out = WriteHeaders(width, height, bitsPerPixel,
                            bitsPerPixel <= 8 ? palette : std::span<const Pixel>(), masks);
    const std::size_t stride = RowBytes(width, bitsPerPixel);
    for (int y = height - 1; y >= 0; --y) {
        const std::uint8_t* src = row(y);
        out.insert(out.end(), src, src + stride);
    }
    return out;
}

} // namespace gfx
