// Form descriptions name the skinned list box and combo box and set what a description stores
// for them; a streamed ItemIndex shows its item without the run-time events.
#include "lib/controls/TbsSkinComboBox.h"
#include "lib/controls/TbsSkinListBox.h"
#include "lib/controls/bsSkinCtrlsClasses.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TFormReader.h"
#include "tests/platform/forms/FormsTestSupport.h"

namespace {

using formstest::FormsTest;

constexpr const char* kForm = R"(object PickerForm: TForm
  Width = 300
  Height = 300
  object Presets: TbsSkinComboBox
    Left = 10
    Top = 10
    Width = 150
    Height = 20
    Items.Strings = (
      'High quality'
      'Small file'
      'Phone')
    ItemIndex = 1
    DropDownCount = 12
    ListBoxWidth = 200
    UseSkinSize = False
    AlphaBlend = True
    AlphaBlendValue = 220
    ListBoxCaptionMode = True
    ListBoxCaption = 'Presets'
    TabWidths.Strings = (
      '40')
  end
  object Jobs: TbsSkinListBox
    Left = 10
    Top = 40
    Width = 150
    Height = 100
    Items.Strings = (
      'one'
      'two')
    ItemIndex = 0
    CaptionMode = True
    DefaultCaptionHeight = 24
    Alignment = taCenter
    ShowCaptionButtons = False
    DefaultItemHeight = 18
  end
end
)";

using SkinListClasses = FormsTest;

TEST_F(SkinListClasses, DescriptionSetsTheListAndPickerProperties) {
    RegisterSkinCtrlsClasses();
    TApplication app(nullptr);
    auto form = std::make_unique<TForm>(nullptr);
    ReadFormDescription(form.get(), kForm, "PickerForm.dfm");

    auto* combo = DescribedComponent<TbsSkinComboBox>(form.get(), "Presets");
    EXPECT_EQ(combo->Items().Count(), 3);
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(combo->Text(), "Small file");
    EXPECT_EQ(combo->DropDownCount(), 12);
    EXPECT_EQ(combo->ListBoxWidth(), 200);
    EXPECT_FALSE(combo->UseSkinSize());
    EXPECT_TRUE(combo->AlphaBlend());
    EXPECT_EQ(combo->AlphaBlendValue(), 220);
    EXPECT_TRUE(combo->ListBoxCaptionMode());
    EXPECT_EQ(combo->ListBoxCaption(), "Presets");
    EXPECT_EQ(combo->TabWidths().Count(), 1);

    auto* list = DescribedComponent<TbsSkinListBox>(form.get(), "Jobs");
    EXPECT_EQ(list->Items().Count(), 2);
    EXPECT_EQ(list->ItemIndex(), 0);
    EXPECT_TRUE(list->CaptionMode());
    EXPECT_EQ(list->DefaultCaptionHeight(), 24);
    EXPECT_EQ(list->Alignment(), taCenter);
    EXPECT_FALSE(list->ShowCaptionButtons());
    EXPECT_EQ(list->DefaultItemHeight(), 18);
}

} // namespace
