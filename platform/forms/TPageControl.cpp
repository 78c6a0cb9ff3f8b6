#include "platform/forms/TPageControl.h"
#include "platform/forms/CommCtrl.h"
#include "platform/forms/TImageList.h"
#include "platform/forms/TTabSheet.h"
#include "platform/forms/TTextMeasure.h"
#include "platform/gfx/TBitmap.h"
#include "platform/gfx/TextDraw.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/Format.h"
#include "platform/win/Win.h"
#include <algorithm>

using namespace win;

namespace {

// The gap before the first tab, the selected tab's growth and the page's inset from the frame.
constexpr int kStripMargin = 2;
constexpr int kPageInset = 4;
constexpr int kTextMargin = 6;

} // namespace

TPageControl::TPageControl(TComponent* owner) : TCustomControl(owner) {
    FControlStyle.Include(csAcceptsControls);
    FColor = clBtnFace;
    SetParentColor(false);
    SetTabStop(true);
    FWidth = 289;
    FHeight = 193;
}

TPageControl::~TPageControl() {
    for (TTabSheet* page : FPages)
        page->FPageControl = nullptr;
    FPages.clear();
    FActivePage = nullptr;
}

TTabSheet* TPageControl::Pages(int index) const {
    if (index < 0 || index >= PageCount())
        throw EListError(Format("List index out of bounds (%d)", index));
    return FPages[std::size_t(index)];
}

std::vector<TTabSheet*> TPageControl::VisibleTabs() const {
    std::vector<TTabSheet*> tabs;
    for (TTabSheet* page : FPages)
        if (page->TabVisible()) tabs.push_back(page);
    return tabs;
}

int TPageControl::ActivePageIndex() const {
    return FActivePage ? FActivePage->PageIndex() : -1;
}

void TPageControl::SetActivePageIndex(int value) {
    SetActivePage(value >= 0 && value < PageCount() ? FPages[std::size_t(value)] : nullptr);
}

int TPageControl::TabIndex() const {
    return FActivePage ? FActivePage->TabIndex() : -1;
}

void TPageControl::SetActivePage(TTabSheet* page) {
    if (page && page->PageControl() != this) return;
    if (page == FActivePage) return;
    const int tab = page ? page->TabIndex() : -1;
    if (tab >= 0) {
        Perform(TCM_SETCURSEL, WPARAM(tab), 0);
        return;
    }
    FActivePage = page;
    ShowActivePage();
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* current, bool goForward,
                                      bool checkTabVisible) const {
    const int count = PageCount();
    if (count == 0) return nullptr;
    auto it = std::find(FPages.begin(), FPages.end(), current);
    int start = it == FPages.end() ? (goForward ? count - 1 : 0) : int(it - FPages.begin());
    int i = start;
    do {
        i = (i + (goForward ? 1 : count - 1)) % count;
        TTabSheet* page = FPages[std::size_t(i)];
        if (!checkTabVisible || page->TabVisible()) return page;
    } while (i != start);
    return nullptr;
}

void TPageControl::SelectNextPage(bool goForward) {
    TTabSheet* page = FindNextPage(FActivePage, goForward, true);
    if (!page || page == FActivePage || !CanChange()) return;
    SetActivePage(page);
    Change();
}

bool TPageControl::CanChange() {
    bool allow = true;
    if (OnChanging) OnChanging(this, allow);
    return allow;
}

void TPageControl::Change() {
    if (OnChange) OnChange(this);
}

void TPageControl::UserSelect(int tabIndex) {
    if (tabIndex < 0 || tabIndex == TabIndex() || !CanChange()) return;
    Perform(TCM_SETCURSEL, WPARAM(tabIndex), 0);
    Change();
}

void TPageControl::ShowActivePage() {
    for (TTabSheet* page : FPages)
        page->SetVisible(page == FActivePage);
    if (FActivePage) ScrollToTab(FActivePage->TabIndex());
    TabsChanged();
}

void TPageControl::ScrollToTab(int tabIndex) {
    if (tabIndex < 0) return;
    if (tabIndex < FFirstTab) {
        FFirstTab = tabIndex;
        return;
    }
    const bool horizontal = FTabPosition == tpTop || FTabPosition == tpBottom;
    const int length = horizontal ? ClientWidth() : ClientHeight();
    const auto tabs = VisibleTabs();
    auto end = [&] {
        int position = kStripMargin;
        for (int i = FFirstTab; i <= tabIndex; ++i) {
            const TSize size = TabSize(tabs[std::size_t(i)]);
            position += size.cx;
        }
        return position;
    };
    while (FFirstTab < tabIndex && end() > length - kStripMargin)
        ++FFirstTab;
}

void TPageControl::InsertPage(TTabSheet* page) {
    if (std::find(FPages.begin(), FPages.end(), page) != FPages.end()) return;
    FPages.push_back(page);
    page->FreeNotification(this);
    if (!FActivePage && page->TabVisible())
        SetActivePage(page);
    else
        page->SetVisible(page == FActivePage);
    TabsChanged();
}

void TPageControl::RemovePage(TTabSheet* page) {
    auto it = std::find(FPages.begin(), FPages.end(), page);
    if (it == FPages.end()) return;
    TTabSheet* next = page == FActivePage ? FindNextPage(page, true, true) : FActivePage;
    if (next == page) next = nullptr;
    FPages.erase(it);
    if (page == FActivePage) {
        FActivePage = nullptr;
        SetActivePage(next);
    }
    FFirstTab = std::min(FFirstTab, std::max(0, int(VisibleTabs().size()) - 1));
    TabsChanged();
}

void TPageControl::MovePage(TTabSheet* page, int index) {
    auto it = std::find(FPages.begin(), FPages.end(), page);
    if (it == FPages.end()) return;
    FPages.erase(it);
    index = std::clamp(index, 0, PageCount());
    FPages.insert(FPages.begin() + index, page);
    TabsChanged();
}

void TPageControl::PageTabChanged(TTabSheet* page) {
    if (page == FActivePage && !page->TabVisible()) {
        TTabSheet* next = FindNextPage(page, true, true);
        FActivePage = nullptr;
        SetActivePage(next == page ? nullptr : next);
    }
    TabsChanged();
}

void TPageControl::TabsChanged() {
    if (!HandleAllocated()) return;
    Realign();
    Invalidate();
}

void TPageControl::Notification(TComponent* component, TOperation operation) {
    TCustomControl::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == FImages) SetImages(nullptr);
    if (auto* page = dynamic_cast<TTabSheet*>(component)) RemovePage(page);
}

void TPageControl::SetTabPosition(TTabPosition value) {
    if (FTabPosition == value) return;
    FTabPosition = value;
    TabsChanged();
}

void TPageControl::SetTabHeight(int value) {
    FTabHeight = std::max(value, 0);
    Perform(TCM_SETITEMSIZE, 0, MAKELPARAM(unsigned(FTabWidth), unsigned(FTabHeight)));
}

void TPageControl::SetTabWidth(int value) {
    FTabWidth = std::max(value, 0);
    Perform(TCM_SETITEMSIZE, 0, MAKELPARAM(unsigned(FTabWidth), unsigned(FTabHeight)));
}

void TPageControl::SetMultiLine(bool value) {
    FMultiLine = value;
    TabsChanged();
}

void TPageControl::SetImages(TCustomImageList* value) {
    if (FImages) FImages->RemoveFreeNotification(this);
    FImages = value;
    if (value) value->FreeNotification(this);
    TabsChanged();
}

// ---- geometry ----

TSize TPageControl::TabSize(const TTabSheet* page) const {
    TTextMeasure measure(const_cast<TPageControl*>(this)->Font());
    const int imageWidth = FImages ? FImages->Width() + 3 : 0;
    const int imageHeight = FImages ? FImages->Height() + 4 : 0;
    TSize size;
    size.cx =
        FItemWidth > 0 ? FItemWidth : measure.Width(page->Caption()) + 2 * kTextMargin + imageWidth;
    size.cy = FItemHeight > 0 ? FItemHeight : std::max(measure.Height() + 6, imageHeight);
    return size;
}

int TPageControl::StripThickness() const {
    int height = 0;
    for (const TTabSheet* page : FPages)
        if (page->TabVisible()) height = std::max(height, int(TabSize(page).cy));
    if (height == 0) return 0;
    return height + kStripMargin;
}

TRect TPageControl::TabRect(int tabIndex) const {
    const auto tabs = VisibleTabs();
    if (tabIndex < 0 || tabIndex >= int(tabs.size())) return TRect();
    const int thickness = StripThickness() - kStripMargin;
    int position = kStripMargin;
    for (int i = FFirstTab; i < tabIndex; ++i)
        position += TabSize(tabs[std::size_t(i)]).cx;
    for (int i = tabIndex; i < FFirstTab; ++i)
        position -= TabSize(tabs[std::size_t(i)]).cx;
    const int length = TabSize(tabs[std::size_t(tabIndex)]).cx;
    const TRect client = const_cast<TPageControl*>(this)->ClientRect();
    switch (FTabPosition) {
    case tpTop:
        return TRect(position, kStripMargin, position + length, kStripMargin + thickness);
    case tpBottom:
        return TRect(position, client.Bottom - kStripMargin - thickness, position + length,
                     client.Bottom - kStripMargin);
    case tpLeft:
        return TRect(kStripMargin, position, kStripMargin + thickness, position + length);
    case tpRight:
        return TRect(client.Right - kStripMargin - thickness, position, client.Right - kStripMargin,
                     position + length);
    }
    return TRect();
}

bool TPageControl::TabsOverflow() const {
    if (FMultiLine) return false;
    const bool horizontal = FTabPosition == tpTop || FTabPosition == tpBottom;
    auto* self = const_cast<TPageControl*>(this);
    const int length = horizontal ? self->ClientWidth() : self->ClientHeight();
    int end = kStripMargin;
    for (const TTabSheet* page : VisibleTabs())
        end += TabSize(page).cx;
    return end > length - kStripMargin;
}

int TPageControl::IndexOfTabAt(int x, int y) const {
    const int count = int(VisibleTabs().size());
    for (int i = FFirstTab; i < count; ++i)
        if (TabRect(i).Contains(TPoint(x, y))) return i;
    return -1;
}

void TPageControl::AdjustRect(bool larger, TRect& rect) const {
    const int strip = StripThickness();
    const int sign = larger ? -1 : 1;
    rect.Left += sign * (kPageInset + (FTabPosition == tpLeft ? strip : 0));
    rect.Top += sign * (kPageInset + (FTabPosition == tpTop ? strip : 0));
    rect.Right -= sign * (kPageInset + (FTabPosition == tpRight ? strip : 0));
    rect.Bottom -= sign * (kPageInset + (FTabPosition == tpBottom ? strip : 0));
}

TRect TPageControl::DisplayRect() const {
    TRect r = const_cast<TPageControl*>(this)->ClientRect();
    AdjustClientRect(r);
    return r;
}

void TPageControl::AdjustClientRect(TRect& rect) const {
    RECT r = rect;
    // Through the message, so that a subclass correcting the page area places the pages too.
    const_cast<TPageControl*>(this)->Perform(TCM_ADJUSTRECT, FALSE, LPARAM(&r));
    rect = r;
}

// ---- messages and input ----

void TPageControl::WndProc(TMessage& message) {
    if (Answered(message, TabMessage(message))) return;
    TCustomControl::WndProc(message);
    switch (message.Msg) {
    case WM_SIZE:
        if (FActivePage) ScrollToTab(FActivePage->TabIndex());
        TabsChanged();
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case CM_FONTCHANGED:
        TabsChanged();
        break;
    default:
        break;
    }
}

TMessageAnswer TPageControl::TabMessage(const TMessage& message) {
    const WPARAM w = message.WParam;
    const LPARAM l = message.LParam;
    switch (message.Msg) {
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case TCM_GETITEMCOUNT:
        return LRESULT(VisibleTabs().size());
    case TCM_GETCURSEL:
        return TabIndex();
    case TCM_SETCURSEL: {
        const int previous = TabIndex();
        const auto tabs = VisibleTabs();
        if (int(w) < 0 || int(w) >= int(tabs.size())) return -1;
        FActivePage = tabs[w];
        ShowActivePage();
        return previous;
    }
    case TCM_GETITEMRECT: {
        auto* r = reinterpret_cast<RECT*>(l);
        if (!r || int(w) < 0 || int(w) >= int(VisibleTabs().size())) return FALSE;
        *r = TabRect(int(w));
        return TRUE;
    }
    case TCM_HITTEST: {
        auto* info = reinterpret_cast<TCHITTESTINFO*>(l);
        if (!info) return -1;
        const int index = IndexOfTabAt(info->pt.x, info->pt.y);
        info->flags = index >= 0 ? TCHT_ONITEM : TCHT_NOWHERE;
        return index;
    }
    case TCM_ADJUSTRECT: {
        auto* r = reinterpret_cast<RECT*>(l);
        if (!r) return 0;
        TRect rect(*r);
        AdjustRect(w != 0, rect);
        *r = rect;
        return 0;
    }
    case TCM_SETITEMSIZE: {
        const LRESULT old = MAKELRESULT(unsigned(FItemWidth), unsigned(FItemHeight));
        FItemWidth = LOWORD(l);
        FItemHeight = HIWORD(l);
        TabsChanged();
        return old;
    }
    case TCM_GETROWCOUNT:
        return VisibleTabs().empty() ? 0 : 1;
    case WM_HSCROLL:
        if (LOWORD(w) != SB_THUMBPOSITION) break;
        FFirstTab = std::clamp(int(HIWORD(w)), 0, std::max(0, int(VisibleTabs().size()) - 1));
        Invalidate();
        return 0;
    default:
        break;
    }
    return std::nullopt;
}

void TPageControl::KeyDown(unsigned short& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    const int count = int(VisibleTabs().size());
    const int current = TabIndex();
    switch (key) {
    case VK_LEFT:
    case VK_UP:
        UserSelect(std::max(0, current - 1));
        break;
    case VK_RIGHT:
    case VK_DOWN:
        UserSelect(std::min(count - 1, current + 1));
        break;
    case VK_HOME:
        UserSelect(0);
        break;
    case VK_END:
        UserSelect(count - 1);
        break;
    default:
        break;
    }
}

void TPageControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft) {
        const int tab = IndexOfTabAt(x, y);
        if (tab >= 0) {
            if (CanFocus() && !Focused()) SetFocus();
            UserSelect(tab);
        }
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

// ---- painting ----

void TPageControl::Paint() {
    const TRect client = ClientRect();
    FCanvas.Brush().SetStyle(bsSolid);
    FCanvas.Brush().SetColor(FColor);
    FCanvas.FillRect(client);
    FCanvas.SetFont(FFont);
    const int strip = StripThickness();
    TRect body = client;
    switch (FTabPosition) {
    case tpTop:
        body.Top += strip;
        break;
    case tpBottom:
        body.Bottom -= strip;
        break;
    case tpLeft:
        body.Left += strip;
        break;
    case tpRight:
        body.Right -= strip;
        break;
    }
    RECT edge = body;
    DrawEdge(FCanvas.Handle(), &edge, EDGE_RAISED, BF_RECT);
    const auto tabs = VisibleTabs();
    const int selected = TabIndex();
    for (int i = FFirstTab; i < int(tabs.size()); ++i)
        if (i != selected) PaintTab(TabRect(i), tabs[std::size_t(i)], false);
    if (selected >= FFirstTab) {
        TRect r = TabRect(selected);
        // The selected tab stands out and joins the page's frame.
        r.Left -= kStripMargin;
        r.Right += kStripMargin;
        r.Top -= kStripMargin;
        r.Bottom += kStripMargin;
        PaintTab(r, tabs[std::size_t(selected)], true);
    }
}

void TPageControl::PaintTab(const TRect& rect, TTabSheet* page, bool selected) {
    const HDC dc = FCanvas.Handle();
    TRect r = rect;
    // Tabs bend away from the page: no edge on the side that joins the frame.
    UINT sides = BF_RECT;
    switch (FTabPosition) {
    case tpTop:
        sides &= ~BF_BOTTOM;
        if (selected) r.Bottom += 1;
        break;
    case tpBottom:
        sides &= ~BF_TOP;
        if (selected) r.Top -= 1;
        break;
    case tpLeft:
        sides &= ~BF_RIGHT;
        if (selected) r.Right += 1;
        break;
    case tpRight:
        sides &= ~BF_LEFT;
        if (selected) r.Left -= 1;
        break;
    }
    FCanvas.Brush().SetStyle(bsSolid);
    FCanvas.Brush().SetColor(FColor);
    FCanvas.FillRect(r);
    RECT edge = r;
    DrawEdge(dc, &edge, EDGE_RAISED, sides);
    const bool focus = selected && Focused();
    if (FTabPosition == tpTop || FTabPosition == tpBottom) {
        PaintTabContent(FCanvas, rect, page, focus);
        return;
    }
    // Side tabs read along their edge: the content is laid out lying down, then turned a
    // quarter anticlockwise on the left and clockwise on the right.
    TBitmap lying;
    lying.SetSize(rect.Height(), rect.Width());
    TCanvas& canvas = lying.Canvas();
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(FColor);
    canvas.FillRect(TRect(0, 0, rect.Height(), rect.Width()));
    canvas.SetFont(FFont);
    PaintTabContent(canvas, TRect(0, 0, rect.Height(), rect.Width()), page, focus);
    for (int y = 0; y < rect.Width(); ++y)
        for (int x = 0; x < rect.Height(); ++x) {
            const TColor color = canvas.Pixels(x, y);
            if (color == FColor) continue;
            if (FTabPosition == tpLeft)
                FCanvas.SetPixels(rect.Left + y, rect.Bottom - 1 - x, color);
            else
                FCanvas.SetPixels(rect.Right - 1 - y, rect.Top + x, color);
        }
}

void TPageControl::PaintTabContent(TCanvas& canvas, const TRect& rect, TTabSheet* page,
                                   bool focus) {
    TRect content(rect.Left + kTextMargin, rect.Top, rect.Right - kTextMargin, rect.Bottom);
    if (FImages && page->ImageIndex() >= 0 && page->ImageIndex() < FImages->Count()) {
        FImages->Draw(canvas, content.Left,
                      content.Top + (content.Height() - FImages->Height()) / 2, page->ImageIndex(),
                      page->Enabled());
        content.Left += FImages->Width() + 3;
    }
    RECT text = content;
    canvas.Brush().SetStyle(bsClear);
    canvas.Font().SetColor(page->Enabled() ? FFont.Color() : clGrayText);
    DrawText(canvas.Handle(), page->Caption(), &text,
             DT_CENTER | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    if (focus) {
        RECT r = content;
        InflateRect(&r, 2, -2);
        DrawFocusRect(canvas.Handle(), &r);
    }
}
