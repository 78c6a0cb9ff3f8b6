#include "lib/dialogs/bsFilePaths.h"
#include "platform/gfx/TBitmap.h"
#include "platform/rtl/FileSystem.h"
#include "platform/rtl/InOutError.h"
#include "tests/platform/rtl/ScratchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(FilePaths, AppendPathPartAndDirLevelCountOneSeparator) {
    EXPECT_EQ(AppendPathPart("/", "a"), "/a");
    EXPECT_EQ(AppendPathPart("/a/", "b"), "/a/b");
    EXPECT_EQ(AppendPathPart("/a", "b"), "/a/b");
    EXPECT_EQ(DirLevel("/"), 1);
    EXPECT_EQ(DirLevel("/a/b"), 2);
    EXPECT_EQ(DirLevel("name"), 0);
}

TEST(FilePaths, ShortenPathToWidthCutsFoldersFromTheFrontThenTheRoot) {
    TBitmap bitmap(10, 10);
    TCanvas& canvas = bitmap.Canvas();
    const std::string path = "/home/user/videos/clip.avi";
    struct TCase {
        const char* FitsWidthOf; // the width allowed: that of this text
        int Less;                // ... less this many pixels
        const char* Expected;
    };
    const TCase cases[] = {
        { "/home/user/videos/clip.avi", 0, "/home/user/videos/clip.avi" },
        { "/.../user/videos/clip.avi", 0, "/.../user/videos/clip.avi" },
        { "/.../videos/clip.avi", 0, "/.../videos/clip.avi" },
        { "/.../clip.avi", 0, "/.../clip.avi" },
        { ".../clip.avi", 0, ".../clip.avi" },
        { "clip.avi", 0, "clip.avi" },
        { "clip.avi", 5, "clip.avi" }, // the name alone is wider: it stays whole
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Expected);
        EXPECT_EQ(ShortenPathToWidth(path, canvas, canvas.TextWidth(c.FitsWidthOf) - c.Less),
                  c.Expected);
    }
    EXPECT_EQ(ShortenPathToWidth("/clip.avi", canvas, 1), "clip.avi");
    EXPECT_EQ(ShortenPathToWidth("clip.avi", canvas, 1), "clip.avi");
}

TEST(FilePaths, SplitDirAndFileReadsATypedPathFromTheListsFolder) {
    ScratchFolder root;
    std::filesystem::create_directories(root / "a/sub");
    root.WriteFile("a/name.txt", "x");
    root.WriteFile("a/sub/clip.avi", "x");
    const std::string a = root / "a";
    const std::string sub = root / "a/sub";
    const std::string before = std::filesystem::current_path();
    struct TCase {
        std::string Text;
        std::string Dir;
        std::string File;
    };
    const TCase cases[] = {
        { "name.txt", a, "name.txt" },
        { "sub/clip.avi", sub, "clip.avi" },
        { sub + "/", sub, "" },
        { "[sub]", sub, "" },
        { "sub", sub, "" },
        { "*.avi", a, "*.avi" },
        { "sub/*.avi", sub, "*.avi" },
        { "sub/../name.txt", a, "name.txt" },
        { sub + "/clip.avi", sub, "clip.avi" },
        { "/", "/", "" },
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Text);
        const TbsDirAndFile split = SplitDirAndFile(c.Text, a);
        EXPECT_EQ(split.DirPart, c.Dir);
        EXPECT_EQ(split.FilePart, c.File);
    }
    for (const char* missing : { "missing/clip.avi", "missing", "[missing]", "/no/such/*.avi" }) {
        SCOPED_TRACE(missing);
        EXPECT_THROW(SplitDirAndFile(missing, a), EInOutError);
    }
    EXPECT_EQ(std::filesystem::current_path(), before) << "the process's folder is left alone";
}

} // namespace
