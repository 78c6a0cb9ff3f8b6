#pragma once
// Pictures for drawing benchmarks.
#include "platform/gfx/TBitmap.h"

#include <cstdint>
#include <memory>

// A 24-bit picture in a diagonal pattern, so that no two neighbouring pixels are alike and
// nothing a drawing routine copies can be taken for a fill.
inline std::unique_ptr<TBitmap> PatternPicture(int width, int height) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(pf24bit);
    bitmap->SetSize(width, height);
    for (int y = 0; y < height; ++y) {
        auto* row = static_cast<std::uint8_t*>(bitmap->ScanLine(y));
        for (int x = 0; x < width * 3; ++x)
            row[x] = std::uint8_t(x * 7 + y * 13);
    }
    return bitmap;
}
