// How the office list draws its frame and rows, skinned and plain.
#include "lib/controls/TbsSkinOfficeListBox.h"
#include "lib/controls/bsActivePicture.h"
#include "lib/controls/bsSkinPictureParts.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindata/bsSkinListRecords.h"
#include "lib/skindata/bsSkinPanelRecords.h"
#include "lib/skindraw/bsGlyphLayout.h"
#include "lib/skindraw/bsImageBuilders.h"
#include "lib/skindraw/bsTextDrawing.h"
#include "platform/forms/TImageList.h"
#include "platform/gfx/DcStateSaver.h"
#include "platform/gfx/TBitmap.h"
#include "platform/gfx/TextFlags.h"

#include <algorithm>

namespace {

template <class TRecord>
const TRecord* FindRecord(const TbsSkinData* skin, const std::string& name) {
    if (!skin || skin->Empty) return nullptr;
    const int index = skin->GetControlIndex(name);
    if (index < 0 || std::size_t(index) >= skin->CtrlList.size()) return nullptr;
    return dynamic_cast<const TRecord*>(skin->CtrlList[std::size_t(index)].get());
}

void ClipTo(TCanvas& C, const TRect& r) {
    win::IntersectClipRect(C.Handle(), r.Left, r.Top, r.Right, r.Bottom);
}

TRect Inset(const TRect& r, int d) {
    return TRect(r.Left + d, r.Top + d, r.Right - d, r.Bottom - d);
}

void DrawSeparator(TCanvas& C, const TRect& row, TColor color) {
    const TColor old = C.Pen().Color();
    C.Pen().SetColor(color);
    C.MoveTo(row.Left, row.Bottom - 1);
    C.LineTo(row.Right, row.Bottom - 1);
    C.Pen().SetColor(old);
}

} // namespace

void TbsSkinOfficeListBox::Paint() {
    int width = Width();
    int height = Height();
    if (width < 1 || height < 1) return;
    GetSkinData();
    CalcSkinSize(width, height);
    if (!FPaintBuffer) FPaintBuffer = std::make_unique<TBitmap>();
    if (FPaintBuffer->Width() != Width() || FPaintBuffer->Height() != Height())
        FPaintBuffer->SetSize(Width(), Height());
    if (FIndex == -1)
        CreateControlDefaultImage(*FPaintBuffer);
    else
        CreateControlSkinImage(*FPaintBuffer);
    Canvas().Draw(0, 0, FPaintBuffer.get());
}

void TbsSkinOfficeListBox::CreateControlDefaultImage(TBitmap& B) {
    TCanvas& C = B.Canvas();
    C.Brush().SetStyle(bsSolid);
    C.Brush().SetColor(clBtnShadow);
    C.FrameRect(TRect(0, 0, Width(), Height()));
    C.Brush().SetColor(clWindow);
    C.FillRect(TRect(2, 2, Width() - 2, Height() - 2));
    DrawRows(C);
}

void TbsSkinOfficeListBox::CreateControlSkinImage(TBitmap& B) {
    TbsSkinCustomControl::CreateControlSkinImage(B);
    DrawRows(B.Canvas());
}

void TbsSkinOfficeListBox::DrawRows(TCanvas& C) {
    CalcItemRects();
    {
        const gfx::DcStateSaver saved(C.Handle());
        ClipTo(C, FItemsRect);
        for (int i = 0; i < FItems->Count(); ++i)
            if ((*FItems)[i]->IsVisible) DrawItem(i, C);
    }
    C.Refresh();
}

void TbsSkinOfficeListBox::DrawItem(int Index, TCanvas& Cnvs) {
    if (FIndex == -1)
        DefaultDrawItem(Index, Cnvs);
    else
        SkinDrawItem(Index, Cnvs);
}

void TbsSkinOfficeListBox::DrawItemContent(TCanvas& Cnvs, const TbsSkinOfficeItem& item,
                                           TRect content, unsigned captionFlags) {
    if (!item.Title().empty() && FShowItemTitles) {
        TFontStyles style = Cnvs.Font().Style();
        style.Include(fsBold);
        Cnvs.Font().SetStyle(style);
        TRect title = content;
        title.Bottom = title.Top + Cnvs.TextHeight(item.Title());
        DrawTextWide(Cnvs, item.Title(), title, 0);
        style.Exclude(fsBold);
        Cnvs.Font().SetStyle(style);
        content.Top = title.Bottom;
    }
    if (FImages && item.ImageIndex() >= 0 && item.ImageIndex() < FImages->Count()) {
        DrawImageAndCaptionLeft(Cnvs, content, 0, 2, blGlyphLeft, item.Caption(), item.ImageIndex(),
                                FImages, false, item.Enabled(), false, clNone);
        return;
    }
    if (FShowItemTitles) content.Left += 10;
    TRect measured = content;
    DrawTextWide(Cnvs, item.Caption(), measured, win::DT_CALCRECT | win::DT_WORDBREAK);
    const int textHeight = measured.Height();
    const int top = std::max(content.Top, content.Top + content.Height() / 2 - textHeight / 2);
    TRect place(content.Left, top, content.Right, top + textHeight);
    DrawTextWide(Cnvs, item.Caption(), place, captionFlags);
}

void TbsSkinOfficeListBox::DefaultDrawItem(int Index, TCanvas& Cnvs) {
    const TbsSkinOfficeItem& item = *(*FItems)[Index];
    TColor fill = clWindow;
    TColor text = item.Enabled() ? clWindowText : TColor(0x808080);
    if (item.Header()) {
        fill = clBtnShadow;
        text = clBtnHighlight;
    } else if (item.Active) {
        fill = clHighlight;
        text = clHighlightText;
    }
    Cnvs.SetFont(DefaultFont());
    Cnvs.Font().SetColor(text);
    {
        const gfx::DcStateSaver saved(Cnvs.Handle());
        ClipTo(Cnvs, item.ItemRect);
        Cnvs.Brush().SetStyle(bsSolid);
        Cnvs.Brush().SetColor(fill);
        Cnvs.FillRect(item.ItemRect);
        Cnvs.Brush().SetStyle(bsClear);
        TRect content = Inset(item.ItemRect, 2);
        if (item.Header()) {
            DrawTextWide(Cnvs, item.Caption(), content,
                         win::DT_SINGLELINE | win::DT_VCENTER | win::DT_CENTER);
        } else {
            if (OnDrawItem)
                OnDrawItem(Cnvs, Index, item.ItemRect);
            else
                DrawItemContent(Cnvs, item, content, win::DT_WORDBREAK);
            if (FShowLines) DrawSeparator(Cnvs, item.ItemRect, clBtnFace);
        }
        if (item.Active && Focused()) Cnvs.DrawFocusRect(item.ItemRect);
    }
    Cnvs.Refresh();
}

void TbsSkinOfficeListBox::SkinDrawItem(int Index, TCanvas& Cnvs) {
    const TbsSkinOfficeItem& item = *(*FItems)[Index];
    if (item.Header()) {
        SkinDrawHeaderItem(Index, Cnvs);
        return;
    }
    const auto* L = FindRecord<TbsDataSkinListBox>(FSD, "listbox");
    if (!L) return;
    const TRect content = Inset(item.ItemRect, 2);
    if (L->FontColor == FDisabledFontColor && FDisabledFontColor == 0)
        FDisabledFontColor = TColor(0x808080);
    const bool ownColours = SkinDataName() == "listbox" || SkinDataName() == "memo";
    const TColor enabledColour = ownColours ? L->FontColor : FSD->FSkinColors.FcBtnText;
    auto chooseFont = [&](TCanvas& canvas, TColor colour) {
        TFont font;
        ChooseSkinFont(font, FSD, DefaultFont(), UseSkinFont(), L->FontName, L->FontHeight,
                       L->FontStyle);
        canvas.SetFont(font);
        canvas.Font().SetColor(colour);
        canvas.Brush().SetStyle(bsClear);
    };
    if (item.Active && item.Enabled()) {
        const int w = item.ItemRect.Width(), h = item.ItemRect.Height();
        if (w <= 0 || h <= 0 || !Picture) return;
        TBitmap row(w, h);
        const bool focused = Focused();
        StretchSkinImage(row, *Picture, focused ? L->FocusItemRect : L->ActiveItemRect,
                         L->ItemTextRect, true);
        chooseFont(row.Canvas(), focused ? L->FocusFontColor : L->ActiveFontColor);
        const TRect inner(2, 2, w - 2, h - 2);
        if (OnDrawItem)
            OnDrawItem(row.Canvas(), Index, inner);
        else
            DrawItemContent(row.Canvas(), item, inner, win::DT_EXPANDTABS | win::DT_WORDBREAK);
        Cnvs.Draw(item.ItemRect.Left, item.ItemRect.Top, &row);
        return;
    }
    chooseFont(Cnvs, item.Enabled() ? enabledColour : FDisabledFontColor);
    {
        const gfx::DcStateSaver saved(Cnvs.Handle());
        ClipTo(Cnvs, item.ItemRect);
        if (OnDrawItem)
            OnDrawItem(Cnvs, Index, content);
        else
            DrawItemContent(Cnvs, item, content, win::DT_WORDBREAK);
        if (FShowLines) DrawSeparator(Cnvs, item.ItemRect, FSD->FSkinColors.FcBtnShadow);
    }
    Cnvs.Refresh();
}

void TbsSkinOfficeListBox::SkinDrawHeaderItem(int Index, TCanvas& Cnvs) {
    const auto* record = FindRecord<TbsDataSkinLabelControl>(FSD, "menuheader");
    if (!record) record = FindRecord<TbsDataSkinLabelControl>(FSD, "label");
    if (!record) return;
    TBitmap* picture = ActivePictureOf(*FSD, record->PictureIndex);
    const TbsSkinOfficeItem& item = *(*FItems)[Index];
    const int w = item.ItemRect.Width(), h = item.ItemRect.Height();
    if (!picture || w <= 0 || h <= 0) return;
    TBitmap row(w, h);
    StretchSkinImage(row, *picture, record->SkinRect, record->ClRect, true);
    TCanvas& C = row.Canvas();
    C.Font().SetName(record->FontName);
    C.Font().SetColor(record->FontColor);
    C.Font().SetHeight(record->FontHeight);
    C.Font().SetStyle(record->FontStyle);
    C.Brush().SetStyle(bsClear);
    TRect text(1, 1, w - 1, h - 1);
    DrawTextWide(C, item.Caption(), text, win::DT_SINGLELINE | win::DT_VCENTER | win::DT_CENTER);
    Cnvs.Draw(item.ItemRect.Left, item.ItemRect.Top, &row);
}
