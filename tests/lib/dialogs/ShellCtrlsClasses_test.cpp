// Form descriptions name the folder tree, the location combo box and the file list and set what
// a description stores for them.
#include "ShellSpaceFixture.h"

#include "lib/dialogs/TbsCustomShellComboBox.h"
#include "lib/dialogs/TbsCustomShellListView.h"
#include "lib/dialogs/TbsCustomShellTreeView.h"
#include "lib/dialogs/bsSkinShellCtrlsClasses.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TFormReader.h"
#include "tests/platform/forms/FormsTestSupport.h"

namespace {

class ShellCtrlsClasses : public formstest::FormsTest, protected TRecordedShellSpace {};

TEST_F(ShellCtrlsClasses, DescriptionSetsTheTreeComboAndListProperties) {
    Fixture.MakeFolder("home/media/.cache");
    const std::string media = Fixture.Path("home/media");
    const std::string description = R"(object BrowseForm: TForm
  Width = 500
  Height = 400
  object Places: TbsSkinShellComboBox
    Left = 8
    Top = 8
    Width = 200
    Height = 20
    DropDownCount = 12
    ObjectTypes = [otFolders]
  end
  object Folders: TbsSkinDirTreeView
    Left = 8
    Top = 40
    Width = 150
    Height = 300
    ObjectTypes = [otFolders, otHidden]
    AutoContextMenus = False
    ShellComboBox = Places
  end
  object Files: TbsSkinFileListView
    Left = 170
    Top = 40
    Width = 300
    Height = 300
    Root = ')" + media + R"('
    Mask = '*.avi;*.mpg'
    ObjectTypes = [otFolders, otNonFolders]
    Sorted = False
    AutoNavigate = False
    AutoRefresh = True
    ViewStyle = vsReport
    HeaderSkinDataName = 'header'
  end
end
)";
    RegisterSkinShellCtrlsClasses();
    TApplication app(nullptr);
    auto form = std::make_unique<TForm>(nullptr);
    ReadFormDescription(form.get(), description, "BrowseForm.dfm");

    auto* places = DescribedComponent<TbsSkinShellComboBox>(form.get(), "Places");
    EXPECT_EQ(places->DropDownCount(), 12);
    EXPECT_EQ(places->ObjectTypes(), TShellObjectTypes{ otFolders });

    auto* folders = DescribedComponent<TbsSkinDirTreeView>(form.get(), "Folders");
    EXPECT_EQ(folders->ObjectTypes(), (TShellObjectTypes{ otFolders, otHidden }));
    EXPECT_FALSE(folders->AutoContextMenus());
    EXPECT_EQ(folders->ShellComboBox(), places);
    EXPECT_EQ(places->ShellTreeView(), folders) << "the link is made both ways";

    auto* files = DescribedComponent<TbsSkinFileListView>(form.get(), "Files");
    EXPECT_EQ(files->Root(), media);
    EXPECT_EQ(files->Path(), media);
    EXPECT_EQ(files->Mask(), "*.avi;*.mpg");
    EXPECT_FALSE(files->Sorted());
    EXPECT_FALSE(files->AutoNavigate());
    EXPECT_TRUE(files->AutoRefresh());
    EXPECT_EQ(files->ViewStyle(), vsReport);
}

} // namespace
