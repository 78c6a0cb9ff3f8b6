#include "SkinSamples.h"

#include "lib/skindata/TbsSkinData.h"
#include "platform/gfx/TBitmap.h"
#include "platform/rtl/Exception.h"
#include "tests/lib/controls/TestSkins.h"

#include <set>

namespace skinsamples {

namespace {

bool Inside(const gfx::Surface& pixels, const TRect& r) {
    return r.Left >= 0 && r.Top >= 0 && r.Right <= pixels.Width() && r.Bottom <= pixels.Height() &&
           r.Width() > 0 && r.Height() > 0;
}

bool SamePatch(const gfx::Surface& a, int ax, int ay, const gfx::Surface& b, int bx, int by,
               int width, int height) {
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (RgbAt(a, ax + x, ay + y) != RgbAt(b, bx + x, by + y)) return false;
    return true;
}

// The top-left pixel of the size x size patch at one corner of r.
TPoint CornerPatch(const TRect& r, TCorner corner, int size) {
    const bool right = corner == cTopRight || corner == cBottomRight;
    const bool bottom = corner == cBottomLeft || corner == cBottomRight;
    return TPoint(right ? r.Right - size : r.Left, bottom ? r.Bottom - size : r.Top);
}

} // namespace

bool CornersShow(const gfx::Surface& shot, const TRect& place, const gfx::Surface& picture,
                 const std::vector<TRect>& faces, int size, unsigned corners, bool plainFaces) {
    if (!Inside(shot, place)) return false;
    for (const TRect& face : faces) {
        if (!Inside(picture, face)) continue;
        bool all = true;
        std::set<std::uint32_t> colours;
        for (TCorner corner : { cTopLeft, cTopRight, cBottomLeft, cBottomRight }) {
            if (!(corners & corner)) continue;
            const TPoint s = CornerPatch(place, corner, size);
            const TPoint p = CornerPatch(face, corner, size);
            all = all && SamePatch(shot, s.X, s.Y, picture, p.X, p.Y, size, size);
            for (int y = 0; y < size; ++y)
                for (int x = 0; x < size; ++x)
                    colours.insert(RgbAt(picture, p.X + x, p.Y + y));
        }
        if (all && (plainFaces || colours.size() > 1)) return true;
    }
    return false;
}

bool PartShows(const gfx::Surface& shot, const TRect& area, const gfx::Surface& picture,
               const TRect& part) {
    if (!Inside(shot, area) || !Inside(picture, part)) return false;
    for (int y = area.Top; y + part.Height() <= area.Bottom; ++y)
        for (int x = area.Left; x + part.Width() <= area.Right; ++x)
            if (SamePatch(shot, x, y, picture, part.Left, part.Top, part.Width(), part.Height()))
                return true;
    return false;
}

const TbsDataSkinControl& ControlRecord(const TbsSkinData& skin, const std::string& name) {
    const int index = skin.GetControlIndex(name);
    if (index < 0) throw Exception("the skin has no record " + name);
    return *skin.CtrlList[index];
}

gfx::Surface RecordPicture(const TbsSkinData& skin, const TbsDataSkinControl& record) {
    if (record.PictureIndex < 0 || record.PictureIndex >= int(skin.FActivePictures.size()))
        return {};
    return skin.FActivePictures[record.PictureIndex]->ToSurface();
}

std::vector<TRect> Faces(const TbsDataSkinControl& record) {
    std::vector<TRect> faces{ record.SkinRect };
    if (const auto* button = dynamic_cast<const TbsDataSkinButtonControl*>(&record))
        for (const TRect& r : { button->ActiveSkinRect, button->DownSkinRect,
                                button->DisabledSkinRect, button->FocusedSkinRect })
            if (!r.IsEmpty()) faces.push_back(r);
    return faces;
}

} // namespace skinsamples
