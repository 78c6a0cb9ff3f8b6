#include "Src/FFmpeg/TCustomFFmpeg.h"
#include "Src/FFmpeg/TranscodeRun.h"

#include "Src/AVFormatStubs.h"

bool TTranscodeRun::KeepMuxOrder(TAVOutputStream& ost, AVPacket& packet) {
    // In join mode every group writes the one stream of group 0.
    TAVOutputStream& owner = ost.Owner();
    TMuxTimestamps& order = owner.MuxOrder;
    const bool strict = !(ost.oc->oformat->flags & AVFMT_TS_NONSTRICT);
    std::string warning;
    const auto result =
        order.Repair(packet, ost.st->time_base, strict, owner.file_index, owner.index, warning);
    if (result == TMuxTimestamps::mrUnchanged) return true;
    // One warning per stream and kind says that it happens; the rest would only repeat it.
    const int count = result == TMuxTimestamps::mrRaised ? order.Raised() : order.Dropped();
    FOwner.Log(count == 1 ? llWarning : llDebug, warning);
    return result != TMuxTimestamps::mrDropped;
}
