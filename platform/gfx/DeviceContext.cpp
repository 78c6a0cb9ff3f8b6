#include "platform/gfx/DeviceContext.h"

#include "platform/gfx/BitmapObject.h"
#include "platform/gfx/BrushObject.h"
#include "platform/gfx/GdiObjects.h"
#include "platform/gfx/PenObject.h"
#include "platform/gfx/RegionObject.h"

#include <algorithm>

namespace win {

namespace {

void AddRef(HGDIOBJ handle) {
    if (GdiObject* object = gdi::Lookup(handle)) object->AddSelect();
}

void Release(HGDIOBJ handle) {
    if (GdiObject* object = gdi::Lookup(handle)) object->ReleaseSelect();
}

// Moves a selection slot to another object, keeping both objects' select counts right.
template <class Handle>
void SetSelected(Handle& slot, HGDIOBJ object) {
    AddRef(object);
    Release(slot);
    slot = static_cast<Handle>(object);
}

void AddRefs(const DeviceContext::State& s) {
    AddRef(s.Pen);
    AddRef(s.Brush);
    AddRef(s.Font);
    AddRef(s.Bitmap);
}

void ReleaseRefs(const DeviceContext::State& s) {
    Release(s.Pen);
    Release(s.Brush);
    Release(s.Font);
    Release(s.Bitmap);
}

} // namespace

DeviceContext::DeviceContext() : GdiObject(OBJ_MEMDC) {
    FState.Pen = HPEN(GetStockObject(BLACK_PEN));
    FState.Brush = HBRUSH(GetStockObject(WHITE_BRUSH));
    FState.Font = HFONT(GetStockObject(SYSTEM_FONT));
    FState.Bitmap = HBITMAP(DefaultDcBitmap());
    AddRefs(FState);
}

DeviceContext::DeviceContext(gfx::Surface& target, const gfx::Region& baseClip, POINT baseOrigin)
    : GdiObject(OBJ_DC), FOwnTarget(&target), FBaseClip(baseClip), FBaseOrigin(baseOrigin) {
    FState.Pen = HPEN(GetStockObject(BLACK_PEN));
    FState.Brush = HBRUSH(GetStockObject(WHITE_BRUSH));
    FState.Font = HFONT(GetStockObject(SYSTEM_FONT));
    AddRefs(FState);
}

DeviceContext::~DeviceContext() {
    ReleaseAll();
}

void DeviceContext::ReleaseAll() {
    if (FScopeDepth > 0) {
        FScopeDepth = 1;
        CloseScope();
    }
    ReleaseRefs(FState);
    for (const State& s : FSaved)
        ReleaseRefs(s);
    FSaved.clear();
    FState = State{};
}

GdiObject* DeviceContext::FontObject() const {
    return gdi::Lookup(FState.Font);
}
BitmapObject* DeviceContext::SelectedBitmap() const {
    return gdi::LookupAs<BitmapObject>(FState.Bitmap);
}
PenObject* DeviceContext::SelectedPen() const {
    return gdi::LookupAs<PenObject>(FState.Pen);
}
BrushObject* DeviceContext::SelectedBrush() const {
    return gdi::LookupAs<BrushObject>(FState.Brush);
}

POINT DeviceContext::LogicalToDevice(POINT p) const {
    return POINT{ p.x - FState.WindowOrg.x + FState.ViewportOrg.x,
                  p.y - FState.WindowOrg.y + FState.ViewportOrg.y };
}

POINT DeviceContext::LogicalToSurface(POINT p) const {
    const POINT d = LogicalToDevice(p);
    return POINT{ d.x + FBaseOrigin.x, d.y + FBaseOrigin.y };
}

RECT DeviceContext::LogicalToSurface(const RECT& r) const {
    const POINT a = LogicalToSurface(POINT{ r.left, r.top });
    const POINT b = LogicalToSurface(POINT{ r.right, r.bottom });
    return RECT{ a.x, a.y, b.x, b.y };
}

POINT DeviceContext::BaseOrigin() const {
    return FBaseOrigin;
}

RECT DeviceContext::TargetBounds() const {
    if (FOwnTarget) return RECT{ 0, 0, FOwnTarget->Width(), FOwnTarget->Height() };
    if (const BitmapObject* bitmap = SelectedBitmap())
        return RECT{ 0, 0, bitmap->Width(), bitmap->Height() };
    return RECT{};
}

const gfx::Region& DeviceContext::Clip() const {
    // A window's back buffer may be resized while a DC over it lives: the clip follows the
    // target's size so drawing never leaves it.
    const RECT bounds = TargetBounds();
    if (!FClipValid || bounds != FClipBounds) {
        FClipBounds = bounds;
        gfx::Region clip = FOwnTarget ? FBaseClip.Intersected(bounds) : gfx::Region(bounds);
        if (FState.Clip) {
            gfx::Region user = *FState.Clip;
            user.Offset(FBaseOrigin.x, FBaseOrigin.y);
            clip = gfx::Region::Combine(clip, user, gfx::Region::Op::And);
        }
        FClip = std::move(clip);
        FClipValid = true;
    }
    return FClip;
}

gfx::Region DeviceContext::EffectiveClip() const {
    return Clip();
}

void DeviceContext::SetClip(std::optional<gfx::Region> clip) {
    FState.Clip = std::move(clip);
    FClipValid = false;
}

gfx::Region DeviceContext::DeviceClipArea() const {
    gfx::Region area = Clip();
    area.Offset(-FBaseOrigin.x, -FBaseOrigin.y);
    return area;
}

HGDIOBJ DeviceContext::Select(HGDIOBJ object) {
    GdiObject* found = gdi::Lookup(object);
    if (!found) return nullptr;
    HGDIOBJ previous = nullptr;
    switch (found->Kind()) {
    case OBJ_PEN:
        previous = FState.Pen;
        SetSelected(FState.Pen, object);
        break;
    case OBJ_BRUSH:
        previous = FState.Brush;
        SetSelected(FState.Brush, object);
        break;
    case OBJ_FONT:
        previous = FState.Font;
        SetSelected(FState.Font, object);
        break;
    case OBJ_BITMAP: {
        if (FOwnTarget) return nullptr;
        const int depth = FScopeDepth;
        if (depth > 0) {
            FScopeDepth = 1;
            CloseScope();
        }
        previous = FState.Bitmap;
        SetSelected(FState.Bitmap, object);
        FClipValid = false;
        for (int i = 0; i < depth; ++i)
            OpenScope();
        break;
    }
    case OBJ_REGION: {
        SetClip(static_cast<RegionObject*>(found)->Region());
        return reinterpret_cast<HGDIOBJ>(std::uintptr_t(Clip().Complexity()));
    }
    default:
        return nullptr;
    }
    return previous;
}

int DeviceContext::Save() {
    FSaved.push_back(FState);
    AddRefs(FState);
    return int(FSaved.size());
}

bool DeviceContext::Restore(int level) {
    const int count = int(FSaved.size());
    const int target = level > 0 ? level : count + 1 + level;
    if (target < 1 || target > count) return false;
    const HBITMAP oldBitmap = FState.Bitmap;
    const int depth = FScopeDepth;
    if (depth > 0 && FSaved[std::size_t(target - 1)].Bitmap != oldBitmap) {
        FScopeDepth = 1;
        CloseScope();
    }
    ReleaseRefs(FState);
    FState = FSaved[std::size_t(target - 1)];
    for (int i = target; i < count; ++i)
        ReleaseRefs(FSaved[std::size_t(i)]);
    FSaved.resize(std::size_t(target - 1));
    FClipValid = false;
    if (depth > 0 && FScopeDepth == 0)
        for (int i = 0; i < depth; ++i)
            OpenScope();
    return true;
}

gfx::Surface* DeviceContext::ScopeTarget() {
    if (FOwnTarget) return FOwnTarget;
    BitmapObject* bitmap = SelectedBitmap();
    if (!bitmap) return nullptr;
    if (gfx::Surface* direct = bitmap->Surface32()) return direct;
    return FScopeDepth > 0 ? &FShadow : nullptr;
}

void DeviceContext::OpenScope() {
    if (FScopeDepth++ > 0 || FOwnTarget) return;
    BitmapObject* bitmap = SelectedBitmap();
    if (bitmap && !bitmap->Surface32()) bitmap->ReadPixels(FShadow);
}

void DeviceContext::CloseScope() {
    if (FScopeDepth <= 0 || --FScopeDepth > 0 || FOwnTarget) return;
    BitmapObject* bitmap = SelectedBitmap();
    if (bitmap && !bitmap->Surface32()) bitmap->WritePixels(FShadow);
}

DeviceContext::DrawScope::DrawScope(DeviceContext& dc) : FDc(dc) {
    FDc.OpenScope();
}
DeviceContext::DrawScope::~DrawScope() {
    FDc.CloseScope();
}
gfx::Surface* DeviceContext::DrawScope::Target() const {
    return FDc.ScopeTarget();
}

const gfx::Surface* DeviceContext::SourcePixels(gfx::Surface& scratch) const {
    if (FOwnTarget) return FOwnTarget;
    BitmapObject* bitmap = SelectedBitmap();
    if (!bitmap) return nullptr;
    if (const gfx::Surface* direct = bitmap->Surface32()) return direct;
    if (FScopeDepth > 0) return &FShadow;
    bitmap->ReadPixels(scratch);
    return &scratch;
}

const gfx::Surface* DeviceContext::SourcePixels(gfx::Surface& scratch, const RECT& area,
                                                POINT& offset) const {
    offset = POINT{};
    BitmapObject* bitmap = FOwnTarget ? nullptr : SelectedBitmap();
    if (!bitmap || bitmap->Surface32() || FScopeDepth > 0) return SourcePixels(scratch);
    // Converting a large palette or 24-bit picture whole for each small blit would dominate
    // nine-slice drawing: convert only what is read.
    const RECT bounds{ 0, 0, bitmap->Width(), bitmap->Height() };
    RECT cut;
    if (!IntersectRect(&cut, &area, &bounds)) cut = RECT{ 0, 0, 1, 1 };
    bitmap->ReadArea(scratch, cut);
    offset = POINT{ cut.left, cut.top };
    return &scratch;
}

void DeviceContext::AddDrawn(const RECT& surfaceRect) {
    RECT bounded;
    const RECT clipBox = Clip().Bounds();
    if (IntersectRect(&bounded, &surfaceRect, &clipBox)) UnionRect(&FDrawn, &FDrawn, &bounded);
}

DeviceContext* DcFromHandle(HDC dc) {
    return gdi::LookupAs<DeviceContext>(dc);
}

} // namespace win
