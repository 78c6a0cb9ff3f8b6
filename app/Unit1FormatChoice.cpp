#include "app/FamilyPictures.h"
#include "app/FormHandlers.h"
#include "app/FormatCatalogue.h"
#include "app/JobListControls.h"
#include "app/JobListText.h"
#include "app/JobRowParameters.h"
#include "app/PresetCatalogue.h"
#include "app/PresetTexts.h"
#include "app/Unit1.h"
#include "app/Unit5.h"
#include "lib/controls/TbsSkinComboBox.h"
#include "lib/controls/TbsSkinCustomListView.h"
#include "lib/controls/TbsSkinEdit.h"
#include "lib/controls/TbsSkinLinkLabel.h"
#include "lib/controls/TbsSkinOfficeComboBox.h"
#include "lib/controls/TbsSkinSlider.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/TextUtils.h"

namespace {

// The value cell of each preset picker, in TPresetPicker order.
constexpr std::array<TJobCell, PresetPickerCount> kPresetValueCells{
    jcFrameSize, jcVideoBitrate, jcAudioBitrate, jcFrameAspectRatio, jcFrameRate, jcAudioSampleRate
};

void SetCell(TListItem& row, int cell, const std::string& text) {
    TStringList& cells = row.SubItems();
    while (cells.Count() <= cell)
        cells.Add("");
    cells.SetStrings(cell, text);
}

std::string Cell(const TListItem& row, int cell) {
    const TStringList& cells = row.SubItems();
    return cell < cells.Count() ? cells.Strings(cell) : std::string();
}

// The file-name part of a path, after its last separator.
std::string NamePart(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The name with the extension from its last "." replaced; a name without one gets ext appended.
std::string WithExtension(const std::string& name, std::string_view ext) {
    const auto dot = name.find_last_of('.');
    return (dot == std::string::npos ? name : name.substr(0, dot)) + std::string(ext);
}

// The text of one preset picker turned into its working field, as Button13Click does it.
void ApplyPresetText(TWorkingParameters& fields, TPresetPicker picker, std::string_view text) {
    switch (picker) {
    case ppResolution:
        fields.FrameSize = FrameSizeFromPreset(text);
        break;
    case ppVideoBitrate:
        fields.VideoBitrate = VideoBitrateFromPreset(text);
        break;
    case ppAudioBitrate:
        fields.AudioBitrate = AudioBitrateFromPreset(text);
        break;
    case ppAspect:
        if (auto aspect = AspectFromPreset(text)) fields.FrameAspectRatio = *aspect;
        break;
    case ppFrameRate:
        fields.FrameRate = FrameRateFromPreset(text);
        break;
    case ppSampleRate:
        fields.AudioSampleRate = SampleRateFromPreset(text);
        break;
    }
}

// The caption of the picker's chosen item; empty while it names none.
std::string ShownCaption(TbsSkinOfficeComboBox& picker) {
    const int index = picker.ItemIndex();
    return index >= 0 && index < picker.Items().Count() ? picker.Items()[index]->Caption() : "";
}

} // namespace

TbsSkinComboBox* TForm1::PresetPicker(TPresetPicker picker) {
    return FPresetPickers[picker];
}

TPickerPositions TForm1::FormatPickerPositions() {
    return { FFamilyPicker->ItemIndex(), FFormatPicker->ItemIndex() };
}

void TForm1::Button2Click(TObject*) {
    TbsSkinOfficeItems& formats = FFormatPicker->Items();
    formats.Clear();
    FFormatPicker->Invalidate();
    const int family = FamilyCodeAt(FormatPickerPositions().Family);
    int index = 0;
    for (const std::string_view caption : FamilyFormatCaptions(family)) {
        TbsSkinOfficeItem* item = formats.Add();
        item->SetCaption(std::string(caption));
        // The two format pictures alternate down the list.
        item->SetImageIndex(index++ % FormatPictureCount);
    }
    FFormatPicker->Invalidate();
    FFormatPicker->SetItemIndex(0);
}

void TForm1::bsSkinOfficeComboBox2Change(TObject*) {
    RunOperation(FOperations.FillFormats);
}

void TForm1::bsSkinOfficeComboBox1Change(TObject*) {
    RunOperation(FOperations.FillPresets);
    const std::string ext = CaptionExtension(ShownCaption(*FFormatPicker));
    TListItem* row = FJobList->Selected();
    if (!row) return;
    RunOperation(FOperations.FormatParameters);
    RunOperation(FOperations.PresetTexts);
    // A name another row holds would make two conversions write one file.
    const std::string name = WithExtension(NamePart(Cell(*row, jcOutputName)), ext);
    SetCell(*row, jcOutputName,
            UniqueOutputName(FileOutPutPath, name, HeldOutputNames(row->Index()), true));
    SetCell(*row, jcPickerCode, IntToStr(PickerCodeOf(FormatPickerPositions())));
    // The row keeps what the pickers show, whether or not a picker raised its change.
    WritePresetsToRow(*row);
    FocusJobList();
}

void TForm1::WritePresetsToRow(TListItem& row) {
    TPresetIndexes indexes{};
    for (int p = 0; p < PresetPickerCount; ++p) {
        const auto picker = static_cast<TPresetPicker>(p);
        indexes[p] = PresetPicker(picker)->ItemIndex();
        SetCell(row, kPresetValueCells[p],
                ParameterCellText(Video_Parameters, kPresetValueCells[p]));
    }
    // A picker left empty by a format without presets keeps position 0.
    for (int& index : indexes)
        index = std::max(index, 0);
    SetCell(row, jcPresetDigits, PresetDigitsOf(indexes));
}

void TForm1::Button18Click(TObject*) {
    // While tasks run every picker stays locked: a choice would change a row whose task is
    // already converting with other values.
    const bool running = FRunning || FStopping;
    for (int p = 0; p < PresetPickerCount; ++p)
        PresetPicker(static_cast<TPresetPicker>(p))->Items().Clear();
    for (int p = 0; p < PresetPickerCount; ++p)
        PresetPicker(static_cast<TPresetPicker>(p))->SetEnabled(!running);
    const int code = FormatCodeAt(FormatPickerPositions().Family, FormatPickerPositions().Format);
    All_Trant_Number = code;
    Video_DisableVideo = false;
    Video_Parameters.DisableVideo = false;
    const TPresetPickerStates states = PresetPickersFor(code, running);
    for (const TPresetPicker picker : PresetFillOrder) {
        TbsSkinComboBox* box = PresetPicker(picker);
        for (const std::string_view entry : states[picker].Items)
            box->Items().Add(std::string(entry));
        if (!states[picker].Items.empty()) box->SetItemIndex(states[picker].ItemIndex);
    }
    for (int p = 0; p < PresetPickerCount; ++p)
        PresetPicker(static_cast<TPresetPicker>(p))->SetEnabled(states[p].Enabled);
}

void TForm1::Button6Click(TObject*) {
    Video_Parameters = TWorkingParameters{};
    Video_OutPutFileName.clear();
    Video_DisableVideo = false;
}

void TForm1::Button5Click(TObject*) {
    RunOperation(FOperations.ResetFields);
    const int code = FormatCodeAt(FormatPickerPositions().Family, FormatPickerPositions().Format);
    All_Trant_Number = code;
    Video_DisableVideo = false;
    const std::string folder = FOutputFolderEdit->Text();
    TListItem* row = FJobList->Selected();
    if (const TFormatParameters* entry = FindFormatParameters(code)) {
        Video_Parameters = FormatWorkingParameters(code);
        Video_DisableVideo = Video_Parameters.DisableVideo;
        const bool overwrite = Form5 && Form5->Options().OverwriteFile == 0;
        const std::string name = WithExtension(NamePart(Video_AddFileName), entry->Ext);
        Video_OutPutFileName =
            folder + "/" + UniqueOutputName(folder, name, HeldOutputNames(-1), overwrite);
    }
    // A format without parameters gets no output name: the folder alone is no file.
    if (!row) return;
    WriteParameterCells(Video_Parameters, row->SubItems());
}

void TForm1::Button13Click(TObject*) {
    TPresetTexts texts;
    for (int p = 0; p < PresetPickerCount; ++p)
        texts[p] = PresetPicker(static_cast<TPresetPicker>(p))->Text();
    ApplyPresetTexts(Video_Parameters, texts);
}

void TForm1::PresetChange(TPresetPicker picker) {
    TListItem* row = FJobList->Selected();
    if (!row) return;
    TbsSkinComboBox* box = PresetPicker(picker);
    TPresetIndexes indexes{};
    try {
        indexes = PresetIndexesOf(Cell(*row, jcPresetDigits));
    } catch (const EConvertError&) {
        // A row without digits yet takes the first entry for the pickers it has not seen.
    }
    indexes[picker] = std::max(box->ItemIndex(), 0);
    SetCell(*row, jcPresetDigits, PresetDigitsOf(indexes));
    ApplyPresetText(Video_Parameters, picker, box->Text());
    SetCell(*row, kPresetValueCells[picker],
            ParameterCellText(Video_Parameters, kPresetValueCells[picker]));
    FocusJobList();
}

void TForm1::bsSkinComboBox1Change(TObject*) {
    PresetChange(ppResolution);
}

void TForm1::bsSkinComboBox2Change(TObject*) {
    PresetChange(ppVideoBitrate);
}

void TForm1::bsSkinComboBox3Change(TObject*) {
    PresetChange(ppAudioBitrate);
}

void TForm1::bsSkinComboBox4Change(TObject*) {
    PresetChange(ppAspect);
}

void TForm1::bsSkinComboBox9Change(TObject*) {
    PresetChange(ppFrameRate);
}

void TForm1::bsSkinComboBox10Change(TObject*) {
    PresetChange(ppSampleRate);
}
