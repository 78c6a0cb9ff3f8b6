// The messages the skinned bases handle: no erasing, the paint flag, the parent's background
// passed to children, and the mouse entering and leaving.
#include "SkinnedFormTest.h"
#include "TestControls.h"
#include "lib/skindata/bsSkinMessages.h"

#include "platform/win/Messages.h"

namespace {

// A windowless control that counts the parent's background notices it gets.
class TBackgroundListener : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
    void WndProc(TMessage& message) override {
        if (message.Msg == win::WM_PARENTBGCHANGED) ++FNotices;
        TGraphicControl::WndProc(message);
    }
    int FNotices{ 0 };
};

using SkinControlMessages = SkinnedFormTest;

TEST_F(SkinControlMessages, EraseLeavesTheBackgroundAndPaintRunsUnderTheFlag) {
    auto* control = Add<TWindowedFace>(10, 10, 40, 20);
    TBitmap target(40, 20);
    target.Canvas().Brush().SetColor(clRed);
    target.Canvas().FillRect(TRect(0, 0, 40, 20));
    control->Perform(win::WM_ERASEBKGND, win::WPARAM(target.Canvas().Handle()), 0);
    EXPECT_EQ(RgbAt(target, 5, 5), 0xFF0000u) << "nothing erased";

    control->Repaint();
    EXPECT_TRUE(control->FFromWMPaintInPaint);
    EXPECT_FALSE(control->FromWMPaint) << "cleared after the paint";
}

TEST_F(SkinControlMessages, StretchedFaceTellsItsChildrenThatTheBackgroundChanged) {
    TFaceGeometry face = NineSliceFace({ 0, 0, 48, 24 }, 4);
    AddFaceRecord(*FSkin, "stretched", 0, face).StretchEffect = true;
    AddFaceRecord(*FSkin, "tiled", 0, face);
    for (const char* record : { "stretched", "tiled" }) {
        auto* parent = Add<TWindowedFace>(10, 10, 100, 60);
        parent->SetSkinDataName(record);
        parent->SetSkinData(FSkin.get());
        auto* windowed = new TWindowedFace(FForm);
        windowed->SetParent(parent);
        auto* windowless = new TBackgroundListener(FForm);
        windowless->SetParent(parent);
        const int windowedBefore = windowed->FParentBackgroundChanges;

        parent->SetBounds(10, 10, 120, 70);
        const bool told = std::string(record) == "stretched";
        EXPECT_EQ(windowed->FParentBackgroundChanges - windowedBefore, told ? 1 : 0) << record;
        EXPECT_EQ(windowless->FNotices, told ? 1 : 0) << record;
        delete parent;
    }
}

TEST_F(SkinControlMessages, MouseEnterAndLeaveReachTheEventsOutsideTheDesigner) {
    for (bool designing : { false, true }) {
        auto* windowed = Add<TWindowedFace>(10, 10, 40, 20);
        auto* windowless = Add<TWindowlessFace>(10, 50, 40, 20);
        std::vector<std::string> seen;
        for (TControl* c : std::initializer_list<TControl*>{ windowed, windowless }) {
            c->SetDesigning(designing);
            c->OnMouseEnter = [&seen](TObject* s) {
                seen.push_back("enter " + static_cast<TControl*>(s)->ClassName());
            };
            c->OnMouseLeave = [&seen](TObject* s) {
                seen.push_back("leave " + static_cast<TControl*>(s)->ClassName());
            };
        }
        for (TControl* c : std::initializer_list<TControl*>{ windowed, windowless }) {
            const TPoint p = c->ClientToScreen(TPoint(5, 5));
            FDisplay->MoveMouse(p.X, p.Y);
            Pump();
        }
        const TPoint away = FForm->ClientToScreen(TPoint(300, 250));
        FDisplay->MoveMouse(away.X, away.Y);
        Pump();
        const std::vector<std::string> expected{ "enter TbsSkinCustomControl",
                                                 "leave TbsSkinCustomControl",
                                                 "enter TbsGraphicSkinCustomControl",
                                                 "leave TbsGraphicSkinCustomControl" };
        EXPECT_EQ(seen, designing ? std::vector<std::string>{} : expected) << designing;
        delete windowed;
        delete windowless;
    }
}

} // namespace
