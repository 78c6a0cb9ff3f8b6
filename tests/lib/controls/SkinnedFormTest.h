#pragma once
#include "TestSkins.h"
#include "tests/platform/forms/ControlsFixture.h"

#include <cstdint>
#include <memory>

// A shown form and a skin object of the test's own whose picture 0 is a 200 x 100 numbered
// picture: every pixel differs, and each has kSkinSeed as its blue.
class SkinnedFormTest : public formstest::ControlsTest {
public:
    static constexpr std::uint8_t kSkinSeed = 0x40;

protected:
    void SetUp() override;
    void TearDown() override;
    // Colour 0xRRGGBB of picture 0 at x, y.
    std::uint32_t PictureAt(int x, int y) const;

    std::unique_ptr<TbsSkinData> FSkin;
};
