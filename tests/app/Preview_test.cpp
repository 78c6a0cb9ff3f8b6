#include "HeadlessProgramTest.h"
#include "Src/FFPlay.h"
#include "app/Dialogs.h"
#include "app/JobListControls.h"
#include "app/Program.h"
#include "app/ProgramFolders.h"
#include "app/SnapshotFiles.h"
#include "app/Unit1.h"
#include "lib/controls/TbsSkinComboBox.h"
#include "lib/controls/TbsSkinCustomListView.h"
#include "lib/controls/TbsSkinOfficeComboBox.h"
#include "lib/controls/TbsSkinSlider.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TCheckBox.h"
#include "platform/forms/TComboBox.h"
#include "platform/forms/TFormReader.h"
#include "platform/forms/TLabel.h"
#include "platform/forms/TListItems.h"
#include "platform/forms/TMemo.h"
#include "platform/forms/TMenuItem.h"
#include "platform/gfx/TBitmap.h"
#include "platform/gfx/TGIFImage.h"
#include "platform/gfx/TJPEGImage.h"
#include "platform/gfx/TPngImage.h"
#include "platform/rtl/FileSystem.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/MainThread.h"
#include "platform/rtl/TIniFile.h"
#include "platform/shell/ShellExecute.h"
#include "platform/win/Win.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "tests/fixtures/FixtureSet.h"
#include "tests/fixtures/MediaWriter.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

using namespace win;
using namespace std::chrono_literals;

// The program on a headless display with its settings and data folders in a temporary folder,
// and a copy of a media fixture named "clip.avi" to preview.
class Preview : public HeadlessProgramTest {
protected:
    Preview() : HeadlessProgramTest("preview") {}

    void SetUp() override {
        HeadlessProgramTest::SetUp();
        // Video alone: playback then keeps time by the system clock, not by an audio device
        // that a loaded machine may starve.
        FClip = FRoot + "clip.avi";
        fixtures::MediaSpec clip;
        clip.Format = "avi";
        clip.Extension = ".avi";
        clip.VideoCodec = "mpeg4";
        fixtures::WriteMedia(FClip, clip);
        StartProgram();
        ASSERT_TRUE(Form1);
        FPlayer = Form1->VOVezade;
        // Every position the preview reports, besides the window's own handling.
        FPlayer->OnPosition = [this](TObject* sender, std::int64_t pts) {
            FPositions.push_back(pts);
            Form1->VOVezadePosition(sender, pts);
        };
    }

    // Serves the GUI thread's queue, where the player's events arrive, until pred holds.
    static bool WaitUntil(const std::function<bool()>& pred) {
        const auto deadline = std::chrono::steady_clock::now() + 30s;
        while (!pred()) {
            if (std::chrono::steady_clock::now() > deadline) return false;
            CheckSynchronize(10);
            MSG msg;
            while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessage(&msg);
        }
        return true;
    }

    template <typename T = TControl>
    static T* Main(const std::string& name) {
        return DescribedComponent<T>(Form1, name);
    }

    std::vector<std::string> Log() const {
        const TStrings& lines = Main<TMemo>("mmoLog")->Lines();
        std::vector<std::string> result;
        for (int i = 0; i < lines.Count(); ++i)
            result.push_back(lines[i]);
        return result;
    }
    int LogCount(const std::string& line) const {
        const auto log = Log();
        return int(std::count(log.begin(), log.end(), line));
    }

    // Opens the file as a selected row does and waits until it shows, paused.
    void OpenPaused(const std::string& file) {
        const int pauses = LogCount("Pause");
        Form1->T_Movie_PLayer_FileName = file;
        Form1->Button31Click(nullptr);
        ASSERT_TRUE(WaitUntil([&] { return LogCount("Pause") > pauses; }))
            << (Log().empty() ? "" : Log().back());
        ASSERT_TRUE(WaitUntil([&] { return !FPlayer->CurrentFrame()->Empty(); }));
    }

    std::string Stored(const std::string& key) const {
        return TIniFile(FRoot + "settings/option.ini").ReadString("SnapShot", key, "<none>");
    }
    std::string SnapshotFolder() const { return FRoot + "home/苇川视频软件/快照"; }
    // Runs a button's click as the user's press does, through the window's wiring.
    static void Press(const std::string& button) { ClickControl(Main(button)); }
    static TbsSkinSlider* Slider() { return Main<TbsSkinSlider>("bsSkinSlider1"); }

    std::string FClip;
    ZAZEvivez* FPlayer{ nullptr };
    std::vector<std::int64_t> FPositions;
};

TEST_F(Preview, OpeningAFileShowsItPausedWithItsDurationAndStreams) {
    // A second audio stream is what makes the audio list worth choosing from.
    fixtures::MediaSpec spec;
    spec.Format = "matroska";
    spec.Extension = ".mkv";
    spec.VideoCodec = "mpeg4";
    spec.AudioCodec = "mp2";
    spec.ExtraAudio = { { 22050, 1 } };
    const std::string twoAudios = FRoot + "two audios.mkv";
    fixtures::WriteMedia(twoAudios, spec);

    struct Case {
        std::string file;
        bool audioChoice;
    };
    for (const Case& c : { Case{ fixtures::Standard().Avi, false }, Case{ twoAudios, true } }) {
        SCOPED_TRACE(c.file);
        OpenPaused(c.file);
        EXPECT_EQ(FPlayer->FileName(), c.file);
        EXPECT_EQ(FPlayer->ScreenHandle(), Main<TWinControl>("Panel6")->Handle());
        EXPECT_NEAR(double(Form1->FDuration), 2e6, 1e5);
        EXPECT_EQ(Slider()->MaxValue(), 202);
        auto* audios = Main<TComboBox>("cboAudio");
        EXPECT_EQ(audios->Enabled(), c.audioChoice);
        EXPECT_EQ(audios->Items().Count(), c.audioChoice ? 2 : 1);
        EXPECT_EQ(audios->Items()[audios->ItemIndex()],
                  "Audio#" + std::to_string(FPlayer->AudioStreamIndex()));
        auto* videos = Main<TComboBox>("cboVideo");
        EXPECT_FALSE(videos->Enabled());
        EXPECT_EQ(videos->Items()[videos->ItemIndex()], "Video#0");
    }
    // Seconds with two decimals, as the log shows them.
    const std::string seconds = Format("%.2f", double(Form1->FDuration) / 1000000);
    EXPECT_EQ(Main<TLabel>("Label2")->Caption(), seconds);
    const auto log = Log();
    EXPECT_NE(std::find(log.begin(), log.end(), "duration: " + seconds + ", frame size: 160x120"),
              log.end());
    EXPECT_TRUE(FErrors.empty());
}

TEST_F(Preview, SelectingAJobRowOpensItsFile) {
    const std::string other = FRoot + "other.avi";
    std::filesystem::copy_file(FClip, other);
    Form1->Show();
    // Family "常用视频", format 0: an AVI.
    Main<TbsSkinOfficeComboBox>(FamilyPickerName)->SetItemIndex(1);
    Main<TbsSkinOfficeComboBox>(FormatPickerName)->SetItemIndex(0);
    FDialogs->FFiles = { FClip, other };
    Form1->N2222Click(nullptr);
    auto* jobs = Main<TbsSkinListView>("lvFiles");
    ASSERT_TRUE(WaitUntil([&] { return jobs->Items().Count() == 2; })) << FErrors.size();
    for (int row : { 0, 1 }) {
        jobs->SetSelected(jobs->Items()[row]);
        const std::string file = jobs->Items()[row]->Caption();
        EXPECT_EQ(Form1->T_Movie_PLayer_FileName, file);
        EXPECT_TRUE(WaitUntil([&] { return FPlayer->FileName() == file && FPlayer->Paused(); }))
            << file;
    }
}

TEST_F(Preview, AFileThatCannotOpenIsReportedInTheLog) {
    Form1->T_Movie_PLayer_FileName = FRoot + "missing.avi";
    Form1->Button31Click(nullptr);
    ASSERT_FALSE(Log().empty());
    EXPECT_EQ(Log().back(), FPlayer->LastErrMsg());
    EXPECT_TRUE(FPlayer->CurrentFrame()->Empty());
}

TEST_F(Preview, PlayPauseStopAndMuteButtons) {
    OpenPaused(FClip);
    Press("bsSkinButton13");
    ASSERT_TRUE(WaitUntil([&] { return LogCount("Resume") == 1; }));
    ASSERT_TRUE(WaitUntil([&] { return !FPositions.empty() && FPositions.back() > 200000; }))
        << ::testing::PrintToString(Log()) << ::testing::PrintToString(FPositions);
    Press("bsSkinButton14");
    ASSERT_TRUE(WaitUntil([&] { return LogCount("Pause") == 2; }));

    // Stop acts only for a selected row: then it rewinds and opens the file again, paused.
    Press("bsSkinButton15");
    EXPECT_EQ(LogCount("Stop"), 0);
    auto* jobs = Main<TbsSkinListView>("lvFiles");
    jobs->SetSelected(jobs->Items().Add());
    Press("bsSkinButton15");
    ASSERT_TRUE(WaitUntil([&] { return LogCount("Pause") == 3; }));
    EXPECT_EQ(LogCount("Stop"), 1);
    int64_t pts = -1;
    FPlayer->CurrentFrame(pts);
    EXPECT_LT(pts, 100000);

    Press("bsSkinButton16");
    EXPECT_TRUE(FPlayer->Mute());
    EXPECT_TRUE(Main("bsSkinButton20")->Visible());
    EXPECT_FALSE(Main("bsSkinButton16")->Visible());
    Press("bsSkinButton20");
    EXPECT_FALSE(FPlayer->Mute());
    EXPECT_FALSE(Main("bsSkinButton20")->Visible());
    EXPECT_TRUE(Main("bsSkinButton16")->Visible());
}

TEST_F(Preview, PlayingKeepsTheWindowOnTopWhenAskedAndTheEndRewindsAndWaits) {
    Main<TCheckBox>("chkStayOnTop")->SetChecked(true);
    OpenPaused(FClip);
    EXPECT_EQ(Form1->FormStyle(), fsNormal);
    Press("bsSkinButton13");
    ASSERT_TRUE(WaitUntil([&] { return LogCount("Resume") == 1; }));
    EXPECT_EQ(Form1->FormStyle(), fsStayOnTop);
    auto& display = static_cast<HeadlessBackend&>(CurrentBackend());
    EXPECT_TRUE(display.Native(Form1->Handle())->FTopmost) << "above other programs too";

    const int pauses = LogCount("Pause");
    ASSERT_TRUE(WaitUntil([&] { return LogCount("End") >= 1 && LogCount("Pause") > pauses; }))
        << ::testing::PrintToString(Log()) << ::testing::PrintToString(FPositions);
    const auto log = Log();
    EXPECT_LT(std::find(log.begin(), log.end(), "End"),
              std::find(log.rbegin(), log.rend(), "Pause").base());
    EXPECT_EQ(Form1->FormStyle(), fsNormal);
    EXPECT_FALSE(display.Native(Form1->Handle())->FTopmost);
    EXPECT_TRUE(FPlayer->Paused());
    // Playing again starts from the beginning.
    FPositions.clear();
    Press("bsSkinButton13");
    EXPECT_TRUE(WaitUntil([&] {
        return std::any_of(FPositions.begin(), FPositions.end(),
                           [](int64_t pts) { return pts >= 0 && pts < 500000; });
    })) << ::testing::PrintToString(FPositions);
}

TEST_F(Preview, ReleasingTheSliderSeeksToItsShareOfTheDurationAndPlays) {
    // Ten seconds, so that a seek to the middle cannot be mistaken for playing there.
    fixtures::MediaSpec spec;
    spec.Format = "avi";
    spec.Extension = ".avi";
    spec.VideoCodec = "mpeg4";
    spec.Seconds = 10;
    const std::string longer = FRoot + "ten.avi";
    fixtures::WriteMedia(longer, spec);
    OpenPaused(longer);
    ASSERT_EQ(Slider()->MaxValue(), 202);

    Form1->bsSkinSlider1MouseDown(nullptr, mbLeft, TShiftState(), 0, 0);
    EXPECT_EQ(Form1->bsSkinSlider1_down_UP, "Down");
    // Positions while the thumb is held leave it alone.
    Slider()->SetValue(101);
    Form1->VOVezadePosition(nullptr, 9000000);
    EXPECT_EQ(Slider()->Value(), 101);
    EXPECT_NE(Main<TLabel>("Label3")->Caption(), "9.00");

    FPositions.clear();
    Form1->bsSkinSlider1MouseUp(nullptr, mbLeft, TShiftState(), 0, 0);
    EXPECT_EQ(Form1->bsSkinSlider1_down_UP, "UP");
    const int64_t target = Form1->FDuration * 101 / 202;
    ASSERT_TRUE(WaitUntil([&] { return !FPositions.empty() && FPositions.back() > target; }));
    for (int64_t pts : FPositions)
        EXPECT_FALSE(pts > 500000 && pts < target - 200000) << "played towards it: " << pts;
    EXPECT_FALSE(FPlayer->Paused());
    // Positions move the thumb again, in proportion.
    Form1->VOVezadePosition(nullptr, Form1->FDuration / 4);
    EXPECT_EQ(Slider()->Value(), 50);
}

TEST_F(Preview, SnapshotsTakeTheFirstFreeNumberInTheSnapshotFolder) {
    // Nothing open: nothing saved, but the folder and type rules still run.
    Press("bsSkinButton22");
    EXPECT_EQ(Stored("Dir"), SnapshotFolder());
    EXPECT_EQ(Stored("Picture"), "BMP");
    EXPECT_TRUE(std::filesystem::is_empty(SnapshotFolder()));

    OpenPaused(FClip);
    Press("bsSkinButton22");
    Press("bsSkinButton22");
    const std::string first = SnapshotFolder() + "/clip_1.bmp";
    EXPECT_TRUE(FileExists(first));
    EXPECT_TRUE(FileExists(SnapshotFolder() + "/clip_2.bmp"));
    DeleteFile(first);
    Press("bsSkinButton22");
    TBitmap shot;
    shot.LoadFromFile(first);
    EXPECT_EQ(shot.Width(), 160);
    EXPECT_EQ(shot.Height(), 120);
    EXPECT_FALSE(FileExists(SnapshotFolder() + "/clip_3.bmp"));
}

TEST_F(Preview, SnapshotNamesDropOnlyTheLastExtension) {
    EXPECT_EQ(NextSnapshotFileName("/s", "/v/movie.part1.avi", "JPG"), "/s/movie.part1_1.jpg");
    EXPECT_EQ(NextSnapshotFileName("/s", "/v/noext", "PNG"), "/s/noext_1.png");
}

TEST_F(Preview, EachPictureTypeSavesAPictureOfThePreviewsSize) {
    OpenPaused(FClip);
    struct Case {
        const char* type;
        const char* extension;
        std::function<std::unique_ptr<TGraphic>()> make;
    };
    const Case cases[] = {
        { "PNG", ".png", [] { return std::make_unique<TPngImage>(); } },
        { "JPG", ".jpg", [] { return std::make_unique<TJPEGImage>(); } },
        { "GIF", ".gif", [] { return std::make_unique<TGIFImage>(); } },
        { "BMP", ".bmp", [] { return std::make_unique<TBitmap>(); } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        Main<TMenuItem>(std::string(c.type) + "1")->Click();
        EXPECT_EQ(Stored("Picture"), c.type);
        EXPECT_TRUE(Main<TMenuItem>(std::string(c.type) + "1")->Checked());
        Press("bsSkinButton22");
        auto picture = c.make();
        picture->LoadFromFile(SnapshotFolder() + "/clip_1" + c.extension);
        EXPECT_EQ(picture->Width(), 160);
        EXPECT_EQ(picture->Height(), 120);
    }
    // The menu's check marks follow the file; an unknown type (letter case counts) is "BMP".
    TIniFile(FRoot + "settings/option.ini").WriteString("SnapShot", "Picture", "jpg");
    Press("bsSkinButton23");
    EXPECT_EQ(Stored("Picture"), "BMP");
    EXPECT_TRUE(Main<TMenuItem>("BMP1")->Checked());
    EXPECT_FALSE(Main<TMenuItem>("JPG1")->Checked());
}

// The player draws into the screen panel's own display window; what it drew must not outlive
// its file there: choosing a file without video, or emptying the list, wipes the screen.
TEST_F(Preview, TheScreenKeepsNoPictureOfAFileNoLongerShown) {
    auto* screen = Main<TWinControl>("Panel6");
    const auto clears = [&] {
        const HeadlessBackend::NativeChild* child = FDisplay->Child(screen->Handle());
        return child ? child->FClearCount : 0;
    };
    FDialogs->FFiles = { FClip };
    Form1->btnAddClick(nullptr);
    ASSERT_TRUE(WaitUntil([&] { return !FPlayer->CurrentFrame()->Empty(); }));
    const int showingVideo = clears();

    FDialogs->FFiles = { fixtures::Standard().Mp3 };
    Form1->btnAddClick(nullptr);
    ASSERT_EQ(Main<TbsSkinListView>("lvFiles")->ItemIndex(), 1);
    EXPECT_TRUE(WaitUntil([&] { return clears() > showingVideo; }));
    EXPECT_TRUE(FPlayer->CurrentFrame()->Empty());

    const int showingAudio = clears();
    Press("bsSkinButton8");
    EXPECT_TRUE(WaitUntil([&] { return clears() > showingAudio; }));
    EXPECT_TRUE(FErrors.empty());
}

TEST_F(Preview, TheSnapshotFolderIsChosenOpenedAndKeptInTheSettings) {
    const std::string chosen = FRoot + "shots";
    const std::string output = FRoot + "output";
    ForceDirectories(chosen);
    ForceDirectories(output);

    FDialogs->FFolder = chosen;
    Main<TMenuItem>("MenuItem2")->Click();
    EXPECT_EQ(Stored("Dir"), chosen);

    // Cancel keeps it, though the shared dialog last confirmed another folder.
    FDialogs->FFolder = output;
    Form1->bsSkinButton5Click(nullptr);
    FDialogs->FFolder.clear();
    Main<TMenuItem>("MenuItem2")->Click();
    EXPECT_EQ(Stored("Dir"), chosen);

    Main<TMenuItem>("MenuItem1")->Click();
    ASSERT_FALSE(FLaunched.empty());
    EXPECT_EQ(FLaunched.back(), "xdg-open " + chosen);

    OpenPaused(FClip);
    Press("bsSkinButton22");
    EXPECT_TRUE(FileExists(chosen + "/clip_1.bmp"));
    EXPECT_TRUE(FErrors.empty());
}

} // namespace
