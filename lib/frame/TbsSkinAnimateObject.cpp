// A strip of frames on the frame; with ButtonStyle it runs forwards while hovered, backwards
// after, and does a caption command when clicked.
#include "lib/frame/TbsActiveSkinObject.h"

#include "lib/frame/TbsSkinForm.h"
#include "lib/skindraw/TbsLayerManager.h"
#include "lib/skindraw/bsRectUtils.h"
#include "platform/forms/TMenuItem.h"
#include "platform/forms/TTimer.h"

namespace {

// The faces of the object's present state: the restore set while the form is in the state
// the command undoes.
struct TAnimateFaces {
    TRect Normal, Active, Down, InActive;
};

TAnimateFaces FacesOf(const TbsSkinAnimateObject& o) {
    if (!RectIsEmpty(o.RestoreRect) && o.Parent && o.Parent->IsRestoreState(o.Command))
        return { o.RestoreRect, o.RestoreActiveRect, o.RestoreDownRect, o.RestoreInActiveRect };
    return { o.SkinRect, o.ActiveSkinRect, o.DownSkinRect, o.InActiveSkinRect };
}

} // namespace

TbsSkinAnimateObject::TbsSkinAnimateObject(TbsSkinForm* parent, TbsDataSkinAnimate* data)
    : TbsActiveSkinObject(parent, data) {
    if (!data) return;
    TimerInterval = std::max(25, data->TimerInterval);
    CountFrames = data->CountFrames;
    Cycle = data->Cycle;
    ButtonStyle = data->ButtonStyle;
    Command = data->Command;
    DownSkinRect = data->DownSkinRect;
    CopyRestoreFaces(*this, *data);
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

void TbsSkinAnimateObject::Start() {
    FInc = 25;
    FFrame = 1;
    Active = true;
    if (Parent) Parent->AnimateTimer().SetEnabled(true);
}

void TbsSkinAnimateObject::Stop() {
    SetFrame(1);
    Active = false;
    FInc = 25;
}

void TbsSkinAnimateObject::Draw(TCanvas& canvas, bool) {
    if (!UsableSkinData()) return;
    const TAnimateFaces faces = FacesOf(*this);
    TRect face;
    if (FMenuTracking) {
        if (!RectIsEmpty(faces.Down)) {
            face = faces.Down;
        } else {
            FFrame = CountFrames;
        }
    } else if (!Parent->GetFormActive() && !RectIsEmpty(faces.InActive)) {
        face = faces.InActive;
    } else if (FDown && FMouseIn && !RectIsEmpty(faces.Down)) {
        face = faces.Down;
    }
    if (RectIsEmpty(face)) {
        // Frame n of the strip that starts at the hover face's corner.
        const int w = faces.Normal.Width(), h = faces.Normal.Height();
        const int left = faces.Active.Left + (FFrame - 1) * w;
        face = TRect(left, faces.Active.Top, left + w, faces.Active.Top + h);
    }
    CopyFace(canvas, ActivePicture, face);
}

void TbsSkinAnimateObject::ShowLayer() {
    ShowGlowFor(MenuItem != nullptr);
}

void TbsSkinAnimateObject::HideLayer() {
    HideGlowFor(MenuItem != nullptr);
}

void TbsSkinAnimateObject::MouseEnter() {
    if (Command != cmDefault)
        Hint = !RestoreHint.empty() && Parent->IsRestoreState(Command) ? RestoreHint : FTempHint;
    FMouseIn = true;
    if (FMenuTracking) return;
    if (ButtonStyle) {
        Active = true;
        Increment = true;
        if (FDown && !RectIsEmpty(DownSkinRect))
            Parent->DrawSkinObject(this);
        else
            Parent->AnimateTimer().SetEnabled(true);
    }
    Parent->DoMouseEnterEvent(IDName);
    ShowLayer();
}

void TbsSkinAnimateObject::MouseLeave() {
    if (!FMouseIn) return;
    FMouseIn = false;
    if (FMenuTracking) return;
    if (ButtonStyle) {
        Active = true;
        Increment = false;
        if (FDown && !RectIsEmpty(DownSkinRect))
            Parent->DrawSkinObject(this);
        else
            Parent->AnimateTimer().SetEnabled(true);
    }
    Parent->DoMouseLeaveEvent(IDName);
    HideLayer();
}

void TbsSkinAnimateObject::MouseDown(int x, int y, TMouseButton button) {
    TbsActiveSkinObject::MouseDown(x, y, button);
    if (button == mbLeft && !RectIsEmpty(DownSkinRect)) {
        FFrame = CountFrames;
        FDown = true;
        Parent->DrawSkinObject(this);
    }
    // The system menu opens on the press.
    if (Command == cmSysMenu && FMouseIn && ButtonStyle && button == mbLeft) DoCommand();
}

void TbsSkinAnimateObject::MouseUp(int x, int y, TMouseButton button) {
    TbsActiveSkinObject::MouseUp(x, y, button);
    if (FMenuTracking) return;
    if (button == mbLeft && !RectIsEmpty(DownSkinRect)) {
        FDown = false;
        Parent->DrawSkinObject(this);
        Parent->AnimateTimer().SetEnabled(true);
    }
    if (Command != cmSysMenu && FMouseIn && ButtonStyle && button == mbLeft) DoCommand();
}

void TbsSkinAnimateObject::DblClick() {
    if (Command == cmSysMenu) Parent->Form()->Close();
}

void TbsSkinAnimateObject::DoCommand() {
    switch (Command) {
    case cmSysMenu:
        MenuItem = Parent->GetSystemMenuItems();
        TrackMenu();
        break;
    case cmDefault:
        if (MenuItem) TrackMenu();
        break;
    default:
        Parent->RunFrameCommand(Command);
        break;
    }
}

void TbsSkinAnimateObject::TrackMenu() {
    if (!MenuItem || MenuItem->Count() == 0) return;
    FMenuTracking = true;
    HideGlowLayers();
    if (FMouseIn) ShowLayer();
    DropMenu(MenuItem, FPopupUp);
}

void TbsSkinAnimateObject::MenuClosed() {
    Active = true;
    FFrame = CountFrames;
    FDown = false;
    FMenuTracking = false;
    Increment = false;
    Parent->AnimateTimer().SetEnabled(true);
}
