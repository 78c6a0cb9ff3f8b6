#include "app/Dialogs.h"
#include "app/ProgramFolders.h"
#include "app/SettingsPlace.h"
#include "app/SettingsSections.h"
#include "app/SnapshotFiles.h"
#include "app/Unit1.h"
#include "lib/controls/TbsSkinCustomListView.h"
#include "lib/controls/TbsSkinSlider.h"
#include "lib/dialogs/TbsSkinSelectDirectoryDialog.h"
#include "lib/menus/TbsSkinPopupMenu.h"

#include "Src/FFPlay.h"
#include "platform/forms/TButton.h"
#include "platform/forms/TCheckBox.h"
#include "platform/forms/TComboBox.h"
#include "platform/forms/TLabel.h"
#include "platform/forms/TMemo.h"
#include "platform/forms/TMenuItem.h"
#include "platform/forms/TScreen.h"
#include "platform/forms/TTrackBar.h"
#include "platform/gfx/TBitmap.h"
#include "platform/rtl/FileSystem.h"
#include "platform/rtl/Format.h"
#include "platform/win/Input.h"
#include "platform/win/NativeChild.h"
#include "platform/win/Painting.h"

#include <array>

namespace {

constexpr std::array<const char*, 6> PlayStateNames{ "Play", "Pause", "Resume",
                                                     "Step", "Stop",  "End" };

} // namespace

void TForm1::OpenPreview() {
    if (!VOVezade->Open(T_Movie_PLayer_FileName, FPreviewScreen->Handle(), FOpenPaused->Checked()))
        FLog->Lines().Add(VOVezade->LastErrMsg());
}

void TForm1::Button31Click(TObject*) {
    if (!VOVezade->AVLibLoaded() && !VOVezade->LoadAVLib(ProgramPath() + "LibAV")) {
        FLog->Lines().Add(VOVezade->LastErrMsg());
        return;
    }
    FScreenControl = nullptr;
    const int chosen = FScreens->ItemIndex();
    const std::string screenName = chosen >= 0 ? FScreens->Items()[chosen] : std::string();
    for (int i = 0; i < ControlCount() && !FScreenControl; ++i) {
        auto* child = dynamic_cast<TWinControl*>(Controls(i));
        if (child && child->Name() == screenName) FScreenControl = child;
    }
    if (FScreenControl) FScreenControl->HandleNeeded();

    const int videoDriver = FVideoDriver->ItemIndex();
    VOVezade->SetVideoDriver(videoDriver == 1   ? vdDirectDraw
                             : videoDriver == 2 ? vdGDI
                                                : vdDefault);
    const int audioDriver = FAudioDriver->ItemIndex();
    VOVezade->SetAudioDriver(audioDriver == 1   ? adDirectSound
                             : audioDriver == 2 ? adWaveOut
                                                : adDefault);
    OpenPreview();
}

void TForm1::VOVezadeFileOpen(TObject*, std::int64_t duration, int frameWidth, int frameHeight,
                              int& screenWidth, int& screenHeight) {
    TAVProbe& probe = VOVezade->AVProbe();
    FLog->Lines().Add(probe.FileInfoText());
    FLog->Lines().Add(Format("duration: %.2f, frame size: %dx%d", double(duration) / 1000000,
                             frameWidth, frameHeight));
    screenWidth = FScreenControl ? FScreenControl->Width() : Screen->Width();
    screenHeight = FScreenControl ? FScreenControl->Height() : Screen->Height();

    FDuration = duration;
    FDurationLabel->SetCaption(Format("%.2f", double(duration) / 1000000));
    FPositionLabel->SetCaption("0.0");
    FPositionSlider->SetMaxValue(FPositionSlider->Width());
    FPositionSlider->SetValue(0);

    TComboBox* videos = FVideoStreams;
    TComboBox* audios = FAudioStreams;
    TComboBox* subtitles = FSubtitleStreams;
    videos->Items().Clear();
    audios->Items().Clear();
    subtitles->Items().Clear();
    for (int i = 0; i < probe.StreamCount(); ++i) {
        if (probe.IsVideoStream(i))
            videos->Items().Add(Format("Video#%d", i));
        else if (probe.IsAudioStream(i))
            audios->Items().Add(Format("Audio#%d", i));
        else if (probe.IsSubtitleStream(i))
            subtitles->Items().Add(Format("Subtitle#%d", i));
    }
    const int videoIndex = VOVezade->VideoStreamIndex();
    videos->SetEnabled(videos->Items().Count() >= 2 && videoIndex >= 0);
    videos->SetItemIndex(videos->Items().IndexOf(Format("Video#%d", videoIndex)));
    const int audioIndex = VOVezade->AudioStreamIndex();
    audios->SetEnabled(audios->Items().Count() >= 2 && audioIndex >= 0);
    audios->SetItemIndex(audios->Items().IndexOf(Format("Audio#%d", audioIndex)));
    subtitles->SetEnabled(subtitles->Items().Count() >= 1 && videoIndex >= 0);
    if (subtitles->Enabled()) {
        subtitles->Items().Insert(0, "Subtitle#-1");
        subtitles->SetItemIndex(
            subtitles->Items().IndexOf(Format("Subtitle#%d", VOVezade->SubtitleStreamIndex())));
    }
}

void TForm1::VOVezadePosition(TObject*, std::int64_t pts) {
    if (bsSkinSlider1_down_UP != "UP") return;
    FPositionLabel->SetCaption(Format("%.2f", double(pts) / 1000000));
    if (pts >= 0 && FDuration > 0)
        FPositionSlider->SetValue(int(std::int64_t(FPositionSlider->MaxValue()) * pts / FDuration));
}

void TForm1::VOVezadeState(TObject*, TPlayState state) {
    FLog->Lines().Add(PlayStateNames.at(std::size_t(state)));
    switch (state) {
    case psPlay:
    case psResume:
        if (FStayOnTop->Checked()) SetFormStyle(fsStayOnTop);
        break;
    case psPause:
    case psStep:
        SetFormStyle(fsNormal);
        break;
    case psStop:
        SetFormStyle(fsNormal);
        // The player draws into the screen's own display window, where its last picture would
        // stay, under the next file's or, for a file without video, for good.
        if (const win::HWND screen = VOVezade->ScreenHandle()) {
            win::ClearNativeChild(screen);
            win::InvalidateRect(screen, nullptr, true);
            win::UpdateWindow(screen);
        }
        break;
    case psEnd:
        VOVezade->Seek(std::int64_t(0), TSeekFlags{ sfAny }, false);
        VOVezade->Pause();
        break;
    }
}

void TForm1::VOVezadeHook(TObject*, TBitmap* bitmap, std::int64_t pts) {
    TCanvas& canvas = bitmap->Canvas();
    canvas.Brush().SetStyle(bsClear);
    canvas.Font().SetName("Tahoma");
    canvas.Font().SetSize(12);
    canvas.Font().SetColor(clWhite);
    canvas.Font().SetStyle(TFontStyles{ fsBold, fsUnderline });
    canvas.TextOut(10, 10, Format("FFTasks - Time Stamp: %d", pts));
}

void TForm1::bsSkinSlider1MouseDown(TObject*, TMouseButton, TShiftState, int, int) {
    bsSkinSlider1_down_UP = "Down";
    VOVezade->Pause();
}

void TForm1::bsSkinSlider1MouseUp(TObject*, TMouseButton, TShiftState, int, int) {
    const TbsSkinSlider* slider = FPositionSlider;
    VOVezade->Pause();
    if (slider->MaxValue() > 0)
        VOVezade->Seek(FDuration * slider->Value() / slider->MaxValue(), TSeekFlags{}, false);
    VOVezade->Resume();
    bsSkinSlider1_down_UP = "UP";
}

void TForm1::bsSkinSlider1Change(TObject*) {}

void TForm1::bsSkinButton13Click(TObject*) {
    VOVezade->Resume();
    FocusJobList();
}

void TForm1::bsSkinButton14Click(TObject*) {
    VOVezade->Pause();
    FocusJobList();
}

void TForm1::bsSkinButton15Click(TObject*) {
    if (!FJobList->Selected()) return;
    try {
        VOVezade->Stop(true);
        OpenPreview();
        FocusJobList();
    } catch (const std::exception&) {
        VOVezade->Stop(true);
    }
}

void TForm1::bsSkinButton16Click(TObject*) {
    VOVezade->SetMute(true);
    FSoundButton->SetVisible(true);
    FMuteButton->SetVisible(false);
}

void TForm1::bsSkinButton20Click(TObject*) {
    VOVezade->SetMute(false);
    FSoundButton->SetVisible(false);
    FMuteButton->SetVisible(true);
}

void TForm1::TrackBar1Change(TObject*) {}

void TForm1::TrackBar2Change(TObject*) {
    VOVezade->SetAudioVolume(FVolume->Position());
}

std::string TForm1::SnapshotFolder() {
    TSettingsFile file = ProgramSettings();
    return ReadSnapshotFolder(file, DefaultSnapshotFolder());
}

std::string TForm1::SnapshotPicture() {
    TSettingsFile file = ProgramSettings();
    const std::string picture = ReadSnapshotPicture(file);
    CheckPictureItem(picture);
    return picture;
}

void TForm1::CheckPictureItem(const std::string& picture) {
    for (std::size_t i = 0; i < kPictureTypes.size(); ++i)
        if (picture == kPictureTypes[i]) FPictureItems[i]->SetChecked(true);
}

void TForm1::bsSkinButton22Click(TObject*) {
    TBitmap shot;
    shot.Assign(*VOVezade->CurrentFrame());
    const std::string folder = SnapshotFolder();
    const std::string picture = SnapshotPicture();
    if (shot.Width() <= 0) return;
    SaveSnapshot(shot, NextSnapshotFileName(folder, T_Movie_PLayer_FileName, picture), picture);
}

void TForm1::btnCaptureClick(TObject*) {}

void TForm1::bsSkinButton23Click(TObject*) {
    SnapshotPicture();
}

void TForm1::bsSkinButton23MouseDown(TObject*, TMouseButton button, TShiftState, int, int) {
    if (button != mbLeft) return;
    win::POINT cursor{};
    win::GetCursorPos(&cursor);
    FSnapshotMenu->Popup(cursor.x, cursor.y);
}

void TForm1::MenuItem1Click(TObject*) {
    OpenFolder(SnapshotFolder());
}

void TForm1::MenuItem2Click(TObject*) {
    // Only a folder the user confirmed now: after Cancel the dialog still holds an older choice,
    // possibly the output folder.
    if (!ChooseFolder(*FOutputFolderDialog)) return;
    const std::string folder = FOutputFolderDialog->Directory();
    if (!DirectoryExists(folder)) return;
    TSettingsFile file = ProgramSettings();
    WriteSnapshotFolder(file, folder);
}

void TForm1::ChoosePicture(const std::string& picture) {
    TSettingsFile file = ProgramSettings();
    WriteSnapshotPicture(file, picture);
    CheckPictureItem(picture);
}

void TForm1::BMP1Click(TObject*) {
    ChoosePicture("BMP");
}

void TForm1::JPG1Click(TObject*) {
    ChoosePicture("JPG");
}

void TForm1::GIF1Click(TObject*) {
    ChoosePicture("GIF");
}

void TForm1::PNG1Click(TObject*) {
    ChoosePicture("PNG");
}
