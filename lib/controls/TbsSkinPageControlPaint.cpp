// The page control's own look: the frame around the page area, the row of tabs in their state
// pictures (or the plain look), images, captions turned along side tabs.
#include "lib/controls/TbsSkinPageControl.h"

#include "lib/controls/TbsSkinTabSheet.h"
#include "lib/controls/bsActivePicture.h"
#include "lib/controls/bsButtonRecordFace.h"
#include "lib/controls/bsTileFill.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindata/bsSkinControlRecords.h"
#include "lib/skindata/bsSkinTabViewRecords.h"
#include "lib/skindraw/TbsEffectBmp.h"
#include "lib/skindraw/bsCaptionGlyphs.h"
#include "lib/skindraw/bsImageBuilders.h"
#include "lib/skindraw/bsMarks.h"
#include "lib/skindraw/bsParentBackground.h"
#include "platform/forms/CommCtrl.h"
#include "platform/forms/TImageList.h"
#include "platform/forms/TTabSheet.h"
#include "platform/gfx/DcStateSaver.h"
#include "platform/gfx/TBitmap.h"
#include "platform/gfx/TextDraw.h"
#include "platform/win/Win.h"

#include <algorithm>

using namespace win;

namespace {

// Plain-look tab fills (BGR).
constexpr TColor kPlainHotFace = TColor(0xD2BDB6);
constexpr TColor kPlainFocusedFace = TColor(0xB59385);

enum class TTurn { Anticlockwise, Clockwise, Upside };

// The bitmap turned a quarter (its sides exchanged) or flipped top to bottom.
void Turn(TBitmap& bitmap, TTurn turn) {
    if (bitmap.Width() < 1 || bitmap.Height() < 1) return;
    auto from = TbsEffectBmp::CreateFromhWnd(bitmap.Handle());
    if (!from) return;
    const bool quarter = turn != TTurn::Upside;
    const int width = quarter ? bitmap.Height() : bitmap.Width();
    const int height = quarter ? bitmap.Width() : bitmap.Height();
    TbsEffectBmp to(width, height);
    switch (turn) {
    case TTurn::Anticlockwise:
        from->Rotate90_1(to);
        break;
    case TTurn::Clockwise:
        from->Rotate90_2(to);
        break;
    case TTurn::Upside:
        from->FlipVert(to);
        break;
    }
    bitmap.SetSize(width, height);
    to.Draw(bitmap.Canvas().Handle(), 0, 0);
    bitmap.Canvas().Refresh();
}

bool SideTabs(TTabPosition position) {
    return position == tpLeft || position == tpRight;
}

} // namespace

TRect TbsSkinPageControl::Moved(const TRect& r, int dx, int dy) {
    return TRect(r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy);
}

bool TbsSkinPageControl::HasVisibleTabs() const {
    for (int i = 0; i < PageCount(); ++i)
        if (Pages(i)->TabVisible()) return true;
    return false;
}

int TbsSkinPageControl::TabPage(int tabIndex) const {
    int shown = 0;
    for (int i = 0; i < PageCount(); ++i) {
        if (!Pages(i)->TabVisible()) continue;
        if (shown == tabIndex) return i;
        ++shown;
    }
    return -1;
}

TRect TbsSkinPageControl::GetTabRect(int tabIndex) {
    RECT r{};
    if (!Perform(TCM_GETITEMRECT, WPARAM(tabIndex), LPARAM(&r))) return TRect();
    TRect rect(r);
    if (!MultiLine() && tabIndex == 0) ++rect.Left;
    return rect;
}

TRect TbsSkinPageControl::FrameThickness() const {
    const TbsDataSkinTabControl* record = TabRecord();
    if (!record) return TRect();
    return TRect(record->ClRect.Left, record->ClRect.Top,
                 record->SkinRect.Width() - record->ClRect.Right,
                 record->SkinRect.Height() - record->ClRect.Bottom);
}

TRect TbsSkinPageControl::GetActiveTabArea() {
    const int selected = TabIndex();
    if (selected < 0 || PageCount() == 0 || !HasVisibleTabs() || !ActivePage()) return TRect();
    TRect area = GetTabRect(selected);
    const TbsDataSkinTabControl* record = TabRecord();
    const int extra = record ? record->ActiveTabRect.Height() - record->TabRect.Height() : 0;
    switch (TabPosition()) {
    case tpTop:
        area.Bottom += extra;
        break;
    case tpBottom:
        area.Top -= extra;
        break;
    case tpLeft:
        area.Right += extra;
        break;
    case tpRight:
        area.Left -= extra;
        break;
    }
    return area;
}

void TbsSkinPageControl::Paint() {
    if (Width() <= 0 || Height() <= 0) return;
    GetSkinData();
    TCanvas& canvas = Canvas();
    gfx::DcStateSaver saved(canvas.Handle());
    if (TabRecord()) {
        if (!HasVisibleTabs()) PaintPageBackground(canvas);
        DrawSkinFrame(canvas);
    } else {
        DrawPlainFrame(canvas);
    }
    DrawTabs(canvas);
}

void TbsSkinPageControl::DrawPlainFrame(TCanvas& canvas) {
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(clBtnFace);
    canvas.FillRect(TRect(0, 0, Width(), Height()));
    if (FHideBorder) return;
    const TRect page = DisplayRect();
    const TRect frame(page.Left - 1, page.Top - 1, page.Right + 1, page.Bottom + 1);
    canvas.Brush().SetColor(clBtnShadow);
    canvas.FrameRect(frame);
}

void TbsSkinPageControl::PaintPageBackground(TCanvas& canvas) {
    const TbsDataSkinTabControl* record = TabRecord();
    if (!record || Width() < 1 || Height() < 1) return;
    const TRect area(0, 0, Width(), Height());
    // A number past the skin's pictures counts as no background picture.
    TBitmap* background =
        record->BGPictureIndex != -1 ? ActivePictureOf(*FSD, record->BGPictureIndex) : nullptr;
    if (background && background->Width() > 0 && background->Height() > 0) {
        FillWithPart(canvas, *background, TRect(0, 0, background->Width(), background->Height()),
                     area, record->StretchEffect, record->StretchType);
        return;
    }
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(clBtnFace);
    canvas.FillRect(area);
    TBitmap* frame = ActivePictureOf(*FSD, record->PictureIndex);
    TRect client = record->ClRect;
    client = Moved(client, record->SkinRect.Left, record->SkinRect.Top);
    if (frame && !client.IsEmpty())
        FillWithPart(canvas, *frame, client, area, record->StretchEffect, record->StretchType);
}

void TbsSkinPageControl::DrawSkinFrame(TCanvas& canvas) {
    if (FHideBorder) return;
    const TbsDataSkinTabControl* record = TabRecord();
    TBitmap* picture = record ? ActivePictureOf(*FSD, record->PictureIndex) : nullptr;
    if (!picture) return;
    const TRect thick = FrameThickness();
    const TRect page = DisplayRect();
    const TRect f(page.Left - thick.Left, page.Top - thick.Top, page.Right + thick.Right,
                  page.Bottom + thick.Bottom);
    if (f.Width() <= 0 || f.Height() <= 0) return;
    const int dw = f.Width() - record->SkinRect.Width();
    const int dh = f.Height() - record->SkinRect.Height();
    const TRect newClient(record->ClRect.Left, record->ClRect.Top, record->ClRect.Right + dw,
                          record->ClRect.Bottom + dh);
    TBitmap left, top, right, bottom;
    BuildNineSliceBorders(
        record->LTPoint, record->RTPoint, record->LBPoint, record->RBPoint, record->ClRect,
        record->LTPoint, TPoint(record->RTPoint.X + dw, record->RTPoint.Y),
        TPoint(record->LBPoint.X, record->LBPoint.Y + dh),
        TPoint(record->RBPoint.X + dw, record->RBPoint.Y + dh), newClient, left, top, right, bottom,
        *picture, record->SkinRect, f.Width(), f.Height(), record->LeftStretch, record->TopStretch,
        record->RightStretch, record->BottomStretch);
    gfx::DcStateSaver saved(canvas.Handle());
    // The selected tab joins the page where the frame would cross it.
    const TRect joint = FHideTabs ? TRect() : GetActiveTabArea();
    if (!joint.IsEmpty())
        ExcludeClipRect(canvas.Handle(), joint.Left, joint.Top, joint.Right, joint.Bottom);
    canvas.Draw(f.Left, f.Top, &top);
    canvas.Draw(f.Left, f.Top + top.Height(), &left);
    canvas.Draw(f.Left + f.Width() - right.Width(), f.Top + top.Height(), &right);
    canvas.Draw(f.Left, f.Top + f.Height() - bottom.Height(), &bottom);
}

void TbsSkinPageControl::DrawTabs(TCanvas& canvas) {
    if (FHideTabs || PageCount() == 0) return;
    const int selected = TabIndex();
    int shown = 0;
    for (int i = 0; i < PageCount(); ++i)
        if (Pages(i)->TabVisible()) ++shown;
    const TbsDataSkinTabControl* record = TabRecord();
    if (!record) {
        for (int i = 0; i < shown; ++i)
            DrawTab(TabPage(i), GetTabRect(i), i == selected, i == FActiveTabIndex, canvas);
        return;
    }
    const TRect thick = FrameThickness();
    const TRect page = DisplayRect();
    const TRect f(page.Left - thick.Left, page.Top - thick.Top, page.Right + thick.Right,
                  page.Bottom + thick.Bottom);
    TRect strip;
    switch (TabPosition()) {
    case tpTop:
        strip = TRect(0, 0, Width(), f.Top);
        break;
    case tpBottom:
        strip = TRect(0, f.Bottom, Width(), Height());
        break;
    case tpLeft:
        strip = TRect(0, 0, f.Left, Height());
        break;
    case tpRight:
        strip = TRect(f.Right, 0, Width(), Height());
        break;
    }
    if (strip.Width() > 0 && strip.Height() > 0) {
        TBitmap row(strip.Width(), strip.Height());
        const TRect rowArea(0, 0, strip.Width(), strip.Height());
        if (FTabsBGTransparent) {
            CopyTabsBackground(this, strip, row.Canvas());
        } else {
            TRect bgPart = record->TabsBGRect;
            if (bgPart.IsEmpty()) {
                bgPart = record->ClRect;
                bgPart = Moved(bgPart, record->SkinRect.Left, record->SkinRect.Top);
            }
            row.Canvas().Brush().SetColor(clBtnFace);
            row.Canvas().FillRect(rowArea);
            if (TBitmap* picture = ActivePictureOf(*FSD, record->PictureIndex))
                FillWithPart(row.Canvas(), *picture, bgPart, rowArea, false, bsstFull);
        }
        for (int i = 0; i < shown; ++i) {
            if (i == selected) continue;
            TRect r = GetTabRect(i);
            r = Moved(r, -strip.Left, -strip.Top);
            DrawTab(TabPage(i), r, false, i == FActiveTabIndex, row.Canvas());
        }
        gfx::DcStateSaver saved(canvas.Handle());
        const TRect joint = GetActiveTabArea();
        if (!joint.IsEmpty())
            ExcludeClipRect(canvas.Handle(), joint.Left, joint.Top, joint.Right, joint.Bottom);
        canvas.Draw(strip.Left, strip.Top, &row);
    }
    if (selected < 0 || selected >= shown) return;
    TRect r = GetTabRect(selected);
    const int rise = record->TabRect.Height() - record->ActiveTabRect.Height();
    if (TabPosition() == tpBottom) r = Moved(r, 0, rise);
    if (TabPosition() == tpRight) r = Moved(r, rise, 0);
    DrawTab(TabPage(selected), r, true, selected == FActiveTabIndex, canvas);
}

void TbsSkinPageControl::DrawTabFace(TBitmap& tab, bool selected, bool hot, bool focused) {
    TCanvas& c = tab.Canvas();
    const TRect whole(0, 0, tab.Width(), tab.Height());
    const TbsDataSkinTabControl* record = TabRecord();
    if (!record) {
        c.Brush().SetStyle(bsSolid);
        if (selected) {
            c.Brush().SetColor(clNavy);
            c.FillRect(whole);
            c.Brush().SetColor(focused ? kPlainFocusedFace : kPlainHotFace);
            c.FillRect(TRect(1, 1, whole.Right - 1, whole.Bottom - 1));
        } else {
            c.Brush().SetColor(hot ? kPlainHotFace : clBtnFace);
            c.FillRect(whole);
        }
        return;
    }
    const TRect& activeRect =
        record->ActiveTabRect.IsEmpty() ? record->TabRect : record->ActiveTabRect;
    const TRect& focusRect =
        record->FocusTabRect.IsEmpty() ? record->ActiveTabRect : record->FocusTabRect;
    TRect source;
    if (hot && !selected && !record->MouseInTabRect.IsEmpty())
        source = record->MouseInTabRect;
    else if (selected && focused && !focusRect.IsEmpty())
        source = focusRect;
    else if (!selected)
        source = record->TabRect;
    else
        source = activeRect;
    TBitmap* picture = ActivePictureOf(*FSD, record->PictureIndex);
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(clBtnFace);
    c.FillRect(whole);
    if (!picture || source.IsEmpty()) return;
    if (TabHeight() <= 0) {
        BuildHorzThreeSliceImage(record->TabLeftOffset, record->TabRightOffset, tab, *picture,
                                 source, tab.Width(), tab.Height(), record->TabStretchEffect);
    } else {
        const int q = record->TabRect.Height() / 4;
        StretchSkinImage(tab, *picture, source,
                         TRect(record->TabLeftOffset, q, source.Width() - record->TabRightOffset,
                               source.Height() - q),
                         true);
    }
    if (TabPosition() == tpBottom) Turn(tab, TTurn::Upside);
}

void TbsSkinPageControl::SetTabFont(TCanvas& canvas, bool selected, bool hot, bool focused) {
    canvas.Brush().SetStyle(bsClear);
    canvas.SetFont(Font());
    const TbsDataSkinTabControl* record = TabRecord();
    if (!record) return;
    if (FUseSkinFont) {
        canvas.Font().SetName(record->FontName);
        canvas.Font().SetHeight(record->FontHeight);
        canvas.Font().SetStyle(record->FontStyle);
    }
    if (hot && !selected)
        canvas.Font().SetColor(record->MouseInFontColor);
    else if (selected && focused)
        canvas.Font().SetColor(record->FocusFontColor);
    else
        canvas.Font().SetColor(selected ? record->ActiveFontColor : record->FontColor);
}

void TbsSkinPageControl::DrawTabContent(TBitmap& tab, int pageIndex, const TRect& content,
                                        int imageOffset, int closeRoom, bool selected, bool hot) {
    TCanvas& c = tab.Canvas();
    TTabSheet* page = Pages(pageIndex);
    if (OnDrawSkinTab) {
        OnDrawSkinTab(pageIndex, TRect(0, 0, tab.Width(), tab.Height()), selected, hot, c);
        return;
    }
    const int imageIndex = page->ImageIndex();
    const bool hasImage = FTabImages && imageIndex >= 0 && imageIndex < FTabImages->Count();
    if (FTabExtededDraw) {
        TRect room = content;
        room.Right -= closeRoom;
        DrawImageAndCaption(c, room, FTabMargin, FTabSpacing, FTabLayout, page->Caption(),
                            imageIndex, FTabImages, false, page->Enabled(), false, clBlack);
        return;
    }
    if (hasImage) {
        const std::string& caption = page->Caption();
        const int textWidth = caption.empty() ? 0 : c.TextWidth(caption) + 2;
        const int imageWidth = FTabImages->Width();
        const int x = (tab.Width() - closeRoom) / 2 - (textWidth + imageWidth + 2) / 2;
        const int y = content.Top + (content.Height() - FTabImages->Height()) / 2 + imageOffset;
        FTabImages->Draw(c, x, y, imageIndex, page->Enabled());
        RECT text =
            TRect(x + imageWidth + 2, content.Top, x + imageWidth + 2 + textWidth, content.Bottom);
        DrawText(c.Handle(), caption, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        return;
    }
    RECT text = TRect(content.Left, content.Top, content.Right - closeRoom, content.Bottom);
    DrawText(c.Handle(), page->Caption(), &text,
             DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void TbsSkinPageControl::DrawTab(int pageIndex, const TRect& rect, bool selected, bool hot,
                                 TCanvas& canvas) {
    if (FHideTabs || pageIndex < 0 || pageIndex >= PageCount() || rect.IsEmpty()) return;
    const TbsDataSkinTabControl* record = TabRecord();
    const bool side = SideTabs(TabPosition());
    const bool focused = selected && Focused();
    // The tab is built lying along a top row; side tabs are turned on the way out.
    int width = side ? rect.Height() : rect.Width();
    int height = side ? rect.Width() : rect.Height();
    const TRect* face = nullptr;
    if (record) {
        face = !selected ? &record->TabRect
                         : (focused && !record->FocusTabRect.IsEmpty()
                                ? &record->FocusTabRect
                                : (record->ActiveTabRect.IsEmpty() ? &record->TabRect
                                                                   : &record->ActiveTabRect));
        if (TabHeight() <= 0) {
            if (!face->IsEmpty()) height = face->Height();
        } else if (selected) {
            height += face->Height() - record->TabRect.Height();
        }
    }
    if (width < 1 || height < 1) return;
    TBitmap tab(width, height);
    DrawTabFace(tab, selected, hot, focused);
    const bool upright = side && FTextInHorizontal;
    if (upright) Turn(tab, TabPosition() == tpLeft ? TTurn::Anticlockwise : TTurn::Clockwise);
    if (record && record->ShowFocus && focused) {
        tab.Canvas().Brush().SetStyle(bsSolid);
        tab.Canvas().Brush().SetColor(FSD->FSkinColors.FcBtnFace);
        DrawDottedFocusRect(tab.Canvas(), TRect(record->FocusOffsetX, record->FocusOffsetY,
                                                tab.Width() - record->FocusOffsetX,
                                                tab.Height() - record->FocusOffsetY));
    }
    TRect content(0, 0, tab.Width(), tab.Height());
    int imageOffset = 0;
    // A tab not selected sits lower than the taller selected one: its content follows it.
    if (record && !selected && record->ActiveTabRect.Height() > record->TabRect.Height()) {
        imageOffset = TabPosition() == tpTop || TabPosition() == tpLeft ? 2 : -2;
        content = Moved(content, 0, imageOffset);
    }
    const int closeRoom = FShowCloseButtons ? FCloseSize + 2 + (record ? 3 : 0) : 0;
    SetTabFont(tab.Canvas(), selected, hot, focused);
    DrawTabContent(tab, pageIndex, content, imageOffset, closeRoom, selected, hot);
    if (FShowCloseButtons) DrawCloseButton(tab, pageIndex, content.Right - closeRoom, hot);
    if (side && !upright)
        Turn(tab, TabPosition() == tpLeft ? TTurn::Anticlockwise : TTurn::Clockwise);
    canvas.Draw(rect.Left, rect.Top, &tab);
}

void TbsSkinPageControl::DrawCloseButton(TBitmap& tab, int pageIndex, int bandLeft, bool hot) {
    auto* sheet = dynamic_cast<TbsSkinTabSheet*>(Pages(pageIndex));
    if (!sheet) return;
    if (!hot) sheet->ButtonMouseIn = false;
    const bool in = sheet->ButtonMouseIn;
    const bool down = in && sheet->ButtonMouseDown;
    const TbsDataSkinTabControl* record = TabRecord();
    const TRect* picture = nullptr;
    if (record && !record->CloseButtonRect.IsEmpty()) {
        const TRect& active = record->CloseButtonActiveRect.IsEmpty()
                                  ? record->CloseButtonRect
                                  : record->CloseButtonActiveRect;
        const TRect& pressed =
            record->CloseButtonDownRect.IsEmpty() ? active : record->CloseButtonDownRect;
        picture = down ? &pressed : (in ? &active : &record->CloseButtonRect);
    }
    const int size = picture ? picture->Width() : FCloseSize;
    const int height = picture ? picture->Height() : size;
    const int x = bandLeft + (tab.Width() - bandLeft - size) / 2;
    const int y = (tab.Height() - height) / 2;
    const TRect button(x, y, x + size, y + height);
    TCanvas& c = tab.Canvas();
    if (!record) {
        DrawCloseGlyph(c, x + 2, y + 2, in ? clWhite : clBlack);
    } else if (picture) {
        TBitmap* source = ActivePictureOf(*FSD, record->PictureIndex);
        if (!source) return;
        TBitmap part(size, height);
        part.Canvas().CopyRect(TRect(0, 0, size, height), source->Canvas(), *picture);
        if (record->ButtonTransparent) {
            part.SetTransparentColor(record->ButtonTransparentColor);
            part.SetTransparent(true);
        }
        c.Draw(x, y, &part);
    } else if (const TbsDataSkinButtonControl* look = FindButtonRecord(FSD, "resizetoolbutton")) {
        DrawButtonRecordFace(c, *FSD, *look, down, in, button);
        const TColor colour =
            down ? look->DownFontColor : (in ? look->ActiveFontColor : look->FontColor);
        DrawCloseGlyph(c, x + size / 2 - 5, y + size / 2 - 5, colour);
    } else {
        return;
    }
    // Kept as the pointer will find it: side tabs are turned after this.
    const int w = tab.Width();
    const int h = tab.Height();
    if (TabPosition() == tpLeft && !FTextInHorizontal)
        sheet->ButtonRect = TRect(button.Top, w - button.Right, button.Bottom, w - button.Left);
    else if (TabPosition() == tpRight && !FTextInHorizontal)
        sheet->ButtonRect = TRect(h - button.Bottom, button.Left, h - button.Top, button.Right);
    else
        sheet->ButtonRect = button;
}
