#include "app/Unit1.h"

#include "Src/FFPlay.h"
#include "Src/FFmpegTasks/TFFmpegTasks.h"
#include "app/FamilyPictures.h"
#include "app/FormHandlers.h"
#include "app/FormResources.h"
#include "app/PlaceholderPicture.h"
#include "app/ProgramFolders.h"
#include "app/SharedFormClasses.h"
#include "app/ToolBarPictures.h"
#include "app/Unit2.h"
#include "app/Unit5.h"
#include "lib/controls/TbsSkinButton.h"
#include "lib/controls/TbsSkinCustomListView.h"
#include "lib/controls/TbsSkinEdit.h"
#include "lib/controls/TbsSkinLinkLabel.h"
#include "lib/controls/TbsSkinSlider.h"
#include "lib/dialogs/bsSkinFileDialogClasses.h"
#include "lib/dialogs/bsSkinFolderDialogClasses.h"
#include "lib/frame/TbsSkinMainMenu.h"
#include "lib/frame/bsSkinMenuBarClasses.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindata/bsSkinDataClasses.h"
#include "lib/skindraw/bsPngImageListClasses.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TButton.h"
#include "platform/forms/TComboBox.h"
#include "platform/forms/TFormReader.h"
#include "platform/forms/TMemo.h"
#include "platform/forms/TOpenDialog.h"
#include "platform/rtl/Format.h"
#include "platform/shell/ShellExecute.h"

#include <mutex>

TForm1* Form1 = nullptr;

TForm1::TForm1(TComponent* owner) : TForm1(owner, FormResource("Unit1")) {}

TForm1::TForm1(TComponent* owner, std::string_view description) : TForm(owner) {
    RegisterUnit1Classes();
    ReadFormDescription(this, description, "Unit1.dfm");
    BindComponents();
    DrawToolBarPictures(*this);
    DrawFamilyPictures(*this);
    ShowPlaceholderPicture(*this);
}

TForm1::~TForm1() {
    // A window freed without closing (at the program's end) must not leave the player or the tasks
    // calling into its handlers while its components go.
    DetachEngine();
    if (Form1 == this) Form1 = nullptr;
}

void TForm1::CreationStep(TControl* button) {
    // A step that fails (an unwritable settings file, say) must not leave the rest of the window
    // unprepared.
    try {
        RunOperation(button);
    } catch (const std::exception& error) {
        if (Application) Application->HandleException(this, error);
    }
}

void TForm1::FormCreate(TObject*) {
    for (TControl* step :
         { FOperations.FreeSlots, FOperations.ReadOutputFolder, FOperations.InputFilter,
           FOperations.ReadSkin, FOperations.FillFormats })
        CreationStep(step);
    FillScreenList();
    FSnapshotDialog->SetOptions(TOpenOptions{
        ofOverwritePrompt, ofHideReadOnly, ofExtensionDifferent, ofPathMustExist, ofEnableSizing });
    FSnapshotDialog->SetFilter("Bitmaps (*.bmp)|*.bmp|JPEG Image File |*.jpg;*.jpeg");
    FSnapshotDialog->SetDefaultExt("bmp");
    bsSkinSlider1_down_UP = "UP";
}

void TForm1::FillScreenList() {
    TStrings& screens = FScreens->Items();
    screens.Clear();
    screens.Add("Panel6");
    for (int order = 0;; ++order) {
        TWinControl* found = nullptr;
        for (int i = 0; i < ControlCount() && !found; ++i) {
            auto* child = dynamic_cast<TWinControl*>(Controls(i));
            if (child && child->TabOrder() == order) found = child;
        }
        if (!found) break;
        screens.Add(found->Name());
    }
    FScreens->SetItemIndex(0);
}

void TForm1::FormCloseQuery(TObject*, bool& canClose) {
    DetachEngine();
    canClose = true;
}

void TForm1::DetachEngine() {
    // The preview's threads read the player's handlers: they end before the handlers go.
    if (VOVezade) {
        VOVezade->Stop(true);
        VOVezade->OnPosition = nullptr;
        VOVezade->OnState = nullptr;
        VOVezade->OnHook = nullptr;
    }
    if (FFTasks) {
        FFTasks->OnCustomHook = nullptr;
        FFTasks->OnProgress = nullptr;
        FFTasks->OnTerminate = nullptr;
        FFTasks->Stop(true);
    }
    // Lines logged while the tasks stopped still reach the memo.
    if (FFLogger) FFLogger->OnLog = nullptr;
}

void TForm1::FFLoggerLog(TObject*, std::uint32_t threadId, TLogLevel level,
                         const std::string& msg) {
    FLog->Lines().Add(Format("#%d.%d: %s", std::int64_t(threadId), int(level), msg));
}

void TForm1::KeyDown(unsigned short& key, TShiftState shift) {
    // Menu short-cuts (F1) work wherever the focus is in the window.
    if (FMainMenu && FMainMenu->IsShortCut(ShortCut(key, shift))) {
        key = 0;
        return;
    }
    TForm::KeyDown(key, shift);
}

void TForm1::FocusJobList() {
    if (FJobList->CanFocus()) FJobList->SetFocus();
}

void TForm1::ShowOptions() {
    if (Form5) Form5->ShowModal();
}

void TForm1::bsSkinButton7Click(TObject*) {
    RunOperation(FOperations.Remove);
}

void TForm1::bsSkinButton8Click(TObject*) {
    RunOperation(FOperations.Clear);
}

void TForm1::bsSkinButton2Click(TObject*) {
    RunOperation(FOperations.Start);
}

void TForm1::bsSkinButton10Click(TObject*) {
    RunOperation(FOperations.Stop);
}

void TForm1::bsSkinButton11Click(TObject*) {
    RunOperation(FOperations.Pause);
    FPauseTool.Button->SetVisible(false);
    FResumeTool.Button->SetVisible(true);
}

void TForm1::bsSkinButton12Click(TObject*) {
    RunOperation(FOperations.Resume);
    FResumeTool.Button->SetVisible(false);
    FPauseTool.Button->SetVisible(true);
}

void TForm1::bsSkinButton19Click(TObject*) {
    ShowOptions();
}

void TForm1::N24Click(TObject*) {
    ShowOptions();
}

void TForm1::bsSkinButton1Click(TObject*) {
    ShowOptions();
}

void TForm1::Button26Click(TObject*) {
    ShowOptions();
}

void TForm1::bsSkinSpeedButton1Click(TObject*) {
    ShowOptions();
}

void TForm1::N21Click(TObject*) {
    RunOperation(FOperations.AddFolder);
}

void TForm1::N2222Click(TObject*) {
    RunOperation(FOperations.AddFiles);
}

void TForm1::N3331Click(TObject*) {
    RunOperation(FOperations.AddFolder);
}

void TForm1::N4Click(TObject*) {
    Close();
}

void TForm1::N5Click(TObject*) {
    if (Form2) Form2->ShowModal();
}

void TForm1::N15Click(TObject*) {
    win::ShellExecute(Handle(), nullptr, kWebPage, nullptr, nullptr, win::SW_SHOWNORMAL);
}

void TForm1::N19Click(TObject*) {
    win::ShellExecute(Handle(), nullptr, kWebPage, nullptr, nullptr, win::SW_SHOWNORMAL);
}

void TForm1::EMAIL1Click(TObject*) {
    win::ShellExecute(Handle(), nullptr, kMailLink, nullptr, nullptr, win::SW_SHOWNORMAL);
}

void TForm1::Button1Click(TObject*) {
    const std::string help = ProgramPath() + (Application ? Application->HelpFile() : "help.chm");
    win::ShellExecute(Handle(), nullptr, help, nullptr, nullptr, win::SW_SHOWNORMAL);
}

void TForm1::Video_OutPut_Folder_EditClick(TObject*) {
    FocusJobList();
}

void TForm1::bsSkinPanel1Click(TObject*) {}

void TForm1::bsSkinCheckRadioBox1Click(TObject*) {
    FocusJobList();
}

void TForm1::bsSkinCheckRadioBox2Click(TObject*) {
    FocusJobList();
}

void RegisterUnit1Classes() {
    static std::once_flag once;
    std::call_once(once, [] {
        RegisterSharedFormClasses();
        RegisterSkinMenuBarClasses();
        RegisterSkinDataClasses();
        RegisterPngImageListClasses();
        RegisterSkinFileDialogClasses();
        RegisterSkinFolderDialogClasses();
        auto& r = TClassRegistry::Instance();
        r.RegisterClass("TForm1", "TForm");
        r.RegisterMethod("TForm1", "FormCloseQuery", [](TComponent* root) {
            auto* form = static_cast<TForm1*>(root);
            return std::any(TCloseQueryEvent(
                [form](TObject* s, bool& canClose) { form->FormCloseQuery(s, canClose); }));
        });
        // The engine's logger as the window's description names it.
        r.RegisterClass("TFFLogger", "TComponent",
                        [](TComponent* owner) { return new TFFLogger(owner); });
        r.RegisterProperty("TFFLogger", "OnLog", properties::Event(&TFFLogger::OnLog));
        if (!r.IsRegistered("TSavePictureDialog"))
            r.RegisterClass("TSavePictureDialog", "TComponent",
                            [](TComponent* owner) { return new TSavePictureDialog(owner); });
        const char* tasks = "TFFmpegTasks";
        r.RegisterClass(tasks, "TComponent",
                        [](TComponent* owner) { return new TFFmpegTasks(owner); });
        r.RegisterProperty(tasks, "OnProgress", properties::Event(&TFFmpegTasks::OnProgress));
        r.RegisterProperty(tasks, "OnTerminate", properties::Event(&TFFmpegTasks::OnTerminate));
        r.RegisterProperty(tasks, "OnCustomHook", properties::Event(&TFFmpegTasks::OnCustomHook));
        const char* player = "ZAZEvivez";
        r.RegisterClass(player, "TComponent",
                        [](TComponent* owner) { return new ZAZEvivez(owner); });
        r.RegisterProperty(player, "TriggerEventInMainThread",
                           properties::Boolean(&ZAZEvivez::SetTriggerEventInMainThread));
        r.RegisterProperty(player, "OnFileOpen", properties::Event(&ZAZEvivez::OnFileOpen));
        r.RegisterProperty(player, "OnPosition", properties::Event(&ZAZEvivez::OnPosition));
        r.RegisterProperty(player, "OnState", properties::Event(&ZAZEvivez::OnState));
        r.RegisterProperty(player, "OnHook", properties::Event(&ZAZEvivez::OnHook));
        using F = TForm1;
        RegisterHandler<FFmpegTasks::TProgressEvent>("TForm1", "FFTasksProgress",
                                                     &F::FFTasksProgress);
        RegisterHandler<FFmpegTasks::TTerminateEvent>("TForm1", "FFTasksTerminate",
                                                      &F::FFTasksTerminate);
        RegisterHandler<FFmpegTasks::TCustomHookEvent>("TForm1", "FFTasksCustomHook",
                                                       &F::FFTasksCustomHook);
        RegisterHandler<TFileOpenEvent>("TForm1", "VOVezadeFileOpen", &F::VOVezadeFileOpen);
        RegisterHandler<TPositionEvent>("TForm1", "VOVezadePosition", &F::VOVezadePosition);
        RegisterHandler<TPlayStateEvent>("TForm1", "VOVezadeState", &F::VOVezadeState);
        RegisterHandler<THookEvent>("TForm1", "VOVezadeHook", &F::VOVezadeHook);
        r.RegisterMethod("TForm1", "FFLoggerLog", [](TComponent* root) {
            auto* form = static_cast<TForm1*>(root);
            return std::any(TLogEvent(
                [form](TObject* s, std::uint32_t id, TLogLevel level, const std::string& msg) {
                    form->FFLoggerLog(s, id, level, msg);
                }));
        });
        r.RegisterMethod("TForm1", "lvFilesSelectItem", [](TComponent* root) {
            auto* form = static_cast<TForm1*>(root);
            return std::any(TLVSelectItemEvent([form](TObject* s, TListItem* item, bool selected) {
                form->lvFilesSelectItem(s, item, selected);
            }));
        });
        RegisterMouseHandlers<F>("TForm1",
                                 {
                                     { "bsSkinButton23MouseDown", &F::bsSkinButton23MouseDown },
                                     { "bsSkinSlider1MouseDown", &F::bsSkinSlider1MouseDown },
                                     { "bsSkinSlider1MouseUp", &F::bsSkinSlider1MouseUp },
                                 });
        RegisterNotifyHandlers<F>(
            "TForm1", {
                          { "FormCreate", &F::FormCreate },
                          { "Button17Click", &F::Button17Click },
                          { "Button16Click", &F::Button16Click },
                          { "bsSkinButton5Click", &F::bsSkinButton5Click },
                          { "bsSkinButton6Click", &F::bsSkinButton6Click },
                          { "Button3Click", &F::Button3Click },
                          { "Button4Click", &F::Button4Click },
                          { "bsSkinButton9Click", &F::bsSkinButton9Click },
                          { "N23Click", &F::N23Click },
                          { "bsSkinButton7Click", &F::bsSkinButton7Click },
                          { "bsSkinButton8Click", &F::bsSkinButton8Click },
                          { "bsSkinButton2Click", &F::bsSkinButton2Click },
                          { "bsSkinButton10Click", &F::bsSkinButton10Click },
                          { "bsSkinButton11Click", &F::bsSkinButton11Click },
                          { "bsSkinButton12Click", &F::bsSkinButton12Click },
                          { "bsSkinButton19Click", &F::bsSkinButton19Click },
                          { "N24Click", &F::N24Click },
                          { "bsSkinButton1Click", &F::bsSkinButton1Click },
                          { "Button26Click", &F::Button26Click },
                          { "bsSkinSpeedButton1Click", &F::bsSkinSpeedButton1Click },
                          { "N21Click", &F::N21Click },
                          { "N2222Click", &F::N2222Click },
                          { "N3331Click", &F::N3331Click },
                          { "N4Click", &F::N4Click },
                          { "N5Click", &F::N5Click },
                          { "N15Click", &F::N15Click },
                          { "N19Click", &F::N19Click },
                          { "EMAIL1Click", &F::EMAIL1Click },
                          { "Button1Click", &F::Button1Click },
                          { "Button20Click", &F::Button20Click },
                          { "Video_OutPut_Folder_EditClick", &F::Video_OutPut_Folder_EditClick },
                          { "bsSkinPanel1Click", &F::bsSkinPanel1Click },
                          { "bsSkinCheckRadioBox1Click", &F::bsSkinCheckRadioBox1Click },
                          { "bsSkinCheckRadioBox2Click", &F::bsSkinCheckRadioBox2Click },
                          { "Button15Click", &F::Button15Click },
                          { "Button21Click", &F::Button21Click },
                          { "Button2Click", &F::Button2Click },
                          { "Button18Click", &F::Button18Click },
                          { "Button6Click", &F::Button6Click },
                          { "Button5Click", &F::Button5Click },
                          { "Button13Click", &F::Button13Click },
                          { "Button7Click", &F::Button7Click },
                          { "btnAddClick", &F::btnAddClick },
                          { "Button8Click", &F::Button8Click },
                          { "Button12Click", &F::Button12Click },
                          { "btnRemoveClick", &F::btnRemoveClick },
                          { "btnClearClick", &F::btnClearClick },
                          { "Button14Click", &F::Button14Click },
                          { "btnStartClick", &F::btnStartClick },
                          { "btnStopClick", &F::btnStopClick },
                          { "btnPauseClick", &F::btnPauseClick },
                          { "btnResumeClick", &F::btnResumeClick },
                          { "button28Click", &F::button28Click },
                          { "Button22Click", &F::Button22Click },
                          { "Button23Click", &F::Button23Click },
                          { "Button24Click", &F::Button24Click },
                          { "Button25Click", &F::Button25Click },
                          { "Button29Click", &F::Button29Click },
                          { "Button31Click", &F::Button31Click },
                          { "btnCaptureClick", &F::btnCaptureClick },
                          { "Button27Click", &F::Button27Click },
                          { "bsSkinButton3Click", &F::bsSkinButton3Click },
                          { "bsSkinButton4Click", &F::bsSkinButton4Click },
                          { "bsSkinButton21Click", &F::bsSkinButton21Click },
                          { "N26Click", &F::N26Click },
                          { "edtExit", &F::edtExit },
                          { "lvFilesClick", &F::lvFilesClick },
                          { "lvFilesDblClick", &F::lvFilesDblClick },
                          { "bsSkinOfficeComboBox1Change", &F::bsSkinOfficeComboBox1Change },
                          { "bsSkinOfficeComboBox2Change", &F::bsSkinOfficeComboBox2Change },
                          { "bsSkinComboBox1Change", &F::bsSkinComboBox1Change },
                          { "bsSkinComboBox2Change", &F::bsSkinComboBox2Change },
                          { "bsSkinComboBox3Change", &F::bsSkinComboBox3Change },
                          { "bsSkinComboBox4Change", &F::bsSkinComboBox4Change },
                          { "bsSkinComboBox9Change", &F::bsSkinComboBox9Change },
                          { "bsSkinComboBox10Change", &F::bsSkinComboBox10Change },
                          { "bsSkinButton13Click", &F::bsSkinButton13Click },
                          { "bsSkinButton14Click", &F::bsSkinButton14Click },
                          { "bsSkinButton15Click", &F::bsSkinButton15Click },
                          { "bsSkinButton16Click", &F::bsSkinButton16Click },
                          { "bsSkinButton20Click", &F::bsSkinButton20Click },
                          { "bsSkinButton22Click", &F::bsSkinButton22Click },
                          { "bsSkinButton23Click", &F::bsSkinButton23Click },
                          { "bsSkinSlider1Change", &F::bsSkinSlider1Change },
                          { "TrackBar1Change", &F::TrackBar1Change },
                          { "TrackBar2Change", &F::TrackBar2Change },
                          { "chkPreviewClick", &F::chkPreviewClick },
                          { "MenuItem1Click", &F::MenuItem1Click },
                          { "MenuItem2Click", &F::MenuItem2Click },
                          { "BMP1Click", &F::BMP1Click },
                          { "JPG1Click", &F::JPG1Click },
                          { "GIF1Click", &F::GIF1Click },
                          { "PNG1Click", &F::PNG1Click },
                      });
    });
}
