#include "Src/AVFormatStubs.h"

namespace av {
VC_AVFORMAT_ENTRY_POINTS(VC_DEFINE_ENTRY_POINT)

namespace {
void BindAVFormat(const std::string& fileName, const TDynamicLibrary& handle) {
    VC_AVFORMAT_ENTRY_POINTS(VC_BIND_ENTRY_POINT)
}
void UnbindAVFormat() {
    VC_AVFORMAT_ENTRY_POINTS(VC_UNBIND_ENTRY_POINT)
}
} // namespace
} // namespace av

void FixupAVFormat(const std::string& fileName, const TDynamicLibrary& handle) {
    av::BindAVFormat(fileName, handle);
}
void UnfixAVFormat() {
    av::UnbindAVFormat();
}
