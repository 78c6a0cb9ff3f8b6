// The window region a windowed control cuts from its record's mask, and the whole rectangle a
// windowless one paints whatever the mask.
#include "SkinnedFormTest.h"
#include "TestControls.h"
#include "lib/controls/bsSkinChangeWalk.h"
#include "tests/lib/skin/DrawingPictures.h"

#include "platform/win/Input.h"

namespace {

// A width x height mask, black but for the top-left triangle of `cut` pixels.
std::unique_ptr<TBitmap> CornerCutMask(int width, int height, int cut) {
    std::vector<std::string> rows;
    for (int y = 0; y < height; ++y) {
        std::string row;
        for (int x = 0; x < width; ++x)
            row += x + y < cut ? '.' : 'X';
        rows.push_back(row);
    }
    return PictureOfRows(rows);
}

class SkinControlRegion : public SkinnedFormTest {
protected:
    void SetUp() override {
        SkinnedFormTest::SetUp();
        FMask = AddPicture(*FSkin, CornerCutMask(20, 10, 4));
    }
    // Which window a client point of the control hits.
    win::HWND HitAt(TControl* control, int x, int y) {
        const TPoint p = control->ClientToScreen(TPoint(x, y));
        return win::WindowFromPoint(win::POINT{ p.X, p.Y });
    }

    int FMask{ 0 };
};

TEST_F(SkinControlRegion, MaskShapesTheWindowUntilASkinWithoutMaskComes) {
    struct Case {
        const char* Name;
        TFaceGeometry Face;
        TSize Size;
    };
    const TRect face(0, 0, 20, 10);
    const Case cases[] = {
        { "fixed face", { face, {}, {}, {}, {}, TRect(4, 4, 16, 6) }, { 20, 10 } },
        { "nine-slice face grown", NineSliceFace(face, 4), { 60, 30 } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        FSkin->CtrlList.clear();
        AddFaceRecord(*FSkin, "face", 0, c.Face, FMask);
        auto* control = Add<TWindowedFace>(50, 40, c.Size.cx, c.Size.cy);
        control->SetSkinDataName("face");
        control->SetSkinData(FSkin.get());
        Pump();
        ASSERT_EQ(TSize(control->Width(), control->Height()), c.Size);
        EXPECT_TRUE(control->Region());
        EXPECT_EQ(HitAt(control, 0, 0), FForm->Handle()) << "outside the mask";
        EXPECT_EQ(HitAt(control, 1, 1), FForm->Handle());
        EXPECT_EQ(HitAt(control, 8, 5), control->Handle()) << "inside the mask";
        EXPECT_EQ(HitAt(control, c.Size.cx - 1, c.Size.cy - 1), control->Handle());

        BeforeChangeControlsSkinData(*FForm, FSkin.get());
        FSkin->CtrlList.clear();
        AddFaceRecord(*FSkin, "face", 0, c.Face);
        ChangeControlsSkinData(*FForm, FSkin.get());
        EXPECT_FALSE(control->Region());
        EXPECT_EQ(HitAt(control, 0, 0), control->Handle()) << "no shape any more";
        delete control;
    }
}

TEST_F(SkinControlRegion, WindowMadeAfterTheSkinIsShapedToo) {
    AddFaceRecord(*FSkin, "face", 0, NineSliceFace({ 0, 0, 20, 10 }, 4), FMask);
    auto* control = new TWindowedFace(FForm);
    control->SetBounds(50, 40, 60, 30);
    control->SetSkinDataName("face");
    control->SetSkinData(FSkin.get());
    control->SetParent(FForm);
    Pump();
    EXPECT_EQ(HitAt(control, 0, 0), FForm->Handle());
    control->RecreateWnd();
    Pump();
    EXPECT_EQ(HitAt(control, 0, 0), FForm->Handle()) << "a remade window is shaped again";
    EXPECT_EQ(HitAt(control, 8, 5), control->Handle());
}

TEST_F(SkinControlRegion, WindowlessControlPaintsItsWholeRectangleDespiteAMask) {
    AddFaceRecord(*FSkin, "face", 0, NineSliceFace({ 0, 0, 20, 10 }, 4), FMask);
    auto* control = Add<TWindowlessFace>(50, 40, 60, 30);
    control->SetSkinDataName("face");
    control->SetSkinData(FSkin.get());
    const gfx::Surface painted = PaintedPixels(*control, 0x123456);
    EXPECT_EQ(RgbAt(painted, 0, 0), PictureAt(0, 0)) << "the corner the mask cuts away is painted";
}

} // namespace
