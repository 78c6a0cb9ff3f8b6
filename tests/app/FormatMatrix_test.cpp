#include "Src/FFmpegLoader.h"
#include "Src/FFmpegTasks/TFFmpegTasks.h"
#include "app/FormatCatalogue.h"
#include "app/FormatCodes.h"
#include "app/FormatParameters.h"
#include "app/PresetCatalogue.h"
#include "app/PresetTexts.h"
#include "app/WorkingParameterOptions.h"
#include "platform/rtl/FileSystem.h"
#include "platform/rtl/MainThread.h"
#include "tests/fixtures/DvdSet.h"
#include "tests/fixtures/MediaCheck.h"
#include "tests/fixtures/MediaWriter.h"

extern "C" {
#include <libavformat/avformat.h>
}

#include <chrono>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <mutex>
#include <optional>
#include <thread>

namespace {

// The input's length, and how far a converted sound may be from it.
constexpr double kInputSeconds = 1.0;
constexpr double kAudioSlack = 0.05;

// The demuxer that reads back what the muxer chosen by an extension wrote.
std::string DemuxerOf(const std::string& ext) {
    static const std::map<std::string, std::string> demuxers{
        { ".avi", "avi" },
        { ".mp4", "mov,mp4,m4a,3gp,3g2,mj2" },
        { ".mov", "mov,mp4,m4a,3gp,3g2,mj2" },
        { ".m4a", "mov,mp4,m4a,3gp,3g2,mj2" },
        { ".3gp", "mov,mp4,m4a,3gp,3g2,mj2" },
        { ".mkv", "matroska,webm" },
        { ".mpg", "mpeg" },
        { ".vob", "mpeg" },
        { ".mpeg", "mpeg" },
        { ".wmv", "asf" },
        { ".asf", "asf" },
        { ".wma", "asf" },
        { ".flv", "flv" },
        { ".swf", "swf" },
        { ".mp3", "mp3" },
        { ".mp2", "mp3" },
        { ".wav", "wav" },
        { ".aac", "aac" },
        { ".ogg", "ogg" },
        { ".ra", "rm" },
        { ".rm", "rm" },
        { ".ac3", "ac3" },
        { ".aiff", "aiff" },
        { ".flac", "flac" },
        { ".amr", "amr" },
    };
    const auto it = demuxers.find(ext);
    return it == demuxers.end() ? "?" : it->second;
}

// The frame size a disc target fixes for the PAL norm.
std::pair<int, int> DiscFrameSize(const std::string& target) {
    if (target == "dvd") return { 720, 576 };
    if (target == "svcd") return { 480, 576 };
    return { 352, 288 };
}

// An encoder's codec; none when these libraries lack it.
AVCodecID EncoderCodec(const std::string& name) {
    const AVCodec* codec = avcodec_find_encoder_by_name(name.c_str());
    return codec ? codec->id : AV_CODEC_ID_NONE;
}

// The documented substitutes for encoders the catalogue names and these libraries lack.
std::string InstalledEncoder(const std::string& name) {
    static const std::map<std::string, std::string> substitutes{
        { "libfaac", "aac" },
        { "msmpeg4v1", "msmpeg4v2" },
        { "libamr_nb", "libopencore_amrnb" },
    };
    if (EncoderCodec(name) != AV_CODEC_ID_NONE) return name;
    const auto it = substitutes.find(name);
    return it == substitutes.end() ? name : it->second;
}

// One job as the main window converts it: the format's parameters overridden by the texts its
// preset pickers show by default.
struct TJob {
    int Code;
    TWorkingParameters Fields;
    std::string Output;
};

const AVOutputFormat* MuxerOf(const TJob& job) {
    const std::string& format = job.Fields.FileFormat;
    return av_guess_format(format.empty() ? nullptr : format.c_str(), job.Output.c_str(), nullptr);
}

bool VariableRate(const TJob& job) {
    const AVOutputFormat* muxer = MuxerOf(job);
    return muxer && (muxer->flags & AVFMT_VARIABLE_FPS);
}

// FLV and SWF cannot mark the samples the MP3 encoder puts before the sound (its delay of 1105
// samples), so a player decodes them as sound.
double UnmarkedPriming(const TJob& job, const fixtures::StreamCheck& audio) {
    const bool unmarked = job.Output.ends_with(".flv") || job.Output.ends_with(".swf");
    return unmarked && audio.Codec == AV_CODEC_ID_MP3 ? 1105.0 / audio.SampleRate : 0.0;
}

// What a format loses of the sound whoever converts: the WMA decoder keeps one frame of 2048
// samples back as its overlap, and the SWF muxer writes sound only beside pictures, so the
// sound past the last picture is cut (up to two MP3 frames here).
double KnownShortfall(const TJob& job, const fixtures::StreamCheck& audio) {
    if (audio.SampleRate <= 0) return 0.0;
    if (audio.Codec == AV_CODEC_ID_WMAV1 || audio.Codec == AV_CODEC_ID_WMAV2)
        return 2048.0 / audio.SampleRate;
    if (job.Output.ends_with(".swf") && !job.Fields.DisableVideo)
        return 2.0 * 576 / audio.SampleRate;
    return 0.0;
}

// The codecs a job's output must have: those its format names, or the documented substitutes
// (an installed encoder for a missing one; AC-3 or MP2 where a program stream refuses AAC); the
// disc targets' own; the muxer's defaults where the format names none.
std::pair<AVCodecID, AVCodecID> ExpectedCodecs(const TJob& job) {
    const TWorkingParameters& fields = job.Fields;
    if (fields.TargetType == "dvd") return { AV_CODEC_ID_MPEG2VIDEO, AV_CODEC_ID_AC3 };
    if (fields.TargetType == "svcd") return { AV_CODEC_ID_MPEG2VIDEO, AV_CODEC_ID_MP2 };
    if (fields.TargetType == "vcd") return { AV_CODEC_ID_MPEG1VIDEO, AV_CODEC_ID_MP2 };
    const AVOutputFormat* muxer = MuxerOf(job);
    if (!muxer) return { AV_CODEC_ID_NONE, AV_CODEC_ID_NONE };
    const AVCodecID video = fields.VideoCodec.empty()
                                ? muxer->video_codec
                                : EncoderCodec(InstalledEncoder(fields.VideoCodec));
    AVCodecID audio = fields.AudioCodec.empty() || fields.AudioCodec == AutoText
                          ? muxer->audio_codec
                          : EncoderCodec(InstalledEncoder(fields.AudioCodec));
    // A ".vob" name writes a VOB, whichever muxer the extension would suggest first.
    const std::string name =
        job.Output.ends_with(".vob") ? std::string("vob") : std::string(muxer->name);
    if (audio == AV_CODEC_ID_AAC && (name == "vob" || name == "dvd")) audio = AV_CODEC_ID_AC3;
    if (audio == AV_CODEC_ID_AAC && (name == "mpeg" || name == "vcd" || name == "svcd"))
        audio = AV_CODEC_ID_MP2;
    return { video, audio };
}

class FormatMatrix : public ::testing::Test {
protected:
    void SetUp() override {
        SetMainThread();
        if (!GlobalLoader().Loaded(FFmpegTasksLibraries) &&
            !GlobalLoader().Load(FFmpegTasksLibraries))
            GTEST_SKIP() << TFFmpegLoader::LastErrMsg();
        FFolder = CreateTempFolder("formatmatrix");
        // A short disc VOB: MPEG-2 with B-frames and AC-3 in the DVD muxer's layout.
        fixtures::MediaSpec spec = fixtures::DvdSpec(160, 120, 2);
        spec.Seconds = kInputSeconds;
        FInput = FFolder + "in.vob";
        fixtures::WriteMedia(FInput, spec);
    }
    void TearDown() override {
        if (!FFolder.empty()) std::filesystem::remove_all(FFolder);
    }

    // A job for each format the pickers offer, with the presets the pickers start at; copies
    // of a job write outputs of their own.
    std::vector<TJob> OfferedJobs(const std::function<bool(const TJob&)>& keep = {},
                                  int copies = 1) const {
        std::vector<TJob> jobs;
        for (int family = 0; family < int(FamilyPickerMap.size()); ++family) {
            const auto captions = FamilyFormatCaptions(FamilyCodeAt(family));
            for (int format = 0; format < int(captions.size()); ++format) {
                const int code = FormatCodeAt(family, format);
                const TFormatParameters* entry = FindFormatParameters(code);
                EXPECT_NE(entry, nullptr) << code;
                if (!entry) continue;
                TJob job{ code, FormatWorkingParameters(code), {} };
                if (keep && !keep(job)) continue;
                const TPresetPickerStates pickers = PresetPickersFor(code);
                TPresetTexts texts;
                for (int p = 0; p < PresetPickerCount; ++p)
                    texts[p] = pickers[p].Text();
                ApplyPresetTexts(job.Fields, texts);
                for (int copy = 0; copy < copies; ++copy) {
                    const std::string suffix = copy == 0 ? "" : "_" + std::to_string(copy);
                    job.Output = FFolder + std::to_string(code) + suffix + std::string(entry->Ext);
                    jobs.push_back(job);
                }
            }
        }
        return jobs;
    }

    // Converts the input into every job's output at once, a task thread per core, and gives
    // back each job that got its output with how its task ended.
    std::vector<std::pair<const TJob*, TTerminateInfo>> ConvertAll(const std::vector<TJob>& jobs) {
        std::mutex lock;
        std::map<int, TTerminateInfo> ended;
        bool allDone = false;
        TFFmpegTasks tasks(nullptr);
        tasks.OnTerminate = [&](TObject*, const TTerminateInfo& info) {
            std::lock_guard guard(lock);
            if (info.TaskIndex < 0)
                allDone = true;
            else
                ended[info.TaskIndex] = info;
        };
        // The task of each job that got its output; the others have failed already.
        std::vector<std::pair<const TJob*, int>> started;
        for (const TJob& job : jobs) {
            const int index = tasks.AddTask(FInput, nullptr);
            if (index < 0) {
                ADD_FAILURE() << job.Code << ": " << tasks.LastErrMsg();
                return {};
            }
            TOutputOptions options = OutputOptionsOf(job.Fields);
            if (tasks.SetOutputFile(index, job.Output, &options)) {
                started.emplace_back(&job, index);
            } else {
                ADD_FAILURE() << job.Code << " " << FormatCaption(job.Code) << ": "
                              << tasks.LastErrMsg();
                tasks.RemoveTask(index);
            }
        }
        tasks.Start(int(std::max(1u, std::thread::hardware_concurrency())));
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(4);
        for (;;) {
            {
                std::lock_guard guard(lock);
                if (allDone) break;
            }
            if (std::chrono::steady_clock::now() > deadline) {
                ADD_FAILURE() << "the conversions did not end";
                return {};
            }
            CheckSynchronize(10);
        }
        std::vector<std::pair<const TJob*, TTerminateInfo>> results;
        for (const auto& [job, index] : started)
            results.emplace_back(job, ended[index]);
        return results;
    }

    std::string FFolder;
    std::string FInput;
};

TEST_F(FormatMatrix, EveryOfferedFormatConvertsIntoTheStreamsItPromises) {
    const std::vector<TJob> jobs = OfferedJobs();
    const auto converted = ConvertAll(jobs);
    ASSERT_FALSE(converted.empty());

    // The input's sound as its decoder gives it: AC-3 pads its last frame.
    const fixtures::MediaCheck input = fixtures::CheckMedia(FInput);
    ASSERT_TRUE(input.First(AVMEDIA_TYPE_AUDIO));
    const double inputSound = input.First(AVMEDIA_TYPE_AUDIO)->DecodedSeconds();
    for (const auto& [job, info] : converted) {
        SCOPED_TRACE(std::to_string(job->Code) + " " + std::string(FormatCaption(job->Code)));
        EXPECT_TRUE(info.Finished && !info.Exception) << info.ExceptionMsg;
        const fixtures::MediaCheck check = fixtures::CheckMedia(job->Output);
        if (!check.Opened) {
            ADD_FAILURE() << "no readable output";
            continue;
        }
        EXPECT_EQ(check.ReadError, 0);
        const std::string ext = job->Output.substr(job->Output.find_last_of('.'));
        EXPECT_EQ(check.Format, DemuxerOf(ext));
        EXPECT_EQ(check.Count(AVMEDIA_TYPE_VIDEO), job->Fields.DisableVideo ? 0 : 1);
        EXPECT_EQ(check.Count(AVMEDIA_TYPE_AUDIO), 1);
        for (const fixtures::StreamCheck& stream : check.Streams)
            EXPECT_EQ(stream.DecodeErrors, 0) << av_get_media_type_string(stream.Type);
        const auto [videoCodec, audioCodec] = ExpectedCodecs(*job);
        if (const fixtures::StreamCheck* audio = check.First(AVMEDIA_TYPE_AUDIO)) {
            EXPECT_EQ(avcodec_get_name(audio->Codec), std::string(avcodec_get_name(audioCodec)));
            const double sound = audio->DecodedSeconds();
            EXPECT_LE(sound - UnmarkedPriming(*job, *audio), inputSound + kAudioSlack) << "audio";
            EXPECT_GE(sound + KnownShortfall(*job, *audio), inputSound - kAudioSlack) << "audio";
        }
        const fixtures::StreamCheck* video = check.First(AVMEDIA_TYPE_VIDEO);
        if (!video) continue;
        EXPECT_EQ(avcodec_get_name(video->Codec), std::string(avcodec_get_name(videoCodec)));
        ASSERT_GT(video->FrameRate.num, 0);
        const double frame = av_q2d(av_inv_q(video->FrameRate));
        // A constant rate shows every picture for a frame; a variable one keeps their times.
        const double played = VariableRate(*job) ? video->Duration : video->DecodedSeconds();
        EXPECT_NEAR(played, kInputSeconds, frame + 1e-3) << "video";
        std::pair<int, int> size{ video->Width, video->Height };
        if (!job->Fields.FrameSize.empty()) {
            const auto star = job->Fields.FrameSize.find('*');
            EXPECT_EQ(size, std::make_pair(std::stoi(job->Fields.FrameSize.substr(0, star)),
                                           std::stoi(job->Fields.FrameSize.substr(star + 1))));
        } else if (!job->Fields.TargetType.empty()) {
            EXPECT_EQ(size, DiscFrameSize(job->Fields.TargetType));
        }
    }
}

// Opening an Xvid encoder rebuilds tables the library shares across the process; conversions
// coding Xvid pictures meanwhile once wrote damaged frames now and then.
TEST_F(FormatMatrix, XvidConversionsSideBySideWriteUndamagedPictures) {
    const std::vector<TJob> jobs =
        OfferedJobs([](const TJob& job) { return job.Fields.VideoCodec == "libxvid"; }, 3);
    ASSERT_GE(jobs.size(), 3 * 8u);
    const auto converted = ConvertAll(jobs);
    ASSERT_EQ(converted.size(), jobs.size());
    for (const auto& [job, info] : converted) {
        EXPECT_TRUE(info.Finished && !info.Exception) << job->Output << ": " << info.ExceptionMsg;
        const fixtures::MediaCheck check = fixtures::CheckMedia(job->Output);
        const fixtures::StreamCheck* video = check.First(AVMEDIA_TYPE_VIDEO);
        ASSERT_NE(video, nullptr) << job->Output;
        EXPECT_EQ(video->DecodeErrors, 0) << job->Output;
    }
}

} // namespace
