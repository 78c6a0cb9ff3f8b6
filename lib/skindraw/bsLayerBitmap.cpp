#include "lib/skindraw/bsLayerBitmap.h"

#include "lib/skindraw/TbsBitmap.h"
#include "lib/skindraw/bsTextEffects.h"
#include "platform/forms/TWinControl.h"
#include "platform/gfx/TBitmap.h"
#include "platform/win/Painting.h"

void BuildLayerBitmap(TBitmap& image, TBitmap& mask, TbsBitmap& dest) {
    dest.Assign(image);
    TbsBitmap alpha;
    alpha.Assign(mask);
    MaskToAlpha(dest, alpha);
}

void UpdateLayerWindow(const TbsBitmap& bitmap, std::uint8_t alpha, TWinControl& control) {
    if (bitmap.Empty()) return;
    TbsBitmap premultiplied;
    premultiplied.SetSize(bitmap.Width(), bitmap.Height());
    for (int y = 0; y < bitmap.Height(); ++y) {
        const TbsColor* from = bitmap.Row(y);
        TbsColor* to = premultiplied.Row(y);
        for (int x = 0; x < bitmap.Width(); ++x) {
            const TbsColor c = from[x];
            const std::uint32_t a = c >> 24;
            auto scale = [a](std::uint32_t channel) { return (channel * a + 127) / 255; };
            to[x] =
                a << 24 | scale(c >> 16 & 0xFF) << 16 | scale(c >> 8 & 0xFF) << 8 | scale(c & 0xFF);
        }
    }
    const win::POINT position{ control.Left(), control.Top() };
    const win::SIZE size{ bitmap.Width(), bitmap.Height() };
    const win::POINT origin{ 0, 0 };
    win::BLENDFUNCTION blend;
    blend.BlendOp = win::AC_SRC_OVER;
    blend.SourceConstantAlpha = alpha;
    blend.AlphaFormat = win::AC_SRC_ALPHA;
    win::UpdateLayeredWindow(control.Handle(), nullptr, &position, &size, premultiplied.DC(),
                             &origin, 0, &blend, win::ULW_ALPHA);
}
