// The main window's choosers as the user meets them: the skinned open, folder and skin dialogs
// themselves, answered with keys.
#include "HeadlessProgramTest.h"
#include "app/Dialogs.h"
#include "app/Unit1.h"
#include "lib/controls/TbsSkinCustomListView.h"
#include "lib/controls/TbsSkinEdit.h"
#include "lib/controls/TbsSkinListBox.h"
#include "lib/dialogs/TbsOpenDlgForm.h"
#include "lib/dialogs/TbsSelectSkinDialog.h"
#include "lib/dialogs/TbsSkinFilterComboBox.h"
#include "lib/dialogs/TbsSkinOpenPictureDialog.h"
#include "lib/dialogs/TbsSkinSelectDirectoryDialog.h"
#include "lib/skindata/TbsCompressedSkinList.h"
#include "lib/skindata/TbsSkinData.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TFormReader.h"
#include "platform/forms/TMenuItem.h"
#include "platform/forms/TScreen.h"
#include "platform/rtl/FileSystem.h"
#include "platform/rtl/TIniFile.h"
#include "platform/win/Win.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "tests/fixtures/FixtureSet.h"
#include "tests/platform/forms/IdleSteps.h"

#include <deque>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>

namespace {

using namespace win;

// The program with its own dialogs in place of the scripted ones. Each time a dialog waits for
// input the next step runs; a dialog waiting with no step left fails and ends the program.
class SkinnedDialogs : public HeadlessProgramTest {
protected:
    SkinnedDialogs() : HeadlessProgramTest("skinneddialogs") {}

    void SetUp() override {
        HeadlessProgramTest::SetUp();
        SetDialogs(nullptr);
        StartProgram();
        AnswerMessageBoxes();
        Form1->Show();
        Pump();
        FSteps.Attach(*FApp);
    }
    void TearDown() override {
        EXPECT_TRUE(FSteps.Empty()) << "steps left over";
        if (FApp) FApp->OnIdle = nullptr;
        HeadlessProgramTest::TearDown();
    }

    void Then(std::function<void()> step) { FSteps.Then(std::move(step)); }
    template <typename T>
    T* Active() const {
        return dynamic_cast<T*>(Screen->ActiveForm());
    }
    template <typename T = TControl>
    T* Main(const std::string& name) {
        return DescribedComponent<T>(Form1, name);
    }
    std::string SettingsName() const { return FRoot + "settings/option.ini"; }
    std::string Stored(const std::string& section, const std::string& key) const {
        return TIniFile(SettingsName()).ReadString(section, key, "<none>");
    }

    formstest::IdleSteps FSteps;
};

// What the description gives the dialog components; the two open dialogs' filter is the input
// filter by the end of the start-up.
TEST_F(SkinnedDialogs, TheDescriptionSetsTheDialogComponents) {
    TbsSkinData* skin = Main<TbsSkinData>("bsSkinData1");
    const struct {
        const char* Name;
        const char* Title;
        bool Several;
        bool CtrlSkin;
        bool Transparent;
        int Alpha;
    } opens[] = {
        { "OpenDialog1", "打开文件", false, true, true, 225 },
        { "OpenDialog2", "打开文件", true, true, true, 225 },
        { "bsSkinOpenDialog1", "Open file", false, false, false, 225 },
        { "bsSkinSavePictureDialog1", "Save file", false, true, false, 200 },
    };
    for (const auto& o : opens) {
        SCOPED_TRACE(o.Name);
        auto* d = Main<TbsSkinOpenDialog>(o.Name);
        EXPECT_EQ(d->Title(), o.Title);
        EXPECT_EQ(d->MultiSelection(), o.Several);
        EXPECT_EQ(d->SkinData(), skin);
        EXPECT_EQ(d->CtrlSkinData(), o.CtrlSkin ? skin : nullptr);
        EXPECT_EQ(d->ToolButtonsTransparent(), o.Transparent);
        EXPECT_EQ(d->AlphaBlendValue(), o.Alpha);
        EXPECT_EQ(d->CtrlAlphaBlendValue(), 225);
        EXPECT_TRUE(d->CheckFileExists());
        EXPECT_FALSE(d->OverwritePromt());
        EXPECT_EQ(d->FilterIndex(), 1);
    }
    EXPECT_NE(dynamic_cast<TbsSkinSavePictureDialog*>(Main<TComponent>("bsSkinSavePictureDialog1")),
              nullptr);
    const std::string input = Main<TbsSkinOpenDialog>("OpenDialog1")->Filter();
    EXPECT_EQ(input.rfind("所有文件格式 (*.*)|", 0), 0u) << input;
    EXPECT_EQ(Main<TbsSkinOpenDialog>("OpenDialog2")->Filter(), input);
    EXPECT_EQ(Main<TbsSkinOpenDialog>("bsSkinOpenDialog1")->Filter(), "All files|*.*");

    for (const char* name : { "bsSkinSelectDirectoryDialog1", "bsSkinSelectDirectoryDialog2" }) {
        SCOPED_TRACE(name);
        auto* d = Main<TbsSkinSelectDirectoryDialog>(name);
        EXPECT_FALSE(d->ShowToolBar());
        EXPECT_TRUE(d->ToolButtonsTransparent());
        EXPECT_EQ(d->AlphaBlendValue(), 200);
        EXPECT_EQ(d->SkinData(), skin);
        EXPECT_EQ(d->CtrlSkinData(), skin);
    }
    auto* chooser = Main<TbsSelectSkinDialog>("bsSelectSkinDialog1");
    EXPECT_EQ(chooser->SkinList(), Main<TbsCompressedSkinList>("bsCompressedSkinList1"));
    EXPECT_EQ(chooser->SkinData(), skin);
    EXPECT_EQ(chooser->CtrlSkinData(), skin);
    EXPECT_EQ(chooser->Title(), "Select skin");
}

TEST_F(SkinnedDialogs, OneFileNamedInTheOpenDialogBecomesAJobRow) {
    const std::string file = fixtures::Standard().Avi;
    std::string caption;
    int filters = 0;
    Then([&] {
        auto* form = Active<TbsOpenDlgForm>();
        ASSERT_NE(form, nullptr) << "the skinned open dialog is up";
        caption = form->Caption();
        filters = form->FilterComboBox->Items().Count();
        form->FileNameEdit->SetFocus();
        FDisplay->TypeKey('Z', file);
        FDisplay->TypeKey(VK_RETURN);
    });
    Main<TMenuItem>("Item111")->Click();
    Pump();
    auto* list = Main<TbsSkinListView>("lvFiles");
    ASSERT_EQ(list->Items().Count(), 1) << ::testing::PrintToString(FMessages);
    EXPECT_EQ(list->Items()[0]->Caption(), file);
    EXPECT_EQ(caption, "打开文件");
    EXPECT_EQ(filters, 42) << "the input filter replaced the description's";
}

// Each folder choice ignores a dialog closed with Escape, even when the dialog still holds a
// folder confirmed before.
TEST_F(SkinnedDialogs, AFolderDialogClosedWithEscapeChangesNothing) {
    const std::string other = FRoot + "other";
    ForceDirectories(other);
    const std::string outputBefore = Form1->FileOutPutPath;
    const std::string outPathBefore = Stored("OutPath", "OutPath");
    const std::string snapshotBefore = Stored("SnapShot", "Dir");
    const struct {
        const char* Command;
        const char* Dialog;
        const char* Title;
        std::function<void()> Run;
    } cases[] = {
        { "add folder", "bsSkinSelectDirectoryDialog1", "选择目录",
          [] { Form1->Button12Click(nullptr); } },
        { "output folder", "bsSkinSelectDirectoryDialog2", "选择输出目录",
          [this] { ClickControl(Main("bsSkinButton5")); } },
        { "snapshot folder", "bsSkinSelectDirectoryDialog2", "选择输出目录",
          [this] { Main<TMenuItem>("MenuItem2")->Click(); } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Command);
        auto* dialog = Main<TbsSkinSelectDirectoryDialog>(c.Dialog);
        dialog->SetDirectory(other);
        std::string caption;
        Then([&] {
            ASSERT_NE(Active<TbsSelDirDlgForm>(), nullptr) << "the skinned folder dialog is up";
            caption = Screen->ActiveForm()->Caption();
            FDisplay->TypeKey(VK_ESCAPE);
        });
        c.Run();
        Pump();
        EXPECT_EQ(caption, c.Title);
        EXPECT_EQ(dialog->Directory(), other);
    }
    EXPECT_EQ(Main<TbsSkinListView>("lvFiles")->Items().Count(), 0);
    EXPECT_TRUE(FMessages.empty()) << FMessages.front();
    EXPECT_EQ(Form1->FileOutPutPath, outputBefore);
    EXPECT_EQ(Stored("OutPath", "OutPath"), outPathBefore);
    EXPECT_EQ(Stored("SnapShot", "Dir"), snapshotBefore);
}

// The hidden "皮肤" button and the handler bound to no item both run the skin chooser; its OK
// applies the chosen skin and stores it.
TEST_F(SkinnedDialogs, TheSkinChoosersOkAppliesAndStoresTheSkin) {
    const struct {
        const char* Name;
        std::function<void()> Run;
    } triggers[] = {
        { "皮肤", [this] { ClickControl(Main("bsSkinButton9")); } },
        { "N23Click", [] { Form1->N23Click(nullptr); } },
    };
    for (const auto& t : triggers) {
        SCOPED_TRACE(t.Name);
        std::ofstream(SettingsName()) << "[Skin]\nSetSkin=7\n";
        int lines = 0;
        Then([&] {
            auto* form = Active<TbsSelectSkinDlgForm>();
            ASSERT_NE(form, nullptr) << "the skin chooser is up";
            lines = form->SkinsListBox->Items().Count();
            FDisplay->TypeKey(VK_RETURN);
        });
        t.Run();
        Pump();
        EXPECT_EQ(lines, 1) << "the one packed main skin";
        EXPECT_EQ(Stored("Skin", "SetSkin"), "0");
        EXPECT_EQ(Main<TbsSkinData>("bsSkinData1")->SkinIndex(), 0);
        EXPECT_FALSE(Main<TbsSkinData>("bsSkinData1")->Empty);
    }
}

} // namespace
