#pragma once
#include "lib/skindata/bsSkinControlRecords.h"
#include "platform/gfx/TBitmap.h"

#include <string>

class TbsSkinData;

// The nine-slice geometry of a face: guide points and client rectangle relative to the face.
struct TNineSlice {
    TPoint LT, RT, LB, RB;
    TRect Client;
    TRect Face;
    bool LeftStretch, TopStretch, RightStretch, BottomStretch, StretchEffect;
    TbsStretchType StretchType;
};

TNineSlice NineSliceOf(const TbsDataSkinCustomControl& r);

// The face `face` of the picture (guided as g says) grown to `target`'s size, drawn there.
void DrawNineSlice(TCanvas& canvas, const TNineSlice& g, TBitmap& picture, const TRect& face,
                   const TRect& target);

// The button record of that name in the skin; nullptr without a skin, without the record, or
// when the record is of another kind (its fields would not be a button's).
const TbsDataSkinButtonControl* FindButtonRecord(const TbsSkinData* skin, const std::string& name);

// A button record's face for a state (pressed under the pointer, under the pointer or at rest,
// an empty pressed face falling back to the hot one and an empty hot face to the one at rest)
// grown to `target`. A record whose picture is missing draws nothing.
void DrawButtonRecordFace(TCanvas& canvas, const TbsSkinData& skin,
                          const TbsDataSkinButtonControl& r, bool down, bool mouseIn,
                          const TRect& target);
