#include "platform/gfx/BitmapObject.h"
#include "platform/gfx/BrushObject.h"
#include "platform/gfx/DcPaint.h"
#include "platform/gfx/GdiObjects.h"
#include "platform/gfx/PenObject.h"
#include "platform/gfx/RegionObject.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

// The DC's pixels, lines, shapes and fills.
namespace win {

raster::Paint SolidPaint(COLORREF colour, int rop2) {
    raster::Paint paint;
    paint.Type = raster::Paint::Kind::Solid;
    paint.Colour = raster::ColourPixel(colour);
    paint.Rop2 = rop2;
    return paint;
}

raster::Paint BrushPaint(const DeviceContext& dc, const BrushObject* brush, int rop2) {
    raster::Paint paint;
    if (!brush || brush->IsNull()) return paint;
    const DeviceContext::State& s = dc.CurrentState();
    const POINT base = dc.BaseOrigin();
    paint.Origin = POINT{ base.x + s.BrushOrg.x, base.y + s.BrushOrg.y };
    paint.Rop2 = rop2;
    paint.Colour = raster::ColourPixel(brush->Brush().lbColor);
    switch (brush->Brush().lbStyle) {
    case BS_SOLID:
        paint.Type = raster::Paint::Kind::Solid;
        break;
    case BS_HATCHED:
        paint.Type = raster::Paint::Kind::Hatch;
        paint.Hatch = int(brush->Brush().lbHatch);
        paint.HatchOpaque = s.BkMode == OPAQUE;
        paint.Back = raster::ColourPixel(s.BkColor);
        break;
    case BS_PATTERN:
        paint.Type = raster::Paint::Kind::Pattern;
        paint.Pattern = &brush->Pattern();
        paint.Monochrome = brush->MonochromePattern();
        paint.Fore = raster::ColourPixel(s.TextColor);
        paint.Back = raster::ColourPixel(s.BkColor);
        break;
    default:
        break;
    }
    return paint;
}

raster::Paint PenPaint(const DeviceContext& dc, const PenObject* pen) {
    if (!pen || pen->IsNull()) return raster::Paint{};
    return SolidPaint(pen->Pen().lopnColor, dc.CurrentState().Rop2);
}

namespace {

// Dash lengths of the cosmetic pen styles, on and off alternately.
std::vector<int> DashPattern(UINT style) {
    switch (style) {
    case PS_DASH:
        return { 18, 6 };
    case PS_DOT:
        return { 3, 3 };
    case PS_DASHDOT:
        return { 9, 6, 3, 6 };
    case PS_DASHDOTDOT:
        return { 9, 3, 3, 3, 3, 3 };
    default:
        return {};
    }
}

RECT Normalised(RECT r) {
    return RECT{ std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
                 std::max(r.top, r.bottom) };
}

// Runs one drawing call: resolves the DC, keeps its target converted for the call, and
// records what was drawn.
template <class Draw>
BOOL WithTarget(HDC dc, Draw draw) {
    DeviceContext* context = DcFromHandle(dc);
    if (!context) return FALSE;
    DeviceContext::DrawScope scope(*context);
    gfx::Surface* target = scope.Target();
    if (!target) return TRUE; // nothing to draw into, as with GDI's 1x1 default bitmap
    draw(*context, *target, context->Clip());
    return TRUE;
}

// Draws a polyline in surface coordinates with the DC's pen; `closed` adds the last edge.
void StrokePath(DeviceContext& dc, gfx::Surface& target, const gfx::Region& clip,
                const std::vector<POINT>& points, bool closed) {
    const PenObject* pen = dc.SelectedPen();
    const raster::Paint paint = PenPaint(dc, pen);
    if (!paint.Visible() || points.size() < 2) return;
    const std::size_t edges = closed ? points.size() : points.size() - 1;
    RECT drawn{ points[0].x, points[0].y, points[0].x + 1, points[0].y + 1 };
    if (pen->Width() > 1) {
        const int w = pen->Width();
        gfx::Region shape;
        const RECT box = clip.Bounds();
        for (std::size_t i = 0; i < edges; ++i) {
            const POINT a = points[i];
            const POINT b = points[(i + 1) % points.size()];
            const double dx = b.x - a.x, dy = b.y - a.y;
            const double length = std::max(1e-9, std::sqrt(dx * dx + dy * dy));
            const double nx = -dy / length * w / 2.0, ny = dx / length * w / 2.0;
            const std::vector<POINT> quad = {
                { int(std::lround(a.x + nx)), int(std::lround(a.y + ny)) },
                { int(std::lround(b.x + nx)), int(std::lround(b.y + ny)) },
                { int(std::lround(b.x - nx)), int(std::lround(b.y - ny)) },
                { int(std::lround(a.x - nx)), int(std::lround(a.y - ny)) }
            };
            shape = gfx::Region::Combine(shape, gfx::Region::Polygon(quad, true, &box),
                                         gfx::Region::Op::Or);
            for (const POINT& p : { a, b }) {
                const RECT cap{ p.x - w / 2, p.y - w / 2, p.x - w / 2 + w, p.y - w / 2 + w };
                shape = gfx::Region::Combine(shape, gfx::Region::Ellipse(cap, &box),
                                             gfx::Region::Op::Or);
            }
        }
        raster::FillRegion(target, clip, shape, paint);
        dc.AddDrawn(shape.Bounds());
        return;
    }
    std::vector<POINT> pixels;
    for (std::size_t i = 0; i < edges; ++i)
        raster::LinePixels(points[i], points[(i + 1) % points.size()], pixels);
    for (const POINT& p : pixels) {
        drawn.left = std::min(drawn.left, p.x);
        drawn.top = std::min(drawn.top, p.y);
        drawn.right = std::max(drawn.right, p.x + 1);
        drawn.bottom = std::max(drawn.bottom, p.y + 1);
    }
    const std::vector<int> dashes = DashPattern(pen->Style());
    if (dashes.empty()) {
        raster::Plot(target, clip, pixels, paint);
    } else {
        // Gaps take the background colour in OPAQUE mode.
        std::vector<POINT> on, off;
        std::size_t dash = 0;
        int left = dashes[0];
        for (const POINT& p : pixels) {
            (dash % 2 == 0 ? on : off).push_back(p);
            if (--left == 0) {
                dash = (dash + 1) % dashes.size();
                left = dashes[dash];
            }
        }
        raster::Plot(target, clip, on, paint);
        if (dc.CurrentState().BkMode == OPAQUE)
            raster::Plot(target, clip, off,
                         SolidPaint(dc.CurrentState().BkColor, dc.CurrentState().Rop2));
    }
    dc.AddDrawn(drawn);
}

// Fills `interior` with the brush and strokes the ring between `outer` and `inner` with
// the pen: how Rectangle, Ellipse and RoundRect draw. The pen lies inside the bounds.
void FillAndFrame(DeviceContext& dc, gfx::Surface& target, const gfx::Region& clip,
                  const gfx::Region& outer, const gfx::Region& inner,
                  const gfx::Region& interiorNoPen) {
    const PenObject* pen = dc.SelectedPen();
    const bool hasPen = pen && !pen->IsNull();
    const int rop2 = dc.CurrentState().Rop2;
    const raster::Paint brush = BrushPaint(dc, dc.SelectedBrush(), rop2);
    if (!hasPen) {
        raster::FillRegion(target, clip, interiorNoPen, brush);
        dc.AddDrawn(interiorNoPen.Bounds());
        return;
    }
    raster::FillRegion(target, clip, inner, brush);
    const gfx::Region ring = gfx::Region::Combine(outer, inner, gfx::Region::Op::Diff);
    raster::FillRegion(target, clip, ring, PenPaint(dc, pen));
    dc.AddDrawn(outer.Bounds());
}

RECT Inset(const RECT& r, int by) {
    return RECT{ r.left + by, r.top + by, r.right - by, r.bottom - by };
}

void FillWithBrush(DeviceContext& dc, gfx::Surface& target, const gfx::Region& clip,
                   const gfx::Region& shape, HBRUSH brush) {
    const raster::Paint paint = BrushPaint(dc, gdi::LookupAs<BrushObject>(brush), R2_COPYPEN);
    raster::FillRegion(target, clip, shape, paint);
    dc.AddDrawn(shape.Bounds());
}

void InvertArea(DeviceContext& dc, gfx::Surface& target, const gfx::Region& clip,
                const gfx::Region& shape) {
    raster::FillRegion(target, clip, shape, SolidPaint(0, R2_NOT));
    dc.AddDrawn(shape.Bounds());
}

gfx::Region SurfaceRegion(const DeviceContext& dc, HRGN region) {
    RegionObject* object = gdi::LookupAs<RegionObject>(region);
    if (!object) return {};
    gfx::Region r = object->Region();
    const POINT origin = dc.LogicalToSurface(POINT{ 0, 0 });
    r.Offset(origin.x, origin.y);
    return r;
}

} // namespace

COLORREF GetPixel(HDC dc, int x, int y) {
    DeviceContext* context = DcFromHandle(dc);
    if (!context) return CLR_INVALID;
    const POINT p = context->LogicalToSurface(POINT{ x, y });
    if (!context->Clip().Contains(p.x, p.y)) return CLR_INVALID;
    gfx::Surface scratch;
    POINT offset;
    const gfx::Surface* pixels =
        context->SourcePixels(scratch, RECT{ p.x, p.y, p.x + 1, p.y + 1 }, offset);
    if (!pixels || !pixels->Contains(p.x - offset.x, p.y - offset.y)) return CLR_INVALID;
    return raster::PixelColour(pixels->At(p.x - offset.x, p.y - offset.y));
}

COLORREF SetPixel(HDC dc, int x, int y, COLORREF color) {
    // One pixel of a palette or 24-bit bitmap is written in place: converting the whole
    // bitmap for it would make pixel loops quadratic.
    if (DeviceContext* context = DcFromHandle(dc); context && context->IsMemoryDc()) {
        BitmapObject* bitmap = context->SelectedBitmap();
        if (bitmap && !bitmap->Surface32() && !context->ScopeOpen()) {
            const POINT p = context->LogicalToSurface(POINT{ x, y });
            if (!context->Clip().Contains(p.x, p.y)) return CLR_INVALID;
            bitmap->SetPixelAt(p.x, p.y, raster::ColourPixel(color));
            context->AddDrawn(RECT{ p.x, p.y, p.x + 1, p.y + 1 });
            return raster::PixelColour(bitmap->PixelAt(p.x, p.y));
        }
    }
    COLORREF result = CLR_INVALID;
    WithTarget(dc, [&](DeviceContext& context, gfx::Surface& target, const gfx::Region& clip) {
        const POINT p = context.LogicalToSurface(POINT{ x, y });
        if (!clip.Contains(p.x, p.y)) return;
        target.Row(p.y)[p.x] = raster::ColourPixel(color);
        context.AddDrawn(RECT{ p.x, p.y, p.x + 1, p.y + 1 });
        result = color & 0x00FFFFFF;
    });
    return result;
}

BOOL SetPixelV(HDC dc, int x, int y, COLORREF color) {
    return SetPixel(dc, x, y, color) != CLR_INVALID ? TRUE : FALSE;
}

BOOL MoveToEx(HDC dc, int x, int y, POINT* previous) {
    DeviceContext* context = DcFromHandle(dc);
    if (!context) return FALSE;
    if (previous) *previous = context->CurrentPosition();
    context->SetCurrentPosition(POINT{ x, y });
    return TRUE;
}

BOOL GetCurrentPositionEx(HDC dc, POINT* position) {
    DeviceContext* context = DcFromHandle(dc);
    if (!context || !position) return FALSE;
    *position = context->CurrentPosition();
    return TRUE;
}

BOOL LineTo(HDC dc, int x, int y) {
    const BOOL drawn =
        WithTarget(dc, [&](DeviceContext& context, gfx::Surface& target, const gfx::Region& clip) {
            const std::vector<POINT> points = { context.LogicalToSurface(context.CurrentPosition()),
                                                context.LogicalToSurface(POINT{ x, y }) };
            StrokePath(context, target, clip, points, false);
        });
    if (drawn) DcFromHandle(dc)->SetCurrentPosition(POINT{ x, y });
    return drawn;
}

BOOL Polyline(HDC dc, const POINT* points, int count) {
    if (!points || count < 2) return FALSE;
    return WithTarget(dc,
                      [&](DeviceContext& context, gfx::Surface& target, const gfx::Region& clip) {
                          std::vector<POINT> path;
                          for (int i = 0; i < count; ++i)
                              path.push_back(context.LogicalToSurface(points[i]));
                          StrokePath(context, target, clip, path, false);
                      });
}

BOOL Polygon(HDC dc, const POINT* points, int count) {
    if (!points || count < 2) return FALSE;
    return WithTarget(
        dc, [&](DeviceContext& context, gfx::Surface& target, const gfx::Region& clip) {
            std::vector<POINT> path;
            for (int i = 0; i < count; ++i)
                path.push_back(context.LogicalToSurface(points[i]));
            const RECT box = clip.Bounds();
            const gfx::Region shape =
                gfx::Region::Polygon(path, context.CurrentState().PolyFillMode == WINDING, &box);
            raster::FillRegion(
                target, clip, shape,
                BrushPaint(context, context.SelectedBrush(), context.CurrentState().Rop2));
            context.AddDrawn(shape.Bounds());
            StrokePath(context, target, clip, path, true);
        });
}

BOOL Rectangle(HDC dc, int left, int top, int right, int bottom) {
    return WithTarget(
        dc, [&](DeviceContext& context, gfx::Surface& target, const gfx::Region& clip) {
            const RECT r = Normalised(context.LogicalToSurface(RECT{ left, top, right, bottom }));
            const PenObject* pen = context.SelectedPen();
            const int w = pen ? pen->Width() : 1;
            FillAndFrame(context, target, clip, gfx::Region(r), gfx::Region(Inset(r, w)),
                         gfx::Region(RECT{ r.left, r.top, r.right - 1, r.bottom - 1 }));
        });
}

BOOL Ellipse(HDC dc, int left, int top, int right, int bottom) {
    return WithTarget(dc, [&](DeviceContext& context, gfx::Surface& target,
                              const gfx::Region& clip) {
        const RECT r = Normalised(context.LogicalToSurface(RECT{ left, top, right, bottom }));
        const PenObject* pen = context.SelectedPen();
        const int w = pen ? pen->Width() : 1;
        const RECT box = clip.Bounds();
        FillAndFrame(context, target, clip, gfx::Region::Ellipse(r, &box),
                     gfx::Region::Ellipse(Inset(r, w), &box),
                     gfx::Region::Ellipse(RECT{ r.left, r.top, r.right - 1, r.bottom - 1 }, &box));
    });
}

BOOL RoundRect(HDC dc, int left, int top, int right, int bottom, int ellipseWidth,
               int ellipseHeight) {
    return WithTarget(dc, [&](DeviceContext& context, gfx::Surface& target,
                              const gfx::Region& clip) {
        const RECT r = Normalised(context.LogicalToSurface(RECT{ left, top, right, bottom }));
        const PenObject* pen = context.SelectedPen();
        const int w = pen ? pen->Width() : 1;
        const RECT box = clip.Bounds();
        FillAndFrame(
            context, target, clip, gfx::Region::RoundRect(r, ellipseWidth, ellipseHeight, &box),
            gfx::Region::RoundRect(Inset(r, w), ellipseWidth - 2 * w, ellipseHeight - 2 * w, &box),
            gfx::Region::RoundRect(RECT{ r.left, r.top, r.right - 1, r.bottom - 1 }, ellipseWidth,
                                   ellipseHeight, &box));
    });
}

int FillRect(HDC dc, const RECT* rect, HBRUSH brush) {
    // Win32 code passes a system colour index + 1 in place of a brush.
    const auto value = reinterpret_cast<std::uintptr_t>(brush);
    if (value >= 1 && value <= std::uintptr_t(COLOR_MENUBAR) + 1)
        brush = GetSysColorBrush(int(value) - 1);
    if (!rect || !gdi::LookupAs<BrushObject>(brush)) return FALSE;
    return WithTarget(dc,
                      [&](DeviceContext& context, gfx::Surface& target, const gfx::Region& clip) {
                          const RECT r = context.LogicalToSurface(*rect);
                          FillWithBrush(context, target, clip, gfx::Region(r), brush);
                      });
}

int FrameRect(HDC dc, const RECT* rect, HBRUSH brush) {
    if (!rect || !gdi::LookupAs<BrushObject>(brush)) return FALSE;
    return WithTarget(dc, [&](DeviceContext& context, gfx::Surface& target,
                              const gfx::Region& clip) {
        const RECT r = context.LogicalToSurface(*rect);
        const gfx::Region ring =
            gfx::Region::Combine(gfx::Region(r), gfx::Region(Inset(r, 1)), gfx::Region::Op::Diff);
        FillWithBrush(context, target, clip, ring, brush);
    });
}

BOOL InvertRect(HDC dc, const RECT* rect) {
    if (!rect) return FALSE;
    return WithTarget(
        dc, [&](DeviceContext& context, gfx::Surface& target, const gfx::Region& clip) {
            InvertArea(context, target, clip, gfx::Region(context.LogicalToSurface(*rect)));
        });
}

BOOL DrawFocusRect(HDC dc, const RECT* rect) {
    if (!rect) return FALSE;
    // Every other pixel of the frame has its colour inverted, so a second call removes it.
    return WithTarget(
        dc, [&](DeviceContext& context, gfx::Surface& target, const gfx::Region& clip) {
            const RECT r = context.LogicalToSurface(*rect);
            if (IsRectEmpty(&r)) return;
            std::vector<POINT> dots;
            for (int x = r.left; x < r.right; ++x) {
                dots.push_back(POINT{ x, r.top });
                if (r.bottom - 1 > r.top) dots.push_back(POINT{ x, r.bottom - 1 });
            }
            for (int y = r.top + 1; y < r.bottom - 1; ++y) {
                dots.push_back(POINT{ r.left, y });
                if (r.right - 1 > r.left) dots.push_back(POINT{ r.right - 1, y });
            }
            const POINT base = context.BaseOrigin();
            std::erase_if(dots,
                          [&](const POINT& p) { return ((p.x - base.x + p.y - base.y) & 1) != 0; });
            raster::Plot(target, clip, dots, SolidPaint(RGB(255, 255, 255), R2_XORPEN));
            context.AddDrawn(r);
        });
}

BOOL DrawEdge(HDC dc, RECT* rect, UINT edge, UINT flags) {
    if (!rect) return FALSE;
    return WithTarget(dc, [&](DeviceContext& context, gfx::Surface& target,
                              const gfx::Region& clip) {
        RECT r = context.LogicalToSurface(*rect);
        const RECT original = r;
        // Colours of one border: top-left and bottom-right.
        struct Border {
            int TopLeft;
            int BottomRight;
        };
        const bool soft = (flags & BF_SOFT) != 0;
        Border outer{ -1, -1 };
        Border inner{ -1, -1 };
        if (edge & BDR_RAISEDOUTER)
            outer = { soft ? COLOR_BTNHIGHLIGHT : COLOR_3DLIGHT, COLOR_3DDKSHADOW };
        else if (edge & BDR_SUNKENOUTER)
            outer = { soft ? COLOR_3DDKSHADOW : COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT };
        if (edge & BDR_RAISEDINNER)
            inner = { soft ? COLOR_3DLIGHT : COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW };
        else if (edge & BDR_SUNKENINNER)
            inner = { soft ? COLOR_BTNSHADOW : COLOR_3DDKSHADOW, COLOR_3DLIGHT };
        if (flags & BF_MONO) {
            if (outer.TopLeft >= 0) outer = { COLOR_WINDOWFRAME, COLOR_WINDOWFRAME };
            if (inner.TopLeft >= 0) inner = { COLOR_WINDOW, COLOR_WINDOW };
        } else if (flags & BF_FLAT) {
            if (outer.TopLeft >= 0) outer = { COLOR_BTNSHADOW, COLOR_BTNSHADOW };
            if (inner.TopLeft >= 0) inner = { COLOR_BTNFACE, COLOR_BTNFACE };
        }
        // Bottom-right lines own the top-right and bottom-left corners.
        const auto drawBorder = [&](const Border& b) {
            if (b.TopLeft < 0 || IsRectEmpty(&r)) return;
            const raster::Paint light = SolidPaint(GetSysColor(b.TopLeft));
            const raster::Paint dark = SolidPaint(GetSysColor(b.BottomRight));
            if (flags & BF_TOP)
                raster::FillRect(target, clip, RECT{ r.left, r.top, r.right - 1, r.top + 1 },
                                 light);
            if (flags & BF_LEFT)
                raster::FillRect(target, clip, RECT{ r.left, r.top, r.left + 1, r.bottom - 1 },
                                 light);
            if (flags & BF_BOTTOM)
                raster::FillRect(target, clip, RECT{ r.left, r.bottom - 1, r.right, r.bottom },
                                 dark);
            if (flags & BF_RIGHT)
                raster::FillRect(target, clip, RECT{ r.right - 1, r.top, r.right, r.bottom - 1 },
                                 dark);
            if (flags & BF_LEFT) ++r.left;
            if (flags & BF_TOP) ++r.top;
            if (flags & BF_RIGHT) --r.right;
            if (flags & BF_BOTTOM) --r.bottom;
        };
        drawBorder(outer);
        drawBorder(inner);
        if ((flags & BF_MIDDLE) && !IsRectEmpty(&r))
            raster::FillRect(
                target, clip, r,
                SolidPaint(GetSysColor((flags & BF_MONO) ? COLOR_WINDOW : COLOR_BTNFACE)));
        context.AddDrawn(original);
        if (flags & BF_ADJUST) {
            const POINT shift = context.LogicalToSurface(POINT{ 0, 0 });
            *rect =
                RECT{ r.left - shift.x, r.top - shift.y, r.right - shift.x, r.bottom - shift.y };
        }
    });
}

BOOL FillRgn(HDC dc, HRGN region, HBRUSH brush) {
    if (!gdi::LookupAs<RegionObject>(region) || !gdi::LookupAs<BrushObject>(brush)) return FALSE;
    return WithTarget(
        dc, [&](DeviceContext& context, gfx::Surface& target, const gfx::Region& clip) {
            FillWithBrush(context, target, clip, SurfaceRegion(context, region), brush);
        });
}

BOOL FrameRgn(HDC dc, HRGN region, HBRUSH brush, int width, int height) {
    if (!gdi::LookupAs<RegionObject>(region) || !gdi::LookupAs<BrushObject>(brush)) return FALSE;
    return WithTarget(
        dc, [&](DeviceContext& context, gfx::Surface& target, const gfx::Region& clip) {
            // The frame is the region minus itself shrunk: a pixel stays inside the shrunk region
            // when the whole width x height neighbourhood around it lies in the region.
            const gfx::Region shape = SurfaceRegion(context, region);
            gfx::Region shrunk = shape;
            for (int dx = -width; dx <= width; ++dx) {
                for (int dy = -height; dy <= height; ++dy) {
                    if (std::abs(dx) != width && std::abs(dy) != height) continue;
                    gfx::Region moved = shape;
                    moved.Offset(dx, dy);
                    shrunk = gfx::Region::Combine(shrunk, moved, gfx::Region::Op::And);
                }
            }
            FillWithBrush(context, target, clip,
                          gfx::Region::Combine(shape, shrunk, gfx::Region::Op::Diff), brush);
        });
}

BOOL PaintRgn(HDC dc, HRGN region) {
    DeviceContext* context = DcFromHandle(dc);
    if (!context) return FALSE;
    return FillRgn(dc, region, context->CurrentState().Brush);
}

BOOL InvertRgn(HDC dc, HRGN region) {
    if (!gdi::LookupAs<RegionObject>(region)) return FALSE;
    return WithTarget(dc,
                      [&](DeviceContext& context, gfx::Surface& target, const gfx::Region& clip) {
                          InvertArea(context, target, clip, SurfaceRegion(context, region));
                      });
}

// ---- What the text layer draws with ---------------------------------------------------------

void DeviceContext::FillCoverage(int x, int y, const BYTE* coverage, int width, int height,
                                 int stride, COLORREF color) {
    if (!coverage || width <= 0 || height <= 0) return;
    DrawScope scope(*this);
    gfx::Surface* target = scope.Target();
    if (!target) return;
    const RECT area{ x, y, x + width, y + height };
    const unsigned cr = GetRValue(color), cg = GetGValue(color), cb = GetBValue(color);
    for (const RECT& c : Clip().Rects()) {
        RECT r;
        if (!IntersectRect(&r, &c, &area)) continue;
        for (int py = r.top; py < r.bottom; ++py) {
            const BYTE* mask = coverage + std::size_t(py - y) * std::size_t(stride);
            gfx::Pixel* row = target->Row(py);
            for (int px = r.left; px < r.right; ++px) {
                const unsigned a = mask[px - x];
                if (a == 0) continue;
                const gfx::Pixel d = row[px];
                const auto mix = [a](unsigned s, unsigned dst) {
                    const unsigned v = s * a + dst * (255 - a) + 128;
                    return (v + (v >> 8)) >> 8;
                };
                row[px] =
                    gfx::MakePixel(BYTE(mix(cr, gfx::PixelR(d))), BYTE(mix(cg, gfx::PixelG(d))),
                                   BYTE(mix(cb, gfx::PixelB(d))), 0);
            }
        }
    }
    AddDrawn(area);
}

void DeviceContext::FillSurfaceRect(const RECT& rect, COLORREF color) {
    DrawScope scope(*this);
    gfx::Surface* target = scope.Target();
    if (!target) return;
    raster::FillRect(*target, Clip(), rect, SolidPaint(color));
    AddDrawn(rect);
}

} // namespace win
