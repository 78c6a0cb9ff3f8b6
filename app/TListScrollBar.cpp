#include "app/TListScrollBar.h"

#include "platform/forms/TFormReader.h"
#include "platform/forms/TListView.h"
#include "platform/win/ScrollInfo.h"
#include "platform/win/Win.h"

#include <algorithm>

using namespace win;

namespace {

constexpr int kBarHeight = 16;

} // namespace

TListScrollBar::TListScrollBar(TComponent* owner) : TScrollBar(owner) {
    SetKind(sbHorizontal);
    SetEnabled(false);
}

TListScrollBar::~TListScrollBar() {
    Detach();
}

void TListScrollBar::Detach() {
    if (!FListView) return;
    FListView->WindowProc = FListProc;
    FListView->RemoveFreeNotification(this);
    FListView = nullptr;
    FListProc = nullptr;
}

void TListScrollBar::SetListView(TListView* value) {
    if (value == FListView) return;
    Detach();
    if (!value) return;
    FListView = value;
    FListView->FreeNotification(this);
    FListProc = FListView->WindowProc;
    FListView->WindowProc = [this](TMessage& message) {
        // The list shows its horizontal bar by setting WS_HSCROLL; refusing the bit keeps the
        // bar hidden while the list still keeps its scroll state.
        if (message.Msg == WM_STYLECHANGING && message.WParam == WPARAM(GWL_STYLE))
            reinterpret_cast<STYLESTRUCT*>(message.LParam)->styleNew &= ~DWORD(WS_HSCROLL);
        FListProc(message);
        FollowList();
    };
    if (FListView->HandleAllocated()) {
        const LONG_PTR style = GetWindowLongPtr(FListView->Handle(), GWL_STYLE);
        if (style & WS_HSCROLL) {
            SetWindowLongPtr(FListView->Handle(), GWL_STYLE, style);
            SetWindowPos(FListView->Handle(), nullptr, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                             SWP_FRAMECHANGED);
        }
    }
    FollowList();
}

void TListScrollBar::FollowList() {
    if (!FListView || FFollowing || !FListView->HandleAllocated() ||
        FListView->ComponentState().Contains(csDestroying) ||
        ComponentState().Contains(csDestroying))
        return;
    // Reading the state is itself a message to the list, which comes back through here.
    FFollowing = true;
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    if (GetScrollInfo(FListView->Handle(), SB_HORZ, &info)) {
        const int range = info.nMax - info.nMin + 1;
        const bool scrolls = info.nPage > 0 && range > int(info.nPage);
        if (Min() != info.nMin || Max() != info.nMax || PageSize() != int(info.nPage) ||
            Position() != info.nPos || Enabled() != scrolls) {
            SetPageSize(0);
            SetParams(info.nPos, info.nMin, std::max(info.nMin, info.nMax));
            SetPageSize(int(info.nPage));
            SetPosition(info.nPos);
            SetLargeChange(std::max(1, int(info.nPage)));
            SetEnabled(scrolls);
        }
    }
    FFollowing = false;
}

void TListScrollBar::Change() {
    TScrollBar::Change();
    if (FFollowing || !FListView || !FListView->HandleAllocated()) return;
    FFollowing = true;
    SendMessage(FListView->Handle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, WORD(Position())), 0);
    FFollowing = false;
    // The list may stop short of the asked position (it scrolls by its own steps).
    FollowList();
}

void TListScrollBar::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove && component == FListView) {
        FListView = nullptr;
        FListProc = nullptr;
    }
    TScrollBar::Notification(component, operation);
}

TListScrollBar* AttachJobListScrollBar(TComponent& form) {
    auto* list = DescribedComponent<TListView>(&form, "lvFiles");
    auto* bar = new TListScrollBar(&form);
    bar->SetName("bsSkinScrollBar1");
    bar->SetParent(list->Parent());
    bar->SetBounds(list->Left(), list->Top() + list->Height(), list->Width(), kBarHeight);
    bar->SetListView(list);
    return bar;
}
