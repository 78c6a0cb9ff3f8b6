#include "platform/gfx/GifCodec.h"
#include "platform/rtl/Exception.h"
#include <algorithm>
#include <array>
#include <cstring>
#include <gif_lib.h>
#include <memory>
#include <string>
#include <unordered_map>

namespace gfx {
namespace {

[[noreturn]] void Fail(const std::string& what) {
    throw Exception("GIF picture: " + what);
}

[[noreturn]] void FailCode(int code) {
    const char* text = GifErrorString(code);
    Fail(text ? text : "giflib error " + std::to_string(code));
}

struct ReadSource {
    std::span<const std::uint8_t> Data;
    std::size_t Pos{ 0 };
};

int ReadBytes(GifFileType* gif, GifByteType* buffer, int count) {
    auto* src = static_cast<ReadSource*>(gif->UserData);
    const std::size_t n =
        std::min<std::size_t>(std::size_t(std::max(count, 0)), src->Data.size() - src->Pos);
    std::memcpy(buffer, src->Data.data() + src->Pos, n);
    src->Pos += n;
    return int(n);
}

int WriteBytes(GifFileType* gif, const GifByteType* buffer, int count) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(gif->UserData);
    out->insert(out->end(), buffer, buffer + count);
    return count;
}

struct DecoderClose {
    void operator()(GifFileType* gif) const { DGifCloseFile(gif, nullptr); }
};
using DecoderPtr = std::unique_ptr<GifFileType, DecoderClose>;

struct EncoderClose {
    void operator()(GifFileType* gif) const { EGifCloseFile(gif, nullptr); }
};
using EncoderPtr = std::unique_ptr<GifFileType, EncoderClose>;

struct MapFree {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};
using MapPtr = std::unique_ptr<ColorMapObject, MapFree>;

// Reads extension records up to the first image descriptor; returns its transparent index.
int SkipToFirstImage(GifFileType* gif) {
    int transparent = NO_TRANSPARENT_COLOR;
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif, &type) == GIF_ERROR) FailCode(gif->Error);
        if (type == IMAGE_DESC_RECORD_TYPE) return transparent;
        if (type == TERMINATE_RECORD_TYPE) Fail("the file holds no picture");
        if (type != EXTENSION_RECORD_TYPE) Fail("unknown record");
        int code = 0;
        GifByteType* block = nullptr;
        if (DGifGetExtension(gif, &code, &block) == GIF_ERROR) FailCode(gif->Error);
        if (code == GRAPHICS_EXT_FUNC_CODE && block && block[0] >= 4) {
            GraphicsControlBlock gcb{};
            if (DGifExtensionToGCB(block[0], block + 1, &gcb) == GIF_OK)
                transparent = gcb.TransparentColor;
        }
        while (block) {
            if (DGifGetExtensionNext(gif, &block) == GIF_ERROR) FailCode(gif->Error);
        }
    }
}

// Median cut over a 15-bit colour histogram: each box is split at the weighted median of its
// widest channel until there are enough boxes; a box's colour is its weighted mean.
struct Bucket {
    std::uint16_t Key;
    std::uint32_t Count;
};

int Component(std::uint16_t key, int channel) {
    return (key >> (10 - 5 * channel)) & 31;
}

std::vector<Pixel> MedianCut(std::vector<Bucket> buckets, int maxColors) {
    struct Box {
        std::size_t Begin, End;
    };
    std::vector<Box> boxes{ { 0, buckets.size() } };
    auto widest = [&](const Box& b, int& range) {
        int best = 0;
        range = -1;
        for (int c = 0; c < 3; ++c) {
            int lo = 31, hi = 0;
            for (std::size_t i = b.Begin; i < b.End; ++i) {
                lo = std::min(lo, Component(buckets[i].Key, c));
                hi = std::max(hi, Component(buckets[i].Key, c));
            }
            if (hi - lo > range) {
                range = hi - lo;
                best = c;
            }
        }
        return best;
    };
    while (int(boxes.size()) < maxColors) {
        int pick = -1, pickRange = 0, pickChannel = 0;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].End - boxes[i].Begin < 2) continue;
            int range = 0;
            const int channel = widest(boxes[i], range);
            if (range > pickRange) {
                pick = int(i);
                pickRange = range;
                pickChannel = channel;
            }
        }
        if (pick < 0) break;
        Box box = boxes[pick];
        std::sort(buckets.begin() + box.Begin, buckets.begin() + box.End,
                  [&](const Bucket& a, const Bucket& b) {
                      return Component(a.Key, pickChannel) < Component(b.Key, pickChannel);
                  });
        std::uint64_t total = 0;
        for (std::size_t i = box.Begin; i < box.End; ++i)
            total += buckets[i].Count;
        std::uint64_t running = 0;
        std::size_t split = box.Begin + 1;
        for (std::size_t i = box.Begin; i < box.End - 1; ++i) {
            running += buckets[i].Count;
            split = i + 1;
            if (running * 2 >= total) break;
        }
        boxes[pick] = { box.Begin, split };
        boxes.push_back({ split, box.End });
    }
    std::vector<Pixel> palette;
    for (const Box& b : boxes) {
        std::uint64_t sum[3] = {}, count = 0;
        for (std::size_t i = b.Begin; i < b.End; ++i) {
            for (int c = 0; c < 3; ++c)
                sum[c] += std::uint64_t(Component(buckets[i].Key, c)) * buckets[i].Count;
            count += buckets[i].Count;
        }
        auto expand = [&](int c) {
            const double v = double(sum[c]) / double(count);
            return std::uint8_t(std::min(255.0, v * 255.0 / 31.0 + 0.5));
        };
        palette.push_back(MakePixel(expand(0), expand(1), expand(2), 255));
    }
    return palette;
}

std::uint16_t Key15(Pixel p) {
    return std::uint16_t(((PixelR(p) >> 3) << 10) | ((PixelG(p) >> 3) << 5) | (PixelB(p) >> 3));
}

} // namespace

QuantizedImage QuantizeColors(const Surface& pixels, int maxColors) {
    QuantizedImage result;
    const std::size_t count = std::size_t(pixels.Width()) * std::size_t(pixels.Height());
    result.Indices.resize(count);
    std::unordered_map<Pixel, std::uint8_t> exact;
    bool fits = true;
    for (int y = 0; y < pixels.Height() && fits; ++y)
        for (int x = 0; x < pixels.Width(); ++x) {
            const Pixel p = pixels.Row(y)[x] | 0xFF000000u;
            auto [it, added] = exact.try_emplace(p, std::uint8_t(exact.size()));
            if (added && int(exact.size()) > maxColors) {
                fits = false;
                break;
            }
            result.Indices[std::size_t(y) * pixels.Width() + x] = it->second;
        }
    if (fits) {
        result.Palette.resize(exact.size());
        for (const auto& [color, index] : exact)
            result.Palette[index] = color;
        return result;
    }

    std::vector<std::uint32_t> histogram(1 << 15);
    for (int y = 0; y < pixels.Height(); ++y)
        for (int x = 0; x < pixels.Width(); ++x)
            ++histogram[Key15(pixels.Row(y)[x])];
    std::vector<Bucket> buckets;
    for (std::size_t k = 0; k < histogram.size(); ++k)
        if (histogram[k]) buckets.push_back({ std::uint16_t(k), histogram[k] });
    result.Palette = MedianCut(std::move(buckets), maxColors);

    std::vector<std::uint8_t> nearest(1 << 15);
    for (std::size_t k = 0; k < histogram.size(); ++k) {
        if (!histogram[k]) continue;
        const int r = int((k >> 10) & 31) * 255 / 31, g = int((k >> 5) & 31) * 255 / 31,
                  b = int(k & 31) * 255 / 31;
        int best = 0, bestDistance = 1 << 30;
        for (std::size_t i = 0; i < result.Palette.size(); ++i) {
            const Pixel p = result.Palette[i];
            const int dr = PixelR(p) - r, dg = PixelG(p) - g, db = PixelB(p) - b;
            const int distance = dr * dr + dg * dg + db * db;
            if (distance < bestDistance) {
                bestDistance = distance;
                best = int(i);
            }
        }
        nearest[k] = std::uint8_t(best);
    }
    for (int y = 0; y < pixels.Height(); ++y)
        for (int x = 0; x < pixels.Width(); ++x)
            result.Indices[std::size_t(y) * pixels.Width() + x] = nearest[Key15(pixels.Row(y)[x])];
    return result;
}

bool GifCodec::IsGif(std::span<const std::uint8_t> data) {
    return data.size() >= 6 && (std::memcmp(data.data(), GIF87_STAMP, 6) == 0 ||
                                std::memcmp(data.data(), GIF89_STAMP, 6) == 0);
}

DecodedImage GifCodec::Decode(std::span<const std::uint8_t> data) {
    if (!IsGif(data)) Fail("the file is not a GIF file");
    ReadSource source{ data };
    int error = 0;
    DecoderPtr gif(DGifOpen(&source, ReadBytes, &error));
    if (!gif) FailCode(error);
    const int transparent = SkipToFirstImage(gif.get());
    if (DGifGetImageDesc(gif.get()) == GIF_ERROR) FailCode(gif->Error);

    const GifImageDesc& frame = gif->Image;
    CheckPictureSize(frame.Width, frame.Height, "GIF");
    if (frame.Left < 0 || frame.Top < 0) Fail("the frame lies outside the screen");
    const std::int64_t width =
        std::max<std::int64_t>(gif->SWidth, std::int64_t(frame.Left) + frame.Width);
    const std::int64_t height =
        std::max<std::int64_t>(gif->SHeight, std::int64_t(frame.Top) + frame.Height);
    CheckPictureSize(width, height, "GIF");
    // An LZW code stands for at most one entry of the 4096-entry table, and a string as long as
    // the table needs a 12-bit code: no byte of the file gives more than 4096 pixels, on the
    // frame or on the screen around it.
    constexpr std::int64_t kLzwExpansion = 4096;
    CheckPictureData(width, height, width * height, std::int64_t(data.size()), kLzwExpansion,
                     "GIF");
    const ColorMapObject* map = frame.ColorMap ? frame.ColorMap : gif->SColorMap;
    if (!map || map->ColorCount <= 0 || map->ColorCount > 256 || !map->Colors)
        Fail("the colour table is missing");

    DecodedImage image;
    image.BitDepth = map->BitsPerPixel;
    image.Palette.resize(std::size_t(map->ColorCount));
    for (int i = 0; i < map->ColorCount; ++i)
        image.Palette[i] =
            MakePixel(map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue, 255);
    if (transparent >= 0 && transparent < map->ColorCount) {
        image.TransparentIndex = transparent;
        image.Palette[transparent] &= 0x00FFFFFFu;
    }
    const bool covered =
        frame.Left == 0 && frame.Top == 0 && frame.Width == width && frame.Height == height;
    image.HasAlpha = image.TransparentIndex >= 0 || !covered;
    image.Pixels = Surface(int(width), int(height), 0);

    std::vector<GifPixelType> line(std::size_t(frame.Width));
    auto readRow = [&](int row) {
        if (DGifGetLine(gif.get(), line.data(), frame.Width) == GIF_ERROR) FailCode(gif->Error);
        Pixel* dst = image.Pixels.Row(frame.Top + row) + frame.Left;
        for (int x = 0; x < frame.Width; ++x)
            dst[x] =
                line[x] < image.Palette.size() ? image.Palette[line[x]] : MakePixel(0, 0, 0, 255);
    };
    if (frame.Interlace) {
        static constexpr int kStart[4] = { 0, 4, 2, 1 };
        static constexpr int kStep[4] = { 8, 8, 4, 2 };
        for (int pass = 0; pass < 4; ++pass)
            for (int row = kStart[pass]; row < frame.Height; row += kStep[pass])
                readRow(row);
    } else {
        for (int row = 0; row < frame.Height; ++row)
            readRow(row);
    }
    return image;
}

std::vector<std::uint8_t> GifCodec::Encode(const Surface& pixels, bool keepTransparency) {
    CheckPictureSize(pixels.Width(), pixels.Height(), "GIF");
    bool anyTransparent = false;
    if (keepTransparency)
        for (int y = 0; y < pixels.Height() && !anyTransparent; ++y)
            for (int x = 0; x < pixels.Width(); ++x)
                if (PixelA(pixels.Row(y)[x]) < 128) {
                    anyTransparent = true;
                    break;
                }
    QuantizedImage q = QuantizeColors(pixels, anyTransparent ? 255 : 256);
    int transparentIndex = NO_TRANSPARENT_COLOR;
    if (anyTransparent) {
        transparentIndex = int(q.Palette.size());
        q.Palette.push_back(0);
        for (int y = 0; y < pixels.Height(); ++y)
            for (int x = 0; x < pixels.Width(); ++x)
                if (PixelA(pixels.Row(y)[x]) < 128)
                    q.Indices[std::size_t(y) * pixels.Width() + x] = std::uint8_t(transparentIndex);
    }
    const int mapSize = 1 << GifBitSize(std::max(int(q.Palette.size()), 2));
    std::vector<GifColorType> colors(std::size_t(mapSize), GifColorType{ 0, 0, 0 });
    for (std::size_t i = 0; i < q.Palette.size(); ++i)
        colors[i] = { PixelR(q.Palette[i]), PixelG(q.Palette[i]), PixelB(q.Palette[i]) };
    MapPtr map(GifMakeMapObject(mapSize, colors.data()));
    if (!map) Fail("out of memory");

    std::vector<std::uint8_t> out;
    int error = 0;
    EncoderPtr gif(EGifOpen(&out, WriteBytes, &error));
    if (!gif) FailCode(error);
    EGifSetGifVersion(gif.get(), anyTransparent);
    if (EGifPutScreenDesc(gif.get(), pixels.Width(), pixels.Height(), 8, 0, map.get()) == GIF_ERROR)
        FailCode(gif->Error);
    if (anyTransparent) {
        GraphicsControlBlock gcb{};
        gcb.DisposalMode = DISPOSAL_UNSPECIFIED;
        gcb.TransparentColor = transparentIndex;
        GifByteType extension[4];
        const size_t length = EGifGCBToExtension(&gcb, extension);
        if (EGifPutExtension(gif.get(), GRAPHICS_EXT_FUNC_CODE, int(length), extension) ==
            GIF_ERROR)
            FailCode(gif->Error);
    }
    if (EGifPutImageDesc(gif.get(), 0, 0, pixels.Width(), pixels.Height(), false, nullptr) ==
        GIF_ERROR)
        FailCode(gif->Error);
    for (int y = 0; y < pixels.Height(); ++y) {
        GifPixelType* row = q.Indices.data() + std::size_t(y) * pixels.Width();
        if (EGifPutLine(gif.get(), row, pixels.Width()) == GIF_ERROR) FailCode(gif->Error);
    }
    if (EGifCloseFile(gif.release(), &error) == GIF_ERROR) FailCode(error);
    return out;
}

} // namespace gfx
