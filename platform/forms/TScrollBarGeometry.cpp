#include "platform/forms/TScrollBarGeometry.h"
#include "platform/gfx/DeviceContext.h"
#include <algorithm>
#include <array>

using namespace win;

namespace {

constexpr int kMinThumb = 8;

int MaxScrollPos(const SCROLLINFO& info) {
    return std::max(info.nMin, info.nMax - std::max(int(info.nPage), 1) + 1);
}

} // namespace

TScrollBarGeometry::TScrollBarGeometry(const TRect& bounds, bool vertical, const SCROLLINFO& info)
    : FBounds(bounds), FVertical(vertical), FInfo(info) {
    const int length = vertical ? bounds.Height() : bounds.Width();
    const int thickness = vertical ? bounds.Width() : bounds.Height();
    FArrow = std::min(thickness, length / 2);
    const int start = vertical ? bounds.Top : bounds.Left;
    FChannelStart = start + FArrow;
    FChannelEnd = start + length - FArrow;
    const int channel = FChannelEnd - FChannelStart;
    const long long range = (long long)info.nMax - info.nMin + 1;
    const int maxPos = MaxScrollPos(info);
    FThumbLength =
        info.nPage > 0 ? int(channel * std::min<long long>(info.nPage, range) / range) : thickness;
    FThumbLength = std::max(FThumbLength, kMinThumb);
    if (maxPos <= info.nMin || FThumbLength >= channel) return;
    const int pos = std::clamp(info.nTrackPos, info.nMin, maxPos);
    const int at = FChannelStart + int((long long)(pos - info.nMin) * (channel - FThumbLength) /
                                       (maxPos - info.nMin));
    FThumb = Span(at, at + FThumbLength);
}

TRect TScrollBarGeometry::Span(int from, int to) const {
    return FVertical ? TRect(FBounds.Left, from, FBounds.Right, to)
                     : TRect(from, FBounds.Top, to, FBounds.Bottom);
}

TRect TScrollBarGeometry::PartRect(TScrollBarPart part) const {
    const int thumbStart = FThumb.IsEmpty() ? FChannelEnd : Along(FThumb.TopLeft());
    const int thumbEnd = FThumb.IsEmpty() ? FChannelEnd : Along(FThumb.BottomRight());
    switch (part) {
    case sbpLineUp:
        return Span(FChannelStart - FArrow, FChannelStart);
    case sbpPageUp:
        return Span(FChannelStart, thumbStart);
    case sbpThumb:
        return FThumb;
    case sbpPageDown:
        return FThumb.IsEmpty() ? TRect() : Span(thumbEnd, FChannelEnd);
    case sbpLineDown:
        return Span(FChannelEnd, FChannelEnd + FArrow);
    case sbpNone:
        break;
    }
    return TRect();
}

TScrollBarPart TScrollBarGeometry::PartAt(const TPoint& p) const {
    if (!FBounds.Contains(p)) return sbpNone;
    for (TScrollBarPart part : { sbpLineUp, sbpThumb, sbpPageUp, sbpPageDown, sbpLineDown })
        if (PartRect(part).Contains(p)) return part;
    return sbpNone;
}

int TScrollBarGeometry::PositionForThumbAt(int delta) const {
    const int maxPos = MaxScrollPos(FInfo);
    const int travel = FChannelEnd - FChannelStart - FThumbLength;
    if (FThumb.IsEmpty() || travel <= 0) return FInfo.nPos;
    const int at = std::clamp(Along(FThumb.TopLeft()) + delta - FChannelStart, 0, travel);
    return FInfo.nMin + int(((long long)at * (maxPos - FInfo.nMin) + travel / 2) / travel);
}

unsigned TScrollBarGeometry::ScrollCode(TScrollBarPart part) {
    switch (part) {
    case sbpLineUp:
        return SB_LINEUP;
    case sbpPageUp:
        return SB_PAGEUP;
    case sbpPageDown:
        return SB_PAGEDOWN;
    case sbpLineDown:
        return SB_LINEDOWN;
    default:
        return SB_ENDSCROLL;
    }
}

void TScrollBarGeometry::Paint(TCanvas& canvas, TScrollBarPart pressed, bool enabled) const {
    const HDC dc = canvas.Handle();
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(clScrollBar);
    canvas.FillRect(Span(FChannelStart, FChannelEnd));
    if (pressed == sbpPageUp || pressed == sbpPageDown) {
        canvas.Brush().SetColor(cl3DDkShadow);
        canvas.FillRect(PartRect(pressed));
    }
    const bool active = enabled && !FThumb.IsEmpty();
    for (TScrollBarPart arrow : { sbpLineUp, sbpLineDown }) {
        RECT r = PartRect(arrow);
        canvas.Brush().SetColor(clBtnFace);
        canvas.FillRect(TRect(r));
        DrawEdge(dc, &r, pressed == arrow ? BDR_SUNKENOUTER : EDGE_RAISED, BF_RECT | BF_ADJUST);
        const TRect face(r);
        const int cx = (face.Left + face.Right) / 2 + (pressed == arrow ? 1 : 0);
        const int cy = (face.Top + face.Bottom) / 2 + (pressed == arrow ? 1 : 0);
        const int s = std::max(1, std::min(face.Width(), face.Height()) / 4);
        const bool up = arrow == sbpLineUp;
        std::array<TPoint, 3> tip;
        if (FVertical)
            tip = up ? std::array{ TPoint(cx - s, cy + s / 2), TPoint(cx + s, cy + s / 2),
                                   TPoint(cx, cy - s / 2 - 1) }
                     : std::array{ TPoint(cx - s, cy - s / 2), TPoint(cx + s, cy - s / 2),
                                   TPoint(cx, cy + s / 2 + 1) };
        else
            tip = up ? std::array{ TPoint(cx + s / 2, cy - s), TPoint(cx + s / 2, cy + s),
                                   TPoint(cx - s / 2 - 1, cy) }
                     : std::array{ TPoint(cx - s / 2, cy - s), TPoint(cx - s / 2, cy + s),
                                   TPoint(cx + s / 2 + 1, cy) };
        const TColor ink = active ? clBtnText : clGrayText;
        canvas.Pen().SetColor(ink);
        canvas.Brush().SetColor(ink);
        canvas.Polygon(tip);
    }
    if (active) {
        RECT r = FThumb;
        canvas.Brush().SetColor(clBtnFace);
        canvas.FillRect(FThumb);
        DrawEdge(dc, &r, EDGE_RAISED, BF_RECT);
    }
}
