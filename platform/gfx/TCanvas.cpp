#include "platform/gfx/TCanvas.h"
#include "platform/gfx/TBitmap.h"
#include "platform/gfx/TGraphic.h"
#include "platform/gfx/TextDraw.h"
#include "platform/rtl/Exception.h"
#include <vector>

namespace {

std::vector<win::POINT> ToPoints(std::span<const TPoint> points) {
    std::vector<win::POINT> out;
    out.reserve(points.size());
    for (const TPoint& p : points)
        out.push_back(p);
    return out;
}

} // namespace

TCanvas::TCanvas() {
    FPen.OnChange = [this](TGraphicsObject*) {
        if (FState & csPen) {
            win::SelectObject(FHandle, win::GetStockObject(win::BLACK_PEN));
            FState &= ~csPen;
        }
    };
    FBrush.OnChange = [this](TGraphicsObject*) {
        if (FState & csBrush) {
            win::SelectObject(FHandle, win::GetStockObject(win::WHITE_BRUSH));
            FState &= ~csBrush;
        }
    };
    FFont.OnChange = [this](TGraphicsObject*) {
        if (FState & csFont) {
            win::SelectObject(FHandle, win::GetStockObject(win::SYSTEM_FONT));
            FState &= ~csFont;
        }
    };
}

TCanvas::~TCanvas() {
    // The objects die with the canvas: none may stay selected in a DC that lives on.
    DeselectHandles();
}

void TCanvas::DeselectHandles() {
    if (FHandle && (FState & (csPen | csBrush | csFont))) {
        win::SelectObject(FHandle, win::GetStockObject(win::BLACK_PEN));
        win::SelectObject(FHandle, win::GetStockObject(win::WHITE_BRUSH));
        win::SelectObject(FHandle, win::GetStockObject(win::SYSTEM_FONT));
    }
    FState &= ~(csPen | csBrush | csFont);
}

void TCanvas::SetHandle(win::HDC dc) {
    if (dc == FHandle) return;
    DeselectHandles();
    FHandle = dc;
    FState = dc ? csHandle : 0;
}

win::HDC TCanvas::Handle() {
    // Code that draws on the handle itself expects the canvas's font, pen and brush in it.
    RequireState(csHandle | csPen | csBrush | csFont);
    return FHandle;
}

void TCanvas::RequireState(int state) {
    const int missing = state & ~FState;
    if (!missing) return;
    if (missing & csHandle) {
        CreateHandle();
        if (!FHandle) throw Exception("Canvas does not allow drawing");
    }
    if (missing & csPen) {
        win::SelectObject(FHandle, FPen.Handle());
        win::SetROP2(FHandle, PenModeToRop2(FPen.Mode()));
        FState |= csPen;
    }
    if (missing & csBrush) {
        win::SelectObject(FHandle, FBrush.Handle());
        win::SetBkColor(FHandle, ColorToRGB(FBrush.Color()));
        win::SetBkMode(FHandle, FBrush.Style() == bsSolid ? win::OPAQUE : win::TRANSPARENT);
        FState |= csBrush;
    }
    if (missing & csFont) {
        win::SelectObject(FHandle, FFont.Handle());
        win::SetTextColor(FHandle, ColorToRGB(FFont.Color()));
        FState |= csFont;
    }
}

win::HDC TCanvas::RequireDc(int state) {
    RequireState(csHandle | state);
    return FHandle;
}

void TCanvas::Changing() {
    if (OnChanging) OnChanging(this);
}

void TCanvas::Changed() {
    if (OnChange) OnChange(this);
}

TPoint TCanvas::PenPos() {
    win::POINT p;
    win::GetCurrentPositionEx(RequireDc(0), &p);
    return p;
}

TColor TCanvas::Pixels(int x, int y) {
    return TColor(win::GetPixel(RequireDc(0), x, y));
}

void TCanvas::SetPixels(int x, int y, TColor color) {
    Changing();
    win::SetPixel(RequireDc(csPen | csBrush), x, y, ColorToRGB(color));
    Changed();
}

TRect TCanvas::ClipRect() {
    win::RECT r;
    win::GetClipBox(RequireDc(0), &r);
    return r;
}

void TCanvas::MoveTo(int x, int y) {
    win::MoveToEx(RequireDc(0), x, y, nullptr);
}

void TCanvas::LineTo(int x, int y) {
    Changing();
    win::LineTo(RequireDc(csPen | csBrush), x, y);
    Changed();
}

void TCanvas::Polyline(std::span<const TPoint> points) {
    Changing();
    const auto p = ToPoints(points);
    win::Polyline(RequireDc(csPen | csBrush), p.data(), int(p.size()));
    Changed();
}

void TCanvas::Polygon(std::span<const TPoint> points) {
    Changing();
    const auto p = ToPoints(points);
    win::Polygon(RequireDc(csPen | csBrush), p.data(), int(p.size()));
    Changed();
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    Changing();
    win::Rectangle(RequireDc(csPen | csBrush), x1, y1, x2, y2);
    Changed();
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3) {
    Changing();
    win::RoundRect(RequireDc(csPen | csBrush), x1, y1, x2, y2, x3, y3);
    Changed();
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    Changing();
    win::Ellipse(RequireDc(csPen | csBrush), x1, y1, x2, y2);
    Changed();
}

void TCanvas::FillRect(const TRect& rect) {
    Changing();
    const win::RECT r = rect;
    win::FillRect(RequireDc(csBrush), &r, FBrush.Handle());
    Changed();
}

void TCanvas::FrameRect(const TRect& rect) {
    Changing();
    const win::RECT r = rect;
    win::FrameRect(RequireDc(csBrush), &r, FBrush.Handle());
    Changed();
}

void TCanvas::DrawFocusRect(const TRect& rect) {
    Changing();
    const win::RECT r = rect;
    win::DrawFocusRect(RequireDc(csBrush), &r);
    Changed();
}

void TCanvas::TextOut(int x, int y, std::string_view text) {
    Changing();
    win::HDC dc = RequireDc(csFont | csBrush);
    win::ExtTextOut(dc, x, y, 0, nullptr, text);
    MoveTo(x + TextWidth(text), y);
    Changed();
}

void TCanvas::TextRect(const TRect& rect, int x, int y, std::string_view text) {
    Changing();
    win::HDC dc = RequireDc(csFont | csBrush);
    win::UINT options = win::ETO_CLIPPED;
    if (FBrush.Style() != bsClear) options |= win::ETO_OPAQUE;
    const win::RECT r = rect;
    win::ExtTextOut(dc, x, y, options, &r, text);
    Changed();
}

TSize TCanvas::TextExtent(std::string_view text) {
    win::SIZE size;
    win::GetTextExtentPoint32(RequireDc(csFont), text, &size);
    return size;
}

void TCanvas::Draw(int x, int y, TGraphic* graphic) {
    if (!graphic || graphic->Empty()) return;
    Changing();
    RequireState(csHandle);
    graphic->Draw(*this, Bounds(x, y, graphic->Width(), graphic->Height()));
    Changed();
}

void TCanvas::StretchDraw(const TRect& rect, TGraphic* graphic) {
    if (!graphic || graphic->Empty()) return;
    Changing();
    RequireState(csHandle);
    graphic->Draw(*this, rect);
    Changed();
}

void TCanvas::CopyRect(const TRect& dest, TCanvas& canvas, const TRect& source) {
    Changing();
    win::HDC dc = RequireDc(csBrush);
    win::HDC from = canvas.RequireDc(csBrush);
    win::StretchBlt(dc, dest.Left, dest.Top, dest.Width(), dest.Height(), from, source.Left,
                    source.Top, source.Width(), source.Height(), FCopyMode);
    Changed();
}

void TCanvas::BrushCopy(const TRect& dest, TBitmap& bitmap, const TRect& source, TColor color) {
    if (bitmap.Empty()) return;
    Changing();
    win::HDC dc = RequireDc(csBrush);
    const win::RECT r = dest;
    win::FillRect(dc, &r, FBrush.Handle());
    win::TransparentBlt(dc, dest.Left, dest.Top, dest.Width(), dest.Height(),
                        bitmap.Canvas().Handle(), source.Left, source.Top, source.Width(),
                        source.Height(), ColorToRGB(color));
    Changed();
}

void TCanvas::Lock() {
    FLock.lock();
    ++FLockCount;
}

bool TCanvas::TryLock() {
    if (!FLock.try_lock()) return false;
    ++FLockCount;
    return true;
}

void TCanvas::Unlock() {
    --FLockCount;
    FLock.unlock();
}

void TCanvas::Refresh() {
    DeselectHandles();
}
