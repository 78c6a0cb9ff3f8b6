#pragma once

class TBitmap;

// The slider's four pictures, in the order of its picture properties.
enum TbsSliderImage { siHThumb, siHRuler, siVThumb, siVRuler };

// The slider's own picture of that kind, drawn in code into bitmap: "BS_HTB" the horizontal
// thumb, 18 x 17, two 9 x 17 states side by side (normal, then pressed or disabled); "BS_HRL"
// the horizontal ruler, 10 x 8; "BS_VTB" the vertical thumb, 38 x 9, two 19 x 9 states;
// "BS_VRL" the vertical ruler, 8 x 10. Each picture's lower-left pixel has the colour around
// the shape, so that the automatic transparency leaves that colour out.
void LoadBuiltInSliderPicture(TbsSliderImage image, TBitmap& bitmap);
