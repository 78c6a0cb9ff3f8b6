#include "Src/MyUtilStubs.h"

namespace crt {
VC_MYUTIL_ENTRY_POINTS(VC_DEFINE_ENTRY_POINT)

namespace {
void BindMyUtil(const std::string& fileName, const TDynamicLibrary& handle) {
    VC_MYUTIL_ENTRY_POINTS(VC_BIND_ENTRY_POINT)
}
void UnbindMyUtil() {
    VC_MYUTIL_ENTRY_POINTS(VC_UNBIND_ENTRY_POINT)
}
} // namespace
} // namespace crt

void FixupMyUtil(const std::string& fileName, const TDynamicLibrary& handle) {
    crt::BindMyUtil(fileName, handle);
}
void UnfixMyUtil() {
    crt::UnbindMyUtil();
}
