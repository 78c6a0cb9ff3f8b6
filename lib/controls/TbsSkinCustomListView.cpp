#include "lib/controls/TbsSkinCustomListView.h"

#include "lib/skindata/bsSkinMessages.h"
#include "platform/forms/CommCtrl.h"
#include "platform/win/ScrollInfo.h"
#include "platform/win/WindowClass.h"

#include <algorithm>
#include <cstdlib>

using namespace win;

TbsSkinCustomListView::TbsSkinCustomListView(TComponent* owner)
    : TbsSkinViewBase<TListView, TbsDataSkinListView>(owner, "listview") {}

TbsSkinCustomListView::~TbsSkinCustomListView() {
    ReleaseHeader();
}

TbsSkinCustomListView::TRange TbsSkinCustomListView::Range(int bar) {
    TRange r;
    GetScrollRange(Handle(), bar, &r.Min, &r.Max);
    r.Pos = GetScrollPos(Handle(), bar);
    return r;
}

int TbsSkinCustomListView::ItemHeight() const {
    return Items().Count() > 0 ? ItemRect(0, drBounds).Height() : 0;
}

int TbsSkinCustomListView::ItemWidth() const {
    return Items().Count() > 0 ? ItemRect(0, drBounds).Width() : 0;
}

void TbsSkinCustomListView::ChangeSkinData() {
    TbsSkinViewBase<TListView, TbsDataSkinListView>::ChangeSkinData();
    if (FHeaderHandle && ViewStyle() == vsReport) InvalidateRect(FHeaderHandle, nullptr, TRUE);
}

void TbsSkinCustomListView::UpDateScrollBars() {
    if (!HandleAllocated() || FromSB || !Sized()) return;
    switch (ViewStyle()) {
    case vsIcon:
    case vsSmallIcon:
        UpDateIconScrollBars();
        break;
    case vsList:
        UpDateListScrollBars();
        break;
    case vsReport:
        UpDateReportScrollBars();
        break;
    }
}

void TbsSkinCustomListView::UpDateReportScrollBars() {
    if (FInCheckScrollBars) return;
    bool changed = false;
    const int perPage = int(Perform(LVM_GETCOUNTPERPAGE, 0, 0));
    if (FVScrollBar) {
        const TRange v = Range(SB_VERT);
        const bool show = perPage < v.Max + 1 && Visible();
        changed = ShowBar(FVScrollBar, show) || changed;
        if (show) {
            FVScrollBar->SetRange(v.Min, v.Max, v.Pos, perPage);
            FOldVScrollBarPos = v.Pos;
            FVScrollBar->SetSmallChange(1);
            FVScrollBar->SetLargeChange(std::max(perPage, 1));
        }
    }
    if (FHScrollBar) {
        const TRange h = Range(SB_HORZ);
        const bool show = h.Max > Width() && Visible();
        changed = ShowBar(FHScrollBar, show) || changed;
        if (show) {
            FHScrollBar->SetRange(h.Min, h.Max, h.Pos, Width());
            FOldHScrollBarPos = h.Pos;
        }
    }
    FinishBars(changed);
}

void TbsSkinCustomListView::UpDateListScrollBars() {
    if (FInCheckScrollBars) return;
    bool changed = ShowBar(FVScrollBar, false);
    if (FHScrollBar) {
        const TRange h = Range(SB_HORZ);
        const int column = std::max(ItemWidth(), 1);
        const bool show =
            Perform(LVM_GETCOUNTPERPAGE, 0, 0) < Perform(LVM_GETITEMCOUNT, 0, 0) && Visible();
        changed = ShowBar(FHScrollBar, show) || changed;
        if (show) {
            FHScrollBar->SetRange(h.Min, h.Max, h.Pos, Width() / column);
            FHScrollBar->SetSmallChange(1);
            FHScrollBar->SetLargeChange(1);
            FOldHScrollBarPos = h.Pos;
        }
    }
    FinishBars(changed);
}

void TbsSkinCustomListView::UpDateIconScrollBars() {
    if (FInCheckScrollBars) return;
    bool changed = false;
    const int step = std::max(ItemHeight() / 2, 1);
    if (FVScrollBar) {
        const TRange v = Range(SB_VERT);
        const bool show = v.Max > Height() && Visible();
        changed = ShowBar(FVScrollBar, show) || changed;
        if (show) {
            FVScrollBar->SetSmallChange(step);
            FVScrollBar->SetLargeChange(step);
            FVScrollBar->SetRange(v.Min, v.Max, v.Pos, Height());
            FOldVScrollBarPos = v.Pos;
        }
    }
    if (FHScrollBar) {
        const TRange h = Range(SB_HORZ);
        const bool show = h.Max > Width() && Visible();
        changed = ShowBar(FHScrollBar, show) || changed;
        if (show) {
            FHScrollBar->SetSmallChange(step);
            FHScrollBar->SetLargeChange(step);
            FHScrollBar->SetRange(h.Min, h.Max, h.Pos, Width());
            FOldHScrollBarPos = h.Pos;
        }
    }
    FinishBars(changed);
}

void TbsSkinCustomListView::VScrollBarChange() {
    if (!FVScrollBar) return;
    FromSB = true;
    const int delta = FVScrollBar->Position() - FOldVScrollBarPos;
    const bool icons = ViewStyle() == vsIcon || ViewStyle() == vsSmallIcon;
    if (delta != 0) Scroll(0, icons ? delta : delta * ItemHeight());
    FOldVScrollBarPos = FVScrollBar->Position();
    FromSB = false;
}

void TbsSkinCustomListView::HScrollBarChange() {
    if (!FHScrollBar) return;
    FromSB = true;
    const int delta = FHScrollBar->Position() - FOldHScrollBarPos;
    if (ViewStyle() == vsList) {
        // Whole columns: one line per unit of the bar.
        for (int i = 0; i < std::abs(delta); ++i)
            Perform(WM_HSCROLL, delta < 0 ? SB_LINELEFT : SB_LINERIGHT, 0);
    } else if (delta != 0) {
        Scroll(delta, 0);
    }
    FOldHScrollBarPos = FHScrollBar->Position();
    FromSB = false;
}

void TbsSkinCustomListView::Change(TListItem* item, TItemChange change) {
    TListView::Change(item, change);
    if (!FInCheckScrollBars) UpDateScrollBars();
}

void TbsSkinCustomListView::WndProc(TMessage& message) {
    if (HandleViewMessage(message)) return;
    if (message.Msg == WM_PARENTNOTIFY && LOWORD(message.WParam) == WM_CREATE) {
        const auto child = HWND(message.LParam);
        if (GetClassNameString(child).substr(0, 80) == "SysHeader32" && ShowColumnHeaders())
            SubclassHeader(child);
    }
    if (message.Msg == WM_SKINHEADERPAINT) {
        if (FHeaderHandle) PaintHeader(HDC(message.WParam));
        return;
    }
    TListView::WndProc(message);
    AfterViewMessage(message);
    switch (message.Msg) {
    case WM_SIZE:
        if (!FInCheckScrollBars && Items().Count() > 0) UpDateScrollBars();
        if (FHeaderHandle && ViewStyle() == vsReport) InvalidateRect(FHeaderHandle, nullptr, FALSE);
        break;
    case WM_PAINT:
        if (!FInCheckScrollBars) UpDateScrollBars();
        break;
    case WM_KEYDOWN:
    case WM_LBUTTONUP:
        UpDateScrollBars();
        break;
    default:
        break;
    }
}
