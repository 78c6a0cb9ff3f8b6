#pragma once
#include "platform/gfx/GdiHandle.h"
#include "platform/gfx/TCanvas.h"
#include "platform/gfx/TColor.h"
#include "platform/gfx/TGraphic.h"
#include <memory>
#include <vector>

namespace win {
class BitmapObject;
}

enum TPixelFormat {
    pfDevice,
    pf1bit,
    pf4bit,
    pf8bit,
    pf15bit,
    pf16bit,
    pf24bit,
    pf32bit,
    pfCustom
};
enum TTransparentMode { tmAuto, tmFixed };
enum TBitmapHandleType { bmDIB, bmDDB };

// A bitmap over a bottom-up DIB section of its pixel format (pfDevice is the screen's 32 bits):
// ScanLine(y) gives row y in that format's own layout, the canvas draws into the same memory.
// A new size keeps the old picture at the top left and fills the rest with the brush colour.
class TBitmap : public TGraphic {
public:
    TBitmap();
    TBitmap(int width, int height);
    ~TBitmap() override;

    int Width() const override { return FWidth; }
    int Height() const override { return FHeight; }
    void SetWidth(int value) override { SetSize(value, FHeight); }
    void SetHeight(int value) override { SetSize(FWidth, value); }
    void SetSize(int width, int height);
    bool Empty() const override { return FWidth <= 0 || FHeight <= 0; }

    // pfDevice until a format is chosen; the bits of the pixels then.
    TPixelFormat PixelFormat() const { return FPixelFormat; }
    // Converts the pixels to the new format (pf15bit is 5-5-5, pf16bit 5-6-5); pfCustom is
    // refused.
    void SetPixelFormat(TPixelFormat value);
    // A bitmap of the screen's format counts as a device bitmap until its scan lines are used.
    TBitmapHandleType HandleType() const { return FPixelFormat == pfDevice ? bmDDB : bmDIB; }
    bool Monochrome() const { return FPixelFormat == pf1bit; }

    // Row y counted from the top, in the pixel format's layout (rows padded to 4 bytes; row y+1
    // lies below row y in memory, as in a bottom-up DIB). A pfDevice bitmap becomes pf32bit.
    void* ScanLine(int y);
    TCanvas& Canvas();
    // The DIB section; null while the bitmap is empty.
    win::HBITMAP Handle() const { return FHandle.get(); }
    // Takes ownership of a bitmap handle; size and format follow it.
    void SetHandle(win::HBITMAP value);
    // Gives the handle to the caller; the bitmap becomes empty.
    win::HBITMAP ReleaseHandle();

    // The colour table of a bitmap of 8 bits or fewer as a logical palette, owned by the bitmap;
    // null for deeper bitmaps without a palette of their own.
    win::HPALETTE Palette();
    // Takes ownership of a logical palette; a bitmap of 8 bits or fewer takes its colours as
    // the colour table, the pixels keeping their indices (so do bitmaps made later).
    void SetPalette(win::HPALETTE value);

    // tmAuto: the bottom-left pixel's colour; tmFixed: the colour set.
    TColor TransparentColor();
    void SetTransparentColor(TColor value);
    TTransparentMode TransparentMode() const { return FTransparentMode; }
    void SetTransparentMode(TTransparentMode value);

    // Lets the canvas's DC go; the picture stays.
    void Dormant();
    void FreeImage() {}

    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) override;
    // From a bitmap: a copy of its pixels, format, palette and transparency. From any other
    // graphic: its picture in pf32bit when it has alpha, else pf24bit.
    void Assign(const TGraphic& source) override;
    std::string ClassName() const override { return "TBitmap"; }
    std::unique_ptr<TGraphic> CreateNew() const override { return std::make_unique<TBitmap>(); }
    gfx::Surface ToSurface() const override;
    // A pf32bit (or screen-format) bitmap whose alpha bytes are not all zero.
    bool HasAlpha() const override;

protected:
    void Draw(TCanvas& canvas, const TRect& rect) override;

private:
    class BitmapCanvas;

    win::BitmapObject* Object() const;
    // Makes a DIB of the size and format, keeping what overlaps of the old picture.
    void Recreate(int width, int height, TPixelFormat format,
                  const std::vector<win::RGBQUAD>* palette = nullptr);
    void ReplaceHandle(gfx::GdiPtr<win::HBITMAP> handle);
    gfx::Pixel FillPixel() const;

    int FWidth{ 0 };
    int FHeight{ 0 };
    TPixelFormat FPixelFormat{ pfDevice };
    gfx::GdiPtr<win::HBITMAP> FHandle;
    std::unique_ptr<BitmapCanvas> FCanvas;
    gfx::GdiPtr<win::HPALETTE> FPalette;
    bool FPaletteDerived{ false }; // made from the colour table by Palette(), not set
    TColor FTransparentColor{ clDefault };
    TTransparentMode FTransparentMode{ tmAuto };
};
