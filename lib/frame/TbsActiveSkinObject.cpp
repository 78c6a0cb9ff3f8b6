#include "lib/frame/TbsActiveSkinObject.h"

#include "lib/frame/TbsSkinForm.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindraw/bsRectUtils.h"
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
        // Without its picture the record has no hover face, for every object made from it.
        if (!ActivePicture) {
            ActiveSkinRect = ZeroRect();
            data->ActiveSkinRect = ZeroRect();
        }
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

TbsSkinAnimateObject::TbsSkinAnimateObject(TbsSkinForm* parent, TbsDataSkinAnimate* data)
    : TbsActiveSkinObject(parent, data) {
    if (!data) return;
    TimerInterval = std::max(25, data->TimerInterval);
    CountFrames = data->CountFrames;
    Cycle = data->Cycle;
    ButtonStyle = data->ButtonStyle;
    Command = data->Command;
    DownSkinRect = data->DownSkinRect;
    RestoreRect = data->RestoreRect;
    RestoreActiveRect = data->RestoreActiveRect;
    RestoreInActiveRect = data->RestoreInActiveRect;
    RestoreDownRect = data->RestoreDownRect;
    RestoreHint = data->RestoreHint;
    FTempHint = data->Hint;
}

void TbsSkinAnimateObject::SetFrame(int value) {
    if (Increment && value > CountFrames) value = 1;
    if (!Increment && value <= 0) value = CountFrames;
    FFrame = value;
    if (Parent) Parent->DrawSkinObject(this);
}

void TbsSkinAnimateObject::ChangeFrame() {
    if (FInc < TimerInterval) {
        FInc += 25;
        return;
    }
    if (Increment) {
        SetFrame(FFrame + 1);
        if (!Cycle && FFrame == CountFrames) Active = false;
    } else {
        SetFrame(FFrame - 1);
        if (FFrame == 1) Active = false;
    }
    FInc = 25;
}

TbsSkinButtonObject::TbsSkinButtonObject(TbsSkinForm* parent, TbsDataSkinButton* data)
    : TbsActiveSkinObject(parent, data) {
    if (!data) return;
    DisableSkinRect = data->DisableSkinRect;
    DownRect = data->DownRect;
}

TbsSkinStdButtonObject::TbsSkinStdButtonObject(TbsSkinForm* parent, TbsDataSkinStdButton* data)
    : TbsSkinButtonObject(parent, data), FSkinSupport(data != nullptr) {
    if (!data) return;
    Command = data->Command;
    RestoreRect = data->RestoreRect;
    RestoreActiveRect = data->RestoreActiveRect;
    RestoreInActiveRect = data->RestoreInActiveRect;
    RestoreDownRect = data->RestoreDownRect;
    RestoreHint = data->RestoreHint;
    FTempHint = data->Hint;
}

TbsSkinCaptionObject::TbsSkinCaptionObject(TbsSkinForm* parent, TbsDataSkinCaption* data)
    : TbsActiveSkinObject(parent, data) {
    if (!data) return;
    AnimateSkinRect = data->AnimateSkinRect;
    FrameCount = data->FrameCount;
    AnimateInterval = data->AnimateInterval;
    InActiveAnimation = data->InActiveAnimation;
}

bool TbsSkinCaptionObject::EnableAnimation() const {
    const TbsSkinData* skin = Parent ? Parent->SkinData() : nullptr;
    return UsableSkin(skin) && skin->FEnableSkinEffects && !RectIsEmpty(AnimateSkinRect);
}
