#pragma once
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TListView.h"
#include "platform/shell/ShellFolder.h"

#include <string>
#include <vector>

class TbsSkinButton;
class TbsSkinData;
class TbsSkinEdit;
class TbsSkinFileListView;
class TbsSkinFilterComboBox;
class TbsSkinForm;
class TbsSkinMenuSpeedButton;
class TbsSkinPanel;
class TbsSkinPopupMenu;
class TbsSkinScrollBar;
class TbsSkinScrollBox;
class TbsSkinSplitter;
class TImage;
class TbsSkinShellComboBox;
class TbsSkinSpeedButton;
class TbsSkinStdLabel;
class TbsSkinToolBar;
class TListItem;
class TMenuItem;

// The window of the skinned open and save dialogs, built in code: a tool bar with the "Look in"
// box and the back, up, new-folder and view buttons, the file list with its bars, and below it
// the name edit, the file-type box and the Open (Save) and Cancel buttons. It has no default
// button, so Enter in the name edit reaches EditKeyPress. The handlers are public so that the
// dialog component and tests can drive them. With a picture preview the form also shows the
// selected picture in a panel on the right, behind a splitter, at its own size or stretched.
class TbsOpenDlgForm : public TForm {
public:
    TbsOpenDlgForm(TComponent* owner, bool saveMode, TbsSkinData* ctrlSkinData,
                   bool toolButtonsTransparent, bool picturePreview = false);
    ~TbsOpenDlgForm() override;

    std::string ClassName() const override { return "TbsOpenDlgForm"; }

    void FLVKeyPress(TObject* sender, char32_t& key);
    void NewFolderToolButtonClick(TObject* sender);
    void ReportItemClick(TObject* sender);
    void ListItemClick(TObject* sender);
    void SmallIconItemClick(TObject* sender);
    void IconItemClick(TObject* sender);
    void UpToolButtonClick(TObject* sender);
    void InitHistory();
    void FLVPathChange(TObject* sender);
    void BackToolButtonClick(TObject* sender);
    void EditKeyPress(TObject* sender, char32_t& key);
    void OpenButtonClick(TObject* sender);
    void FLVChange(TObject* sender, TListItem* item, TItemChange change);
    void FLVDBLClick(TObject* sender);
    void FCBChange(TObject* sender);
    // The preview shows the picture stretched while the stretch button is down.
    void StretchButtonClick(TObject* sender);
    // Shows the picture of a file; one that cannot be read leaves the preview empty.
    void LoadPreview(const std::string& fileName);
    bool HasPreview() const { return ImagePanel != nullptr; }

    // The folders visited, oldest first.
    const std::vector<TItemIdList>& History() const { return FolderHistory; }

    std::string DefaultExt;
    bool OverwritePromt{ false };
    std::string FileName;
    bool CheckFileExists{ true };
    TNotifyEvent OnFolderChange;

    TbsSkinForm* BSF{ nullptr };
    TbsSkinPanel* FileListViewPanel{ nullptr };
    TbsSkinPanel* BottomPanel{ nullptr };
    TbsSkinScrollBar* FLVHScrollBar{ nullptr };
    TbsSkinScrollBar* FLVVScrollBar{ nullptr };
    TbsSkinFileListView* FileListView{ nullptr };
    TbsSkinEdit* FileNameEdit{ nullptr };
    TbsSkinFilterComboBox* FilterComboBox{ nullptr };
    TbsSkinShellComboBox* ShellBox{ nullptr };
    TbsSkinButton* OpenButton{ nullptr };
    TbsSkinButton* CancelButton{ nullptr };
    TbsSkinStdLabel* Drivelabel{ nullptr };
    TbsSkinStdLabel* OpenFileLabel{ nullptr };
    TbsSkinStdLabel* FileTypeLabel{ nullptr };
    TbsSkinToolBar* ToolPanel{ nullptr };
    TbsSkinSpeedButton* NewFolderToolButton{ nullptr };
    TbsSkinSpeedButton* UpToolButton{ nullptr };
    TbsSkinSpeedButton* BackToolButton{ nullptr };
    TbsSkinMenuSpeedButton* StyleToolButton{ nullptr };
    TbsSkinPopupMenu* StylePopupMenu{ nullptr };
    TMenuItem* IconMenuItem{ nullptr };
    TMenuItem* SmallIconMenuItem{ nullptr };
    TMenuItem* ReportMenuItem{ nullptr };
    TMenuItem* ListMenuItem{ nullptr };
    // The preview, present only in the picture form.
    TbsSkinPanel* ImagePanel{ nullptr };
    TImage* Image{ nullptr };
    TbsSkinScrollBox* ScrollBox{ nullptr };
    TbsSkinScrollBar* SBVScrollBar{ nullptr };
    TbsSkinScrollBar* SBHScrollBar{ nullptr };
    TbsSkinSpeedButton* StretchButton{ nullptr };
    TbsSkinSplitter* Splitter{ nullptr };

private:
    void BuildToolPanel(bool flatButtons);
    void BuildListPanel();
    void BuildBottomPanel();
    void BuildPreview(bool flatButtons);
    // An unstretched image takes its picture's size.
    void FitImage();
    void ChooseViewStyle(TMenuItem* item, TViewStyle style);
    // The file-system folder the list shows; "" for a folder without one (Desktop, Computer).
    std::string ShownFolder() const;
    // The typed name as a path: a name starting with '/' stands for itself.
    std::string TypedPath() const;
    // The name with the extension the form adds to names typed without one: DefaultExt, else
    // the chosen filter's.
    std::string WithFormExtension(const std::string& name);
    // The overwrite question; true when the user agreed.
    bool ConfirmOverwrite();
    void Accept(const std::string& name);
    void FolderChanged();

    bool SaveMode;
    std::vector<TItemIdList> FolderHistory;
    bool StopAddToHistory{ false };
    TbsSkinData* CtrlSD;
    int NewFolderCount{ 0 };
};

// The open form with the picture preview.
class TbsOpenPictureDlgForm : public TbsOpenDlgForm {
public:
    TbsOpenPictureDlgForm(TComponent* owner, bool saveMode, TbsSkinData* ctrlSkinData,
                          bool toolButtonsTransparent)
        : TbsOpenDlgForm(owner, saveMode, ctrlSkinData, toolButtonsTransparent, true) {}
    std::string ClassName() const override { return "TbsOpenPictureDlgForm"; }
};
