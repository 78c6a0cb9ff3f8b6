// The skinned edit's buttons: the image buttons at both ends of the text area and the push
// button of the button mode. Both answer the hit test with codes of their own, so that presses
// and moves over them come as frame messages and never reach the text.
#include "lib/controls/TbsSkinCustomEdit.h"

#include "platform/forms/EditMessages.h"
#include "platform/forms/TImageList.h"
#include "platform/win/Win.h"

#include <algorithm>

using namespace win;

namespace {

constexpr int HTEDITLEFTBUTTON = 104;
constexpr int HTEDITRIGHTBUTTON = 105;
// The push button, and the frame around the text, of the button mode.
constexpr int HTEDITBUTTON = HTHSCROLL;
constexpr int HTEDITFRAME = HTVSCROLL;

// Air between an image button and the text.
constexpr int kImageGap = 2;

} // namespace

bool TbsSkinCustomEdit::HasImage(int index) const {
    return FImages && index >= 0 && index < FImages->Count();
}

void TbsSkinCustomEdit::CalcImageButtons(bool apply) {
    if (!FImages) return;
    LeftButton.R = TRect();
    RightButton.R = TRect();
    TRect R = ClientRect();
    const int imageWidth = FImages->Width();
    if (FLeftImageIndex >= 0) {
        LeftButton.R = TRect(R.Left, R.Top, R.Left + imageWidth, R.Bottom);
        R.Left += imageWidth + kImageGap;
    }
    if (FRightImageIndex >= 0) {
        RightButton.R = TRect(R.Right - imageWidth, R.Top, R.Right, R.Bottom);
        R.Right -= imageWidth + kImageGap;
    }
    if (!apply) return;
    RECT format = R;
    Perform(EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&format));
}

void TbsSkinCustomEdit::DrawImages(TCanvas& C) {
    if (!FImages) return;
    CalcImageButtons(false);
    const int imageHeight = FImages->Height();
    const auto draw = [&](const TbsCBButtonX& button, int normal, int hot, int down) {
        if (!HasImage(normal)) return;
        const TRect& r = button.R;
        const int y = std::max(r.Top, r.Top + r.Height() / 2 - imageHeight / 2);
        int index = normal;
        if (button.Down && button.MouseIn && HasImage(down))
            index = down;
        else if (button.MouseIn && HasImage(hot))
            index = hot;
        FImages->Draw(C, r.Left, y, index, Enabled());
    };
    draw(LeftButton, FLeftImageIndex, FLeftImageHotIndex, FLeftImageDownIndex);
    draw(RightButton, FRightImageIndex, FRightImageHotIndex, FRightImageDownIndex);
}

void TbsSkinCustomEdit::WMNCHitTest(TMessage& message) {
    const TPoint screen(GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam));
    if (FImages && !Designing()) {
        const TPoint p = ScreenToClient(screen);
        const auto over = [&](TbsCBButtonX& button, int index, int code) {
            if (index < 0 || !button.R.Contains(p)) return false;
            if (!button.MouseIn) {
                button.MouseIn = true;
                Invalidate();
            }
            message.Result = code;
            return true;
        };
        if (over(LeftButton, FLeftImageIndex, HTEDITLEFTBUTTON) ||
            over(RightButton, FRightImageIndex, HTEDITRIGHTBUTTON))
            return;
        if (LeftButton.MouseIn || RightButton.MouseIn) {
            LeftButton.MouseIn = false;
            RightButton.MouseIn = false;
            Invalidate();
        }
    }
    if (FButtonMode && !Designing()) {
        RECT window;
        GetWindowRect(FHandle, &window);
        const TPoint p(screen.X - window.left, screen.Y - window.top);
        GetSkinData();
        CalcRects();
        if (FButtonRect.Contains(p)) {
            message.Result = HTEDITBUTTON;
            return;
        }
        if (!FEditRect.Contains(p)) {
            message.Result = HTEDITFRAME;
            return;
        }
    }
    TbsCustomEdit::WndProc(message);
}

void TbsSkinCustomEdit::WMNCLButtonDown(TMessage& message, bool doubleClick) {
    const int hit = int(message.WParam);
    const auto press = [&](TbsCBButtonX& button) {
        button.Down = true;
        if (!Focused() && CanFocus()) SetFocus();
        if (doubleClick)
            Repaint();
        else
            Invalidate();
    };
    if (hit == HTEDITLEFTBUTTON && FImages) {
        press(LeftButton);
        return;
    }
    if (hit == HTEDITRIGHTBUTTON && FImages) {
        press(RightButton);
        return;
    }
    if (hit == HTEDITBUTTON && FButtonMode && !Designing()) {
        FButtonDown = true;
        UpdateFrame();
        return;
    }
    if (doubleClick)
        DefaultHandler(message);
    else
        TbsCustomEdit::WndProc(message);
}

void TbsSkinCustomEdit::WMNCLButtonUp(TMessage& message) {
    const int hit = int(message.WParam);
    const auto release = [&](TbsCBButtonX& button, TNotifyEvent click) {
        button.Down = false;
        Invalidate();
        if (click) click(this);
    };
    if (hit == HTEDITLEFTBUTTON && LeftButton.Down) {
        release(LeftButton, OnLeftButtonClick);
        return;
    }
    if (hit == HTEDITRIGHTBUTTON && RightButton.Down) {
        release(RightButton, OnRightButtonClick);
        return;
    }
    if (hit == HTEDITBUTTON && FButtonMode && !Designing()) {
        FButtonDown = false;
        UpdateFrame();
        if (!Focused() && CanFocus()) SetFocus();
        if (const TNotifyEvent click = OnButtonClick) click(this);
        return;
    }
    DefaultHandler(message);
}

void TbsSkinCustomEdit::WMNCMouseMove(TMessage& message) {
    if (FButtonMode && !Designing()) {
        const bool overButton = int(message.WParam) == HTEDITBUTTON;
        if (overButton != FButtonActive) {
            FButtonActive = overButton;
            UpdateFrame();
            Invalidate();
        }
    }
    DefaultHandler(message);
}
