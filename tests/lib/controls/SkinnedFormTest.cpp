#include "SkinnedFormTest.h"

#include "tests/lib/skin/DrawingPictures.h"

void SkinnedFormTest::SetUp() {
    ControlsTest::SetUp();
    FSkin = MakeTestSkin();
    AddPicture(*FSkin, NumberedPicture(200, 100, kSkinSeed));
}

void SkinnedFormTest::TearDown() {
    FSkin.reset();
    ControlsTest::TearDown();
}

std::uint32_t SkinnedFormTest::PictureAt(int x, int y) const {
    return RgbAt(*FSkin->FActivePictures[0], x, y);
}
