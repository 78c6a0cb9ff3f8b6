#pragma once
#include "lib/skindata/TbsSkinData.h"
#include "platform/gfx/Surface.h"

#include <memory>
#include <ostream>
#include <string>

class TBitmap;
class TControl;

// The nine-slice geometry of a record: the face in its picture, guide points and client
// rectangle relative to the face.
struct TFaceGeometry {
    TRect SkinRect;
    TPoint LT, RT, LB, RB;
    TRect ClRect;
};
// A face whose four edges are `border` wide, with all four guide points set (resize mode 1).
TFaceGeometry NineSliceFace(const TRect& skinRect, int border);

// A skin object that sends no change message to any form; empty until a test fills it.
std::unique_ptr<TbsSkinData> MakeTestSkin(TComponent* owner = nullptr);
// One of the program's skins ("main", "tool"), loaded from its folder.
std::unique_ptr<TbsSkinData> LoadProgramSkin(const std::string& name);

// Appends a picture to the skin's active pictures; returns its number.
int AddPicture(TbsSkinData& skin, std::unique_ptr<TBitmap> picture);
// Appends a control record with that geometry, as a load would; the skin counts as loaded.
template <class TRecord = TbsDataSkinCustomControl>
TRecord& AddFaceRecord(TbsSkinData& skin, const std::string& name, int pictureIndex,
                       const TFaceGeometry& face, int maskPictureIndex = -1) {
    auto record = std::make_unique<TRecord>(name);
    record->PictureIndex = pictureIndex;
    record->MaskPictureIndex = maskPictureIndex;
    record->SkinRect = face.SkinRect;
    record->LTPoint = face.LT;
    record->RTPoint = face.RT;
    record->LBPoint = face.LB;
    record->RBPoint = face.RB;
    record->ClRect = face.ClRect;
    TRecord& added = *record;
    skin.CtrlList.push_back(std::move(record));
    skin.Empty = false;
    return added;
}

// What the control paints, windowed or not, into a bitmap of its size that starts out in
// `background` (0xRRGGBB).
gfx::Surface PaintedPixels(TControl& control, std::uint32_t background = 0x123456);
// Colour 0xRRGGBB of a surface's pixel.
std::uint32_t RgbAt(const gfx::Surface& pixels, int x, int y);
// The same of a bitmap.
std::uint32_t RgbAt(const TBitmap& bitmap, int x, int y);
// clBtnFace as 0xRRGGBB.
std::uint32_t PlainFace();
// A colour (system colours resolved) as 0xRRGGBB.
std::uint32_t RgbOf(TColor colour);
// Whether two pictures have the same size and colours.
bool SamePixels(const gfx::Surface& a, const gfx::Surface& b);

// Readable geometry in test messages.
void PrintTo(const TRect& r, std::ostream* os);
void PrintTo(const TSize& s, std::ostream* os);
void PrintTo(const TPoint& p, std::ostream* os);
