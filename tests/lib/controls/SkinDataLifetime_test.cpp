// A control holds the skin object and the hint image list by reference only: when either goes
// first, whoever owns it, the control forgets it and paints its plain look.
#include "TestControls.h"
#include "TestSkins.h"
#include "platform/forms/TImageList.h"
#include "tests/lib/skin/DrawingPictures.h"
#include "tests/platform/forms/ControlsFixture.h"

namespace {

using formstest::ControlsTest;

using SkinDataLifetime = ControlsTest;

template <class T>
void ExpectForgetsWhatGoes(T* control, TComponent* skinOwner, TComponent* listOwner, TForm* form) {
    auto* skin = MakeTestSkin(skinOwner).release();
    AddPicture(*skin, NumberedPicture(60, 40, 0x40));
    AddFaceRecord(*skin, "face", 0, NineSliceFace({ 0, 0, 48, 24 }, 4));
    auto* images = new TImageList(listOwner);
    control->SetSkinDataName("face");
    control->SetSkinData(skin);
    control->SetHintImageList(images);
    ASSERT_NE(RgbAt(PaintedPixels(*control), 0, 0), PlainFace());

    delete skin;
    delete images;
    EXPECT_EQ(control->SkinData(), nullptr);
    EXPECT_EQ(control->HintImageList(), nullptr);
    EXPECT_EQ(RgbAt(PaintedPixels(*control), 0, 0), PlainFace());
    EXPECT_EQ(control->FIndex, -1);
    form->Repaint(); // a real paint, as the next WM_PAINT would run it
}

TEST_F(SkinDataLifetime, ControlForgetsASkinObjectAndImageListThatGoFirst) {
    // Owned by another form, and by the control's own form (whose components hear of each
    // other through their owner).
    TComponent otherForm(nullptr);
    for (TComponent* owner :
         { static_cast<TComponent*>(&otherForm), static_cast<TComponent*>(FForm) }) {
        SCOPED_TRACE(owner == FForm ? "same form" : "other form");
        ExpectForgetsWhatGoes(Add<TWindowedFace>(10, 10, 48, 24), owner, owner, FForm);
        ExpectForgetsWhatGoes(Add<TWindowlessFace>(10, 50, 48, 24), owner, owner, FForm);
        Pump();
    }
}

TEST_F(SkinDataLifetime, ReplacedSkinObjectNoLongerReachesTheControl) {
    auto first = MakeTestSkin();
    auto second = MakeTestSkin();
    auto* control = Add<TWindowedFace>(10, 10, 48, 24);
    control->SetSkinData(first.get());
    control->SetSkinData(second.get());
    first.reset();
    EXPECT_EQ(control->SkinData(), second.get()) << "only the skin object in use is forgotten";
    second.reset();
    EXPECT_EQ(control->SkinData(), nullptr);
}

} // namespace
