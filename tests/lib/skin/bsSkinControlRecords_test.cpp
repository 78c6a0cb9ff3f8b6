#include "lib/skindata/bsSkinData.h"

#include "SkinIniText.h"
#include "SkinRecordSections.h"

#include <gtest/gtest.h>

#include <set>

namespace {

std::unique_ptr<TbsDataSkinControl> LoadControl(const std::string& kind, const std::string& text) {
    auto record = CreateSkinControlRecord(kind, "rec");
    if (!record) return nullptr;
    record->LoadFromFile(*MakeIni(text));
    return record;
}

std::vector<std::string> SavedLines(TbsDataSkinControl& record) {
    // The section holds a stale key that saving must erase.
    auto out = MakeIni("[rec]\nstale=1\n[other]\nkept=1\n");
    record.SaveToFile(*out);
    EXPECT_EQ(out->ReadString("other", "kept", ""), "1");
    return SectionLines(*out, "rec");
}

bool IsUpDownGeometry(const std::string& line) {
    for (const char* key : { "lefttoppoint=", "righttoppoint=", "leftbottompoint=",
                             "rightbottompoint=", "clientrect=" })
        if (line.rfind(key, 0) == 0) return true;
    return false;
}

template <class T>
struct TMemberOf;
template <class TClass, class TValue>
struct TMemberOf<TValue TClass::*> {
    using Class = TClass;
};

// A numeric field of the record's concrete class, read through the common base.
template <auto Member>
long long FieldOf(TbsDataSkinControl& record) {
    using TClass = typename TMemberOf<decltype(Member)>::Class;
    return static_cast<long long>(dynamic_cast<TClass&>(record).*Member);
}

} // namespace

TEST(SkinControlRecords, EveryKindWritesBackExactlyTheKeysItRead) {
    for (const auto& kind : ControlKindKeys()) {
        SCOPED_TRACE(kind.Word);
        const auto lines = DistinctLines(kind);
        auto record = LoadControl(kind.Word, SectionText("rec", lines) + "unknownkey=7\n");
        ASSERT_NE(record, nullptr);
        EXPECT_EQ(record->IDName, "rec");
        EXPECT_EQ(SkinControlKindWord(*record), kind.Word);

        auto expected = lines;
        if (std::string(kind.Word) == "updown")
            for (auto& line : expected)
                if (IsUpDownGeometry(line))
                    line = line.substr(0, line.find('=') + 1) +
                           (line.rfind("clientrect=", 0) == 0 ? "0,0,0,0" : "0,0");
        EXPECT_EQ(SavedLines(*record), expected);
    }
}

TEST(SkinControlRecords, EveryKindReadsTheDefaultsOfMissingKeys) {
    for (const auto& kind : ControlKindKeys()) {
        SCOPED_TRACE(kind.Word);
        auto record = LoadControl(kind.Word, "");
        ASSERT_NE(record, nullptr);
        EXPECT_EQ(SavedLines(*record), MissingLines(kind));
    }
}

TEST(SkinControlRecords, NewRecordsAndMissingKeysDifferWhereSkinsExpectIt) {
    struct Case {
        const char* kind;
        const char* field;
        long long (*get)(TbsDataSkinControl&);
        long long created;
        long long loaded;
    };
    const Case kCases[] = {
        { "button", "FontHeight", &FieldOf<&TbsDataSkinButtonControl::FontHeight>, 12, 14 },
        { "button", "AnimateInterval", &FieldOf<&TbsDataSkinButtonControl::AnimateInterval>, 0,
          25 },
        { "button", "GlowLayerAlphaBlendValue",
          &FieldOf<&TbsDataSkinButtonControl::GlowLayerAlphaBlendValue>, 255, 255 },
        { "checkradio", "FontHeight", &FieldOf<&TbsDataSkinCheckRadioControl::FontHeight>, 12, 14 },
        { "edit", "FontHeight", &FieldOf<&TbsDataSkinEditControl::FontHeight>, 12, 14 },
        { "memo", "FontHeight", &FieldOf<&TbsDataSkinEditControl::FontHeight>, 12, 14 },
        { "spinedit", "FontHeight", &FieldOf<&TbsDataSkinSpinEditControl::FontHeight>, 12, 14 },
        { "scrollbar", "ThumbTransparentColor",
          &FieldOf<&TbsDataSkinScrollBarControl::ThumbTransparentColor>, 16711935, 0 },
        { "scrollbar", "GlyphTransparentColor",
          &FieldOf<&TbsDataSkinScrollBarControl::GlyphTransparentColor>, 16711935, 0 },
        { "panel", "GripperTransparentColor",
          &FieldOf<&TbsDataSkinPanelControl::GripperTransparentColor>, 16711935, 0 },
        { "panel", "Alignment", &FieldOf<&TbsDataSkinPanelControl::Alignment>, taCenter, taCenter },
        { "panel", "BGPictureIndex", &FieldOf<&TbsDataSkinPanelControl::BGPictureIndex>, -1, -1 },
        { "expanel", "ButtonsTransparentColor",
          &FieldOf<&TbsDataSkinExPanelControl::ButtonsTransparentColor>, 16711935, 0 },
        { "splitter", "GripperTransparentColor",
          &FieldOf<&TbsDataSkinSplitterControl::GripperTransparentColor>, 16711935, 0 },
        { "trackbar", "ButtonTransparentColor",
          &FieldOf<&TbsDataSkinTrackBarControl::ButtonTransparentColor>, 16711935, 0 },
        { "gauge", "ProgressTransparentColor",
          &FieldOf<&TbsDataSkinGaugeControl::ProgressTransparentColor>, 16711935, 0 },
        { "controlbar", "ItemOffset1", &FieldOf<&TbsDataSkinControlBar::ItemOffset1>, 0, 3 },
        { "controlbar", "ItemOffset2", &FieldOf<&TbsDataSkinControlBar::ItemOffset2>, 0, 3 },
        { "label", "FontHeight", &FieldOf<&TbsDataSkinLabelControl::FontHeight>, 12, 14 },
        { "stdlabel", "ActiveFontColor", &FieldOf<&TbsDataSkinStdLabelControl::ActiveFontColor>,
          16711680, 16711680 },
        { "tab", "ButtonTransparentColor", &FieldOf<&TbsDataSkinTabControl::ButtonTransparentColor>,
          16711935, 0 },
        { "tab", "StretchType", &FieldOf<&TbsDataSkinTabControl::StretchType>, bsstFull, bsstFull },
        { "listview", "BGColor", &FieldOf<&TbsDataSkinListView::BGColor>, 16777215, 0 },
        { "treeview", "BGColor", &FieldOf<&TbsDataSkinTreeView::BGColor>, 16777215, 0 },
        { "richedit", "BGColor", &FieldOf<&TbsDataSkinRichEdit::BGColor>, 16777215, 0 },
        { "grid", "FixedFontHeight", &FieldOf<&TbsDataSkinGridControl::FixedFontHeight>, 14, 14 },
    };
    for (const auto& c : kCases) {
        auto created = CreateSkinControlRecord(c.kind, "rec");
        ASSERT_NE(created, nullptr) << c.kind;
        EXPECT_EQ(c.get(*created), c.created) << c.kind << " " << c.field;
        EXPECT_EQ(c.get(*LoadControl(c.kind, "")), c.loaded) << c.kind << " " << c.field;
        EXPECT_EQ(created->PictureIndex, -1) << c.kind;
    }
}

TEST(SkinControlRecords, ListBoxNamesItsScrollBarsOnlyWhenLoaded) {
    const auto created = CreateSkinControlRecord("listbox", "rec");
    const auto& fresh = dynamic_cast<const TbsDataSkinListBox&>(*created);
    EXPECT_EQ(fresh.HScrollBarName, "");
    EXPECT_EQ(fresh.BothScrollBarName, "");
    EXPECT_EQ(fresh.CaptionFontName, "Arial");

    const auto loaded = LoadControl("listbox", "");
    const auto& list = dynamic_cast<const TbsDataSkinListBox&>(*loaded);
    EXPECT_EQ(list.HScrollBarName, "hscrollbar");
    EXPECT_EQ(list.VScrollBarName, "vscrollbar");
    EXPECT_EQ(list.BothScrollBarName, "bothhscrollbar");

    const auto combo = LoadControl("combobox", "");
    EXPECT_EQ(dynamic_cast<const TbsDataSkinComboBox&>(*combo).ListBoxName, "");
    const auto bar = LoadControl("mainmenubar", "");
    EXPECT_EQ(dynamic_cast<const TbsDataSkinMainMenuBar&>(*bar).CloseButton, "");
}

TEST(SkinControlRecords, UpDownNeverKeepsResizeGeometry) {
    auto record = LoadControl("updown", "[rec]\nlefttoppoint=4,4\nrightbottompoint=9,9\n"
                                        "clientrect=1,2,3,4\nupbuttonrect=0,0,10,8\n");
    auto& upDown = dynamic_cast<TbsDataSkinUpDownControl&>(*record);
    EXPECT_EQ(upDown.LTPoint, TPoint(0, 0));
    EXPECT_EQ(upDown.RBPoint, TPoint(0, 0));
    EXPECT_EQ(upDown.ClRect, TRect());
    EXPECT_EQ(upDown.UpButtonRect, TRect(0, 0, 10, 8));

    upDown.LTPoint = TPoint(3, 3);
    upDown.ClRect = TRect(1, 1, 5, 5);
    auto out = MakeIni("");
    upDown.SaveToFile(*out);
    EXPECT_EQ(out->ReadString("rec", "lefttoppoint", "?"), "0,0");
    EXPECT_EQ(out->ReadString("rec", "clientrect", "?"), "0,0,0,0");
    EXPECT_EQ(upDown.LTPoint, TPoint(0, 0));
    EXPECT_EQ(upDown.ClRect, TRect());
}

TEST(SkinControlRecords, WordsAndFlagsReadThroughTheValueRules) {
    auto record = LoadControl("button", "[rec]\nmorphing=2\nstretchtype=STFULL\n"
                                        "fontstyle=fsBold\nmorphkind=mkpush\nshowfocus=1\n");
    const auto& button = dynamic_cast<const TbsDataSkinButtonControl&>(*record);
    EXPECT_FALSE(button.Morphing);
    EXPECT_EQ(button.StretchType, bsstHorz);
    EXPECT_TRUE(button.FontStyle.Empty());
    EXPECT_EQ(button.MorphKind, mkPush);
    EXPECT_TRUE(button.ShowFocus);

    for (const char* value : { "yes", "true", "2" }) {
        auto r = LoadControl("checkradio", std::string("[rec]\nmorphing=") + value + "\n");
        EXPECT_FALSE(dynamic_cast<const TbsDataSkinCheckRadioControl&>(*r).Morphing) << value;
    }
    auto panel = LoadControl("panel", "[rec]\nalignment=center\n");
    EXPECT_EQ(dynamic_cast<const TbsDataSkinPanelControl&>(*panel).Alignment, taRightJustify);
}

TEST(SkinControlRecords, BadGeometryEndsTheLoad) {
    for (const char* text :
         { "[rec]\nskinrect=\n", "[rec]\nskinrect=10,,4,4\n", "[rec]\nlefttoppoint=5\n" }) {
        auto record = CreateSkinControlRecord("button", "rec");
        EXPECT_THROW(record->LoadFromFile(*MakeIni(text)), EConvertError) << text;
    }
}

TEST(SkinControlRecords, KindWordsSelectTheirClassesExactly) {
    std::set<std::string> words;
    for (const auto& kind : ControlKindKeys()) {
        words.insert(kind.Word);
        const auto record = CreateSkinControlRecord(kind.Word, "x");
        ASSERT_NE(record, nullptr) << kind.Word;
        EXPECT_EQ(SkinControlKindWord(*record), kind.Word);
    }
    EXPECT_EQ(words.size(), 28u);
    for (const char* unknown : { "appmenu", "Button", "", "button ", "b:c" })
        EXPECT_EQ(CreateSkinControlRecord(unknown, "x"), nullptr) << unknown;

    // Controls that ask for a button record accept a menu button, and the base classes have
    // no word of their own.
    const auto menuButton = CreateSkinControlRecord("menubutton", "x");
    EXPECT_NE(dynamic_cast<TbsDataSkinButtonControl*>(menuButton.get()), nullptr);
    EXPECT_EQ(SkinControlKindWord(TbsDataSkinCustomControl("x")), "");
    EXPECT_EQ(SkinControlKindWord(TbsDataSkinControl("x")), "");
}
