#include "app/Unit1.h"

#include "Src/FFPlay.h"
#include "Src/FFmpegTasks/TFFmpegTasks.h"
#include "app/JobListControls.h"
#include "app/TComponentBinder.h"
#include "lib/controls/TbsSkinButton.h"
#include "lib/controls/TbsSkinComboBox.h"
#include "lib/controls/TbsSkinCustomListView.h"
#include "lib/controls/TbsSkinEdit.h"
#include "lib/controls/TbsSkinLinkLabel.h"
#include "lib/controls/TbsSkinOfficeComboBox.h"
#include "lib/controls/TbsSkinSlider.h"
#include "lib/dialogs/TbsSelectSkinDialog.h"
#include "lib/dialogs/TbsSkinOpenDialog.h"
#include "lib/dialogs/TbsSkinSelectDirectoryDialog.h"
#include "lib/dialogs/bsMessages.h"
#include "lib/frame/TbsSkinMainMenu.h"
#include "lib/menus/TbsSkinPopupMenu.h"
#include "lib/skindata/TbsSkinData.h"
#include "platform/forms/TCheckBox.h"
#include "platform/forms/TComboBox.h"
#include "platform/forms/TEdit.h"
#include "platform/forms/TImage.h"
#include "platform/forms/TLabel.h"
#include "platform/forms/TMemo.h"
#include "platform/forms/TMenuItem.h"
#include "platform/forms/TOpenDialog.h"
#include "platform/forms/TTrackBar.h"

#include <string>

void TForm1::BindComponents() {
    TComponentBinder bind(*this, "Unit1.dfm");
    bind.Bind(FFTasks, "FFTasks");
    bind.Bind(FFLogger, "FFLogger");
    bind.Bind(VOVezade, "VOVezade");
    bind.Bind(FSkinData, "bsSkinData1");
    bind.Bind(FMainMenu, "bsSkinMainMenu1");
    bind.Bind(FSkinDialog, "bsSelectSkinDialog1");
    bind.Bind(FLog, "mmoLog");
    bind.Bind(FScreens, "cboScreens");

    TOperationButtons& op = FOperations;
    bind.Bind(op.FreeSlots, "Button15");
    bind.Bind(op.ReadOutputFolder, "Button17");
    bind.Bind(op.WriteOutputFolder, "Button16");
    bind.Bind(op.InputFilter, "Button21");
    bind.Bind(op.ReadSkin, "Button3");
    bind.Bind(op.WriteSkin, "Button4");
    bind.Bind(op.FillFormats, "Button2");
    bind.Bind(op.FillPresets, "Button18");
    bind.Bind(op.ResetFields, "Button6");
    bind.Bind(op.FormatParameters, "Button5");
    bind.Bind(op.PresetTexts, "Button13");
    bind.Bind(op.Add, "btnAdd");
    bind.Bind(op.AddFiles, "Button8");
    bind.Bind(op.AddFolder, "Button12");
    bind.Bind(op.Remove, "btnRemove");
    bind.Bind(op.Clear, "btnClear");
    bind.Bind(op.Start, "btnStart");
    bind.Bind(op.Stop, "btnStop");
    bind.Bind(op.Pause, "btnPause");
    bind.Bind(op.Resume, "btnResume");
    bind.Bind(op.RebuildTasks, "button28");
    bind.Bind(op.LockPickers, "Button22");
    bind.Bind(op.UnlockPickers, "Button23");
    bind.Bind(op.RefreshSkin, "Button24");
    bind.Bind(op.OpenOutputFolder, "Button20");
    bind.Bind(op.ShutDown, "Button25");
    bind.Bind(op.PlaySound, "Button29");
    bind.Bind(op.OpenPreview, "Button31");

    const auto tool = [&](TToolButton& t, const char* button, const char* enabled,
                          const char* disabled) {
        bind.Bind(t.Button, button);
        bind.Bind(t.Enabled, enabled);
        bind.Bind(t.Disabled, disabled);
    };
    bind.Bind(FAddTool, "bsSkinMenuSpeedButton1");
    tool(FRemoveTool, "bsSkinButton7", "Image15", "Image14");
    tool(FClearTool, "bsSkinButton8", "Image13", "Image12");
    tool(FStartTool, "bsSkinButton2", "Image5", "Image4");
    tool(FStopTool, "bsSkinButton10", "Image11", "Image10");
    tool(FPauseTool, "bsSkinButton11", "Image7", "Image6");
    tool(FResumeTool, "bsSkinButton12", "Image9", "Image8");
    tool(FRenameTool, "bsSkinButton21", "Image16", "Image17");

    const char* addItems[] = { "Item111", "Item121", "N21", "N11111", "N2222", "N3331" };
    for (std::size_t i = 0; i < FAddItems.size(); ++i)
        bind.Bind(FAddItems[i], addItems[i]);
    bind.Bind(FAddButtons[0], "Button8");
    bind.Bind(FAddButtons[1], "Button12");
    bind.Bind(FMoveButtons[0], "bsSkinButton3");
    bind.Bind(FMoveButtons[1], "bsSkinButton4");
    bind.Bind(FMoveButtons[2], "Button27");
    bind.Bind(FMoveItems[0], "N111");
    bind.Bind(FMoveItems[1], "N2221");
    bind.Bind(FRemoveItem, "N13");
    bind.Bind(FClearItem, "N14");
    bind.Bind(FRenameItem, "N26");
    bind.Bind(FStartItem, "N7");
    bind.Bind(FStopItem, "N8");
    bind.Bind(FPauseItem, "N10");
    bind.Bind(FResumeItem, "N11");

    bind.Bind(FJobList, "lvFiles");
    bind.Bind(FPlaceholder, "bsSkinPanel5");
    bind.Bind(FRenameEdit, "edt");
    bind.Bind(FOpenFileDialog, "OpenDialog1");
    bind.Bind(FOpenFilesDialog, "OpenDialog2");
    bind.Bind(FAddFolderDialog, "bsSkinSelectDirectoryDialog1");
    bind.Bind(FThreadMode, "chkThreadMode");

    bind.Bind(FFamilyPicker, FamilyPickerName);
    bind.Bind(FFormatPicker, FormatPickerName);
    for (std::size_t i = 0; i < FPresetPickers.size(); ++i)
        bind.Bind(FPresetPickers[i], PresetPickerNames[i]);
    bind.Bind(FOutputFolderEdit, "Video_OutPut_Folder_Edit");
    bind.Bind(FBrowseButton, "bsSkinButton5");
    bind.Bind(FOutputFolderDialog, "bsSkinSelectDirectoryDialog2");

    bind.Bind(FPreviewScreen, "Panel6");
    bind.Bind(FPositionSlider, "bsSkinSlider1");
    bind.Bind(FDurationLabel, "Label2");
    bind.Bind(FPositionLabel, "Label3");
    bind.Bind(FMuteButton, "bsSkinButton16");
    bind.Bind(FSoundButton, "bsSkinButton20");
    bind.Bind(FVolume, "TrackBar2");
    bind.Bind(FOpenPaused, "chkOpenPaused");
    bind.Bind(FStayOnTop, "chkStayOnTop");
    bind.Bind(FVideoDriver, "cboVideoDriver");
    bind.Bind(FAudioDriver, "cboAudioDriver");
    bind.Bind(FVideoStreams, "cboVideo");
    bind.Bind(FAudioStreams, "cboAudio");
    bind.Bind(FSubtitleStreams, "cboSubtitle");
    bind.Bind(FSnapshotDialog, "SavePictureDialog1");
    bind.Bind(FSnapshotMenu, "bsSkinPopupMenu2");
    bind.Bind(FMessage, "bsSkinMessage1");
    for (std::size_t i = 0; i < FPictureItems.size(); ++i)
        bind.Bind(FPictureItems[i], std::string(kPictureTypes[i]) + "1");
    bind.Check();
}
