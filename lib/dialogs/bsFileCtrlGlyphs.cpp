#include "lib/dialogs/bsFileCtrlGlyphs.h"

#include "platform/shell/BuiltInIcons.h"

namespace {

constexpr TColor kBackground = clFuchsia;

// The shell's own picture of the role, cut to the glyph's height from the top and laid on the
// background; darker when marked, as the open folder of the current folder is.
std::unique_ptr<TBitmap> FromShellIcon(TShellIconRole role, int height, bool marked) {
    const gfx::Surface icon = BuiltInIcon(role, 16);
    auto glyph = std::make_unique<TBitmap>(16, height);
    TCanvas& canvas = glyph->Canvas();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < 16; ++x) {
            const gfx::Pixel p = icon.At(x, y + 16 - height);
            if (gfx::PixelA(p) < 128) {
                canvas.SetPixels(x, y, kBackground);
                continue;
            }
            const int shade = marked ? 2 : 1;
            canvas.SetPixels(x, y,
                             TColor((gfx::PixelR(p) / shade) | (gfx::PixelG(p) / shade) << 8 |
                                    (gfx::PixelB(p) / shade) << 16));
        }
    return glyph;
}

} // namespace

std::unique_ptr<TBitmap> MakeFileGlyph(TbsFileGlyph glyph) {
    switch (glyph) {
    case TbsFileGlyph::Floppy:
        return FromShellIcon(irRemovable, 16, false);
    case TbsFileGlyph::Hard:
        return FromShellIcon(irDrive, 16, false);
    case TbsFileGlyph::Network:
        return FromShellIcon(irComputer, 16, false);
    case TbsFileGlyph::CDROM:
        return FromShellIcon(irRemovable, 16, true);
    case TbsFileGlyph::RAM:
        return FromShellIcon(irDrive, 11, true);
    case TbsFileGlyph::OpenFolder:
        return FromShellIcon(irFolderOpen, 15, false);
    case TbsFileGlyph::ClosedFolder:
        return FromShellIcon(irFolder, 15, false);
    case TbsFileGlyph::CurrentFolder:
        return FromShellIcon(irFolderOpen, 15, true);
    }
    return nullptr;
}

TbsGlyphObject::TbsGlyphObject(TbsFileGlyph glyph) : FBitmap(MakeFileGlyph(glyph)) {
    FBitmap->SetTransparent(true);
}
