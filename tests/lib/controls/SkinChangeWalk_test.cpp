// The skin change as a form's skin component carries it: which controls each walk reaches and
// in which order.
#include "SkinnedFormTest.h"
#include "TestControls.h"
#include "lib/controls/bsSkinChangeWalk.h"

namespace {

using TLoggedPanel = TLogged<TbsSkinCustomControl>;
using TLoggedSpeedButton = TLogged<TbsGraphicSkinCustomControl>;

class SkinChangeWalk : public SkinnedFormTest {
protected:
    void SetUp() override {
        SkinnedFormTest::SetUp();
        FOther = MakeTestSkin();
        // form
        //   panel (skinned container)   a1 windowed, a2 windowless, a3 of the other skin
        //   view (skinned outside the bases)
        //   b windowless
        //   plain (an unskinned container)   c windowed
        auto* panel = Named(new TLoggedPanel(FForm, FLog, "panel"), FForm, FSkin.get());
        Named(new TLoggedPanel(FForm, FLog, "a1"), panel, FSkin.get());
        Named(new TLoggedSpeedButton(FForm, FLog, "a2"), panel, FSkin.get());
        Named(new TLoggedPanel(FForm, FLog, "a3"), panel, FOther.get());
        auto* view = new TLoggedView(FForm, FLog, "view");
        view->FSkin = FSkin.get();
        view->SetParent(FForm);
        Named(new TLoggedSpeedButton(FForm, FLog, "b"), FForm, FSkin.get());
        auto* plain = new TTestToolBar(FForm);
        plain->SetParent(FForm);
        Named(new TLoggedPanel(FForm, FLog, "c"), plain, FSkin.get());
        Pump();
        FLog.clear();
    }
    void TearDown() override {
        FOther.reset();
        SkinnedFormTest::TearDown();
    }
    template <class T>
    T* Named(T* control, TWinControl* parent, TbsSkinData* skin) {
        control->SetParent(parent);
        control->SetSkinData(skin);
        return control;
    }

    TCallLog FLog;
    std::unique_ptr<TbsSkinData> FOther;
};

TEST_F(SkinChangeWalk, BeforeChangeReachesOnlyWindowedSkinnedControlsOfThatSkin) {
    BeforeChangeControlsSkinData(*FForm, FSkin.get());
    EXPECT_EQ(FLog, (TCallLog{ "before panel", "before a1", "before c" }));
    FLog.clear();
    BeforeChangeControlsSkinData(*FForm, nullptr);
    EXPECT_EQ(FLog, (TCallLog{ "before panel", "before a1", "before a3", "before c" }))
        << "every skin object when none is named";
}

TEST_F(SkinChangeWalk, ChangeReachesEverySkinnedControlOfThatSkinParentsFirst) {
    ChangeControlsSkinData(*FForm, FSkin.get());
    EXPECT_EQ(FLog, (TCallLog{ "change panel", "change a1", "change a2", "change view", "change b",
                               "change c" }));
    FLog.clear();
    ChangeControlsSkinData(*FForm, FOther.get());
    EXPECT_EQ(FLog, (TCallLog{ "change a3" }));
}

TEST_F(SkinChangeWalk, WindowlessControlKeepsItsIndexButPaintsPlainWhileTheSkinLoads) {
    AddFaceRecord(*FSkin, "face", 0, NineSliceFace({ 0, 0, 48, 24 }, 4));
    auto* windowed = Named(new TWindowedFace(FForm), FForm, nullptr);
    auto* windowless = Named(new TWindowlessFace(FForm), FForm, nullptr);
    windowed->SetBounds(0, 0, 48, 24);
    windowless->SetBounds(0, 30, 48, 24);
    windowed->SetSkinDataName("face");
    windowless->SetSkinDataName("face");
    windowed->SetSkinData(FSkin.get());
    windowless->SetSkinData(FSkin.get());
    ASSERT_NE(windowless->FIndex, -1);

    BeforeChangeControlsSkinData(*FForm, FSkin.get());
    FSkin->Empty = true; // as while the skin object loads
    EXPECT_EQ(windowed->FIndex, -1);
    EXPECT_NE(windowless->FIndex, -1) << "the before-change walk passes windowless controls by";
    EXPECT_EQ(RgbAt(PaintedPixels(*windowless), 0, 0), PlainFace());

    FSkin->Empty = false;
    ChangeControlsSkinData(*FForm, FSkin.get());
    EXPECT_NE(windowed->FIndex, -1);
    EXPECT_NE(RgbAt(PaintedPixels(*windowless), 0, 0), PlainFace());
}

} // namespace
