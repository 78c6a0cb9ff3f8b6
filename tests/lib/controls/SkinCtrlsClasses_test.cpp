// Form descriptions name the skinned bases and set what a description stores for them.
#include "lib/controls/TbsGraphicSkinCustomControl.h"
#include "lib/controls/TbsSkinCustomControl.h"
#include "lib/controls/bsSkinCtrlsClasses.h"
#include "lib/skindata/TbsSkinData.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TFormReader.h"
#include "platform/forms/TImageList.h"
#include "tests/platform/forms/FormsTestSupport.h"

namespace {

using formstest::FormsTest;

constexpr const char* kForm = R"(object SkinnedForm: TForm
  Width = 300
  Height = 200
  object Skin: TbsSkinData
  end
  object Hints: TImageList
  end
  object Face: TbsSkinCustomControl
    Left = 10
    Top = 20
    Width = 90
    Height = 24
    SkinData = Skin
    SkinDataName = 'button'
    HintTitle = 'Start'
    HintImageIndex = 3
    HintImageList = Hints
    DefaultFont.Charset = 134
    DefaultFont.Color = clNavy
    DefaultFont.Height = -12
    DefaultFont.Name = 'Tahoma'
    DefaultFont.Style = [fsBold]
    DefaultWidth = 80
    DefaultHeight = 22
    UseSkinFont = False
    object Speed: TbsGraphicSkinCustomControl
      Width = 30
      Height = 20
      SkinData = Skin
      SkinDataName = 'toolbutton'
      HintTitle = 'Tool'
      DefaultFont.Name = 'Arial'
      UseSkinFont = True
    end
  end
end
)";

using SkinCtrlsClasses = FormsTest;

TEST_F(SkinCtrlsClasses, DescriptionSetsTheSkinHintAndPlainLookProperties) {
    RegisterSkinCtrlsClasses();
    RegisterSkinCtrlsClasses(); // a second call changes nothing
    TApplication app(nullptr);
    auto form = std::make_unique<TForm>(nullptr);
    ReadFormDescription(form.get(), kForm, "SkinnedForm.dfm");

    auto* skin = DescribedComponent<TbsSkinData>(form.get(), "Skin");
    auto* face = DescribedComponent<TbsSkinCustomControl>(form.get(), "Face");
    auto* speed = DescribedComponent<TbsGraphicSkinCustomControl>(form.get(), "Speed");
    EXPECT_EQ(face->SkinData(), skin);
    EXPECT_EQ(face->SkinDataName(), "button");
    EXPECT_EQ(face->HintTitle(), "Start");
    EXPECT_EQ(face->HintImageIndex(), 3);
    EXPECT_EQ(face->HintImageList(), DescribedComponent<TImageList>(form.get(), "Hints"));
    EXPECT_EQ(face->DefaultFont().Name(), "Tahoma");
    EXPECT_EQ(face->DefaultFont().Height(), -12);
    EXPECT_EQ(face->DefaultFont().Color(), clNavy);
    EXPECT_EQ(face->DefaultFont().Charset(), TFontCharset(134));
    EXPECT_TRUE(face->DefaultFont().Style().Contains(fsBold));
    EXPECT_EQ(face->DefaultWidth(), 80);
    EXPECT_EQ(face->DefaultHeight(), 22);
    EXPECT_FALSE(face->UseSkinFont());
    EXPECT_EQ(speed->Parent(), face);
    EXPECT_EQ(speed->SkinData(), skin);
    EXPECT_EQ(speed->SkinDataName(), "toolbutton");
    EXPECT_EQ(speed->HintTitle(), "Tool");
    EXPECT_TRUE(speed->UseSkinFont());
    // The skin object holds no skin yet: the controls keep the plain look.
    EXPECT_EQ(face->FIndex, -1);
}

} // namespace
