#include "platform/gfx/PngCodec.h"
#include "platform/rtl/Exception.h"
#include <algorithm>
#include <cstring>
#include <png.h>
#include <string>

namespace gfx {
namespace {

constexpr std::uint8_t kSignature[8] = { 0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n' };
// Samples per pixel by colour type (0 for the types that do not exist).
constexpr int kChannels[7] = { 1, 0, 3, 1, 2, 0, 4 };
// Deflate codes a run of 258 bytes in as little as two bits, and never expands more.
constexpr std::int64_t kDeflateExpansion = 1032;

[[noreturn]] void Fail(const std::string& what) {
    throw Exception("PNG picture: " + what);
}

std::uint32_t BigEndian32(const std::uint8_t* p) {
    return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) |
           std::uint32_t(p[3]);
}

// The sample depths the format allows for each colour type; any other is a damaged header.
bool IsBitDepthOfType(int depth, PngColorType type) {
    switch (type) {
    case PngColorType::Grayscale:
        return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
    case PngColorType::Palette:
        return depth == 1 || depth == 2 || depth == 4 || depth == 8;
    default:
        return depth == 8 || depth == 16;
    }
}

// Owns the simplified-API state; png_image_free is safe on an image already released.
class ImageGuard {
public:
    ImageGuard() {
        std::memset(&FImage, 0, sizeof FImage);
        FImage.version = PNG_IMAGE_VERSION;
    }
    ~ImageGuard() { png_image_free(&FImage); }
    ImageGuard(const ImageGuard&) = delete;
    ImageGuard& operator=(const ImageGuard&) = delete;

    png_image* operator->() { return &FImage; }
    png_image* Get() { return &FImage; }
    std::string Message() const { return FImage.message[0] ? FImage.message : "libpng error"; }

private:
    png_image FImage;
};

// Visits each chunk after the signature with its type and bounded data, until IEND; a file
// that ends before IEND is truncated. Returns the file's size: the end of IEND.
template <typename Visit>
std::size_t ForEachChunk(std::span<const std::uint8_t> data, Visit visit) {
    std::size_t pos = sizeof kSignature;
    while (data.size() - pos >= 12) {
        const std::uint32_t length = BigEndian32(data.data() + pos);
        const std::uint8_t* type = data.data() + pos + 4;
        if (length > data.size() - pos - 12) Fail("a chunk runs past the end of the file");
        visit(type, data.subspan(pos + 8, length));
        if (std::memcmp(type, "IEND", 4) == 0) return pos + 12 + std::size_t(length);
        pos += 12 + std::size_t(length);
    }
    Fail("the file is truncated");
}

} // namespace

bool PngCodec::IsPng(std::span<const std::uint8_t> data) {
    return data.size() >= sizeof kSignature &&
           std::memcmp(data.data(), kSignature, sizeof kSignature) == 0;
}

PngHeader PngCodec::ReadHeader(std::span<const std::uint8_t> data) {
    if (!IsPng(data)) Fail("the file is not a PNG file");
    if (data.size() < 33 || std::memcmp(data.data() + 12, "IHDR", 4) != 0 ||
        BigEndian32(data.data() + 8) != 13)
        Fail("the header is missing");
    PngHeader h;
    const std::uint32_t width = BigEndian32(data.data() + 16);
    const std::uint32_t height = BigEndian32(data.data() + 20);
    CheckPictureSize(width, height, "PNG");
    h.Width = int(width);
    h.Height = int(height);
    h.BitDepth = data[24];
    const int type = data[25];
    if (type != 0 && type != 2 && type != 3 && type != 4 && type != 6)
        Fail("unknown colour type " + std::to_string(type));
    h.ColorType = PngColorType(type);
    // The depth scales the transparency key below, and a depth of 0 would divide by zero.
    if (!IsBitDepthOfType(h.BitDepth, h.ColorType))
        Fail("bit depth " + std::to_string(h.BitDepth) + " is not allowed for colour type " +
             std::to_string(type));
    h.FileSize =
        ForEachChunk(data, [&](const std::uint8_t* chunk, std::span<const std::uint8_t> body) {
            if (std::memcmp(chunk, "IDAT", 4) == 0) h.ImageDataSize += body.size();
            if (std::memcmp(chunk, "tRNS", 4) != 0) return;
            h.HasTransparency = true;
            auto sample = [&](std::size_t i) {
                const unsigned v = (unsigned(body[2 * i]) << 8) | body[2 * i + 1];
                if (h.BitDepth == 16) return std::uint8_t(v >> 8);
                const unsigned max = (1u << h.BitDepth) - 1;
                return std::uint8_t(std::min(v, max) * 255 / max);
            };
            if (h.ColorType == PngColorType::Grayscale && body.size() >= 2) {
                const std::uint8_t g = sample(0);
                h.TransparentKey = MakePixel(g, g, g, 255);
            } else if (h.ColorType == PngColorType::RGB && body.size() >= 6) {
                h.TransparentKey = MakePixel(sample(0), sample(1), sample(2), 255);
            }
        });
    return h;
}

DecodedImage PngCodec::Decode(std::span<const std::uint8_t> data) {
    const PngHeader header = ReadHeader(data);
    const int bitsPerPixel = header.BitDepth * kChannels[int(header.ColorType)];
    // Every pixel's bits, without the filter byte of each row, are a lower bound of what the
    // compressed data must inflate to, interlaced or not.
    CheckPictureData(header.Width, header.Height,
                     std::int64_t(header.Width) * header.Height * bitsPerPixel / 8,
                     std::int64_t(header.ImageDataSize), kDeflateExpansion, "PNG");
    ImageGuard image;
    if (!png_image_begin_read_from_memory(image.Get(), data.data(), data.size()))
        Fail(image.Message());
    // Without this a 16-bit file lacking gAMA would be taken as linear light and darkened.
    image->flags |= PNG_IMAGE_FLAG_16BIT_sRGB;
    image->format = PNG_FORMAT_BGRA;
    DecodedImage out;
    out.Pixels = Surface(header.Width, header.Height);
    if (!png_image_finish_read(image.Get(), nullptr, out.Pixels.Data(), 0, nullptr))
        Fail(image.Message());

    out.BitDepth = bitsPerPixel;
    out.HasAlpha = header.HasTransparency || header.ColorType == PngColorType::GrayscaleAlpha ||
                   header.ColorType == PngColorType::RGBAlpha;
    if (header.ColorType == PngColorType::Palette) {
        ForEachChunk(data, [&](const std::uint8_t* chunk, std::span<const std::uint8_t> body) {
            if (std::memcmp(chunk, "PLTE", 4) == 0) {
                out.Palette.clear();
                for (std::size_t i = 0; i + 3 <= body.size() && i / 3 < 256; i += 3)
                    out.Palette.push_back(MakePixel(body[i], body[i + 1], body[i + 2], 255));
            } else if (std::memcmp(chunk, "tRNS", 4) == 0) {
                for (std::size_t i = 0; i < body.size() && i < out.Palette.size(); ++i) {
                    out.Palette[i] = (out.Palette[i] & 0x00FFFFFFu) | (Pixel(body[i]) << 24);
                    if (body[i] == 0 && out.TransparentIndex < 0) out.TransparentIndex = int(i);
                }
            }
        });
    }
    return out;
}

std::vector<std::uint8_t> PngCodec::Encode(const Surface& pixels, bool withAlpha) {
    CheckPictureSize(pixels.Width(), pixels.Height(), "PNG");
    ImageGuard image;
    image->width = png_uint_32(pixels.Width());
    image->height = png_uint_32(pixels.Height());
    image->format = withAlpha ? PNG_FORMAT_BGRA : PNG_FORMAT_BGR;
    std::vector<std::uint8_t> packed;
    const void* buffer = pixels.Data();
    // libpng reads the rows from the top down; a bottom-up surface is copied in that order.
    if (withAlpha && pixels.Order() != Surface::RowOrder::TopDown) {
        packed.reserve(pixels.ByteSize());
        for (int y = 0; y < pixels.Height(); ++y) {
            const auto* row = reinterpret_cast<const std::uint8_t*>(pixels.Row(y));
            packed.insert(packed.end(), row, row + std::size_t(pixels.Width()) * 4);
        }
        buffer = packed.data();
    }
    if (!withAlpha) {
        packed.reserve(std::size_t(pixels.Width()) * pixels.Height() * 3);
        for (int y = 0; y < pixels.Height(); ++y)
            for (int x = 0; x < pixels.Width(); ++x) {
                const Pixel p = pixels.Row(y)[x];
                packed.insert(packed.end(), { PixelB(p), PixelG(p), PixelR(p) });
            }
        buffer = packed.data();
    }
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(image.Get(), nullptr, &size, 0, buffer, 0, nullptr))
        Fail(image.Message());
    std::vector<std::uint8_t> out(size);
    if (!png_image_write_to_memory(image.Get(), out.data(), &size, 0, buffer, 0, nullptr))
        Fail(image.Message());
    out.resize(size);
    return out;
}

} // namespace gfx
