// The picture variant of the open dialog: the preview beside the list.
#include "ShellSpaceFixture.h"

#include "lib/controls/TbsSkinEdit.h"
#include "lib/controls/TbsSkinPanel.h"
#include "lib/controls/TbsSkinSpeedButton.h"
#include "lib/dialogs/TbsCustomShellListView.h"
#include "lib/dialogs/TbsOpenDlgForm.h"
#include "lib/dialogs/TbsSkinOpenPictureDialog.h"
#include "platform/forms/TImage.h"
#include "platform/gfx/TBitmap.h"
#include "platform/gfx/TJPEGImage.h"
#include "platform/gfx/TPngImage.h"
#include "tests/platform/forms/ControlsFixture.h"
#include "tests/platform/forms/DialogsFixture.h"

#include <memory>

using namespace win;

namespace {

class TTestPictureDialog : public TbsSkinSavePictureDialog {
public:
    TTestPictureDialog() : TbsSkinSavePictureDialog(nullptr) {}
    using TbsSkinOpenPictureDialog::CreateForm;
    using TbsSkinOpenPictureDialog::PrepareForm;
};

void MakePictures(const TShellFixture& fixture) {
    TBitmap bitmap;
    bitmap.SetSize(30, 20);
    TPngImage png;
    png.Assign(bitmap);
    png.SaveToFile(fixture.Path("home/pics/a.png"));
    bitmap.SetSize(12, 40);
    TJPEGImage jpeg;
    jpeg.Assign(bitmap);
    jpeg.SaveToFile(fixture.Path("home/pics/b.jpg"));
    fixture.WriteFile("home/pics/broken.png", "not a picture");
    fixture.WriteFile("home/pics/old.wmf", "metafile");
    fixture.MakeFolder("home/pics/sub");
}

class PictureDlgForm : public formstest::ControlsTest, protected TRecordedShellSpace {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        Fixture.MakeFolder("home/pics");
        MakePictures(Fixture);
        FDialog = std::make_unique<TTestPictureDialog>();
        FDialog->SetFilter("All|*.*");
        FDialog->SetFileName(Fixture.Path("home/pics/a.png"));
        FForm.reset(FDialog->CreateForm());
        FDialog->PrepareForm(*FForm);
        FForm->Show();
        Pump();
    }
    void TearDown() override {
        FForm.reset();
        FDialog.reset();
        ControlsTest::TearDown();
    }
    void Select(const std::string& name) {
        TbsSkinFileListView& list = *FForm->FileListView;
        for (int i = 0; i < list.FolderCount(); ++i)
            if (list.FolderAt(i)->DisplayName() == name) list.SetItemIndex(i);
        Pump();
    }
    TSize ImageSize() const { return TSize(FForm->Image->Width(), FForm->Image->Height()); }
    std::unique_ptr<TTestPictureDialog> FDialog;
    std::unique_ptr<TbsOpenDlgForm> FForm;
};

TEST_F(PictureDlgForm, PreviewFollowsTheSelectionAndUnreadablePicturesLeaveItEmpty) {
    EXPECT_EQ(FForm->ClassName(), "TbsOpenPictureDlgForm");
    EXPECT_EQ(ImageSize(), TSize(30, 20)) << "the preset file shows at once";
    EXPECT_EQ(FForm->ClientWidth(), 550);
    EXPECT_EQ(FForm->ImagePanel->Width(), 190);
    Select("b.jpg");
    EXPECT_EQ(ImageSize(), TSize(12, 40));
    EXPECT_EQ(FForm->FileNameEdit->Text(), "b.jpg");
    for (const char* unreadable : { "broken.png", "old.wmf" }) {
        SCOPED_TRACE(unreadable);
        Select(unreadable);
        EXPECT_EQ(ImageSize(), TSize(0, 0));
        EXPECT_EQ(FForm->FileNameEdit->Text(), unreadable);
    }
    Select("a.png");
    Select("sub");
    EXPECT_EQ(FForm->FileNameEdit->Text(), "");
    EXPECT_EQ(ImageSize(), TSize(0, 0));
}

TEST_F(PictureDlgForm, StretchFillsTheBoxAndReleasingItRestoresThePictureSize) {
    FForm->StretchButton->SetDown(true);
    FForm->StretchButtonClick(nullptr);
    EXPECT_TRUE(FForm->Image->Stretch());
    EXPECT_EQ(FForm->Image->Align(), alClient);
    FForm->StretchButton->SetDown(false);
    FForm->StretchButtonClick(nullptr);
    EXPECT_FALSE(FForm->Image->Stretch());
    EXPECT_EQ(ImageSize(), TSize(30, 20));
}

class PictureDialogExecute : public formstest::DialogsTest, protected TRecordedShellSpace {};

TEST_F(PictureDialogExecute, StretchAndPanelWidthComeBackAndSaveCompletesByFilter) {
    Fixture.MakeFolder("home/pics");
    MakePictures(Fixture);
    TTestPictureDialog dialog;
    EXPECT_EQ(dialog.Title(), "Save file");
    dialog.SetFilter("Bitmaps|*.bmp|JPEG|*.jpg");
    dialog.SetFileName(Fixture.Path("home/pics/x"));
    Then([&] {
        TbsOpenDlgForm& form = *dialog.Form();
        form.StretchButton->SetDown(true);
        form.StretchButtonClick(nullptr);
        form.ImagePanel->SetWidth(230);
        Key(VK_ESCAPE);
    });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_TRUE(dialog.DialogStretch());
    EXPECT_EQ(dialog.ImagePanelWidth(), 230);

    Then([&] {
        TbsOpenDlgForm& form = *dialog.Form();
        EXPECT_TRUE(form.StretchButton->Down());
        EXPECT_TRUE(form.Image->Stretch());
        EXPECT_EQ(form.ImagePanel->Width(), 230);
        form.FileNameEdit->SetText("pic");
        form.OpenButtonClick(nullptr);
    });
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), Fixture.Path("home/pics/pic.bmp"));
}

} // namespace
