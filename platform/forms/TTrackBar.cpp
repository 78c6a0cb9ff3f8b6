#include "platform/forms/TTrackBar.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/win/Input.h"
#include "platform/win/Win.h"
#include <algorithm>

using namespace win;

namespace {
// The thumb is kThumbLength along the channel and kThumbThickness across it.
constexpr int kThumbLength = 11;
constexpr int kThumbThickness = 20;
constexpr int kMargin = 8;
constexpr int kThumbOffset = 4;
constexpr int kTickLength = 3;
} // namespace

TTrackBar::TTrackBar(TComponent* owner) : TCustomControl(owner) {
    FControlStyle.Include(csOpaque);
    FControlStyle.Exclude(csSetCaption);
    SetTabStop(true);
    FWidth = 150;
    FHeight = 45;
}

TTrackBar::~TTrackBar() = default;

void TTrackBar::RangeChanged(const TRangeChange& change) {
    if (change.Changed) Invalidate();
    if (change.Notify) Changed();
}

void TTrackBar::SetFrequency(int value) {
    FFrequency = std::max(1, value);
    Invalidate();
}

void TTrackBar::SetOrientation(TTrackBarOrientation value) {
    if (FOrientation == value) return;
    FOrientation = value;
    Invalidate();
}

void TTrackBar::SetTickMarks(TTickMark value) {
    FTickMarks = value;
    Invalidate();
}

void TTrackBar::SetTickStyle(TTickStyle value) {
    FTickStyle = value;
    Invalidate();
}

void TTrackBar::Changed() {
    if (OnChange) OnChange(this);
}

int TTrackBar::CentreOf(int position) const {
    const int length = Horizontal() ? FWidth : FHeight;
    const int first = kMargin + kThumbLength / 2;
    const int last = length - kMargin - kThumbLength / 2 - 1;
    if (Max() == Min()) return first;
    return first + int((long long)(position - Min()) * (last - first) / (Max() - Min()));
}

int TTrackBar::PositionAt(int along) const {
    const int first = CentreOf(Min());
    const int last = CentreOf(Max());
    if (last <= first) return Min();
    const long long range = Max() - Min();
    const long long offset = std::clamp(along, first, last) - first;
    return Min() + int((offset * range + (last - first) / 2) / (last - first));
}

TRect TTrackBar::ThumbRect() const {
    const int c = CentreOf(Position());
    const int across =
        FTickMarks == tmTopLeft || FTickMarks == tmBoth ? kThumbOffset + kTickLength : kThumbOffset;
    if (Horizontal())
        return TRect(c - kThumbLength / 2, across, c + kThumbLength / 2 + 1,
                     across + kThumbThickness);
    return TRect(across, c - kThumbLength / 2, across + kThumbThickness, c + kThumbLength / 2 + 1);
}

TRect TTrackBar::ChannelRect() const {
    const TRect thumb = ThumbRect();
    if (Horizontal()) {
        const int mid = (thumb.Top + thumb.Bottom) / 2;
        return TRect(kMargin, mid - 2, FWidth - kMargin, mid + 2);
    }
    const int mid = (thumb.Left + thumb.Right) / 2;
    return TRect(mid - 2, kMargin, mid + 2, FHeight - kMargin);
}

void TTrackBar::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_GETDLGCODE:
        message.Result = DLGC_WANTARROWS;
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        Invalidate();
        break;
    case WM_CAPTURECHANGED:
        FDragging = false;
        break;
    default:
        break;
    }
    TCustomControl::WndProc(message);
}

void TTrackBar::KeyDown(unsigned short& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    switch (key) {
    case VK_LEFT:
    case VK_UP:
        SetPosition(Position() - FLineSize);
        break;
    case VK_RIGHT:
    case VK_DOWN:
        SetPosition(Position() + FLineSize);
        break;
    case VK_PRIOR:
        SetPosition(Position() - FPageSize);
        break;
    case VK_NEXT:
        SetPosition(Position() + FPageSize);
        break;
    case VK_HOME:
        SetPosition(Min());
        break;
    case VK_END:
        SetPosition(Max());
        break;
    default:
        return;
    }
    key = 0;
}

void TTrackBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        const int along = Horizontal() ? x : y;
        const TRect thumb = ThumbRect();
        if (thumb.Contains(TPoint(x, y))) {
            FDragging = true;
            FDragOffset = along - CentreOf(Position());
        } else {
            SetPosition(Position() + (along < CentreOf(Position()) ? -FPageSize : FPageSize));
        }
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TTrackBar::MouseMove(TShiftState shift, int x, int y) {
    if (FDragging && shift.Contains(ssLeft))
        SetPosition(PositionAt((Horizontal() ? x : y) - FDragOffset));
    TCustomControl::MouseMove(shift, x, y);
}

void TTrackBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft) FDragging = false;
    TCustomControl::MouseUp(button, shift, x, y);
}

void TTrackBar::Paint() {
    const HDC dc = FCanvas.Handle();
    FCanvas.Brush().SetStyle(bsSolid);
    FCanvas.Brush().SetColor(FColor);
    FCanvas.FillRect(ClientRect());
    RECT channel = ChannelRect();
    DrawEdge(dc, &channel, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    FCanvas.Brush().SetColor(clWindow);
    FCanvas.FillRect(TRect(channel));

    const TRect thumb = ThumbRect();
    if (FTickStyle == tsAuto) {
        FCanvas.Pen().SetColor(clBtnText);
        const auto tick = [&](int position, bool before) {
            const int c = CentreOf(position);
            const int at = before ? (Horizontal() ? thumb.Top : thumb.Left) - 2
                                  : (Horizontal() ? thumb.Bottom : thumb.Right) + 1;
            const int end = before ? at - kTickLength : at + kTickLength;
            if (Horizontal()) {
                FCanvas.MoveTo(c, at);
                FCanvas.LineTo(c, end);
            } else {
                FCanvas.MoveTo(at, c);
                FCanvas.LineTo(end, c);
            }
        };
        for (long long p = Min(); p <= Max(); p += FFrequency) {
            if (FTickMarks != tmTopLeft) tick(int(p), false);
            if (FTickMarks != tmBottomRight) tick(int(p), true);
        }
    }
    RECT face = thumb;
    FCanvas.Brush().SetColor(clBtnFace);
    FCanvas.FillRect(thumb);
    DrawEdge(dc, &face, EDGE_RAISED, BF_RECT);
    if (Focused()) {
        const TRect client = ClientRect();
        FCanvas.DrawFocusRect(
            TRect(client.Left + 1, client.Top + 1, client.Right - 1, client.Bottom - 1));
    }
}
