#include "Src/AVProbe.h"

#include "Src/FFmpegLoader.h"
#include "platform/gfx/TBitmap.h"
#include "platform/rtl/Exception.h"
#include "tests/fixtures/FixtureSet.h"
#include "tests/fixtures/MediaWriter.h"
#include "tests/fixtures/TestPattern.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace {

constexpr std::int64_t kFrame = 40000; // microseconds of one frame at 25 fps

// The frame number drawn into the picture the grabber holds, read through CopyToBitmap.
int FrameCodeOf(TAVProbe& probe) {
    TBitmap bitmap;
    if (!probe.CopyToBitmap(bitmap)) return -2;
    const int bytes = bitmap.PixelFormat() == pf32bit ? 4 : 3;
    return fixtures::ReadFrameCode(bitmap.Width(), bitmap.Height(), [&](int x, int y) {
        const auto* row = static_cast<const std::uint8_t*>(bitmap.ScanLine(y));
        const std::uint8_t* pixel = row + x * bytes;
        return fixtures::Rgb{ pixel[2], pixel[1], pixel[0] };
    });
}

// A 24-bit BMP file of one colour.
void WriteBmp(const std::string& path, int width, int height, fixtures::Rgb colour) {
    const int rowBytes = (width * 3 + 3) / 4 * 4;
    const std::uint32_t imageSize = std::uint32_t(rowBytes * height);
    std::string file(54 + imageSize, '\0');
    const auto put = [&file](std::size_t at, std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            file[at + i] = char((value >> (8 * i)) & 0xFF);
    };
    file[0] = 'B';
    file[1] = 'M';
    put(2, std::uint32_t(file.size()), 4);
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, std::uint32_t(width), 4);
    put(22, std::uint32_t(height), 4);
    put(26, 1, 2);
    put(28, 24, 2);
    put(34, imageSize, 4);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::size_t at = 54 + std::size_t(y * rowBytes + x * 3);
            file[at] = char(colour.B);
            file[at + 1] = char(colour.G);
            file[at + 2] = char(colour.R);
        }
    std::ofstream(path, std::ios::binary) << file;
}

class FrameGrabberTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Loaded for the whole run: the probes free their library objects when they go, after
        // TearDown.
        ASSERT_TRUE(GlobalLoader().Load(AVProbeLibraries)) << TFFmpegLoader::LastErrMsg();
    }

    // The GOP-10 file: 75 frames, a key frame every 10.
    void LoadGop10() {
        ASSERT_TRUE(FProbe.LoadFile(fixtures::Standard().Gop10)) << FProbe.LastErrMsg();
    }

    TAVProbe FProbe{ nullptr };
};

TEST_F(FrameGrabberTest, DecodesEveryPictureInOrderWithItsTimeAndKind) {
    LoadGop10();
    const int frameCount = 75;
    int decoded = 0;
    while (FProbe.Decode()) {
        const TFrameInfo& info = FProbe.FrameInfo();
        ASSERT_EQ(FrameCodeOf(FProbe), decoded);
        EXPECT_EQ(info.PTS, decoded * kFrame) << decoded;
        EXPECT_EQ(info.IsKeyFrame, decoded % 10 == 0) << decoded;
        EXPECT_EQ(info.Width, 160);
        EXPECT_EQ(info.Height, 120);
        EXPECT_EQ(info.StreamIndex, FProbe.FirstVideoStreamIndex());
        ++decoded;
    }
    // The pictures the decoder still held at the end of the input come out too.
    EXPECT_EQ(decoded, frameCount);
    EXPECT_TRUE(FProbe.Eof());
    EXPECT_EQ(FProbe.LastErrMsg(), "stream eof reached.");
    EXPECT_FALSE(FProbe.Decode());
}

TEST_F(FrameGrabberTest, SeekLandsOnTheKeyFrameAndDecodingForwardReachesTheExactFrame) {
    LoadGop10();
    for (int frame : { 0, 7, 10, 25, 50, 59, 70 }) {
        const std::int64_t time = frame * kFrame;
        ASSERT_TRUE(FProbe.Seek(time, { sfBackward })) << frame << ": " << FProbe.LastErrMsg();
        EXPECT_FALSE(FProbe.FrameInfo().Ready);
        ASSERT_TRUE(FProbe.Decode()) << frame << ": " << FProbe.LastErrMsg();
        EXPECT_EQ(FrameCodeOf(FProbe), frame / 10 * 10) << frame;
        EXPECT_TRUE(FProbe.FrameInfo().IsKeyFrame) << frame;
        while (FProbe.FrameInfo().PTS < time)
            ASSERT_TRUE(FProbe.Decode()) << frame;
        EXPECT_EQ(FProbe.FrameInfo().PTS, time) << frame;
        EXPECT_EQ(FrameCodeOf(FProbe), frame);
    }
}

TEST_F(FrameGrabberTest, StepsToTheNextAndPreviousKeyFramesAndFrames) {
    LoadGop10();
    // With no picture yet the next key frame is searched from one frame in.
    ASSERT_TRUE(FProbe.DecodeNextKeyFrame()) << FProbe.LastErrMsg();
    EXPECT_EQ(FrameCodeOf(FProbe), 10);
    ASSERT_TRUE(FProbe.DecodeNextKeyFrame()) << FProbe.LastErrMsg();
    EXPECT_EQ(FrameCodeOf(FProbe), 20);

    ASSERT_TRUE(FProbe.Seek(25 * kFrame, { sfBackward }));
    while (FProbe.Decode() && FProbe.FrameInfo().PTS < 25 * kFrame) {}
    ASSERT_EQ(FrameCodeOf(FProbe), 25);
    ASSERT_TRUE(FProbe.DecodePreviousFrame()) << FProbe.LastErrMsg();
    EXPECT_EQ(FrameCodeOf(FProbe), 24);
    ASSERT_TRUE(FProbe.DecodePreviousKeyFrame()) << FProbe.LastErrMsg();
    EXPECT_EQ(FrameCodeOf(FProbe), 20);
    // From a key frame the previous one is a whole group back.
    ASSERT_TRUE(FProbe.DecodePreviousKeyFrame()) << FProbe.LastErrMsg();
    EXPECT_EQ(FrameCodeOf(FProbe), 10);
    ASSERT_TRUE(FProbe.DecodePreviousFrame()) << FProbe.LastErrMsg();
    EXPECT_EQ(FrameCodeOf(FProbe), 9);
    EXPECT_EQ(FProbe.FrameInfo().PTS, 9 * kFrame);
}

TEST_F(FrameGrabberTest, PreviousKeyFrameOfTheFirstPictureIsThatPicture) {
    LoadGop10();
    ASSERT_TRUE(FProbe.Decode());
    ASSERT_TRUE(FProbe.DecodePreviousKeyFrame()) << FProbe.LastErrMsg();
    EXPECT_EQ(FrameCodeOf(FProbe), 0);
}

TEST_F(FrameGrabberTest, SeekBeyondTheEndEndsDecodingUntilTheNextSeek) {
    const auto& set = fixtures::Standard();
    for (const std::string& file : { set.Vob, set.Avi, set.Mp4, set.Mkv }) {
        ASSERT_TRUE(FProbe.LoadFile(file)) << FProbe.LastErrMsg();
        ASSERT_TRUE(FProbe.Decode()) << file;
        // Demuxers that seek by their index only find the end at the next read.
        if (FProbe.Seek(60 * 1000000LL, {})) {
            EXPECT_FALSE(FProbe.Decode()) << file;
        } else if (!FProbe.Eof()) {
            // A demuxer that refuses the time keeps reading where it was.
            EXPECT_EQ(FProbe.LastErrMsg(), "could not seek to position 60.000 seconds") << file;
            continue;
        }
        EXPECT_TRUE(FProbe.Eof()) << file << ": " << FProbe.LastErrMsg();
        EXPECT_FALSE(FProbe.Decode()) << file;
        EXPECT_EQ(FProbe.LastErrMsg(), "stream eof reached.") << file;
        ASSERT_TRUE(FProbe.Seek(0, {})) << file << ": " << FProbe.LastErrMsg();
        EXPECT_FALSE(FProbe.Eof());
        ASSERT_TRUE(FProbe.Decode()) << file << ": " << FProbe.LastErrMsg();
        EXPECT_EQ(FrameCodeOf(FProbe), 0) << file;
    }
}

TEST_F(FrameGrabberTest, ReportsWhyItCannotDecode) {
    const auto& set = fixtures::Standard();
    ASSERT_TRUE(FProbe.LoadFile(set.Mp3)) << FProbe.LastErrMsg();
    EXPECT_FALSE(FProbe.Decode());
    EXPECT_EQ(FProbe.LastErrMsg(), "no video stream.");

    ASSERT_TRUE(FProbe.LoadFile(set.Mp4));
    const int audio = FProbe.FirstAudioStreamIndex();
    EXPECT_FALSE(FProbe.Decode(audio));
    EXPECT_EQ(FProbe.LastErrMsg(), "stream #" + std::to_string(audio) + " is not video stream.");
    EXPECT_FALSE(FProbe.Decode(FProbe.StreamCount()));
    EXPECT_EQ(FProbe.LastErrMsg(),
              "stream index #" + std::to_string(FProbe.StreamCount()) + " is invalid.");

    TBitmap bitmap;
    EXPECT_FALSE(FProbe.CopyToBitmap(bitmap));
    EXPECT_EQ(FProbe.LastErrMsg(), "picture not ready, please decode first");

    TAVProbe empty(nullptr);
    EXPECT_FALSE(empty.Decode());
    EXPECT_EQ(empty.LastErrMsg(), "file not loaded.");
    EXPECT_FALSE(empty.Seek(0, {}));
    EXPECT_EQ(empty.Position(), -1);
}

TEST_F(FrameGrabberTest, AnAttachedContextCannotBeDecoded) {
    ASSERT_TRUE(FProbe.LoadFile(fixtures::Standard().Mp4));
    TAVProbe reader(nullptr);
    reader.SetFileHandle(FProbe.FileHandle());
    EXPECT_EQ(reader.VideoStreamCount(), 1);
    try {
        reader.Decode();
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "file cannot be seeked, handle is readonly.");
    }
    // Detaching leaves the owner's context open and usable.
    reader.SetFileHandle(nullptr);
    ASSERT_TRUE(FProbe.Decode()) << FProbe.LastErrMsg();
    EXPECT_EQ(FrameCodeOf(FProbe), 0);
}

TEST_F(FrameGrabberTest, CopiesThePictureWithItsColours) {
    ASSERT_TRUE(FProbe.LoadFile(fixtures::Standard().Vob));
    ASSERT_TRUE(FProbe.Decode()) << FProbe.LastErrMsg();
    TBitmap bitmap;
    ASSERT_TRUE(FProbe.CopyToBitmap(bitmap));
    ASSERT_EQ(bitmap.Width(), 160);
    ASSERT_EQ(bitmap.Height(), 120);
    const int bytes = bitmap.PixelFormat() == pf32bit ? 4 : 3;
    const int y = fixtures::BarsHeight(120) / 2;
    const auto* row = static_cast<const std::uint8_t*>(bitmap.ScanLine(y));
    for (int bar = 0; bar < fixtures::BarCount; ++bar) {
        const int x = fixtures::BarCentre(bar, 160);
        const fixtures::Rgb expected = fixtures::ExpectedBarColour(x, 160);
        const std::uint8_t* pixel = row + x * bytes;
        EXPECT_NEAR(pixel[2], expected.R, 24) << bar;
        EXPECT_NEAR(pixel[1], expected.G, 24) << bar;
        EXPECT_NEAR(pixel[0], expected.B, 24) << bar;
    }
}

TEST_F(FrameGrabberTest, AnImageSequenceKeepsItsPictureAndCannotSeek) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("vc-grabber-images-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    for (int i = 1; i <= 3; ++i)
        WriteBmp((folder / ("img00" + std::to_string(i) + ".bmp")).string(), 32, 16,
                 { 200, 40, 10 });
    ASSERT_TRUE(FProbe.LoadFile((folder / "img%03d.bmp").string())) << FProbe.LastErrMsg();
    EXPECT_EQ(FProbe.FormatName(), "image2");
    EXPECT_FALSE(FProbe.Seek(0, {}));
    EXPECT_EQ(FProbe.LastErrMsg(), "\"image2\" format cannot to be seeked.");
    ASSERT_TRUE(FProbe.Decode()) << FProbe.LastErrMsg();
    const std::int64_t position = FProbe.Position();
    ASSERT_TRUE(FProbe.Decode());
    EXPECT_EQ(FProbe.Position(), position);
    EXPECT_EQ(FProbe.FrameInfo().PTS, 0);
    TBitmap bitmap;
    ASSERT_TRUE(FProbe.CopyToBitmap(bitmap));
    ASSERT_EQ(bitmap.Width(), 32);
    ASSERT_EQ(bitmap.Height(), 16);
    const int bytes = bitmap.PixelFormat() == pf32bit ? 4 : 3;
    const auto* pixel = static_cast<const std::uint8_t*>(bitmap.ScanLine(8)) + bytes * 16;
    EXPECT_NEAR(pixel[2], 200, 2);
    EXPECT_NEAR(pixel[1], 40, 2);
    EXPECT_NEAR(pixel[0], 10, 2);
    FProbe.CloseFile();
    std::filesystem::remove_all(folder);
}

TEST_F(FrameGrabberTest, PreviousKeyFrameSearchEndsWhenNothingLiesBefore) {
    // A transport stream cut in the middle of a group of pictures: the stream starts with
    // pictures that cannot be decoded, so its first picture lies well after its start and every
    // seek back finds that same picture again.
    fixtures::MediaSpec spec;
    spec.Format = "mpegts";
    spec.Extension = ".ts";
    spec.VideoCodec = "libx264";
    spec.GopSize = 25;
    spec.MaxBFrames = 0;
    spec.Seconds = 3.0;
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("vc-grabber-cut-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::string whole = (folder / "whole.ts").string();
    fixtures::WriteMedia(whole, spec);
    std::ifstream in(whole, std::ios::binary);
    const std::string bytes{ std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
    const std::string cut = (folder / "cut.ts").string();
    const std::size_t packetSize = 188;
    std::ofstream(cut, std::ios::binary)
        << bytes.substr(bytes.size() / packetSize / 6 * packetSize);

    ASSERT_TRUE(FProbe.LoadFile(cut)) << FProbe.LastErrMsg();
    ASSERT_TRUE(FProbe.Decode()) << FProbe.LastErrMsg();
    const int first = FrameCodeOf(FProbe);
    ASSERT_GT(first, 0);
    ASSERT_GT(FProbe.FrameInfo().PTS, 0);
    EXPECT_FALSE(FProbe.DecodePreviousKeyFrame());
    EXPECT_EQ(FProbe.LastErrMsg().rfind("Could not seek to the previous key-frame. ", 0), 0u)
        << FProbe.LastErrMsg();
    EXPECT_EQ(FrameCodeOf(FProbe), first);
    FProbe.CloseFile();
    std::filesystem::remove_all(folder);
}

} // namespace
