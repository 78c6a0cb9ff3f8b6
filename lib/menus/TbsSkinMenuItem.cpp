#include "lib/menus/TbsSkinMenuItem.h"

#include "lib/menus/TbsSkinMenu.h"
#include "lib/menus/TbsSkinPopupWindow.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindraw/bsRectUtils.h"
#include "platform/forms/TMenuItem.h"
#include "platform/forms/TTimer.h"

#include <algorithm>

TbsSkinMenuItem::TbsSkinMenuItem(TbsSkinPopupWindow* parent, TMenuItem* menuItem,
                                 TbsDataSkinMenuItem* data)
    : MenuItem(menuItem), Parent(parent), MI(data) {
    if (!MI) return;
    FSkinRect = MI->SkinRect;
    FActiveSkinRect = MI->ActiveSkinRect;
    const TbsSkinData* sd = Parent->SD();
    const int index = MI->ActivePictureIndex;
    if (sd && index >= 0 && index < int(sd->FActivePictures.size())) {
        ActivePicture = sd->FActivePictures[std::size_t(index)].get();
    } else {
        FSkinRect = ZeroRect();
        FActiveSkinRect = ZeroRect();
    }
}

bool TbsSkinMenuItem::IsSeparator() const {
    return MenuItem->Caption() == "-";
}

bool TbsSkinMenuItem::IsHeader() const {
    const std::string& c = MenuItem->Caption();
    return c != "-" && !MenuItem->Enabled() && c.size() >= 2 && c.front() == '-' && c.back() == '-';
}

bool TbsSkinMenuItem::HasSubmenu() const {
    return MenuItem->Count() > 0;
}

bool TbsSkinMenuItem::Selectable() const {
    return MenuItem->Enabled() && !IsSeparator();
}

namespace {

bool EffectsOn(const TbsSkinData* sd) {
    return sd && !sd->Empty && sd->EnableSkinEffects();
}

} // namespace

bool TbsSkinMenuItem::EnableMorphing() const {
    // A row without an active face has nothing to morph towards.
    return MI && MI->Morphing && !RectIsEmpty(FActiveSkinRect) && EffectsOn(Parent->SD());
}

bool TbsSkinMenuItem::EnableAnimation() const {
    return MI && !RectIsEmpty(MI->AnimateSkinRect) && MI->FrameCount > 0 && EffectsOn(Parent->SD());
}

int TbsSkinMenuItem::FrameCount() const {
    return MI ? MI->FrameCount : 0;
}

bool TbsSkinMenuItem::InActiveAnimation() const {
    return MI && MI->InActiveAnimation;
}

void TbsSkinMenuItem::SetMorphKf(double value) {
    FMorphKf = std::clamp(value, 0.0, 1.0);
}

bool TbsSkinMenuItem::CanMorphing() {
    const bool a = Active || Down;
    const bool can = FVisible && ((a && FMorphKf < 1) || (!a && FMorphKf > 0));
    if (!FVisible && FMorphKf != 0) {
        Active = false;
        Down = false;
        FMorphKf = 0;
    }
    return can;
}

void TbsSkinMenuItem::DoMorphing() {
    SetMorphKf(FMorphKf + ((Active || Down) ? 0.2 : -0.2));
    DrawOnLevel();
}

void TbsSkinMenuItem::DrawOnLevel() {
    if (!Parent->HandleAllocated() || !Parent->Visible()) return;
    Draw(Parent->Canvas());
}

void TbsSkinMenuItem::ReDraw() {
    TTimer& timer = Parent->MorphTimer();
    if (EnableAnimation()) {
        if (timer.Interval() != unsigned(MI->AnimateInterval))
            timer.SetInterval(unsigned(std::max(0, MI->AnimateInterval)));
        if (!Active && !MI->InActiveAnimation) {
            CurrentFrame = 0;
            DrawOnLevel();
        } else {
            timer.SetEnabled(true);
        }
    } else if (EnableMorphing()) {
        if (timer.Interval() != 20) timer.SetInterval(20);
        timer.SetEnabled(true);
    } else {
        DrawOnLevel();
    }
}

void TbsSkinMenuItem::MouseEnter(bool kb) {
    TbsSkinMenu& menu = *Parent->ParentMenu();
    Active = true;
    if (EnableAnimation()) CurrentFrame = 0;
    for (const auto& row : Parent->ItemList())
        if (row.get() != this && row->Down) {
            row->Down = false;
            row->ReDraw();
        }
    if (WaitCommand && !kb) {
        ReDraw();
    } else if (Down) {
        const int level = menu.LevelIndex(Parent);
        if (level + 2 < int(menu.PopupList().size()))
            menu.PopupList()[std::size_t(level + 1)]->ResetLevel();
    } else {
        ReDraw();
        menu.ItemClick(Parent, this, false, kb);
    }
    if (Parent->Hint() != MenuItem->Hint()) Parent->SetHint(MenuItem->Hint());
}

void TbsSkinMenuItem::MouseLeave() {
    Active = false;
    if (EnableAnimation()) CurrentFrame = MI->FrameCount + 1;
    WaitCommand = false;
    if (!Down) ReDraw();
    Parent->ParentMenu()->CancelWait(this);
}

void TbsSkinMenuItem::MouseDown(int /*x*/, int /*y*/) {
    WaitCommand = false;
    if (!Down && MenuItem->Enabled()) Parent->ParentMenu()->ItemClick(Parent, this, true, false);
}
