#include "HeadlessProgramTest.h"
#include "app/Dialogs.h"
#include "app/FormatCatalogue.h"
#include "app/JobRowParameters.h"
#include "app/PresetCatalogue.h"
#include "app/PresetTexts.h"
#include "app/Program.h"
#include "app/ProgramFolders.h"
#include "app/Unit1.h"
#include "app/Unit5.h"
#include "lib/controls/TbsSkinButton.h"
#include "lib/controls/TbsSkinCheckRadioBox.h"
#include "lib/controls/TbsSkinComboBox.h"
#include "lib/controls/TbsSkinCustomListView.h"
#include "lib/controls/TbsSkinEdit.h"
#include "lib/controls/TbsSkinLinkLabel.h"
#include "lib/controls/TbsSkinOfficeComboBox.h"
#include "lib/controls/TbsSkinSlider.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TFormReader.h"
#include "platform/forms/TImageList.h"
#include "platform/rtl/FileSystem.h"
#include "platform/rtl/MainThread.h"
#include "platform/rtl/TStringList.h"
#include "platform/shell/ShellExecute.h"
#include "platform/win/Win.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "tests/fixtures/MediaWriter.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

using namespace win;

constexpr std::array<const char*, PresetPickerCount> kPresetNames{
    "bsSkinComboBox1", "bsSkinComboBox2", "bsSkinComboBox3",
    "bsSkinComboBox4", "bsSkinComboBox9", "bsSkinComboBox10"
};
// Value cell of each preset picker, in TPresetPicker order.
constexpr std::array<int, PresetPickerCount> kValueCells{ 15, 16, 18, 20, 17, 19 };

// The program started headless in a temporary program folder, its format pickers and the
// operations they run recorded in the order they run.
class FormatChoice : public HeadlessProgramTest {
protected:
    FormatChoice() : HeadlessProgramTest("formatchoice") {}

    void SetUp() override {
        HeadlessProgramTest::SetUp();
        StartProgram();
        ASSERT_TRUE(Form1);
        FFamily = Main<TbsSkinOfficeComboBox>("bsSkinOfficeComboBox2");
        FFormat = Main<TbsSkinOfficeComboBox>("bsSkinOfficeComboBox1");
        FList = Main<TbsSkinListView>("lvFiles");
        for (int p = 0; p < PresetPickerCount; ++p)
            FPresets[p] = Main<TbsSkinComboBox>(kPresetNames[p]);
    }

    template <typename T = TControl>
    T* Main(const std::string& name) {
        return DescribedComponent<T>(Form1, name);
    }

    void Record(TNotifyEvent& event, const std::string& name) {
        TNotifyEvent inner = event;
        FRecorded.emplace_back(&event, inner);
        event = [this, name, inner](TObject* sender) {
            FCalls.push_back(name);
            if (inner) inner(sender);
        };
    }
    void RecordChain() {
        for (const char* button : { "Button2", "Button18", "Button5", "Button6", "Button13" })
            Record(Main(button)->OnClick, button);
        Record(FFamily->OnChange, "bsSkinOfficeComboBox2Change");
        Record(FFormat->OnChange, "bsSkinOfficeComboBox1Change");
        for (int p = 0; p < PresetPickerCount; ++p)
            Record(FPresets[p]->OnChange, std::string(kPresetNames[p]) + "Change");
    }

    void StopRecording() {
        for (auto& [event, inner] : FRecorded)
            *event = inner;
        FRecorded.clear();
        FCalls.clear();
    }

    // A job row with its 24 cells, selected without the selection's own operation.
    TListItem* AddRow(const std::string& outputName, bool select) {
        TListItem* row = FList->Items().Add();
        row->SetCaption("/in/" + outputName);
        for (int cell = 0; cell < 24; ++cell)
            row->SubItems().Add("");
        row->SubItems().SetStrings(2, outputName);
        row->SubItems().SetStrings(9, "000000000000");
        if (select) {
            const auto onSelect = FList->OnSelectItem;
            FList->OnSelectItem = nullptr;
            FList->SetSelected(row);
            FList->OnSelectItem = onSelect;
        }
        return row;
    }

    void Choose(int family, int format) {
        if (FFamily->ItemIndex() != family) FFamily->SetItemIndex(family);
        FFormat->SetItemIndex(format);
    }

    TPresetTexts ShownTexts() {
        TPresetTexts texts;
        for (int p = 0; p < PresetPickerCount; ++p)
            texts[p] = FPresets[p]->Text();
        return texts;
    }

    // The row converts with exactly what the pickers show: its digits are the pickers'
    // positions and its cells 10 to 23 the format's values overridden by the shown texts.
    void ExpectRowMatchesPickers(const TListItem& row, int code) {
        TPresetIndexes indexes{};
        for (int p = 0; p < PresetPickerCount; ++p)
            indexes[p] = FPresets[p]->ItemIndex();
        EXPECT_EQ(row.SubItems().Strings(9), PresetDigitsOf(indexes)) << code;
        TWorkingParameters fields = FormatWorkingParameters(code);
        ApplyPresetTexts(fields, ShownTexts());
        TStringList cells;
        WriteParameterCells(fields, cells);
        for (int cell = 10; cell <= 23; ++cell)
            EXPECT_EQ(row.SubItems().Strings(cell), cells.Strings(cell))
                << code << " cell " << cell;
    }

    std::vector<std::string> FCalls;
    std::vector<std::pair<TNotifyEvent*, TNotifyEvent>> FRecorded;
    TbsSkinOfficeComboBox* FFamily{ nullptr };
    TbsSkinOfficeComboBox* FFormat{ nullptr };
    TbsSkinListView* FList{ nullptr };
    std::array<TbsSkinComboBox*, PresetPickerCount> FPresets{};
};

TEST_F(FormatChoice, StartUpShowsTheFirstVobFormatWithItsDefaults) {
    EXPECT_TRUE(FErrors.empty());
    EXPECT_EQ(FFamily->ItemIndex(), 0);
    ASSERT_EQ(FFormat->Items().Count(), 6);
    EXPECT_EQ(FFormat->ItemIndex(), 0);
    EXPECT_EQ(FFormat->Items()[0]->Caption(), "VOB标准视频(*.vob)");
    const TPresetPickerStates expected = PresetPickersFor(2100);
    for (int p = 0; p < PresetPickerCount; ++p) {
        SCOPED_TRACE(kPresetNames[p]);
        ASSERT_EQ(FPresets[p]->Items().Count(), int(expected[p].Items.size()));
        for (int i = 0; i < FPresets[p]->Items().Count(); ++i)
            EXPECT_EQ(FPresets[p]->Items().Strings(i), expected[p].Items[i]);
        EXPECT_EQ(FPresets[p]->ItemIndex(), expected[p].ItemIndex);
        EXPECT_EQ(FPresets[p]->Text(), expected[p].Text());
        EXPECT_TRUE(FPresets[p]->Enabled());
    }
}

TEST_F(FormatChoice, PickerItemsShowTheirFamilyAndFormatPictures) {
    struct Look {
        TbsSkinOfficeComboBox* Picker;
        const char* Images;
        int ListBoxWidth;
        int ItemHeight;
        bool Titles;
    };
    // Tool-button looks of the main skin, four rows at a time.
    for (const Look& look : { Look{ FFamily, "bsPngImageList5", 119, 50, false },
                              Look{ FFormat, "bsPngImageList3", 0, 60, true } }) {
        SCOPED_TRACE(look.Images);
        EXPECT_EQ(look.Picker->SkinData(), Main<TComponent>("bsSkinData1"));
        EXPECT_TRUE(look.Picker->ToolButtonStyle());
        ASSERT_EQ(look.Picker->Images(), Main<TCustomImageList>(look.Images));
        EXPECT_EQ(look.Picker->ListBoxWidth(), look.ListBoxWidth);
        EXPECT_EQ(look.Picker->ListBoxItemHeight(), look.ItemHeight);
        EXPECT_EQ(look.Picker->ListBoxShowItemTitles(), look.Titles);
        EXPECT_EQ(look.Picker->DropDownCount(), 4);
    }
    // Each family shows the picture of its FamilyCode, not of its position.
    ASSERT_EQ(FFamily->Items().Count(), 13);
    for (int position = 0; position < 13; ++position) {
        const TbsSkinOfficeItem& item = *FFamily->Items()[position];
        EXPECT_EQ(item.Caption(), FamilyPickerCaption(position)) << position;
        EXPECT_EQ(item.ImageIndex(), FamilyCodeAt(position)) << position;
    }
    // The formats of a family alternate between the two format pictures, without titles.
    Choose(12, 0);
    const auto captions = FamilyFormatCaptions(FamilyCodeAt(12));
    ASSERT_EQ(FFormat->Items().Count(), int(captions.size()));
    for (int index = 0; index < FFormat->Items().Count(); ++index) {
        const TbsSkinOfficeItem& item = *FFormat->Items()[index];
        EXPECT_EQ(item.Caption(), captions[std::size_t(index)]) << index;
        EXPECT_EQ(item.ImageIndex(), index % 2) << index;
        EXPECT_EQ(item.Title(), "") << index;
    }
}

TEST_F(FormatChoice, FamilyPickRunsTheChainInOrder) {
    const TPresetPickerStates before = PresetPickersFor(2100);
    const TPresetPickerStates after = PresetPickersFor(200);
    std::vector<std::string> presetChanges;
    for (const TPresetPicker p : PresetFillOrder)
        if (before[p].Text() != after[p].Text())
            presetChanges.push_back(std::string(kPresetNames[p]) + "Change");
    ASSERT_FALSE(presetChanges.empty());

    for (const bool withRow : { false, true }) {
        SCOPED_TRACE(withRow ? "row selected" : "no row");
        Choose(0, 0);
        TListItem* row = withRow ? AddRow("clip.vob", true) : nullptr;
        RecordChain();
        FFamily->SetItemIndex(12); // 常用音频, first format 200

        std::vector<std::string> expected{ "bsSkinOfficeComboBox2Change", "Button2",
                                           "bsSkinOfficeComboBox1Change", "Button18" };
        expected.insert(expected.end(), presetChanges.begin(), presetChanges.end());
        if (withRow) expected.insert(expected.end(), { "Button5", "Button6", "Button13" });
        EXPECT_EQ(FCalls, expected);
        EXPECT_EQ(Form1->All_Trant_Number, 200);
        EXPECT_TRUE(Form1->Video_DisableVideo == withRow);
        for (int p = 0; p < PresetPickerCount; ++p)
            EXPECT_EQ(FPresets[p]->Enabled(), !IsVideoPicker(TPresetPicker(p))) << kPresetNames[p];
        if (row) {
            EXPECT_EQ(row->SubItems().Strings(2), "clip.mp3");
            EXPECT_EQ(row->SubItems().Strings(8), "1300");
            ExpectRowMatchesPickers(*row, 200);
        }
        StopRecording();
        FList->Items().Clear();
    }
    EXPECT_TRUE(FErrors.empty());
}

TEST_F(FormatChoice, SelectingARowRestoresItsFormatAndPresetsInOrder) {
    TListItem* first = AddRow("first.vob", true);
    Choose(3, 8); // code 508
    const int resolution = 2;
    ASSERT_NE(FPresets[ppResolution]->ItemIndex(), resolution);
    FPresets[ppResolution]->SetItemIndex(resolution);
    const std::string digits = first->SubItems().Strings(9);
    AddRow("second.vob", true);
    Choose(0, 0);

    RecordChain();
    FList->SetSelected(first);
    std::vector<std::string> operations;
    for (const auto& call : FCalls)
        if (call.rfind("bsSkinComboBox", 0) != 0) operations.push_back(call);
    const std::vector<std::string> formatChange{ "bsSkinOfficeComboBox1Change", "Button18",
                                                 "Button5", "Button6", "Button13" };
    std::vector<std::string> expected{ "bsSkinOfficeComboBox2Change", "Button2" };
    for (int i = 0; i < 2; ++i)
        expected.insert(expected.end(), formatChange.begin(), formatChange.end());
    EXPECT_EQ(operations, expected);
    // The stored resolution differs from the default, so its picker changes last of all.
    EXPECT_EQ(FCalls.back(), "bsSkinComboBox1Change");

    EXPECT_EQ(FFamily->ItemIndex(), 3);
    EXPECT_EQ(FFormat->ItemIndex(), 8);
    EXPECT_EQ(FPresets[ppResolution]->ItemIndex(), resolution);
    EXPECT_EQ(first->SubItems().Strings(9), digits);
    EXPECT_EQ(first->SubItems().Strings(8), "408");
    EXPECT_EQ(first->SubItems().Strings(2), "first.mp4");
    ExpectRowMatchesPickers(*first, 508);
}

TEST_F(FormatChoice, SelectedRowFollowsEveryOfferedFormatAndPresetChoice) {
    TListItem* row = AddRow("clip.vob", true);
    for (int family = 0; family < int(FamilyPickerMap.size()); ++family) {
        for (int format = 0; format < int(FamilyFormatCaptions(FamilyCodeAt(family)).size());
             ++format) {
            Choose(family, format);
            const int code = FormatCodeAt(family, format);
            ASSERT_EQ(row->SubItems().Strings(8), std::to_string(PickerCodeOf({ family, format })));
            ExpectRowMatchesPickers(*row, code);
            EXPECT_EQ(row->SubItems().Strings(2), "clip" + CaptionExtension(FormatCaption(code)));
        }
    }
    // A user's preset choice goes into the row at once and stays through a format change
    // back to a format whose list holds it.
    Choose(1, 0); // code 100
    const int last = FPresets[ppResolution]->Items().Count() - 1;
    FPresets[ppResolution]->SetItemIndex(last);
    EXPECT_EQ(row->SubItems().Strings(kValueCells[ppResolution]),
              FrameSizeFromPreset(FPresets[ppResolution]->Text()));
    EXPECT_EQ(PresetIndexesOf(row->SubItems().Strings(9))[ppResolution], last);
    ExpectRowMatchesPickers(*row, 100);
    EXPECT_TRUE(FErrors.empty());
}

TEST_F(FormatChoice, PresetPickersStayLockedWhileTasksRun) {
    fixtures::MediaSpec spec;
    spec.Format = "matroska";
    spec.Extension = ".mkv";
    spec.VideoCodec = "mpeg4";
    spec.AudioCodec = "mp2";
    spec.Width = 96;
    spec.Height = 64;
    spec.Seconds = 10;
    fixtures::WriteMedia(FRoot + "in.mkv", spec);
    Choose(1, 0); // a format whose six pickers are all usable when idle
    FDialogs->FFiles = { FRoot + "in.mkv" };
    Form1->btnAddClick(nullptr);
    ASSERT_EQ(FList->Items().Count(), 1);
    TListItem* row = FList->Items().Item(0);

    ClickControl(Main("bsSkinButton2"));  // start
    ClickControl(Main("bsSkinButton11")); // pause
    // Selecting the row mid-run refills the pickers for its format; they stay locked.
    FList->ClearSelection();
    FList->SetSelected(row);
    for (int p = 0; p < PresetPickerCount; ++p)
        EXPECT_FALSE(FPresets[p]->Enabled()) << kPresetNames[p];
    ClickControl(Main("bsSkinButton10")); // stop
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
    while (!Main("bsSkinButton8")->Enabled()) {
        ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "watchdog";
        CheckSynchronize(20);
    }
    FList->ClearSelection();
    FList->SetSelected(row);
    for (int p = 0; p < PresetPickerCount; ++p)
        EXPECT_TRUE(FPresets[p]->Enabled()) << kPresetNames[p];
}

TEST_F(FormatChoice, TheRunsEndLeavesAnAudioFormatsVideoPickersOff) {
    for (const int family : { 1, 12 }) { // a video family, then 常用音频
        Choose(family, 0);
        for (int p = 0; p < PresetPickerCount; ++p)
            FPresets[p]->SetEnabled(false);
        Form1->Button23Click(nullptr);
        for (int p = 0; p < PresetPickerCount; ++p)
            EXPECT_EQ(FPresets[p]->Enabled(), family != 12 || !IsVideoPicker(TPresetPicker(p)))
                << family << " " << kPresetNames[p];
    }
}

TEST_F(FormatChoice, OutputNamesAvoidFilesOnDiskAndNamesOfOtherRows) {
    const std::string folder = FRoot + "out";
    ForceDirectories(folder);
    Form1->FileOutPutPath = folder;
    Main<TbsSkinEdit>("Video_OutPut_Folder_Edit")->SetText(folder);
    auto* overwrite = DescribedComponent<TbsSkinCheckRadioBox>(Form5, "bsSkinCheckRadioBox3");
    auto* rename = DescribedComponent<TbsSkinCheckRadioBox>(Form5, "bsSkinCheckRadioBox6");
    Choose(0, 0); // .vob

    struct Case {
        const char* what;
        std::vector<std::string> rows;
        std::vector<std::string> files;
        bool overwrite;
        std::string expected;
    };
    const Case cases[] = {
        { "free", {}, {}, false, "clip.vob" },
        { "on disk", {}, { "clip.vob", "clip_1.vob" }, false, "clip_2.vob" },
        { "on disk, overwriting", {}, { "clip.vob" }, true, "clip.vob" },
        { "held by a row", { "clip.vob" }, {}, true, "clip_1.vob" },
        { "held and on disk", { "clip.vob" }, { "clip_1.vob" }, false, "clip_2.vob" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FList->Items().Clear();
        std::filesystem::remove_all(folder);
        ForceDirectories(folder);
        for (const auto& name : c.rows)
            AddRow(name, false);
        for (const auto& name : c.files)
            std::ofstream(folder + "/" + name) << "x";
        (c.overwrite ? overwrite : rename)->SetChecked(true);
        Form1->Video_AddFileName = "/media/in/clip.mkv";
        Form1->Button5Click(nullptr);
        EXPECT_EQ(Form1->Video_OutPutFileName, folder + "/" + c.expected);
    }

    // A format change gives the selected row a name no other row holds.
    FList->Items().Clear();
    AddRow("clip.mp4", false);
    TListItem* row = AddRow("clip.vob", true);
    Choose(5, 0); // MP4视频
    EXPECT_EQ(row->SubItems().Strings(2), "clip_1.mp4");
    EXPECT_TRUE(FErrors.empty());
}

} // namespace
