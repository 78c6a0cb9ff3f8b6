#include "lib/frame/TbsActiveSkinObject.h"

#include "lib/frame/TbsSkinForm.h"
#include "lib/menus/TbsSkinMenu.h"
#include "lib/menus/TbsSkinPopupMenu.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindraw/TbsEffectBmp.h"
#include "lib/skindraw/TbsLayerManager.h"
#include "lib/skindraw/bsMorphKinds.h"
#include "lib/skindraw/bsRectUtils.h"
#include "lib/skindraw/bsSystemVersion.h"
#include "platform/forms/TTimer.h"
#include "platform/gfx/TBitmap.h"

#include <algorithm>

namespace {

bool UsableSkin(const TbsSkinData* skin) {
    return skin && !skin->Empty;
}

// The picture at a record's index in the skin's further pictures; nullptr when the index is
// not valid.
TBitmap* ActivePictureAt(TbsSkinData* skin, int index) {
    if (!skin || index < 0 || index >= int(skin->FActivePictures.size())) return nullptr;
    return skin->FActivePictures[std::size_t(index)].get();
}

} // namespace

TbsActiveSkinObject::TbsActiveSkinObject(TbsSkinForm* parent, TbsDataSkinObject* data)
    : Parent(parent), SD(parent ? parent->SkinData() : nullptr) {
    if (data) {
        IDName = data->IDName;
        Hint = data->Hint;
        SkinRectInAPicture = data->SkinRectInAPicture;
        SkinRect = data->SkinRect;
        ActiveSkinRect = data->ActiveSkinRect;
        InActiveSkinRect = data->InActiveSkinRect;
        Morphing = data->Morphing;
        MorphKind = data->MorphKind;
        GlowLayerPictureIndex = data->GlowLayerPictureIndex;
        GlowLayerMaskPictureIndex = data->GlowLayerMaskPictureIndex;
        GlowLayerOffsetX = data->GlowLayerOffsetX;
        GlowLayerOffsetY = data->GlowLayerOffsetY;
        GlowLayerAlphaBlendValue = data->GlowLayerAlphaBlendValue;
        ActivePicture = ActivePictureAt(SD, data->ActivePictureIndex);
        // Without its picture the object has no hover face. The record stays as the skin has
        // it: other forms share it.
        if (!ActivePicture) ActiveSkinRect = ZeroRect();
        ActiveMaskPicture = ActivePictureAt(SD, data->ActiveMaskPictureIndex);
    }
    if (RectIsEmpty(ActiveSkinRect)) Morphing = false;
    ObjectRect = SkinRect;
    if (SD) Picture = &SD->FPicture;
}

bool TbsActiveSkinObject::CheckPoint(int x, int y) {
    const TbsSkinData* skin = Parent ? Parent->SkinData() : nullptr;
    if (!UsableSkin(skin) || !ActiveMaskPicture) return true;
    // Outside the mask is off the object.
    TBitmap& mask = *ActiveMaskPicture;
    if (x < 0 || y < 0 || x >= mask.Width() || y >= mask.Height()) return false;
    return mask.Canvas().Pixels(x, y) == clBlack;
}

TbsSkinData* TbsActiveSkinObject::UsableSkinData() const {
    TbsSkinData* skin = Parent ? Parent->SkinData() : nullptr;
    return UsableSkin(skin) ? skin : nullptr;
}

void TbsActiveSkinObject::CopyFace(TCanvas& canvas, TBitmap* picture, const TRect& source) const {
    if (!picture || RectIsEmpty(source)) return;
    canvas.CopyRect(ObjectRect, picture->Canvas(), source);
}

void TbsActiveSkinObject::DrawMorph(TCanvas& canvas, TBitmap* fromPicture, const TRect& from,
                                    const TRect& to) const {
    const int w = ObjectRect.Width(), h = ObjectRect.Height();
    if (w <= 0 || h <= 0 || !fromPicture || !ActivePicture) return;
    TBitmap normal(w, h), hover(w, h);
    normal.Canvas().CopyRect(TRect(0, 0, w, h), fromPicture->Canvas(), from);
    hover.Canvas().CopyRect(TRect(0, 0, w, h), ActivePicture->Canvas(), to);
    auto start = TbsEffectBmp::CreateFromhWnd(normal.Handle());
    auto end = TbsEffectBmp::CreateFromhWnd(hover.Handle());
    if (!start || !end) return;
    MorphByKind(*start, *end, MorphKind, FMorphKf);
    start->Draw(canvas.Handle(), ObjectRect.Left, ObjectRect.Top);
}

bool TbsActiveSkinObject::MorphBetweenFaces() const {
    return Active ? FMorphKf < 1 : FMorphKf > 0;
}

void TbsActiveSkinObject::Draw(TCanvas& canvas, bool update) {
    if (!UsableSkinData()) return;
    if (Enabled && !Parent->GetFormActive() && !RectIsEmpty(InActiveSkinRect)) {
        CopyFace(canvas, ActivePicture, InActiveSkinRect);
        return;
    }
    if (EnableMorphing() && MorphBetweenFaces()) {
        DrawMorph(canvas, NormalPicture(), SkinRect, ActiveSkinRect);
        return;
    }
    if (Active && !RectIsEmpty(ActiveSkinRect)) {
        CopyFace(canvas, ActivePicture, ActiveSkinRect);
        return;
    }
    if (!update && !SkinRectInAPicture) return;
    CopyFace(canvas, NormalPicture(), SkinRect);
}

bool TbsActiveSkinObject::GlowAvailable() const {
    const TbsSkinData* skin = UsableSkinData();
    return skin && GlowLayerPictureIndex != -1 && CanUseLayeredWindows() &&
           skin->ShowCaptionButtonGlowFrames();
}

void TbsActiveSkinObject::ShowGlowIn(TbsLayerManager& manager) {
    if (!GlowAvailable()) return;
    TBitmap* glow = ActivePictureAt(SD, GlowLayerPictureIndex);
    TBitmap* mask = ActivePictureAt(SD, GlowLayerMaskPictureIndex);
    // A glow whose picture or mask is missing shows nothing rather than half a glow.
    if (!glow || !mask) return;
    const TRect r = Parent->ObjectScreenRect(ObjectRect);
    manager.Show(r.Left - GlowLayerOffsetX, r.Top - GlowLayerOffsetY, *glow, *mask,
                 GlowLayerAlphaBlendValue);
}

void TbsActiveSkinObject::ShowGlowFor(bool withMenu) {
    if (GlowAvailable()) ShowGlowIn(withMenu ? Parent->MenuLayerManager() : Parent->LayerManager());
}

void TbsActiveSkinObject::HideGlowFor(bool withMenu) {
    if (GlowAvailable()) (withMenu ? Parent->MenuLayerManager() : Parent->LayerManager()).Hide();
}

void TbsActiveSkinObject::ShowLayer() {
    ShowGlowFor(false);
}

void TbsActiveSkinObject::HideLayer() {
    HideGlowFor(false);
}

void TbsActiveSkinObject::HideGlowLayers() {
    if (Parent->LayerManager().IsVisible()) Parent->LayerManager().Hide();
    if (Parent->MenuLayerManager().IsVisible()) Parent->MenuLayerManager().Hide();
}

void TbsActiveSkinObject::DropMenu(TMenuItem* item, bool popupUp) {
    const TRect r = Parent->ObjectScreenRect(ObjectRect);
    if (auto* popup = dynamic_cast<TbsSkinPopupMenu*>(item->GetParentMenu())) {
        popup->PopupFromRect(r, popupUp);
        return;
    }
    Parent->SkinMenuOpen();
    TbsSkinData* skin = Parent->MenusSkinData() ? Parent->MenusSkinData() : Parent->SkinData();
    Parent->SkinMenu().Popup(nullptr, skin, 0, r, item, popupUp);
}

bool TbsActiveSkinObject::CanMorphing() {
    return (Active && FMorphKf < 1) || (!Active && FMorphKf > 0);
}

bool TbsActiveSkinObject::EnableMorphing() const {
    const TbsSkinData* skin = Parent ? Parent->SkinData() : nullptr;
    return Morphing && UsableSkin(skin) && skin->FEnableSkinEffects;
}

void TbsActiveSkinObject::SetMorphKf(double value) {
    FMorphKf = std::clamp(value, 0.0, 1.0);
}

void TbsActiveSkinObject::ReDraw() {
    if (!Parent) return;
    if (EnableMorphing())
        Parent->MorphTimer().SetEnabled(true);
    else
        Parent->DrawSkinObject(this);
}

void TbsActiveSkinObject::DoMorphing() {
    SetMorphKf(FMorphKf + (Active ? 0.2 : -0.2));
    if (Parent) Parent->DrawSkinObject(this);
}

void TbsActiveSkinObject::MouseDown(int x, int y, TMouseButton button) {
    if (Parent) Parent->DoMouseDownEvent(IDName, x, y, ObjectRect, button);
}

void TbsActiveSkinObject::MouseUp(int x, int y, TMouseButton button) {
    if (Parent && FMouseIn) Parent->DoMouseUpEvent(IDName, x, y, ObjectRect, button);
}

void TbsActiveSkinObject::MouseMove(int x, int y) {
    if (Parent) Parent->DoMouseMoveEvent(IDName, x, y, ObjectRect);
}

void TbsActiveSkinObject::MouseEnter() {
    FMouseIn = true;
    Active = true;
    if (!RectIsEmpty(ActiveSkinRect)) ReDraw();
    if (Parent) Parent->DoMouseEnterEvent(IDName);
    ShowLayer();
}

void TbsActiveSkinObject::MouseLeave() {
    FMouseIn = false;
    Active = false;
    if (!RectIsEmpty(ActiveSkinRect)) ReDraw();
    if (Parent) Parent->DoMouseLeaveEvent(IDName);
    HideLayer();
}

void TbsUserObject::Draw(TCanvas& canvas, bool) {
    if (Parent) Parent->DoPaintEvent(IDName, canvas, ObjectRect);
}
