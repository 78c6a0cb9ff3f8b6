#include "lib/menus/TbsSkinPopupWindow.h"

#include "lib/menus/TbsSkinMenu.h"
#include "lib/menus/TbsSkinMenuItem.h"
#include "lib/skindata/TbsSkinData.h"
#include "platform/forms/TMenuItem.h"
#include "platform/forms/TTimer.h"
#include "platform/win/Win.h"

using namespace win;

namespace {

constexpr UINT_PTR kScrollTimer = 1;
constexpr int kScrollZone = 10;

} // namespace

// The pointer.

void TbsSkinPopupWindow::MouseTimerTick() {
    if (!HandleAllocated() || !Visible()) return;
    POINT screen{};
    GetCursorPos(&screen);
    const TPoint p = ScreenToClient(TPoint(screen.x, screen.y));
    if (p.X == FOMX && p.Y == FOMY) return;
    if (WindowFromPoint(screen) == Handle())
        TestActive(p);
    else if (FScroll && FScrollCode != 0)
        StopScroll();
    FOMX = p.X;
    FOMY = p.Y;
}

void TbsSkinPopupWindow::TestActive(const TPoint& p) {
    if (FScroll) {
        if (ScrollZone(1).Contains(p)) {
            if (FScrollCode == 0 && CanScroll(1)) {
                FScrollCode = 1;
                RedrawMarkers();
                StartScroll();
            }
        } else if (ScrollZone(2).Contains(p)) {
            if (FScrollCode == 0 && CanScroll(2)) {
                FScrollCode = 2;
                RedrawMarkers();
                StartScroll();
            }
        } else if (FScrollCode != 0) {
            StopScroll();
        }
    }
    if (FItemList.empty()) return;
    FOldActiveItem = FActiveItem;
    for (int i = 0; i < int(FItemList.size()); ++i) {
        const TbsSkinMenuItem& row = *FItemList[std::size_t(i)];
        if (row.FVisible && row.ObjectRect.Contains(p)) {
            FActiveItem = i;
            break;
        }
    }
    if (FActiveItem >= int(FItemList.size())) FActiveItem = -1;
    if (FActiveItem == FOldActiveItem) {
        if (FActiveItem == -1) return;
        TbsSkinMenuItem& row = *FItemList[std::size_t(FActiveItem)];
        if (row.WaitCommand) {
            row.WaitCommand = false;
            if (row.HasSubmenu()) row.MouseEnter(false);
        }
        return;
    }
    if (FOldActiveItem != -1) {
        TbsSkinMenuItem& old = *FItemList[std::size_t(FOldActiveItem)];
        if (old.Selectable()) old.MouseLeave();
    }
    if (FActiveItem != -1) {
        TbsSkinMenuItem& row = *FItemList[std::size_t(FActiveItem)];
        if (row.Selectable()) row.MouseEnter(false);
    }
}

void TbsSkinPopupWindow::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TestActive(TPoint(x, y));
    // A press does nothing more: a command runs on the release of the left button. The command
    // may run a modal dialog, whose loop frees this level meanwhile.
    const std::shared_ptr<bool> alive = FAlive;
    if (button == mbLeft && FActiveItem != -1) {
        TbsSkinMenuItem& row = *FItemList[std::size_t(FActiveItem)];
        if (row.FVisible && row.ObjectRect.Contains(TPoint(x, y)) && !row.IsSeparator())
            row.MouseDown(x, y);
    }
    if (!*alive) return;
    TCustomControl::MouseUp(button, shift, x, y);
}

// Scrolling.

TRect TbsSkinPopupWindow::ScrollZone(int code) const {
    const TRect& r = FNewItemsRect;
    return code == 1 ? TRect(r.Left, r.Top, r.Right, r.Top + kScrollZone)
                     : TRect(r.Left, r.Bottom - kScrollZone, r.Right, r.Bottom);
}

bool TbsSkinPopupWindow::CanScroll(int code) const {
    if (code == 1) return FVisibleStartIndex > 0;
    return FVisibleStartIndex + FVisibleCount - 1 < int(FItemList.size()) - 1;
}

void TbsSkinPopupWindow::StartScroll() {
    FParentMenu->CloseLevels(FParentMenu->LevelIndex(this) + 1);
    KillTimer(Handle(), kScrollTimer);
    SetTimer(Handle(), kScrollTimer, 100, nullptr);
}

void TbsSkinPopupWindow::StopScroll() {
    FScrollCode = 0;
    RedrawMarkers();
    if (HandleAllocated()) KillTimer(Handle(), kScrollTimer);
}

void TbsSkinPopupWindow::ScrollTick() {
    if (FScrollCode == 1) {
        if (CanScroll(1))
            ScrollUp(false);
        else
            StopScroll();
    } else if (FScrollCode == 2) {
        if (CanScroll(2))
            ScrollDown(false);
        else
            StopScroll();
    }
}

void TbsSkinPopupWindow::Scrolled() {
    LayoutItems();
    Invalidate();
}

void TbsSkinPopupWindow::ScrollUp(bool wrap) {
    if (FVisibleStartIndex > 0)
        --FVisibleStartIndex;
    else if (wrap)
        FVisibleStartIndex = LastPageStartIndex();
    else
        return;
    Scrolled();
}

void TbsSkinPopupWindow::ScrollDown(bool wrap) {
    if (CanScroll(2))
        ++FVisibleStartIndex;
    else if (wrap)
        FVisibleStartIndex = 0;
    else
        return;
    Scrolled();
}

int TbsSkinPopupWindow::LastPageStartIndex() const {
    int position = FNewItemsRect.Bottom - kScrollZone;
    int counted = 0;
    for (int i = int(FItemList.size()) - 1; i >= 0; --i) {
        position -= RowHeight(FItemList[std::size_t(i)]->MenuItem);
        if (position < kScrollZone) break;
        ++counted;
    }
    return int(FItemList.size()) - counted;
}

void TbsSkinPopupWindow::RedrawMarkers() {
    if (!HandleAllocated() || !FScroll) return;
    for (int code : { 1, 2 }) {
        const RECT zone = ScrollZone(code);
        InvalidateRect(Handle(), &zone, TRUE);
    }
}

// Morphing and frame animation of the rows.

void TbsSkinPopupWindow::MorphTimerTick() {
    bool changed = false;
    for (const auto& row : FItemList) {
        if (row->EnableMorphing() && row->CanMorphing()) {
            row->DoMorphing();
            changed = true;
        } else if (row->EnableAnimation()) {
            if (row->Active && row->CurrentFrame <= row->FrameCount()) {
                ++row->CurrentFrame;
                if (row->FVisible) row->Draw(Canvas());
                changed = true;
            } else if (!row->Active && row->CurrentFrame > 0) {
                --row->CurrentFrame;
                if (row->FVisible) row->Draw(Canvas());
                changed = true;
            }
        }
    }
    if (!changed) FMorphTimer->SetEnabled(false);
}

void TbsSkinPopupWindow::ResetLevel() {
    FParentMenu->CloseLevels(FParentMenu->LevelIndex(this) + 1);
    for (const auto& row : FItemList) {
        if (!row->Down) continue;
        row->Down = false;
        if (row->EnableAnimation() && !row->InActiveAnimation()) {
            row->CurrentFrame = 0;
            if (row->FVisible && Visible()) row->Draw(Canvas());
        } else {
            row->ReDraw();
        }
    }
}

// Keys.

bool TbsSkinPopupWindow::Selectable(int index) const {
    return index >= 0 && index < int(FItemList.size()) &&
           FItemList[std::size_t(index)]->Selectable();
}

bool TbsSkinPopupWindow::LastVisible(int index) const {
    return index == FVisibleStartIndex + FVisibleCount - 1;
}

bool TbsSkinPopupWindow::FirstVisible(int index) const {
    return index == FVisibleStartIndex;
}

int TbsSkinPopupWindow::FindAccelItem(int charCode) const {
    for (int i = 0; i < int(FItemList.size()); ++i)
        if (IsAccel(unsigned(charCode), FItemList[std::size_t(i)]->MenuItem->Caption())) return i;
    return -1;
}

void TbsSkinPopupWindow::ChangeActive(int index, bool byKeys) {
    const int old = FActiveItem;
    if (index == old) return;
    FActiveItem = index;
    FItemList[std::size_t(index)]->MouseEnter(byKeys);
    if (old >= 0 && old < int(FItemList.size())) FItemList[std::size_t(old)]->MouseLeave();
}

void TbsSkinPopupWindow::SelectNextItem() {
    const int count = int(FItemList.size());
    if (count == 0) return;
    if (FScrollCode == 0 && LastVisible(FActiveItem)) ScrollDown(true);
    const int start = (FActiveItem == -1 || FActiveItem == count - 1) ? 0 : FActiveItem + 1;
    for (int i = start; i < count; ++i) {
        if (Selectable(i)) {
            ChangeActive(i, true);
            return;
        }
        if (LastVisible(i)) ScrollDown(true);
    }
}

void TbsSkinPopupWindow::SelectPriorItem() {
    const int count = int(FItemList.size());
    if (count == 0) return;
    if (FScrollCode == 0 && FirstVisible(FActiveItem)) ScrollUp(true);
    const int start = (FActiveItem == -1 || FActiveItem == 0) ? count - 1 : FActiveItem - 1;
    for (int i = start; i >= 0; --i) {
        if (Selectable(i)) {
            ChangeActive(i, true);
            return;
        }
        if (FirstVisible(i)) ScrollUp(true);
    }
}

void TbsSkinPopupWindow::CloseInnermost() {
    const auto& levels = FParentMenu->PopupList();
    if (levels.size() > 1) {
        TbsSkinPopupWindow* above = levels[levels.size() - 2];
        if (above->FActiveItem >= 0 && above->FActiveItem < int(above->FItemList.size()))
            above->FItemList[std::size_t(above->FActiveItem)]->Down = false;
    }
    FParentMenu->CloseLevels(int(levels.size()) - 1);
}

void TbsSkinPopupWindow::PopupKeyDown(int charCode) {
    if (!Visible()) return;
    const int accel = FindAccelItem(charCode);
    if (accel != -1) {
        TbsSkinMenuItem& row = *FItemList[std::size_t(accel)];
        const int old = FActiveItem;
        if (old != accel && old >= 0 && old < int(FItemList.size()))
            FItemList[std::size_t(old)]->MouseLeave();
        row.MouseEnter(false);
        FActiveItem = accel;
        row.MouseDown(0, 0);
        return;
    }
    const int active = FActiveItem;
    const bool hasActive = active >= 0 && active < int(FItemList.size());
    switch (charCode) {
    case VK_RETURN:
        if (hasActive) FItemList[std::size_t(active)]->MouseDown(0, 0);
        break;
    case VK_ESCAPE:
        CloseInnermost();
        break;
    case VK_LEFT:
        if (FParentMenu->PopupList().size() > 1) CloseInnermost();
        break;
    case VK_RIGHT:
        if (hasActive && FItemList[std::size_t(active)]->HasSubmenu())
            FItemList[std::size_t(active)]->MouseDown(0, 0);
        break;
    case VK_DOWN:
        SelectNextItem();
        break;
    case VK_UP:
        SelectPriorItem();
        break;
    default:
        break;
    }
}
