// The slider's range, layout and input; its paint is in TbsSkinCustomSliderPaint.cpp.
#include "lib/controls/TbsSkinCustomSlider.h"

#include "lib/controls/bsActivePicture.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindata/bsSkinPanelRecords.h"
#include "lib/skindraw/bsImageBuilders.h"
#include "platform/forms/ControlMessages.h"
#include "platform/gfx/TBitmap.h"
#include "platform/win/Input.h"
#include "platform/win/Messaging.h"
#include "platform/win/Painting.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr win::UINT_PTR kTrackTimer = 1;
constexpr unsigned kTrackIntervalMs = 400;

int RoundEven(double value) {
    return int(std::nearbyint(value));
}

} // namespace

TbsSkinCustomSlider::TbsSkinCustomSlider(TComponent* owner) : TbsSkinControl(owner) {
    SetSkinDataName("slider");
    FControlStyle = { csAcceptsControls, csCaptureMouse, csClickEvents, csOpaque, csDoubleClicks };
    SetBounds(Left(), Top(), 150, 40);
    SetTabStop(true);
    for (int i = siHThumb; i <= siVRuler; ++i) {
        FImages[i] = std::make_unique<TBitmap>();
        LoadBuiltInSliderPicture(TbsSliderImage(i), *FImages[i]);
        FImages[i]->OnChange = [this](TGraphic*) {
            if (!FHoldLayout) AdjustElements();
        };
    }
    AdjustElements();
    FHoldLayout = false;
}

TbsSkinCustomSlider::~TbsSkinCustomSlider() {
    OnChange = nullptr;
    OnChanged = nullptr;
    OnDrawPoints = nullptr;
    for (auto& image : FImages)
        image->OnChange = nullptr;
}

bool TbsSkinCustomSlider::Reading() const {
    return ComponentState().Contains(csLoading) || ComponentState().Contains(csReading);
}

// ---- Range and value ----

void TbsSkinCustomSlider::SetValue(int value) {
    value = std::max(std::min(value, FMaxValue), FMinValue);
    const int old = FValue;
    FValue = value;
    MoveThumbTo(GetOffsetByValue(value));
    if (FValue != old) Change();
}

void TbsSkinCustomSlider::SetMinValue(int value) {
    if (value != FMinValue) SetValueRange(value, FMaxValue);
}

void TbsSkinCustomSlider::SetMaxValue(int value) {
    if (value != FMaxValue) SetValueRange(FMinValue, value);
}

void TbsSkinCustomSlider::SetValueRange(int AMin, int AMax) {
    // A description may hold any pair; the slider then stands at its minimum (see
    // GetOffsetByValue).
    if (AMin >= AMax && !Reading()) return;
    FMinValue = AMin;
    FMaxValue = AMax;
    if (!Reading() && AMax < AMin + FIncrement) FIncrement = AMax - AMin;
    if (FOptions.Contains(soShowPoints)) Invalidate();
    SetValue(FValue);
    RangeChanged();
}

void TbsSkinCustomSlider::SetIncrement(int value) {
    if (value <= 0 || value == FIncrement) return;
    FIncrement = value;
    // Value stays; without soSmooth the thumb snaps to the new grid.
    SetValue(FValue);
    Invalidate();
}

// ---- Properties that change the layout ----

void TbsSkinCustomSlider::SetOrientation(TbsSliderOrientation value) {
    if (value == FOrientation) return;
    FOrientation = value;
    AdjustElements();
    if (!Reading()) SetBounds(Left(), Top(), Height(), Width());
}

void TbsSkinCustomSlider::SetOptions(TbsSliderOptions value) {
    if (value == FOptions) return;
    FOptions = value;
    Invalidate();
}

void TbsSkinCustomSlider::SetNumThumbStates(int value) {
    if (value < 1 || value > 2 || value == FNumThumbStates) return;
    FNumThumbStates = value;
    AdjustElements();
}

void TbsSkinCustomSlider::SetEdgeSize(int value) {
    const TBitmap& ruler = Vertical() ? *FImages[siVRuler] : *FImages[siHRuler];
    const int length = Vertical() ? ruler.Height() : ruler.Width();
    // An edge must leave the ruler a middle to repeat.
    if (value < 0 || 2 * value >= length || value == FEdgeSize) return;
    FEdgeSize = value;
    AdjustElements();
}

void TbsSkinCustomSlider::SetTransparent(bool value) {
    FTransparent = value;
    Invalidate();
}

void TbsSkinCustomSlider::SetUseSkinThumb(bool value) {
    if (value == FUseSkinThumb) return;
    FUseSkinThumb = value;
    AdjustElements();
}

void TbsSkinCustomSlider::SetImage(TbsSliderImage index, const TBitmap* value) {
    {
        // One rebuild for the whole picture, not one per pixel drawn.
        FHoldLayout = true;
        if (value) {
            FImages[index]->Assign(*value);
            FUserImages.Include(index);
        } else {
            LoadBuiltInSliderPicture(index, *FImages[index]);
            FUserImages.Exclude(index);
            if (!Reading())
                FOptions.Exclude(index == siHThumb || index == siVThumb ? soThumbOpaque
                                                                        : soRulerOpaque);
        }
        FHoldLayout = false;
    }
    AdjustElements();
}

void TbsSkinCustomSlider::Loaded() {
    TbsSkinControl::Loaded();
    for (int i = siHThumb; i <= siVRuler; ++i)
        if (FUserImages.Contains(TbsSliderImage(i))) {
            TBitmap copy;
            copy.Assign(*FImages[i]);
            SetImage(TbsSliderImage(i), &copy);
        }
    // Sizes read from the description were not laid out while reading.
    AdjustElements();
}

void TbsSkinCustomSlider::Resize() {
    if (!Reading() && !FHoldLayout) AdjustElements();
    TbsSkinControl::Resize();
}

// ---- Skin ----

void TbsSkinCustomSlider::GetSkinData() {
    TbsSkinControl::GetSkinData();
    const auto* record = dynamic_cast<const TbsDataSkinSlider*>(SkinRecord());
    if (!record) {
        // A record of another kind has no ruler or thumb: the slider's own pictures draw it.
        FIndex = -1;
        Picture = nullptr;
        return;
    }
    Picture = ActivePictureOf(*FSD, record->PictureIndex);
    HRulerRect = record->HRulerRect;
    HThumbRect = record->HThumbRect;
    VRulerRect = record->VRulerRect;
    VThumbRect = record->VThumbRect;
    SkinEdgeSize = record->EdgeSize;
    BGColor = record->BGColor;
    PointsColor = record->PointsColor;
}

void TbsSkinCustomSlider::ChangeSkinData() {
    AdjustElements();
}

// ---- Layout ----

TSize TbsSkinCustomSlider::ThumbSize() const {
    if (UsesSkinThumb()) {
        const TRect& r = Vertical() ? VThumbRect : HThumbRect;
        return TSize(r.Width() / 2, r.Height());
    }
    const TBitmap& thumb = Vertical() ? *FImages[siVThumb] : *FImages[siHThumb];
    return TSize(thumb.Width() / FNumThumbStates, thumb.Height());
}

void TbsSkinCustomSlider::AdjustElements() {
    GetSkinData();
    const int remembered = FValue;
    if (UsesSkin())
        BuildSkinRuler();
    else
        BuildRuler();
    PlaceElements();
    SetValue(remembered);
    Invalidate();
}

void TbsSkinCustomSlider::BuildSkinRuler() {
    const TRect R = GetSliderRect();
    if (Vertical())
        BuildVertThreeSliceImage(SkinEdgeSize, SkinEdgeSize, FRuler, *Picture, VRulerRect, 0,
                                 std::max(R.Height() - 12, 0), false);
    else
        BuildHorzThreeSliceImage(SkinEdgeSize, SkinEdgeSize, FRuler, *Picture, HRulerRect,
                                 std::max(R.Width() - 12, 0), 0, false);
}

void TbsSkinCustomSlider::BuildRuler() {
    // The picture's first part, its middle repeated and its end laid along the length, the end
    // taking up what the repeats leave over.
    const TRect R = GetSliderRect();
    TBitmap& picture = Vertical() ? *FImages[siVRuler] : *FImages[siHRuler];
    const int length = std::max((Vertical() ? R.Height() : R.Width()) - 12, 0);
    const int W = Vertical() ? picture.Height() : picture.Width();
    const int cross = Vertical() ? picture.Width() : picture.Height();
    const int E = FEdgeSize;
    const int M = W - 2 * E;
    const int A = length - 2 * E;
    if (Vertical())
        FRuler.SetSize(cross, length);
    else
        FRuler.SetSize(length, cross);
    if (length == 0 || W <= 0 || cross <= 0) return;
    // Whatever no piece covers shows the picture's transparent colour.
    FRuler.Canvas().Brush().SetColor(picture.TransparentColor());
    FRuler.Canvas().FillRect(TRect(0, 0, FRuler.Width(), FRuler.Height()));
    const auto copy = [&](int from, int count, int to) {
        const TRect source =
            Vertical() ? TRect(0, from, cross, from + count) : TRect(from, 0, from + count, cross);
        const TRect target =
            Vertical() ? TRect(0, to, cross, to + count) : TRect(to, 0, to + count, cross);
        FRuler.Canvas().CopyRect(target, picture.Canvas(), source);
    };
    copy(0, W - E, 0);
    // A user picture may have been given after the edge was set and leave no middle.
    if (M <= 0) return;
    const int n = A / M;
    const int r = A % M;
    for (int i = 1; i < n; ++i)
        copy(E, M, E + i * M);
    if (n >= 1) copy(W - E - r, E + r, E + n * M);
}

void TbsSkinCustomSlider::PlaceElements() {
    const TRect R = GetSliderRect();
    const TSize t = ThumbSize();
    const int rulerWidth = FRuler.Width();
    const int rulerHeight = FRuler.Height();
    TPoint thumb;
    if (!Vertical()) {
        if (t.cy > rulerHeight) {
            thumb = TPoint(R.Left + 6, R.Top + 6);
            FRulerOrg = TPoint(R.Left + 6, R.Top + 6 + (t.cy - rulerHeight) / 2);
            FPointsRect = TRect(FRulerOrg.X, R.Top + 6 + t.cy + 1, FRulerOrg.X + rulerWidth,
                                R.Bottom - R.Top - 1);
        } else {
            thumb = TPoint(R.Left + 6, R.Top + 6 + (rulerHeight - t.cy) / 2);
            FRulerOrg = TPoint(R.Left + 6, R.Top + 6);
            FPointsRect = TRect(FRulerOrg.X, R.Top + 6 + rulerHeight + 1, FRulerOrg.X + rulerWidth,
                                R.Bottom - R.Top - 1);
        }
    } else if (t.cx > rulerWidth) {
        thumb = TPoint(R.Left + 6, R.Top + 6);
        FRulerOrg = TPoint(R.Left + 6 + (t.cx - rulerWidth) / 2, R.Top + 6);
        FPointsRect = TRect(R.Left + 6 + t.cx + 1, FRulerOrg.Y, R.Right - R.Left - 1,
                            FRulerOrg.Y + rulerHeight);
    } else {
        thumb = TPoint(R.Left + 6 + (rulerWidth - t.cx) / 2, R.Top + 6);
        FRulerOrg = TPoint(R.Left + 6, R.Top + 6);
        FPointsRect = TRect(R.Left + 6 + rulerWidth + 1, R.Top + 6, R.Right - R.Left - 1,
                            R.Top + 6 + rulerHeight);
    }
    FThumbRect = TRect(thumb.X, thumb.Y, thumb.X + t.cx, thumb.Y + t.cy);
}

TRect TbsSkinCustomSlider::RulerRect() const {
    TRect r(FRulerOrg.X, FRulerOrg.Y, FRulerOrg.X + FRuler.Width(), FRulerOrg.Y + FRuler.Height());
    if (Vertical()) {
        r.Left -= 3;
        r.Right += 3;
    } else {
        r.Top -= 3;
        r.Bottom += 3;
    }
    return r;
}

// ---- Value and offset ----

int TbsSkinCustomSlider::ThumbBase() {
    const TRect R = GetSliderRect();
    return (Vertical() ? R.Top : R.Left) + 6;
}

int TbsSkinCustomSlider::GetRulerLength() const {
    const TSize t = ThumbSize();
    return Vertical() ? FRuler.Height() - t.cy : FRuler.Width() - t.cx;
}

int TbsSkinCustomSlider::GetOffsetByValue(int value) {
    const int base = ThumbBase();
    const int travel = GetRulerLength();
    const double range = double(FMaxValue) - FMinValue;
    // A range read as MinValue >= MaxValue, or a slider too short for its thumb, has no
    // scale: the thumb stays at the start, where MinValue is.
    int offset = base;
    if (range > 0 && travel > 0)
        offset = base + RoundEven(travel * (value - double(FMinValue)) / range);
    if (Vertical()) {
        const TRect R = GetSliderRect();
        offset = R.Top + R.Bottom - offset - ThumbSize().cy;
    }
    return std::max(offset, base);
}

int TbsSkinCustomSlider::GetValueByOffset(int offset) {
    const int travel = GetRulerLength();
    const double range = double(FMaxValue) - FMinValue;
    if (range <= 0 || travel <= 0) return FMinValue;
    if (Vertical()) {
        const TRect R = GetSliderRect();
        offset = R.Top + R.Bottom - offset - ThumbSize().cy;
    }
    double x = std::nearbyint((offset - ThumbBase()) * range / travel);
    if (!FOptions.Contains(soSmooth)) x = std::nearbyint(x / FIncrement) * FIncrement;
    return int(std::min(std::max(x, 0.0) + FMinValue, double(FMaxValue)));
}

int TbsSkinCustomSlider::AdjustThumb(int offset) {
    const int base = ThumbBase();
    const int travel = GetRulerLength();
    if (travel <= 0) return base;
    offset = std::clamp(offset, base, base + travel);
    // Through the value and back: without soSmooth the thumb lands on the grid.
    offset = GetOffsetByValue(GetValueByOffset(offset));
    return std::min(offset, base + travel);
}

int TbsSkinCustomSlider::MoveThumbTo(int offset) {
    offset = AdjustThumb(offset);
    InvalidateThumb();
    if (Vertical())
        FThumbRect = TRect(FThumbRect.Left, offset, FThumbRect.Right, offset + FThumbRect.Height());
    else
        FThumbRect = TRect(offset, FThumbRect.Top, offset + FThumbRect.Width(), FThumbRect.Bottom);
    InvalidateThumb();
    return offset;
}

void TbsSkinCustomSlider::SetThumbOffset(int offset) {
    offset = MoveThumbTo(offset);
    if (!FSliding) return;
    const int old = FValue;
    FValue = GetValueByOffset(offset);
    if (FValue != old) Change();
}

void TbsSkinCustomSlider::InvalidateThumb() {
    if (!HandleAllocated()) return;
    const win::RECT r = FThumbRect;
    win::InvalidateRect(Handle(), &r, !FControlStyle.Contains(csOpaque));
}

// ---- Jumps ----

TbsJumpMode TbsSkinCustomSlider::JumpModeAt(int x, int y) const {
    if (Vertical()) {
        if (y < FThumbRect.Top) return jmNext;
        if (y >= FThumbRect.Bottom) return jmPrior;
        return jmNone;
    }
    if (x < FThumbRect.Left) return jmPrior;
    if (x >= FThumbRect.Right) return jmNext;
    return jmNone;
}

void TbsSkinCustomSlider::JumpTo(TbsJumpMode mode) {
    // Steps land on multiples of Increment counted from 0.
    const double steps = std::nearbyint(double(FValue) / FIncrement);
    double target = FValue;
    switch (mode) {
    case jmHome:
        target = FMinValue;
        break;
    case jmEnd:
        target = FMaxValue;
        break;
    case jmNext:
        target = FIncrement * (steps + 1);
        break;
    case jmPrior:
        target = FIncrement * steps - FIncrement;
        break;
    case jmNone:
        return;
    }
    // As the Value setter clamps: to MaxValue first, then to MinValue, which wins in a range
    // read reversed from a description.
    const int value = int(std::max(std::min(target, double(FMaxValue)), double(FMinValue)));
    if (value != FValue) SetValue(value);
}

void TbsSkinCustomSlider::TimerTrack() {
    if (!FTimerActive && HandleAllocated()) {
        win::SetTimer(Handle(), kTrackTimer, kTrackIntervalMs, nullptr);
        FTimerActive = true;
    }
    // Tracking pauses while the pointer is not on the side of the thumb it started on.
    if (JumpModeAt(FMousePos.X, FMousePos.Y) == FStartJump) JumpTo(FStartJump);
}

void TbsSkinCustomSlider::StopTracking() {
    if (!FTracking) return;
    if (HandleAllocated()) win::KillTimer(Handle(), kTrackTimer);
    FTimerActive = false;
    FTracking = false;
    SetMouseCapture(false);
    Changed();
}

// ---- Pointer and keys ----

void TbsSkinCustomSlider::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    const auto watch = FLife.Watch();
    TbsSkinControl::MouseDown(button, shift, x, y);
    if (watch.Gone() || button != mbLeft || shift.Contains(ssDouble)) return;
    if (CanFocus() && !Focused()) SetFocus();
    if (FThumbRect.Contains(TPoint(x, y))) {
        ThumbMouseDown(button, shift, x, y);
    } else if (RulerRect().Contains(TPoint(x, y)) && CanModify()) {
        SetMouseCapture(true);
        FTracking = true;
        FMousePos = TPoint(x, y);
        FStartJump = JumpModeAt(x, y);
        TimerTrack();
    }
}

void TbsSkinCustomSlider::ThumbMouseDown(TMouseButton button, TShiftState, int x, int y) {
    if (CanFocus() && !Focused()) SetFocus();
    if (button != mbLeft || !CanModify()) return;
    FSliding = true;
    FThumbDown = true;
    FHit = Vertical() ? y - FThumbRect.Top : x - FThumbRect.Left;
    InvalidateThumb();
    Update();
}

void TbsSkinCustomSlider::MouseMove(TShiftState shift, int x, int y) {
    const auto watch = FLife.Watch();
    if (shift.Contains(ssLeft) && FSliding) {
        ThumbMouseMove(shift, x, y);
        if (watch.Gone()) return;
    } else if (FTracking) {
        FMousePos = TPoint(x, y);
    }
    TbsSkinControl::MouseMove(shift, x, y);
}

void TbsSkinCustomSlider::ThumbMouseMove(TShiftState, int x, int y) {
    if (CanModify()) SetThumbOffset(Vertical() ? y - FHit : x - FHit);
}

void TbsSkinCustomSlider::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    const auto watch = FLife.Watch();
    StopTracking();
    if (watch.Gone()) return;
    if (FSliding) {
        ThumbMouseUp(button, shift, x, y);
        if (watch.Gone()) return;
    }
    TbsSkinControl::MouseUp(button, shift, x, y);
}

void TbsSkinCustomSlider::ThumbMouseUp(TMouseButton button, TShiftState, int, int) {
    if (button != mbLeft) return;
    FSliding = false;
    FThumbDown = false;
    InvalidateThumb();
    Update();
    if (CanModify()) Changed();
}

void TbsSkinCustomSlider::KeyDown(unsigned short& key, TShiftState shift) {
    const auto watch = FLife.Watch();
    if (!shift.Contains(ssShift) && !shift.Contains(ssCtrl) && !shift.Contains(ssAlt)) {
        TbsJumpMode mode = jmNone;
        switch (key) {
        case win::VK_HOME:
            mode = jmHome;
            break;
        case win::VK_END:
            mode = jmEnd;
            break;
        case win::VK_LEFT:
            mode = Vertical() ? jmNone : jmPrior;
            break;
        case win::VK_RIGHT:
            mode = Vertical() ? jmNone : jmNext;
            break;
        case win::VK_UP:
            mode = Vertical() ? jmNext : jmNone;
            break;
        case win::VK_DOWN:
            mode = Vertical() ? jmPrior : jmNone;
            break;
        default:
            break;
        }
        if (mode != jmNone && CanModify()) {
            key = 0;
            JumpTo(mode);
            if (watch.Gone()) return;
            Changed();
            if (watch.Gone()) return;
        }
    }
    TbsSkinControl::KeyDown(key, shift);
}

void TbsSkinCustomSlider::CheckParentBackground() {
    Repaint();
}

void TbsSkinCustomSlider::WndProc(TMessage& message) {
    switch (message.Msg) {
    case win::WM_GETDLGCODE:
        message.Result = win::DLGC_WANTARROWS;
        return;
    case win::WM_TIMER:
        TbsSkinControl::WndProc(message);
        if (message.WParam == kTrackTimer && FTracking) TimerTrack();
        return;
    case win::WM_MOVE:
        TbsSkinControl::WndProc(message);
        if (FTransparent) Invalidate();
        return;
    case CM_ENABLEDCHANGED:
        TbsSkinControl::WndProc(message);
        InvalidateThumb();
        return;
    case CM_FOCUSCHANGED: {
        const bool focused =
            reinterpret_cast<TWinControl*>(message.LParam) == static_cast<TWinControl*>(this);
        if (focused != FFocused) {
            FFocused = focused;
            if (FOptions.Contains(soShowFocus)) Invalidate();
        }
        break;
    }
    default:
        break;
    }
    TbsSkinControl::WndProc(message);
}
