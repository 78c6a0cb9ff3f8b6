#include "platform/gfx/IcoCodec.h"
#include "platform/gfx/IconObject.h"
#include "platform/gfx/TBitmap.h"
#include "platform/gfx/TIcon.h"
#include "platform/rtl/TMemoryStream.h"
#include <gtest/gtest.h>

using gfx::MakePixel;
using gfx::Surface;

namespace {

Surface Filled(int size, gfx::Pixel p) {
    return Surface(size, size, p);
}

// A white 40 x 40 bitmap to draw icons on.
struct Paper {
    TBitmap Bitmap{ 40, 40 };
    Paper() {
        Bitmap.Canvas().Brush().SetColor(clWhite);
        Bitmap.Canvas().FillRect(Rect(0, 0, 40, 40));
    }
    TColor At(int x, int y) { return Bitmap.Canvas().Pixels(x, y); }
};

} // namespace

TEST(IconObject, DrawIconExBlendsAtTheIconsOwnSize) {
    Surface picture = Filled(16, MakePixel(255, 0, 0, 255));
    picture.Set(0, 0, MakePixel(0, 0, 255, 0)); // clear
    picture.Set(1, 0, MakePixel(0, 0, 0, 128)); // half black
    win::HICON icon = win::CreateIconFromImages({ picture });
    ASSERT_NE(icon, nullptr);
    Paper p;
    EXPECT_TRUE(
        win::DrawIconEx(p.Bitmap.Canvas().Handle(), 2, 3, icon, 0, 0, 0, nullptr, win::DI_NORMAL));
    EXPECT_EQ(p.At(2, 3), clWhite);
    EXPECT_NEAR(win::GetRValue(p.At(3, 3)), 127, 2);
    EXPECT_EQ(p.At(17, 18), clRed);
    EXPECT_EQ(p.At(18, 18), clWhite); // 16 pixels from x = 2
    win::DestroyIcon(icon);
    EXPECT_FALSE(win::DrawIcon(p.Bitmap.Canvas().Handle(), 0, 0, icon)); // stale handle
}

TEST(IconObject, DrawsFromTheBestSizeAndScales) {
    win::HICON icon = win::CreateIconFromImages(
        { Filled(16, MakePixel(0, 255, 0, 255)), Filled(32, MakePixel(0, 0, 255, 255)) });
    Paper p;
    win::HDC dc = p.Bitmap.Canvas().Handle();
    win::DrawIconEx(dc, 0, 0, icon, 16, 16, 0, nullptr, win::DI_NORMAL);
    EXPECT_EQ(p.At(8, 8), clLime);
    win::DrawIconEx(dc, 0, 0, icon, 24, 24, 0, nullptr, win::DI_NORMAL);
    EXPECT_EQ(p.At(20, 20), clBlue);
    EXPECT_EQ(p.At(24, 24), clWhite);
    win::DrawIconEx(dc, 0, 0, icon, 0, 0, 0, nullptr, win::DI_NORMAL);
    EXPECT_EQ(p.At(31, 31), clBlue);
    win::DestroyIcon(icon);
}

TEST(IconObject, ImageAndMaskFlagsDrawOnePartEach) {
    Surface picture = Filled(2, MakePixel(0, 0, 255, 255));
    picture.Set(1, 0, MakePixel(255, 0, 0, 0));
    win::HICON icon = win::CreateIconFromImages({ picture });
    Paper p;
    win::HDC dc = p.Bitmap.Canvas().Handle();
    win::DrawIconEx(dc, 0, 0, icon, 0, 0, 0, nullptr, win::DI_IMAGE);
    EXPECT_EQ(p.At(1, 0), clRed); // colours as they are, the alpha not looked at
    win::DrawIconEx(dc, 10, 0, icon, 0, 0, 0, nullptr, win::DI_MASK);
    EXPECT_EQ(p.At(10, 0), clBlack);
    EXPECT_EQ(p.At(11, 0), clWhite);
    EXPECT_FALSE(win::DrawIconEx(dc, 0, 0, icon, 0, 0, 0, nullptr, 0));
    win::DestroyIcon(icon);
}

TEST(IconObject, CopyImageMakesAnIndependentIconOfOneSize) {
    win::HICON icon = win::CreateIconFromImages(
        { Filled(16, MakePixel(0, 255, 0, 255)), Filled(48, MakePixel(0, 0, 255, 255)) });
    auto copy = static_cast<win::HICON>(
        win::CopyImage(icon, win::IMAGE_ICON, 20, 20, win::LR_COPYFROMRESOURCE));
    ASSERT_NE(copy, nullptr);
    win::DestroyIcon(icon);
    const win::IconObject* object = win::IconFromHandle(copy);
    ASSERT_NE(object, nullptr);
    ASSERT_EQ(object->Images().size(), 1u);
    EXPECT_EQ(object->Images()[0].Width(), 20);
    EXPECT_EQ(object->Images()[0].At(10, 10), MakePixel(0, 0, 255, 255));
    EXPECT_EQ(win::CopyImage(copy, win::IMAGE_BITMAP, 0, 0, 0), nullptr);
    win::DestroyIcon(copy);
}

TEST(IconObject, ScalingWeighsColoursByAlpha) {
    Surface source(2, 2);
    source.Set(0, 0, MakePixel(255, 0, 0, 255));
    source.Set(1, 0, MakePixel(0, 0, 255, 0)); // a clear pixel lends no colour
    source.Set(0, 1, MakePixel(255, 0, 0, 255));
    source.Set(1, 1, MakePixel(0, 0, 255, 0));
    const Surface half = win::ScalePicture(source, 1, 1);
    EXPECT_EQ(half.At(0, 0), MakePixel(255, 0, 0, 128));
    const Surface doubled = win::ScalePicture(source, 4, 4);
    EXPECT_EQ(doubled.At(1, 3), source.At(0, 1));
    EXPECT_EQ(doubled.At(3, 0), source.At(1, 0));
}

TEST(TIcon, KeepsEverySizeThroughFilesAndHandles) {
    const Surface small = Filled(16, MakePixel(0, 255, 0, 200));
    const Surface large = Filled(32, MakePixel(0, 0, 255, 255));
    const Surface pictures[] = { small, large };
    const auto file = gfx::IcoCodec::Encode(pictures);
    TMemoryStream stream;
    stream.WriteBuffer(file.data(), std::int64_t(file.size()));
    stream.SetPosition(0);
    TIcon icon;
    icon.LoadFromStream(stream);
    EXPECT_EQ(icon.Width(), 32);
    const win::IconObject* object = win::IconFromHandle(icon.Handle());
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->Images().size(), 2u);

    TMemoryStream saved;
    icon.SaveToStream(saved);
    const auto again =
        gfx::IcoCodec::DecodeAll(std::span(saved.Memory(), std::size_t(saved.Size())));
    ASSERT_EQ(again.size(), 2u);
    EXPECT_EQ(again[0].Pixels, small);
    EXPECT_EQ(again[1].Pixels, large);

    TIcon other;
    other.SetHandle(icon.ReleaseHandle());
    EXPECT_TRUE(icon.Empty());
    EXPECT_EQ(other.Width(), 32);
    TBitmap target(32, 32);
    target.Canvas().Draw(0, 0, &other);
    EXPECT_EQ(target.Canvas().Pixels(20, 20), clBlue);
}
