#include "ScrollSheetRows.h"
#include "SheetWithBars.h"

#include "lib/controls/TbsSkinScrollBar.h"
#include "lib/controls/TbsSkinScrollBox.h"
#include "lib/controls/TbsSkinSlider.h"
#include "lib/controls/TbsSkinUpDown.h"
#include "platform/forms/TCustomControl.h"

namespace {

// A child larger than the box, in a colour no skin face has.
class TSheetContent : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

protected:
    void Paint() override {
        Canvas().Brush().SetColor(TColor(0xCC6633));
        Canvas().FillRect(TRect(0, 0, Width(), Height()));
    }
};

// A scroll box with its vertical bar at the right and its horizontal bar below, reaching
// under the vertical one into the corner.
class TSheetScrollBox : public TSheetWithBars {
public:
    TSheetScrollBox(TComponent* owner, TbsSkinData* skin) : TSheetWithBars(owner) {
        FBox = Place(new TbsSkinScrollBox(owner));
        FBox->SetSkinData(skin);
        PlaceBars(owner, skin, FBox);
        auto* content = new TSheetContent(owner);
        content->SetParent(FBox);
        content->SetBounds(10, 10, 300, 300);
        FBox->SetVScrollBar(FVBar);
        FBox->SetHScrollBar(FHBar);
    }

protected:
    void Resize() override {
        TSheetWithBars::Resize();
        FVBar->SetPosition(40);
        FHBar->SetPosition(40);
    }

private:
    TbsSkinScrollBox* FBox{ nullptr };
};

} // namespace

TSheetRow ScrollBarSheetRow(const std::string& label, TScrollBarKind kind, bool both) {
    const bool vertical = kind == sbVertical;
    const std::string record = both ? "bothhscrollbar" : vertical ? "vscrollbar" : "hscrollbar";
    const TSize size = vertical ? TSize(17, 120) : TSize(200, 17);
    return { label, record, size,
             [kind, both](TForm& form, TbsSkinData* skin, const std::string& name) -> TControl* {
                 auto* bar = new TbsSkinScrollBar(&form);
                 bar->SetKind(kind);
                 bar->SetSkinDataName(both ? "hscrollbar" : name);
                 bar->SetBoth(both);
                 bar->SetSkinData(skin);
                 // With the corner left free the track is shorter: 52 keeps the thumb under
                 // the centre.
                 bar->SetPosition(both ? 52 : 50);
                 return bar;
             } };
}

TSheetRow UpDownSheetRow(const std::string& label, TUDOrientation orientation) {
    const bool vertical = orientation == udVertical;
    TSheetRow row{
        label, vertical ? "vupdown" : "hupdown", vertical ? TSize(17, 34) : TSize(34, 17),
        [orientation](TForm& form, TbsSkinData* skin, const std::string& name) -> TControl* {
            auto* updown = new TbsSkinUpDown(&form);
            updown->SetOrientation(orientation);
            updown->SetSkinDataName(name);
            updown->SetSkinData(skin);
            return updown;
        }
    };
    // A disabled up-down looks as an enabled one.
    row.DistinctStates = { ssHot, ssPressed };
    return row;
}

TSheetRow SliderSheetRow(const std::string& label, TbsSliderOrientation orientation) {
    const bool vertical = orientation == soVertical;
    TSheetRow row{ label, "slider", vertical ? TSize(30, 150) : TSize(150, 30),
                   [orientation](TForm& form, TbsSkinData* skin,
                                 const std::string& name) -> TControl* {
                       auto* slider = new TbsSkinSlider(&form);
                       slider->SetOrientation(orientation);
                       slider->SetSkinDataName(name);
                       slider->SetSkinData(skin);
                       slider->SetValue(50);
                       return slider;
                   } };
    // The ruler does not reach the corners, and the slider has no hot look; pressed is the
    // thumb held (and dragged), disabled its second state, focused the dotted rectangle.
    row.CornersFromFace = false;
    row.DistinctStates = { ssPressed, ssDisabled, ssFocused };
    return row;
}

TSheetRow ScrollBoxSheetRow(const std::string& label) {
    TSheetRow row{ label, "scrollbox", TSize(160, 120),
                   [](TForm& form, TbsSkinData* skin, const std::string&) -> TControl* {
                       return new TSheetScrollBox(&form, skin);
                   } };
    // The bars take the right and bottom edges; nothing in the box answers the pointer.
    row.CornersFromFace = false;
    row.DistinctStates = {};
    return row;
}
