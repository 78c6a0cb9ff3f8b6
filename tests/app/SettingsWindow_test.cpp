#include "HeadlessProgramTest.h"
#include "app/FormatCodes.h"
#include "app/Unit1.h"
#include "app/Unit5.h"
#include "app/Unit6.h"
#include "lib/controls/TbsSkinButton.h"
#include "lib/controls/TbsSkinCheckRadioBox.h"
#include "lib/controls/TbsSkinComboBox.h"
#include "lib/controls/TbsSkinCustomListView.h"
#include "lib/controls/TbsSkinOfficeComboBox.h"
#include "lib/controls/TbsSkinOfficeItems.h"
#include "lib/controls/TbsSkinPanel.h"
#include "lib/frame/TbsSkinForm.h"
#include "lib/skindata/TbsSkinData.h"
#include "platform/forms/TFormReader.h"
#include "platform/forms/TImage.h"
#include "platform/forms/TImageList.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/FileSystem.h"
#include "platform/win/headless/HeadlessBackend.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

constexpr std::array<const char*, PresetPickerCount> kPresetNames{
    "bsSkinComboBox1", "bsSkinComboBox2", "bsSkinComboBox3",
    "bsSkinComboBox4", "bsSkinComboBox9", "bsSkinComboBox10"
};

// Everything of the main window the settings window may write.
struct TMainFields {
    int Code;
    bool DisableVideo;
    TWorkingParameters Parameters;
    std::string OutputName;
    bool operator==(const TMainFields&) const = default;
};

TMainFields MainFields() {
    return { Form1->All_Trant_Number, Form1->Video_DisableVideo, Form1->Video_Parameters,
             Form1->Video_OutPutFileName };
}

// The program started headless in a temporary program folder, from its own form descriptions.
class SettingsWindow : public HeadlessProgramTest {
protected:
    SettingsWindow() : HeadlessProgramTest("settingswindow") {}

    void SetUp() override {
        HeadlessProgramTest::SetUp();
        StartProgram();
        ASSERT_TRUE(Form1 && Form5 && Form6);
        FFamily = Settings<TbsSkinOfficeComboBox>("bsSkinOfficeComboBox2");
        FFormat = Settings<TbsSkinOfficeComboBox>("bsSkinOfficeComboBox1");
        for (int p = 0; p < PresetPickerCount; ++p)
            FPresets[p] = Settings<TbsSkinComboBox>(kPresetNames[p]);
    }

    template <typename T = TControl>
    T* Settings(const std::string& name) {
        return DescribedComponent<T>(Form6, name);
    }
    void Click(const char* name) { Settings<TControl>(name)->Click(); }

    void Choose(int family, int format) {
        FFamily->SetItemIndex(family);
        FFormat->SetItemIndex(format);
    }
    void SetPresetText(TPresetPicker picker, const std::string& text) {
        TbsSkinComboBox* box = FPresets[picker];
        box->Items().Clear();
        box->Items().Add(text);
        box->SetItemIndex(0);
    }
    // A job row of the main window holding outputName.
    void AddJobRow(const std::string& outputName) {
        TListItem* row = DescribedComponent<TbsSkinListView>(Form1, "lvFiles")->Items().Add();
        row->SetCaption("/in/" + outputName);
        for (int cell = 0; cell < 24; ++cell)
            row->SubItems().Add("");
        row->SubItems().SetStrings(2, outputName);
    }

    TbsSkinOfficeComboBox* FFamily{ nullptr };
    TbsSkinOfficeComboBox* FFormat{ nullptr };
    std::array<TbsSkinComboBox*, PresetPickerCount> FPresets{};
};

TEST_F(SettingsWindow, StartUpFillsTheFirstFormatAndLeavesTheWindowHidden) {
    EXPECT_TRUE(FErrors.empty());
    EXPECT_EQ(Form1->All_Trant_Number, 100);
    EXPECT_FALSE(Form1->Video_DisableVideo);
    EXPECT_FALSE(Form6->Visible());

    EXPECT_EQ(FFamily->ItemIndex(), 0);
    ASSERT_EQ(FFormat->Items().Count(), 15) << "the placeholder item is gone";
    EXPECT_EQ(FFormat->ItemIndex(), 0);
    EXPECT_EQ(FFormat->Items()[0]->Title(), "AVI - 音频视频交错格式(*.avi)");
    EXPECT_EQ(FFormat->Items()[0]->Caption(),
              "AVI最常用的视频格式,语音和影像同步组合在一起的文件格式");
    const char* defaults[PresetPickerCount] = { "保持原分辨率",   "816 kbps", "128 kbps",
                                                "保持原视频模式", "25.00",    "44100" };
    for (int p = 0; p < PresetPickerCount; ++p) {
        EXPECT_EQ(FPresets[p]->Text(), defaults[p]) << kPresetNames[p];
        EXPECT_TRUE(FPresets[p]->Enabled()) << kPresetNames[p];
    }
    EXPECT_EQ(FPresets[ppResolution]->Items().Count(), 28);
    // The family pictures are painted when the window first shows.
    EXPECT_EQ(Settings<TImageList>("ImageList1")->Count(), 0);
    Form6->Show();
    EXPECT_EQ(Settings<TImageList>("ImageList1")->Count(), 12);
    EXPECT_TRUE(Settings<TImage>("Image1")->Picture().Graphic());
    EXPECT_EQ(Settings<TImageList>("ImageList2")->Count(), 0);
    Form6->Hide();
}

TEST_F(SettingsWindow, ComponentsStandAsDescribed) {
    struct Row {
        const char* name;
        const char* cls;
        const char* parent; // "" for a component without a parent control
        TRect bounds;       // Left, Top, Right, Bottom; empty where the place is the parent's
    };
    // Labels size themselves to their text and combo boxes take the skin's height: of those
    // the place counts, and of the combo boxes the width too.
    auto sameBounds = [](const std::string& name, const TRect& shown, const TRect& described) {
        if (name.starts_with("bsSkinTextLabel")) return shown.TopLeft() == described.TopLeft();
        if (name.starts_with("bsSkinComboBox"))
            return shown.TopLeft() == described.TopLeft() && shown.Width() == described.Width();
        return shown == described;
    };
    auto at = [](int l, int t, int w, int h) { return TRect(l, t, l + w, t + h); };
    const Row rows[] = {
        { "bsSkinForm1", "TbsSkinForm", "", {} },
        { "bsSkinPanel2", "TbsSkinPanel", "Form6", at(39, 36, 625, 109) },
        { "bsSkinTextLabel5", "TbsSkinTextLabel", "bsSkinPanel2", at(17, 48, 60, 13) },
        { "bsSkinOfficeComboBox1", "TbsSkinOfficeComboBox", "bsSkinPanel2", at(215, 33, 400, 51) },
        { "bsSkinOfficeComboBox2", "TbsSkinOfficeComboBox", "bsSkinPanel2", at(83, 33, 126, 51) },
        { "bsSkinButton1", "TbsSkinButton", "bsSkinPanel2", at(621, 139, 55, 51) },
        { "Panel1", "TPanel", "Form6", at(690, 161, 305, 305) },
        { "Button6", "TButton", "Panel1", at(32, 47, 75, 25) },
        { "Button5", "TButton", "Panel1", at(113, 47, 126, 25) },
        { "Button7", "TButton", "Panel1", at(230, 47, 75, 25) },
        { "Button2", "TButton", "Panel1", at(32, 78, 104, 25) },
        { "Button13", "TButton", "Panel1", at(32, 109, 113, 25) },
        { "Button11", "TButton", "Panel1", at(151, 78, 95, 25) },
        { "Button18", "TButton", "Panel1", at(42, 163, 143, 25) },
        { "FFTasks", "TFFmpegTasks", "", {} },
        { "ImageList1", "TImageList", "", {} },
        { "ImageList2", "TImageList", "", {} },
        { "bsSkinPageControl1", "TbsSkinPageControl", "Form6", at(39, 171, 625, 222) },
        { "bsSkinTabSheet1", "TbsSkinTabSheet", "bsSkinPageControl1", {} },
        { "bsSkinTabSheet2", "TbsSkinTabSheet", "bsSkinPageControl1", {} },
        { "滤镜设置", "TbsSkinTabSheet", "bsSkinPageControl1", {} },
        { "bsSkinButton3", "TbsSkinButton", "Form6", at(594, 416, 69, 25) },
        { "bsSkinButton2", "TbsSkinButton", "Form6", at(480, 416, 69, 25) },
        { "bsSkinTextLabel3", "TbsSkinTextLabel", "bsSkinTabSheet1", at(19, 24, 72, 16) },
        { "bsSkinComboBox1", "TbsSkinComboBox", "bsSkinTabSheet1", at(16, 43, 289, 20) },
        { "bsSkinTextLabel2", "TbsSkinTextLabel", "bsSkinTabSheet1", at(342, 24, 72, 16) },
        { "bsSkinTextLabel6", "TbsSkinTextLabel", "bsSkinTabSheet1", at(16, 69, 60, 16) },
        { "bsSkinComboBox2", "TbsSkinComboBox", "bsSkinTabSheet1", at(342, 43, 251, 20) },
        { "bsSkinComboBox9", "TbsSkinComboBox", "bsSkinTabSheet1", at(14, 88, 291, 20) },
        { "bsSkinTextLabel4", "TbsSkinTextLabel", "bsSkinTabSheet1", at(342, 69, 60, 16) },
        { "bsSkinTextLabel7", "TbsSkinTextLabel", "bsSkinTabSheet1", at(16, 114, 72, 16) },
        { "bsSkinComboBox3", "TbsSkinComboBox", "bsSkinTabSheet1", at(16, 133, 289, 20) },
        { "bsSkinComboBox10", "TbsSkinComboBox", "bsSkinTabSheet1", at(342, 133, 251, 20) },
        { "bsSkinTextLabel9", "TbsSkinTextLabel", "bsSkinTabSheet1", at(342, 114, 72, 16) },
        { "bsSkinComboBox4", "TbsSkinComboBox", "bsSkinTabSheet1", at(342, 88, 251, 20) },
        { "bsSkinTabSheet3", "TbsSkinTabSheet", "bsSkinPageControl1", {} },
        { "Image1", "TImage", "Panel1", at(46, 158, 171, 103) },
    };
    EXPECT_EQ(Form6->ComponentCount(), int(std::size(rows)));
    for (const Row& row : rows) {
        TComponent* c = Form6->FindComponent(row.name);
        ASSERT_NE(c, nullptr) << row.name;
        EXPECT_EQ(c->ClassName(), row.cls) << row.name;
        auto* control = dynamic_cast<TControl*>(c);
        if (!*row.parent) {
            EXPECT_EQ(control, nullptr) << row.name;
            continue;
        }
        ASSERT_NE(control, nullptr) << row.name;
        ASSERT_NE(control->Parent(), nullptr) << row.name;
        EXPECT_EQ(control->Parent()->Name(), row.parent) << row.name;
        if (!row.bounds.IsEmpty()) {
            EXPECT_TRUE(sameBounds(row.name, control->BoundsRect(), row.bounds)) << row.name;
        }
    }

    // Every skinned component names the main window's first skin object, but the hidden button.
    TbsSkinData* skin = DescribedComponent<TbsSkinData>(Form1, "bsSkinData1");
    EXPECT_EQ(Settings<TbsSkinButton>("bsSkinButton1")->SkinData(), nullptr);
    EXPECT_FALSE(Settings<TbsSkinButton>("bsSkinButton1")->Visible());
    for (const char* name : { "bsSkinPanel2", "bsSkinOfficeComboBox1", "bsSkinOfficeComboBox2",
                              "bsSkinButton2", "bsSkinButton3", "bsSkinComboBox1" })
        EXPECT_EQ(Settings<TbsSkinControl>(name)->SkinData(), skin) << name;
    EXPECT_EQ(FindSkinForm(Form6)->SkinData(), skin);

    const char* families[] = { "常用视频",   "常用音频", "HD视频",  "iPod视频",
                               "iPhone视频", "PSP视频",  "3GP视频", "APPLE视频",
                               "XboX视频",   "PMP视频",  "MP4视频", "Flash视频" };
    ASSERT_EQ(FFamily->Items().Count(), 12);
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(FFamily->Items()[i]->Caption(), families[i]);
        EXPECT_EQ(FFamily->Items()[i]->ImageIndex(), i);
    }
}

TEST_F(SettingsWindow, FamilyChoiceRefillsTheFormatsAndPresets) {
    FFamily->SetItemIndex(1);
    ASSERT_EQ(FFormat->Items().Count(), 13);
    EXPECT_EQ(FFormat->Items()[0]->Title(), "MP3 - MPEG Layer-3音频格式(*.mp3)");
    EXPECT_EQ(Form1->All_Trant_Number, 200);
    for (const TPresetPicker p : { ppResolution, ppVideoBitrate, ppFrameRate, ppAspect })
        EXPECT_FALSE(FPresets[p]->Enabled()) << kPresetNames[p];
    EXPECT_EQ(FPresets[ppResolution]->Text(), "该格式无视频");

    FFamily->SetItemIndex(11);
    ASSERT_EQ(FFormat->Items().Count(), 4);
    EXPECT_EQ(FFormat->Items()[3]->Title(), "SWF动画视频FLASH动画音频格式(*.swf)");
    Click("Button2");
    EXPECT_EQ(FFormat->Items().Count(), 4) << "a refill leaves one copy";

    FFamily->SetItemIndex(4);
    FFormat->SetItemIndex(2);
    EXPECT_EQ(Form1->All_Trant_Number, 502);
    EXPECT_EQ(FPresets[ppResolution]->Text(), "720*406");
    EXPECT_EQ(FPresets[ppVideoBitrate]->Text(), "768 kbps");
    EXPECT_EQ(FPresets[ppFrameRate]->Text(), "25.00");
    for (int p = 0; p < PresetPickerCount; ++p)
        EXPECT_TRUE(FPresets[p]->Enabled()) << "a video format enables all six again";
}

TEST_F(SettingsWindow, NoFamilyLeavesThePickersEmptyAndTheFieldsAlone) {
    Form1->Video_OutPutFileName = "/out/earlier.avi";
    Form1->Video_Parameters.VideoCodec = "earlier";
    const TMainFields before = MainFields();
    FFamily->SetItemIndex(-1);
    EXPECT_EQ(FFormat->Items().Count(), 0);
    EXPECT_EQ(Form1->All_Trant_Number, 0) << "the presets still follow the absent format";
    for (int p = 0; p < PresetPickerCount; ++p) {
        EXPECT_EQ(FPresets[p]->Items().Count(), 0);
        EXPECT_TRUE(FPresets[p]->Enabled());
    }
    Click("Button5");
    TMainFields after = MainFields();
    EXPECT_EQ(after.Code, 0);
    after.Code = before.Code;
    EXPECT_EQ(after, before) << "no row, no output name from an earlier file";
}

TEST_F(SettingsWindow, FormatParametersAndAUniqueOutputName) {
    const std::string folder = FRoot + "out";
    ForceDirectories(folder);
    Form1->FileOutPutPath = folder;
    Form1->Video_AddFileName = FRoot + "in/clip.vob";
    auto* overwrite = DescribedComponent<TbsSkinCheckRadioBox>(Form5, "bsSkinCheckRadioBox3");
    auto* rename = DescribedComponent<TbsSkinCheckRadioBox>(Form5, "bsSkinCheckRadioBox6");
    rename->SetChecked(true);

    Choose(0, 0);
    Click("Button5");
    EXPECT_EQ(Form1->Video_OutPutFileName, folder + "/clip.avi");
    EXPECT_EQ(Form1->Video_Parameters.FileExt, ".avi");
    EXPECT_EQ(Form1->Video_Parameters.VideoCodec, "mpeg4");
    EXPECT_EQ(Form1->Video_Parameters.VideoTag, "XVID");
    EXPECT_EQ(Form1->Video_Parameters.VideoBitrate, 816000);
    EXPECT_EQ(Form1->Video_Parameters.AudioCodec, "libmp3lame");

    for (const char* name : { "clip.avi", "clip_1.avi" })
        std::ofstream(folder + "/" + name) << "x";
    AddJobRow("clip_2.avi");
    Click("Button5");
    EXPECT_EQ(Form1->Video_OutPutFileName, folder + "/clip_3.avi")
        << "names on disk and names the job rows hold are both taken";
    overwrite->SetChecked(true);
    Click("Button5");
    EXPECT_EQ(Form1->Video_OutPutFileName, folder + "/clip.avi");

    Choose(1, 0);
    Click("Button5");
    EXPECT_TRUE(Form1->Video_DisableVideo);
    EXPECT_TRUE(Form1->Video_Parameters.DisableVideo);
    EXPECT_EQ(Form1->Video_Parameters.VideoCodec, "mpeg4") << "the video fields stay";
    EXPECT_EQ(Form1->Video_OutPutFileName, folder + "/clip.mp3");

    Choose(0, 12);
    Click("Button5");
    EXPECT_EQ(Form1->Video_Parameters.TargetType, "svcd");
    EXPECT_EQ(Form1->Video_Parameters.NormType, "PAL");
    EXPECT_EQ(Form1->Video_Parameters.VideoBitrate, BitrateNotSet);
    EXPECT_EQ(Form1->Video_Parameters.FileExt, ".mp3") << "kept from the format before";
    EXPECT_FALSE(Form1->Video_DisableVideo);

    Form1->Video_Parameters.VideoTag = "KEEP";
    Choose(2, 5);
    Click("Button5");
    EXPECT_EQ(Form1->Video_Parameters.VideoTag, "KEEP");
    Choose(2, 6);
    Click("Button5");
    EXPECT_EQ(Form1->Video_Parameters.FileExt, ".asf");
    EXPECT_EQ(Form1->Video_OutPutFileName, folder + "/clip.wmv");
}

TEST_F(SettingsWindow, PresetTextsReachTheMainWindowAllOrNothing) {
    struct Case {
        TPresetPicker picker;
        const char* text;
        std::function<bool(const TWorkingParameters&)> holds;
    };
    const Case cases[] = {
        { ppAudioBitrate, "4.75 kbps", [](auto& f) { return f.AudioBitrate == 4750; } },
        { ppAudioBitrate, "12.2 kbps", [](auto& f) { return f.AudioBitrate == 12200; } },
        { ppVideoBitrate, "无视频", [](auto& f) { return f.VideoBitrate == BitrateNotSet; } },
        { ppVideoBitrate, "816 kbps", [](auto& f) { return f.VideoBitrate == 816000; } },
        { ppResolution, "该格式无视频", [](auto& f) { return f.FrameSize.empty(); } },
        { ppResolution, "640*480", [](auto& f) { return f.FrameSize == "640*480"; } },
        { ppSampleRate, "自动音频采样率", [](auto& f) { return f.AudioSampleRate == "AUTO"; } },
        { ppAspect, "宽屏视频16:9模式", [](auto& f) { return f.FrameAspectRatio == "16:9"; } },
        { ppAspect, "某种模式", [](auto& f) { return f.FrameAspectRatio == "37:20"; } },
    };
    for (const Case& c : cases) {
        Click("Button18");
        Form1->Video_Parameters.FrameAspectRatio = "37:20";
        SetPresetText(c.picker, c.text);
        Click("Button13");
        EXPECT_TRUE(c.holds(Form1->Video_Parameters)) << c.text;
    }

    Click("Button18");
    Form1->Video_Parameters.FrameSize = "1*1";
    SetPresetText(ppAudioBitrate, "abc kbps");
    const TMainFields before = MainFields();
    EXPECT_THROW(Click("Button13"), EConvertError);
    EXPECT_EQ(MainFields(), before) << "a text that fails leaves every field as it was";

    Form6->Show();
    // The failure goes on to the event loop, which shows it.
    EXPECT_THROW(ClickControl(Settings<TbsSkinButton>("bsSkinButton2")), EConvertError);
    EXPECT_TRUE(Form6->Visible()) << "OK with a failing text keeps the window open";
    Form6->Hide();
}

TEST_F(SettingsWindow, CancelWritesNothingAndOkWritesFormatAndPresets) {
    Form1->FileOutPutPath = FRoot + "out";
    Form1->Video_AddFileName = FRoot + "in/clip.vob";
    Choose(3, 11);
    SetPresetText(ppResolution, "320*240");
    const TMainFields before = MainFields();
    Form6->Show();
    ClickControl(Settings<TbsSkinButton>("bsSkinButton3"));
    EXPECT_EQ(MainFields(), before);
    EXPECT_FALSE(Form6->Visible());

    Form6->Show();
    ClickControl(Settings<TbsSkinButton>("bsSkinButton2"));
    EXPECT_FALSE(Form6->Visible());
    EXPECT_EQ(Form1->All_Trant_Number, 411);
    EXPECT_EQ(Form1->Video_Parameters.FrameAspectRatio, "16:9");
    EXPECT_EQ(Form1->Video_Parameters.FrameSize, "320*240") << "the preset overrides the format";
    EXPECT_EQ(Form1->Video_OutPutFileName, FRoot + "out/clip.mp4");

    Form1->Video_AddFileName = "/keep/this.vob";
    Click("Button6");
    EXPECT_EQ(Form1->Video_Parameters, TWorkingParameters{});
    EXPECT_TRUE(Form1->Video_OutPutFileName.empty());
    EXPECT_EQ(Form1->Video_AddFileName, "/keep/this.vob");
    EXPECT_EQ(Form1->All_Trant_Number, 411);
}

} // namespace

namespace {

// The colour a shown form's window presents at a point of one of its controls.
gfx::Pixel Shown(win::HeadlessBackend& display, TControl* control, TPoint at) {
    TCustomForm* form = GetParentForm(control);
    const auto* native = display.Native(form->Handle());
    const TPoint screen = control->ClientToScreen(at);
    return native->FPresented.At(screen.X - native->FBounds.left, screen.Y - native->FBounds.top) &
           0xFFFFFF;
}

// The colour at a point of a shown form's window, counted from its top-left corner.
gfx::Pixel ShownInWindow(win::HeadlessBackend& display, TCustomForm* form, TPoint at) {
    return display.Native(form->Handle())->FPresented.At(at.X, at.Y) & 0xFFFFFF;
}

TEST_F(SettingsWindow, DrawnWithTheMainSkin) {
    // The options dialog carries the same skin: shown active first, it is the reference for
    // the caption and the button face.
    auto* reference = DescribedComponent<TControl>(Form5, "bsSkinButton6");
    const TPoint buttonPoints[] = { TPoint(1, 12), TPoint(4, 3), TPoint(4, 21) };
    Form5->SetBounds(-2000, -2000, Form5->Width(), Form5->Height());
    Form5->Show();
    Pump();
    const auto& bounds5 = FDisplay->Native(Form5->Handle())->FBounds;
    const int band = Form5->ClientToScreen(TPoint(0, 0)).Y - bounds5.top;
    ASSERT_GT(band, 10) << "the skin's frame has a caption";
    const gfx::Pixel caption5 =
        ShownInWindow(*FDisplay, Form5, TPoint(bounds5.right - bounds5.left - 60, band / 2));
    std::vector<gfx::Pixel> button5;
    for (const TPoint at : buttonPoints)
        button5.push_back(Shown(*FDisplay, reference, at));
    Form5->Hide();

    Form6->SetBounds(-2000, -2000, Form6->Width(), Form6->Height());
    Form6->Show();
    Pump();
    const auto* native = FDisplay->Native(Form6->Handle());
    ASSERT_NE(native, nullptr);
    ASSERT_TRUE(win::HeadlessBackend::SavePng(
        native->FPresented, (std::filesystem::current_path() / "settingswindow.png").string()));
    const gfx::Pixel ground = Shown(*FDisplay, Form6, TPoint(10, 100));

    // The caption band between the title and the caption buttons is the skin's caption.
    const int w6 = native->FBounds.right - native->FBounds.left;
    EXPECT_EQ(Form6->ClientToScreen(TPoint(0, 0)).Y - native->FBounds.top, band);
    const gfx::Pixel caption = ShownInWindow(*FDisplay, Form6, TPoint(w6 - 200, band / 2));
    EXPECT_NE(caption, ground);
    EXPECT_EQ(caption, caption5);

    // The framed panel: its skin face inside, its frame at the edge, unlike the ground and the
    // plain developer panel.
    auto* panel = Settings<TControl>("bsSkinPanel2");
    const gfx::Pixel face = Shown(*FDisplay, panel, TPoint(10, 10));
    EXPECT_EQ(face, Shown(*FDisplay, panel, TPoint(600, 95)));
    EXPECT_NE(face, Shown(*FDisplay, panel, TPoint(0, 50)));
    EXPECT_NE(face, Shown(*FDisplay, Settings<TControl>("Panel1"), TPoint(10, 10)));

    // The OK and Cancel buttons show the skin's button face.
    for (const char* name : { "bsSkinButton2", "bsSkinButton3" })
        for (std::size_t i = 0; i < std::size(buttonPoints); ++i)
            EXPECT_EQ(Shown(*FDisplay, Settings<TControl>(name), buttonPoints[i]), button5[i])
                << name << " " << buttonPoints[i].X << "," << buttonPoints[i].Y;
    EXPECT_NE(Shown(*FDisplay, Settings<TControl>("bsSkinButton2"), TPoint(4, 12)), ground);
    Form6->Hide();
}

} // namespace
