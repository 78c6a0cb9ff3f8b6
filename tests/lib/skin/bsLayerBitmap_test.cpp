#include "lib/skindraw/bsLayerBitmap.h"

#include "DrawingPictures.h"
#include "lib/skindraw/TbsBitmap.h"
#include "platform/forms/TWinControl.h"
#include "platform/win/Backend.h"
#include "platform/win/Painting.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/headless/HeadlessBackend.h"

#include <gtest/gtest.h>

namespace {

TEST(BuildLayerBitmapTest, MaskGreyBecomesAlphaAndColoursStay) {
    const auto image = PictureOfRows({ "ab" });
    const auto mask = PictureOfRows({ "X." });
    TbsBitmap dest;
    BuildLayerBitmap(*image, *mask, dest);
    ASSERT_EQ(dest.Width(), 2);
    EXPECT_EQ(dest.Pixel(0, 0), ColourOf('a'));              // black: transparent
    EXPECT_EQ(dest.Pixel(1, 0), 0xFF000000 | ColourOf('b')); // white: opaque
}

// A top-level layered popup, as the glow layers use.
class TLayerProbe : public TWinControl {
public:
    using TWinControl::TWinControl;

protected:
    void CreateParams(TCreateParams& params) override {
        TWinControl::CreateParams(params);
        params.Style = win::WS_POPUP;
        params.ExStyle |= win::WS_EX_LAYERED;
        params.WndParent = nullptr;
    }
};

TEST(UpdateLayerWindowTest, HandsOverPremultipliedPixelsAtTheControlsPlace) {
    auto display = std::make_unique<win::HeadlessBackend>();
    win::HeadlessBackend* headless = display.get();
    win::InstallBackend(std::move(display));
    {
        TLayerProbe layer(nullptr);
        layer.SetBounds(100, 50, 2, 1);
        TbsBitmap glow;
        glow.SetSize(2, 1);
        glow.Row(0)[0] = 0x80FF4000; // half transparent
        glow.Row(0)[1] = 0xFF00FF00; // opaque
        UpdateLayerWindow(glow, 200, layer);

        const gfx::Surface* pixels = win::WindowBackBuffer(layer.Handle());
        ASSERT_NE(pixels, nullptr);
        EXPECT_EQ(pixels->At(0, 0), 0x80802000u);
        EXPECT_EQ(pixels->At(1, 0), 0xFF00FF00u);
        EXPECT_EQ(glow.Pixel(0, 0), 0x80FF4000u) << "the picture itself is not changed";
        const auto* native = headless->Native(layer.Handle());
        ASSERT_NE(native, nullptr);
        EXPECT_EQ(native->FAlpha, 200);
        EXPECT_TRUE(native->FPerPixelAlpha);
        EXPECT_EQ(TRect(native->FBounds).TopLeft(), Point(100, 50));
    }
    win::InstallBackend(nullptr);
}

} // namespace
