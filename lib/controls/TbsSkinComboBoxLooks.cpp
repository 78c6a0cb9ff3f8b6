// The skinned looks of the closed combo box: the face in its two sizing modes, the drop-down
// button from the record or from a button record, the item's faces, and the tool-button look.
#include "lib/controls/TbsCustomEdit.h"
#include "lib/controls/TbsPopupListBox.h"
#include "lib/controls/TbsSkinComboBox.h"
#include "lib/controls/bsActivePicture.h"
#include "lib/controls/bsButtonRecordFace.h"
#include "lib/controls/bsRecordRects.h"
#include "lib/controls/bsStepButtonLooks.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindata/bsSkinListRecords.h"
#include "lib/skindraw/bsImageBuilders.h"
#include "lib/skindraw/bsMarks.h"
#include "platform/gfx/TBitmap.h"

namespace {

// A marker picture of a button record, centred in r, its transparent colour left out.
void DrawMarker(TCanvas& C, TBitmap& picture, const TRect& face, TColor transparent,
                const TRect& r) {
    if (face.IsEmpty()) return;
    TBitmap mark(face.Width(), face.Height());
    mark.Canvas().CopyRect(TRect(0, 0, face.Width(), face.Height()), picture.Canvas(), face);
    mark.SetTransparentMode(tmFixed);
    mark.SetTransparentColor(transparent);
    mark.SetTransparent(true);
    C.Draw(r.Left + r.Width() / 2 - face.Width() / 2, r.Top + r.Height() / 2 - face.Height() / 2,
           &mark);
}

// The first of the names that is a button record of the skin.
const TbsDataSkinButtonControl* FirstButtonRecord(const TbsSkinData* skin,
                                                  std::initializer_list<const char*> names) {
    for (const char* name : names)
        if (const TbsDataSkinButtonControl* record = FindButtonRecord(skin, name)) return record;
    return nullptr;
}

} // namespace

void TbsSkinCustomComboBox::GetSkinData() {
    TbsSkinCustomControl::GetSkinData();
    const auto* record = dynamic_cast<const TbsDataSkinComboBox*>(SkinRecord());
    if (!record) {
        ListBoxName.clear();
        return;
    }
    ActiveSkinRect = record->ActiveSkinRect;
    SItemRect = record->SItemRect;
    ActiveItemRect = record->ActiveItemRect;
    FocusItemRect = OrElse(record->FocusItemRect, SItemRect);
    ItemLeftOffset = record->ItemLeftOffset;
    ItemRightOffset = record->ItemRightOffset;
    ItemTextRect = record->ItemTextRect;
    FontName = record->FontName;
    FontStyle = record->FontStyle;
    FontHeight = record->FontHeight;
    FontColor = record->FontColor;
    FocusFontColor = record->FocusFontColor;
    ActiveFontColor = record->ActiveFontColor;
    ButtonRect = record->ButtonRect;
    ActiveButtonRect = record->ActiveButtonRect;
    DownButtonRect = record->DownButtonRect;
    UnEnabledButtonRect = record->UnEnabledButtonRect;
    ItemStretchEffect = record->ItemStretchEffect;
    FocusItemStretchEffect = record->FocusItemStretchEffect;
    ListBoxName = record->ListBoxName;
    ShowFocus = record->ShowFocus;
}

void TbsSkinCustomComboBox::ChangeSkinData() {
    TbsSkinCustomControl::ChangeSkinData();
    CalcRects();
    FListBox->SetSkinDataName(FIndex == -1 ? std::string() : ListBoxName);
    FListBox->SetSkinData(SkinData());
    FListBox->UpDateScrollBar();
    SetEditFont();
    if (FEdit) FEdit->SetEditTransparent(FIndex != -1);
    CalcRects();
    Invalidate();
}

void TbsSkinCustomComboBox::CalcSkinSize(int& AWidth, int& AHeight) {
    if (FUseSkinSize || FIndex == -1 || ResizeMode <= 0) {
        TbsSkinCustomControl::CalcSkinSize(AWidth, AHeight);
        return;
    }
    // Only the width follows the face; the height stays as asked.
    const int dx = AWidth - SkinRect.Width();
    NewLTPoint = LTPt;
    NewRTPoint = TPoint(RTPt.X + dx, RTPt.Y);
    NewClRect = TRect(ClRect.Left, ClRect.Top, ClRect.Right + dx, ClRect.Bottom);
}

void TbsSkinCustomComboBox::CalcRects() {
    if (FIndex == -1 || FToolButtonStyle) {
        Button.R = TRect(Width() - 19, 2, Width() - 2, Height() - 2);
        CBItem.R = TRect(2, 2, Button.R.Left - 1, Height() - 2);
        PlaceEdit();
        return;
    }
    const int dx = Width() - SkinRect.Width();
    Button.R = ButtonRect;
    if (ButtonRect.Left >= SkinRect.Width() - RTPt.X) {
        Button.R.Left += dx;
        Button.R.Right += dx;
    }
    CBItem.R = ClRect;
    CBItem.R.Right += dx;
    if (!FUseSkinSize) {
        const int dy = Height() - SkinRect.Height();
        CBItem.R.Bottom += dy;
        Button.R.Bottom += dy;
    }
    PlaceEdit();
}

bool TbsSkinCustomComboBox::IsHot() {
    return !ActiveSkinRect.IsEmpty() && (FMouseIn || Focused());
}

TColor TbsSkinCustomComboBox::GetDisabledFontColor() const {
    if (!FSD || FSD->Empty) return clGrayText;
    const int index = FSD->GetControlIndex("edit");
    if (index < 0 || std::size_t(index) >= FSD->CtrlList.size()) return clGrayText;
    // A record of another kind under the name has no disabled colour of an edit.
    const auto* record =
        dynamic_cast<const TbsDataSkinEditControl*>(FSD->CtrlList[std::size_t(index)].get());
    return record ? record->DisabledFontColor : clGrayText;
}

void TbsSkinCustomComboBox::CreateControlSkinImage(TBitmap& B) {
    CalcRects();
    if (FToolButtonStyle) {
        CreateControlToolSkinImage(B);
        return;
    }
    if (!Picture) {
        TbsSkinCustomControl::CreateControlSkinImage(B);
        return;
    }
    const bool hot = IsHot();
    if (!FUseSkinSize)
        StretchSkinImage(B, *Picture, hot ? ActiveSkinRect : SkinRect, ClRect, true);
    else if (hot)
        BuildHorzThreeSliceImage(LTPt.X, ActiveSkinRect.Width() - RTPt.X, B, *Picture,
                                 ActiveSkinRect, Width(), Height(), StretchEffect);
    else
        TbsSkinCustomControl::CreateControlSkinImage(B);
    TCanvas& C = B.Canvas();
    if (FUseSkinSize)
        DrawSkinButton(C);
    else
        DrawResizeButton(C);
    if (!FEdit) DrawSkinItem(C, !FUseSkinSize);
}

void TbsSkinCustomComboBox::DrawSkinButton(TCanvas& C) {
    TRect face;
    if (!Enabled() && !UnEnabledButtonRect.IsEmpty())
        face = UnEnabledButtonRect;
    else if (Button.Down && Button.MouseIn)
        face = DownButtonRect;
    else if (Button.MouseIn)
        face = ActiveButtonRect;
    // At rest the button is part of the face.
    if (!face.IsEmpty()) C.CopyRect(Button.R, Picture->Canvas(), face);
}

void TbsSkinCustomComboBox::DrawResizeButton(TCanvas& C) {
    const TbsDataSkinButtonControl* record =
        FirstButtonRecord(FSD, { "combobutton", "editbutton", "resizebutton" });
    if (!record || Button.R.IsEmpty()) return;
    const int w = Button.R.Width();
    const int h = Button.R.Height();
    const bool pressed = Button.Down && Button.MouseIn;
    TBitmap face(w, h);
    face.Canvas().CopyRect(TRect(0, 0, w, h), C, Button.R);
    DrawButtonRecordFace(face.Canvas(), *FSD, *record, Button.Down, Button.MouseIn,
                         TRect(0, 0, w, h));
    TBitmap* picture = ActivePictureOf(*FSD, record->PictureIndex);
    if (!record->MenuMarkerRect.IsEmpty() && picture) {
        const TRect& marker = pressed && !record->MenuMarkerDownRect.IsEmpty()
                                  ? record->MenuMarkerDownRect
                              : Button.MouseIn && !record->MenuMarkerActiveRect.IsEmpty()
                                  ? record->MenuMarkerActiveRect
                                  : record->MenuMarkerRect;
        DrawMarker(face.Canvas(), *picture, marker, record->MenuMarkerTransparentColor,
                   TRect(0, pressed ? 1 : 0, w, h + (pressed ? 1 : 0)));
    } else if (record->MenuMarkerRect.IsEmpty() && Enabled()) {
        const TColor colour = pressed          ? record->DownFontColor
                              : Button.MouseIn ? record->ActiveFontColor
                                               : record->FontColor;
        DrawArrowMark(face.Canvas(), TRect(0, pressed ? 2 : 0, w, h), colour, 4);
    }
    C.Draw(Button.R.Left, Button.R.Top, &face);
}

void TbsSkinCustomComboBox::DrawSkinItem(TCanvas& C, bool stretched) {
    const int w = CBItem.R.Width();
    if (w <= 0 || CBItem.R.Height() <= 0) return;
    const int h = stretched                  ? CBItem.R.Height()
                  : !SItemRect.IsEmpty()     ? SItemRect.Height()
                  : !FocusItemRect.IsEmpty() ? FocusItemRect.Height()
                                             : CBItem.R.Height();
    const bool focused = Focused();
    const bool hot = FMouseIn && !ActiveItemRect.IsEmpty() && !ActiveSkinRect.IsEmpty();
    TBitmap item(w, h);
    TCanvas& IC = item.Canvas();
    // What lies under the item already: a look without a face of its own shows it.
    IC.CopyRect(TRect(0, 0, w, h), C,
                TRect(CBItem.R.Left, CBItem.R.Top, CBItem.R.Left + w, CBItem.R.Top + h));
    const TRect& face = focused ? FocusItemRect : hot ? ActiveItemRect : SItemRect;
    if (!face.IsEmpty()) {
        TBitmap faceBitmap(w, h);
        if (stretched) {
            TRect guide = ItemTextRect;
            if (focused || hot) {
                guide = TRect(guide.Left + 1, guide.Top + 1, guide.Right - 1, guide.Bottom - 1);
                if (face.Width() < SItemRect.Width())
                    guide.Right -= SItemRect.Width() - face.Width();
                if (face.Height() < SItemRect.Height())
                    guide.Top -= SItemRect.Height() - face.Height();
            }
            StretchSkinImage(faceBitmap, *Picture, face, guide, true);
        } else {
            BuildHorzThreeSliceImage(ItemLeftOffset, ItemRightOffset, faceBitmap, *Picture, face, w,
                                     h, focused ? FocusItemStretchEffect : ItemStretchEffect);
        }
        IC.Draw(0, 0, &faceBitmap);
    }
    TRect text = ItemTextRect;
    text.Right += w - (SItemRect.IsEmpty() ? ClRect.Width() : SItemRect.Width());
    if (stretched) text.Bottom += Height() - SkinRect.Height();
    if (FUseSkinFont) {
        IC.Font().SetName(FontName);
        IC.Font().SetStyle(FontStyle);
        IC.Font().SetHeight(FontHeight);
    } else {
        IC.SetFont(FDefaultFont);
    }
    IC.Font().SetCharset(TextCharset());
    IC.Font().SetColor(focused                                 ? FocusFontColor
                       : FMouseIn && !ActiveSkinRect.IsEmpty() ? ActiveFontColor
                                                               : FontColor);
    if (!Enabled()) IC.Font().SetColor(GetDisabledFontColor());
    IC.Brush().SetStyle(bsClear);
    CBItem.State = focused ? TOwnerDrawState{ odFocused } : TOwnerDrawState{};
    const int index = ShownItemIndex();
    if (!OnComboBoxDrawItem && focused && ShowFocus &&
        ((index >= 0 && index < Items().Count()) || FPaintText))
        DrawDottedFocusRect(IC, TRect(0, 0, w, h));
    DrawItemBody(IC, text);
    C.Draw(CBItem.R.Left, CBItem.R.Top, &item);
}

void TbsSkinCustomComboBox::CreateControlToolDefaultImage(TBitmap& B) {
    TCanvas& C = B.Canvas();
    const bool hot = FMouseIn || Focused();
    DrawPlainButtonFace(C, TRect(0, 0, Width(), Height()),
                        FDropDown ? pbsPressed
                        : hot     ? pbsHot
                                  : pbsNormal);
    const int shift = FDropDown ? 2 : 0;
    C.SetFont(FDefaultFont);
    C.Font().SetCharset(TextCharset());
    // Disabled, text and arrow are greyed as in every other look.
    if (!Enabled()) C.Font().SetColor(clGrayText);
    C.Brush().SetStyle(bsClear);
    CBItem.State = Focused() ? TOwnerDrawState{ odFocused } : TOwnerDrawState{};
    DrawItemBody(C, TRect(2 + shift, 2 + shift, Width() - 17 + shift, Height() - 2 + shift));
    DrawDropDownMark(C, TRect(Width() - 15 + shift, shift, Width() + shift, Height() + shift),
                     C.Font().Color());
}

void TbsSkinCustomComboBox::CreateControlToolSkinImage(TBitmap& B) {
    const TbsDataSkinButtonControl* record =
        FirstButtonRecord(FSD, { "resizetoolbutton", "resizebutton" });
    if (!record) return;
    TBitmap* picture = ActivePictureOf(*FSD, record->PictureIndex);
    if (!picture) return;
    TCanvas& C = B.Canvas();
    const bool hot = FMouseIn || Focused();
    TRect face = FDropDown ? record->DownSkinRect : hot ? record->ActiveSkinRect : record->SkinRect;
    if (face.IsEmpty()) face = record->SkinRect;
    DrawNineSlice(C, NineSliceOf(*record), *picture, face, TRect(0, 0, Width(), Height()));
    const int shift = FDropDown ? 2 : 0;
    if (FUseSkinFont) {
        C.Font().SetName(record->FontName);
        C.Font().SetStyle(record->FontStyle);
        C.Font().SetHeight(record->FontHeight);
    } else {
        C.SetFont(FDefaultFont);
    }
    C.Font().SetCharset(TextCharset());
    C.Font().SetColor(FDropDown   ? record->DownFontColor
                      : hot       ? record->ActiveFontColor
                      : Enabled() ? record->FontColor
                                  : record->DisabledFontColor);
    C.Brush().SetStyle(bsClear);
    CBItem.State = Focused() ? TOwnerDrawState{ odFocused } : TOwnerDrawState{};
    DrawItemBody(C, TRect(2 + shift, 2 + shift, Width() - 17 + shift, Height() - 2 + shift));
    const TRect arrow(Width() - 15 + shift, shift, Width() + shift, Height() + shift);
    if (!record->MenuMarkerRect.IsEmpty()) {
        const TRect& marker = FDropDown && !record->MenuMarkerDownRect.IsEmpty()
                                  ? record->MenuMarkerDownRect
                              : (FDropDown || FMouseIn) && !record->MenuMarkerActiveRect.IsEmpty()
                                  ? record->MenuMarkerActiveRect
                                  : record->MenuMarkerRect;
        DrawMarker(C, *picture, marker, record->MenuMarkerTransparentColor, arrow);
    } else {
        DrawDropDownMark(C, arrow, FDropDown ? record->DownFontColor : C.Font().Color());
    }
}
