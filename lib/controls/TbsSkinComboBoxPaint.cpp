// The looks of the closed combo box.
#include "lib/controls/TbsPopupListBox.h"
#include "lib/controls/TbsSkinComboBox.h"
#include "lib/controls/bsStepButtonLooks.h"
#include "lib/skindraw/bsMarks.h"
#include "lib/skindraw/bsTextDrawing.h"
#include "platform/gfx/TBitmap.h"

int TbsSkinCustomComboBox::ShownItemIndex() {
    return FDropDown ? FOldItemIndex : ItemIndex();
}

void TbsSkinCustomComboBox::CreateControlDefaultImage(TBitmap& B) {
    CalcRects();
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
    DrawDefaultItem(C);
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
    IC.Brush().SetStyle(bsSolid);
    IC.Brush().SetColor(focused ? clHighlight : FDefaultColor);
    IC.Font().SetColor(focused ? clHighlightText : DefaultFont().Color());
    const TRect all(0, 0, item.Width(), item.Height());
    IC.FillRect(all);
    CBItem.State = focused ? TOwnerDrawState{ odFocused } : TOwnerDrawState{};
    const int index = ShownItemIndex();
    if (index >= 0 && index < Items().Count()) {
        IC.Brush().SetStyle(bsClear);
        DrawTextClipVCenter(IC, Items()[index], TRect(2, 0, all.Right - 2, all.Bottom));
    }
    if (focused) DrawDottedFocusRect(IC, all);
    C.Draw(CBItem.R.Left, CBItem.R.Top, &item);
}
