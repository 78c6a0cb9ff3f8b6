// The skinned bevel and splitter: the divider lines, the colours with and without a skin
// object, the splitter's thickness and its transparent look.
#include "SkinnedFormTest.h"
#include "lib/controls/TbsSkinBevel.h"
#include "lib/controls/TbsSkinSplitter.h"
#include "lib/skindata/bsSkinPanelRecords.h"

namespace {

std::uint32_t Rgb(TColor color) {
    const TColor c = ColorToRGB(color);
    return std::uint32_t(c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF);
}

class SkinBevelSplitter : public SkinnedFormTest {
protected:
    TbsDataSkinBevel& AddBevelRecord() {
        auto record = std::make_unique<TbsDataSkinBevel>("bevel");
        record->LightColor = TColor(0x00FF00);
        record->DarkColor = TColor(0x0000FF);
        auto& added = *record;
        FSkin->CtrlList.push_back(std::move(record));
        FSkin->Empty = false;
        return added;
    }
};

TEST_F(SkinBevelSplitter, DividerDrawsTwoLinesInTheMiddleOrNothingAsASpacer) {
    AddBevelRecord();
    auto* bevel = new TbsSkinBevel(FForm);
    bevel->SetParent(FForm);
    bevel->SetBounds(10, 10, 40, 25);
    bevel->SetSkinData(FSkin.get());
    bevel->SetDividerMode(true);
    bevel->SetShape(bsTopLine);
    bevel->SetStyle(bsRaised);
    const gfx::Surface lines = PaintedPixels(*bevel, 0x123456);
    for (int x = 3; x < 37; ++x) {
        EXPECT_EQ(RgbAt(lines, x, 11), 0x00FF00u) << x;
        EXPECT_EQ(RgbAt(lines, x, 12), 0xFF0000u) << x;
        EXPECT_EQ(RgbAt(lines, x, 10), 0x123456u) << x;
        EXPECT_EQ(RgbAt(lines, x, 13), 0x123456u) << x;
    }
    EXPECT_EQ(RgbAt(lines, 1, 11), 0x123456u);
    EXPECT_EQ(RgbAt(lines, 39, 12), 0x123456u);

    bevel->SetShape(bsSpacer);
    const gfx::Surface spacer = PaintedPixels(*bevel, 0x123456);
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(RgbAt(spacer, x, y), 0x123456u) << x << ", " << y;
}

TEST_F(SkinBevelSplitter, BevelFallsBackToThePlainColoursWhenTheSkinGoes) {
    auto skin = MakeTestSkin(FForm);
    skin->CtrlList.push_back(std::make_unique<TbsDataSkinBevel>("bevel"));
    static_cast<TbsDataSkinBevel&>(*skin->CtrlList[0]).LightColor = TColor(0x00FF00);
    skin->Empty = false;
    auto* bevel = new TbsSkinBevel(FForm);
    bevel->SetSkinData(skin.get());
    EXPECT_EQ(bevel->LightColor(), TColor(0x00FF00));
    skin.reset();
    EXPECT_EQ(bevel->SkinData(), nullptr);
    EXPECT_EQ(Rgb(bevel->LightColor()), Rgb(clBtnHighlight));
    EXPECT_EQ(Rgb(bevel->DarkColor()), Rgb(clBtnShadow));
}

TEST_F(SkinBevelSplitter, SplitterThicknessFollowsAlignTransparencyAndRecord) {
    AddFaceRecord<TbsDataSkinSplitterControl>(*FSkin, "hsplitter", 0,
                                              { { 0, 0, 30, 6 }, { 4, 0 }, { 26, 0 }, {}, {}, {} });
    AddFaceRecord<TbsDataSkinSplitterControl>(*FSkin, "vsplitter", 0,
                                              { { 0, 0, 7, 30 }, { 0, 4 }, {}, { 0, 26 }, {}, {} });
    struct Case {
        const char* Name;
        TAlign Align;
        const char* Record;
        bool Transparent;
        int Thickness;
    };
    const Case cases[] = {
        { "top, record", alTop, "hsplitter", false, 6 },
        { "left, record", alLeft, "vsplitter", false, 7 },
        { "top, transparent", alTop, "hsplitter", true, 10 },
        { "left, no record", alLeft, "missing", false, 10 },
    };
    for (const Case& c : cases) {
        auto* splitter = new TbsSkinSplitter(FForm);
        splitter->SetParent(FForm);
        splitter->SetAlign(c.Align);
        splitter->SetSkinDataName(c.Record);
        splitter->SetTransparent(c.Transparent);
        splitter->SetSkinData(FSkin.get());
        const int thickness = c.Align == alTop ? splitter->Height() : splitter->Width();
        EXPECT_EQ(thickness, c.Thickness) << c.Name;
        if (c.Transparent) {
            const gfx::Surface pixels = PaintedPixels(*splitter, 0x123456);
            EXPECT_EQ(RgbAt(pixels, 5, 3), 0x123456u) << c.Name << " draws nothing";
        }
        delete splitter;
    }
}

TEST_F(SkinBevelSplitter, SkinnedSplitterDrawsItsStripWithTheGripperCentred) {
    auto& record = AddFaceRecord<TbsDataSkinSplitterControl>(
        *FSkin, "hsplitter", 0, { { 0, 0, 30, 6 }, { 4, 0 }, { 26, 0 }, {}, {}, {} });
    record.GripperRect = TRect(40, 0, 50, 6);
    auto* splitter = new TbsSkinSplitter(FForm);
    splitter->SetParent(FForm);
    splitter->SetAlign(alTop);
    splitter->SetSkinDataName("hsplitter");
    splitter->SetSkinData(FSkin.get());
    const gfx::Surface pixels = PaintedPixels(*splitter);
    const int w = splitter->Width();
    EXPECT_EQ(RgbAt(pixels, 0, 0), PictureAt(0, 0));
    EXPECT_EQ(RgbAt(pixels, w - 1, 5), PictureAt(29, 5));
    EXPECT_EQ(RgbAt(pixels, w / 2 - 5, 0), PictureAt(40, 0));
}

} // namespace
