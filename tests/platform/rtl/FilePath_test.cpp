#include "platform/rtl/FilePath.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

TEST(FilePath, SplitsNamesIntoTheirParts) {
    struct Case {
        const char* name;
        const char* path;
        const char* dir;
        const char* file;
        const char* ext;
    };
    const Case kCases[] = {
        { "/home/u/a.vob", "/home/u/", "/home/u", "a.vob", ".vob" },
        { "a.vob", "", "", "a.vob", ".vob" },
        { "/a.vob", "/", "/", "a.vob", ".vob" },
        { "/home/u/", "/home/u/", "/home/u", "", "" },
        { "/", "/", "/", "", "" },
        { "", "", "", "", "" },
        { "/x.d/readme", "/x.d/", "/x.d", "readme", "" },
        { "clip.tar.gz", "", "", "clip.tar.gz", ".gz" },
        { "/h/.hidden", "/h/", "/h", ".hidden", ".hidden" },
        { "/h/name.", "/h/", "/h", "name.", "." },
        { "a//b", "a//", "a//", "b", "" },
        { "/输出/视频 1.mp4", "/输出/", "/输出", "视频 1.mp4", ".mp4" },
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(ExtractFilePath(c.name), c.path) << c.name;
        EXPECT_EQ(ExtractFileDir(c.name), c.dir) << c.name;
        EXPECT_EQ(ExtractFileName(c.name), c.file) << c.name;
        EXPECT_EQ(ExtractFileExt(c.name), c.ext) << c.name;
    }
}

TEST(FilePath, ChangesOnlyTheLastSegmentsExtension) {
    struct Case {
        const char* name;
        const char* ext;
        const char* expected;
    };
    const Case kCases[] = {
        { "/a/b.vob", ".mp4", "/a/b.mp4" },
        { "/a/b", ".mp4", "/a/b.mp4" },
        { "/a.d/b", ".mp4", "/a.d/b.mp4" },
        { "/a/b.tar.gz", "", "/a/b.tar" },
        { "b.vob", "", "b" },
        { "", ".x", ".x" },
    };
    for (const auto& c : kCases)
        EXPECT_EQ(ChangeFileExt(c.name, c.ext), c.expected) << c.name;
}

TEST(FilePath, TrailingDelimiters) {
    struct Case {
        const char* path;
        const char* included;
        const char* excluded;
    };
    const Case kCases[] = {
        { "/a/b", "/a/b/", "/a/b" }, { "/a/b/", "/a/b/", "/a/b" },
        { "/", "/", "/" },           { "", "/", "" },
        { "rel", "rel/", "rel" },
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(IncludeTrailingPathDelimiter(c.path), c.included) << c.path;
        EXPECT_EQ(ExcludeTrailingPathDelimiter(c.path), c.excluded) << c.path;
    }
}

TEST(FilePath, ExpandFoldsDotsAndMakesNamesAbsolute) {
    struct Case {
        const char* name;
        const char* expected;
    };
    const Case kCases[] = {
        { "/a/./b/../c", "/a/c" },
        { "/a//b///c", "/a/b/c" },
        { "/a/b/", "/a/b/" },
        { "/../../x", "/x" },
        { "/a/b/..", "/a" },
        { "/a/.", "/a" },
        { "/", "/" },
        { "/..", "/" },
        { "", "" },
    };
    for (const auto& c : kCases)
        EXPECT_EQ(ExpandFileName(c.name), c.expected) << c.name;

    const std::string cwd = std::filesystem::current_path().string();
    EXPECT_EQ(ExpandFileName("x/./y.txt"), (cwd == "/" ? "" : cwd) + "/x/y.txt");
    EXPECT_EQ(ExpandFileName("."), cwd);
}
