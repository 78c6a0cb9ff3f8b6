#include "Src/AVProbe.h"

#include "Src/AVUtilStubs.h"
#include "Src/FFUtils.h"
#include "Src/FFmpegLoader.h"
#include "Src/FFmpegLogger.h"
#include "Src/MyUtils.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/MainThread.h"
#include "tests/Src/LibAVFolder.h"
#include "tests/fixtures/FixtureSet.h"
#include "tests/fixtures/MediaWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <sstream>
#include <unistd.h>
#include <vector>

namespace {

// The lines of an information text, each of which must end in CR LF.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "text after the last line end";
    for (const std::string& line : lines)
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
    return lines;
}

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

bool EndsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

class AVProbeTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Loaded for the whole run: the probes free their library objects when they go, after
        // TearDown.
        ASSERT_TRUE(GlobalLoader().Load(AVProbeLibraries)) << TFFmpegLoader::LastErrMsg();
    }

    void Load(const std::string& file) {
        ASSERT_TRUE(FProbe.LoadFile(file)) << FProbe.LastErrMsg();
    }

    TCustomAVProbe FProbe{ nullptr };
};

TEST(AVProbeLibraries, LoadingAFileWithoutTheLibrariesRaises) {
    if (GlobalLoader().Loaded(avCodec)) GTEST_SKIP() << "the libraries are loaded already";
    TCustomAVProbe probe(nullptr);
    try {
        probe.LoadFile("/nonexistent.avi");
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "LibAVCodec not loaded.");
    }
    EXPECT_FALSE(probe.AVLibLoaded());
}

TEST(AVProbeLibraries, AFailedLibraryLoadLeavesTheLoadersReason) {
    if (GlobalLoader().Loaded(avCodec)) GTEST_SKIP() << "the libraries are loaded already";
    const std::string savedPath = TFFmpegLoader::LibraryPath();
    {
        TLibAVFolder folder;
        folder.WriteFile(TFFmpegLoader::LibraryFileName(avFormat), "not a library");
        TCustomAVProbe probe(nullptr);
        EXPECT_FALSE(probe.LoadAVLib(folder.Path()));
        EXPECT_FALSE(probe.LastErrMsg().empty());
        EXPECT_EQ(probe.LastErrMsg(), TFFmpegLoader::LastErrMsg());
        EXPECT_FALSE(probe.AVLibLoaded());
    }
    TFFmpegLoader::SetLibraryPath(savedPath);
}

TEST_F(AVProbeTest, WithoutAFileEverythingIsMinusOneAndEmpty) {
    EXPECT_EQ(FProbe.StreamCount(), -1);
    EXPECT_EQ(FProbe.ProgramCount(), -1);
    EXPECT_EQ(FProbe.FileSize(), -1);
    EXPECT_EQ(FProbe.FirstVideoStreamIndex(), -1);
    EXPECT_EQ(FProbe.AudioStreamCount(), -1);
    EXPECT_EQ(FProbe.FileInfoText(), "");
    EXPECT_EQ(FProbe.LastErrMsg(), "file not loaded.");
    const TFileStreamInfo info = FProbe.FileStreamInfo();
    EXPECT_EQ(info.Duration, -1);
    EXPECT_EQ(info.BitRate, -1);
    EXPECT_EQ(info.Title, "");
    EXPECT_EQ(FProbe.FormatName(), "");
    EXPECT_FALSE(FProbe.IsVideoStream(0));
    EXPECT_EQ(FProbe.FirstVideoStreamInfo().Width, -1);
    EXPECT_EQ(FProbe.LastErrMsg(), "file not loaded.");
}

TEST_F(AVProbeTest, FailedLoadsSayWhyAndLeaveNoFile) {
    const auto& set = fixtures::Standard();
    Load(set.Mp4);
    EXPECT_FALSE(FProbe.LoadFile(set.Mp4, "nosuchformat"));
    EXPECT_EQ(FProbe.LastErrMsg(), "Unknown input format: nosuchformat");
    EXPECT_EQ(FProbe.FileHandle(), nullptr);
    EXPECT_EQ(FProbe.StreamCount(), -1);

    const std::string missing = set.Folder + "/missing.avi";
    EXPECT_FALSE(FProbe.LoadFile(missing));
    EXPECT_EQ(FProbe.LastErrMsg(), missing + ": No such file or directory");
    EXPECT_EQ(FProbe.FileHandle(), nullptr);
    EXPECT_EQ(FProbe.ForceFormat(), "");
}

TEST_F(AVProbeTest, ReportedProblemsAreLoggedWithTheirLevel) {
    SetMainThread();
    // Writing the fixtures (in whichever test process comes first) logs the encoders' own
    // messages, so they must exist before the logger listens.
    const std::string missing = fixtures::Standard().Folder + "/missing.avi";
    TFFLogger logger(nullptr);
    std::vector<std::pair<TLogLevel, std::string>> logged;
    logger.OnLog = [&logged](TObject*, std::uint32_t, TLogLevel level, const std::string& msg) {
        logged.emplace_back(level, msg);
    };
    FProbe.FileInfoText();
    FProbe.LoadFile(fixtures::Standard().Mp4, "nosuchformat"); // only stored
    FProbe.LoadFile(missing);
    Load(fixtures::Standard().Mp4);
    FProbe.FirstSubtitleStreamInfo();
    const std::vector<std::pair<TLogLevel, std::string>> expected = {
        { llWarning, "file not loaded." },
        { llError, missing + ": No such file or directory" },
        { llError, "no subtitle stream." },
    };
    EXPECT_EQ(logged, expected);
    logger.OnLog = nullptr;
}

TEST_F(AVProbeTest, CountsTheStreamsOfEachKind) {
    const auto& set = fixtures::Standard();
    struct Case {
        std::string File;
        const char* FormatName;
        int Streams, Video, Audio, FirstVideo, FirstAudio;
    };
    const Case cases[] = {
        { set.Vob, "mpeg", 2, 1, 1, 0, 1 },
        { set.Avi, "avi", 2, 1, 1, 0, 1 },
        { set.Mp4, "mov,mp4,m4a,3gp,3g2,mj2", 2, 1, 1, 0, 1 },
        { set.Mkv, "matroska,webm", 2, 1, 1, 0, 1 },
        { set.Mp3, "mp3", 1, 0, 1, -1, 0 },
        { set.Wav, "wav", 1, 0, 1, -1, 0 },
        { set.ChineseName, "mov,mp4,m4a,3gp,3g2,mj2", 2, 1, 1, 0, 1 },
    };
    for (const Case& c : cases) {
        Load(c.File);
        EXPECT_EQ(FProbe.FormatName(), c.FormatName) << c.File;
        EXPECT_EQ(FProbe.StreamCount(), c.Streams) << c.File;
        EXPECT_EQ(FProbe.VideoStreamCount(), c.Video) << c.File;
        EXPECT_EQ(FProbe.AudioStreamCount(), c.Audio) << c.File;
        EXPECT_EQ(FProbe.SubtitleStreamCount(), 0) << c.File;
        EXPECT_EQ(FProbe.FirstVideoStreamIndex(), c.FirstVideo) << c.File;
        EXPECT_EQ(FProbe.FirstAudioStreamIndex(), c.FirstAudio) << c.File;
        EXPECT_EQ(FProbe.FirstSubtitleStreamIndex(), -1) << c.File;
        EXPECT_EQ(FProbe.ProgramCount(), 0) << c.File;
        EXPECT_EQ(FProbe.FileSize(), std::int64_t(std::filesystem::file_size(c.File))) << c.File;
        // The Chinese name goes through the engine's own file handler and comes back whole.
        EXPECT_EQ(FProbe.FileName(), c.File);
    }
    Load(set.Wav);
    EXPECT_TRUE(FProbe.IsAudioStream(0));
    EXPECT_FALSE(FProbe.IsVideoStream(0));
    for (int index : { -1, 1 }) {
        EXPECT_FALSE(FProbe.IsVideoStream(index));
        EXPECT_EQ(FProbe.LastErrMsg(), Format("stream index #%d is invalid.", index));
    }
}

TEST_F(AVProbeTest, InformationTextDescribesFileAndStreams) {
    const auto& set = fixtures::Standard();
    struct Case {
        std::string File;
        std::string FormatLongName;
        bool HasStartTime;
        std::vector<std::string> StreamLineStarts; // in the order of the streams
        std::vector<std::string> StreamLineEnds;
    };
    const Case cases[] = {
        { set.Vob,
          "MPEG-PS (MPEG-2 Program Stream)",
          true,
          { "Stream #0[0x1e0], 1/90000: Video: mpeg2video",
            "Stream #1[0x1c0], 1/90000: Audio: mp2" },
          { ", 25 fps, 25 tbr, 90k tbn, StartTime: 0.540000, Duration: 00:00:02.000",
            ", Duration: 00:00:01.920" } },
        { set.Mp4,
          "QuickTime / MOV",
          true,
          { "Stream #0[0x1](und), 1/12800: Video: h264",
            "Stream #1[0x2](und), 1/44100: Audio: aac" },
          { ", 25 fps, 25 tbr, 12800 tbn, StartTime: 0.000000, Duration: 00:00:02.000",
            ", StartTime: 0.000000, Duration: 00:00:02.000" } },
        { set.Mkv,
          "Matroska / WebM",
          true,
          { "Stream #0, 1/1000: Video: h264", "Stream #1, 1/1000: Audio: aac" },
          { ", 25 fps, 25 tbr, 1k tbn, StartTime: 0.021000, Duration: N/A", ", Duration: N/A" } },
        { set.Wav,
          "WAV / WAVE (Waveform Audio)",
          false,
          { "Stream #0, 1/44100: Audio: pcm_s16le" },
          { "s16, 1411 kb/s, Duration: 00:00:02.000" } },
    };
    for (const Case& c : cases) {
        Load(c.File);
        const TFileStreamInfo info = FProbe.FileStreamInfo();
        const std::vector<std::string> lines = Lines(FProbe.FileInfoText());
        ASSERT_GE(lines.size(), 6u) << c.File;
        std::size_t n = 0;
        EXPECT_EQ(lines[n++], "File Name: " + c.File);
        EXPECT_EQ(lines[n++], "Format Name: " + FProbe.FormatName());
        EXPECT_EQ(lines[n++], "Format Long Name: " + c.FormatLongName);
        EXPECT_EQ(lines[n++], "File Size: " + SizeToText(FProbe.FileSize()));
        EXPECT_EQ(lines[n++], "Duration: " + DurationToText(info.Duration));
        if (c.HasStartTime) {
            EXPECT_EQ(lines[n++], Format("StartTime: %d.%.6d", info.StartTime / 1000000,
                                         info.StartTime % 1000000));
        }
        ASSERT_GT(info.BitRate, 0);
        EXPECT_EQ(lines[n++], Format("Bit Rate: %d kb/s", info.BitRate / 1000));
        std::vector<std::string> streamLines;
        for (; n < lines.size(); ++n)
            if (StartsWith(lines[n], "Stream #")) streamLines.push_back(lines[n]);
        ASSERT_EQ(streamLines.size(), c.StreamLineStarts.size()) << c.File;
        for (std::size_t i = 0; i < streamLines.size(); ++i) {
            EXPECT_TRUE(StartsWith(streamLines[i], c.StreamLineStarts[i])) << streamLines[i];
            EXPECT_TRUE(EndsWith(streamLines[i], c.StreamLineEnds[i])) << streamLines[i];
        }
    }
}

TEST_F(AVProbeTest, TagsShowAsMetadataBlocksAndLanguages) {
    Load(fixtures::Standard().Tagged);
    const std::vector<std::string> lines = Lines(FProbe.FileInfoText());
    const auto at = std::find(lines.begin(), lines.end(), "Metadata:");
    ASSERT_NE(at, lines.end());
    EXPECT_EQ(at[1], "  title           : Fixture Title");
    const auto streamLine = [&lines](int index) {
        const std::string prefix = "Stream #" + std::to_string(index);
        for (const std::string& line : lines)
            if (StartsWith(line, prefix)) return line;
        return std::string();
    };
    EXPECT_TRUE(StartsWith(streamLine(0), "Stream #0(eng), "));
    EXPECT_TRUE(StartsWith(streamLine(1), "Stream #1(chi), "));
    EXPECT_EQ(FProbe.FileStreamInfo().Title, "Fixture Title");
    EXPECT_EQ(FProbe.FirstVideoStreamInfo().Language, "eng");
    EXPECT_EQ(FProbe.FirstAudioStreamInfo().Language, "chi");
}

TEST_F(AVProbeTest, FileRecordReadsTheTags) {
    fixtures::MediaSpec spec;
    spec.Format = "mp3";
    spec.Extension = ".mp3";
    spec.AudioCodec = "libmp3lame";
    spec.Seconds = 0.5;
    spec.Metadata = { { "title", "T" },
                      { "author", "A" },
                      { "copyright", "C" },
                      { "comment", "Co" },
                      { "album", "Al" },
                      { "genre", "G" },
                      { "date", "2019-05-01" },
                      { "track", "3/12" },
                      { "creation_time", "2021-06-01T12:00:00.000000Z" } };
    const std::string path = std::filesystem::temp_directory_path() /
                             ("vc-probe-tags-" + std::to_string(getpid()) + ".mp3");
    fixtures::WriteMedia(path, spec);
    Load(path);
    const TFileStreamInfo info = FProbe.FileStreamInfo();
    EXPECT_EQ(info.Title, "T");
    EXPECT_EQ(info.Author, "A");
    EXPECT_EQ(info.Copyright, "C");
    EXPECT_EQ(info.Comment, "Co");
    EXPECT_EQ(info.Album, "Al");
    EXPECT_EQ(info.Genre, "G");
    EXPECT_EQ(info.Year, 2019);
    EXPECT_EQ(info.Track, 3);
    EXPECT_EQ(info.TimeStamp, 1622548800);
    const std::vector<std::string> lines = Lines(FProbe.FileInfoText());
    EXPECT_NE(std::find(lines.begin(), lines.end(),
                        "Time Stamp: " +
                            DateTimeText("yyyy-mm-dd hh:nn:ss", UnixTimeToLocal(1622548800))),
              lines.end());
    FProbe.CloseFile();
    std::filesystem::remove(path);

    // Files without those tags report -1 and show no time stamp.
    Load(fixtures::Standard().Wav);
    const TFileStreamInfo untagged = FProbe.FileStreamInfo();
    EXPECT_EQ(untagged.TimeStamp, -1);
    EXPECT_EQ(untagged.Year, -1);
    EXPECT_EQ(untagged.Track, -1);
    EXPECT_EQ(untagged.StartTime, -1);
    EXPECT_EQ(FProbe.FileInfoText().find("Time Stamp"), std::string::npos);
}

TEST_F(AVProbeTest, ProgramsListTheirStreamsFirst) {
    fixtures::MediaSpec spec;
    spec.Format = "mpegts";
    spec.Extension = ".ts";
    spec.VideoCodec = "mpeg2video";
    spec.AudioCodec = "mp2";
    spec.SampleRate = 48000;
    spec.Seconds = 0.5;
    const std::string path = std::filesystem::temp_directory_path() /
                             ("vc-probe-programs-" + std::to_string(getpid()) + ".ts");
    fixtures::WriteMedia(path, spec);
    Load(path);
    EXPECT_EQ(FProbe.ProgramCount(), 1);
    const std::vector<std::string> lines = Lines(FProbe.FileInfoText());
    std::vector<std::string> tail;
    for (const std::string& line : lines)
        if (StartsWith(line, "Program ") || StartsWith(line, "Stream #") || !tail.empty())
            tail.push_back(line);
    ASSERT_GE(tail.size(), 3u);
    EXPECT_EQ(tail[0], "Program 1 FFmpeg@Service01");
    const auto at = std::find_if(tail.begin(), tail.end(),
                                 [](const std::string& l) { return StartsWith(l, "Stream #"); });
    ASSERT_NE(at, tail.end());
    // The program's streams carry the transport stream's ids, and none is shown twice.
    EXPECT_TRUE(StartsWith(at[0], "Stream #0[0x100], 1/90000: Video: mpeg2video")) << at[0];
    EXPECT_TRUE(StartsWith(at[1], "Stream #1[0x101]")) << at[1];
    EXPECT_EQ(std::count_if(tail.begin(), tail.end(),
                            [](const std::string& l) { return StartsWith(l, "Stream #"); }),
              2);
    FProbe.CloseFile();
    std::filesystem::remove(path);
}

TEST_F(AVProbeTest, StreamRecordsCarryTheStreamValues) {
    Load(fixtures::Standard().Mp4);
    const TVideoStreamInfo video = FProbe.FirstVideoStreamInfo();
    EXPECT_TRUE(StartsWith(video.CodecName, "h264")) << video.CodecName;
    EXPECT_EQ(video.Language, "und");
    EXPECT_EQ(video.Width, 160);
    EXPECT_EQ(video.Height, 120);
    EXPECT_FLOAT_EQ(video.AspectRatio, 160.0f / 120.0f);
    EXPECT_EQ(video.PixFmt, AV_PIX_FMT_YUV420P);
    EXPECT_EQ(video.FrameRate.num, 25);
    EXPECT_EQ(video.FrameRate.den, 1);
    EXPECT_EQ(video.StartTime, 0);
    EXPECT_EQ(video.Duration, 2 * 12800); // in the stream's time base
    EXPECT_EQ(video.DurationScaled, 2000000);
    EXPECT_GT(video.BitRate, 0);

    const TAudioStreamInfo audio = FProbe.FirstAudioStreamInfo();
    EXPECT_TRUE(StartsWith(audio.CodecName, "aac")) << audio.CodecName;
    EXPECT_EQ(audio.Channels, 2);
    EXPECT_EQ(audio.SampleRate, 44100);
    EXPECT_EQ(audio.SampleFormat, AV_SAMPLE_FMT_FLTP);
    EXPECT_EQ(audio.DurationScaled, 2000000);

    // The Matroska streams give no duration of their own.
    Load(fixtures::Standard().Mkv);
    const TVideoStreamInfo mkv = FProbe.FirstVideoStreamInfo();
    EXPECT_EQ(mkv.Duration, AV_NOPTS_VALUE);
    EXPECT_EQ(mkv.DurationScaled, -1);
    EXPECT_EQ(mkv.StartTimeScaled, 21000);
}

TEST_F(AVProbeTest, StreamRecordsOfAMissingOrWrongStreamAreEmpty) {
    Load(fixtures::Standard().Mp4);
    struct Case {
        std::function<bool(TCustomAVProbe&)> Empty;
        const char* Message;
    };
    const Case cases[] = {
        { [](TCustomAVProbe& p) { return p.FirstSubtitleStreamInfo().CodecName.empty(); },
          "no subtitle stream." },
        { [](TCustomAVProbe& p) { return p.VideoStreamInfo(1).Width == -1; },
          "stream #1 is not video stream." },
        { [](TCustomAVProbe& p) { return p.AudioStreamInfo(0).SampleRate == -1; },
          "stream #0 is not audio stream." },
        { [](TCustomAVProbe& p) { return p.SubtitleStreamInfo(1).Language.empty(); },
          "stream #1 is not subtitle stream." },
        { [](TCustomAVProbe& p) { return p.AudioStreamInfo(2).Channels == -1; },
          "stream index #2 is invalid." },
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(c.Empty(FProbe)) << c.Message;
        EXPECT_EQ(FProbe.LastErrMsg(), c.Message);
    }
    Load(fixtures::Standard().Mp3);
    const TVideoStreamInfo none = FProbe.FirstVideoStreamInfo();
    EXPECT_EQ(FProbe.LastErrMsg(), "no video stream.");
    EXPECT_EQ(none.Width, -1);
    EXPECT_EQ(none.Duration, -1);
    EXPECT_EQ(none.FrameRate.num, -1);
    EXPECT_FLOAT_EQ(none.AspectRatio, -1.0f);
}

TEST_F(AVProbeTest, ForcedFormatIsRemembered) {
    const auto& set = fixtures::Standard();
    Load(set.Mp4);
    EXPECT_EQ(FProbe.ForceFormat(), "");
    ASSERT_TRUE(FProbe.LoadFile(set.Wav, "wav")) << FProbe.LastErrMsg();
    EXPECT_EQ(FProbe.ForceFormat(), "wav");
    FProbe.CloseFile();
    EXPECT_EQ(FProbe.ForceFormat(), "");
}

TEST_F(AVProbeTest, AnAttachedContextIsReadAndLeftOpen) {
    Load(fixtures::Standard().Vob);
    TCustomAVProbe reader(nullptr);
    reader.SetFileHandle(FProbe.FileHandle());
    EXPECT_EQ(reader.StreamCount(), 2);
    EXPECT_EQ(reader.FileInfoText(), FProbe.FileInfoText());
    reader.CloseFile();
    EXPECT_EQ(reader.StreamCount(), -1);
    EXPECT_NE(FProbe.FileHandle(), nullptr);
    EXPECT_EQ(FProbe.StreamCount(), 2);
}

TEST_F(AVProbeTest, RateTextKeepsOnlyTheDigitsTheRateHas) {
    const std::pair<double, const char*> cases[] = {
        { 25.0, ", 25 fps" },     { 30000.0 / 1001.0, ", 29.97 fps" }, { 23.976, ", 23.98 fps" },
        { 90000.0, ", 90k fps" }, { 12800.0, ", 12800 fps" },          { 1000.0, ", 1k fps" },
        { 0.5, ", 0.50 fps" },    { 100000.0, ", 100k fps" },          { 1200000.0, ", 1200k fps" },
    };
    for (const auto& [rate, text] : cases)
        EXPECT_EQ(RateText(rate, "fps"), text) << rate;
}

TEST_F(AVProbeTest, MetadataBlockNamesID3KeysAndLeavesOutTheLanguage) {
    struct Case {
        std::vector<std::pair<const char*, const char*>> Tags;
        const char* Indent;
        const char* Block;
    };
    const Case cases[] = {
        { {}, "", "" },
        { { { "language", "eng" } }, "  ", "" },
        { { { "language", "eng" }, { "title", "Clip" } },
          "  ",
          "  Metadata:\r\n    title           : Clip\r\n" },
        { { { "TIT2", "Song" }, { "TPE1", "Singer" }, { "TXXX", "x" }, { "tit2", "lower" } },
          "",
          "Metadata:\r\n  title           : Song\r\n  artist          : Singer\r\n"
          "  TXXX            : x\r\n  tit2            : lower\r\n" },
        { { { "a_very_long_key_name", "v" } }, "", "Metadata:\r\n  a_very_long_key_name: v\r\n" },
    };
    for (const Case& c : cases) {
        AVDictionary* raw = nullptr;
        for (const auto& [key, value] : c.Tags)
            av::av_dict_set(&raw, key, value, AV_DICT_MATCH_CASE);
        DictionaryPtr tags(raw);
        EXPECT_EQ(MetadataBlock(tags.get(), c.Indent), c.Block);
    }
    EXPECT_EQ(ID3v2KeyName("TYER"), "year");
    EXPECT_EQ(ID3v2KeyName("TRK"), "track");
    EXPECT_EQ(ID3v2KeyName("Tyer"), "Tyer");
}

} // namespace
