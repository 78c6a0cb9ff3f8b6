#include "Src/AVUtilStubs.h"

namespace av {
VC_AVUTIL_ENTRY_POINTS(VC_DEFINE_ENTRY_POINT)

namespace {
void BindAVUtil(const std::string& fileName, const TDynamicLibrary& handle) {
    VC_AVUTIL_ENTRY_POINTS(VC_BIND_ENTRY_POINT)
}
void UnbindAVUtil() {
    VC_AVUTIL_ENTRY_POINTS(VC_UNBIND_ENTRY_POINT)
}
} // namespace
} // namespace av

void FixupAVUtil(const std::string& fileName, const TDynamicLibrary& handle) {
    av::BindAVUtil(fileName, handle);
}
void UnfixAVUtil() {
    av::UnbindAVUtil();
}
