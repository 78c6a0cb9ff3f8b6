#include "lib/skindraw/TbsFBitmap.h"

#include "platform/gfx/GdiObjects.h"

TbsFBitmap::TbsFBitmap(win::HBITMAP bitmap) {
    win::BITMAP info{};
    if (!bitmap || win::GetObject(bitmap, sizeof(info), &info) == 0) return;
    if (info.bmWidth <= 0 || info.bmHeight == 0) return;
    FWidth = info.bmWidth;
    FHeight = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;

    win::BITMAPINFO header{};
    header.bmiHeader.biWidth = FWidth;
    header.bmiHeader.biHeight = -FHeight; // top-down: row 0 is the top one
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 24;
    header.bmiHeader.biCompression = win::BI_RGB;
    FBits.assign(std::size_t(RowInc()) * std::size_t(FHeight), 0);
    win::GetDIBits(nullptr, bitmap, 0, win::UINT(FHeight), FBits.data(), &header,
                   win::DIB_RGB_COLORS);

    FPixels.resize(std::size_t(FHeight));
    for (int y = 0; y < FHeight; ++y)
        FPixels[std::size_t(y)] = reinterpret_cast<const TFBColor*>(
            FBits.data() + std::size_t(y) * std::size_t(RowInc()));
}
