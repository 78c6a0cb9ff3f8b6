#include "app/Unit1.h"

#include "Src/AVProbe/TAVProbe.h"
#include "Src/FFPlay.h"
#include "Src/FFmpegTasks/TFFmpegTasks.h"
#include "app/Dialogs.h"
#include "app/FormHandlers.h"
#include "app/FormatCodes.h"
#include "app/FormatParameters.h"
#include "app/JobListControls.h"
#include "app/JobListText.h"
#include "app/JobRowParameters.h"
#include "app/PresetTexts.h"
#include "app/ProgramFolders.h"
#include "app/Unit5.h"
#include "app/WorkingParameterOptions.h"
#include "lib/controls/TbsSkinButton.h"
#include "lib/controls/TbsSkinComboBox.h"
#include "lib/controls/TbsSkinCustomListView.h"
#include "lib/controls/TbsSkinSlider.h"
#include "lib/dialogs/TbsSkinOpenDialog.h"
#include "lib/dialogs/TbsSkinSelectDirectoryDialog.h"
#include "lib/dialogs/bsMessages.h"
#include "platform/forms/MessageBoxFlags.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TImage.h"
#include "platform/forms/TMemo.h"
#include "platform/forms/TMenuItem.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/FilePath.h"
#include "platform/rtl/FileSystem.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/TStringList.h"

#include <algorithm>
#include <filesystem>
#include <fnmatch.h>

namespace {

constexpr const char* kFreeSlot = "kong";
constexpr const char* kUsedSlot = "Full";
constexpr const char* kNoFilesMessage = "在该目录没有发现可以用的视频或音频文件！";
constexpr const char* kListFullMessage = "任务列表最多只能容纳%d个文件！";

constexpr const char* kInputFilter[] = {
    "所有文件格式 (*.*)|*.*|",
    "支持的视频/音频文件格式|*.AVI;*.ASF;*.asx;*.WMV;*.AVS;*.FLV;*.MKV;*.MOV;*.3GP;*.MP4;*.MPG;*."
    "MPEG;*.DAT;*.OGM;*.VOB;*.RM;*.RMVB;*.TS;*.TP;*.IFO;*.NSV;*.MP3;*.AAC;*.WAV;*.WMA;*.CDA;*.SWF;",
    "*.FLAC;*.M4A;*.MID;*.MKA;*.MP2;*.MPA;*.MPC;*.APE;*.OFR;*.OGG;*.RA;*.WV;*.TTA;*.AC3;*.DTS;*.DV;"
    "*.m4v;*.3g2;*.mkv;*.dv;*.yuv;*.h261;*.h264;*.mjpeg;*.dif;*.m4v;*.3gpp;*.3gp2;*.qt|",
    "支持的视频文件格式|*.AVI;*.ASF;*.asx;*.WMV;*.AVS;*.FLV;*.MKV;*.MOV;*.3GP;*.MP4;*.MPG;*.MPEG;*."
    "DAT;*.OGM;*.VOB;*.RM;*.RMVB;*.TS;*.TP;*.IFO;*.NSV;*.SWF;*.WV;*.TTA;*.AC3;*.DTS;*.DV;*.m4v;*."
    "3g2;*.mkv;*.dv;*.yuv;*.h261;*.h264;*.mjpeg;*.dif;*.m4v;*.3gpp;*.3gp2;*.qt|",
    "支持的音频文件格式|*.MP3;*.AAC;*.WAV;*.WMA;*.CDA;*.FLAC;*.M4A;*.MID;*.MKA;*.MP2;*.MPA;*.MPC;*."
    "APE;*.OFR;*.OGG;*.RA;*.WV;*.TTA;*.AC3|",
    "AVI文件 (*.avi)|*.avi|",
    "Real视频文件格式 (*.rm;*.rmvb)|*.rm;*.rmvb|",
    "MP4视频格式 (*.mp4;*.m4v)|*.mp4;*.m4v|",
    "MPEG视频格式 (*.mpg;*.mpeg)|*.mpg;*.mpeg|",
    "DVD视频格式 (*.vob)|*.vob|",
    "VCD/SVCD视频格式 (*.dat;*.mpg)|*.dat;*.mpg|",
    "ASF微软视频格式 (*.asf)|*.asf|",
    "WMV微软视频格式 (*.wmv)|*.wmv|",
    "手机3GPP文件格式 (*.3gp;*.3gpp)|*.3gp;*.3gpp|",
    "手机3GPP2文件格式 (*.3g2;*.3gp2)|*.3g2;*.3gp2|",
    "Flash动画格式 (*.swf)|*.swf|",
    "Flash视频格式 (*.flv)|*.flv|",
    "MKV视频媒体格式 (*.mkv)|*.mkv|",
    "Quick Time视频文件格式 (*.mov;*.qt)|*.mov;*.qt|",
    "DV数字视频文件格式 (*.dv;*.dif)|*.dv;*.dif|",
    "Raw h261类型文件 (*.h261)|*.h261|",
    "Raw h264类型文件 (*.h264)|*.h264|",
    "YUV类型文件 (*.yuv)|*.yuv|",
    "GIF图片动画格式 (*.gif)|*.gif|",
    "MJPEG视频格式(*.mjpg;*.mjpeg)|*.mjpg;*.mjpeg|",
    "TS视频格式 (*.ts)|*.ts|",
    "WMV高清HD视频格式 (*.xwmv)|*.xwmv|",
    "微软数字视频格式( *.dvr-ms)|*.dvr-ms|",
    "iTunes视频格式 (*.m4v)|*.m4v|",
    "MP3音频格式 (*.mp3)|*.mp3|",
    "CD音频格式 (*.cda)|*.cda|",
    "WMA微软音频格式 (*.wma)|*.wma|",
    "WAVE音频格式 (*.wav)|*.wav|",
    "REAL音频格式 (*.ra;*.ram)|*.ra;*.ram|",
    "MP4音频格式 (*.m4a;*.mp4)|*.m4a;*.mp4|",
    "AAC高级音频格式 (*.aac)|*.aac|",
    "AC3音频格式 (*.ac3)|*.ac3|",
    "Monkey音频格式 (*.ape;*.cue)|*.ape;*.cue|",
    "Flac无损压缩音频格式\u3000(*.flac)|*.flac|",
    "MPEG音频编码格式(*.mpa)|*.mpa|",
    "MPEG 2音频编码格式(*.mp2)|*.mp2|",
    "OGG音频编码格式(*.ogg)|*.ogg|",
    "AIFF音频编码格式(*.aif; *.aiff)|*.aif; *.aiff|",
};

bool Overwriting() {
    return Form5 && Form5->Options().OverwriteFile == 0;
}

} // namespace

void TForm1::LogLine(const std::string& line) {
    FLog->Lines().Add(line);
}

void TForm1::ShowHint(const std::string& text) {
    FMessage->MessageDlg2(text, "提示", mtInformation, TMsgDlgButtons{ mbOK }, 0);
}

void TForm1::ShowWarning(const std::string& text) {
    if (Application)
        Application->MessageBox(text, Application->Title(), win::MB_OK | win::MB_ICONWARNING);
}

void TForm1::SetToolButton(const TToolButton& tool, bool enabled) {
    tool.Button->SetGlyph((enabled ? tool.Enabled : tool.Disabled)->Picture().Bitmap());
    tool.Button->SetEnabled(enabled);
    tool.Button->Invalidate();
}

void TForm1::SetAddCommands(bool enabled) {
    FAddTool->SetEnabled(enabled);
    FOperations.Add->SetEnabled(enabled);
    for (TControl* button : FAddButtons)
        button->SetEnabled(enabled);
    for (TMenuItem* item : FAddItems)
        item->SetEnabled(enabled);
}

void TForm1::SetRowEditCommands(bool enabled) {
    for (const TToolButton* tool : { &FRemoveTool, &FRenameTool })
        SetToolButton(*tool, enabled);
    FOperations.Remove->SetEnabled(enabled);
    for (TMenuItem* item : { FRemoveItem, FRenameItem })
        item->SetEnabled(enabled);
    // Rows and tasks share their index during a run, so a row may only move while none runs,
    // like a row may only be removed.
    for (TControl* button : FMoveButtons)
        button->SetEnabled(enabled);
    for (TMenuItem* item : FMoveItems)
        item->SetEnabled(enabled);
}

void TForm1::SetRowCommands(bool enabled) {
    SetRowEditCommands(enabled);
    for (const TToolButton* tool : { &FClearTool, &FStartTool })
        SetToolButton(*tool, enabled);
    for (TControl* button : { FOperations.Clear, FOperations.Start })
        button->SetEnabled(enabled);
    for (TMenuItem* item : { FClearItem, FStartItem })
        item->SetEnabled(enabled);
}

void TForm1::SetRunCommands(bool stop, bool pause, bool resume) {
    SetRunCommand(FStopTool, FOperations.Stop, FStopItem, stop);
    SetRunCommand(FPauseTool, FOperations.Pause, FPauseItem, pause);
    SetRunCommand(FResumeTool, FOperations.Resume, FResumeItem, resume);
}

void TForm1::SetRunCommand(const TToolButton& tool, TControl* hidden, TMenuItem* item,
                           bool enabled) {
    SetToolButton(tool, enabled);
    hidden->SetEnabled(enabled);
    item->SetEnabled(enabled);
}

std::vector<std::string> TForm1::HeldOutputNames(int exceptRow) const {
    std::vector<std::string> names;
    const TListItems& rows = FJobList->Items();
    for (int i = 0; i < rows.Count(); ++i)
        if (i != exceptRow) names.push_back(rows[i]->SubItems().Strings(jcOutputName));
    return names;
}

bool TForm1::LoadMediaLibraries() {
    if (FFTasks->AVLibLoaded()) return true;
    if (FFTasks->LoadAVLib(ProgramPath() + "LibAV")) return true;
    LogLine(FFTasks->LastErrMsg());
    return false;
}

TForm1::TAddResult TForm1::AddJobFile(const std::string& fileName) {
    const int row = FJobList->Items().Count();
    if (row >= kMaxJobs) {
        ShowHint(Format(kListFullMessage, kMaxJobs));
        return TAddResult::Ended;
    }
    // The format and presets the pickers show now, computed without touching any row (the
    // selected row keeps the values its own presets gave it) and before a task exists.
    const TPickerPositions positions = FormatPickerPositions();
    const int formatCode = FormatCodeAt(positions.Family, positions.Format);
    TWorkingParameters fields = FormatWorkingParameters(formatCode);
    TPresetTexts texts;
    TPresetIndexes indexes{};
    bool presetsShown = true;
    for (std::size_t i = 0; i < FPresetPickers.size(); ++i) {
        TbsSkinComboBox* picker = FPresetPickers[i];
        texts[i] = picker->Text();
        indexes[i] = std::clamp(picker->ItemIndex(), 0, 99);
        presetsShown = presetsShown && !texts[i].empty();
    }
    if (presetsShown) ApplyPresetTexts(fields, texts);
    TOutputOptions output = OutputOptionsOf(fields);

    const TFormatParameters* parameters = FindFormatParameters(formatCode);
    const std::string ext = parameters ? std::string(parameters->Ext) : std::string();
    const std::string outputName =
        UniqueOutputName(FileOutPutPath, ChangeFileExt(ExtractFileName(fileName), ext),
                         HeldOutputNames(-1), Overwriting());

    TAVProbe& probe = FFTasks->AVProbe();
    if (!probe.LoadFile(fileName, "")) {
        LogLine("");
        LogLine("***File load error: " + probe.LastErrMsg());
        LogLine("");
        return TAddResult::Skipped;
    }
    const std::int64_t duration = probe.FileStreamInfo().Duration;
    const std::int64_t size = probe.FileSize();

    TInputOptions input;
    InitInputOptions(input);
    const int task = FFTasks->AddTask(fileName, &input);
    if (task < 0) {
        LogLine("");
        LogLine("***File open error: " + FFTasks->LastErrMsg());
        LogLine("");
        return TAddResult::Ended;
    }
    LogLine("");
    if (TAVProbe* taskProbe = FFTasks->InputAVProbe(task, 0)) LogLine(taskProbe->FileInfoText());
    T_Movie_PLayer_FileName = fileName;

    if (!FFTasks->SetOutputFile(task, IncludeTrailingPathDelimiter(FileOutPutPath) + outputName,
                                &output)) {
        FFTasks->RemoveTask(task);
        LogLine("");
        LogLine("***Cannot do convert, error: " + FFTasks->LastErrMsg());
        LogLine("");
        return TAddResult::Ended;
    }

    FPlaceholder->SetVisible(false);
    TListItem* item = FJobList->Items().Add();
    item->SetCaption(input.FileName);
    TStringList cells;
    cells.Add(duration > 0 ? SecToDate(duration / 1000000) : "N/A");
    cells.Add(MegabyteText(size));
    cells.Add(ExtractFileName(output.FileName));
    for (int i = jcProgress; i <= jcOutputSize; ++i)
        cells.Add("");
    cells.Add(std::to_string(task + 1));
    cells.Add(std::to_string(PickerCodeOf(positions)));
    cells.Add(PresetDigitsOf(indexes));
    WriteParameterCells(fields, cells);
    item->SubItems().Assign(cells);

    SetRowCommands(true);
    IO1[row] = input;
    OO1[row] = output;
    OO1[row].AudioLanguage = kUsedSlot;
    LogLine("");
    LogLine("***Can do convert.");
    LogLine("");
    return TAddResult::Added;
}

void TForm1::AddJobFiles(const std::vector<std::string>& files) {
    for (auto file = files.rbegin(); file != files.rend(); ++file) {
        if (!FileExists(*file)) return;
        if (AddJobFile(*file) == TAddResult::Ended) return;
    }
    if (FJobList->Items().Count() > 0) SelectJobRow(FJobList->Items().Count() - 1);
}

void TForm1::SelectJobRow(int index) {
    FJobList->SetItemIndex(index);
    FocusJobList();
}

void TForm1::btnAddClick(TObject*) {
    if (!LoadMediaLibraries()) return;
    std::vector<std::string> files;
    if (!ChooseFiles(*FOpenFileDialog, files) || !FileExists(files.front())) return;
    if (AddJobFile(files.front()) == TAddResult::Added) SelectJobRow(FJobList->Items().Count() - 1);
}

void TForm1::Button8Click(TObject*) {
    if (!LoadMediaLibraries()) return;
    std::vector<std::string> files;
    if (!ChooseFiles(*FOpenFilesDialog, files) || !FileExists(files.front())) return;
    AddJobFiles(files);
}

void TForm1::Button12Click(TObject*) {
    const int before = FJobList->Items().Count();
    if (!LoadMediaLibraries()) return;
    // A cancelled dialog still holds the folder chosen last time: it adds nothing.
    if (!ChooseFolder(*FAddFolderDialog)) return;
    const std::string folder = FAddFolderDialog->Directory();
    if (folder.empty() || !DirectoryExists(folder)) return;
    std::vector<std::string> files;
    if (auto list = GetFilenames(folder, "*.*"))
        for (int i = 0; i < list->Count(); ++i)
            files.push_back(list->Strings(i));
    for (auto file = files.rbegin(); file != files.rend(); ++file) {
        if (!FileExists(*file)) return;
        if (AddJobFile(*file) == TAddResult::Ended) return;
    }
    if (FJobList->Items().Count() > 0) SelectJobRow(FJobList->Items().Count() - 1);
    if (FJobList->Items().Count() <= before) ShowHint(kNoFilesMessage);
}

std::unique_ptr<TStringList> TForm1::GetFilenames(const std::string& filePath,
                                                  const std::string& extMask) {
    if (!DirectoryExists(filePath)) return nullptr;
    const std::string folder = IncludeTrailingPathDelimiter(filePath);
    // "*.*" takes every name, also one without a dot.
    const bool everything = extMask == "*.*" || extMask == "*";
    auto list = std::make_unique<TStringList>();
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        std::error_code kindError;
        if (entry.is_directory(kindError)) continue;
        const std::string name = entry.path().filename().string();
        if (!everything && fnmatch(extMask.c_str(), name.c_str(), FNM_CASEFOLD) != 0) continue;
        list->Add(folder + name);
    }
    return list;
}

void TForm1::Button21Click(TObject*) {
    std::string filter;
    for (const char* piece : kInputFilter)
        filter += piece;
    for (TbsSkinOpenDialog* dialog : { FOpenFileDialog, FOpenFilesDialog })
        dialog->SetFilter(filter);
}

void TForm1::btnClearClick(TObject*) {
    FFTasks->ClearTasks();
    FJobList->Items().Clear();
    SetAddCommands(true);
    SetRowCommands(false);
    RunOperation(FOperations.FreeSlots);
    FPlaceholder->SetVisible(true);
    VOVezade->Stop(true);
    FPositionSlider->SetValue(0);
}

void TForm1::Button15Click(TObject*) {
    for (TOutputOptions& slot : OO1)
        slot.AudioLanguage = kFreeSlot;
}

void TForm1::Button14Click(TObject*) {
    FFTasks->ClearTasks();
    for (int i = 0; i < kMaxJobs; ++i) {
        if (OO1[i].AudioLanguage != kUsedSlot) continue;
        TInputOptions input = IO1[i];
        const int task = FFTasks->AddTask(input.FileName, &input);
        if (task < 0) return;
        TOutputOptions output = OO1[i];
        output.AudioLanguage.clear();
        FFTasks->SetOutputFile(
            task, IncludeTrailingPathDelimiter(FileOutPutPath) + ExtractFileName(OO1[i].FileName),
            &output);
    }
}
