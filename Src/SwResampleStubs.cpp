#include "Src/SwResampleStubs.h"

namespace av {
VC_SWRESAMPLE_ENTRY_POINTS(VC_DEFINE_ENTRY_POINT)

namespace {
void BindSwResample(const std::string& fileName, const TDynamicLibrary& handle) {
    VC_SWRESAMPLE_ENTRY_POINTS(VC_BIND_ENTRY_POINT)
}
void UnbindSwResample() {
    VC_SWRESAMPLE_ENTRY_POINTS(VC_UNBIND_ENTRY_POINT)
}
} // namespace
} // namespace av

void FixupSwResample(const std::string& fileName, const TDynamicLibrary& handle) {
    av::BindSwResample(fileName, handle);
}
void UnfixSwResample() {
    av::UnbindSwResample();
}
