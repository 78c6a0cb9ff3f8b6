// Form descriptions name the office picker and list and set their rows and settings; an index
// read from a description fires neither of the picker's events.
#include "lib/controls/TbsPopupOfficeListBox.h"
#include "lib/controls/TbsSkinOfficeComboBox.h"
#include "lib/controls/bsSkinCtrlsClasses.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TClassRegistry.h"
#include "platform/forms/TFormReader.h"
#include "tests/platform/forms/FormsTestSupport.h"

namespace {

using formstest::FormsTest;

class TPickerForm : public TForm {
public:
    using TForm::TForm;
    std::string ClassName() const override { return "TPickerForm"; }
    int FChanges{ 0 };
};

constexpr const char* kForm = R"(object PickerForm: TPickerForm
  Width = 300
  Height = 200
  object Formats: TbsSkinOfficeComboBox
    Left = 10
    Top = 20
    Width = 200
    Height = 30
    SkinDataName = 'combobox'
    ToolButtonStyle = True
    ListBoxItemHeight = 60
    ListBoxHeaderHeight = 22
    ListBoxSkinDataName = 'listbox'
    ListBoxShowLines = True
    ListBoxWidth = 260
    DropDownCount = 4
    AlphaBlendValue = 220
    DefaultColor = clYellow
    Items = <
      item
        Header = True
        Caption = 'Video'
      end
      item
        Title = 'MP4'
        Caption = 'H.264 and AAC'
        ImageIndex = 2
      end
      item
        Enabled = False
        Caption = 'Off'
      end>
    ItemIndex = 1
    OnChange = FormatsChange
    OnClick = FormatsChange
  end
  object Rows: TbsSkinOfficeListBox
    Left = 10
    Top = 60
    ShowItemTitles = False
    ItemHeight = 40
    Items = <
      item
        Caption = 'one'
      end>
  end
end
)";

using OfficeCtrlsClasses = FormsTest;

TEST_F(OfficeCtrlsClasses, DescriptionSetsRowsAndSettingsWithoutFiringThePickersEvents) {
    RegisterSkinCtrlsClasses();
    auto& r = TClassRegistry::Instance();
    r.RegisterClass("TPickerForm", "TForm");
    r.RegisterMethod("TPickerForm", "FormatsChange", [](TComponent* root) {
        auto* form = static_cast<TPickerForm*>(root);
        return std::any(TNotifyEvent([form](TObject*) { ++form->FChanges; }));
    });
    TApplication app(nullptr);
    auto form = std::make_unique<TPickerForm>(nullptr);
    ReadFormDescription(form.get(), kForm, "PickerForm.dfm");

    auto* formats = DescribedComponent<TbsSkinOfficeComboBox>(form.get(), "Formats");
    EXPECT_EQ(form->FChanges, 0);
    EXPECT_EQ(formats->ItemIndex(), 1);
    EXPECT_TRUE(formats->ToolButtonStyle());
    EXPECT_EQ(formats->ListBoxItemHeight(), 60);
    EXPECT_EQ(formats->ListBoxHeaderHeight(), 22);
    EXPECT_EQ(formats->ListBoxSkinDataName(), "listbox");
    EXPECT_TRUE(formats->ListBoxShowLines());
    EXPECT_EQ(formats->ListBoxWidth(), 260);
    EXPECT_EQ(formats->DropDownCount(), 4);
    EXPECT_EQ(formats->AlphaBlendValue(), 220);
    EXPECT_EQ(formats->DefaultColor(), clYellow);
    ASSERT_EQ(formats->Items().Count(), 3);
    EXPECT_TRUE(formats->Items()[0]->Header());
    EXPECT_EQ(formats->Items()[1]->Title(), "MP4");
    EXPECT_EQ(formats->Items()[1]->Caption(), "H.264 and AAC");
    EXPECT_EQ(formats->Items()[1]->ImageIndex(), 2);
    EXPECT_FALSE(formats->Items()[2]->Enabled());
    // At run time the same events follow every choice.
    formats->SetItemIndex(1);
    EXPECT_EQ(form->FChanges, 2);

    auto* rows = DescribedComponent<TbsSkinOfficeListBox>(form.get(), "Rows");
    EXPECT_FALSE(rows->ShowItemTitles());
    EXPECT_EQ(rows->ItemHeight(), 40);
    ASSERT_EQ(rows->Items().Count(), 1);
    EXPECT_EQ(rows->Items()[0]->Caption(), "one");
}

} // namespace
