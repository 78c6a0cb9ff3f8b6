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
#include "tests/fixtures/MediaWriter.h"

extern "C" {
#include <libavformat/avformat.h>
}

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <mutex>
#include <optional>
#include <thread>

namespace {

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

struct TProbed {
    std::string Demuxer;
    int VideoStreams{ 0 };
    int AudioStreams{ 0 };
    int Width{ 0 };
    int Height{ 0 };
};

std::optional<TProbed> Probe(const std::string& path) {
    AVFormatContext* context = nullptr;
    if (avformat_open_input(&context, path.c_str(), nullptr, nullptr) < 0) return std::nullopt;
    TProbed probed;
    if (avformat_find_stream_info(context, nullptr) >= 0) {
        probed.Demuxer = context->iformat->name;
        for (unsigned i = 0; i < context->nb_streams; ++i) {
            const AVCodecParameters* p = context->streams[i]->codecpar;
            if (p->codec_type == AVMEDIA_TYPE_VIDEO) {
                ++probed.VideoStreams;
                probed.Width = p->width;
                probed.Height = p->height;
            } else if (p->codec_type == AVMEDIA_TYPE_AUDIO) {
                ++probed.AudioStreams;
            }
        }
    }
    avformat_close_input(&context);
    return probed;
}

// One job as the main window converts it: the format's parameters overridden by the texts its
// preset pickers show by default.
struct TJob {
    int Code;
    TWorkingParameters Fields;
    std::string Output;
};

class FormatMatrix : public ::testing::Test {
protected:
    void SetUp() override {
        SetMainThread();
        if (!GlobalLoader().Loaded(FFmpegTasksLibraries) &&
            !GlobalLoader().Load(FFmpegTasksLibraries))
            GTEST_SKIP() << TFFmpegLoader::LastErrMsg();
        FFolder = CreateTempFolder("formatmatrix");
        fixtures::MediaSpec spec;
        spec.Format = "matroska";
        spec.Extension = ".mkv";
        spec.VideoCodec = "mpeg4";
        spec.AudioCodec = "mp2";
        spec.Width = 96;
        spec.Height = 64;
        spec.Seconds = 0.6;
        FInput = FFolder + "in.mkv";
        fixtures::WriteMedia(FInput, spec);
    }
    void TearDown() override {
        if (!FFolder.empty()) std::filesystem::remove_all(FFolder);
    }

    std::string FFolder;
    std::string FInput;
};

TEST_F(FormatMatrix, EveryOfferedFormatConvertsIntoTheStreamsItPromises) {
    std::vector<TJob> jobs;
    for (int family = 0; family < int(FamilyPickerMap.size()); ++family) {
        const auto captions = FamilyFormatCaptions(FamilyCodeAt(family));
        for (int format = 0; format < int(captions.size()); ++format) {
            const int code = FormatCodeAt(family, format);
            const TFormatParameters* entry = FindFormatParameters(code);
            ASSERT_NE(entry, nullptr) << code;
            TJob job{ code, FormatWorkingParameters(code), {} };
            const TPresetPickerStates pickers = PresetPickersFor(code);
            TPresetTexts texts;
            for (int p = 0; p < PresetPickerCount; ++p)
                texts[p] = pickers[p].Text();
            ApplyPresetTexts(job.Fields, texts);
            job.Output = FFolder + std::to_string(code) + std::string(entry->Ext);
            jobs.push_back(std::move(job));
        }
    }

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
        ASSERT_GE(index, 0) << job.Code << ": " << tasks.LastErrMsg();
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
        ASSERT_LT(std::chrono::steady_clock::now(), deadline);
        CheckSynchronize(10);
    }

    for (const auto& [job, index] : started) {
        SCOPED_TRACE(std::to_string(job->Code) + " " + std::string(FormatCaption(job->Code)));
        const TTerminateInfo& info = ended[index];
        EXPECT_TRUE(info.Finished && !info.Exception) << info.ExceptionMsg;
        const auto probed = Probe(job->Output);
        if (!probed) {
            ADD_FAILURE() << "no readable output";
            continue;
        }
        const std::string ext = job->Output.substr(job->Output.find_last_of('.'));
        EXPECT_EQ(probed->Demuxer, DemuxerOf(ext));
        EXPECT_EQ(probed->VideoStreams, job->Fields.DisableVideo ? 0 : 1);
        EXPECT_EQ(probed->AudioStreams, 1);
        std::pair<int, int> size{ probed->Width, probed->Height };
        if (!job->Fields.FrameSize.empty()) {
            const auto star = job->Fields.FrameSize.find('*');
            EXPECT_EQ(size, std::make_pair(std::stoi(job->Fields.FrameSize.substr(0, star)),
                                           std::stoi(job->Fields.FrameSize.substr(star + 1))));
        } else if (!job->Fields.TargetType.empty()) {
            EXPECT_EQ(size, DiscFrameSize(job->Fields.TargetType));
        }
    }
}

} // namespace
