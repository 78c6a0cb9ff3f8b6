// Painting the skinned frame and the client background, and the caption's activation.
#include "lib/frame/TbsSkinForm.h"

#include "lib/frame/TbsClientInActivePanel.h"
#include "lib/frame/bsInActiveEffect.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindraw/TbsEffectBmp.h"
#include "lib/skindraw/bsImageBuilders.h"
#include "lib/skindraw/bsRectUtils.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TTimer.h"
#include "platform/gfx/DcStateSaver.h"
#include "platform/gfx/IconObject.h"
#include "platform/gfx/SysColors.h"
#include "platform/win/Messaging.h"
#include "platform/win/Painting.h"
#include "platform/win/Screen.h"

using namespace win;

namespace {

// A canvas over a DC it does not own, let go when the scope ends.
class TDcCanvas {
public:
    explicit TDcCanvas(HDC dc) { FCanvas.SetHandle(dc); }
    ~TDcCanvas() { FCanvas.SetHandle(nullptr); }
    TDcCanvas(const TDcCanvas&) = delete;
    TDcCanvas& operator=(const TDcCanvas&) = delete;
    TCanvas& operator*() { return FCanvas; }
    TCanvas* operator->() { return &FCanvas; }

private:
    TCanvas FCanvas;
};

void DrawStrip(HDC dc, TBitmap& strip, int x, int y, bool inactiveEffect,
               TbsInActiveEffect effect) {
    if (strip.Empty()) return;
    if (inactiveEffect) {
        if (auto bmp = TbsEffectBmp::CreateFromhWnd(strip.Handle())) {
            ApplyInActiveEffect(*bmp, effect);
            bmp->Draw(dc, x, y);
            return;
        }
    }
    BitBlt(dc, x, y, strip.Width(), strip.Height(), strip.Canvas().Handle(), 0, 0, SRCCOPY);
}

// The tile T laid over the client background as the skin says: stretched (to the whole form,
// or in strips of its own width or height) or tiled from the corner.
void FillWithTile(TCanvas& canvas, TBitmap& picture, const TRect& tile, bool stretch,
                  TbsStretchType stretchType, int formWidth, int formHeight, int clientWidth,
                  int clientHeight) {
    const int w = tile.Width(), h = tile.Height();
    if (w <= 0 || h <= 0 || clientWidth <= 0 || clientHeight <= 0) return;
    TCanvas& source = picture.Canvas();
    if (stretch) {
        switch (stretchType) {
        case bsstFull:
            canvas.CopyRect(TRect(0, 0, formWidth, formHeight), source, tile);
            return;
        case bsstHorz:
            for (int i = 0; i <= formWidth / w; ++i)
                canvas.CopyRect(TRect(i * w, 0, i * w + w, formHeight), source, tile);
            return;
        case bsstVert:
            for (int i = 0; i <= formHeight / h; ++i)
                canvas.CopyRect(TRect(0, i * h, formWidth, i * h + h), source, tile);
            return;
        }
    }
    for (int col = 0; col <= clientWidth / w; ++col)
        for (int row = 0; row <= clientHeight / h; ++row)
            canvas.CopyRect(TRect(col * w, row * h, col * w + w, row * h + h), source, tile);
}

} // namespace

TSize GetSmallIconSize() {
    int w = GetSystemMetrics(SM_CXSMICON);
    int h = GetSystemMetrics(SM_CYSMICON);
    if (w == 0) w = GetSystemMetrics(SM_CXSIZE);
    if (h == 0) h = GetSystemMetrics(SM_CYSIZE);
    return TSize(w, h);
}

void TbsSkinForm::PaintNCSkin(HDC externalDC, bool useExternalDC) {
    if (FFormWidth == 0) FFormWidth = FForm->Width();
    if (FFormHeight == 0) FFormHeight = FForm->Height();
    if (!UsableSkin() || GetMinWidth() > FFormWidth || GetMinHeight() > FFormHeight) return;
    if (!useExternalDC && !HandleReady()) return;
    CalcSkinRects();
    CalcObjectRects();
    const HWND hwnd = useExternalDC ? nullptr : FForm->Handle();
    const HDC dc = useExternalDC ? externalDC : GetWindowDC(hwnd);
    if (!dc) return;
    TbsSkinData& skin = *FSD;
    const bool active = GetFormActive();
    TBitmap& source =
        active || skin.FInActivePicture.Empty() ? skin.FPicture : skin.FInActivePicture;
    TBitmap top, left, right, bottom;
    BuildNineSliceBorders(skin.LTPoint, skin.RTPoint, skin.LBPoint, skin.RBPoint, skin.ClRect,
                          NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint, NewClRect, left, top,
                          right, bottom, source, TRect(0, 0, source.Width(), source.Height()),
                          FFormWidth, FFormHeight, skin.LeftStretch, skin.TopStretch,
                          skin.RightStretch, skin.BottomStretch);
    for (auto& object : ObjectList) {
        if (!object->Visible) continue;
        if (object->ObjectRect.Bottom <= NewClRect.Top) {
            if (!top.Empty()) object->Draw(top.Canvas(), false);
            continue;
        }
        if (bottom.Empty()) continue;
        const TRect kept = object->ObjectRect;
        object->ObjectRect = TRect(kept.Left, kept.Top - NewClRect.Bottom, kept.Right,
                                   kept.Bottom - NewClRect.Bottom);
        object->Draw(bottom.Canvas(), false);
        object->ObjectRect = kept;
    }
    {
        // A DC that is not the frame's own goes back to its owner as it came.
        gfx::DcStateSaver state(dc);
        if (NewClRect.Height() > 0)
            ExcludeClipRect(dc, NewClRect.Left, NewClRect.Top, NewClRect.Right, NewClRect.Bottom);
        const bool effect = !active && skin.AutoRenderingInActiveImage;
        DrawStrip(dc, top, 0, 0, effect, skin.InActiveEffect);
        DrawStrip(dc, left, 0, top.Height(), effect, skin.InActiveEffect);
        DrawStrip(dc, right, FFormWidth - right.Width(), top.Height(), effect, skin.InActiveEffect);
        DrawStrip(dc, bottom, 0, FFormHeight - bottom.Height(), effect, skin.InActiveEffect);
    }
    if (!useExternalDC) ReleaseDC(hwnd, dc);
}

void TbsSkinForm::DrawSkinObject(TbsActiveSkinObject* object) {
    if (!object || IsMaximizedChild() || !IsFramed() || !HandleReady()) return;
    const HWND hwnd = FForm->Handle();
    const HDC dc = GetWindowDC(hwnd);
    {
        TDcCanvas canvas(dc);
        object->Draw(*canvas, true);
    }
    ReleaseDC(hwnd, dc);
}

void TbsSkinForm::UpdateCaptionActive(bool animate) {
    const bool active = GetFormActive();
    for (auto& object : ObjectList) {
        auto* caption = dynamic_cast<TbsSkinCaptionObject*>(object.get());
        if (!caption || caption->Active == active) continue;
        caption->Active = active;
        if (animate) {
            if (caption->EnableAnimation()) {
                caption->FIncTime = 25;
                caption->CurrentFrame = active                       ? 1
                                        : caption->InActiveAnimation ? caption->FrameCount
                                                                     : 0;
                FAnimateTimer->SetEnabled(true);
            }
            NCRepaint();
            if (caption->EnableMorphing()) FMorphTimer->SetEnabled(true);
        } else if (caption->EnableMorphing()) {
            caption->SetMorphKf(active ? 1 : 0);
        }
        break;
    }
    if (active) {
        if (OnActivate) OnActivate(this);
    } else if (OnDeActivate) {
        OnDeActivate(this);
    }
}

void TbsSkinForm::PaintBG(HDC dc) {
    if (!dc || !UsableSkin()) return;
    TbsSkinData& skin = *FSD;
    TDcCanvas canvas(dc);
    const int clientWidth = FForm->ClientWidth(), clientHeight = FForm->ClientHeight();
    if (RectIsEmpty(skin.ClRect)) {
        canvas->Brush().SetColor(clBtnFace);
        canvas->FillRect(TRect(0, 0, clientWidth, clientHeight));
    } else {
        FillWithTile(*canvas, skin.FPicture, skin.ClRect, skin.StretchEffect, skin.StretchType,
                     FFormWidth, FFormHeight, clientWidth, clientHeight);
    }
    if (!FLogoBitMap.Empty()) DrawLogo(*canvas);
}

namespace {

TBitmap* SkinPicture(TbsSkinData& skin, int index) {
    if (index < 0 || index >= int(skin.FActivePictures.size())) return nullptr;
    return skin.FActivePictures[std::size_t(index)].get();
}

} // namespace

void TbsSkinForm::PaintBG2(HDC dc) {
    if (!dc || !UsableSkin()) return;
    TBitmap* picture = SkinPicture(*FSD, FSD->BGPictureIndex);
    // A skin from a user's folder may name a picture it does not have.
    if (!picture) {
        PaintBG(dc);
        return;
    }
    TDcCanvas canvas(dc);
    FillWithTile(*canvas, *picture, TRect(0, 0, picture->Width(), picture->Height()),
                 FSD->StretchEffect, FSD->StretchType, FFormWidth, FFormHeight,
                 FForm->ClientWidth(), FForm->ClientHeight());
    if (!FLogoBitMap.Empty()) DrawLogo(*canvas);
}

void TbsSkinForm::PaintBG3(HDC dc) {
    if (!dc || !UsableSkin()) return;
    TBitmap* picture = SkinPicture(*FSD, FSD->MDIBGPictureIndex);
    if (!picture) {
        PaintBG(dc);
        return;
    }
    TDcCanvas canvas(dc);
    FillWithTile(*canvas, *picture, TRect(0, 0, picture->Width(), picture->Height()),
                 FSD->MDIBGStretchEffect, FSD->MDIBGStretchType, FFormWidth, FFormHeight,
                 FForm->ClientWidth(), FForm->ClientHeight());
    if (!FLogoBitMap.Empty()) DrawLogo(*canvas);
}

void TbsSkinForm::DrawLogo(TCanvas& canvas) {
    const int x = std::max(0, FForm->ClientWidth() / 2 - FLogoBitMap.Width() / 2);
    const int y = std::max(0, FForm->ClientHeight() / 2 - FLogoBitMap.Height() / 2);
    if (FLogoBitMap.Transparent() != FLogoBitMapTransparent)
        FLogoBitMap.SetTransparent(FLogoBitMapTransparent);
    canvas.Draw(x, y, &FLogoBitMap);
}

void TbsSkinForm::PrepareIcon() {
    if (FIcon) return;
    FIcon = std::make_unique<TIcon>();
    const TSize size = GetSmallIconSize();
    HICON source = nullptr;
    if (!FForm->Icon().Empty())
        source = FForm->Icon().Handle();
    else if (Application && !Application->Icon().Empty())
        source = Application->Icon().Handle();
    if (!source) return;
    if (HANDLE copy = CopyImage(source, IMAGE_ICON, size.cx, size.cy, LR_COPYFROMRESOURCE))
        FIcon->SetHandle(static_cast<HICON>(copy));
}

void TbsSkinForm::DrawFormIcon(TCanvas& canvas, int x, int y) {
    PrepareIcon();
    if (FIcon->Empty()) return;
    DrawIconEx(canvas.Handle(), x, y, FIcon->Handle(), 0, 0, 0, nullptr, DI_NORMAL);
}

void TbsSkinForm::ShowClientInActiveEffect() {
    if (FInActivePanel) FInActivePanel->HidePanel();
    delete FInActivePanel;
    FInActivePanel = new TbsClientInActivePanel(this);
    FClientInActiveDraw = true;
    FInActivePanel->ShowPanel(FForm, FClientInActiveEffectType);
    FClientInActiveDraw = false;
}

void TbsSkinForm::HideClientInActiveEffect() {
    if (!FInActivePanel) return;
    FInActivePanel->HidePanel();
    delete FInActivePanel;
    FInActivePanel = nullptr;
}
