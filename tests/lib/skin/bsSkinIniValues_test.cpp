#include "lib/skindata/bsSkinIniValues.h"

#include "SkinIniText.h"
#include "platform/rtl/TStringList.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

TFontStyles Styles(std::initializer_list<TFontStyle> s) {
    return TFontStyles(s);
}

} // namespace

TEST(SkinIniValues, RectValues) {
    struct Case {
        const char* value;             // nullptr: key missing
        std::optional<TRect> expected; // nullopt: conversion error
    };
    const Case kCases[] = {
        { nullptr, TRect(0, 0, 0, 0) },
        { "3,3,20,18", TRect(3, 3, 20, 18) },
        { "3, 26, 282, 207", TRect(3, 26, 282, 207) },
        { "-5,0,10,10", TRect(5, 0, 10, 10) },
        { "1x2,3,4,5", TRect(12, 3, 4, 5) },
        { "1,2,3,4,5", TRect(1, 2, 3, 4) },
        { "1,2,3,4,,,", TRect(1, 2, 3, 4) },
        { "2147483647,0,0,0", TRect(2147483647, 0, 0, 0) },
        { "", std::nullopt },
        { "10,,4,4", std::nullopt },
        { "1,2,3", std::nullopt },
        { "-,1,2,3", std::nullopt },
        { "2147483648,0,0,0", std::nullopt },
        { "99999999999999999999,0,0,0", std::nullopt },
    };
    for (const auto& c : kCases) {
        const auto ini = MakeIni(c.value ? std::string("[S]\nskinrect=") + c.value + "\n" : "");
        const std::string label = c.value ? c.value : "(missing)";
        if (c.expected)
            EXPECT_EQ(SkinIniReadRect(*ini, "S", "skinrect"), *c.expected) << label;
        else
            EXPECT_THROW(SkinIniReadRect(*ini, "S", "skinrect"), EConvertError) << label;
    }
}

TEST(SkinIniValues, PointValues) {
    struct Case {
        const char* value;
        std::optional<TPoint> expected;
    };
    const Case kCases[] = {
        { nullptr, TPoint(0, 0) },   { "9,27", TPoint(9, 27) }, { "-5,7", TPoint(5, 7) },
        { " 4 , 8 ", TPoint(4, 8) }, { "1,2,3", TPoint(1, 2) }, { "5", std::nullopt },
        { ",5", std::nullopt },      { "", std::nullopt },
    };
    for (const auto& c : kCases) {
        const auto ini = MakeIni(c.value ? std::string("[S]\np=") + c.value + "\n" : "");
        const std::string label = c.value ? c.value : "(missing)";
        if (c.expected)
            EXPECT_EQ(SkinIniReadPoint(*ini, "S", "p"), *c.expected) << label;
        else
            EXPECT_THROW(SkinIniReadPoint(*ini, "S", "p"), EConvertError) << label;
    }
}

TEST(SkinIniValues, NegativeCoordinatesAreWrittenSignedAndReadUnsigned) {
    auto ini = MakeIni("");
    SkinIniWriteRect(*ini, "S", "skinrect", TRect(-5, 0, 10, 10));
    SkinIniWritePoint(*ini, "S", "p", TPoint(-3, -4));
    EXPECT_EQ(ini->ReadString("S", "skinrect", ""), "-5,0,10,10");
    EXPECT_EQ(ini->ReadString("S", "p", ""), "-3,-4");
    EXPECT_EQ(SkinIniReadRect(*ini, "S", "skinrect"), TRect(5, 0, 10, 10));
    EXPECT_EQ(SkinIniReadPoint(*ini, "S", "p"), TPoint(3, 4));
}

TEST(SkinIniValues, BooleansAreTrueOnlyForOne) {
    struct Case {
        const char* value;
        bool expected;
    };
    const Case kCases[] = { { nullptr, false }, { "1", true },     { "0x1", true },
                            { "0", false },     { "2", false },    { "-1", false },
                            { "yes", false },   { "true", false }, { "", false } };
    for (const auto& c : kCases) {
        const auto ini = MakeIni(c.value ? std::string("[S]\nb=") + c.value + "\n" : "");
        EXPECT_EQ(SkinIniReadBool(*ini, "S", "b"), c.expected) << (c.value ? c.value : "-");
    }
    auto ini = MakeIni("");
    SkinIniWriteBool(*ini, "S", "t", true);
    SkinIniWriteBool(*ini, "S", "f", false);
    EXPECT_EQ(SectionLines(*ini, "S"), (std::vector<std::string>{ "t=1", "f=0" }));
}

TEST(SkinIniValues, FontStylesMatchLowerCaseWordsAnywhere) {
    struct Case {
        const char* value;
        TFontStyles expected;
    };
    const Case kCases[] = {
        { nullptr, TFontStyles() },
        { "fsbold", Styles({ fsBold }) },
        { "fsBold", TFontStyles() },
        { "FSBOLD", TFontStyles() },
        { "fsbold,fsitalic", Styles({ fsBold, fsItalic }) },
        { "fsitalicfsbold", Styles({ fsBold, fsItalic }) },
        { "x fsbold y", Styles({ fsBold }) },
        { "fsunderline,fsbold", Styles({ fsBold, fsUnderline }) },
        { "fsstrikeout", Styles({ fsStrikeOut }) },
    };
    for (const auto& c : kCases) {
        const auto ini = MakeIni(c.value ? std::string("[S]\nfontstyle=") + c.value + "\n" : "");
        EXPECT_EQ(SkinIniReadFontStyles(*ini, "S", "fontstyle"), c.expected)
            << (c.value ? c.value : "-");
    }
}

TEST(SkinIniValues, FontStylesAreWrittenInFixedOrder) {
    struct Case {
        TFontStyles styles;
        const char* expected;
    };
    const Case kCases[] = {
        { TFontStyles(), "" },
        { Styles({ fsUnderline, fsBold }), "fsbold,fsunderline" },
        { Styles({ fsStrikeOut, fsItalic, fsUnderline, fsBold }),
          "fsbold,fsitalic,fsunderline,fsstrikeout" },
    };
    for (const auto& c : kCases) {
        auto ini = MakeIni("");
        SkinIniWriteFontStyles(*ini, "S", "fontstyle", c.styles);
        EXPECT_EQ(ini->ReadString("S", "fontstyle", "?"), c.expected);
        EXPECT_TRUE(ini->ValueExists("S", "fontstyle"));
    }
}

TEST(SkinIniValues, WordValuesReadWithTheirFallbacks) {
    struct Case {
        const char* value;
        TAlignment alignment;
        TbsStretchType stretch;
        TbsMorphKind morph;
        TbsInActiveEffect effect;
        TbsStdCommand command;
    };
    const Case kCases[] = {
        { nullptr, taCenter, bsstFull, mkDefault, ieBrightness, cmDefault },
        { "", taRightJustify, bsstHorz, mkDefault, ieGrayScale, cmMinimizeToTray },
        { "tacenter", taCenter, bsstHorz, mkDefault, ieGrayScale, cmMinimizeToTray },
        { "taleftjustify", taLeftJustify, bsstHorz, mkDefault, ieGrayScale, cmMinimizeToTray },
        { "center", taRightJustify, bsstHorz, mkDefault, ieGrayScale, cmMinimizeToTray },
        { "stfull", taRightJustify, bsstFull, mkDefault, ieGrayScale, cmMinimizeToTray },
        { "STFULL", taRightJustify, bsstHorz, mkDefault, ieGrayScale, cmMinimizeToTray },
        { "stvert", taRightJustify, bsstVert, mkDefault, ieGrayScale, cmMinimizeToTray },
        { "mkpush", taRightJustify, bsstHorz, mkPush, ieGrayScale, cmMinimizeToTray },
        { "mkrightslide", taRightJustify, bsstHorz, mkRightSlide, ieGrayScale, cmMinimizeToTray },
        { "blur", taRightJustify, bsstHorz, mkDefault, ieGrayScale, cmMinimizeToTray },
        { "ieinvert", taRightJustify, bsstHorz, mkDefault, ieInvert, cmMinimizeToTray },
        { "iebrightness", taRightJustify, bsstHorz, mkDefault, ieBrightness, cmMinimizeToTray },
        { "cmclose", taRightJustify, bsstHorz, mkDefault, ieGrayScale, cmClose },
        { "cmrollup", taRightJustify, bsstHorz, mkDefault, ieGrayScale, cmRollUp },
        { "cmMinimizeToTray", taRightJustify, bsstHorz, mkDefault, ieGrayScale, cmMinimizeToTray },
        { "close", taRightJustify, bsstHorz, mkDefault, ieGrayScale, cmMinimizeToTray },
    };
    for (const auto& c : kCases) {
        const auto ini = MakeIni(c.value ? std::string("[S]\nw=") + c.value + "\n" : "");
        const std::string label = c.value ? c.value : "(missing)";
        EXPECT_EQ(SkinIniReadAlignment(*ini, "S", "w"), c.alignment) << label;
        EXPECT_EQ(ReadStretchType(*ini, "S", "w"), c.stretch) << label;
        EXPECT_EQ(ReadMorphKind(*ini, "S", "w"), c.morph) << label;
        EXPECT_EQ(ReadInActiveEffect(*ini, "S", "w"), c.effect) << label;
        EXPECT_EQ(ReadStdCommand(*ini, "S", "w"), c.command) << label;
    }
}

TEST(SkinIniValues, EveryWordRoundTrips) {
    auto ini = MakeIni("");
    for (int v = mkDefault; v <= mkPush; ++v) {
        WriteMorphKind(*ini, "S", "w", TbsMorphKind(v));
        EXPECT_EQ(ReadMorphKind(*ini, "S", "w"), v);
    }
    for (int v = ieBrightness; v <= ieInvert; ++v) {
        WriteInActiveEffect(*ini, "S", "w", TbsInActiveEffect(v));
        EXPECT_EQ(ReadInActiveEffect(*ini, "S", "w"), v);
    }
    for (int v = cmClose; v <= cmMinimizeToTray; ++v) {
        WriteStdCommand(*ini, "S", "w", TbsStdCommand(v));
        EXPECT_EQ(ReadStdCommand(*ini, "S", "w"), v);
    }
    for (int v = taLeftJustify; v <= taCenter; ++v) {
        SkinIniWriteAlignment(*ini, "S", "w", TAlignment(v));
        EXPECT_EQ(SkinIniReadAlignment(*ini, "S", "w"), v);
    }
    // sthorz is written but reads back through the fallback, which happens to be bsstHorz.
    const char* kStretchWords[] = { "stfull", "sthorz", "stvert" };
    for (int v = bsstFull; v <= bsstVert; ++v) {
        WriteStretchType(*ini, "S", "w", TbsStretchType(v));
        EXPECT_EQ(ini->ReadString("S", "w", ""), kStretchWords[v]);
        EXPECT_EQ(ReadStretchType(*ini, "S", "w"), v);
    }
}

TEST(SkinIniValues, WordOfAnOutOfRangeValueStaysInsideTheTable) {
    auto ini = MakeIni("");
    WriteMorphKind(*ini, "S", "w", TbsMorphKind(200));
    EXPECT_EQ(ini->ReadString("S", "w", ""), "mkdefault");
}

TEST(SkinIniValues, StringListsUseBareIndexKeysAndAppend) {
    const auto ini = MakeIni("[PICTURES]\nactivepicturescount=2\n0=active.bmp\n1=menuitems.bmp\n");
    TStringList list;
    list.Add("kept");
    SkinIniReadStrings(*ini, "PICTURES", "activepictures", list);
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list[0], "kept");
    EXPECT_EQ(list[1], "active.bmp");
    EXPECT_EQ(list[2], "menuitems.bmp");

    auto out = MakeIni("");
    TStringList items;
    items.Add("a.bmp");
    items.Add("b.bmp");
    SkinIniWriteStrings(*out, "PICTURES", "activepictures", items);
    EXPECT_EQ(SectionLines(*out, "PICTURES"),
              (std::vector<std::string>{ "activepicturescount=2", "0=a.bmp", "1=b.bmp" }));
}

TEST(SkinIniValues, StringListCountBeyondTheSectionIsBounded) {
    struct Case {
        const char* text;
        int expected;
    };
    const Case kCases[] = {
        { "", 0 },
        { "[P]\nlistcount=-3\n0=a\n", 0 },
        { "[P]\nlistcount=3\n0=a\n1=b\n", 3 }, // one missing item reads as empty
        { "[P]\nlistcount=2000000000\n0=a\n", 2 },
    };
    for (const auto& c : kCases) {
        const auto ini = MakeIni(c.text);
        TStringList list;
        SkinIniReadStrings(*ini, "P", "list", list);
        EXPECT_EQ(list.Count(), c.expected) << c.text;
    }
}

TEST(SkinIniValues, SkinIniFileNeedsFiveSectionsWithKeys) {
    const std::string full = "[VERSION]\nver=1\n[PICTURES]\npicture=a.bmp\n[FORMINFO]\nx=1\n"
                             "[SKINOBJECTS]\ncount=0\n";
    struct Case {
        std::string text;
        bool expected;
    };
    const Case kCases[] = {
        { full + "[SKINCONTROLS]\ncount=0\n", true },
        { full + "[skincontrols]\ncount=0\n", true },
        { full + "[SKINCONTROLS]\n", false },
        { full, false },
        { "", false },
    };
    for (const auto& c : kCases)
        EXPECT_EQ(IsSkinIniFile(*MakeIni(c.text)), c.expected) << c.text;
}

TEST(SkinIniValues, KeysMatchWithoutRegardToCase) {
    const auto ini = MakeIni("[Button]\nUnEnabledFontColor=255\nSkinRect=1,2,3,4\n");
    EXPECT_EQ(ini->ReadInteger("button", "unenabledfontColor", 0), 255);
    EXPECT_EQ(SkinIniReadRect(*ini, "BUTTON", "skinrect"), TRect(1, 2, 3, 4));
}
