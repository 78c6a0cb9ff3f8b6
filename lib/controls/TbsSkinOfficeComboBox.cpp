#include "lib/controls/TbsSkinOfficeComboBox.h"

#include "lib/controls/TbsPopupOfficeListBox.h"
#include "lib/controls/TbsSkinScrollBar.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindata/bsSkinListRecords.h"
#include "lib/skindraw/bsWorkArea.h"
#include "platform/forms/ControlMessages.h"
#include "platform/win/Focus.h"
#include "platform/win/Input.h"
#include "platform/win/Messages.h"
#include "platform/win/Messaging.h"
#include "platform/win/Painting.h"

#include <utility>

TbsSkinCustomOfficeComboBox::TbsSkinCustomOfficeComboBox(TComponent* owner)
    : TbsSkinCustomControl(owner) {
    FControlStyle = TControlStyle{ csAcceptsControls, csCaptureMouse, csOpaque, csDoubleClicks,
                                   csReplicatable };
    SetTabStop(true);
    Font().SetName("Arial");
    Font().SetHeight(14);
    Font().SetStyle({});
    Font().SetColor(clWindowText);
    FListBox = new TbsPopupOfficeListBox(this);
    FListBoxWindowProc = FListBox->WindowProc;
    FListBox->WindowProc = [this](TMessage& message) { ListBoxWindowProcHook(message); };
    FListBox->SetVisible(false);
    FListBox->SetMouseMoveChangeIndex(true);
    if (!Designing()) FListBox->SetParent(this);
    SetBounds(Left(), Top(), 120, 41);
    CalcRects();
    SetSkinDataName("combobox");
}

TbsSkinCustomOfficeComboBox::~TbsSkinCustomOfficeComboBox() {
    StopTimer();
    FListBox->WindowProc = FListBoxWindowProc;
    delete std::exchange(FListBox, nullptr);
}

TbsSkinOfficeItems& TbsSkinCustomOfficeComboBox::Items() {
    return FListBox->Items();
}

void TbsSkinCustomOfficeComboBox::SetItems(const TbsSkinOfficeItems& value) {
    FListBox->SetItems(value);
}

int TbsSkinCustomOfficeComboBox::ItemIndex() const {
    return FListBox->ItemIndex();
}

void TbsSkinCustomOfficeComboBox::SetItemIndex(int value) {
    FListBox->SetItemIndex(value);
    FOldItemIndex = FListBox->ItemIndex();
    Invalidate();
    if (ComponentState().Contains(csLoading) || Designing()) return;
    // Every assignment announces itself, also one that names no row: listeners follow the
    // picker by its events alone.
    if (OnClick) OnClick(this);
    Change();
}

void TbsSkinCustomOfficeComboBox::Change() {
    if (OnChange) OnChange(this);
}

TCustomImageList* TbsSkinCustomOfficeComboBox::Images() const {
    return FListBox ? FListBox->Images() : nullptr;
}

void TbsSkinCustomOfficeComboBox::SetImages(TCustomImageList* value) {
    FListBox->SetImages(value);
    Invalidate();
}

void TbsSkinCustomOfficeComboBox::SetToolButtonStyle(bool value) {
    if (FToolButtonStyle == value) return;
    FToolButtonStyle = value;
    if (value) FUseSkinSize = false;
    Invalidate();
}

void TbsSkinCustomOfficeComboBox::SetUseSkinSize(bool value) {
    FUseSkinSize = value;
    UpdateSkinRegion();
}

void TbsSkinCustomOfficeComboBox::SetDropDownCount(int value) {
    if (value >= 0) FDropDownCount = value;
}

TFont& TbsSkinCustomOfficeComboBox::ListBoxDefaultFont() {
    return FListBox->DefaultFont();
}
void TbsSkinCustomOfficeComboBox::SetListBoxDefaultFont(const TFont& value) {
    FListBox->SetDefaultFont(value);
}
bool TbsSkinCustomOfficeComboBox::ListBoxUseSkinFont() const {
    return FListBox->UseSkinFont();
}
void TbsSkinCustomOfficeComboBox::SetListBoxUseSkinFont(bool value) {
    FListBox->SetUseSkinFont(value);
}
bool TbsSkinCustomOfficeComboBox::ListBoxShowItemTitles() const {
    return FListBox->ShowItemTitles();
}
void TbsSkinCustomOfficeComboBox::SetListBoxShowItemTitles(bool value) {
    FListBox->SetShowItemTitles(value);
}
const std::string& TbsSkinCustomOfficeComboBox::ListBoxSkinDataName() const {
    return FListBoxSkinDataName;
}
void TbsSkinCustomOfficeComboBox::SetListBoxSkinDataName(const std::string& value) {
    FListBoxSkinDataName = value;
    FListBox->SetSkinDataName(value);
}
bool TbsSkinCustomOfficeComboBox::ListBoxShowLines() const {
    return FListBox->ShowLines();
}
void TbsSkinCustomOfficeComboBox::SetListBoxShowLines(bool value) {
    FListBox->SetShowLines(value);
}
int TbsSkinCustomOfficeComboBox::ListBoxItemHeight() const {
    return FListBox->ItemHeight();
}
void TbsSkinCustomOfficeComboBox::SetListBoxItemHeight(int value) {
    FListBox->SetItemHeight(value);
}
int TbsSkinCustomOfficeComboBox::ListBoxHeaderHeight() const {
    return FListBox->HeaderHeight();
}
void TbsSkinCustomOfficeComboBox::SetListBoxHeaderHeight(int value) {
    FListBox->SetHeaderHeight(value);
}

void TbsSkinCustomOfficeComboBox::SetShowItemTitle(bool value) {
    if (FShowItemTitle == value) return;
    FShowItemTitle = value;
    Invalidate();
}

void TbsSkinCustomOfficeComboBox::SetShowItemImage(bool value) {
    if (FShowItemImage == value) return;
    FShowItemImage = value;
    Invalidate();
}

void TbsSkinCustomOfficeComboBox::SetShowItemText(bool value) {
    if (FShowItemText == value) return;
    FShowItemText = value;
    Invalidate();
}

void TbsSkinCustomOfficeComboBox::SetDefaultColor(TColor value) {
    FDefaultColor = value;
    if (FIndex == -1) Invalidate();
}

void TbsSkinCustomOfficeComboBox::DefaultFontChanged() {
    Font().Assign(DefaultFont());
}

bool TbsSkinCustomOfficeComboBox::IsPopupVisible() const {
    return FListBox && FListBox->Visible();
}

int TbsSkinCustomOfficeComboBox::ShownIndex() const {
    return IsPopupVisible() ? FOldItemIndex : ItemIndex();
}

TPoint TbsSkinCustomOfficeComboBox::DropDownOrigin() const {
    // Right edges aligned: a list wider than the control reaches out to the left.
    TPoint origin(Left() + Width() - FListBox->Width(), Top() + Height());
    if (Parent()) origin = Parent()->ClientToScreen(origin);
    TRect work(0, 0, 0, 0);
    GetMonitorWorkArea(const_cast<TbsSkinCustomOfficeComboBox*>(this)->Handle(), true, work);
    if (!work.IsEmpty() && origin.Y + FListBox->Height() > work.Bottom)
        origin.Y -= Height() + FListBox->Height();
    return origin;
}

void TbsSkinCustomOfficeComboBox::DropDown() {
    if (Items().Count() == 0) return;
    WasInLB = false;
    StopTimer();
    if (OnDropDown) OnDropDown(this);
    FListBox->SetWidth(FListBoxWidth == 0 ? Width() : FListBoxWidth);
    FListBox->OnDrawItem = OnDrawItem;
    FOldItemIndex = FListBox->ItemIndex();
    if (FOldItemIndex == 0 && Items().Count() > 1) {
        FListBox->SetItemIndex(1);
        FListBox->SetItemIndex(0);
    }
    FDropDown = true;
    if (FToolButtonStyle) Invalidate();
    FListBox->SetSkinData(SkinData());
    if (FListBoxHeight > 0)
        FListBox->SetHeight(FListBoxHeight);
    else if (FDropDownCount > 0)
        FListBox->SetHeight(FListBox->CalcHeight(FDropDownCount));
    FListBox->Show(DropDownOrigin());
}

void TbsSkinCustomOfficeComboBox::CloseUp(bool Value) {
    StopTimer();
    if (!IsPopupVisible()) return;
    FListBox->Hide();
    const int index = FListBox->ItemIndex();
    if (Value && index >= 0 && index < Items().Count()) {
        Invalidate();
        if (OnClick) OnClick(this);
        Change();
    } else {
        FListBox->SetItemIndex(FOldItemIndex);
    }
    FDropDown = false;
    Invalidate();
    if (Value && OnCloseUp) OnCloseUp(this);
}

void TbsSkinCustomOfficeComboBox::ComboUp(bool fire) {
    FListBox->FindUp();
    if (fire) SetItemIndex(FListBox->ItemIndex());
}

void TbsSkinCustomOfficeComboBox::ComboDown(bool fire) {
    FListBox->FindDown();
    if (fire) SetItemIndex(FListBox->ItemIndex());
}

void TbsSkinCustomOfficeComboBox::ComboPageUp(bool fire) {
    FListBox->FindPageUp();
    if (fire) SetItemIndex(FListBox->ItemIndex());
}

void TbsSkinCustomOfficeComboBox::ComboPageDown(bool fire) {
    FListBox->FindPageDown();
    if (fire) SetItemIndex(FListBox->ItemIndex());
}

void TbsSkinCustomOfficeComboBox::KeyDown(unsigned short& key, TShiftState shift) {
    TbsSkinCustomControl::KeyDown(key, shift);
    const bool alt = shift.Contains(ssAlt);
    switch (key) {
    case win::VK_RETURN:
        if (IsPopupVisible()) CloseUp(true);
        break;
    case win::VK_ESCAPE:
        if (IsPopupVisible()) CloseUp(false);
        break;
    case win::VK_PRIOR:
        ComboPageUp(true);
        break;
    case win::VK_NEXT:
        ComboPageDown(true);
        break;
    case win::VK_UP:
    case win::VK_LEFT:
        if (!alt)
            ComboUp(true);
        else if (IsPopupVisible())
            CloseUp(false);
        break;
    case win::VK_DOWN:
    case win::VK_RIGHT:
        if (!alt)
            ComboDown(true);
        else if (!IsPopupVisible())
            DropDown();
        break;
    default:
        break;
    }
}

void TbsSkinCustomOfficeComboBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TbsSkinCustomControl::MouseDown(button, shift, x, y);
    if (!Focused() && CanFocus()) SetFocus();
    if (button != mbLeft) return;
    if (Button.MouseIn || CBItem.R.Contains(TPoint(x, y)) || FToolButtonStyle) {
        Button.Down = true;
        Invalidate();
        if (IsPopupVisible()) {
            CloseUp(false);
        } else {
            WasInLB = false;
            FLBDown = true;
            DropDown();
        }
    } else if (IsPopupVisible()) {
        CloseUp(false);
    }
}

void TbsSkinCustomOfficeComboBox::MouseMove(TShiftState shift, int x, int y) {
    TbsSkinCustomControl::MouseMove(shift, x, y);
    if (IsPopupVisible()) ProcessListBox();
    const bool in = Button.R.Contains(TPoint(x, y));
    if (in == Button.MouseIn) return;
    Button.MouseIn = in;
    Invalidate();
}

void TbsSkinCustomOfficeComboBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (const auto chosen = DropListDrag().Release(FListBox->Handle())) CloseUp(*chosen);
    TbsSkinCustomControl::MouseUp(button, shift, x, y);
    if (Button.Down) {
        Button.Down = false;
        Invalidate();
    }
}

void TbsSkinCustomOfficeComboBox::ListBoxWindowProcHook(TMessage& message) {
    if (DropListDrag().SwallowListButton(message, *this)) return;
    switch (message.Msg) {
    case win::WM_MOUSEACTIVATE:
        message.Result = win::MA_NOACTIVATE;
        FListBoxWindowProc(message);
        message.Result = win::MA_NOACTIVATE;
        return;
    default:
        FListBoxWindowProc(message);
    }
}

void TbsSkinCustomOfficeComboBox::ProcessListBox() {
    win::POINT cursor;
    win::GetCursorPos(&cursor);
    const TPoint p = FListBox->ScreenToClient(TPoint(cursor.x, cursor.y));
    const bool canStep = FListBox->ScrollBar && WasInLB;
    if (p.Y < 0 && canStep) {
        if (TimerMode != 1) {
            TimerMode = 1;
            StartTimer();
        }
    } else if (p.Y > FListBox->Height() && canStep) {
        if (TimerMode != 2) {
            TimerMode = 2;
            StartTimer();
        }
    } else if (p.Y >= 0 && p.Y <= FListBox->Height()) {
        StopTimer();
        FListBox->Perform(win::WM_MOUSEMOVE, 0,
                          win::MAKELPARAM(unsigned(p.X) & 0xFFFF, unsigned(p.Y) & 0xFFFF));
        WasInLB = true;
        if (!FLBDown) {
            FLBDown = true;
            WasInLB = false;
        }
    }
}

void TbsSkinCustomOfficeComboBox::StartTimer() {
    win::KillTimer(Handle(), kStepTimer);
    win::SetTimer(Handle(), kStepTimer, TbsDropListDrag::kStepMs, nullptr);
}

void TbsSkinCustomOfficeComboBox::StopTimer() {
    if (HandleAllocated()) win::KillTimer(Handle(), kStepTimer);
    TimerMode = 0;
}

void TbsSkinCustomOfficeComboBox::CalcRects() {
    const int w = Width(), h = Height();
    if (FIndex == -1 || FToolButtonStyle) {
        Button.R = TRect(w - 19, 2, w - 2, h - 2);
        CBItem.R = TRect(2, 2, Button.R.Left - 1, h - 2);
        return;
    }
    const int dw = w - SkinRect.Width();
    Button.R = ButtonRect;
    if (ButtonRect.Left >= SkinRect.Width() - RTPt.X) {
        Button.R.Left += dw;
        Button.R.Right += dw;
    }
    CBItem.R = ClRect;
    CBItem.R.Right += dw;
    if (!FUseSkinSize) {
        const int dh = h - SkinRect.Height();
        CBItem.R.Bottom += dh;
        Button.R.Bottom += dh;
    }
}

void TbsSkinCustomOfficeComboBox::CalcSkinSize(int& AWidth, int& AHeight) {
    if (FUseSkinSize) {
        TbsSkinCustomControl::CalcSkinSize(AWidth, AHeight);
        return;
    }
    const int dw = AWidth - SkinRect.Width();
    NewLTPoint = LTPt;
    NewRTPoint = TPoint(RTPt.X + dw, RTPt.Y);
    NewClRect = TRect(ClRect.Left, ClRect.Top, ClRect.Right + dw, ClRect.Bottom);
}

void TbsSkinCustomOfficeComboBox::UpdateSkinRegion() {
    if (FUseSkinSize) {
        TbsSkinCustomControl::UpdateSkinRegion();
        return;
    }
    if (HandleAllocated()) win::SetWindowRgn(Handle(), nullptr, win::TRUE);
}

void TbsSkinCustomOfficeComboBox::GetSkinData() {
    TbsSkinCustomControl::GetSkinData();
    const auto* r = dynamic_cast<const TbsDataSkinComboBox*>(SkinRecord());
    if (!r) return;
    ActiveSkinRect = r->ActiveSkinRect;
    ActiveFontColor = r->ActiveFontColor;
    SItemRect = r->SItemRect;
    ActiveItemRect = r->ActiveItemRect;
    FocusItemRect = r->FocusItemRect.IsEmpty() ? r->SItemRect : r->FocusItemRect;
    ItemLeftOffset = r->ItemLeftOffset;
    ItemRightOffset = r->ItemRightOffset;
    ItemTextRect = r->ItemTextRect;
    FontName = r->FontName;
    FontStyle = r->FontStyle;
    FontHeight = r->FontHeight;
    FontColor = r->FontColor;
    FocusFontColor = r->FocusFontColor;
    ButtonRect = r->ButtonRect;
    ActiveButtonRect = r->ActiveButtonRect;
    DownButtonRect = r->DownButtonRect;
    UnEnabledButtonRect = r->UnEnabledButtonRect;
    ListBoxName = r->ListBoxName;
    ItemStretchEffect = r->ItemStretchEffect;
    FocusItemStretchEffect = r->FocusItemStretchEffect;
    ShowFocus = r->ShowFocus;
}

void TbsSkinCustomOfficeComboBox::ChangeSkinData() {
    TbsSkinCustomControl::ChangeSkinData();
    CalcRects();
    Invalidate();
    // The list follows the control: skinned by its own name while the control has a record,
    // plain while it has none. The name itself is kept for the next skin.
    FListBox->SetSkinDataName(FIndex == -1 ? std::string() : FListBoxSkinDataName);
    FListBox->SetSkinData(SkinData());
    CalcRects();
}

void TbsSkinCustomOfficeComboBox::Notification(TComponent* component, TOperation operation) {
    TbsSkinCustomControl::Notification(component, operation);
}

void TbsSkinCustomOfficeComboBox::WndProc(TMessage& message) {
    switch (message.Msg) {
    case win::WM_MOUSEWHEEL: {
        TbsSkinCustomControl::WndProc(message);
        // Away from the user steps up; only a closed picker chooses.
        const bool closed = !IsPopupVisible();
        if (win::GET_WHEEL_DELTA_WPARAM(message.WParam) > 0)
            ComboUp(closed);
        else
            ComboDown(closed);
        return;
    }
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE: {
        TbsSkinCustomControl::WndProc(message);
        FMouseIn = message.Msg == CM_MOUSEENTER;
        if (!FMouseIn && Button.MouseIn) {
            Button.MouseIn = false;
            Invalidate();
        }
        if ((FIndex != -1 && !ActiveSkinRect.IsEmpty()) || FToolButtonStyle) Invalidate();
        return;
    }
    default:
        break;
    }
    TbsSkinCustomControl::WndProc(message);
    switch (message.Msg) {
    case win::WM_SIZE:
    case win::WM_WINDOWPOSCHANGED:
        CalcRects();
        break;
    case win::WM_SETFOCUS:
    case CM_ENABLEDCHANGED:
        Invalidate();
        break;
    case win::WM_KILLFOCUS:
        if (IsPopupVisible()) CloseUp(false);
        Invalidate();
        break;
    case win::WM_TIMER:
        if (message.WParam == kStepTimer) {
            if (TimerMode == 1) FListBox->FindUp();
            if (TimerMode == 2) FListBox->FindDown();
        }
        break;
    case CM_CANCELMODE: {
        auto* sender = reinterpret_cast<TControl*>(message.LParam);
        // A message without a sender closes the list too.
        const bool own =
            sender && (sender == this || sender == FListBox || sender == FListBox->ScrollBar);
        if (!own) CloseUp(false);
        break;
    }
    case CM_WANTSPECIALKEY: {
        const auto key = unsigned(message.WParam);
        if (key == win::VK_LEFT || key == win::VK_UP || key == win::VK_RIGHT || key == win::VK_DOWN)
            message.Result = 1;
        break;
    }
    default:
        break;
    }
}
