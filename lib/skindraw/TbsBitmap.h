#pragma once
#include "lib/skindraw/bsPixelCore.h"
#include "platform/gfx/GdiHandle.h"
#include "platform/gfx/TCanvas.h"

#include <memory>
#include <string>

class TBitmap;
class TbsBitmapLink;
class TGraphic;
class TPicture;
class TStream;

// A 32-bit picture with per-pixel alpha: a top-down DIB section selected into a memory DC, so
// its pixels are addressable while GDI and a canvas draw into it. Drawn by alpha when AlphaBlend
// is set, else leaving out key-coloured pixels when Transparent is set (AlphaBlend wins).
class TbsBitmap {
public:
    TbsBitmap();
    virtual ~TbsBitmap();
    TbsBitmap(const TbsBitmap&) = delete;
    TbsBitmap& operator=(const TbsBitmap&) = delete;

    // Absolute values are taken; a zero side or the present size changes nothing. A new size
    // starts all 0. Raises Exception when the DIB or its DC cannot be made; the bitmap is then
    // empty.
    void SetSize(int width, int height);
    bool Empty() const { return FHandle == nullptr; }
    TCanvas& Canvas();

    win::HBITMAP Handle() const { return FHandle.get(); }
    win::HDC DC() const { return FDC.get(); }
    PbsColorArray Bits() const { return FBits; }
    TbsColor* Row(int y) const { return FBits + std::size_t(y) * std::size_t(FWidth); }
    TbsColor Pixel(int x, int y) const { return Row(y)[x]; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    TRect BoundsRect() const { return Rect(0, 0, FWidth, FHeight); }

    bool AlphaBlend() const { return FAlphaBlend; }
    void SetAlphaBlend(bool value) { FAlphaBlend = value; }
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value) { FTransparent = value; }
    const std::string& Name() const { return FName; }
    void SetName(const std::string& value) { FName = value; }
    bool NewFormat() const { return FNewFormat; }
    void SetNewFormat(bool value) { FNewFormat = value; }

    void Clear(TbsColor color);
    void SetAlpha(std::uint8_t alpha);
    void SetAlpha(std::uint8_t alpha, TRect rect);
    // AlphaBlend := some pixel's alpha is neither 0 nor 255.
    void CheckingAlphaBlend();
    void CheckingAlphaBlend(TRect rect);
    // Pixels within 5 of color in every channel become the key colour with alpha 0.
    void CheckingTransparent(TbsColor color);
    void CheckingTransparent(TRect rect, TbsColor color);

    // From a TbsBitmap, a TBitmap or another graphic; see the .cpp for the alpha each gives.
    void Assign(const TbsBitmap& source);
    void Assign(TBitmap& source);
    void Assign(TGraphic& source);
    void Assign(TPicture& source);
    // Into a TPicture's bitmap or a TBitmap: pf32bit, this size, this picture drawn at 0, 0.
    void AssignTo(TBitmap& dest) const;
    void AssignTo(TPicture& dest) const;
    // Stretches graphic into dstRect; its pure magenta pixels leave this bitmap unchanged.
    void DrawGraphic(TGraphic& graphic, TRect dstRect);

    // Name, width, height and the pixels row after row. Malformed or truncated data raises
    // EReadError and leaves this bitmap as it was.
    void LoadFromStream(TStream& stream);
    void SaveToStream(TStream& stream) const;
    // An 8-bit PCX picture, taken as opaque. A header that is not PCX's changes nothing;
    // malformed or truncated data raises EReadError and changes nothing.
    void LoadFromPcxStream(TStream& stream);

    void ChangeBitmapBrightness(int deltaBrightness);
    void SetBitmapHue(int hue);
    void ChangeBitmapSat(int deltaSat);
    void ChangeBitmapHue(int deltaHue);
    void FlipVert();
    // FlipVert, then an alpha that fades to 0 at half height (divided by 3, 4 and 2).
    void Reflection();
    void Reflection2();
    void Reflection3();

    void Draw(win::HDC dc, int x, int y) const;
    void Draw(win::HDC dc, int x, int y, TRect srcRect) const;
    void Draw(win::HDC dc, TRect dstRect) const;
    void Draw(win::HDC dc, TRect dstRect, TRect srcRect) const;
    void Draw(TCanvas& canvas, int x, int y) const;
    void Draw(TCanvas& canvas, int x, int y, TRect srcRect) const;
    void Draw(TCanvas& canvas, TRect dstRect) const;
    void Draw(TCanvas& canvas, TRect dstRect, TRect srcRect) const;
    void Draw(TbsBitmap& bitmap, int x, int y) const;
    void Draw(TbsBitmap& bitmap, int x, int y, TRect srcRect) const;
    void Draw(TbsBitmap& bitmap, TRect dstRect) const;
    void Draw(TbsBitmap& bitmap, TRect dstRect, TRect srcRect) const;

    void Tile(win::HDC dc, TRect dstRect, TRect srcRect) const;
    void Tile(TCanvas& canvas, TRect dstRect, TRect srcRect) const;
    void Tile(TbsBitmap& bitmap, TRect dstRect, TRect srcRect) const;
    // As Tile; a non-empty dstClip skips the tiles that do not meet it.
    void TileClip(win::HDC dc, TRect dstRect, TRect dstClip, TRect srcRect) const;
    void TileClip(TCanvas& canvas, TRect dstRect, TRect dstClip, TRect srcRect) const;
    void TileClip(TbsBitmap& bitmap, TRect dstRect, TRect dstClip, TRect srcRect) const;

    // Draws srcRect of bitmap behind what this bitmap holds, at x, y.
    void MergeDraw(const TbsBitmap& bitmap, int x, int y, TRect srcRect);
    // Clipped; with AlphaBlend the colour is blended by its own alpha, else written as it is.
    void FillRect(TRect rect, TbsColor color);

    // A new link to rect of this bitmap, under this bitmap's name.
    std::unique_ptr<TbsBitmapLink> GetBitmapLink(TRect rect);
    // The rectangle as skin text: "Left,Top,Right,Bottom".
    std::unique_ptr<TbsBitmapLink> GetBitmapLink(const std::string& rect);

private:
    void Release();
    // The DC transfer the flags choose, for a DC that belongs to no bitmap.
    void DrawThroughDC(win::HDC dc, TRect dstRect, TRect srcRect) const;
    template <class Fn>
    void ForEachVisiblePixel(Fn fn);
    // The tiles of srcRect's size laid over dstRect, column by column, each cut to dstRect,
    // with the matching top-left part of srcRect.
    template <class Fn>
    void ForEachTile(TRect dstRect, TRect srcRect, Fn fn) const;
    void ReflectionBy(int divisor);

    PbsColorArray FBits{ nullptr };
    int FWidth{ 0 };
    int FHeight{ 0 };
    std::string FName;
    win::BITMAPINFO FBitmapInfo;
    gfx::GdiPtr<win::HBITMAP> FHandle;
    gfx::DcPtr FDC;
    win::HGDIOBJ FOldBitmap{ nullptr };
    std::unique_ptr<TCanvas> FCanvas;
    bool FAlphaBlend{ false };
    bool FTransparent{ false };
    bool FNewFormat{ false };
};

// The live bitmap whose DC this is, or null: drawing onto it composes pixel by pixel.
TbsBitmap* FindBitmapByDC(win::HDC dc);

// A named sub-rectangle of a TbsBitmap it does not own.
class TbsBitmapLink {
public:
    TbsBitmapLink() = default;

    const std::string& Name() const { return FName; }
    void SetName(const std::string& value) { FName = value; }
    TbsBitmap* Image() const { return FImage; }
    void SetImage(TbsBitmap* value) { FImage = value; }
    TRect Rect() const { return FRect; }
    void SetRect(TRect value) { FRect = value; }
    bool Masked() const { return FMasked; }
    void SetMasked(bool value) { FMasked = value; }
    bool MaskedBorder() const { return FMaskedBorder; }
    void SetMaskedBorder(bool value) { FMaskedBorder = value; }
    bool MaskedAngles() const { return FMaskedAngles; }
    void SetMaskedAngles(bool value) { FMaskedAngles = value; }
    int Left() const { return FRect.Left; }
    int Top() const { return FRect.Top; }
    int Right() const { return FRect.Right; }
    int Bottom() const { return FRect.Bottom; }
    void SetLeft(int value) { FRect.Left = value; }
    void SetTop(int value) { FRect.Top = value; }
    void SetRight(int value) { FRect.Right = value; }
    void SetBottom(int value) { FRect.Bottom = value; }
    bool Assigned() const;

    void Assign(const TbsBitmapLink& source);
    void LoadFromStream(TStream& stream);
    void SaveToStream(TStream& stream) const;
    void Draw(TbsBitmap& bitmap, int x, int y) const;
    void Draw(TCanvas& canvas, int x, int y) const;
    void CheckingMasked();
    // Sorts the masked pixels of Rect into corners, edge strips and the inner area by margin.
    void CheckingMasked(TRect margin);

private:
    TbsBitmap* FImage{ nullptr };
    TRect FRect;
    std::string FName;
    bool FMaskedBorder{ false };
    bool FMaskedAngles{ false };
    bool FMasked{ false };
};

// Colour functions of the bitmap's colour operations; values 0..255.
TbsColor MakeBsColor(int r, int g, int b, std::uint8_t a);
TbsColor ChangeColorBrightness(TbsColor c, int delta);
void BsColorToHSL(TbsColor c, float& h, float& s, float& l);
std::uint8_t HueToChannel(float m1, float m2, float h);
TbsColor HSLToBsColor(float h, float s, float l);
TbsColor SetColorHue(TbsColor c, int hue);
TbsColor ChangeColorSat(TbsColor c, int delta);
TbsColor ChangeColorHue(TbsColor c, int delta);
