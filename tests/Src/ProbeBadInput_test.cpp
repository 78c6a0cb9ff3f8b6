#include "Src/AVProbe.h"

#include "Src/AVUtilStubs.h"
#include "Src/FFmpegLoader.h"
#include "platform/gfx/TBitmap.h"
#include "tests/fixtures/FixtureSet.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

void WriteAll(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

class ProbeBadInputTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Loaded for the whole run: the probe frees its library objects when it goes, after
        // TearDown.
        ASSERT_TRUE(GlobalLoader().Load(AVProbeLibraries)) << TFFmpegLoader::LastErrMsg();
        FFolder = fs::temp_directory_path() / ("vc-probe-bad-" + std::to_string(getpid()));
        fs::create_directories(FFolder);
    }
    void TearDown() override {
        FProbe.CloseFile();
        fs::permissions(FFolder, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(FFolder);
    }

    std::string PathOf(const std::string& name) const { return (FFolder / name).string(); }

    // Whatever a damaged file gives, every operation ends: decoding stops at the end of the
    // input, and the steps back and forth give up when they find nothing.
    void ExerciseEverything(const std::string& file) {
        SCOPED_TRACE(file);
        EXPECT_FALSE(FProbe.FileInfoText().empty());
        FProbe.FirstVideoStreamInfo();
        FProbe.FirstAudioStreamInfo();
        if (FProbe.VideoStreamCount() < 1) return;
        int pictures = 0;
        TBitmap bitmap;
        while (FProbe.Decode()) {
            ++pictures;
            ASSERT_LT(pictures, 10000) << "decoding never ends";
            FProbe.CopyToBitmap(bitmap);
        }
        EXPECT_TRUE(FProbe.Eof() || !FProbe.LastErrMsg().empty());
        FProbe.Seek(1000000, { sfBackward });
        FProbe.Decode();
        FProbe.DecodeNextKeyFrame();
        FProbe.DecodePreviousFrame();
        FProbe.DecodePreviousKeyFrame();
        FProbe.Seek(FProbe.FileSize() / 2, { sfByte });
        FProbe.Decode();
    }

    fs::path FFolder;
    TAVProbe FProbe{ nullptr };
};

TEST_F(ProbeBadInputTest, FilesThatAreNoMediaFailWithTheirNameAndReason) {
    WriteAll(FFolder / "empty.avi", "");
    WriteAll(FFolder / "text.avi", "This is a text file and no video at all.\n");
    fs::create_directories(FFolder / "folder.avi");
    const std::pair<std::string, std::string> cases[] = {
        { PathOf("empty.avi"), "the file is empty, not a media file" },
        { PathOf("text.avi"), "not a media file" },
        { PathOf("folder.avi"), "is a folder, not a media file" },
    };
    for (const auto& [file, reason] : cases) {
        EXPECT_FALSE(FProbe.LoadFile(file)) << file;
        EXPECT_EQ(FProbe.LastErrMsg(), file + ": " + reason);
        EXPECT_EQ(FProbe.FileHandle(), nullptr) << file;
        EXPECT_EQ(FProbe.StreamCount(), -1) << file;
        EXPECT_FALSE(FProbe.Decode());
        EXPECT_EQ(FProbe.LastErrMsg(), "file not loaded.");
    }
}

TEST_F(ProbeBadInputTest, AnUnreadableFileFails) {
    const fs::path file = FFolder / "locked.vob";
    fs::copy_file(fixtures::Standard().Vob, file);
    fs::permissions(file, fs::perms::none);
    if (access(file.c_str(), R_OK) != 0) {
        EXPECT_FALSE(FProbe.LoadFile(file.string()));
        EXPECT_EQ(FProbe.LastErrMsg(), file.string() + ": permission denied");
    }
    // Opens for anyone, but its first bytes cannot be read.
    EXPECT_FALSE(FProbe.LoadFile("/proc/self/mem"));
    EXPECT_EQ(FProbe.LastErrMsg(), "/proc/self/mem: I/O error");
}

TEST_F(ProbeBadInputTest, TruncatedFilesLoadOrFailAndNeverHang) {
    const auto& set = fixtures::Standard();
    for (const std::string& source : { set.Vob, set.Avi, set.Mp4, set.Mkv, set.Gop10 }) {
        const std::string bytes = ReadAll(source);
        for (double part : { 0.05, 0.5, 0.9 }) {
            const std::string file = PathOf("cut-" + std::to_string(int(part * 100)) +
                                            fs::path(source).extension().string());
            WriteAll(file, bytes.substr(0, std::size_t(double(bytes.size()) * part)));
            if (FProbe.LoadFile(file))
                ExerciseEverything(file);
            else
                EXPECT_EQ(FProbe.LastErrMsg().rfind(file, 0), 0u) << FProbe.LastErrMsg();
        }
    }
}

TEST_F(ProbeBadInputTest, GarbageInTheMiddleIsDecodedAroundAndNeverHangs) {
    const auto& set = fixtures::Standard();
    std::mt19937 random(20261210);
    for (const std::string& source : { set.Vob, set.Avi, set.Mp4, set.Mkv, set.Gop10, set.Mp3 }) {
        std::string bytes = ReadAll(source);
        // A stretch of noise from a third to two thirds of the file.
        for (std::size_t i = bytes.size() / 3; i < bytes.size() * 2 / 3; ++i)
            bytes[i] = char(random());
        const std::string file = PathOf("noisy" + fs::path(source).extension().string());
        WriteAll(file, bytes);
        if (FProbe.LoadFile(file))
            ExerciseEverything(file);
        else
            EXPECT_EQ(FProbe.LastErrMsg().rfind(file, 0), 0u) << FProbe.LastErrMsg();
    }
}

TEST_F(ProbeBadInputTest, ScatteredDamageIsDecodedAround) {
    const auto& set = fixtures::Standard();
    std::mt19937 random(7);
    for (const std::string& source : { set.Vob, set.Avi, set.Mkv, set.Gop10 }) {
        std::string bytes = ReadAll(source);
        // Single damaged bytes after the headers, the way a bad sector or transfer leaves them.
        for (int i = 0; i < 200; ++i)
            bytes[bytes.size() / 4 + random() % (bytes.size() / 2)] = char(random());
        const std::string file = PathOf("damaged" + fs::path(source).extension().string());
        WriteAll(file, bytes);
        if (FProbe.LoadFile(file)) ExerciseEverything(file);
    }
}

} // namespace
