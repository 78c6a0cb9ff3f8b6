#include "platform/rtl/TMemIniFile.h"

#include "ScratchFolder.h"
#include "platform/rtl/TStream.h"
#include "platform/rtl/TStringList.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

std::string ReadFile(const std::string& fileName) {
    std::ifstream file(fileName, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

} // namespace

TEST(TMemIniFile, BuiltFromLinesWithoutAFile) {
    TStringList lines;
    lines.SetText("[FORMINFO]\nbuttonsrect=3,3,20,18\n[PICTURES]\nactivepicturescount=2\n"
                  "0=active.bmp\n1=menuitems.bmp\n");
    TMemIniFile ini("");
    ini.SetStrings(lines);
    EXPECT_EQ(ini.ReadString("forminfo", "ButtonsRect", ""), "3,3,20,18");
    EXPECT_EQ(ini.ReadInteger("PICTURES", "activepicturescount", 0), 2);
    EXPECT_EQ(ini.ReadString("PICTURES", "1", ""), "menuitems.bmp");

    ini.EraseSection("PICTURES");
    ini.WriteString("VERSION", "name", "x");
    TStringList out;
    ini.GetStrings(out);
    EXPECT_EQ(out.Text(), "[FORMINFO]\nbuttonsrect=3,3,20,18\n\n[VERSION]\nname=x\n");
    EXPECT_THROW(ini.UpdateFile(), EIniFileException) << "there is no file to write";
}

TEST(TMemIniFile, ChangesReachTheDiskOnlyOnUpdate) {
    ScratchFolder folder;
    const std::string name = folder.WriteFile("skin.ini", "; made by hand\n[VERSION]\nname=old\n");
    TMemIniFile ini(name);
    ini.WriteString("VERSION", "name", "new");
    ini.WriteString("VERSION", "author", "me");
    EXPECT_EQ(ReadFile(name), "; made by hand\n[VERSION]\nname=old\n");
    ini.UpdateFile();
    EXPECT_EQ(ReadFile(name), "; made by hand\n[VERSION]\nname=new\nauthor=me\n");

    TMemIniFile missing(folder / "missing.ini");
    EXPECT_EQ(missing.ReadString("VERSION", "name", "none"), "none");
    missing.WriteString("VERSION", "name", "created");
    missing.UpdateFile();
    EXPECT_EQ(ReadFile(folder / "missing.ini"), "[VERSION]\nname=created\n");

    TMemIniFile nowhere(folder / "no/folder/x.ini");
    nowhere.WriteString("S", "k", "v");
    try {
        nowhere.UpdateFile();
        ADD_FAILURE() << "a file in a missing folder was written";
    } catch (const EIniFileException& e) {
        EXPECT_EQ(e.Message(), "Unable to write to " + (folder / "no/folder/x.ini"));
    }
}

TEST(TMemIniFile, UnreadableFileRaises) {
    ScratchFolder folder;
    std::filesystem::create_directory(folder / "dir.ini");
    EXPECT_NO_THROW(TMemIniFile(folder / "dir.ini")) << "a folder is no file: nothing to load";
    EXPECT_THROW(TMemIniFile(folder / "dir.ini").UpdateFile(), EIniFileException);
}
