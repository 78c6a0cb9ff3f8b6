#include "Src/libsdl.h"

namespace sdl {
VC_SDL_ENTRY_POINTS(VC_DEFINE_ENTRY_POINT)

namespace {
void BindSDL(const std::string& fileName, const TDynamicLibrary& handle) {
    VC_SDL_ENTRY_POINTS(VC_BIND_ENTRY_POINT)
}
void UnbindSDL() {
    VC_SDL_ENTRY_POINTS(VC_UNBIND_ENTRY_POINT)
}
} // namespace
} // namespace sdl

void FixupSDL(const std::string& fileName, const TDynamicLibrary& handle) {
    sdl::BindSDL(fileName, handle);
}
void UnfixSDL() {
    sdl::UnbindSDL();
}
