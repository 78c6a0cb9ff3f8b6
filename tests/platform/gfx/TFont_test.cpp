#include "platform/gfx/FontObject.h"
#include "platform/gfx/TBrush.h"
#include "platform/gfx/TFont.h"
#include "platform/gfx/TPen.h"
#include <gtest/gtest.h>

TEST(TFont, SizeInPointsAndHeightInPixelsFollowEachOther) {
    struct Case {
        int Size;
        int Height;
    };
    const Case cases[] = { { 8, -11 }, { 9, -12 }, { 10, -13 }, { 12, -16 }, { 72, -96 } };
    for (const auto& c : cases) {
        TFont font;
        font.SetSize(c.Size);
        EXPECT_EQ(font.Height(), c.Height) << c.Size;
        font.SetHeight(c.Height);
        EXPECT_EQ(font.Size(), c.Size) << c.Height;
    }
    TFont cell;
    cell.SetHeight(16); // a positive height is the cell height: the size reads negative
    EXPECT_EQ(cell.Size(), -12);
}

TEST(TFont, HandleCarriesTheProperties) {
    TFont font;
    font.SetName("Tahoma");
    font.SetHeight(-13);
    font.SetStyle(TFontStyles{ fsBold, fsUnderline });
    font.SetCharset(win::GB2312_CHARSET);
    font.SetPitch(fpFixed);
    const win::FontObject* object = win::FontFromHandle(font.Handle());
    ASSERT_NE(object, nullptr);
    const win::LOGFONT& lf = object->LogFont();
    EXPECT_EQ(win::FaceName(lf), "Tahoma");
    EXPECT_EQ(lf.lfHeight, -13);
    EXPECT_EQ(lf.lfWeight, win::FW_BOLD);
    EXPECT_EQ(lf.lfItalic, 0);
    EXPECT_EQ(lf.lfUnderline, 1);
    EXPECT_EQ(lf.lfCharSet, win::GB2312_CHARSET);
    EXPECT_EQ(lf.lfPitchAndFamily, win::FIXED_PITCH);
    font.SetStyle(TFontStyles{ fsItalic });
    EXPECT_EQ(win::FontFromHandle(font.Handle())->LogFont().lfItalic, 1);
}

TEST(TFont, AssignCopiesEverythingAndReportsOneChange) {
    TFont source;
    source.SetName("Arial");
    source.SetSize(14);
    source.SetColor(clRed);
    source.SetStyle(TFontStyles{ fsStrikeOut });
    TFont target;
    int changes = 0;
    target.OnChange = [&](TGraphicsObject*) { ++changes; };
    target.Assign(source);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(target.Name(), "Arial");
    EXPECT_EQ(target.Size(), 14);
    EXPECT_EQ(target.Color(), clRed);
    EXPECT_TRUE(target.Style().Contains(fsStrikeOut));
    EXPECT_FALSE(target.Style().Contains(fsBold));
    target.SetColor(clRed); // unchanged: no event
    EXPECT_EQ(changes, 1);
}

TEST(TBrush, ChoosingAColourMakesAClearBrushSolid) {
    TBrush brush;
    brush.SetStyle(bsClear);
    brush.SetColor(clRed);
    EXPECT_EQ(brush.Style(), bsSolid);
    EXPECT_NE(brush.Handle(), nullptr);
}

TEST(TPen, ModesMapToBinaryRasterOperations) {
    struct Case {
        TPenMode Mode;
        int Rop2;
    };
    const Case cases[] = { { pmBlack, win::R2_BLACK },      { pmCopy, win::R2_COPYPEN },
                           { pmNot, win::R2_NOT },          { pmXor, win::R2_XORPEN },
                           { pmNotXor, win::R2_NOTXORPEN }, { pmMaskPenNot, win::R2_MASKPENNOT } };
    for (const auto& c : cases)
        EXPECT_EQ(PenModeToRop2(c.Mode), c.Rop2) << c.Mode;
}
