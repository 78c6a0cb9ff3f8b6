#include "platform/gfx/DecodedImage.h"
#include "platform/rtl/Exception.h"
#include <string>

namespace gfx {

void CheckPictureSize(std::int64_t width, std::int64_t height, const char* format) {
    const std::string prefix = std::string(format) + " picture";
    if (width <= 0 || height <= 0)
        throw Exception(prefix + " has an empty size (" + std::to_string(width) + " x " +
                        std::to_string(height) + ")");
    if (width > kMaxPictureDimension || height > kMaxPictureDimension ||
        width * height > kMaxPicturePixels)
        throw Exception(prefix + " is too large (" + std::to_string(width) + " x " +
                        std::to_string(height) + ")");
}

void CheckPictureData(std::int64_t width, std::int64_t height, std::int64_t decodedBytes,
                      std::int64_t codedBytes, std::int64_t maxExpansion, const char* format) {
    if (codedBytes > 0 && decodedBytes <= codedBytes * maxExpansion) return;
    throw Exception(std::string(format) + " picture holds too little data for its size (" +
                    std::to_string(width) + " x " + std::to_string(height) + ")");
}

} // namespace gfx
