#include "Src/FFmpeg/MuxTimestamps.h"

#include "Src/AVUtilStubs.h"
#include "platform/rtl/Format.h"

namespace {

// A packet further behind than this is out of place, not merely stamped a little early.
constexpr std::int64_t kFarBehind = AV_TIME_BASE;

} // namespace

TMuxTimestamps::TResult TMuxTimestamps::Repair(AVPacket& packet, AVRational timeBase, bool strict,
                                               int fileIndex, int streamIndex,
                                               std::string& warning) {
    warning.clear();
    if (packet.dts == AV_NOPTS_VALUE) return mrUnchanged;
    TResult result = mrUnchanged;
    if (FLastDts != AV_NOPTS_VALUE) {
        const std::int64_t least = FLastDts + (strict ? 1 : 0);
        if (packet.dts < least) {
            const std::int64_t behind =
                av::av_rescale_q(FLastDts - packet.dts, timeBase, AV_TIME_BASE_Q);
            if (behind > kFarBehind) {
                ++FDropped;
                warning = Format("Packet of output stream %d:%d is %.3f s behind the previous "
                                 "one (dts %d after %d); it is dropped.",
                                 fileIndex, streamIndex, double(behind) / AV_TIME_BASE, packet.dts,
                                 FLastDts);
                return mrDropped;
            }
            warning = Format("Non-monotonous DTS in output stream %d:%d; previous: %d, current: "
                             "%d; changing to %d.",
                             fileIndex, streamIndex, FLastDts, packet.dts, least);
            packet.dts = least;
            ++FRaised;
            result = mrRaised;
        }
    }
    // A muxer refuses a packet shown before it is decoded.
    if (packet.pts != AV_NOPTS_VALUE && packet.pts < packet.dts) packet.pts = packet.dts;
    FLastDts = packet.dts;
    return result;
}
