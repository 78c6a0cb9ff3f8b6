#include "HeadlessFormTest.h"
#include "app/AboutPicture.h"
#include "app/FamilyPictures.h"
#include "app/FormatCatalogue.h"
#include "app/FormatCodes.h"
#include "app/PlaceholderPicture.h"
#include "lib/controls/TbsPopupOfficeListBox.h"
#include "lib/controls/TbsSkinOfficeComboBox.h"
#include "lib/skindraw/TbsPngImageList.h"
#include "platform/gfx/TBitmap.h"
#include "platform/gfx/TPngImage.h"
#include "platform/rtl/Exception.h"

#include <cstdint>
#include <cstdlib>
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

// The window's family picker and image lists as its description makes them: the first five
// families in the tool-button look, each item showing the picture of its FamilyCode.
class FamilyPicker : public HeadlessFormTest {
protected:
    void SetUp() override {
        HeadlessFormTest::SetUp();
        FFamilies = new TbsPngImageList(FForm);
        FFamilies->SetName("bsPngImageList5");
        FFormats = new TbsPngImageList(FForm);
        FFormats->SetName("bsPngImageList3");
        FPicker = new TbsSkinOfficeComboBox(FForm);
        FPicker->SetName("bsSkinOfficeComboBox2");
        FPicker->SetParent(FForm);
        FPicker->SetBounds(10, 10, 150, 40);
        FPicker->SetToolButtonStyle(true);
        FPicker->SetImages(FFamilies);
        FPicker->SetListBoxItemHeight(50);
        FPicker->SetListBoxShowItemTitles(false);
        FPicker->SetDropDownCount(4);
        for (int position = 0; position < 5; ++position) {
            TbsSkinOfficeItem* item = FPicker->Items().Add();
            item->SetCaption(std::string(FamilyPickerCaption(position)));
            item->SetImageIndex(FamilyCodeAt(position));
        }
        FPicker->SetItemIndex(0);
        Pump();
    }

    // Pixels of the family's tile colour inside area: a shown 32 x 32 tile has hundreds.
    static int TilePixels(const gfx::Surface& pixels, const TRect& area, int red, int green,
                          int blue) {
        int count = 0;
        for (int y = area.Top; y < area.Bottom; ++y)
            for (int x = area.Left; x < area.Right; ++x) {
                const gfx::Pixel p = pixels.At(x, y);
                count += std::abs(gfx::PixelR(p) - red) <= 8 &&
                         std::abs(gfx::PixelG(p) - green) <= 8 &&
                         std::abs(gfx::PixelB(p) - blue) <= 8;
            }
        return count;
    }

    gfx::Surface ClosedPicker() {
        TBitmap target(FPicker->Width(), FPicker->Height());
        FPicker->PaintTo(target.Canvas().Handle(), 0, 0);
        return target.ToSurface();
    }

    TbsPngImageList* FFamilies{ nullptr };
    TbsPngImageList* FFormats{ nullptr };
    TbsSkinOfficeComboBox* FPicker{ nullptr };
};

int Painted(TbsPngImageList& list) {
    int painted = 0;
    for (int i = 0; i < list.PngImages().Count(); ++i)
        painted += list.PngImages().Items(i)->PngImage().Width() > 0;
    return painted;
}

TEST_F(FamilyPicker, ShowsEachFamilysPicturePaintedWhenFirstShown) {
    DrawFamilyPictures(*FForm);
    EXPECT_EQ(FFormats->PngImages().Count(), 2);
    EXPECT_EQ(Painted(*FFormats), 2);
    ASSERT_EQ(FFamilies->PngImages().Count(), 28) << "every FamilyCode keeps its index";
    EXPECT_EQ(Painted(*FFamilies), 1) << "only the shown family is painted at start";

    // The closed picker shows the chosen family's picture: the tile colour of its FamilyCode
    // (VOB, 20), not of its position.
    const TRect face(0, 0, FPicker->Width(), FPicker->Height());
    constexpr int kTile = 150;
    EXPECT_GT(TilePixels(ClosedPicker(), face, 94, 53, 177), kTile) << "closed, VOB";
    FPicker->SetItemIndex(3);
    EXPECT_EQ(Painted(*FFamilies), 2) << "a new choice paints its family";
    const gfx::Surface iPhone = ClosedPicker();
    EXPECT_GT(TilePixels(iPhone, face, 52, 73, 94), kTile) << "closed, iPhone";
    EXPECT_EQ(TilePixels(iPhone, face, 94, 53, 177), 0) << "closed, iPhone";

    FPicker->DropDown();
    Pump();
    ASSERT_TRUE(FPicker->IsPopupVisible());
    EXPECT_EQ(Painted(*FFamilies), 5) << "the open list paints all it offers";
    TbsSkinOfficeListBox& list = *FPicker->FListBox;
    TBitmap shown(list.Width(), list.Height());
    list.PaintTo(shown.Canvas().Handle(), 0, 0);
    const gfx::Surface rows = shown.ToSurface();
    struct Case {
        int position;
        int red, green, blue;
    };
    // Four of the five rows show; the list keeps the chosen fourth one in view.
    const Case cases[] = { { 1, 21, 101, 192 }, { 2, 155, 81, 224 }, { 4, 0, 105, 92 } };
    for (const Case& c : cases) {
        const TRect row = list.Items()[c.position]->ItemRect;
        ASSERT_TRUE(list.Items()[c.position]->IsVisible) << c.position;
        EXPECT_EQ(row.Height(), 50) << c.position;
        EXPECT_GT(TilePixels(rows, row, c.red, c.green, c.blue), kTile) << c.position;
    }
    FPicker->CloseUp(false);
}

} // namespace
