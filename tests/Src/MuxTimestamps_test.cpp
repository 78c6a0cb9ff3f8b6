#include "Src/FFmpeg/MuxTimestamps.h"

#include "OptionTestDispatcher.h"

#include <gtest/gtest.h>

namespace {

constexpr AVRational kMilliseconds{ 1, 1000 };

class MuxTimestamps : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        if (!LoadTranscoderLibraries(error)) GTEST_SKIP() << error;
    }
};

AVPacket Stamped(std::int64_t pts, std::int64_t dts) {
    AVPacket packet{};
    packet.pts = pts;
    packet.dts = dts;
    return packet;
}

// A stream's packets one after the other: what reaches the muxer and what the repair said.
TEST_F(MuxTimestamps, DecodingTimesOnlyGoForward) {
    const std::int64_t none = AV_NOPTS_VALUE;
    struct Step {
        std::int64_t Pts, Dts;
        TMuxTimestamps::TResult Result;
        std::int64_t WrittenPts, WrittenDts;
    };
    const struct {
        const char* Name;
        bool Strict;
        std::vector<Step> Steps;
    } kCases[] = {
        { "in order",
          true,
          { { 0, 0, TMuxTimestamps::mrUnchanged, 0, 0 },
            { 40, 40, TMuxTimestamps::mrUnchanged, 40, 40 } } },
        { "repeated stamp",
          true,
          { { 100, 100, TMuxTimestamps::mrUnchanged, 100, 100 },
            { 100, 100, TMuxTimestamps::mrRaised, 101, 101 },
            { 101, 101, TMuxTimestamps::mrRaised, 102, 102 },
            { 160, 160, TMuxTimestamps::mrUnchanged, 160, 160 } } },
        { "equal times where the format takes them",
          false,
          { { 100, 100, TMuxTimestamps::mrUnchanged, 100, 100 },
            { 100, 100, TMuxTimestamps::mrUnchanged, 100, 100 },
            { 90, 90, TMuxTimestamps::mrRaised, 100, 100 } } },
        { "a later picture keeps its presentation time",
          true,
          { { 200, 100, TMuxTimestamps::mrUnchanged, 200, 100 },
            { 300, 90, TMuxTimestamps::mrRaised, 300, 101 } } },
        { "far behind",
          true,
          { { 5000, 5000, TMuxTimestamps::mrUnchanged, 5000, 5000 },
            { 3500, 3500, TMuxTimestamps::mrDropped, 3500, 3500 },
            { 4500, 4500, TMuxTimestamps::mrRaised, 5001, 5001 } } },
        { "no decoding time",
          true,
          { { 100, 100, TMuxTimestamps::mrUnchanged, 100, 100 },
            { 50, none, TMuxTimestamps::mrUnchanged, 50, none },
            { 120, 120, TMuxTimestamps::mrUnchanged, 120, 120 } } },
        { "shown before decoded", true, { { 10, 20, TMuxTimestamps::mrUnchanged, 20, 20 } } },
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.Name);
        TMuxTimestamps order;
        for (std::size_t i = 0; i < c.Steps.size(); ++i) {
            const Step& step = c.Steps[i];
            AVPacket packet = Stamped(step.Pts, step.Dts);
            std::string warning;
            EXPECT_EQ(order.Repair(packet, kMilliseconds, c.Strict, 0, 1, warning), step.Result)
                << "packet " << i;
            if (step.Result == TMuxTimestamps::mrDropped) continue;
            EXPECT_EQ(packet.pts, step.WrittenPts) << "packet " << i;
            EXPECT_EQ(packet.dts, step.WrittenDts) << "packet " << i;
            EXPECT_EQ(warning.empty(), step.Result == TMuxTimestamps::mrUnchanged) << warning;
        }
    }
}

TEST_F(MuxTimestamps, WarningsNameTheStreamAndCountsAddUp) {
    TMuxTimestamps order;
    std::string warning;
    AVPacket first = Stamped(1000, 1000);
    order.Repair(first, kMilliseconds, true, 0, 1, warning);
    AVPacket repeated = Stamped(1000, 1000);
    order.Repair(repeated, kMilliseconds, true, 0, 1, warning);
    EXPECT_EQ(warning, "Non-monotonous DTS in output stream 0:1; previous: 1000, current: 1000; "
                       "changing to 1001.");
    AVPacket behind = Stamped(-2000, -2000);
    order.Repair(behind, kMilliseconds, true, 0, 1, warning);
    EXPECT_EQ(warning, "Packet of output stream 0:1 is 3.001 s behind the previous one (dts -2000 "
                       "after 1001); it is dropped.");
    EXPECT_EQ(order.Raised(), 1);
    EXPECT_EQ(order.Dropped(), 1);
}

} // namespace
