// The caption strip of the skinned list box: glyph and text, and the up, down and check buttons
// with their repeat while held.
#include "lib/controls/TbsListBox.h"
#include "lib/controls/TbsSkinListBox.h"
#include "lib/controls/bsRecordRects.h"
#include "lib/controls/bsStepButtonLooks.h"
#include "lib/skindata/TbsResourceStrData.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindata/bsSkinListRecords.h"
#include "lib/skindraw/bsImageBuilders.h"
#include "lib/skindraw/bsMarks.h"
#include "platform/forms/ControlMessages.h"

#include <algorithm>

void TbsSkinCustomListBox::SetGlyph(const TBitmap& value) {
    FGlyph.Assign(value);
    Invalidate();
}

void TbsSkinCustomListBox::SetNumGlyphs(int value) {
    FNumGlyphs = value;
    Invalidate();
}

void TbsSkinCustomListBox::SetSpacing(int value) {
    FSpacing = value;
    Invalidate();
}

void TbsSkinCustomListBox::SetDefaultCaptionFont(const TFont& value) {
    FDefaultCaptionFont.Assign(value);
    if (FIndex == -1 && FCaptionMode) Invalidate();
}

void TbsSkinCustomListBox::SetAlignment(TAlignment value) {
    if (FAlignment == value) return;
    FAlignment = value;
    if (FCaptionMode) Invalidate();
}

void TbsSkinCustomListBox::SetShowCaptionButtons(bool value) {
    if (FShowCaptionButtons == value) return;
    FShowCaptionButtons = value;
    Invalidate();
}

bool TbsSkinCustomListBox::CaptionButtonsActive() const {
    if (!FCaptionMode || !FShowCaptionButtons) return false;
    return FIndex == -1 || !UpButtonRect.IsEmpty() || !DownButtonRect.IsEmpty();
}

void TbsSkinCustomListBox::CalcPlainCaptionButtons() {
    const int a = std::min(FDefaultCaptionHeight - 3, 17);
    Buttons[0].R = TRect(Width() - a - 2, 2, Width() - 2, a + 1);
    Buttons[1].R = MovedBy(Buttons[0].R, -a, 0);
    Buttons[2].R = MovedBy(Buttons[1].R, -a, 0);
}

void TbsSkinCustomListBox::DrawCaptionText(TCanvas& C, const TRect& R, int y) {
    const std::string text = Text();
    const bool glyph = !FGlyph.Empty();
    const int strips = FNumGlyphs < 1 ? 1 : FNumGlyphs;
    const int glyphWidth = glyph ? FGlyph.Width() / strips + FSpacing : 0;
    const int width = C.TextWidth(text) + glyphWidth;
    int x = R.Left;
    if (FAlignment == taRightJustify) x = R.Right - width;
    if (FAlignment == taCenter) x = R.Left + R.Width() / 2 - width / 2;
    if (glyph) {
        const int image = !Enabled() && strips == 2 ? 2 : 1;
        DrawStripGlyph(C, x, R.Top + R.Height() / 2 - FGlyph.Height() / 2 - 1, FGlyph, strips,
                       image);
        x += glyphWidth;
    }
    C.Brush().SetStyle(bsClear);
    C.TextRect(R, x, y, text);
}

void TbsSkinCustomListBox::CreateControlDefaultImage(TBitmap& B) {
    TbsSkinCustomControl::CreateControlDefaultImage(B);
    TCanvas& C = B.Canvas();
    if (FCaptionMode && FShowCaptionButtons) CalcPlainCaptionButtons();
    C.Brush().SetStyle(bsSolid);
    C.Brush().SetColor(clBtnShadow);
    C.FrameRect(TRect(0, 0, Width(), Height()));
    if (!FCaptionMode) return;
    const int a = std::min(FDefaultCaptionHeight - 3, 17);
    const TRect R(3, 2, FShowCaptionButtons ? Width() - 3 * a - 3 : Width() - 2,
                  FDefaultCaptionHeight - 2);
    C.SetFont(FDefaultCaptionFont);
    const TbsResourceStrData* strings = FSD ? FSD->ResourceStrData() : nullptr;
    if (strings) C.Font().SetCharset(strings->CharSet());
    const int y = (FDefaultCaptionHeight - 2) / 2 - C.TextHeight(Text()) / 2;
    DrawCaptionText(C, R, y);
    C.Pen().SetColor(clBtnShadow);
    C.MoveTo(1, FDefaultCaptionHeight - 1);
    C.LineTo(Width() - 1, FDefaultCaptionHeight - 1);
    if (FShowCaptionButtons)
        for (int i = 0; i < 3; ++i)
            DrawCaptionButton(C, i);
}

void TbsSkinCustomListBox::CreateControlSkinImage(TBitmap& B) {
    TbsSkinCustomControl::CreateControlSkinImage(B);
    if (!Picture) return;
    TCanvas& C = B.Canvas();
    const int dW = Width() - SkinRect.Width();
    const int dH = Height() - SkinRect.Height();
    if (!FShowCaptionButtons && !UpButtonRect.IsEmpty()) {
        // The picture's buttons are covered where the control shows none.
        if (DisabledButtonsRect.IsEmpty()) {
            const int bottom = std::max(NewClRect.Top - 1, 0);
            TBitmap strip(std::max(NewRTPoint.X - NewLTPoint.X, 1), std::max(bottom, 1));
            strip.Canvas().CopyRect(TRect(0, 0, strip.Width(), strip.Height()), C,
                                    TRect(NewLTPoint.X, 0, NewRTPoint.X, bottom));
            C.StretchDraw(TRect(NewLTPoint.X, 0, UpButtonRect.Right + dW, bottom), &strip);
        } else {
            const TRect to = MovedBy(ButtonsArea, dW, 0);
            C.CopyRect(TRect(to.Left, to.Top, to.Left + DisabledButtonsRect.Width(),
                             to.Top + DisabledButtonsRect.Height()),
                       Picture->Canvas(), DisabledButtonsRect);
        }
    }
    if (!FCaptionMode) return;
    NewCaptionRect = CaptionRect;
    const TRect records[3] = { UpButtonRect, DownButtonRect, CheckButtonRect };
    if (FShowCaptionButtons) {
        if (CaptionRect.Right >= RTPt.X) NewCaptionRect.Right += dW;
        for (int i = 0; i < 3; ++i) {
            TRect r = records[i];
            int reference = RTPt.X;
            if (r.Top > LTPt.Y) {
                r = MovedBy(r, 0, dH);
                reference = RBPt.X;
            }
            if (r.Left > reference) r = MovedBy(r, dW, 0);
            Buttons[i].R = r;
        }
    } else {
        NewCaptionRect.Right = Width() - CaptionRect.Left;
        for (TbsCBButtonX& b : Buttons)
            b.R = TRect();
    }
    if (!CaptionRect.IsEmpty()) {
        C.Font().SetName(CaptionFontName);
        C.Font().SetHeight(CaptionFontHeight);
        C.Font().SetColor(CaptionFontColor);
        C.Font().SetStyle(CaptionFontStyle);
        const TbsResourceStrData* strings = FSD ? FSD->ResourceStrData() : nullptr;
        C.Font().SetCharset(strings ? strings->CharSet() : FDefaultCaptionFont.Charset());
        const TRect R(NewCaptionRect.Left + 2, NewCaptionRect.Top, NewCaptionRect.Right - 2,
                      NewCaptionRect.Bottom);
        DrawCaptionText(
            C, R, NewCaptionRect.Top + NewCaptionRect.Height() / 2 - C.TextHeight(Text()) / 2);
    }
    if (FShowCaptionButtons)
        for (int i = 0; i < 3; ++i)
            DrawCaptionButton(C, i);
}

void TbsSkinCustomListBox::DrawCaptionButton(TCanvas& C, int i) {
    const TbsCBButtonX& b = Buttons[i];
    if (b.R.IsEmpty()) return;
    const bool pressed = b.Down && b.MouseIn;
    if (FIndex == -1) {
        if (pressed || b.MouseIn) {
            DrawPlainButtonFace(C, b.R, pressed ? pbsPressed : pbsHot);
        } else {
            // At rest the caption's buttons have no frame.
            C.Brush().SetStyle(bsSolid);
            C.Brush().SetColor(clBtnFace);
            C.FillRect(b.R);
        }
        if (i == 2)
            DrawCheckMark(C, b.R.Left + 4, b.R.Top + 4, clBlack);
        else
            DrawArrowMark(C, b.R, clBlack, i == 0 ? 3 : 4);
        return;
    }
    if (!Picture) return;
    const TRect normal[3] = { UpButtonRect, DownButtonRect, CheckButtonRect };
    const TRect hot[3] = { ActiveUpButtonRect, ActiveDownButtonRect, ActiveCheckButtonRect };
    const TRect down[3] = { DownUpButtonRect, DownDownButtonRect, DownCheckButtonRect };
    // The normal faces are relative to the face, the others absolute in the picture.
    const TRect face = pressed     ? down[i]
                       : b.MouseIn ? hot[i]
                                   : MovedBy(normal[i], SkinRect.Left, SkinRect.Top);
    if (!face.IsEmpty()) C.CopyRect(b.R, Picture->Canvas(), face);
}

void TbsSkinCustomListBox::TestActive(int x, int y) {
    if (!CaptionButtonsActive()) return;
    const int hot = HotButtonAt(Buttons, 3, TPoint(x, y), CaptureButton);
    if (hot == ActiveButton) return;
    OldActiveButton = ActiveButton;
    ActiveButton = hot;
    if (OldActiveButton != -1) ButtonLeave(OldActiveButton);
    if (ActiveButton != -1) ButtonEnter(ActiveButton);
}

void TbsSkinCustomListBox::ButtonEnter(int i) {
    Buttons[i].MouseIn = true;
    Invalidate();
    if (Buttons[i].Down && TimerMode != 0) FRepeat.Resume();
}

void TbsSkinCustomListBox::ButtonLeave(int i) {
    Buttons[i].MouseIn = false;
    Invalidate();
    if (Buttons[i].Down && TimerMode != 0) FRepeat.Pause();
}

void TbsSkinCustomListBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TestActive(x, y);
    if (ActiveButton != -1 && CaptionButtonsActive()) {
        CaptureButton = ActiveButton;
        TbsCBButtonX& b = Buttons[CaptureButton];
        b.MouseIn = true;
        b.Down = true;
        Invalidate();
        const TNotifyEvent& event = CaptureButton == 0   ? OnUpButtonClick
                                    : CaptureButton == 1 ? OnDownButtonClick
                                                         : OnCheckButtonClick;
        if (!event && CaptureButton != 2) {
            TimerMode = CaptureButton + 1;
            FRepeat.Start();
        }
    }
    TbsSkinCustomControl::MouseDown(button, shift, x, y);
}

void TbsSkinCustomListBox::MouseMove(TShiftState shift, int x, int y) {
    TestActive(x, y);
    TbsSkinCustomControl::MouseMove(shift, x, y);
}

void TbsSkinCustomListBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (CaptureButton != -1) {
        const int released = CaptureButton;
        CaptureButton = -1;
        ButtonUp(released, x, y);
    }
    TbsSkinCustomControl::MouseUp(button, shift, x, y);
}

void TbsSkinCustomListBox::ButtonUp(int i, int x, int y) {
    TbsCBButtonX& b = Buttons[i];
    b.Down = false;
    const bool over = b.R.Contains(TPoint(x, y));
    if (!over) b.MouseIn = false;
    Invalidate();
    const TNotifyEvent& event = i == 0   ? OnUpButtonClick
                                : i == 1 ? OnDownButtonClick
                                         : OnCheckButtonClick;
    if (event && over) {
        event(this);
        return;
    }
    // The button's own action runs also when released elsewhere: a held button steps once more.
    if (!event) StepCaptionButton(i);
    if (TimerMode != 0) {
        TimerMode = 0;
        FRepeat.Stop();
    }
}

void TbsSkinCustomListBox::StepCaptionButton(int i) {
    const int index = ItemIndex();
    if (i == 0 && index > 0) SetItemIndex(index - 1);
    if (i == 1 && index < ListBox->Count() - 1) SetItemIndex(index + 1);
    if (i == 2) ListBoxClick();
}

void TbsSkinCustomListBox::CaptionTimerTick() {
    if (!FRepeat.Tick() || TimerMode == 0) return;
    StepCaptionButton(TimerMode - 1);
}
