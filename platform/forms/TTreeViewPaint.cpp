#include "platform/forms/TImageList.h"
#include "platform/forms/TTreeView.h"
#include "platform/gfx/TextDraw.h"
#include "platform/win/Win.h"
#include <algorithm>

using namespace win;

namespace {

// The expand button's square, in pixels.
constexpr int kButtonSize = 9;

void DottedLine(TCanvas& canvas, int x1, int y1, int x2, int y2, TColor color) {
    // Dots on even coordinates, so that lines of neighbouring rows join up.
    if (x1 == x2) {
        for (int y = std::min(y1, y2); y <= std::max(y1, y2); ++y)
            if ((x1 + y) % 2 == 0) canvas.SetPixels(x1, y, color);
    } else {
        for (int x = std::min(x1, x2); x <= std::max(x1, x2); ++x)
            if ((x + y1) % 2 == 0) canvas.SetPixels(x, y1, color);
    }
}

} // namespace

void TTreeView::Paint() {
    const TRect client = ClientRect();
    FCanvas.Brush().SetStyle(bsSolid);
    FCanvas.Brush().SetColor(FColor);
    FCanvas.FillRect(client);
    FCanvas.SetFont(FFont);
    const auto& rows = Rows();
    const int last = std::min(int(rows.size()), FTopRow + client.Height() / RowHeight() + 1);
    for (int row = FTopRow; row < last; ++row)
        PaintRow(rows[std::size_t(row)], row);
}

void TTreeView::PaintRow(TTreeNode* node, int row) {
    const int height = RowHeight();
    const int top = (row - FTopRow) * height;
    const int mid = top + height / 2;
    const int left = NodeLeft(node);
    const int level = node->Level();
    // The centre of the indent column in front of a node at a level.
    auto column = [&](int l) {
        return (l + (FShowRoot ? 1 : 0)) * FIndent - FIndent / 2 - FScrollX;
    };
    const bool hasColumn = level > 0 || FShowRoot;
    if (FShowLines && hasColumn) {
        const int x = column(level);
        const bool firstRoot = !node->Parent() && !node->GetPrevSibling();
        DottedLine(FCanvas, x, firstRoot ? mid : top, x,
                   node->GetNextSibling() ? top + height - 1 : mid, clGrayText);
        DottedLine(FCanvas, x, mid, left - 2, mid, clGrayText);
        int l = level - 1;
        for (const TTreeNode* p = node->Parent(); p; p = p->Parent(), --l)
            if (p->GetNextSibling() && (l > 0 || FShowRoot))
                DottedLine(FCanvas, column(l), top, column(l), top + height - 1, clGrayText);
    }
    if (FShowButtons && hasColumn && node->HasChildren()) {
        const int x = column(level) - kButtonSize / 2;
        const int y = mid - kButtonSize / 2;
        const TRect box(x, y, x + kButtonSize, y + kButtonSize);
        FCanvas.Brush().SetStyle(bsSolid);
        FCanvas.Brush().SetColor(clWindow);
        FCanvas.FillRect(box);
        FCanvas.Brush().SetColor(clGrayText);
        FCanvas.FrameRect(box);
        FCanvas.Pen().SetColor(clWindowText);
        FCanvas.MoveTo(x + 2, mid);
        FCanvas.LineTo(x + kButtonSize - 2, mid);
        if (!node->Expanded()) {
            FCanvas.MoveTo(x + kButtonSize / 2, y + 2);
            FCanvas.LineTo(x + kButtonSize / 2, y + kButtonSize - 2);
        }
    }
    int textLeft = left;
    if (FImages) {
        const bool selected = node == FSelected;
        GetImageIndex(node);
        if (selected) GetSelectedIndex(node);
        const int index =
            selected && node->SelectedIndex() >= 0 ? node->SelectedIndex() : node->ImageIndex();
        if (index >= 0 && index < FImages->Count())
            FImages->Draw(FCanvas, left, mid - FImages->Height() / 2, index, Enabled());
        textLeft += FImages->Width() + 3;
    }
    const TRect label(textLeft, top, textLeft + TextWidth(node) + 4, top + height);
    const bool highlighted = node == FSelected && (Focused() || !FHideSelection);
    if (highlighted) {
        FCanvas.Brush().SetStyle(bsSolid);
        FCanvas.Brush().SetColor(Focused() ? clHighlight : clBtnFace);
        FCanvas.FillRect(label);
    }
    FCanvas.Brush().SetStyle(bsClear);
    FCanvas.Font().SetColor(highlighted && Focused() ? clHighlightText : FFont.Color());
    RECT r{ label.Left + 2, label.Top, label.Right, label.Bottom };
    DrawText(FCanvas.Handle(), node->Text(), &r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (node == FSelected && Focused()) {
        RECT focus = label;
        DrawFocusRect(FCanvas.Handle(), &focus);
    }
}
