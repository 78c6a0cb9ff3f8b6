#pragma once
#include "platform/gfx/TRect.h"
#include <string>

class TbsDataSkinHintWindow;

// Every separator in text becomes a line break (LF then CR); an empty separator changes nothing.
std::string ReplaceLineSeparators(std::string text, const std::string& separator);

// The skin element's client rectangle and corners, moved to a window of another size.
struct TbsHintGeometry {
    TRect NewClRect;
    TPoint NewLTPoint;
    TPoint NewRTPoint;
    TPoint NewLBPoint;
    TPoint NewRBPoint;
};

// Resizes the element's picture (picW x picH) to a W x H window. W and H grow where a moved
// corner would cross its opposite one, so the right corners never pass left of the left ones
// nor the bottom ones above the top ones.
TbsHintGeometry ResizeHintGeometry(const TbsDataSkinHintWindow& record, int picW, int picH, int& W,
                                   int& H);

// The hint rectangle fitted against area: past the right edge it moves left by its width + 2,
// past the bottom up by its height + 2. Left and top edges are not tested.
TRect FitHintRect(TRect hint, const TRect& area);
