#include "Src/AVFilterStubs.h"

namespace av {
VC_AVFILTER_ENTRY_POINTS(VC_DEFINE_ENTRY_POINT)

namespace {
void BindAVFilter(const std::string& fileName, const TDynamicLibrary& handle) {
    VC_AVFILTER_ENTRY_POINTS(VC_BIND_ENTRY_POINT)
}
void UnbindAVFilter() {
    VC_AVFILTER_ENTRY_POINTS(VC_UNBIND_ENTRY_POINT)
}
} // namespace
} // namespace av

void FixupAVFilter(const std::string& fileName, const TDynamicLibrary& handle) {
    av::BindAVFilter(fileName, handle);
}
void UnfixAVFilter() {
    av::UnbindAVFilter();
}
