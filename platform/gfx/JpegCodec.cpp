#include "platform/gfx/JpegCodec.h"
#include "platform/rtl/Exception.h"
#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <string>
// jpeglib.h needs size_t and FILE declared before it.
#include <jpeglib.h>

namespace gfx {
namespace {

// The library reports errors through error_exit, which must not return: it jumps back to the
// setjmp point of the call that started the work. Only trivially destructible locals live
// between that point and the library calls, so the jump skips no destructor.
struct ErrorManager {
    jpeg_error_mgr Base;
    std::jmp_buf Jump;
    char Message[JMSG_LENGTH_MAX];
};

void ErrorExit(j_common_ptr info) {
    auto* err = reinterpret_cast<ErrorManager*>(info->err);
    info->err->format_message(info, err->Message);
    std::longjmp(err->Jump, 1);
}

void EmitMessage(j_common_ptr info, int level) {
    // A warning means damaged data (a truncated file gets a made-up end); refuse it.
    if (level < 0) ErrorExit(info);
}

void InstallErrors(ErrorManager& err) {
    jpeg_std_error(&err.Base);
    err.Base.error_exit = ErrorExit;
    err.Base.emit_message = EmitMessage;
    err.Message[0] = 0;
}

[[noreturn]] void Fail(const char* message) {
    throw Exception(std::string("JPEG picture: ") + (message[0] ? message : "libjpeg error"));
}

struct DecodeJob {
    jpeg_decompress_struct Info{};
    ErrorManager Errors{};
    const std::uint8_t* Data{ nullptr };
    unsigned long Size{ 0 };
    bool Created{ false };
    DecodedImage* Out{ nullptr };
    const char* Refusal{ nullptr };
    std::uint8_t* CmykRow{ nullptr };
    unsigned long Consumed{ 0 };

    ~DecodeJob() {
        if (Created) jpeg_destroy_decompress(&Info);
        std::free(CmykRow);
    }
};

bool RunDecode(DecodeJob& job) {
    jpeg_decompress_struct& info = job.Info;
    InstallErrors(job.Errors);
    info.err = &job.Errors.Base;
    if (setjmp(job.Errors.Jump)) return false;
    jpeg_create_decompress(&info);
    job.Created = true;
    jpeg_mem_src(&info, job.Data, job.Size);
    jpeg_read_header(&info, TRUE);
    if (info.image_width == 0 || info.image_height == 0 ||
        info.image_width > unsigned(kMaxPictureDimension) ||
        info.image_height > unsigned(kMaxPictureDimension) ||
        std::int64_t(info.image_width) * info.image_height > kMaxPicturePixels) {
        job.Refusal = "the picture size is empty or too large";
        return false;
    }
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRA;
    job.Out->BitDepth = info.num_components * 8;
    jpeg_start_decompress(&info);
    // The surface was sized from the header; the library may only report what it read.
    Surface& pixels = job.Out->Pixels;
    if (int(info.output_width) != pixels.Width() || int(info.output_height) != pixels.Height()) {
        job.Refusal = "the decoded size differs from the header";
        return false;
    }
    if (cmyk) {
        job.CmykRow = static_cast<std::uint8_t*>(std::malloc(std::size_t(info.output_width) * 4));
        if (!job.CmykRow) {
            job.Refusal = "out of memory";
            return false;
        }
    }
    // Adobe writes CMYK inverted (0 = full ink), the usual case for such files.
    const bool inverted = info.saw_Adobe_marker;
    while (info.output_scanline < info.output_height) {
        const int y = int(info.output_scanline);
        if (!cmyk) {
            JSAMPROW row = reinterpret_cast<JSAMPROW>(pixels.Row(y));
            jpeg_read_scanlines(&info, &row, 1);
            continue;
        }
        JSAMPROW row = job.CmykRow;
        jpeg_read_scanlines(&info, &row, 1);
        Pixel* dst = pixels.Row(y);
        for (unsigned x = 0; x < info.output_width; ++x) {
            const std::uint8_t* s = job.CmykRow + 4 * x;
            unsigned c = s[0], m = s[1], ye = s[2], k = s[3];
            if (!inverted) {
                c = 255 - c;
                m = 255 - m;
                ye = 255 - ye;
                k = 255 - k;
            }
            dst[x] = MakePixel(std::uint8_t(c * k / 255), std::uint8_t(m * k / 255),
                               std::uint8_t(ye * k / 255), 255);
        }
    }
    jpeg_finish_decompress(&info);
    job.Consumed = job.Size - info.src->bytes_in_buffer;
    return true;
}

struct EncodeJob {
    jpeg_compress_struct Info{};
    ErrorManager Errors{};
    const Surface* Pixels{ nullptr };
    int Quality{ 0 };
    bool Grayscale{ false };
    bool Created{ false };
    unsigned char* Buffer{ nullptr };
    unsigned long Size{ 0 };
    std::uint8_t* GrayRow{ nullptr };

    ~EncodeJob() {
        if (Created) jpeg_destroy_compress(&Info);
        std::free(Buffer);
        std::free(GrayRow);
    }
};

bool RunEncode(EncodeJob& job) {
    jpeg_compress_struct& info = job.Info;
    InstallErrors(job.Errors);
    info.err = &job.Errors.Base;
    if (setjmp(job.Errors.Jump)) return false;
    jpeg_create_compress(&info);
    job.Created = true;
    jpeg_mem_dest(&info, &job.Buffer, &job.Size);
    const Surface& pixels = *job.Pixels;
    info.image_width = JDIMENSION(pixels.Width());
    info.image_height = JDIMENSION(pixels.Height());
    info.input_components = job.Grayscale ? 1 : 4;
    info.in_color_space = job.Grayscale ? JCS_GRAYSCALE : JCS_EXT_BGRX;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, job.Quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    if (job.Grayscale) {
        job.GrayRow = static_cast<std::uint8_t*>(std::malloc(std::size_t(pixels.Width())));
        if (!job.GrayRow) return false;
    }
    while (info.next_scanline < info.image_height) {
        const Pixel* src = pixels.Row(int(info.next_scanline));
        JSAMPROW row;
        if (job.Grayscale) {
            for (int x = 0; x < pixels.Width(); ++x) {
                const Pixel p = src[x];
                job.GrayRow[x] = std::uint8_t(
                    (PixelR(p) * 299 + PixelG(p) * 587 + PixelB(p) * 114 + 500) / 1000);
            }
            row = job.GrayRow;
        } else {
            row = const_cast<JSAMPROW>(reinterpret_cast<const JSAMPLE*>(src));
        }
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    return true;
}

// Reads the frame header's size without the library, so the surface can be sized (and a
// lying size refused) before decoding starts.
bool PeekSize(std::span<const std::uint8_t> data, int& width, int& height) {
    std::size_t pos = 2;
    while (pos + 4 <= data.size()) {
        if (data[pos] != 0xFF) return false;
        const std::uint8_t marker = data[pos + 1];
        if (marker == 0xFF) {
            ++pos;
            continue;
        }
        if (marker == 0xD8 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            pos += 2;
            continue;
        }
        const std::size_t length = (std::size_t(data[pos + 2]) << 8) | data[pos + 3];
        if (length < 2 || pos + 2 + length > data.size()) return false;
        const bool frame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            if (length < 8) return false;
            height = (data[pos + 5] << 8) | data[pos + 6];
            width = (data[pos + 7] << 8) | data[pos + 8];
            return true;
        }
        pos += 2 + length;
    }
    return false;
}

} // namespace

bool JpegCodec::IsJpeg(std::span<const std::uint8_t> data) {
    return data.size() >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF;
}

DecodedImage JpegCodec::Decode(std::span<const std::uint8_t> data, std::size_t* bytesConsumed) {
    if (!IsJpeg(data)) Fail("the file is not a JPEG file");
    int width = 0, height = 0;
    if (!PeekSize(data, width, height)) Fail("the frame header is missing or truncated");
    CheckPictureSize(width, height, "JPEG");
    // Huffman coding spends at least one bit on each 8 x 8 block of a scan, and with the largest
    // sampling factors a block of a subsampled component covers 16 times its area: a byte gives
    // at most 8 x 64 x 16 pixels. (Arithmetic coding could do better on a flat picture; such
    // files are held to the same bound.)
    constexpr std::int64_t kBlockExpansion = 8 * 64 * 16;
    CheckPictureData(width, height, std::int64_t(width) * height, std::int64_t(data.size()),
                     kBlockExpansion, "JPEG");
    DecodedImage image;
    image.Pixels = Surface(width, height);
    DecodeJob job;
    job.Data = data.data();
    job.Size = static_cast<unsigned long>(data.size());
    job.Out = &image;
    if (!RunDecode(job)) Fail(job.Refusal ? job.Refusal : job.Errors.Message);
    if (bytesConsumed) *bytesConsumed = job.Consumed;
    return image;
}

std::vector<std::uint8_t> JpegCodec::Encode(const Surface& pixels, int quality, bool grayscale) {
    CheckPictureSize(pixels.Width(), pixels.Height(), "JPEG");
    EncodeJob job;
    job.Pixels = &pixels;
    job.Quality = std::clamp(quality, 0, 100);
    job.Grayscale = grayscale;
    if (!RunEncode(job)) Fail(job.Errors.Message);
    return std::vector<std::uint8_t>(job.Buffer, job.Buffer + job.Size);
}

} // namespace gfx
