#include "lib/controls/TbsSkinComboBox.h"

#include "lib/controls/TbsCustomEdit.h"
#include "lib/controls/TbsListBox.h"
#include "lib/controls/TbsPopupListBox.h"
#include "lib/controls/TbsSkinScrollBar.h"
#include "platform/forms/ControlMessages.h"
#include "platform/forms/ListControlMessages.h"
#include "platform/rtl/TextUtils.h"
#include "platform/win/Focus.h"
#include "platform/win/Input.h"
#include "platform/win/Messages.h"
#include "platform/win/Messaging.h"
#include "platform/win/Screen.h"

#include <algorithm>
#include <utility>

TbsSkinCustomComboBox::TbsSkinCustomComboBox(TComponent* owner) : TbsSkinCustomControl(owner) {
    SetTabStop(true);
    FListBox = new TbsPopupListBox(this);
    if (!Designing()) FListBox->SetParent(this);
    FControlStyle.Include(csCaptureMouse);
    TbsListBox* inner = FListBox->ListBox;
    FListBoxWindowProc = inner->WindowProc;
    inner->WindowProc = [this](TMessage& message) { ListBoxWindowProcHook(message); };
    inner->OnMouseMove = [this](TObject*, TShiftState, int x, int y) { PopupListMouseMove(x, y); };
    inner->SetTabStop(false);
    FListBox->OnCheckButtonClick = [this](TObject*) { CloseUp(true); };
    SetSkinDataName("combobox");
    SetBounds(Left(), Top(), 120, 20);
}

TbsSkinCustomComboBox::~TbsSkinCustomComboBox() {
    StopTimer();
    if (FEdit) HideEditor();
    FListBox->ListBox->WindowProc = FListBoxWindowProc;
    FListBox->ListBox->OnMouseMove = nullptr;
    delete std::exchange(FListBox, nullptr);
}

TStrings& TbsSkinCustomComboBox::Items() {
    return FListBox->Items();
}

void TbsSkinCustomComboBox::SetItems(const TStrings& value) {
    FListBox->SetItems(value);
}

int TbsSkinCustomComboBox::ItemIndex() {
    return FListBox->ItemIndex();
}

void TbsSkinCustomComboBox::SetItemIndex(int value) {
    FListBox->SetItemIndex(value);
    const int index = FListBox->ItemIndex();
    if (Items().Count() > 0 && index != -1) SetText(Items()[index]);
    FOldItemIndex = index;
    if (!FEdit) Invalidate();
    if (ComponentState().Contains(csLoading) || Designing()) return;
    if (OnClick) OnClick(this);
    Change();
}

void TbsSkinCustomComboBox::SetDropDownCount(int value) {
    if (value >= 1) FDropDownCount = value;
}

void TbsSkinCustomComboBox::SetDefaultColor(TColor value) {
    FDefaultColor = value;
    if (FIndex == -1) Invalidate();
}

void TbsSkinCustomComboBox::SetUseSkinSize(bool value) {
    if (FUseSkinSize == value) return;
    FUseSkinSize = value;
    if (FIndex != -1) ChangeSkinData();
}

void TbsSkinCustomComboBox::SetToolButtonStyle(bool value) {
    if (FToolButtonStyle == value) return;
    FToolButtonStyle = value;
    if (value) SetUseSkinSize(false);
    CalcRects();
    Invalidate();
}

TCustomImageList* TbsSkinCustomComboBox::Images() const {
    return FListBox->Images();
}

void TbsSkinCustomComboBox::SetImages(TCustomImageList* value) {
    FListBox->SetImages(value);
    Invalidate();
}

int TbsSkinCustomComboBox::ImageIndex() const {
    return FListBox->ImageIndex();
}

void TbsSkinCustomComboBox::SetImageIndex(int value) {
    FListBox->SetImageIndex(value);
    Invalidate();
}

TStrings& TbsSkinCustomComboBox::TabWidths() {
    return FListBox->TabWidths();
}

void TbsSkinCustomComboBox::SetTabWidths(const TStrings& value) {
    FListBox->SetTabWidths(value);
    Invalidate();
}

std::string TbsSkinCustomComboBox::ListBoxCaption() const {
    return FListBox->Text();
}

void TbsSkinCustomComboBox::SetListBoxCaption(const std::string& value) {
    FListBox->SetText(value);
}

bool TbsSkinCustomComboBox::ListBoxCaptionMode() const {
    return FListBox->CaptionMode();
}

void TbsSkinCustomComboBox::SetListBoxCaptionMode(bool value) {
    FListBox->SetCaptionMode(value);
}

TAlignment TbsSkinCustomComboBox::ListBoxCaptionAlignment() const {
    return FListBox->Alignment();
}

void TbsSkinCustomComboBox::SetListBoxCaptionAlignment(TAlignment value) {
    FListBox->SetAlignment(value);
}

TFont& TbsSkinCustomComboBox::ListBoxDefaultFont() {
    return FListBox->DefaultFont();
}

void TbsSkinCustomComboBox::SetListBoxDefaultFont(const TFont& value) {
    FListBox->SetDefaultFont(value);
}

TFont& TbsSkinCustomComboBox::ListBoxDefaultCaptionFont() {
    return FListBox->DefaultCaptionFont();
}

void TbsSkinCustomComboBox::SetListBoxDefaultCaptionFont(const TFont& value) {
    FListBox->SetDefaultCaptionFont(value);
}

int TbsSkinCustomComboBox::ListBoxDefaultItemHeight() const {
    return FListBox->DefaultItemHeight();
}

void TbsSkinCustomComboBox::SetListBoxDefaultItemHeight(int value) {
    FListBox->SetDefaultItemHeight(value);
}

bool TbsSkinCustomComboBox::ListBoxUseSkinFont() const {
    return FListBox->UseSkinFont();
}

void TbsSkinCustomComboBox::SetListBoxUseSkinFont(bool value) {
    FListBox->SetUseSkinFont(value);
}

bool TbsSkinCustomComboBox::ListBoxUseSkinItemHeight() const {
    return FListBox->UseSkinItemHeight();
}

void TbsSkinCustomComboBox::SetListBoxUseSkinItemHeight(bool value) {
    FListBox->SetUseSkinItemHeight(value);
}

bool TbsSkinCustomComboBox::Sorted() const {
    return FListBox->ListBox->Sorted();
}

void TbsSkinCustomComboBox::SetSorted(bool value) {
    FListBox->ListBox->SetSorted(value);
}

void TbsSkinCustomComboBox::SetOnListBoxDrawItem(TbsDrawSkinItemEvent value) {
    FListBox->OnDrawItem = std::move(value);
}

bool TbsSkinCustomComboBox::IsPopupVisible() const {
    return FListBox && FListBox->Visible();
}

void TbsSkinCustomComboBox::DropDown() {
    if (Items().Count() == 0) return;
    WasInLB = false;
    StopTimer();
    if (OnDropDown) OnDropDown(this);
    FListBox->SetWidth(FListBoxWidth == 0 ? Width() : FListBoxWidth);
    FListBox->SetRowCount(std::min(Items().Count(), FDropDownCount));
    TPoint origin(Left(), Top() + Height());
    if (Parent()) origin = Parent()->ClientToScreen(origin);
    win::MONITORINFO info;
    if (win::GetMonitorInfo(win::MonitorFromWindow(Handle(), win::MONITOR_DEFAULTTONEAREST),
                            &info) &&
        origin.Y + FListBox->Height() > info.rcWork.bottom)
        origin.Y -= Height() + FListBox->Height();
    if (FEdit) FEdit->SetFocus();
    FOldItemIndex = FListBox->ItemIndex();
    // Stepping away and back makes the list draw its first row as chosen when it opens.
    if (FListBox->ItemIndex() == 0 && Items().Count() > 1) {
        FListBox->SetItemIndex(1);
        FListBox->SetItemIndex(0);
    }
    FDropDown = true;
    if (FToolButtonStyle) Invalidate();
    FListBox->SetTopIndex(std::max(FListBox->ItemIndex(), 0));
    FListBox->SetSkinData(SkinData());
    FListBox->Show(origin, FAlpha);
}

void TbsSkinCustomComboBox::CloseUp(bool accept) {
    StopTimer();
    if (!IsPopupVisible()) return;
    FListBox->Hide();
    const int index = FListBox->ItemIndex();
    if (index < 0) {
        FListBox->SetItemIndex(FOldItemIndex);
    } else if (index < Items().Count() && accept) {
        if (FEdit) {
            // The edit's change handler carries the text into Text.
            FEdit->SetText(Items()[index]);
            FEdit->SelectAll();
        } else {
            SetText(Items()[index]);
            Invalidate();
        }
        if (OnClick) OnClick(this);
        Change();
    } else {
        FListBox->SetItemIndex(FOldItemIndex);
    }
    FDropDown = false;
    Invalidate();
    if (accept && OnCloseUp) OnCloseUp(this);
}

void TbsSkinCustomComboBox::ComboUp(bool throughSetter) {
    const int index = ItemIndex();
    if (index <= 0) return;
    if (throughSetter)
        SetItemIndex(index - 1);
    else
        FListBox->SetItemIndex(index - 1);
}

void TbsSkinCustomComboBox::ComboDown(bool throughSetter) {
    const int index = ItemIndex();
    if (index >= Items().Count() - 1) return;
    if (throughSetter)
        SetItemIndex(index + 1);
    else
        FListBox->SetItemIndex(index + 1);
}

void TbsSkinCustomComboBox::ComboPageUp() {
    // A step of one more than the list shows, as the picker has always done.
    SetItemIndex(std::max(ItemIndex() - FDropDownCount - 1, 0));
}

void TbsSkinCustomComboBox::ComboPageDown() {
    SetItemIndex(std::min(ItemIndex() + FDropDownCount - 1, Items().Count() - 1));
}

void TbsSkinCustomComboBox::KeyDown(unsigned short& key, TShiftState shift) {
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
        ComboPageUp();
        break;
    case win::VK_NEXT:
        ComboPageDown();
        break;
    case win::VK_UP:
    case win::VK_LEFT:
        if (!alt)
            ComboUp();
        else if (IsPopupVisible())
            CloseUp(false);
        break;
    case win::VK_DOWN:
    case win::VK_RIGHT:
        if (!alt)
            ComboDown();
        else if (!IsPopupVisible())
            DropDown();
        break;
    default:
        break;
    }
}

void TbsSkinCustomComboBox::KeyPress(char32_t& key) {
    TbsSkinCustomControl::KeyPress(key);
    FindLBItem(key);
}

void TbsSkinCustomComboBox::FindLBItem(char32_t key) {
    std::string text;
    if (FAutoComplete) {
        // The key's own time: the back end's clock, which the message carries.
        const unsigned now = unsigned(win::GetMessageTime());
        if (now - FLastTime > 499) FFilter.clear();
        FLastTime = now;
        AppendUtf8(FFilter, key);
        text = FFilter;
    } else {
        AppendUtf8(text, key);
    }
    if (text.empty()) return;
    // One letter finds the next item beginning with it; more find the first from the top.
    const int start = text.size() == 1 ? ItemIndex() : -1;
    const int found = int(FListBox->ListBox->Perform(win::LB_FINDSTRING, win::WPARAM(start),
                                                     win::LPARAM(text.c_str())));
    if (found >= 0) SetItemIndex(found);
}

void TbsSkinCustomComboBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TbsSkinCustomControl::MouseDown(button, shift, x, y);
    if (!FEdit && !Focused() && CanFocus()) SetFocus();
    if (button != mbLeft) return;
    CalcRects();
    const TPoint at(x, y);
    const bool opener = Button.MouseIn || Button.R.Contains(at) ||
                        (!FEdit && CBItem.R.Contains(at)) || FToolButtonStyle;
    if (IsPopupVisible() || !opener) {
        // A press anywhere else on the control only closes an open list.
        CloseUp(false);
        return;
    }
    Button.Down = true;
    Invalidate();
    WasInLB = false;
    FLBDown = true;
    DropDown();
}

void TbsSkinCustomComboBox::MouseMove(TShiftState shift, int x, int y) {
    TbsSkinCustomControl::MouseMove(shift, x, y);
    if (FLBDown) {
        ProcessListBox();
        return;
    }
    const bool in = Button.R.Contains(TPoint(x, y));
    if (in == Button.MouseIn) return;
    Button.MouseIn = in;
    Invalidate();
}

void TbsSkinCustomComboBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (const auto chosen = DropListDrag().Release(FListBox->ListBox->Handle())) CloseUp(*chosen);
    TbsSkinCustomControl::MouseUp(button, shift, x, y);
    if (Button.Down) {
        Button.Down = false;
        Invalidate();
    }
}

void TbsSkinCustomComboBox::ListBoxWindowProcHook(TMessage& message) {
    if (DropListDrag().SwallowListButton(message, *this)) return;
    switch (message.Msg) {
    case win::WM_MOUSEACTIVATE:
        message.Result = win::MA_NOACTIVATE;
        return;
    default:
        FListBoxWindowProc(message);
    }
}

void TbsSkinCustomComboBox::PopupListMouseMove(int x, int y) {
    const int index = FListBox->ListBox->ItemAtPos(TPoint(x, y), true);
    if (index >= 0 && index < Items().Count()) FListBox->SetItemIndex(index);
}

void TbsSkinCustomComboBox::ProcessListBox() {
    win::POINT cursor;
    win::GetCursorPos(&cursor);
    TbsListBox* inner = FListBox->ListBox;
    const TPoint p = inner->ScreenToClient(TPoint(cursor.x, cursor.y));
    const bool canStep = FListBox->ScrollBar && WasInLB;
    if (p.Y < 0 && canStep) {
        StartTimer(1);
    } else if (p.Y > inner->Height() && canStep) {
        StartTimer(2);
    } else if (p.Y >= 0 && p.Y <= inner->Height()) {
        StopTimer();
        inner->Perform(win::WM_MOUSEMOVE, 0, win::MAKELPARAM(1, unsigned(p.Y)));
        WasInLB = true;
    }
}

void TbsSkinCustomComboBox::StartTimer(int mode) {
    if (mode == TimerMode) return;
    TimerMode = mode;
    win::SetTimer(Handle(), kStepTimer, TbsDropListDrag::kStepMs, nullptr);
}

void TbsSkinCustomComboBox::StopTimer() {
    if (TimerMode == 0) return;
    TimerMode = 0;
    if (HandleAllocated()) win::KillTimer(Handle(), kStepTimer);
}

void TbsSkinCustomComboBox::StepTick() {
    const int index = FListBox->ItemIndex();
    if (TimerMode == 1 && index > 0) FListBox->SetItemIndex(index - 1);
    if (TimerMode == 2 && index < Items().Count() - 1) FListBox->SetItemIndex(index + 1);
}

void TbsSkinCustomComboBox::WndProc(TMessage& message) {
    if (message.Msg == win::WM_MOUSEWHEEL && FEdit) return;
    if (message.Msg == win::WM_SETFOCUS && FEdit) {
        // The edit style keeps the focus in its edit.
        FEdit->SetFocus();
        return;
    }
    if (message.Msg == win::WM_MOUSEWHEEL) {
        // Away from the user steps up; the shown item follows only while the list is closed.
        const bool closed = !IsPopupVisible();
        if (win::GET_WHEEL_DELTA_WPARAM(message.WParam) > 0)
            ComboUp(closed);
        else
            ComboDown(closed);
        return;
    }
    TbsSkinCustomControl::WndProc(message);
    switch (message.Msg) {
    case CM_TEXTCHANGED:
        if (FEdit && !FromEdit) FEdit->SetText(Text());
        if (OnChange) OnChange(this);
        if (FromEdit) Change();
        break;
    case win::WM_SIZE:
        CalcRects();
        break;
    case CM_ENABLEDCHANGED:
        SetEditFont();
        Invalidate();
        break;
    case CM_MOUSEENTER:
        FMouseIn = true;
        if ((FIndex != -1 && !ActiveSkinRect.IsEmpty()) || FToolButtonStyle) Invalidate();
        break;
    case CM_MOUSELEAVE:
        FMouseIn = false;
        if (Button.MouseIn) {
            Button.MouseIn = false;
            Invalidate();
        }
        if ((FIndex != -1 && !ActiveSkinRect.IsEmpty()) || FToolButtonStyle) Invalidate();
        break;
    case win::WM_TIMER:
        if (message.WParam == kStepTimer && TimerMode != 0) StepTick();
        break;
    case win::WM_KILLFOCUS:
        if (IsPopupVisible()) CloseUp(false);
        Invalidate();
        break;
    case win::WM_SETFOCUS:
        Invalidate();
        break;
    case CM_CANCELMODE: {
        auto* sender = reinterpret_cast<TControl*>(message.LParam);
        // A message without a sender closes the list too, also while the list has no bar.
        if (!IsOwnPart(sender)) CloseUp(false);
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
