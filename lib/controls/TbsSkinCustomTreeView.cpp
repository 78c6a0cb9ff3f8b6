#include "lib/controls/TbsSkinCustomTreeView.h"

#include "platform/forms/CommCtrl.h"
#include "platform/forms/TImageList.h"
#include "platform/win/ScrollInfo.h"

using namespace win;

TbsSkinCustomTreeView::TbsSkinCustomTreeView(TComponent* owner)
    : TbsSkinViewBase<TTreeView, TbsDataSkinTreeView>(owner, "treeview") {}

void TbsSkinCustomTreeView::ChangeSkinData() {
    if (ComponentState().Contains(csLoading)) return;
    TbsSkinViewBase<TTreeView, TbsDataSkinTreeView>::ChangeSkinData();
    for (TCustomImageList* list : { Images(), StateImages() })
        if (list) list->SetBkColor(Color());
}

void TbsSkinCustomTreeView::UpDateScrollBars() {
    if (FInCheckScrollBars || !HandleAllocated() || !Sized() ||
        ComponentState().Contains(csLoading))
        return;
    bool changed = false;
    if (FVScrollBar) {
        int min = 0, max = 0;
        GetScrollRange(Handle(), SB_VERT, &min, &max);
        const int pos = GetScrollPos(Handle(), SB_VERT);
        const int shown = int(Perform(TVM_GETVISIBLECOUNT, 0, 0));
        const int count = int(Perform(TVM_GETCOUNT, 0, 0));
        const bool show = max > 0 && shown <= max && max < count && Visible();
        changed = ShowBar(FVScrollBar, show) || changed;
        if (show) FVScrollBar->SetRange(min, max, pos, shown);
    }
    if (FHScrollBar) {
        int min = 0, max = 0;
        GetScrollRange(Handle(), SB_HORZ, &min, &max);
        const int pos = GetScrollPos(Handle(), SB_HORZ);
        const bool show = max > Width() && Visible();
        changed = ShowBar(FHScrollBar, show) || changed;
        if (show) FHScrollBar->SetRange(min, max, pos, Width());
    }
    FinishBars(changed);
}

void TbsSkinCustomTreeView::VScrollBarChange() {
    if (!FVScrollBar) return;
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    GetScrollInfo(Handle(), SB_VERT, &info);
    info.fMask = SIF_POS;
    info.nPos = FVScrollBar->Position();
    SetScrollInfo(Handle(), SB_VERT, &info, TRUE);
    Perform(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, unsigned(FVScrollBar->Position())), 0);
}

void TbsSkinCustomTreeView::HScrollBarChange() {
    if (!FHScrollBar) return;
    Perform(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, unsigned(FHScrollBar->Position())), 0);
}

void TbsSkinCustomTreeView::Change(TTreeNode* node) {
    TTreeView::Change(node);
    UpDateScrollBars();
}

void TbsSkinCustomTreeView::WndProc(TMessage& message) {
    if (HandleViewMessage(message)) return;
    TTreeView::WndProc(message);
    AfterViewMessage(message);
    switch (message.Msg) {
    case WM_SIZE:
    case WM_PAINT:
    case WM_KEYDOWN:
    case WM_LBUTTONUP:
        UpDateScrollBars();
        break;
    default:
        break;
    }
}
