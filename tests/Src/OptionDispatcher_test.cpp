#include "OptionTestDispatcher.h"

#include "Src/AVUtilStubs.h"
#include "Src/FFmpeg/FFmpegException.h"
#include "Src/MyUtils/ProgramFiles.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/TextUtils.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class OptionDispatcherTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(LoadTranscoderLibraries(error)) << error;
    }
};

using TField = std::string (*)(const TTranscoderOptions& o);

std::string Str(std::int64_t value) {
    return IntToStr(value);
}

std::string Rational(AVRational r) {
    return Str(r.num) + "/" + Str(r.den);
}

std::string Map(const TAVStreamMap& m) {
    return Format("%d.%d:%d.%d", m.file_index, m.stream_index, m.sync_file_index,
                  m.sync_stream_index);
}

std::string Private(const TTranscoderOptions& o) {
    std::string text;
    for (const TPrivateOption& option : o.FPrivateOptions)
        text += Format("%d:%s=%s;", int(option.Owner), option.Name, option.Value);
    return text;
}

std::int64_t CodecOption(const TTranscoderOptions& o, int kind, const char* name) {
    std::int64_t value = -1;
    av::av_opt_get_int(o.FOptions.avcodec_opts[kind].get(), name, 0, &value);
    return value;
}

struct TValueCase {
    const char* Options; // "name=value" lines separated by ";"
    TField Field;
    std::string Expected;
};

#define FIELD(expr) [](const TTranscoderOptions& o) -> std::string { return expr; }

const TValueCase kValueCases[] = {
    { "f=avi", FIELD(o.Flast_asked_format), "avi" },
    { "f=pgmyuv", FIELD(o.Flast_asked_format + Str(o.Fpgmyuv_compatibility_hack)), "image21" },
    { "f=", FIELD(o.Flast_asked_format), "" },
    { "map=0.1:1.0", FIELD(Map(o.Fstream_maps.at(0))), "0.1:1.0" },
    { "map=1:2", FIELD(Map(o.Fstream_maps.at(0))), "1.2:1.2" },
    { "map=0x10.3;map=2.0", FIELD(Map(o.Fstream_maps.at(0)) + Map(o.Fstream_maps.at(1))),
      "16.3:16.32.0:2.0" },
    { "map=010.1", FIELD(Map(o.Fstream_maps.at(0))), "8.1:8.1" },
    { "map_meta_data=1:0",
      FIELD(Str(o.Fmeta_data_maps.at(0).out_file) + ":" + Str(o.Fmeta_data_maps.at(0).in_file)),
      "1:0" },
    { "t=00:01:30", FIELD(Str(o.Frecording_time) + " " + Str(o.FTotalOutputDuration)),
      "90000000 90000000" },
    { "t=1.5", FIELD(Str(o.Frecording_time)), "1500000" },
    { "ss=10", FIELD(Str(o.Fstart_time)), "10000000" },
    { "itsoffset=-2", FIELD(Str(o.Finput_ts_offset)), "-2000000" },
    { "itsscale=1:0.5",
      FIELD(FloatToStr(o.InputTSScale(0, 1)) + " " + FloatToStr(o.InputTSScale(0, 0))), "0.5 0" },
    { "itsscale=999:2", FIELD(FloatToStr(o.InputTSScale(0, 999))), "2" },
    { "timestamp=1970-01-01T00:00:10.5Z", FIELD(Str(o.Frecording_timestamp)), "10" },
    { "timestamp=1970-01-01T00:00:11.5Z", FIELD(Str(o.Frecording_timestamp)), "12" },
    { "fs=123456789012", FIELD(Str(o.Flimit_filesize)), "123456789012" },
    { "vframes=5;aframes=6;dframes=7",
      FIELD(Str(o.Fmax_frames[0]) + Str(o.Fmax_frames[1]) + Str(o.Fmax_frames[2]) +
            Str(o.Fmax_frames[3])),
      "5672147483647" },
    { "dump=0;hex=;re=yes", FIELD(Str(o.Fdo_pkt_dump) + Str(o.Fdo_hex_dump) + Str(o.Frate_emu)),
      "011" },
    { "copyts=0;xerror=0", FIELD(Str(o.Fcopy_ts) + Str(o.Fexit_on_error)), "11" },
    { "shortest=", FIELD(Str(o.Fopt_shortest)), "1" },
    { "shortest=1;shortest=0", FIELD(Str(o.Fopt_shortest)), "0" },
    { "vsync=2;async=1;vglobal=1;copyinkf=1",
      FIELD(Str(o.Fvideo_sync_method) + Str(o.Faudio_sync_method) + Str(o.Fvideo_global_header) +
            Str(o.Fcopy_initial_nonkeyframes)),
      "2111" },
    { "adrift_threshold=0.25;dts_delta_threshold=3.5",
      FIELD(FloatToStr(o.Faudio_drift_threshold) + " " + FloatToStr(o.Fdts_delta_threshold)),
      "0.25 3.5" },
    { "programid=-3", FIELD(Str(o.Fopt_programid)), "-3" },
    { "loop_input=1;loop_output=3", FIELD(Str(o.Floop_input) + Str(o.Floop_output)), "13" },
    { "v=0", FIELD(Str(o.Fverbose)), "0" },
    { "r=30000/1001", FIELD(Rational(o.Fframe_rate)), "30000/1001" },
    { "r=ntsc", FIELD(Rational(o.Fframe_rate)), "30000/1001" },
    { "r=25", FIELD(Rational(o.Fframe_rate)), "25/1" },
    { "s=720x576", FIELD(Str(o.Fframe_width) + "x" + Str(o.Fframe_height)), "720x576" },
    { "s=vga", FIELD(Str(o.Fframe_width) + "x" + Str(o.Fframe_height)), "640x480" },
    { "aspect=16:9", FIELD(FloatToStr(o.Fframe_aspect_ratio)), FloatToStr(16.0f / 9.0f) },
    { "aspect=-1", FIELD(FloatToStr(o.Fframe_aspect_ratio)), "-1" },
    { "aspect=1.5", FIELD(FloatToStr(o.Fframe_aspect_ratio)), "1.5" },
    { "pix_fmt=yuv422p", FIELD(Str(o.Fframe_pix_fmt)), Str(AV_PIX_FMT_YUV422P) },
    { "pix_fmt=yuv422p;pix_fmt=list", FIELD(Str(o.Fframe_pix_fmt)), Str(AV_PIX_FMT_YUV422P) },
    { "s=720x576;croptop=8;cropbottom=8",
      FIELD(Str(o.Fframe_topBand) + " " + Str(o.Fframe_bottomBand) + " " + Str(o.Fframe_height)),
      "8 8 560" },
    { "s=720x576;cropleft=16;cropright=0",
      FIELD(Str(o.Fframe_leftBand) + " " + Str(o.Fframe_rightBand) + " " + Str(o.Fframe_width)),
      "16 0 704" },
    { "s=720x576;croptop=0", FIELD(Str(o.Fframe_topBand) + " " + Str(o.Fframe_height)), "0 576" },
    { "intra=1;vn=1;vdt=2",
      FIELD(Str(o.Fintra_only) + Str(o.Fvideo_disable) + Str(o.Fvideo_discard)), "112" },
    { "qscale=2.5", FIELD(FloatToStr(o.Fvideo_qscale)), "2.5" },
    { "qscale=255", FIELD(FloatToStr(o.Fvideo_qscale)), "255" },
    { "rc_override=10,20,2.0", FIELD(o.Fvideo_rc_override_string), "10,20,2.0" },
    { "vcodec=mpeg4", FIELD(o.Fvideo_codec_name + Str(o.Fvideo_stream_copy)), "mpeg40" },
    { "vcodec=mpeg4;vcodec=copy", FIELD(o.Fvideo_codec_name + Str(o.Fvideo_stream_copy)), "1" },
    { "vcodec=mpeg4;vcodec=", FIELD(o.Fvideo_codec_name), "mpeg4" },
    { "VCodec=mpeg4", FIELD(o.Fvideo_codec_name), "" },
    { "sameq=1;deinterlace=1;psnr=1",
      FIELD(Str(o.Fsame_quality) + Str(o.Fdo_deinterlace) + Str(o.Fdo_psnr)), "111" },
    { "pass=2;passlogfile=stats", FIELD(Str(o.Fdo_pass) + o.Fpass_logfilename_prefix), "2stats" },
    { "vstats_file=/tmp/v.log", FIELD(o.Fvstats_filename), "/tmp/v.log" },
    { "vf=crop=10:10;vfilters=", FIELD(o.Fvfilters), "crop=10:10" },
    { "top=1;dc=9;me_threshold=4;vc=2",
      FIELD(Str(o.Ftop_field_first) + Str(o.Fintra_dc_precision) + Str(o.Fme_threshold) +
            Str(o.Fvideo_channel)),
      "1942" },
    { "vtag=XVID", FIELD(Str(o.Fvideo_codec_tag)), "1145656920" },
    { "atag=mp4a;stag=text", FIELD(Str(o.Faudio_codec_tag) + " " + Str(o.Fsubtitle_codec_tag)),
      "1630826605 1954047348" },
    { "vlang=eng;alang=fre;slang=ger",
      FIELD(o.Fvideo_language + o.Faudio_language + o.Fsubtitle_language), "engfreger" },
    { "qphist=1;force_fps=1;isync=1",
      FIELD(Str(o.Fqp_hist) + Str(o.Fforce_fps) + Str(o.Finput_sync)), "111" },
    { "streamid=0:33;streamid=2:7",
      FIELD(Str(o.Fstreamid_map.at(0)) + " " + Str(o.Fstreamid_map.at(1)) + " " +
            Str(o.Fstreamid_map.at(2))),
      "33 0 7" },
    { "ab=128000;b=1000000", FIELD(Str(CodecOption(o, 1, "b")) + " " + Str(CodecOption(o, 0, "b"))),
      "128000 1000000" },
    { "vb=800000", FIELD(Str(CodecOption(o, 0, "b"))), "800000" },
    { "ar=22050;ac=1", FIELD(Str(o.Faudio_sample_rate) + " " + Str(o.Faudio_channels)), "22050 1" },
    { "ar=0;ac=-1", FIELD(Str(o.Faudio_sample_rate) + " " + Str(o.Faudio_channels)), "44100 2" },
    { "an=1;sn=1", FIELD(Str(o.Faudio_disable) + Str(o.Fsubtitle_disable)), "11" },
    { "acodec=mp2;scodec=copy",
      FIELD(o.Faudio_codec_name + Str(o.Fsubtitle_stream_copy) + o.Fsubtitle_codec_name), "mp21" },
    { "vol=-5", FIELD(Str(o.Faudio_volume)), "-5" },
    { "aq=3", FIELD(FloatToStr(o.Faudio_qscale)), "3" },
    { "sample_fmt=s16", FIELD(Str(o.Faudio_sample_fmt)), Str(AV_SAMPLE_FMT_S16) },
    { "sample_fmt=nothing", FIELD(Str(o.Faudio_sample_fmt)), "-1" },
    { "tvstd=pal", FIELD(o.Fvideo_standard), "pal" },
    { "muxdelay=-1;muxpreload=0.25",
      FIELD(FloatToStr(o.Fmux_max_delay) + " " + FloatToStr(o.Fmux_preload)), "-1 0.25" },
    { "absf=aac_adtstoasc;vbsf=h264_mp4toannexb;sbsf=null;vbsf==x;vbsf=",
      FIELD(Str(o.Faudio_bitstream_filters.size()) + Str(o.Fvideo_bitstream_filters.size()) +
            Str(o.Fsubtitle_bitstream_filters.size()) + o.Fvideo_bitstream_filters.at(0)),
      "111h264_mp4toannexb" },
    { "vbsf=noise=amount=1 ", FIELD(o.Fvideo_bitstream_filters.at(0)), "noise=amount=1" },
    { "metadata=title=a=b;metadata=year=2010",
      FIELD(o.Fmetadata.at(0).first + "|" + o.Fmetadata.at(0).second + "|" +
            o.Fmetadata.at(1).first + "|" + o.Fmetadata.at(1).second),
      "title|a=b|year|2010" },
    { "g=12", FIELD(Str(CodecOption(o, 0, "g"))), "12" },
    { "no_such_option=1;L=;h=;i=x;y=", FIELD(Private(o)), "" },
    { "coder=1", FIELD(Private(o)), "0:coder=1;" },
    { "vcodec=libx264;me_method=umh;me_method=dia", FIELD(Private(o)), "0:me_method=dia;" },
    { "muxrate=10080000", FIELD(Private(o)), "3:muxrate=10080000;" },
};

TEST_F(OptionDispatcherTest, EachOptionSetsItsField) {
    for (const TValueCase& c : kValueCases) {
        TTestDispatcher d;
        const std::string error = ErrorOf([&] { d.Apply(c.Options); });
        EXPECT_EQ(error, "") << c.Options;
        EXPECT_EQ(c.Field(d.Options()), c.Expected) << c.Options;
    }
}

struct TErrorCase {
    const char* Options;
    const char* Message;
};

const TErrorCase kErrorCases[] = {
    { "threads=4", "TODO: option - threads" },
    { "padtop=1", "Please use vfilters=pad" },
    { "padcolor=ff0000", "Please use vfilters=pad" },
    { "aspect=4:0", "Incorrect aspect ratio specification." },
    { "aspect=wide", "Incorrect aspect ratio specification." },
    { "aspect=0", "Incorrect aspect ratio specification." },
    { "s=720x576;croptop=576",
      "Vertical crop dimensions are outside the range of the original image.\n"
      "Remember to crop first and scale second." },
    { "s=720x576;croptop=300;cropbottom=276",
      "Vertical crop dimensions are outside the range of the original image.\n"
      "Remember to crop first and scale second." },
    { "cropleft=1", "Horizontal crop dimensions are outside the range of the original image.\n"
                    "Remember to crop first and scale second." },
    { "pix_fmt=nonsense", "Unknown pixel format requested: nonsense" },
    { "metadata=novalue", "Missing =" },
    { "itsscale=1000:1", "stream index over MAX_STREAMS(1000)" },
    { "itsscale=-1:2", "stream index over MAX_STREAMS(1000)" },
    { "streamid=5", "Invalid value \"5\" for option \"streamid\", required syntax is "
                    "\"index:value\"" },
    { "streamid=:3", "Invalid value \":3\" for option \"streamid\", required syntax is "
                     "\"index:value\"" },
    { "streamid=2:", "Invalid value \"2:\" for option \"streamid\", required syntax is "
                     "\"index:value\"" },
    { "streamid=1000:1", "stream index over MAX_STREAMS(1000)" },
    { "t=word", "Invalid duration specification for t: word" },
    { "ss=1:xx", "Invalid duration specification for ss: 1:xx" },
    { "timestamp=garbage", "Invalid date specification for timestamp: garbage" },
    { "newaudio=", "At least one output file must be specified" },
    { "newvideo=", "At least one output file must be specified" },
    { "r=abc", "Incorrect frame rate" },
    { "s=abc", "Incorrect frame size" },
    { "qscale=0", "qscale must be > 0.0 and <= 255" },
    { "qscale=255.5", "qscale must be > 0.0 and <= 255" },
    { "pass=3", "pass number can be only 1 or 2" },
    { "vbsf=nosuchfilter=1", "Unknown bitstream filter nosuchfilter=1" },
    { "vframes=abc", "'abc' is not a valid integer value" },
    { "r=25;target=DVD", "Unknown target type" },
    { "target=pal-DVD", "Unknown target type" },
    { "target=dvd", "frame_rate is invalid." },
};

TEST_F(OptionDispatcherTest, BadValuesRaiseTheTranscoderMessage) {
    for (const TErrorCase& c : kErrorCases) {
        TTestDispatcher d;
        EXPECT_EQ(ErrorOf([&] { d.Apply(c.Options); }), c.Message) << c.Options;
    }
}

TEST_F(OptionDispatcherTest, ErrorKindsFollowTheirSource) {
    TTestDispatcher d;
    EXPECT_THROW(d.ParseOption("threads", "1"), FFmpegException);
    EXPECT_THROW(d.ParseOption("loop_output", "x"), EConvertError);
    EXPECT_THROW(d.ParseOption("vtag", "abc"), EAssertionFailed);
    EXPECT_TRUE(ErrorOf([&] {
                    d.ParseOption("atag", "mp4a2");
                }).starts_with("audio tag parameter must be 4 chars ("));
    EXPECT_TRUE(ErrorOf([&] {
                    d.ParseOption("stag", "x");
                }).starts_with("subtitle tag parameter must be 4 chars ("));
}

TEST_F(OptionDispatcherTest, ValuesWrittenBeforeAFailedCheckStay) {
    TTestDispatcher d;
    EXPECT_ANY_THROW(d.ParseOption("pix_fmt", "nonsense"));
    EXPECT_EQ(d.Options().Fframe_pix_fmt, AV_PIX_FMT_NONE);
    d.Apply("s=720x576;croptop=8");
    EXPECT_ANY_THROW(d.ParseOption("cropbottom", "568"));
    EXPECT_EQ(d.Options().Fframe_height, 568);
    EXPECT_EQ(d.Options().Fframe_bottomBand, 0);
}

TEST_F(OptionDispatcherTest, MatricesTakeSixtyFourCoefficients) {
    std::string text;
    for (int i = 1; i <= 64; ++i)
        text += (i > 1 ? ", " : "") + IntToStr(i * 2);
    TTestDispatcher d;
    d.ParseOption("intra_matrix", text + ",999");
    ASSERT_TRUE(d.Options().Fintra_matrix);
    EXPECT_EQ((*d.Options().Fintra_matrix)[0], 2);
    EXPECT_EQ((*d.Options().Fintra_matrix)[63], 128);
    EXPECT_FALSE(d.Options().Finter_matrix);

    const std::string short63 = text.substr(0, text.rfind(','));
    EXPECT_EQ(ErrorOf([&] { d.ParseOption("inter_matrix", short63); }),
              "Syntax error in matrix \"" + short63 + "\" at coeff 62");
    EXPECT_EQ(ErrorOf([&] { d.ParseOption("inter_matrix", "16"); }),
              "Syntax error in matrix \"16\" at coeff 0");
}

TEST_F(OptionDispatcherTest, StreamOptionsActOnTheLastOutputFile) {
    TTestDispatcher d;
    d.Options().Fnb_output_files = 1;
    d.Apply("newvideo=;newaudio=;newsubtitle=;vhook=/lib/hook.so -x");
    EXPECT_EQ(d.NewStreams, (std::vector<AVMediaType>{ AVMEDIA_TYPE_VIDEO, AVMEDIA_TYPE_AUDIO,
                                                       AVMEDIA_TYPE_SUBTITLE }));
    EXPECT_EQ(d.Hooks, std::vector<std::string>{ "/lib/hook.so -x" });
}

TEST_F(OptionDispatcherTest, LogsWhatTheOptionsReport) {
    TLogCapture log;
    TTestDispatcher d;
    d.Apply("benchmark=1;timelimit=5;f=pgmyuv");
    EXPECT_TRUE(log.Has("Do nothing: option - benchmark"));
    EXPECT_TRUE(log.Has("Warning: -timelimit not implemented on Windows"));
    EXPECT_TRUE(log.Has("pgmyuv format is deprecated, use image2"));

    const std::string lowRate =
        "WARNING: The bitrate parameter is set too low. It takes bits/s as argument, not kbits/s";
    log.Clear();
    d.ParseOption("ab", "128000");
    EXPECT_FALSE(log.Has(lowRate));
    d.ParseOption("b", "64");
    EXPECT_TRUE(log.Has(lowRate));

    log.Clear();
    d.Apply("s=720x576;croptop=8");
    EXPECT_TRUE(log.Has("CropXXX is deprecated in favor of the crop avfilter"));
}

TEST_F(OptionDispatcherTest, FormatListsHaveAHeaderAndOneLinePerFormat) {
    TLogCapture log;
    TTestDispatcher d;
    d.ParseOption("sample_fmt", "list");
    ASSERT_EQ(log.Lines().size(), size_t(AV_SAMPLE_FMT_NB) + 1);
    EXPECT_TRUE(log.Lines()[0].starts_with("name"));
    EXPECT_TRUE(log.Lines()[1].starts_with("u8"));
    log.Clear();
    d.ParseOption("pix_fmt", "list");
    EXPECT_GT(log.Lines().size(), size_t(100));
    EXPECT_TRUE(log.Lines()[1].starts_with("yuv420p"));
}

TEST_F(OptionDispatcherTest, VideoStatisticsFileIsNamedAfterTheTime) {
    TTestDispatcher d;
    d.SetVStats(true);
    const std::string& name = d.Options().Fvstats_filename;
    ASSERT_EQ(name.size(), ExePath().size() + std::string("vstats_hhnnss.log").size()) << name;
    EXPECT_TRUE(name.starts_with(ExePath() + "vstats_"));
    EXPECT_TRUE(name.ends_with(".log"));
    d.SetVStats(false);
    EXPECT_EQ(d.Options().Fvstats_filename, "");
}

TEST_F(OptionDispatcherTest, DirectSettersIgnoreWhatTheyDoNotTake) {
    TTestDispatcher d;
    d.SetAudioVolume(-1);
    d.SetMuxMaxDelay(0.0f);
    d.SetMuxPreload(-1.0f);
    d.SetStartTime(AV_NOPTS_VALUE);
    d.SetRecordingTime(AV_NOPTS_VALUE);
    d.SetProgramID(-1);
    const TTranscoderOptions& o = d.Options();
    EXPECT_EQ(o.Faudio_volume, 256);
    EXPECT_FLOAT_EQ(o.Fmux_max_delay, 0.7f);
    EXPECT_FLOAT_EQ(o.Fmux_preload, 0.5f);
    EXPECT_EQ(o.Fstart_time, 0);
    EXPECT_EQ(o.Frecording_time, INT64_MAX);
    EXPECT_EQ(o.FTotalOutputDuration, -1);
    EXPECT_EQ(o.Fopt_programid, 0);
    d.SetAudioVolume(512);
    d.SetProgramID(3);
    EXPECT_EQ(o.Faudio_volume, 512);
    EXPECT_EQ(o.Fopt_programid, 3);
}

TEST_F(OptionDispatcherTest, ResetKeepsPendingMetadataAndZeroesTimeScales) {
    TTestDispatcher d;
    d.Apply("metadata=title=x;itsscale=2:0.5;vcodec=mpeg4;map=0.0;streamid=0:5;coder=1");
    d.Options().InitDefaults();
    const TTranscoderOptions& o = d.Options();
    EXPECT_EQ(o.Fmetadata.size(), 1u);
    EXPECT_EQ(o.InputTSScale(0, 2), 0.0);
    EXPECT_EQ(o.Fvideo_codec_name, "");
    EXPECT_TRUE(o.Fstream_maps.empty());
    EXPECT_TRUE(o.Fstreamid_map.empty());
    EXPECT_TRUE(o.FPrivateOptions.empty());
    EXPECT_EQ(o.Faudio_qscale, -99999.0f);
    EXPECT_EQ(o.Fsws_flags, 4u);
}

} // namespace
