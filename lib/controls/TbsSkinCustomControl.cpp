#include "lib/controls/TbsSkinCustomControl.h"

#include "lib/controls/bsActivePicture.h"
#include "lib/controls/bsTileFill.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindata/bsSkinMessages.h"
#include "lib/skindraw/bsImageBuilders.h"
#include "lib/skindraw/bsMaskRegion.h"
#include "lib/skindraw/bsRectUtils.h"
#include "platform/gfx/DcStateSaver.h"
#include "platform/gfx/TBitmap.h"
#include "platform/win/Messaging.h"
#include "platform/win/Painting.h"

namespace {

TRect Moved(TRect r, int dx, int dy) {
    r.Left += dx;
    r.Right += dx;
    r.Top += dy;
    r.Bottom += dy;
    return r;
}

} // namespace

TbsSkinCustomControl::TbsSkinCustomControl(TComponent* owner) : TbsSkinCustomControlBase(owner) {}

TbsSkinCustomControl::~TbsSkinCustomControl() = default;

void TbsSkinCustomControl::GetSkinData() {
    TbsSkinCustomControlBase::GetSkinData();
    const auto* record = dynamic_cast<const TbsDataSkinCustomControl*>(SkinRecord());
    MaskPicture = record ? ActivePictureOf(*FSD, record->MaskPictureIndex) : nullptr;
}

void TbsSkinCustomControl::SetBounds(int left, int top, int width, int height) {
    TbsSkinCustomControlBase::SetBounds(left, top, width, height);
    if (FIndex != -1 && StretchEffect) NotifyChildrenBackground();
}

void TbsSkinCustomControl::ShowSkinShape() {
    UpdateSkinRegion();
    Repaint();
}

void TbsSkinCustomControl::CreateWnd() {
    TbsSkinCustomControlBase::CreateWnd();
    // A new window starts without a shape; the old one took its region with it.
    FRgn = {};
    GetSkinData();
    UpdateSkinRegion();
}

void TbsSkinCustomControl::UpdateSkinRegion() {
    if (!Parent()) return;
    if (!MaskPicture || FIndex == -1) {
        if (FRgn) {
            if (HandleAllocated()) win::SetWindowRgn(Handle(), nullptr, win::TRUE);
            FRgn = {};
        }
        return;
    }
    BuildSkinRegion();
}

void TbsSkinCustomControl::BuildSkinRegion() {
    // Without a window yet, CreateWnd shapes the window once it is made.
    if (!HandleAllocated() || !MaskPicture) return;
    int width = Width();
    int height = Height();
    CalcSkinSize(width, height);
    TBitmap& mask = *MaskPicture;
    gfx::GdiPtr<win::HRGN> region;
    switch (ResizeMode) {
    case 0:
        region = RegionFromMask(mask);
        break;
    case 1:
        region = BuildNineSliceRegion(LTPt, RTPt, LBPt, RBPt, ClRect, NewLTPoint, NewRTPoint,
                                      NewLBPoint, NewRBPoint, NewClRect, mask, Width(), Height());
        break;
    case 2: {
        // The lower guide points laid onto the upper ones: the face has one row of pieces.
        const TPoint newRight(RTPt.X + Width() - SkinRect.Width(), RTPt.Y);
        region = BuildNineSliceRegion(LTPt, RTPt, LTPt, RTPt, ClRect, LTPt, newRight, LTPt,
                                      newRight, NewClRect, mask, Width(), Height());
        break;
    }
    case 3: {
        const TPoint newBottom(LBPt.X, LBPt.Y + Height() - SkinRect.Height());
        region = BuildNineSliceRegion(LTPt, LTPt, LBPt, LBPt, ClRect, LTPt, LTPt, newBottom,
                                      newBottom, NewClRect, mask, Width(), Height());
        break;
    }
    default:
        return;
    }
    // The window owns the region from here on.
    FRgn = region.get();
    win::SetWindowRgn(Handle(), region.release(), win::TRUE);
}

void TbsSkinCustomControl::NotifyChildrenBackground() {
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* child = Controls(i);
        auto* windowed = dynamic_cast<TWinControl*>(child);
        if (windowed && windowed->HandleAllocated())
            win::SendMessage(windowed->Handle(), win::WM_PARENTBGCHANGED, 0, 0);
        else
            child->Perform(win::WM_PARENTBGCHANGED, 0, 0);
    }
}

TRect TbsSkinCustomControl::MapSkinRect(const TRect& R) const {
    const int faceWidth = SkinRect.Width();
    const int faceHeight = SkinRect.Height();
    const int dx = Width() - faceWidth;
    const int dy = Height() - faceHeight;
    TRect r = R;
    switch (ResizeMode) {
    case 1: {
        const TRect lt(0, 0, LTPt.X, LTPt.Y);
        const TRect rt(RTPt.X, 0, faceWidth, RTPt.Y);
        const TRect lb(0, LBPt.Y, LBPt.X, faceHeight);
        const TRect rb(RBPt.X, RBPt.Y, faceWidth, faceHeight);
        if (RectInsideRect(R, lt)) return R;
        if (RectInsideRect(R, rt)) return Moved(R, dx, 0);
        if (RectInsideRect(R, lb)) return Moved(R, 0, dy);
        if (RectInsideRect(R, rb)) return Moved(R, dx, dy);
        const TPoint from = R.TopLeft();
        const TPoint to = R.BottomRight();
        if (PtInRectInclusive(lt, from) && PtInRectInclusive(rb, to)) {
            r.Right += dx;
            r.Bottom += dy;
        } else if (PtInRectInclusive(lt, from) && PtInRectInclusive(rt, to)) {
            r.Right += dx;
        } else if (PtInRectInclusive(lb, from) && PtInRectInclusive(rb, to)) {
            r.Right += dx;
            r = Moved(r, 0, dy);
        } else if (PtInRectInclusive(lt, from) && PtInRectInclusive(lb, to)) {
            r.Bottom += dy;
        } else if (PtInRectInclusive(rt, from) && PtInRectInclusive(rb, to)) {
            r = Moved(r, dx, 0);
            r.Bottom += dy;
        }
        return r;
    }
    case 2:
        if (R.Left <= LTPt.X && R.Right >= RTPt.X)
            r.Right += dx;
        else if (R.Left >= RTPt.X && R.Right > RTPt.X)
            r = Moved(r, dx, 0);
        return r;
    case 3:
        if (R.Top <= LTPt.Y && R.Bottom >= LBPt.Y)
            r.Bottom += dy;
        else if (R.Top >= LBPt.Y && R.Bottom > LBPt.Y)
            r = Moved(r, 0, dy);
        return r;
    default:
        return R;
    }
}

void TbsSkinCustomControl::Paint() {
    if (Width() < 1 || Height() < 1) return;
    GetSkinData();
    int width = Width();
    int height = Height();
    CalcSkinSize(width, height);
    if (FIndex == -1 || !FForceBackground || ResizeMode != 1 || !Picture) {
        TbsSkinCustomControlBase::Paint();
        return;
    }
    TBitmap left;
    TBitmap top;
    TBitmap right;
    TBitmap bottom;
    BuildNineSliceBorders(LTPt, RTPt, LBPt, RBPt, ClRect, NewLTPoint, NewRTPoint, NewLBPoint,
                          NewRBPoint, NewClRect, left, top, right, bottom, *Picture, SkinRect,
                          Width(), Height(), LeftStretch, TopStretch, RightStretch, BottomStretch);
    // A descendant draws into the top strip (a panel its caption); this class draws nothing.
    CreateControlSkinImage(top);
    if (FDrawbackground) FillClientFromSkin();
    TCanvas& canvas = Canvas();
    canvas.Draw(0, 0, &top);
    canvas.Draw(0, top.Height(), &left);
    canvas.Draw(Width() - right.Width(), top.Height(), &right);
    canvas.Draw(0, Height() - bottom.Height(), &bottom);
}

void TbsSkinCustomControl::FillClientFromSkin() {
    const int tileWidth = ClRect.Width();
    const int tileHeight = ClRect.Height();
    // A record without a client part has nothing to fill with.
    if (tileWidth <= 0 || tileHeight <= 0) return;
    TBitmap tile(tileWidth, tileHeight);
    tile.Canvas().CopyRect(TRect(0, 0, tileWidth, tileHeight), Picture->Canvas(),
                           Moved(ClRect, SkinRect.Left, SkinRect.Top));
    TCanvas& canvas = Canvas();
    {
        // One copy more than fits is drawn on each axis; the clip cuts it.
        const gfx::DcStateSaver saved(canvas.Handle());
        win::IntersectClipRect(canvas.Handle(), NewClRect.Left, NewClRect.Top, NewClRect.Right,
                               NewClRect.Bottom);
        FillWithTile(canvas, tile, NewClRect, StretchEffect, StretchType);
    }
    // The restored DC holds other objects than the canvas thinks it selected.
    canvas.Refresh();
}
