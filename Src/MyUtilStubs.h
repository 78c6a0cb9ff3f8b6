#pragma once
#include "Src/MyUtils/LibraryBinding.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <string>

// The C library entry points the engine calls, in binding order; the bounded and reentrant forms
// replace the unbounded and shared-state ones, since conversions run on several threads.
#define VC_MYUTIL_ENTRY_POINTS(X)                                                                  \
    X(fclose)                                                                                      \
    X(fopen)                                                                                       \
    X(fprintf)                                                                                     \
    X(fread)                                                                                       \
    X(fseek)                                                                                       \
    X(ftell)                                                                                       \
    X(fwrite)                                                                                      \
    X(snprintf)                                                                                    \
    X(strtod)                                                                                      \
    X(strtok_r)                                                                                    \
    X(strtol)                                                                                      \
    X(vsnprintf)

namespace crt {
VC_MYUTIL_ENTRY_POINTS(VC_DECLARE_ENTRY_POINT)
} // namespace crt

void FixupMyUtil(const std::string& fileName, const TDynamicLibrary& handle);
void UnfixMyUtil();
