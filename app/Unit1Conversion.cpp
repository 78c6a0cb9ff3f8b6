#include "app/Unit1.h"

#include "Src/FFmpegTasks/TFFmpegTasks.h"
#include "app/FormHandlers.h"
#include "app/JobListControls.h"
#include "app/JobListText.h"
#include "app/JobRowParameters.h"
#include "app/PresetCatalogue.h"
#include "app/ProgramFolders.h"
#include "app/Unit5.h"
#include "app/WorkingParameterOptions.h"
#include "lib/controls/TbsSkinButton.h"
#include "lib/controls/TbsSkinComboBox.h"
#include "lib/controls/TbsSkinCustomListView.h"
#include "lib/controls/TbsSkinOfficeComboBox.h"
#include "lib/controls/TbsSkinSlider.h"
#include "platform/forms/TCheckBox.h"
#include "platform/forms/TMenuItem.h"
#include "platform/rtl/FilePath.h"
#include "platform/rtl/FileSystem.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/MainThread.h"
#include "platform/rtl/TextUtils.h"
#include "platform/shell/ShellExecute.h"

namespace {

constexpr const char* kRowNotConvertible = "无法转换第%d个文件“%s”：%s";

} // namespace

bool TForm1::RebuildTasks() {
    FFTasks->ClearTasks();
    const bool overwrite = Form5 && Form5->Options().OverwriteFile == 0;
    std::vector<std::string> taken;
    const TListItems& rows = FJobList->Items();
    for (int i = 0; i < rows.Count(); ++i) {
        TListItem& row = *rows[i];
        std::string problem;
        try {
            IO1[i].FileName = row.Caption();
            // Exactly what the row shows: a value its cells leave unset is unset, never one of
            // the format the file was added with before the row's format changed.
            TOutputOptions options = OutputOptionsOf(ReadParameterCells(row.SubItems()));
            // The output folder may have changed since the add, and earlier rows may already
            // write a file of this name.
            const std::string name = UniqueOutputName(
                FileOutPutPath, row.SubItems().Strings(jcOutputName), taken, overwrite);
            row.SubItems().SetStrings(jcOutputName, name);
            taken.push_back(name);
            const std::string path = IncludeTrailingPathDelimiter(FileOutPutPath) + name;
            options.FileName = path;
            options.AudioLanguage = OO1[i].AudioLanguage;
            OO1[i] = options;
            TInputOptions input = IO1[i];
            if (FFTasks->AddTask(input.FileName, &input) != i) {
                problem = FFTasks->LastErrMsg();
            } else {
                TOutputOptions output = OO1[i];
                output.AudioLanguage.clear();
                if (!FFTasks->SetOutputFile(i, path, &output)) problem = FFTasks->LastErrMsg();
            }
        } catch (const std::exception& error) {
            problem = error.what();
        }
        if (!problem.empty()) {
            FFTasks->ClearTasks();
            ShowWarning(Format(kRowNotConvertible, i + 1, row.Caption(), problem));
            return false;
        }
    }
    return true;
}

void TForm1::btnStartClick(TObject*) {
    // Stop waits with the window alive; the run it ends still owns the tasks.
    if (FStopping || FRunning || FJobList->Items().Count() == 0) return;
    if (Form5) {
        constexpr TThreadPriority priorities[] = { tpIdle, tpLowest, tpLower, tpNormal };
        const int choice = Form5->Options().ThreadPriority;
        if (choice >= 0 && choice < 4) FFTasks->SetThreadPriority(priorities[choice]);
    }
    RunOperation(FOperations.RebuildTasks);
    if (FFTasks->TasksCount() != FJobList->Items().Count()) return;
    FRunning = true;
    SetAddCommands(false);
    RunOperation(FOperations.LockPickers);
    SetRowCommands(false);
    const bool threadMode = FThreadMode->Checked();
    SetRunCommands(threadMode, threadMode, false);
    FFTasks->Start(Form5 ? Form5->ThreadCount() : 1);
}

void TForm1::button28Click(TObject*) {
    RebuildTasks();
}

void TForm1::btnStopClick(TObject*) {
    if (!FRunning) return;
    SetRunCommand(FStopTool, FOperations.Stop, FStopItem, false);
    RunOperation(FOperations.UnlockPickers);
    RunOperation(FOperations.RefreshSkin);
    FStopping = true;
    FFTasks->Stop(true);
    // The tasks' terminations were handed to this thread while the stop waited: they are
    // handled now, before anything else can reach the window and find it between two runs.
    CheckSynchronize(0);
    FStopping = false;
    // Only now can a start find the tasks free to be rebuilt.
    SetToolButton(FStartTool, true);
    FOperations.Start->SetEnabled(false);
    FStartItem->SetEnabled(false);
}

void TForm1::btnPauseClick(TObject*) {
    SetRunCommand(FPauseTool, FOperations.Pause, FPauseItem, false);
    SetRunCommand(FResumeTool, FOperations.Resume, FResumeItem, true);
    FFTasks->Pause();
}

void TForm1::btnResumeClick(TObject*) {
    SetRunCommand(FPauseTool, FOperations.Pause, FPauseItem, true);
    SetRunCommand(FResumeTool, FOperations.Resume, FResumeItem, false);
    FFTasks->Resume();
}

void TForm1::Button22Click(TObject*) {
    for (TControl* picker : FPresetPickers)
        picker->SetEnabled(false);
    for (TControl* control :
         std::initializer_list<TControl*>{ FFamilyPicker, FFormatPicker, FBrowseButton })
        control->SetEnabled(false);
}

void TForm1::Button23Click(TObject*) {
    // An audio format's video pickers stay off once the run is over: they hold nothing to pick.
    const TPresetPickerStates states = PresetPickersFor(All_Trant_Number);
    for (int p = 0; p < PresetPickerCount; ++p)
        FPresetPickers[p]->SetEnabled(states[p].Enabled);
    for (TControl* control :
         std::initializer_list<TControl*>{ FFamilyPicker, FFormatPicker, FBrowseButton })
        control->SetEnabled(true);
}

void TForm1::Button24Click(TObject*) {}

void TForm1::FFTasksProgress(TObject*, PProgressInfo progressInfo) {
    const TProgressInfo& info = *progressInfo;
    if (info.TaskIndex < 0 || info.TaskIndex >= FJobList->Items().Count()) return;
    TStrings& cells = FJobList->Items()[info.TaskIndex]->SubItems();
    cells.SetStrings(jcProgress, PercentText(info.CurrentDuration, info.TotalDuration));
    if (info.FPS > 0) cells.SetStrings(jcFps, std::to_string(info.FPS));
    cells.SetStrings(jcMediaTime, SecToDate(info.CurrentDuration / 1000000));
    cells.SetStrings(jcOutputSize, MegabyteText(info.CurrentSize));
}

void TForm1::FFTasksTerminate(TObject*, const TTerminateInfo& terminateInfo) {
    if (IsMainThread()) {
        TaskTerminated(terminateInfo);
        return;
    }
    // The handling touches controls: it runs on the GUI thread, once, while the window lives.
    std::weak_ptr<bool> alive = FAlive;
    QueueToMainThread([this, alive, info = terminateInfo] {
        if (alive.lock()) TaskTerminated(info);
    });
}

void TForm1::TaskTerminated(const TTerminateInfo& info) {
    if (info.TaskIndex < 0) {
        FRunning = false;
        SetRowEditCommands(false);
        SetToolButton(FClearTool, true);
        FOperations.Clear->SetEnabled(true);
        FClearItem->SetEnabled(true);
        SetRunCommands(false, false, false);
        RunOperation(FOperations.UnlockPickers);
        RunOperation(FOperations.RefreshSkin);
        AfterDone();
    } else if (info.Finished && info.TaskIndex < FJobList->Items().Count()) {
        FJobList->Items()[info.TaskIndex]->SubItems().SetStrings(jcProgress, "100%");
    }
    if (info.Exception) ShowWarning(info.ExceptionMsg);
}

void TForm1::AfterDone() {
    if (!Form5) return;
    switch (Form5->Options().AfterDone) {
    case 0:
        RunOperation(FOperations.OpenOutputFolder);
        break;
    case 1:
        RunOperation(FOperations.ShutDown);
        break;
    case 2:
        RunOperation(FOperations.PlaySound);
        break;
    default:
        break;
    }
}

void TForm1::Button25Click(TObject*) {
    // A plain power-off: programs still running get the chance to save their work.
    ShellPowerOff();
}

void TForm1::Button29Click(TObject*) {
    const std::string sound = ProgramPath() + "sounds/ring001.wav";
    if (FileExists(sound)) ShellPlaySound(sound);
}

void TForm1::chkPreviewClick(TObject* sender) {
    if (auto* box = dynamic_cast<TCheckBox*>(sender)) FFTasks->SetPreview(box->Checked());
}
