// The skinned panel: the client area it leaves its children, rolling up and down, checked
// mode, the clicks on its caption, the transparent look and the tiled fills.
#include "SkinnedFormTest.h"
#include "lib/controls/TbsSkinPanel.h"
#include "lib/skindata/bsSkinPanelRecords.h"

#include <vector>

namespace {

class SkinPanel : public SkinnedFormTest {
protected:
    void SetUp() override {
        SkinnedFormTest::SetUp();
        // A face 48 x 24 with 4-pixel borders: the client area keeps 4 pixels on every side.
        FRecord = &AddFaceRecord<TbsDataSkinPanelControl>(*FSkin, "face", 0,
                                                          NineSliceFace({ 20, 10, 68, 34 }, 4));
    }
    TbsSkinPanel* Panel(const std::string& record, int width = 100, int height = 60) {
        auto* panel = new TbsSkinPanel(FForm);
        panel->SetParent(FForm);
        panel->SetSkinDataName(record);
        panel->SetSkinData(FSkin.get());
        panel->SetBounds(10, 10, width, height);
        return panel;
    }

    TbsDataSkinPanelControl* FRecord{ nullptr };
};

TEST_F(SkinPanel, ClientAreaFollowsTheRecordThePictureTheBorderAndTheCaption) {
    struct Case {
        const char* Name;
        const char* Record;
        TbsSkinBorderStyle Border;
        bool CaptionMode;
        bool Ribbon;
        int BGPicture;
        TRect Client;
    };
    const Case cases[] = {
        { "plain frame", "missing", bvFrame, false, false, -1, { 1, 1, 99, 59 } },
        { "plain, no border", "missing", bvNone, false, false, -1, { 0, 0, 100, 60 } },
        { "plain caption", "missing", bvRaised, true, false, -1, { 1, 23, 99, 59 } },
        { "plain caption at the bottom", "missing", bvFrame, true, true, -1, { 1, 1, 99, 37 } },
        { "record", "face", bvFrame, false, false, -1, { 4, 4, 96, 56 } },
        { "record, caption", "face", bvNone, true, false, -1, { 4, 4, 96, 56 } },
        { "record without border", "face", bvNone, false, false, -1, { 0, 0, 100, 60 } },
        { "record with a background picture", "face", bvFrame, false, false, 0, { 0, 0, 100, 60 } },
    };
    for (const Case& c : cases) {
        FRecord->BGPictureIndex = c.BGPicture;
        TbsSkinPanel* panel = Panel(c.Record);
        panel->SetBorderStyle(c.Border);
        panel->SetCaptionMode(c.CaptionMode);
        panel->SetRibbonStyle(c.Ribbon);
        EXPECT_EQ(panel->GetSkinClientRect(), c.Client) << c.Name;
        // An aligned child fills what the panel leaves.
        auto* child = new TbsSkinPanel(FForm);
        child->SetParent(panel);
        child->SetAlign(alClient);
        EXPECT_EQ(child->BoundsRect(), c.Client) << c.Name;
        delete panel;
    }
}

TEST_F(SkinPanel, RollsUpToTheFrameRerollsForANewSkinAndRestoresHeightAndConstraints) {
    TbsSkinPanel* panel = Panel("face", 100, 100);
    auto* child = new TbsSkinPanel(FForm);
    child->SetParent(panel);
    panel->Constraints().SetMinHeight(50);
    panel->Constraints().SetMaxWidth(300);
    int changes = 0;
    panel->OnChangeRollUpState = [&](TObject*) { ++changes; };

    panel->SetRollUpState(true);
    EXPECT_EQ(panel->Height(), 100) << "roll-up mode is off";
    EXPECT_FALSE(panel->RollUpState());

    panel->SetRollUpMode(true);
    panel->SetRollUpState(true);
    EXPECT_EQ(panel->Height(), 8) << "only the 4 + 4 pixel frame remains";
    EXPECT_EQ(panel->RealHeight(), 100);
    EXPECT_FALSE(child->Visible());

    // A skin with wider borders: the panel rolls up again to that frame.
    FRecord->LTPoint = TPoint(6, 6);
    FRecord->RTPoint = TPoint(42, 6);
    FRecord->LBPoint = TPoint(6, 18);
    FRecord->RBPoint = TPoint(42, 18);
    FRecord->ClRect = TRect(6, 6, 42, 18);
    panel->ChangeSkinData();
    EXPECT_EQ(panel->Height(), 12);
    EXPECT_EQ(panel->RealHeight(), 100);

    panel->SetRollUpState(false);
    EXPECT_EQ(panel->Height(), 100);
    EXPECT_EQ(panel->RealHeight(), -1);
    EXPECT_TRUE(child->Visible());
    EXPECT_EQ(panel->Constraints().MinHeight(), 50);
    EXPECT_EQ(panel->Constraints().MaxWidth(), 300);
    EXPECT_EQ(changes, 2);

    // Rolled up and down once more: the constraints are still the ones set.
    panel->SetRollUpState(true);
    panel->SetRollUpState(false);
    EXPECT_EQ(panel->Constraints().MinHeight(), 50);
    EXPECT_EQ(panel->Constraints().MaxWidth(), 300);
}

TEST_F(SkinPanel, PlainPanelRollsUpToItsCaptionBar) {
    TbsSkinPanel* panel = Panel("missing", 100, 100);
    panel->SetCaptionMode(true);
    panel->SetRollUpMode(true);
    panel->SetRollUpState(true);
    EXPECT_EQ(panel->Height(), 23);
    panel->SetRollUpState(false);
    EXPECT_EQ(panel->Height(), 100);
}

TEST_F(SkinPanel, CheckedEnablesTheChildrenAndAlwaysFiresOnChecked) {
    TbsSkinPanel* panel = Panel("face");
    auto* child = new TbsSkinPanel(FForm);
    child->SetParent(panel);
    int fired = 0;
    panel->OnChecked = [&](TObject*) { ++fired; };
    panel->SetChecked(false);
    EXPECT_EQ(fired, 1) << "the same value fires again";
    EXPECT_TRUE(child->Enabled()) << "outside checked mode the children stay";
    panel->SetCheckedMode(true);
    panel->SetChecked(false);
    EXPECT_FALSE(child->Enabled());
    panel->SetChecked(true);
    EXPECT_TRUE(child->Enabled());
    EXPECT_EQ(fired, 3);
}

TEST_F(SkinPanel, ClickOnThePlainCaptionBarAtTheBottomTogglesCheckedAndRollUp) {
    TbsSkinPanel* panel = Panel("missing", 100, 100);
    panel->SetCaptionMode(true);
    panel->SetRibbonStyle(true);
    panel->SetCheckedMode(true);
    panel->SetRollUpMode(true);
    Pump();
    ClickAt(panel, 50, 5);
    EXPECT_FALSE(panel->Checked()) << "the top strip is client area";
    EXPECT_FALSE(panel->RollUpState());
    ClickAt(panel, 50, 90);
    EXPECT_TRUE(panel->Checked());
    EXPECT_TRUE(panel->RollUpState());
}

TEST_F(SkinPanel, TransparentPanelShowsItsParentInItsClientArea) {
    auto* parent = new TbsSkinPaintPanel(FForm);
    parent->SetParent(FForm);
    parent->SetBounds(0, 0, 200, 150);
    parent->OnPanelPaint = [](TCanvas& canvas, const TRect&) {
        canvas.Brush().SetColor(TColor(0x00FF00));
        canvas.FillRect(TRect(0, 0, 200, 150));
    };
    auto* panel = new TbsSkinPanel(FForm);
    panel->SetSkinDataName("face");
    panel->SetSkinData(FSkin.get());
    panel->SetParent(parent);
    panel->SetBounds(20, 20, 100, 60);
    panel->SetTransparentMode(true);
    const gfx::Surface pixels = PaintedPixels(*panel);
    EXPECT_EQ(RgbAt(pixels, 50, 30), 0x00FF00u);
    EXPECT_EQ(RgbAt(pixels, 0, 0), RgbAt(pixels, 99, 59)) << "the 1-pixel frame";
    EXPECT_NE(RgbAt(pixels, 0, 0), 0x00FF00u);
}

TEST_F(SkinPanel, TiledFillsSkipAnEmptyTile) {
    // A face whose client part and background picture are empty: nothing to lay, no fault.
    FRecord->ClRect = TRect();
    FRecord->RBPoint = TPoint(44, 20);
    AddPicture(*FSkin, std::make_unique<TBitmap>());
    TbsSkinPanel* panel = Panel("face");
    panel->SetBorderStyle(bvNone);
    PaintedPixels(*panel);
    FRecord->BGPictureIndex = 1;
    panel->SetBorderStyle(bvFrame);
    PaintedPixels(*panel);
}

// The program's group boxes show their whole caption across the top, not its first character.
TEST_F(SkinPanel, TheProgramsGroupBoxShowsItsWholeCaption) {
    const auto skin = LoadProgramSkin("main");
    auto captionBand = [&](const std::string& caption) {
        auto* panel = new TbsSkinPanel(FForm);
        panel->SetParent(FForm);
        panel->SetSkinDataName("groupbox");
        panel->SetCaptionMode(true);
        panel->SetSkinData(skin.get());
        panel->SetBounds(10, 10, 219, 206);
        panel->SetCaption(caption);
        const gfx::Surface pixels = PaintedPixels(*panel);
        delete panel;
        std::vector<std::uint32_t> band;
        for (int y = 0; y < 16; ++y)
            for (int x = 30; x < 120; ++x)
                band.push_back(pixels.At(x, y) & 0xFFFFFF);
        return band;
    };
    // Past the first character the caption's later characters show.
    EXPECT_NE(captionBand("视频预览"), captionBand(""));
}

} // namespace
