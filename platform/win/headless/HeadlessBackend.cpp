#include "platform/win/headless/HeadlessBackend.h"
#include "platform/gfx/PngCodec.h"
#include "platform/win/Screen.h"
#include <algorithm>
#include <fstream>

namespace win {

HeadlessBackend::HeadlessBackend()
    : HeadlessBackend({ MonitorArea{ RECT{ 0, 0, 1280, 1024 }, RECT{ 0, 0, 1280, 984 }, true } }) {}

HeadlessBackend::HeadlessBackend(std::vector<MonitorArea> monitors)
    : FMonitors(std::move(monitors)) {
    FClock.OnAdvance = [this] { Notify(); };
}

void HeadlessBackend::SetMonitors(std::vector<MonitorArea> monitors) {
    FMonitors = std::move(monitors);
    DisplayChanged();
}

void HeadlessBackend::SetWorkArea(std::size_t monitor, const RECT& workArea) {
    if (monitor >= FMonitors.size()) return;
    FMonitors[monitor].FWorkArea = workArea;
    WorkAreaChanged();
}

void HeadlessBackend::MoveMouse(int x, int y) {
    FPointer = POINT{ x, y };
    InputEvent e;
    e.FKind = InputKind::MouseMove;
    e.FPoint = FPointer;
    QueueInput(e);
}

void HeadlessBackend::PressButton(MouseButton button) {
    InputEvent e;
    e.FKind = InputKind::ButtonDown;
    e.FPoint = FPointer;
    e.FButton = button;
    QueueInput(e);
}

void HeadlessBackend::ReleaseButton(MouseButton button) {
    InputEvent e;
    e.FKind = InputKind::ButtonUp;
    e.FPoint = FPointer;
    e.FButton = button;
    QueueInput(e);
}

void HeadlessBackend::Click(int x, int y, MouseButton button) {
    MoveMouse(x, y);
    PressButton(button);
    ReleaseButton(button);
}

void HeadlessBackend::Wheel(int delta) {
    InputEvent e;
    e.FKind = InputKind::Wheel;
    e.FPoint = FPointer;
    e.FWheelDelta = delta;
    QueueInput(e);
}

void HeadlessBackend::PressKey(UINT vk, std::string text) {
    InputEvent e;
    e.FKind = InputKind::KeyDown;
    e.FPoint = FPointer;
    e.FVirtualKey = vk;
    e.FText = std::move(text);
    QueueInput(e);
}

void HeadlessBackend::ReleaseKey(UINT vk) {
    InputEvent e;
    e.FKind = InputKind::KeyUp;
    e.FPoint = FPointer;
    e.FVirtualKey = vk;
    QueueInput(e);
}

void HeadlessBackend::TypeKey(UINT vk, std::string text) {
    PressKey(vk, std::move(text));
    ReleaseKey(vk);
}

const HeadlessBackend::NativeWindow* HeadlessBackend::Native(HWND hwnd) const {
    auto it = FWindows.find(hwnd);
    return it == FWindows.end() ? nullptr : &it->second;
}

void HeadlessBackend::Notify() {
    {
        std::lock_guard lock(FMutex);
        FWoken = true;
    }
    FCondition.notify_all();
}

void HeadlessBackend::Wake() {
    Notify();
}

void HeadlessBackend::WaitEvents(std::uint64_t deadlineMs) {
    std::unique_lock lock(FMutex);
    // The deadline is on the fake clock: only Advance (or a wake) ends the wait.
    FCondition.wait(lock, [&] { return FWoken || FClock.NowMs() >= deadlineMs; });
    FWoken = false;
}

void HeadlessBackend::CreateNative(HWND hwnd, const NativeWindowParams& params) {
    NativeWindow& w = FWindows[hwnd];
    w.FBounds = params.FBounds;
    w.FPopup = params.FPopup;
    w.FPopupKind = params.FPopupKind;
    w.FOwner = params.FOwner;
    w.FTopmost = params.FTopmost;
    w.FTitle = params.FTitle;
}

void HeadlessBackend::DestroyNative(HWND hwnd) {
    FWindows.erase(hwnd);
    std::erase(FStack, hwnd);
    if (FGrab == hwnd) FGrab = nullptr;
}

void HeadlessBackend::SetNativeBounds(HWND hwnd, const RECT& bounds) {
    if (auto it = FWindows.find(hwnd); it != FWindows.end()) it->second.FBounds = bounds;
}

void HeadlessBackend::ShowNative(HWND hwnd, bool visible) {
    if (auto it = FWindows.find(hwnd); it != FWindows.end()) {
        it->second.FVisible = visible;
        if (visible) it->second.FIconic = false;
    }
}

void HeadlessBackend::MinimizeNative(HWND hwnd) {
    if (auto it = FWindows.find(hwnd); it != FWindows.end()) {
        it->second.FVisible = false;
        it->second.FIconic = FWindowManager.FPresent;
    }
}

void HeadlessBackend::SetNativeSizeLimits(HWND hwnd, SIZE minSize, SIZE maxSize) {
    if (auto it = FWindows.find(hwnd); it != FWindows.end()) {
        it->second.FMinSize = minSize;
        it->second.FMaxSize = maxSize;
    }
}

void HeadlessBackend::SetNativeTitle(HWND hwnd, const std::string& title) {
    if (auto it = FWindows.find(hwnd); it != FWindows.end()) it->second.FTitle = title;
}

void HeadlessBackend::RestackNative(const std::vector<HWND>& topFirst) {
    FStack = topFirst;
}

void HeadlessBackend::Present(HWND hwnd, const gfx::Surface& buffer, const RECT& dirty) {
    auto it = FWindows.find(hwnd);
    if (it == FWindows.end()) return;
    NativeWindow& w = it->second;
    if (w.FPresented.Width() != buffer.Width() || w.FPresented.Height() != buffer.Height())
        w.FPresented.Resize(buffer.Width(), buffer.Height());
    const int left = std::max<int>(0, dirty.left);
    const int right = std::min<int>(buffer.Width(), dirty.right);
    for (int y = std::max<int>(0, dirty.top); y < std::min<int>(buffer.Height(), dirty.bottom); ++y)
        if (right > left)
            std::copy(buffer.Row(y) + left, buffer.Row(y) + right, w.FPresented.Row(y) + left);
    ++w.FPresentCount;
}

void HeadlessBackend::SetNativeShape(HWND hwnd, const gfx::Region* shape) {
    if (auto it = FWindows.find(hwnd); it != FWindows.end())
        it->second.FShape = shape ? std::optional<gfx::Region>(*shape) : std::nullopt;
}

void HeadlessBackend::SetNativeTopmost(HWND hwnd, bool topmost) {
    if (auto it = FWindows.find(hwnd); it != FWindows.end()) it->second.FTopmost = topmost;
}

void HeadlessBackend::SetNativePopupKind(HWND hwnd, PopupKind kind) {
    if (auto it = FWindows.find(hwnd); it != FWindows.end()) it->second.FPopupKind = kind;
}

void HeadlessBackend::SetNativeInputTransparent(HWND hwnd, bool transparent) {
    if (auto it = FWindows.find(hwnd); it != FWindows.end())
        it->second.FInputTransparent = transparent;
}

void HeadlessBackend::SetNativeOpacity(HWND hwnd, BYTE alpha, bool perPixel) {
    if (auto it = FWindows.find(hwnd); it != FWindows.end()) {
        it->second.FAlpha = alpha;
        it->second.FPerPixelAlpha = perPixel;
    }
}

gfx::Surface HeadlessBackend::ComposeScreen() const {
    RECT all{};
    for (const MonitorArea& m : FMonitors)
        UnionRect(&all, &all, &m.FBounds);
    gfx::Surface screen(all.right - all.left, all.bottom - all.top, gfx::MakePixel(0, 0, 0, 255));
    for (auto it = FStack.rbegin(); it != FStack.rend(); ++it) {
        const NativeWindow* w = Native(*it);
        if (!w || !w->FVisible) continue;
        for (int y = 0; y < w->FPresented.Height(); ++y) {
            for (int x = 0; x < w->FPresented.Width(); ++x) {
                const int sx = w->FBounds.left + x - all.left, sy = w->FBounds.top + y - all.top;
                if (!screen.Contains(sx, sy) || (w->FShape && !w->FShape->Contains(x, y))) continue;
                const gfx::Pixel src = w->FPresented.At(x, y);
                const gfx::Pixel dst = screen.At(sx, sy);
                // Without a compositor every window is opaque.
                const int a = !FCompositor        ? 255
                              : w->FPerPixelAlpha ? gfx::PixelA(src) * w->FAlpha / 255
                                                  : w->FAlpha;
                auto mix = [&](std::uint8_t s, std::uint8_t d) {
                    const int premultiplied =
                        w->FPerPixelAlpha && FCompositor ? s * w->FAlpha / 255 : s * a / 255;
                    return std::uint8_t(std::min(255, premultiplied + d * (255 - a) / 255));
                };
                screen.Set(sx, sy,
                           gfx::MakePixel(mix(gfx::PixelR(src), gfx::PixelR(dst)),
                                          mix(gfx::PixelG(src), gfx::PixelG(dst)),
                                          mix(gfx::PixelB(src), gfx::PixelB(dst)), 255));
            }
        }
    }
    return screen;
}

bool HeadlessBackend::SavePng(const gfx::Surface& pixels, const std::string& path) {
    const std::vector<std::uint8_t> bytes = gfx::PngCodec::Encode(pixels, false);
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(out);
}

const HeadlessBackend::NativeChild* HeadlessBackend::Child(HWND hwnd) const {
    auto it = FChildren.find(hwnd);
    return it == FChildren.end() ? nullptr : &it->second;
}

unsigned long HeadlessBackend::CreateNativeChild(HWND hwnd, HWND top, const RECT& bounds) {
    NativeChild& c = FChildren[hwnd];
    c.FId = FNextChildId++;
    c.FTop = top;
    c.FBounds = bounds;
    return c.FId;
}

void HeadlessBackend::PlaceNativeChild(HWND hwnd, const RECT& bounds, bool visible) {
    if (auto it = FChildren.find(hwnd); it != FChildren.end()) {
        it->second.FBounds = bounds;
        it->second.FVisible = visible;
    }
}

void HeadlessBackend::ClearNativeChild(HWND hwnd) {
    if (auto it = FChildren.find(hwnd); it != FChildren.end()) ++it->second.FClearCount;
}

} // namespace win
