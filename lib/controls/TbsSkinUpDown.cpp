#include "lib/controls/TbsSkinUpDown.h"

#include "lib/controls/bsActivePicture.h"
#include "lib/controls/bsRecordRects.h"
#include "lib/controls/bsStepButtonLooks.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindata/bsSkinListRecords.h"
#include "lib/skindraw/bsImageBuilders.h"
#include "lib/skindraw/bsMarks.h"
#include "platform/forms/ControlMessages.h"
#include "platform/gfx/TBitmap.h"

TbsSkinUpDown::TbsSkinUpDown(TComponent* owner) : TbsSkinCustomControl(owner) {
    SetSkinDataName("hupdown");
    SetBounds(Left(), Top(), 50, 25);
}

TbsSkinUpDown::~TbsSkinUpDown() = default;

// ---- Value ----

void TbsSkinUpDown::SetPosition(int value) {
    if (value > FMax || value < FMin) return;
    FPosition = value;
    if (!Designing()) CallEvent(OnChange, this);
}

void TbsSkinUpDown::SetMin(int value) {
    FMin = value;
    if (FPosition < FMin) FPosition = FMin;
}

void TbsSkinUpDown::SetMax(int value) {
    FMax = value;
    if (FPosition > FMax) FPosition = FMax;
}

void TbsSkinUpDown::SetUseSkinSize(bool value) {
    FUseSkinSize = value;
    Repaint();
}

void TbsSkinUpDown::SetOrientation(TUDOrientation value) {
    FOrientation = value;
    if (Designing() && !ComponentState().Contains(csLoading))
        SetSkinDataName(value == udVertical ? "vupdown" : "hupdown");
    Repaint();
}

// ---- Skin and geometry ----

void TbsSkinUpDown::GetSkinData() {
    TbsSkinCustomControl::GetSkinData();
    if (const auto* record = dynamic_cast<const TbsDataSkinUpDownControl*>(SkinRecord())) {
        UpButtonRect = record->UpButtonRect;
        ActiveUpButtonRect = record->ActiveUpButtonRect;
        DownUpButtonRect = OrElse(record->DownUpButtonRect, ActiveUpButtonRect);
        DownButtonRect = record->DownButtonRect;
        ActiveDownButtonRect = record->ActiveDownButtonRect;
        DownDownButtonRect = OrElse(record->DownDownButtonRect, ActiveDownButtonRect);
        // The face keeps its size: no guide points, no client part.
        LTPt = RTPt = LBPt = RBPt = TPoint();
        ClRect = TRect();
        ResizeMode = DetectResizeMode();
    } else {
        // Without button rectangles a record of another kind could place no button.
        FIndex = -1;
    }
    CalcRects();
}

void TbsSkinUpDown::CalcSkinSize(int& AWidth, int& AHeight) {
    if (FUseSkinSize) TbsSkinCustomControl::CalcSkinSize(AWidth, AHeight);
}

void TbsSkinUpDown::UpdateSkinRegion() {
    if (FUseSkinSize) TbsSkinCustomControl::UpdateSkinRegion();
}

void TbsSkinUpDown::CalcRects() {
    if (FIndex != -1 && FUseSkinSize) {
        Buttons[kUpButton].R = UpButtonRect;
        Buttons[kDownButton].R = DownButtonRect;
        return;
    }
    const int width = Width();
    const int height = Height();
    if (FOrientation == udVertical) {
        Buttons[kUpButton].R = TRect(0, 0, width, height / 2);
        Buttons[kDownButton].R = TRect(0, height / 2, width, height);
    } else {
        Buttons[kDownButton].R = TRect(0, 0, width / 2, height);
        Buttons[kUpButton].R = TRect(width / 2, 0, width, height);
    }
}

int TbsSkinUpDown::ArrowOf(int i) const {
    const bool vertical = FOrientation == udVertical;
    if (i == kUpButton) return vertical ? adUp : adRight;
    return vertical ? adDown : adLeft;
}

// ---- Looks ----

void TbsSkinUpDown::CreateControlDefaultImage(TBitmap& B) {
    CalcRects();
    DrawPlainButton(B.Canvas(), kUpButton);
    DrawPlainButton(B.Canvas(), kDownButton);
}

void TbsSkinUpDown::DrawPlainButton(TCanvas& canvas, int i) {
    const TbsCBButtonX& b = Buttons[i];
    const TbsPlainButtonState state = b.Down && b.MouseIn ? pbsPressed
                                      : b.MouseIn         ? pbsHot
                                                          : pbsNormal;
    DrawPlainStepButton(canvas, b.R, state, TbsArrowDirection(ArrowOf(i)));
}

void TbsSkinUpDown::CreateControlSkinImage(TBitmap& B) {
    if (!FUseSkinSize) {
        DrawResizeButton(B.Canvas(), kUpButton);
        DrawResizeButton(B.Canvas(), kDownButton);
        return;
    }
    TbsSkinCustomControl::CreateControlSkinImage(B);
    if (!Picture) return;
    DrawSkinButton(B.Canvas(), kUpButton);
    DrawSkinButton(B.Canvas(), kDownButton);
}

void TbsSkinUpDown::DrawSkinButton(TCanvas& canvas, int i) {
    const bool up = i == kUpButton;
    DrawSkinStepButton(canvas, *Picture, Buttons[i], up ? DownUpButtonRect : DownDownButtonRect,
                       up ? ActiveUpButtonRect : ActiveDownButtonRect);
}

void TbsSkinUpDown::DrawResizeButton(TCanvas& canvas, int i) {
    const TbsCBButtonX& b = Buttons[i];
    const int width = b.R.Width();
    const int height = b.R.Height();
    if (width <= 0 || height <= 0) return;
    TBitmap face(width, height);
    face.Canvas().Brush().SetColor(clBtnFace);
    face.Canvas().FillRect(TRect(0, 0, width, height));

    const int index = FSD ? FSD->GetControlIndex("resizebutton") : -1;
    const auto* record =
        index < 0
            ? nullptr
            : dynamic_cast<const TbsDataSkinButtonControl*>(FSD->CtrlList[size_t(index)].get());
    TBitmap* picture = record ? ActivePictureOf(*FSD, record->PictureIndex) : nullptr;
    if (record && picture) {
        const bool pressed = b.Down && b.MouseIn;
        const TRect hot = OrElse(record->ActiveSkinRect, record->SkinRect);
        const TRect source = pressed     ? OrElse(record->DownSkinRect, hot)
                             : b.MouseIn ? hot
                                         : record->SkinRect;
        const int dx = width - record->SkinRect.Width();
        const int dy = height - record->SkinRect.Height();
        const TPoint& lt = record->LTPoint;
        const TPoint& rt = record->RTPoint;
        const TPoint& lb = record->LBPoint;
        const TPoint& rb = record->RBPoint;
        const TRect& cl = record->ClRect;
        BuildNineSliceImage(lt, rt, lb, rb, cl, lt, TPoint(rt.X + dx, rt.Y),
                            TPoint(lb.X, lb.Y + dy), TPoint(rb.X + dx, rb.Y + dy),
                            TRect(cl.Left, cl.Top, cl.Right + dx, cl.Bottom + dy), face, *picture,
                            source, width, height, true, record->LeftStretch, record->TopStretch,
                            record->RightStretch, record->BottomStretch, record->StretchEffect,
                            record->StretchType);
        const TColor color = pressed     ? record->DownFontColor
                             : b.MouseIn ? record->ActiveFontColor
                                         : record->FontColor;
        const TRect mark =
            pressed ? MovedBy(TRect(0, 0, width, height), 2, 2) : TRect(0, 0, width, height);
        DrawArrowMark(face.Canvas(), mark, color, ArrowOf(i));
    }
    canvas.Draw(b.R.Left, b.R.Top, &face);
}

// ---- Pointer and repeat ----

void TbsSkinUpDown::TestActive(int x, int y) {
    const int hot = HotButtonAt(Buttons, 2, TPoint(x, y), CaptureButton);
    if (hot == ActiveButton) return;
    OldActiveButton = ActiveButton;
    ActiveButton = hot;
    if (OldActiveButton != -1) ButtonLeave(OldActiveButton);
    if (ActiveButton != -1) ButtonEnter(ActiveButton);
}

void TbsSkinUpDown::ButtonEnter(int i) {
    Buttons[1 - i].MouseIn = false;
    Buttons[i].MouseIn = true;
    Repaint();
    if (Buttons[i].Down && FIncrement != 0) FRepeat.Resume();
}

void TbsSkinUpDown::ButtonLeave(int i) {
    Buttons[i].MouseIn = false;
    Repaint();
    if (Buttons[i].Down && FIncrement != 0) FRepeat.Pause();
}

void TbsSkinUpDown::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    CalcRects();
    TestActive(x, y);
    for (int i = kUpButton; i <= kDownButton; ++i)
        if (i != ActiveButton) Buttons[i].MouseIn = false;
    if (ActiveButton != -1) {
        CaptureButton = ActiveButton;
        ButtonDown(ActiveButton);
    }
    TbsSkinCustomControl::MouseDown(button, shift, x, y);
}

void TbsSkinUpDown::ButtonDown(int i) {
    Buttons[i].MouseIn = true;
    Buttons[i].Down = true;
    Repaint();
    if (FIncrement == 0) return;
    // No step at the press: a click steps at its release.
    TimerMode = i == kUpButton ? tmUp : tmDown;
    FRepeat.Start();
}

void TbsSkinUpDown::MouseMove(TShiftState shift, int x, int y) {
    TestActive(x, y);
    TbsSkinCustomControl::MouseMove(shift, x, y);
}

void TbsSkinUpDown::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    const auto watch = FLife.Watch();
    if (CaptureButton != -1) {
        const int released = CaptureButton;
        CaptureButton = -1;
        ButtonUp(released, x, y);
        if (watch.Gone()) return;
    }
    TbsSkinCustomControl::MouseUp(button, shift, x, y);
}

void TbsSkinUpDown::ButtonUp(int i, int x, int y) {
    if (FIncrement != 0) StopTimer();
    TbsCBButtonX& b = Buttons[i];
    b.Down = false;
    const bool over = b.R.Contains(TPoint(x, y));
    if (!over) b.MouseIn = false;
    Repaint();
    // Released elsewhere: no last step and no click.
    if (!over) return;
    const auto watch = FLife.Watch();
    const bool up = i == kUpButton;
    if (FIncrement != 0) SetPosition(FPosition + (up ? FIncrement : -FIncrement));
    if (watch.Gone()) return;
    CallEvent(up ? OnUpButtonClick : OnDownButtonClick, this);
}

void TbsSkinUpDown::StopTimer() {
    FRepeat.Stop();
    TimerMode = tmNone;
}

void TbsSkinUpDown::RepeatTick() {
    if (!FRepeat.Tick()) return;
    if (TimerMode == tmDown) SetPosition(FPosition - FIncrement);
    if (TimerMode == tmUp) SetPosition(FPosition + FIncrement);
}

void TbsSkinUpDown::ClearHover() {
    for (TbsCBButtonX& b : Buttons)
        if (b.MouseIn) {
            b.MouseIn = false;
            Repaint();
        }
}

void TbsSkinUpDown::WndProc(TMessage& message) {
    switch (message.Msg) {
    case win::WM_SIZE:
        TbsSkinCustomControl::WndProc(message);
        CalcRects();
        return;
    case win::WM_TIMER:
        TbsSkinCustomControl::WndProc(message);
        if (TbsRepeatTimer::IsTick(message)) RepeatTick();
        return;
    case CM_MOUSEENTER:
        ActiveButton = OldActiveButton = -1;
        break;
    case CM_MOUSELEAVE: {
        // The pointer may be reported gone before the move that took it off a held button:
        // the repeat pauses here as well.
        if (ActiveButton != -1) ButtonLeave(ActiveButton);
        ActiveButton = OldActiveButton = -1;
        const auto watch = FLife.Watch();
        TbsSkinCustomControl::WndProc(message);
        if (!watch.Gone()) ClearHover();
        return;
    }
    default:
        break;
    }
    TbsSkinCustomControl::WndProc(message);
}
