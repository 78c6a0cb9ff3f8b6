#include "platform/rtl/FileSearch.h"
#include "platform/rtl/FileSystem.h"

#include "ScopedEnv.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

std::vector<std::string> Names(const std::vector<TSearchRec>& found) {
    std::vector<std::string> names;
    for (const auto& rec : found)
        names.push_back(rec.Name);
    return names;
}

} // namespace

TEST(FileSystem, ExistenceAndSizeTellFilesFromFolders) {
    ScratchFolder folder;
    const std::string file = folder.WriteFile("f.bin", "12345");
    const std::string empty = folder.WriteFile("empty", "");
    struct Case {
        std::string name;
        bool file;
        bool dir;
        std::int64_t size;
    };
    const Case kCases[] = {
        { file, true, false, 5 },           { empty, true, false, 0 },
        { folder.Path(), false, true, -1 }, { folder / "missing", false, false, -1 },
        { "", false, false, -1 },
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(FileExists(c.name), c.file) << c.name;
        EXPECT_EQ(DirectoryExists(c.name), c.dir) << c.name;
        EXPECT_EQ(FileSize(c.name), c.size) << c.name;
    }
}

TEST(FileSystem, ForceDirectoriesCreatesTheWholeChain) {
    ScratchFolder folder;
    const std::string deep = folder / "苇川视频软件/输出/a b/";
    EXPECT_TRUE(ForceDirectories(deep));
    EXPECT_TRUE(DirectoryExists(deep));
    EXPECT_TRUE(ForceDirectories(deep)) << "an existing folder counts as success";
    EXPECT_FALSE(ForceDirectories(""));

    const std::string file = folder.WriteFile("plain", "x");
    EXPECT_FALSE(ForceDirectories(file + "/below"));
}

TEST(FileSystem, CreateRemoveDeleteAndRename) {
    ScratchFolder folder;
    EXPECT_TRUE(CreateDir(folder / "d"));
    EXPECT_FALSE(CreateDir(folder / "d"));
    EXPECT_FALSE(DeleteFile(folder / "d")) << "a folder is not deleted as a file";
    EXPECT_TRUE(RemoveDir(folder / "d"));
    EXPECT_FALSE(RemoveDir(folder / "d"));

    const std::string a = folder.WriteFile("a.txt", "A");
    const std::string b = folder.WriteFile("b.txt", "BB");
    EXPECT_FALSE(RenameFile(a, b)) << "an existing target is never replaced";
    EXPECT_EQ(FileSize(b), 2);
    EXPECT_TRUE(RenameFile(a, folder / "c.txt"));
    EXPECT_FALSE(FileExists(a));
    EXPECT_EQ(FileSize(folder / "c.txt"), 1);
    EXPECT_TRUE(DeleteFile(b));
    EXPECT_FALSE(DeleteFile(b));
}

TEST(FileSystem, WellKnownFolders) {
    const std::string self = ProgramFileName();
    EXPECT_TRUE(FileExists(self)) << self;
    EXPECT_EQ(ProgramFolder(), self.substr(0, self.rfind('/') + 1));

    {
        ScopedEnv home("HOME", "/some/home");
        EXPECT_EQ(HomeFolder(), "/some/home/");
    }
    {
        ScopedEnv home("HOME", nullptr);
        const std::string fromPasswd = HomeFolder();
        EXPECT_FALSE(fromPasswd.empty());
        EXPECT_EQ(fromPasswd.back(), '/');
    }

    ScratchFolder folder;
    {
        ScopedEnv tmp("TMPDIR", folder.Path().c_str());
        EXPECT_EQ(TempFolder(), folder.Path() + "/");
        const std::string made = CreateTempFolder("vc-");
        ASSERT_FALSE(made.empty());
        EXPECT_EQ(made.rfind(folder.Path() + "/vc-", 0), 0u) << made;
        EXPECT_TRUE(DirectoryExists(made));
        struct stat info {};
        ASSERT_EQ(::stat(made.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0700u);
    }
    {
        ScopedEnv tmp("TMPDIR", (folder / "missing").c_str());
        EXPECT_EQ(TempFolder(), "/tmp/");
    }
}

TEST(FileSearch, MasksMatchLikeWindows) {
    struct Case {
        const char* name;
        const char* mask;
        bool matches;
    };
    const Case kCases[] = {
        { "clip.VOB", "*.vob", true },
        { "clip.vob", "*.VOB", true },
        { "clip.vob.bak", "*.vob", false },
        { "clip", "*.*", true },
        { "clip", "*", true },
        { "", "*", true },
        { "a.b.c", "*.c", true },
        { "abc", "a?c", true },
        { "ac", "a?c", false },
        { "视频.mp4", "??.mp4", true },
        { "视频.mp4", "?.mp4", false },
        { "my clip 1.avi", "my*1.*", true },
        { "aaa", "*a*a*a*", true },
        { "aa", "*a*a*a*", false },
        { "x.txt", "", false },
        { "abcabd", "*abd", true },
        // Sets and ranges take one character, letters without case.
        { "a.txt", "[ab]*.txt", true },
        { "B.TXT", "[ab]*.txt", true },
        { "c.txt", "[ab]*.txt", false },
        { "clip7.vob", "clip[0-9].vob", true },
        { "clipX.vob", "clip[0-9].vob", false },
        { "dvd", "[!a-c]*", true },
        { "Avi", "[!a-c]*", false },
        { "视频", "[!a]?", true },
        { "x]", "x[]]", true },
        { "[a", "[a", true },
        { "abcab", "*[c]ab", true },
    };
    for (const auto& c : kCases)
        EXPECT_EQ(MatchesMask(c.name, c.mask), c.matches) << c.name << " / " << c.mask;
}

TEST(FileSearch, ListsMatchingEntriesWithTheirDetails) {
    ScratchFolder folder;
    folder.WriteFile("视频 一.vob", "1234");
    folder.WriteFile("Clip Two.VOB", "12");
    folder.WriteFile("notes.txt", "n");
    folder.WriteFile(".hidden.vob", "h");
    std::filesystem::create_directory(folder / "sub.vob");
    std::filesystem::create_symlink(folder / "notes.txt", folder / "link.vob");

    EXPECT_EQ(Names(FindFiles(folder / "*.vob")),
              (std::vector<std::string>{ ".hidden.vob", "Clip Two.VOB", "link.vob", "sub.vob",
                                         "视频 一.vob" }));
    EXPECT_EQ(Names(FindFiles(folder / "*.vob", faArchive | faReadOnly)),
              (std::vector<std::string>{ "Clip Two.VOB", "link.vob", "视频 一.vob" }));
    EXPECT_EQ(Names(FindFiles(folder / "*.vob", faDirectory)),
              (std::vector<std::string>{ "Clip Two.VOB", "link.vob", "sub.vob", "视频 一.vob" }));

    for (const auto& rec : FindFiles(folder / "*")) {
        if (rec.Name == "视频 一.vob") {
            EXPECT_EQ(rec.Size, 4);
            EXPECT_FALSE(rec.IsDirectory());
            EXPECT_EQ(rec.Attr & faArchive, faArchive);
            EXPECT_GT(rec.Time, 0);
        } else if (rec.Name == "sub.vob") {
            EXPECT_TRUE(rec.IsDirectory());
        } else if (rec.Name == "link.vob") {
            EXPECT_EQ(rec.Attr & faSymLink, faSymLink);
            EXPECT_EQ(rec.Size, 1) << "a link reports its target";
        }
        EXPECT_NE(rec.Name, ".");
        EXPECT_NE(rec.Name, "..");
    }
    EXPECT_TRUE(FindFiles(folder / "missing/*").empty());
}

TEST(FileSearch, ABareMaskSearchesTheCurrentFolder) {
    ScratchFolder folder;
    folder.WriteFile("one.txt", "1");
    const auto old = std::filesystem::current_path();
    std::filesystem::current_path(folder.Path());
    const auto found = Names(FindFiles("*.TXT"));
    std::filesystem::current_path(old);
    EXPECT_EQ(found, std::vector<std::string>{ "one.txt" });
}
