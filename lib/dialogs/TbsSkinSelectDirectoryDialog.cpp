#include "lib/dialogs/TbsSkinSelectDirectoryDialog.h"

#include "lib/controls/TbsSkinBevel.h"
#include "lib/controls/TbsSkinButton.h"
#include "lib/controls/TbsSkinEdit.h"
#include "lib/controls/TbsSkinPanel.h"
#include "lib/controls/TbsSkinScrollBar.h"
#include "lib/controls/TbsSkinSpeedButton.h"
#include "lib/dialogs/TbsCustomShellTreeView.h"
#include "lib/dialogs/bsDialogDefaults.h"
#include "lib/dialogs/bsDialogGlyphs.h"
#include "lib/dialogs/bsFilePaths.h"
#include "lib/dialogs/bsMessages.h"
#include "lib/frame/TbsSkinForm.h"
#include "lib/skindata/TbsSkinData.h"
#include "platform/forms/TApplication.h"
#include "platform/rtl/FileSystem.h"
#include "platform/rtl/InOutError.h"

#include <cerrno>

namespace {

constexpr int kPlainDialogSize = 280;

} // namespace

TbsSelDirDlgForm::TbsSelDirDlgForm(TComponent* owner, TbsSkinData* ctrlSkinData, bool showToolBar,
                                   bool toolButtonsTransparent)
    : TForm(owner), CtrlSD(ctrlSkinData), ShowToolBar(showToolBar) {
    SetKeyPreview(true);
    SetPosition(poScreenCenter);
    BSF = new TbsSkinForm(this);
    if (ShowToolBar) BuildToolBar(toolButtonsTransparent);
    BuildTree();
    BuildButtons();
    DirTreeViewChange(DirTreeView);
}

void TbsSelDirDlgForm::BuildToolBar(bool toolButtonsTransparent) {
    ToolPanel = new TbsSkinPanel(this);
    ToolPanel->SetName("ToolPanel");
    ToolPanel->SetParent(this);
    ToolPanel->SetAlign(alTop);
    ToolPanel->SetBorderStyle(bvNone);
    ToolPanel->SetDefaultHeight(25);
    ToolPanel->SetSkinDataName("toolpanel");

    NewFolderToolButton = new TbsSkinSpeedButton(this);
    NewFolderToolButton->SetName("NewFolderToolButton");
    NewFolderToolButton->SetParent(ToolPanel);
    NewFolderToolButton->SetLeft(Width());
    NewFolderToolButton->SetAlign(alRight);
    NewFolderToolButton->SetDefaultHeight(25);
    NewFolderToolButton->SetDefaultWidth(27);
    NewFolderToolButton->SetSkinDataName("toolbutton");
    NewFolderToolButton->SetNumGlyphs(1);
    NewFolderToolButton->SetGlyph(*MakeDialogGlyph("BS_NEWFOLDER"));
    NewFolderToolButton->SetHint(
        DialogString(CtrlSD, "MSG_BTN_NEWFOLDER_HINT", "Create New Folder"));
    NewFolderToolButton->SetShowHint(true);
    NewFolderToolButton->SetFlat(toolButtonsTransparent);
    NewFolderToolButton->OnClick = [this](TObject* sender) { NewFolderToolButtonClick(sender); };

    auto* spacer = new TbsSkinBevel(this);
    spacer->SetParent(ToolPanel);
    spacer->SetShape(bsSpacer);
    spacer->SetWidth(5);
    spacer->SetAlign(alRight);

    DirEdit = new TbsSkinEdit(this);
    DirEdit->SetName("DirEdit");
    DirEdit->SetParent(ToolPanel);
    DirEdit->SetAlign(alClient);
    DirEdit->SetDefaultHeight(25);
    DirEdit->SetSkinDataName("edit");
    DirEdit->OnKeyPress = [this](TObject* sender, char32_t& key) { DirEditKeyPress(sender, key); };
}

void TbsSelDirDlgForm::BuildTree() {
    DirTreeViewPanel = new TbsSkinPanel(this);
    DirTreeViewPanel->SetName("DirTreeViewPanel");
    DirTreeViewPanel->SetParent(this);
    DirTreeViewPanel->SetAlign(alClient);
    DirTreeViewPanel->SetBorderStyle(bvFrame);
    DirTreeViewPanel->SetHeight(200);

    VScrollBar = new TbsSkinScrollBar(this);
    VScrollBar->SetName("VScrollBar");
    VScrollBar->SetKind(sbVertical);
    VScrollBar->SetParent(DirTreeViewPanel);
    VScrollBar->SetAlign(alRight);
    VScrollBar->SetDefaultWidth(19);
    VScrollBar->SetEnabled(false);
    VScrollBar->SetSkinDataName("vscrollbar");

    HScrollBar = new TbsSkinScrollBar(this);
    HScrollBar->SetName("HScrollBar");
    HScrollBar->SetParent(DirTreeViewPanel);
    HScrollBar->SetAlign(alBottom);
    HScrollBar->SetDefaultHeight(19);
    HScrollBar->SetEnabled(false);
    HScrollBar->SetBothMarkerWidth(19);
    HScrollBar->SetSkinDataName("hscrollbar");

    DirTreeView = new TbsSkinDirTreeView(this);
    DirTreeView->SetName("DirTreeView");
    DirTreeView->SetParent(DirTreeViewPanel);
    DirTreeView->SetAlign(alClient);
    DirTreeView->SetHScrollBar(HScrollBar);
    DirTreeView->SetVScrollBar(VScrollBar);
    TShellObjectTypes types = DirTreeView->ObjectTypes();
    types.Include(otHidden);
    DirTreeView->SetObjectTypes(types);
    DirTreeView->SetHideSelection(false);
    DirTreeView->OnChange = [this](TObject* sender, TTreeNode*) { DirTreeViewChange(sender); };
}

void TbsSelDirDlgForm::BuildButtons() {
    BottomPanel = new TbsSkinPanel(this);
    BottomPanel->SetName("BottomPanel");
    BottomPanel->SetParent(this);
    BottomPanel->SetAlign(alBottom);
    BottomPanel->SetBorderStyle(bvNone);
    BottomPanel->SetHeight(50);

    const auto addButton = [&](const char* name, TMsgDlgBtn role, int left, TModalResult result) {
        auto* button = new TbsSkinButton(this);
        button->SetName(name);
        button->SetParent(BottomPanel);
        button->SetCaption(MessageButtonCaption(role, CtrlSD));
        button->SetCanFocused(true);
        button->SetBounds(left, 15, 70, button->Height());
        button->SetDefaultHeight(25);
        button->SetModalResult(result);
        return button;
    };
    OkButton = addButton("OkButton", mbOK, 20, mrOk);
    OkButton->SetDefault(true);
    CancelButton = addButton("CancelButton", mbCancel, 100, mrCancel);
    CancelButton->SetCancel(true);
}

void TbsSelDirDlgForm::NewFolderToolButtonClick(TObject*) {
    // Only a file-system folder has a path from the root; the virtual ones (Desktop, Computer)
    // give a parsing name that no folder can be created in.
    const std::string folder = DirTreeView->Path();
    TTreeNode* node = DirTreeView->Selected();
    if (!node || folder.empty() || folder.front() != '/') return;
    const std::string name =
        AppendPathPart(folder, DialogString(CtrlSD, "MSG_NEWFOLDER", "New Folder"));
    if (DirectoryExists(name)) return;
    if (!CreateDir(name)) throw EInOutError(errno);
    DirTreeView->Refresh(node);
}

void TbsSelDirDlgForm::DirEditKeyPress(TObject*, char32_t& key) {
    if (key != U'\r') return;
    const std::string text = DirEdit->Text();
    // A relative text would be read against the process's current folder, which the dialog
    // never shows; only a full path names a folder here.
    if (text.empty() || text.front() != '/' || !DirectoryExists(text)) return;
    DirTreeView->SetPath(text);
}

void TbsSelDirDlgForm::DirTreeViewChange(TObject*) {
    if (ShowToolBar && DirEdit) DirEdit->SetText(DirTreeView->Path());
    if (OkButton) OkButton->SetEnabled(DirTreeView->Selected() != nullptr);
}

TbsSkinSelectDirectoryDialog::TbsSkinSelectDirectoryDialog(TComponent* owner)
    : TbsShellDialogComponent(owner, "Select folder", 200) {}

bool TbsSkinSelectDirectoryDialog::Execute() {
    if (OnShow) OnShow(this);
    FDlgFrm =
        new TbsSelDirDlgForm(Application, CtrlSkinData(), FShowToolBar, ToolButtonsTransparent());
    const TExecuteEnd<TbsSelDirDlgForm> end{ *this, FDlgFrm, &OnClose };
    Prepare(*FDlgFrm);
    return Run(*FDlgFrm);
}

void TbsSkinSelectDirectoryDialog::Prepare(TbsSelDirDlgForm& form) {
    PrepareSizedFrame(form, *form.BSF);

    // The window comes first: the client size below is measured against the skin's frame, and
    // the tree reads its nodes afresh when its window is made, which would lose a start
    // selection made before.
    form.SetActiveControl(form.DirTreeView);
    form.HandleNeeded();
    form.DirTreeView->HandleNeeded();

    TbsSkinData* const ctrlSkin = CtrlSkinData();
    form.DirTreeViewPanel->SetSkinData(ctrlSkin);
    form.DirTreeView->SetDefaultFont(DefaultFont());
    form.DirTreeView->SetSkinData(ctrlSkin);
    if (!FDirectory.empty() && DirectoryExists(FDirectory))
        form.DirTreeView->SetPath(FDirectory);
    else
        form.DirTreeView->ExpandMyComputer();

    form.VScrollBar->SetSkinData(ctrlSkin);
    form.HScrollBar->SetSkinData(ctrlSkin);
    for (TbsSkinButton* button : { form.OkButton, form.CancelButton }) {
        button->SetDefaultFont(DefaultFont());
        button->SetSkinData(ctrlSkin);
    }
    form.BottomPanel->SetSkinData(ctrlSkin);
    if (form.ToolPanel) {
        form.ToolPanel->SetSkinData(ctrlSkin);
        form.NewFolderToolButton->SetSkinData(ctrlSkin);
        form.DirEdit->SetSkinData(ctrlSkin);
    }
    RestoreDialogSize(form, *form.BSF, kPlainDialogSize, kPlainDialogSize);
}

bool TbsSkinSelectDirectoryDialog::Run(TbsSelDirDlgForm& form) {
    const bool ok = form.ShowModal() == mrOk;
    StoreDialogSize(form);
    if (ok) FDirectory = form.DirTreeView->Path();
    return ok;
}
