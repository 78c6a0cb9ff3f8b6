#pragma once
#include "platform/gfx/Surface.h"
#include <cstdint>
#include <vector>

namespace gfx {

// Largest width or height a picture file may declare, and the largest pixel count; anything
// bigger is refused before memory is reserved for it.
constexpr int kMaxPictureDimension = 32768;
constexpr std::int64_t kMaxPicturePixels = std::int64_t(1) << 26;

// Throws when a file's declared size is zero, negative or past the limits above.
void CheckPictureSize(std::int64_t width, std::int64_t height, const char* format);

// Throws when the bytes a file holds for its pixels cannot decode to a picture of the declared
// size: a coding expands its input at most maxExpansion times, so decodedBytes need at least
// decodedBytes / maxExpansion coded bytes. Checked before the picture's memory is reserved, so
// that a few bytes cannot claim a picture of hundreds of megabytes.
void CheckPictureData(std::int64_t width, std::int64_t height, std::int64_t decodedBytes,
                      std::int64_t codedBytes, std::int64_t maxExpansion, const char* format);

// A picture read from a file: its pixels as top-down BGRA plus what the file said about them.
// Without alpha every pixel's alpha byte is 255.
struct DecodedImage {
    Surface Pixels;
    int BitDepth{ 32 };         // bits per pixel as stored in the file
    bool Green6{ false };       // 16 bits per pixel as 5-6-5 rather than 5-5-5
    bool HasAlpha{ false };     // the file carries transparency (alpha channel, key or mask)
    std::vector<Pixel> Palette; // the colour table of indexed files; alpha from their transparency
    int TransparentIndex{ -1 }; // palette entry that is fully transparent, -1 for none
};

} // namespace gfx
