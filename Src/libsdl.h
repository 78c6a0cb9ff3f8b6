#pragma once
#include "Src/MyUtils/LibraryBinding.h"

#include <SDL/SDL.h>

#include <string>

// The SDL 1.2 entry points of the player, in binding order. SDL_putenv is the C library's
// putenv in this build of SDL and no export of its own: the environment is set through the C
// library.
#define VC_SDL_ENTRY_POINTS(X)                                                                     \
    X(SDL_Init)                                                                                    \
    X(SDL_Quit)                                                                                    \
    X(SDL_GetError)                                                                                \
    X(SDL_AddTimer)                                                                                \
    X(SDL_RemoveTimer)                                                                             \
    X(SDL_OpenAudio)                                                                               \
    X(SDL_PauseAudio)                                                                              \
    X(SDL_CloseAudio)                                                                              \
    X(SDL_MixAudio)                                                                                \
    X(SDL_WaitEvent)                                                                               \
    X(SDL_PushEvent)                                                                               \
    X(SDL_EventState)                                                                              \
    X(SDL_GetVideoInfo)                                                                            \
    X(SDL_SetVideoMode)                                                                            \
    X(SDL_UpdateRect)                                                                              \
    X(SDL_WM_SetCaption)                                                                           \
    X(SDL_MapRGB)                                                                                  \
    X(SDL_FillRect)                                                                                \
    X(SDL_CreateYUVOverlay)                                                                        \
    X(SDL_LockYUVOverlay)                                                                          \
    X(SDL_UnlockYUVOverlay)                                                                        \
    X(SDL_DisplayYUVOverlay)                                                                       \
    X(SDL_FreeYUVOverlay)                                                                          \
    X(SDL_CreateMutex)                                                                             \
    X(SDL_mutexP)                                                                                  \
    X(SDL_mutexV)                                                                                  \
    X(SDL_DestroyMutex)                                                                            \
    X(SDL_CreateCond)                                                                              \
    X(SDL_DestroyCond)                                                                             \
    X(SDL_CondSignal)                                                                              \
    X(SDL_CondWait)                                                                                \
    X(SDL_CreateThread)                                                                            \
    X(SDL_WaitThread)                                                                              \
    X(SDL_AudioDriverName)                                                                         \
    X(SDL_VideoDriverName)

namespace sdl {
VC_SDL_ENTRY_POINTS(VC_DECLARE_ENTRY_POINT)
} // namespace sdl

void FixupSDL(const std::string& fileName, const TDynamicLibrary& handle);
void UnfixSDL();
