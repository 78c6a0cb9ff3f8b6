#include "lib/controls/TbsSkinScrollBox.h"

#include "lib/controls/TbsSkinScrollBar.h"
#include "lib/controls/bsActivePicture.h"
#include "lib/controls/bsFocusOnClick.h"
#include "lib/controls/bsTileFill.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindata/bsSkinMessages.h"
#include "lib/skindata/bsSkinPanelRecords.h"
#include "lib/skindraw/bsImageBuilders.h"
#include "platform/forms/ControlMessages.h"
#include "platform/gfx/TBitmap.h"
#include "platform/win/Messaging.h"
#include "platform/win/Painting.h"
#include "platform/win/WindowApi.h"
#include "platform/win/WindowStyles.h"

#include <algorithm>

TbsSkinScrollBox::TbsSkinScrollBox(TComponent* owner) : TbsSkinCustomControl(owner) {
    FControlStyle.Include(csAcceptsControls);
    SetSkinDataName("scrollbox");
    SetBounds(Left(), Top(), 150, 150);
}

TbsSkinScrollBox::~TbsSkinScrollBox() {
    // The bars may outlive the box: their events must not call into it.
    for (TbsSkinScrollBar* bar : { FVScrollBar, FHScrollBar })
        if (bar) {
            bar->OnChange = nullptr;
            bar->OnLastChange = nullptr;
        }
}

// ---- Linked bars ----

void TbsSkinScrollBox::SetVScrollBar(TbsSkinScrollBar* value) {
    Link(true, value);
}

void TbsSkinScrollBox::SetHScrollBar(TbsSkinScrollBar* value) {
    Link(false, value);
}

void TbsSkinScrollBox::Link(bool vertical, TbsSkinScrollBar* value) {
    TbsSkinScrollBar*& bar = BarOf(vertical);
    if (bar == value) return;
    if (bar) {
        bar->OnChange = nullptr;
        bar->OnLastChange = nullptr;
        RemoveFreeNotification(bar);
    }
    bar = value;
    if (!bar) return;
    FreeNotification(bar);
    bar->SetCanFocused(false);
    bar->OnChange = [this, vertical](TObject*) { BarChanged(vertical); };
    bar->OnLastChange = [this](TObject*) { Invalidate(); };
    bar->SetEnabled(true);
    bar->SetVisible(false);
    // The bar starts where the children stand.
    const int position = vertical ? FOldVScrollBarPos : FOldHScrollBarPos;
    bar->SetRange(0, position, position, 0);
    UpdateRange(vertical);
}

void TbsSkinScrollBox::Notification(TComponent* component, TOperation operation) {
    TbsSkinCustomControl::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == FVScrollBar) FVScrollBar = nullptr;
    if (component == FHScrollBar) FHScrollBar = nullptr;
}

// ---- Ranges ----

void TbsSkinScrollBox::UpDateScrollRange() {
    GetHRange();
    GetVRange();
}

void TbsSkinScrollBox::UpdateRange(bool vertical) {
    TbsSkinScrollBar* bar = BarOf(vertical);
    if (!bar || !Parent() || FInCheckScrollBars) return;
    const int client = vertical ? ClientHeight() : ClientWidth();
    int end = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        const TControl* c = Controls(i);
        if (c->Visible())
            end = std::max(end, vertical ? c->Top() + c->Height() : c->Left() + c->Width());
    }
    const int position = bar->Position();
    int& sizeOffset = vertical ? FVSizeOffset : FHSizeOffset;
    int& oldPosition = vertical ? FOldVScrollBarPos : FOldHScrollBarPos;
    bool show = false;
    if (end + position > client) {
        show = true;
        const int max = position + end - 1;
        if (position > 0 && end < client && sizeOffset > 0) {
            // The box grew while scrolled: the content comes back by as much, at most to its
            // start.
            sizeOffset = std::min(sizeOffset, position);
            bar->SetRange(0, max, position - sizeOffset, client);
            MoveChildren(vertical, -sizeOffset);
        } else if (sizeOffset == 0 && max < bar->Max() && position > 0 && end < client) {
            // The content shrank and left room at the end: it moves into the room.
            const int k = std::min(position, client - end);
            MoveChildren(vertical, -k);
            bar->SetRange(0, max, position - k, client);
        } else {
            bar->SetRange(0, max, position, client);
        }
        oldPosition = bar->Position();
    } else {
        if (position > 0) MoveChildren(vertical, -position);
        oldPosition = 0;
        bar->SetRange(0, 0, 0, 0);
    }
    sizeOffset = 0;
    // A hidden box shows no bars.
    ShowBar(*bar, show && Visible());
    // The horizontal bar leaves the corner free while the vertical one shows.
    if (FHScrollBar && FVScrollBar && FHScrollBar->Both() != FVScrollBar->Visible())
        FHScrollBar->SetBoth(FVScrollBar->Visible());
}

void TbsSkinScrollBox::ShowBar(TbsSkinScrollBar& bar, bool visible) {
    if (bar.Visible() == visible) return;
    // Showing or hiding a bar realigns the form, which must not run the range updates again.
    FInCheckScrollBars = true;
    try {
        bar.SetVisible(visible);
        if (Align() != alNone) {
            Parent()->Realign();
            Realign();
        }
    } catch (...) {
        FInCheckScrollBars = false;
        throw;
    }
    FInCheckScrollBars = false;
}

void TbsSkinScrollBox::ScrollTo(bool vertical, int position) {
    TbsSkinScrollBar* bar = BarOf(vertical);
    if (!bar || bar->PageSize() == 0) return;
    position = std::min(position, bar->Max() - bar->PageSize());
    MoveChildren(vertical, position - bar->Position());
    // The children stand at the new position already: the bar's own change moves them only
    // by what its clamp makes of the position.
    (vertical ? FOldVScrollBarPos : FOldHScrollBarPos) = position;
    bar->SetPosition(position);
}

void TbsSkinScrollBox::BarChanged(bool vertical) {
    TbsSkinScrollBar* bar = BarOf(vertical);
    if (!bar) return;
    int& oldPosition = vertical ? FOldVScrollBarPos : FOldHScrollBarPos;
    const int position = bar->Position();
    MoveChildren(vertical, position - oldPosition);
    oldPosition = position;
}

void TbsSkinScrollBox::MoveChildren(bool vertical, int d) {
    if (d == 0) return;
    if (vertical)
        ScrollBy(0, -d);
    else
        ScrollBy(-d, 0);
    // A stretched background follows the client area's new extent.
    if (FIndex != -1 && StretchEffect) Repaint();
}

void TbsSkinScrollBox::AdjustClientRect(TRect& rect) const {
    // Aligned children lay out over the whole scrolled extent, shifted by the scroll.
    const TRect client = ClientRect();
    if (FVScrollBar && FVScrollBar->Visible()) {
        rect.Top = -FVScrollBar->Position();
        rect.Bottom = rect.Top + std::max(FVScrollBar->Max(), client.Height());
    } else {
        rect.Top = 0;
        rect.Bottom = client.Height();
    }
    if (FHScrollBar && FHScrollBar->Visible()) {
        rect.Left = -FHScrollBar->Position();
        rect.Right = rect.Left + std::max(FHScrollBar->Max(), client.Width());
    } else {
        rect.Left = 0;
        rect.Right = client.Width();
    }
    TbsSkinCustomControl::AdjustClientRect(rect);
}

void TbsSkinScrollBox::AlignControls(TControl* control, TRect& rect) {
    TbsSkinCustomControl::AlignControls(control, rect);
    // A child moved, grew, came or went.
    if (!FInSetBounds) UpDateScrollRange();
}

void TbsSkinScrollBox::SetBounds(int left, int top, int width, int height) {
    const int oldWidth = Width();
    const int oldHeight = Height();
    FInSetBounds = true;
    try {
        TbsSkinCustomControl::SetBounds(left, top, width, height);
    } catch (...) {
        FInSetBounds = false;
        throw;
    }
    FInSetBounds = false;
    // The growth at this resize lets a box scrolled to the end bring the content back down.
    FHSizeOffset = oldWidth != 0 && Width() > oldWidth ? Width() - oldWidth : 0;
    GetHRange();
    FVSizeOffset = oldHeight != 0 && Height() > oldHeight ? Height() - oldHeight : 0;
    GetVRange();
}

void TbsSkinScrollBox::SetBorderStyle(TbsSkinBorderStyle value) {
    if (value == FBorderStyle) return;
    FBorderStyle = value;
    if (HandleAllocated()) RecreateWnd();
}

// ---- Skin ----

void TbsSkinScrollBox::GetSkinData() {
    TbsSkinCustomControl::GetSkinData();
    const auto* record = dynamic_cast<const TbsDataSkinScrollBoxControl*>(SkinRecord());
    BGPictureIndex = record ? record->BGPictureIndex : -1;
}

void TbsSkinScrollBox::ChangeSkinData() {
    TbsSkinCustomControl::ChangeSkinData();
    if (HandleAllocated()) RecreateWnd();
    for (TbsSkinScrollBar* bar : { FVScrollBar, FHScrollBar })
        if (bar && bar->Align() != alNone && bar->Parent()) bar->Parent()->Realign();
}

void TbsSkinScrollBox::CreateParams(TCreateParams& params) {
    TbsSkinCustomControl::CreateParams(params);
    params.WindowClass.style &= ~(win::CS_HREDRAW | win::CS_VREDRAW);
}

// ---- Frame ----

void TbsSkinScrollBox::CalcFrame(win::RECT& rect) {
    GetSkinData();
    if (FIndex != -1 || FBorderStyle == bvNone) {
        if (!HasFrame()) return;
        // The skin's border parts are the frame.
        rect.left += ClRect.Left;
        rect.top += ClRect.Top;
        rect.right += ClRect.Right - SkinRect.Width();
        rect.bottom += ClRect.Bottom - SkinRect.Height();
        return;
    }
    rect.left += 1;
    rect.top += 1;
    rect.right -= 1;
    rect.bottom -= 1;
}

void TbsSkinScrollBox::PaintFrame(win::HDC dc) {
    GetSkinData();
    // The window's own size: while it is being resized the control's may not have caught up.
    int width = Width();
    int height = Height();
    if (HandleAllocated()) {
        win::RECT window;
        win::GetWindowRect(Handle(), &window);
        width = window.right - window.left;
        height = window.bottom - window.top;
    }
    TCanvas canvas;
    canvas.SetHandle(dc);
    if (FIndex == -1) {
        if (FBorderStyle != bvNone) {
            TColor topLeft = clBtnShadow;
            TColor bottomRight = clBtnShadow;
            if (FBorderStyle == bvRaised) bottomRight = clBtnHighlight;
            if (FBorderStyle == bvLowered) topLeft = clBtnHighlight;
            canvas.Pen().SetColor(topLeft);
            canvas.MoveTo(0, height - 1);
            canvas.LineTo(0, 0);
            canvas.LineTo(width - 1, 0);
            canvas.Pen().SetColor(bottomRight);
            canvas.LineTo(width - 1, height - 1);
            canvas.LineTo(-1, height - 1);
        }
    } else if (Picture) {
        int w = width;
        int h = height;
        CalcSkinSize(w, h);
        TBitmap left;
        TBitmap top;
        TBitmap right;
        TBitmap bottom;
        BuildNineSliceBorders(LTPt, RTPt, LBPt, RBPt, ClRect, NewLTPoint, NewRTPoint, NewLBPoint,
                              NewRBPoint, NewClRect, left, top, right, bottom, *Picture, SkinRect,
                              width, height, LeftStretch, TopStretch, RightStretch, BottomStretch);
        canvas.Draw(0, 0, &top);
        canvas.Draw(0, top.Height(), &left);
        canvas.Draw(width - right.Width(), top.Height(), &right);
        canvas.Draw(0, height - bottom.Height(), &bottom);
    }
    canvas.SetHandle(nullptr);
}

void TbsSkinScrollBox::PaintFrameIntoWindow() {
    if (!HandleAllocated()) return;
    const win::HWND hwnd = Handle();
    const win::HDC dc = win::GetWindowDC(hwnd);
    if (!dc) return;
    PaintFrame(dc);
    win::ReleaseDC(hwnd, dc);
}

// ---- Client ----

void TbsSkinScrollBox::CreateControlDefaultImage(TBitmap& B) {
    B.Canvas().Brush().SetStyle(bsSolid);
    B.Canvas().Brush().SetColor(Color());
    B.Canvas().FillRect(TRect(0, 0, B.Width(), B.Height()));
}

void TbsSkinScrollBox::CreateControlSkinImage(TBitmap& B) {
    const TRect client = ClientRect();
    if (client.Width() < 1 || client.Height() < 1) return;
    if (BGPictureIndex == -1) {
        if (!Picture) return;
        const TRect part(SkinRect.Left + ClRect.Left, SkinRect.Top + ClRect.Top,
                         SkinRect.Left + ClRect.Right, SkinRect.Top + ClRect.Bottom);
        FillClient(B, *Picture, part);
        return;
    }
    if (TBitmap* background = ActivePictureOf(*FSD, BGPictureIndex))
        FillClient(B, *background, TRect(0, 0, background->Width(), background->Height()));
}

void TbsSkinScrollBox::FillClient(TBitmap& B, TBitmap& source, const TRect& part) {
    // Tiles cover the client area; a stretched tile covers the whole box, the client shows its
    // part of it.
    const TRect area = StretchEffect ? TRect(0, 0, Width(), Height()) : ClientRect();
    FillWithPart(B.Canvas(), source, part, area, StretchEffect, StretchType);
}

// ---- Messages ----

void TbsSkinScrollBox::WndProc(TMessage& message) {
    switch (message.Msg) {
    case win::WM_NCCALCSIZE:
        if (auto* rect = reinterpret_cast<win::RECT*>(message.LParam)) CalcFrame(*rect);
        message.Result = 0;
        return;
    case win::WM_NCPAINT:
        GetSkinData();
        if (HasFrame()) PaintFrameIntoWindow();
        message.Result = 0;
        return;
    case win::WM_SIZE:
        TbsSkinCustomControl::WndProc(message);
        if (HandleAllocated()) win::SendMessage(Handle(), win::WM_NCPAINT, 1, 0);
        return;
    case win::WM_SKINFRAMEPAINT:
        GetSkinData();
        message.Result = 0;
        if (message.WParam && HasFrame()) {
            PaintFrame(win::HDC(message.WParam));
            message.Result = win::SKIN_FRAME_PAINTED;
        }
        return;
    case win::WM_SKINFRAMEPAINTEX:
        if (message.LParam != win::SKIN_PAINT_KEY) break;
        GetSkinData();
        if (message.WParam && HasFrame()) PaintFrame(win::HDC(message.WParam));
        message.Result = win::SKIN_PAINT_KEY;
        return;
    case CM_VISIBLECHANGED:
        TbsSkinCustomControl::WndProc(message);
        // The bars go with the box; shown again, each shows as the content needs.
        if (!Visible()) {
            for (TbsSkinScrollBar* bar : { FVScrollBar, FHScrollBar })
                if (bar) ShowBar(*bar, false);
        } else {
            UpDateScrollRange();
        }
        return;
    case win::WM_LBUTTONDOWN:
    case win::WM_LBUTTONDBLCLK:
        if (FCanFocused && !Designing() && !Focused() && !FocusBeforeClick(*this, FClicksDisabled))
            return;
        break;
    case CN_COMMAND:
        if (FClicksDisabled) return;
        break;
    default:
        break;
    }
    TbsSkinCustomControl::WndProc(message);
}
