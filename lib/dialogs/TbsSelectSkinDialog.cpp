#include "lib/dialogs/TbsSelectSkinDialog.h"

#include "lib/controls/TbsListBox.h"
#include "lib/controls/TbsSkinButton.h"
#include "lib/controls/TbsSkinListBox.h"
#include "lib/dialogs/bsDialogDefaults.h"
#include "lib/dialogs/bsMessages.h"
#include "lib/frame/TbsSkinForm.h"
#include "lib/skindata/TbsCompressedSkinList.h"
#include "lib/skindata/TbsCompressedStoredSkin.h"
#include "lib/skindata/TbsSkinData.h"
#include "platform/forms/TApplication.h"

#include <algorithm>

namespace {

constexpr int kPlainClientWidth = 420;
constexpr int kPlainClientHeight = 240;

// The stored-skin components of form, in component order.
std::vector<TbsCompressedStoredSkin*> StoredSkinsOf(const TComponent* form) {
    std::vector<TbsCompressedStoredSkin*> skins;
    if (!form) return skins;
    for (int i = 0; i < form->ComponentCount(); ++i)
        if (auto* skin = dynamic_cast<TbsCompressedStoredSkin*>(form->Components(i)))
            skins.push_back(skin);
    return skins;
}

} // namespace

TbsSelectSkinDlgForm::TbsSelectSkinDlgForm(TComponent* owner, TbsSkinData* ctrlSkinData)
    : TForm(owner) {
    SetPosition(poScreenCenter);
    SetBorderStyle(bsSingle);
    BSF = new TbsSkinForm(this);

    PreviewForm = new TForm(this);
    PreviewForm->SetName("PreviewForm");
    PreviewForm->SetVisible(false);
    PreviewForm->SetParent(this);
    PreviewForm->SetEnabled(false);
    PreviewForm->SetBounds(0, 0, 220, 170);
    PreviewForm->SetCaption(DialogString(ctrlSkinData, "MSG_PREVIEWSKIN", "Preview"));

    PreviewSkinData = new TbsSkinData(this);

    PreviewButton = new TbsSkinButton(this);
    PreviewButton->SetName("PreviewButton");
    PreviewButton->SetParent(PreviewForm);
    PreviewButton->SetBounds(20, 20, 100, PreviewButton->Height());
    PreviewButton->SetCaption(DialogString(ctrlSkinData, "MSG_PREVIEWBUTTON", "Button"));
    PreviewButton->SetSkinData(PreviewSkinData);

    // The preview draws a whole skinned window frame inside the dialog without acting as one.
    PreviewBSF = new TbsSkinForm(PreviewForm);
    PreviewBSF->PreviewMode = true;
    PreviewBSF->SetSkinData(PreviewSkinData);
    PreviewForm->SetLeft(190);
    PreviewForm->SetTop(10);
    PreviewForm->SetVisible(true);

    const auto addButton = [&](const char* name, TMsgDlgBtn role, int left, TModalResult result) {
        auto* button = new TbsSkinButton(this);
        button->SetName(name);
        button->SetParent(this);
        button->SetCaption(MessageButtonCaption(role, ctrlSkinData));
        button->SetCanFocused(true);
        button->SetBounds(left, 200, 70, button->Height());
        button->SetDefaultHeight(25);
        button->SetModalResult(result);
        return button;
    };
    OpenButton = addButton("OpenButton", mbOK, 260, mrOk);
    OpenButton->SetDefault(true);
    CancelButton = addButton("CancelButton", mbCancel, 340, mrCancel);
    CancelButton->SetCancel(true);

    SkinsListBox = new TbsSkinListBox(this);
    SkinsListBox->SetName("SkinsListBox");
    SkinsListBox->SetParent(this);
    SkinsListBox->SetBounds(10, 10, 170, 170);
    SkinsListBox->OnListBoxClick = [this](TObject* sender) { SLBOnChange(sender); };
    SkinsListBox->OnListBoxDblClick = [this](TObject* sender) { SLBOnDblClick(sender); };
    SetActiveControl(SkinsListBox->ListBox);
    // Last: handing over the string table tells every form of the screen, this one too, which
    // gives this form its window; a hidden form with a window can no longer take an active
    // control.
    if (ctrlSkinData && ctrlSkinData->ResourceStrData())
        PreviewSkinData->SetResourceStrData(ctrlSkinData->ResourceStrData());
}

TbsSelectSkinDlgForm* TbsSelectSkinDlgForm::CreateEx(TComponent* owner, TComponent* form,
                                                     TbsCompressedStoredSkin* defaultSkin,
                                                     TbsSkinData* ctrlSkinData) {
    auto* dialog = new TbsSelectSkinDlgForm(owner, ctrlSkinData);
    dialog->SkinList = StoredSkinsOf(form);
    for (const TbsCompressedStoredSkin* skin : dialog->SkinList)
        dialog->SkinsListBox->Items().Add(skin->Description().empty() ? skin->Name()
                                                                      : skin->Description());
    if (!dialog->SkinList.empty()) {
        const auto found = std::find(dialog->SkinList.begin(), dialog->SkinList.end(), defaultSkin);
        const int index =
            found == dialog->SkinList.end() ? 0 : int(found - dialog->SkinList.begin());
        dialog->SkinsListBox->SetItemIndex(index);
        dialog->PreviewSkinData->SetCompressedStoredSkin(dialog->SkinList[index]);
    }
    dialog->UpdateOpenButton();
    return dialog;
}

TbsSelectSkinDlgForm* TbsSelectSkinDlgForm::CreateEx2(TComponent* owner,
                                                      TbsCompressedSkinList* skinList,
                                                      int skinIndex, TbsSkinData* ctrlSkinData) {
    auto* dialog = new TbsSelectSkinDlgForm(owner, ctrlSkinData);
    dialog->FCSkinList = skinList;
    dialog->FCSkinIndex = skinIndex;
    TbsSkinListItems& items = skinList->Skins();
    for (int i = 0; i < items.Count(); ++i) {
        const TbsSkinListItem* item = items.Items(i);
        dialog->SkinsListBox->Items().Add(item->Description().empty() ? item->Name()
                                                                      : item->Description());
    }
    dialog->SkinsListBox->SetItemIndex(skinIndex);
    // The list loads the item only when the index names one; otherwise the preview stays bare.
    dialog->PreviewSkinData->SetSkinIndex(skinIndex);
    dialog->PreviewSkinData->SetSkinList(skinList);
    dialog->UpdateOpenButton();
    return dialog;
}

TbsCompressedStoredSkin* TbsSelectSkinDlgForm::SelectedSkin() const {
    return PreviewSkinData->CompressedStoredSkin();
}

void TbsSelectSkinDlgForm::SLBOnChange(TObject*) {
    const int index = SkinsListBox->ItemIndex();
    UpdateOpenButton();
    if (index < 0) return;
    if (FCSkinList)
        PreviewSkinData->SetSkinIndex(index);
    else if (index < int(SkinList.size()))
        PreviewSkinData->SetCompressedStoredSkin(SkinList[index]);
}

void TbsSelectSkinDlgForm::SLBOnDblClick(TObject*) {
    if (SkinsListBox->ItemIndex() >= 0) SetModalResult(mrOk);
}

void TbsSelectSkinDlgForm::UpdateOpenButton() {
    const int index = SkinsListBox->ItemIndex();
    OpenButton->SetEnabled(index >= 0 && index < SkinsListBox->Items().Count());
}

TbsSelectSkinDialog::TbsSelectSkinDialog(TComponent* owner)
    : TbsDialogComponent(owner, "Select skin", 200) {}

void TbsSelectSkinDialog::SetSkinList(TbsCompressedSkinList* value) {
    FSkinList = value;
    if (value) value->FreeNotification(this);
}

void TbsSelectSkinDialog::Notification(TComponent* component, TOperation operation) {
    TbsDialogComponent::Notification(component, operation);
    if (operation == opRemove && component == FSkinList) FSkinList = nullptr;
}

bool TbsSelectSkinDialog::Execute(int skinIndex) {
    if (!FSkinList) return false;
    FSelectedSkin = nullptr;
    FSelectedSkinIndex = -1;
    return Show(TbsSelectSkinDlgForm::CreateEx2(Application, FSkinList, skinIndex, CtrlSkinData()),
                [this](TbsSelectSkinDlgForm& form) {
                    FSelectedSkinIndex = form.PreviewSkinData->SkinIndex();
                });
}

bool TbsSelectSkinDialog::Execute(TbsCompressedStoredSkin* defaultSkin) {
    FSelectedSkin = nullptr;
    // With nothing to choose from there is nothing to show.
    if (StoredSkinsOf(Owner()).empty()) return false;
    return Show(TbsSelectSkinDlgForm::CreateEx(Application, Owner(), defaultSkin, CtrlSkinData()),
                [this](TbsSelectSkinDlgForm& form) { FSelectedSkin = form.SelectedSkin(); });
}

void TbsSelectSkinDialog::Prepare(TbsSelectSkinDlgForm& form) {
    PrepareFrame(form, *form.BSF);
    for (TbsSkinButton* button : { form.OpenButton, form.CancelButton }) {
        button->SetDefaultFont(DefaultFont());
        button->SetSkinData(CtrlSkinData());
    }
    form.SkinsListBox->SetDefaultFont(DefaultFont());
    form.SkinsListBox->SetSkinData(CtrlSkinData());
    SetClientSize(form, *form.BSF, kPlainClientWidth, kPlainClientHeight);
}

bool TbsSelectSkinDialog::Show(TbsSelectSkinDlgForm* form,
                               const std::function<void(TbsSelectSkinDlgForm&)>& onOk) {
    FDlgFrm = form;
    const TExecuteEnd<TbsSelectSkinDlgForm> end{ *this, FDlgFrm };
    Prepare(*form);
    const bool ok = form->ShowModal() == mrOk;
    if (ok) onOk(*form);
    return ok;
}
