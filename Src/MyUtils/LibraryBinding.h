#pragma once
#include "platform/rtl/DynamicLibrary.h"

#include <string>

// Opens a shared library: from the folder when the file is there, else through the system's
// search by its bare name; the result says whether it loaded and, if not, why.
TDynamicLibrary LoadLibraryFromPath(const std::string& dir, const std::string& fileName);

// Looks up one exported symbol; a mandatory one that is missing raises Exception with
// "Load function %s@%s error: %s" (or "Load variable ..." for data).
void* BindSymbol(const std::string& libName, const TDynamicLibrary& handle, const char* name,
                 bool optional, bool isVariable);

template <class Proc>
void BindEntryPoint(const std::string& libName, const TDynamicLibrary& handle, const char* name,
                    bool optional, Proc& proc) {
    proc = reinterpret_cast<Proc>(BindSymbol(libName, handle, name, optional, false));
}

template <class Var>
void BindVariable(const std::string& libName, const TDynamicLibrary& handle, const char* name,
                  bool optional, Var*& var) {
    var = static_cast<Var*>(BindSymbol(libName, handle, name, optional, true));
}

// The binding units list their entry points once, as X(name); these expand such a list into the
// declarations, the definitions, the binding and the unbinding. Every entry point is typed from
// the library's own header, so a signature that differs from the installed library cannot build.
#define VC_DECLARE_ENTRY_POINT(name) extern decltype(&::name) name;
#define VC_DEFINE_ENTRY_POINT(name) decltype(&::name) name = nullptr;
#define VC_BIND_ENTRY_POINT(name) BindEntryPoint(fileName, handle, #name, false, name);
#define VC_UNBIND_ENTRY_POINT(name) name = nullptr;
