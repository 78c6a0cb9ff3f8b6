#include "platform/win/StandardIcons.h"

#include <gtest/gtest.h>

using namespace win;

namespace {

enum class Hue { Red, Blue, Yellow, White, Black };

// Which of the icons' colours a pixel mostly is.
Hue HueOf(gfx::Pixel p) {
    const int r = gfx::PixelR(p), g = gfx::PixelG(p), b = gfx::PixelB(p);
    if (r > 200 && g > 200 && b > 200) return Hue::White;
    if (r > 200 && g > 200) return Hue::Yellow;
    if (r > 200) return Hue::Red;
    if (b > 200) return Hue::Blue;
    return Hue::Black;
}

struct TIconCase {
    UINT_PTR Id;
    Hue Body; // the disc or triangle, away from the sign
    int BodyX, BodyY;
};

const TIconCase kIcons[] = {
    { IDI_HAND, Hue::Red, 6, 16 },
    { IDI_QUESTION, Hue::Blue, 6, 16 },
    { IDI_EXCLAMATION, Hue::Yellow, 8, 27 },
    { IDI_ASTERISK, Hue::Blue, 6, 16 },
};

} // namespace

TEST(StandardIcons, EachIdDrawsItsSignOnAClearBackground) {
    for (const TIconCase& c : kIcons) {
        SCOPED_TRACE(c.Id);
        const gfx::Surface picture = StandardIconPicture(c.Id);
        ASSERT_EQ(picture.Width(), 32);
        ASSERT_EQ(picture.Height(), 32);
        EXPECT_EQ(gfx::PixelA(picture.At(0, 0)), 0) << "the corner stays clear";
        EXPECT_EQ(gfx::PixelA(picture.At(31, 0)), 0);
        const gfx::Pixel body = picture.At(c.BodyX, c.BodyY);
        EXPECT_EQ(gfx::PixelA(body), 255);
        EXPECT_EQ(HueOf(body), c.Body);
        // The sign: pixels of its own colour near the middle.
        const Hue sign = c.Id == IDI_EXCLAMATION ? Hue::Black : Hue::White;
        int signPixels = 0;
        for (int y = 8; y < 28; ++y)
            for (int x = 12; x < 20; ++x)
                if (HueOf(picture.At(x, y)) == sign && gfx::PixelA(picture.At(x, y)) == 255)
                    ++signPixels;
        EXPECT_GT(signPixels, 10);
    }
    EXPECT_NE(StandardIconPicture(IDI_HAND).Row(16)[6],
              StandardIconPicture(IDI_ASTERISK).Row(16)[6]);
}

TEST(StandardIcons, LoadIconSharesOneIconPerIdAndKnowsNoOthers) {
    for (const TIconCase& c : kIcons) {
        const HICON icon = LoadIcon(nullptr, c.Id);
        ASSERT_NE(icon, nullptr);
        EXPECT_EQ(LoadIcon(nullptr, c.Id), icon);
        ASSERT_NE(IconFromHandle(icon), nullptr);
        EXPECT_EQ(IconFromHandle(icon)->Largest().Width(), 32);
    }
    EXPECT_NE(LoadIcon(nullptr, IDI_HAND), LoadIcon(nullptr, IDI_QUESTION));
    for (const UINT_PTR id : { UINT_PTR(0), UINT_PTR(32512), UINT_PTR(32517), UINT_PTR(32649) })
        EXPECT_EQ(LoadIcon(nullptr, id), nullptr) << id;
    EXPECT_TRUE(StandardIconPicture(0).Empty());
    int someModule = 0;
    EXPECT_EQ(LoadIcon(reinterpret_cast<HINSTANCE>(&someModule), IDI_HAND), nullptr)
        << "a module's own icons are not the system's";
}
