#include "SkinFixture.h"
#include "platform/rtl/TMemIniFile.h"
#include "tools/skincheck/SkinCheck.h"
#include "tools/skingen/SkinBuilder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

const std::string kSkinsDir = VC_SKINS_DIR;

std::string Listing(const std::vector<TSkinProblem>& problems) {
    std::string text;
    for (const auto& p : problems)
        text += p.Where + ": " + p.What + "\n";
    return text;
}

std::string FileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

void Generate(const std::string& root) {
    TbsSkinData main(nullptr);
    BuildMainSkin(main);
    WriteSkinFolder(main, root + "main");
    TbsSkinData tool(nullptr);
    BuildToolSkin(tool);
    WriteSkinFolder(tool, root + "tool");
}

} // namespace

TEST(SkinsCheck, ProgramSkinsPass) {
    for (const char* name : { "main", "tool" }) {
        const auto problems = CheckSkinFolder(kSkinsDir + "/" + name);
        EXPECT_TRUE(problems.empty()) << name << ":\n" << Listing(problems);
    }
}

// The committed folders are the generator's output, so geometry and pictures never drift.
TEST(SkinsCheck, ProgramSkinsAreTheGeneratorsOutput) {
    TScratchSkinFolder scratch;
    Generate(scratch.Path());
    for (const char* name : { "main", "tool" }) {
        const std::filesystem::path made = scratch.Path() + name;
        const std::filesystem::path kept = kSkinsDir + "/" + name;
        std::size_t files = 0;
        for (const auto& entry : std::filesystem::directory_iterator(made)) {
            ++files;
            const auto file = entry.path().filename();
            EXPECT_EQ(FileBytes(entry.path()), FileBytes(kept / file))
                << name << "/" << file.string() << " differs: run skingen resources/skins";
        }
        EXPECT_EQ(files, std::size_t(std::distance(std::filesystem::directory_iterator(kept),
                                                   std::filesystem::directory_iterator())))
            << name;
    }
}

// The tool's exit status says whether the skin is sound; its output names each broken rule.
TEST(SkinsCheck, ToolExitsNonZeroAndPrintsTheBrokenRules) {
    TScratchSkinFolder scratch;
    Generate(scratch.Path());
    {
        TMemIniFile ini(scratch.Path() + "tool/skin.ini");
        ini.WriteString("button", "pictureindex", "3");
        ini.WriteString("listbox", "vscrollbarname", "none");
        ini.UpdateFile();
    }
    const auto run = [](const std::string& folder, std::string& output) {
        FILE* pipe = ::popen((std::string(VC_SKINCHECK) + " '" + folder + "'").c_str(), "r");
        if (!pipe) return -1;
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, pipe))
            output += buffer;
        const int status = ::pclose(pipe);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    {
        TMemIniFile ini(scratch.Path() + "main/skin.ini");
        ini.WriteString("VERSION", "skincomments", "Slate - frames, menus");
        ini.UpdateFile();
    }
    std::string sound;
    EXPECT_EQ(run(scratch.Path() + "main", sound), 0);
    EXPECT_EQ(sound, "");
    std::string broken;
    EXPECT_EQ(run(scratch.Path() + "tool", broken), 1);
    EXPECT_EQ(broken, "button: pictureindex=3 names no picture\n"
                      "listbox: vscrollbarname=none names no control record\n");
}

TEST(SkinsCheck, ReportsEveryBrokenRule) {
    struct Case {
        const char* Skin;
        const char* Section;
        const char* Key;
        const char* Value; // nullptr erases the whole section
        const char* Where;
        const char* What;
    };
    const Case kCases[] = {
        { "tool", "VERSION", "", nullptr, "VERSION", "section is missing" },
        { "tool", "SKINCONTROLS", "0", "renamed:button", "button", "record is missing" },
        { "tool", "SKINCONTROLS", "5", "combobox:edit", "combobox",
          "record is edit, needs combobox" },
        { "tool", "button", "pictureindex", "4", "button", "pictureindex=4 names no picture" },
        { "tool", "button", "activeskinrect", "0,0,300,24", "button", "lies outside its picture" },
        { "tool", "button", "skinrect", "-1,0,48,24", "button", "negative coordinate" },
        { "tool", "button", "righttoppoint", "4,4", "button", "top or bottom edge strip is empty" },
        { "tool", "button", "rightbottompoint", "60,20", "button", "lies outside the face" },
        { "tool", "vscrollbar", "rightbottompoint", "10,10", "vscrollbar",
          "is resizable both ways, needs to be resizable down" },
        { "tool", "hscrollbar", "righttoppoint", "17,0", "hscrollbar",
          "middle strip across is empty" },
        { "tool", "combobox", "listboxname", "nolist", "combobox", "names no control record" },
        { "main", "closebutton", "command", "cmclosee", "closebutton", "is no command word" },
        { "main", "minbutton", "skinrectinapicture", "0", "minbutton", "lies in no top corner" },
        { "main", "FORMINFO", "captionrect", "0,0,0,0", "closebutton", "no row to stand in" },
        { "main", "FORMINFO", "righttoppoint", "200,30", "FORMINFO", "edge strip is empty" },
        { "main", "HINTWINDOW", "windowpictureindex", "7", "HINTWINDOW", "names no picture" },
    };
    TScratchSkinFolder scratch;
    Generate(scratch.Path());
    for (const Case& c : kCases) {
        const std::string folder = scratch.Path() + c.Skin;
        const std::string iniName = folder + "/skin.ini";
        const std::string original = FileBytes(iniName);
        {
            TMemIniFile ini(iniName);
            if (c.Value)
                ini.WriteString(c.Section, c.Key, c.Value);
            else
                ini.EraseSection(c.Section);
            ini.UpdateFile();
        }
        const auto problems = CheckSkinFolder(folder);
        bool found = false;
        for (const auto& p : problems)
            found = found || (p.Where == c.Where && p.What.find(c.What) != std::string::npos);
        EXPECT_TRUE(found) << c.Section << "." << c.Key << " => expected " << c.Where << ": "
                           << c.What << "\ngot:\n"
                           << Listing(problems);
        scratch.WriteFile(std::string(c.Skin) + "/skin.ini", original);
    }
}
