#pragma once
#include "platform/gfx/GdiHandle.h"
#include "platform/gfx/TColor.h"
#include "platform/gfx/TRect.h"

#include <cstdint>
#include <memory>

// A plain 24-bit picture for transitions and filters: a top-down DIB section whose rows are
// padded to 4 bytes, pixels blue, green, red. Colours in and out are 0x00RRGGBB. Callers own the
// animation: they step a factor over time and call a morph with it; every operation works on
// the present pixels only. Rectangles and sample positions are held inside both pictures.
class TbsEffectBmp {
public:
    // A cx x cy black picture; raises EOutOfResources when the pixel memory cannot be had.
    TbsEffectBmp(int cx, int cy);
    ~TbsEffectBmp();
    TbsEffectBmp(const TbsEffectBmp&) = delete;
    TbsEffectBmp& operator=(const TbsEffectBmp&) = delete;
    // The moved-from picture is left empty (0 x 0).
    TbsEffectBmp(TbsEffectBmp&& other) noexcept;

    // A 24-bit copy of a bitmap handle's picture.
    static std::unique_ptr<TbsEffectBmp> CreateFromhWnd(win::HBITMAP bitmap);
    static std::unique_ptr<TbsEffectBmp> CreateCopy(const TbsEffectBmp& source);

    win::HBITMAP Handle() const { return FHandle.get(); }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    int Stride() const { return FStride; }
    // The byte size of the pixel memory: stride x height.
    int Size() const { return FStride * FHeight; }
    std::uint8_t* Bits() const { return FBits; }
    const win::BITMAPINFO& BmpInfo() const { return FBmpInfo; }

    std::uint8_t* RowAddress(int y) const { return FBits + std::size_t(y) * FStride; }
    // Width x 3 bytes of row y; rows outside the picture are left alone.
    void GetScanLine(int y, void* line) const;
    void SetScanLine(int y, const void* line);
    // 0 outside the picture.
    std::uint32_t ReadPixel(int x, int y) const;
    void WritePixel(int x, int y, std::uint32_t color);

    void Draw(win::HDC dc, int x, int y) const;
    void Stretch(win::HDC dc, int x, int y, int cx, int cy) const;
    // The cx x cy part at x, y drawn at hx, hy.
    void DrawRect(win::HDC dc, int hx, int hy, int x, int y, int cx, int cy) const;

    // Transitions towards bmp, which must have this picture's size; kf runs from 0 (own) to 1.
    void Morph(const TbsEffectBmp& bmp, double kf);
    void MorphGrad(const TbsEffectBmp& bmp, double kf);
    void MorphHGrad(const TbsEffectBmp& bmp, double kf);
    void MorphVGrad(const TbsEffectBmp& bmp, double kf);
    void MorphLeftGrad(const TbsEffectBmp& bmp, double kf);
    void MorphRightGrad(const TbsEffectBmp& bmp, double kf);
    void MorphPush(const TbsEffectBmp& bmp, double kf);
    void MorphLeftSlide(const TbsEffectBmp& bmp, double kf);
    void MorphRightSlide(const TbsEffectBmp& bmp, double kf);
    // Cross-fades rct (right and bottom exclusive) with bmp's area starting at startX, startY.
    void MorphRect(const TbsEffectBmp& bmp, double kf, TRect rct, int startX, int startY);
    // Copies bmp's area starting at startX, startY into rct, right and bottom edges included.
    void CopyRect(const TbsEffectBmp& bmp, TRect rct, int startX, int startY);

    void ChangeBrightness(double kf);
    void ChangeDarkness(double kf);
    void Invert();
    void GrayScale();
    void AddMonoNoise(int amount);
    void AddColorNoise(int amount);
    // Each pixel := the mean of four samples amount rows and columns away.
    void SplitBlur(int amount);
    void Mosaic(int size);
    void Wave(int xDiv, int yDiv, int ratioVal);

    // dst must be Height x Width (the rotations) or Width x Height (FlipVert).
    void Rotate90_1(TbsEffectBmp& dst) const;
    void Rotate90_2(TbsEffectBmp& dst) const;
    void FlipVert(TbsEffectBmp& dst) const;
    // Nearest-neighbour enlargement into dst.
    void Resize(TbsEffectBmp& dst) const;

    // Change only the pixels whose mask pixel (same width, at least this height) is not white.
    void MaskBlur(const TbsEffectBmp& msk, int amount);
    void MaskAntialiasing(const TbsEffectBmp& msk, int amount);
    void MaskFillColor(const TbsEffectBmp& msk, TColor color, double kf);

private:
    struct TSamples {
        int Upper, Lower, Left, Right;
    };
    TSamples SamplesAt(int x, int y, int amount) const;
    bool SameSize(const TbsEffectBmp& other) const {
        return other.FWidth == FWidth && other.FHeight == FHeight;
    }
    bool MaskFits(const TbsEffectBmp& msk) const;
    bool MaskWhite(const TbsEffectBmp& msk, int x, int y) const;
    // The blur passes of SplitBlur and the masked filters; `at` says which pixels change.
    template <class Fn>
    void BlurWhere(int amount, Fn at);
    template <class Fn>
    void ForEachChannel(Fn fn);
    // own := t * own + (1 - t) * other on each channel of one pixel.
    void Mix(const TbsEffectBmp& bmp, int x, int y, double t);
    void CopyPixel(const TbsEffectBmp& bmp, int fromX, int fromY, int x, int y);

    int FWidth{ 0 };
    int FHeight{ 0 };
    int FStride{ 0 };
    std::uint8_t* FBits{ nullptr };
    win::BITMAPINFO FBmpInfo;
    gfx::GdiPtr<win::HBITMAP> FHandle;
};
