// The rows of the skinned list box: the plain look, the record's row faces sliced or stretched,
// and the background under the rows.
#include "lib/controls/TbsListBox.h"
#include "lib/controls/TbsSkinListBox.h"
#include "lib/controls/bsRecordRects.h"
#include "lib/skindata/TbsResourceStrData.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindraw/bsImageBuilders.h"
#include "lib/skindraw/bsMarks.h"
#include "platform/forms/TImageList.h"
#include "platform/gfx/TBitmap.h"

#include <algorithm>

void TbsListBox::Paint() {
    if (!SkinListBox) {
        TListBox::Paint();
        return;
    }
    const TRect client = ClientRect();
    const int rowHeight = ItemHeight();
    if (client.Width() <= 0 || client.Height() <= 0 || rowHeight <= 0) return;
    TCanvas& C = Canvas();
    const int chosen = ItemIndex();
    const bool focused = Focused();
    const bool multi = MultiSelect() && SelCount() >= 1;
    const auto stateOf = [&](int i) {
        TOwnerDrawState state;
        if (i == chosen) {
            state.Include(odSelected);
            if (focused) state.Include(odFocused);
        } else if (multi && Selected(i)) {
            state.Include(odSelected);
        }
        return state;
    };
    const int top = TopIndex();
    const int rows = client.Height() / rowHeight;
    if (Columns() > 0) {
        SkinListBox->PaintListBackground(C, client);
        const int last = std::min(Count() - 1, top + rows * Columns());
        for (int i = top; i <= last; ++i)
            SkinListBox->DrawListItem(C, i, ItemRect(i), stateOf(i));
        return;
    }
    const int last = std::min(Count() - 1, top + rows);
    int bottom = 0;
    for (int i = top; i <= last; ++i) {
        const TRect row(0, (i - top) * rowHeight, client.Right, (i - top + 1) * rowHeight);
        SkinListBox->DrawListItem(C, i, row, stateOf(i));
        bottom = row.Bottom;
    }
    if (bottom < client.Bottom)
        SkinListBox->PaintListBackground(C, TRect(0, bottom, client.Right, client.Bottom));
}

TFontCharset TbsSkinCustomListBox::TextCharset() const {
    const TbsResourceStrData* strings = FSD ? FSD->ResourceStrData() : nullptr;
    return strings ? strings->CharSet() : FDefaultFont.Charset();
}

void TbsSkinCustomListBox::PaintListBackground(TCanvas& C, const TRect& rect) {
    if (rect.Width() <= 0 || rect.Height() <= 0) return;
    GetSkinData();
    const TRect tile = MovedBy(ClRect, SkinRect.Left, SkinRect.Top);
    if (FIndex == -1 || !Picture || tile.Width() <= 0 || tile.Height() <= 0) {
        C.Brush().SetStyle(bsSolid);
        C.Brush().SetColor(clWindow);
        C.FillRect(rect);
        return;
    }
    // Tiled from the area's corner; the last tiles are cut at its edges.
    TBitmap B(rect.Width(), rect.Height());
    for (int y = 0; y < rect.Height(); y += tile.Height())
        for (int x = 0; x < rect.Width(); x += tile.Width()) {
            const int w = std::min(tile.Width(), rect.Width() - x);
            const int h = std::min(tile.Height(), rect.Height() - y);
            B.Canvas().CopyRect(TRect(x, y, x + w, y + h), Picture->Canvas(),
                                TRect(tile.Left, tile.Top, tile.Left + w, tile.Top + h));
        }
    C.Draw(rect.Left, rect.Top, &B);
}

void TbsSkinCustomListBox::DrawListItem(TCanvas& C, int index, const TRect& rect,
                                        TOwnerDrawState state) {
    if (index < 0 || index >= ListBox->Count() || rect.Width() <= 0 || rect.Height() <= 0) return;
    GetSkinData();
    const TSize size(rect.Width(), rect.Height());
    if (FIndex == -1) {
        TBitmap B(size.cx, size.cy);
        DrawDefaultItem(B.Canvas(), index, size, state);
        C.Draw(rect.Left, rect.Top, &B);
        return;
    }
    // A skinned row without a picture draws nothing.
    if (!Picture || SItemRect.IsEmpty()) return;
    TBitmap B(size.cx, size.cy);
    DrawSkinItem(B.Canvas(), index, size, state, !UseSkinItemHeight());
    C.Draw(rect.Left, rect.Top, &B);
}

void TbsSkinCustomListBox::DrawDefaultItem(TCanvas& C, int index, const TSize& size,
                                           TOwnerDrawState state) {
    C.SetFont(Font());
    C.Font().SetCharset(TextCharset());
    const bool selected = state.Contains(odSelected);
    C.Brush().SetStyle(bsSolid);
    C.Brush().SetColor(selected ? clHighlight : clWindow);
    C.Font().SetColor(selected ? clHighlightText : Font().Color());
    const TRect all(0, 0, size.cx, size.cy);
    C.FillRect(all);
    DrawRowContent(C, index, size, TRect(2, 0, size.cx - 2, size.cy), state);
    if (state.Contains(odFocused)) C.DrawFocusRect(all);
}

void TbsSkinCustomListBox::DrawSkinItem(TCanvas& C, int index, const TSize& size,
                                        TOwnerDrawState state, bool stretched) {
    const bool focused = state.Contains(odFocused);
    const bool selected = state.Contains(odSelected);
    const TRect& face = focused && selected    ? FocusItemRect
                        : selected             ? ActiveItemRect
                        : focused && stretched ? FocusItemRect
                                               : SItemRect;
    TBitmap face_bitmap(size.cx, size.cy);
    if (stretched) {
        const TRect guide(ItemTextRect.Left + 1, ItemTextRect.Top + 1, ItemTextRect.Right - 1,
                          ItemTextRect.Bottom - 1);
        StretchSkinImage(face_bitmap, *Picture, face, guide, true);
    } else {
        const bool tiled = !focused && !selected;
        BuildHorzThreeSliceImage(ItemLeftOffset, ItemRightOffset, face_bitmap, *Picture, face,
                                 size.cx, size.cy, !tiled && StretchEffect);
    }
    C.Draw(0, 0, &face_bitmap);
    if (FUseSkinFont) {
        C.Font().SetName(FontName);
        C.Font().SetStyle(FontStyle);
        C.Font().SetHeight(FontHeight);
    } else {
        C.SetFont(FDefaultFont);
    }
    C.Font().SetCharset(TextCharset());
    C.Font().SetColor(focused && (selected || stretched) ? FocusFontColor
                      : selected                         ? ActiveFontColor
                                                         : FontColor);
    TRect text = ItemTextRect;
    text.Right += size.cx - SItemRect.Width();
    if (stretched) text.Bottom += size.cy - SItemRect.Height();
    const TRect all(0, 0, size.cx, size.cy);
    if (!stretched && focused && !selected) DrawDottedFocusRect(C, all);
    if (!OnDrawItem && focused && ShowFocus) DrawDottedFocusRect(C, all);
    DrawRowContent(C, index, TSize(size.cx, SItemRect.Height()), text, state);
}

void TbsSkinCustomListBox::DrawRowContent(TCanvas& C, int index, const TSize& size,
                                          const TRect& textRect, TOwnerDrawState state) {
    if (OnDrawItem) {
        OnDrawItem(this, C, index, size.cx, size.cy, textRect, state);
        return;
    }
    TbsItemDecor decor;
    decor.Images = FImages;
    decor.ImageIndex = FImageIndex;
    decor.HorizontalOffset = ListBox->FHorizontalExtentValue;
    if (ListBox->Columns() == 0) decor.TabWidths = &FTabWidths;
    DrawItemContent(C, ListBox->Items()[index], index, textRect, decor);
}

void TbsSkinCustomListBox::SetImages(TCustomImageList* value) {
    if (FImages == value) return;
    if (FImages) RemoveFreeNotification(FImages);
    FImages = value;
    if (FImages) FreeNotification(FImages);
    ListBox->Invalidate();
}

void TbsSkinCustomListBox::SetImageIndex(int value) {
    FImageIndex = value;
    ListBox->Invalidate();
}

void TbsSkinCustomListBox::SetTabWidths(const TStrings& value) {
    FTabWidths.Assign(value);
    if (FTabWidths.Count() > 0) ListBox->Invalidate();
}

void TbsSkinCustomListBox::Notification(TComponent* component, TOperation operation) {
    TbsSkinCustomControl::Notification(component, operation);
    if (operation == opRemove && component == FImages) {
        FImages = nullptr;
        if (ListBox) ListBox->Invalidate();
    }
}
