// The plain look of the closed combo box, the item it shows, and painting it for others.
#include "lib/controls/TbsCustomEdit.h"
#include "lib/controls/TbsPopupListBox.h"
#include "lib/controls/TbsSkinComboBox.h"
#include "lib/controls/bsStepButtonLooks.h"
#include "lib/skindata/TbsResourceStrData.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindraw/bsMarks.h"
#include "lib/skindraw/bsTextDrawing.h"
#include "platform/gfx/TBitmap.h"

int TbsSkinCustomComboBox::ShownItemIndex() {
    return FDropDown ? FOldItemIndex : ItemIndex();
}

TFontCharset TbsSkinCustomComboBox::TextCharset() const {
    const TbsResourceStrData* strings = FSD ? FSD->ResourceStrData() : nullptr;
    return strings ? strings->CharSet() : FDefaultFont.Charset();
}

TbsItemDecor TbsSkinCustomComboBox::ItemDecor() {
    TbsItemDecor decor;
    decor.Images = Images();
    decor.ImageIndex = ImageIndex();
    decor.TabWidths = &TabWidths();
    return decor;
}

void TbsSkinCustomComboBox::DrawItemBody(TCanvas& IC, const TRect& textRect) {
    const int index = ShownItemIndex();
    const bool valid = index >= 0 && index < Items().Count();
    if (!valid && !FPaintText) return;
    if (OnComboBoxDrawItem && valid) {
        OnComboBoxDrawItem(this, IC, index, textRect.Width(), textRect.Height(), textRect,
                           CBItem.State);
        return;
    }
    const std::string text = FPaintText ? *FPaintText : Items()[index];
    DrawItemContent(IC, text, index, textRect, ItemDecor());
}

void TbsSkinCustomComboBox::CreateControlDefaultImage(TBitmap& B) {
    CalcRects();
    if (FToolButtonStyle) {
        CreateControlToolDefaultImage(B);
        return;
    }
    TCanvas& C = B.Canvas();
    const TRect r(0, 0, Width(), Height());
    C.Brush().SetStyle(bsSolid);
    C.Brush().SetColor(clBtnFace);
    C.FillRect(r);
    C.Brush().SetColor(clBtnShadow);
    C.FrameRect(r);
    C.Brush().SetColor(FDefaultColor);
    C.FillRect(TRect(2, 2, Width() - 2, Height() - 2));
    DrawPlainButton(C);
    if (!FEdit) DrawDefaultItem(C);
}

void TbsSkinCustomComboBox::DrawPlainButton(TCanvas& C) {
    const TbsPlainButtonState state = Button.Down && Button.MouseIn ? pbsPressed
                                      : Button.MouseIn              ? pbsHot
                                                                    : pbsNormal;
    DrawPlainButtonFace(C, Button.R, state);
    DrawArrowMark(C, Button.R, Enabled() ? clBlack : clBtnShadow, adDown);
}

void TbsSkinCustomComboBox::DrawDefaultItem(TCanvas& C) {
    if (CBItem.R.Width() <= 0 || CBItem.R.Height() <= 0) return;
    TBitmap item;
    item.SetWidth(CBItem.R.Width());
    item.SetHeight(CBItem.R.Height());
    TCanvas& IC = item.Canvas();
    const bool focused = Focused();
    IC.SetFont(Font());
    IC.Font().SetCharset(TextCharset());
    IC.Brush().SetStyle(bsSolid);
    IC.Brush().SetColor(focused ? clHighlight : FDefaultColor);
    IC.Font().SetColor(focused ? clHighlightText : DefaultFont().Color());
    const TRect all(0, 0, item.Width(), item.Height());
    IC.FillRect(all);
    CBItem.State = focused ? TOwnerDrawState{ odFocused } : TOwnerDrawState{};
    DrawItemBody(IC, TRect(2, 0, all.Right - 2, all.Bottom));
    if (focused) DrawDottedFocusRect(IC, all);
    C.Draw(CBItem.R.Left, CBItem.R.Top, &item);
}

void TbsSkinCustomComboBox::PaintSkinTo(TCanvas& C, int X, int Y, const std::string& AText) {
    if (Width() <= 0 || Height() <= 0) return;
    GetSkinData();
    TBitmap B(Width(), Height());
    // The text stands in for the chosen item's only while drawing: assigning it to Text would
    // fire the text-change event twice for a mere paint.
    FPaintText = AText;
    try {
        if (FIndex == -1)
            CreateControlDefaultImage(B);
        else
            CreateControlSkinImage(B);
    } catch (...) {
        FPaintText.reset();
        throw;
    }
    FPaintText.reset();
    C.Draw(X, Y, &B);
}
