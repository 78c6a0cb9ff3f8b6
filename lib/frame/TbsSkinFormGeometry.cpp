// The skinned frame's geometry: the skin's frame picture scaled to the form's size, and the
// frame objects placed on it.
#include "lib/frame/TbsSkinForm.h"

#include "lib/skindata/TbsSkinData.h"
#include "lib/skindraw/bsRectUtils.h"

using namespace win;

namespace {

// Left and top inclusive, right and bottom exclusive.
bool InZone(const TRect& zone, const TPoint& p) {
    return p.X >= zone.Left && p.X < zone.Right && p.Y >= zone.Top && p.Y < zone.Bottom;
}

void Offset(TRect& r, int dx, int dy) {
    r = TRect(r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy);
}

} // namespace

void TbsSkinForm::CalcSkinRects() {
    if (FFormWidth == 0) FFormWidth = FForm->Width();
    if (FFormHeight == 0) FFormHeight = FForm->Height();
    if (!UsableSkin()) return;
    const TbsSkinData& skin = *FSD;
    const int pw = skin.FPicture.Width();
    const int dw = FFormWidth - pw;
    const int dh = FFormHeight - skin.FPicture.Height();
    NewLTPoint = skin.LTPoint;
    NewRTPoint = TPoint(skin.RTPoint.X + dw, skin.RTPoint.Y);
    NewLBPoint = TPoint(skin.LBPoint.X, skin.LBPoint.Y + dh);
    NewRBPoint = TPoint(skin.RBPoint.X + dw, skin.RBPoint.Y + dh);
    NewClRect =
        TRect(skin.ClRect.Left, skin.ClRect.Top, skin.ClRect.Right + dw, skin.ClRect.Bottom + dh);
    NewCaptionRect = skin.CaptionRect;
    if (!RectIsEmpty(NewCaptionRect)) NewCaptionRect.Right += dw;
    NewButtonsRect = skin.ButtonsRect;
    if (!RectIsEmpty(NewButtonsRect)) {
        if (NewButtonsRect.Left > pw / 2)
            Offset(NewButtonsRect, dw, 0);
        else if (NewButtonsRect.Left < pw / 2)
            ButtonsInLeft = true;
    }
    NewButtonsInLeft = skin.CapButtonsInLeft;
    NewButtonsOffset = skin.ButtonsOffset;
    NewHitTestLTPoint = skin.HitTestLTPoint;
    NewHitTestRTPoint = TPoint(skin.HitTestRTPoint.X + dw, skin.HitTestRTPoint.Y);
    NewHitTestLBPoint = TPoint(skin.HitTestLBPoint.X, skin.HitTestLBPoint.Y + dh);
    NewHitTestRBPoint = TPoint(skin.HitTestRBPoint.X + dw, skin.HitTestRBPoint.Y + dh);
    NewMaskRectArea = TRect(skin.MaskRectArea.Left, skin.MaskRectArea.Top,
                            skin.MaskRectArea.Right + dw, skin.MaskRectArea.Bottom + dh);
}

void TbsSkinForm::AnchorObjectRect(TbsActiveSkinObject& object, int dx, int dy) {
    const TbsSkinData& skin = *FSD;
    const int pw = skin.FPicture.Width(), ph = skin.FPicture.Height();
    const TRect lt(0, 0, skin.LTPoint.X, skin.LTPoint.Y);
    const TRect rt(skin.RTPoint.X, 0, pw, skin.RTPoint.Y);
    const TRect lb(0, skin.LBPoint.Y, skin.LBPoint.X, ph);
    const TRect rb(skin.RBPoint.X, skin.RBPoint.Y, pw, ph);
    const TRect& s = object.SkinRect;
    const TPoint tl(s.Left, s.Top), br(s.Right, s.Bottom);
    TRect r = s;
    if (InZone(lt, tl) && InZone(lt, br)) {
    } else if (InZone(rt, tl) && InZone(rt, br)) {
        Offset(r, dx, 0);
    } else if (InZone(lb, tl) && InZone(lb, br)) {
        Offset(r, 0, dy);
    } else if (InZone(rb, tl) && InZone(rb, br)) {
        Offset(r, dx, dy);
    } else if (InZone(lt, tl) && InZone(rb, br)) {
        r.Right += dx;
        r.Bottom += dy;
    } else if (InZone(lt, tl) && InZone(rt, br)) {
        r.Right += dx;
    } else if (InZone(lb, tl) && InZone(rb, br)) {
        r.Right += dx;
        Offset(r, 0, dy);
    } else if (InZone(lt, tl) && InZone(lb, br)) {
        r.Bottom += dy;
    } else if (InZone(rt, tl) && InZone(rb, br)) {
        Offset(r, dx, 0);
        r.Bottom += dy;
    }
    object.ObjectRect = r;
}

void TbsSkinForm::CalcObjectRects() {
    if (!UsableSkin()) return;
    const int dx = NewRBPoint.X - FSD->RBPoint.X;
    const int dy = NewRBPoint.Y - FSD->RBPoint.Y;
    for (auto& object : ObjectList)
        if (!object->SkinRectInAPicture) AnchorObjectRect(*object, dx, dy);
    LayoutCaptionButtons();
}

TSize TbsSkinForm::ButtonSize(const TbsActiveSkinObject& object) {
    auto* button = dynamic_cast<const TbsSkinStdButtonObject*>(&object);
    if (button && button->Command == cmSysMenu && FShowIcon) return GetSmallIconSize();
    return TSize(object.SkinRect.Width(), object.SkinRect.Height());
}

TbsActiveSkinObject* TbsSkinForm::CaptionButtonOf(TbsStdCommand command) const {
    for (const auto& object : ObjectList) {
        if (!object->Visible || !object->SkinRectInAPicture) continue;
        if (auto* button = dynamic_cast<TbsSkinStdButtonObject*>(object.get());
            button && button->Command == command)
            return button;
        if (auto* animation = dynamic_cast<TbsSkinAnimateObject*>(object.get());
            animation && animation->Command == command)
            return animation;
    }
    return nullptr;
}

void TbsSkinForm::LayoutCaptionButtons() {
    const bool inButtonsRect = !RectIsEmpty(NewButtonsRect);
    if (!inButtonsRect && RectIsEmpty(NewCaptionRect)) return;
    const TRect area = inButtonsRect ? NewButtonsRect : NewCaptionRect;
    // The flow buttons in their order: the standard commands, then the visible custom ones.
    std::vector<TbsActiveSkinObject*> flow;
    for (TbsStdCommand c : { cmClose, cmMaximize, cmMinimize, cmRollUp, cmMinimizeToTray })
        if (TbsActiveSkinObject* button = CaptionButtonOf(c)) flow.push_back(button);
    for (const auto& object : ObjectList) {
        auto* button = dynamic_cast<TbsSkinStdButtonObject*>(object.get());
        auto* animation = dynamic_cast<TbsSkinAnimateObject*>(object.get());
        const bool custom = (button && button->Command == cmDefault) ||
                            (animation && animation->Command == cmDefault);
        if (custom && object->Visible && object->SkinRectInAPicture) flow.push_back(object.get());
    }
    TbsActiveSkinObject* sysMenu = CaptionButtonOf(cmSysMenu);
    TbsActiveSkinObject* caption = nullptr;
    for (const auto& object : ObjectList)
        if (dynamic_cast<TbsSkinCaptionObject*>(object.get())) {
            caption = object.get();
            break;
        }
    const int y = area.Top;
    if (!NewButtonsInLeft) {
        int x = area.Right;
        for (TbsActiveSkinObject* button : flow) {
            const TSize size = ButtonSize(*button);
            button->ObjectRect = TRect(x - size.cx, y, x, y + size.cy);
            x -= size.cx + NewButtonsOffset;
        }
        if (!inButtonsRect && caption) caption->ObjectRect.Right = x + NewButtonsOffset;
        if (sysMenu) {
            const TSize size = ButtonSize(*sysMenu);
            int left = NewCaptionRect.Left;
            const int top = NewCaptionRect.Top + NewCaptionRect.Height() / 2 - size.cy / 2;
            sysMenu->ObjectRect = TRect(left, top, left + size.cx, top + size.cy);
            left += size.cx + NewButtonsOffset;
            if (caption) caption->ObjectRect.Left = left - NewButtonsOffset;
        }
        return;
    }
    int x = area.Left;
    if (!inButtonsRect && sysMenu) flow.push_back(sysMenu);
    for (TbsActiveSkinObject* button : flow) {
        const TSize size = ButtonSize(*button);
        button->ObjectRect = TRect(x, y, x + size.cx, y + size.cy);
        x += size.cx + NewButtonsOffset;
    }
    if (!inButtonsRect && caption) caption->ObjectRect.Left = x + NewButtonsOffset;
}
