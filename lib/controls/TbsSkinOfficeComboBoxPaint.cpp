// The looks of the office picker: the tool-button looks, the skinned look in both sizing
// modes, the plain look and PaintSkinTo.
#include "lib/controls/TbsPopupOfficeListBox.h"
#include "lib/controls/TbsSkinOfficeComboBox.h"
#include "lib/controls/bsActivePicture.h"
#include "lib/controls/bsButtonRecordFace.h"
#include "lib/controls/bsSkinPictureParts.h"
#include "lib/controls/bsStepButtonLooks.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindata/bsSkinListRecords.h"
#include "lib/skindraw/bsGlyphLayout.h"
#include "lib/skindraw/bsImageBuilders.h"
#include "lib/skindraw/bsMarks.h"
#include "lib/skindraw/bsTextDrawing.h"
#include "platform/forms/TImageList.h"
#include "platform/gfx/TBitmap.h"

namespace {

// While the list is open the item's area loses 2 px at its left and top.
TRect Shifted(TRect r, bool open) {
    if (open) {
        r.Left += 2;
        r.Top += 2;
    }
    return r;
}

// ... and the drop-down mark moves 2 px right and down, as a pressed button's content does.
TRect Moved(TRect r, bool open) {
    const int d = open ? 2 : 0;
    return TRect(r.Left + d, r.Top + d, r.Right + d, r.Bottom + d);
}

// A marker cut from the picture, its transparent colour left out, centred in area.
void DrawCentredMarker(TCanvas& C, TBitmap* picture, const TRect& source, TColor transparent,
                       const TRect& area, int dy) {
    if (!picture || source.IsEmpty()) return;
    TBitmap mark(source.Width(), source.Height());
    mark.Canvas().CopyRect(TRect(0, 0, source.Width(), source.Height()), picture->Canvas(), source);
    mark.SetTransparentMode(tmFixed);
    mark.SetTransparentColor(transparent);
    mark.SetTransparent(true);
    C.Draw(area.Left + area.Width() / 2 - source.Width() / 2,
           area.Top + area.Height() / 2 - source.Height() / 2 + dy, &mark);
}

// The part of the control's image under r, as an item background.
void CopyUnder(TBitmap& item, TBitmap& image, const TRect& r) {
    item.Canvas().CopyRect(TRect(0, 0, item.Width(), item.Height()), image.Canvas(), r);
}

} // namespace

void TbsSkinCustomOfficeComboBox::DrawShownItem(TCanvas& C, TRect content, const std::string* text,
                                                bool titleLine, int titleGap) {
    const int index = ShownIndex();
    if (index < 0 || index >= Items().Count()) return;
    const TbsSkinOfficeItem& item = *Items()[index];
    if (OnDrawItem) {
        C.Brush().SetStyle(bsClear);
        OnDrawItem(C, index, content);
        return;
    }
    const std::string& caption = text ? *text : item.Caption();
    if (titleLine && FShowItemText && FShowItemTitle && !item.Title().empty()) {
        TFontStyles style = C.Font().Style();
        style.Include(fsBold);
        C.Font().SetStyle(style);
        TRect title = content;
        title.Bottom = title.Top + C.TextHeight(item.Title());
        DrawTextWide(C, item.Title(), title, 0);
        style.Exclude(fsBold);
        C.Font().SetStyle(style);
        content.Top = title.Bottom - titleGap;
    }
    if (FShowItemImage) {
        TCustomImageList* images = Images();
        const bool hasImage =
            images && item.ImageIndex() >= 0 && item.ImageIndex() < images->Count();
        DrawImageAndCaptionLeft(C, content, 0, 2, blGlyphLeft,
                                FShowItemText ? caption : std::string(),
                                hasImage ? item.ImageIndex() : -1, hasImage ? images : nullptr,
                                false, Enabled(), false, clNone);
    } else if (FShowItemText) {
        DrawTextClipVCenter(C, caption, content);
    }
}

void TbsSkinCustomOfficeComboBox::CreateControlToolSkinImage(TBitmap& B, const std::string* text) {
    const TbsDataSkinButtonControl* record = FindButtonRecord(FSD, "resizetoolbutton");
    if (!record) record = FindButtonRecord(FSD, "resizebutton");
    if (!record) return;
    TBitmap* picture = ActivePictureOf(*FSD, record->PictureIndex);
    TCanvas& C = B.Canvas();
    const int w = Width(), h = Height();
    if (picture) {
        TRect face = FDropDown ? record->DownSkinRect
                     : Hot()   ? record->ActiveSkinRect
                               : record->SkinRect;
        if (face.IsEmpty()) face = record->SkinRect;
        DrawNineSlice(C, NineSliceOf(*record), *picture, face, TRect(0, 0, w, h));
    }
    TFont font;
    ChooseSkinFont(font, FSD, DefaultFont(), UseSkinFont(), record->FontName, record->FontHeight,
                   record->FontStyle);
    C.SetFont(font);
    C.Font().SetColor(FDropDown   ? record->DownFontColor
                      : Hot()     ? record->ActiveFontColor
                      : Enabled() ? record->FontColor
                                  : record->DisabledFontColor);
    C.Brush().SetStyle(bsClear);
    DrawShownItem(C, Shifted(TRect(2, 2, w - 17, h - 2), FDropDown), text, true, 2);
    DrawToolMarker(C, *record, Moved(TRect(w - 15, 0, w, h), FDropDown));
}

void TbsSkinCustomOfficeComboBox::DrawToolMarker(TCanvas& C, const TbsDataSkinButtonControl& record,
                                                 const TRect& area) {
    if (record.MenuMarkerRect.IsEmpty()) {
        DrawDropDownMark(C, area, FDropDown ? record.DownFontColor : C.Font().Color());
        return;
    }
    TRect marker = record.MenuMarkerRect;
    if (FDropDown && !record.MenuMarkerDownRect.IsEmpty())
        marker = record.MenuMarkerDownRect;
    else if ((FMouseIn || FDropDown) && !record.MenuMarkerActiveRect.IsEmpty())
        marker = record.MenuMarkerActiveRect;
    // The marker comes from the picker's own picture, or the button's where it has none.
    TBitmap* picture = Picture ? Picture : ActivePictureOf(*FSD, record.PictureIndex);
    DrawCentredMarker(C, picture, marker, record.MenuMarkerTransparentColor, area, 0);
}

void TbsSkinCustomOfficeComboBox::CreateControlToolDefaultImage(TBitmap& B,
                                                                const std::string* text) {
    TCanvas& C = B.Canvas();
    const int w = Width(), h = Height();
    DrawPlainButtonFace(C, TRect(0, 0, w, h), FDropDown ? pbsPressed : Hot() ? pbsHot : pbsNormal);
    C.SetFont(DefaultFont());
    C.Brush().SetStyle(bsClear);
    DrawShownItem(C, Shifted(TRect(2, 2, w - 17, h - 2), FDropDown), text, true, 2);
    DrawDropDownMark(C, Moved(TRect(w - 15, 0, w, h), FDropDown), C.Font().Color());
}

void TbsSkinCustomOfficeComboBox::CreateControlSkinImage(TBitmap& B) {
    CalcRects();
    if (FToolButtonStyle) {
        CreateControlToolSkinImage(B, nullptr);
        return;
    }
    DrawSkinBackground(B);
    if (FUseSkinSize) {
        DrawButton(B.Canvas());
        DrawSkinItem(B);
    } else {
        DrawResizeButton(B.Canvas());
        DrawResizeSkinItem(B);
    }
}

void TbsSkinCustomOfficeComboBox::DrawSkinBackground(TBitmap& B) {
    if (!Picture) {
        TbsSkinCustomControl::CreateControlSkinImage(B);
        return;
    }
    const bool hot = !ActiveSkinRect.IsEmpty() && Hot();
    if (!FUseSkinSize) {
        StretchSkinImage(B, *Picture, hot ? ActiveSkinRect : SkinRect, ClRect, true);
    } else if (hot) {
        TBitmap face;
        BuildHorzThreeSliceImage(LTPt.X, ActiveSkinRect.Width() - RTPt.X, face, *Picture,
                                 ActiveSkinRect, Width(), Height(), StretchEffect);
        B.Canvas().Draw(0, 0, &face);
    } else {
        TbsSkinCustomControl::CreateControlSkinImage(B);
    }
}

void TbsSkinCustomOfficeComboBox::DrawButton(TCanvas& C) {
    if (FIndex == -1) {
        const TbsPlainButtonState state = Button.Down && Button.MouseIn ? pbsPressed
                                          : Button.MouseIn              ? pbsHot
                                                                        : pbsNormal;
        DrawPlainButtonFace(C, Button.R, state);
        DrawArrowMark(C, Button.R, Enabled() ? clBlack : clBtnShadow, adDown);
        return;
    }
    TRect face;
    if (!Enabled() && !UnEnabledButtonRect.IsEmpty())
        face = UnEnabledButtonRect;
    else if (Button.Down && Button.MouseIn)
        face = DownButtonRect;
    else if (Button.MouseIn)
        face = ActiveButtonRect;
    if (face.IsEmpty() || !Picture) return;
    C.CopyRect(Button.R, Picture->Canvas(), face);
}

void TbsSkinCustomOfficeComboBox::DrawResizeButton(TCanvas& C) {
    const TbsDataSkinButtonControl* record = nullptr;
    for (const char* name : { "combobutton", "editbutton", "resizebutton" })
        if ((record = FindButtonRecord(FSD, name))) break;
    if (!record || Button.R.IsEmpty()) return;
    DrawButtonRecordFace(C, *FSD, *record, Button.Down, Button.MouseIn, Button.R);
    const bool pressed = Button.Down && Button.MouseIn;
    if (record->MenuMarkerRect.IsEmpty()) {
        if (!Enabled()) return;
        TRect area = Button.R;
        if (pressed) area.Top += 2;
        DrawArrowMark(C, area,
                      pressed          ? record->DownFontColor
                      : Button.MouseIn ? record->ActiveFontColor
                                       : record->FontColor,
                      adDown);
        return;
    }
    TRect marker = record->MenuMarkerRect;
    if (pressed && !record->MenuMarkerDownRect.IsEmpty())
        marker = record->MenuMarkerDownRect;
    else if (Button.MouseIn && !record->MenuMarkerActiveRect.IsEmpty())
        marker = record->MenuMarkerActiveRect;
    DrawCentredMarker(C, Picture, marker, record->MenuMarkerTransparentColor, Button.R,
                      pressed ? 1 : 0);
}

TColor TbsSkinCustomOfficeComboBox::DisabledItemFontColor() const {
    if (!FSD || FSD->Empty) return clGrayText;
    const int index = FSD->GetControlIndex("edit");
    if (index < 0) return clGrayText;
    const auto* edit =
        dynamic_cast<const TbsDataSkinEditControl*>(FSD->CtrlList[std::size_t(index)].get());
    return edit ? edit->DisabledFontColor : clGrayText;
}

void TbsSkinCustomOfficeComboBox::DrawSkinItem(TBitmap& B) {
    const int w = CBItem.R.Width();
    if (w < 1 || !Picture) return;
    // The height of the item's picture; without one the item area's own.
    const int h = !SItemRect.IsEmpty()       ? SItemRect.Height()
                  : !FocusItemRect.IsEmpty() ? FocusItemRect.Height()
                                             : CBItem.R.Height();
    if (h < 1) return;
    TBitmap item(w, h);
    const bool focused = Focused();
    auto background = [&](const TRect& face, bool stretch) {
        if (face.IsEmpty()) {
            CopyUnder(item, B, CBItem.R);
            return;
        }
        TBitmap slice;
        BuildHorzThreeSliceImage(ItemLeftOffset, ItemRightOffset, slice, *Picture, face, w, h,
                                 stretch);
        item.Canvas().Draw(0, 0, &slice);
    };
    if (focused)
        background(FocusItemRect, FocusItemStretchEffect);
    else if (FMouseIn && !ActiveItemRect.IsEmpty() && !ActiveSkinRect.IsEmpty())
        background(ActiveItemRect, ItemStretchEffect);
    else
        background(SItemRect, ItemStretchEffect);
    TRect content = ItemTextRect;
    content.Right += w - (SItemRect.IsEmpty() ? ClRect.Width() : SItemRect.Width());
    TCanvas& IC = item.Canvas();
    TFont font;
    ChooseSkinFont(font, FSD, DefaultFont(), UseSkinFont(), FontName, FontHeight, FontStyle);
    IC.SetFont(font);
    IC.Font().SetColor(!Enabled()                              ? DisabledItemFontColor()
                       : focused                               ? FocusFontColor
                       : FMouseIn && !ActiveSkinRect.IsEmpty() ? ActiveFontColor
                                                               : FontColor);
    IC.Brush().SetStyle(bsClear);
    DrawShownItem(IC, content, nullptr, false, 0);
    B.Canvas().Draw(CBItem.R.Left, CBItem.R.Top, &item);
}

void TbsSkinCustomOfficeComboBox::DrawResizeSkinItem(TBitmap& B) {
    const int w = CBItem.R.Width(), h = CBItem.R.Height();
    if (w < 1 || h < 1 || !Picture) return;
    TBitmap item(w, h);
    const bool focused = Focused();
    auto background = [&](const TRect& face, int inset) {
        if (face.IsEmpty()) {
            CopyUnder(item, B, CBItem.R);
            return;
        }
        // A picture wider than the item's own moves the guide's right edge in by the difference.
        const int dw = SItemRect.IsEmpty() ? 0 : face.Width() - SItemRect.Width();
        const TRect guide(ItemTextRect.Left + inset, ItemTextRect.Top + inset,
                          ItemTextRect.Right - inset + dw, ItemTextRect.Bottom - inset);
        StretchSkinImage(item, *Picture, face, guide, true);
    };
    if (focused)
        background(FocusItemRect, 1);
    else if (FMouseIn && !ActiveItemRect.IsEmpty() && !ActiveSkinRect.IsEmpty())
        background(ActiveItemRect, 1);
    else
        background(SItemRect, 0);
    TRect content = ItemTextRect;
    content.Right += w - (SItemRect.IsEmpty() ? ClRect.Width() : SItemRect.Width());
    content.Bottom += Height() - SkinRect.Height();
    TCanvas& IC = item.Canvas();
    TFont font;
    ChooseSkinFont(font, FSD, DefaultFont(), UseSkinFont(), FontName, FontHeight, FontStyle);
    IC.SetFont(font);
    IC.Font().SetColor(focused                                 ? FocusFontColor
                       : FMouseIn && !ActiveSkinRect.IsEmpty() ? ActiveFontColor
                                                               : FontColor);
    const int index = ShownIndex();
    if (index >= 0 && index < Items().Count()) {
        if (focused && ShowFocus) {
            IC.Brush().SetStyle(bsSolid);
            IC.Brush().SetColor(FSD->FSkinColors.FcBtnFace);
            IC.DrawFocusRect(TRect(0, 0, w, h));
        }
        content.Left += 1;
        IC.Brush().SetStyle(bsClear);
        DrawShownItem(IC, content, nullptr, true, 2);
    }
    B.Canvas().Draw(CBItem.R.Left, CBItem.R.Top, &item);
}

void TbsSkinCustomOfficeComboBox::CreateDefaultFace(TBitmap& B) {
    CalcRects();
    TCanvas& C = B.Canvas();
    const TRect all(0, 0, Width(), Height());
    C.Brush().SetStyle(bsSolid);
    C.Brush().SetColor(clBtnFace);
    C.FillRect(all);
    C.Brush().SetColor(clBtnShadow);
    C.FrameRect(all);
    C.Brush().SetColor(FDefaultColor);
    C.FillRect(TRect(2, 2, Width() - 2, Height() - 2));
    DrawButton(C);
}

void TbsSkinCustomOfficeComboBox::CreateControlDefaultImage(TBitmap& B) {
    CalcRects();
    if (FToolButtonStyle) {
        CreateControlToolDefaultImage(B, nullptr);
        return;
    }
    CreateDefaultFace(B);
    DrawDefaultItem(B.Canvas());
}

void TbsSkinCustomOfficeComboBox::DrawDefaultItem(TCanvas& C) {
    if (CBItem.R.Width() <= 0 || CBItem.R.Height() <= 0) return;
    TBitmap item(CBItem.R.Width(), CBItem.R.Height());
    TCanvas& IC = item.Canvas();
    const bool focused = Focused();
    TFont font;
    ChooseSkinFont(font, FSD, DefaultFont(), true, Font().Name(), Font().Height(), Font().Style());
    IC.SetFont(font);
    IC.Brush().SetStyle(bsSolid);
    IC.Brush().SetColor(focused ? clHighlight : FDefaultColor);
    IC.Font().SetColor(focused ? clHighlightText : DefaultFont().Color());
    const TRect all(0, 0, item.Width(), item.Height());
    IC.FillRect(all);
    CBItem.State = focused ? TOwnerDrawState{ odFocused } : TOwnerDrawState{};
    IC.Brush().SetStyle(bsClear);
    DrawShownItem(IC, TRect(2, 0, all.Right - 2, all.Bottom), nullptr, true, 2);
    if (focused) IC.DrawFocusRect(all);
    C.Draw(CBItem.R.Left, CBItem.R.Top, &item);
}

void TbsSkinCustomOfficeComboBox::PaintSkinTo(TCanvas& C, int X, int Y, const std::string& AText) {
    if (Width() <= 0 || Height() <= 0) return;
    TBitmap B(Width(), Height());
    GetSkinData();
    const std::string saved = Text();
    SetText(AText);
    CalcRects();
    if (FToolButtonStyle) {
        if (FIndex == -1)
            CreateControlToolDefaultImage(B, &AText);
        else
            CreateControlToolSkinImage(B, &AText);
    } else {
        TCanvas& BC = B.Canvas();
        if (FIndex == -1) {
            CreateDefaultFace(B);
            BC.SetFont(DefaultFont());
        } else {
            if (FUseSkinSize)
                DrawSkinBackground(B);
            else if (Picture)
                StretchSkinImage(B, *Picture, SkinRect, ClRect, true);
            if (FUseSkinSize)
                DrawButton(BC);
            else
                DrawResizeButton(BC);
            BC.Font().SetStyle(FontStyle);
            BC.Font().SetColor(FontColor);
            BC.Font().SetHeight(FontHeight);
            BC.Font().SetName(FontName);
        }
        BC.Brush().SetStyle(bsClear);
        DrawTextClipVCenter(BC, AText, CBItem.R);
    }
    SetText(saved);
    C.Draw(X, Y, &B);
}
