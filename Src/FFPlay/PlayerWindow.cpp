#include "Src/FFPlay/StreamControl.h"
#include "Src/FFPlay/TCustomPlayer.h"
#include "Src/libsdl.h"
#include "platform/win/Focus.h"
#include "platform/win/Messages.h"
#include "platform/win/Messaging.h"
#include "platform/win/NativeChild.h"

#include <cstdlib>
#include <string>

namespace {

// The id of the player's entry in the host window's subclass chain.
constexpr win::UINT_PTR PlayerSubclassId = 0x46465059;

} // namespace

bool TCustomPlayer::EmbedSDL(win::HWND screenHandle) {
    const unsigned long windowId = screenHandle ? win::NativeChildWindowId(screenHandle) : 0;
    // SDL reads the window id once, while it starts; afterwards the value must not leak into
    // a later start without a window.
    if (windowId != 0) setenv("SDL_WINDOWID", std::to_string(windowId).c_str(), 1);
    const bool started = sdl::SDL_Init(SDL_INIT_TIMER | SDL_INIT_AUDIO | SDL_INIT_VIDEO) == 0;
    if (windowId != 0) unsetenv("SDL_WINDOWID");
    if (!screenHandle) return started;
    char name[257]{};
    if (sdl::SDL_AudioDriverName(name, sizeof name))
        Log(llDebug, std::string("using audio driver: ") + name + "\n");
    if (sdl::SDL_VideoDriverName(name, sizeof name))
        Log(llDebug, std::string("using video driver: ") + name + "\n");
    // Only a started SDL owns the window; a failed start leaves the host's messages alone.
    if (started && !FHookedWindow) {
        FHookedWindow = screenHandle;
        win::SetWindowSubclass(
            screenHandle,
            [this](win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
                return ScreenWindowProc(hwnd, msg, wParam, lParam);
            },
            PlayerSubclassId);
    }
    return started;
}

void TCustomPlayer::ReleaseWindow() {
    if (!FHookedWindow) return;
    win::RemoveWindowSubclass(FHookedWindow, PlayerSubclassId);
    FHookedWindow = {};
}

win::LRESULT TCustomPlayer::ScreenWindowProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam,
                                             win::LPARAM lParam) {
    switch (msg) {
    case win::WM_CLOSE:
        return 0;
    case win::WM_LBUTTONDOWN:
    case win::WM_LBUTTONUP:
    case win::WM_RBUTTONDOWN:
    case win::WM_RBUTTONUP:
    case win::WM_MBUTTONDOWN:
    case win::WM_MBUTTONUP:
        win::SetFocus(hwnd);
        break;
    case win::WM_PAINT:
        // SDL draws the window itself: while paused nothing else would put the picture back.
        // The GUI thread never waits for the event loop here, so a busy loop skips the redraw.
        if (Playback() && LockData(0)) {
            if (TVideoState* is = Playback(); is && is->paused.load())
                PostPlayerEvent(SDL_VIDEOEXPOSE, is);
            UnlockData();
        }
        break;
    default:
        break;
    }
    return win::DefSubclassProc(hwnd, msg, wParam, lParam);
}

void TCustomPlayer::UpdateScreenPosition() {
    // A native child window moves with its parent on X11: nothing to tell SDL.
}
