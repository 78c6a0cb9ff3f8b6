// The skinned frame's outline (the window region from the skin's mask) and its hit test.
#include "lib/frame/TbsSkinForm.h"

#include "lib/skindata/TbsSkinData.h"
#include "lib/skindraw/bsImageBuilders.h"
#include "lib/skindraw/bsMaskRegion.h"
#include "lib/skindraw/bsRectUtils.h"
#include "platform/gfx/GdiObjects.h"
#include "platform/win/Messaging.h"
#include "platform/win/Painting.h"

using namespace win;

namespace {

// Black pixels of a mask strip lie on the window; a point outside the strip does not.
bool BlackAt(TBitmap& strip, int x, int y) {
    if (x < 0 || y < 0 || x >= strip.Width() || y >= strip.Height()) return false;
    return strip.Canvas().Pixels(x, y) == clBlack;
}

} // namespace

void TbsSkinForm::UpdateRegion(bool full) {
    if (Designing() || !UsableSkin()) return;
    if (!FSkinnableForm) return;
    CalcSkinRects();
    if (full) CalcObjectRects();
    BuildRegion(full);
    if (!FRgn && IsFramed()) NCRepaint();
    if (FSD->StretchEffect && HandleReady()) {
        FForm->Repaint();
        SendParentBGChanged();
    }
}

void TbsSkinForm::BuildRegion(bool full) {
    if (!HandleReady()) return;
    const HWND hwnd = FForm->Handle();
    if (!FSkinnableForm || !IsFramed()) {
        if (FRgn) {
            SetWindowRgn(hwnd, nullptr, TRUE);
            FRgn = nullptr;
        }
        return;
    }
    const bool usable = UsableSkin();
    if (IsMaximizedChild() || !usable || FSD->FMask.Empty()) {
        if (!usable) {
            RMTop.SetSize(0, 0);
            RMLeft.SetSize(0, 0);
            RMRight.SetSize(0, 0);
            RMBottom.SetSize(0, 0);
        }
        FRgn = CreateRectRgn(0, 0, FFormWidth, FFormHeight);
        SetWindowRgn(hwnd, FRgn, TRUE);
        return;
    }
    TbsSkinData& skin = *FSD;
    if (!full) {
        const TbsRegionData data = RegionDataFromMask(skin.FMask, 0, 0);
        if (data.RectCount() == 0) return;
        FRgn = data.CreateRegion().release();
        SetWindowRgn(hwnd, FRgn, TRUE);
        return;
    }
    BuildNineSliceMaskBorders(skin.LTPoint, skin.RTPoint, skin.LBPoint, skin.RBPoint,
                              skin.MaskRectArea, NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint,
                              NewMaskRectArea, skin.FMask, RMTop, RMLeft, RMRight, RMBottom,
                              FFormWidth, FFormHeight);
    gfx::GdiPtr<HRGN> region(CreateRectRgn(NewMaskRectArea.Left, NewMaskRectArea.Top,
                                           NewMaskRectArea.Right, NewMaskRectArea.Bottom));
    struct TPart {
        TBitmap& Strip;
        int X, Y;
    };
    const TPart parts[] = {
        { RMTop, 0, 0 },
        { RMBottom, 0, NewMaskRectArea.Bottom },
        { RMLeft, 0, NewMaskRectArea.Top },
        { RMRight, NewMaskRectArea.Right, NewMaskRectArea.Top },
    };
    for (const TPart& part : parts) {
        if (part.Strip.Width() <= 0 || part.Strip.Height() <= 0) continue;
        const gfx::GdiPtr<HRGN> strip =
            RegionDataFromMask(part.Strip, part.X, part.Y).CreateRegion();
        if (strip) CombineRgn(region.get(), region.get(), strip.get(), RGN_OR);
    }
    FRgn = region.release();
    SetWindowRgn(hwnd, FRgn, TRUE);
}

bool TbsSkinForm::IsMaskPoint(TPoint p) {
    const TRect& m = NewMaskRectArea;
    if (m.Contains(p)) return true;
    if (p.Y <= m.Top) return BlackAt(RMTop, p.X, p.Y);
    if (p.Y >= m.Bottom) return BlackAt(RMBottom, p.X, p.Y - m.Bottom);
    if (p.X <= m.Left) return BlackAt(RMLeft, p.X, p.Y - m.Top);
    return BlackAt(RMRight, p.X - m.Right, p.Y - m.Top);
}

bool TbsSkinForm::IsNearFrameEdge(TPoint p) {
    const int b = FSD ? FSD->BorderW : 0;
    const TPoint probes[] = { TPoint(p.X - b, p.Y), TPoint(p.X, p.Y - b), TPoint(p.X + b, p.Y),
                              TPoint(p.X, p.Y + b) };
    if (!FSD || FSD->FMask.Empty()) {
        const TRect form(0, 0, FForm->Width(), FForm->Height());
        for (const TPoint& probe : probes)
            if (!form.Contains(probe)) return true;
        return false;
    }
    if (NewMaskRectArea.Contains(p)) return false;
    for (const TPoint& probe : probes)
        if (!IsMaskPoint(probe)) return true;
    return false;
}

bool TbsSkinForm::IsOverCaption(TPoint p) {
    for (const auto& object : ObjectList) {
        if (!dynamic_cast<TbsSkinCaptionObject*>(object.get()) || !object->ObjectRect.Contains(p))
            continue;
        if (FQuickButtons.Count() > 0 && FQuickImageList) {
            const int strip = FQuickButtons.Count() * (FQuickImageList->Width() + 8);
            return p.X > object->ObjectRect.Left + strip;
        }
        return true;
    }
    return false;
}

int TbsSkinForm::SkinHitTest(TPoint p) {
    if (FRollUpState || FWindowState == wsMinimized) return IsOverCaption(p) ? HTCAPTION : HTOBJECT;
    const bool overCaption = IsOverCaption(p);
    if (ActiveObject != -1 && !overCaption && !NewClRect.Contains(p) && !FSizeMove) return HTOBJECT;
    auto plain = [&]() -> int {
        if (NewClRect.Contains(p)) return HTCLIENT;
        return overCaption ? HTCAPTION : HTOBJECT;
    };
    if (FWindowState == wsMaximized || !IsFormSizeable() || !IsNearFrameEdge(p)) return plain();
    const TPoint& lt = NewHitTestLTPoint;
    const TPoint& rt = NewHitTestRTPoint;
    const TPoint& lb = NewHitTestLBPoint;
    const TPoint& rb = NewHitTestRBPoint;
    if (p.X <= lt.X && p.Y <= lt.Y) return HTTOPLEFT;
    if (p.X >= rt.X && p.Y <= rt.Y) return HTTOPRIGHT;
    if (p.X <= lb.X && p.Y >= lb.Y) return HTBOTTOMLEFT;
    if (p.X >= rb.X && p.Y >= rb.Y) return HTBOTTOMRIGHT;
    if (TRect(lt.X, 0, rt.X, NewClRect.Top).Contains(p)) return HTTOP;
    if (TRect(lb.X, NewClRect.Bottom, rb.X, FForm->Height()).Contains(p)) return HTBOTTOM;
    if (TRect(0, lt.Y, NewClRect.Left, lb.Y).Contains(p)) return HTLEFT;
    if (TRect(NewClRect.Right, rt.Y, FForm->Width(), rb.Y).Contains(p)) return HTRIGHT;
    return plain();
}

void TbsSkinForm::SendParentBGChanged() {
    for (int i = 0; i < FForm->ControlCount(); ++i)
        if (auto* control = dynamic_cast<TWinControl*>(FForm->Controls(i));
            control && control->HandleAllocated())
            SendMessage(control->Handle(), WM_PARENTBGCHANGED, 0, 0);
}

void TbsSkinForm::ClientWindowProc(HWND client, TMessage& message, const TWndMethod& previous) {
    switch (message.Msg) {
    case WM_SIZE: {
        previous(message);
        RefitMDIChildren();
        const bool redraw =
            !FLogoBitMap.Empty() ||
            (UsableSkin() && ((FSD->StretchEffect && FSD->MDIBGPictureIndex == -1) ||
                              (FSD->MDIBGPictureIndex != -1 && FSD->MDIBGStretchEffect)));
        if (redraw) {
            const RECT all{ 0, 0, FForm->ClientWidth(), FForm->ClientHeight() };
            RedrawWindow(client, &all, nullptr, RDW_ERASE | RDW_INVALIDATE);
        }
        return;
    }
    case WM_NCCALCSIZE:
    case WM_NCPAINT:
        return;
    case WM_ERASEBKGND: {
        const HDC dc = reinterpret_cast<HDC>(message.WParam);
        if (!UsableSkin())
            PaintMDIBGDefault(dc);
        else if (FSD->MDIBGPictureIndex != -1)
            PaintBG3(dc);
        else if (FSD->BGPictureIndex == -1)
            PaintBG(dc);
        else
            PaintBG2(dc);
        message.Result = 1;
        return;
    }
    case WM_NCACTIVATE:
        message.Result = 1;
        return;
    default:
        previous(message);
        return;
    }
}
