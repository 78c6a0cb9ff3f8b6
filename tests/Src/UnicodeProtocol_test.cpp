#include "Src/UnicodeProtocol.h"

#include "Src/FFmpegLoader.h"
#include "platform/rtl/FilePath.h"
#include "tests/fixtures/FixtureSet.h"

#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

// The tests run under the C locale, whose character set holds ASCII only.
class UnicodeProtocolTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_STREQ(std::setlocale(LC_CTYPE, nullptr), "C");
        ASSERT_TRUE(GlobalLoader().Load(AVProbeLibraries)) << TFFmpegLoader::LastErrMsg();
        FFolder =
            std::filesystem::temp_directory_path() / ("vc-unicode-" + std::to_string(getpid()));
        std::filesystem::create_directories(FFolder);
    }
    void TearDown() override { std::filesystem::remove_all(FFolder); }

    std::string PathOf(const std::string& name) const { return (FFolder / name).string(); }

    std::filesystem::path FFolder;
};

TEST_F(UnicodeProtocolTest, NamesTheLocaleCannotHoldGoThroughTheHandler) {
    struct Case {
        const char* Name;
        const char* ToAV;
    };
    const Case cases[] = {
        { "/videos/a.avi", "/videos/a.avi" },
        { "/视频/a.avi", "unicode:utf8:/视频/a.avi" },
        { "http://host/视频.avi", "http://host/视频.avi" },
        { "udp://239.0.0.1:1234", "udp://239.0.0.1:1234" },
        { "tcp://h:1/视", "tcp://h:1/视" },
        { "rtp://h/视", "rtp://h/视" },
        { "pipe:0", "pipe:0" },
        { "gopher://h/视", "gopher://h/视" },
        { "stream:视", "stream:视" },
        { "unicode:utf8:/视频/a.avi", "unicode:utf8:/视频/a.avi" },
        { "HTTP://host/视频.avi", "unicode:utf8:HTTP://host/视频.avi" },
        { "file:/视频/a.avi", "unicode:utf8:/视频/a.avi" },
        { "file:/videos/a.avi", "file:/videos/a.avi" },
        { "relative/a.avi", "relative/a.avi" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(FileNameToAV(c.Name), c.ToAV) << c.Name;
    EXPECT_FALSE(NeedsUnicodeName("/videos/a.avi"));
    EXPECT_TRUE(NeedsUnicodeName("/视频/a.avi"));
    EXPECT_FALSE(NeedsUnicodeName("http://视频"));
}

TEST_F(UnicodeProtocolTest, RelativeNameWithAColonBecomesAbsolute) {
    // Otherwise the libraries would read "C" or "clip" as a protocol name.
    for (const char* name : { "C:/videos/a.avi", "clip:1.avi", "a:" }) {
        const std::string av = FileNameToAV(name);
        EXPECT_EQ(av, ExpandFileName(name)) << name;
        EXPECT_EQ(av.front(), '/') << name;
    }
}

TEST_F(UnicodeProtocolTest, UnderAUtf8LocaleEveryNameFits) {
    ASSERT_NE(std::setlocale(LC_CTYPE, "C.UTF-8"), nullptr);
    EXPECT_FALSE(NeedsUnicodeName("/视频/a.avi"));
    EXPECT_EQ(FileNameToAV("/视频/a.avi"), "/视频/a.avi");
    std::setlocale(LC_CTYPE, "C");
}

TEST_F(UnicodeProtocolTest, NamesComeBackFromTheLibraries) {
    const std::pair<const char*, bool> isUnicode[] = {
        { "unicode:utf8:", false },   { "unicode:utf8:x", true }, { "unicode:utf8", false },
        { "Unicode:utf8:/a", false }, { "/a.avi", false },
    };
    for (const auto& [text, expected] : isUnicode)
        EXPECT_EQ(IsUnicodeName(text), expected) << text;
    const std::pair<const char*, const char*> fromAV[] = {
        { "unicode:utf8:/视频/a.avi", "/视频/a.avi" },
        { "unicode:utf8:C:/视频/a.avi", "C:/视频/a.avi" },
        { "/videos/a.avi", "/videos/a.avi" },
        { "http://host/a.avi", "http://host/a.avi" },
    };
    for (const auto& [av, name] : fromAV)
        EXPECT_EQ(FileNameFromAV(av), name) << av;
    for (const char* name : { "/视频/电影 1.avi", "/videos/plain.avi" })
        EXPECT_EQ(FileNameFromAV(FileNameToAV(name)), name);
}

TEST_F(UnicodeProtocolTest, ChineseNamedFileOpensAndProbes) {
    const std::string& name = fixtures::Standard().ChineseName;
    const std::string url = FileNameToAV(name);
    ASSERT_TRUE(IsUnicodeName(url)) << url;
    AVFormatContext* context = nullptr;
    ASSERT_EQ(AVOpenInput(&context, url, nullptr, nullptr), 0);
    EXPECT_TRUE(IsUnicodeIO(context->pb));
    ASSERT_GE(av::avformat_find_stream_info(context, nullptr), 0);
    EXPECT_EQ(context->nb_streams, 2u);
    EXPECT_GT(context->duration, 1000000);
    EXPECT_EQ(FileNameFromAV(context->url), name);
    AVPacket* packet = av::av_packet_alloc();
    int packets = 0;
    while (av::av_read_frame(context, packet) >= 0) {
        ++packets;
        av::av_packet_unref(packet);
    }
    av::av_packet_free(&packet);
    EXPECT_GT(packets, 50);
    // Seeking back to the start works through the handler.
    EXPECT_GE(av::av_seek_frame(context, -1, 0, AVSEEK_FLAG_BACKWARD), 0);
    AVCloseInput(&context);
    EXPECT_EQ(context, nullptr);
}

TEST_F(UnicodeProtocolTest, MissingChineseNamedFileReportsNoSuchFile) {
    AVFormatContext* context = nullptr;
    EXPECT_EQ(AVOpenInput(&context, FileNameToAV(PathOf("没有.avi")), nullptr, nullptr),
              AVERROR(ENOENT));
    EXPECT_EQ(context, nullptr);
    AVIOContext* io = nullptr;
    EXPECT_EQ(AVOpenIO(&io, FileNameToAV(PathOf("没有/x.bin")), AVIO_FLAG_WRITE, nullptr, nullptr),
              AVERROR(ENOENT));
    EXPECT_EQ(io, nullptr);
}

TEST_F(UnicodeProtocolTest, UnreadableFileIsAnErrorNotACrash) {
    const std::string name = PathOf("损坏.avi");
    std::ofstream(name) << "no media here at all";
    AVFormatContext* context = nullptr;
    EXPECT_LT(AVOpenInput(&context, FileNameToAV(name), nullptr, nullptr), 0);
    EXPECT_EQ(context, nullptr);
}

TEST_F(UnicodeProtocolTest, WritingReplacesTheFileAndSizeQueriesGiveTheFullSize) {
    const std::string name = PathOf("输出.bin");
    std::ofstream(name) << "old content that is longer";
    for (int flags : { AVIO_FLAG_WRITE, AVIO_FLAG_READ_WRITE }) {
        AVIOContext* io = nullptr;
        ASSERT_EQ(AVOpenIO(&io, FileNameToAV(name), flags, nullptr, nullptr), 0);
        av::avio_write(io, reinterpret_cast<const unsigned char*>("hello"), 5);
        EXPECT_EQ(AVCloseIO(&io), 0);
        EXPECT_EQ(io, nullptr);
        std::ifstream in(name);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "hello");
    }

    const std::string big = PathOf("大文件.bin");
    const std::int64_t fiveGB = 5LL * 1024 * 1024 * 1024;
    std::ofstream(big).close();
    std::filesystem::resize_file(big, std::uintmax_t(fiveGB)); // sparse: takes no space
    AVIOContext* io = nullptr;
    ASSERT_EQ(AVOpenIO(&io, FileNameToAV(big), AVIO_FLAG_READ, nullptr, nullptr), 0);
    EXPECT_EQ(av::avio_size(io), fiveGB);
    EXPECT_EQ(av::avio_seek(io, fiveGB - 1, SEEK_SET), fiveGB - 1);
    AVCloseIO(&io);
}

TEST_F(UnicodeProtocolTest, PlainNamesOpenAsUsual) {
    const std::string& name = fixtures::Standard().Mp4;
    ASSERT_FALSE(IsUnicodeName(FileNameToAV(name)));
    AVFormatContext* context = nullptr;
    ASSERT_EQ(AVOpenInput(&context, FileNameToAV(name), nullptr, nullptr), 0);
    EXPECT_FALSE(IsUnicodeIO(context->pb));
    AVCloseInput(&context);
    AVIOContext* io = nullptr;
    ASSERT_EQ(AVOpenIO(&io, FileNameToAV(PathOf("plain.bin")), AVIO_FLAG_WRITE, nullptr, nullptr),
              0);
    EXPECT_FALSE(IsUnicodeIO(io));
    EXPECT_EQ(AVCloseIO(&io), 0);
    EXPECT_EQ(std::filesystem::file_size(PathOf("plain.bin")), 0u);
}

} // namespace
