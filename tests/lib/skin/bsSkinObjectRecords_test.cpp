#include "lib/skindata/bsSkinData.h"

#include "SkinIniText.h"
#include "SkinRecordSections.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

std::unique_ptr<TbsDataSkinObject> LoadObject(const std::string& kind, const std::string& text) {
    auto record = CreateSkinObjectRecord(kind, "rec");
    if (!record) return nullptr;
    record->LoadFromFile(*MakeIni(text));
    return record;
}

// Loads and saves one of the fixed records through the same calls the skin makes.
struct TFixedRecord {
    std::function<void(const TCustomIniFile&)> Load;
    std::function<void(TCustomIniFile&)> Save;
};

struct TFixedRecords {
    TbsDataSkinPopupWindow Popup;
    TbsDataSkinLayerFrame Layer;
    TbsDataSkinHintWindow Hint;
    TbsSkinColors Colors;

    TFixedRecord For(const std::string& section) {
        if (section == TbsDataSkinPopupWindow::Section) return Bind(Popup);
        if (section == TbsDataSkinLayerFrame::Section) return Bind(Layer);
        if (section == TbsDataSkinHintWindow::Section) return Bind(Hint);
        return Bind(Colors);
    }

    template <class T>
    static TFixedRecord Bind(T& record) {
        return { [&record](const TCustomIniFile& ini) { record.LoadFromFile(ini); },
                 [&record](TCustomIniFile& ini) { record.SaveToFile(ini); } };
    }
};

} // namespace

TEST(SkinObjectRecords, EveryKindWritesBackExactlyTheKeysItRead) {
    for (const auto& kind : ObjectKindKeys()) {
        SCOPED_TRACE(kind.Word);
        const auto lines = DistinctLines(kind);
        auto record = LoadObject(kind.Word, SectionText("rec", lines) + "zzz=1\n");
        ASSERT_NE(record, nullptr);
        EXPECT_EQ(SkinObjectKindWord(*record), kind.Word);

        auto out = MakeIni("[rec]\nstale=1\n");
        record->SaveToFile(*out);
        EXPECT_EQ(SectionLines(*out, "rec"), lines);
    }
}

TEST(SkinObjectRecords, EveryKindReadsTheDefaultsOfMissingKeys) {
    for (const auto& kind : ObjectKindKeys()) {
        SCOPED_TRACE(kind.Word);
        auto record = LoadObject(kind.Word, "");
        ASSERT_NE(record, nullptr);
        auto out = MakeIni("");
        record->SaveToFile(*out);
        EXPECT_EQ(SectionLines(*out, "rec"), MissingLines(kind));
    }
}

TEST(SkinObjectRecords, FixedSectionsKeepTheirKeysAndDefaults) {
    for (const auto& section : FixedSectionKeys()) {
        SCOPED_TRACE(section.Word);
        const bool erases = std::string(section.Word) != TbsSkinColors::Section;
        const auto lines = DistinctLines(section);

        TFixedRecords records;
        auto record = records.For(section.Word);
        record.Load(*MakeIni(SectionText(section.Word, lines) + "zzz=1\n"));
        auto out = MakeIni(SectionText(section.Word, { "stale=1" }));
        record.Save(*out);
        auto expected = lines;
        // The colours' section is erased by the skin's writer, not by the record.
        if (!erases) expected.insert(expected.begin(), "stale=1");
        EXPECT_EQ(SectionLines(*out, section.Word), expected);

        TFixedRecords fresh;
        auto missing = fresh.For(section.Word);
        missing.Load(*MakeIni(""));
        auto defaults = MakeIni("");
        missing.Save(*defaults);
        EXPECT_EQ(SectionLines(*defaults, section.Word), MissingLines(section));
    }
}

TEST(SkinObjectRecords, NewRecordsAndMissingKeysDifferWhereSkinsExpectIt) {
    TbsDataSkinAnimate animate("a");
    EXPECT_EQ(animate.CountFrames, 0);
    EXPECT_EQ(animate.TimerInterval, 0);
    EXPECT_EQ(animate.ActivePictureIndex, -1);
    EXPECT_EQ(animate.GlowLayerMaskPictureIndex, -1);
    EXPECT_EQ(animate.GlowLayerAlphaBlendValue, 255);
    animate.LoadFromFile(*MakeIni(""));
    EXPECT_EQ(animate.CountFrames, 1);
    EXPECT_EQ(animate.TimerInterval, 50);
    EXPECT_EQ(animate.Command, cmDefault);

    TbsDataSkinMenuItem item("m");
    EXPECT_EQ(item.FontName, "");
    EXPECT_EQ(item.FontHeight, 0);
    item.LoadFromFile(*MakeIni(""));
    EXPECT_EQ(item.FontName, "Arial");
    EXPECT_EQ(item.FontHeight, 14);
    EXPECT_EQ(item.AnimateInterval, 25);

    TbsDataSkinHintWindow hint;
    EXPECT_EQ(hint.FontName, "Arial");
    EXPECT_EQ(hint.FontHeight, 12);
    EXPECT_EQ(hint.WindowPictureIndex, -1);
    hint.LoadFromFile(*MakeIni(""));
    EXPECT_EQ(hint.FontHeight, 14);

    TbsDataSkinLayerFrame layer;
    EXPECT_EQ(layer.InActiveMaskPictureIndex, -1);
    EXPECT_EQ(layer.InActiveAlphaBlendValue, 255);
    EXPECT_FALSE(layer.HitTestEnable);
    EXPECT_EQ(TbsDataSkinPopupWindow().MaskPictureIndex, -1);
}

TEST(SkinObjectRecords, SkinColorsFallBackToTheSystemColours) {
    TbsSkinColors colors;
    EXPECT_EQ(colors.FcBtnFace, 0);
    EXPECT_EQ(colors.FcBtnShadow, 0);
    colors.LoadFromFile(*MakeIni("[SKINCOLORS]\ncwindow=255\n"));
    EXPECT_EQ(colors.FcBtnFace, clBtnFace);
    EXPECT_EQ(colors.FcBtnFace, -16777201);
    EXPECT_EQ(colors.FcWindow, 255);
    EXPECT_EQ(colors.FcHighLightText, clHighlightText);

    TbsSkinColors defaults;
    defaults.SetColorsToDefault();
    EXPECT_EQ(defaults.FcBtnText, clBtnText);
    EXPECT_EQ(defaults.FcWindow, clWindow);
    EXPECT_EQ(defaults.FcBtnHighLight, clBtnHighlight);
}

TEST(SkinObjectRecords, CommandWordsFallBackToMinimizeToTray) {
    struct Case {
        const char* value;
        TbsStdCommand expected;
    };
    const Case kCases[] = { { nullptr, cmDefault },
                            { "cmmaximize", cmMaximize },
                            { "cmsysmenu", cmSysMenu },
                            { "cmMinimizeToTray", cmMinimizeToTray },
                            { "close", cmMinimizeToTray } };
    for (const char* kind : { "stdbutton", "mainmenubarbutton", "animate" })
        for (const auto& c : kCases) {
            const auto record =
                LoadObject(kind, c.value ? std::string("[rec]\ncommand=") + c.value + "\n" : "");
            const TbsStdCommand command =
                std::string(kind) == "animate"
                    ? dynamic_cast<const TbsDataSkinAnimate&>(*record).Command
                    : dynamic_cast<const TbsDataSkinStdButton&>(*record).Command;
            EXPECT_EQ(command, c.expected) << kind << " " << (c.value ? c.value : "-");
        }
}

TEST(SkinObjectRecords, RestoreHintFollowsTheButtonsCommand) {
    struct Case {
        const char* kind;
        const char* hint;
        const char* command;
        const char* restoreHint; // nullptr: key missing
        const char* expected;
    };
    const Case kCases[] = {
        { "stdbutton", "Maximize", "cmmaximize", nullptr, "Restore" },
        { "stdbutton", "maximize", "cmmaximize", nullptr, "" },
        { "stdbutton", "Maximize", "cmminimize", nullptr, "" },
        { "stdbutton", "Minimize", "cmminimize", nullptr, "Restore" },
        { "stdbutton", "RollUp", "cmrollup", nullptr, "Restore" },
        { "stdbutton", "Roll Up", "cmrollup", nullptr, "Restore" },
        { "stdbutton", "Roll up", "cmrollup", nullptr, "" },
        { "stdbutton", "Close", "cmclose", nullptr, "" },
        { "stdbutton", "Maximize", "cmmaximize", "Back", "Back" },
        { "mainmenubarbutton", "Minimize", "cmminimize", nullptr, "Restore" },
        { "animate", "Maximize", "cmmaximize", nullptr, "Restore" },
        { "animate", "Minimize", "cmmaximize", nullptr, "" },
    };
    for (const auto& c : kCases) {
        std::string text = std::string("[rec]\nhint=") + c.hint + "\ncommand=" + c.command + "\n";
        if (c.restoreHint) text += std::string("restorehint=") + c.restoreHint + "\n";
        const auto record = LoadObject(c.kind, text);
        const std::string restore =
            std::string(c.kind) == "animate"
                ? dynamic_cast<const TbsDataSkinAnimate&>(*record).RestoreHint
                : dynamic_cast<const TbsDataSkinStdButton&>(*record).RestoreHint;
        EXPECT_EQ(restore, c.expected) << c.kind << " " << c.hint << " " << c.command;
    }
}

TEST(SkinObjectRecords, MenuItemActiveImagesFallBackToTheNormalOnes) {
    struct Case {
        const char* active; // nullptr: key missing
        TRect expected;
    };
    const Case kCases[] = {
        { nullptr, TRect(1, 2, 11, 12) },         { "0,0,0,0", TRect(1, 2, 11, 12) },
        { "5,5,5,9", TRect(1, 2, 11, 12) }, // no width
        { "5,5,9,5", TRect(1, 2, 11, 12) }, // no height
        { "20,20,30,30", TRect(20, 20, 30, 30) },
    };
    for (const auto& c : kCases) {
        std::string text = "[rec]\ncheckimagerect=1,2,11,12\nradioimagerect=1,2,11,12\n"
                           "arrowimagerect=1,2,11,12\n";
        if (c.active)
            for (const char* key :
                 { "activecheckimagerect", "activeradioimagerect", "activearrowimagerect" })
                text += std::string(key) + "=" + c.active + "\n";
        const auto record = LoadObject("menuitem", text);
        const auto& item = dynamic_cast<const TbsDataSkinMenuItem&>(*record);
        const std::string label = c.active ? c.active : "(missing)";
        EXPECT_EQ(item.ActiveCheckImageRect, c.expected) << label;
        EXPECT_EQ(item.ActiveRadioImageRect, c.expected) << label;
        EXPECT_EQ(item.ActiveArrowImageRect, c.expected) << label;
    }
}

TEST(SkinObjectRecords, UserObjectReadsOnlyItsRectangle) {
    const auto record =
        LoadObject("userobject", "[rec]\nhint=Help\nactivepictureindex=3\nskinrect=1,2,3,4\n");
    EXPECT_EQ(record->Hint, "");
    EXPECT_EQ(record->ActivePictureIndex, -1);
    EXPECT_EQ(record->SkinRect, TRect(1, 2, 3, 4));
}

TEST(SkinObjectRecords, KindWordsSelectTheirClassesExactly) {
    EXPECT_EQ(ObjectKindKeys().size(), 8u);
    for (const auto& kind : ObjectKindKeys()) {
        const auto record = CreateSkinObjectRecord(kind.Word, "x");
        ASSERT_NE(record, nullptr) << kind.Word;
        EXPECT_EQ(SkinObjectKindWord(*record), kind.Word);
    }
    for (const char* unknown : { "mainmenuitem", "StdButton", "", "appmenu" })
        EXPECT_EQ(CreateSkinObjectRecord(unknown, "x"), nullptr) << unknown;
    EXPECT_EQ(SkinObjectKindWord(TbsDataSkinMainMenuItem("x")), "");
    EXPECT_EQ(SkinObjectKindWord(TbsDataSkinObject("x")), "");
}

TEST(SkinObjectRecords, BadGeometryEndsTheLoad) {
    auto record = CreateSkinObjectRecord("caption", "rec");
    EXPECT_THROW(record->LoadFromFile(*MakeIni("[rec]\nframerect=1,2,3\n")), EConvertError);
    TbsDataSkinLayerFrame layer;
    EXPECT_THROW(layer.LoadFromFile(*MakeIni("[LAYERFRAME]\nlefttoppoint=\n")), EConvertError);
}
