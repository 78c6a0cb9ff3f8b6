#include "Src/FFmpegLoader.h"

#include "Src/FFmpegLogger.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/Format.h"

#include <array>
#include <filesystem>

namespace {

constexpr std::array<TLibraryItem, 9> kLibraries{ {
    { avCodec, "avcodec", 59, FixupAVCodec, UnfixAVCodec },
    { avDevice, "avdevice", 59, FixupAVDevice, UnfixAVDevice },
    { avFilter, "avfilter", 8, FixupAVFilter, UnfixAVFilter },
    { avFormat, "avformat", 59, FixupAVFormat, UnfixAVFormat },
    { avUtil, "avutil", 57, FixupAVUtil, UnfixAVUtil },
    { swScale, "swscale", 6, FixupSwScale, UnfixSwScale },
    { swResample, "swresample", 4, FixupSwResample, UnfixSwResample },
    { myUtil, "c", 6, FixupMyUtil, UnfixMyUtil },
    { lbSDL, "SDL-1.2", 0, FixupSDL, UnfixSDL },
} };

// Dependencies before their dependents: a library opened from the folder then finds the
// folder's copies of what it needs already loaded under their sonames, instead of the system's.
constexpr std::array<TLibrary, 9> kLoadOrder{ avUtil,   swResample, swScale, avCodec, avFormat,
                                              avFilter, avDevice,   myUtil,  lbSDL };

struct TLibraryStatus {
    std::string Name;
    TDynamicLibrary Handle;
    bool Fixuped{ false };
    int Users{ 0 }; // successful loads not yet matched by an unload
};

struct TLoaderState {
    std::array<TLibraryStatus, kLibraries.size()> Status;
    std::string LibraryPath;
    std::string LastErrMsg;
};

TLoaderState& State() {
    // Never destroyed: libraries still loaded at exit stay mapped, since threads and other
    // static objects may still run their code while the process ends.
    static TLoaderState* const state = new TLoaderState;
    return *state;
}

TLibraryStatus& StatusOf(TLibrary lib) {
    return State().Status[std::size_t(lib)];
}

std::string JoinPath(const std::string& dir, const std::string& name) {
    if (dir.empty()) return name;
    return (std::filesystem::path(dir) / name).string();
}

} // namespace

const TLibraryItem& TFFmpegLoader::LibraryItem(TLibrary lib) {
    return kLibraries[std::size_t(lib)];
}

std::string TFFmpegLoader::LibraryFileName(TLibrary lib) {
    const TLibraryStatus& status = StatusOf(lib);
    if (!status.Name.empty()) return status.Name;
    const TLibraryItem& item = LibraryItem(lib);
    std::string name = std::string("lib") + item.Name + ".so";
    if (item.Version >= 0) name += "." + std::to_string(item.Version);
    return name;
}

std::string TFFmpegLoader::LibraryPath() {
    return State().LibraryPath;
}
void TFFmpegLoader::SetLibraryPath(const std::string& path) {
    State().LibraryPath = path;
}
std::string TFFmpegLoader::LastErrMsg() {
    return State().LastErrMsg;
}

bool TFFmpegLoader::Load(TLibrary lib) {
    TLibraryStatus& status = StatusOf(lib);
    const std::string fileName = LibraryFileName(lib);
    if (!status.Handle.Loaded()) {
        const std::filesystem::path path(fileName);
        std::string dir = path.parent_path().string();
        const std::string bare = path.filename().string();
        if (dir.empty()) dir = State().LibraryPath;
        TDynamicLibrary library = LoadLibraryFromPath(dir, bare);
        if (!library.Loaded()) {
            State().LastErrMsg =
                Format("Load library %s error: %s", JoinPath(dir, bare), library.ErrorText());
            return false;
        }
        status.Handle = std::move(library);
    }
    if (!status.Fixuped) {
        try {
            LibraryItem(lib).Fixup(fileName, status.Handle);
            status.Fixuped = true;
        } catch (const Exception& e) {
            State().LastErrMsg = e.Message();
            // Entry points bound before the missing one would point into a library about to
            // be closed.
            LibraryItem(lib).Unfix();
        }
    }
    if (!status.Fixuped) {
        Release(lib);
        return false;
    }
    ++status.Users;
    if (lib == avUtil && FInstallLogger) GlobalLogger().InstallAVLogCallback();
    return true;
}

bool TFFmpegLoader::Load(TLibraries libs) {
    Assert(!libs.Empty());
    TLibraries loadedHere;
    for (TLibrary lib : kLoadOrder) {
        if (!libs.Contains(lib)) continue;
        if (!Load(lib)) {
            // Takes back only this call's loads: what other components loaded stays.
            for (auto it = kLoadOrder.rbegin(); it != kLoadOrder.rend(); ++it)
                if (loadedHere.Contains(*it)) Unload(*it);
            return false;
        }
        loadedHere.Include(lib);
    }
    return true;
}

bool TFFmpegLoader::Loaded(TLibrary lib) const {
    const TLibraryStatus& status = StatusOf(lib);
    return status.Handle.Loaded() && status.Fixuped;
}

bool TFFmpegLoader::Loaded(TLibraries libs) const {
    Assert(!libs.Empty());
    for (TLibrary lib : kLoadOrder)
        if (libs.Contains(lib) && !Loaded(lib)) return false;
    return true;
}

void TFFmpegLoader::Unload(TLibrary lib) {
    TLibraryStatus& status = StatusOf(lib);
    if (status.Users > 1) {
        --status.Users;
        return;
    }
    Release(lib);
}

void TFFmpegLoader::Release(TLibrary lib) {
    TLibraryStatus& status = StatusOf(lib);
    status.Users = 0;
    if (status.Fixuped) {
        LibraryItem(lib).Unfix();
        status.Fixuped = false;
    }
    status.Handle.Unload();
}

void TFFmpegLoader::Unload(TLibraries libs) {
    Assert(!libs.Empty());
    for (auto it = kLoadOrder.rbegin(); it != kLoadOrder.rend(); ++it)
        if (libs.Contains(*it)) Unload(*it);
}

// The x87 control word the libraries once needed is not touched: on x86-64 floating point runs
// on SSE with every exception masked already.
TFFmpegLoader& GlobalLoader() {
    static TFFmpegLoader loader;
    return loader;
}

std::recursive_mutex& CodecLock() {
    static std::recursive_mutex lock;
    return lock;
}
