#include "Src/FFPlay/SubtitleDecoder.h"
#include "Src/FFmpegLoader.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>

namespace {

using namespace std::chrono_literals;

TEST(SubtitlePalette, PrimariesConvertToStudioRange) {
    struct Case {
        const char* name;
        uint32_t rgba, yuva;
    };
    const Case kCases[] = {
        { "white", 0xFFFFFFFF, 0xFFEB8080 }, { "black", 0x80000000, 0x80108080 },
        { "red", 0xFFFF0000, 0xFF515AF0 },   { "green", 0xFF00FF00, 0xFF913622 },
        { "blue", 0x400000FF, 0x4029F06E },
    };
    for (const auto& c : kCases) {
        const uint32_t yuva = RgbaToYuva(c.rgba);
        EXPECT_EQ(yuva, c.yuva) << c.name << std::hex << " got " << yuva;
        for (int shift : { 0, 8 }) {
            const int chroma = static_cast<int>((yuva >> shift) & 0xFF);
            EXPECT_GE(chroma, 16) << c.name;
            EXPECT_LE(chroma, 240) << c.name;
        }
    }
}

class PlainOwner : public TPlaybackOwner {
public:
    int FrameDrop() const override { return 1; }
    void DisplayVideo(TVideoState&) override {}
    void ReportPosition(TVideoState&) override {}
    void RequestPictureAllocation(TVideoState&) override {}
    const AVPacket* FlushPacket() const override { return FFlush; }
    const AVPacket* FFlush{ nullptr };
};

TEST(SubtitleThread, TakesTheFlushMarkerAndEndsOnAbort) {
    const TLibraries libs{ avCodec, avUtil };
    ASSERT_TRUE(GlobalLoader().Load(libs)) << TFFmpegLoader::LastErrMsg();
    {
        static const char kFlushText[] = "FLUSH";
        PacketPtr flush(av::av_packet_alloc());
        flush->data = reinterpret_cast<uint8_t*>(const_cast<char*>(kFlushText));
        PlainOwner owner;
        owner.FFlush = flush.get();
        TVideoState is;
        is.Owner = &owner;
        is.subtitle_stream = 0;
        is.subtitle_ctx.reset(av::avcodec_alloc_context3(nullptr));
        const AVCodec* codec = av::avcodec_find_decoder(AV_CODEC_ID_DVD_SUBTITLE);
        ASSERT_NE(codec, nullptr);
        ASSERT_GE(av::avcodec_open2(is.subtitle_ctx.get(), codec, nullptr), 0);
        ASSERT_EQ(is.subtitleq.Put(flush.get(), flush.get()), 0);
        auto done = std::async(std::launch::async, [&] { SubtitleThreadProc(is); });
        EXPECT_EQ(done.wait_for(50ms), std::future_status::timeout);
        is.subtitleq.Abort();
        is.subpq_cond.notify_all();
        ASSERT_EQ(done.wait_for(30s), std::future_status::ready);
        EXPECT_EQ(is.subpq_size, 0);
    }
    GlobalLoader().Unload(libs);
}

} // namespace
