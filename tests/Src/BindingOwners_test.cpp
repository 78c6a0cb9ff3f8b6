#include "Src/FFmpegLoader.h"
#include "Src/UnicodeProtocol.h"
#include "tests/fixtures/FixtureSet.h"

#include <gtest/gtest.h>

namespace {

// Each owner frees what it holds: the sanitizer build reports any leak or wrong free here.
TEST(BindingOwners, FreeWhatTheyHold) {
    ASSERT_TRUE(GlobalLoader().Load(FFmpegTasksLibraries)) << TFFmpegLoader::LastErrMsg();
    {
        FramePtr frame(av::av_frame_alloc());
        frame->format = AV_PIX_FMT_YUV420P;
        frame->width = 32;
        frame->height = 16;
        ASSERT_GE(av::av_frame_get_buffer(frame.get(), 0), 0);
        PacketPtr packet(av::av_packet_alloc());
        ASSERT_GE(av::av_new_packet(packet.get(), 100), 0);
        CodecContextPtr codec(av::avcodec_alloc_context3(nullptr));
        FormatContextPtr format(av::avformat_alloc_context());
        DictionaryPtr dictionary;
        AVDictionary* raw = nullptr;
        av::av_dict_set(&raw, "title", "x", 0);
        dictionary.reset(raw);
        AVMemoryPtr<char> text(av::av_strdup("text"));
        BsfContextPtr bsf;
        AVBSFContext* rawBsf = nullptr;
        ASSERT_GE(av::av_bsf_alloc(av::av_bsf_get_by_name("null"), &rawBsf), 0);
        bsf.reset(rawBsf);
        ParserContextPtr parser(av::av_parser_init(AV_CODEC_ID_MPEG2VIDEO));
        EXPECT_NE(parser, nullptr);
        SwsContextPtr sws(av::sws_getContext(16, 16, AV_PIX_FMT_YUV420P, 8, 8, AV_PIX_FMT_BGR24,
                                             SWS_BICUBIC, nullptr, nullptr, nullptr));
        EXPECT_NE(sws, nullptr);
        AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
        SwrContext* rawSwr = nullptr;
        ASSERT_GE(av::swr_alloc_set_opts2(&rawSwr, &stereo, AV_SAMPLE_FMT_S16, 44100, &stereo,
                                          AV_SAMPLE_FMT_FLTP, 48000, 0, nullptr),
                  0);
        SwrContextPtr swr(rawSwr);
        FilterGraphPtr graph(av::avfilter_graph_alloc());
        FilterInOutPtr inOut(av::avfilter_inout_alloc());
        AVFormatContext* input = nullptr;
        ASSERT_EQ(
            AVOpenInput(&input, FileNameToAV(fixtures::Standard().ChineseName), nullptr, nullptr),
            0);
        InputContextPtr inputOwner(input);
    }
    GlobalLoader().Unload(FFmpegTasksLibraries);
}

// Owners left over after their library went leave the object behind instead of crashing.
TEST(BindingOwners, OutlivingTheLibraryIsHarmless) {
    ASSERT_TRUE(GlobalLoader().Load(AVProbeLibraries)) << TFFmpegLoader::LastErrMsg();
    AVCodecContext* context = av::avcodec_alloc_context3(nullptr);
    CodecContextPtr owner(context);
    GlobalLoader().Unload(AVProbeLibraries);
    ASSERT_EQ(av::avcodec_free_context, nullptr);
    owner.reset();
    ASSERT_TRUE(GlobalLoader().Load(AVProbeLibraries));
    av::avcodec_free_context(&context); // still there: free it now that the library is back
    GlobalLoader().Unload(AVProbeLibraries);
}

} // namespace
