#include "platform/win/Painting.h"
#include "platform/gfx/RegionObject.h"
#include "platform/gfx/SysColors.h"
#include "platform/gfx/TextDraw.h"
#include "platform/win/Backend.h"
#include "platform/win/CaretState.h"
#include "platform/win/Focus.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messaging.h"
#include "platform/win/QueueSources.h"
#include "platform/win/UpdateState.h"
#include "platform/win/WindowApi.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/WindowTree.h"
#include <algorithm>
#include <map>

namespace win {

namespace {

using gfx::Region;

struct OpenDc {
    HWND FWindow{};
    HWND FTop{};
};

// DCs handed out over back buffers, so that releasing one presents what it drew.
std::map<HDC, OpenDc>& OpenDcs() {
    static std::map<HDC, OpenDc> dcs;
    return dcs;
}

LONG Width(const RECT& r) {
    return r.right - r.left;
}
LONG Height(const RECT& r) {
    return r.bottom - r.top;
}

std::shared_ptr<Window> TopOf(const Window& w) {
    return FindWindow(GetAncestor(w.FHandle, GA_ROOT));
}

void EnsureBuffer(Window& top) {
    const int width = std::max<int>(0, Width(top.FRect));
    const int height = std::max<int>(0, Height(top.FRect));
    if (top.FBuffer.Width() != width || top.FBuffer.Height() != height)
        top.FBuffer.Resize(width, height);
}

// A window's rectangle in its top-level window's buffer.
RECT BufferRect(const Window& w, const Window& top) {
    RECT r = ScreenRect(w);
    const POINT o = WindowOrigin(top);
    OffsetRect(&r, -o.x, -o.y);
    return r;
}

RECT BufferClientRect(const Window& w, const Window& top) {
    const RECT r = BufferRect(w, top);
    return RECT{ r.left + w.FClient.left, r.top + w.FClient.top, r.left + w.FClient.right,
                 r.top + w.FClient.bottom };
}

// The pixels of the window itself (its rectangle cut by its region) in buffer coordinates.
Region Shape(const Window& w, const Window& top) {
    const RECT r = BufferRect(w, top);
    if (!w.FRegion) return Region(r);
    Region shape = *w.FRegion;
    shape.Offset(r.left, r.top);
    return shape.Intersected(r);
}

// Where a window may draw: inside its ancestors' client areas and regions, minus siblings
// above it when it clips siblings, minus its children when it clips children.
Region VisibleRegion(const Window& w, bool clientOnly, bool clipChildren) {
    auto top = TopOf(w);
    if (!top) return {};
    Region visible = Shape(w, *top);
    if (clientOnly) visible = visible.Intersected(BufferClientRect(w, *top));
    // Region arithmetic is the cost of a paint: windows that cannot overlap what is left are
    // passed over by their rectangles.
    auto cutAway = [&](const Window& other) {
        RECT overlap;
        const RECT bounds = visible.Bounds();
        const RECT r = BufferRect(other, *top);
        if (IntersectRect(&overlap, &r, &bounds))
            visible = Region::Combine(visible, Shape(other, *top), Region::Op::Diff);
    };
    const Window* child = &w;
    for (auto parent = FindWindow(w.FParent); parent && !visible.Empty();
         parent = FindWindow(parent->FParent)) {
        if (child->FStyle & WS_CLIPSIBLINGS) {
            for (HWND h : parent->FChildren) {
                if (h == child->FHandle) break;
                auto sibling = FindWindow(h);
                if (sibling && (sibling->FStyle & WS_VISIBLE)) cutAway(*sibling);
            }
        }
        visible = visible.Intersected(BufferClientRect(*parent, *top));
        if (parent->FRegion)
            visible = Region::Combine(visible, Shape(*parent, *top), Region::Op::And);
        child = parent.get();
    }
    if (clipChildren) {
        // A child shows only inside this window's client area: a child that reaches past the
        // client edge must not take the frame away from a window DC.
        const RECT client = BufferClientRect(w, *top);
        for (HWND h : w.FChildren) {
            auto c = FindWindow(h);
            if (!c || !(c->FStyle & WS_VISIBLE)) continue;
            RECT overlap;
            const RECT bounds = visible.Bounds();
            const RECT r = BufferRect(*c, *top);
            if (IntersectRect(&overlap, &r, &bounds))
                visible =
                    Region::Combine(visible, Shape(*c, *top).Intersected(client), Region::Op::Diff);
        }
    }
    return visible;
}

HDC MakeDc(Window& w, bool wholeWindow, const Region* limit, bool limitExcludes = false) {
    auto top = TopOf(w);
    if (!top) return nullptr;
    if (top->FUpdatedLayered || !(top->FStyle & WS_VISIBLE)) {
        // The window shows the picture UpdateLayeredWindow gave it, as in Win32: a paint must
        // not draw over it (a white box where the picture had alpha), so it draws nowhere.
        // A hidden window shows nothing either, and showing it repaints it whole.
        static gfx::Surface nowhere(1, 1);
        HDC dc = CreateSurfaceDC(nowhere, Region(), POINT{});
        if (dc) OpenDcs()[dc] = OpenDc{ w.FHandle, nullptr };
        return dc;
    }
    EnsureBuffer(*top);
    Region clip = VisibleRegion(w, !wholeWindow, (w.FStyle & WS_CLIPCHILDREN) != 0);
    if (limit)
        clip = Region::Combine(clip, *limit, limitExcludes ? Region::Op::Diff : Region::Op::And);
    const RECT r = wholeWindow ? BufferRect(w, *top) : BufferClientRect(w, *top);
    HDC dc = CreateSurfaceDC(top->FBuffer, clip, POINT{ r.left, r.top });
    if (dc) OpenDcs()[dc] = OpenDc{ w.FHandle, top->FHandle };
    return dc;
}

void Present(Window& top, const RECT& dirty) {
    if (!top.FNative || !HasBackend() || IsRectEmpty(&dirty)) return;
    const RECT bounds{ 0, 0, top.FBuffer.Width(), top.FBuffer.Height() };
    RECT r;
    if (IntersectRect(&r, &dirty, &bounds)) CurrentBackend().Present(top.FHandle, top.FBuffer, r);
}

// Top-level windows with drawn pixels not yet on screen.
std::vector<HWND>& DirtyTops() {
    static std::vector<HWND> tops;
    return tops;
}

void MarkDirty(Window& top, const RECT& drawn) {
    if (IsRectEmpty(&drawn)) return;
    if (IsRectEmpty(&top.FDirty)) DirtyTops().push_back(top.FHandle);
    UnionRect(&top.FDirty, &top.FDirty, &drawn);
}

void PresentDirty(Window& top) {
    const RECT dirty = top.FDirty;
    top.FDirty = RECT{};
    std::erase(DirtyTops(), top.FHandle);
    Present(top, dirty);
}

// Paint DCs (BeginPaint, the background) wait for the end of the message, so that a whole
// paint cycle reaches the screen at once; other DCs show what they drew when released.
void CloseDc(HDC dc, bool presentNow) {
    auto it = OpenDcs().find(dc);
    if (it == OpenDcs().end()) return;
    const HWND topHandle = it->second.FTop;
    OpenDcs().erase(it);
    if (DeviceContext* context = DcFromHandle(dc)) {
        if (auto top = FindWindow(topHandle)) {
            MarkDirty(*top, context->DrawnBounds());
            if (presentNow) PresentDirty(*top);
        }
    }
    DeleteDC(dc);
}

// GetDC(nullptr): a DC of the screen's format (32 bits), so bitmaps made compatible with it
// hold colour. What is drawn into it goes nowhere, as the program never draws on the desktop.
HDC ScreenDc() {
    static gfx::Surface screen(1, 1);
    HDC dc = CreateSurfaceDC(screen, Region(RECT{ 0, 0, 1, 1 }), POINT{});
    if (dc) OpenDcs()[dc] = OpenDc{};
    return dc;
}

Region ClientArea(const Window& w) {
    return Region(RECT{ 0, 0, Width(w.FClient), Height(w.FClient) });
}

void Invalidate(Window& w, const Region* area, bool erase, bool frame, bool allChildren) {
    const Region client = ClientArea(w);
    const Region add = area ? Region::Combine(*area, client, Region::Op::And) : client;
    w.FUpdate = Region::Combine(w.FUpdate, add, Region::Op::Or);
    if (erase && !add.Empty()) w.FErasePending = true;
    if (frame) w.FNcPending = true;
    if (!(w.FStyle & WS_CLIPCHILDREN) || allChildren) {
        for (HWND h : w.FChildren) {
            auto c = FindWindow(h);
            if (!c || !(c->FStyle & WS_VISIBLE)) continue;
            Region part = add.Intersected(c->FRect);
            if (part.Empty()) continue;
            part.Offset(-c->FRect.left - c->FClient.left, -c->FRect.top - c->FClient.top);
            const bool childFrame = frame || Width(c->FClient) != Width(c->FRect) ||
                                    Height(c->FClient) != Height(c->FRect);
            Invalidate(*c, &part, erase, childFrame, allChildren);
        }
    }
    if (auto queue = ThreadQueue::ForThread(w.FThread)) queue->Wake();
}

void Validate(Window& w, const Region* area) {
    w.FUpdate = area ? Region::Combine(w.FUpdate, *area, Region::Op::Diff) : Region();
    if (w.FUpdate.Empty()) w.FErasePending = false;
}

// The frame and background of a pending paint, in the order Win32 gives them.
void PrepareForPaint(HWND hwnd) {
    auto w = FindWindow(hwnd);
    if (!w) return;
    if (w->FNcPending || w->FErasePending) CaretBeforePaint(hwnd);
    if (w->FNcPending) {
        w->FNcPending = false;
        SendMessage(hwnd, WM_NCPAINT, 1, 0);
        w = FindWindow(hwnd);
        if (!w) return;
    }
    if (w->FErasePending && !w->FUpdate.Empty()) {
        w->FErasePending = false;
        Region limit = w->FUpdate;
        auto top = TopOf(*w);
        if (!top) return;
        const RECT c = BufferClientRect(*w, *top);
        limit.Offset(c.left, c.top);
        HDC dc = MakeDc(*w, false, &limit);
        const LRESULT erased = SendMessage(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        CloseDc(dc, false);
        if (auto alive = FindWindow(hwnd)) alive->FEraseFailed = erased == 0;
    }
}

bool Paintable(const Window& w) {
    return !w.FMessageOnly && IsWindowVisible(w.FHandle) &&
           !(TopOf(w) && (TopOf(w)->FStyle & WS_MINIMIZE));
}

bool Pending(const Window& w) {
    return w.FNcPending || !w.FUpdate.Empty();
}

// Runs at every look into the queue, over every window: one lookup per window, and the children
// read by index, as preparing a paint may change the list.
HWND FindPaintable(HWND hwnd, HWND filter, bool remove) {
    auto w = FindWindow(hwnd);
    if (!w || !(w->FStyle & WS_VISIBLE)) return nullptr;
    if (w->FThread == std::this_thread::get_id() && Pending(*w) && Paintable(*w)) {
        MSG probe{ hwnd, WM_PAINT, 0, 0, 0, {} };
        if (MessageMatches(probe, filter, 0, 0)) {
            if (remove) {
                PrepareForPaint(hwnd);
                w = FindWindow(hwnd);
                if (!w) return nullptr;
            }
            if (!w->FUpdate.Empty()) return hwnd;
        }
    }
    for (std::size_t i = 0; i < w->FChildren.size(); ++i)
        if (HWND found = FindPaintable(w->FChildren[i], filter, remove)) return found;
    return nullptr;
}

} // namespace

bool TakePaintMessage(MSG* msg, HWND filter, bool remove) {
    WindowSystem& ws = WindowSystem::Instance();
    const std::vector<HWND> tops = ws.Find(ws.Desktop())->FChildren;
    for (HWND top : tops) {
        if (HWND h = FindPaintable(top, filter, remove)) {
            *msg = MSG{ h, WM_PAINT, 0, 0, DWORD(CurrentTimeMs()), ws.FCursorPos };
            return true;
        }
    }
    return false;
}

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* ps) {
    auto w = FindWindow(hwnd);
    if (!w || !ps) return nullptr;
    PrepareForPaint(hwnd);
    w = FindWindow(hwnd);
    if (!w) return nullptr;
    CaretBeforePaint(hwnd);
    auto top = TopOf(*w);
    if (!top) return nullptr;
    Region update = w->FUpdate;
    *ps = PAINTSTRUCT{};
    ps->rcPaint = update.Bounds();
    ps->fErase = w->FEraseFailed ? TRUE : FALSE;
    w->FEraseFailed = false;
    Validate(*w, nullptr);
    const RECT c = BufferClientRect(*w, *top);
    update.Offset(c.left, c.top);
    ps->hdc = MakeDc(*w, false, &update);
    return ps->hdc;
}

BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps) {
    if (!ps || !ps->hdc) return FALSE;
    CloseDc(ps->hdc, false);
    CaretAfterPaint(hwnd);
    return TRUE;
}

BOOL RedrawWindow(HWND hwnd, const RECT* rect, HRGN region, UINT flags) {
    if (!hwnd) hwnd = GetDesktopWindow();
    auto w = WindowSystem::Instance().Find(hwnd);
    if (!w) return FALSE;
    std::vector<std::shared_ptr<Window>> targets;
    if (w->FDesktop) {
        for (HWND h : w->FChildren)
            if (auto t = FindWindow(h)) targets.push_back(t);
    } else {
        targets.push_back(w);
    }
    std::optional<Region> area;
    if (region) {
        if (auto* object = gdi::LookupAs<RegionObject>(region)) area = object->Region();
    } else if (rect) {
        area = Region(*rect);
    }
    for (const auto& t : targets) {
        const Region* a = w->FDesktop ? nullptr : (area ? &*area : nullptr);
        if (flags & RDW_INVALIDATE)
            Invalidate(*t, a, (flags & RDW_ERASE) != 0, (flags & RDW_FRAME) != 0,
                       (flags & RDW_ALLCHILDREN) != 0);
        if (flags & RDW_VALIDATE) {
            Validate(*t, a);
            if (flags & RDW_NOFRAME) t->FNcPending = false;
        }
        if (flags & RDW_UPDATENOW) {
            std::vector<HWND> all;
            if (flags & RDW_ALLCHILDREN || !(t->FStyle & WS_CLIPCHILDREN))
                CollectSubtree(t->FHandle, all);
            else
                all.push_back(t->FHandle);
            for (HWND h : all)
                UpdateWindow(h);
        } else if (flags & RDW_ERASENOW) {
            PrepareForPaint(t->FHandle);
        }
    }
    return TRUE;
}

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) {
    return RedrawWindow(hwnd, rect, nullptr, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

BOOL InvalidateRgn(HWND hwnd, HRGN region, BOOL erase) {
    if (region && !gdi::LookupAs<RegionObject>(region)) return FALSE;
    return RedrawWindow(hwnd, nullptr, region, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

BOOL ValidateRect(HWND hwnd, const RECT* rect) {
    return RedrawWindow(hwnd, rect, nullptr, RDW_VALIDATE);
}

BOOL ValidateRgn(HWND hwnd, HRGN region) {
    return RedrawWindow(hwnd, nullptr, region, RDW_VALIDATE);
}

BOOL GetUpdateRect(HWND hwnd, RECT* rect, BOOL erase) {
    auto w = FindWindow(hwnd);
    if (!w) return FALSE;
    if (rect) *rect = w->FUpdate.Bounds();
    const bool pending = !w->FUpdate.Empty();
    if (pending && erase) PrepareForPaint(hwnd);
    return pending ? TRUE : FALSE;
}

int GetUpdateRgn(HWND hwnd, HRGN region, BOOL erase) {
    auto w = FindWindow(hwnd);
    auto* object = gdi::LookupAs<RegionObject>(region);
    if (!w || !object) return 0;
    object->Region() = w->FUpdate;
    const int kind = int(w->FUpdate.Complexity());
    if (erase && !w->FUpdate.Empty()) PrepareForPaint(hwnd);
    return kind;
}

BOOL UpdateWindow(HWND hwnd) {
    auto w = FindWindow(hwnd);
    if (!w) return FALSE;
    if (!Paintable(*w) || !Pending(*w)) return TRUE;
    PrepareForPaint(hwnd);
    w = FindWindow(hwnd);
    if (w && !w->FUpdate.Empty()) SendMessage(hwnd, WM_PAINT, 0, 0);
    PresentPainted();
    return TRUE;
}

HDC GetDC(HWND hwnd) {
    if (!hwnd) return ScreenDc();
    auto w = FindWindow(hwnd);
    return w ? MakeDc(*w, false, nullptr) : nullptr;
}

HDC GetWindowDC(HWND hwnd) {
    if (!hwnd) return ScreenDc();
    auto w = FindWindow(hwnd);
    return w ? MakeDc(*w, true, nullptr) : nullptr;
}

HDC GetDCEx(HWND hwnd, HRGN region, DWORD flags) {
    if (!hwnd) return ScreenDc();
    auto w = FindWindow(hwnd);
    if (!w) return nullptr;
    const bool whole = (flags & DCX_WINDOW) != 0;
    auto* object = reinterpret_cast<std::uintptr_t>(region) > 1
                       ? gdi::LookupAs<RegionObject>(region)
                       : nullptr;
    if (object && (flags & (DCX_INTERSECTRGN | DCX_EXCLUDERGN))) {
        auto top = TopOf(*w);
        if (!top) return nullptr;
        Region limit = object->Region();
        const POINT o = WindowOrigin(*top);
        limit.Offset(-o.x, -o.y);
        return MakeDc(*w, whole, &limit, (flags & DCX_EXCLUDERGN) != 0);
    }
    return MakeDc(*w, whole, nullptr);
}

int ReleaseDC(HWND, HDC dc) {
    if (!OpenDcs().count(dc)) return 0;
    CloseDc(dc, true);
    return 1;
}

int SetWindowRgn(HWND hwnd, HRGN region, BOOL redraw) {
    auto w = FindWindow(hwnd);
    if (!w) return 0;
    if (region) {
        auto* object = gdi::LookupAs<RegionObject>(region);
        if (!object) return 0;
        w->FRegion = object->Region();
        // The window owns the region from now on, as in Win32.
        DeleteObject(region);
    } else {
        w->FRegion.reset();
    }
    if (w->FNative && HasBackend())
        CurrentBackend().SetNativeShape(hwnd, w->FRegion ? &*w->FRegion : nullptr);
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                     (redraw ? 0 : SWP_NOREDRAW));
    if (redraw && IsWindow(hwnd)) {
        if (auto parent = FindWindow(GetAncestor(hwnd, GA_PARENT)))
            Invalidate(*parent, nullptr, true, false, true);
        else if (auto alive = FindWindow(hwnd))
            Invalidate(*alive, nullptr, true, true, true);
    }
    return 1;
}

int GetWindowRgn(HWND hwnd, HRGN region) {
    auto w = FindWindow(hwnd);
    auto* object = gdi::LookupAs<RegionObject>(region);
    if (!w || !object || !w->FRegion) return 0;
    object->Region() = *w->FRegion;
    return int(w->FRegion->Complexity());
}

bool LayeredWindowsAvailable() {
    return HasBackend() && CurrentBackend().HasCompositor();
}

BOOL SetLayeredWindowAttributes(HWND hwnd, COLORREF key, BYTE alpha, DWORD flags) {
    auto w = FindWindow(hwnd);
    if (!w || !(w->FExStyle & WS_EX_LAYERED) || !IsTopLevel(*w)) return FALSE;
    w->FColorKey = key;
    w->FLayeredFlags = flags;
    w->FAlpha = (flags & LWA_ALPHA) ? alpha : 255;
    w->FPerPixelAlpha = false;
    w->FUpdatedLayered = false;
    if (w->FNative && HasBackend()) CurrentBackend().SetNativeOpacity(hwnd, w->FAlpha, false);
    return TRUE;
}

BOOL GetLayeredWindowAttributes(HWND hwnd, COLORREF* key, BYTE* alpha, DWORD* flags) {
    auto w = FindWindow(hwnd);
    if (!w || !(w->FExStyle & WS_EX_LAYERED)) return FALSE;
    if (key) *key = w->FColorKey;
    if (alpha) *alpha = w->FAlpha;
    if (flags) *flags = w->FLayeredFlags;
    return TRUE;
}

BOOL UpdateLayeredWindow(HWND hwnd, HDC, const POINT* position, const SIZE* size, HDC source,
                         const POINT* sourcePoint, COLORREF key, const BLENDFUNCTION* blend,
                         DWORD flags) {
    auto w = FindWindow(hwnd);
    if (!w || !(w->FExStyle & WS_EX_LAYERED) || !IsTopLevel(*w)) return FALSE;
    if (size && (size->cx < 0 || size->cy < 0)) return FALSE;
    if (position || size) {
        const RECT r = w->FRect;
        SetWindowPos(hwnd, nullptr, position ? position->x : r.left, position ? position->y : r.top,
                     size ? size->cx : Width(r), size ? size->cy : Height(r),
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW | (position ? 0 : SWP_NOMOVE) |
                         (size ? 0 : SWP_NOSIZE));
        w = FindWindow(hwnd);
        if (!w) return FALSE;
    }
    EnsureBuffer(*w);
    if (source) {
        DeviceContext* dc = DcFromHandle(source);
        if (!dc) return FALSE;
        gfx::Surface scratch;
        const gfx::Surface* pixels = dc->SourcePixels(scratch);
        if (!pixels) return FALSE;
        const POINT from = sourcePoint ? *sourcePoint : POINT{};
        for (int y = 0; y < w->FBuffer.Height(); ++y) {
            for (int x = 0; x < w->FBuffer.Width(); ++x) {
                const int sx = from.x + x, sy = from.y + y;
                w->FBuffer.Set(x, y, pixels->Contains(sx, sy) ? pixels->At(sx, sy) : 0);
            }
        }
    }
    w->FColorKey = key;
    w->FLayeredFlags = flags;
    w->FPerPixelAlpha = (flags & ULW_ALPHA) && blend && (blend->AlphaFormat & AC_SRC_ALPHA);
    w->FUpdatedLayered = true;
    w->FAlpha = (flags & ULW_ALPHA) && blend ? blend->SourceConstantAlpha : 255;
    if (w->FNative && HasBackend()) {
        CurrentBackend().SetNativeOpacity(hwnd, w->FAlpha, w->FPerPixelAlpha);
        Present(*w, RECT{ 0, 0, w->FBuffer.Width(), w->FBuffer.Height() });
    }
    return TRUE;
}

void PresentPainted() {
    const std::vector<HWND> tops = DirtyTops();
    for (HWND h : tops) {
        if (auto top = FindWindow(h))
            PresentDirty(*top);
        else
            std::erase(DirtyTops(), h);
    }
}

const gfx::Surface* WindowBackBuffer(HWND hwnd) {
    auto w = FindWindow(hwnd);
    if (!w || !IsTopLevel(*w)) return nullptr;
    EnsureBuffer(*w);
    return &w->FBuffer;
}

LRESULT EraseWithClassBrush(HWND hwnd, HDC dc) {
    auto w = FindWindow(hwnd);
    if (!w || !dc) return 0;
    HBRUSH brush = w->FClass->FInfo.hbrBackground;
    if (!brush) return 0;
    // Win32 takes a system colour index plus one in place of a brush.
    const auto value = reinterpret_cast<std::uintptr_t>(brush);
    if (value <= COLOR_MENUBAR + 1) brush = GetSysColorBrush(int(value) - 1);
    const RECT r{ 0, 0, Width(w->FClient), Height(w->FClient) };
    FillRect(dc, &r, brush);
    return 1;
}

void PaintDefaultFrame(HWND hwnd) {
    auto w = FindWindow(hwnd);
    if (!w) return;
    const RECT insets = DefaultFrameInsets(w->FStyle, w->FExStyle);
    if (insets == RECT{}) return;
    HDC dc = GetWindowDC(hwnd);
    if (!dc) return;
    const RECT whole{ 0, 0, Width(w->FRect), Height(w->FRect) };
    // The frame only: the client area belongs to WM_PAINT.
    ExcludeClipRect(dc, w->FClient.left, w->FClient.top, w->FClient.right, w->FClient.bottom);
    FillRect(dc, &whole, GetSysColorBrush(COLOR_BTNFACE));
    if ((w->FStyle & WS_CAPTION) == WS_CAPTION) {
        const bool active = GetActiveWindow() == hwnd;
        const RECT caption{ insets.left, insets.left, whole.right - insets.right, insets.top - 1 };
        FillRect(dc, &caption,
                 GetSysColorBrush(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
        // The window's title, so that a window without a skin still says what it is.
        RECT textRect{ caption.left + 4, caption.top, caption.right - 4, caption.bottom };
        const HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
        DrawText(dc, w->FText, &textRect,
                 DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
        SelectObject(dc, oldFont);
    }
    if (w->FStyle & (WS_BORDER | WS_THICKFRAME | WS_DLGFRAME))
        FrameRect(dc, &whole, GetSysColorBrush(COLOR_WINDOWFRAME));
    ReleaseDC(hwnd, dc);
}

void RedrawFrame(HWND hwnd) {
    if (auto w = FindWindow(hwnd)) {
        w->FNcPending = true;
        if (auto queue = ThreadQueue::ForThread(w->FThread)) queue->Wake();
    }
}

void ForgetPainting(HWND hwnd) {
    std::erase(DirtyTops(), hwnd);
    std::vector<HDC> stale;
    for (const auto& [dc, open] : OpenDcs())
        if (open.FTop == hwnd) stale.push_back(dc);
    for (HDC dc : stale) {
        OpenDcs().erase(dc);
        DeleteDC(dc);
    }
}

void WindowAreaChanged(HWND hwnd) {
    auto w = FindWindow(hwnd);
    if (!w || w->FMessageOnly) return;
    if (IsTopLevel(*w)) {
        // A hidden window's pixels are never seen: its buffer waits for the size it shows at.
        if (!(w->FStyle & WS_VISIBLE)) return;
        EnsureBuffer(*w);
        Invalidate(*w, nullptr, true, true, true);
        return;
    }
    // A child that moved, resized, appeared or disappeared changes what its parent shows.
    if (auto parent = FindWindow(w->FParent)) Invalidate(*parent, nullptr, true, false, true);
    if (w->FStyle & WS_VISIBLE) Invalidate(*w, nullptr, true, true, true);
}

} // namespace win
