#pragma once
#include "lib/dialogs/TbsDialogComponent.h"
#include "platform/forms/TCustomForm.h"

#include <functional>
#include <string>
#include <vector>

class TbsSkinData;
class TbsSkinForm;
class TbsSkinButton;
class TbsSkinListBox;
class TbsCompressedSkinList;
class TbsCompressedStoredSkin;

// The skin chooser's window, built in code: the list of skins, a disabled preview form inside
// the dialog that wears the highlighted skin through the dialog's own skin object, OK and
// Cancel. Only the preview's controls use that skin, so browsing leaves the program's untouched.
class TbsSelectSkinDlgForm : public TForm {
public:
    // Lists the stored-skin components of form, starting at defaultSkin (the first when it is not
    // among them).
    static TbsSelectSkinDlgForm* CreateEx(TComponent* owner, TComponent* form,
                                          TbsCompressedStoredSkin* defaultSkin,
                                          TbsSkinData* ctrlSkinData);
    // Lists the items of skinList, starting at skinIndex (none when it names no item).
    static TbsSelectSkinDlgForm* CreateEx2(TComponent* owner, TbsCompressedSkinList* skinList,
                                           int skinIndex, TbsSkinData* ctrlSkinData);

    std::string ClassName() const override { return "TbsSelectSkinDlgForm"; }

    // The stored skin the preview wears.
    TbsCompressedStoredSkin* SelectedSkin() const;

    // The preview follows the highlighted line.
    void SLBOnChange(TObject* sender);
    // A double click on a line chooses it.
    void SLBOnDblClick(TObject* sender);

    TbsCompressedSkinList* FCSkinList{ nullptr };
    int FCSkinIndex{ -1 };
    TbsSkinForm* BSF{ nullptr };
    TbsSkinButton* OpenButton{ nullptr };
    TbsSkinButton* CancelButton{ nullptr };
    TForm* PreviewForm{ nullptr };
    TbsSkinForm* PreviewBSF{ nullptr };
    TbsSkinData* PreviewSkinData{ nullptr };
    TbsSkinButton* PreviewButton{ nullptr };
    TbsSkinListBox* SkinsListBox{ nullptr };
    // The stored-skin components in list order (stored-skin variant only); the form they were
    // found on owns them.
    std::vector<TbsCompressedStoredSkin*> SkinList;

private:
    TbsSelectSkinDlgForm(TComponent* owner, TbsSkinData* ctrlSkinData);
    // OK is only offered while a line is highlighted, so that it never reports a skin that
    // was never shown.
    void UpdateOpenButton();
};

// Lets the user pick one skin, either from a skin list or from the stored skins of the form that
// owns the component, while a small preview shows the highlighted skin. Each Execute builds a
// fresh TbsSelectSkinDlgForm owned by the application, shows it modally and frees it.
class TbsSelectSkinDialog : public TbsDialogComponent {
public:
    explicit TbsSelectSkinDialog(TComponent* owner);
    std::string ClassName() const override { return "TbsSelectSkinDialog"; }

    // Over SkinList, starting at skinIndex; False at once without a SkinList. On OK,
    // SelectedSkinIndex is the index of the skin previewed last.
    bool Execute(int skinIndex);
    // Over the owner form's stored skins, starting at defaultSkin; False at once when the owner
    // holds none. On OK, SelectedSkin is the skin previewed last.
    bool Execute(TbsCompressedStoredSkin* defaultSkin);

    TbsCompressedSkinList* SkinList() const { return FSkinList; }
    void SetSkinList(TbsCompressedSkinList* value);
    int SelectedSkinIndex() const { return FSelectedSkinIndex; }
    TbsCompressedStoredSkin* SelectedSkin() const { return FSelectedSkin; }

    // The dialog's form while Execute runs, else null.
    TbsSelectSkinDlgForm* DlgForm() const { return FDlgFrm; }

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void Prepare(TbsSelectSkinDlgForm& form);
    // Shows the form and frees it whatever happens; true on OK.
    bool Show(TbsSelectSkinDlgForm* form, const std::function<void(TbsSelectSkinDlgForm&)>& onOk);

    TbsCompressedSkinList* FSkinList{ nullptr };
    int FSelectedSkinIndex{ -1 };
    TbsCompressedStoredSkin* FSelectedSkin{ nullptr };
    TbsSelectSkinDlgForm* FDlgFrm{ nullptr };
};
