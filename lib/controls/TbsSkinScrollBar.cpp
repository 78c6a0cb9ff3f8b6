// The scroll bar's range, geometry and input; its look is in TbsSkinScrollBarLook.cpp.
#include "lib/controls/TbsSkinScrollBar.h"

#include "lib/controls/bsFocusOnClick.h"
#include "lib/controls/bsRecordRects.h"

#include "lib/skindata/TbsSkinData.h"
#include "lib/skindata/bsSkinListRecords.h"
#include "platform/forms/ControlMessages.h"
#include "platform/win/Input.h"
#include "platform/win/Painting.h"

#include <algorithm>
#include <cmath>

namespace {

// Rounding to the nearest integer, halves to even.
int RoundEven(double value) {
    return int(std::nearbyint(value));
}

} // namespace

TbsSkinScrollBar::TbsSkinScrollBar(TComponent* owner) : TbsSkinCustomControl(owner) {
    SetSkinDataName("hscrollbar");
    SetBounds(Left(), Top(), 200, 19);
    SetDefaultHeight(19);
}

TbsSkinScrollBar::~TbsSkinScrollBar() = default;

// ---- Range ----

int TbsSkinScrollBar::ClampedPosition(int value) const {
    if (value < FMin) return FMin;
    value = std::min(value, FPageSize == 0 ? FMax : FMax - FPageSize + 1);
    // A page that covers the whole range leaves no room to scroll: the position stays at Min
    // rather than falling below the range.
    return std::max(value, FMin);
}

void TbsSkinScrollBar::SetPosition(int value) {
    value = ClampedPosition(value);
    if (value == FPosition) return;
    FPosition = value;
    Repaint();
    CallEvent(OnChange, this);
}

void TbsSkinScrollBar::SimplySetPosition(int AValue) {
    AValue = ClampedPosition(AValue);
    if (AValue == FPosition) return;
    FPosition = AValue;
    Repaint();
}

void TbsSkinScrollBar::SetRange(int AMin, int AMax, int APosition, int APageSize) {
    FMin = AMin;
    FMax = AMax;
    FPageSize = APageSize;
    FPosition = ClampedPosition(APosition);
    Repaint();
}

void TbsSkinScrollBar::SetMax(int value) {
    FMax = value;
    if (FPageSize == 0) {
        if (FPosition > FMax) FPosition = FMax;
    } else if (FMax - FMin < FPageSize + FPosition) {
        // Counted from Min, unlike the position's own clamp; the two agree while Min is 0.
        FPosition = FMax - FMin - FPageSize + 1;
        if (FPosition < FMin) FPosition = FMin;
    }
    Repaint();
}

void TbsSkinScrollBar::SetMin(int value) {
    FMin = value;
    if (FPosition < FMin) FPosition = FMin;
    Repaint();
}

void TbsSkinScrollBar::SetPageSize(int value) {
    if (FPosition + value <= FMax - FMin + 1) FPageSize = value;
    Repaint();
}

void TbsSkinScrollBar::SetSmallChange(int value) {
    FSmallChange = value;
    Repaint();
}

void TbsSkinScrollBar::SetLargeChange(int value) {
    FLargeChange = value;
    Repaint();
}

void TbsSkinScrollBar::SetCanFocused(bool value) {
    FCanFocused = value;
    SetTabStop(value);
}

void TbsSkinScrollBar::SetBoth(bool value) {
    if (FBoth == value) return;
    FBoth = value;
    if (!Designing()) {
        if (value) {
            FNormalSkinDataName = SkinDataName();
            SetSkinDataName(FBothSkinDataName);
        } else if (!FNormalSkinDataName.empty()) {
            SetSkinDataName(FNormalSkinDataName);
        }
    }
    if (FIndex == -1)
        Repaint();
    else
        ChangeSkinData();
}

void TbsSkinScrollBar::SetBothMarkerWidth(int value) {
    if (value < 0) return;
    FBothMarkerWidth = value;
    if (FIndex == -1) Repaint();
}

void TbsSkinScrollBar::SetKind(TScrollBarKind value) {
    if (FKind == value) return;
    FKind = value;
    if (Designing() && !ComponentState().Contains(csLoading)) {
        SetSkinDataName(value == sbVertical ? "vscrollbar" : "hscrollbar");
        const bool tall = Height() > Width();
        if ((value == sbVertical) != tall) SetBounds(Left(), Top(), Height(), Width());
        if (value == sbVertical) {
            FDefaultWidth = FDefaultHeight;
            FDefaultHeight = 0;
        } else {
            FDefaultHeight = FDefaultWidth;
            FDefaultWidth = 0;
        }
    }
    Repaint();
}

// ---- Skin ----

void TbsSkinScrollBar::GetSkinData() {
    TbsSkinCustomControl::GetSkinData();
    const auto* record = dynamic_cast<const TbsDataSkinScrollBarControl*>(SkinRecord());
    if (!record) {
        // Without a bar's geometry the record could place neither track nor thumb.
        FIndex = -1;
        return;
    }
    FRecord = *record;
    FRecord.DownUpButtonRect = OrElse(record->DownUpButtonRect, record->ActiveUpButtonRect);
    FRecord.DownDownButtonRect = OrElse(record->DownDownButtonRect, record->ActiveDownButtonRect);
    FRecord.ActiveThumbRect = OrElse(record->ActiveThumbRect, record->ThumbRect);
    FRecord.DownThumbRect = OrElse(record->DownThumbRect, FRecord.ActiveThumbRect);
    FRecord.ActiveGlyphRect = OrElse(record->ActiveGlyphRect, record->GlyphRect);
    FRecord.DownGlyphRect = OrElse(record->DownGlyphRect, FRecord.ActiveGlyphRect);
}

void TbsSkinScrollBar::CalcSkinSize(int& AWidth, int& AHeight) {
    TbsSkinCustomControl::CalcSkinSize(AWidth, AHeight);
    CalcRects();
}

// ---- Geometry ----

void TbsSkinScrollBar::CalcRects() {
    const int width = Width();
    const int height = Height();
    const bool skinned = FIndex != -1;
    TRect& thumb = Buttons[kThumb].R;
    TRect& up = Buttons[kUpButton].R;
    TRect& down = Buttons[kDownButton].R;
    if (!skinned) {
        if (!Vertical()) {
            const int w = FBoth ? width - FBothMarkerWidth : width;
            down = TRect(1, 1, 17, height - 1);
            up = TRect(w - 17, 1, w - 1, height - 1);
            NewTrackArea = TRect(17, 1, w - 17, height - 1);
        } else {
            down = TRect(1, 1, width - 1, 17);
            up = TRect(1, height - 17, width - 1, height - 1);
            NewTrackArea = TRect(1, 17, width - 1, height - 17);
        }
    } else if (!Vertical()) {
        // A part that starts at the right guide point or beyond moves with the right edge.
        const int dW = width - SkinRect.Width();
        NewTrackArea = FRecord.TrackArea;
        NewTrackArea.Right += dW;
        const auto place = [&](const TRect& r) { return r.Left >= RTPt.X ? MovedBy(r, dW, 0) : r; };
        up = place(FRecord.UpButtonRect);
        down = place(FRecord.DownButtonRect);
    } else {
        const int dH = height - SkinRect.Height();
        NewTrackArea = FRecord.TrackArea;
        NewTrackArea.Bottom += dH;
        const auto place = [&](const TRect& r) { return r.Top >= LBPt.Y ? MovedBy(r, 0, dH) : r; };
        up = place(FRecord.UpButtonRect);
        down = place(FRecord.DownButtonRect);
    }

    const int trackStart = Vertical() ? NewTrackArea.Top : NewTrackArea.Left;
    const int trackEnd = Vertical() ? NewTrackArea.Bottom : NewTrackArea.Right;
    const int trackLength = trackEnd - trackStart;
    int baseLength = 16;
    if (skinned) {
        baseLength = FRecord.ThumbMinSize != 0
                         ? FRecord.ThumbMinSize
                         : (Vertical() ? FRecord.ThumbRect.Height() : FRecord.ThumbRect.Width());
    }
    int length = baseLength;
    if (FPageSize == 0) {
        if (skinned && FRecord.ThumbMinPageSize != 0) length = FRecord.ThumbMinPageSize;
    } else {
        const int range = FMax - FMin + 1;
        const double factor = range == 0 ? 0.0 : double(FPageSize) / range;
        length = std::max(RoundEven(trackLength * factor), baseLength);
    }

    double k = 0;
    if (FPageSize == 0) {
        k = FMax == FMin ? 0.0 : double(FPosition - FMin) / (FMax - FMin);
    } else {
        const int span = FMax - FPageSize + 1 - FMin;
        k = span > 0 ? double(FPosition - FMin) / span : (Vertical() ? 0.0 : 1.0);
    }
    const int h = length / 2;
    Offset1 = trackStart + h;
    Offset2 = trackEnd - h;
    BOffset = RoundEven((Offset2 - Offset1) * k);
    const int from = Offset1 + BOffset - h;
    const int to = Offset1 + BOffset + h;

    int crossStart = Vertical() ? NewTrackArea.Left : NewTrackArea.Top;
    int crossEnd = Vertical() ? NewTrackArea.Right : NewTrackArea.Bottom;
    if (skinned) {
        const int cross = Vertical() ? FRecord.ThumbRect.Width() : FRecord.ThumbRect.Height();
        crossStart = crossStart + (crossEnd - crossStart) / 2 - cross / 2;
        crossEnd = crossStart + cross;
    }
    thumb =
        Vertical() ? TRect(crossStart, from, crossEnd, to) : TRect(from, crossStart, to, crossEnd);
}

int TbsSkinScrollBar::CalcValue(int d) const {
    int first = Offset1;
    int last = Offset2;
    if (FPageSize != 0) {
        const TRect& thumb = Buttons[kThumb].R;
        const int half = (Vertical() ? thumb.Height() : thumb.Width()) / 2;
        first = (Vertical() ? NewTrackArea.Top : NewTrackArea.Left) + half;
        last = (Vertical() ? NewTrackArea.Bottom : NewTrackArea.Right) - half;
    }
    double f = last - first > 0 ? double(d) / (last - first) : 0.0;
    f = std::clamp(f, 0.0, 1.0);
    if (FPageSize == 0) return FMin + RoundEven((FMax - FMin) * f);
    return FMin + RoundEven((FMax - FMin - FPageSize + 1) * f);
}

// ---- Pointer ----

void TbsSkinScrollBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    const auto watch = FLife.Watch();
    TbsSkinCustomControl::MouseDown(button, shift, x, y);
    if (watch.Gone() || button != mbLeft) return;
    MouseD = true;
    // The tick of a page repeat compares the pointer with the thumb even when it never moved.
    MX = x;
    MY = y;
    CalcRects();
    TimerMode = tmNone;
    for (int i = kThumb; i <= kDownButton; ++i) {
        if (Buttons[i].R.Contains(TPoint(x, y))) {
            CaptureButton = i;
            ButtonDown(i, x, y);
            return;
        }
    }
    if (!NewTrackArea.Contains(TPoint(x, y))) return;
    // The timer runs before the step, whose OnChange may free the bar.
    const bool before = Vertical() ? y < Buttons[kThumb].R.Top : x < Buttons[kThumb].R.Left;
    TimerMode = before ? tmPageUp : tmPageDown;
    FRepeat.Start();
    SetPosition(FPosition + (before ? -FLargeChange : FLargeChange));
    if (watch.Gone()) return;
    CallEvent(before ? OnPageUp : OnPageDown, this);
}

void TbsSkinScrollBar::ButtonDown(int i, int x, int y) {
    Buttons[i].Down = true;
    if (i == kThumb) {
        OMPos = Along(x, y);
        OldBOffset = BOffset;
        FDown = true;
        Repaint();
        return;
    }
    Repaint();
    TimerMode = i == kUpButton ? tmUpButton : tmDownButton;
    FRepeat.Start();
    if (i == kUpButton)
        UpButtonAction();
    else
        DownButtonAction();
}

void TbsSkinScrollBar::UpButtonAction() {
    if (OnUpButtonClick)
        CallEvent(OnUpButtonClick, this);
    else
        SetPosition(FPosition + FSmallChange);
}

void TbsSkinScrollBar::DownButtonAction() {
    if (OnDownButtonClick)
        CallEvent(OnDownButtonClick, this);
    else
        SetPosition(FPosition - FSmallChange);
}

void TbsSkinScrollBar::MouseMove(TShiftState shift, int x, int y) {
    const auto watch = FLife.Watch();
    MX = x;
    MY = y;
    TestActive(x, y);
    if (FDown) {
        SetPosition(CalcValue(OldBOffset + Along(x, y) - OMPos));
        if (watch.Gone()) return;
    }
    TbsSkinCustomControl::MouseMove(shift, x, y);
}

void TbsSkinScrollBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    const auto watch = FLife.Watch();
    TbsSkinCustomControl::MouseUp(button, shift, x, y);
    if (watch.Gone()) return;
    MouseD = false;
    if (TimerMode == tmPageUp || TimerMode == tmPageDown) StopTimer();
    const int released = CaptureButton;
    CaptureButton = -1;
    if (released != -1) ButtonUp(released);
    if (button == mbLeft && released == kThumb) CallEvent(OnLastChange, this);
}

void TbsSkinScrollBar::ButtonUp(int i) {
    TbsSBButton& b = Buttons[i];
    b.Down = false;
    if (ActiveButton != i) b.MouseIn = false;
    Repaint();
    if (i == kThumb)
        FDown = false;
    else
        StopTimer();
}

void TbsSkinScrollBar::TestActive(int x, int y) {
    // While a button is held, no other lights up.
    const int hot = HotButtonAt(Buttons, 3, TPoint(x, y), CaptureButton);
    if (hot == ActiveButton) return;
    if (ActiveButton != -1) ButtonLeave(ActiveButton);
    ActiveButton = hot;
    if (hot != -1) ButtonEnter(hot);
}

void TbsSkinScrollBar::ButtonEnter(int i) {
    Buttons[i].MouseIn = true;
    Repaint();
    if (i != kThumb && Buttons[i].Down) FRepeat.Resume();
}

void TbsSkinScrollBar::ButtonLeave(int i) {
    Buttons[i].MouseIn = false;
    Repaint();
    // A held arrow pauses while the pointer is off it; its mode stays.
    if (i != kThumb && Buttons[i].Down) FRepeat.Pause();
}

void TbsSkinScrollBar::StopTimer() {
    FRepeat.Stop();
    TimerMode = tmNone;
}

bool TbsSkinScrollBar::PointerBeforeThumb() const {
    const TRect& thumb = Buttons[kThumb].R;
    return Vertical() ? MY < thumb.Top : MX < thumb.Left;
}

bool TbsSkinScrollBar::PointerPastThumb() const {
    const TRect& thumb = Buttons[kThumb].R;
    return Vertical() ? MY > thumb.Bottom : MX > thumb.Right;
}

void TbsSkinScrollBar::RepeatTick() {
    if (!FRepeat.Tick()) return;
    const auto watch = FLife.Watch();
    switch (TimerMode) {
    case tmDownButton:
        DownButtonAction();
        break;
    case tmUpButton:
        UpButtonAction();
        break;
    case tmPageUp:
    case tmPageDown: {
        TestActive(MX, MY);
        CalcRects();
        // A page repeat ends by itself once the thumb has come to the pointer.
        const bool up = TimerMode == tmPageUp;
        if (!(up ? PointerBeforeThumb() : PointerPastThumb())) {
            StopTimer();
            break;
        }
        SetPosition(FPosition + (up ? -FLargeChange : FLargeChange));
        if (watch.Gone()) return;
        CallEvent(up ? OnPageUp : OnPageDown, this);
        break;
    }
    case tmNone:
        break;
    }
}

void TbsSkinScrollBar::MouseLeft() {
    if (CaptureButton == -1 && !FDown && ActiveButton != -1) {
        ButtonLeave(ActiveButton);
        ActiveButton = -1;
    }
    // Leaving a held page-down repeat ends it; a page-up repeat goes on.
    if (MouseD && TimerMode == tmPageDown) StopTimer();
}

// ---- Keys, wheel, focus ----

void TbsSkinScrollBar::KeyDown(unsigned short& key, TShiftState shift) {
    const auto watch = FLife.Watch();
    TbsSkinCustomControl::KeyDown(key, shift);
    if (watch.Gone() || !FCanFocused) return;
    switch (key) {
    case win::VK_LEFT:
    case win::VK_UP:
        SetPosition(FPosition - FSmallChange);
        break;
    case win::VK_RIGHT:
    case win::VK_DOWN:
        SetPosition(FPosition + FSmallChange);
        break;
    default:
        break;
    }
}

bool TbsSkinScrollBar::OwnPaintPending() {
    return HandleAllocated() && win::GetUpdateRect(Handle(), nullptr, win::FALSE);
}

void TbsSkinScrollBar::WheelStep(int delta) {
    // One step per message, whatever the size of the turn.
    SetPosition(FPosition + (delta > 0 ? -FSmallChange : FSmallChange));
}

void TbsSkinScrollBar::WndProc(TMessage& message) {
    switch (message.Msg) {
    case win::WM_LBUTTONDOWN:
    case win::WM_LBUTTONDBLCLK:
        if (FCanFocused && !Designing() && !Focused() && !FocusBeforeClick(*this, FClicksDisabled))
            return;
        break;
    case CN_COMMAND:
        if (FClicksDisabled) return;
        break;
    case win::WM_ERASEBKGND:
        // An erase that comes with the bar's own paint (here it comes just before WM_PAINT,
        // while the update is pending) is left to that paint; another DC gets the whole bar.
        if (!FromWMPaint && !OwnPaintPending() && message.WParam)
            PaintInto(win::HDC(message.WParam));
        message.Result = 1;
        return;
    case win::WM_SETFOCUS:
    case win::WM_KILLFOCUS:
        TbsSkinCustomControl::WndProc(message);
        if (FCanFocused) Repaint();
        return;
    case win::WM_MOUSEWHEEL:
        if (FCanFocused && Focused()) {
            WheelStep(short(win::HIWORD(message.WParam)));
            message.Result = 0;
            return;
        }
        break;
    case win::WM_TIMER:
        TbsSkinCustomControl::WndProc(message);
        if (TbsRepeatTimer::IsTick(message)) RepeatTick();
        return;
    case CM_ENABLEDCHANGED:
        TbsSkinCustomControl::WndProc(message);
        Repaint();
        return;
    case CM_WANTSPECIALKEY:
        switch (message.WParam) {
        case win::VK_LEFT:
        case win::VK_UP:
        case win::VK_RIGHT:
        case win::VK_DOWN:
            if (FCanFocused) {
                message.Result = 1;
                return;
            }
            break;
        default:
            break;
        }
        break;
    case CM_MOUSELEAVE: {
        const auto watch = FLife.Watch();
        TbsSkinCustomControl::WndProc(message);
        if (!watch.Gone() && !Designing()) MouseLeft();
        return;
    }
    default:
        break;
    }
    TbsSkinCustomControl::WndProc(message);
}
