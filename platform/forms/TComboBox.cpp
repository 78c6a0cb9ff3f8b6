#include "platform/forms/TComboBox.h"
#include "platform/forms/ListControlMessages.h"
#include "platform/forms/TEdit.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/rtl/TextUtils.h"
#include "platform/win/Focus.h"
#include "platform/win/Input.h"
#include "platform/win/Messaging.h"
#include "platform/win/Screen.h"
#include "platform/win/Win.h"
#include <array>
#include <utility>

using namespace win;

namespace {
constexpr int kEdge = 2;
} // namespace

// The edit of csDropDown: its navigation keys and its text belong to the combo box.
class TComboBox::TInnerEdit : public TEdit {
public:
    explicit TInnerEdit(TComboBox* combo) : TEdit(combo), FCombo(combo) {
        SetBorderStyle(bsNone);
        SetTabStop(false);
    }

    void WndProc(TMessage& message) override {
        switch (message.Msg) {
        case WM_GETDLGCODE:
            TEdit::WndProc(message);
            if (FCombo->DroppedDown()) message.Result |= DLGC_WANTALLKEYS;
            return;
        case WM_KILLFOCUS:
            if (HWND(message.WParam) != FCombo->FHandle) FCombo->ListClosed(false);
            break;
        case WM_MOUSEWHEEL:
            FCombo->Perform(message.Msg, message.WParam, message.LParam);
            return;
        default:
            break;
        }
        TEdit::WndProc(message);
    }

protected:
    void KeyDown(unsigned short& key, TShiftState shift) override {
        if (FCombo->ComboKey(key, shift)) {
            key = 0;
            return;
        }
        TEdit::KeyDown(key, shift);
    }
    void Change() override {
        if (FCombo->FOwnText) return;
        FCombo->FOwnText = true;
        FCombo->SetText(Text());
        FCombo->FOwnText = false;
        const int match =
            int(FCombo->FList->Perform(LB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(Text().c_str())));
        FCombo->FList->Perform(LB_SETCURSEL, WPARAM(match), 0);
        FCombo->Change();
    }

private:
    TComboBox* FCombo;
};

TComboBox::TComboBox(TComponent* owner) : TCustomControl(owner) {
    FControlStyle = TControlStyle{ csCaptureMouse, csSetCaption, csOpaque };
    FColor = clWindow;
    SetParentColor(false);
    SetTabStop(true);
    FWidth = 145;
    FHeight = 21;
    FList = new TComboListBox(this);
    CreateEdit();
}

TComboBox::~TComboBox() {
    // The edit and the list call back into the box while their windows go, so they go first.
    delete FEdit;
    FEdit = nullptr;
    delete FList;
    FList = nullptr;
}

int TComboBox::ItemIndex() {
    return int(Perform(CB_GETCURSEL, 0, 0));
}

void TComboBox::SetItemIndex(int value) {
    // A description may name the line before it lists the lines.
    if (ComponentState().Contains(csLoading)) {
        FLoadedIndex = value;
        return;
    }
    Perform(CB_SETCURSEL, WPARAM(value), 0);
}

void TComboBox::Loaded() {
    TCustomControl::Loaded();
    if (FLoadedIndex >= 0) SetItemIndex(std::exchange(FLoadedIndex, -1));
}

void TComboBox::SetStyle(TComboBoxStyle value) {
    if (FStyle == value) return;
    FStyle = value;
    if (FStyle == csDropDownList) {
        delete FEdit;
        FEdit = nullptr;
        const int index = ItemIndex();
        ShowText(index >= 0 ? FItems[index] : std::string());
    } else {
        CreateEdit();
    }
    Invalidate();
}

void TComboBox::CreateEdit() {
    if (FEdit) return;
    FEdit = new TInnerEdit(this);
    FEdit->SetParent(this);
    FOwnText = true;
    FEdit->SetText(Text());
    FOwnText = false;
    PlaceEdit();
    if (Focused()) FEdit->SetFocus();
}

void TComboBox::PlaceEdit() {
    if (!FEdit) return;
    const TRect button = ButtonRect();
    FEdit->SetBounds(kEdge + 1, kEdge, std::max(0, button.Left - kEdge - 1),
                     std::max(0, Height() - 2 * kEdge));
}

TRect TComboBox::ButtonRect() const {
    const int w = GetSystemMetrics(SM_CXVSCROLL);
    return TRect(std::max(kEdge, Width() - kEdge - w), kEdge, Width() - kEdge, Height() - kEdge);
}

bool TComboBox::DroppedDown() const {
    return FList && FList->HandleAllocated() && IsWindowVisible(FList->Handle());
}

void TComboBox::SetDroppedDown(bool value) {
    if (value == DroppedDown()) return;
    if (!value) {
        ListClosed(false);
        return;
    }
    if (!HandleAllocated()) return;
    FIndexAtDrop = ItemIndex();
    DropDown();
    const int rows = std::clamp(FList->Count(), 1, FDropDownCount);
    const int height = rows * FList->ItemHeight() + 2;
    TPoint at = ClientToScreen(TPoint(0, Height()));
    // A list that would leave the work area at the bottom opens upwards.
    MONITORINFO monitor;
    if (GetMonitorInfo(MonitorFromWindow(FHandle, MONITOR_DEFAULTTONEAREST), &monitor) &&
        at.Y + height > monitor.rcWork.bottom)
        at.Y = ClientToScreen(TPoint(0, 0)).Y - height;
    FList->SetBounds(at.X, at.Y, Width(), height);
    FList->HandleNeeded();
    if (FIndexAtDrop >= 0) FList->SetTopIndex(FIndexAtDrop);
    FList->SetVisible(true);
    SetCapture(FList->Handle());
    Invalidate();
}

void TComboBox::ListClosed(bool chosen) {
    if (!DroppedDown()) return;
    FList->SetVisible(false);
    if (GetCapture() == FList->Handle()) ReleaseCapture();
    const int index = ItemIndex();
    if (!chosen)
        FList->Perform(LB_SETCURSEL, WPARAM(FIndexAtDrop), 0);
    else if (index != FIndexAtDrop || (FEdit && index >= 0 && FEdit->Text() != FItems[index])) {
        ShowText(index >= 0 ? FItems[index] : Text());
        Select();
    }
    Invalidate();
    CloseUp();
}

void TComboBox::UserSelect(int index) {
    if (index < 0 || index >= FList->Count() || index == ItemIndex()) return;
    FList->Perform(LB_SETCURSEL, WPARAM(index), 0);
    ShowText(FItems[index]);
    Select();
}

void TComboBox::ShowText(const std::string& text) {
    FOwnText = true;
    SetText(text);
    if (FEdit) {
        FEdit->SetText(text);
        if (FEdit->Focused()) FEdit->SelectAll();
    }
    FOwnText = false;
    Invalidate();
}

void TComboBox::Change() {
    if (OnChange) OnChange(this);
}

void TComboBox::Select() {
    if (OnSelect)
        OnSelect(this);
    else
        Change();
}

void TComboBox::DropDown() {
    if (OnDropDown) OnDropDown(this);
}

void TComboBox::CloseUp() {
    if (OnCloseUp) OnCloseUp(this);
}

void TComboBox::SetBounds(int left, int top, int width, int height) {
    TCustomControl::SetBounds(left, top, width, height);
    PlaceEdit();
}

bool TComboBox::ComboKey(unsigned short key, TShiftState shift) {
    const bool alt = shift.Contains(ssAlt);
    if (key == VK_F4 || (alt && (key == VK_UP || key == VK_DOWN))) {
        SetDroppedDown(!DroppedDown());
        return true;
    }
    if (alt) return false;
    const int count = FList->Count();
    const int index = ItemIndex();
    const int page = std::max(1, FDropDownCount - 1);
    int target = -2;
    switch (key) {
    case VK_UP:
        target = index < 0 ? 0 : index - 1;
        break;
    case VK_DOWN:
        target = index + 1;
        break;
    case VK_PRIOR:
        target = index - page;
        break;
    case VK_NEXT:
        target = index + page;
        break;
    case VK_HOME:
    case VK_END:
        // In the edit these move the caret.
        if (FEdit && !DroppedDown()) return false;
        target = key == VK_HOME ? 0 : count - 1;
        break;
    case VK_RETURN:
    case VK_ESCAPE:
        if (!DroppedDown()) return false;
        ListClosed(key == VK_RETURN);
        return true;
    default:
        return false;
    }
    if (count == 0) return true;
    target = std::clamp(target, 0, count - 1);
    if (DroppedDown())
        FList->Perform(LB_SETCURSEL, WPARAM(target), 0);
    else
        UserSelect(target);
    return true;
}

void TComboBox::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_GETDLGCODE:
        message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | (DroppedDown() ? DLGC_WANTALLKEYS : 0);
        return;
    case WM_SETFOCUS:
        // The edit takes the keys of csDropDown.
        if (FEdit && FEdit->CanFocus()) {
            TCustomControl::WndProc(message);
            FEdit->SetFocus();
            FEdit->SelectAll();
            return;
        }
        Invalidate();
        break;
    case WM_KILLFOCUS:
        if (!FEdit || HWND(message.WParam) != FEdit->Handle()) ListClosed(false);
        Invalidate();
        break;
    case WM_MOUSEWHEEL: {
        const int notches = GET_WHEEL_DELTA_WPARAM(message.WParam) / WHEEL_DELTA;
        if (DroppedDown())
            FList->Perform(message.Msg, message.WParam, message.LParam);
        else if (notches != 0)
            ComboKey(notches > 0 ? VK_UP : VK_DOWN, {});
        return;
    }
    case CM_TEXTCHANGED:
        if (!FOwnText) {
            // Text from code picks the line that reads the same; a picker without an edit
            // shows nothing when there is none.
            const std::string text = Text();
            const int match =
                int(FList->Perform(LB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(text.c_str())));
            FList->Perform(LB_SETCURSEL, WPARAM(match), 0);
            if (FEdit || match >= 0)
                ShowText(FEdit || match < 0 ? text : FItems[match]);
            else
                ShowText("");
        }
        break;
    case CM_ENABLEDCHANGED:
        if (FEdit) FEdit->SetEnabled(Enabled());
        break;
    default:
        break;
    }
    TCustomControl::WndProc(message);
}

void TComboBox::DefaultHandler(TMessage& message) {
    if (message.Msg >= CB_GETEDITSEL && message.Msg <= CB_SETDROPPEDWIDTH) {
        message.Result = ComboMessage(message);
        return;
    }
    TCustomControl::DefaultHandler(message);
}

LRESULT TComboBox::ComboMessage(TMessage& message) {
    struct Forward {
        UINT combo;
        UINT list;
    };
    static constexpr std::array kForwards{
        Forward{ CB_ADDSTRING, LB_ADDSTRING },
        Forward{ CB_INSERTSTRING, LB_INSERTSTRING },
        Forward{ CB_DELETESTRING, LB_DELETESTRING },
        Forward{ CB_RESETCONTENT, LB_RESETCONTENT },
        Forward{ CB_GETCOUNT, LB_GETCOUNT },
        Forward{ CB_GETLBTEXT, LB_GETTEXT },
        Forward{ CB_GETLBTEXTLEN, LB_GETTEXTLEN },
        Forward{ CB_GETITEMDATA, LB_GETITEMDATA },
        Forward{ CB_SETITEMDATA, LB_SETITEMDATA },
        Forward{ CB_FINDSTRING, LB_FINDSTRING },
        Forward{ CB_FINDSTRINGEXACT, LB_FINDSTRINGEXACT },
        Forward{ CB_GETCURSEL, LB_GETCURSEL },
        Forward{ CB_GETITEMHEIGHT, LB_GETITEMHEIGHT },
    };
    for (const Forward& f : kForwards) {
        if (f.combo != message.Msg) continue;
        const int before = int(FList->Perform(LB_GETCURSEL, 0, 0));
        const LRESULT result = FList->Perform(f.list, message.WParam, message.LParam);
        // A line taken away under the selection takes the shown text with it.
        if (f.combo == CB_RESETCONTENT ||
            (f.combo == CB_DELETESTRING && before >= 0 && FList->Perform(LB_GETCURSEL, 0, 0) < 0)) {
            if (!FEdit) ShowText("");
        }
        return result;
    }
    switch (message.Msg) {
    case CB_SETCURSEL: {
        const int index = int(message.WParam);
        const LRESULT result = FList->Perform(LB_SETCURSEL, message.WParam, 0);
        ShowText(index >= 0 && index < FList->Count() ? FItems[index] : std::string());
        return result;
    }
    case CB_SELECTSTRING: {
        const int found = int(FList->Perform(LB_FINDSTRING, message.WParam, message.LParam));
        if (found >= 0) Perform(CB_SETCURSEL, WPARAM(found), 0);
        return found;
    }
    case CB_SHOWDROPDOWN:
        SetDroppedDown(message.WParam != 0);
        return TRUE;
    case CB_GETDROPPEDSTATE:
        return DroppedDown();
    case CB_GETDROPPEDCONTROLRECT: {
        RECT* out = reinterpret_cast<RECT*>(message.LParam);
        if (!out || !FList->HandleAllocated()) return CB_ERR;
        GetWindowRect(FList->Handle(), out);
        return TRUE;
    }
    case CB_SETITEMHEIGHT:
        FList->SetItemHeight(int(message.LParam));
        return 0;
    case CB_LIMITTEXT:
        if (FEdit) FEdit->SetMaxLength(int(message.WParam));
        return TRUE;
    case CB_GETEDITSEL:
        if (!FEdit) return CB_ERR;
        return MAKELPARAM(UINT(FEdit->SelStart()), UINT(FEdit->SelStart() + FEdit->SelLength()));
    case CB_SETEDITSEL:
        if (!FEdit) return CB_ERR;
        FEdit->SetSelStart(short(LOWORD(UINT(message.LParam))));
        FEdit->SetSelLength(short(HIWORD(UINT(message.LParam))) - FEdit->SelStart());
        return TRUE;
    default:
        return CB_ERR;
    }
}

void TComboBox::KeyDown(unsigned short& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    if (key != 0 && ComboKey(key, shift)) key = 0;
}

void TComboBox::KeyPress(char32_t& key) {
    TCustomControl::KeyPress(key);
    if (key < 0x20 || FEdit) return;
    std::string typed;
    AppendUtf8(typed, key);
    const int found =
        int(FList->Perform(LB_FINDSTRING, WPARAM(ItemIndex()), LPARAM(typed.c_str())));
    if (found >= 0) {
        if (DroppedDown())
            FList->Perform(LB_SETCURSEL, WPARAM(found), 0);
        else
            UserSelect(found);
    }
    key = 0;
}

void TComboBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft) {
        if (CanFocus() && !Focused() && !(FEdit && FEdit->Focused())) SetFocus();
        if (!FEdit || ButtonRect().Contains(TPoint(x, y))) SetDroppedDown(!DroppedDown());
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TComboBox::Paint() {
    const HDC dc = FCanvas.Handle();
    RECT edge = ClientRect();
    DrawEdge(dc, &edge, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    FCanvas.Brush().SetStyle(bsSolid);
    FCanvas.Brush().SetColor(Enabled() ? FColor : clBtnFace);
    FCanvas.FillRect(TRect(edge));

    RECT button = ButtonRect();
    const bool dropped = DroppedDown();
    FCanvas.Brush().SetColor(clBtnFace);
    FCanvas.FillRect(TRect(button));
    DrawEdge(dc, &button, dropped ? BDR_SUNKENOUTER : EDGE_RAISED, BF_RECT | BF_ADJUST);
    const TRect face(button);
    const int cx = (face.Left + face.Right) / 2 + (dropped ? 1 : 0);
    const int cy = (face.Top + face.Bottom) / 2 + (dropped ? 1 : 0);
    const TColor ink = Enabled() ? clBtnText : clGrayText;
    FCanvas.Pen().SetColor(ink);
    FCanvas.Brush().SetColor(ink);
    const std::array arrow{ TPoint(cx - 3, cy - 1), TPoint(cx + 3, cy - 1), TPoint(cx, cy + 2) };
    FCanvas.Polygon(arrow);

    if (FEdit) return;
    const TRect text(edge.left + 1, edge.top + 1, ButtonRect().Left - 1, edge.bottom - 1);
    const bool highlighted = Focused() && !dropped;
    FCanvas.Brush().SetColor(highlighted ? clHighlight : (Enabled() ? FColor : clBtnFace));
    FCanvas.FillRect(text);
    FCanvas.SetFont(FFont);
    FCanvas.Font().SetColor(!Enabled()    ? clGrayText
                            : highlighted ? clHighlightText
                                          : FFont.Color());
    FCanvas.Brush().SetStyle(bsClear);
    const int y = text.Top + std::max(0, (text.Height() - FCanvas.TextHeight("Wg")) / 2);
    FCanvas.TextRect(text, text.Left + 2, y, Text());
    if (highlighted) FCanvas.DrawFocusRect(text);
}
