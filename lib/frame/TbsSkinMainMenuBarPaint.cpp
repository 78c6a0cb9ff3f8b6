// The menu bar's layout and painting: one off-screen bitmap for the whole bar, single objects
// straight onto the control.
#include "lib/frame/TbsSkinMainMenuBar.h"

#include "lib/skindata/TbsSkinData.h"
#include "lib/skindraw/bsImageBuilders.h"
#include "lib/skindraw/bsMarks.h"
#include "lib/skindraw/bsParentBackground.h"
#include "platform/forms/TControlCanvas.h"
#include "platform/forms/TTimer.h"
#include "platform/gfx/TBitmap.h"

void TbsSkinMainMenuBar::CalcItemsRect() {
    if (FIndex != -1)
        NewItemsRect = TRect(ItemsRect.Left, ItemsRect.Top,
                             Width() + ItemsRect.Right - SkinRect.Width(), ItemsRect.Bottom);
    else
        NewItemsRect = TRect(2, 2, Width() - 2, Height() - 2);
    if (!FMDIChildMax || ButtonsCount != 4 || ObjectList.size() < 4) return;
    const int areaHeight = NewItemsRect.Height();
    // Each button keeps its record's size centred in the items area; a plain one is a square.
    auto place = [&](TbsMenuBarObject& button, int left) {
        const auto* skinned = dynamic_cast<TbsSkinMainMenuBarButton*>(&button);
        if (skinned && skinned->FSkinSupport) {
            const int w = button.SkinRect.Width(), h = button.SkinRect.Height();
            const int top = NewItemsRect.Top + areaHeight / 2 - h / 2;
            button.ObjectRect = TRect(left, top, left + w, top + h);
        } else {
            button.ObjectRect =
                TRect(left, NewItemsRect.Top, left + areaHeight, NewItemsRect.Bottom);
        }
        return button.ObjectRect.Width();
    };
    NewItemsRect.Left += place(*ObjectList[0], NewItemsRect.Left) + 2;
    for (std::size_t i = 1; i < 4; ++i) {
        TbsMenuBarObject& button = *ObjectList[i];
        const int w = place(button, 0);
        button.ObjectRect = TRect(NewItemsRect.Right - w, button.ObjectRect.Top, NewItemsRect.Right,
                                  button.ObjectRect.Bottom);
        NewItemsRect.Right -= w + 2;
    }
}

TRect TbsSkinMainMenuBar::GetMarkerRect() const {
    return TRect(NewItemsRect.Right - 5, NewItemsRect.Top, NewItemsRect.Right, NewItemsRect.Bottom);
}

void TbsSkinMainMenuBar::DrawMarker(TCanvas& canvas) {
    TColor color;
    if (FIndex == -1)
        color = MarkerActive ? clBtnText : clBtnShadow;
    else
        color = TColor(MarkerActive ? TrackMarkActiveColor : TrackMarkColor);
    DrawArrowMark(canvas, GetMarkerRect(), color, 2);
}

void TbsSkinMainMenuBar::PaintBar(TCanvas& canvas) {
    GetSkinData();
    const int w = Width(), h = Height();
    if (w <= 0 || h <= 0) return;
    TBitmap B(w, h);
    TCanvas& c = B.Canvas();
    c.Brush().SetColor(clBtnFace);
    c.FillRect(TRect(0, 0, w, h));
    if (FIndex != -1) {
        if (FSD->MainMenuBarTransparent)
            CopyParentBackground(this, c);
        else if (Picture)
            BuildHorzThreeSliceImage(ItemsRect.Left, SkinRect.Width() - ItemsRect.Right, B,
                                     *Picture, SkinRect, w, h, StretchEffect);
    }
    CalcItemsRect();
    Scroll = false;
    for (const auto& object : ObjectList)
        object->Draw(c);
    if (Scroll && FScrollMenu) DrawMarker(c);
    canvas.Draw(0, 0, &B);
}

void TbsSkinMainMenuBar::DrawOnWindow(const std::function<void(TCanvas&)>& draw) {
    if (!HandleAllocated()) return;
    draw(Canvas());
    // The timers that move the looks along are no messages of the bar's window: the window's
    // DC goes back now, so that what was drawn shows without waiting for the next one.
    static_cast<TControlCanvas&>(Canvas()).FreeHandle();
}

void TbsSkinMainMenuBar::DrawObject(TbsMenuBarObject* object) {
    if (!object) return;
    if (FIndex != -1 && ItemTransparent && dynamic_cast<TbsSkinMainMenuBarItem*>(object)) {
        DrawOnWindow([this](TCanvas& canvas) { PaintBar(canvas); });
        return;
    }
    DrawOnWindow([object](TCanvas& canvas) { object->Draw(canvas); });
}

void TbsSkinMainMenuBar::MorphTimerTick() {
    bool stepped = false;
    for (std::size_t i = 0; i < ObjectList.size(); ++i) {
        TbsMenuBarObject* object = ObjectList[i].get();
        if (object->EnableMorphing() && object->CanMorphing()) {
            object->DoMorphing();
            stepped = true;
        }
    }
    if (!stepped) FMorphTimer->SetEnabled(false);
}

void TbsSkinMainMenuBar::AnimateTimerTick() {
    bool moved = false;
    for (std::size_t i = 0; i < ObjectList.size(); ++i) {
        auto* item = dynamic_cast<TbsSkinMainMenuBarItem*>(ObjectList[i].get());
        if (!item || !item->EnableAnimation()) continue;
        if (item->Active && item->CurrentFrame < item->FrameCount)
            ++item->CurrentFrame;
        else if (!item->Active && item->CurrentFrame > 0)
            --item->CurrentFrame;
        else
            continue;
        DrawObject(item);
        moved = true;
    }
    if (!moved) FAnimateTimer->SetEnabled(false);
}

void TbsSkinMainMenuBar::CheckParentBackground() {
    if (UsableSkin() && FSD->MainMenuBarTransparent) Repaint();
}
