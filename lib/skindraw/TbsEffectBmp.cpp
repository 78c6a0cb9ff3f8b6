#include "lib/skindraw/TbsEffectBmp.h"

#include "platform/rtl/Exception.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <new>
#include <random>
#include <utility>
#include <vector>

namespace {

// Round to nearest, halves to even (the default rounding mode), then held to a byte.
std::uint8_t ToByte(double v) {
    return std::uint8_t(std::clamp(std::nearbyint(v), 0.0, 255.0));
}

int RoundEven(double v) {
    return int(std::nearbyint(v));
}

// A factor outside 0..1 is held to it; one that is not a number counts as 0.
double ClampFactor(double kf) {
    if (std::isnan(kf)) return 0;
    return std::clamp(kf, 0.0, 1.0);
}

int Random(int n) {
    thread_local std::minstd_rand generator{ std::random_device{}() };
    return std::uniform_int_distribution<int>(0, n - 1)(generator);
}

} // namespace

TbsEffectBmp::TbsEffectBmp(int cx, int cy) {
    FWidth = std::max(cx, 0);
    FHeight = std::max(cy, 0);
    FStride = (FWidth * 3 + 3) & ~3;
    auto& h = FBmpInfo.bmiHeader;
    h.biSize = 40;
    h.biWidth = FWidth;
    h.biHeight = -FHeight;
    h.biPlanes = 1;
    h.biBitCount = 24;
    h.biCompression = win::BI_RGB;
    if (FWidth == 0 || FHeight == 0) return;
    if (std::int64_t(FStride) * FHeight > std::numeric_limits<std::int32_t>::max())
        throw EOutOfResources("Can't allocate the DIB handle");
    void* bits = nullptr;
    try {
        FHandle.reset(
            win::CreateDIBSection(nullptr, &FBmpInfo, win::DIB_RGB_COLORS, &bits, nullptr, 0));
    } catch (const std::bad_alloc&) {
        FHandle.reset();
    }
    if (!FHandle || !bits) throw EOutOfResources("Can't allocate the DIB handle");
    FBits = static_cast<std::uint8_t*>(bits);
}

TbsEffectBmp::~TbsEffectBmp() = default;

TbsEffectBmp::TbsEffectBmp(TbsEffectBmp&& other) noexcept
    : FWidth(std::exchange(other.FWidth, 0)), FHeight(std::exchange(other.FHeight, 0)),
      FStride(std::exchange(other.FStride, 0)), FBits(std::exchange(other.FBits, nullptr)),
      FBmpInfo(other.FBmpInfo), FHandle(std::move(other.FHandle)) {
    other.FBmpInfo.bmiHeader.biWidth = 0;
    other.FBmpInfo.bmiHeader.biHeight = 0;
}

std::unique_ptr<TbsEffectBmp> TbsEffectBmp::CreateFromhWnd(win::HBITMAP bitmap) {
    win::BITMAP info;
    if (win::GetObject(bitmap, int(sizeof(info)), &info) == 0)
        return std::make_unique<TbsEffectBmp>(0, 0);
    auto result = std::make_unique<TbsEffectBmp>(info.bmWidth, std::abs(info.bmHeight));
    if (result->FBits) {
        gfx::DcPtr dc(win::CreateCompatibleDC(nullptr));
        win::BITMAPINFO header = result->FBmpInfo;
        win::GetDIBits(dc.get(), bitmap, 0, win::UINT(result->FHeight), result->FBits, &header,
                       win::DIB_RGB_COLORS);
    }
    return result;
}

std::unique_ptr<TbsEffectBmp> TbsEffectBmp::CreateCopy(const TbsEffectBmp& source) {
    auto result = std::make_unique<TbsEffectBmp>(source.FWidth, source.FHeight);
    if (source.FBits) std::memcpy(result->FBits, source.FBits, std::size_t(source.Size()));
    return result;
}

void TbsEffectBmp::GetScanLine(int y, void* line) const {
    if (y < 0 || y >= FHeight) return;
    std::memcpy(line, RowAddress(y), std::size_t(FWidth) * 3);
}

void TbsEffectBmp::SetScanLine(int y, const void* line) {
    if (y < 0 || y >= FHeight) return;
    std::memcpy(RowAddress(y), line, std::size_t(FWidth) * 3);
}

std::uint32_t TbsEffectBmp::ReadPixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= FWidth || y >= FHeight) return 0;
    const std::uint8_t* p = RowAddress(y) + 3 * x;
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16);
}

void TbsEffectBmp::WritePixel(int x, int y, std::uint32_t color) {
    if (x < 0 || y < 0 || x >= FWidth || y >= FHeight) return;
    std::uint8_t* p = RowAddress(y) + 3 * x;
    p[0] = std::uint8_t(color);
    p[1] = std::uint8_t(color >> 8);
    p[2] = std::uint8_t(color >> 16);
}

void TbsEffectBmp::Draw(win::HDC dc, int x, int y) const {
    if (!FBits) return;
    win::SetDIBitsToDevice(dc, x, y, win::DWORD(FWidth), win::DWORD(FHeight), 0, 0, 0,
                           win::UINT(FHeight), FBits, &FBmpInfo, win::DIB_RGB_COLORS);
}

void TbsEffectBmp::Stretch(win::HDC dc, int x, int y, int cx, int cy) const {
    if (!FBits) return;
    win::StretchDIBits(dc, x, y, cx, cy, 0, 0, FWidth, FHeight, FBits, &FBmpInfo,
                       win::DIB_RGB_COLORS, win::SRCCOPY);
}

void TbsEffectBmp::DrawRect(win::HDC dc, int hx, int hy, int x, int y, int cx, int cy) const {
    if (!FBits) return;
    // Our StretchDIBits counts sourceY from the top of a top-down DIB, so the area is named
    // directly instead of through mirrored heights.
    win::StretchDIBits(dc, hx, hy, cx, cy, x, y, cx, cy, FBits, &FBmpInfo, win::DIB_RGB_COLORS,
                       win::SRCCOPY);
}

// ---- Transitions ------------------------------------------------------------------------------

void TbsEffectBmp::Mix(const TbsEffectBmp& bmp, int x, int y, double t) {
    std::uint8_t* own = RowAddress(y) + 3 * x;
    const std::uint8_t* other = bmp.RowAddress(y) + 3 * x;
    for (int c = 0; c < 3; ++c)
        own[c] = ToByte(t * own[c] + (1 - t) * other[c]);
}

void TbsEffectBmp::CopyPixel(const TbsEffectBmp& bmp, int fromX, int fromY, int x, int y) {
    std::memmove(RowAddress(y) + 3 * x, bmp.RowAddress(fromY) + 3 * fromX, 3);
}

void TbsEffectBmp::Morph(const TbsEffectBmp& bmp, double kf) {
    if (!SameSize(bmp)) return;
    const double t = 1 - ClampFactor(kf);
    for (int y = 0; y < FHeight; ++y)
        for (int x = 0; x < FWidth; ++x)
            Mix(bmp, x, y, t);
}

void TbsEffectBmp::MorphGrad(const TbsEffectBmp& bmp, double kf) {
    if (FWidth < FHeight)
        MorphVGrad(bmp, kf);
    else
        MorphHGrad(bmp, kf);
}

void TbsEffectBmp::MorphHGrad(const TbsEffectBmp& bmp, double kf) {
    if (!SameSize(bmp) || FWidth == 0) return;
    const int w = FWidth;
    const int b = RoundEven(w * ClampFactor(kf));
    const int c = (w - b) / 2;
    const double step = c != 0 ? 1.0 / c : 1.0;
    const int h = std::max(0, w / 2 - b / 2);
    const int d = std::min(w - 1, w / 2 + b / 2);
    for (int y = 0; y < FHeight; ++y) {
        for (int x = h; x <= d; ++x)
            CopyPixel(bmp, x, y, x, y);
        double t = 0;
        for (int x = h; x >= 0; --x) {
            Mix(bmp, x, y, t);
            t = std::min(1.0, t + step);
        }
        t = 0;
        for (int x = d; x < w; ++x) {
            Mix(bmp, x, y, t);
            t = std::min(1.0, t + step);
        }
    }
}

void TbsEffectBmp::MorphVGrad(const TbsEffectBmp& bmp, double kf) {
    if (!SameSize(bmp) || FHeight == 0) return;
    const int hgt = FHeight;
    const int b = RoundEven(hgt * ClampFactor(kf));
    const int c = (hgt - 1 - b) / 2;
    const double step = c != 0 ? 1.0 / c : 0.0;
    const int n = std::max(0, hgt / 2 - b / 2);
    const int e = std::min(hgt - 1, hgt / 2 + b / 2);
    const auto mixRow = [&](int y, double t) {
        for (int x = 0; x < FWidth; ++x)
            Mix(bmp, x, y, t);
    };
    for (int y = n; y <= e; ++y)
        std::memcpy(RowAddress(y), bmp.RowAddress(y), std::size_t(FWidth) * 3);
    double t = 0;
    for (int y = n; y >= 0; --y) {
        mixRow(y, t);
        t = std::min(1.0, t + step);
    }
    t = 0;
    for (int y = e; y < hgt; ++y) {
        mixRow(y, t);
        t = std::min(1.0, t + step);
    }
}

void TbsEffectBmp::MorphLeftGrad(const TbsEffectBmp& bmp, double kf) {
    if (!SameSize(bmp) || FWidth == 0) return;
    const int b = std::max(1, std::min(RoundEven(FWidth * ClampFactor(kf)), FWidth - 1));
    const int last = std::min(b, FWidth - 1);
    for (int y = 0; y < FHeight; ++y) {
        double t = 0;
        for (int x = 0; x <= last; ++x) {
            Mix(bmp, x, y, t);
            t = std::min(1.0, t + 1.0 / b);
        }
    }
}

void TbsEffectBmp::MorphRightGrad(const TbsEffectBmp& bmp, double kf) {
    if (!SameSize(bmp) || FWidth == 0) return;
    const int c = std::clamp(FWidth - RoundEven(FWidth * ClampFactor(kf)), 0, FWidth - 1);
    const double step = 1.0 / (FWidth - c);
    for (int y = 0; y < FHeight; ++y) {
        double t = 0;
        for (int x = FWidth - 1; x >= c; --x) {
            Mix(bmp, x, y, t);
            t = std::min(1.0, t + step);
        }
    }
}

void TbsEffectBmp::MorphPush(const TbsEffectBmp& bmp, double kf) {
    if (!SameSize(bmp) || FWidth == 0) return;
    const int w = FWidth;
    const int b = std::clamp(RoundEven(w * ClampFactor(kf)), 0, w - 1);
    for (int y = 0; y < FHeight; ++y) {
        for (int j = w - 1; j >= b; --j)
            CopyPixel(*this, j > b ? j - b - 1 : 0, y, j, y);
        for (int j = 0; j <= b; ++j)
            CopyPixel(bmp, w - b - 1 + j, y, j, y);
    }
}

void TbsEffectBmp::MorphLeftSlide(const TbsEffectBmp& bmp, double kf) {
    if (!SameSize(bmp) || FWidth == 0) return;
    const int w = FWidth;
    const int b = std::min(w, std::max(1, std::min(RoundEven(w * ClampFactor(kf)), w - 1)));
    for (int y = 0; y < FHeight; ++y)
        for (int j = 0; j < b; ++j)
            CopyPixel(bmp, w - b + j, y, j, y);
}

void TbsEffectBmp::MorphRightSlide(const TbsEffectBmp& bmp, double kf) {
    if (!SameSize(bmp) || FWidth == 0) return;
    const int w = FWidth;
    const int b = std::min(w, std::max(1, std::min(RoundEven(w * ClampFactor(kf)), w - 1)));
    for (int y = 0; y < FHeight; ++y)
        for (int j = 0; j < b; ++j)
            CopyPixel(bmp, j, y, w - b + j, y);
}

void TbsEffectBmp::MorphRect(const TbsEffectBmp& bmp, double kf, TRect rct, int startX,
                             int startY) {
    const double k = ClampFactor(kf);
    for (int y = std::max(rct.Top, 0); y < std::min(rct.Bottom, FHeight); ++y) {
        const int sy = startY + (y - rct.Top);
        if (sy < 0 || sy >= bmp.FHeight) continue;
        for (int x = std::max(rct.Left, 0); x < std::min(rct.Right, FWidth); ++x) {
            const int sx = startX + (x - rct.Left);
            if (sx < 0 || sx >= bmp.FWidth) continue;
            std::uint8_t* own = RowAddress(y) + 3 * x;
            const std::uint8_t* other = bmp.RowAddress(sy) + 3 * sx;
            for (int c = 0; c < 3; ++c)
                own[c] = ToByte((1 - k) * own[c] + k * other[c]);
        }
    }
}

void TbsEffectBmp::CopyRect(const TbsEffectBmp& bmp, TRect rct, int startX, int startY) {
    const int right = std::min(rct.Right, FWidth - 1);
    const int bottom = std::min(rct.Bottom, FHeight - 1);
    for (int y = std::max(rct.Top, 0); y <= bottom; ++y) {
        const int sy = startY + (y - rct.Top);
        if (sy < 0 || sy >= bmp.FHeight) continue;
        for (int x = std::max(rct.Left, 0); x <= right; ++x) {
            const int sx = startX + (x - rct.Left);
            if (sx < 0 || sx >= bmp.FWidth) continue;
            CopyPixel(bmp, sx, sy, x, y);
        }
    }
}

// ---- Filters ----------------------------------------------------------------------------------

template <class Fn>
void TbsEffectBmp::ForEachChannel(Fn fn) {
    for (int y = 0; y < FHeight; ++y) {
        std::uint8_t* row = RowAddress(y);
        for (int i = 0; i < FWidth * 3; ++i)
            row[i] = fn(row[i]);
    }
}

void TbsEffectBmp::ChangeBrightness(double kf) {
    const double k = ClampFactor(kf);
    ForEachChannel([k](std::uint8_t c) { return ToByte((1 - k) * c + 255 * k); });
}

void TbsEffectBmp::ChangeDarkness(double kf) {
    const double k = ClampFactor(kf);
    ForEachChannel([k](std::uint8_t c) { return ToByte((1 - k) * c); });
}

void TbsEffectBmp::Invert() {
    ForEachChannel([](std::uint8_t c) { return std::uint8_t(255 - c); });
}

void TbsEffectBmp::GrayScale() {
    for (int y = 0; y < FHeight; ++y) {
        std::uint8_t* p = RowAddress(y);
        for (int x = 0; x < FWidth; ++x, p += 3) {
            const std::uint8_t g = ToByte(0.3 * p[2] + 0.59 * p[1] + 0.11 * p[0]);
            p[0] = p[1] = p[2] = g;
        }
    }
}

void TbsEffectBmp::AddMonoNoise(int amount) {
    if (amount <= 0) return;
    for (int y = 0; y < FHeight; ++y) {
        std::uint8_t* p = RowAddress(y);
        for (int x = 0; x < FWidth; ++x, p += 3) {
            const int n = Random(amount) - amount / 2;
            for (int c = 0; c < 3; ++c)
                p[c] = std::uint8_t(std::clamp(p[c] + n, 0, 255));
        }
    }
}

void TbsEffectBmp::AddColorNoise(int amount) {
    if (amount <= 0) return;
    ForEachChannel([amount](std::uint8_t c) {
        return std::uint8_t(std::clamp(c + Random(amount) - amount / 2, 0, 255));
    });
}

// The four sample positions amount away, with the edge rules of the skin engine (a lower row
// past the bottom mirrors as H - y, a right column past the edge as W - x), then held inside the
// picture so that no amount reads outside it.
TbsEffectBmp::TSamples TbsEffectBmp::SamplesAt(int x, int y, int amount) const {
    int upper = y - amount < 0 ? y : y - amount;
    int lower = y + amount >= FHeight ? FHeight - y : y + amount;
    int left = x - amount < 0 ? x : x - amount;
    int right = x + amount >= FWidth ? FWidth - x : x + amount;
    upper = std::clamp(upper, 0, FHeight - 1);
    lower = std::clamp(lower, 0, FHeight - 1);
    left = std::clamp(left, 0, FWidth - 1);
    right = std::clamp(right, 0, FWidth - 1);
    return { upper, lower, left, right };
}

template <class Fn>
void TbsEffectBmp::BlurWhere(int amount, Fn at) {
    // Rows are done top to bottom and written back one at a time, so rows above are already
    // blurred when they are sampled.
    std::vector<std::uint8_t> line(std::size_t(FWidth) * 3);
    for (int y = 0; y < FHeight; ++y) {
        std::memcpy(line.data(), RowAddress(y), line.size());
        for (int x = 0; x < FWidth; ++x) {
            const TSamples s = SamplesAt(x, y, amount);
            if (!at(x, y, s)) continue;
            const std::uint8_t* up = RowAddress(s.Upper);
            const std::uint8_t* low = RowAddress(s.Lower);
            for (int c = 0; c < 3; ++c)
                line[std::size_t(3 * x + c)] =
                    std::uint8_t((up[3 * s.Left + c] + low[3 * s.Left + c] + up[3 * s.Right + c] +
                                  low[3 * s.Right + c]) >>
                                 2);
        }
        std::memcpy(RowAddress(y), line.data(), line.size());
    }
}

void TbsEffectBmp::SplitBlur(int amount) {
    if (amount == 0 || FWidth == 0 || FHeight == 0) return;
    BlurWhere(amount, [](int, int, const TSamples&) { return true; });
}

void TbsEffectBmp::Mosaic(int size) {
    if (size <= 1) return;
    for (int y = 0; y < FHeight; ++y)
        for (int x = 0; x < FWidth; ++x)
            CopyPixel(*this, x - x % size, y - y % size, x, y);
}

void TbsEffectBmp::Wave(int xDiv, int yDiv, int ratioVal) {
    if (xDiv == 0 || yDiv == 0 || FWidth == 0 || FHeight == 0) return;
    const auto copy = CreateCopy(*this);
    for (int y = 0; y < FHeight; ++y)
        for (int x = 0; x < FWidth; ++x) {
            const int fromX =
                std::clamp(RoundEven(std::sin(double(y) / yDiv) * ratioVal + x), 0, FWidth - 1);
            const int fromY =
                std::clamp(RoundEven(y + ratioVal * std::sin(double(x) / xDiv)), 0, FHeight - 1);
            CopyPixel(*copy, fromX, fromY, x, y);
        }
}

// ---- Geometry ---------------------------------------------------------------------------------

void TbsEffectBmp::Rotate90_1(TbsEffectBmp& dst) const {
    if (dst.FWidth != FHeight || dst.FHeight != FWidth) return;
    for (int y = 0; y < FHeight; ++y)
        for (int x = 0; x < FWidth; ++x)
            dst.CopyPixel(*this, x, y, y, FWidth - 1 - x);
}

void TbsEffectBmp::Rotate90_2(TbsEffectBmp& dst) const {
    if (dst.FWidth != FHeight || dst.FHeight != FWidth) return;
    for (int y = 0; y < FHeight; ++y)
        for (int x = 0; x < FWidth; ++x)
            dst.CopyPixel(*this, x, y, FHeight - 1 - y, x);
}

void TbsEffectBmp::FlipVert(TbsEffectBmp& dst) const {
    if (!dst.SameSize(*this)) return;
    for (int y = 0; y < FHeight; ++y)
        std::memmove(dst.RowAddress(FHeight - 1 - y), RowAddress(y), std::size_t(FWidth) * 3);
}

void TbsEffectBmp::Resize(TbsEffectBmp& dst) const {
    if (FWidth == 0 || FHeight == 0 || dst.FWidth == 0 || dst.FHeight == 0) return;
    const double rx = double(dst.FWidth - 1) / FWidth;
    const double ry = double(dst.FHeight - 1) / FHeight;
    const int blockW = RoundEven(rx) + 1, blockH = RoundEven(ry) + 1;
    for (int y = 0; y < FHeight; ++y)
        for (int x = 0; x < FWidth; ++x) {
            const int left = RoundEven(x * rx), top = RoundEven(y * ry);
            for (int by = top; by < std::min(top + blockH, dst.FHeight); ++by)
                for (int bx = left; bx < std::min(left + blockW, dst.FWidth); ++bx)
                    dst.CopyPixel(*this, x, y, bx, by);
        }
}

// ---- Masked filters ---------------------------------------------------------------------------

bool TbsEffectBmp::MaskFits(const TbsEffectBmp& msk) const {
    return FWidth > 0 && FHeight > 0 && msk.FWidth == FWidth && msk.FHeight >= FHeight;
}

bool TbsEffectBmp::MaskWhite(const TbsEffectBmp& msk, int x, int y) const {
    const std::uint8_t* p = msk.RowAddress(y) + 3 * x;
    return p[0] == 255 && p[1] == 255 && p[2] == 255;
}

void TbsEffectBmp::MaskBlur(const TbsEffectBmp& msk, int amount) {
    if (amount == 0 || !MaskFits(msk)) return;
    BlurWhere(amount, [&](int x, int y, const TSamples&) { return !MaskWhite(msk, x, y); });
}

void TbsEffectBmp::MaskAntialiasing(const TbsEffectBmp& msk, int amount) {
    if (amount == 0 || !MaskFits(msk)) return;
    BlurWhere(amount, [&](int x, int y, const TSamples& s) {
        if (MaskWhite(msk, x, y)) return false;
        return MaskWhite(msk, s.Left, s.Upper) || MaskWhite(msk, s.Left, s.Lower) ||
               MaskWhite(msk, s.Right, s.Upper) || MaskWhite(msk, s.Right, s.Lower);
    });
}

void TbsEffectBmp::MaskFillColor(const TbsEffectBmp& msk, TColor color, double kf) {
    if (!MaskFits(msk)) return;
    const win::COLORREF rgb = ColorToRGB(color);
    const double fill[3] = { double(win::GetBValue(rgb)), double(win::GetGValue(rgb)),
                             double(win::GetRValue(rgb)) };
    for (int y = 0; y < FHeight; ++y)
        for (int x = 0; x < FWidth; ++x) {
            if (MaskWhite(msk, x, y)) continue;
            std::uint8_t* p = RowAddress(y) + 3 * x;
            for (int c = 0; c < 3; ++c)
                p[c] = ToByte((1 - kf) * p[c] + kf * fill[c]);
        }
}
