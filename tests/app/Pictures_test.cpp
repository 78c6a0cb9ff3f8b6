#include "HeadlessFormTest.h"
#include "app/AboutPicture.h"
#include "app/FamilyPictures.h"
#include "app/PlaceholderPicture.h"
#include "app/StandIns/TStandInComboBoxes.h"
#include "lib/controls/TbsSkinComboBox.h"
#include "lib/skindraw/TbsPngImageList.h"
#include "platform/gfx/TPngImage.h"
#include "platform/rtl/Exception.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

int Alpha(TPngImage& png, int x, int y) {
    return png.AlphaScanline(y)[x];
}

// Colours and alpha of every pixel, for telling pictures apart.
std::vector<std::uint8_t> Bytes(TPngImage& png) {
    std::vector<std::uint8_t> bytes;
    for (int y = 0; y < png.Height(); ++y) {
        const std::uint8_t* colors = png.Scanline(y);
        const std::uint8_t* alpha = png.AlphaScanline(y);
        bytes.insert(bytes.end(), colors, colors + 3 * png.Width());
        bytes.insert(bytes.end(), alpha, alpha + png.Width());
    }
    return bytes;
}

// Pixels opaque enough to be seen, inside the rectangle.
int Visible(TPngImage& png, int left, int top, int right, int bottom) {
    int count = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            count += Alpha(png, x, y) > 128;
    return count;
}

TEST(Pictures, ImageListsHoldDistinctTransparentPicturesOfEachFamilyAndFormat) {
    TbsPngImageList families(nullptr);
    TbsPngImageList formats(nullptr);
    // Filling twice must replace, not append.
    FillFamilyPictures(families, formats);
    FillFamilyPictures(families, formats);

    struct Case {
        TbsPngImageList& list;
        int count;
    };
    for (const Case& c : { Case{ families, 28 }, Case{ formats, 2 } }) {
        ASSERT_EQ(c.list.PngImages().Count(), c.count);
        EXPECT_EQ(c.list.Count(), c.count) << "one base image per picture";
        EXPECT_EQ(c.list.Width(), 32);
        EXPECT_EQ(c.list.Height(), 32);
        std::vector<std::vector<std::uint8_t>> seen;
        for (int i = 0; i < c.count; ++i) {
            TPngImage& png = c.list.PngImages().Items(i)->PngImage();
            ASSERT_EQ(png.Width(), 32) << i;
            ASSERT_EQ(png.Height(), 32) << i;
            ASSERT_EQ(png.TransparencyMode(), ptmPartial) << i;
            EXPECT_EQ(Alpha(png, 0, 0), 0) << "corner shows the ground, picture " << i;
            EXPECT_GT(Visible(png, 0, 0, 32, 32), 300) << i;
            for (std::size_t j = 0; j < seen.size(); ++j)
                EXPECT_NE(Bytes(png), seen[j]) << "pictures " << j << " and " << i;
            seen.push_back(Bytes(png));
        }
    }
}

TEST(Pictures, EveryFamilyCarriesItsLabel) {
    // Families that share a symbol (the films, the phones) are told apart by the white label
    // at the foot of the tile.
    for (int code = 0; code < FamilyPictureCount; ++code) {
        auto png = DrawFamilyPicture(code);
        int white = 0;
        for (int y = 21; y < 31; ++y)
            for (int x = 2; x < 30; ++x) {
                const std::uint8_t* p = png->Scanline(y) + 3 * x;
                white += p[0] > 220 && p[1] > 220 && p[2] > 220;
            }
        EXPECT_GT(white, 8) << code;
    }
}

TEST(Pictures, FamilyOutsideTheCatalogueIsRefused) {
    for (int code : { -1, 28 })
        EXPECT_THROW(DrawFamilyPicture(code), Exception) << code;
    EXPECT_THROW(DrawFormatPicture(2), Exception);
}

TEST(Pictures, PlaceholderAndAboutPicturesFillTheirSize) {
    struct Case {
        const char* name;
        std::unique_ptr<TPngImage> png;
        int width;
        int height;
    };
    Case cases[] = {
        { "placeholder", DrawPlaceholderPicture(558, 262), 558, 262 },
        { "small placeholder", DrawPlaceholderPicture(200, 120), 200, 120 },
        { "about", DrawAboutPicture(80), 80, 80 },
    };
    for (Case& c : cases) {
        TPngImage& png = *c.png;
        ASSERT_EQ(png.Width(), c.width) << c.name;
        ASSERT_EQ(png.Height(), c.height) << c.name;
        EXPECT_EQ(Alpha(png, 0, 0), 0) << c.name;
        EXPECT_GT(Alpha(png, c.width / 2, c.height / 3), 200) << c.name << ": symbol in the middle";
    }
    // The hint text lies below the symbol, in the lower part of the drop area.
    TPngImage& placeholder = *cases[0].png;
    EXPECT_GT(Visible(placeholder, 40, 150, 518, 240), 200);
}

class FamilyPicker : public HeadlessFormTest {
protected:
    void SetUp() override {
        HeadlessFormTest::SetUp();
        FPicker = new TStandInOfficeComboBox(FForm);
        FPicker->SetParent(FForm);
        FPicker->SetBounds(10, 10, 150, 24);
        FPicker->Items().SetCommaText("VOB,Common,HD,iPhone,TV");
        FFamilies = new TbsPngImageList(FForm);
        TbsPngImageList formats(nullptr);
        FillFamilyPictures(*FFamilies, formats);
        Pump();
    }

    TStandInOfficeComboBox* FPicker{ nullptr };
    TbsPngImageList* FFamilies{ nullptr };
};

TEST_F(FamilyPicker, DropDownShowsEachPositionsFamilyPicture) {
    ShowFamilyPictures(*FPicker, *FFamilies);
    FPicker->SetDroppedDown(true);
    Pump();
    TListBox& list = FPicker->DropDownList();
    EXPECT_EQ(list.ClientHeight(), 4 * 50) << "four rows of 50 pixels";
    const auto* native = FDisplay->Native(list.Handle());
    ASSERT_NE(native, nullptr);

    // A point of the tile left of its symbol shows the family's colour: the picture follows
    // the FamilyCode of the position, not the position itself.
    struct Case {
        int position;
        int red, green, blue;
    };
    const Case cases[] = { { 0, 94, 53, 177 }, { 1, 21, 101, 192 }, { 3, 52, 73, 94 } };
    for (const Case& c : cases) {
        const TRect row = list.ItemRect(c.position);
        const TPoint tile =
            list.ClientToScreen(TPoint(row.Left + 6 + 3, row.Top + (row.Height() - 32) / 2 + 12));
        const gfx::Pixel p =
            native->FPresented.At(tile.X - native->FBounds.left, tile.Y - native->FBounds.top);
        EXPECT_NEAR(gfx::PixelR(p), c.red, 8) << c.position;
        EXPECT_NEAR(gfx::PixelG(p), c.green, 8) << c.position;
        EXPECT_NEAR(gfx::PixelB(p), c.blue, 8) << c.position;
    }
}

TEST_F(FamilyPicker, TheWindowsFamilyPicturesArePaintedWhenTheDropDownFirstShowsThem) {
    FPicker->SetName("bsSkinOfficeComboBox2");
    FFamilies->SetName("bsPngImageList5");
    FFamilies->PngImages().Clear();
    auto* formats = new TbsPngImageList(FForm);
    formats->SetName("bsPngImageList3");
    DrawFamilyPictures(*FForm);
    EXPECT_EQ(formats->PngImages().Count(), 2);
    EXPECT_EQ(FFamilies->PngImages().Count(), 0) << "nothing painted before it is seen";
    FPicker->SetDroppedDown(true);
    Pump();
    EXPECT_EQ(FFamilies->PngImages().Count(), 28);
    TListBox& list = FPicker->DropDownList();
    const auto* native = FDisplay->Native(list.Handle());
    ASSERT_NE(native, nullptr);
    const TRect row = list.ItemRect(0);
    const TPoint tile =
        list.ClientToScreen(TPoint(row.Left + 6 + 3, row.Top + (row.Height() - 32) / 2 + 12));
    const gfx::Pixel p =
        native->FPresented.At(tile.X - native->FBounds.left, tile.Y - native->FBounds.top);
    EXPECT_NEAR(gfx::PixelR(p), 94, 8) << "the first row already shows its picture";
    EXPECT_NEAR(gfx::PixelB(p), 177, 8);
}

} // namespace
