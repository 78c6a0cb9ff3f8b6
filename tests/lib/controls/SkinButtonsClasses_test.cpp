// Form descriptions name the skinned buttons and set what the program's forms set for them.
#include "lib/controls/TbsSkinButton.h"
#include "lib/controls/TbsSkinMenuSpeedButton.h"
#include "lib/controls/bsSkinCtrlsClasses.h"
#include "lib/menus/TbsSkinPopupMenu.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TClassRegistry.h"
#include "platform/forms/TFormReader.h"
#include "tests/platform/forms/FormsTestSupport.h"

namespace {

using formstest::FormsTest;

class TButtonsForm : public TForm {
public:
    using TForm::TForm;
    std::string ClassName() const override { return "TButtonsForm"; }
    int FStarts{ 0 };
    int FPresses{ 0 };
};

constexpr const char* kForm = R"(object ButtonsForm: TButtonsForm
  Width = 300
  Height = 200
  object Start: TbsSkinButton
    Left = 188
    Top = 4
    Width = 52
    Height = 50
    Hint = 'Start converting'
    Caption = 'Start'
    Enabled = False
    ShowHint = True
    TabOrder = 3
    Visible = False
    OnClick = StartClick
    OnMouseDown = StartMouseDown
    Default = True
    ModalResult = 1
    GroupIndex = 2
    Layout = blGlyphTop
  end
  object Add: TbsSkinMenuSpeedButton
    Left = 8
    Top = 4
    Width = 52
    Height = 50
    Caption = 'Add'
    SkinPopupMenu = AddMenu
    TrackButtonMode = True
    TrackPosition = bstpBottom
  end
  object Tool: TbsSkinSpeedButton
    Left = 70
    Top = 4
    Flat = True
    ShowCaption = False
  end
  object AddMenu: TbsSkinPopupMenu
  end
end
)";

using SkinButtonsClasses = FormsTest;

TEST_F(SkinButtonsClasses, DescriptionSetsWhatTheProgramsFormsSet) {
    RegisterSkinCtrlsClasses();
    auto& r = TClassRegistry::Instance();
    r.RegisterClass("TbsSkinPopupMenu", "TPopupMenu",
                    [](TComponent* owner) { return new TbsSkinPopupMenu(owner); });
    r.RegisterClass("TButtonsForm", "TForm");
    r.RegisterMethod("TButtonsForm", "StartClick", [](TComponent* root) {
        auto* form = static_cast<TButtonsForm*>(root);
        return std::any(TNotifyEvent([form](TObject*) { ++form->FStarts; }));
    });
    r.RegisterMethod("TButtonsForm", "StartMouseDown", [](TComponent* root) {
        auto* form = static_cast<TButtonsForm*>(root);
        return std::any(TMouseEvent(
            [form](TObject*, TMouseButton, TShiftState, int, int) { ++form->FPresses; }));
    });
    TApplication app(nullptr);
    auto form = std::make_unique<TButtonsForm>(nullptr);
    ReadFormDescription(form.get(), kForm, "ButtonsForm.dfm");

    auto* start = DescribedComponent<TbsSkinButton>(form.get(), "Start");
    EXPECT_EQ(start->Caption(), "Start");
    EXPECT_EQ(start->Hint(), "Start converting");
    EXPECT_FALSE(start->Enabled());
    EXPECT_FALSE(start->Visible());
    EXPECT_TRUE(start->ShowHint());
    EXPECT_EQ(start->BoundsRect(), TRect(188, 4, 240, 54));
    EXPECT_TRUE(start->Default());
    EXPECT_EQ(start->ModalResult(), mrOk);
    EXPECT_EQ(start->GroupIndex(), 2);
    EXPECT_FALSE(start->CanFocused()) << "a grouped button takes no focus";
    EXPECT_EQ(start->Layout(), blGlyphTop);
    ASSERT_TRUE(start->OnClick);
    start->ButtonClick();
    EXPECT_EQ(form->FStarts, 1);
    ASSERT_TRUE(start->OnMouseDown);
    start->OnMouseDown(start, mbLeft, {}, 0, 0);
    EXPECT_EQ(form->FPresses, 1);

    auto* add = DescribedComponent<TbsSkinMenuSpeedButton>(form.get(), "Add");
    EXPECT_EQ(add->SkinPopupMenu(), DescribedComponent<TbsSkinPopupMenu>(form.get(), "AddMenu"));
    EXPECT_TRUE(add->TrackButtonMode());
    EXPECT_EQ(add->TrackPosition(), bstpBottom);
    EXPECT_EQ(add->Caption(), "Add");

    auto* tool = DescribedComponent<TbsSkinSpeedButton>(form.get(), "Tool");
    EXPECT_TRUE(tool->Flat());
    EXPECT_TRUE(tool->Transparent());
    EXPECT_FALSE(tool->ShowCaption());
}

} // namespace
