#pragma once
#include "Src/FFPlay/PlayerTypes.h"
#include "Src/FFmpegLogger.h"
#include "Src/FFmpegTasks/OptionRecords.h"
#include "Src/FFmpegTasks/TaskEvents.h"
#include "app/FormatCodes.h"
#include "app/FormatParameters.h"
#include "platform/forms/TCustomForm.h"
#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TbsSkinButton;
class TbsSkinComboBox;
class TbsSkinEdit;
class TbsSkinListView;
class TbsSkinMainMenu;
class TbsSkinOfficeComboBox;
class TbsSkinOpenDialog;
class TbsSkinPopupMenu;
class TbsSkinSelectDirectoryDialog;
class TbsSelectSkinDialog;
class TbsSkinSlider;
class TbsSkinData;
class TbsSkinMessage;
class TButton;
class TCheckBox;
class TComboBox;
class TEdit;
class TFFmpegTasks;
class TImage;
class TLabel;
class TMenuItem;
class TSavePictureDialog;
class TTrackBar;
class ZAZEvivez;
class TMemo;
class TListItem;
class TStringList;

// The main window: job list, output panel, preset and preview panels, tool bar and menus. Its
// operations reach one another through the hidden operation buttons, as the description wires
// them.
class TForm1 : public TForm {
public:
    explicit TForm1(TComponent* owner);
    // The window read from another description than its own; one that lacks a component the
    // window uses, or gives it another class, raises EReadError naming each such component.
    TForm1(TComponent* owner, std::string_view description);
    ~TForm1() override;
    std::string ClassName() const override { return "TForm1"; }

    // The product's web page and support mail link of the help menu and the about box.
    static constexpr const char* kWebPage = "https://vobconv.example.org/";
    static constexpr const char* kMailLink = "mailto:support@vobconv.example.org";

    // Output folder used when the tasks are built; the edit always shows the same.
    std::string FileOutPutPath;
    std::string bsSkinSlider1_down_UP;
    // Microseconds of the file open in the preview.
    std::int64_t FDuration{ 0 };
    TFFmpegTasks* FFTasks{ nullptr };
    TFFLogger* FFLogger{ nullptr };
    ZAZEvivez* VOVezade{ nullptr };
    int All_Trant_Number{ 0 };
    bool Video_DisableVideo{ false };
    // The working fields: the conversion parameters of the file being added or of the selected
    // row. Video_DisableVideo always equals Video_Parameters.DisableVideo.
    TWorkingParameters Video_Parameters;
    std::string Video_OutPutFileName;
    std::string Video_AddFileName;
    // The output names the job rows hold, which a new output name must avoid.
    std::vector<std::string> OutputNamesHeld() const { return HeldOutputNames(-1); }
    // The job list holds at most this many rows, each with its option slot.
    static constexpr int kMaxJobs = 501;
    // Slot i holds the option records row i was added with.
    std::array<TInputOptions, kMaxJobs> IO1;
    std::array<TOutputOptions, kMaxJobs> OO1;
    // The file the preview opens.
    std::string T_Movie_PLayer_FileName;

    // The files directly inside filePath (no folders), in the file system's order; nullptr
    // when filePath is no folder.
    std::unique_ptr<TStringList> GetFilenames(const std::string& filePath,
                                              const std::string& extMask);

    // Start-up and close.
    void FormCreate(TObject* sender);
    void FormCloseQuery(TObject* sender, bool& canClose);
    // Every log line goes into the hidden log memo.
    void FFLoggerLog(TObject* sender, std::uint32_t threadId, TLogLevel level,
                     const std::string& msg);

    // Settings: output folder and skin.
    void Button17Click(TObject* sender);
    void Button16Click(TObject* sender);
    void bsSkinButton5Click(TObject* sender);
    void bsSkinButton6Click(TObject* sender);
    void Button3Click(TObject* sender);
    void Button4Click(TObject* sender);
    void bsSkinButton9Click(TObject* sender);
    void N23Click(TObject* sender);

    // Commands of the tool bar and the menus.
    void bsSkinButton7Click(TObject* sender);
    void bsSkinButton8Click(TObject* sender);
    void bsSkinButton2Click(TObject* sender);
    void bsSkinButton10Click(TObject* sender);
    void bsSkinButton11Click(TObject* sender);
    void bsSkinButton12Click(TObject* sender);
    void bsSkinButton19Click(TObject* sender);
    void N24Click(TObject* sender);
    void bsSkinButton1Click(TObject* sender);
    void Button26Click(TObject* sender);
    void bsSkinSpeedButton1Click(TObject* sender);
    void N21Click(TObject* sender);
    void N2222Click(TObject* sender);
    void N3331Click(TObject* sender);
    void N4Click(TObject* sender);
    void N5Click(TObject* sender);
    void N15Click(TObject* sender);
    void N19Click(TObject* sender);
    void EMAIL1Click(TObject* sender);
    void Button1Click(TObject* sender);
    void Button20Click(TObject* sender);
    void Video_OutPut_Folder_EditClick(TObject* sender);
    void bsSkinPanel1Click(TObject* sender);
    void bsSkinCheckRadioBox1Click(TObject* sender);
    void bsSkinCheckRadioBox2Click(TObject* sender);

    // Operations of the job list, conversion control, format choice and preview panel.
    void Button15Click(TObject* sender);
    void Button21Click(TObject* sender);
    void Button2Click(TObject* sender);
    void Button18Click(TObject* sender);
    void Button6Click(TObject* sender);
    void Button5Click(TObject* sender);
    void Button13Click(TObject* sender);
    void Button7Click(TObject* sender);
    void btnAddClick(TObject* sender);
    void Button8Click(TObject* sender);
    void Button12Click(TObject* sender);
    void btnRemoveClick(TObject* sender);
    void btnClearClick(TObject* sender);
    void Button14Click(TObject* sender);
    void btnStartClick(TObject* sender);
    void btnStopClick(TObject* sender);
    void btnPauseClick(TObject* sender);
    void btnResumeClick(TObject* sender);
    void button28Click(TObject* sender);
    void Button22Click(TObject* sender);
    void Button23Click(TObject* sender);
    void Button24Click(TObject* sender);
    void Button25Click(TObject* sender);
    void Button29Click(TObject* sender);
    void Button31Click(TObject* sender);
    void btnCaptureClick(TObject* sender);
    void Button27Click(TObject* sender);
    void bsSkinButton3Click(TObject* sender);
    void bsSkinButton4Click(TObject* sender);
    void bsSkinButton21Click(TObject* sender);
    void N26Click(TObject* sender);
    void edtExit(TObject* sender);
    void lvFilesClick(TObject* sender);
    void lvFilesDblClick(TObject* sender);
    void bsSkinOfficeComboBox1Change(TObject* sender);
    void bsSkinOfficeComboBox2Change(TObject* sender);
    void bsSkinComboBox1Change(TObject* sender);
    void bsSkinComboBox2Change(TObject* sender);
    void bsSkinComboBox3Change(TObject* sender);
    void bsSkinComboBox4Change(TObject* sender);
    void bsSkinComboBox9Change(TObject* sender);
    void bsSkinComboBox10Change(TObject* sender);
    void bsSkinButton13Click(TObject* sender);
    void bsSkinButton14Click(TObject* sender);
    void bsSkinButton15Click(TObject* sender);
    void bsSkinButton16Click(TObject* sender);
    void bsSkinButton20Click(TObject* sender);
    void bsSkinButton22Click(TObject* sender);
    void bsSkinButton23Click(TObject* sender);
    void bsSkinButton23MouseDown(TObject* sender, TMouseButton button, TShiftState shift, int x,
                                 int y);
    void bsSkinSlider1MouseDown(TObject* sender, TMouseButton button, TShiftState shift, int x,
                                int y);
    void bsSkinSlider1MouseUp(TObject* sender, TMouseButton button, TShiftState shift, int x,
                              int y);
    void bsSkinSlider1Change(TObject* sender);
    void lvFilesSelectItem(TObject* sender, TListItem* item, bool selected);
    void TrackBar1Change(TObject* sender);
    void TrackBar2Change(TObject* sender);
    void FFTasksProgress(TObject* sender, PProgressInfo progressInfo);
    void FFTasksTerminate(TObject* sender, const TTerminateInfo& terminateInfo);
    void FFTasksCustomHook(TObject* sender, PHookInfo hookInfo);
    void VOVezadeFileOpen(TObject* sender, std::int64_t duration, int frameWidth, int frameHeight,
                          int& screenWidth, int& screenHeight);
    void VOVezadePosition(TObject* sender, std::int64_t pts);
    void VOVezadeState(TObject* sender, TPlayState state);
    void VOVezadeHook(TObject* sender, TBitmap* bitmap, std::int64_t pts);
    void chkPreviewClick(TObject* sender);
    void MenuItem1Click(TObject* sender);
    void MenuItem2Click(TObject* sender);
    void BMP1Click(TObject* sender);
    void JPG1Click(TObject* sender);
    void GIF1Click(TObject* sender);
    void PNG1Click(TObject* sender);

protected:
    void KeyDown(unsigned short& key, TShiftState shift) override;

private:
    // A tool bar button and the pictures it shows enabled and disabled.
    struct TToolButton {
        TbsSkinButton* Button{ nullptr };
        TImage* Enabled{ nullptr };
        TImage* Disabled{ nullptr };
    };
    // The hidden operation buttons. An operation runs another by clicking its button, so that
    // the window's description decides which handler runs.
    struct TOperationButtons {
        TControl* FreeSlots{ nullptr };         // Button15
        TControl* ReadOutputFolder{ nullptr };  // Button17
        TControl* WriteOutputFolder{ nullptr }; // Button16
        TControl* InputFilter{ nullptr };       // Button21
        TControl* ReadSkin{ nullptr };          // Button3
        TControl* WriteSkin{ nullptr };         // Button4
        TControl* FillFormats{ nullptr };       // Button2
        TControl* FillPresets{ nullptr };       // Button18
        TControl* ResetFields{ nullptr };       // Button6
        TControl* FormatParameters{ nullptr };  // Button5
        TControl* PresetTexts{ nullptr };       // Button13
        TControl* Add{ nullptr };               // btnAdd
        TControl* AddFiles{ nullptr };          // Button8
        TControl* AddFolder{ nullptr };         // Button12
        TControl* Remove{ nullptr };            // btnRemove
        TControl* Clear{ nullptr };             // btnClear
        TControl* Start{ nullptr };             // btnStart
        TControl* Stop{ nullptr };              // btnStop
        TControl* Pause{ nullptr };             // btnPause
        TControl* Resume{ nullptr };            // btnResume
        TControl* RebuildTasks{ nullptr };      // button28
        TControl* LockPickers{ nullptr };       // Button22
        TControl* UnlockPickers{ nullptr };     // Button23
        TControl* RefreshSkin{ nullptr };       // Button24
        TControl* OpenOutputFolder{ nullptr };  // Button20
        TControl* ShutDown{ nullptr };          // Button25
        TControl* PlaySound{ nullptr };         // Button29
        TControl* OpenPreview{ nullptr };       // Button31
    };

    // Points the members below at the components of the window's description, once.
    void BindComponents();
    // Ends the preview and the tasks and takes the window's handlers off them and the logger.
    void DetachEngine();
    // Runs one step of the window's creation; a failing step is reported and the next runs.
    void CreationStep(TControl* button);
    void FillScreenList();
    void ShowOutputFolder(const std::string& folder);
    void FocusJobList();
    void ShowOptions();
    // Format choice: the pickers, and the selected row kept equal to what they show.
    TbsSkinComboBox* PresetPicker(TPresetPicker picker);
    TPickerPositions FormatPickerPositions();
    void PresetChange(TPresetPicker picker);
    void WritePresetsToRow(TListItem& row);

    // Job list and conversion control.
    enum class TAddResult { Added, Skipped, Ended };
    TAddResult AddJobFile(const std::string& fileName);
    void AddJobFiles(const std::vector<std::string>& files);
    bool LoadMediaLibraries();
    void LogLine(const std::string& line);
    void ShowHint(const std::string& text);
    // The platform's message box titled with the application's title, with a warning icon.
    void ShowWarning(const std::string& text);
    // Asks the desktop to open a folder; a folder no program opens is reported with the reason.
    void OpenFolder(const std::string& folder);
    void SetToolButton(const TToolButton& tool, bool enabled);
    void SetAddCommands(bool enabled);
    void SetRowCommands(bool enabled);
    // Remove, rename and moving rows, which only a list at rest may change.
    void SetRowEditCommands(bool enabled);
    void SetRunCommands(bool stop, bool pause, bool resume);
    // One of them: its tool bar button, hidden operation button and menu item.
    void SetRunCommand(const TToolButton& tool, TControl* hidden, TMenuItem* item, bool enabled);
    void SelectJobRow(int index);
    void MoveJobRow(int offset);
    void StartRename(bool quiet);
    std::vector<std::string> HeldOutputNames(int exceptRow) const;
    bool RebuildTasks();
    void TaskTerminated(const TTerminateInfo& info);
    void AfterDone();

    bool FRunning{ false };
    bool FStopping{ false };
    // Lets work handed to the GUI thread notice that the window is gone.
    std::shared_ptr<bool> FAlive{ std::make_shared<bool>(true) };
    void OpenPreview();
    std::string SnapshotFolder();
    std::string SnapshotPicture();
    // Checks the snapshot menu's item of a picture type ("BMP", "JPG", "GIF" or "PNG");
    // choosing one also stores it.
    void CheckPictureItem(const std::string& picture);
    void ChoosePicture(const std::string& picture);

    // The player's screen chosen by name in cboScreens; null when the name matches none.
    TWinControl* FScreenControl{ nullptr };

    // The components the window's code uses, bound once right after its description is read.
    TbsSkinEdit* FOutputFolderEdit{ nullptr };
    // The player screens: "Panel6", then the window's windowed children in tab order.
    TComboBox* FScreens{ nullptr };
    TMemo* FLog{ nullptr };
    TbsSkinListView* FJobList{ nullptr };
    TbsSkinData* FSkinData{ nullptr };
    // Shows the prompts of the job list commands.
    TbsSkinMessage* FMessage{ nullptr };
    TbsSkinMainMenu* FMainMenu{ nullptr };
    TbsSkinSelectDirectoryDialog* FOutputFolderDialog{ nullptr };
    TbsSelectSkinDialog* FSkinDialog{ nullptr };
    TOperationButtons FOperations;
    // Tool bar and job list panel.
    TControl* FAddTool{ nullptr };
    TToolButton FRemoveTool;
    TToolButton FClearTool;
    TToolButton FStartTool;
    TToolButton FStopTool;
    TToolButton FPauseTool;
    TToolButton FResumeTool;
    TToolButton FRenameTool;
    // Moving a row up and down, on the job list panel, in the edit menu and hidden.
    std::array<TControl*, 3> FMoveButtons{};
    std::array<TMenuItem*, 2> FMoveItems{};
    // The menus' add items, the main menu's and the add popup's, and the hidden buttons of adding
    // several files and a folder.
    std::array<TMenuItem*, 6> FAddItems{};
    std::array<TControl*, 2> FAddButtons{};
    TMenuItem* FRemoveItem{ nullptr };
    TMenuItem* FClearItem{ nullptr };
    TMenuItem* FRenameItem{ nullptr };
    TMenuItem* FStartItem{ nullptr };
    TMenuItem* FStopItem{ nullptr };
    TMenuItem* FPauseItem{ nullptr };
    TMenuItem* FResumeItem{ nullptr };
    TControl* FPlaceholder{ nullptr };
    TEdit* FRenameEdit{ nullptr };
    TbsSkinOpenDialog* FOpenFileDialog{ nullptr };
    TbsSkinOpenDialog* FOpenFilesDialog{ nullptr };
    TbsSkinSelectDirectoryDialog* FAddFolderDialog{ nullptr };
    TCheckBox* FThreadMode{ nullptr };
    // Output and preset panels.
    TbsSkinOfficeComboBox* FFamilyPicker{ nullptr };
    TbsSkinOfficeComboBox* FFormatPicker{ nullptr };
    std::array<TbsSkinComboBox*, PresetPickerCount> FPresetPickers{};
    TControl* FBrowseButton{ nullptr };
    // Preview panel, its hidden settings and the snapshots.
    TWinControl* FPreviewScreen{ nullptr };
    TbsSkinSlider* FPositionSlider{ nullptr };
    TLabel* FDurationLabel{ nullptr };
    TLabel* FPositionLabel{ nullptr };
    TControl* FMuteButton{ nullptr };
    TControl* FSoundButton{ nullptr };
    TTrackBar* FVolume{ nullptr };
    TCheckBox* FOpenPaused{ nullptr };
    TCheckBox* FStayOnTop{ nullptr };
    TComboBox* FVideoDriver{ nullptr };
    TComboBox* FAudioDriver{ nullptr };
    TComboBox* FVideoStreams{ nullptr };
    TComboBox* FAudioStreams{ nullptr };
    TComboBox* FSubtitleStreams{ nullptr };
    TSavePictureDialog* FSnapshotDialog{ nullptr };
    TbsSkinPopupMenu* FSnapshotMenu{ nullptr };
    // The picture types a snapshot is saved as, and the snapshot menu's item of each.
    static constexpr std::array<const char*, 4> kPictureTypes{ "BMP", "JPG", "GIF", "PNG" };
    std::array<TMenuItem*, kPictureTypes.size()> FPictureItems{};
};

// The main window, made by the program's start-up.
extern TForm1* Form1;

// Makes TForm1 and everything its description names known to the description reader (once).
void RegisterUnit1Classes();
