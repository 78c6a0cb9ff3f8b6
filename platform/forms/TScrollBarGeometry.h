#pragma once
#include "platform/gfx/TCanvas.h"
#include "platform/gfx/TRect.h"
#include "platform/win/ScrollInfo.h"

// The parts of a classic scroll bar, from the top (left) arrow to the bottom (right) one.
enum TScrollBarPart { sbpNone, sbpLineUp, sbpPageUp, sbpThumb, sbpPageDown, sbpLineDown };

// Where the arrows, the channel and the thumb of one bar lie for a scroll state, what a point
// hits, which position a dragged thumb stands for, and the bar's classic look. Shared by the
// scroll bar control and the bars in the frames of scrolling controls.
class TScrollBarGeometry {
public:
    TScrollBarGeometry(const TRect& bounds, bool vertical, const win::SCROLLINFO& info);

    TScrollBarPart PartAt(const TPoint& p) const;
    // Empty when the bar is too short for a thumb or has nothing to scroll.
    TRect ThumbRect() const { return FThumb; }
    TRect PartRect(TScrollBarPart part) const;
    // The position a thumb shows when its leading edge is moved by delta pixels.
    int PositionForThumbAt(int delta) const;
    // The request a press on the part makes (SB_LINEUP ...); SB_ENDSCROLL for the thumb.
    static unsigned ScrollCode(TScrollBarPart part);

    // The thumb stands at nTrackPos, where a drag holds it.
    void Paint(TCanvas& canvas, TScrollBarPart pressed, bool enabled) const;

private:
    int Along(const TPoint& p) const { return FVertical ? p.Y : p.X; }
    TRect Span(int from, int to) const;

    TRect FBounds;
    bool FVertical;
    win::SCROLLINFO FInfo;
    int FArrow{ 0 };
    int FChannelStart{ 0 };
    int FChannelEnd{ 0 };
    int FThumbLength{ 0 };
    TRect FThumb;
};
