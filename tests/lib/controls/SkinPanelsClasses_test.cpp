// Form descriptions name the skinned panels, boxes, labels and bevels and set what the
// program's forms set for them.
#include "lib/controls/bsSkinCtrls.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TClassRegistry.h"
#include "platform/forms/TFormReader.h"
#include "tests/platform/forms/FormsTestSupport.h"

namespace {

constexpr const char* kForm = R"(object PanelsForm: TForm
  Width = 300
  Height = 200
  object Preview: TbsSkinGroupBox
    Left = 4
    Top = 4
    Width = 200
    Height = 150
    Caption = 'Preview'
    SkinDataName = 'groupbox'
    DefaultAlignment = taCenter
    object One: TbsSkinCheckRadioBox
      Left = 8
      Top = 20
      Radio = True
      GroupIndex = 1
      Checked = True
      Caption = 'One'
    end
    object Two: TbsSkinCheckRadioBox
      Left = 8
      Top = 50
      Radio = True
      GroupIndex = 1
      Caption = 'Two'
      State = cbChecked
    end
  end
  object Field: TbsSkinTextLabel
    Left = 210
    Top = 4
    Lines.Strings = (
      'first'
      'second')
    Layout = tlBottom
  end
  object Link: TbsSkinLinkLabel
    Left = 210
    Top = 60
    Caption = 'home'
    URL = 'https://example.org/'
  end
  object Divider: TbsSkinBevel
    Left = 210
    Top = 100
    Shape = bsLeftLine
    DividerMode = True
  end
  object Status: TbsSkinStatusBar
    SizeGrip = True
  end
end
)";

using SkinPanelsClasses = formstest::FormsTest;

TEST_F(SkinPanelsClasses, DescriptionSetsWhatTheProgramsFormsSet) {
    RegisterSkinCtrlsClasses();
    TApplication app(nullptr);
    auto form = std::make_unique<TForm>(nullptr);
    ReadFormDescription(form.get(), kForm, "PanelsForm.dfm");

    auto* preview = DescribedComponent<TbsSkinGroupBox>(form.get(), "Preview");
    EXPECT_TRUE(preview->CaptionMode());
    EXPECT_EQ(preview->DefaultAlignment(), taCenter);
    auto* one = DescribedComponent<TbsSkinCheckRadioBox>(form.get(), "One");
    auto* two = DescribedComponent<TbsSkinCheckRadioBox>(form.get(), "Two");
    EXPECT_EQ(one->Parent(), preview);
    EXPECT_TRUE(two->Checked());
    EXPECT_TRUE(two->Radio());
    EXPECT_EQ(two->GroupIndex(), 1);

    auto* field = DescribedComponent<TbsSkinTextLabel>(form.get(), "Field");
    EXPECT_EQ(field->Lines().Count(), 2);
    EXPECT_EQ(field->Layout(), tlBottom);
    EXPECT_EQ(DescribedComponent<TbsSkinLinkLabel>(form.get(), "Link")->URL(),
              "https://example.org/");
    auto* divider = DescribedComponent<TbsSkinBevel>(form.get(), "Divider");
    EXPECT_TRUE(divider->DividerMode());
    EXPECT_EQ(divider->Shape(), bsLeftLine);
    EXPECT_TRUE(DescribedComponent<TbsSkinStatusBar>(form.get(), "Status")->SizeGrip());
}

} // namespace
