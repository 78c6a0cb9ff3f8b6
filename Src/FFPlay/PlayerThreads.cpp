#include "Src/FFPlay/PlayerThreads.h"

#include "Src/FFPlay/Display.h"
#include "Src/FFPlay/PictureOverlay.h"
#include "Src/FFPlay/StreamControl.h"
#include "Src/FFPlay/TCustomPlayer.h"
#include "Src/FFPlay/VideoRefresh.h"
#include "Src/libsdl.h"

namespace {

// Handles one event under the data lock; false once the playback is closed.
bool HandleEvent(TCustomPlayer& player, const SDL_Event& event) {
    TVideoState* is = player.Playback();
    if (!is) {
        sdl::SDL_Quit();
        return false;
    }
    switch (event.type) {
    case SDL_QUIT:
    case FF_QUIT_EVENT:
        ClosePlayback(player);
        return false;
    case SDL_VIDEORESIZE: {
        SDL_Surface* screen =
            sdl::SDL_SetVideoMode(event.resize.w, event.resize.h, 0,
                                  SDL_HWSURFACE | SDL_ASYNCBLIT | SDL_RESIZABLE | SDL_HWACCEL);
        player.SetScreen(screen);
        player.SetScreenWidth(event.resize.w);
        player.SetScreenHeight(event.resize.h);
        is->width = event.resize.w;
        is->height = event.resize.h;
        if (is->paused.load()) VideoRefresh(*is, false);
        break;
    }
    case SDL_VIDEOEXPOSE:
        if (is->paused.load()) {
            VideoRefresh(*is, false);
        } else {
            ShowVideo(player, *is);
        }
        break;
    case FF_ALLOC_EVENT:
        OpenVideoSurface(player, *is, false);
        AllocPicture(*is, player.Screen());
        break;
    case FF_REFRESH_EVENT:
        VideoRefresh(*is, true);
        is->refresh = 0;
        break;
    case FF_REOPEN_EVENT:
        OpenVideoSurface(player, *is, true);
        ShowVideo(player, *is);
        break;
    default:
        break;
    }
    return true;
}

} // namespace

void PlayEventLoop(TCustomPlayer& player) {
    for (;;) {
        SDL_Event event{};
        const int got = sdl::SDL_WaitEvent(&event);
        player.LockData(win::INFINITE);
        bool running;
        try {
            if (got == 0) {
                // SDL went away under the loop (a forced close): nothing more will arrive.
                ClosePlayback(player);
                running = false;
            } else {
                running = HandleEvent(player, event);
            }
        } catch (...) {
            player.UnlockData();
            throw;
        }
        player.UnlockData();
        if (!running) return;
    }
}

TPlayThread::~TPlayThread() {
    Terminate();
    if (Started()) WaitFor();
}

void TPlayThread::Execute() {
    FOwner.SetState(psPlay);
    try {
        PlayEventLoop(FOwner);
    } catch (const std::exception& e) {
        FOwner.Log(llFatal, std::string("PlayThread Exception: ") + e.what());
        FOwner.LockData(win::INFINITE);
        ClosePlayback(FOwner);
        FOwner.UnlockData();
    }
    FOwner.SetState(psStop);
    FOwner.StopEvent().SetEvent();
}

TEventThread::~TEventThread() {
    Terminate();
    if (Started()) WaitFor();
}

void TEventThread::Execute() {
    while (!Terminated()) {
        const TPlayEventItem item = FOwner.FPlayEvent.Pop();
        if (item.Kind == TPlayEventItem::peEnd) return;
        if (item.Kind != TPlayEventItem::peNone) {
            FOwner.DeliverEvent(item);
            if (item.Kind == TPlayEventItem::peState && item.Value == psStop) return;
            continue;
        }
        FOwner.FPlayEvent.Event().WaitFor();
    }
}
