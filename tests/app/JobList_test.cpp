#include "HeadlessProgramTest.h"
#include "Src/AVProbe/TAVProbe.h"
#include "Src/FFPlay.h"
#include "Src/FFmpegTasks/TFFmpegTasks.h"
#include "app/Dialogs.h"
#include "app/JobListControls.h"
#include "app/Program.h"
#include "app/ProgramFolders.h"
#include "app/SettingsSections.h"
#include "app/Unit1.h"
#include "app/Unit5.h"
#include "lib/controls/TbsSkinComboBox.h"
#include "lib/controls/TbsSkinCustomListView.h"
#include "lib/controls/TbsSkinOfficeComboBox.h"
#include "lib/controls/TbsSkinSlider.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TEdit.h"
#include "platform/forms/TFormReader.h"
#include "platform/forms/TMemo.h"
#include "platform/forms/TMenuItem.h"
#include "platform/rtl/FilePath.h"
#include "platform/rtl/FileSystem.h"
#include "platform/rtl/MainThread.h"
#include "platform/shell/ShellExecute.h"
#include "platform/win/Win.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "tests/fixtures/FixtureSet.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <thread>

namespace {

using namespace win;

// The program started as its entry point starts it on a headless display, with its settings
// and output folder in a temporary folder; message boxes are answered and recorded.
class JobList : public HeadlessProgramTest {
protected:
    JobList() : HeadlessProgramTest("joblist") {}

    void SetUp() override {
        HeadlessProgramTest::SetUp();
        FFixtures = &fixtures::Standard();
        StartProgram();
        AnswerMessageBoxes();
        Form1->Show();
        Pump();
        FList = DescribedComponent<TbsSkinListView>(Form1, "lvFiles");
        FOutput = IncludeTrailingPathDelimiter(Form1->FileOutPutPath);
        SetOptions("2", 3);
    }

    // Keeps the GUI thread working until done holds; fails after a generous watchdog.
    template <typename Done>
    void PumpUntil(Done done) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
        while (!done()) {
            ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "watchdog";
            Pump();
            CheckSynchronize(20);
        }
    }

    void SetOptions(const std::string& threads, int afterDone) {
        TConversionOptions options = Form5->Options();
        options.ThreadCount = threads;
        options.AfterDone = afterDone;
        Form5->SetOptions(options);
    }

    // Family "常用视频" (family picker position 1): format 0 is an AVI, format 1 an MP4.
    void ChooseFormat(int format) {
        DescribedComponent<TbsSkinOfficeComboBox>(Form1, FamilyPickerName)->SetItemIndex(1);
        DescribedComponent<TbsSkinOfficeComboBox>(Form1, FormatPickerName)->SetItemIndex(format);
    }

    void AddFiles(const std::vector<std::string>& files) {
        FDialogs->FFiles = files;
        Form1->N2222Click(nullptr);
        Pump();
    }

    // One MP4 row, then two AVI rows from the several-files dialog (added last to first).
    void AddThreeRows() {
        ChooseFormat(1);
        FDialogs->FFiles = { FFixtures->Avi };
        DescribedComponent<TMenuItem>(Form1, "Item111")->Click();
        FList->SetItemIndex(-1);
        ChooseFormat(0);
        AddFiles({ FFixtures->Vob, FFixtures->Mp4 });
    }

    std::string Cell(int row, int cell) { return FList->Items()[row]->SubItems().Strings(cell); }
    bool Enabled(const char* name) { return DescribedComponent<TControl>(Form1, name)->Enabled(); }
    bool RunEnded() { return Enabled("bsSkinButton8") && !Enabled("bsSkinButton10"); }
    void Start() { ClickControl(DescribedComponent<TControl>(Form1, "bsSkinButton2")); }

    const fixtures::FixtureSet* FFixtures{ nullptr };
    std::string FOutput;
    TbsSkinListView* FList{ nullptr };
};

TEST_F(JobList, AddsRowsAndConvertsThemOnTwoThreads) {
    SetOptions("2", 0);
    AddThreeRows();
    ASSERT_EQ(FList->Items().Count(), 3);
    const struct {
        std::string Input, Output, Duration, Task;
    } rows[] = {
        { FFixtures->Avi, ExtractFileName(ChangeFileExt(FFixtures->Avi, ".mp4")), "00:00:02", "1" },
        { FFixtures->Mp4, ExtractFileName(ChangeFileExt(FFixtures->Mp4, ".avi")), "00:00:02", "2" },
        { FFixtures->Vob, ExtractFileName(ChangeFileExt(FFixtures->Vob, ".avi")), "00:00:02", "3" }
    };
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(FList->Items()[i]->Caption(), rows[i].Input);
        EXPECT_EQ(Cell(i, jcDuration), rows[i].Duration);
        EXPECT_EQ(Cell(i, jcOutputName), rows[i].Output);
        EXPECT_EQ(Cell(i, jcTaskNumber), rows[i].Task);
        EXPECT_NE(Cell(i, jcSize).find("MB"), std::string::npos);
    }
    EXPECT_EQ(FList->ItemIndex(), 2);
    EXPECT_TRUE(Enabled("bsSkinButton2"));

    Start();
    EXPECT_FALSE(Enabled("bsSkinButton2"));
    EXPECT_FALSE(Enabled("btnAdd"));
    EXPECT_FALSE(Enabled(FamilyPickerName));
    EXPECT_TRUE(Enabled("bsSkinButton10"));
    PumpUntil([&] { return RunEnded(); });
    EXPECT_TRUE(FMessages.empty()) << FMessages.front();
    EXPECT_TRUE(Enabled(FamilyPickerName));
    EXPECT_FALSE(Enabled("bsSkinButton7"));
    EXPECT_EQ(FLaunched, std::vector<std::string>{ "xdg-open " + Form1->FileOutPutPath });
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Cell(i, jcProgress), "100%") << i;
        EXPECT_EQ(Cell(i, jcMediaTime).substr(0, 6), "00:00:") << i;
        TAVProbe probe(nullptr);
        ASSERT_TRUE(probe.LoadFile(FOutput + Cell(i, jcOutputName))) << probe.LastErrMsg();
        EXPECT_EQ(probe.VideoStreamCount(), 1);
        EXPECT_EQ(probe.AudioStreamCount(), 1);
        EXPECT_GT(probe.FileStreamInfo().Duration, 1500000);
        EXPECT_NE(probe.FormatName().find(i == 0 ? "mp4" : "avi"), std::string::npos)
            << probe.FormatName();
    }
}

TEST_F(JobList, PauseHoldsTheRunAndResumeFinishesIt) {
    SetOptions("1", 3);
    AddThreeRows();
    Start();
    ClickControl(DescribedComponent<TControl>(Form1, "bsSkinButton11"));
    EXPECT_TRUE(Enabled("bsSkinButton12"));
    EXPECT_TRUE(DescribedComponent<TControl>(Form1, "bsSkinButton12")->Visible());
    EXPECT_FALSE(Enabled("bsSkinButton11"));
    EXPECT_TRUE(Enabled("bsSkinButton10"));
    EXPECT_FALSE(RunEnded());
    // Rows stay where their tasks report progress.
    FList->SetItemIndex(1);
    ClickControl(DescribedComponent<TControl>(Form1, "bsSkinButton3"));
    EXPECT_EQ(FList->Items()[1]->Caption(), FFixtures->Mp4);
    ClickControl(DescribedComponent<TControl>(Form1, "bsSkinButton12"));
    EXPECT_TRUE(Enabled("bsSkinButton11"));
    EXPECT_FALSE(Enabled("bsSkinButton12"));
    PumpUntil([&] { return RunEnded(); });
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Cell(i, jcProgress), "100%") << i;
    EXPECT_TRUE(FLaunched.empty());
}

TEST_F(JobList, StopEndsTheRunAndStartRunsAllRowsAgain) {
    SetOptions("1", 3);
    AddThreeRows();
    Start();
    ClickControl(DescribedComponent<TControl>(Form1, "bsSkinButton11"));
    ClickControl(DescribedComponent<TControl>(Form1, "bsSkinButton10"));
    // The run has ended when Stop returns; only the tool bar's start leads on.
    PumpUntil([&] { return RunEnded(); });
    EXPECT_EQ(FList->Items().Count(), 3);
    EXPECT_TRUE(Enabled("bsSkinButton2"));
    EXPECT_FALSE(Enabled("btnStart"));
    EXPECT_FALSE(Enabled("btnAdd"));
    EXPECT_TRUE(Enabled(FamilyPickerName));
    // Rows 1 and 2 never ended; row 0's file stays as far as it got.
    const std::string first = Cell(0, jcOutputName);
    ASSERT_TRUE(FileExists(FOutput + first));
    for (int i = 1; i < 3; ++i)
        EXPECT_NE(Cell(i, jcProgress), "100%") << i;
    // The new run writes beside the stopped run's file instead of over it.
    Start();
    PumpUntil([&] { return RunEnded(); });
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Cell(i, jcProgress), "100%") << i;
    EXPECT_EQ(Cell(0, jcOutputName), ChangeFileExt(first, "") + "_1" + ExtractFileExt(first));
    EXPECT_TRUE(FileExists(FOutput + first));
    EXPECT_TRUE(FMessages.empty()) << FMessages.front();
}

TEST_F(JobList, RowThatCannotBeRebuiltRefusesTheStart) {
    const std::string copy = FRoot + "gone.mp4";
    std::filesystem::copy_file(FFixtures->Mp4, copy);
    ChooseFormat(0);
    AddFiles({ copy, FFixtures->Avi });
    ASSERT_EQ(FList->Items().Count(), 2);
    std::ofstream(copy, std::ios::trunc) << "no longer a video";
    Start();
    ASSERT_EQ(FMessages.size(), 1u);
    EXPECT_NE(FMessages[0].find("第2个文件"), std::string::npos) << FMessages[0];
    EXPECT_NE(FMessages[0].find(copy), std::string::npos) << FMessages[0];
    EXPECT_EQ(Form1->FFTasks->TasksCount(), 0);
    EXPECT_TRUE(Enabled("bsSkinButton2"));
    EXPECT_TRUE(Enabled("btnAdd"));
}

TEST_F(JobList, UnusableFilesAreOnlyLoggedAndAnEmptyFolderIsReported) {
    const std::string folder = FRoot + "texts/";
    ForceDirectories(folder + "sub");
    std::ofstream(folder + "a.txt") << "text";
    std::ofstream(folder + "b") << "text";
    std::filesystem::copy_file(FFixtures->Avi, folder + "sub/inner.avi");
    ChooseFormat(0);
    FDialogs->FFolder = folder;
    Form1->N21Click(nullptr);
    EXPECT_EQ(FList->Items().Count(), 0);
    EXPECT_EQ(FMessages,
              std::vector<std::string>{ "提示: 在该目录没有发现可以用的视频或音频文件！" });
    const std::string log = DescribedComponent<TMemo>(Form1, "mmoLog")->Lines().Text();
    std::size_t errors = 0;
    for (auto at = log.find("***File load error: "); at != std::string::npos;
         at = log.find("***File load error: ", at + 1))
        ++errors;
    EXPECT_EQ(errors, 2u);

    // A cancelled folder dialog adds nothing, not even the folder it holds from before.
    std::filesystem::copy_file(FFixtures->Avi, folder + "video.avi");
    FDialogs->FFolder.clear();
    Form1->N21Click(nullptr);
    EXPECT_EQ(FList->Items().Count(), 0);
    FDialogs->FFolder = folder;
    Form1->N21Click(nullptr);
    ASSERT_EQ(FList->Items().Count(), 1);
    EXPECT_EQ(FList->Items()[0]->Caption(), folder + "video.avi");
}

TEST_F(JobList, AddingKeepsTheSelectedRowAndNamesNeverCollide) {
    ChooseFormat(0);
    AddFiles({ FFixtures->Avi });
    ASSERT_EQ(FList->ItemIndex(), 0);
    // The selected row gets a frame size of its own choice.
    DescribedComponent<TbsSkinCustomComboBox>(Form1, PresetPickerNames[0])->SetItemIndex(2);
    const std::string chosen = FList->Items()[0]->SubItems().Text();
    // The same file again while that row is selected, then a file of the same name from
    // another folder.
    const std::string other = FRoot + ExtractFileName(FFixtures->Avi);
    std::filesystem::copy_file(FFixtures->Avi, other);
    FDialogs->FFiles = { FFixtures->Avi };
    Form1->btnAddClick(nullptr);
    EXPECT_EQ(FList->Items()[0]->SubItems().Text(), chosen);
    FDialogs->FFiles = { other };
    Form1->btnAddClick(nullptr);
    ASSERT_EQ(FList->Items().Count(), 3);
    const std::string stem = ExtractFileName(ChangeFileExt(FFixtures->Avi, ""));
    EXPECT_EQ(Cell(0, jcOutputName), stem + ".avi");
    EXPECT_EQ(Cell(1, jcOutputName), stem + "_1.avi");
    EXPECT_EQ(Cell(2, jcOutputName), stem + "_2.avi");
    EXPECT_EQ(FList->ItemIndex(), 2);
}

TEST_F(JobList, RemoveMoveAndRenameKeepRowsSlotsAndTasksInStep) {
    ChooseFormat(0);
    AddFiles({ FFixtures->Mp4, FFixtures->Vob, FFixtures->Avi });
    ASSERT_EQ(FList->Items().Count(), 3); // Avi, Vob, Mp4

    // Remove the middle row: the later task number drops, its slot moves up.
    FList->SetItemIndex(1);
    ClickControl(DescribedComponent<TControl>(Form1, "bsSkinButton7"));
    ASSERT_EQ(FList->Items().Count(), 2);
    EXPECT_EQ(FList->Items()[1]->Caption(), FFixtures->Mp4);
    EXPECT_EQ(Cell(1, jcTaskNumber), "2");
    EXPECT_EQ(Form1->IO1[1].FileName, FFixtures->Mp4);
    EXPECT_EQ(Form1->OO1[1].AudioLanguage, "Full");
    EXPECT_EQ(Form1->OO1[2].AudioLanguage, "kong");
    EXPECT_EQ(FList->ItemIndex(), 0);

    // Move the second row up: rows and slots change places, the moved row is selected.
    FList->SetItemIndex(1);
    ClickControl(DescribedComponent<TControl>(Form1, "bsSkinButton3"));
    EXPECT_EQ(FList->Items()[0]->Caption(), FFixtures->Mp4);
    EXPECT_EQ(Form1->IO1[0].FileName, FFixtures->Mp4);
    EXPECT_EQ(FList->ItemIndex(), 0);
    ClickControl(DescribedComponent<TControl>(Form1, "bsSkinButton3"));
    EXPECT_EQ(FList->Items()[0]->Caption(), FFixtures->Mp4);

    // Rename: a name with a folder separator is refused, a good one keeps the extension and
    // steers clear of the other row's name.
    auto* edit = DescribedComponent<TEdit>(Form1, "edt");
    ClickControl(DescribedComponent<TControl>(Form1, "bsSkinButton21"));
    EXPECT_TRUE(edit->Visible());
    edit->SetText("../escape");
    Form1->edtExit(edit);
    EXPECT_TRUE(edit->Visible());
    EXPECT_EQ(FMessages.size(), 1u);
    const std::string otherName = Cell(1, jcOutputName);
    edit->SetText(ChangeFileExt(otherName, ""));
    Form1->edtExit(edit);
    EXPECT_FALSE(edit->Visible());
    EXPECT_EQ(Cell(0, jcOutputName), ChangeFileExt(otherName, "") + "_1.avi");
    EXPECT_EQ(Form1->OO1[0].FileName, FOutput + Cell(0, jcOutputName));

    // Removing without a selection asks for one; removing every row empties the slots.
    FList->SetItemIndex(-1);
    ClickControl(DescribedComponent<TControl>(Form1, "bsSkinButton7"));
    EXPECT_EQ(FMessages.back(), "提示: 请先选择您需要删除的项目！");
    for (int i = 0; i < 2; ++i) {
        FList->SetItemIndex(0);
        ClickControl(DescribedComponent<TControl>(Form1, "bsSkinButton7"));
    }
    EXPECT_EQ(FList->Items().Count(), 0);
    EXPECT_EQ(Form1->OO1[0].AudioLanguage, "kong");
    EXPECT_EQ(Form1->FFTasks->TasksCount(), 0);
    EXPECT_FALSE(Enabled("bsSkinButton2"));
}

} // namespace

TEST_F(JobList, FailedRowIsReportedWhileTheOthersFinish) {
    SetOptions("2", 3);
    AddThreeRows();
    // Row 1 asks for a frame rate its encoder cannot write.
    TStrings& cells = FList->Items()[1]->SubItems();
    cells.SetStrings(jcFirstParameter, "mpeg1video");
    cells.SetStrings(jcFirstParameter + 7, "15");
    Start();
    PumpUntil([&] { return RunEnded(); });
    ASSERT_EQ(FMessages.size(), 1u);
    EXPECT_EQ(FMessages[0].rfind(FApp->Title() + ": ", 0), 0u) << FMessages[0];
    EXPECT_NE(Cell(1, jcProgress), "100%");
    EXPECT_EQ(Cell(0, jcProgress), "100%");
    EXPECT_EQ(Cell(2, jcProgress), "100%");
}

TEST_F(JobList, FullListRefusesOneMoreFile) {
    for (int i = 0; i < TForm1::kMaxJobs; ++i)
        FList->Items().Add();
    ChooseFormat(0);
    FDialogs->FFiles = { FFixtures->Avi };
    Form1->btnAddClick(nullptr);
    EXPECT_EQ(FList->Items().Count(), TForm1::kMaxJobs);
    EXPECT_EQ(FMessages, std::vector<std::string>{ "提示: 任务列表最多只能容纳501个文件！" });
    EXPECT_EQ(Form1->FFTasks->TasksCount(), 0);
}

TEST_F(JobList, AfterDoneActionRunsOnceTheRunHasEnded) {
    // The completion sound is not installed beside the test program: choosing it plays nothing.
    ASSERT_FALSE(FileExists(ProgramPath() + "sounds/ring001.wav"));
    const std::pair<int, std::vector<std::string>> cases[] = {
        { 0, { "xdg-open " + Form1->FileOutPutPath } },
        { 1, { "systemctl poweroff" } },
        { 2, {} },
        { 3, {} },
    };
    ChooseFormat(0);
    for (const auto& [action, launched] : cases) {
        SetOptions("1", action);
        FLaunched.clear();
        ClickControl(DescribedComponent<TControl>(Form1, "bsSkinButton8"));
        EXPECT_TRUE(Enabled("btnAdd"));
        AddFiles({ FFixtures->Avi });
        // A cleared list starts again at task 1 and slot 0.
        ASSERT_EQ(FList->Items().Count(), 1);
        EXPECT_EQ(Cell(0, jcTaskNumber), "1");
        Start();
        PumpUntil([&] { return RunEnded(); });
        EXPECT_EQ(FLaunched, launched) << action;
    }
}

TEST_F(JobList, StartWhileStoppingWaitsForTheStop) {
    SetOptions("1", 3);
    AddThreeRows();
    Start();
    ClickControl(DescribedComponent<TControl>(Form1, "bsSkinButton11"));
    // A start that reaches the window while the stop still waits for the tasks.
    bool ran = false;
    std::thread([&] {
        QueueToMainThread([&] {
            ran = true;
            Form1->btnStartClick(nullptr);
        });
    }).join();
    ClickControl(DescribedComponent<TControl>(Form1, "bsSkinButton10"));
    EXPECT_TRUE(ran);
    PumpUntil([&] { return RunEnded(); });
    EXPECT_TRUE(FErrors.empty()) << FErrors.front();
    EXPECT_TRUE(Enabled("bsSkinButton2"));
    Start();
    PumpUntil([&] { return RunEnded(); });
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Cell(i, jcProgress), "100%") << i;
}
