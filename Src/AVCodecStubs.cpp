#include "Src/AVCodecStubs.h"

namespace av {
VC_AVCODEC_ENTRY_POINTS(VC_DEFINE_ENTRY_POINT)

namespace {
void BindAVCodec(const std::string& fileName, const TDynamicLibrary& handle) {
    VC_AVCODEC_ENTRY_POINTS(VC_BIND_ENTRY_POINT)
}
void UnbindAVCodec() {
    VC_AVCODEC_ENTRY_POINTS(VC_UNBIND_ENTRY_POINT)
}
} // namespace
} // namespace av

void FixupAVCodec(const std::string& fileName, const TDynamicLibrary& handle) {
    av::BindAVCodec(fileName, handle);
}
void UnfixAVCodec() {
    av::UnbindAVCodec();
}
