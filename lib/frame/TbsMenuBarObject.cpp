#include "lib/frame/TbsMenuBarObject.h"

#include "lib/frame/TbsSkinForm.h"
#include "lib/frame/TbsSkinMainMenuBar.h"
#include "lib/frame/bsPlainButtonFace.h"
#include "lib/menus/TbsSkinMenu.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindraw/TbsEffectBmp.h"
#include "lib/skindraw/bsCaptionGlyphs.h"
#include "lib/skindraw/bsMorphKinds.h"
#include "lib/skindraw/bsRectUtils.h"
#include "platform/forms/TTimer.h"
#include "platform/gfx/TBitmap.h"

#include <algorithm>

TbsMenuBarObject::TbsMenuBarObject(TbsSkinMainMenuBar* parent, TbsDataSkinObject* data)
    : Parent(parent) {
    if (!data) return;
    IDName = data->IDName;
    SkinRect = data->SkinRect;
    ActiveSkinRect = data->ActiveSkinRect;
    DownRect = data->ActiveSkinRect;
    Morphing = data->Morphing;
    MorphKind = data->MorphKind;
    ObjectRect = SkinRect;
    if (TbsSkinData* skin = parent ? parent->SkinData() : nullptr;
        skin && data->ActivePictureIndex >= 0 &&
        std::size_t(data->ActivePictureIndex) < skin->FActivePictures.size())
        Picture = skin->FActivePictures[std::size_t(data->ActivePictureIndex)].get();
    // A morph towards a face that does not exist would fade to nothing.
    if (Morphing && RectIsEmpty(ActiveSkinRect)) Morphing = data->Morphing = false;
}

TbsSkinData* TbsMenuBarObject::UsableSkin() const {
    return Parent ? Parent->UsableSkin() : nullptr;
}

bool TbsMenuBarObject::EnableMorphing() const {
    const TbsSkinData* skin = UsableSkin();
    return Morphing && skin && skin->FEnableSkinEffects;
}

void TbsMenuBarObject::ReDraw() {
    if (EnableMorphing())
        Parent->MorphTimer().SetEnabled(true);
    else
        Parent->DrawObject(this);
}

bool TbsMenuBarObject::CanMorphing() {
    if (FDown && !RectIsEmpty(DownRect)) return false;
    return (Active && FMorphKf < 1) || (!Active && FMorphKf > 0);
}

void TbsMenuBarObject::SetMorphKf(double value) {
    FMorphKf = std::clamp(value, 0.0, 1.0);
}

void TbsMenuBarObject::DoMorphing() {
    SetMorphKf(FMorphKf + (Active ? 0.2 : -0.2));
    Parent->DrawObject(this);
}

void TbsMenuBarObject::MouseEnter() {
    FMouseIn = Active = true;
    ReDraw();
}

void TbsMenuBarObject::MouseLeave() {
    FMouseIn = Active = false;
    ReDraw();
}

void TbsMenuBarObject::DrawMorph(TCanvas& canvas, TBitmap& normal, TBitmap& hover) const {
    auto start = TbsEffectBmp::CreateFromhWnd(normal.Handle());
    auto end = TbsEffectBmp::CreateFromhWnd(hover.Handle());
    if (!start || !end) return;
    MorphByKind(*start, *end, MorphKind, FMorphKf);
    start->Draw(canvas.Handle(), ObjectRect.Left, ObjectRect.Top);
}

// --- The buttons of a maximized MDI child ---

TbsSkinMainMenuBarButton::TbsSkinMainMenuBarButton(TbsSkinMainMenuBar* parent,
                                                   TbsDataSkinMainMenuBarButton* data)
    : TbsMenuBarObject(parent, data) {
    if (!data) return;
    Command = data->Command;
    DownRect = data->DownRect;
    FSkinSupport = true;
}

void TbsSkinMainMenuBarButton::CopyFace(TCanvas& canvas, const TRect& source) const {
    canvas.CopyRect(ObjectRect, Picture->Canvas(), source);
}

void TbsSkinMainMenuBarButton::Draw(TCanvas& cnvs) {
    if (!FSkinSupport || !Picture) {
        DefaultDraw(cnvs);
        return;
    }
    if (FDown && FMouseIn && !RectIsEmpty(DownRect)) {
        CopyFace(cnvs, DownRect);
        return;
    }
    if (EnableMorphing() && (Active ? FMorphKf < 1 : FMorphKf > 0)) {
        const int w = ObjectRect.Width(), h = ObjectRect.Height();
        if (w <= 0 || h <= 0) return;
        TBitmap normal(w, h), hover(w, h);
        normal.Canvas().CopyRect(TRect(0, 0, w, h), Picture->Canvas(), SkinRect);
        hover.Canvas().CopyRect(TRect(0, 0, w, h), Picture->Canvas(), ActiveSkinRect);
        DrawMorph(cnvs, normal, hover);
        return;
    }
    CopyFace(cnvs, Active && !RectIsEmpty(ActiveSkinRect) ? ActiveSkinRect : SkinRect);
}

void TbsSkinMainMenuBarButton::DefaultDraw(TCanvas& cnvs) {
    const int w = ObjectRect.Width(), h = ObjectRect.Height();
    if (w <= 0 || h <= 0) return;
    TBitmap face(w, h);
    TCanvas& c = face.Canvas();
    const bool pressed = FDown && FMouseIn;
    DrawPlainButtonFace(c, TRect(0, 0, w, h), pressed, Active);
    const int x = w / 2 - 5 + (pressed ? 1 : 0), y = h / 2 - 4 + (pressed ? 1 : 0);
    const TColor color = Enabled ? clBtnText : clBtnShadow;
    switch (Command) {
    case cmClose:
        DrawCloseGlyph(c, x, y, color);
        break;
    case cmMaximize:
        // The child is maximized while the button shows: it can only be restored.
        DrawRestoreGlyph(c, x, y, color);
        break;
    case cmMinimize:
        DrawMinimizeGlyph(c, x, y, color);
        break;
    case cmSysMenu:
        DrawSysMenuGlyph(c, x, y, color);
        break;
    default:
        break;
    }
    cnvs.Draw(ObjectRect.Left, ObjectRect.Top, &face);
}

void TbsSkinMainMenuBarButton::MouseEnter() {
    if (FDown && Command == cmSysMenu) {
        FMouseIn = Active = true;
        return;
    }
    if (FDown && EnableMorphing()) {
        FMouseIn = Active = true;
        Parent->DrawObject(this);
        return;
    }
    TbsMenuBarObject::MouseEnter();
}

void TbsSkinMainMenuBarButton::MouseLeave() {
    if (FDown && Command == cmSysMenu) {
        if (EnableMorphing()) FMorphKf = 1;
        Active = FMouseIn = false;
        return;
    }
    if (FDown && EnableMorphing()) {
        Active = FMouseIn = false;
        Parent->DrawObject(this);
        return;
    }
    TbsMenuBarObject::MouseLeave();
}

void TbsSkinMainMenuBarButton::MouseDown(int, int, TMouseButton button) {
    if (!Enabled || button != mbLeft || FDown) return;
    FDown = true;
    if (EnableMorphing() && !RectIsEmpty(DownRect)) FMorphKf = 1;
    Parent->DrawObject(this);
    // The system menu opens on the press, as a caption's system-menu button does.
    if (Command == cmSysMenu) DoCommand();
}

void TbsSkinMainMenuBarButton::MouseUp(int, int, TMouseButton button) {
    if (!Enabled || button != mbLeft || Command == cmSysMenu) return;
    FDown = false;
    Parent->DrawObject(this);
    if (EnableMorphing()) ReDraw();
    if (Active) DoCommand();
}

void TbsSkinMainMenuBarButton::DoCommand() {
    TbsSkinForm* child = Parent->FindMaximizedSkinChild();
    if (!child) return;
    switch (Command) {
    case cmClose:
        child->Form()->Close();
        break;
    case cmMaximize:
        child->SetWindowState(wsNormal);
        break;
    case cmMinimize:
        child->SetWindowState(wsMinimized);
        break;
    case cmSysMenu: {
        TbsSkinForm* bsf = Parent->SkinForm();
        if (!bsf) return;
        Parent->Repaint();
        const TRect r(Parent->ClientToScreen(ObjectRect.TopLeft()),
                      Parent->ClientToScreen(ObjectRect.BottomRight()));
        TMenuItem* items = child->GetSystemMenuItems();
        bsf->SkinMenuOpen();
        TbsSkinData* skin = bsf->MenusSkinData() ? bsf->MenusSkinData() : bsf->SkinData();
        bsf->SkinMenu().Popup(Parent, skin, 0, r, items, Parent->PopupToUp());
        break;
    }
    default:
        break;
    }
}

void TbsSkinMainMenuBarButton::DblClick() {
    if (Command != cmSysMenu) return;
    TbsSkinForm* child = Parent->FindMaximizedSkinChild();
    TbsSkinForm* bsf = Parent->SkinForm();
    if (!child || !bsf) return;
    bsf->SkinMenu().Hide();
    bsf->SkinMenuClose();
    child->Form()->Close();
}
