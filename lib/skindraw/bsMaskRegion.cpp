#include "lib/skindraw/bsMaskRegion.h"

#include "lib/skindraw/TbsFBitmap.h"
#include "lib/skindraw/bsImageBuilders.h"
#include "platform/gfx/GdiObjects.h"
#include "platform/gfx/TBitmap.h"

#include <cstring>

static_assert(sizeof(win::RGNDATAHEADER) == 32 && sizeof(win::RECT) == 16);

namespace {

constexpr std::size_t kHeaderWords = sizeof(win::RGNDATAHEADER) / sizeof(std::uint32_t);
constexpr std::size_t kRectWords = sizeof(win::RECT) / sizeof(std::uint32_t);

bool IsBlack(const TFBColor& c) {
    return c.r == 0 && c.g == 0 && c.b == 0;
}

} // namespace

int TbsRegionData::RectCount() const {
    return FWords.empty() ? 0 : int((FWords.size() - kHeaderWords) / kRectWords);
}

const win::RGNDATA* TbsRegionData::Data() const {
    return FWords.empty() ? nullptr : reinterpret_cast<const win::RGNDATA*>(FWords.data());
}

std::span<const win::RECT> TbsRegionData::Rects() const {
    if (FWords.empty()) return {};
    return { reinterpret_cast<const win::RECT*>(FWords.data() + kHeaderWords),
             std::size_t(RectCount()) };
}

TRect TbsRegionData::Bound() const {
    return FWords.empty() ? TRect() : TRect(Data()->rdh.rcBound);
}

gfx::GdiPtr<win::HRGN> TbsRegionData::CreateRegion() const {
    if (FWords.empty()) return nullptr;
    // No rectangles: an empty region, made directly rather than from an empty rectangle list.
    if (RectCount() == 0) return gfx::GdiPtr<win::HRGN>(win::CreateRectRgn(0, 0, 0, 0));
    return gfx::GdiPtr<win::HRGN>(win::ExtCreateRegion(nullptr, win::DWORD(Size()), Data()));
}

TbsRegionData RegionDataFromMask(const TBitmap& mask, int DX, int DY) {
    TbsRegionData data;
    if (mask.Empty()) return data;

    // Busy masks (dithered edges, text) can hold any number of runs, so the rectangles are
    // gathered in a growing list rather than a fixed buffer.
    std::vector<win::RECT> rects;
    const TbsFBitmap scan(mask.Handle());
    for (int y = 0; y < scan.Height(); ++y) {
        const TFBColor* row = scan.Pixels(y);
        int x = 0;
        while (x < scan.Width()) {
            if (!IsBlack(row[x])) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < scan.Width() && IsBlack(row[x]))
                ++x;
            rects.push_back(win::RECT{ DX + start, DY + y, DX + x, DY + y + 1 });
        }
    }

    win::RGNDATAHEADER header;
    header.nCount = win::DWORD(rects.size());
    header.rcBound = win::RECT{ DX, DY, DX + mask.Width(), DY + mask.Height() };
    data.FWords.assign(kHeaderWords + kRectWords * rects.size(), 0);
    std::memcpy(data.FWords.data(), &header, sizeof(header));
    if (!rects.empty())
        std::memcpy(data.FWords.data() + kHeaderWords, rects.data(),
                    rects.size() * sizeof(win::RECT));
    return data;
}

gfx::GdiPtr<win::HRGN> RegionFromMask(const TBitmap& mask) {
    return RegionDataFromMask(mask, 0, 0).CreateRegion();
}

gfx::GdiPtr<win::HRGN> BuildNineSliceRegion(TPoint LTPt, TPoint RTPt, TPoint LBPt, TPoint RBPt,
                                            TRect ClRect, TPoint NewLTPoint, TPoint NewRTPoint,
                                            TPoint NewLBPoint, TPoint NewRBPoint, TRect NewClRect,
                                            TBitmap& mask, int Width, int Height) {
    if (NewLTPoint.X > NewRTPoint.X || NewLTPoint.Y > NewLBPoint.Y) return nullptr;

    TBitmap top, left, right, bottom;
    BuildNineSliceMaskBorders(LTPt, RTPt, LBPt, RBPt, ClRect, NewLTPoint, NewRTPoint, NewLBPoint,
                              NewRBPoint, NewClRect, mask, top, left, right, bottom, Width, Height);

    gfx::GdiPtr<win::HRGN> result;
    auto unite = [&result](gfx::GdiPtr<win::HRGN> part) {
        if (!part) return;
        if (!result)
            result = std::move(part);
        else
            win::CombineRgn(result.get(), result.get(), part.get(), win::RGN_OR);
    };
    const struct {
        TBitmap& Strip;
        TPoint At;
    } strips[] = { { top, Point(0, 0) },
                   { bottom, Point(0, NewClRect.Bottom) },
                   { left, Point(0, NewClRect.Top) },
                   { right, Point(NewClRect.Right, NewClRect.Top) } };
    for (const auto& s : strips)
        if (!s.Strip.Empty()) unite(RegionDataFromMask(s.Strip, s.At.X, s.At.Y).CreateRegion());
    if (!NewClRect.IsEmpty())
        unite(gfx::GdiPtr<win::HRGN>(
            win::CreateRectRgn(NewClRect.Left, NewClRect.Top, NewClRect.Right, NewClRect.Bottom)));
    return result;
}
