#include "lib/controls/TbsSkinListBox.h"

#include "lib/controls/TbsListBox.h"
#include "lib/controls/TbsSkinScrollBar.h"
#include "lib/controls/bsRecordRects.h"
#include "lib/skindata/bsSkinListRecords.h"
#include "platform/forms/ControlMessages.h"
#include "platform/forms/TImageList.h"
#include "platform/win/Messages.h"
#include "platform/win/Messaging.h"
#include "platform/win/ScrollInfo.h"

#include <algorithm>
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
    delete std::exchange(HScrollBar, nullptr);
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

bool TbsSkinCustomListBox::MultiSelect() const {
    return ListBox->MultiSelect();
}

void TbsSkinCustomListBox::SetMultiSelect(bool value) {
    ListBox->SetMultiSelect(value);
}

bool TbsSkinCustomListBox::ExtandedSelect() const {
    return ListBox->ExtendedSelect();
}

void TbsSkinCustomListBox::SetExtandedSelect(bool value) {
    ListBox->SetExtendedSelect(value);
}

bool TbsSkinCustomListBox::Sorted() const {
    return ListBox->Sorted();
}

void TbsSkinCustomListBox::SetSorted(bool value) {
    if (ScrollBar && ListBox->Columns() == 0) HideScrollBar();
    ListBox->SetSorted(value);
    UpDateScrollBar();
}

bool TbsSkinCustomListBox::Selected(int index) {
    return ListBox->Selected(index);
}

void TbsSkinCustomListBox::SetSelected(int index, bool value) {
    ListBox->SetSelected(index, value);
}

int TbsSkinCustomListBox::SelCount() {
    return ListBox->SelCount();
}

int TbsSkinCustomListBox::ItemAtPos(const TPoint& pos, bool existing) {
    return ListBox->ItemAtPos(pos, existing);
}

TRect TbsSkinCustomListBox::ItemRect(int item) {
    return ListBox->ItemRect(item);
}

TCanvas& TbsSkinCustomListBox::ListBoxCanvas() {
    return ListBox->Canvas();
}

TFont& TbsSkinCustomListBox::ListBoxFont() {
    return ListBox->Font();
}

void TbsSkinCustomListBox::SetListBoxFont(const TFont& value) {
    ListBox->SetFont(value);
}

int TbsSkinCustomListBox::ListBoxTabOrder() const {
    return ListBox->TabOrder();
}

void TbsSkinCustomListBox::SetListBoxTabOrder(int value) {
    ListBox->SetTabOrder(value);
}

bool TbsSkinCustomListBox::ListBoxTabStop() const {
    return ListBox->TabStop();
}

void TbsSkinCustomListBox::SetListBoxTabStop(bool value) {
    ListBox->SetTabStop(value);
}

TComponent* TbsSkinCustomListBox::ListBoxPopupMenu() const {
    return ListBox->PopupMenu();
}

void TbsSkinCustomListBox::SetListBoxPopupMenu(TComponent* value) {
    ListBox->SetPopupMenu(value);
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
    const int bar = HScrollBar ? HScrollBar->Height() : 0;
    if (FIndex == -1) return rows + 4 + (FCaptionMode ? FDefaultCaptionHeight : 0) + bar;
    return SkinRect.Height() - ClRect.Height() + rows + bar;
}

void TbsSkinCustomListBox::SetHorizontalExtent(bool value) {
    FHorizontalExtent = value;
    UpDateScrollBar();
}

int TbsSkinCustomListBox::Columns() const {
    return ListBox->Columns();
}

void TbsSkinCustomListBox::SetColumns(int value) {
    // A bar of the other direction cannot serve the new layout.
    if ((value > 0) != (ListBox->Columns() > 0) && ScrollBar) HideScrollBar();
    ListBox->SetColumns(value);
    UpDateScrollBar();
}

int TbsSkinCustomListBox::GetItemWidth(int Index, TCanvas& Canvas) {
    return Canvas.TextWidth(ListBox->Items()[Index]);
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
    HScrollBarName = record->HScrollBarName;
    BothScrollBarName = record->BothScrollBarName;
    SItemRect = record->SItemRect;
    ActiveItemRect = OrElse(record->ActiveItemRect, SItemRect);
    FocusItemRect = OrElse(record->FocusItemRect, SItemRect);
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
    DownUpButtonRect = OrElse(record->DownUpButtonRect, ActiveUpButtonRect);
    DownButtonRect = record->DownButtonRect;
    ActiveDownButtonRect = record->ActiveDownButtonRect;
    DownDownButtonRect = OrElse(record->DownDownButtonRect, ActiveDownButtonRect);
    CheckButtonRect = record->CheckButtonRect;
    ActiveCheckButtonRect = record->ActiveCheckButtonRect;
    DownCheckButtonRect = OrElse(record->DownCheckButtonRect, ActiveCheckButtonRect);
    ButtonsArea = record->ButtonsArea;
    DisabledButtonsRect = record->DisabledButtonsRect;
}

void TbsSkinCustomListBox::ChangeSkinData() {
    TbsSkinCustomControl::ChangeSkinData();
    if (FIndex == -1)
        ListBox->SetItemHeight(FDefaultItemHeight);
    else if (FUseSkinItemHeight && SItemRect.Height() > 0)
        ListBox->SetItemHeight(SItemRect.Height());
    FStopUpDateHScrollBar = true;
    if (ScrollBar) {
        ScrollBar->SetSkinDataName(ScrollBarSkinName());
        ScrollBar->SetSkinData(SkinData());
    }
    if (HScrollBar) {
        SetHScrollBarNames();
        HScrollBar->SetSkinData(SkinData());
    }
    if (FRowCount != 0) SetHeight(CalcHeight(FRowCount));
    CalcRects();
    FStopUpDateHScrollBar = false;
    UpDateScrollBar();
    ListBox->Invalidate();
}

void TbsSkinCustomListBox::CalcRects() {
    if (!ListBox) return;
    const int capTop = FIndex == -1 && FCaptionMode ? FDefaultCaptionHeight : 1;
    const bool columns = ListBox->Columns() > 0;
    if (FIndex != -1) {
        NewClRect = ClRect;
        NewClRect.Right += Width() - SkinRect.Width();
        NewClRect.Bottom += Height() - SkinRect.Height();
    }
    // The horizontal-extent bar's height, kept free under the rows.
    int h = 0;
    if (HScrollBar && !columns) {
        if (FIndex == -1) {
            HScrollBar->SetBounds(1, Height() - 20, Width() - 2, 19);
            h = HScrollBar->Height() - 1;
        } else {
            const int bh = HScrollBar->Height();
            HScrollBar->SetBounds(NewClRect.Left, NewClRect.Bottom - bh, NewClRect.Width(), bh);
            h = bh;
        }
    }
    if (ScrollBar) {
        if (FIndex == -1 && !columns) {
            ScrollBar->SetBounds(Width() - 20, capTop, 19, Height() - capTop - h - 1);
            ListRect = TRect(2, capTop + 1, ScrollBar->Left(), Height() - h - 2);
        } else if (FIndex == -1) {
            ScrollBar->SetBounds(1, Height() - 20, Width() - 2, 19);
            ListRect = TRect(2, capTop + 1, Width() - 2, ScrollBar->Top());
        } else if (!columns) {
            const int w = ScrollBar->Width();
            ScrollBar->SetBounds(NewClRect.Right - w, NewClRect.Top, w, NewClRect.Height() - h);
            ListRect = NewClRect;
            ListRect.Right -= w;
        } else {
            const int bh = ScrollBar->Height();
            ScrollBar->SetBounds(NewClRect.Left, NewClRect.Bottom - bh, NewClRect.Width(), bh);
            ListRect = NewClRect;
            h = bh;
        }
        if (FIndex != -1) ListRect.Bottom -= h;
    } else if (FIndex == -1) {
        ListRect = TRect(2, capTop + 1, Width() - 2, Height() - 2 - h);
    } else {
        ListRect = NewClRect;
        ListRect.Bottom -= h;
    }
    ListBox->SetBounds(ListRect.Left, ListRect.Top, ListRect.Width(), ListRect.Height());
}

void TbsSkinCustomListBox::UpDateScrollBar() {
    if (!ListBox || FInUpdate || !ListBox->HandleAllocated()) return;
    FInUpdate = true;
    const int count = ListBox->Count();
    const int columns = ListBox->Columns();
    const int itemHeight = ListBox->ItemHeight();
    const int page = itemHeight > 0 ? ListBox->Height() / itemHeight : 0;
    bool needed = false;
    int min = 0;
    int max = 0;
    if (columns < 1) {
        UpDateHScrollBar();
        if (FRowCount < 1 || FRowCount != count) {
            win::GetScrollRange(ListBox->Handle(), win::SB_VERT, &min, &max);
            const int pos = win::GetScrollPos(ListBox->Handle(), win::SB_VERT);
            if (min < max && max >= pos && page < count) {
                needed = true;
                if (!ScrollBar) ShowScrollBar();
                ScrollBar->SetRange(min, max, pos, page);
                ScrollBar->SetLargeChange(page);
            }
        }
    } else {
        win::GetScrollRange(ListBox->Handle(), win::SB_HORZ, &min, &max);
        const int pos = win::GetScrollPos(ListBox->Handle(), win::SB_HORZ);
        if (min < max && max >= pos && max >= columns && page * columns < count) {
            needed = true;
            if (!ScrollBar) ShowScrollBar();
            ScrollBar->SetRange(min, max, pos, columns);
        }
    }
    if (!needed && ScrollBar) HideScrollBar();
    FInUpdate = false;
}

void TbsSkinCustomListBox::UpDateHScrollBar() {
    if (!FHorizontalExtent || FStopUpDateHScrollBar) {
        if (HScrollBar) HideHScrollBar();
        return;
    }
    TCanvas& canvas = ListBox->Canvas();
    if (FIndex != -1 && FUseSkinFont) {
        canvas.Font().SetName(FontName);
        canvas.Font().SetStyle(FontStyle);
        canvas.Font().SetHeight(FontHeight);
    } else {
        canvas.SetFont(ListBox->Font());
    }
    int widest = 0;
    for (int i = 0; i < ListBox->Count(); ++i)
        widest = std::max(widest, GetItemWidth(i, canvas));
    int visible = FIndex == -1 ? ListBox->Width() - 4
                               : ListBox->Width() + ItemTextRect.Width() - SItemRect.Width();
    if (FImages) visible -= FImages->Width() + 4;
    if (visible >= widest) {
        if (HScrollBar) HideHScrollBar();
        return;
    }
    if (!HScrollBar) ShowHScrollBar();
    HScrollBar->SetRange(0, widest, HScrollBar->Position(), visible);
    const int step = canvas.TextWidth("0");
    HScrollBar->SetSmallChange(step);
    HScrollBar->SetLargeChange(step);
}

std::string TbsSkinCustomListBox::ScrollBarSkinName() const {
    if (FIndex == -1) return {};
    return ListBox->Columns() > 0 ? HScrollBarName : VScrollBarName;
}

void TbsSkinCustomListBox::SetHScrollBarNames() {
    const bool both = ScrollBar && ListBox->Columns() < 1;
    HScrollBar->SetBoth(both);
    if (FIndex == -1) {
        HScrollBar->SetSkinDataName({});
        if (both) HScrollBar->SetBothMarkerWidth(19);
        return;
    }
    const std::string& name = both ? BothScrollBarName : HScrollBarName;
    HScrollBar->SetBothSkinDataName(name);
    HScrollBar->SetSkinDataName(name);
}

void TbsSkinCustomListBox::ShowHScrollBar() {
    HScrollBar = new TbsSkinScrollBar(this);
    HScrollBar->SetKind(sbHorizontal);
    HScrollBar->SetBounds(0, 0, 100, 20);
    HScrollBar->SetPageSize(0);
    HScrollBar->SetMin(0);
    HScrollBar->SetPosition(0);
    HScrollBar->OnChange = [this](TObject*) { HSBChange(); };
    SetHScrollBarNames();
    HScrollBar->SetSkinData(SkinData());
    HScrollBar->SetParent(this);
    CalcRects();
    HScrollBar->SetVisible(true);
    Invalidate();
}

void TbsSkinCustomListBox::HideHScrollBar() {
    ListBox->FHorizontalExtentValue = 0;
    delete std::exchange(HScrollBar, nullptr);
    CalcRects();
    ListBox->Invalidate();
}

void TbsSkinCustomListBox::HSBChange() {
    ListBox->FHorizontalExtentValue = HScrollBar->Position();
    ListBox->Invalidate();
}

void TbsSkinCustomListBox::ShowScrollBar() {
    ScrollBar = new TbsSkinScrollBar(this);
    ScrollBar->SetKind(ListBox->Columns() > 0 ? sbHorizontal : sbVertical);
    ScrollBar->SetBounds(0, 0, 20, 100);
    ScrollBar->SetPageSize(0);
    ScrollBar->SetMin(0);
    ScrollBar->SetPosition(0);
    ScrollBar->OnChange = [this](TObject*) { SBChange(); };
    ScrollBar->SetSkinDataName(ScrollBarSkinName());
    ScrollBar->SetSkinData(SkinData());
    ScrollBar->SetParent(this);
    // A horizontal-extent bar shown already now meets this one in a corner.
    if (HScrollBar) SetHScrollBarNames();
    CalcRects();
    ScrollBar->SetVisible(true);
    Invalidate();
}

void TbsSkinCustomListBox::HideScrollBar() {
    delete std::exchange(ScrollBar, nullptr);
    if (HScrollBar) SetHScrollBarNames();
    CalcRects();
}

void TbsSkinCustomListBox::SBChange() {
    if (ListBox->Columns() > 0) {
        ListBox->Perform(win::WM_HSCROLL,
                         win::MAKEWPARAM(win::SB_THUMBPOSITION, unsigned(ScrollBar->Position())),
                         0);
        return;
    }
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
