#include "platform/rtl/TIniFile.h"

#include "ScratchFolder.h"
#include "platform/rtl/TMemIniFile.h"
#include "platform/rtl/TStringList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

std::string ReadFile(const std::string& fileName) {
    std::ifstream file(fileName, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

Lines LinesOf(const TStrings& list) {
    Lines lines;
    for (int i = 0; i < list.Count(); ++i)
        lines.push_back(list[i]);
    return lines;
}

Lines FolderEntries(const std::string& folder) {
    Lines names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string WriteFailure(const std::string& fileName) {
    return "Unable to write to " + fileName;
}

// Both ini classes must agree on every value rule; each test runs against each.
struct IniKind {
    const char* name;
    std::function<std::unique_ptr<TCustomIniFile>(const std::string&)> open;
};
const IniKind kKinds[] = {
    { "TIniFile", [](const std::string& f) { return std::make_unique<TIniFile>(f); } },
    { "TMemIniFile", [](const std::string& f) { return std::make_unique<TMemIniFile>(f); } },
};

} // namespace

TEST(TIniFile, MissingFileIsCreatedOnFirstWrite) {
    ScratchFolder folder;
    const std::string name = folder / "option.ini";
    TIniFile ini(name);
    EXPECT_EQ(ini.ReadString("OutPath", "OutPath", "Error"), "Error");
    EXPECT_FALSE(std::filesystem::exists(name)) << "reading creates nothing";
    ini.EraseSection("OutPath");
    ini.DeleteKey("Skin", "SetSkin");
    EXPECT_FALSE(std::filesystem::exists(name)) << "removing nothing writes nothing";

    ini.WriteString("OutPath", "OutPath", "/home/u/苇川视频软件/输出");
    ini.WriteInteger("Skin", "SetSkin", 0);
    EXPECT_EQ(ReadFile(name),
              "[OutPath]\nOutPath=/home/u/苇川视频软件/输出\n\n[Skin]\nSetSkin=0\n");
    EXPECT_EQ(TIniFile(name).ReadString("OutPath", "OutPath", "Error"),
              "/home/u/苇川视频软件/输出");
}

TEST(TIniFile, SectionsAndKeysIgnoreCase) {
    for (const auto& kind : kKinds) {
        ScratchFolder folder;
        const auto ini = kind.open(folder / "option.ini");
        ini->WriteString("Options", "Thread_Count", "4");
        ini->WriteString("OPTIONS", "thread_count", "5");
        ini->WriteString("options", "After_Done", "2");
        EXPECT_EQ(ini->ReadString("oPtIoNs", "THREAD_COUNT", "Error"), "5") << kind.name;
        TStringList keys;
        ini->ReadSection("Options", keys);
        EXPECT_EQ(LinesOf(keys), (Lines{ "thread_count", "After_Done" })) << kind.name;
        TStringList sections;
        ini->ReadSections(sections);
        EXPECT_EQ(LinesOf(sections), (Lines{ "Options" })) << kind.name;
    }
}

TEST(TIniFile, ValuesReadBackAsWritten) {
    const char* const kValues[] = {
        "",
        "plain",
        "  leading",
        "trailing  ",
        " both ",
        "\"quoted\"",
        "\"",
        "\"half",
        "'single'",
        "'",
        "'mixed\"",
        "a=b=c",
        "x ; y",
        "[not a section]",
        "宋体",
        "\ttab",
        "C:\\苇川视频软件\\输出",
    };
    for (const auto& kind : kKinds) {
        ScratchFolder folder;
        const std::string name = folder / "values.ini";
        {
            const auto ini = kind.open(name);
            for (size_t i = 0; i < std::size(kValues); ++i)
                ini->WriteString("Values", "k" + std::to_string(i), kValues[i]);
            ini->UpdateFile();
        }
        const auto ini = kind.open(name);
        for (size_t i = 0; i < std::size(kValues); ++i)
            EXPECT_EQ(ini->ReadString("Values", "k" + std::to_string(i), "Error"), kValues[i])
                << kind.name << ": " << kValues[i];
    }
}

TEST(TIniFile, ValuesAsTheFileHoldsThem) {
    ScratchFolder folder;
    const std::string name = folder.WriteFile("raw.ini", "\xEF\xBB\xBF"
                                                         "[Raw]\r\n"
                                                         "  spaced  =  value with blanks  \r\n"
                                                         "quoted=\"  kept  \"\r\n"
                                                         "single='x'\r\n"
                                                         "mixed=\"x'\r\n"
                                                         "empty=\r\n"
                                                         "twice=first\r\n"
                                                         "twice=second\r\n"
                                                         "noequals\r\n"
                                                         "=orphan\r\n"
                                                         "; comment=not a key\r\n"
                                                         "[Raw]\r\n"
                                                         "later=hidden\r\n");
    for (const auto& kind : kKinds) {
        const auto ini = kind.open(name);
        struct Case {
            const char* key;
            const char* expected;
        };
        const Case kCases[] = {
            { "spaced", "value with blanks" },
            { "quoted", "  kept  " },
            { "single", "x" },
            { "mixed", "\"x'" },
            { "empty", "" },
            { "twice", "first" },
            { "noequals", "Error" },
            { "", "Error" },
            { "; comment", "Error" },
            { "later", "Error" },
        };
        for (const auto& c : kCases)
            EXPECT_EQ(ini->ReadString("Raw", c.key, "Error"), c.expected) << kind.name << c.key;
        TStringList values;
        ini->ReadSectionValues("raw", values);
        EXPECT_EQ(LinesOf(values),
                  (Lines{ "spaced=value with blanks", "quoted=  kept  ", "single=x", "mixed=\"x'",
                          "empty=", "twice=first", "twice=first" }))
            << kind.name;
    }
}

TEST(TIniFile, TypedValues) {
    ScratchFolder folder;
    const std::string name = folder.WriteFile("typed.ini", "[T]\n"
                                                           "dec=19\n"
                                                           "neg= -3 \n"
                                                           "hex=0x10\n"
                                                           "dollar=$ff\n"
                                                           "word=abc\n"
                                                           "empty=\n"
                                                           "big=99999999999\n"
                                                           "real=2.5\n"
                                                           "comma=2,5\n"
                                                           "two=2\n");
    for (const auto& kind : kKinds) {
        const auto ini = kind.open(name);
        struct Case {
            const char* key;
            int integer;
            bool boolean;
            double real;
        };
        const Case kCases[] = {
            { "dec", 19, true, 19 },
            { "neg", -3, true, -3 },
            { "hex", 16, true, -1 },
            { "dollar", 255, true, -1 },
            { "word", -1, true, -1 },
            { "empty", -1, true, -1 },
            { "big", -1, true, 99999999999.0 },
            { "real", -1, true, 2.5 },
            { "comma", -1, true, -1 },
            { "two", 2, true, 2 },
            { "missing", -1, true, -1 },
        };
        for (const auto& c : kCases) {
            EXPECT_EQ(ini->ReadInteger("T", c.key, -1), c.integer) << kind.name << c.key;
            EXPECT_EQ(ini->ReadBool("T", c.key, true), c.boolean) << kind.name << c.key;
            EXPECT_EQ(ini->ReadFloat("T", c.key, -1), c.real) << kind.name << c.key;
        }
        EXPECT_FALSE(ini->ReadBool("T", "missing", false));
    }
    TIniFile ini(folder / "out.ini");
    ini.WriteBool("B", "on", true);
    ini.WriteBool("B", "off", false);
    ini.WriteFloat("B", "f", 0.1);
    ini.WriteInteger("B", "i", -2147483647 - 1);
    EXPECT_EQ(ReadFile(ini.FileName()), "[B]\non=1\noff=0\nf=0.1\ni=-2147483648\n");
    EXPECT_TRUE(ini.ReadBool("B", "on", false));
    EXPECT_FALSE(ini.ReadBool("B", "off", true));
}

TEST(TIniFile, CommentsBlankLinesAndOrderAreKept) {
    ScratchFolder folder;
    const std::string name = folder.WriteFile("kept.ini", "; settings of the converter\n"
                                                          "\n"
                                                          "[Options]\n"
                                                          "; how many at once\n"
                                                          "Thread_Count=1\n"
                                                          "odd line\n"
                                                          "\n"
                                                          "[Skin]\n"
                                                          "SetSkin=0\n");
    TIniFile ini(name);
    ini.WriteString("Options", "Thread_Count", "3");
    ini.WriteString("Options", "After_Done", "0");
    ini.WriteString("SnapShot", "Picture", "PNG");
    ini.DeleteKey("Skin", "SetSkin");
    EXPECT_EQ(ReadFile(name), "; settings of the converter\n"
                              "\n"
                              "[Options]\n"
                              "; how many at once\n"
                              "Thread_Count=3\n"
                              "odd line\n"
                              "After_Done=0\n"
                              "\n"
                              "[Skin]\n"
                              "\n"
                              "[SnapShot]\n"
                              "Picture=PNG\n");
    ini.EraseSection("options");
    EXPECT_EQ(ReadFile(name), "; settings of the converter\n"
                              "\n"
                              "[Skin]\n"
                              "\n"
                              "[SnapShot]\n"
                              "Picture=PNG\n");
}

TEST(TIniFile, SectionsExistOnlyWithKeys) {
    ScratchFolder folder;
    const std::string name = folder.WriteFile("skin.ini", "[VERSION]\nname=x\n"
                                                          "[SKINCONTROLS]\n"
                                                          "; nothing yet\n"
                                                          "[PICTURES]\n"
                                                          "picture=a.bmp\n");
    for (const auto& kind : kKinds) {
        const auto ini = kind.open(name);
        EXPECT_TRUE(ini->SectionExists("version")) << kind.name;
        EXPECT_FALSE(ini->SectionExists("SKINCONTROLS")) << kind.name << ": a header alone";
        EXPECT_FALSE(ini->SectionExists("FORMINFO")) << kind.name;
        EXPECT_TRUE(ini->ValueExists("Pictures", "PICTURE")) << kind.name;
        EXPECT_FALSE(ini->ValueExists("Pictures", "mask")) << kind.name;
        TStringList sections;
        sections.Add("stale");
        ini->ReadSections(sections);
        EXPECT_EQ(LinesOf(sections), (Lines{ "VERSION", "SKINCONTROLS", "PICTURES" })) << kind.name;
        TStringList keys;
        keys.Add("stale");
        ini->ReadSection("absent", keys);
        EXPECT_EQ(keys.Count(), 0) << kind.name;
    }
}

TEST(TIniFile, RefusedWritesRaiseAndChangeNothing) {
    ScratchFolder folder;
    const std::string existing = folder.WriteFile("option.ini", "[Options]\nThread_Count=1\n");
    struct Case {
        const char* what;
        std::string fileName;
        std::string section;
        std::string key;
        std::string value;
    };
    const Case kCases[] = {
        { "missing folder", folder / "no/such/option.ini", "Options", "k", "v" },
        { "a folder as file", folder.Path(), "Options", "k", "v" },
        { "line break in value", existing, "Options", "Thread_Count", "1\n[Injected]" },
        { "line break in key", existing, "Options", "a\rb", "v" },
        { "line break in section", existing, "Opt\nions", "k", "v" },
        { "equals in key", existing, "Options", "a=b", "v" },
        { "comment as key", existing, "Options", ";k", "v" },
        { "bracket in section", existing, "Op]tions", "k", "v" },
        { "empty section", existing, " ", "k", "v" },
        { "empty key", existing, "Options", "", "v" },
    };
    for (const auto& c : kCases) {
        TIniFile ini(c.fileName);
        try {
            ini.WriteString(c.section, c.key, c.value);
            ADD_FAILURE() << "no exception for " << c.what;
        } catch (const EIniFileException& e) {
            EXPECT_EQ(e.Message(), WriteFailure(c.fileName)) << c.what;
        }
        EXPECT_EQ(ReadFile(existing), "[Options]\nThread_Count=1\n") << c.what;
    }
    EXPECT_EQ(FolderEntries(folder.Path()), (Lines{ "option.ini" }));
}

TEST(TIniFile, FailedWriteLeavesTheOldFileWhole) {
    ScratchFolder folder;
    const std::string old = "[Options]\nThread_Count=1\n";
    const std::string name = folder.WriteFile("option.ini", old);

    // Writes past this size fail with EFBIG, even for root: a writer that rewrote the file in
    // place would leave it cut short.
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    bool raised = false;
    try {
        TIniFile(name).WriteString("OutPath", "OutPath", std::string(200, 'x'));
    } catch (const EIniFileException& e) {
        raised = true;
        EXPECT_EQ(e.Message(), WriteFailure(name));
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_TRUE(raised);
    EXPECT_EQ(ReadFile(name), old);
    EXPECT_EQ(FolderEntries(folder.Path()), (Lines{ "option.ini" })) << "no temporary file left";
}

TEST(TIniFile, PermissionsAreThoseOfANormalSave) {
    ScratchFolder folder;
    const mode_t savedMask = umask(022);
    TIniFile fresh(folder / "new.ini");
    fresh.WriteString("S", "k", "v");
    umask(savedMask);
    struct stat info {};
    ASSERT_EQ(stat(fresh.FileName().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0644u);

    const std::string existing = folder.WriteFile("private.ini", "[S]\nk=v\n");
    chmod(existing.c_str(), 0600);
    TIniFile(existing).WriteString("S", "k", "w");
    ASSERT_EQ(stat(existing.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST(TIniFile, WritesThroughASymbolicLinkKeepTheLink) {
    ScratchFolder folder;
    const std::string real = folder.WriteFile("real.ini", "[S]\nk=v\n");
    const std::string link = folder / "link.ini";
    std::filesystem::create_symlink(real, link);
    TIniFile(link).WriteString("S", "k", "w");
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadFile(real), "[S]\nk=w\n");
}
