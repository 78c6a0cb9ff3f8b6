#include "lib/dialogs/TbsOpenDlgForm.h"

#include "lib/controls/TbsSkinBevel.h"
#include "lib/controls/TbsSkinButton.h"
#include "lib/controls/TbsSkinEdit.h"
#include "lib/controls/TbsSkinMenuSpeedButton.h"
#include "lib/controls/TbsSkinPanel.h"
#include "lib/controls/TbsSkinScrollBar.h"
#include "lib/controls/TbsSkinScrollBox.h"
#include "lib/controls/TbsSkinSpeedButton.h"
#include "lib/controls/TbsSkinSplitter.h"
#include "lib/controls/TbsSkinStdLabel.h"
#include "lib/controls/TbsSkinToolBar.h"
#include "lib/dialogs/TbsCustomShellComboBox.h"
#include "lib/dialogs/TbsCustomShellListView.h"
#include "lib/dialogs/TbsSkinFilterComboBox.h"
#include "lib/dialogs/bsDialogGlyphs.h"
#include "lib/dialogs/bsFileDialogNames.h"
#include "lib/dialogs/bsFileDialogTexts.h"
#include "lib/dialogs/bsFilePaths.h"
#include "lib/dialogs/bsMessages.h"
#include "lib/dialogs/bsShellPidl.h"
#include "lib/frame/TbsSkinForm.h"
#include "lib/menus/TbsSkinPopupMenu.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TImage.h"
#include "platform/forms/TMenuItem.h"
#include "platform/rtl/FilePath.h"
#include "platform/rtl/FileSystem.h"
#include "platform/rtl/InOutError.h"

#include <cerrno>
#include <memory>

namespace {

constexpr int kToolHeight = 25;
constexpr int kBarWidth = 19;

bool IsEnter(char32_t key) {
    return key == U'\r' || key == U'\n';
}

template <class T>
T* Named(TComponent* owner, TWinControl* parent, const char* name) {
    auto* control = new T(owner);
    control->SetName(name);
    control->SetParent(parent);
    return control;
}

} // namespace

TbsOpenDlgForm::TbsOpenDlgForm(TComponent* owner, bool saveMode, TbsSkinData* ctrlSkinData,
                               bool toolButtonsTransparent, bool picturePreview)
    : TForm(owner), SaveMode(saveMode), CtrlSD(ctrlSkinData) {
    SetKeyPreview(true);
    SetPosition(poScreenCenter);
    BSF = new TbsSkinForm(this);
    BuildToolPanel(toolButtonsTransparent);
    if (picturePreview) BuildPreview(toolButtonsTransparent);
    BuildListPanel();
    BuildBottomPanel();
    SetActiveControl(FileNameEdit);
}

TbsOpenDlgForm::~TbsOpenDlgForm() = default;

void TbsOpenDlgForm::BuildToolPanel(bool flatButtons) {
    ToolPanel = Named<TbsSkinToolBar>(this, this, "ToolPanel");
    ToolPanel->SetAlign(alTop);
    ToolPanel->SetBorderStyle(bvNone);
    ToolPanel->SetDefaultHeight(kToolHeight);
    ToolPanel->SetSkinDataName("toolpanel");

    auto* spacer = Named<TbsSkinBevel>(this, ToolPanel, "LeftSpacer");
    spacer->SetBounds(0, 0, 10, kToolHeight);
    spacer->SetAlign(alLeft);
    spacer->SetShape(bsSpacer);

    Drivelabel = Named<TbsSkinStdLabel>(this, ToolPanel, "Drivelabel");
    Drivelabel->SetLeft(10);
    Drivelabel->SetAutoSize(true);
    Drivelabel->SetAlign(alLeft);
    Drivelabel->SetLayout(tlCenter);
    Drivelabel->SetCaption(FileDialogText(CtrlSD, "FLV_LOOKIN"));

    // The right-hand group, left to right: back, up, new folder, a gap, the view button.
    const auto addTool = [&](const char* name, const char* glyph, const char* hintKey, int left) {
        auto* button = Named<TbsSkinSpeedButton>(this, ToolPanel, name);
        button->SetBounds(left, 0, 27, kToolHeight);
        button->SetAlign(alRight);
        button->SetDefaultHeight(kToolHeight);
        button->SetDefaultWidth(27);
        button->SetSkinDataName("toolbutton");
        button->SetGlyph(*MakeDialogGlyph(glyph));
        button->SetNumGlyphs(1);
        button->SetHint(FileDialogText(CtrlSD, hintKey));
        button->SetShowHint(true);
        button->SetFlat(flatButtons);
        return button;
    };
    BackToolButton = addTool("BackToolButton", "BS_BACK", "MSG_BTN_BACK_HINT", 1000);
    BackToolButton->OnClick = [this](TObject* s) { BackToolButtonClick(s); };
    UpToolButton = addTool("UpToolButton", "BS_UP", "MSG_BTN_UP_HINT", 1030);
    UpToolButton->OnClick = [this](TObject* s) { UpToolButtonClick(s); };
    NewFolderToolButton =
        addTool("NewFolderToolButton", "BS_NEWFOLDER", "MSG_BTN_NEWFOLDER_HINT", 1060);
    NewFolderToolButton->OnClick = [this](TObject* s) { NewFolderToolButtonClick(s); };
    auto* gap = Named<TbsSkinBevel>(this, ToolPanel, "RightSpacer");
    gap->SetBounds(1090, 0, 10, kToolHeight);
    gap->SetAlign(alRight);
    gap->SetShape(bsSpacer);

    StylePopupMenu = new TbsSkinPopupMenu(this);
    StylePopupMenu->SetName("StylePopupMenu");
    const auto addItem = [&](const char* key, TViewStyle style) {
        auto* item = new TMenuItem(StylePopupMenu);
        item->SetCaption(FileDialogText(CtrlSD, key));
        item->SetRadioItem(true);
        item->OnClick = [this, item, style](TObject*) { ChooseViewStyle(item, style); };
        StylePopupMenu->Items().Add(item);
        return item;
    };
    IconMenuItem = addItem("MSG_LV_ICON", vsIcon);
    SmallIconMenuItem = addItem("MSG_LV_SMALLICON", vsSmallIcon);
    ListMenuItem = addItem("MSG_LV_LIST", vsList);
    ReportMenuItem = addItem("MSG_LV_DETAILS", vsReport);

    StyleToolButton = Named<TbsSkinMenuSpeedButton>(this, ToolPanel, "StyleToolButton");
    StyleToolButton->SetBounds(1100, 0, 37, kToolHeight);
    StyleToolButton->SetAlign(alRight);
    StyleToolButton->SetDefaultHeight(kToolHeight);
    StyleToolButton->SetDefaultWidth(37);
    StyleToolButton->SetSkinDataName("toolmenubutton");
    StyleToolButton->SetGlyph(*MakeDialogGlyph("BS_LVSTYLE"));
    StyleToolButton->SetNumGlyphs(1);
    StyleToolButton->SetSkinPopupMenu(StylePopupMenu);
    StyleToolButton->SetHint(FileDialogText(CtrlSD, "MSG_BTN_VIEWMENU_HINT"));
    StyleToolButton->SetShowHint(true);
    StyleToolButton->SetFlat(flatButtons);

    ShellBox = Named<TbsSkinShellComboBox>(this, ToolPanel, "ShellBox");
    ShellBox->SetBounds(100, 0, 190, kToolHeight);
    ShellBox->SetAlign(alClient);
    ShellBox->SetDropDownCount(10);
}

void TbsOpenDlgForm::BuildListPanel() {
    BottomPanel = Named<TbsSkinPanel>(this, this, "BottomPanel");
    BottomPanel->SetAlign(alBottom);
    BottomPanel->SetBorderStyle(bvNone);
    BottomPanel->SetHeight(80);

    FileListViewPanel = Named<TbsSkinPanel>(this, this, "FileListViewPanel");
    FileListViewPanel->SetAlign(alClient);
    FileListViewPanel->SetBorderStyle(bvFrame);

    FLVHScrollBar = Named<TbsSkinScrollBar>(this, FileListViewPanel, "FLVHScrollBar");
    FLVHScrollBar->SetAlign(alBottom);
    FLVHScrollBar->SetBothMarkerWidth(kBarWidth);
    FLVHScrollBar->SetDefaultHeight(kBarWidth);
    FLVHScrollBar->SetEnabled(false);
    FLVHScrollBar->SetSkinDataName("hscrollbar");

    FLVVScrollBar = Named<TbsSkinScrollBar>(this, FileListViewPanel, "FLVVScrollBar");
    FLVVScrollBar->SetKind(sbVertical);
    FLVVScrollBar->SetAlign(alRight);
    FLVVScrollBar->SetDefaultWidth(kBarWidth);
    FLVVScrollBar->SetEnabled(false);
    FLVVScrollBar->SetSkinDataName("vscrollbar");

    FileListView = Named<TbsSkinFileListView>(this, FileListViewPanel, "FileListView");
    FileListView->SetAlign(alClient);
    FileListView->SetViewStyle(vsList);
    FileListView->SetShowColumnHeaders(true);
    FileListView->SetHScrollBar(FLVHScrollBar);
    FileListView->SetVScrollBar(FLVVScrollBar);
    FileListView->SetHideSelection(false);
    FileListView->SetShellComboBox(ShellBox);
    ShellBox->SetShellListView(FileListView);
    FileListView->OnChange = [this](TObject* s, TListItem* i, TItemChange c) {
        FLVChange(s, i, c);
    };
    FileListView->OnPathChanged = [this](TObject* s) { FLVPathChange(s); };
    FileListView->OnDblClick = [this](TObject* s) { FLVDBLClick(s); };
    FileListView->OnKeyPress = [this](TObject* s, char32_t& key) { FLVKeyPress(s, key); };
}

void TbsOpenDlgForm::BuildPreview(bool flatButtons) {
    ImagePanel = Named<TbsSkinPanel>(this, this, "ImagePanel");
    ImagePanel->SetBorderStyle(bvFrame);
    ImagePanel->SetAlign(alRight);
    ImagePanel->SetWidth(200);
    Splitter = Named<TbsSkinSplitter>(this, this, "Splitter");
    Splitter->SetLeft(ImagePanel->Left() - 10);
    Splitter->SetAlign(alRight);
    Splitter->SetWidth(10);
    Splitter->SetDefaultSize(10);
    Splitter->SetBeveled(false);

    SBVScrollBar = Named<TbsSkinScrollBar>(this, ImagePanel, "SBVScrollBar");
    SBVScrollBar->SetKind(sbVertical);
    SBVScrollBar->SetAlign(alRight);
    SBVScrollBar->SetDefaultWidth(kBarWidth);
    SBVScrollBar->SetEnabled(false);
    SBVScrollBar->SetSkinDataName("vscrollbar");
    SBHScrollBar = Named<TbsSkinScrollBar>(this, ImagePanel, "SBHScrollBar");
    SBHScrollBar->SetAlign(alBottom);
    SBHScrollBar->SetDefaultHeight(kBarWidth);
    SBHScrollBar->SetEnabled(false);
    SBHScrollBar->SetBothMarkerWidth(kBarWidth);
    SBHScrollBar->SetSkinDataName("hscrollbar");
    ScrollBox = Named<TbsSkinScrollBox>(this, ImagePanel, "ScrollBox");
    ScrollBox->SetAlign(alClient);
    ScrollBox->SetBorderStyle(bvNone);
    ScrollBox->SetVScrollBar(SBVScrollBar);
    ScrollBox->SetHScrollBar(SBHScrollBar);
    Image = Named<TImage>(this, ScrollBox, "Image");
    Image->SetBounds(0, 0, 0, 0);

    StretchButton = Named<TbsSkinSpeedButton>(this, ToolPanel, "StretchButton");
    StretchButton->SetBounds(1200, 0, 27, kToolHeight);
    StretchButton->SetAlign(alRight);
    StretchButton->SetDefaultHeight(kToolHeight);
    StretchButton->SetDefaultWidth(27);
    StretchButton->SetGroupIndex(2);
    StretchButton->SetAllowAllUp(true);
    StretchButton->SetSkinDataName("toolbutton");
    StretchButton->SetGlyph(*MakeDialogGlyph("BS_STRETCH"));
    StretchButton->SetNumGlyphs(1);
    StretchButton->SetHint(FileDialogText(CtrlSD, "MSG_BTN_STRETCH_HINT"));
    StretchButton->SetShowHint(true);
    StretchButton->SetFlat(flatButtons);
    StretchButton->OnClick = [this](TObject* s) { StretchButtonClick(s); };
}

void TbsOpenDlgForm::BuildBottomPanel() {
    // The picture form keeps its bottom controls where they stand; the plain one stretches them.
    const bool fixed = HasPreview();
    const int fieldWidth = fixed ? 280 : ClientWidth() - 160;
    const int buttonLeft = fixed ? 370 : ClientWidth() - 80;
    const TAnchors stretch = fixed ? TAnchors{ akLeft, akTop } : TAnchors{ akLeft, akTop, akRight };
    const TAnchors right = fixed ? TAnchors{ akLeft, akTop } : TAnchors{ akTop, akRight };

    FileNameEdit = Named<TbsSkinEdit>(this, BottomPanel, "FileNameEdit");
    FileNameEdit->SetBounds(70, 10, fieldWidth, 21);
    FileNameEdit->SetDefaultHeight(21);
    FileNameEdit->SetAnchors(stretch);
    FileNameEdit->OnKeyPress = [this](TObject* s, char32_t& key) { EditKeyPress(s, key); };

    FilterComboBox = Named<TbsSkinFilterComboBox>(this, BottomPanel, "FilterComboBox");
    FilterComboBox->SetBounds(70, 45, fieldWidth, 21);
    FilterComboBox->SetDefaultHeight(21);
    FilterComboBox->SetAnchors(stretch);
    FilterComboBox->OnChange = [this](TObject* s) { FCBChange(s); };

    OpenButton = Named<TbsSkinButton>(this, BottomPanel, "OpenButton");
    OpenButton->SetBounds(buttonLeft, 10, 70, 25);
    OpenButton->SetDefaultHeight(25);
    OpenButton->SetTabStop(true);
    OpenButton->SetAnchors(right);
    OpenButton->SetCaption(FileDialogText(CtrlSD, SaveMode ? "MSG_BTN_SAVE" : "MSG_BTN_OPEN"));
    OpenButton->OnClick = [this](TObject* s) { OpenButtonClick(s); };

    CancelButton = Named<TbsSkinButton>(this, BottomPanel, "CancelButton");
    CancelButton->SetBounds(buttonLeft, 45, 70, 25);
    CancelButton->SetDefaultHeight(25);
    CancelButton->SetTabStop(true);
    CancelButton->SetModalResult(mrCancel);
    CancelButton->SetCancel(true);
    CancelButton->SetAnchors(right);
    CancelButton->SetCaption(FileDialogText(CtrlSD, "MSG_BTN_CANCEL"));

    OpenFileLabel = Named<TbsSkinStdLabel>(this, BottomPanel, "OpenFileLabel");
    OpenFileLabel->SetBounds(10, 10, 50, 16);
    OpenFileLabel->SetAutoSize(true);
    OpenFileLabel->SetCaption(FileDialogText(CtrlSD, "MSG_FILENAME"));
    FileTypeLabel = Named<TbsSkinStdLabel>(this, BottomPanel, "FileTypeLabel");
    FileTypeLabel->SetBounds(10, 45, 50, 16);
    FileTypeLabel->SetAutoSize(true);
    FileTypeLabel->SetCaption(FileDialogText(CtrlSD, "MSG_FILETYPE"));
}

// ---- names ----

std::string TbsOpenDlgForm::ShownFolder() const {
    const TbsShellFolder* shown = FileListView->RootFolder();
    return shown ? shown->FullObjectName() : std::string();
}

std::string TbsOpenDlgForm::TypedPath() const {
    const std::string& typed = FileNameEdit->Text();
    if (!typed.empty() && typed.front() == '/') return typed;
    return AppendPathPart(ShownFolder(), typed);
}

std::string TbsOpenDlgForm::WithFormExtension(const std::string& name) {
    if (!ExtractFileExt(name).empty()) return name;
    if (!DefaultExt.empty()) return name + "." + DefaultExt;
    return name + FilterMaskExtension(FilterComboBox->Mask());
}

bool TbsOpenDlgForm::ConfirmOverwrite() {
    TbsSkinMessage message(this);
    message.SetSkinData(BSF->SkinData());
    message.SetCtrlSkinData(CtrlSD);
    return message.MessageDlg(FileDialogText(CtrlSD, "MSG_OVERWRITE"), mtWarning,
                              { mbOK, mbCancel }, 0) == mrOk;
}

void TbsOpenDlgForm::Accept(const std::string& name) {
    FileName = name;
    SetModalResult(mrOk);
}

// ---- handlers ----

void TbsOpenDlgForm::OpenButtonClick(TObject*) {
    const std::string& typed = FileNameEdit->Text();
    const bool absolute = !typed.empty() && typed.front() == '/';
    // A folder without a path (the desktop, Computer) holds no file to open or save, unless the
    // name typed is a whole path.
    if (ShownFolder().empty() && !absolute) return;
    const std::string selected = FileListView->GetSelectedFile();
    if (typed.empty()) return;

    if (SaveMode) {
        const std::string name = TypedPath();
        if (name.find('*') != std::string::npos) return;
        // Completed once, so that the name asked about is the name returned.
        const std::string completed = CompletedSaveName(name, FilterComboBox->Mask(), DefaultExt);
        if (OverwritePromt && FileExists(completed) && !ConfirmOverwrite()) return;
        Accept(completed);
        return;
    }
    if (!CheckFileExists) {
        Accept(selected.empty() ? WithFormExtension(TypedPath()) : selected);
        return;
    }
    // A selected file wins over a different typed name.
    FileName = selected.empty() ? WithFormExtension(TypedPath()) : selected;
    if (FileExists(FileName))
        SetModalResult(mrOk);
    else
        FileName.clear();
}

void TbsOpenDlgForm::FLVDBLClick(TObject*) {
    const std::string selected = FileListView->GetSelectedFile();
    if (selected.empty()) return;
    if (SaveMode && OverwritePromt && !ConfirmOverwrite()) return;
    Accept(selected);
}

void TbsOpenDlgForm::FLVKeyPress(TObject* sender, char32_t& key) {
    if (IsEnter(key) && !FileListView->GetSelectedFile().empty()) OpenButtonClick(sender);
}

void TbsOpenDlgForm::EditKeyPress(TObject* sender, char32_t& key) {
    if (!IsEnter(key)) return;
    const std::string typed = FileNameEdit->Text();
    if (typed.find('*') != std::string::npos) {
        FileListView->SetMask(typed);
        return;
    }
    if (typed.find('/') != std::string::npos) {
        const std::string folder = typed.front() == '/' ? typed : TypedPath();
        if (DirectoryExists(folder)) {
            FileListView->SetPath(folder);
            return;
        }
        // A whole path of a file is a name to open; another text with '/' names nothing.
        if (typed.front() != '/') return;
    }
    OpenButtonClick(sender);
}

void TbsOpenDlgForm::FLVChange(TObject*, TListItem*, TItemChange) {
    const std::string selected = FileListView->GetSelectedFile();
    if (HasPreview()) {
        FileNameEdit->SetText(ExtractFileName(selected));
        if (selected.empty()) {
            Image->Picture().Assign(TPicture());
            Image->SetBounds(Image->Left(), Image->Top(), 0, 0);
        } else {
            LoadPreview(selected);
        }
        return;
    }
    if (!selected.empty()) FileNameEdit->SetText(ExtractFileName(selected));
    if (OnFolderChange) OnFolderChange(this);
}

void TbsOpenDlgForm::FolderChanged() {
    if (FileListView->Items().Count() > 0) FileListView->SetItemFocused(FileListView->Items()[0]);
    if (OnFolderChange) OnFolderChange(this);
}

void TbsOpenDlgForm::InitHistory() {
    const TbsShellFolder* shown = FileListView->RootFolder();
    if (!shown) return;
    if (!FolderHistory.empty() && PidlEqual(FolderHistory.back(), shown->FullPIDL())) return;
    FolderHistory.push_back(PidlClone(shown->FullPIDL()));
}

void TbsOpenDlgForm::FLVPathChange(TObject*) {
    if (!StopAddToHistory) InitHistory();
    FolderChanged();
}

void TbsOpenDlgForm::BackToolButtonClick(TObject*) {
    if (FolderHistory.size() < 2) return;
    StopAddToHistory = true;
    struct TResume {
        bool& Flag;
        ~TResume() { Flag = false; }
    } resume{ StopAddToHistory };
    const TItemIdList previous = FolderHistory[FolderHistory.size() - 2];
    FileListView->FollowPidl(previous);
    FolderHistory.erase(FolderHistory.end() - 2);
}

void TbsOpenDlgForm::UpToolButtonClick(TObject*) {
    FileListView->Back();
}

void TbsOpenDlgForm::NewFolderToolButtonClick(TObject*) {
    const std::string folder = ShownFolder();
    if (folder.empty()) return;
    ++NewFolderCount;
    const std::string name = NewFolderName(FileDialogText(CtrlSD, "MSG_NEWFOLDER"), NewFolderCount);
    const std::string path = AppendPathPart(folder, name);
    if (DirectoryExists(path)) return;
    if (!CreateDir(path)) throw EInOutError(errno);
    FileListView->RebuildList();
    if (Application) Application->ProcessMessages();
    for (int i = 0; i < FileListView->FolderCount(); ++i) {
        if (FileListView->FolderAt(i)->DisplayName() != name) continue;
        FileListView->SetItemIndex(i);
        FileListView->Items()[i]->EditCaption();
        break;
    }
}

void TbsOpenDlgForm::ChooseViewStyle(TMenuItem* item, TViewStyle style) {
    for (TMenuItem* each : { IconMenuItem, SmallIconMenuItem, ListMenuItem, ReportMenuItem })
        each->SetChecked(each == item);
    FileListView->SetViewStyle(style);
    if (style == vsReport && FileListView->MultiSelect()) FileListView->RebuildColumns();
}

void TbsOpenDlgForm::IconItemClick(TObject*) {
    ChooseViewStyle(IconMenuItem, vsIcon);
}
void TbsOpenDlgForm::SmallIconItemClick(TObject*) {
    ChooseViewStyle(SmallIconMenuItem, vsSmallIcon);
}
void TbsOpenDlgForm::ListItemClick(TObject*) {
    ChooseViewStyle(ListMenuItem, vsList);
}
void TbsOpenDlgForm::ReportItemClick(TObject*) {
    ChooseViewStyle(ReportMenuItem, vsReport);
}

void TbsOpenDlgForm::FCBChange(TObject*) {
    const std::string mask = FilterComboBox->Mask();
    FileListView->SetMask(mask);
    if (SaveMode) FileNameEdit->SetText(NameForFilter(FileNameEdit->Text(), mask));
}

// ---- the picture preview ----

void TbsOpenDlgForm::LoadPreview(const std::string& fileName) {
    // A picture that cannot be read is no error of the user's choosing: the preview stays empty.
    try {
        Image->Picture().LoadFromFile(fileName);
    } catch (const Exception&) {
        Image->Picture().Assign(TPicture());
    }
    FitImage();
}

void TbsOpenDlgForm::FitImage() {
    if (!Image->Stretch())
        Image->SetBounds(Image->Left(), Image->Top(), Image->Picture().Width(),
                         Image->Picture().Height());
    ScrollBox->UpDateScrollRange();
}

void TbsOpenDlgForm::StretchButtonClick(TObject*) {
    Image->SetVisible(false);
    if (StretchButton->Down()) {
        Image->SetStretch(true);
        Image->SetAlign(alClient);
    } else {
        Image->SetAlign(alNone);
        Image->SetStretch(false);
        Image->SetBounds(0, 0, Image->Picture().Width(), Image->Picture().Height());
    }
    ScrollBox->UpDateScrollRange();
    Image->SetVisible(true);
}
