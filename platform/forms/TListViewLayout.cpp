#include "platform/forms/ScrollRequest.h"
#include "platform/forms/THeaderWindow.h"
#include "platform/forms/TImageList.h"
#include "platform/forms/TListView.h"
#include "platform/win/Win.h"
#include <algorithm>

using namespace win;

namespace {

constexpr int kWheelLines = 3;
// Pixels one line of horizontal scrolling moves in report and icon views.
constexpr int kScrollStep = 16;

int Ceil(int a, int b) {
    return b > 0 ? (a + b - 1) / b : 0;
}

} // namespace

// ---- geometry ----

int TListView::HeaderHeight() const {
    return std::max(FTextHeight + 6, 17);
}

int TListView::ColumnLeft(int column) const {
    int x = 0;
    for (int c : FColumnOrder) {
        if (c == column) return x;
        if (c >= 0 && c < FColumns.Count()) x += FColumns.Items(c)->Width();
    }
    return x;
}

int TListView::TotalColumnWidth() const {
    int total = 0;
    for (int c = 0; c < FColumns.Count(); ++c)
        total += FColumns.Items(c)->Width();
    return total;
}

TRect TListView::HeaderSectionRect(int column) const {
    if (column < 0 || column >= FColumns.Count()) return TRect();
    const int left = ColumnLeft(column);
    return TRect(left, 0, left + FColumns.Items(column)->Width(), HeaderHeight());
}

TListView::TGeometry TListView::Geometry() const {
    TGeometry g;
    g.Client = const_cast<TListView*>(this)->ClientRect();
    const TCustomImageList* images = FViewStyle == vsIcon ? FLargeImages : FSmallImages;
    if (images) {
        g.IconWidth = images->Width();
        g.IconHeight = images->Height();
    }
    g.RowHeight = std::max(FTextHeight + 4, FSmallImages ? FSmallImages->Height() + 2 : 0);
    g.CellHeight = g.RowHeight;
    switch (FViewStyle) {
    case vsReport:
        if (FShowColumnHeaders) g.Top = HeaderHeight();
        break;
    case vsList:
    case vsSmallIcon:
        g.CellWidth = FLabelWidth + (g.IconWidth ? g.IconWidth + 4 : 0) + 16;
        g.PerColumn = std::max(1, g.Client.Height() / g.RowHeight);
        g.PerRow = std::max(1, g.Client.Width() / g.CellWidth);
        break;
    case vsIcon:
        g.CellWidth = std::max(75, g.IconWidth + 20);
        g.CellHeight = g.IconHeight + FTextHeight + 14;
        g.PerRow = std::max(1, g.Client.Width() / g.CellWidth);
        break;
    }
    return g;
}

TRect TListView::ItemRect(int index, TDisplayCode code) const {
    if (index < 0 || index >= FItems.Count()) return TRect();
    return ItemRectAt(Geometry(), index, code);
}

TRect TListView::ItemRectAt(const TGeometry& g, int index, TDisplayCode code) const {
    TRect bounds;
    TRect icon;
    TRect label;
    switch (FViewStyle) {
    case vsReport: {
        const int y = g.Top + (index - FScrollY) * g.RowHeight;
        const int x0 = -FScrollX;
        bounds = TRect(x0, y, x0 + TotalColumnWidth(), y + g.RowHeight);
        const int left = x0 + (FColumns.Count() ? ColumnLeft(0) : 0);
        const int width = FColumns.Count() ? FColumns.Items(0)->Width() : 0;
        const int iconLeft = std::min(left + 2, left + width);
        icon = TRect(iconLeft, y, std::min(iconLeft + g.IconWidth, left + width), bounds.Bottom);
        label = TRect(g.IconWidth ? icon.Right + 2 : left, y, left + width, bounds.Bottom);
        label.Left = std::min(label.Left, label.Right);
        if (code == drSelectBounds)
            return FRowSelect ? bounds : TRect(icon.Left, y, label.Right, bounds.Bottom);
        break;
    }
    case vsList:
    case vsSmallIcon: {
        const int column = FViewStyle == vsList ? index / g.PerColumn : index % g.PerRow;
        const int row = FViewStyle == vsList ? index % g.PerColumn : index / g.PerRow;
        const int x = column * g.CellWidth - FScrollX;
        const int y = row * g.RowHeight - FScrollY;
        bounds = TRect(x, y, x + g.CellWidth, y + g.RowHeight);
        icon = TRect(x + 2, y, x + 2 + g.IconWidth, bounds.Bottom);
        label = TRect(g.IconWidth ? icon.Right + 2 : x + 2, y, bounds.Right - 2, bounds.Bottom);
        break;
    }
    case vsIcon: {
        const int x = (index % g.PerRow) * g.CellWidth - FScrollX;
        const int y = (index / g.PerRow) * g.CellHeight - FScrollY;
        bounds = TRect(x, y, x + g.CellWidth, y + g.CellHeight);
        const int iconLeft = x + (g.CellWidth - g.IconWidth) / 2;
        icon = TRect(iconLeft, y + 2, iconLeft + g.IconWidth, y + 2 + g.IconHeight);
        label = TRect(x + 2, icon.Bottom + 2, bounds.Right - 2, icon.Bottom + 6 + FTextHeight);
        break;
    }
    }
    switch (code) {
    case drIcon:
        return icon;
    case drLabel:
        return label;
    case drSelectBounds:
        return TRect(std::min(icon.Left, label.Left), bounds.Top, label.Right, bounds.Bottom);
    case drBounds:
        break;
    }
    return bounds;
}

int TListView::ItemAtPoint(int x, int y) const {
    const TGeometry g = Geometry();
    if (!g.Client.Contains(TPoint(x, y)) || y < g.Top) return -1;
    if (FViewStyle == vsReport) {
        const int index = FScrollY + (y - g.Top) / g.RowHeight;
        if (index >= FItems.Count()) return -1;
        const TRect hit = ItemRectAt(g, index, FRowSelect ? drBounds : drSelectBounds);
        return x >= hit.Left && x < hit.Right ? index : -1;
    }
    for (int i = 0; i < FItems.Count(); ++i)
        if (ItemRectAt(g, i, drSelectBounds).Contains(TPoint(x, y)) ||
            ItemRectAt(g, i, drIcon).Contains(TPoint(x, y)))
            return i;
    return -1;
}

TListItem* TListView::GetItemAt(int x, int y) const {
    const int index = ItemAtPoint(x, y);
    return index >= 0 ? FItems.Item(index) : nullptr;
}

TListItem* TListView::TopItem() const {
    if (FItems.Count() == 0) return nullptr;
    if (FViewStyle == vsReport) return FItems.Item(std::min(FScrollY, FItems.Count() - 1));
    if (FViewStyle == vsList) {
        const TGeometry g = Geometry();
        const int index = (FScrollX / g.CellWidth) * g.PerColumn;
        return index < FItems.Count() ? FItems.Item(index) : nullptr;
    }
    return nullptr;
}

int TListView::VisibleRowCount() const {
    const TGeometry g = Geometry();
    switch (FViewStyle) {
    case vsReport:
        return std::max(0, (g.Client.Height() - g.Top) / g.RowHeight);
    case vsList:
        return g.PerColumn * std::max(1, g.Client.Width() / g.CellWidth);
    default:
        return FItems.Count();
    }
}

// ---- scrolling ----

void TListView::GetScroll(int bar, SCROLLINFO& info) const {
    const TGeometry g = Geometry();
    const int count = FItems.Count();
    SCROLLINFO s;
    switch (FViewStyle) {
    case vsReport:
        if (bar == SB_VERT) {
            s.nMax = std::max(0, count - 1);
            s.nPage = UINT(std::max(0, (g.Client.Height() - g.Top) / g.RowHeight));
            s.nPos = FScrollY;
        } else {
            s.nMax = std::max(0, TotalColumnWidth() - 1);
            s.nPage = UINT(g.Client.Width());
            s.nPos = FScrollX;
        }
        break;
    case vsList:
        if (bar == SB_HORZ) {
            s.nMax = std::max(0, Ceil(count, g.PerColumn) - 1);
            s.nPage = UINT(std::max(1, g.Client.Width() / g.CellWidth));
            s.nPos = FScrollX / g.CellWidth;
        }
        break;
    case vsSmallIcon:
    case vsIcon: {
        const int rows = Ceil(count, g.PerRow);
        if (bar == SB_VERT) {
            s.nMax = std::max(0, rows * g.CellHeight - 1);
            s.nPage = UINT(g.Client.Height());
            s.nPos = FScrollY;
        } else {
            s.nMax = std::max(0, std::min(count, g.PerRow) * g.CellWidth - 1);
            s.nPage = UINT(g.Client.Width());
            s.nPos = FScrollX;
        }
        break;
    }
    }
    s.nPage = std::min<UINT>(s.nPage, UINT(s.nMax - s.nMin + 1));
    ScrollBarData data;
    s.fMask = SIF_ALL;
    data.Set(s);
    data.Get(info);
}

void TListView::UpdateScrollBars() {
    FScrollBars.Update([this](int bar, SCROLLINFO& info) { GetScroll(bar, info); },
                       [this] {
                           ClampScroll();
                           UpdateHeader();
                       });
}

void TListView::ClampScroll() {
    const TGeometry g = Geometry();
    const int count = FItems.Count();
    int maxX = 0;
    int maxY = 0;
    switch (FViewStyle) {
    case vsReport:
        maxX = TotalColumnWidth() - g.Client.Width();
        maxY = count - std::max(1, (g.Client.Height() - g.Top) / g.RowHeight);
        break;
    case vsList:
        maxX =
            (Ceil(count, g.PerColumn) - std::max(1, g.Client.Width() / g.CellWidth)) * g.CellWidth;
        FScrollX -= FScrollX % g.CellWidth;
        break;
    case vsSmallIcon:
    case vsIcon:
        maxX = std::min(count, g.PerRow) * g.CellWidth - g.Client.Width();
        maxY = Ceil(count, g.PerRow) * g.CellHeight - g.Client.Height();
        break;
    }
    FScrollX = std::clamp(FScrollX, 0, std::max(0, maxX));
    FScrollY = std::clamp(FScrollY, 0, std::max(0, maxY));
}

void TListView::ScrollTo(int x, int y) {
    const int oldX = FScrollX;
    const int oldY = FScrollY;
    FScrollX = x;
    FScrollY = y;
    ClampScroll();
    if (FScrollX == oldX && FScrollY == oldY) return;
    FLabelEditing.Finish(true);
    UpdateHeader();
    UpdateScrollBars();
    Invalidate();
}

void TListView::Scroll(int dx, int dy) {
    const TGeometry g = Geometry();
    switch (FViewStyle) {
    case vsReport:
        ScrollTo(FScrollX + dx, FScrollY + dy / g.RowHeight);
        break;
    case vsList: {
        int columns = dx / g.CellWidth;
        if (columns == 0 && dx != 0) columns = dx > 0 ? 1 : -1;
        ScrollTo(FScrollX + columns * g.CellWidth, FScrollY);
        break;
    }
    default:
        ScrollTo(FScrollX + dx, FScrollY + dy);
        break;
    }
}

void TListView::ScrollMessage(int bar, int code, int thumb) {
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    GetScroll(bar, info);
    const TGeometry g = Geometry();
    int line = 1;
    if (FViewStyle == vsReport && bar == SB_HORZ) line = kScrollStep;
    if (FViewStyle == vsIcon || FViewStyle == vsSmallIcon)
        line = bar == SB_VERT ? g.RowHeight : kScrollStep;
    const std::optional<int> pos = ScrollRequestPos(code, info, line, thumb);
    if (!pos) return;
    if (bar == SB_VERT)
        ScrollTo(FScrollX, *pos);
    else
        ScrollTo(*pos * (FViewStyle == vsList ? g.CellWidth : 1), FScrollY);
}

void TListView::Wheel(int delta) {
    const int notches = delta / WHEEL_DELTA;
    if (notches == 0) return;
    const int code = notches > 0 ? SB_LINEUP : SB_LINEDOWN;
    const int bar = FViewStyle == vsList ? SB_HORZ : SB_VERT;
    for (int i = 0; i < std::abs(notches) * (FViewStyle == vsList ? 1 : kWheelLines); ++i)
        ScrollMessage(bar, code, 0);
}

void TListView::MakeItemVisible(int index, bool partialOK) {
    if (index < 0 || index >= FItems.Count() || !HandleAllocated()) return;
    const TGeometry g = Geometry();
    const TRect r = ItemRectAt(g, index, drBounds);
    const int viewTop = g.Top;
    const int viewBottom = g.Client.Bottom;
    const bool fits = partialOK ? r.Bottom > viewTop && r.Top < viewBottom
                                : r.Top >= viewTop && r.Bottom <= viewBottom;
    switch (FViewStyle) {
    case vsReport:
        if (index < FScrollY)
            ScrollTo(FScrollX, index);
        else if (!fits)
            ScrollTo(FScrollX, index - std::max(1, (viewBottom - viewTop) / g.RowHeight) + 1);
        break;
    case vsList:
        if (r.Left < 0)
            ScrollTo(FScrollX + r.Left, FScrollY);
        else if (r.Right > g.Client.Right)
            ScrollTo(FScrollX + ((r.Right - g.Client.Right) / g.CellWidth + 1) * g.CellWidth,
                     FScrollY);
        break;
    default:
        if (r.Top < 0)
            ScrollTo(FScrollX, FScrollY + r.Top);
        else if (!fits)
            ScrollTo(FScrollX, FScrollY + r.Bottom - viewBottom);
        break;
    }
}

void TListView::Relayout() {
    if (!HandleAllocated()) return;
    ClampScroll();
    UpdateHeader();
    UpdateScrollBars();
    Invalidate();
}

void TListView::UpdateHeader() {
    const bool wanted = FViewStyle == vsReport && FShowColumnHeaders && HandleAllocated();
    if (!wanted) {
        FHeader.reset();
        return;
    }
    if (!FHeader) FHeader = std::make_unique<THeaderWindow>(*this);
    if (!FHeader->Handle()) FHeader->Create(FHandle);
    const int width = std::max(ClientWidth() + FScrollX, TotalColumnWidth());
    FHeader->Place(-FScrollX, width, HeaderHeight());
}

HWND TListView::HeaderHandle() const {
    return FHeader ? FHeader->Handle() : nullptr;
}

void TListView::ColumnClick(int column) {
    if (OnColumnClick && column >= 0 && column < FColumns.Count())
        OnColumnClick(this, FColumns.Items(column));
}
