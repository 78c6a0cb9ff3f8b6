// The window states the skinned frame keeps itself (minimized bars, maximized onto the work
// area, rolled up to the caption), snapping to the work area's edges, the first placement on
// the monitor, transparency and shadow, and the form setters that re-skin the controls.
#include "lib/frame/TbsSkinForm.h"

#include "lib/controls/bsSkinChangeWalk.h"
#include "lib/frame/bsFrameMessages.h"
#include "lib/skindraw/bsRectUtils.h"
#include "lib/skindraw/bsSystemVersion.h"
#include "lib/skindraw/bsWorkArea.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TScreen.h"
#include "platform/forms/TTimer.h"
#include "platform/win/Input.h"
#include "platform/win/Messaging.h"
#include "platform/win/Painting.h"
#include "platform/win/Screen.h"
#include "platform/win/WindowApi.h"
#include "platform/win/WindowClass.h"

using namespace win;

namespace {

TRect MonitorArea(HWND hwnd, bool workArea) {
    TRect r(0, 0, 0, 0);
    GetMonitorWorkArea(hwnd, workArea, r);
    return r;
}

TPoint CursorPos() {
    POINT p{};
    GetCursorPos(&p);
    return p;
}

} // namespace

void TbsSkinForm::SetWindowState(TWindowState value) {
    if (!FSkinnableForm) {
        FForm->SetWindowState(value);
        return;
    }
    if (value == FWindowState) return;
    const TWindowState old = FWindowState;
    // The main form minimizes the program and stays in the normal state meanwhile.
    const bool keepState = value == wsMinimized && (IsMainForm() || FMinimizeDefault);
    if (!keepState) FWindowState = value;
    switch (value) {
    case wsNormal:
        if (old == wsMaximized && FRollUpState && !FRollUpBeforeMaximize) SetRollUpState(false);
        FRollUpBeforeMaximize = false;
        DoRestore();
        break;
    case wsMinimized:
        DoMinimize();
        break;
    case wsMaximized:
        FRollUpBeforeMaximize = FRollUpState;
        DoMaximize();
        break;
    }
}

void TbsSkinForm::DoMinimize() {
    if (IsMainForm()) {
        if (Application) Application->Minimize();
    } else if (FMinimizeDefault) {
        FForm->SetWindowState(wsMinimized);
    } else {
        if (RectIsEmpty(OldBoundsRect)) OldBoundsRect = FForm->BoundsRect();
        const TPoint p = GetMinimizedPosition();
        FForm->SetBounds(p.X, p.Y, GetMinWidth(), GetMinHeight());
        if (IsMDIChild()) NotifyMainForm(WM_SKINMDIUNMAXIMIZED);
    }
    if (OnMinimize) OnMinimize(this);
}

void TbsSkinForm::DoMaximize() {
    if (RectIsEmpty(OldBoundsRect)) OldBoundsRect = FForm->BoundsRect();
    if (IsMDIChild()) {
        MaximizeMDIChild();
        if (OnMaximize) OnMaximize(this);
        return;
    }
    const HWND hwnd = FormHandle();
    TRect r = MonitorArea(hwnd, !FMaximizeOnFullScreen);
    if (!FMaximizeOnFullScreen) {
        const TRect monitor = MonitorArea(hwnd, false);
        const TRect screen(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
        // No panel keeps a strip free: a form filling the screen would hide the desktop's own
        // way back to it, so it stays a pixel inside every edge.
        if (r.Width() == monitor.Width() && r.Height() == monitor.Height() && monitor == screen)
            r = TRect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
    }
    FForm->SetBounds(r.Left, r.Top, r.Width(), r.Height());
    if (OnMaximize) OnMaximize(this);
}

void TbsSkinForm::DoRestore() {
    MaxRollUpState = false;
    const int w = FForm->Width(), h = FForm->Height();
    const TRect kept = OldBoundsRect;
    // A restore always follows a minimize or maximize that kept the bounds; without them the
    // form stays where it is.
    if (!RectIsEmpty(kept)) {
        if (FStartShow) {
            FStartShow = false;
            const TPoint p = GetPositionInMonitor(kept.Left, kept.Top, kept.Width(), kept.Height());
            FForm->SetBounds(p.X, p.Y, kept.Width(), kept.Height());
        } else {
            if (FBorderLayer.FVisible)
                FBorderLayer.SetBoundsWithForm3(kept.Left, kept.Top, kept.Width(), kept.Height());
            FForm->SetBounds(kept.Left, kept.Top, kept.Width(), kept.Height());
        }
    }
    FMouseTimer->SetEnabled(true);
    if (kept.Width() == w && kept.Height() == h) NudgeFormWidth();
    if (HandleReady()) FForm->Repaint();
    if (IsMDIChild() && FWindowState != wsMaximized) NotifyMainForm(WM_SKINMDIUNMAXIMIZED);
    OldBoundsRect = TRect(0, 0, 0, 0);
    if (OnRestore) OnRestore(this);
}

void TbsSkinForm::SetRollUpState(bool value) {
    if (!FBorderIcons.Contains(biRollUp) || FWindowState == wsMinimized) return;
    if (FRollUpState && FWindowState == wsMaximized && !MaxRollUpState) return;
    // Rolling up twice would keep the rolled-up height as the one to come back to.
    if (value == FRollUpState) return;
    if (FWindowState == wsMaximized) MaxRollUpState = value;
    FRollUpState = value;
    if (value) {
        OldHeight = FForm->Height();
        FForm->SetHeight(GetMinHeight());
    } else if (FClientHeight != 0) {
        FForm->SetClientHeight(FClientHeight);
    } else {
        FForm->SetHeight(OldHeight);
    }
    if (OnChangeRollUpState) OnChangeRollUpState(this);
}

void TbsSkinForm::MagneticSnap(int& x, int& y, int w, int h) {
    if (!FMagnetic) return;
    const int m = FMagneticSize;
    const TRect r = MonitorArea(FormHandle(), true);
    const bool border =
        IsLayeredBorderUsed() && FBorderLayer.FVisible && FBorderLayer.HasBorderRect();
    if (border) {
        x -= FBorderLayer.LeftSize();
        y -= FBorderLayer.TopSize();
        w += FBorderLayer.RightSize();
        h += FBorderLayer.BottomSize();
    }
    const TPoint cursor = CursorPos();
    // One edge: snapped while near, following the cursor again once it moved more than m
    // pixels from where the snap happened.
    auto edge = [&](int& pos, int edgePos, int size, int cursorPos, int& downCoord,
                    bool& magnetized) {
        const int far = pos + size;
        const bool near = edgePos - m < far && far < edgePos + m;
        if (near && !magnetized) {
            pos = edgePos - size;
            downCoord = cursorPos;
        } else if (magnetized) {
            if (std::abs(cursorPos - downCoord) > m)
                pos = cursorPos + edgePos - size - downCoord;
            else
                pos = edgePos - size;
        }
        magnetized = near;
        return near;
    };
    edge(x, r.Left, 0, cursor.X, FOnMouseDownCoord.X, HMagnetized);
    edge(y, r.Top, 0, cursor.Y, FOnMouseDownCoord.Y, VMagnetized);
    const bool rightNear = edge(x, r.Right, w, cursor.X, FOnMouseDownCoord.X, HMagnetized2);
    const bool bottomNear = edge(y, r.Bottom, h, cursor.Y, FOnMouseDownCoord.Y, VMagnetized2);
    if (border) {
        if (!rightNear) x += FBorderLayer.LeftSize();
        if (!bottomNear) y += FBorderLayer.TopSize();
    }
}

void TbsSkinForm::ApplyPositionInMonitor() {
    if (FPositionInMonitor == bspDefault) return;
    const TPoint p =
        GetPositionInMonitor(FForm->Left(), FForm->Top(), FForm->Width(), FForm->Height());
    FForm->SetBounds(p.X, p.Y, FForm->Width(), FForm->Height());
}

TPoint TbsSkinForm::GetPositionInMonitor(int ax, int ay, int aw, int ah) const {
    if (FPositionInMonitor == bspDefault) return TPoint(ax, ay);
    const TRect r = MonitorArea(FormHandle(), FPositionInMonitor == bspDesktopCenter);
    return TPoint(r.Left + r.Width() / 2 - aw / 2, r.Top + r.Height() / 2 - ah / 2);
}

TPoint TbsSkinForm::GetMinimizedPosition() {
    if (IsMDIChild()) return MDIMinimizedPosition();
    const int minW = GetMinWidth(), minH = GetMinHeight();
    const TRect area = MonitorArea(FormHandle(), true);
    auto taken = [&](int x, int y) {
        if (!Screen) return false;
        for (int i = 0; i < Screen->FormCount(); ++i) {
            TCustomForm* form = Screen->Forms(i);
            if (form == FForm || (Application && form == Application->MainForm()) ||
                !form->Visible())
                continue;
            const TbsSkinForm* other = FindSkinForm(form);
            if (other && other->WindowState() == wsMinimized && form->Left() == x &&
                form->Top() == y)
                return true;
        }
        return false;
    };
    int x = area.Left, y = area.Bottom - minH;
    while (taken(x, y)) {
        x += minW;
        if (x + minW > area.Right) {
            x = area.Left;
            y -= minH;
            if (y < area.Top) {
                y = area.Bottom - minH;
                break;
            }
        }
    }
    return TPoint(x, y);
}

void TbsSkinForm::SetFormLayered(bool layered) {
    if (!HandleReady()) return;
    const HWND hwnd = FForm->Handle();
    const LONG_PTR exStyle = GetWindowLongPtr(hwnd, GWL_EXSTYLE);
    const bool is = (exStyle & WS_EX_LAYERED) != 0;
    if (layered && !is) SetWindowLongPtr(hwnd, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    if (!layered && is) SetWindowLongPtr(hwnd, GWL_EXSTYLE, exStyle & ~LONG_PTR(WS_EX_LAYERED));
}

void TbsSkinForm::SetFormAlpha(int alpha) {
    if (HandleReady()) SetWindowAlpha(FForm->Handle(), std::uint8_t(alpha));
}

void TbsSkinForm::SetAlphaBlend(bool value) {
    if (value == FAlphaBlend) return;
    FAlphaBlend = value;
    const bool special = ComponentState().Contains(csLoading) || Designing() ||
                         ComponentState().Contains(csReading) ||
                         ComponentState().Contains(csDestroying);
    if (special || !CanUseLayeredWindows()) return;
    SetFormLayered(value);
    if (value) SetFormAlpha(FAlphaBlendValue);
}

void TbsSkinForm::SetAlphaBlendValue(int value) {
    if (value == FAlphaBlendValue) return;
    FAlphaBlendValue = value;
    const bool special = ComponentState().Contains(csLoading) || Designing() ||
                         ComponentState().Contains(csReading) ||
                         ComponentState().Contains(csDestroying);
    if (FAlphaBlend && !special && CanUseLayeredWindows()) SetFormAlpha(value);
}

void TbsSkinForm::EnableShadow(bool showShadow, bool hideFormBefore) {
    if (!CanUseLayeredWindows() || showShadow == FHaveShadow) return;
    FHaveShadow = showShadow;
    if (hideFormBefore) FForm->Hide();
    if (HandleReady()) {
        const HWND hwnd = FForm->Handle();
        const LONG_PTR style = GetClassLong(hwnd, GCL_STYLE);
        SetClassLong(hwnd, GCL_STYLE,
                     showShadow ? style | CS_DROPSHADOW : style & ~LONG_PTR(CS_DROPSHADOW));
    }
    if (hideFormBefore) FForm->Show();
}

void TbsSkinForm::SetFormBorderStyle(TFormBorderStyle value) {
    FForm->SetBorderStyle(value);
    ChangeControlsSkinData(*FForm, nullptr);
}

void TbsSkinForm::SetFormStyle(TFormStyle value) {
    if (value != fsNormal && value != fsStayOnTop) return;
    FForm->SetFormStyle(value);
    ChangeControlsSkinData(*FForm, nullptr);
}
