// Form descriptions name the skinned page control and its sheets and set what a settings page
// sets for them.
#include "lib/controls/bsSkinCtrls.h"
#include "platform/forms/CommCtrl.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TClassRegistry.h"
#include "platform/forms/TFormReader.h"
#include "platform/forms/TImageList.h"
#include "tests/platform/forms/FormsTestSupport.h"

namespace {

constexpr const char* kForm = R"(object PagesForm: TForm
  Width = 400
  Height = 300
  object Icons: TImageList
    Width = 16
    Height = 16
  end
  object Pages: TbsSkinPageControl
    Left = 4
    Top = 4
    Width = 380
    Height = 250
    ActivePage = Second
    TabPosition = tpLeft
    Images = Icons
    ShowCloseButtons = True
    FreeOnClose = True
    TextInHorizontal = True
    TabLayout = blGlyphTop
    TabMargin = 3
    MouseWheelSupport = True
    SkinDataName = 'tab'
    DefaultFont.Name = 'Verdana'
    object First: TbsSkinTabSheet
      Caption = 'First'
    end
    object Second: TbsSkinTabSheet
      Caption = 'Second'
      ImageIndex = 0
    end
  end
end
)";

using SkinTabsClasses = formstest::FormsTest;

TEST_F(SkinTabsClasses, DescriptionSetsThePageControlAndItsSheets) {
    RegisterSkinCtrlsClasses();
    TApplication app(nullptr);
    auto form = std::make_unique<TForm>(nullptr);
    ReadFormDescription(form.get(), kForm, "PagesForm.dfm");

    auto* pages = DescribedComponent<TbsSkinPageControl>(form.get(), "Pages");
    auto* second = DescribedComponent<TbsSkinTabSheet>(form.get(), "Second");
    EXPECT_EQ(pages->PageCount(), 2);
    EXPECT_EQ(pages->ActivePage(), second);
    EXPECT_EQ(pages->TabPosition(), tpLeft);
    EXPECT_EQ(pages->Images(), DescribedComponent<TCustomImageList>(form.get(), "Icons"))
        << "the tab images, not the platform control's reserved room";
    EXPECT_TRUE(pages->ShowCloseButtons());
    EXPECT_TRUE(pages->FreeOnClose());
    EXPECT_TRUE(pages->TextInHorizontal());
    EXPECT_EQ(pages->TabLayout(), blGlyphTop);
    EXPECT_EQ(pages->TabMargin(), 3);
    EXPECT_TRUE(pages->MouseWheelSupport());
    EXPECT_EQ(pages->DefaultFont().Name(), "Verdana");
}

TEST_F(SkinTabsClasses, PlainTabsTakeTheDefaultHeightWhateverOrderTheSizesAreRead) {
    RegisterSkinCtrlsClasses();
    TApplication app(nullptr);
    auto form = std::make_unique<TForm>(nullptr);
    // The tab width comes after the default height: setting it alone would reset the height.
    ReadFormDescription(form.get(), R"(object PagesForm: TForm
  Width = 400
  Height = 300
  object Pages: TbsSkinPageControl
    Width = 380
    Height = 250
    DefaultItemHeight = 31
    TabWidth = 90
    object First: TbsSkinTabSheet
      Caption = 'First'
    end
  end
end
)",
                        "PagesForm.dfm");
    auto* pages = DescribedComponent<TbsSkinPageControl>(form.get(), "Pages");
    win::RECT tab{};
    pages->Perform(win::TCM_GETITEMRECT, 0, win::LPARAM(&tab));
    EXPECT_EQ(tab.bottom - tab.top, 31);
    EXPECT_EQ(tab.right - tab.left, 90);
}

} // namespace
