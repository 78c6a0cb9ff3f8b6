#pragma once
#include "platform/gfx/Surface.h"
#include "platform/gfx/TRect.h"

#include <string>
#include <vector>

class TbsDataSkinControl;
class TbsSkinData;

// Pixel samples that tell whether a window shows a skin's own pictures where its skinned
// elements are: small patches at an element's corners, which the skins' nine-part faces copy
// unstretched, compared with the same corners of the record's picture rectangles.
namespace skinsamples {

enum TCorner : unsigned { cTopLeft = 1, cTopRight = 2, cBottomLeft = 4, cBottomRight = 8 };
constexpr unsigned cAllCorners = cTopLeft | cTopRight | cBottomLeft | cBottomRight;

// Whether the size x size patches at the chosen corners of place (in shot) equal the same
// corners of one of the rectangles of picture, the same rectangle for every corner. Unless
// plainFaces, corners of a single colour in the picture would match any plain area of that
// colour and never count as shown.
bool CornersShow(const gfx::Surface& shot, const TRect& place, const gfx::Surface& picture,
                 const std::vector<TRect>& faces, int size, unsigned corners = cAllCorners,
                 bool plainFaces = false);

// Whether the part of picture appears unchanged somewhere inside area of shot.
bool PartShows(const gfx::Surface& shot, const TRect& area, const gfx::Surface& picture,
               const TRect& part);

// The named control record of the skin; throws when the skin has none of that name.
const TbsDataSkinControl& ControlRecord(const TbsSkinData& skin, const std::string& name);
// The picture a record's rectangles lie in.
gfx::Surface RecordPicture(const TbsSkinData& skin, const TbsDataSkinControl& record);
// The faces a record draws its element with in its states: the normal one, and a button's
// hot, pressed, disabled and focused ones where the skin gives them.
std::vector<TRect> Faces(const TbsDataSkinControl& record);

} // namespace skinsamples
