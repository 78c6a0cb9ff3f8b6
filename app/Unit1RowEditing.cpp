#include "app/Unit1.h"

#include "Src/FFPlay.h"
#include "Src/FFmpegTasks/TFFmpegTasks.h"
#include "app/FormHandlers.h"
#include "app/FormatCodes.h"
#include "app/JobListControls.h"
#include "app/JobListText.h"
#include "app/Unit5.h"
#include "lib/controls/TbsSkinComboBox.h"
#include "lib/controls/TbsSkinCustomListView.h"
#include "lib/controls/TbsSkinOfficeComboBox.h"
#include "lib/controls/TbsSkinSlider.h"
#include "platform/forms/TEdit.h"
#include "platform/rtl/FilePath.h"
#include "platform/rtl/TStringList.h"
#include "platform/rtl/TextUtils.h"

#include <utility>

namespace {

constexpr const char* kRemoveWithoutRow = "请先选择您需要删除的项目！";
constexpr const char* kRenameWithoutRow = "请先选中您需要重命名的项目！";
constexpr const char* kInvalidName = "输出文件名不能为空，也不能包含“/”！";

void SwapRows(TListItem& a, TListItem& b) {
    const std::string caption = a.Caption();
    TStringList cells;
    cells.Assign(a.SubItems());
    a.SetCaption(b.Caption());
    a.SubItems().Assign(b.SubItems());
    b.SetCaption(caption);
    b.SubItems().Assign(cells);
}

} // namespace

void TForm1::btnRemoveClick(TObject*) {
    TListItem* selected = FJobList->Selected();
    if (!selected) {
        ShowHint(kRemoveWithoutRow);
        return;
    }
    if (FRunning) return;
    const int k = selected->Index();
    const int t = StrToInt(selected->SubItems().Strings(jcTaskNumber));
    // A start that was refused has cleared the tasks; the next start builds them anew.
    if (t >= 1 && t <= FFTasks->TasksCount()) FFTasks->RemoveTask(t - 1);
    FJobList->Items().Delete(k);
    const int count = FJobList->Items().Count();
    for (int i = k; i < count; ++i) {
        IO1[i] = std::move(IO1[i + 1]);
        OO1[i] = std::move(OO1[i + 1]);
    }
    OO1[count].AudioLanguage = "kong";
    for (int i = 0; i < count; ++i) {
        TStrings& cells = FJobList->Items()[i]->SubItems();
        const int number = StrToIntDef(cells.Strings(jcTaskNumber), 0);
        if (number > t) cells.SetStrings(jcTaskNumber, std::to_string(number - 1));
    }
    SetRowCommands(count > 0);
    FocusJobList();
    if (count > 0) {
        SelectJobRow(0);
    } else {
        FPlaceholder->SetVisible(true);
        VOVezade->Stop(true);
        FPositionSlider->SetValue(0);
    }
}

void TForm1::MoveJobRow(int offset) {
    // Rows and tasks share their index during a run: a move would send progress to another
    // file's row.
    if (FRunning) return;
    TListItem* selected = FJobList->Selected();
    if (!selected) return;
    const int from = selected->Index();
    const int to = from + offset;
    if (to < 0 || to >= FJobList->Items().Count()) return;
    FJobList->Items().BeginUpdate();
    SwapRows(*selected, *FJobList->Items()[to]);
    std::swap(IO1[from], IO1[to]);
    std::swap(OO1[from], OO1[to]);
    FJobList->Items().EndUpdate();
    SelectJobRow(to);
}

void TForm1::bsSkinButton3Click(TObject*) {
    MoveJobRow(-1);
}

void TForm1::bsSkinButton4Click(TObject*) {
    MoveJobRow(1);
}

void TForm1::Button27Click(TObject*) {
    MoveJobRow(-1);
}

void TForm1::StartRename(bool quiet) {
    TListItem* selected = FJobList->Selected();
    if (!selected) {
        if (!quiet) ShowHint(kRenameWithoutRow);
        return;
    }
    if (FRunning) return;
    TEdit* edit = FRenameEdit;
    edit->SetParent(FJobList);
    const int left = FJobList->Column(0)->Width() + FJobList->Left() +
                     FJobList->Column(1)->Width() + FJobList->Column(2)->Width() + 2;
    edit->SetBounds(left, selected->Top(), FJobList->Column(3)->Width(), edit->Height());
    edit->SetText(ChangeFileExt(ExtractFileName(selected->SubItems().Strings(jcOutputName)), ""));
    edit->SetVisible(true);
    if (edit->CanFocus()) edit->SetFocus();
}

void TForm1::bsSkinButton21Click(TObject*) {
    StartRename(false);
}

void TForm1::N26Click(TObject*) {
    StartRename(false);
}

void TForm1::lvFilesDblClick(TObject*) {
    StartRename(true);
}

void TForm1::edtExit(TObject*) {
    TEdit* edit = FRenameEdit;
    TListItem* selected = FJobList->Selected();
    if (!selected || !edit->Visible()) return;
    const std::string name = edit->Text();
    if (name.empty()) return;
    if (!ValidOutputName(name)) {
        ShowHint(kInvalidName);
        return;
    }
    const int row = selected->Index();
    TStrings& cells = selected->SubItems();
    const std::string ext = ExtractFileExt(cells.Strings(jcOutputName));
    const bool overwrite = Form5 && Form5->Options().OverwriteFile == 0;
    const std::string outputName =
        UniqueOutputName(FileOutPutPath, name + ext, HeldOutputNames(row), overwrite);
    cells.SetStrings(jcOutputName, outputName);
    edit->SetVisible(false);
    OO1[row].FileName = IncludeTrailingPathDelimiter(FileOutPutPath) + outputName;
}

void TForm1::lvFilesSelectItem(TObject*, TListItem*, bool) {
    // A row whose stored codes no longer fit the pickers is left as far as it got.
    try {
        TListItem* selected = FJobList->Selected();
        if (!selected) return;
        const TStrings& cells = selected->SubItems();
        const TPickerPositions positions = PickerPositionsOf(StrToInt(cells.Strings(jcPickerCode)));
        const TPresetIndexes digits = PresetIndexesOf(cells.Strings(jcPresetDigits));
        FFamilyPicker->SetItemIndex(positions.Family);
        FFormatPicker->SetItemIndex(positions.Format);
        for (std::size_t i = 0; i < FPresetPickers.size(); ++i)
            FPresetPickers[i]->SetItemIndex(digits[i]);
        FPositionSlider->SetValue(0);
        T_Movie_PLayer_FileName = selected->Caption();
        RunOperation(FOperations.OpenPreview);
    } catch (const std::exception&) {}
}

void TForm1::lvFilesClick(TObject*) {
    if (!FJobList->Selected()) VOVezade->Stop(true);
}
