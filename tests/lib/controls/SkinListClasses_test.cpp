// Form descriptions name the skinned list box and combo box and set what a description stores
// for them; a streamed ItemIndex shows its item without the run-time events. The drawing
// events, the inner list's input events and its drag settings bind to the form's handlers.
#include "lib/controls/TbsListBox.h"
#include "lib/controls/TbsPopupListBox.h"
#include "lib/controls/TbsSkinComboBox.h"
#include "lib/controls/TbsSkinCustomListView.h"
#include "lib/controls/TbsSkinListBox.h"
#include "lib/controls/bsSkinCtrlsClasses.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TClassRegistry.h"
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

// A form whose handlers note which one ran and with which sender.
class THandlersForm : public TForm {
public:
    using TForm::TForm;
    std::string ClassName() const override { return "THandlersForm"; }
    std::vector<std::pair<std::string, TObject*>> FCalls;
};

constexpr const char* kHandlersForm = R"(object HandlersForm: THandlersForm
  Width = 400
  Height = 300
  object Jobs: TbsSkinListBox
    Left = 10
    Top = 10
    Width = 150
    Height = 100
    ListBoxDragMode = dmAutomatic
    ListBoxDragKind = dkDock
    ListBoxDragCursor = -21
    ListBoxTabStop = False
    OnDrawItem = Draw
    OnListBoxMouseDown = MouseDown
    OnListBoxDragDrop = Dropped
    OnListBoxDragOver = Over
    OnListBoxStartDrag = Started
    OnListBoxEndDrag = Ended
  end
  object Presets: TbsSkinComboBox
    Left = 10
    Top = 120
    Width = 150
    Height = 20
    OnComboBoxDrawItem = Draw
    OnListBoxDrawItem = Draw
  end
  object Queue: TbsSkinListView
    Left = 170
    Top = 10
    Width = 200
    Height = 150
    OnDrawHeaderSection = DrawSection
  end
end
)";

TEST_F(SkinListClasses, DescriptionBindsDrawingInputAndDragEventsToTheFormsHandlers) {
    RegisterSkinCtrlsClasses();
    auto& r = TClassRegistry::Instance();
    r.RegisterClass("THandlersForm", "TForm");
    const auto note = [](TComponent* root, const char* name, TObject* sender) {
        static_cast<THandlersForm*>(root)->FCalls.emplace_back(name, sender);
    };
    r.RegisterMethod("THandlersForm", "Draw", [note](TComponent* root) {
        return std::any(
            TbsDrawSkinItemEvent([=](TObject* sender, TCanvas&, int, int, int, const TRect&,
                                     TOwnerDrawState) { note(root, "Draw", sender); }));
    });
    r.RegisterMethod("THandlersForm", "MouseDown", [note](TComponent* root) {
        return std::any(TMouseEvent([=](TObject* sender, TMouseButton, TShiftState, int, int) {
            note(root, "MouseDown", sender);
        }));
    });
    r.RegisterMethod("THandlersForm", "Dropped", [note](TComponent* root) {
        return std::any(TDragDropEvent(
            [=](TObject* sender, TObject*, int, int) { note(root, "Dropped", sender); }));
    });
    r.RegisterMethod("THandlersForm", "Over", [note](TComponent* root) {
        return std::any(
            TDragOverEvent([=](TObject* sender, TObject*, int, int, TDragState, bool& accept) {
                accept = true;
                note(root, "Over", sender);
            }));
    });
    r.RegisterMethod("THandlersForm", "Started", [note](TComponent* root) {
        return std::any(TStartDragEvent(
            [=](TObject* sender, TDragObject*&) { note(root, "Started", sender); }));
    });
    r.RegisterMethod("THandlersForm", "Ended", [note](TComponent* root) {
        return std::any(TEndDragEvent(
            [=](TObject* sender, TObject*, int, int) { note(root, "Ended", sender); }));
    });
    r.RegisterMethod("THandlersForm", "DrawSection", [note](TComponent* root) {
        return std::any(TbsDrawHeaderSectionEvent([=](TCanvas&, TListColumn*, bool, const TRect&) {
            note(root, "DrawSection", nullptr);
        }));
    });
    TApplication app(nullptr);
    auto form = std::make_unique<THandlersForm>(nullptr);
    ReadFormDescription(form.get(), kHandlersForm, "HandlersForm.dfm");

    auto* jobs = DescribedComponent<TbsSkinListBox>(form.get(), "Jobs");
    TbsListBox* inner = jobs->ListBox;
    EXPECT_EQ(inner->DragMode(), dmAutomatic);
    EXPECT_EQ(inner->DragKind(), dkDock);
    EXPECT_EQ(inner->DragCursor(), crHandPoint);
    EXPECT_FALSE(inner->TabStop());
    ASSERT_TRUE(jobs->OnDrawItem && jobs->OnListBoxMouseDown);
    // The drag events sit in the inner list's own, which report the inner list.
    ASSERT_TRUE(inner->OnDragDrop && inner->OnDragOver && inner->OnStartDrag && inner->OnEndDrag);
    TCanvas canvas;
    jobs->OnDrawItem(jobs, canvas, 0, 10, 10, TRect(), {});
    jobs->OnListBoxMouseDown(jobs, mbLeft, {}, 1, 1);
    bool accept = false;
    inner->OnDragOver(inner, inner, 1, 1, dsDragMove, accept);
    inner->OnDragDrop(inner, inner, 1, 1);
    TDragObject* dragged = nullptr;
    inner->OnStartDrag(inner, dragged);
    inner->OnEndDrag(inner, nullptr, 1, 1);
    EXPECT_TRUE(accept);

    auto* presets = DescribedComponent<TbsSkinComboBox>(form.get(), "Presets");
    ASSERT_TRUE(presets->OnComboBoxDrawItem && presets->FListBox->OnDrawItem);
    presets->OnComboBoxDrawItem(presets, canvas, 0, 10, 10, TRect(), {});
    auto* queue = DescribedComponent<TbsSkinListView>(form.get(), "Queue");
    ASSERT_TRUE(queue->OnDrawHeaderSection);

    const std::vector<std::pair<std::string, TObject*>> expected = {
        { "Draw", jobs },     { "MouseDown", jobs }, { "Over", inner },   { "Dropped", inner },
        { "Started", inner }, { "Ended", inner },    { "Draw", presets },
    };
    EXPECT_EQ(form->FCalls, expected);
}

} // namespace
