#include "HeadlessProgramTest.h"
#include "Src/FFPlay.h"
#include "Src/FFmpegTasks/TFFmpegTasks.h"
#include "app/Dialogs.h"
#include "app/FormResources.h"
#include "app/Program.h"
#include "app/ProgramFolders.h"
#include "app/SettingsPlace.h"
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "app/Unit5.h"
#include "app/Unit6.h"
#include "lib/controls/TbsSkinButton.h"
#include "lib/controls/TbsSkinCheckRadioBox.h"
#include "lib/controls/TbsSkinComboBox.h"
#include "lib/controls/TbsSkinCustomListView.h"
#include "lib/controls/TbsSkinEdit.h"
#include "lib/controls/TbsSkinLinkLabel.h"
#include "lib/controls/TbsSkinMenuSpeedButton.h"
#include "lib/controls/TbsSkinOfficeComboBox.h"
#include "lib/controls/TbsSkinSlider.h"
#include "lib/dialogs/TbsSkinSelectDirectoryDialog.h"
#include "lib/frame/TbsSkinForm.h"
#include "lib/frame/TbsSkinMainMenuBar.h"
#include "lib/menus/TbsSkinMenu.h"
#include "lib/menus/TbsSkinMenuItem.h"
#include "lib/menus/TbsSkinPopupMenu.h"
#include "lib/menus/TbsSkinPopupWindow.h"
#include "lib/skindata/TbsSkinData.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TComboBox.h"
#include "platform/forms/TFormReader.h"
#include "platform/forms/TImage.h"
#include "platform/forms/TMemo.h"
#include "platform/forms/TOpenDialog.h"
#include "platform/forms/TTrackBar.h"
#include "platform/gfx/TBitmap.h"
#include "platform/rtl/FileSystem.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/MainThread.h"
#include "platform/rtl/TIniFile.h"
#include "platform/shell/ShellExecute.h"
#include "platform/win/Win.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/headless/HeadlessBackend.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <tuple>

namespace {

using namespace win;

// The program started as its entry point starts it, on a headless display, with its settings
// and data folders in a temporary folder.
class Program : public HeadlessProgramTest {
protected:
    Program() : HeadlessProgramTest("program") {}

    std::string SettingsName() const { return FRoot + "settings/option.ini"; }
    std::string Stored(const std::string& section, const std::string& key) const {
        return TIniFile(SettingsName()).ReadString(section, key, "<none>");
    }
    template <typename T = TControl>
    T* Main(const std::string& name) {
        return DescribedComponent<T>(Form1, name);
    }
    template <typename T = TControl>
    T* Options(const std::string& name) {
        return DescribedComponent<T>(Form5, name);
    }
    TPoint ScreenCentre(TControl* c) {
        return c->ClientToScreen(TPoint(c->Width() / 2, c->Height() / 2));
    }
};

TEST_F(Program, CreatesItsWindowsInOrderFromTheirDescriptions) {
    StartProgram();
    ASSERT_TRUE(Form1 && Form2 && Form5 && Form6);
    EXPECT_EQ(FApp->MainForm(), Form1);
    EXPECT_EQ(FApp->Title(), "苇川VOB视频格式转换器");
    EXPECT_EQ(FApp->HelpFile(), "help.chm");
    EXPECT_TRUE(FErrors.empty());

    struct Window {
        TForm* form;
        const char* caption;
        int width, height;
        TPosition position;
    };
    const Window windows[] = { { Form1, "苇川VOB视频格式转换器", 802, 541, poDesktopCenter },
                               { Form2, "关于软件", 406, 281, poMainFormCenter },
                               { Form5, "选项", 528, 471, poMainFormCenter },
                               { Form6, "设置选项", 958, 474, poMainFormCenter } };
    for (const auto& w : windows) {
        EXPECT_EQ(w.form->Caption(), w.caption);
        // The skinned frame around the client area is known once the window exists.
        w.form->HandleNeeded();
        EXPECT_EQ(w.form->ClientWidth(), w.width) << w.caption;
        EXPECT_EQ(w.form->ClientHeight(), w.height) << w.caption;
        EXPECT_EQ(w.form->BorderStyle(), bsSingle) << w.caption;
        EXPECT_TRUE(w.form->BorderIcons().Empty()) << w.caption;
        EXPECT_EQ(w.form->Position(), w.position) << w.caption;
        EXPECT_FALSE(w.form->Visible()) << w.caption;
    }
    EXPECT_EQ(Form6->Color(), clBtnFace);
    EXPECT_EQ(Form6->Font().Name(), "Tahoma");
    EXPECT_EQ(Form6->Font().Height(), -11);
    EXPECT_EQ(Form1->All_Trant_Number, 100) << "the settings dialog's creation sets it";
    EXPECT_EQ(Form1->bsSkinSlider1_down_UP, "UP");
    auto* snapshots = DescribedComponent<TSavePictureDialog>(Form1, "SavePictureDialog1");
    EXPECT_EQ(snapshots->Filter(), "Bitmaps (*.bmp)|*.bmp|JPEG Image File |*.jpg;*.jpeg");
    EXPECT_EQ(snapshots->DefaultExt(), "bmp");
    EXPECT_TRUE(snapshots->Options().Contains(ofOverwritePrompt));
}

TEST_F(Program, MainWindowRegionsCommandsAndStartStates) {
    StartProgram();
    // The skinned frame sets the client area when the window is made, as it first shows.
    Form1->Show();
    Pump();
    struct Expect {
        const char* name;
        TRect bounds; // form-relative for direct children
        bool enabled;
        bool visible;
    };
    const Expect regions[] = {
        { "bsSkinMainMenuBar1", TRect(0, 0, 802, 22), true, true },
        { "bsSkinToolBar2", TRect(0, 22, 802, 81), true, true },
        { "bsSkinPanel1", TRect(8, 87, 566, 347), true, true },
        { "bsSkinPanel5", TRect(8, 86, 566, 348), true, true },
        { "bsSkinPanel2", TRect(11, 359, 569, 522), true, true },
        { "bsSkinPanel4", TRect(572, 87, 791, 293), true, true },
        { "bsSkinPanel3", TRect(572, 296, 791, 522), true, true },
        { "Panel6", TRect(581, 323, 781, 447), true, true },
        { "edt", TRect(873, 87, 949, 101), true, false },
        { "lvFiles", TRect(7, 10, 528, 212), true, true },
    };
    for (const auto& r : regions) {
        TControl* c = Main(r.name);
        EXPECT_EQ(c->BoundsRect(), r.bounds) << r.name;
        EXPECT_EQ(c->Enabled(), r.enabled) << r.name;
        EXPECT_EQ(c->Visible(), r.visible) << r.name;
    }
    for (const char* hidden : { "Panel1", "Panel3", "Panel4", "Panel5", "Button19", "Button27" })
        EXPECT_GE(Main(hidden)->Left(), 1181) << hidden;
    EXPECT_EQ(Main("bsSkinSlider1")->Width(), 202);
    EXPECT_FALSE(Main("bsSkinButton1")->Visible()) << "设置 on the output panel";
    EXPECT_FALSE(Main("bsSkinButton20")->Visible());

    struct Command {
        const char* name;
        const char* caption;
        bool enabled;
    };
    const Command commands[] = {
        { "bsSkinMenuSpeedButton1", "添加", true },
        { "bsSkinButton7", "删除", false },
        { "bsSkinButton8", "清空", false },
        { "bsSkinButton2", "开始", false },
        { "bsSkinButton10", "停止", false },
        { "bsSkinButton11", "暂停", false },
        { "bsSkinButton12", "继续", false },
        { "bsSkinButton19", "选项", true },
        { "bsSkinButton21", "重命名", false },
        { "bsSkinButton5", "浏览...", true },
        { "bsSkinButton6", "打开", true },
        { "btnRemove", "Remove", false },
        { "btnClear", "Clear", false },
        { "btnStart", "Start", false },
        { "btnStop", "Stop", false },
        { "btnPause", "Pause", false },
        { "btnResume", "Resume", false },
        { "Button15", "初始化数值", true },
        { "Button29", " 播放提示音", true },
        { "btnAdd", "Open添加一个文件", true },
    };
    for (const auto& c : commands) {
        EXPECT_EQ(Main(c.name)->Caption(), c.caption) << c.name;
        EXPECT_EQ(Main(c.name)->Enabled(), c.enabled) << c.name;
    }
    // Each tool bar command starts disabled and shows its disabled picture.
    for (const auto& [button, enabled, disabled] :
         { std::tuple{ "bsSkinButton2", "Image5", "Image4" },
           std::tuple{ "bsSkinButton7", "Image15", "Image14" } }) {
        TBitmap& glyph = Main<TbsSkinButton>(button)->Glyph();
        auto* on = dynamic_cast<TBitmap*>(Main<TImage>(enabled)->Picture().Graphic());
        auto* off = dynamic_cast<TBitmap*>(Main<TImage>(disabled)->Picture().Graphic());
        ASSERT_TRUE(on && off && glyph.Width() > 0) << button;
        EXPECT_EQ(glyph.Canvas().Pixels(12, 12), off->Canvas().Pixels(12, 12)) << button;
        EXPECT_NE(on->Canvas().Pixels(12, 12), off->Canvas().Pixels(12, 12)) << button;
    }
    const TControl* pause = Main("bsSkinButton11");
    const TControl* resume = Main("bsSkinButton12");
    EXPECT_EQ(pause->BoundsRect(), resume->BoundsRect());
    EXPECT_TRUE(pause->Visible());
    EXPECT_FALSE(resume->Visible());

    struct Item {
        const char* name;
        const char* caption;
        bool enabled;
    };
    const Item items[] = {
        { "Item111", "添加一个文件", true },
        { "N21", "添加整个目录", true },
        { "N4", "退出", true },
        { "N13", "删除选择", false },
        { "N14", "清空文件", false },
        { "N26", "重新命名", false },
        { "N7", "开始转换", false },
        { "N11", "继续继续", false },
        { "N24", "选项设置", true },
        { "N15", "帮助系统", true },
        { "EMAIL1", "联系邮箱", true },
        { "N5", "关于软件", true },
        { "N23", "-", true },
        { "BMP1", "BMP文件", true },
    };
    for (const auto& i : items) {
        EXPECT_EQ(Main<TMenuItem>(i.name)->Caption(), i.caption) << i.name;
        EXPECT_EQ(Main<TMenuItem>(i.name)->Enabled(), i.enabled) << i.name;
    }
    EXPECT_EQ(Main<TMenuItem>("N15")->ShortCut(), VK_F1);
    EXPECT_TRUE(Main<TMenuItem>("BMP1")->Checked());

    auto* list = Main<TbsSkinListView>("lvFiles");
    EXPECT_EQ(list->ViewStyle(), vsReport);
    ASSERT_EQ(list->Columns().Count(), 25);
    int visibleWidth = 0;
    for (int i = 0; i < 25; ++i)
        if (list->Columns().Items(i)->MaxWidth() != 1)
            visibleWidth += list->Columns().Items(i)->Width();
    EXPECT_EQ(visibleWidth, 530);
    EXPECT_EQ(Main<TTrackBar>("TrackBar2")->Position(), 128);
    EXPECT_EQ(Main<TComboBox>("cboAudioDriver")->Text(), "Default");
    EXPECT_FALSE(Main("cboSubtitle")->Enabled());
    EXPECT_EQ(Main<TbsSkinOfficeComboBox>("bsSkinOfficeComboBox2")->Items().Count(), 13);
    EXPECT_EQ(Main<TbsSkinOfficeComboBox>("bsSkinOfficeComboBox2")->ItemIndex(), 0);
}

TEST_F(Program, ScreenListNamesTheDirectChildrenInTabOrder) {
    StartProgram();
    const std::vector<std::string> expected{
        "Panel6",
        "bsSkinMainMenuBar1",
        "bsSkinToolBar2",
        "Panel1",
        "bsSkinPanel1",
        "bsSkinPanel2",
        "bsSkinPanel3",
        "Panel3",
        "bsSkinPanel5",
        "bsSkinPanel4",
        "Button19",
        "Button27",
        "edt",
        "Panel4",
        "Panel5",
        "Panel6",
    };
    auto* list = Main<TComboBox>("cboScreens");
    std::vector<std::string> screens;
    for (int i = 0; i < list->Items().Count(); ++i)
        screens.push_back(list->Items().Strings(i));
    EXPECT_EQ(screens, expected);
    EXPECT_EQ(list->ItemIndex(), 0);
}

TEST_F(Program, FirstStartWritesTheSettingsAndMakesTheOutputFolder) {
    StartProgram();
    const std::string output = FRoot + "home/苇川视频软件/输出";
    EXPECT_TRUE(DirectoryExists(output));
    EXPECT_EQ(Stored("OutPath", "OutPath"), output);
    EXPECT_EQ(Stored("Skin", "SetSkin"), "0");
    EXPECT_EQ(Stored("Options", "Thread_Priority"), "3");
    EXPECT_EQ(Form1->FileOutPutPath, output);
    EXPECT_EQ(Main("Video_OutPut_Folder_Edit")->Text(), output);
    EXPECT_EQ(Form5->Options(), TConversionOptions());
}

TEST_F(Program, StoredSettingsReachTheWindows) {
    const std::string output = FRoot + "elsewhere/out";
    std::ofstream(SettingsName()) << "[OutPath]\nOutPath=" << output
                                  << "\n[Skin]\nSetSkin=abc\n[Options]\nThread_Count=7\n"
                                     "After_Done=5\nThread_Priority=1\nOverwrite_File=0\n"
                                     "Show_Preview=1\n";
    StartProgram();
    EXPECT_TRUE(FErrors.empty());
    EXPECT_EQ(Form1->FileOutPutPath, output);
    EXPECT_TRUE(DirectoryExists(output));
    EXPECT_EQ(Stored("Skin", "SetSkin"), "0") << "a skin index that is no number is rewritten";
    EXPECT_EQ(Main<TComboBox>("cboScreens")->Items().Count(), 16)
        << "the window is set up all the same";
    const TConversionOptions options = Form5->Options();
    EXPECT_EQ(options.ThreadCount, "7");
    EXPECT_EQ(options.AfterDone, 0);
    EXPECT_EQ(Stored("Options", "After_Done"), "0");
    EXPECT_EQ(options.ThreadPriority, 1);
    EXPECT_EQ(options.OverwriteFile, 0);
    EXPECT_TRUE(options.ShowPreview);
    EXPECT_TRUE(Form1->FFTasks->Preview()) << "the live preview follows the file from the start";
    EXPECT_EQ(Form5->ThreadCount(), 7);
}

// The second skin object holds its list's one skin after start-up, whatever index is stored;
// the first holds its own only when the stored index names it: an index the list has no skin
// for loads nothing and is kept as it was stored.
TEST_F(Program, SkinObjectsHoldTheSkinsTheStoredIndexNames) {
    const struct {
        const char* stored; // nullptr: no settings file
        const char* after;
        bool mainSkin;
    } cases[] = { { nullptr, "0", true },
                  { "0", "0", true },
                  { "1", "1", false },
                  { "5", "5", false },
                  { "-1", "-1", false } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.after);
        if (c.stored) std::ofstream(SettingsName()) << "[Skin]\nSetSkin=" << c.stored << "\n";
        StartProgram();
        const auto* main = Main<TbsSkinData>("bsSkinData1");
        const auto* tool = Main<TbsSkinData>("bsSkinData2");
        EXPECT_FALSE(tool->Empty);
        EXPECT_GE(tool->GetControlIndex("button"), 0);
        EXPECT_EQ(tool->SkinIndex(), 0);
        EXPECT_EQ(main->Empty, !c.mainSkin);
        EXPECT_EQ(main->GetIndex("closebutton") >= 0, c.mainSkin);
        EXPECT_EQ(main->GetControlIndex("button") >= 0, c.mainSkin);
        EXPECT_EQ(Stored("Skin", "SetSkin"), c.after);
        EXPECT_TRUE(FErrors.empty());
        TearDown();
        SetUp();
    }
}

// A settings file that cannot be kept beside the program is kept in the configuration folder,
// without a word; one that cannot be kept anywhere is said once, and the program runs with
// what it read.
TEST_F(Program, SettingsGoWhereTheyCanBeKeptAndOtherwiseAreReportedOnce) {
    ForceDirectories(SettingsName());
    StartProgram();
    EXPECT_TRUE(FErrors.empty()) << FErrors.front();
    const std::string config = FRoot + "config/vobconv/option.ini";
    EXPECT_EQ(TIniFile(config).ReadString("OutPath", "OutPath", ""), Form1->FileOutPutPath);
    EXPECT_EQ(TIniFile(config).ReadString("Options", "Thread_Priority", ""), "3");
    TearDown();
    SetUp();

    ForceDirectories(SettingsName());
    std::ofstream(FRoot + "config") << "x";
    StartProgram();
    Form1->Show();
    Pump();
    const std::string expected = "Unable to write to " + SettingsName() +
                                 ": Is a directory\nUnable to write to " + FRoot +
                                 "config/vobconv/option.ini: Not a directory";
    EXPECT_EQ(FErrors, std::vector<std::string>{ expected });
    EXPECT_EQ(Form1->FileOutPutPath, FRoot + "home/苇川视频软件/输出");
    EXPECT_TRUE(DirectoryExists(Form1->FileOutPutPath));
    EXPECT_EQ(Main<TComboBox>("cboScreens")->Items().Count(), 16);
    EXPECT_EQ(Form5->Options(), TConversionOptions());
    // Confirming the options or a folder later says nothing more.
    Form5->OnShow = [this](TObject*) { ClickControl(Options("bsSkinButton6")); };
    ClickControl(Main("bsSkinButton19"));
    const std::string chosen = FRoot + "chosen";
    ForceDirectories(chosen);
    FDialogs->FFolder = chosen;
    ClickControl(Main("bsSkinButton5"));
    EXPECT_EQ(Form1->FileOutPutPath, chosen);
    EXPECT_EQ(FErrors.size(), 1u);
}

TEST_F(Program, OutputFolderChoiceIgnoresCancel) {
    StartProgram();
    const std::string before = Form1->FileOutPutPath;
    const std::string chosen = FRoot + "chosen";
    ForceDirectories(chosen);
    FDialogs->FFolder = chosen;
    ClickControl(Main("bsSkinButton5"));
    EXPECT_EQ(Form1->FileOutPutPath, chosen);
    EXPECT_EQ(Main("Video_OutPut_Folder_Edit")->Text(), chosen);
    EXPECT_EQ(Stored("OutPath", "OutPath"), chosen);

    // Cancel after the folder dialog confirmed another folder elsewhere changes nothing.
    DescribedComponent<TbsSkinSelectDirectoryDialog>(Form1, "bsSkinSelectDirectoryDialog2")
        ->SetDirectory(before);
    FDialogs->FFolder.clear();
    ClickControl(Main("bsSkinButton5"));
    EXPECT_EQ(Form1->FileOutPutPath, chosen);
    EXPECT_EQ(Stored("OutPath", "OutPath"), chosen);

    ClickControl(Main("bsSkinButton6"));
    EXPECT_EQ(FLaunched, std::vector<std::string>{ "xdg-open " + chosen });
}

// "打开" and the snapshot menu's "打开快照目录" ask the desktop to open a folder; when no program
// can, the user reads which folder and why.
TEST_F(Program, AFolderNoProgramOpensIsReportedWithTheReason) {
    StartProgram();
    Form1->Show();
    Pump();
    AnswerMessageBoxes();
    ClickControl(Main("bsSkinButton6"));
    EXPECT_TRUE(FMessages.empty()) << "a folder that opens says nothing";

    FLaunchFailure = "xdg-open: no method available for opening the folder";
    ClickControl(Main("bsSkinButton6"));
    Main<TMenuItem>("MenuItem1")->Click();
    Pump();
    const std::string title = FApp->Title() + ": ";
    EXPECT_EQ(
        FMessages,
        (std::vector<std::string>{
            title + "无法打开文件夹“" + Form1->FileOutPutPath + "”：" + FLaunchFailure,
            title + "无法打开文件夹“" + FRoot + "home/苇川视频软件/快照”：" + FLaunchFailure }));
    EXPECT_EQ(FLaunched.size(), 3u);
}

TEST_F(Program, OptionsDialogOkWritesAndCancelRestores) {
    StartProgram();
    Form1->Show();
    Pump();
    Form5->OnShow = [this](TObject*) {
        Options<TbsSkinCheckRadioBox>("bsSkinCheckRadioBox9")->SetChecked(true);
        Options<TbsSkinCheckRadioBox>("bsSkinCheckRadioBox8")->SetChecked(true);
        Options<TbsSkinComboBox>("bsSkinComboBox2")->SetItemIndex(11);
        ClickControl(Options("bsSkinButton1")); // 取消
    };
    ClickControl(Main("bsSkinButton19"));
    EXPECT_EQ(Form5->Options(), TConversionOptions()) << "Cancel undoes the changes";
    EXPECT_EQ(Stored("Options", "Thread_Priority"), "3");
    EXPECT_FALSE(Form5->Visible());

    Form5->OnShow = [this](TObject*) {
        Options<TbsSkinCheckRadioBox>("bsSkinCheckRadioBox2")->SetChecked(true);
        Options<TbsSkinComboBox>("bsSkinComboBox2")->SetItemIndex(11);
        ClickControl(Options("bsSkinButton6")); // 确定
    };
    Main<TMenuItem>("N24")->Click();
    EXPECT_EQ(Stored("Options", "Thread_Count"), "12");
    EXPECT_EQ(Stored("Options", "After_Done"), "1");
    EXPECT_TRUE(Options<TbsSkinCheckRadioBox>("bsSkinCheckRadioBox2")->Checked());
    EXPECT_FALSE(Options<TbsSkinCheckRadioBox>("bsSkinCheckRadioBox1")->Checked());
    EXPECT_EQ(Form5->ThreadCount(), 12);
}

TEST_F(Program, OkThatCannotWriteKeepsTheDialogOpen) {
    StartProgram();
    Form1->Show();
    Pump();
    // From here on the settings file cannot be written where the start-up chose to keep it.
    std::filesystem::remove_all(FRoot + "settings");
    std::ofstream(FRoot + "settings") << "x";
    Form5->OnShow = [&](TObject*) {
        Pump();
        const TPoint ok = ScreenCentre(Options("bsSkinButton6"));
        const TPoint cancel = ScreenCentre(Options("bsSkinButton1"));
        FDisplay->Click(ok.X, ok.Y);
        FDisplay->Click(cancel.X, cancel.Y);
    };
    // Only a dialog still open after the failed OK can take the Cancel click.
    EXPECT_EQ(Form5->ShowModal(), mrCancel);
    EXPECT_EQ(FErrors, std::vector<std::string>{ "Unable to write to " + SettingsName() });
}

TEST_F(Program, AboutBoxAndHelpLinks) {
    StartProgram();
    Form1->Show();
    Pump();
    // The emblem is painted when the box first shows, not while the program starts.
    const TPicture& emblem = DescribedComponent<TImage>(Form2, "Image1")->Picture();
    EXPECT_FALSE(emblem.Graphic());
    bool shown = false;
    Form2->OnShow = [&, inner = Form2->OnShow](TObject* sender) {
        inner(sender);
        shown = true;
        EXPECT_TRUE(emblem.Graphic() && emblem.Graphic()->Width() == 80);
        ClickControl(DescribedComponent<TControl>(Form2, "bsSkinButton1"));
    };
    Main<TMenuItem>("N5")->Click();
    EXPECT_TRUE(shown);
    EXPECT_FALSE(Form2->Visible());
    EXPECT_EQ(DescribedComponent<TControl>(Form2, "bsSkinStdLabel2")->Caption(), "Ver:10.0.0.0");

    Main<TMenuItem>("N19")->Click();
    Main<TMenuItem>("EMAIL1")->Click();
    DescribedComponent<TbsSkinLinkLabel>(Form2, "bsSkinLinkLabel2")->Click();
    FDisplay->TypeKey(VK_F1);
    Pump();
    const std::vector<std::string> expected{ std::string("xdg-open ") + TForm1::kWebPage,
                                             std::string("xdg-open ") + TForm1::kMailLink,
                                             std::string("xdg-open ") + TForm1::kMailLink,
                                             std::string("xdg-open ") + TForm1::kWebPage };
    EXPECT_EQ(FLaunched, expected);
}

TEST_F(Program, MenuBarDropsDownAndRunsTheChosenItem) {
    StartProgram();
    Form1->Show();
    Pump();
    auto* bar = Main<TbsSkinMainMenuBar>("bsSkinMainMenuBar1");
    TbsSkinMenu& menu = Main<TbsSkinForm>("bsSkinForm1")->SkinMenu();
    // The bar lays its items out as it paints.
    TBitmap scratch(bar->Width(), bar->Height());
    bar->PaintBar(scratch.Canvas());
    auto openIndex = [&] {
        if (!menu.Visible()) return -1;
        for (std::size_t i = 0; i < bar->ObjectList.size(); ++i)
            if (bar->ObjectList[i]->FDown) return int(i);
        return -1;
    };
    // 帮助, the fourth menu: a click drops it down under its caption.
    const TRect helpRect = bar->ObjectList.at(3)->ObjectRect;
    const TPoint help = bar->ClientToScreen(TPoint(helpRect.Left + 5, 10));
    FDisplay->Click(help.X, help.Y);
    Pump();
    ASSERT_EQ(openIndex(), 3);
    ASSERT_EQ(menu.PopupList().size(), 1u);
    EXPECT_EQ(menu.PopupList().front()->Top(), bar->ClientToScreen(TPoint(0, helpRect.Bottom)).Y);

    // Left moves to 动作, whose last item 选项设置 is one Up away; Enter runs it.
    FDisplay->TypeKey(VK_LEFT);
    Pump();
    ASSERT_EQ(openIndex(), 2);
    bool optionsShown = false;
    Form5->OnShow = [&](TObject*) {
        optionsShown = true;
        ClickControl(Options("bsSkinButton1"));
    };
    FDisplay->TypeKey(VK_UP);
    FDisplay->TypeKey(VK_RETURN);
    Pump();
    EXPECT_TRUE(optionsShown);
    EXPECT_EQ(openIndex(), -1);

    // Escape closes the menu and gives the focus back.
    Main<TWinControl>("Video_OutPut_Folder_Edit")->SetFocus();
    FDisplay->Click(help.X, help.Y);
    Pump();
    ASSERT_EQ(openIndex(), 3);
    FDisplay->TypeKey(VK_ESCAPE);
    Pump();
    EXPECT_EQ(openIndex(), -1);
    EXPECT_EQ(Form1->ActiveControl(), Main("Video_OutPut_Folder_Edit"));

    // A click outside closes the menu and runs nothing.
    FDisplay->Click(help.X, help.Y);
    Pump();
    ASSERT_EQ(openIndex(), 3);
    const TPoint away = Form1->ClientToScreen(TPoint(300, 300));
    FDisplay->Click(away.X, away.Y);
    Pump();
    EXPECT_EQ(openIndex(), -1);
    EXPECT_TRUE(FLaunched.empty());

    // The add button drops its popup below itself; choosing an item by mouse runs it.
    auto* add = Main<TbsSkinMenuSpeedButton>("bsSkinMenuSpeedButton1");
    const TPoint button = add->ClientToScreen(TPoint(add->Width() / 2, add->Height() / 2));
    FDisplay->Click(button.X, button.Y);
    Pump();
    ASSERT_TRUE(menu.Visible());
    ASSERT_EQ(menu.PopupList().size(), 1u);
    TbsSkinPopupWindow* level = menu.PopupList().front();
    EXPECT_EQ(level->Top(), add->ClientToScreen(TPoint(0, add->Height())).Y);
    bool added = false;
    Main<TMenuItem>("N3331")->OnClick = [&](TObject*) { added = true; };
    ASSERT_EQ(level->ItemList().size(), 3u);
    const TRect row = level->ItemList()[2]->ObjectRect;
    const TPoint third = level->ClientToScreen(TPoint(row.Left + 10, (row.Top + row.Bottom) / 2));
    FDisplay->MoveMouse(third.X, third.Y);
    FDisplay->Click(third.X, third.Y);
    Pump();
    EXPECT_TRUE(added);
    EXPECT_FALSE(menu.Visible());

    // The keys work the popup while it shows.
    bool addedOne = false;
    Main<TMenuItem>("N11111")->OnClick = [&](TObject*) { addedOne = true; };
    FDisplay->Click(button.X, button.Y);
    Pump();
    ASSERT_TRUE(menu.Visible());
    // The popup shows with its first item lit: Down leaves it, Up comes back, Enter runs it.
    FDisplay->TypeKey(VK_DOWN);
    FDisplay->TypeKey(VK_UP);
    FDisplay->TypeKey(VK_RETURN);
    Pump();
    EXPECT_TRUE(addedOne);
    EXPECT_FALSE(menu.Visible());
}

// A description that lost a component the window's code uses, or gives one another class, must
// stop the window at its creation with every such component named, not fail at the first use.
TEST_F(Program, BrokenDescriptionStopsTheMainWindowAtItsCreation) {
    std::string text(FormResource("Unit1"));
    for (const auto& [from, to] :
         { std::pair{ "object button28: TButton", "object button28x: TButton" },
           // A plain list view has neither a skin nor a skinned scroll bar.
           std::pair{ "object lvFiles: TbsSkinListView\n"
                      "      HScrollBar = bsSkinScrollBar1\n"
                      "      SkinData = bsSkinData1\n",
                      "object lvFiles: TListView\n" } }) {
        const auto at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        text.replace(at, std::string(from).size(), to);
    }
    try {
        TForm1 broken(nullptr, text);
        ADD_FAILURE() << "the window was created";
    } catch (const EReadError& error) {
        const std::string message = error.what();
        EXPECT_EQ(message.rfind("Unit1.dfm: ", 0), 0u) << message;
        EXPECT_NE(message.find("component button28 not found"), std::string::npos) << message;
        EXPECT_NE(message.find("component lvFiles is a TListView"), std::string::npos) << message;
    }
}

TEST_F(Program, CommandsRunTheirHiddenOperationsWhateverTheButtonsState) {
    StartProgram();
    struct Wiring {
        const char* command; // a tool bar button or a menu item
        const char* operation;
    };
    const Wiring wiring[] = {
        { "bsSkinButton7", "btnRemove" },
        { "bsSkinButton8", "btnClear" },
        { "bsSkinButton2", "btnStart" },
        { "bsSkinButton10", "btnStop" },
        { "bsSkinButton11", "btnPause" },
        { "bsSkinButton12", "btnResume" },
        { "N13", "btnRemove" },
        { "N14", "btnClear" },
        { "N7", "btnStart" },
        { "N8", "btnStop" },
        { "N10", "btnPause" },
        { "N11", "btnResume" },
        { "N21", "Button12" },
        { "N2222", "Button8" },
        { "N3331", "Button12" },
    };
    for (const auto& w : wiring) {
        TObject* ran = nullptr;
        TControl* operation = Main(w.operation);
        operation->OnClick = [&](TObject* sender) { ran = sender; };
        TComponent* command = Form1->FindComponent(w.command);
        if (auto* item = dynamic_cast<TMenuItem*>(command))
            item->OnClick(item);
        else if (auto* button = dynamic_cast<TbsSkinButton*>(command))
            button->OnClick(button);
        else
            dynamic_cast<TControl*>(command)->OnClick(command);
        EXPECT_EQ(ran, operation) << w.command << " -> " << w.operation;
    }
    EXPECT_FALSE(Main("btnStart")->Enabled()) << "a disabled operation button still runs";
}

TEST_F(Program, PauseAndResumeSwapInOnePlace) {
    StartProgram();
    TControl* pause = Main("bsSkinButton11");
    TControl* resume = Main("bsSkinButton12");
    Form1->bsSkinButton11Click(pause);
    EXPECT_FALSE(pause->Visible());
    EXPECT_TRUE(resume->Visible());
    Form1->bsSkinButton12Click(resume);
    EXPECT_TRUE(pause->Visible());
    EXPECT_FALSE(resume->Visible());
}

TEST_F(Program, LogLinesReachTheMemoUntilTheWindowCloses) {
    StartProgram();
    Form1->Show();
    Pump();
    TStrings& log = Main<TMemo>("mmoLog")->Lines();
    Form1->FFLogger->Log(nullptr, llError, "boom");
    Pump();
    ASSERT_GE(log.Count(), 1);
    EXPECT_EQ(log.Strings(log.Count() - 1),
              Format("#%d.3: boom", std::int64_t(GetCurrentThreadId())));

    ASSERT_TRUE(Form1->FFTasks->OnProgress && Form1->VOVezade->OnPosition);
    Main<TMenuItem>("N4")->Click();
    Pump();
    EXPECT_TRUE(FApp->Terminated());
    EXPECT_FALSE(Form1->FFTasks->OnProgress || Form1->FFTasks->OnTerminate ||
                 Form1->FFTasks->OnCustomHook);
    EXPECT_FALSE(Form1->VOVezade->OnPosition || Form1->VOVezade->OnState ||
                 Form1->VOVezade->OnHook);
    EXPECT_TRUE(Form1->VOVezade->OnFileOpen) << "only the three player events are detached";
    const int lines = log.Count();
    Form1->FFLogger->Log(nullptr, llError, "after");
    Pump();
    EXPECT_EQ(log.Count(), lines) << "the logger's handler is detached at close";
}

} // namespace
