#include "lib/skindata/TbsResourceStrData.h"

#include <gtest/gtest.h>

TEST(ResourceStrData, ANewTableHoldsTheBuiltInTextsInOrder) {
    TbsResourceStrData table{ nullptr };
    ASSERT_EQ(table.ResStrings().Count(), 131);
    EXPECT_EQ(table.ResStrings()[0], "MI_MINCAPTION=Mi&nimize");
    EXPECT_EQ(table.ResStrings()[54], "ERROR=Error");
    EXPECT_EQ(table.ResStrings()[130], "DBNAV_REFRESH=REFRESH");
    EXPECT_EQ(table.CharSet(), win::DEFAULT_CHARSET);
    struct Case {
        const char* Name;
        const char* Text;
    };
    const Case kCases[] = {
        { "MI_ROLLUPCAPTION", "Ro&llUp" },
        { "msg_btn_ok", "OK" },
        { "Msg_Btn_NoToAll", "N&oToAll" },
        { "FLV_LOOKIN", "Look in: " },
        { "FIND_REPLACE_ALL", "Replace All" },
        { "MSG_OVERWRITE", "Do you want to overwrite old file?" },
        { "NO_SUCH_KEY", "" },
        { "", "" },
    };
    for (const auto& c : kCases)
        EXPECT_EQ(table.GetResStr(c.Name), c.Text) << c.Name;
}

TEST(ResourceStrData, ReplacedLinesAreLookedUpByTheirNamePart) {
    TbsResourceStrData table{ nullptr };
    TStringList lines;
    lines.SetText("X=a=b\nEMPTY=\nnoequals\nDUP=first\ndup=second\n");
    table.SetResStrings(lines);
    lines.Clear();
    struct Case {
        const char* Name;
        const char* Text;
    };
    const Case kCases[] = { { "X", "a=b" },
                            { "EMPTY", "" },
                            { "noequals", "" },
                            { "DUP", "first" },
                            { "MSG_BTN_OK", "" } };
    for (const auto& c : kCases)
        EXPECT_EQ(table.GetResStr(c.Name), c.Text) << c.Name;
    EXPECT_EQ(table.ResStrings().Count(), 5);

    table.SetResStrings(TStringList());
    EXPECT_EQ(table.GetResStr("MI_CLOSECAPTION"), "");
}
