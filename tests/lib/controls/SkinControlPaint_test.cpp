// What a skinned control paints: nothing at zero size, the record's face at any size, the
// plain look without a usable record, and the forced-background face of a windowed control.
#include "SkinnedFormTest.h"
#include "TestControls.h"
#include "lib/skindata/bsSkinPanelRecords.h"

#include <functional>

namespace {

constexpr std::uint32_t kBackground = 0x123456;

class SkinControlPaint : public SkinnedFormTest {
protected:
    void TearDown() override {
        FControls.clear();
        SkinnedFormTest::TearDown();
    }
    template <class T>
    T* Make(const std::string& record, int width, int height) {
        auto control = std::make_unique<T>(nullptr);
        auto* made = control.get();
        made->SetBounds(0, 0, width, height);
        made->SetSkinDataName(record);
        made->SetSkinData(FSkin.get());
        FControls.push_back(std::move(control));
        return made;
    }

    const int FPicture{ 0 };
    std::vector<std::unique_ptr<TControl>> FControls;
};

// A pixel of the numbered picture: its blue is the seed.
bool IsSkinPixel(std::uint32_t rgb) {
    return (rgb & 0xFF) == SkinnedFormTest::kSkinSeed;
}

TEST_F(SkinControlPaint, ZeroSizedControlPaintsNothing) {
    AddFaceRecord(*FSkin, "face", FPicture, NineSliceFace({ 20, 10, 68, 34 }, 4));
    const TSize sizes[] = { { 0, 10 }, { 10, 0 } };
    for (const char* record : { "face", "missing" })
        for (const TSize& size : sizes) {
            TControl* controls[] = { Make<TWindowedFace>(record, size.cx, size.cy),
                                     Make<TWindowlessFace>(record, size.cx, size.cy) };
            for (TControl* control : controls) {
                ASSERT_EQ(TSize(control->Width(), control->Height()), size);
                EXPECT_EQ(RgbAt(PaintedPixels(*control, kBackground), 0, 0), kBackground)
                    << record << " " << control->ClassName();
            }
        }
}

TEST_F(SkinControlPaint, FaceCornersComeFromThePictureAtEverySize) {
    struct Case {
        const char* Name;
        TFaceGeometry Face;
        TSize Size;
    };
    const TRect face(20, 10, 68, 34);
    const TFaceGeometry nine = NineSliceFace(face, 4);
    const Case cases[] = {
        { "nine-slice at its own size", nine, { 48, 24 } },
        { "nine-slice grown", nine, { 160, 24 } },
        { "nine-slice grown both ways", nine, { 160, 60 } },
        { "fixed", { face, {}, {}, {}, {}, nine.ClRect }, { 48, 24 } },
        { "width only", { face, { 4, 0 }, { 44, 4 }, {}, {}, nine.ClRect }, { 130, 24 } },
        { "height only", { face, { 0, 4 }, {}, { 4, 20 }, {}, nine.ClRect }, { 48, 70 } },
    };
    for (const Case& c : cases) {
        FSkin->CtrlList.clear();
        AddFaceRecord(*FSkin, "face", FPicture, c.Face);
        TControl* controls[] = { Make<TWindowedFace>("face", c.Size.cx, c.Size.cy),
                                 Make<TWindowlessFace>("face", c.Size.cx, c.Size.cy) };
        for (TControl* control : controls) {
            SCOPED_TRACE(std::string(c.Name) + ", " + control->ClassName());
            ASSERT_EQ(TSize(control->Width(), control->Height()), c.Size);
            const gfx::Surface painted = PaintedPixels(*control);
            const int w = c.Size.cx - 1;
            const int h = c.Size.cy - 1;
            EXPECT_EQ(RgbAt(painted, 0, 0), PictureAt(face.Left, face.Top));
            EXPECT_EQ(RgbAt(painted, w, 0), PictureAt(face.Right - 1, face.Top));
            EXPECT_EQ(RgbAt(painted, 0, h), PictureAt(face.Left, face.Bottom - 1));
            EXPECT_EQ(RgbAt(painted, w, h), PictureAt(face.Right - 1, face.Bottom - 1));
        }
    }
}

TEST_F(SkinControlPaint, WithoutAUsableRecordThePlainLookShowsNoSkinPixel) {
    const TFaceGeometry face = NineSliceFace({ 20, 10, 68, 34 }, 4);
    AddFaceRecord(*FSkin, "face", FPicture, face);
    AddFaceRecord(*FSkin, "no picture", -1, face);
    AddFaceRecord(*FSkin, "picture past the skin's", 7, face);
    auto other = std::make_unique<TbsDataSkinStdLabelControl>("other kind");
    other->SkinRect = TRect(0, 0, 5, 5);
    FSkin->CtrlList.push_back(std::move(other));

    struct Case {
        const char* Name;
        std::function<void(TbsSkinData&)> Prepare;
        bool Bound;
    };
    const Case cases[] = {
        { "missing", [](TbsSkinData&) {}, false },
        { "other kind", [](TbsSkinData&) {}, false },
        { "no picture", [](TbsSkinData&) {}, true },
        { "picture past the skin's", [](TbsSkinData&) {}, true },
        // A skin that is loading reports itself empty.
        { "face", [](TbsSkinData& s) { s.Empty = true; }, false },
    };
    for (const Case& c : cases) {
        auto* windowed = Make<TWindowedFace>(c.Name, 70, 30);
        auto* windowless = Make<TWindowlessFace>(c.Name, 70, 30);
        c.Prepare(*FSkin);
        for (TControl* control : std::initializer_list<TControl*>{ windowed, windowless }) {
            SCOPED_TRACE(std::string(c.Name) + ", " + control->ClassName());
            const gfx::Surface painted = PaintedPixels(*control);
            EXPECT_EQ(TSize(control->Width(), control->Height()), TSize(70, 30));
            for (int y = 0; y < painted.Height(); ++y)
                for (int x = 0; x < painted.Width(); ++x) {
                    ASSERT_FALSE(IsSkinPixel(RgbAt(painted, x, y))) << x << ", " << y;
                    ASSERT_EQ(RgbAt(painted, x, y), PlainFace()) << x << ", " << y;
                }
        }
        EXPECT_EQ(windowed->FIndex != -1, c.Bound);
        EXPECT_EQ(windowless->FIndex != -1, c.Bound);
        FSkin->Empty = false;
    }
}

TEST_F(SkinControlPaint, ForcedBackgroundDrawsTheFrameAndFillsTheClientFromTheFace) {
    // The face at (20, 10), 48 x 24, edges 4 wide: its client part is the 40 x 16 tile at
    // (24, 14) of the picture, drawn from the client rectangle's top-left corner on.
    const TRect skinRect(20, 10, 68, 34);
    struct Case {
        const char* Name;
        TRect ClRect;
        bool DrawBackground;
        bool Filled;
    };
    const Case cases[] = {
        { "client filled", { 4, 4, 44, 20 }, true, true },
        { "client left alone", { 4, 4, 44, 20 }, false, false },
        // Nothing to tile with: no fill, and no division by the tile's size.
        { "client without area", { 4, 4, 4, 20 }, true, false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        FSkin->CtrlList.clear();
        TFaceGeometry face = NineSliceFace(skinRect, 4);
        face.ClRect = c.ClRect;
        AddFaceRecord(*FSkin, "face", FPicture, face);
        auto* control = Make<TWindowedFace>("face", 130, 50);
        control->SetForcebackGround(true);
        control->SetDrawbackGround(c.DrawBackground);
        const gfx::Surface painted = PaintedPixels(*control, kBackground);
        EXPECT_EQ(RgbAt(painted, 0, 0), PictureAt(skinRect.Left, skinRect.Top)) << "the frame";
        EXPECT_EQ(RgbAt(painted, 129, 49), PictureAt(skinRect.Right - 1, skinRect.Bottom - 1));
        // Inside the second copy of the tile across, and the second one down.
        const std::uint32_t client = RgbAt(painted, 4 + 40 + 3, 4 + 16 + 2);
        if (c.Filled)
            EXPECT_EQ(client, PictureAt(24 + 3, 14 + 2));
        else
            EXPECT_EQ(client, kBackground);
    }
}

} // namespace
