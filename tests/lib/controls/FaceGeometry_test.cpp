// How a resizable skinned control sizes itself and its client rectangle from a record's guide
// points, for the windowed and the windowless base alike.
#include "SkinnedFormTest.h"
#include "TestControls.h"

#include <optional>

namespace {

class FaceGeometry : public SkinnedFormTest {
protected:
    // A control of type T bound to the record "face", FIndex found, 60 x 60 asked first.
    template <class T>
    T* Bound() {
        auto* control = Add<T>(5, 5, 60, 60);
        control->SetSkinDataName("face");
        control->SetSkinData(FSkin.get());
        return control;
    }

    const int FPicture{ 0 };
};

struct GeometryCase {
    const char* Name;
    TFaceGeometry Face;
    TSize Asked;
    int Mode;
    TSize Given;
    std::optional<TRect> ClientAtSize;
};

// A 100 x 30 face with the client rectangle (5, 5, 95, 25).
TFaceGeometry Face(TPoint lt, TPoint rt, TPoint lb, TPoint rb,
                   TRect skinRect = { 10, 20, 110, 50 }) {
    return { skinRect, lt, rt, lb, rb, TRect(5, 5, 95, 25) };
}

const GeometryCase kGeometry[] = {
    { "right-top point alone grows the width",
      Face({}, { 73, 13 }, {}, {}),
      { 200, 50 },
      2,
      { 200, 30 },
      TRect(5, 5, 195, 25) },
    { "right-bottom point with a zero coordinate is fixed",
      Face({}, {}, {}, { 40, 0 }),
      { 200, 50 },
      0,
      { 100, 30 },
      TRect(5, 5, 95, 25) },
    { "empty face keeps the size asked",
      Face({}, {}, {}, {}, { 10, 20, 10, 50 }),
      { 200, 50 },
      -1,
      { 200, 50 },
      std::nullopt },
    { "all four points grow both ways",
      Face({ 5, 5 }, { 95, 5 }, { 5, 25 }, { 95, 25 }),
      { 200, 50 },
      1,
      { 200, 50 },
      TRect(5, 5, 195, 45) },
    { "left-bottom point alone grows the height",
      Face({}, {}, { 5, 25 }, {}),
      { 200, 50 },
      3,
      { 100, 50 },
      TRect(5, 5, 95, 45) },
    { "left-top point alone is fixed",
      Face({ 5, 5 }, {}, {}, {}),
      { 200, 50 },
      0,
      { 100, 30 },
      TRect(5, 5, 95, 25) },
    { "right-top wins over a half-set right-bottom",
      Face({}, { 95, 5 }, {}, { 95, 0 }),
      { 150, 10 },
      2,
      { 150, 30 },
      TRect(5, 5, 145, 25) },
};

template <class T>
void ExpectGeometry(T* control, const GeometryCase& c, const char* kind) {
    SCOPED_TRACE(std::string(kind) + ": " + c.Name);
    EXPECT_EQ(control->ResizeMode, c.Mode);
    control->SetBounds(3, 4, c.Asked.cx, c.Asked.cy);
    EXPECT_EQ(control->Left(), 3);
    EXPECT_EQ(control->Top(), 4);
    EXPECT_EQ(TSize(control->Width(), control->Height()), c.Given);
    if (c.ClientAtSize) {
        EXPECT_EQ(control->RealClientRect(), *c.ClientAtSize);
    }
}

TEST_F(FaceGeometry, GuidePointsDecideTheResizeModeTheSizeAndTheClientRectangle) {
    for (const GeometryCase& c : kGeometry) {
        FSkin->CtrlList.clear();
        AddFaceRecord(*FSkin, "face", FPicture, c.Face);
        ExpectGeometry(Bound<TWindowedFace>(), c, "windowed");
        ExpectGeometry(Bound<TWindowlessFace>(), c, "windowless");
    }
}

struct MapCase {
    const char* Zone;
    TRect Face;
    TRect Mapped;
};

TEST_F(FaceGeometry, MapSkinRectPlacesAFaceRectangleByTheZoneItLiesIn) {
    // Zones of the 100 x 30 face: left-top (0, 0, 10, 8), right-top (90, 0, 100, 8), left-bottom
    // (0, 22, 10, 30), right-bottom (90, 22, 100, 30); the control is 60 wider and 20 higher.
    AddFaceRecord(*FSkin, "face", FPicture, Face({ 10, 8 }, { 90, 8 }, { 10, 22 }, { 90, 22 }));
    auto* control = Bound<TWindowedFace>();
    control->SetBounds(0, 0, 160, 50);
    ASSERT_EQ(control->ResizeMode, 1);
    const MapCase cases[] = {
        { "inside left-top", { 2, 2, 6, 6 }, { 2, 2, 6, 6 } },
        { "inside right-top", { 92, 1, 96, 5 }, { 152, 1, 156, 5 } },
        { "inside left-bottom", { 2, 24, 6, 28 }, { 2, 44, 6, 48 } },
        { "inside right-bottom", { 92, 24, 96, 28 }, { 152, 44, 156, 48 } },
        { "left-top to right-bottom", { 2, 2, 95, 28 }, { 2, 2, 155, 48 } },
        { "left-top to right-top", { 2, 2, 95, 6 }, { 2, 2, 155, 6 } },
        { "left-bottom to right-bottom", { 2, 24, 95, 28 }, { 2, 44, 155, 48 } },
        { "left-top to left-bottom", { 2, 2, 6, 28 }, { 2, 2, 6, 48 } },
        { "right-top to right-bottom", { 92, 2, 96, 28 }, { 152, 2, 156, 48 } },
        { "middle, in no zone", { 20, 10, 40, 20 }, { 20, 10, 40, 20 } },
        // The zone's own right and bottom edges count as outside it.
        { "the whole left-top zone", { 0, 0, 10, 8 }, { 0, 0, 10, 8 } },
    };
    for (const MapCase& c : cases)
        EXPECT_EQ(control->MapSkinRect(c.Face), c.Mapped) << c.Zone;
}

TEST_F(FaceGeometry, MapSkinRectOfAFaceThatGrowsOneWay) {
    struct Case {
        TFaceGeometry Face;
        TRect Given, Mapped;
    };
    const Case cases[] = {
        // Width only (right-top at 90): spanning rectangles grow, right ones move.
        { Face({ 10, 0 }, { 90, 8 }, {}, {}), { 5, 2, 95, 6 }, { 5, 2, 155, 6 } },
        { Face({ 10, 0 }, { 90, 8 }, {}, {}), { 92, 2, 96, 6 }, { 152, 2, 156, 6 } },
        { Face({ 10, 0 }, { 90, 8 }, {}, {}), { 20, 2, 40, 6 }, { 20, 2, 40, 6 } },
        // Height only (left-bottom at 22).
        { Face({ 0, 8 }, {}, { 10, 22 }, {}), { 2, 5, 6, 25 }, { 2, 5, 6, 45 } },
        { Face({ 0, 8 }, {}, { 10, 22 }, {}), { 2, 24, 6, 28 }, { 2, 44, 6, 48 } },
    };
    for (const Case& c : cases) {
        FSkin->CtrlList.clear();
        AddFaceRecord(*FSkin, "face", FPicture, c.Face);
        auto* control = Bound<TWindowedFace>();
        control->SetBounds(0, 0, 160, 50);
        EXPECT_EQ(control->MapSkinRect(c.Given), c.Mapped) << control->ResizeMode;
    }
}

TEST_F(FaceGeometry, DefaultSizeAppliesOnlyWithoutARecordAndOnlyAboveZero) {
    struct Case {
        int DefaultWidth, DefaultHeight;
        TSize Given;
    };
    const Case cases[] = { { 0, 0, { 60, 60 } }, { -5, 70, { 60, 70 } }, { 90, -1, { 90, 60 } } };
    AddFaceRecord(*FSkin, "face", FPicture, Face({ 5, 5 }, { 95, 5 }, { 5, 25 }, { 95, 25 }));
    for (const Case& c : cases) {
        auto* control = Bound<TWindowlessFace>();
        // With a record the default size is only remembered.
        control->SetDefaultWidth(c.DefaultWidth);
        control->SetDefaultHeight(c.DefaultHeight);
        EXPECT_EQ(TSize(control->Width(), control->Height()), TSize(60, 60));
        control->SetSkinDataName("missing");
        control->ChangeSkinData();
        EXPECT_EQ(TSize(control->Width(), control->Height()), c.Given)
            << c.DefaultWidth << " x " << c.DefaultHeight;
    }
}

TEST_F(FaceGeometry, RecordFollowsItsNameAtThePaintAndTheSizeAtTheNextSetBounds) {
    AddFaceRecord(*FSkin, "small", FPicture, Face({}, {}, {}, {}, { 0, 0, 20, 10 }));
    AddFaceRecord(*FSkin, "big", FPicture, Face({}, {}, {}, {}, { 50, 60, 90, 76 }));
    auto* control = Add<TWindowedFace>(0, 0, 60, 60);
    control->SetSkinDataName("small");
    control->SetSkinData(FSkin.get());
    ASSERT_EQ(TSize(control->Width(), control->Height()), TSize(20, 10));
    Pump();
    control->FPaints = 0;

    control->SetSkinDataName("big");
    Pump();
    EXPECT_EQ(control->FPaints, 0) << "a new name alone does not repaint";
    EXPECT_EQ(TSize(control->Width(), control->Height()), TSize(20, 10));
    const gfx::Surface painted = PaintedPixels(*control);
    EXPECT_EQ(RgbAt(painted, 0, 0), PictureAt(50, 60)) << "big's face";

    control->SetBounds(0, 0, 1, 1);
    EXPECT_EQ(TSize(control->Width(), control->Height()), TSize(40, 16));
}

TEST_F(FaceGeometry, DefaultFontChangeRepaintsOnlyThePlainLook) {
    AddFaceRecord(*FSkin, "face", FPicture, Face({ 5, 5 }, { 95, 5 }, { 5, 25 }, { 95, 25 }));
    auto* skinned = Bound<TWindowedFace>();
    auto* plain = Add<TWindowedFace>(100, 100, 50, 20);
    Pump();
    TFont other;
    other.SetName("Tahoma");
    other.SetHeight(11);
    for (TWindowedFace* control : { skinned, plain }) {
        const bool hasRecord = control == skinned;
        control->FFontChanges = 0;
        control->FPaints = 0;
        control->SetDefaultFont(other);
        Pump();
        EXPECT_EQ(control->FFontChanges, 2) << "the font's notice and the setter";
        EXPECT_EQ(control->FPaints > 0, !hasRecord);
        control->FFontChanges = 0;
        control->SetDefaultFont(other);
        EXPECT_EQ(control->FFontChanges, 1) << "an equal font changes nothing in it";
    }
}

} // namespace
