#pragma once
#include "Src/AVCodecStubs.h"

#include <cstdint>
#include <string>

// Keeps the time stamps of one output stream in the order muxers demand before its packets
// are written. Input time stamps that repeat or step back (a program stream's audio often
// gives two frames one stamp) come out of the encoders as a decoding time that does not
// increase, and a muxer refuses such a packet, which would end the run. So a decoding time
// that does not increase is raised just past the previous one (to the previous one where the
// format takes equal times), the presentation time with it where it would fall below; a packet
// more than a second behind is dropped, since moving it that far would misplace it worse.
class TMuxTimestamps {
public:
    enum TResult { mrUnchanged, mrRaised, mrDropped };

    // timeBase: the packet's, which is the output stream's; strict: the format wants every
    // decoding time greater than the previous one, not only not smaller. warning receives the
    // text of a raise or a drop, naming the stream as "output stream <file>:<stream>".
    TResult Repair(AVPacket& packet, AVRational timeBase, bool strict, int fileIndex,
                   int streamIndex, std::string& warning);

    // How many packets had their time stamps raised, and how many were dropped.
    int Raised() const { return FRaised; }
    int Dropped() const { return FDropped; }

private:
    std::int64_t FLastDts{ AV_NOPTS_VALUE };
    int FRaised{ 0 };
    int FDropped{ 0 };
};
