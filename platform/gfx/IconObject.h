#pragma once
#include "platform/gfx/GdiObject.h"
#include "platform/gfx/Surface.h"
#include <vector>

// Icons: pictures with per-pixel alpha, in one or more sizes, behind HICON handles from the
// same handle table as GDI objects (so a destroyed icon's handle is recognised as stale).
namespace win {

struct HICON__;
using HICON = HICON__*;
using HANDLE = void*;

constexpr UINT DI_MASK = 0x0001;
constexpr UINT DI_IMAGE = 0x0002;
constexpr UINT DI_NORMAL = 0x0003;
constexpr UINT DI_COMPAT = 0x0004;
constexpr UINT DI_DEFAULTSIZE = 0x0008;

constexpr UINT IMAGE_BITMAP = 0;
constexpr UINT IMAGE_ICON = 1;
constexpr UINT LR_COPYFROMRESOURCE = 0x4000;

// The object behind an HICON: the icon's pictures, each top-down BGRA with straight alpha.
class IconObject : public GdiObject {
public:
    explicit IconObject(std::vector<gfx::Surface> images);

    const std::vector<gfx::Surface>& Images() const { return FImages; }
    // The largest picture: the icon's own size.
    const gfx::Surface& Largest() const;
    // The picture to scale for a size: the same size, else the smallest larger, else the largest.
    const gfx::Surface& BestFor(int width, int height) const;

private:
    std::vector<gfx::Surface> FImages;
};

// A new icon of the pictures (empty ones are left out); null when none is left.
HICON CreateIconFromImages(std::vector<gfx::Surface> images);
IconObject* IconFromHandle(HICON icon);
BOOL DestroyIcon(HICON icon);
// DI_NORMAL blends the picture by its alpha; DI_IMAGE copies its colours; DI_MASK alone
// draws the mask (black where opaque, white where clear) with SRCAND. A width or height of 0
// takes the icon's own. The step and flicker-free brush are not used.
BOOL DrawIconEx(HDC dc, int x, int y, HICON icon, int width, int height, UINT step,
                HBRUSH flickerFreeBrush, UINT flags);
BOOL DrawIcon(HDC dc, int x, int y, HICON icon);
// IMAGE_ICON: a new icon of one picture at cx by cy (0 keeps the size), scaled from the best
// picture (with LR_COPYFROMRESOURCE as without: every picture is kept). Null for other types.
HANDLE CopyImage(HANDLE image, UINT type, int cx, int cy, UINT flags);

// A picture resized by area averaging (shrinking) or nearest pixels (growing), alpha weighted.
gfx::Surface ScalePicture(const gfx::Surface& source, int width, int height);

} // namespace win
