#include "lib/skindata/bsSkinData.h"

#include "SkinFixture.h"
#include "SkinIniText.h"

#include "platform/rtl/TMemIniFile.h"
#include "platform/rtl/TStringList.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace win;

namespace {

class SkinDataFolder : public ::testing::Test {
protected:
    TScratchSkinFolder Folder;
    std::string Ini = WriteFixtureSkin(Folder);
    TbsSkinData Skin{ nullptr };
    TRecordingForms Forms{ Skin };

    void SetUp() override {
        Forms.AddScreenForm("main");
        Forms.AddScreenForm("options");
        Forms.Attach();
    }
};

const std::vector<UINT> kChange = { WM_SKINBEFORECHANGE, WM_SKINCHANGE, WM_SKINAFTERCHANGE };

} // namespace

TEST_F(SkinDataFolder, LoadsRecordsPicturesAndDescription) {
    Skin.LoadFromFile(Ini);
    ASSERT_FALSE(Skin.Empty);
    EXPECT_EQ(Skin.SkinName, "Fixture");
    EXPECT_EQ(Skin.AuthorEmail, "tester@example.org");
    EXPECT_EQ(Skin.SkinComments, "made by the test");

    EXPECT_EQ(PixelsOf(Skin.FPicture), PixelsOf(*MakePicture(100, 80, 1)));
    EXPECT_EQ(PixelsOf(Skin.FInActivePicture), PixelsOf(*MakePicture(100, 80, 2)));
    EXPECT_EQ(PixelsOf(Skin.FMask), PixelsOf(*MakeMask(100, 80)));
    ASSERT_EQ(Skin.FActivePictures.size(), 3u);
    EXPECT_EQ(PixelsOf(*Skin.FActivePictures[1]), PixelsOf(*MakePicture(33, 17, 4)));
    EXPECT_EQ(Skin.FActivePicturesNames.Text(), "active0.bmp\nactive1.bmp\nactive2.bmp\n");

    // The unknown kind, the entry without a colon and the one with two are skipped.
    ASSERT_EQ(Skin.ObjectList.size(), 3u);
    ASSERT_EQ(Skin.CtrlList.size(), 3u);
    EXPECT_NE(dynamic_cast<TbsDataSkinStdButton*>(Skin.ObjectList[0].get()), nullptr);
    EXPECT_EQ(Skin.ObjectList[0]->SkinRect, TRect(60, 2, 76, 18));
    EXPECT_EQ(Skin.ObjectList[0]->Hint, "Close");
    EXPECT_NE(dynamic_cast<TbsDataSkinScrollBarControl*>(Skin.CtrlList[1].get()), nullptr);
    EXPECT_EQ(Skin.CtrlList[2]->IDName, "edit");
    EXPECT_EQ(Skin.CtrlList[2]->SkinRect, TRect(0, 20, 40, 40));

    EXPECT_EQ(Skin.PopupWindow.WindowPictureIndex, 0);
    EXPECT_EQ(Skin.HintWindow.FontName, "Tahoma");
    EXPECT_EQ(Skin.FSkinColors.FcBtnFace, 12632256);
    EXPECT_EQ(Skin.BGPictureIndex, 2);
    EXPECT_EQ(Skin.MDIBGPictureIndex, -1);
    EXPECT_EQ(Skin.ButtonsOffset, 3);
    EXPECT_TRUE(Skin.CapButtonsInLeft);
    EXPECT_EQ(Skin.FormMinWidth, 120);
    EXPECT_EQ(Skin.StretchType, bsstVert);
    EXPECT_EQ(Skin.InActiveEffect, ieDarkness);
    EXPECT_TRUE(Skin.AutoRenderingInActiveImage);
}

TEST_F(SkinDataFolder, LooksRecordsUpByExactNameFirstMatchFirst) {
    Skin.LoadFromFile(Ini);
    struct Case {
        const char* Name;
        int Object;
        int Control;
    };
    const Case kCases[] = {
        { "closebutton", 0, -1 }, { "CloseButton", -1, -1 },
        { "caption", 1, -1 },     { "appmenu", -1, -1 },
        { "button", -1, 0 },      { "edit", -1, 2 },
        { "a", -1, -1 },          { "", -1, -1 },
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(Skin.GetIndex(c.Name), c.Object) << c.Name;
        EXPECT_EQ(Skin.GetControlIndex(c.Name), c.Control) << c.Name;
    }
}

TEST(SkinEntry, SplitsAtTheFirstColon) {
    struct Case {
        const char* Entry;
        const char* IDName;
        const char* Kind;
    };
    const Case kCases[] = { { "closebutton:stdbutton", "closebutton", "stdbutton" },
                            { "a:b:c", "a", "b:c" },
                            { "nocolon", "", "" },
                            { ":button", "", "button" },
                            { "name:", "name", "" } };
    for (const auto& c : kCases) {
        const TbsSkinEntry entry = SplitSkinEntry(c.Entry);
        EXPECT_EQ(entry.IDName, c.IDName) << c.Entry;
        EXPECT_EQ(entry.Kind, c.Kind) << c.Entry;
    }
}

TEST_F(SkinDataFolder, NormalisesFrameGeometryWhenTheSkinHasAMask) {
    Skin.LoadFromFile(Ini);
    // The mask area widens to hold the client rectangle.
    EXPECT_EQ(Skin.MaskRectArea, TRect(0, 0, 88, 58));
    // A hit-test point with a zero coordinate takes the corner; a missing one too.
    EXPECT_EQ(Skin.HitTestLTPoint, TPoint(10, 20));
    EXPECT_EQ(Skin.HitTestRTPoint, TPoint(80, 15));
    EXPECT_EQ(Skin.HitTestLBPoint, TPoint(10, 60));
    // The corners are pulled into the client rectangle.
    EXPECT_EQ(Skin.LTPoint, TPoint(12, 22));
    EXPECT_EQ(Skin.RTPoint, TPoint(88, 22));
    EXPECT_EQ(Skin.LBPoint, TPoint(12, 58));
    EXPECT_EQ(Skin.RBPoint, TPoint(88, 58));
}

TEST(SkinFormInfo, NormalisationCases) {
    struct Case {
        const char* Name;
        const char* Lines;
        TRect MaskArea;
        TPoint HitTestLT;
        TPoint LT;
        TPoint RB;
    };
    const Case kCases[] = {
        { "mask without area takes the client rectangle",
          "mask=m.bmp\n[FORMINFO]\nclientrect=5,6,50,40\nlefttoppoint=1,1\nrightbottompoint=60,"
          "60\n",
          TRect(5, 6, 50, 40), TPoint(1, 1), TPoint(5, 6), TPoint(50, 40) },
        { "without a mask nothing but the corners change",
          "[FORMINFO]\nclientrect=5,6,50,40\nlefttoppoint=1,1\nrightbottompoint=60,60\n"
          "maskrectarea=1,1,2,2\n",
          TRect(1, 1, 2, 2), TPoint(0, 0), TPoint(5, 6), TPoint(50, 40) },
        { "equal X of the two corners keeps every corner",
          "[FORMINFO]\nclientrect=5,6,50,40\nlefttoppoint=1,1\nrightbottompoint=1,60\n", TRect(),
          TPoint(0, 0), TPoint(1, 1), TPoint(1, 60) },
        { "equal Y too",
          "[FORMINFO]\nclientrect=5,6,50,40\nlefttoppoint=1,70\nrightbottompoint=60,70\n", TRect(),
          TPoint(0, 0), TPoint(1, 70), TPoint(60, 70) },
    };
    for (const auto& c : kCases) {
        TScratchSkinFolder folder;
        MakeMask(8, 8)->SaveToFile(folder.Path() + "m.bmp");
        const std::string ini = folder.WriteFile(
            "skin.ini", std::string("[VERSION]\nver=1\n[SKINOBJECTS]\ncount=0\n[SKINCONTROLS]\n"
                                    "count=0\n[PICTURES]\npicture=\n") +
                            c.Lines);
        TbsSkinData skin{ nullptr };
        skin.LoadFromFile(ini);
        ASSERT_FALSE(skin.Empty) << c.Name;
        EXPECT_EQ(skin.MaskRectArea, c.MaskArea) << c.Name;
        EXPECT_EQ(skin.HitTestLTPoint, c.HitTestLT) << c.Name;
        EXPECT_EQ(skin.LTPoint, c.LT) << c.Name;
        EXPECT_EQ(skin.RBPoint, c.RB) << c.Name;
    }
}

TEST_F(SkinDataFolder, AFileThatIsNoSkinDescriptionChangesNothing) {
    Skin.LoadFromFile(Ini);
    Forms.Log.clear();
    const std::string other =
        Folder.WriteFile("other.ini", "[VERSION]\nver=1\n[PICTURES]\npicture=main.bmp\n");
    Skin.LoadFromFile(other);
    Skin.LoadFromFile(Folder.Path() + "missing.ini");
    EXPECT_TRUE(Forms.Log.empty());
    EXPECT_FALSE(Skin.Empty);
    EXPECT_EQ(Skin.GetIndex("caption"), 1);
}

TEST_F(SkinDataFolder, ALoadTellsEveryFormBeforeDuringAndAfter) {
    Skin.LoadFromFile(Ini);
    const std::vector<TSeenMessage> expected = {
        { "main", WM_SKINBEFORECHANGE, true, true, 0 },
        { "options", WM_SKINBEFORECHANGE, true, true, 0 },
        { "main", WM_SKINCHANGE, false, true, 6 },
        { "options", WM_SKINCHANGE, false, true, 6 },
        { "main", WM_SKINAFTERCHANGE, false, false, 6 },
        { "options", WM_SKINAFTERCHANGE, false, false, 6 },
    };
    EXPECT_EQ(Forms.Log, expected);
}

TEST_F(SkinDataFolder, ClearSkinSendsTheChangeAfterTheDataIsGone) {
    Skin.LoadFromFile(Ini);
    Forms.Log.clear();
    Skin.ClearSkin();
    ASSERT_EQ(Forms.Log.size(), 6u);
    for (const auto& seen : Forms.Log) {
        EXPECT_TRUE(seen.Empty);
        EXPECT_FALSE(seen.Changing);
        EXPECT_EQ(seen.Records, 0u);
    }
    EXPECT_EQ(Forms.MessagesTo("main"), kChange);
    EXPECT_TRUE(Skin.FPicture.Empty());
    EXPECT_TRUE(Skin.FActivePictures.empty());
    EXPECT_TRUE(Skin.FPictureName.empty());
    EXPECT_EQ(Skin.LayerFrame.PictureIndex, -1);
    EXPECT_EQ(Skin.HintWindow.WindowPictureIndex, -1);
}

TEST_F(SkinDataFolder, AFailedLoadEndsEmptyAndCompletesTheChange) {
    Skin.LoadFromFile(Ini);
    Forms.Log.clear();
    struct Case {
        const char* Name;
        std::function<void()> Damage;
    };
    const Case kCases[] = {
        { "named picture missing",
          [&] { std::filesystem::remove(Folder.Path() + "active1.bmp"); } },
        { "picture that is no bitmap", [&] { Folder.WriteFile("active1.bmp", "BMnot really"); } },
        { "rect that does not convert",
          [&] {
              std::string text = FixtureSkinIni();
              const std::string good = "skinrect=0,0,40,20";
              text.replace(text.find(good), good.size(), "skinrect=1,x");
              Folder.WriteFile("skin.ini", text);
              MakePicture(33, 17, 4)->SaveToFile(Folder.Path() + "active1.bmp");
          } },
    };
    for (const auto& c : kCases) {
        WriteFixtureSkin(Folder);
        c.Damage();
        Forms.Log.clear();
        EXPECT_THROW(Skin.LoadFromFile(Ini), Exception) << c.Name;
        EXPECT_TRUE(Skin.Empty) << c.Name;
        EXPECT_FALSE(Skin.ChangeSkinDataProcess) << c.Name;
        EXPECT_TRUE(Skin.ObjectList.empty() && Skin.CtrlList.empty()) << c.Name;
        EXPECT_TRUE(Skin.FActivePictures.empty() && Skin.FPicture.Empty()) << c.Name;
        EXPECT_EQ(Forms.MessagesTo("main"), kChange) << c.Name;
        EXPECT_EQ(Forms.MessagesTo("options"), kChange) << c.Name;
        ASSERT_EQ(Forms.Log.size(), 6u) << c.Name;
        EXPECT_TRUE(Forms.Log[2].Empty) << c.Name;
        EXPECT_FALSE(Forms.Log[5].Changing) << c.Name;
    }
    // A good load afterwards works as usual.
    WriteFixtureSkin(Folder);
    Skin.LoadFromFile(Ini);
    EXPECT_FALSE(Skin.Empty);
}

TEST(SkinDataMessages, OrderOfTheFormsTable) {
    struct Case {
        const char* Name;
        bool Owner;
        bool Layered;
        int LayerPicture;
        std::vector<std::string> Expected;
    };
    const Case kCases[] = {
        { "owner first without layered borders", true, false, 0, { "b", "a", "c" } },
        { "screen order with layered borders", true, true, -1, { "a", "b", "c" } },
        { "reverse with layered borders drawn", true, true, 0, { "c", "b", "a" } },
        { "no owner form", false, false, 0, { "a", "b", "c" } },
        { "reverse, owner not first", false, true, 3, { "c", "b", "a" } },
    };
    for (const auto& c : kCases) {
        TbsSkinData skin{ nullptr };
        skin.SetShowLayeredBorders(c.Layered);
        skin.LayerFrame.PictureIndex = c.LayerPicture;
        TRecordingForms forms(skin);
        forms.AddScreenForm("a");
        forms.AddScreenForm("layer", "TbsFormLayerWindow");
        forms.AddScreenForm("b");
        forms.AddScreenForm("c");
        if (c.Owner) forms.SetOwnerForm("b");
        forms.Attach();
        skin.SendSkinDataMessage(WM_SKINCHANGE);
        EXPECT_EQ(forms.FormsFor(WM_SKINCHANGE), c.Expected) << c.Name;
    }
}

TEST(SkinDataMessages, SettersTellTheFormsOnlyOfAChange) {
    TbsSkinData skin{ nullptr };
    TRecordingForms forms(skin);
    forms.AddScreenForm("main");
    forms.Attach();
    skin.SetSkinnableForm(true);
    skin.SetShowLayeredBorders(true);
    EXPECT_TRUE(forms.Log.empty());
    skin.SetSkinnableForm(false);
    skin.SetShowLayeredBorders(false);
    TbsResourceStrData strings{ nullptr };
    skin.SetResourceStrData(&strings);
    skin.SetResourceStrData(&strings);
    const std::vector<UINT> expected = { WM_SKINNABLEFORMCHANGED, WM_SKINLAYEREDBORDERS,
                                         WM_SKINSTRINGSCHANGED, WM_SKINSTRINGSCHANGED };
    EXPECT_EQ(forms.MessagesTo("main"), expected);
}

TEST_F(SkinDataFolder, SavedDescriptionLoadsToTheSameSkin) {
    Skin.LoadFromFile(Ini);
    TScratchSkinFolder copy;
    // A section the writer does not know survives in an existing file.
    const std::string target = copy.WriteFile("copy.ini", "[keepme]\nvalue=1\n[button]\nx=1\n");
    Skin.StoreToDisk(target);

    TMemIniFile written(target);
    EXPECT_EQ(written.ReadString("keepme", "value", ""), "1");
    EXPECT_FALSE(written.ValueExists("button", "x"));
    EXPECT_EQ(written.ReadString("SKINCONTROLS", "1", ""), "vscrollbar:scrollbar");
    EXPECT_EQ(written.ReadInteger("SKINOBJECTS", "count", 0), 3);
    EXPECT_EQ(written.ReadString("SKINOBJECTS", "2", ""), "closebutton:button");
    EXPECT_EQ(written.ReadString("FORMINFO", "formminheight", "gone"), "gone");

    TbsSkinData again{ nullptr };
    again.LoadFromFile(target);
    ASSERT_FALSE(again.Empty);
    EXPECT_EQ(PixelsOf(again.FMask), PixelsOf(Skin.FMask));
    EXPECT_EQ(PixelsOf(*again.FActivePictures[2]), PixelsOf(*Skin.FActivePictures[2]));
    EXPECT_EQ(again.LTPoint, Skin.LTPoint);
    EXPECT_EQ(again.MaskRectArea, Skin.MaskRectArea);
    EXPECT_EQ(again.InActiveEffect, Skin.InActiveEffect);

    auto first = MakeIni("");
    auto second = MakeIni("");
    Skin.WriteSkinIni(*first);
    again.WriteSkinIni(*second);
    TStringList a, b;
    first->GetStrings(a);
    second->GetStrings(b);
    EXPECT_EQ(a.Text(), b.Text());
}

TEST_F(SkinDataFolder, FormInfoIsWrittenInItsOrder) {
    Skin.LoadFromFile(Ini);
    auto ini = MakeIni("");
    Skin.WriteSkinIni(*ini);
    std::vector<std::string> keys;
    for (const auto& line : SectionLines(*ini, "FORMINFO"))
        keys.push_back(line.substr(0, line.find('=')));
    const std::vector<std::string> expected = {
        "lefttoppoint",
        "righttoppoint",
        "leftbottompoint",
        "rightbottompoint",
        "clientrect",
        "bgpictureindex",
        "mdibgpictureindex",
        "leftstretch",
        "rightstretch",
        "topstretch",
        "bottomstretch",
        "stretcheffect",
        "stretchtype",
        "mdibgstretcheffect",
        "mdibgstretchtype",
        "maskrectarea",
        "hittestlefttoppoint",
        "hittestrighttoppoint",
        "hittestleftbottompoint",
        "hittestrightbottompoint",
        "buttonsrect",
        "captionrect",
        "buttonsoffset",
        "buttonsinleft",
        "mainmenupopupup",
        "borderwidth",
        "autorenderinginactiveimage",
        "inactiveeffect",
        "formminwidth",
        "mditabstransparent",
        "mainmenubartransparent",
    };
    EXPECT_EQ(keys, expected);
}

TEST(SkinDataEntries, AHostileCountCostsOnlyTheKeysThatExist) {
    TScratchSkinFolder folder;
    const std::string ini = folder.WriteFile(
        "skin.ini", "[VERSION]\nver=1\n[PICTURES]\npicture=\n[FORMINFO]\nborderwidth=1\n"
                    "[SKINOBJECTS]\ncount=2000000000\n7=caption:caption\n01=x:caption\n"
                    "[SKINCONTROLS]\ncount=-5\n0=button:button\n");
    TbsSkinData skin{ nullptr };
    skin.LoadFromFile(ini);
    ASSERT_EQ(skin.ObjectList.size(), 1u);
    EXPECT_EQ(skin.ObjectList[0]->IDName, "caption");
    EXPECT_TRUE(skin.CtrlList.empty());
}

TEST_F(SkinDataFolder, ActivePicturesAreAddedAndRemoved) {
    Skin.LoadFromFile(Ini);
    Skin.AddBitMap(Folder.Path() + "main.bmp");
    ASSERT_EQ(Skin.FActivePictures.size(), 4u);
    EXPECT_EQ(Skin.FActivePicturesNames[3], "main.bmp");
    EXPECT_THROW(Skin.AddBitMap(Folder.Path() + "none.bmp"), Exception);
    EXPECT_EQ(Skin.FActivePictures.size(), 4u);
    EXPECT_EQ(Skin.FActivePicturesNames.Count(), 4);

    Skin.DeleteBitMap(0);
    ASSERT_EQ(Skin.FActivePictures.size(), 3u);
    EXPECT_EQ(Skin.FActivePicturesNames[0], "active1.bmp");
    EXPECT_EQ(PixelsOf(*Skin.FActivePictures[0]), PixelsOf(*MakePicture(33, 17, 4)));
    EXPECT_THROW(Skin.DeleteBitMap(3), EListError);
}
