#include "FormsTestSupport.h"
#include "platform/forms/StdCtrlsClasses.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TFormReader.h"
#include "platform/forms/TListView.h"
#include "platform/forms/TPageControl.h"
#include "platform/forms/TTabSheet.h"
#include "platform/forms/TTreeView.h"
#include <memory>

namespace formstest {
namespace {

constexpr const char* kForm = R"(object Main: TForm
  Width = 500
  Height = 400
  object lvFiles: TListView
    Left = 7
    Top = 10
    Width = 300
    Height = 200
    Columns = <
      item
        Caption = 'Input'
        Width = 80
      end
      item
        MaxWidth = 1
        Width = 0
      end
      item
        Alignment = taRightJustify
        Caption = 'Progress'
        Width = 70
      end>
    GridLines = True
    ReadOnly = True
    RowSelect = True
    ViewStyle = vsReport
  end
  object Pages: TPageControl
    Top = 220
    Width = 300
    Height = 150
    ActivePage = Second
    object First: TTabSheet
      Caption = 'First'
      PageControl = Pages
    end
    object Second: TTabSheet
      Caption = 'Second'
      PageControl = Pages
    end
  end
  object Tree: TTreeView
    Left = 320
    Width = 150
    Height = 200
    ShowRoot = False
    Indent = 12
  end
end
)";

TEST_F(FormsTest, ViewsAreReadFromFormDescriptions) {
    RegisterStdCtrlsClasses();
    TApplication app(nullptr);
    TForm form(nullptr);
    ReadFormDescription(&form, kForm, "Main.form");
    auto* list = DescribedComponent<TListView>(&form, "lvFiles");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->ViewStyle(), vsReport);
    EXPECT_TRUE(list->GridLines());
    EXPECT_TRUE(list->ReadOnly());
    EXPECT_TRUE(list->RowSelect());
    ASSERT_EQ(list->Columns().Count(), 3);
    EXPECT_EQ(list->Column(1)->Width(), 0);
    EXPECT_EQ(list->Column(1)->MaxWidth(), 1);
    EXPECT_EQ(list->Column(2)->Alignment(), taRightJustify);
    EXPECT_EQ(list->Column(2)->Caption(), "Progress");

    auto* pages = DescribedComponent<TPageControl>(&form, "Pages");
    ASSERT_NE(pages, nullptr);
    EXPECT_EQ(pages->PageCount(), 2);
    EXPECT_EQ(pages->ActivePage(), DescribedComponent<TTabSheet>(&form, "Second"));

    auto* tree = DescribedComponent<TTreeView>(&form, "Tree");
    ASSERT_NE(tree, nullptr);
    EXPECT_FALSE(tree->ShowRoot());
    EXPECT_EQ(tree->Indent(), 12);
}

} // namespace
} // namespace formstest
