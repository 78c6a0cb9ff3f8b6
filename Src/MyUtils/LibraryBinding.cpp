#include "Src/MyUtils/LibraryBinding.h"

#include "platform/rtl/Exception.h"
#include "platform/rtl/Format.h"

#include <dlfcn.h>
#include <filesystem>

namespace {

std::string LastDlError() {
    const char* text = dlerror();
    return text ? text : "unknown error";
}

} // namespace

void* LoadLibraryFromPath(const std::string& dir, const std::string& fileName, std::string& error) {
    dlerror();
    void* handle = nullptr;
    std::error_code ec;
    // A library opened by its full path brings in its dependencies by soname; the loader opens a
    // set in dependency order, so the folder's copies are the ones already in place by then.
    if (!dir.empty() && std::filesystem::exists(std::filesystem::path(dir) / fileName, ec))
        handle = dlopen((std::filesystem::path(dir) / fileName).c_str(), RTLD_NOW | RTLD_LOCAL);
    else
        handle = dlopen(fileName.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) error = LastDlError();
    return handle;
}

void FreeLibraryHandle(void* handle) {
    if (handle) dlclose(handle);
}

void* BindSymbol(const std::string& libName, void* handle, const char* name, bool optional,
                 bool isVariable) {
    dlerror();
    void* symbol = dlsym(handle, name);
    if (!symbol && !optional)
        throw Exception(
            Format(isVariable ? "Load variable %s@%s error: %s" : "Load function %s@%s error: %s",
                   name, libName, LastDlError()));
    return symbol;
}
