#include "lib/skindraw/TbsBitmap.h"

#include "lib/skindraw/bsRectText.h"

#include "platform/gfx/TBitmap.h"
#include "platform/gfx/TPicture.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/TStream.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <mutex>
#include <new>
#include <vector>

namespace {

// The live bitmaps that own a DC, so that drawing onto a bitmap's own canvas can compose pixels
// instead of going through GDI.
class TBitmapRegistry {
public:
    void Add(TbsBitmap* bitmap) {
        std::lock_guard lock(FLock);
        if (std::find(FItems.begin(), FItems.end(), bitmap) == FItems.end())
            FItems.push_back(bitmap);
    }
    void Remove(TbsBitmap* bitmap) {
        std::lock_guard lock(FLock);
        std::erase(FItems, bitmap);
    }
    TbsBitmap* FindByDC(win::HDC dc) {
        if (!dc) return nullptr;
        std::lock_guard lock(FLock);
        for (TbsBitmap* b : FItems)
            if (b->DC() == dc) return b;
        return nullptr;
    }

private:
    std::mutex FLock;
    std::vector<TbsBitmap*> FItems;
};

TBitmapRegistry& BitmapRegistry() {
    static TBitmapRegistry registry;
    return registry;
}

TRect Intersect(const TRect& a, const TRect& b) {
    const TRect r(std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
                  std::min(a.Bottom, b.Bottom));
    return r.IsEmpty() ? TRect() : r;
}

TRect Offset(TRect r, int dx, int dy) {
    return TRect(r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy);
}

std::int64_t Remaining(TStream& stream) {
    return std::max<std::int64_t>(0, stream.Size() - stream.Position());
}

std::int32_t ReadInt32(TStream& stream) {
    std::int32_t value = 0;
    stream.ReadBuffer(&value, sizeof(value));
    return value;
}

void WriteInt32(TStream& stream, std::int32_t value) {
    stream.WriteBuffer(&value, sizeof(value));
}

// A stored string: its byte count as a signed 32-bit value, then the bytes. The count is
// checked against what the stream still holds before anything is allocated.
std::string ReadStoredString(TStream& stream) {
    const std::int32_t count = ReadInt32(stream);
    if (count < 0 || count > Remaining(stream)) throw EReadError("Stream read error");
    std::string text(std::size_t(count), '\0');
    stream.ReadBuffer(text.data(), count);
    return text;
}

void WriteStoredString(TStream& stream, const std::string& text) {
    WriteInt32(stream, std::int32_t(text.size()));
    stream.WriteBuffer(text.data(), std::int64_t(text.size()));
}

// Round to nearest, halves to even (the default rounding mode).
int RoundEven(double v) {
    return int(std::nearbyint(v));
}

} // namespace

TbsBitmap* FindBitmapByDC(win::HDC dc) {
    return BitmapRegistry().FindByDC(dc);
}

TbsBitmap::TbsBitmap() {
    FBitmapInfo.bmiHeader.biSize = 40;
    FBitmapInfo.bmiHeader.biPlanes = 1;
    FBitmapInfo.bmiHeader.biBitCount = 32;
    FBitmapInfo.bmiHeader.biCompression = win::BI_RGB;
}

TbsBitmap::~TbsBitmap() {
    BitmapRegistry().Remove(this);
    Release();
}

void TbsBitmap::Release() {
    if (FCanvas) FCanvas->SetHandle(nullptr);
    if (FDC && FOldBitmap) win::SelectObject(FDC.get(), FOldBitmap);
    FOldBitmap = nullptr;
    FDC.reset();
    FHandle.reset();
    FBits = nullptr;
    FWidth = 0;
    FHeight = 0;
}

void TbsBitmap::SetSize(int width, int height) {
    width = std::abs(width);
    height = std::abs(height);
    if (width == 0 || height == 0 || (width == FWidth && height == FHeight)) return;
    Release();

    FBitmapInfo.bmiHeader.biWidth = width;
    FBitmapInfo.bmiHeader.biHeight = -height;
    const auto bytes = std::int64_t(width) * height * 4;
    if (bytes > std::numeric_limits<std::int32_t>::max())
        throw EOutOfResources("Can't allocate the DIB handle");
    void* bits = nullptr;
    gfx::GdiPtr<win::HBITMAP> handle;
    try {
        handle.reset(
            win::CreateDIBSection(nullptr, &FBitmapInfo, win::DIB_RGB_COLORS, &bits, nullptr, 0));
    } catch (const std::bad_alloc&) {
        handle.reset();
    }
    if (!handle || !bits) throw EOutOfResources("Can't allocate the DIB handle");
    gfx::DcPtr dc(win::CreateCompatibleDC(nullptr));
    if (!dc) throw EOutOfResources("Can't create compatible DC");
    const win::HGDIOBJ old = win::SelectObject(dc.get(), handle.get());
    if (!old) throw EOutOfResources("Can't select an object into DC");

    FHandle = std::move(handle);
    FDC = std::move(dc);
    FOldBitmap = old;
    FBits = static_cast<PbsColorArray>(bits);
    BitmapRegistry().Add(this);
    if (FCanvas) FCanvas->SetHandle(FDC.get());
    FWidth = width;
    FHeight = height;
}

TCanvas& TbsBitmap::Canvas() {
    if (!FCanvas) {
        FCanvas = std::make_unique<TCanvas>();
        FCanvas->SetHandle(FDC.get());
    }
    return *FCanvas;
}

void TbsBitmap::Clear(TbsColor color) {
    if (Empty()) return;
    FillLine(FBits, FWidth * FHeight, color);
}

void TbsBitmap::SetAlpha(std::uint8_t alpha) {
    if (Empty()) return;
    SetAlphaLine(FBits, FWidth * FHeight, alpha);
}

void TbsBitmap::SetAlpha(std::uint8_t alpha, TRect rect) {
    if (Empty() || rect.Width() == 0 || rect.Height() == 0) return;
    const TRect r = Intersect(rect, BoundsRect());
    if (r.IsEmpty()) return;
    SetAlphaPixelRect(FBits, FWidth, FHeight, alpha, r.Bottom - 1, r.Right - 1, r.Top, r.Left);
}

void TbsBitmap::CheckingAlphaBlend() {
    FAlphaBlend = false;
    if (Empty()) return;
    const std::size_t n = std::size_t(FWidth) * FHeight;
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint32_t a = FBits[i] >> 24;
        if (a != 0 && a != 255) {
            FAlphaBlend = true;
            return;
        }
    }
}

void TbsBitmap::CheckingAlphaBlend(TRect) {
    CheckingAlphaBlend();
}

void TbsBitmap::CheckingTransparent(TbsColor color) {
    FTransparent = false;
    if (Empty()) return;
    const auto near = [](int a, int b) { return std::abs(a - b) < 6; };
    const std::size_t n = std::size_t(FWidth) * FHeight;
    for (std::size_t i = 0; i < n; ++i) {
        const TbsColor p = FBits[i];
        if (near(gfx::PixelR(p), gfx::PixelR(color)) && near(gfx::PixelG(p), gfx::PixelG(color)) &&
            near(gfx::PixelB(p), gfx::PixelB(color))) {
            FBits[i] = TransparentKeyColor;
            FTransparent = true;
        }
    }
}

void TbsBitmap::CheckingTransparent(TRect, TbsColor color) {
    CheckingTransparent(color);
}

void TbsBitmap::Assign(const TbsBitmap& source) {
    if (&source == this) return;
    SetSize(source.Width(), source.Height());
    if (Empty()) return;
    if (!source.Empty()) CopyLine(source.FBits, FBits, FWidth * FHeight);
    FName = source.FName;
    FTransparent = source.FTransparent;
    FAlphaBlend = source.FAlphaBlend;
}

void TbsBitmap::Assign(TBitmap& source) {
    if (source.PixelFormat() == pf32bit && source.HandleType() == bmDIB) {
        SetSize(source.Width(), source.Height());
        if (Empty()) return;
        for (int y = 0; y < FHeight; ++y)
            std::memcpy(Row(y), source.ScanLine(y), std::size_t(FWidth) * 4);
        CheckingAlphaBlend();
        return;
    }
    SetSize(source.Width(), source.Height());
    if (Empty()) return;
    win::BitBlt(FDC.get(), 0, 0, FWidth, FHeight, source.Canvas().Handle(), 0, 0, win::SRCCOPY);
    SetAlpha(255);
}

void TbsBitmap::Assign(TGraphic& source) {
    if (auto* bitmap = dynamic_cast<TBitmap*>(&source)) {
        Assign(*bitmap);
        return;
    }
    SetSize(source.Width(), source.Height());
    if (Empty()) return;
    DrawGraphic(source, BoundsRect());
    SetAlpha(255);
}

void TbsBitmap::Assign(TPicture& source) {
    TGraphic* graphic = source.Graphic();
    if (!graphic) return;
    if (auto* bitmap = dynamic_cast<TBitmap*>(graphic)) {
        // A picture's bitmap is taken as opaque, whatever alpha it carries.
        SetSize(bitmap->Width(), bitmap->Height());
        if (Empty()) return;
        win::BitBlt(FDC.get(), 0, 0, FWidth, FHeight, bitmap->Canvas().Handle(), 0, 0,
                    win::SRCCOPY);
        SetAlpha(255);
        return;
    }
    SetSize(graphic->Width(), graphic->Height());
    if (Empty()) return;
    DrawGraphic(*graphic, BoundsRect());
    SetAlpha(255);
}

void TbsBitmap::AssignTo(TBitmap& dest) const {
    dest.SetPixelFormat(pf32bit);
    dest.SetSize(FWidth, FHeight);
    Draw(dest.Canvas(), 0, 0);
}

void TbsBitmap::AssignTo(TPicture& dest) const {
    AssignTo(dest.Bitmap());
}

void TbsBitmap::DrawGraphic(TGraphic& graphic, TRect dstRect) {
    if (Empty()) return;
    TBitmap scratch;
    scratch.SetPixelFormat(pf32bit);
    scratch.SetSize(FWidth, FHeight);
    scratch.Canvas().Brush().SetColor(clFuchsia);
    scratch.Canvas().FillRect(Rect(-1, -1, FWidth + 1, FHeight + 1));
    scratch.Canvas().StretchDraw(dstRect, &graphic);
    for (int y = 0; y < FHeight; ++y) {
        const auto* line = static_cast<const TbsColor*>(scratch.ScanLine(y));
        TbsColor* row = Row(y);
        for (int x = 0; x < FWidth; ++x)
            if ((line[x] & 0xFFFFFF) != 0xFF00FF) row[x] = line[x];
    }
}

void TbsBitmap::LoadFromStream(TStream& stream) {
    std::string name = ReadStoredString(stream);
    const std::int32_t width = ReadInt32(stream);
    const std::int32_t height = ReadInt32(stream);
    const std::int64_t w = std::abs(std::int64_t(width));
    const std::int64_t h = std::abs(std::int64_t(height));
    const std::int64_t bytes = w * h * 4;
    if (bytes > Remaining(stream) || bytes > std::numeric_limits<std::int32_t>::max())
        throw EReadError("Stream read error");
    std::vector<TbsColor> pixels(std::size_t(w * h));
    stream.ReadBuffer(pixels.data(), bytes);

    FName = std::move(name);
    if (bytes == 0) return;
    SetSize(int(w), int(h));
    std::memcpy(FBits, pixels.data(), std::size_t(bytes));
    if (height <= 0) FlipVert();
}

void TbsBitmap::SaveToStream(TStream& stream) const {
    WriteStoredString(stream, FName);
    WriteInt32(stream, FWidth);
    WriteInt32(stream, FHeight);
    if (!Empty()) stream.WriteBuffer(FBits, std::int64_t(FWidth) * FHeight * 4);
}

template <class Fn>
void TbsBitmap::ForEachVisiblePixel(Fn fn) {
    if (Empty()) return;
    const std::size_t n = std::size_t(FWidth) * FHeight;
    for (std::size_t i = 0; i < n; ++i) {
        const TbsColor p = FBits[i];
        if ((p >> 24) == 0) continue;
        FBits[i] = (fn(p) & 0xFFFFFF) | (p & 0xFF000000u);
    }
}

void TbsBitmap::ChangeBitmapBrightness(int deltaBrightness) {
    if (deltaBrightness == 0) return;
    ForEachVisiblePixel([&](TbsColor p) { return ChangeColorBrightness(p, deltaBrightness); });
}

void TbsBitmap::SetBitmapHue(int hue) {
    ForEachVisiblePixel([&](TbsColor p) { return SetColorHue(p, hue); });
}

void TbsBitmap::ChangeBitmapSat(int deltaSat) {
    if (deltaSat == 0) return;
    ForEachVisiblePixel([&](TbsColor p) { return ChangeColorSat(p, deltaSat); });
}

void TbsBitmap::ChangeBitmapHue(int deltaHue) {
    if (deltaHue == 0) return;
    ForEachVisiblePixel([&](TbsColor p) { return ChangeColorHue(p, deltaHue); });
}

void TbsBitmap::FlipVert() {
    if (Empty()) return;
    TArrayOfseColor line(static_cast<std::size_t>(FWidth));
    for (int i = 0; i < FHeight / 2; ++i) {
        TbsColor* top = Row(i);
        TbsColor* bottom = Row(FHeight - 1 - i);
        CopyLine(top, line.data(), FWidth);
        CopyLine(bottom, top, FWidth);
        CopyLine(line.data(), bottom, FWidth);
    }
}

void TbsBitmap::ReflectionBy(int divisor) {
    if (Empty()) return;
    FlipVert();
    double factor = 1.0;
    const double step = 2.0 / FHeight;
    for (int y = 0; y < FHeight; ++y) {
        TbsColor* row = Row(y);
        for (int x = 0; x < FWidth; ++x) {
            const int a = int(row[x] >> 24);
            if (a == 0) continue;
            const int faded = std::max(0, RoundEven(factor * a) / divisor);
            row[x] = (row[x] & 0xFFFFFF) | (TbsColor(faded) << 24);
        }
        factor -= step;
    }
}

void TbsBitmap::Reflection() {
    ReflectionBy(3);
}

void TbsBitmap::Reflection2() {
    ReflectionBy(4);
}

void TbsBitmap::Reflection3() {
    ReflectionBy(2);
}

void TbsBitmap::MergeDraw(const TbsBitmap& bitmap, int x, int y, TRect srcRect) {
    if (Empty() || bitmap.Empty()) return;
    if (srcRect.Left < 0) {
        x -= srcRect.Left;
        srcRect.Left = 0;
    }
    if (srcRect.Top < 0) {
        y -= srcRect.Top;
        srcRect.Top = 0;
    }
    srcRect.Right = std::min(srcRect.Right, bitmap.Width());
    srcRect.Bottom = std::min(srcRect.Bottom, bitmap.Height());
    const auto& routines = PixelRoutines();
    for (int sy = srcRect.Top; sy < srcRect.Bottom; ++sy) {
        const int dy = y + sy - srcRect.Top;
        if (dy < 0 || dy >= FHeight) continue;
        const TbsColor* src = bitmap.Row(sy);
        TbsColor* dst = Row(dy);
        for (int sx = srcRect.Left; sx < srcRect.Right; ++sx) {
            const int dx = x + sx - srcRect.Left;
            if (dx < 0 || dx >= FWidth) continue;
            const TbsColor d = dst[dx];
            const std::uint32_t a = d >> 24;
            if (a == 0)
                dst[dx] = src[sx];
            else if (a < 255)
                dst[dx] = routines.BlendPixel(d, src[sx]);
        }
    }
    EndMMX();
}

void TbsBitmap::FillRect(TRect rect, TbsColor color) {
    if (Empty()) return;
    const TRect r = Intersect(rect, BoundsRect());
    if (r.IsEmpty()) return;
    if (FAlphaBlend) {
        const TArrayOfseColor line(std::size_t(r.Width()), color);
        const auto& routines = PixelRoutines();
        for (int y = r.Top; y < r.Bottom; ++y)
            routines.BlendLine(line.data(), Row(y) + r.Left, r.Width());
        EndMMX();
        return;
    }
    FillPixelRect(FBits, FWidth, FHeight, color, r.Bottom - 1, r.Right - 1, r.Top, r.Left);
}

std::unique_ptr<TbsBitmapLink> TbsBitmap::GetBitmapLink(TRect rect) {
    auto link = std::make_unique<TbsBitmapLink>();
    link->SetImage(this);
    link->SetName(FName);
    link->SetRect(rect);
    return link;
}

std::unique_ptr<TbsBitmapLink> TbsBitmap::GetBitmapLink(const std::string& rect) {
    return GetBitmapLink(StrToRectValue(rect));
}

// ---- Drawing ------------------------------------------------------------------------------

void TbsBitmap::Draw(win::HDC dc, int x, int y) const {
    Draw(dc, Bounds(x, y, FWidth, FHeight), BoundsRect());
}

void TbsBitmap::Draw(win::HDC dc, int x, int y, TRect srcRect) const {
    Draw(dc, Bounds(x, y, srcRect.Width(), srcRect.Height()), srcRect);
}

void TbsBitmap::Draw(win::HDC dc, TRect dstRect) const {
    Draw(dc, dstRect, BoundsRect());
}

void TbsBitmap::Draw(win::HDC dc, TRect dstRect, TRect srcRect) const {
    if (Empty() || !dc) return;
    if (TbsBitmap* target = FindBitmapByDC(dc)) {
        win::POINT origin;
        win::GetWindowOrgEx(dc, &origin);
        Draw(*target, Offset(dstRect, -origin.x, -origin.y), srcRect);
        return;
    }
    DrawThroughDC(dc, dstRect, srcRect);
}

void TbsBitmap::DrawThroughDC(win::HDC dc, TRect dstRect, TRect srcRect) const {
    const auto& routines = PixelRoutines();
    const int dx = dstRect.Left, dy = dstRect.Top, dw = dstRect.Width(), dh = dstRect.Height();
    const int sx = srcRect.Left, sy = srcRect.Top, sw = srcRect.Width(), sh = srcRect.Height();
    if (FAlphaBlend)
        routines.BlendToDC(dc, dx, dy, dw, dh, *this, sx, sy, sw, sh);
    else if (FTransparent)
        routines.KeyDrawToDC(dc, dx, dy, dw, dh, *this, sx, sy, sw, sh);
    else
        routines.StretchCopyToDC(dc, dx, dy, dw, dh, *this, sx, sy, sw, sh);
}

void TbsBitmap::Draw(TCanvas& canvas, int x, int y) const {
    Draw(canvas.Handle(), x, y);
}

void TbsBitmap::Draw(TCanvas& canvas, int x, int y, TRect srcRect) const {
    Draw(canvas.Handle(), x, y, srcRect);
}

void TbsBitmap::Draw(TCanvas& canvas, TRect dstRect) const {
    Draw(canvas.Handle(), dstRect);
}

void TbsBitmap::Draw(TCanvas& canvas, TRect dstRect, TRect srcRect) const {
    Draw(canvas.Handle(), dstRect, srcRect);
}

void TbsBitmap::Draw(TbsBitmap& bitmap, int x, int y) const {
    Draw(bitmap, Bounds(x, y, FWidth, FHeight), BoundsRect());
}

void TbsBitmap::Draw(TbsBitmap& bitmap, int x, int y, TRect srcRect) const {
    Draw(bitmap, Bounds(x, y, srcRect.Width(), srcRect.Height()), srcRect);
}

void TbsBitmap::Draw(TbsBitmap& bitmap, TRect dstRect) const {
    Draw(bitmap, dstRect, BoundsRect());
}

void TbsBitmap::Draw(TbsBitmap& bitmap, TRect dstRect, TRect srcRect) const {
    if (Empty()) return;
    const auto& routines = PixelRoutines();
    if (FAlphaBlend)
        routines.ScaleBlend(bitmap, dstRect, dstRect, srcRect, *this);
    else if (FTransparent)
        routines.ScaleKeyCopy(bitmap, dstRect, dstRect, srcRect, *this);
    else
        routines.ScaleCopy(bitmap, dstRect, dstRect, srcRect, *this);
}

template <class Fn>
void TbsBitmap::ForEachTile(TRect dstRect, TRect srcRect, Fn fn) const {
    const int tileW = srcRect.Width(), tileH = srcRect.Height();
    if (tileW <= 0 || tileH <= 0) return;
    for (int x = dstRect.Left; x < dstRect.Right; x += tileW) {
        for (int y = dstRect.Top; y < dstRect.Bottom; y += tileH) {
            const TRect piece(x, y, std::min(x + tileW, dstRect.Right),
                              std::min(y + tileH, dstRect.Bottom));
            if (piece.IsEmpty()) break;
            fn(piece, Bounds(srcRect.Left, srcRect.Top, piece.Width(), piece.Height()));
        }
    }
}

void TbsBitmap::Tile(win::HDC dc, TRect dstRect, TRect srcRect) const {
    if (Empty() || !dc) return;
    win::POINT origin;
    win::GetWindowOrgEx(dc, &origin);
    if (TbsBitmap* target = FindBitmapByDC(dc)) {
        ForEachTile(dstRect, srcRect, [&](TRect piece, TRect part) {
            Draw(*target, Offset(piece, -origin.x, -origin.y), part);
        });
        return;
    }
    int dibWidth = 0, dibHeight = 0, bitCount = 0;
    TbsColor* bits = GetDCBitmapBits(dc, dibWidth, dibHeight, bitCount);
    if (bits && bitCount == 32 && dibHeight > 0) {
        const auto& routines = PixelRoutines();
        ForEachTile(dstRect, srcRect, [&](TRect piece, TRect part) {
            const TRect at = Offset(piece, -origin.x, -origin.y);
            if (FAlphaBlend)
                routines.BlendToDIB(bits, at, at, part, *this, dibHeight, dibWidth);
            else if (FTransparent)
                routines.KeyCopyToDIB(bits, at, at, part, *this, dibHeight, dibWidth);
            else
                routines.CopyToDIB(bits, at, at, part, *this, dibHeight, dibWidth);
        });
        return;
    }
    ForEachTile(dstRect, srcRect, [&](TRect piece, TRect part) { DrawThroughDC(dc, piece, part); });
}

void TbsBitmap::Tile(TCanvas& canvas, TRect dstRect, TRect srcRect) const {
    Tile(canvas.Handle(), dstRect, srcRect);
}

void TbsBitmap::Tile(TbsBitmap& bitmap, TRect dstRect, TRect srcRect) const {
    if (Empty()) return;
    ForEachTile(dstRect, srcRect, [&](TRect piece, TRect part) { Draw(bitmap, piece, part); });
}

void TbsBitmap::TileClip(win::HDC dc, TRect dstRect, TRect dstClip, TRect srcRect) const {
    if (Empty()) return;
    ForEachTile(dstRect, srcRect, [&](TRect piece, TRect part) {
        if (!dstClip.IsEmpty() && Intersect(piece, dstClip).IsEmpty()) return;
        Draw(dc, piece, part);
    });
}

void TbsBitmap::TileClip(TCanvas& canvas, TRect dstRect, TRect dstClip, TRect srcRect) const {
    TileClip(canvas.Handle(), dstRect, dstClip, srcRect);
}

void TbsBitmap::TileClip(TbsBitmap& bitmap, TRect dstRect, TRect dstClip, TRect srcRect) const {
    if (Empty()) return;
    ForEachTile(dstRect, srcRect, [&](TRect piece, TRect part) {
        if (!dstClip.IsEmpty() && Intersect(piece, dstClip).IsEmpty()) return;
        Draw(bitmap, piece, part);
    });
}

// ---- TbsBitmapLink ------------------------------------------------------------------------

bool TbsBitmapLink::Assigned() const {
    return FImage && std::int64_t(FRect.Width()) * FRect.Height() > 0;
}

void TbsBitmapLink::Assign(const TbsBitmapLink& source) {
    FImage = source.FImage;
    FRect = source.FRect;
    FName = source.FName;
    FMaskedBorder = source.FMaskedBorder;
    FMaskedAngles = source.FMaskedAngles;
    FMasked = source.FMasked;
}

void TbsBitmapLink::LoadFromStream(TStream& stream) {
    std::string name = ReadStoredString(stream);
    TRect rect;
    rect.Left = ReadInt32(stream);
    rect.Top = ReadInt32(stream);
    rect.Right = ReadInt32(stream);
    rect.Bottom = ReadInt32(stream);
    FName = std::move(name);
    FRect = rect;
}

void TbsBitmapLink::SaveToStream(TStream& stream) const {
    WriteStoredString(stream, FName);
    WriteInt32(stream, FRect.Left);
    WriteInt32(stream, FRect.Top);
    WriteInt32(stream, FRect.Right);
    WriteInt32(stream, FRect.Bottom);
}

void TbsBitmapLink::Draw(TbsBitmap& bitmap, int x, int y) const {
    if (!FImage || FImage->Empty() || FRect.Width() <= 0 || FRect.Height() <= 0) return;
    FImage->Draw(bitmap, x, y, FRect);
}

void TbsBitmapLink::Draw(TCanvas& canvas, int x, int y) const {
    if (!FImage || FImage->Empty() || FRect.Width() <= 0 || FRect.Height() <= 0) return;
    FImage->Draw(canvas, x, y, FRect);
}

void TbsBitmapLink::CheckingMasked() {
    CheckingMasked(TRect());
}

void TbsBitmapLink::CheckingMasked(TRect margin) {
    FMasked = FMaskedBorder = FMaskedAngles = false;
    if (!FImage) return;
    const bool noMargin =
        margin.Left == 0 && margin.Top == 0 && margin.Right == 0 && margin.Bottom == 0;
    const int w = FRect.Width(), h = FRect.Height();
    for (int py = 0; py < h; ++py) {
        for (int px = 0; px < w; ++px) {
            const int x = FRect.Left + px, y = FRect.Top + py;
            const bool inside = x >= 0 && y >= 0 && x < FImage->Width() && y < FImage->Height();
            const TbsColor value = inside ? FImage->Pixel(x, y) : 0;
            const bool masked =
                value != 0x33333333 && (value == TransparentKeyColor || (value >> 24) != 255);
            if (!masked) continue;
            if (noMargin) {
                FMasked = true;
                continue;
            }
            const bool left = px < margin.Left, right = px >= w - margin.Right;
            const bool top = py < margin.Top, bottom = py >= h - margin.Bottom;
            if ((left || right) && (top || bottom))
                FMaskedAngles = true;
            else if (left || right || top || bottom)
                FMaskedBorder = true;
            else
                FMasked = true;
        }
    }
}

// ---- Colour functions ---------------------------------------------------------------------

TbsColor MakeBsColor(int r, int g, int b, std::uint8_t a) {
    ClampRGB(r, g, b);
    return (TbsColor(a) << 24) | (TbsColor(r) << 16) | (TbsColor(g) << 8) | TbsColor(b);
}

TbsColor ChangeColorBrightness(TbsColor c, int delta) {
    return MakeBsColor(gfx::PixelR(c) + delta, gfx::PixelG(c) + delta, gfx::PixelB(c) + delta, 255);
}

void BsColorToHSL(TbsColor c, float& h, float& s, float& l) {
    const float r = gfx::PixelR(c) / 255.0f, g = gfx::PixelG(c) / 255.0f,
                b = gfx::PixelB(c) / 255.0f;
    const float mx = std::max({ r, g, b }), mn = std::min({ r, g, b });
    l = (mx + mn) / 2;
    if (mx == mn) {
        h = s = 0;
        return;
    }
    const float d = mx - mn;
    s = l < 0.5f ? d / (mx + mn) : d / (2 - mx - mn);
    if (mx == r)
        h = (g - b) / d;
    else if (mx == g)
        h = (b - r) / d + 2;
    else
        h = (r - g) / d + 4;
    h /= 6;
    if (h < 0) h += 1;
}

std::uint8_t HueToChannel(float m1, float m2, float h) {
    h -= std::floor(h);
    float v;
    if (6 * h < 1)
        v = m1 + (m2 - m1) * 6 * h;
    else if (2 * h < 1)
        v = m2;
    else if (3 * h < 2)
        v = m1 + (m2 - m1) * (2.0f / 3 - h) * 6;
    else
        v = m1;
    return std::uint8_t(std::clamp(RoundEven(255.0 * v), 0, 255));
}

TbsColor HSLToBsColor(float h, float s, float l) {
    if (s == 0) {
        const int v = std::clamp(RoundEven(255.0 * l), 0, 255);
        return MakeBsColor(v, v, v, 255);
    }
    const float m2 = l <= 0.5f ? l * (1 + s) : l + s - l * s;
    const float m1 = 2 * l - m2;
    return MakeBsColor(HueToChannel(m1, m2, h + 1.0f / 3), HueToChannel(m1, m2, h),
                       HueToChannel(m1, m2, h - 1.0f / 3), 255);
}

TbsColor SetColorHue(TbsColor c, int hue) {
    float h, s, l;
    BsColorToHSL(c, h, s, l);
    return HSLToBsColor(std::clamp(hue, 0, 255) / 255.0f, s, l);
}

namespace {
int WrapByte(int v) {
    if (v > 255) return v - 255;
    if (v < 0) return v + 255;
    return v;
}

// The wrap is meant for deltas within one turn; anything further is held to the range.
float WrappedFraction(int v) {
    return std::clamp(WrapByte(v), 0, 255) / 255.0f;
}
} // namespace

TbsColor ChangeColorSat(TbsColor c, int delta) {
    float h, s, l;
    BsColorToHSL(c, h, s, l);
    return HSLToBsColor(h, WrappedFraction(RoundEven(255.0 * s) + delta), l);
}

TbsColor ChangeColorHue(TbsColor c, int delta) {
    float h, s, l;
    BsColorToHSL(c, h, s, l);
    return HSLToBsColor(WrappedFraction(RoundEven(255.0 * h) + delta), s, l);
}
