#include "lib/controls/TbsSkinToolBar.h"

#include "lib/controls/TbsGraphicSkinControl.h"
#include "lib/controls/TbsSkinBevel.h"
#include "lib/controls/TbsSkinControl.h"
#include "lib/controls/TbsSkinSpeedButton.h"
#include "lib/controls/bsActivePicture.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindraw/bsImageBuilders.h"
#include "lib/skindraw/bsMarks.h"
#include "lib/skindraw/bsRectUtils.h"
#include "platform/forms/ControlMessages.h"
#include "platform/forms/TImageList.h"
#include "platform/win/Input.h"
#include "platform/win/Messages.h"
#include "platform/win/Messaging.h"
#include "platform/win/Painting.h"
#include "platform/win/WindowApi.h"

#include <algorithm>

using namespace win;

namespace {

constexpr UINT_PTR kScrollTimer = 1;

} // namespace

TbsSkinToolBar::TbsSkinToolBar(TComponent* owner) : TbsSkinPanel(owner) {
    FForceBackground = false;
    FSkinDataName = "toolpanel";
    FHeight = 25;
    FBorderStyle = bvNone;
}

TbsSkinToolBar::~TbsSkinToolBar() {
    if (HandleAllocated()) KillTimer(Handle(), kScrollTimer);
}

template <class T>
void TbsSkinToolBar::LinkList(T*& field, T* value) {
    if (field == value) return;
    if (field) RemoveFreeNotification(field);
    field = value;
    if (field) FreeNotification(field);
}

void TbsSkinToolBar::SetCanScroll(bool value) {
    FCanScroll = value;
    if (!value) ShowScrollButtons(false);
}

void TbsSkinToolBar::SetScrollOffset(int value) {
    if (value >= 0) FScrollOffset = value;
}

void TbsSkinToolBar::SetScrollTimerInterval(int value) {
    if (value > 0) FScrollTimerInterval = value;
}

void TbsSkinToolBar::SetFlat(bool value) {
    FFlat = value;
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* button = dynamic_cast<TbsSkinSpeedButton*>(Controls(i))) button->SetFlat(value);
}

void TbsSkinToolBar::SetShowCaptions(bool value) {
    if (FShowCaptions == value) return;
    FShowCaptions = value;
    if (FAutoShowHideCaptions)
        for (int i = 0; i < ControlCount(); ++i)
            if (auto* button = dynamic_cast<TbsSkinSpeedButton*>(Controls(i)))
                button->SetShowCaption(value);
    if (FWidthWithCaptions != 0 && FWidthWithoutCaptions != 0)
        SetWidth(value ? FWidthWithCaptions : FWidthWithoutCaptions);
}

void TbsSkinToolBar::SetImages(TCustomImageList* value) {
    LinkList(FImages, value);
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* button = dynamic_cast<TbsSkinSpeedButton*>(Controls(i))) button->Repaint();
}

void TbsSkinToolBar::SetHotImages(TCustomImageList* value) {
    LinkList(FHotImages, value);
}

void TbsSkinToolBar::SetDisabledImages(TCustomImageList* value) {
    LinkList(FDisabledImages, value);
}

void TbsSkinToolBar::SetSkinData(TbsSkinData* value) {
    TbsSkinPanel::SetSkinData(value);
    for (int i = 0; i < ControlCount(); ++i) {
        if (auto* button = dynamic_cast<TbsSkinSpeedButton*>(Controls(i)))
            button->SetSkinData(value);
        else if (auto* bevel = dynamic_cast<TbsSkinBevel*>(Controls(i)))
            bevel->SetSkinData(value);
    }
}

void TbsSkinToolBar::Notification(TComponent* component, TOperation operation) {
    TbsSkinPanel::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == FImages) FImages = nullptr;
    if (component == FHotImages) FHotImages = nullptr;
    if (component == FDisabledImages) FDisabledImages = nullptr;
}

void TbsSkinToolBar::GetSkinData() {
    TbsSkinPanel::GetSkinData();
    ButtonData = nullptr;
    if (FIndex == -1) return;
    const int index = FSD->GetControlIndex("resizebutton");
    if (index >= 0)
        ButtonData =
            dynamic_cast<TbsDataSkinButtonControl*>(FSD->CtrlList[std::size_t(index)].get());
}

void TbsSkinToolBar::CentreChildren() {
    const TRect R = GetSkinClientRect();
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* child = Controls(i);
        if (dynamic_cast<TbsSkinControl*>(child) || dynamic_cast<TbsGraphicSkinControl*>(child) ||
            child->Align() != alNone)
            continue;
        child->SetTop(R.Top + R.Height() / 2 - child->Height() / 2);
    }
}

void TbsSkinToolBar::SetBounds(int left, int top, int width, int height) {
    const int oldWidth = Width();
    TbsSkinPanel::SetBounds(left, top, width, height);
    if (FAdjustControls)
        for (int i = 0; i < ControlCount(); ++i) {
            TControl* child = Controls(i);
            child->SetBounds(child->Left(), child->Top(), child->Width(), child->Height());
        }
    if (!FCanScroll) return;
    FHSizeOffset = oldWidth != 0 && Width() > oldWidth ? Width() - oldWidth : 0;
    if (Align() != alNone) UpdateRange();
    CentreChildren();
}

void TbsSkinToolBar::UpdateRange() {
    if (!FCanScroll || Width() == 0 || FUpdatingRange) return;
    FUpdatingRange = true;
    int E = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        const TControl* child = Controls(i);
        if (child->Visible()) E = std::max(E, child->Left() + child->Width());
    }
    if (E == 0) {
        ShowScrollButtons(false);
        FUpdatingRange = false;
        return;
    }
    const int cw = ClientWidth();
    const int e = FSPosition + E;
    if (e > cw) {
        ShowScrollButtons(true);
        const int clientWidth = ClientWidth();
        if (FSPosition > 0 && clientWidth > E && FHSizeOffset > 0) {
            // The bar grew and left room at the row's end: the row comes back that far.
            FHSizeOffset = std::min(FHSizeOffset, FSPosition);
            FSMax = e - 1;
            FSPosition -= FHSizeOffset;
            FSPage = clientWidth;
            MoveChildren(FHSizeOffset);
            FSOldPosition = FSPosition;
        } else if (FHSizeOffset == 0 && e - 1 < FSMax && FSPosition > 0 && clientWidth > E) {
            FSMax = e - 1;
            FSPosition -= clientWidth - E;
            FSPage = clientWidth;
            MoveChildren(clientWidth - E);
            FHSizeOffset = 0;
            FSOldPosition = FSPosition;
        } else {
            FSMax = e - 1;
            FSPage = clientWidth;
            FHSizeOffset = 0;
            FSOldPosition = FSPosition;
        }
    } else {
        if (FSPosition > 0) MoveChildren(FSPosition);
        FHSizeOffset = 0;
        FSMax = 0;
        FSPosition = 0;
        FSPage = 0;
        FSOldPosition = 0;
        ShowScrollButtons(false);
    }
    FUpdatingRange = false;
}

void TbsSkinToolBar::ShowScrollButtons(bool show) {
    if (FButtons[0].Shown == show && FButtons[1].Shown == show) return;
    FButtons[0].Shown = show;
    FButtons[1].Shown = show;
    if (!show) StopTimer();
    // The frame is computed anew for the buttons; remaking the window, as the frame change
    // asks, would free it inside its own messages.
    if (HandleAllocated())
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    HandleNeeded();
    FButtons[0].Rect = TRect(0, 0, kScrollButtonWidth, Height());
    FButtons[1].Rect = TRect(Width() - kScrollButtonWidth, 0, Width(), Height());
}

void TbsSkinToolBar::MoveChildren(int d) {
    if (d == 0) return;
    ScrollBy(d, 0);
    Repaint();
}

void TbsSkinToolBar::Step(bool right) {
    const int s = FScrollOffset != 0 ? FScrollOffset : ClientWidth();
    if (right)
        FSPosition = std::min(FSPosition + s, FSMax - FSPage + 1);
    else
        FSPosition = std::max(FSPosition - s, 0);
    if (FSPosition == FSOldPosition) {
        StopTimer();
        return;
    }
    const int d = FSPosition - FSOldPosition;
    FSOldPosition = FSPosition;
    MoveChildren(-d);
}

void TbsSkinToolBar::StartTimer(int mode) {
    FTimerMode = mode;
    if (!HandleAllocated()) return;
    KillTimer(Handle(), kScrollTimer);
    SetTimer(Handle(), kScrollTimer, UINT(FScrollTimerInterval), nullptr);
}

void TbsSkinToolBar::StopTimer() {
    FTimerMode = 0;
    if (HandleAllocated()) KillTimer(Handle(), kScrollTimer);
}

void TbsSkinToolBar::AdjustClientRect(TRect& rect) const {
    TbsSkinPanel::AdjustClientRect(rect);
    if (!FButtons[0].Shown && !FButtons[1].Shown) return;
    const int clientWidth = HandleAllocated() ? ClientWidth() : Width();
    const int clientHeight = HandleAllocated() ? ClientHeight() : Height();
    int top = 0;
    int bottom = clientHeight;
    if (FIndex == -1 || Designing()) {
        top = 1;
        bottom = clientHeight - 1;
    } else if (!(FBorderStyle == bvNone && ResizeMode == 1)) {
        top = NewClRect.Top;
        bottom = NewClRect.Bottom;
    }
    // The whole scrolled row, so that aligned children are laid out along all of it.
    rect = TRect(-FSPosition, top, -FSPosition + std::max(FSMax, clientWidth), bottom);
}

void TbsSkinToolBar::CreateControlSkinImage(TBitmap& B) {
    if (FButtons[0].Shown && ResizeMode == 2 && Picture && !FCaptionOnly) {
        // The face's ends lie under the scroll buttons: its middle spans the whole width.
        BuildHorzMiddleImage(LTPt.X, SkinRect.Width() - RTPt.X, B, *Picture, SkinRect, Width(),
                             Height(), StretchEffect);
        return;
    }
    TbsSkinPanel::CreateControlSkinImage(B);
}

TbsSkinToolBar::TScrollButton* TbsSkinToolBar::ButtonOf(WPARAM hit) {
    if (int(hit) == kHitScrollLeft) return &FButtons[0];
    if (int(hit) == kHitScrollRight) return &FButtons[1];
    return nullptr;
}

void TbsSkinToolBar::RepaintFrame() {
    if (HandleAllocated()) SendMessage(Handle(), WM_NCPAINT, 1, 0);
}

void TbsSkinToolBar::WMNCHitTest(TMessage& message) {
    const TPoint p =
        ScreenToClient(TPoint(GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)));
    if (p.X < 0 && FButtons[0].Shown) {
        message.Result = kHitScrollLeft;
        return;
    }
    if (p.X > ClientWidth() && FButtons[1].Shown) {
        message.Result = kHitScrollRight;
        return;
    }
    TbsSkinPanel::WndProc(message);
}

void TbsSkinToolBar::WMNCCalcSize(TMessage& message) {
    GetSkinData();
    auto* r = reinterpret_cast<RECT*>(message.LParam);
    if (message.WParam) r = &reinterpret_cast<NCCALCSIZE_PARAMS*>(message.LParam)->rgrc[0];
    if (FButtons[0].Shown) r->left += kScrollButtonWidth;
    if (FButtons[1].Shown) r->right -= kScrollButtonWidth;
    message.Result = 0;
}

void TbsSkinToolBar::WndProc(TMessage& message) {
    if (!FCanScroll) {
        if (message.Msg == WM_WINDOWPOSCHANGING && HandleAllocated() && FAdjustControls)
            CentreChildren();
        TbsSkinPanel::WndProc(message);
        return;
    }
    switch (message.Msg) {
    case WM_NCHITTEST:
        if (!Designing()) {
            WMNCHitTest(message);
            return;
        }
        break;
    case WM_NCCALCSIZE:
        WMNCCalcSize(message);
        return;
    case WM_SETCURSOR: {
        const int hit = short(LOWORD(UINT_PTR(message.LParam)));
        if (hit == kHitScrollLeft || hit == kHitScrollRight) {
            message.LParam = MAKELPARAM(WORD(HTCLIENT), HIWORD(UINT_PTR(message.LParam)));
        }
        break;
    }
    case WM_WINDOWPOSCHANGING:
        TbsSkinPanel::WndProc(message);
        if (HandleAllocated()) {
            if (Align() == alNone) UpdateRange();
            if (FAdjustControls) CentreChildren();
        }
        return;
    case WM_SIZE:
        TbsSkinPanel::WndProc(message);
        if (FButtons[0].Shown || FButtons[1].Shown) {
            FButtons[0].Rect = TRect(0, 0, kScrollButtonWidth, Height());
            FButtons[1].Rect = TRect(Width() - kScrollButtonWidth, 0, Width(), Height());
            RepaintFrame();
        }
        return;
    case WM_NCPAINT:
        if (FButtons[0].Shown || FButtons[1].Shown) PaintScrollButtons();
        return;
    case WM_NCMOUSEMOVE: {
        const bool left = int(message.WParam) == kHitScrollLeft;
        if (TScrollButton* button = ButtonOf(message.WParam); button && !button->MouseIn) {
            FButtons[0].MouseIn = left;
            FButtons[1].MouseIn = !left;
            RepaintFrame();
            if (FHotScroll) StartTimer(left ? 1 : 2);
        }
        break;
    }
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        if (TScrollButton* button = ButtonOf(message.WParam)) {
            button->Down = true;
            RepaintFrame();
            StartTimer(button == &FButtons[0] ? 1 : 2);
            return;
        }
        break;
    case WM_NCLBUTTONUP:
        if (TScrollButton* button = ButtonOf(message.WParam)) {
            button->Down = false;
            RepaintFrame();
            StopTimer();
            // A press shorter than one interval still moves the row a step.
            Step(button == &FButtons[1]);
            return;
        }
        break;
    case WM_MOUSEMOVE:
        if (FButtons[0].MouseIn || FButtons[1].MouseIn) {
            StopTimer();
            FButtons[0].MouseIn = false;
            FButtons[1].MouseIn = false;
            RepaintFrame();
        }
        break;
    case CM_MOUSELEAVE: {
        POINT p{};
        GetCursorPos(&p);
        if (HandleAllocated() && WindowFromPoint(p) != Handle() &&
            (FButtons[0].MouseIn || FButtons[1].MouseIn)) {
            StopTimer();
            FButtons[0].MouseIn = false;
            FButtons[1].MouseIn = false;
            RepaintFrame();
        }
        break;
    }
    case WM_TIMER:
        TbsSkinPanel::WndProc(message);
        if (message.WParam == kScrollTimer && FTimerMode != 0) Step(FTimerMode == 2);
        return;
    default:
        break;
    }
    TbsSkinPanel::WndProc(message);
}

void TbsSkinToolBar::PaintScrollButtons() {
    if (!HandleAllocated()) return;
    const HDC dc = GetWindowDC(Handle());
    if (!dc) return;
    if (FButtons[0].Shown) PaintScrollButton(dc, FButtons[0], true);
    if (FButtons[1].Shown) PaintScrollButton(dc, FButtons[1], false);
    ReleaseDC(Handle(), dc);
}

void TbsSkinToolBar::PaintScrollButton(HDC dc, const TScrollButton& button, bool left) {
    const int w = button.Rect.Width();
    const int h = button.Rect.Height();
    if (w <= 0 || h <= 0) return;
    TBitmap B(w, h);
    TCanvas& canvas = B.Canvas();
    GetSkinData();
    TColor textColor = clBtnText;
    TBitmap* picture = ButtonData ? ActivePictureOf(*FSD, ButtonData->PictureIndex) : nullptr;
    const bool pressedLook = button.MouseIn && (button.Down || FHotScroll);
    TRect arrowArea(0, 0, w, h);
    if (ButtonData && picture) {
        const TbsDataSkinButtonControl& r = *ButtonData;
        TRect face = r.SkinRect;
        textColor = r.FontColor;
        if (!RectIsEmpty(r.DownSkinRect) && pressedLook) {
            face = r.DownSkinRect;
            textColor = r.DownFontColor;
        } else if (button.MouseIn && !RectIsEmpty(r.ActiveSkinRect)) {
            face = r.ActiveSkinRect;
            textColor = r.ActiveFontColor;
        }
        const int dx = w - r.SkinRect.Width();
        const int dy = h - r.SkinRect.Height();
        BuildNineSliceImage(
            r.LTPoint, r.RTPoint, r.LBPoint, r.RBPoint, r.ClRect, r.LTPoint,
            TPoint(r.RTPoint.X + dx, r.RTPoint.Y), TPoint(r.LBPoint.X, r.LBPoint.Y + dy),
            TPoint(r.RBPoint.X + dx, r.RBPoint.Y + dy),
            TRect(r.ClRect.Left, r.ClRect.Top, r.ClRect.Right + dx, r.ClRect.Bottom + dy), B,
            *picture, face, w, h, true, r.LeftStretch, r.TopStretch, r.RightStretch,
            r.BottomStretch, r.StretchEffect, r.StretchType);
    } else {
        TColor frame = clBtnShadow;
        TColor fill = clBtnFace;
        if (pressedLook) {
            frame = clNavy;
            fill = TColor(0xB59385);
        } else if (button.MouseIn) {
            frame = clNavy;
            fill = TColor(0xD2BDB6);
        }
        canvas.Brush().SetColor(fill);
        canvas.FillRect(TRect(0, 0, w, h));
        canvas.Brush().SetColor(frame);
        canvas.FrameRect(TRect(0, 0, w, h));
        arrowArea = TRect(1, 1, w - 1, h - 1);
    }
    DrawArrowMark(canvas, arrowArea, textColor, left ? 1 : 2);
    TCanvas target;
    target.SetHandle(dc);
    target.Draw(button.Rect.Left, button.Rect.Top, &B);
    target.SetHandle(nullptr);
}
