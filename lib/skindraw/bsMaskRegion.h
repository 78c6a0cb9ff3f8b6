#pragma once
#include "platform/gfx/GdiHandle.h"
#include "platform/gfx/TRect.h"

#include <cstdint>
#include <span>
#include <vector>

class TBitmap;

// Region data built from a mask: one block in the platform's RGNDATA layout, a 32-byte header
// (rcBound the whole mask, moved like the rectangles) followed by one rectangle per run of
// black pixels of a row. A mask with no black pixels gives a block of 32 bytes and no
// rectangles; no data at all has Size 0.
class TbsRegionData {
public:
    // Bytes of the block: 32 + 16 x RectCount, or 0 without data.
    int Size() const { return int(FWords.size() * sizeof(std::uint32_t)); }
    int RectCount() const;
    // The block for ExtCreateRegion; null without data.
    const win::RGNDATA* Data() const;
    std::span<const win::RECT> Rects() const;
    TRect Bound() const;
    // A new region of the rectangles (owned by the caller); null without data.
    gfx::GdiPtr<win::HRGN> CreateRegion() const;

private:
    friend TbsRegionData RegionDataFromMask(const TBitmap& mask, int DX, int DY);
    std::vector<std::uint32_t> FWords; // header and rectangles, kept 4-byte aligned
};

// The black (exactly 0, 0, 0) pixels of the mask as rectangles one pixel high, one per run of
// a row, left to right then top to bottom, every one moved by DX, DY. Runs of neighbouring rows
// are not merged. An empty mask gives no data (Size 0). There is no limit on the count.
TbsRegionData RegionDataFromMask(const TBitmap& mask, int DX, int DY);

// The region of all black pixels of the whole mask at 0, 0; null for an empty mask.
gfx::GdiPtr<win::HRGN> RegionFromMask(const TBitmap& mask);

// The window region of a mask resized as a nine-slice face to Width x Height: the black pixels
// of the four mask strips (BuildNineSliceMaskBorders) where each belongs, united with NewClRect,
// which is always solid. Null when the new size is smaller than the mask's fixed parts or when
// neither a strip nor the client gives a region.
gfx::GdiPtr<win::HRGN> BuildNineSliceRegion(TPoint LTPt, TPoint RTPt, TPoint LBPt, TPoint RBPt,
                                            TRect ClRect, TPoint NewLTPoint, TPoint NewRTPoint,
                                            TPoint NewLBPoint, TPoint NewRBPoint, TRect NewClRect,
                                            TBitmap& mask, int Width, int Height);
