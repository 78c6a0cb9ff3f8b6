#include "platform/forms/TImageList.h"
#include "platform/forms/TListView.h"
#include "platform/gfx/DcStateSaver.h"
#include "platform/gfx/TextDraw.h"
#include "platform/win/Win.h"
#include <algorithm>

using namespace win;

namespace {

constexpr int kCellMargin = 6;

} // namespace

bool TListView::HighlightShown() const {
    return Focused() || !FHideSelection;
}

void TListView::Paint() {
    const TGeometry g = Geometry();
    FCanvas.Brush().SetStyle(bsSolid);
    FCanvas.Brush().SetColor(FColor);
    FCanvas.FillRect(g.Client);
    FCanvas.SetFont(FFont);
    if (FViewStyle == vsReport)
        PaintReport(g);
    else
        PaintIcons(g);
}

void TListView::PaintItemLabel(const TRect& cell, const std::string& text, TAlignment alignment,
                               bool highlighted) {
    if (cell.Width() <= 0 || text.empty()) return;
    RECT r = cell;
    const UINT align = alignment == taRightJustify ? DT_RIGHT
                       : alignment == taCenter     ? DT_CENTER
                                                   : DT_LEFT;
    FCanvas.Brush().SetStyle(bsClear);
    FCanvas.Font().SetColor(highlighted ? (Focused() ? clHighlightText : clWindowText)
                                        : FFont.Color());
    DrawText(FCanvas.Handle(), text, &r,
             align | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
}

void TListView::PaintReport(const TGeometry& g) {
    const HDC dc = FCanvas.Handle();
    const gfx::DcStateSaver saved(dc);
    IntersectClipRect(dc, g.Client.Left, g.Top, g.Client.Right, g.Client.Bottom);
    const int rows = (g.Client.Height() - g.Top) / g.RowHeight + 1;
    const int last = std::min(FItems.Count(), FScrollY + rows + 1);
    const bool showHighlight = HighlightShown();
    for (int i = FScrollY; i < last; ++i) {
        TListItem* item = FItems.Item(i);
        const bool highlighted = IsSelectedAt(i) && showHighlight;
        const TRect label = ItemRectAt(g, i, drLabel);
        if (highlighted) {
            FCanvas.Brush().SetStyle(bsSolid);
            FCanvas.Brush().SetColor(Focused() ? clHighlight : clBtnFace);
            FCanvas.FillRect(FRowSelect ? ItemRectAt(g, i, drBounds) : label);
        }
        for (int column : FColumnOrder) {
            const TListColumn* c = FColumns.Items(column);
            if (c->Width() <= 0) continue;
            const int left = ColumnLeft(column) - FScrollX;
            TRect cell(left + kCellMargin, label.Top, left + c->Width() - kCellMargin,
                       label.Bottom);
            std::string text;
            if (column == 0) {
                text = item->Caption();
                cell.Left = label.Left + 2;
                if (FSmallImages && item->ImageIndex() >= 0 &&
                    item->ImageIndex() < FSmallImages->Count()) {
                    const TRect icon = ItemRectAt(g, i, drIcon);
                    FSmallImages->Draw(FCanvas, icon.Left,
                                       icon.Top + (icon.Height() - FSmallImages->Height()) / 2,
                                       item->ImageIndex(), Enabled());
                }
            } else if (column - 1 < item->SubItems().Count()) {
                text = item->SubItems().Strings(column - 1);
            }
            PaintItemLabel(cell, text, column == 0 ? taLeftJustify : c->Alignment(),
                           highlighted && (FRowSelect || column == 0));
        }
        if (IsFocusedAt(i) && Focused()) {
            RECT focus = FRowSelect ? ItemRectAt(g, i, drBounds) : label;
            DrawFocusRect(dc, &focus);
        }
    }
    if (FGridLines) {
        FCanvas.Pen().SetColor(clBtnFace);
        const int right = std::min(g.Client.Right, TotalColumnWidth() - FScrollX);
        for (int y = g.Top + g.RowHeight - 1; y < g.Client.Bottom; y += g.RowHeight) {
            FCanvas.MoveTo(g.Client.Left, y);
            FCanvas.LineTo(right, y);
        }
        for (int column : FColumnOrder) {
            const int x = ColumnLeft(column) + FColumns.Items(column)->Width() - FScrollX - 1;
            FCanvas.MoveTo(x, g.Top);
            FCanvas.LineTo(x, g.Client.Bottom);
        }
    }
}

void TListView::PaintIcons(const TGeometry& g) {
    TCustomImageList* images = FViewStyle == vsIcon ? FLargeImages : FSmallImages;
    const bool showHighlight = HighlightShown();
    for (int i = 0; i < FItems.Count(); ++i) {
        const TRect bounds = ItemRectAt(g, i, drBounds);
        if (bounds.Right <= g.Client.Left || bounds.Left >= g.Client.Right ||
            bounds.Bottom <= g.Client.Top || bounds.Top >= g.Client.Bottom)
            continue;
        TListItem* item = FItems.Item(i);
        const TRect icon = ItemRectAt(g, i, drIcon);
        if (images && item->ImageIndex() >= 0 && item->ImageIndex() < images->Count())
            images->Draw(FCanvas, icon.Left, icon.Top + (icon.Height() - images->Height()) / 2,
                         item->ImageIndex(), Enabled());
        const TRect label = ItemRectAt(g, i, drLabel);
        const bool highlighted = IsSelectedAt(i) && showHighlight;
        if (highlighted) {
            FCanvas.Brush().SetStyle(bsSolid);
            FCanvas.Brush().SetColor(Focused() ? clHighlight : clBtnFace);
            FCanvas.FillRect(label);
        }
        PaintItemLabel(TRect(label.Left + 1, label.Top, label.Right - 1, label.Bottom),
                       item->Caption(), FViewStyle == vsIcon ? taCenter : taLeftJustify,
                       highlighted);
        if (IsFocusedAt(i) && Focused()) {
            RECT focus = label;
            DrawFocusRect(FCanvas.Handle(), &focus);
        }
    }
}
