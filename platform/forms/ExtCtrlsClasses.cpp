#include "platform/forms/ExtCtrlsClasses.h"
#include "platform/forms/FormDescription.h"
#include "platform/forms/TClassRegistry.h"
#include "platform/forms/TComboBox.h"
#include "platform/forms/TImage.h"
#include "platform/forms/TListBox.h"
#include "platform/forms/TMemo.h"
#include "platform/forms/TProgressBar.h"
#include "platform/forms/TScrollBar.h"
#include "platform/forms/TScrollBox.h"
#include "platform/forms/TShape.h"
#include "platform/forms/TSplitter.h"
#include "platform/forms/TStatusBar.h"
#include "platform/forms/TTrackBar.h"
#include "platform/forms/TUpDown.h"

namespace {

using namespace properties;

const TNames<TFormBorderStyle> kBorderStyles{ { "bsNone", bsNone }, { "bsSingle", bsSingle } };

void RegisterListBox(TClassRegistry& r) {
    const std::string c = "TListBox";
    r.RegisterClass(c, "TCustomControl", [](TComponent* owner) { return new TListBox(owner); });
    r.RegisterProperty(c, "Items.Strings", Lines(&TListBox::Items));
    r.RegisterProperty(c, "ItemHeight", Integer(&TListBox::SetItemHeight));
    r.RegisterProperty(c, "Columns", Integer(&TListBox::SetColumns));
    r.RegisterProperty(c, "MultiSelect", Boolean(&TListBox::SetMultiSelect));
    r.RegisterProperty(c, "ExtendedSelect", Boolean(&TListBox::SetExtendedSelect));
    r.RegisterProperty(c, "Sorted", Boolean(&TListBox::SetSorted));
    r.RegisterProperty(c, "AutoComplete", Boolean(&TListBox::SetAutoComplete));
    r.RegisterProperty(c, "BorderStyle", Enum(&TListBox::SetBorderStyle, kBorderStyles));
    r.RegisterProperty(
        c, "Style",
        Enum(&TListBox::SetStyle,
             TNames<TListBoxStyle>{ { "lbStandard", lbStandard },
                                    { "lbOwnerDrawFixed", lbOwnerDrawFixed },
                                    { "lbOwnerDrawVariable", lbOwnerDrawVariable } }));
}

void RegisterComboBox(TClassRegistry& r) {
    const std::string c = "TComboBox";
    r.RegisterClass(c, "TCustomControl", [](TComponent* owner) { return new TComboBox(owner); });
    r.RegisterProperty(
        c, "Style",
        Enum(&TComboBox::SetStyle, TNames<TComboBoxStyle>{ { "csDropDown", csDropDown },
                                                           { "csDropDownList", csDropDownList } }));
    r.RegisterProperty(c, "Items.Strings", Lines(&TComboBox::Items));
    r.RegisterProperty(c, "ItemIndex", Integer(&TComboBox::SetItemIndex));
    r.RegisterProperty(c, "DropDownCount", Integer(&TComboBox::SetDropDownCount));
    r.RegisterProperty(c, "Sorted", Boolean(&TComboBox::SetSorted));
    r.RegisterProperty(c, "OnChange", Event(&TComboBox::OnChange));
    r.RegisterProperty(c, "OnSelect", Event(&TComboBox::OnSelect));
    r.RegisterProperty(c, "OnDropDown", Event(&TComboBox::OnDropDown));
    r.RegisterProperty(c, "OnCloseUp", Event(&TComboBox::OnCloseUp));
}

void RegisterMemo(TClassRegistry& r) {
    const std::string c = "TMemo";
    r.RegisterClass(c, "TCustomControl", [](TComponent* owner) { return new TMemo(owner); });
    r.RegisterProperty(c, "Lines.Strings", Lines(&TMemo::Lines));
    r.RegisterProperty(c, "ReadOnly", Boolean(&TMemo::SetReadOnly));
    r.RegisterProperty(c, "WordWrap", Boolean(&TMemo::SetWordWrap));
    r.RegisterProperty(c, "WantReturns", Boolean(&TMemo::SetWantReturns));
    r.RegisterProperty(c, "WantTabs", Boolean(&TMemo::SetWantTabs));
    r.RegisterProperty(c, "MaxLength", Integer(&TMemo::SetMaxLength));
    r.RegisterProperty(c, "BorderStyle", Enum(&TMemo::SetBorderStyle, kBorderStyles));
    r.RegisterProperty(
        c, "ScrollBars",
        Enum(&TMemo::SetScrollBars, TNames<TScrollStyle>{ { "ssNone", ssNone },
                                                          { "ssHorizontal", ssHorizontal },
                                                          { "ssVertical", ssVertical },
                                                          { "ssBoth", ssBoth } }));
    r.RegisterProperty(c, "OnChange", Event(&TMemo::OnChange));
}

void RegisterBars(TClassRegistry& r) {
    std::string c = "TProgressBar";
    r.RegisterClass(c, "TCustomControl", [](TComponent* owner) { return new TProgressBar(owner); });
    r.RegisterProperty(c, "Min", Integer(&TProgressBar::SetMin));
    r.RegisterProperty(c, "Max", Integer(&TProgressBar::SetMax));
    r.RegisterProperty(c, "Position", Integer(&TProgressBar::SetPosition));
    r.RegisterProperty(c, "Step", Integer(&TProgressBar::SetStep));
    r.RegisterProperty(c, "Smooth", Boolean(&TProgressBar::SetSmooth));
    r.RegisterProperty(c, "Orientation",
                       Enum(&TProgressBar::SetOrientation,
                            TNames<TProgressBarOrientation>{ { "pbHorizontal", pbHorizontal },
                                                             { "pbVertical", pbVertical } }));

    c = "TTrackBar";
    r.RegisterClass(c, "TCustomControl", [](TComponent* owner) { return new TTrackBar(owner); });
    r.RegisterProperty(c, "Min", Integer(&TTrackBar::SetMin));
    r.RegisterProperty(c, "Max", Integer(&TTrackBar::SetMax));
    r.RegisterProperty(c, "Position", Integer(&TTrackBar::SetPosition));
    r.RegisterProperty(c, "Frequency", Integer(&TTrackBar::SetFrequency));
    r.RegisterProperty(c, "LineSize", Integer(&TTrackBar::SetLineSize));
    r.RegisterProperty(c, "PageSize", Integer(&TTrackBar::SetPageSize));
    r.RegisterProperty(c, "Orientation",
                       Enum(&TTrackBar::SetOrientation,
                            TNames<TTrackBarOrientation>{ { "trHorizontal", trHorizontal },
                                                          { "trVertical", trVertical } }));
    r.RegisterProperty(
        c, "TickMarks",
        Enum(&TTrackBar::SetTickMarks, TNames<TTickMark>{ { "tmBottomRight", tmBottomRight },
                                                          { "tmTopLeft", tmTopLeft },
                                                          { "tmBoth", tmBoth } }));
    r.RegisterProperty(
        c, "TickStyle",
        Enum(&TTrackBar::SetTickStyle, TNames<TTickStyle>{ { "tsNone", tsNone },
                                                           { "tsAuto", tsAuto },
                                                           { "tsManual", tsManual } }));
    r.RegisterProperty(c, "OnChange", Event(&TTrackBar::OnChange));

    c = "TScrollBar";
    r.RegisterClass(c, "TCustomControl", [](TComponent* owner) { return new TScrollBar(owner); });
    r.RegisterProperty(
        c, "Kind",
        Enum(&TScrollBar::SetKind, TNames<TScrollBarKind>{ { "sbHorizontal", sbHorizontal },
                                                           { "sbVertical", sbVertical } }));
    r.RegisterProperty(c, "Min", Integer(&TScrollBar::SetMin));
    r.RegisterProperty(c, "Max", Integer(&TScrollBar::SetMax));
    r.RegisterProperty(c, "Position", Integer(&TScrollBar::SetPosition));
    r.RegisterProperty(c, "PageSize", Integer(&TScrollBar::SetPageSize));
    r.RegisterProperty(c, "SmallChange", Integer(&TScrollBar::SetSmallChange));
    r.RegisterProperty(c, "LargeChange", Integer(&TScrollBar::SetLargeChange));
    r.RegisterProperty(c, "OnChange", Event(&TScrollBar::OnChange));
    r.RegisterProperty(c, "OnScroll", Event(&TScrollBar::OnScroll));

    c = "TUpDown";
    r.RegisterClass(c, "TCustomControl", [](TComponent* owner) { return new TUpDown(owner); });
    r.RegisterProperty(c, "Associate", Reference(&TUpDown::SetAssociate));
    r.RegisterProperty(c, "Min", Integer(&TUpDown::SetMin));
    r.RegisterProperty(c, "Max", Integer(&TUpDown::SetMax));
    r.RegisterProperty(c, "Position", Integer(&TUpDown::SetPosition));
    r.RegisterProperty(c, "Increment", Integer(&TUpDown::SetIncrement));
    r.RegisterProperty(c, "Wrap", Boolean(&TUpDown::SetWrap));
    r.RegisterProperty(c, "ArrowKeys", Boolean(&TUpDown::SetArrowKeys));
    r.RegisterProperty(c, "Thousands", Boolean(&TUpDown::SetThousands));
    r.RegisterProperty(
        c, "Orientation",
        Enum(&TUpDown::SetOrientation, TNames<TUDOrientation>{ { "udHorizontal", udHorizontal },
                                                               { "udVertical", udVertical } }));
    r.RegisterProperty(
        c, "AlignButton",
        Enum(&TUpDown::SetAlignButton,
             TNames<TUDAlignButton>{ { "udLeft", udLeft }, { "udRight", udRight } }));
    r.RegisterProperty(c, "OnClick", Event(&TUpDown::OnClick));
    r.RegisterProperty(c, "OnChanging", Event(&TUpDown::OnChanging));
}

void RegisterImage(TClassRegistry& r) {
    const std::string c = "TImage";
    r.RegisterClass(c, "TGraphicControl", [](TComponent* owner) { return new TImage(owner); });
    r.RegisterProperty(c, "Picture.Data", Binary(&TImage::SetPictureData));
    r.RegisterProperty(c, "Stretch", Boolean(&TImage::SetStretch));
    r.RegisterProperty(c, "Center", Boolean(&TImage::SetCenter));
    r.RegisterProperty(c, "Proportional", Boolean(&TImage::SetProportional));
    r.RegisterProperty(c, "Transparent", Boolean(&TImage::SetTransparent));
    r.RegisterProperty(c, "AutoSize", Boolean(&TImage::SetAutoSize));
}

void RegisterShape(TClassRegistry& r) {
    const std::string c = "TShape";
    r.RegisterClass(c, "TGraphicControl", [](TComponent* owner) { return new TShape(owner); });
    r.RegisterProperty(
        c, "Shape",
        Enum(&TShape::SetShape, TNames<TShapeType>{ { "stRectangle", stRectangle },
                                                    { "stSquare", stSquare },
                                                    { "stRoundRect", stRoundRect },
                                                    { "stRoundSquare", stRoundSquare },
                                                    { "stEllipse", stEllipse },
                                                    { "stCircle", stCircle } }));
    r.RegisterProperty(c, "Pen.Color",
                       [](TPersistent* o, const TDescriptionValue& v, TReadContext&) {
                           Target<TShape>(o)->Pen().SetColor(ColorOf(v));
                       });
    r.RegisterProperty(c, "Pen.Width",
                       [](TPersistent* o, const TDescriptionValue& v, TReadContext&) {
                           Target<TShape>(o)->Pen().SetWidth(int(IntegerOf(v)));
                       });
    r.RegisterProperty(c, "Brush.Color",
                       [](TPersistent* o, const TDescriptionValue& v, TReadContext&) {
                           Target<TShape>(o)->Brush().SetColor(ColorOf(v));
                       });
}

void RegisterContainers(TClassRegistry& r) {
    std::string c = "TSplitter";
    r.RegisterClass(c, "TGraphicControl", [](TComponent* owner) { return new TSplitter(owner); });
    r.RegisterProperty(c, "MinSize", Integer(&TSplitter::SetMinSize));
    r.RegisterProperty(c, "Beveled", Boolean(&TSplitter::SetBeveled));
    r.RegisterProperty(c, "OnMoved", Event(&TSplitter::OnMoved));

    const std::string panel = "TStatusPanel";
    r.RegisterClass(panel, "");
    r.RegisterProperty(panel, "Text", String(&TStatusPanel::SetText));
    r.RegisterProperty(panel, "Width", Integer(&TStatusPanel::SetWidth));
    r.RegisterProperty(
        panel, "Alignment",
        Enum(&TStatusPanel::SetAlignment, TNames<TAlignment>{ { "taLeftJustify", taLeftJustify },
                                                              { "taRightJustify", taRightJustify },
                                                              { "taCenter", taCenter } }));
    r.RegisterProperty(
        panel, "Bevel",
        Enum(&TStatusPanel::SetBevel, TNames<TStatusPanelBevel>{ { "pbNone", pbNone },
                                                                 { "pbLowered", pbLowered },
                                                                 { "pbRaised", pbRaised } }));
    r.RegisterProperty(
        panel, "Style",
        Enum(&TStatusPanel::SetStyle,
             TNames<TStatusPanelStyle>{ { "psText", psText }, { "psOwnerDraw", psOwnerDraw } }));
    c = "TStatusBar";
    r.RegisterClass(c, "TCustomControl", [](TComponent* owner) { return new TStatusBar(owner); });
    r.RegisterProperty(c, "Panels", Collection(&TStatusBar::Panels, panel));
    r.RegisterProperty(c, "SimplePanel", Boolean(&TStatusBar::SetSimplePanel));
    r.RegisterProperty(c, "SimpleText", String(&TStatusBar::SetSimpleText));
    r.RegisterProperty(c, "SizeGrip", Boolean(&TStatusBar::SetSizeGrip));

    c = "TScrollBox";
    r.RegisterClass(c, "TWinControl", [](TComponent* owner) { return new TScrollBox(owner); });
    r.RegisterProperty(c, "BorderStyle", Enum(&TScrollBox::SetBorderStyle, kBorderStyles));
}

} // namespace

void RegisterExtCtrlsClasses(TClassRegistry& r) {
    RegisterShape(r);
    RegisterContainers(r);
    RegisterBars(r);
    RegisterImage(r);
    RegisterMemo(r);
    RegisterListBox(r);
    RegisterComboBox(r);
}
