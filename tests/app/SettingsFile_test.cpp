#include "app/ProgramFolders.h"
#include "app/SettingsPlace.h"
#include "app/SettingsSections.h"

#include "platform/rtl/FileSystem.h"
#include "platform/rtl/TCustomIniFile.h"
#include "platform/rtl/TIniFile.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>

namespace {

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override { FFolder = CreateTempFolder("settings"); }
    void TearDown() override { std::filesystem::remove_all(FFolder); }

    std::string Name() const { return FFolder + "option.ini"; }
    void Store(const std::string& text) const { std::ofstream(Name()) << text; }
    std::string Stored(const std::string& section, const std::string& key) const {
        return TIniFile(Name()).ReadString(section, key, "<none>");
    }
    // A name whose folder is a regular file: no one may write there, root included.
    std::string Unwritable() const {
        std::ofstream(FFolder + "blocker") << "x";
        return FFolder + "blocker/option.ini";
    }

    std::string FFolder;
};

TEST_F(SettingsFile, FirstStartWritesEveryDefaultInTheStartUpOrder) {
    TSettingsFile file(Name());
    const std::string output = FFolder + "home/输出";
    EXPECT_EQ(ReadOutputFolder(file, output), output);
    EXPECT_TRUE(DirectoryExists(output));
    EXPECT_EQ(ReadSkinIndex(file), 0);
    TConversionOptions options;
    options.AfterDone = 2; // whatever the controls held: the file decides
    ReadConversionOptions(file, options);
    EXPECT_EQ(options, TConversionOptions());

    std::ifstream in(Name());
    const std::string text((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(text, "[OutPath]\nOutPath=" + output +
                        "\n\n[Skin]\nSetSkin=0\n\n[Options]\nThread_Count=0\nAfter_Done=0\n"
                        "Thread_Priority=3\nOverwrite_File=1\nShow_Preview=0\n");
}

TEST_F(SettingsFile, OptionsDialogAloneWritesItsDefaultsInOnePass) {
    TSettingsFile file(Name());
    TConversionOptions options;
    options.ThreadCount = "5";
    ReadConversionOptions(file, options);
    EXPECT_EQ(options, TConversionOptions());
    for (const auto& [key, value] : { std::pair{ "Thread_Count", "0" },
                                      { "After_Done", "0" },
                                      { "Show_Preview", "0" },
                                      { "Thread_Priority", "3" },
                                      { "Overwrite_File", "1" } })
        EXPECT_EQ(Stored("Options", key), value) << key;
}

TEST_F(SettingsFile, OptionValuesOutsideTheirSetAreRewritten) {
    struct Case {
        const char* key;
        const char* stored;
        const char* after; // the file afterwards
    };
    const Case cases[] = {
        { "Thread_Count", "7", "7" },     { "Thread_Count", "0", "0" },
        { "Thread_Count", "19", "19" },   { "Thread_Count", "20", "0" },
        { "Thread_Count", "07", "0" },    { "Thread_Count", "", "0" },
        { "Thread_Count", "Error", "0" }, { "After_Done", "3", "3" },
        { "After_Done", "5", "0" },       { "After_Done", "x", "0" },
        { "Thread_Priority", "0", "0" },  { "Thread_Priority", "4", "3" },
        { "Thread_Priority", "-1", "3" }, { "Overwrite_File", "0", "0" },
        { "Overwrite_File", "2", "1" },   { "Show_Preview", "1", "1" },
        { "Show_Preview", "yes", "0" },   { "Show_Preview", "", "0" },
    };
    for (const auto& c : cases) {
        Store(std::string("[Options]\n") + c.key + "=" + c.stored + "\n");
        TSettingsFile file(Name());
        TConversionOptions options;
        ReadConversionOptions(file, options);
        EXPECT_EQ(Stored("Options", c.key), c.after) << c.key << "=" << c.stored;
    }
}

TEST_F(SettingsFile, StoredOptionsReachTheControls) {
    Store("[Options]\nThread_Count=12\nAfter_Done=1\nThread_Priority=0\nOverwrite_File=0\n"
          "Show_Preview=1\n");
    TSettingsFile file(Name());
    TConversionOptions options;
    ReadConversionOptions(file, options);
    EXPECT_EQ(options.ThreadCount, "12");
    EXPECT_EQ(options.AfterDone, 1);
    EXPECT_EQ(options.ThreadPriority, 0);
    EXPECT_EQ(options.OverwriteFile, 0);
    EXPECT_TRUE(options.ShowPreview);

    options.ThreadCount = "3";
    options.AfterDone = 2;
    WriteConversionOptions(file, options, false);
    EXPECT_EQ(Stored("Options", "Thread_Count"), "12");
    EXPECT_EQ(Stored("Options", "After_Done"), "2");
    WriteConversionOptions(file, options, true);
    EXPECT_EQ(Stored("Options", "Thread_Count"), "3");
}

TEST_F(SettingsFile, SkinIndexThatIsNoNumberCountsAsMissing) {
    struct Case {
        const char* stored;
        int index;
        const char* after;
    };
    const Case cases[] = {
        { "0", 0, "0" },     { "5", 5, "5" },   { "-1", -1, "-1" }, { "", 0, "0" },
        { "Error", 0, "0" }, { "abc", 0, "0" }, { "1x", 0, "0" },
    };
    for (const auto& c : cases) {
        Store(std::string("[Skin]\nSetSkin=") + c.stored + "\n");
        TSettingsFile file(Name());
        EXPECT_EQ(ReadSkinIndex(file), c.index) << c.stored;
        EXPECT_EQ(Stored("Skin", "SetSkin"), c.after) << c.stored;
    }
}

TEST_F(SettingsFile, StoredFoldersAreCreatedButNotWrittenBack) {
    const std::string stored = FFolder + "a/b/c";
    Store("[OutPath]\nOutPath=" + stored + "\n[SnapShot]\nDir=" + stored + "/shots\n");
    TSettingsFile file(Name());
    EXPECT_EQ(ReadOutputFolder(file, FFolder + "default"), stored);
    EXPECT_TRUE(DirectoryExists(stored));
    EXPECT_EQ(ReadSnapshotFolder(file, FFolder + "default"), stored + "/shots");
    EXPECT_TRUE(DirectoryExists(stored + "/shots"));
    EXPECT_FALSE(DirectoryExists(FFolder + "default"));

    WriteOutputFolder(file, FFolder + "missing");
    EXPECT_EQ(Stored("OutPath", "OutPath"), stored)
        << "a folder that does not exist is not written";
}

TEST_F(SettingsFile, SnapshotKeysFallBackToTheirDefaults) {
    Store("[SnapShot]\nPicture=TIFF\n");
    TSettingsFile file(Name());
    EXPECT_EQ(ReadSnapshotPicture(file), "BMP");
    EXPECT_EQ(Stored("SnapShot", "Picture"), "BMP");
    WriteSnapshotPicture(file, "PNG");
    EXPECT_EQ(ReadSnapshotPicture(file), "PNG");
    EXPECT_EQ(ReadSnapshotFolder(file, FFolder + "快照"), FFolder + "快照");
    EXPECT_TRUE(DirectoryExists(FFolder + "快照"));
    EXPECT_EQ(Stored("SnapShot", "Dir"), FFolder + "快照");
}

TEST_F(SettingsFile, UnwritableFileSaysSoAndLeavesTheValuesUsable) {
    TSettingsFile file(Unwritable());
    const std::string message = "Unable to write to " + file.FileName();
    try {
        ReadSkinIndex(file);
        FAIL() << "no error";
    } catch (const EIniFileException& e) {
        EXPECT_EQ(e.what(), message);
    }
    EXPECT_THROW(ReadOutputFolder(file, FFolder + "out"), EIniFileException);
    EXPECT_TRUE(DirectoryExists(FFolder + "out")) << "the folder itself is still made";

    TConversionOptions options;
    options.ThreadPriority = 1;
    EXPECT_THROW(ReadConversionOptions(file, options), EIniFileException);
    EXPECT_EQ(options.ThreadPriority, 1) << "the controls keep their values";
    EXPECT_THROW(WriteConversionOptions(file, options, true), EIniFileException);
}

TEST_F(SettingsFile, ReadsStopAt2047Bytes) {
    Store("[OutPath]\nOutPath=/" + std::string(3000, 'a') + "\n");
    EXPECT_EQ(TSettingsFile(Name()).Read("OutPath", "OutPath").size(), 2047u);
}

// A file kept read-only answers with what it holds, or the defaults, and is never written.
TEST_F(SettingsFile, AFileThatKeepsNoWritesIsOnlyRead) {
    Store("[Options]\nThread_Count=7\nAfter_Done=9\n");
    const std::string before = Stored("Options", "After_Done");
    TSettingsFile file(Name(), false);
    TConversionOptions options;
    EXPECT_NO_THROW(ReadConversionOptions(file, options));
    EXPECT_EQ(options.ThreadCount, "7");
    EXPECT_EQ(options.AfterDone, 0) << "the default stands in for a value outside the set";
    EXPECT_EQ(Stored("Options", "After_Done"), before);
    EXPECT_NO_THROW(WriteConversionOptions(file, options, true));
    EXPECT_EQ(Stored("Options", "Thread_Count"), "7");

    TSettingsFile unwritable(Unwritable(), false);
    EXPECT_EQ(ReadSkinIndex(unwritable), 0);
    EXPECT_EQ(ReadOutputFolder(unwritable, FFolder + "out"), FFolder + "out");
}

// The file lives beside the program where it can be created or written there, else in the
// user's configuration folder; where neither can be written it is only read, and why is said
// for both.
TEST_F(SettingsFile, SettingsLiveWhereTheyCanBeWritten) {
    const std::string program = FFolder + "program/";
    const std::string config = FFolder + "config/";
    struct Case {
        const char* name;
        std::function<void()> prepare;
        std::string file;
        bool writable;
        std::string problem;
    };
    const std::string beside = program + "option.ini";
    const std::string inConfig = config + "vobconv/option.ini";
    const Case cases[] = {
        { "a writable program folder", [&] { ForceDirectories(program); }, beside, true, "" },
        { "a file beside the program",
          [&] {
              ForceDirectories(program);
              std::ofstream(beside) << "[Skin]\nSetSkin=0\n";
          },
          beside, true, "" },
        { "a folder named like the file", [&] { ForceDirectories(beside); }, inConfig, true, "" },
        { "a program folder that is no folder", [&] { std::ofstream(FFolder + "program") << "x"; },
          inConfig, true, "" },
        { "neither place",
          [&] {
              ForceDirectories(beside);
              std::ofstream(FFolder + "config") << "x";
          },
          beside, false,
          "Unable to write to " + beside + ": Is a directory\nUnable to write to " + inConfig +
              ": Not a directory" },
    };
    for (const Case& c : cases) {
        std::filesystem::remove_all(FFolder + "program");
        std::filesystem::remove_all(FFolder + "config");
        c.prepare();
        setenv("XDG_CONFIG_HOME", config.c_str(), 1);
        const TSettingsPlace place = SettingsPlaceIn(program);
        unsetenv("XDG_CONFIG_HOME");
        EXPECT_EQ(place.FileName, c.file) << c.name;
        EXPECT_EQ(place.Writable, c.writable) << c.name;
        EXPECT_EQ(place.Problem, c.problem) << c.name;
    }
}

// A file its owner made read-only beside the program is left alone: the settings move to the
// configuration folder and start from what it holds; a file already there keeps its own.
TEST_F(SettingsFile, AReadOnlyFileBesideTheProgramHandsItsValuesOn) {
    const std::string program = FFolder + "program/";
    const std::string beside = program + "option.ini";
    const std::string inConfig = FFolder + "config/vobconv/option.ini";
    ForceDirectories(program);
    std::ofstream(beside) << "[Skin]\nSetSkin=2\n";
    std::filesystem::permissions(beside, std::filesystem::perms::owner_read |
                                             std::filesystem::perms::group_read);
    setenv("XDG_CONFIG_HOME", (FFolder + "config").c_str(), 1);
    const TSettingsPlace place = SettingsPlaceIn(program);
    EXPECT_EQ(place.FileName, inConfig);
    EXPECT_TRUE(place.Writable);
    TSettingsFile kept(inConfig);
    EXPECT_EQ(ReadSkinIndex(kept), 2);

    WriteSkinIndex(kept, 5);
    EXPECT_EQ(SettingsPlaceIn(program).FileName, inConfig);
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(ReadSkinIndex(kept), 5);
    TSettingsFile left(beside, false);
    EXPECT_EQ(ReadSkinIndex(left), 2);
}

} // namespace
