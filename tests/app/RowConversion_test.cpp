#include "HeadlessProgramTest.h"
#include "Src/FFmpeg/EncoderNames.h"
#include "Src/FFmpegLogger.h"
#include "app/FormatCatalogue.h"
#include "app/FormatCodes.h"
#include "app/FormatParameters.h"
#include "app/JobListControls.h"
#include "app/JobRowParameters.h"
#include "app/PresetCatalogue.h"
#include "app/PresetTexts.h"
#include "app/Unit1.h"
#include "app/Unit5.h"
#include "app/WorkingParameterOptions.h"
#include "lib/controls/TbsSkinComboBox.h"
#include "lib/controls/TbsSkinCustomListView.h"
#include "lib/controls/TbsSkinOfficeComboBox.h"
#include "lib/controls/TbsSkinSlider.h"
#include "platform/forms/TFormReader.h"
#include "platform/rtl/FilePath.h"
#include "platform/rtl/MainThread.h"
#include "platform/rtl/TStringList.h"
#include "tests/fixtures/MediaWriter.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include <algorithm>
#include <chrono>
#include <cmath>
#include <gtest/gtest.h>
#include <optional>
#include <thread>

namespace {

// One format the pickers offer.
struct TOffered {
    int Family; // family picker position
    int Format; // format picker position
    int Code;
};

std::vector<TOffered> OfferedFormats() {
    std::vector<TOffered> offered;
    for (int family = 0; family < int(FamilyPickerMap.size()); ++family) {
        const auto captions = FamilyFormatCaptions(FamilyCodeAt(family));
        for (int format = 0; format < int(captions.size()); ++format)
            offered.push_back({ family, format, FormatCodeAt(family, format) });
    }
    return offered;
}

// What the pickers show for a format just chosen: its parameters and its presets' defaults.
TWorkingParameters ShownParameters(int code) {
    TWorkingParameters fields = FormatWorkingParameters(code);
    const TPresetPickerStates pickers = PresetPickersFor(code);
    TPresetTexts texts;
    for (int p = 0; p < PresetPickerCount; ++p)
        texts[p] = pickers[p].Text();
    ApplyPresetTexts(fields, texts);
    return fields;
}

// How many of the six pickers and of the parameters behind them differ between two formats.
int Difference(int a, int b) {
    const TPresetPickerStates pa = PresetPickersFor(a);
    const TPresetPickerStates pb = PresetPickersFor(b);
    int differing = 0;
    for (int p = 0; p < PresetPickerCount; ++p)
        differing += pa[p].Text() != pb[p].Text();
    TStringList ca, cb;
    WriteParameterCells(ShownParameters(a), ca);
    WriteParameterCells(ShownParameters(b), cb);
    for (int cell = jcFirstParameter; cell < jcCount; ++cell)
        differing += ca.Strings(cell) != cb.Strings(cell);
    return differing;
}

// The offered formats in an order where each differs from the one before it in as many pickers
// and parameters as can be had: whatever of the earlier format leaks into a row shows.
std::vector<TOffered> ContrastingOrder() {
    std::vector<TOffered> left = OfferedFormats();
    std::vector<TOffered> order{ left.front() };
    left.erase(left.begin());
    while (!left.empty()) {
        const int previous = order.back().Code;
        auto next = std::max_element(left.begin(), left.end(), [&](const auto& x, const auto& y) {
            return Difference(previous, x.Code) < Difference(previous, y.Code);
        });
        order.push_back(*next);
        left.erase(next);
    }
    return order;
}

// What a converted file holds.
struct TConverted {
    std::string VideoCodec, AudioCodec;
    int Width{ 0 }, Height{ 0 };
    double FrameRate{ 0 };
    int SampleRate{ 0 }, Channels{ 0 }, VideoStreams{ 0 };
};

std::optional<TConverted> ReadConverted(const std::string& path) {
    AVFormatContext* context = nullptr;
    if (avformat_open_input(&context, path.c_str(), nullptr, nullptr) < 0) return std::nullopt;
    TConverted converted;
    if (avformat_find_stream_info(context, nullptr) >= 0) {
        for (unsigned i = 0; i < context->nb_streams; ++i) {
            const AVStream* stream = context->streams[i];
            const AVCodecParameters* p = stream->codecpar;
            if (p->codec_type == AVMEDIA_TYPE_VIDEO) {
                ++converted.VideoStreams;
                converted.VideoCodec = avcodec_get_name(p->codec_id);
                converted.Width = p->width;
                converted.Height = p->height;
                const AVRational rate =
                    stream->avg_frame_rate.num ? stream->avg_frame_rate : stream->r_frame_rate;
                converted.FrameRate = rate.den ? av_q2d(rate) : 0;
            } else if (p->codec_type == AVMEDIA_TYPE_AUDIO) {
                converted.AudioCodec = avcodec_get_name(p->codec_id);
                converted.SampleRate = p->sample_rate;
                converted.Channels = p->ch_layout.nb_channels;
            }
        }
    }
    avformat_close_input(&context);
    return converted;
}

// The codec an encoder name writes.
std::string CodecOfEncoder(const std::string& encoder) {
    const AVCodec* codec = avcodec_find_encoder_by_name(InstalledEncoderName(encoder).c_str());
    return codec ? avcodec_get_name(codec->id) : "no encoder " + encoder;
}

// The input every row converts: a size, rate, sample rate and channel count that no format
// asks for, so that a value a row leaves to the source can be told from any format's.
fixtures::MediaSpec InputSpec() {
    fixtures::MediaSpec spec;
    spec.Format = "matroska";
    spec.Extension = ".mkv";
    spec.VideoCodec = "mpeg4";
    spec.AudioCodec = "mp2";
    spec.Width = 96;
    spec.Height = 64;
    spec.SampleRate = 32000;
    spec.Channels = 1;
    spec.Seconds = 0.6;
    return spec;
}

// What a row converts into, from the values it shows: each value the row sets, else what its
// disc target fixes, else the source's.
struct TExpected {
    std::string VideoCodec, AudioCodec;
    int Width, Height;
    double FrameRate;
    int SampleRate, Channels;
};

TExpected ExpectedOutput(const TWorkingParameters& shown, const std::string& outputName) {
    const fixtures::MediaSpec input = InputSpec();
    const bool ntsc = shown.NormType == "NTSC";
    const std::string& target = shown.TargetType;
    TExpected e{
        "", "", input.Width, input.Height, input.FrameRate(), input.SampleRate, input.Channels
    };
    const AVOutputFormat* muxer = av_guess_format(nullptr, outputName.c_str(), nullptr);
    if (!target.empty()) {
        e.Width = target == "vcd" ? 352 : target == "svcd" ? 480 : 720;
        e.Height = ntsc ? (target == "vcd" ? 240 : 480) : (target == "vcd" ? 288 : 576);
        e.FrameRate = ntsc ? 30000.0 / 1001 : 25;
        e.SampleRate = target == "dvd" ? 48000 : 44100;
        e.Channels = 2;
        e.VideoCodec = target == "vcd" ? "mpeg1video" : "mpeg2video";
        e.AudioCodec = target == "dvd" ? "ac3" : "mp2";
    } else if (muxer) {
        e.VideoCodec = avcodec_get_name(
            av_guess_codec(muxer, nullptr, outputName.c_str(), nullptr, AVMEDIA_TYPE_VIDEO));
        e.AudioCodec = avcodec_get_name(
            av_guess_codec(muxer, nullptr, outputName.c_str(), nullptr, AVMEDIA_TYPE_AUDIO));
    }
    if (!shown.VideoCodec.empty()) e.VideoCodec = CodecOfEncoder(shown.VideoCodec);
    if (!shown.AudioCodec.empty()) {
        // ".vob" names the DVD and the SVCD muxers alike; VOB files are written by the DVD one.
        const std::string container = !target.empty()                ? target
                                      : outputName.ends_with(".vob") ? "vob"
                                      : muxer                        ? muxer->name
                                                                     : "";
        e.AudioCodec = CodecOfEncoder(ContainerAudioCodec(container, shown.AudioCodec));
    }
    if (const auto star = shown.FrameSize.find('*'); star != std::string::npos) {
        e.Width = std::stoi(shown.FrameSize.substr(0, star));
        e.Height = std::stoi(shown.FrameSize.substr(star + 1));
    }
    if (!shown.FrameRate.empty()) e.FrameRate = std::stod(shown.FrameRate);
    if (!shown.AudioSampleRate.empty()) e.SampleRate = std::stoi(shown.AudioSampleRate);
    if (!shown.AudioChannels.empty()) e.Channels = std::stoi(shown.AudioChannels);
    return e;
}

// The differences between the options a task got and those the shown values make.
std::string OptionDifferences(const TOutputOptions& got, const TOutputOptions& shown) {
    std::string differences;
    const auto compare = [&](const char* name, const auto& a, const auto& b) {
        if (a != b) differences += std::string(name) + " ";
    };
    compare("VideoCodec", got.VideoCodec, shown.VideoCodec);
    compare("VideoPreset", got.VideoPreset, shown.VideoPreset);
    compare("VideoTag", got.VideoTag, shown.VideoTag);
    compare("AudioCodec", got.AudioCodec, shown.AudioCodec);
    compare("AudioChannels", got.AudioChannels, shown.AudioChannels);
    compare("FrameSize", got.FrameSize, shown.FrameSize);
    compare("FrameRate", got.FrameRate, shown.FrameRate);
    compare("FrameAspectRatio", got.FrameAspectRatio, shown.FrameAspectRatio);
    compare("VideoBitrate", got.VideoBitrate, shown.VideoBitrate);
    compare("AudioBitrate", got.AudioBitrate, shown.AudioBitrate);
    compare("AudioSampleRate", got.AudioSampleRate, shown.AudioSampleRate);
    compare("DisableVideo", got.DisableVideo, shown.DisableVideo);
    compare("TargetType", got.TargetType, shown.TargetType);
    compare("NormType", got.NormType, shown.NormType);
    compare("FileExt", got.FileExt, shown.FileExt);
    return differences;
}

class RowConversion : public HeadlessProgramTest {
protected:
    RowConversion() : HeadlessProgramTest("rowconversion") {}

    void SetUp() override {
        HeadlessProgramTest::SetUp();
        FInput = FRoot + "in.mkv";
        fixtures::WriteMedia(FInput, InputSpec());
        StartProgram();
        AnswerMessageBoxes();
        Form1->Show();
        Pump();
        FList = DescribedComponent<TbsSkinListView>(Form1, "lvFiles");
        // This test reads the rows, not the log: hundreds of conversions log many thousands of
        // lines, which would cost the memo more than the conversions take.
        Form1->FFLogger->OnLog = nullptr;
        TConversionOptions options = Form5->Options();
        options.ThreadCount =
            std::to_string(std::clamp(int(std::thread::hardware_concurrency()), 1, 8));
        options.AfterDone = 3;
        Form5->SetOptions(options);
    }

    static TbsSkinOfficeComboBox* Picker(const char* name) {
        return DescribedComponent<TbsSkinOfficeComboBox>(Form1, name);
    }
    static TbsSkinComboBox* Preset(const char* name) {
        return DescribedComponent<TbsSkinComboBox>(Form1, name);
    }
    // Sets the format as the user does: the family, then the format within it.
    static void Choose(const TOffered& format) {
        Picker(FamilyPickerName)->SetItemIndex(format.Family);
        Picker(FormatPickerName)->SetItemIndex(format.Format);
    }

    std::string FInput;
    TbsSkinListView* FList{ nullptr };
};

// Each row is added while the pickers show the format before it and then switched to its own,
// so that every value of the format it was added with is a value it must no longer convert with.
TEST_F(RowConversion, EveryRowConvertsWithWhatItsPickersShow) {
    const std::vector<TOffered> order = ContrastingOrder();
    ASSERT_EQ(order.size(), 123u);
    for (std::size_t k = 0; k < order.size(); ++k) {
        FList->SetItemIndex(-1);
        Choose(order[(k + order.size() - 1) % order.size()]);
        FDialogs->FFiles = { FInput };
        Form1->btnAddClick(nullptr);
        ASSERT_EQ(FList->Items().Count(), int(k) + 1) << order[k].Code;
        ASSERT_EQ(FList->ItemIndex(), int(k));
        Choose(order[k]);
    }

    // What each row shows when it is selected again.
    std::vector<TWorkingParameters> shown;
    for (std::size_t k = 0; k < order.size(); ++k) {
        FList->SetItemIndex(int(k));
        SCOPED_TRACE(std::to_string(order[k].Code));
        ASSERT_EQ(Picker(FamilyPickerName)->ItemIndex(), order[k].Family);
        ASSERT_EQ(Picker(FormatPickerName)->ItemIndex(), order[k].Format);
        TPresetTexts texts;
        for (int p = 0; p < PresetPickerCount; ++p)
            texts[p] = Preset(PresetPickerNames[p])->Text();
        TWorkingParameters fields = FormatWorkingParameters(order[k].Code);
        ApplyPresetTexts(fields, texts);
        EXPECT_EQ(ReadParameterCells(FList->Items()[int(k)]->SubItems()), fields);
        shown.push_back(fields);
    }

    ClickControl(DescribedComponent<TControl>(Form1, "bsSkinButton2"));
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(5);
    while (!DescribedComponent<TControl>(Form1, "bsSkinButton8")->Enabled()) {
        ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "watchdog";
        Pump();
        CheckSynchronize(20);
    }
    EXPECT_TRUE(FMessages.empty()) << FMessages.size() << ": " << FMessages.front();

    const std::string folder = IncludeTrailingPathDelimiter(Form1->FileOutPutPath);
    for (std::size_t k = 0; k < order.size(); ++k) {
        const TWorkingParameters& fields = shown[k];
        const std::string name = FList->Items()[int(k)]->SubItems().Strings(jcOutputName);
        SCOPED_TRACE(std::to_string(order[k].Code) + " " + name);
        EXPECT_EQ(OptionDifferences(Form1->OO1[k], OutputOptionsOf(fields)), "");

        const auto converted = ReadConverted(folder + name);
        ASSERT_TRUE(converted) << "no readable output";
        const TExpected e = ExpectedOutput(fields, folder + name);
        EXPECT_EQ(converted->AudioCodec, e.AudioCodec);
        EXPECT_EQ(converted->SampleRate, e.SampleRate);
        EXPECT_EQ(converted->Channels, e.Channels);
        if (fields.DisableVideo) {
            EXPECT_EQ(converted->VideoStreams, 0);
            continue;
        }
        EXPECT_EQ(converted->VideoCodec, e.VideoCodec);
        EXPECT_EQ(converted->Width, e.Width);
        EXPECT_EQ(converted->Height, e.Height);
        EXPECT_NEAR(converted->FrameRate, e.FrameRate, e.FrameRate * 0.02);
    }
}

} // namespace
