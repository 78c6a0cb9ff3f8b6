#include "lib/controls/TbsSkinListBox.h"

#include "lib/controls/TbsListBox.h"
#include "lib/controls/TbsSkinScrollBar.h"
#include "lib/skindata/bsSkinListRecords.h"
#include "platform/forms/ControlMessages.h"
#include "platform/win/Messages.h"
#include "platform/win/Messaging.h"
#include "platform/win/ScrollInfo.h"

#include <utility>

TbsSkinCustomListBox::TbsSkinCustomListBox(TComponent* owner) : TbsSkinCustomControl(owner) {
    FControlStyle = TControlStyle{ csAcceptsControls, csCaptureMouse, csClickEvents,
                                   csOpaque,          csDoubleClicks, csReplicatable };
    FForceBackground = true;
    FDrawbackground = false;
    FDefaultCaptionFont.SetName("Arial");
    FDefaultCaptionFont.SetHeight(14);
    ListBox = new TbsListBox(this);
    ListBox->SkinListBox = this;
    ListBox->SetItemHeight(FDefaultItemHeight);
    ListBox->SetParent(this);
    ListBox->SetVisible(true);
    SetSkinDataName("listbox");
    SetBounds(Left(), Top(), 120, 120);
}

TbsSkinCustomListBox::~TbsSkinCustomListBox() {
    FRepeat.Stop();
    delete std::exchange(ScrollBar, nullptr);
    if (ListBox) ListBox->SkinListBox = nullptr;
    delete std::exchange(ListBox, nullptr);
}

TStrings& TbsSkinCustomListBox::Items() {
    return ListBox->Items();
}

void TbsSkinCustomListBox::SetItems(const TStrings& value) {
    ListBox->SetItems(value);
    UpDateScrollBar();
}

int TbsSkinCustomListBox::ItemIndex() {
    return ListBox->ItemIndex();
}

void TbsSkinCustomListBox::SetItemIndex(int value) {
    ListBox->SetItemIndex(value);
}

int TbsSkinCustomListBox::TopIndex() {
    return ListBox->TopIndex();
}

void TbsSkinCustomListBox::SetTopIndex(int value) {
    ListBox->SetTopIndex(value);
    UpDateScrollBar();
}

void TbsSkinCustomListBox::Clear() {
    ListBox->Clear();
    UpDateScrollBar();
}

void TbsSkinCustomListBox::SetRowCount(int value) {
    FRowCount = value;
    if (FRowCount != 0) SetHeight(CalcHeight(FRowCount));
    UpDateScrollBar();
}

void TbsSkinCustomListBox::SetDefaultItemHeight(int value) {
    FDefaultItemHeight = value;
    if (FIndex == -1 || !FUseSkinItemHeight) ListBox->SetItemHeight(value);
}

void TbsSkinCustomListBox::SetCaptionMode(bool value) {
    FCaptionMode = value;
    if (FIndex == -1) {
        CalcRects();
        Invalidate();
    }
}

void TbsSkinCustomListBox::SetDefaultCaptionHeight(int value) {
    FDefaultCaptionHeight = value;
    if (FIndex == -1 && FCaptionMode) {
        CalcRects();
        Invalidate();
    }
}

int TbsSkinCustomListBox::CalcHeight(int AItemsCount) {
    const int rows = AItemsCount * ListBox->ItemHeight();
    if (FIndex == -1) return rows + 4 + (FCaptionMode ? FDefaultCaptionHeight : 0);
    return SkinRect.Height() - ClRect.Height() + rows;
}

void TbsSkinCustomListBox::GetSkinData() {
    TbsSkinCustomControl::GetSkinData();
    const auto* record = dynamic_cast<const TbsDataSkinListBox*>(SkinRecord());
    if (!record) {
        VScrollBarName.clear();
        SItemRect = TRect();
        return;
    }
    VScrollBarName = record->VScrollBarName;
    SItemRect = record->SItemRect;
    ActiveItemRect = record->ActiveItemRect.IsEmpty() ? SItemRect : record->ActiveItemRect;
    FocusItemRect = record->FocusItemRect.IsEmpty() ? SItemRect : record->FocusItemRect;
    ItemLeftOffset = record->ItemLeftOffset;
    ItemRightOffset = record->ItemRightOffset;
    ItemTextRect = record->ItemTextRect;
    FontName = record->FontName;
    FontStyle = record->FontStyle;
    FontHeight = record->FontHeight;
    FontColor = record->FontColor;
    ActiveFontColor = record->ActiveFontColor;
    FocusFontColor = record->FocusFontColor;
    ShowFocus = record->ShowFocus;
    CaptionRect = record->CaptionRect;
    CaptionFontName = record->CaptionFontName;
    CaptionFontStyle = record->CaptionFontStyle;
    CaptionFontHeight = record->CaptionFontHeight;
    CaptionFontColor = record->CaptionFontColor;
    UpButtonRect = record->UpButtonRect;
    ActiveUpButtonRect = record->ActiveUpButtonRect;
    DownUpButtonRect =
        record->DownUpButtonRect.IsEmpty() ? ActiveUpButtonRect : record->DownUpButtonRect;
    DownButtonRect = record->DownButtonRect;
    ActiveDownButtonRect = record->ActiveDownButtonRect;
    DownDownButtonRect =
        record->DownDownButtonRect.IsEmpty() ? ActiveDownButtonRect : record->DownDownButtonRect;
    CheckButtonRect = record->CheckButtonRect;
    ActiveCheckButtonRect = record->ActiveCheckButtonRect;
    DownCheckButtonRect =
        record->DownCheckButtonRect.IsEmpty() ? ActiveCheckButtonRect : record->DownCheckButtonRect;
    ButtonsArea = record->ButtonsArea;
    DisabledButtonsRect = record->DisabledButtonsRect;
}

void TbsSkinCustomListBox::ChangeSkinData() {
    TbsSkinCustomControl::ChangeSkinData();
    if (FIndex == -1)
        ListBox->SetItemHeight(FDefaultItemHeight);
    else if (FUseSkinItemHeight && SItemRect.Height() > 0)
        ListBox->SetItemHeight(SItemRect.Height());
    if (ScrollBar) {
        ScrollBar->SetSkinDataName(FIndex == -1 ? std::string() : VScrollBarName);
        ScrollBar->SetSkinData(SkinData());
    }
    if (FRowCount != 0) SetHeight(CalcHeight(FRowCount));
    CalcRects();
    UpDateScrollBar();
    ListBox->Invalidate();
}

void TbsSkinCustomListBox::CalcRects() {
    if (!ListBox) return;
    const int capTop = FIndex == -1 && FCaptionMode ? FDefaultCaptionHeight : 1;
    if (FIndex != -1) {
        NewClRect = ClRect;
        NewClRect.Right += Width() - SkinRect.Width();
        NewClRect.Bottom += Height() - SkinRect.Height();
    }
    if (ScrollBar) {
        if (FIndex == -1) {
            ScrollBar->SetBounds(Width() - 20, capTop, 19, Height() - capTop - 1);
            ListRect = TRect(2, capTop + 1, ScrollBar->Left(), Height() - 2);
        } else {
            const int w = ScrollBar->Width();
            ScrollBar->SetBounds(NewClRect.Right - w, NewClRect.Top, w, NewClRect.Height());
            ListRect = NewClRect;
            ListRect.Right -= w;
        }
    } else {
        ListRect = FIndex == -1 ? TRect(2, capTop + 1, Width() - 2, Height() - 2) : NewClRect;
    }
    ListBox->SetBounds(ListRect.Left, ListRect.Top, ListRect.Width(), ListRect.Height());
}

void TbsSkinCustomListBox::UpDateScrollBar() {
    if (!ListBox || FInUpdate || !ListBox->HandleAllocated()) return;
    FInUpdate = true;
    const int count = ListBox->Count();
    bool needed = false;
    if (FRowCount < 1 || FRowCount != count) {
        int min = 0;
        int max = 0;
        win::GetScrollRange(ListBox->Handle(), win::SB_VERT, &min, &max);
        const int pos = win::GetScrollPos(ListBox->Handle(), win::SB_VERT);
        const int page = ListBox->ItemHeight() > 0 ? ListBox->Height() / ListBox->ItemHeight() : 0;
        if (min < max && max >= pos && page < count) {
            needed = true;
            if (!ScrollBar) ShowScrollBar();
            ScrollBar->SetRange(min, max, pos, page);
            ScrollBar->SetLargeChange(page);
        }
    }
    if (!needed && ScrollBar) HideScrollBar();
    FInUpdate = false;
}

void TbsSkinCustomListBox::ShowScrollBar() {
    ScrollBar = new TbsSkinScrollBar(this);
    ScrollBar->SetKind(sbVertical);
    ScrollBar->SetBounds(0, 0, 20, 100);
    ScrollBar->SetPageSize(0);
    ScrollBar->SetMin(0);
    ScrollBar->SetPosition(0);
    ScrollBar->OnChange = [this](TObject*) { SBChange(); };
    ScrollBar->SetSkinDataName(FIndex == -1 ? std::string() : VScrollBarName);
    ScrollBar->SetSkinData(SkinData());
    ScrollBar->SetParent(this);
    CalcRects();
    ScrollBar->SetVisible(true);
    Invalidate();
}

void TbsSkinCustomListBox::HideScrollBar() {
    delete std::exchange(ScrollBar, nullptr);
    CalcRects();
}

void TbsSkinCustomListBox::SBChange() {
    // The top index directly: a scroll message would carry only 16 bits of the position.
    ListBox->SetTopIndex(ScrollBar->Position());
}

void TbsSkinCustomListBox::SetBounds(int left, int top, int width, int height) {
    TbsSkinCustomControl::SetBounds(left, top, width, height);
    CalcRects();
    UpDateScrollBar();
    if (FIndex == -1) Invalidate();
}

void TbsSkinCustomListBox::ListBoxWProc(TMessage&, bool&) {}

void TbsSkinCustomListBox::WndProc(TMessage& message) {
    TbsSkinCustomControl::WndProc(message);
    switch (message.Msg) {
    case win::WM_SIZE:
        CalcRects();
        UpDateScrollBar();
        if (ScrollBar) ScrollBar->Invalidate();
        break;
    case win::WM_TIMER:
        if (TbsRepeatTimer::IsTick(message)) CaptionTimerTick();
        break;
    case CM_MOUSEENTER:
        TestActive(-1, -1);
        break;
    case CM_MOUSELEAVE:
        ActiveButton = -1;
        for (TbsCBButtonX& b : Buttons)
            if (b.MouseIn) {
                b.MouseIn = false;
                Invalidate();
            }
        break;
    case CM_TEXTCHANGED:
        if (FCaptionMode) Invalidate();
        break;
    default:
        break;
    }
}
