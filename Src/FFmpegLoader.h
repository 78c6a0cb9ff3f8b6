#pragma once
#include "Src/AVCodecStubs.h"
#include "Src/AVDeviceStubs.h"
#include "Src/AVFilterStubs.h"
#include "Src/AVFormatStubs.h"
#include "Src/AVUtilStubs.h"
#include "Src/MyUtilStubs.h"
#include "Src/SwResampleStubs.h"
#include "Src/SwScaleStubs.h"
#include "Src/libsdl.h"
#include "platform/forms/TSet.h"

#include <mutex>
#include <string>

enum TLibrary { avCodec, avDevice, avFilter, avFormat, avUtil, swScale, swResample, myUtil, lbSDL };

using TLibraries = TSet<TLibrary>;

inline constexpr TLibraries FFmpegTasksLibraries{ avCodec, avFilter,   avFormat, avUtil,
                                                  swScale, swResample, myUtil };
inline constexpr TLibraries AVProbeLibraries{ avCodec, avFormat, avUtil, swScale, myUtil };
inline constexpr TLibraries PlayerLibraries{ avCodec, avFilter,   avFormat, avUtil,
                                             swScale, swResample, myUtil,   lbSDL };

using TFixupProc = void (*)(const std::string& fileName, const TDynamicLibrary& handle);
using TUnfixProc = void (*)();

struct TLibraryItem {
    TLibrary Lib;
    const char* Name;
    int Version;
    TFixupProc Fixup;
    TUnfixProc Unfix;
};

// Loads the media libraries by soname, from LibraryPath when the file is there, else through the
// system's search, and binds their entry points into the process-wide variables of the binding
// units. Meant for the GUI thread: it takes no lock of its own.
class TFFmpegLoader {
public:
    TFFmpegLoader() = default;

    // Components share the libraries, so each library counts its loads and is unloaded only by
    // the unload that matches the last of them: one component's unload never pulls a library
    // from under another that still uses it.
    bool Load(TLibrary lib);
    // All or nothing: on failure this call's loads are taken back, and what was loaded before
    // stays loaded.
    bool Load(TLibraries libs);
    bool Loaded(TLibrary lib) const;
    bool Loaded(TLibraries libs) const;
    void Unload(TLibrary lib);
    void Unload(TLibraries libs);

    static std::string LibraryFileName(TLibrary lib);
    static const TLibraryItem& LibraryItem(TLibrary lib);

    static std::string LibraryPath();
    static void SetLibraryPath(const std::string& path);
    static std::string LastErrMsg();

    bool InstallLogger() const { return FInstallLogger; }
    void SetInstallLogger(bool value) { FInstallLogger = value; }

private:
    static void Release(TLibrary lib);

    bool FInstallLogger{ true };
};

TFFmpegLoader& GlobalLoader();

// Held around every codec open and close of the probe, the frame grabber, the player and the
// transcoder; recursive like the critical section it stands for.
std::recursive_mutex& CodecLock();
