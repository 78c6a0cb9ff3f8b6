#include "platform/gfx/IconObject.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/GdiHandle.h"
#include "platform/gfx/GdiObjects.h"
#include <algorithm>
#include <cstring>
#include <memory>

namespace win {
namespace {

// Icons are no GDI drawing objects: GetObjectType reports 0 for them, as in Win32.
constexpr DWORD kIconKind = 0;

// Draws pixels through a temporary top-down 32-bit DIB: blended (premultiplied) or copied.
BOOL Blit(HDC dc, int x, int y, int width, int height, const gfx::Surface& pixels, UINT flags) {
    BITMAPINFO info{};
    info.bmiHeader.biWidth = pixels.Width();
    info.bmiHeader.biHeight = -pixels.Height();
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    gfx::GdiPtr<HBITMAP> bitmap(
        CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    gfx::DcPtr memory(CreateCompatibleDC(nullptr));
    if (!bitmap || !memory || !bits) return FALSE;
    auto* out = static_cast<gfx::Pixel*>(bits);
    const bool image = flags & DI_IMAGE;
    for (int row = 0; row < pixels.Height(); ++row)
        for (int col = 0; col < pixels.Width(); ++col) {
            const gfx::Pixel p = pixels.Row(row)[col];
            const unsigned a = gfx::PixelA(p);
            gfx::Pixel value;
            if (!image) // the mask: black where the icon covers, white where it is clear
                value = a ? gfx::MakePixel(0, 0, 0, 0) : gfx::MakePixel(255, 255, 255, 0);
            else if (flags & DI_MASK)
                value =
                    gfx::MakePixel(std::uint8_t((gfx::PixelR(p) * a + 127) / 255),
                                   std::uint8_t((gfx::PixelG(p) * a + 127) / 255),
                                   std::uint8_t((gfx::PixelB(p) * a + 127) / 255), std::uint8_t(a));
            else
                value = p;
            out[std::size_t(row) * pixels.Width() + col] = value;
        }
    HGDIOBJ old = SelectObject(memory.get(), bitmap.get());
    BOOL done;
    if ((flags & DI_NORMAL) == DI_NORMAL) {
        BLENDFUNCTION blend;
        blend.AlphaFormat = AC_SRC_ALPHA;
        done = AlphaBlend(dc, x, y, width, height, memory.get(), 0, 0, pixels.Width(),
                          pixels.Height(), blend);
    } else {
        done = StretchBlt(dc, x, y, width, height, memory.get(), 0, 0, pixels.Width(),
                          pixels.Height(), image ? SRCCOPY : SRCAND);
    }
    SelectObject(memory.get(), old);
    return done;
}

} // namespace

IconObject::IconObject(std::vector<gfx::Surface> images)
    : GdiObject(kIconKind), FImages(std::move(images)) {}

const gfx::Surface& IconObject::Largest() const {
    return *std::max_element(FImages.begin(), FImages.end(), [](const auto& a, const auto& b) {
        return std::int64_t(a.Width()) * a.Height() < std::int64_t(b.Width()) * b.Height();
    });
}

const gfx::Surface& IconObject::BestFor(int width, int height) const {
    const gfx::Surface* best = nullptr;
    for (const gfx::Surface& image : FImages) {
        if (image.Width() == width && image.Height() == height) return image;
        const bool larger = image.Width() >= width && image.Height() >= height;
        if (larger && (!best || std::int64_t(image.Width()) * image.Height() <
                                    std::int64_t(best->Width()) * best->Height()))
            best = &image;
    }
    return best ? *best : Largest();
}

HICON CreateIconFromImages(std::vector<gfx::Surface> images) {
    std::erase_if(images, [](const gfx::Surface& s) { return s.Empty(); });
    if (images.empty()) return nullptr;
    return gdi::AddAs<HICON>(std::make_unique<IconObject>(std::move(images)));
}

IconObject* IconFromHandle(HICON icon) {
    return gdi::LookupAs<IconObject>(icon);
}

BOOL DestroyIcon(HICON icon) {
    return IconFromHandle(icon) && gdi::Remove(icon) ? TRUE : FALSE;
}

BOOL DrawIconEx(HDC dc, int x, int y, HICON icon, int width, int height, UINT, HBRUSH, UINT flags) {
    const IconObject* object = IconFromHandle(icon);
    if (!object || !(flags & DI_NORMAL)) return FALSE;
    const gfx::Surface& own = object->Largest();
    if (width == 0) width = own.Width();
    if (height == 0) height = own.Height();
    const gfx::Surface& source = object->BestFor(width, height);
    if (source.Width() == width && source.Height() == height)
        return Blit(dc, x, y, width, height, source, flags);
    return Blit(dc, x, y, width, height, ScalePicture(source, width, height), flags);
}

BOOL DrawIcon(HDC dc, int x, int y, HICON icon) {
    return DrawIconEx(dc, x, y, icon, 0, 0, 0, nullptr, DI_NORMAL);
}

HANDLE CopyImage(HANDLE image, UINT type, int cx, int cy, UINT) {
    if (type != IMAGE_ICON) return nullptr;
    const IconObject* object = IconFromHandle(static_cast<HICON>(image));
    if (!object) return nullptr;
    const gfx::Surface& own = object->Largest();
    if (cx <= 0) cx = own.Width();
    if (cy <= 0) cy = own.Height();
    std::vector<gfx::Surface> copy;
    copy.push_back(ScalePicture(object->BestFor(cx, cy), cx, cy));
    return CreateIconFromImages(std::move(copy));
}

gfx::Surface ScalePicture(const gfx::Surface& source, int width, int height) {
    if (width <= 0 || height <= 0 || source.Empty()) return gfx::Surface();
    if (width == source.Width() && height == source.Height()) {
        gfx::Surface same(width, height);
        for (int y = 0; y < height; ++y)
            std::copy_n(source.Row(y), width, same.Row(y));
        return same;
    }
    gfx::Surface out(width, height);
    for (int y = 0; y < height; ++y) {
        const int y0 = int(std::int64_t(y) * source.Height() / height);
        const int y1 = std::max(y0 + 1, int(std::int64_t(y + 1) * source.Height() / height));
        for (int x = 0; x < width; ++x) {
            const int x0 = int(std::int64_t(x) * source.Width() / width);
            const int x1 = std::max(x0 + 1, int(std::int64_t(x + 1) * source.Width() / width));
            if (x1 - x0 == 1 && y1 - y0 == 1) { // growing: the nearest pixel as it is
                out.Row(y)[x] = source.Row(y0)[x0];
                continue;
            }
            // Colours are weighted by alpha, so clear pixels lend no colour to the edge.
            std::uint64_t r = 0, g = 0, b = 0, a = 0, n = 0;
            for (int sy = y0; sy < y1; ++sy)
                for (int sx = x0; sx < x1; ++sx) {
                    const gfx::Pixel p = source.Row(sy)[sx];
                    const unsigned alpha = gfx::PixelA(p);
                    r += std::uint64_t(gfx::PixelR(p)) * alpha;
                    g += std::uint64_t(gfx::PixelG(p)) * alpha;
                    b += std::uint64_t(gfx::PixelB(p)) * alpha;
                    a += alpha;
                    ++n;
                }
            const auto channel = [&](std::uint64_t sum) {
                return a ? std::uint8_t((sum + a / 2) / a) : std::uint8_t(0);
            };
            out.Row(y)[x] =
                gfx::MakePixel(channel(r), channel(g), channel(b), std::uint8_t((a + n / 2) / n));
        }
    }
    return out;
}

} // namespace win
