#pragma once

class TBitmap;
class TbsSkinData;
struct TCreateParams;

// What every popup window of the skin menus shares.

// A popup that is never activated, stays above everything and has no owner window (on this
// desktop a popup says so in its styles); saves what it covers and casts a shadow where the
// system can.
void SetMenuLevelWindowParams(TCreateParams& params);
// The skin's picture at index; nil when there is none or it is empty.
TBitmap* SkinPictureAt(TbsSkinData& sd, int index);
