#include "Src/FFmpegLoader.h"

#include "platform/rtl/Exception.h"
#include "tests/Src/LibAVFolder.h"

#include <gtest/gtest.h>

namespace {

constexpr TLibrary kAllLibraries[] = { avCodec, avDevice,   avFilter, avFormat, avUtil,
                                       swScale, swResample, myUtil,   lbSDL };

// Every member of the player set, whose members are all the sets' members.
const std::pair<const char*, TLibrary> kLinks[] = {
    { "libavutil.so.57", avUtil },     { "libswresample.so.4", swResample },
    { "libswscale.so.6", swScale },    { "libavcodec.so.59", avCodec },
    { "libavformat.so.59", avFormat }, { "libavfilter.so.8", avFilter },
    { "libc.so.6", myUtil },           { "libSDL-1.2.so.0", lbSDL },
};

class FFmpegLoaderTest : public ::testing::Test {
protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }

    static void Reset() {
        for (TLibrary lib : kAllLibraries)
            while (GlobalLoader().Loaded(lib))
                GlobalLoader().Unload(lib);
        TFFmpegLoader::SetLibraryPath("");
    }

    static void LinkAll(const TLibAVFolder& folder, const std::string& except = "") {
        for (const auto& [name, lib] : kLinks)
            if (name != except) folder.LinkSystemLibrary(name, name);
    }

    static bool StartsWith(const std::string& text, const std::string& prefix) {
        return text.compare(0, prefix.size(), prefix) == 0;
    }
};

TEST_F(FFmpegLoaderTest, FileNamesAreTheDebianSonames) {
    const std::pair<TLibrary, const char*> cases[] = {
        { avCodec, "libavcodec.so.59" },      { avDevice, "libavdevice.so.59" },
        { avFilter, "libavfilter.so.8" },     { avFormat, "libavformat.so.59" },
        { avUtil, "libavutil.so.57" },        { swScale, "libswscale.so.6" },
        { swResample, "libswresample.so.4" }, { myUtil, "libc.so.6" },
        { lbSDL, "libSDL-1.2.so.0" },
    };
    for (const auto& [lib, name] : cases)
        EXPECT_EQ(TFFmpegLoader::LibraryFileName(lib), name);
}

TEST_F(FFmpegLoaderTest, LoadsEachSetFromTheSystemAndUnloadsCleanly) {
    for (TLibraries set : { FFmpegTasksLibraries, AVProbeLibraries, PlayerLibraries }) {
        ASSERT_TRUE(GlobalLoader().Load(set)) << TFFmpegLoader::LastErrMsg();
        EXPECT_TRUE(GlobalLoader().Loaded(set));
        EXPECT_NE(av::avformat_open_input, nullptr);
        EXPECT_NE(av::av_log_set_callback, nullptr);
        EXPECT_NE(crt::fopen, nullptr);
        EXPECT_EQ(sdl::SDL_Init != nullptr, set.Contains(lbSDL));
        EXPECT_EQ(av::swr_convert != nullptr, set.Contains(swResample));
        EXPECT_EQ(av::avfilter_graph_alloc != nullptr, set.Contains(avFilter));
        // Loading again finds everything in place; each load needs its unload.
        EXPECT_TRUE(GlobalLoader().Load(set));
        GlobalLoader().Unload(set);
        EXPECT_TRUE(GlobalLoader().Loaded(set));

        GlobalLoader().Unload(set);
        EXPECT_FALSE(GlobalLoader().Loaded(set));
        for (TLibrary lib : kAllLibraries)
            EXPECT_FALSE(GlobalLoader().Loaded(lib)) << TFFmpegLoader::LibraryFileName(lib);
        EXPECT_EQ(av::avformat_open_input, nullptr);
        EXPECT_EQ(av::av_log, nullptr);
        EXPECT_EQ(av::sws_scale, nullptr);
        EXPECT_EQ(crt::fopen, nullptr);
        EXPECT_EQ(sdl::SDL_Init, nullptr);
    }
}

TEST_F(FFmpegLoaderTest, OneComponentsUnloadLeavesAnotherComponentsLibraries) {
    ASSERT_TRUE(GlobalLoader().Load(FFmpegTasksLibraries)) << TFFmpegLoader::LastErrMsg();
    ASSERT_TRUE(GlobalLoader().Load(AVProbeLibraries)) << TFFmpegLoader::LastErrMsg();
    GlobalLoader().Unload(AVProbeLibraries);
    EXPECT_TRUE(GlobalLoader().Loaded(FFmpegTasksLibraries));
    EXPECT_NE(av::avcodec_open2, nullptr);
    EXPECT_NE(av::sws_scale, nullptr);
    GlobalLoader().Unload(FFmpegTasksLibraries);
    for (TLibrary lib : kAllLibraries)
        EXPECT_FALSE(GlobalLoader().Loaded(lib)) << TFFmpegLoader::LibraryFileName(lib);
    EXPECT_EQ(av::avcodec_open2, nullptr);
}

TEST_F(FFmpegLoaderTest, LoadsEachSetFromALibAVFolderOfLinks) {
    TLibAVFolder folder;
    LinkAll(folder);
    TFFmpegLoader::SetLibraryPath(folder.Path());
    for (TLibraries set : { FFmpegTasksLibraries, PlayerLibraries }) {
        ASSERT_TRUE(GlobalLoader().Load(set)) << TFFmpegLoader::LastErrMsg();
        EXPECT_TRUE(GlobalLoader().Loaded(set));
        // The bound entry points work: the library answers with its own version.
        EXPECT_EQ(av::avcodec_find_decoder(AV_CODEC_ID_MPEG2VIDEO) != nullptr, true);
        GlobalLoader().Unload(set);
        EXPECT_FALSE(GlobalLoader().Loaded(set));
    }
}

TEST_F(FFmpegLoaderTest, LibraryFromTheFolderWinsOverTheSystemSearch) {
    // Only the folder holds a file under this name, so the load succeeds only through it.
    TLibAVFolder folder;
    folder.LinkSystemLibrary("libvc-only-here.so.1", "libz.so.1");
    const TDynamicLibrary library = LoadLibraryFromPath(folder.Path(), "libvc-only-here.so.1");
    EXPECT_TRUE(library.Loaded()) << library.ErrorText();
    const TDynamicLibrary searched = LoadLibraryFromPath("", "libvc-only-here.so.1");
    EXPECT_FALSE(searched.Loaded());
    EXPECT_FALSE(searched.ErrorText().empty());
}

TEST_F(FFmpegLoaderTest, MemberThatIsNoLibraryFailsTheSetAndKeepsWhatWasLoadedBefore) {
    TLibAVFolder folder;
    LinkAll(folder, "libavcodec.so.59");
    folder.WriteFile("libavcodec.so.59", "this is not a shared library\n");
    TFFmpegLoader::SetLibraryPath(folder.Path());
    ASSERT_TRUE(GlobalLoader().Load(myUtil));

    EXPECT_FALSE(GlobalLoader().Load(FFmpegTasksLibraries));
    const std::string expected = "Load library " + folder.Path() + "/libavcodec.so.59 error: ";
    EXPECT_TRUE(StartsWith(TFFmpegLoader::LastErrMsg(), expected)) << TFFmpegLoader::LastErrMsg();
    EXPECT_GT(TFFmpegLoader::LastErrMsg().size(), expected.size());
    for (TLibrary lib : kAllLibraries)
        EXPECT_EQ(GlobalLoader().Loaded(lib), lib == myUtil) << TFFmpegLoader::LibraryFileName(lib);
    EXPECT_EQ(av::av_log, nullptr);
    EXPECT_NE(crt::fopen, nullptr);
}

TEST_F(FFmpegLoaderTest, LibraryWithoutAnEntryPointFailsTheSetWithItsName) {
    TLibAVFolder folder;
    LinkAll(folder, "libavformat.so.59");
    folder.LinkSystemLibrary("libavformat.so.59", "libz.so.1");
    TFFmpegLoader::SetLibraryPath(folder.Path());
    ASSERT_TRUE(GlobalLoader().Load(avUtil));

    EXPECT_FALSE(GlobalLoader().Load(AVProbeLibraries));
    const std::string expected = "Load function av_codec_get_id@libavformat.so.59 error: ";
    EXPECT_TRUE(StartsWith(TFFmpegLoader::LastErrMsg(), expected)) << TFFmpegLoader::LastErrMsg();
    for (TLibrary lib : kAllLibraries)
        EXPECT_EQ(GlobalLoader().Loaded(lib), lib == avUtil) << TFFmpegLoader::LibraryFileName(lib);
    EXPECT_EQ(av::av_codec_get_id, nullptr);
    EXPECT_EQ(av::avcodec_open2, nullptr);
    EXPECT_NE(av::av_log, nullptr);
}

TEST_F(FFmpegLoaderTest, EmptyFolderFallsBackToTheSystemSearch) {
    TLibAVFolder folder;
    TFFmpegLoader::SetLibraryPath(folder.Path());
    // Nothing in the folder: each library comes through the system's search instead.
    ASSERT_TRUE(GlobalLoader().Load(AVProbeLibraries)) << TFFmpegLoader::LastErrMsg();
}

TEST_F(FFmpegLoaderTest, EmptySetIsAnAssertionFailure) {
    const auto expectAssertion = [](auto call) {
        try {
            call();
            ADD_FAILURE() << "no exception";
        } catch (const Exception& e) {
            EXPECT_TRUE(StartsWith(e.Message(), "Assertion failure (FFmpegLoader.cpp, line "))
                << e.Message();
        }
    };
    expectAssertion([] { GlobalLoader().Load(TLibraries{}); });
    expectAssertion([] { (void)GlobalLoader().Loaded(TLibraries{}); });
    expectAssertion([] { GlobalLoader().Unload(TLibraries{}); });
}

} // namespace
