#include "platform/rtl/DynamicLibrary.h"

#include "platform/rtl/FilePath.h"
#include "platform/rtl/FileSystem.h"

#include <dlfcn.h>
#include <utility>

TDynamicLibrary::~TDynamicLibrary() {
    Unload();
}

TDynamicLibrary::TDynamicLibrary(TDynamicLibrary&& other) noexcept
    : FHandle(std::exchange(other.FHandle, nullptr)), FFileName(std::move(other.FFileName)),
      FErrorText(std::move(other.FErrorText)) {}

TDynamicLibrary& TDynamicLibrary::operator=(TDynamicLibrary&& other) noexcept {
    if (this != &other) {
        Unload();
        FHandle = std::exchange(other.FHandle, nullptr);
        FFileName = std::move(other.FFileName);
        FErrorText = std::move(other.FErrorText);
    }
    return *this;
}

TDynamicLibrary TDynamicLibrary::Load(const std::string& folder, const std::string& fileName) {
    TDynamicLibrary library;
    const std::string inFolder =
        folder.empty() ? std::string() : IncludeTrailingPathDelimiter(folder) + fileName;
    library.FFileName = !inFolder.empty() && FileExists(inFolder) ? inFolder : fileName;
    // RTLD_NOW finds a missing dependency or symbol at load time, where the caller reports it,
    // instead of aborting the process at the first call. RTLD_LOCAL keeps each library's
    // symbols out of the global namespace, so two libraries never bind to each other's
    // same-named internals.
    library.FHandle = ::dlopen(library.FFileName.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library.FHandle) {
        const char* error = ::dlerror();
        library.FErrorText = error ? error : "unknown error";
    }
    return library;
}

TDynamicLibrary::TSymbol TDynamicLibrary::Symbol(const std::string& name) const {
    TSymbol symbol;
    if (!FHandle) {
        symbol.Error = "library not loaded";
        return symbol;
    }
    ::dlerror();
    symbol.Address = ::dlsym(FHandle, name.c_str());
    if (!symbol.Address) {
        const char* error = ::dlerror();
        symbol.Error = error ? error : "symbol has no address";
    }
    return symbol;
}

void TDynamicLibrary::Unload() {
    if (FHandle) ::dlclose(FHandle);
    FHandle = nullptr;
}
