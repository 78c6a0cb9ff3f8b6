#include "Src/MyUtils/LibraryBinding.h"

#include "platform/rtl/Exception.h"
#include "platform/rtl/Format.h"

TDynamicLibrary LoadLibraryFromPath(const std::string& dir, const std::string& fileName) {
    // A library opened by its full path brings in its dependencies by soname; the loader opens a
    // set in dependency order, so the folder's copies are the ones already in place by then.
    return TDynamicLibrary::Load(dir, fileName);
}

void* BindSymbol(const std::string& libName, const TDynamicLibrary& handle, const char* name,
                 bool optional, bool isVariable) {
    const TDynamicLibrary::TSymbol symbol = handle.Symbol(name);
    if (!symbol && !optional)
        throw Exception(
            Format(isVariable ? "Load variable %s@%s error: %s" : "Load function %s@%s error: %s",
                   name, libName, symbol.Error));
    return symbol.Address;
}
