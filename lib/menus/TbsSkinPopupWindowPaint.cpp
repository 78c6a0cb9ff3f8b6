#include "lib/menus/TbsSkinPopupWindow.h"

#include "lib/menus/TbsSkinMenuItem.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindraw/bsImageBuilders.h"
#include "lib/skindraw/bsMarks.h"
#include "platform/gfx/TBitmap.h"
#include "platform/win/Win.h"

using namespace win;

void TbsSkinPopupWindow::CreateMenuBackground(TBitmap& bitmap, bool fillClient) {
    const int w = Width(), h = Height();
    bitmap.SetSize(w, h);
    if (FPW) {
        const TRect picture(0, 0, FWindowPicture->Width(), FWindowPicture->Height());
        BuildNineSliceImage2(FPW->LTPoint, FPW->RTPoint, FPW->LBPoint, FPW->RBPoint, FPW->ItemsRect,
                             FNewLTPoint, FNewRTPoint, FNewLBPoint, FNewRBPoint, FNewItemsRect,
                             bitmap, *FWindowPicture, picture, w, h, fillClient, FPW->LeftStretch,
                             FPW->TopStretch, FPW->RightStretch, FPW->BottomStretch,
                             FPW->StretchEffect, FPW->StretchType);
        return;
    }
    TCanvas& c = bitmap.Canvas();
    const int glyphColumn = FImgL ? FGlyphWidth + 2 : 21;
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(clBtnFace);
    c.FillRect(TRect(0, 0, glyphColumn, h));
    c.Brush().SetColor(clWindow);
    c.FillRect(TRect(glyphColumn, 0, w, h));
    c.Brush().SetColor(clBtnShadow);
    c.FrameRect(TRect(0, 0, w, h));
    c.Brush().SetColor(clWindow);
    c.FrameRect(TRect(1, 1, w - 1, h - 1));
}

void TbsSkinPopupWindow::DrawItemBackground(TCanvas& canvas, const TRect& rect) {
    if (!FSD || rect.Width() <= 0 || rect.Height() <= 0) return;
    if (FDSMI->InActiveTransparent && FPaintBuffer) {
        canvas.CopyRect(rect, FPaintBuffer->Canvas(), rect);
        return;
    }
    int index = FSD->GetIndex("menuitem");
    if (index < 0) index = FSD->GetIndex("MENUITEM");
    if (index < 0) return;
    auto* record = dynamic_cast<TbsDataSkinMenuItem*>(FSD->ObjectList[std::size_t(index)].get());
    if (!record || record->ActivePictureIndex < 0 ||
        record->ActivePictureIndex >= int(FSD->FActivePictures.size()))
        return;
    TBitmap face;
    BuildHorzThreeSliceImage(record->ItemLO, record->ItemRO, face,
                             *FSD->FActivePictures[std::size_t(record->ActivePictureIndex)],
                             record->SkinRect, rect.Width(), 0, record->InActiveStretchEffect);
    if (face.Empty()) return;
    face.SetSize(rect.Width(), rect.Height());
    canvas.Draw(rect.Left, rect.Top, &face);
}

void TbsSkinPopupWindow::DrawScrollMarkers(TCanvas& canvas) {
    const int w = Width(), h = Height();
    for (int code : { 1, 2 }) {
        const bool scrolling = FScrollCode == code;
        const int direction = code == 1 ? 3 : 4;
        if (FPW) {
            const TRect zone = ScrollZone(code);
            DrawItemBackground(canvas, zone);
            DrawArrowMark(canvas, zone,
                          scrolling ? FPW->ScrollMarkerActiveColor : FPW->ScrollMarkerColor,
                          direction);
        } else {
            const TRect zone = code == 1 ? TRect(3, 3, w - 3, 13) : TRect(3, h - 10, w - 3, h - 3);
            DrawArrowMark(canvas, zone, scrolling ? clBtnText : clBtnShadow, direction);
        }
    }
}

void TbsSkinPopupWindow::PaintMenu(HDC dc) {
    if (!dc || Width() <= 0 || Height() <= 0) return;
    TBitmap bitmap;
    CreateMenuBackground(bitmap, FScroll);
    if (FPW && FDSMI->InActiveTransparent) {
        if (!FPaintBuffer) FPaintBuffer = std::make_unique<TBitmap>();
        CreateMenuBackground(*FPaintBuffer, true);
    }
    TCanvas& canvas = bitmap.Canvas();
    int bottom = -1;
    const int last = std::min(FVisibleStartIndex + FVisibleCount, int(FItemList.size()));
    for (int i = FVisibleStartIndex; i < last; ++i) {
        TbsSkinMenuItem& row = *FItemList[std::size_t(i)];
        row.Draw(canvas);
        bottom = row.ObjectRect.Bottom;
    }
    if (FScroll) {
        DrawScrollMarkers(canvas);
        const int gapEnd = FNewItemsRect.Bottom - 10;
        if (bottom != -1 && bottom < gapEnd)
            DrawItemBackground(canvas,
                               TRect(FNewItemsRect.Left, bottom, FNewItemsRect.Right, gapEnd));
    }
    BitBlt(dc, 0, 0, bitmap.Width(), bitmap.Height(), canvas.Handle(), 0, 0, SRCCOPY);
}
