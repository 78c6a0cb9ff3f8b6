#include "lib/controls/TbsSkinPageControl.h"

#include "lib/controls/TbsSkinTabSheet.h"
#include "lib/controls/TbsSkinUpDown.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindata/bsSkinMessages.h"
#include "lib/skindata/bsSkinTabViewRecords.h"
#include "platform/forms/CommCtrl.h"
#include "platform/forms/TImageList.h"
#include "platform/forms/TTabSheet.h"
#include "platform/win/Win.h"

#include <algorithm>

using namespace win;

TbsSkinPageControl::TbsSkinPageControl(TComponent* owner)
    : TbsSkinControlBase<TPageControl>(owner) {
    FSkinDataName = "tab";
    for (TFont* font : { &FDefaultFont, &Font() }) {
        font->SetName("Arial");
        font->SetHeight(14);
        font->SetColor(clBtnText);
    }
    FTempImages = std::make_unique<TCustomImageList>(nullptr);
    FTempImages->SetSize(1, 1);
    TPageControl::SetImages(FTempImages.get());
}

TbsSkinPageControl::~TbsSkinPageControl() {
    TPageControl::SetImages(nullptr);
}

int TbsSkinPageControl::CloseSize() const {
    const TbsDataSkinTabControl* record = TabRecord();
    if (!record || record->CloseButtonRect.IsEmpty()) return 14;
    return record->CloseButtonRect.Width();
}

void TbsSkinPageControl::SizeReservedRoom() {
    // The platform measures every tab lying along its row, so the room is reserved in the
    // list's width for side tabs as well; its height keeps an image's height across the row.
    const int width =
        1 + (FTabImages ? FTabImages->Width() : 0) + (FShowCloseButtons ? FCloseSize : 0);
    const int height = FTabImages ? std::max(FTabImages->Height(), 1) : 1;
    FTempImages->SetSize(width, height);
    TPageControl::SetImages(FTempImages.get());
    Invalidate();
}

void TbsSkinPageControl::SetImages(TCustomImageList* value) {
    if (FTabImages == value) return;
    if (FTabImages) FTabImages->RemoveFreeNotification(this);
    FTabImages = value;
    if (value) value->FreeNotification(this);
    SizeReservedRoom();
}

void TbsSkinPageControl::Notification(TComponent* component, TOperation operation) {
    TbsSkinControlBase<TPageControl>::Notification(component, operation);
    if (operation == opRemove && component == FTabImages) {
        FTabImages = nullptr;
        SizeReservedRoom();
    }
}

void TbsSkinPageControl::SetShowCloseButtons(bool value) {
    if (FShowCloseButtons == value) return;
    FShowCloseButtons = value;
    SizeReservedRoom();
}

void TbsSkinPageControl::SetTextInHorizontal(bool value) {
    FTextInHorizontal = value;
    Invalidate();
}

void TbsSkinPageControl::SetTabExtededDraw(bool value) {
    FTabExtededDraw = value;
    Invalidate();
}

void TbsSkinPageControl::SetTabLayout(TbsButtonLayout value) {
    if (FTabLayout == value) return;
    FTabLayout = value;
    Invalidate();
}

void TbsSkinPageControl::SetTabMargin(int value) {
    if (value < -1 || FTabMargin == value) return;
    FTabMargin = value;
    Invalidate();
}

void TbsSkinPageControl::SetTabSpacing(int value) {
    if (FTabSpacing == value) return;
    FTabSpacing = value;
    Invalidate();
}

void TbsSkinPageControl::ChangeSkinData() {
    GetSkinData();
    FCloseSize = CloseSize();
    const TbsDataSkinTabControl* record = TabRecord();
    int height = TabHeight();
    if (!record) {
        Font().Assign(FDefaultFont);
        if (height <= 0) height = FDefaultItemHeight;
    } else {
        if (FUseSkinFont) {
            Font().SetName(record->FontName);
            Font().SetHeight(record->FontHeight);
            Font().SetStyle(record->FontStyle);
        } else {
            Font().Assign(FDefaultFont);
        }
        Font().SetColor(record->FontColor);
        if (height <= 0) height = record->TabRect.Height();
    }
    SizeReservedRoom();
    Perform(TCM_SETITEMSIZE, 0, MAKELPARAM(unsigned(TabWidth()), unsigned(height)));
    UpdateScrollerPosition();
    Realign();
    // The scroller takes the new record's up-down.
    FScroller.reset();
    CheckScroller();
    if (ActivePage()) ActivePage()->Invalidate();
    Invalidate();
}

void TbsSkinPageControl::SetDefaultItemHeight(int value) {
    FDefaultItemHeight = value;
    ApplyPlainTabSize();
}

void TbsSkinPageControl::Loaded() {
    TbsSkinControlBase<TPageControl>::Loaded();
    ApplyPlainTabSize();
}

void TbsSkinPageControl::ApplyPlainTabSize() {
    if (!TabRecord()) {
        const int height = TabHeight() > 0 ? TabHeight() : FDefaultItemHeight;
        Perform(TCM_SETITEMSIZE, 0, MAKELPARAM(unsigned(TabWidth()), unsigned(height)));
    }
    UpdateScrollerPosition();
    Realign();
}

int TbsSkinPageControl::HiddenTabs() {
    int hidden = 0;
    const int count = int(Perform(TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        RECT r{};
        Perform(TCM_GETITEMRECT, WPARAM(i), LPARAM(&r));
        if (r.right > Width() - 3 || r.right <= 0) ++hidden;
    }
    return hidden;
}

int TbsSkinPageControl::ScrolledTabs() {
    return FirstShownTab();
}

void TbsSkinPageControl::CheckScroller() {
    if (FCheckingScroller) return;
    FCheckingScroller = true;
    if (!TabsOverflow() || MultiLine() || FHideTabs)
        FScroller.reset();
    else if (!FScroller)
        CreateScroller();
    else {
        FScroller->SetMax(HiddenTabs());
        PlaceScroller();
    }
    FCheckingScroller = false;
}

void TbsSkinPageControl::CreateScroller() {
    FScroller = std::make_unique<TbsSkinUpDown>(nullptr);
    FScroller->SetBounds(0, 0, 2 * FDefaultItemHeight, FDefaultItemHeight);
    FScroller->SetMin(0);
    FScroller->SetMax(HiddenTabs());
    FScroller->SetPosition(ScrolledTabs());
    FScroller->SetIncrement(1);
    const TbsDataSkinTabControl* record = TabRecord();
    if (record && !record->UpDown.empty()) FScroller->SetSkinDataName(record->UpDown);
    FScroller->SetSkinData(FSD);
    FScroller->OnChange = [this](TObject*) { ScrollerChange(); };
    FScroller->SetParent(this);
    PlaceScroller();
}

void TbsSkinPageControl::PlaceScroller() {
    const int top = TabPosition() == tpTop ? 0 : Height() - FScroller->Height();
    FScroller->SetBounds(Width() - FScroller->Width(), top, FScroller->Width(),
                         FScroller->Height());
}

void TbsSkinPageControl::ScrollerChange() {
    FScroller->SetMax(HiddenTabs());
    Perform(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, unsigned(FScroller->Position())), 0);
    Invalidate();
}

void TbsSkinPageControl::UpdateScrollerPosition() {
    if (!FScroller) return;
    FScroller->SetMax(HiddenTabs());
    FScroller->SetPosition(ScrolledTabs());
    Invalidate();
}

void TbsSkinPageControl::AlignControls(TControl* control, TRect& rect) {
    TbsSkinControlBase<TPageControl>::AlignControls(control, rect);
    // Pages added or removed, a resize or a new tab size may make the row overflow or fit.
    CheckScroller();
}

void TbsSkinPageControl::Change() {
    TbsSkinControlBase<TPageControl>::Change();
    UpdateScrollerPosition();
    if (ActivePage()) ActivePage()->Invalidate();
}

const TbsDataSkinTabControl* TbsSkinPageControl::TabRecord() const {
    return dynamic_cast<const TbsDataSkinTabControl*>(SkinRecord());
}

void TbsSkinPageControl::ForceSingleTopRow() {
    SetTabPosition(tpTop);
    SetMultiLine(false);
    FTabsBGTransparent = true;
}

void TbsSkinPageControl::SetTabsInCenter(bool value) {
    if (value && TabWidth() == 0) return;
    FTabsInCenter = value;
    if (value) ForceSingleTopRow();
    Invalidate();
}

void TbsSkinPageControl::SetTabsOffset(int value) {
    FTabsOffset = value;
    if (value > 0) ForceSingleTopRow();
    Invalidate();
}

void TbsSkinPageControl::SetTabsBGTransparent(bool value) {
    FTabsBGTransparent = value;
    Invalidate();
}

int TbsSkinPageControl::GetTabsOffset() const {
    if (FTabsOffset > 0) return FTabsOffset;
    if (TabWidth() == 0) return 0;
    int shown = 0;
    for (int i = 0; i < PageCount(); ++i)
        if (Pages(i)->TabVisible()) ++shown;
    return std::max(Width() / 2 - TabWidth() * shown / 2, 0);
}

bool TbsSkinPageControl::PointerOver() {
    POINT p{};
    GetCursorPos(&p);
    const TPoint client = ScreenToClient(TPoint(p.x, p.y));
    return TRect(0, 0, Width(), Height()).Contains(client);
}

void TbsSkinPageControl::ClosePage(TTabSheet* page) {
    if (!page || page->PageControl() != this) return;
    bool canClose = true;
    if (OnClose) OnClose(page, canClose);
    if (!canClose) {
        // The button stays drawn pressed or hot only while the pointer is still over it.
        if (auto* sheet = dynamic_cast<TbsSkinTabSheet*>(page); sheet && !PointerOver()) {
            sheet->ButtonMouseIn = false;
            sheet->ButtonMouseDown = false;
            Invalidate();
        }
        return;
    }
    page->SetTabVisible(false);
    if (FFreeOnClose) delete page;
    if (OnAfterClose) OnAfterClose(this);
}

void TbsSkinPageControl::HideTabs() {
    if (FHideTabs) return;
    bool anyShown = false;
    for (int i = 0; i < PageCount(); ++i)
        anyShown = anyShown || Pages(i)->TabVisible();
    if (!anyShown) return;
    FHideTabs = true;
    FOldTabPosition = TabPosition();
    FOldMultiLine = MultiLine();
    if (TabPosition() == tpLeft || TabPosition() == tpRight) SetTabPosition(tpTop);
    SetMultiLine(false);
    FOldTabHeight = TabHeight();
    SetTabHeight(1);
    FScroller.reset();
}

void TbsSkinPageControl::ShowTabs() {
    if (!FHideTabs) return;
    SetTabPosition(FOldTabPosition);
    SetMultiLine(FOldMultiLine);
    FHideTabs = false;
    SetTabHeight(FOldTabHeight);
    FOldTabHeight = -1;
    if (!MultiLine()) CheckScroller();
}

void TbsSkinPageControl::HideBorderAndTabs() {
    SetTabPosition(tpTop);
    FHideTabs = true;
    FHideBorder = true;
    FScroller.reset();
    Realign();
    Invalidate();
}

void TbsSkinPageControl::ShowBorderAndTabs() {
    FHideTabs = false;
    FHideBorder = false;
    ShowTabs();
    Realign();
    Invalidate();
}

// The platform's page area, made to fit the record's frame (or the plain one-pixel frame).
void TbsSkinPageControl::CorrectPageArea(TRect& r) const {
    if (FHideBorder) {
        r = TRect(0, -2, Width(), Height());
        return;
    }
    auto* self = const_cast<TbsSkinPageControl*>(this);
    const int w = self->ClientWidth();
    const int h = self->ClientHeight();
    const bool hidden = FHideTabs;
    if (const TbsDataSkinTabControl* record = TabRecord()) {
        const int l = record->ClRect.Left;
        const int t = record->ClRect.Top;
        const int rb = record->SkinRect.Width() - record->ClRect.Right;
        const int bb = record->SkinRect.Height() - record->ClRect.Bottom;
        switch (TabPosition()) {
        case tpTop:
            r = TRect(l, r.Top + t - 6 - (hidden ? 1 : 0), w - rb, h - bb);
            break;
        case tpBottom:
            r = TRect(l, r.Top + t - 4, w - rb, r.Bottom + 4 - bb + (hidden ? 1 : 0));
            break;
        case tpLeft:
            r = TRect(r.Left + l - 4 - (hidden ? 1 : 0), r.Top + t - 4, w - rb, h - bb);
            break;
        case tpRight:
            r = TRect(l, r.Top + t - 4, r.Right - rb + 4 + (hidden ? 1 : 0), h - bb);
            break;
        }
        return;
    }
    switch (TabPosition()) {
    case tpTop:
        r = TRect(1, r.Top - 5 - (hidden ? 1 : 0), w - 1, h - 1);
        break;
    case tpBottom:
        r = TRect(1, 1, w - 1, r.Bottom + 3);
        break;
    case tpLeft:
        r = TRect(r.Left - 3 - (hidden ? 1 : 0), r.Top - 5, w - 1, h - 1);
        break;
    case tpRight:
        r = TRect(r.Left - 3, r.Top - 5, r.Right + 3 + (hidden ? 1 : 0), h - 1);
        break;
    }
}

// The tabs sit snug against the corrected frame.
void TbsSkinPageControl::CorrectTabRect(TRect& r) const {
    auto shift = [&r](int dx) {
        r.Left += dx;
        r.Right += dx;
    };
    switch (TabPosition()) {
    case tpTop:
        if (!MultiLine()) shift(-2);
        r.Top -= 2;
        r.Bottom -= 2;
        if (RowMoved()) shift(GetTabsOffset());
        break;
    case tpBottom:
        if (!MultiLine()) shift(-2);
        r.Top += 2;
        r.Bottom += 2;
        break;
    case tpLeft:
        shift(-2);
        break;
    case tpRight:
        shift(2);
        break;
    }
}

void TbsSkinPageControl::WheelStep(int delta) {
    TTabSheet* active = ActivePage();
    const int count = PageCount();
    const int from = ActivePageIndex();
    const int step = delta < 0 ? 1 : -1;
    for (int i = from + step; i >= 0 && i < count; i += step) {
        TTabSheet* page = Pages(i);
        if (!page->TabVisible()) continue;
        if (page == active || !CanChange()) return;
        SetActivePage(page);
        Change();
        return;
    }
}

void TbsSkinPageControl::WndProc(TMessage& message) {
    const bool moved = RowMoved();
    switch (message.Msg) {
    case WM_ERASEBKGND:
        // The paint covers the whole control, the sheets their pages.
        message.Result = 1;
        return;
    case WM_SKINFRAMEPAINT:
        message.Result = SKIN_FRAME_PAINTED;
        return;
    case WM_PARENTBGCHANGED:
        // Only a transparent tab row shows the parent's background.
        if (FTabsBGTransparent) Invalidate();
        return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_NCHITTEST:
        // The platform lays the row out from the left edge: it must see the pointer where the
        // unmoved row would be.
        if (moved) {
            const int x = short(LOWORD(message.LParam)) - GetTabsOffset();
            const int y = short(HIWORD(message.LParam));
            message.LParam = MAKELPARAM(unsigned(x), unsigned(y));
        }
        break;
    default:
        break;
    }
    TbsSkinControlBase<TPageControl>::WndProc(message);
    switch (message.Msg) {
    case TCM_ADJUSTRECT:
        if (auto* r = reinterpret_cast<RECT*>(message.LParam)) {
            TRect rect(*r);
            CorrectPageArea(rect);
            *r = rect;
        }
        break;
    case TCM_GETITEMRECT:
        if (message.Result) {
            auto* r = reinterpret_cast<RECT*>(message.LParam);
            TRect rect(*r);
            CorrectTabRect(rect);
            *r = rect;
        }
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        if (moved) Invalidate();
        break;
    case WM_MOUSEWHEEL:
        if (FMouseWheelSupport) WheelStep(short(HIWORD(message.WParam)));
        break;
    case CM_MOUSELEAVE:
        TestActiveTab(-1, -1);
        break;
    case TCM_SETCURSEL:
        if (!ComponentState().Contains(csLoading)) Invalidate();
        break;
    default:
        break;
    }
}
