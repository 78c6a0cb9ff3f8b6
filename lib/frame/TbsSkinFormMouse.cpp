// The frame objects and the mouse: which object the pointer is over, input routed to it, and
// the timers that run the objects' animations.
#include "lib/frame/TbsSkinForm.h"

#include "lib/menus/TbsSkinHint.h"
#include "lib/skindata/TbsSkinData.h"
#include "platform/forms/TTimer.h"
#include "platform/win/Focus.h"
#include "platform/win/Input.h"
#include "platform/win/WindowApi.h"

using namespace win;

void TbsSkinForm::UpdateActiveObject(int x, int y, bool inFrame) {
    if (ObjectList.empty() || !GetFormActive() || FSizeMove || FBorderLayerChangeSize ||
        PreviewMode || IsMaximizedChild() || !IsFramed())
        return;
    OldActiveObject = ActiveObject;
    int hit = -1;
    for (std::size_t i = 0; i < ObjectList.size(); ++i) {
        TbsActiveSkinObject& object = *ObjectList[i];
        if (!object.Enabled || !object.Visible || !object.ObjectRect.Contains(TPoint(x, y)))
            continue;
        if (!object.CheckPoint(x - object.ObjectRect.Left, y - object.ObjectRect.Top)) continue;
        hit = int(i);
        break;
    }
    ActiveObject = inFrame ? hit : -1;
    if (MouseCaptureObject != -1 && MouseCaptureObject != ActiveObject) ActiveObject = -1;
    if (!ObjectAt(ActiveObject)) ActiveObject = -1;
    if (ActiveObject == OldActiveObject) return;
    TbsSkinHint* hint = FShowObjectHint ? FSkinHint : nullptr;
    if (TbsActiveSkinObject* old = ObjectAt(OldActiveObject); old && old->Enabled && old->Visible) {
        old->MouseLeave();
        if (hint && !old->Hint.empty()) hint->HideHint();
    }
    if (TbsActiveSkinObject* now = ObjectAt(ActiveObject); now && now->Enabled && now->Visible) {
        // Entering picks the hint of the button's state (restore while maximized), so the
        // hint is read after it.
        now->MouseEnter();
        if (hint && !now->Hint.empty()) hint->ActivateHint2(now->Hint);
    }
}

void TbsSkinForm::MouseTimerTick() {
    POINT cursor{};
    GetCursorPos(&cursor);
    const bool overForm = HandleReady() && WindowFromPoint(cursor) == FForm->Handle();
    if (!GetFormActive() || !HandleReady()) {
        // An inactive form waits for its activation only while the pointer rests on it; a form
        // the pointer is not over has nothing to track, and would wake an idle program twenty
        // times a second. The next hit test over one of its objects starts the timer again.
        if (!overForm) FMouseTimer->SetEnabled(false);
        return;
    }
    if (!overForm) {
        FMouseTimer->SetEnabled(false);
        UpdateActiveObject(-1, -1, false);
        return;
    }
    if (FSizeMove || FBorderLayerChangeSize) {
        FMouseTimer->SetEnabled(false);
        return;
    }
    TPoint p = cursor;
    PointToWindow(p);
    if (!NewClRect.Contains(p))
        UpdateActiveObject(p.X, p.Y, true);
    else if (ActiveObject != -1)
        UpdateActiveObject(-1, -1, true);
}

void TbsSkinForm::PointToWindow(TPoint& p) const {
    if (IsMDIChild() && HandleReady()) {
        POINT client = p;
        ScreenToClient(FForm->Handle(), &client);
        const TPoint frame = FSkinSupport ? NewClRect.TopLeft() : TPoint(3, DefCaptionHeight() + 3);
        p = TPoint(client.x + frame.X, client.y + frame.Y);
        return;
    }
    p = TPoint(p.X - FForm->Left(), p.Y - FForm->Top());
}

void TbsSkinForm::ObjectMouseMove(int x, int y) {
    TbsActiveSkinObject* object = ObjectAt(MouseCaptureObject);
    if (!object) object = ObjectAt(ActiveObject);
    if (object) object->MouseMove(x, y);
}

void TbsSkinForm::ObjectMouseDown(TMouseButton button, int x, int y) {
    TbsActiveSkinObject* object = ObjectAt(ActiveObject);
    if (!object) return;
    // The caption lets the platform's move loop have the pointer.
    if (!IsCaptionObject(ActiveObject) && HandleReady()) SetCapture(FForm->Handle());
    MouseCaptureObject = ActiveObject;
    object->MouseDown(x, y, button);
}

void TbsSkinForm::ObjectMouseUp(TMouseButton button, int x, int y) {
    TbsActiveSkinObject* object = ObjectAt(MouseCaptureObject);
    if (!object) {
        MouseCaptureObject = -1;
        return;
    }
    if (!IsCaptionObject(MouseCaptureObject)) ReleaseCapture();
    // A release away from the object is no click on it, even when the hover tracking has not
    // yet seen the pointer leave.
    // A release in the client area (x, y -1) is judged where the pointer is.
    TPoint at(x, y);
    if (x == -1 && y == -1) {
        POINT cursor{};
        GetCursorPos(&cursor);
        at = TPoint(cursor.x, cursor.y);
        PointToWindow(at);
    }
    const TRect& r = object->ObjectRect;
    const bool onObject = r.Contains(at) && object->CheckPoint(at.X - r.Left, at.Y - r.Top);
    if (!onObject && object->FMouseIn) {
        if (ActiveObject == MouseCaptureObject) ActiveObject = -1;
        object->MouseLeave();
    }
    // The object's command may close the form and free the component.
    const auto alive = FAlive;
    object->MouseUp(x, y, button);
    if (*alive) MouseCaptureObject = -1;
}

void TbsSkinForm::ObjectDblClick() {
    if (TbsActiveSkinObject* object = ObjectAt(ActiveObject)) object->DblClick();
}

bool TbsSkinForm::IsLayeredBorderUsed() const {
    return UsableSkin() && FSD->ShowLayeredBorders() && FSD->LayerFrame.PictureIndex != -1 &&
           FIsLayerEnabled && FSkinnableForm && !AlwaysDisableLayeredFrames && !PreviewMode &&
           IsFramed() && !IsMDIChild() && !FSmartEffectsShow;
}

bool TbsSkinForm::NeedLayeredShow() const {
    return FIsVistaOs && IsLayeredBorderUsed() && !FAlphaBlend && !FAlphaBlendAnimation &&
           !(FSD && FSD->AnimationForAllWindows());
}

void TbsSkinForm::AnimateTimerTick() {
    bool keepRunning = false;
    for (std::size_t i = 0; i < ObjectList.size(); ++i) {
        TbsActiveSkinObject* object = ObjectList[i].get();
        if (auto* animation = dynamic_cast<TbsSkinAnimateObject*>(object)) {
            if (animation->Active && (!animation->FDown || animation->DownSkinRect.IsEmpty())) {
                animation->ChangeFrame();
                keepRunning = true;
            }
        } else if (auto* caption = dynamic_cast<TbsSkinCaptionObject*>(object);
                   caption && caption->EnableAnimation()) {
            if (caption->FIncTime < caption->AnimateInterval) {
                caption->FIncTime += 25;
                keepRunning = true;
            } else if (caption->Active && caption->CurrentFrame <= caption->FrameCount) {
                ++caption->CurrentFrame;
                DrawSkinObject(caption);
                caption->FIncTime = 25;
                keepRunning = true;
            } else if (!caption->Active && caption->CurrentFrame > 0) {
                --caption->CurrentFrame;
                DrawSkinObject(caption);
                caption->FIncTime = 25;
                keepRunning = true;
            }
        }
        // A redraw may have rebuilt the list (a skin change from a handler).
        if (i >= ObjectList.size()) break;
    }
    if (!keepRunning) FAnimateTimer->SetEnabled(false);
}

void TbsSkinForm::MorphTimerTick() {
    bool stepped = false;
    for (std::size_t i = 0; i < ObjectList.size(); ++i) {
        TbsActiveSkinObject* object = ObjectList[i].get();
        if (!object->EnableMorphing() || !object->CanMorphing()) continue;
        object->DoMorphing();
        stepped = true;
    }
    if (!stepped) FMorphTimer->SetEnabled(false);
}

void TbsSkinForm::ResetObjectStates() {
    for (auto& object : ObjectList) {
        if (auto* animation = dynamic_cast<TbsSkinAnimateObject*>(object.get())) {
            animation->FMouseIn = false;
            animation->Active = false;
            animation->FFrame = 1;
        } else if (!dynamic_cast<TbsSkinCaptionObject*>(object.get())) {
            object->Active = false;
            object->FMouseIn = false;
            object->FMorphKf = 0;
        }
    }
}
