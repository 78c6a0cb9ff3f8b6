#include "platform/gfx/BitmapObject.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/GdiObjects.h"
#include "platform/gfx/RegionObject.h"

#include <memory>

// The DC calls that create, select, save and restore, and set colours, modes, origins and clip.
namespace win {

namespace {

template <class Value, class Field>
Value Swap(HDC dc, Field field, Value value, Value failed) {
    DeviceContext* context = DcFromHandle(dc);
    if (!context) return failed;
    Value& slot = context->CurrentState().*field;
    const Value previous = slot;
    slot = value;
    return previous;
}

template <class Value, class Field>
Value Read(HDC dc, Field field, Value failed) {
    DeviceContext* context = DcFromHandle(dc);
    return context ? context->CurrentState().*field : failed;
}

BOOL SetPoint(HDC dc, POINT DeviceContext::State::*field, POINT value, POINT* previous) {
    DeviceContext* context = DcFromHandle(dc);
    if (!context) return FALSE;
    POINT& slot = context->CurrentState().*field;
    if (previous) *previous = slot;
    slot = value;
    return TRUE;
}

BOOL GetPoint(HDC dc, POINT DeviceContext::State::*field, POINT* out) {
    DeviceContext* context = DcFromHandle(dc);
    if (!context || !out) return FALSE;
    *out = context->CurrentState().*field;
    return TRUE;
}

int ClipResult(const DeviceContext& context) {
    return context.Clip().Complexity();
}

// The clip region a clip call starts from: the current one, or the whole drawing area when
// the DC has none, as GDI does.
gfx::Region CurrentClip(const DeviceContext& context) {
    if (context.CurrentState().Clip) return *context.CurrentState().Clip;
    return context.DeviceClipArea();
}

RECT DeviceRect(const DeviceContext& context, int left, int top, int right, int bottom) {
    const POINT a = context.LogicalToDevice(POINT{ left, top });
    const POINT b = context.LogicalToDevice(POINT{ right, bottom });
    return RECT{ std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y) };
}

} // namespace

HDC CreateCompatibleDC(HDC) {
    return gdi::AddAs<HDC>(std::make_unique<DeviceContext>());
}

HDC CreateSurfaceDC(gfx::Surface& target, const gfx::Region& baseClip, POINT baseOrigin) {
    return gdi::AddAs<HDC>(std::make_unique<DeviceContext>(target, baseClip, baseOrigin));
}

BOOL DeleteDC(HDC dc) {
    if (!DcFromHandle(dc)) return FALSE;
    return gdi::Remove(dc) ? TRUE : FALSE;
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
    DeviceContext* context = DcFromHandle(dc);
    return context ? context->Select(object) : nullptr;
}

HGDIOBJ GetCurrentObject(HDC dc, UINT type) {
    DeviceContext* context = DcFromHandle(dc);
    if (!context) return nullptr;
    const DeviceContext::State& s = context->CurrentState();
    switch (type) {
    case OBJ_PEN:
        return s.Pen;
    case OBJ_BRUSH:
        return s.Brush;
    case OBJ_FONT:
        return s.Font;
    case OBJ_BITMAP:
        return s.Bitmap;
    default:
        return nullptr;
    }
}

int SaveDC(HDC dc) {
    DeviceContext* context = DcFromHandle(dc);
    return context ? context->Save() : 0;
}

BOOL RestoreDC(HDC dc, int level) {
    DeviceContext* context = DcFromHandle(dc);
    return context && context->Restore(level) ? TRUE : FALSE;
}

COLORREF SetTextColor(HDC dc, COLORREF color) {
    return Swap(dc, &DeviceContext::State::TextColor, color, CLR_INVALID);
}
COLORREF GetTextColor(HDC dc) {
    return Read(dc, &DeviceContext::State::TextColor, CLR_INVALID);
}
COLORREF SetBkColor(HDC dc, COLORREF color) {
    return Swap(dc, &DeviceContext::State::BkColor, color, CLR_INVALID);
}
COLORREF GetBkColor(HDC dc) {
    return Read(dc, &DeviceContext::State::BkColor, CLR_INVALID);
}

int SetBkMode(HDC dc, int mode) {
    if (mode != TRANSPARENT && mode != OPAQUE) return 0;
    return Swap(dc, &DeviceContext::State::BkMode, mode, 0);
}
int GetBkMode(HDC dc) {
    return Read(dc, &DeviceContext::State::BkMode, 0);
}

int SetROP2(HDC dc, int mode) {
    if (mode < R2_BLACK || mode > R2_WHITE) return 0;
    return Swap(dc, &DeviceContext::State::Rop2, mode, 0);
}
int GetROP2(HDC dc) {
    return Read(dc, &DeviceContext::State::Rop2, 0);
}

int SetStretchBltMode(HDC dc, int mode) {
    if (mode < BLACKONWHITE || mode > HALFTONE) return 0;
    return Swap(dc, &DeviceContext::State::StretchMode, mode, 0);
}
int GetStretchBltMode(HDC dc) {
    return Read(dc, &DeviceContext::State::StretchMode, 0);
}

int SetPolyFillMode(HDC dc, int mode) {
    if (mode != ALTERNATE && mode != WINDING) return 0;
    return Swap(dc, &DeviceContext::State::PolyFillMode, mode, 0);
}

BOOL SetBrushOrgEx(HDC dc, int x, int y, POINT* previous) {
    return SetPoint(dc, &DeviceContext::State::BrushOrg, POINT{ x, y }, previous);
}
BOOL GetBrushOrgEx(HDC dc, POINT* origin) {
    return GetPoint(dc, &DeviceContext::State::BrushOrg, origin);
}

BOOL SetViewportOrgEx(HDC dc, int x, int y, POINT* previous) {
    return SetPoint(dc, &DeviceContext::State::ViewportOrg, POINT{ x, y }, previous);
}
BOOL GetViewportOrgEx(HDC dc, POINT* origin) {
    return GetPoint(dc, &DeviceContext::State::ViewportOrg, origin);
}
BOOL OffsetViewportOrgEx(HDC dc, int dx, int dy, POINT* previous) {
    POINT current;
    if (!GetViewportOrgEx(dc, &current)) return FALSE;
    return SetViewportOrgEx(dc, current.x + dx, current.y + dy, previous);
}
BOOL SetWindowOrgEx(HDC dc, int x, int y, POINT* previous) {
    return SetPoint(dc, &DeviceContext::State::WindowOrg, POINT{ x, y }, previous);
}
BOOL GetWindowOrgEx(HDC dc, POINT* origin) {
    return GetPoint(dc, &DeviceContext::State::WindowOrg, origin);
}
BOOL OffsetWindowOrgEx(HDC dc, int dx, int dy, POINT* previous) {
    POINT current;
    if (!GetWindowOrgEx(dc, &current)) return FALSE;
    return SetWindowOrgEx(dc, current.x + dx, current.y + dy, previous);
}

BOOL LPtoDP(HDC dc, POINT* points, int count) {
    DeviceContext* context = DcFromHandle(dc);
    if (!context || (!points && count > 0)) return FALSE;
    for (int i = 0; i < count; ++i)
        points[i] = context->LogicalToDevice(points[i]);
    return TRUE;
}

BOOL DPtoLP(HDC dc, POINT* points, int count) {
    DeviceContext* context = DcFromHandle(dc);
    if (!context || (!points && count > 0)) return FALSE;
    const DeviceContext::State& s = context->CurrentState();
    for (int i = 0; i < count; ++i)
        points[i] = POINT{ points[i].x - s.ViewportOrg.x + s.WindowOrg.x,
                           points[i].y - s.ViewportOrg.y + s.WindowOrg.y };
    return TRUE;
}

int GetDeviceCaps(HDC dc, int index) {
    DeviceContext* context = DcFromHandle(dc);
    if (!context) return 0;
    const BitmapObject* bitmap = context->IsMemoryDc() ? context->SelectedBitmap() : nullptr;
    const RECT bounds = context->TargetBounds();
    switch (index) {
    case TECHNOLOGY:
        return DT_RASDISPLAY;
    case HORZRES:
        return bounds.right;
    case VERTRES:
        return bounds.bottom;
    case BITSPIXEL:
        return bitmap ? bitmap->BitCount() : 32;
    case PLANES:
        return 1;
    case NUMCOLORS:
        return bitmap && bitmap->BitCount() <= 8 ? 1 << bitmap->BitCount() : -1;
    case LOGPIXELSX:
    case LOGPIXELSY:
        return 96;
    default:
        return 0;
    }
}

// ---- Clipping -----------------------------------------------------------------------------

int SelectClipRgn(HDC dc, HRGN region) {
    return ExtSelectClipRgn(dc, region, RGN_COPY);
}

int ExtSelectClipRgn(HDC dc, HRGN region, int mode) {
    DeviceContext* context = DcFromHandle(dc);
    if (!context) return ERROR;
    RegionObject* object = gdi::LookupAs<RegionObject>(region);
    if (!object) {
        // Only RGN_COPY may pass no region: it removes the clip region.
        if (region || mode != RGN_COPY) return ERROR;
        context->SetClip(std::nullopt);
        return ClipResult(*context);
    }
    if (mode == RGN_COPY) {
        context->SetClip(object->Region());
        return ClipResult(*context);
    }
    if (mode < RGN_AND || mode > RGN_DIFF) return ERROR;
    static constexpr gfx::Region::Op kOps[] = { gfx::Region::Op::And, gfx::Region::Op::Or,
                                                gfx::Region::Op::Xor, gfx::Region::Op::Diff };
    context->SetClip(gfx::Region::Combine(CurrentClip(*context), object->Region(), kOps[mode - 1]));
    return ClipResult(*context);
}

int IntersectClipRect(HDC dc, int left, int top, int right, int bottom) {
    DeviceContext* context = DcFromHandle(dc);
    if (!context) return ERROR;
    const RECT r = DeviceRect(*context, left, top, right, bottom);
    context->SetClip(CurrentClip(*context).Intersected(r));
    return ClipResult(*context);
}

int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom) {
    DeviceContext* context = DcFromHandle(dc);
    if (!context) return ERROR;
    const RECT r = DeviceRect(*context, left, top, right, bottom);
    context->SetClip(
        gfx::Region::Combine(CurrentClip(*context), gfx::Region(r), gfx::Region::Op::Diff));
    return ClipResult(*context);
}

int OffsetClipRgn(HDC dc, int dx, int dy) {
    DeviceContext* context = DcFromHandle(dc);
    if (!context) return ERROR;
    if (context->CurrentState().Clip) {
        gfx::Region moved = *context->CurrentState().Clip;
        moved.Offset(dx, dy);
        context->SetClip(std::move(moved));
    }
    return ClipResult(*context);
}

int GetClipBox(HDC dc, RECT* rect) {
    DeviceContext* context = DcFromHandle(dc);
    if (!context || !rect) return ERROR;
    const gfx::Region area = context->DeviceClipArea();
    const RECT box = area.Bounds();
    POINT corners[2] = { { box.left, box.top }, { box.right, box.bottom } };
    DPtoLP(dc, corners, 2);
    *rect = area.Empty() ? RECT{} : RECT{ corners[0].x, corners[0].y, corners[1].x, corners[1].y };
    return area.Complexity();
}

int GetClipRgn(HDC dc, HRGN region) {
    DeviceContext* context = DcFromHandle(dc);
    RegionObject* object = gdi::LookupAs<RegionObject>(region);
    if (!context || !object) return -1;
    if (!context->CurrentState().Clip) return 0;
    object->Region() = *context->CurrentState().Clip;
    return 1;
}

BOOL PtVisible(HDC dc, int x, int y) {
    DeviceContext* context = DcFromHandle(dc);
    if (!context) return FALSE;
    const POINT p = context->LogicalToSurface(POINT{ x, y });
    return context->Clip().Contains(p.x, p.y) ? TRUE : FALSE;
}

BOOL RectVisible(HDC dc, const RECT* rect) {
    DeviceContext* context = DcFromHandle(dc);
    if (!context || !rect) return FALSE;
    RECT r = context->LogicalToSurface(*rect);
    r = RECT{ std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
              std::max(r.top, r.bottom) };
    return context->Clip().Intersects(r) ? TRUE : FALSE;
}

} // namespace win
