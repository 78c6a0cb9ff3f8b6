#include "Src/SwScaleStubs.h"

namespace av {
VC_SWSCALE_ENTRY_POINTS(VC_DEFINE_ENTRY_POINT)

namespace {
void BindSwScale(const std::string& fileName, const TDynamicLibrary& handle) {
    VC_SWSCALE_ENTRY_POINTS(VC_BIND_ENTRY_POINT)
}
void UnbindSwScale() {
    VC_SWSCALE_ENTRY_POINTS(VC_UNBIND_ENTRY_POINT)
}
} // namespace
} // namespace av

void FixupSwScale(const std::string& fileName, const TDynamicLibrary& handle) {
    av::BindSwScale(fileName, handle);
}
void UnfixSwScale() {
    av::UnbindSwScale();
}
