// Form descriptions name the scroll bar, up-down, scroll box and slider and set what a
// description stores for them.
#include "lib/controls/TbsSkinScrollBar.h"
#include "lib/controls/TbsSkinScrollBox.h"
#include "lib/controls/TbsSkinSlider.h"
#include "lib/controls/TbsSkinUpDown.h"
#include "lib/controls/bsSkinCtrlsClasses.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TClassRegistry.h"
#include "platform/forms/TFormReader.h"
#include "tests/platform/forms/FormsTestSupport.h"

#include <string>
#include <vector>

namespace {

constexpr const char* kForm = R"(object ScrollForm: TForm
  Width = 400
  Height = 300
  object Box: TbsSkinScrollBox
    Left = 8
    Top = 8
    Width = 200
    Height = 150
    HScrollBar = Across
    VScrollBar = Down
    BorderStyle = bvLowered
    CanFocused = True
  end
  object Across: TbsSkinScrollBar
    Left = 8
    Top = 160
    Width = 200
    Height = 19
    Kind = sbHorizontal
    SmallChange = 3
    LargeChange = 30
    BothMarkerWidth = 21
    BothSkinDataName = 'corner'
    CanFocused = True
  end
  object Down: TbsSkinScrollBar
    Left = 210
    Top = 8
    Width = 19
    Height = 150
    Kind = sbVertical
    SkinDataName = 'vscrollbar'
  end
  object Loose: TbsSkinScrollBar
    Left = 8
    Top = 180
    Min = 10
    Max = 500
    Position = 40
    PageSize = 50
    Both = True
  end
  object Steps: TbsSkinUpDown
    Left = 240
    Top = 8
    UseSkinSize = False
    Orientation = udVertical
    Min = -5
    Max = 5
    Position = 2
    Increment = 2
  end
  object bsSkinSlider1: TbsSkinSlider
    Left = 8
    Top = 200
    Width = 202
    Height = 26
    MaxValue = 1000
    Value = 250
    Increment = 25
    Options = [soShowFocus, soSmooth]
    EdgeSize = 3
    NumThumbStates = 1
    Transparent = True
    UseSkinThumb = False
  end
end
)";

using ScrollCtrlsClasses = formstest::FormsTest;

TEST_F(ScrollCtrlsClasses, DescriptionSetsWhatItStoresForEachClass) {
    RegisterSkinCtrlsClasses();
    TApplication app(nullptr);
    auto form = std::make_unique<TForm>(nullptr);
    ReadFormDescription(form.get(), kForm, "ScrollForm.dfm");

    auto* box = DescribedComponent<TbsSkinScrollBox>(form.get(), "Box");
    auto* across = DescribedComponent<TbsSkinScrollBar>(form.get(), "Across");
    auto* down = DescribedComponent<TbsSkinScrollBar>(form.get(), "Down");
    EXPECT_EQ(box->HScrollBar(), across);
    EXPECT_EQ(box->VScrollBar(), down);
    EXPECT_EQ(box->BorderStyle(), bvLowered);
    EXPECT_TRUE(box->CanFocused());
    EXPECT_FALSE(across->CanFocused()) << "a linked bar takes no focus";

    EXPECT_EQ(down->Kind(), sbVertical);
    EXPECT_EQ(down->SkinDataName(), "vscrollbar");
    auto* loose = DescribedComponent<TbsSkinScrollBar>(form.get(), "Loose");
    EXPECT_EQ(loose->Min(), 10);
    EXPECT_EQ(loose->Max(), 500);
    EXPECT_EQ(loose->Position(), 40);
    EXPECT_EQ(loose->PageSize(), 50);
    EXPECT_TRUE(loose->Both());
    EXPECT_EQ(loose->SkinDataName(), "bothhscrollbar");
    EXPECT_EQ(across->SmallChange(), 3);
    EXPECT_EQ(across->LargeChange(), 30);
    EXPECT_EQ(across->BothMarkerWidth(), 21);
    EXPECT_EQ(across->BothSkinDataName(), "corner");

    auto* steps = DescribedComponent<TbsSkinUpDown>(form.get(), "Steps");
    EXPECT_FALSE(steps->UseSkinSize());
    EXPECT_EQ(steps->Orientation(), udVertical);
    EXPECT_EQ(steps->Min(), -5);
    EXPECT_EQ(steps->Max(), 5);
    EXPECT_EQ(steps->Position(), 2);
    EXPECT_EQ(steps->Increment(), 2);

    auto* slider = DescribedComponent<TbsSkinSlider>(form.get(), "bsSkinSlider1");
    EXPECT_EQ(TSize(slider->Width(), slider->Height()), TSize(202, 26));
    EXPECT_EQ(slider->MaxValue(), 1000);
    EXPECT_EQ(slider->Value(), 250);
    EXPECT_EQ(slider->Increment(), 25);
    EXPECT_EQ(slider->Options(), (TbsSliderOptions{ soShowFocus, soSmooth }));
    EXPECT_EQ(slider->EdgeSize(), 3);
    EXPECT_EQ(slider->NumThumbStates(), 1);
    EXPECT_TRUE(slider->Transparent());
    EXPECT_FALSE(slider->UseSkinThumb());
}

// A form whose handlers log their calls, as the program's main window binds the preview's
// slider: it pauses on the press, seeks on the release and shows the position on a change.
class TSliderHost : public TForm {
public:
    using TForm::TForm;
    std::string ClassName() const override { return "TSliderHost"; }
    std::vector<std::string> FCalls;
};

constexpr const char* kPreviewForm = R"(object Host: TSliderHost
  object bsSkinSlider1: TbsSkinSlider
    Left = 8
    Top = 152
    Width = 202
    Height = 26
    OnMouseDown = bsSkinSlider1MouseDown
    OnMouseUp = bsSkinSlider1MouseUp
    OnChange = bsSkinSlider1Change
  end
end
)";

TEST_F(ScrollCtrlsClasses, PreviewSliderBindsTheEventsTheProgramHandles) {
    RegisterSkinCtrlsClasses();
    auto& r = TClassRegistry::Instance();
    r.RegisterClass("TSliderHost", "TForm");
    const auto log = [](TComponent* root, std::string call) {
        return [host = static_cast<TSliderHost*>(root), call] { host->FCalls.push_back(call); };
    };
    r.RegisterMethod("TSliderHost", "bsSkinSlider1MouseDown", [log](TComponent* root) {
        return std::any(TMouseEvent(
            [f = log(root, "down")](TObject*, TMouseButton, TShiftState, int, int) { f(); }));
    });
    r.RegisterMethod("TSliderHost", "bsSkinSlider1MouseUp", [log](TComponent* root) {
        return std::any(TMouseEvent(
            [f = log(root, "up")](TObject*, TMouseButton, TShiftState, int, int) { f(); }));
    });
    r.RegisterMethod("TSliderHost", "bsSkinSlider1Change", [log](TComponent* root) {
        return std::any(TNotifyEvent([f = log(root, "change")](TObject*) { f(); }));
    });
    TApplication app(nullptr);
    TSliderHost host(nullptr);
    ReadFormDescription(&host, kPreviewForm, "Preview.dfm");
    auto* slider = DescribedComponent<TbsSkinSlider>(&host, "bsSkinSlider1");
    slider->SetValue(40);
    slider->OnMouseDown(slider, mbLeft, {}, 0, 0);
    slider->OnMouseUp(slider, mbLeft, {}, 0, 0);
    EXPECT_EQ(host.FCalls, (std::vector<std::string>{ "change", "down", "up" }));
}

} // namespace
