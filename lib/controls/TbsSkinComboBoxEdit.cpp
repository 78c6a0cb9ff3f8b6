// The combo box's edit style: an inner edit for free text, completed from the items as the user
// types, whose keys, wheel and clicks drive the drop-down list.
#include "lib/controls/TbsCustomEdit.h"
#include "lib/controls/TbsListBox.h"
#include "lib/controls/TbsSkinComboBox.h"
#include "lib/controls/TbsSkinNumEdit.h"
#include "lib/controls/TbsSkinScrollBar.h"
#include "platform/forms/ListControlMessages.h"
#include "platform/gfx/LogFont.h"
#include "platform/win/Input.h"
#include "platform/win/Messages.h"
#include "platform/win/Messaging.h"

#include <algorithm>
#include <utility>

namespace {

// Characters of a UTF-8 text, as the edit counts its selection.
int CharCount(const std::string& text) {
    return int(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

bool IsEastAsian(TFontCharset charset) {
    return charset == win::SHIFTJIS_CHARSET || charset == win::GB2312_CHARSET ||
           charset == win::CHINESEBIG5_CHARSET;
}

} // namespace

void TbsSkinCustomComboBox::SetStyle(TbsSkinCustomComboBoxStyle value) {
    if (value == FStyle && Designing()) return;
    FStyle = value;
    if (FStyle == bscbEditStyle) {
        // An edit there already keeps its place in the tab order: the control gave its tab
        // stop up to it before, and handing on "none" now would leave neither reachable.
        const bool fresh = !FEdit;
        ShowEditor();
        if (!Designing() && fresh) {
            // The edit takes the control's place in the tab order.
            FEdit->SetTabStop(TabStop());
            if (TabStop()) SetTabStop(false);
        }
        FEdit->SetText(Text());
        if (Focused()) FEdit->SetFocus();
    } else if (FEdit) {
        HideEditor();
    }
    CalcRects();
    RecreateWnd();
    Invalidate();
}

void TbsSkinCustomComboBox::SetCharCase(TEditCharCase value) {
    FCharCase = value;
    if (FEdit) FEdit->SetCharCase(value);
}

int TbsSkinCustomComboBox::SelStart() const {
    return FEdit ? FEdit->SelStart() : 0;
}

void TbsSkinCustomComboBox::SetSelStart(int value) {
    if (FEdit) FEdit->SetSelStart(value);
}

int TbsSkinCustomComboBox::SelLength() const {
    return FEdit ? FEdit->SelLength() : 0;
}

void TbsSkinCustomComboBox::SetSelLength(int value) {
    if (FEdit) FEdit->SetSelLength(value);
}

void TbsSkinCustomComboBox::ShowEditor() {
    if (FEdit) return;
    FEdit = FNumEdit ? new TbsSkinNumEdit(this) : new TbsCustomEdit(this);
    FEdit->SetParent(this);
    FEdit->SetColor(FDefaultColor);
    FEdit->SetEditTransparent(false);
    FEdit->OnChange = [this](TObject*) { EditChange(); };
    FEditWindowProc = FEdit->WindowProc;
    FEdit->WindowProc = [this](TMessage& message) { EditWindowProcHook(message); };
    FEdit->OnEditCancelMode = [this](TControl* C) { EditCancelMode(C); };
    FEdit->OnKeyDown = [this](TObject*, unsigned short& key, TShiftState shift) {
        if (OnKeyDown) OnKeyDown(this, key, shift);
    };
    FEdit->OnKeyPress = [this](TObject*, char32_t& key) {
        if (OnKeyPress) OnKeyPress(this, key);
    };
    FEdit->OnKeyUp = [this](TObject*, unsigned short& key, TShiftState shift) {
        if (OnKeyUp) OnKeyUp(this, key, shift);
    };
    FEdit->SetCharCase(FCharCase);
    SetEditFont();
    FEdit->SetEditTransparent(FIndex != -1);
    FEdit->SetVisible(true);
    CalcRects();
}

void TbsSkinCustomComboBox::HideEditor() {
    TbsCustomEdit* edit = std::exchange(FEdit, nullptr);
    edit->WindowProc = FEditWindowProc;
    edit->SetVisible(false);
    delete edit;
}

void TbsSkinCustomComboBox::SetEditFont() {
    if (!FEdit) return;
    TFont& font = FEdit->Font();
    if (FIndex == -1) {
        font.Assign(Font());
        return;
    }
    if (FUseSkinFont) {
        font.SetName(FontName);
        font.SetHeight(FontHeight);
        font.SetStyle(FontStyle);
    } else {
        font.Assign(FDefaultFont);
    }
    font.SetColor(Enabled() ? FontColor : GetDisabledFontColor());
    font.SetCharset(TextCharset());
}

void TbsSkinCustomComboBox::PlaceEdit() {
    if (!FEdit) return;
    // As high as a line of its font, centred in the item area.
    TCanvas& canvas = FEdit->Canvas();
    canvas.SetFont(FEdit->Font());
    const int height = std::min(canvas.TextHeight("Wg"), std::max(CBItem.R.Height(), 1));
    FEdit->SetBounds(CBItem.R.Left, CBItem.R.Top + CBItem.R.Height() / 2 - height / 2,
                     CBItem.R.Width(), height);
}

bool TbsSkinCustomComboBox::IsOwnPart(TControl* C) const {
    return C && (C == this || C == FListBox || C == FListBox->ListBox || C == FListBox->ScrollBar);
}

void TbsSkinCustomComboBox::EditCancelMode(TControl* C) {
    if (!IsOwnPart(C)) CloseUp(false);
}

void TbsSkinCustomComboBox::EditChange() {
    FromEdit = true;
    const std::string text = FEdit->Text();
    if (!text.empty()) {
        TbsListBox* inner = FListBox->ListBox;
        const auto found =
            inner->Perform(win::LB_FINDSTRING, win::WPARAM(-1), win::LPARAM(text.c_str()));
        if (found >= 0) {
            // The list follows quietly: no item is chosen by typing alone.
            if (FAutoComplete)
                inner->Perform(win::LB_SETCURSEL, win::WPARAM(found), 0);
            else
                inner->Perform(win::LB_SETTOPINDEX, win::WPARAM(found), 0);
        }
    }
    SetText(text);
    FromEdit = false;
}

void TbsSkinCustomComboBox::EditUp(bool updateText) {
    const int index = ItemIndex();
    if (index <= 0) return;
    SetItemIndex(index - 1);
    if (!updateText) return;
    SetText(Items()[index - 1]);
    if (FEdit) FEdit->SelectAll();
    if (OnClick) OnClick(this);
}

void TbsSkinCustomComboBox::EditDown(bool updateText) {
    const int index = ItemIndex();
    if (index >= Items().Count() - 1) return;
    FListBox->SetItemIndex(index + 1);
    if (!updateText) return;
    SetText(Items()[index + 1]);
    if (FEdit) FEdit->SelectAll();
    if (OnClick) OnClick(this);
}

void TbsSkinCustomComboBox::FindLBItemFromEdit() {
    // Key-ups in quick succession are typing on: completing would type over the tail.
    const unsigned now = unsigned(win::GetMessageTime());
    const bool quick = now - FLastTime <= 200;
    FLastTime = now;
    if (quick || !FEdit) return;
    const std::string typed = Text();
    if (typed.empty()) return;
    // From the top for one letter too: the edit's change has already made the first match
    // current, and searching after it would complete to the second.
    const int found = int(FListBox->ListBox->Perform(win::LB_FINDSTRING, win::WPARAM(-1),
                                                     win::LPARAM(typed.c_str())));
    if (found < 0) return;
    SetItemIndex(found);
    const int typedLength = CharCount(typed);
    FEdit->SetSelStart(typedLength);
    FEdit->SetSelLength(CharCount(Text()) - typedLength);
}

void TbsSkinCustomComboBox::EditWindowProcHook(TMessage& message) {
    const bool open = IsPopupVisible();
    const bool hotFace = FIndex != -1 && !ActiveSkinRect.IsEmpty();
    switch (message.Msg) {
    case win::WM_SETFOCUS:
        if (hotFace) {
            FEdit->Font().SetColor(ActiveFontColor);
            Invalidate();
        }
        break;
    case win::WM_KILLFOCUS:
        if (open) CloseUp(false);
        if (hotFace) {
            FEdit->Font().SetColor(FontColor);
            Invalidate();
        }
        break;
    case win::WM_KEYDOWN:
        switch (unsigned(message.WParam)) {
        case win::VK_RETURN:
            if (open) CloseUp(true);
            break;
        case win::VK_ESCAPE:
            if (open) CloseUp(false);
            break;
        case win::VK_PRIOR:
            if (open) FListBox->SetItemIndex(std::max(ItemIndex() - FDropDownCount - 1, 0));
            break;
        case win::VK_NEXT:
            if (open)
                FListBox->SetItemIndex(
                    std::min(ItemIndex() + FDropDownCount - 1, Items().Count() - 1));
            break;
        case win::VK_UP:
            EditUp(true);
            return;
        case win::VK_DOWN:
            EditDown(true);
            return;
        default:
            break;
        }
        break;
    case win::WM_KEYUP:
    case win::WM_SYSKEYUP: {
        const auto key = unsigned(message.WParam);
        if (IsEastAsian(TextCharset())) {
            if (key == win::VK_DELETE || key == win::VK_BACK) break;
            FEdit->ClearSelection();
        } else if (message.Msg == win::WM_SYSKEYUP || key < '0') {
            break;
        }
        FEditWindowProc(message);
        if (FAutoComplete) FindLBItemFromEdit();
        return;
    }
    case win::WM_LBUTTONDOWN:
    case win::WM_RBUTTONDOWN:
        if (open) CloseUp(false);
        break;
    case win::WM_MOUSEWHEEL:
        if (win::GET_WHEEL_DELTA_WPARAM(message.WParam) > 0)
            EditUp(!open);
        else
            EditDown(!open);
        break;
    default:
        break;
    }
    FEditWindowProc(message);
}
