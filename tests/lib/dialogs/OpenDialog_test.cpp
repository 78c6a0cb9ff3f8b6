// The skinned open and save dialog: its form's handlers driven directly on a shown form, and
// whole Execute calls driven through injected keys.
#include "ShellSpaceFixture.h"

#include "lib/controls/TbsSkinButton.h"
#include "lib/controls/TbsSkinEdit.h"
#include "lib/dialogs/TbsCustomShellComboBox.h"
#include "lib/dialogs/TbsCustomShellListView.h"
#include "lib/dialogs/TbsOpenDlgForm.h"
#include "lib/dialogs/TbsSkinFilterComboBox.h"
#include "lib/dialogs/TbsSkinOpenDialog.h"
#include "lib/dialogs/TbsSkinOpenPictureDialog.h"
#include "lib/dialogs/bsFileDialogNames.h"
#include "lib/dialogs/bsShellPidl.h"
#include "lib/dialogs/bsSkinFileDialogClasses.h"
#include "platform/forms/TClassRegistry.h"
#include "platform/forms/TFormReader.h"
#include "platform/forms/TMenuItem.h"
#include "platform/rtl/FileSystem.h"
#include "tests/platform/forms/ControlsFixture.h"
#include "tests/platform/forms/DialogsFixture.h"

#include <memory>

using namespace win;

namespace {

// The dialog with its form-building steps open to the tests, in either mode.
class TTestDialog : public TbsSkinOpenDialog {
public:
    explicit TTestDialog(bool saveMode) : TbsSkinOpenDialog(nullptr) { FSaveMode = saveMode; }
    using TbsSkinOpenDialog::CreateForm;
    using TbsSkinOpenDialog::PrepareForm;
};

constexpr const char* kFilter = "Videos|*.avi|All files|*.*|Bitmaps|*.bmp|JPEG|*.jpg";

// A folder "home/docs" of a few files, beside a file elsewhere to be named by its whole path.
void MakeDocs(const TShellFixture& fixture) {
    for (const char* name : { "movie.avi", "movie", "notes.txt", "pic.bmp", "b.txt" })
        fixture.WriteFile(std::string("home/docs/") + name, "x");
    fixture.MakeFolder("home/docs/sub");
    fixture.WriteFile("vol/data/clip.avi", "x");
}

class OpenDlgForm : public formstest::ControlsTest, protected TRecordedShellSpace {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        MakeDocs(Fixture);
    }
    void TearDown() override {
        FForm.reset();
        FDialog.reset();
        ControlsTest::TearDown();
    }
    TbsOpenDlgForm& Open(bool saveMode, int filterIndex = 1) {
        FDialog = std::make_unique<TTestDialog>(saveMode);
        FDialog->SetFilter(kFilter);
        FDialog->SetFilterIndex(filterIndex);
        FDialog->SetFileName(Docs("x"));
        FForm.reset(FDialog->CreateForm());
        FDialog->PrepareForm(*FForm);
        FForm->Show();
        Pump();
        return *FForm;
    }
    std::string Docs(const std::string& name = "") const {
        return Fixture.Path("home/docs") + (name.empty() ? "" : "/" + name);
    }
    int RowOf(const std::string& name) const {
        for (int i = 0; i < FForm->FileListView->FolderCount(); ++i)
            if (FForm->FileListView->FolderAt(i)->DisplayName() == name) return i;
        return -1;
    }
    void Select(const std::string& name) {
        ASSERT_GE(RowOf(name), 0) << name;
        FForm->FileListView->SetItemIndex(RowOf(name));
        Pump();
    }
    void PressEnterInEdit() {
        char32_t key = U'\r';
        FForm->EditKeyPress(FForm->FileNameEdit, key);
    }
    std::unique_ptr<TTestDialog> FDialog;
    std::unique_ptr<TbsOpenDlgForm> FForm;
};

struct TOpenCase {
    const char* Name;
    bool Save;
    bool CheckExists;
    int FilterIndex;
    const char* Selected; // "" for no selection
    const char* Typed;    // "@" stands for the file elsewhere, named by its whole path
    const char* Expected; // in home/docs; "" when the dialog stays open; "@" as above
};

const TOpenCase kOpenCases[] = {
    { "completed by the filter", false, true, 1, "", "movie", "movie.avi" },
    { "exact name under all files", false, true, 2, "", "movie", "movie" },
    { "missing file stays open", false, true, 1, "", "nothing", "" },
    { "empty name stays open", false, true, 1, "", "", "" },
    { "selection wins", false, true, 2, "notes.txt", "other.avi", "notes.txt" },
    { "unchecked new name", false, false, 1, "", "new", "new.avi" },
    { "typed whole path", false, true, 1, "", "@", "@" },
    { "save completes by filter", true, true, 3, "", "pic", "pic.bmp" },
    { "save with a pattern stays open", true, true, 1, "", "a*", "" },
    { "save keeps a given extension", true, true, 1, "", "clip.mkv", "clip.mkv" },
};

TEST_F(OpenDlgForm, OpenButtonAcceptsOrStaysOpen) {
    const std::string elsewhere = Fixture.Path("vol/data/clip.avi");
    for (const TOpenCase& c : kOpenCases) {
        SCOPED_TRACE(c.Name);
        TbsOpenDlgForm& form = Open(c.Save, c.FilterIndex);
        form.CheckFileExists = c.CheckExists;
        if (*c.Selected) Select(c.Selected);
        form.FileNameEdit->SetText(std::string(c.Typed) == "@" ? elsewhere : c.Typed);
        form.OpenButtonClick(form.OpenButton);
        const std::string expected = std::string(c.Expected) == "@" ? elsewhere
                                     : *c.Expected                  ? Docs(c.Expected)
                                                                    : "";
        EXPECT_EQ(form.FileName, expected);
        EXPECT_EQ(form.ModalResult(), expected.empty() ? mrNone : mrOk);
    }
}

TEST_F(OpenDlgForm, EnterInTheEditFiltersMovesOrOpens) {
    TbsOpenDlgForm& form = Open(false, 2);
    EXPECT_EQ(form.FileListView->Path(), Docs()) << "the folder of FileName";
    EXPECT_EQ(form.FileNameEdit->Text(), "x");

    form.FileNameEdit->SetText("*.txt");
    PressEnterInEdit();
    EXPECT_EQ(form.FileListView->Mask(), "*.txt");
    EXPECT_EQ(RowOf("movie.avi"), -1);
    EXPECT_GE(RowOf("notes.txt"), 0);
    EXPECT_EQ(form.ModalResult(), mrNone);

    form.FileNameEdit->SetText("nowhere/at/all");
    PressEnterInEdit();
    EXPECT_EQ(form.FileListView->Path(), Docs()) << "a path naming no folder does nothing";
    EXPECT_EQ(form.ModalResult(), mrNone);

    form.FileNameEdit->SetText(Fixture.Path("vol/data"));
    PressEnterInEdit();
    EXPECT_EQ(form.FileListView->Path(), Fixture.Path("vol/data"));
    EXPECT_EQ(form.ModalResult(), mrNone);

    form.FileNameEdit->SetText(Docs("notes.txt"));
    PressEnterInEdit();
    EXPECT_EQ(form.FileName, Docs("notes.txt")) << "a whole path is opened";
    EXPECT_EQ(form.ModalResult(), mrOk);
}

TEST_F(OpenDlgForm, SelectingAFileFillsTheEditAndAFolderDoubleClickOnlyMoves) {
    TbsOpenDlgForm& form = Open(false, 2);
    int changes = 0;
    form.OnFolderChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &form);
        ++changes;
    };
    Select("notes.txt");
    EXPECT_EQ(form.FileNameEdit->Text(), "notes.txt");
    EXPECT_GT(changes, 0);
    form.FLVDBLClick(form.FileListView);
    EXPECT_EQ(form.FileName, Docs("notes.txt"));
    EXPECT_EQ(form.ModalResult(), mrOk);
}

TEST_F(OpenDlgForm, BackWalksTheHistory) {
    Fixture.MakeFolder("home/docs/sub/deeper");
    TbsOpenDlgForm& form = Open(false);
    TbsSkinFileListView& list = *form.FileListView;
    list.SetPath(Docs("sub"));
    list.SetPath(Docs("sub/deeper"));
    ASSERT_EQ(form.History().size(), 3u);

    form.BackToolButtonClick(nullptr);
    EXPECT_EQ(list.Path(), Docs("sub"));
    ASSERT_EQ(form.History().size(), 2u);
    form.BackToolButtonClick(nullptr);
    EXPECT_EQ(list.Path(), Docs());
    EXPECT_EQ(form.History().size(), 1u);
    form.BackToolButtonClick(nullptr);
    EXPECT_EQ(list.Path(), Docs()) << "nothing left to go back to";

    form.UpToolButtonClick(nullptr);
    EXPECT_EQ(list.Path(), Fixture.Home());
    EXPECT_EQ(form.ShellBox->Path(), Fixture.Home()) << "the location box follows the list";
}

TEST_F(OpenDlgForm, NewFolderTakesTheNextFreeNumberAndStartsRenaming) {
    Fixture.MakeFolder("home/docs/New Folder");
    TbsOpenDlgForm& form = Open(false);
    form.NewFolderToolButtonClick(nullptr);
    EXPECT_FALSE(DirectoryExists(Docs("New Folder(2)"))) << "the first number was taken";
    form.NewFolderToolButtonClick(nullptr);
    EXPECT_TRUE(DirectoryExists(Docs("New Folder(2)")));
    EXPECT_TRUE(form.FileListView->IsEditing());
    Key(VK_RETURN); // kept as it stands
    EXPECT_FALSE(form.FileListView->IsEditing());
    form.NewFolderToolButtonClick(nullptr);
    EXPECT_TRUE(DirectoryExists(Docs("New Folder(3)")));

    form.FileListView->SetRoot("rfMyComputer");
    form.NewFolderToolButtonClick(nullptr); // a folder without a path takes none
}

TEST_F(OpenDlgForm, SaveModeSwapsTheTypedExtensionWithTheFilter) {
    TbsOpenDlgForm& form = Open(true, 3);
    EXPECT_EQ(form.OpenButton->Caption(), "&Save");
    form.FileNameEdit->SetText("pic");
    form.FilterComboBox->SetItemIndex(2); // *.bmp again: no change of text
    form.FileNameEdit->SetText("pic.bmp");
    form.FilterComboBox->SetItemIndex(3);
    EXPECT_EQ(form.FileNameEdit->Text(), "pic.jpg");
    EXPECT_EQ(form.FileListView->Mask(), "*.jpg");
    form.FilterComboBox->SetItemIndex(1);
    EXPECT_EQ(form.FileNameEdit->Text(), "pic.jpg") << "all files give no extension";
}

TEST_F(OpenDlgForm, ViewItemsCheckOnlyThemselves) {
    TbsOpenDlgForm& form = Open(false);
    EXPECT_TRUE(form.ListMenuItem->Checked());
    form.ReportItemClick(nullptr);
    EXPECT_EQ(form.FileListView->ViewStyle(), vsReport);
    EXPECT_TRUE(form.ReportMenuItem->Checked());
    EXPECT_FALSE(form.ListMenuItem->Checked());
    form.SmallIconItemClick(nullptr);
    EXPECT_EQ(form.FileListView->ViewStyle(), vsSmallIcon);
    EXPECT_FALSE(form.ReportMenuItem->Checked());
}

TEST(FileDialogNames, CompletionRules) {
    EXPECT_EQ(FilterMaskExtension("*.avi;*.mpg"), ".avi");
    EXPECT_EQ(FilterMaskExtension("*.*"), "");
    EXPECT_EQ(CompletedSaveName("/d/pic", "*.bmp", "png"), "/d/pic.bmp");
    EXPECT_EQ(CompletedSaveName("/d/pic", "*.*", "png"), "/d/pic.png");
    EXPECT_EQ(CompletedSaveName("/d/pic.gif", "*.bmp", "png"), "/d/pic.gif");
    EXPECT_EQ(NameForFilter("pic", "*.jpg"), "pic.jpg");
    EXPECT_EQ(NameForFilter("", "*.jpg"), "");
    EXPECT_EQ(NewFolderName("New Folder", 1), "New Folder");
    EXPECT_EQ(NewFolderName("New Folder", 3), "New Folder(3)");
}

// ---- whole calls ----

class OpenDialogExecute : public formstest::DialogsTest, protected TRecordedShellSpace {
protected:
    void SetUp() override {
        DialogsTest::SetUp();
        MakeDocs(Fixture);
    }
    std::string Docs(const std::string& name = "") const {
        return Fixture.Path("home/docs") + (name.empty() ? "" : "/" + name);
    }
};

TEST_F(OpenDialogExecute, StartFolderAndStateKeptOnCancel) {
    TTestDialog dialog(false);
    dialog.SetFilter(kFilter);
    dialog.SetFileName("a.avi");
    dialog.SetInitialDir(Fixture.Path("missing"));
    int shows = 0;
    int closes = 0;
    dialog.OnShow = [&](TObject*) { ++shows; };
    dialog.OnClose = [&](TObject*) { ++closes; };
    Then([&] {
        TbsOpenDlgForm* form = dialog.Form();
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->FileListView->Path(), Fixture.Home()) << "the home folder";
        EXPECT_EQ(form->FileNameEdit->Text(), "a.avi");
        EXPECT_EQ(form->ClientWidth(), 450);
        EXPECT_EQ(form->ClientHeight(), 290);
        form->FilterComboBox->SetItemIndex(1);
        form->ReportItemClick(nullptr);
        form->SetClientWidth(500);
        Key(VK_ESCAPE);
    });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(shows, 1);
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(dialog.Form(), nullptr);
    EXPECT_EQ(dialog.FileName(), "a.avi");
    EXPECT_EQ(dialog.FilterIndex(), 2);
    EXPECT_EQ(dialog.ListViewStyle(), vsReport);
    EXPECT_EQ(dialog.DialogWidth(), 500);

    dialog.SetInitialDir(Docs());
    Then([&] {
        EXPECT_EQ(dialog.Form()->FileListView->Path(), Docs()) << "an existing InitialDir";
        EXPECT_EQ(dialog.Form()->ClientWidth(), 500);
        EXPECT_TRUE(dialog.Form()->ReportMenuItem->Checked());
        Key(VK_ESCAPE);
    });
    EXPECT_FALSE(dialog.Execute());
}

TEST_F(OpenDialogExecute, MultiSelectionReturnsFilesOnly) {
    TTestDialog dialog(false);
    dialog.SetFilter(kFilter);
    dialog.SetFilterIndex(2);
    dialog.SetMultiSelection(true);
    dialog.SetFileName(Docs("b.txt"));
    Then([&] {
        TbsSkinFileListView& list = *dialog.Form()->FileListView;
        for (int i = 0; i < list.FolderCount(); ++i) {
            const std::string name = list.FolderAt(i)->DisplayName();
            if (name == "sub" || name == "notes.txt" || name == "b.txt" || name == "movie")
                list.Items()[i]->SetSelected(true);
        }
        dialog.Form()->FileNameEdit->SetText("b.txt");
        dialog.Form()->OpenButtonClick(nullptr);
    });
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), Docs("b.txt"));
    ASSERT_EQ(dialog.Files().Count(), 3);
    for (int i = 0; i < dialog.Files().Count(); ++i)
        EXPECT_NE(dialog.Files()[i], Docs("sub"));
}

TEST_F(OpenDialogExecute, OverwriteQuestionAnsweredByKeys) {
    TTestDialog dialog(true);
    dialog.SetFilter(kFilter);
    dialog.SetFilterIndex(3); // *.bmp
    dialog.SetDefaultExt("png");
    dialog.SetOverwritePromt(true);
    dialog.SetFileName(Docs("pic"));
    TCustomForm* dialogForm = nullptr;
    Then([&] {
        dialogForm = Active();
        dialog.Form()->FileNameEdit->SetFocus();
        Key(VK_RETURN); // "pic" completes to the existing pic.bmp: asked
    });
    Then([&] {
        ASSERT_NE(Active(), dialogForm) << "the question is up";
        Key(VK_ESCAPE);
    });
    Then([&] {
        EXPECT_EQ(Active(), dialogForm) << "a refused overwrite keeps the dialog";
        Key(VK_RETURN);
    });
    Then([&] { Key(VK_RETURN); }); // OK on the question
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), Docs("pic.bmp")) << "the name asked about is the name returned";
}

// ---- form descriptions ----

constexpr const char* kDescribed = R"(object DialogsForm: TDialogsForm
  object OpenDialog1: TbsSkinOpenDialog
    Title = 'Open file'
  end
  object OpenDialog2: TbsSkinOpenDialog
    Title = 'Add files'
    MultiSelection = True
    Filter = 'All files|*.*'
    FilterIndex = 1
    CheckFileExists = True
    OverwritePromt = False
    ShowHiddenFiles = False
    ToolButtonsTransparent = True
    AlphaBlendValue = 200
    CtrlAlphaBlendValue = 210
    LVHeaderSkinDataName = 'header'
    DefaultFont.Name = 'Tahoma'
  end
  object SavePicture1: TbsSkinSavePictureDialog
    Filter = 'Bitmaps (*.bmp)|*.bmp'
    AlphaBlendValue = 200
    StretchPicture = True
  end
end
)";

TEST(SkinFileDialogClasses, DescriptionSetsWhatTheProgramsFormsSet) {
    RegisterSkinFileDialogClasses();
    TClassRegistry::Instance().RegisterClass("TDialogsForm", "TForm");
    TApplication app(nullptr);
    auto form = std::make_unique<TForm>(nullptr);
    ReadFormDescription(form.get(), kDescribed, "DialogsForm.dfm");
    auto* single = DescribedComponent<TbsSkinOpenDialog>(form.get(), "OpenDialog1");
    EXPECT_EQ(single->Title(), "Open file");
    EXPECT_FALSE(single->MultiSelection());
    auto* many = DescribedComponent<TbsSkinOpenDialog>(form.get(), "OpenDialog2");
    EXPECT_EQ(many->Title(), "Add files");
    EXPECT_TRUE(many->MultiSelection());
    EXPECT_TRUE(many->ToolButtonsTransparent());
    EXPECT_EQ(many->AlphaBlendValue(), 200);
    EXPECT_EQ(many->CtrlAlphaBlendValue(), 210);
    EXPECT_EQ(many->LVHeaderSkinDataName(), "header");
    EXPECT_EQ(many->DefaultFont().Name(), "Tahoma");
    auto* picture = DescribedComponent<TbsSkinSavePictureDialog>(form.get(), "SavePicture1");
    EXPECT_EQ(picture->Title(), "Save file");
    EXPECT_EQ(picture->Filter(), "Bitmaps (*.bmp)|*.bmp");
    EXPECT_TRUE(picture->StretchPicture());
}

} // namespace
