// The frame's push buttons: free buttons that may drop a menu, and the caption buttons with a
// window command.
#include "lib/frame/TbsActiveSkinObject.h"

#include "lib/frame/TbsSkinForm.h"
#include "lib/frame/bsPlainButtonFace.h"
#include "lib/skindraw/TbsLayerManager.h"
#include "lib/skindraw/bsCaptionGlyphs.h"
#include "lib/skindraw/bsRectUtils.h"
#include "platform/forms/TMenuItem.h"
#include "platform/gfx/TBitmap.h"

TbsSkinButtonObject::TbsSkinButtonObject(TbsSkinForm* parent, TbsDataSkinButton* data)
    : TbsActiveSkinObject(parent, data) {
    if (!data) return;
    DisableSkinRect = data->DisableSkinRect;
    DownRect = data->DownRect;
}

bool TbsSkinButtonObject::CanMorphing() {
    // An open menu holds the pressed look.
    return !(MenuItem && FDown) && TbsActiveSkinObject::CanMorphing();
}

void TbsSkinButtonObject::Draw(TCanvas& canvas, bool update) {
    if (!UsableSkinData()) return;
    if (!Enabled && !RectIsEmpty(DisableSkinRect)) {
        CopyFace(canvas, ActivePicture, DisableSkinRect);
        return;
    }
    if (FDown && FMouseIn && !RectIsEmpty(DownRect)) {
        CopyFace(canvas, ActivePicture, DownRect);
        return;
    }
    TbsActiveSkinObject::Draw(canvas, update);
}

void TbsSkinButtonObject::SetDown(bool value) {
    FDown = value;
    if (EnableMorphing() && Active) FMorphKf = 1;
    Parent->DrawSkinObject(this);
    if (EnableMorphing() && !FDown) ReDraw();
}

void TbsSkinButtonObject::ShowLayer() {
    ShowGlowFor(MenuItem != nullptr);
}

void TbsSkinButtonObject::HideLayer() {
    HideGlowFor(MenuItem != nullptr);
}

void TbsSkinButtonObject::MouseDown(int x, int y, TMouseButton button) {
    if (!Enabled) return;
    if (button == mbLeft && !FDown) {
        SetDown(true);
        TrackMenu();
    }
    TbsActiveSkinObject::MouseDown(x, y, button);
}

void TbsSkinButtonObject::MouseUp(int x, int y, TMouseButton button) {
    if (!Enabled) return;
    if (button == mbLeft && !MenuItem && FDown) SetDown(false);
    TbsActiveSkinObject::MouseUp(x, y, button);
}

void TbsSkinButtonObject::MouseEnter() {
    FMouseIn = true;
    Active = true;
    if (RectIsEmpty(DownRect) || !FDown) {
        if (!RectIsEmpty(ActiveSkinRect)) ReDraw();
        if (MenuItem) ShowLayer();
    } else {
        if (EnableMorphing()) FMorphKf = 1;
        Parent->DrawSkinObject(this);
    }
    Parent->DoMouseEnterEvent(IDName);
    if (!MenuItem) ShowLayer();
}

void TbsSkinButtonObject::MouseLeave() {
    FMouseIn = false;
    Active = false;
    if (!MenuItem || !FDown) {
        if (MenuItem) HideLayer();
        Parent->DrawSkinObject(this);
        ReDraw();
    }
    Parent->DoMouseLeaveEvent(IDName);
    if (!MenuItem) HideLayer();
}

void TbsSkinButtonObject::TrackMenu() {
    if (!MenuItem || MenuItem->Count() == 0) return;
    HideGlowLayers();
    if (FMouseIn) ShowLayer();
    DropMenu(MenuItem, FPopupUp);
}

TbsSkinStdButtonObject::TbsSkinStdButtonObject(TbsSkinForm* parent, TbsDataSkinStdButton* data)
    : TbsSkinButtonObject(parent, data), FSkinSupport(data != nullptr) {
    if (!data) return;
    Command = data->Command;
    CopyRestoreFaces(*this, *data);
}

bool TbsSkinStdButtonObject::IconMode() const {
    return Command == cmSysMenu && Parent && Parent->ShowIcon() && SkinRectInAPicture &&
           FSkinSupport;
}

bool TbsSkinStdButtonObject::CheckPoint(int x, int y) {
    return IconMode() || TbsSkinButtonObject::CheckPoint(x, y);
}

void TbsSkinStdButtonObject::ShowLayer() {
    if (!IconMode()) TbsSkinButtonObject::ShowLayer();
}

void TbsSkinStdButtonObject::HideLayer() {
    if (!IconMode()) TbsSkinButtonObject::HideLayer();
}

bool TbsSkinStdButtonObject::CanMorphing() {
    return !IconMode() && TbsSkinButtonObject::CanMorphing();
}

void TbsSkinStdButtonObject::Draw(TCanvas& canvas, bool update) {
    if (!FSkinSupport) {
        DefaultDraw(canvas);
        return;
    }
    if (!UsableSkinData()) return;
    if (IconMode()) {
        Parent->DrawFormIcon(canvas, ObjectRect.Left, ObjectRect.Top);
        FMorphKf = 0;
        return;
    }
    if (!Enabled || RectIsEmpty(RestoreRect) || !Parent->IsRestoreState(Command)) {
        TbsSkinButtonObject::Draw(canvas, update);
        return;
    }
    if (!Parent->GetFormActive() && !RectIsEmpty(RestoreInActiveRect)) {
        CopyFace(canvas, ActivePicture, RestoreInActiveRect);
    } else if (FDown && FMouseIn && !RectIsEmpty(RestoreDownRect)) {
        CopyFace(canvas, ActivePicture, RestoreDownRect);
    } else if (EnableMorphing() && MorphBetweenFaces() && !RectIsEmpty(RestoreActiveRect)) {
        DrawMorph(canvas, ActivePicture, RestoreRect, RestoreActiveRect);
    } else {
        CopyFace(canvas, ActivePicture,
                 Active && !RectIsEmpty(RestoreActiveRect) ? RestoreActiveRect : RestoreRect);
    }
}

void TbsSkinStdButtonObject::DefaultDraw(TCanvas& canvas) {
    if (Command == cmSysMenu && Parent->ShowIcon()) {
        Parent->DrawFormIcon(canvas, ObjectRect.Left, ObjectRect.Top);
        return;
    }
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
        if (Parent->WindowState() == wsMaximized)
            DrawRestoreGlyph(c, x, y, color);
        else
            DrawMaximizeGlyph(c, x, y, color);
        break;
    case cmMinimize:
        if (Parent->WindowState() == wsMinimized)
            DrawRestoreGlyph(c, x, y, color);
        else
            DrawMinimizeGlyph(c, x, y, color);
        break;
    case cmSysMenu:
        DrawSysMenuGlyph(c, x, y, color);
        break;
    case cmRollUp:
        if (Parent->RollUpState())
            DrawRollDownGlyph(c, x, y, color);
        else
            DrawRollUpGlyph(c, x, y, color);
        break;
    case cmMinimizeToTray:
        DrawMinimizeToTrayGlyph(c, x, y, color);
        break;
    case cmDefault:
        break;
    }
    canvas.Draw(ObjectRect.Left, ObjectRect.Top, &face);
}

void TbsSkinStdButtonObject::MouseEnter() {
    if (Command != cmDefault)
        Hint = !RestoreHint.empty() && Parent->IsRestoreState(Command) ? RestoreHint : FTempHint;
    TbsSkinButtonObject::MouseEnter();
}

void TbsSkinStdButtonObject::MouseDown(int, int, TMouseButton button) {
    if (!Enabled || button != mbLeft || FDown) return;
    SetDown(true);
    if (Command == cmSysMenu) {
        MenuItem = Parent->GetSystemMenuItems();
        TrackMenu();
    }
}

void TbsSkinStdButtonObject::MouseUp(int x, int y, TMouseButton button) {
    const bool click = Active && button == mbLeft;
    if (Command == cmClose) {
        // Drawn up before the form goes.
        TbsSkinButtonObject::MouseUp(x, y, button);
        if (click) DoCommand();
        return;
    }
    if (click) DoCommand();
    TbsSkinButtonObject::MouseUp(x, y, button);
}

void TbsSkinStdButtonObject::DblClick() {
    if (Command == cmSysMenu) Parent->Form()->Close();
}

void TbsSkinStdButtonObject::DoCommand() {
    if (Command == cmSysMenu || Command == cmDefault) return;
    Parent->RunFrameCommand(Command);
}
