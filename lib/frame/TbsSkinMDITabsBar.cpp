// The MDI tabs bar: layout, input and the list menus. Drawing of one tab is in
// TbsMDITab.cpp.
#include "lib/frame/TbsSkinMDITabsBar.h"

#include "lib/controls/TbsSkinMenuSpeedButton.h"
#include "lib/controls/bsActivePicture.h"
#include "lib/frame/TbsSkinForm.h"
#include "lib/frame/bsFrameMessages.h"
#include "lib/menus/TbsSkinMenu.h"
#include "lib/menus/TbsSkinPopupMenu.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindata/bsSkinTabViewRecords.h"
#include "lib/skindraw/bsImageBuilders.h"
#include "lib/skindraw/bsParentBackground.h"
#include "platform/forms/ControlMessages.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TMenuItem.h"
#include "platform/gfx/TBitmap.h"
#include "platform/win/Painting.h"

#include <algorithm>
#include <array>

using namespace win;

namespace {

void Shift(TRect& r, int dx) {
    r.Left += dx;
    r.Right += dx;
}

const std::string kListSuffix = "_BSFCHILDITEMBAR";
const std::string kHideListSuffix = "_BSFCHILDITEMBARHIDE";
// The list button's place at the left, and the hidden-list button's at the right.
constexpr int kListButtonWidth = 15;

std::string WithoutSuffix(std::string name) {
    // The longer suffix first: it starts with the shorter one.
    for (const std::string* suffix : { &kHideListSuffix, &kListSuffix })
        if (const auto at = name.find(*suffix); at != std::string::npos) {
            name.erase(at, suffix->size());
            break;
        }
    return name;
}

} // namespace

TbsSkinMDITabsBar::TbsSkinMDITabsBar(TComponent* owner) : TbsSkinControl(owner) {
    SetWidth(150);
    SetHeight(21);
    FSkinDataName = "tab";
    FDefaultFont.SetName("Arial");
    FDefaultFont.SetHeight(14);
    FListMenu = new TbsSkinPopupMenu(this);
    FHideListMenu = new TbsSkinPopupMenu(this);
}

TbsSkinMDITabsBar::~TbsSkinMDITabsBar() {
    ObjectList.clear();
}

void TbsSkinMDITabsBar::Notification(TComponent* component, TOperation operation) {
    TbsSkinControl::Notification(component, operation);
    if (operation != opRemove) return;
    if (std::any_of(ObjectList.begin(), ObjectList.end(),
                    [&](const auto& tab) { return tab->Child == component; }))
        DeleteTab(static_cast<TCustomForm*>(component));
    if (component == FSkinForm) FSkinForm = nullptr;
    if (component == FListButton) FListButton = nullptr;
    if (component == FHideListButton) FHideListButton = nullptr;
    if (component == FListMenu) FListMenu = nullptr;
    if (component == FHideListMenu) FHideListMenu = nullptr;
}

void TbsSkinMDITabsBar::SetShowCloseButtons(bool value) {
    if (value == FShowCloseButtons) return;
    FShowCloseButtons = value;
    Invalidate();
}

void TbsSkinMDITabsBar::SetTabKind(TbsSkinMDITabKind value) {
    FTabKind = value;
    if (HasSkinElement()) Invalidate();
}

void TbsSkinMDITabsBar::SetSkinForm(TbsSkinForm* value) {
    if (value == FSkinForm) return;
    if (FSkinForm) FSkinForm->RemoveFreeNotification(this);
    FSkinForm = value;
    if (value) value->FreeNotification(this);
}

void TbsSkinMDITabsBar::SetDefaultHeight(int value) {
    FDefaultHeight = value;
    if (!HasSkinElement() && value > 0) SetHeight(value);
}

void TbsSkinMDITabsBar::AddTab(TCustomForm* child) {
    ObjectList.push_back(std::make_unique<TbsMDITab>(this, child));
    // A child freed without hiding first must not leave a tab behind.
    child->FreeNotification(this);
    if (!FListButton) FListButton = MakeListButton(alLeft, 4, FListMenu);
    Invalidate();
}

void TbsSkinMDITabsBar::DeleteTab(TCustomForm* child) {
    if (ActiveTabIndex >= 0 && ActiveTabIndex < TabCount() &&
        Tabs(ActiveTabIndex)->Child == child) {
        if (OnTabMouseLeave) OnTabMouseLeave(Tabs(ActiveTabIndex));
        ActiveTabIndex = OldTabIndex = -1;
    }
    const auto it = std::find_if(ObjectList.begin(), ObjectList.end(),
                                 [&](const auto& tab) { return tab->Child == child; });
    if (it != ObjectList.end()) ObjectList.erase(it);
    if (ObjectList.empty()) {
        delete FListButton;
        FListButton = nullptr;
    }
    Invalidate();
}

int TbsSkinMDITabsBar::GetTabIndex(int x, int y) const {
    for (int i = 0; i < TabCount(); ++i) {
        const TbsMDITab* tab = Tabs(i);
        const TRect& r = tab->ObjectRect;
        if (tab->Visible && x >= r.Left && x <= r.Right && y >= r.Top && y <= r.Bottom) return i;
    }
    return -1;
}

TbsMDITab* TbsSkinMDITabsBar::GetTab(int x, int y) const {
    const int index = GetTabIndex(x, y);
    return index == -1 ? nullptr : Tabs(index);
}

int TbsSkinMDITabsBar::GetCloseSize() const {
    if (!HasSkinElement() || FLook.CloseButtonRect.IsEmpty()) return 14;
    return FLook.CloseButtonRect.Width();
}

void TbsSkinMDITabsBar::UpdateActiveTab() {
    TCustomForm* main = Application ? Application->MainForm() : nullptr;
    TCustomForm* active = main ? main->ActiveMDIChild() : nullptr;
    if (!active) return;
    for (auto& tab : ObjectList)
        tab->Active = tab->Child == active;
    Invalidate();
}

void TbsSkinMDITabsBar::RedrawTabOf(TCustomForm* child) {
    for (auto& tab : ObjectList)
        if (tab->Child == child) RedrawTab(tab.get());
}

void TbsSkinMDITabsBar::RedrawTab(TbsMDITab* tab) {
    if (!HandleAllocated() || tab->ObjectRect.IsEmpty()) return;
    RECT r = tab->ObjectRect;
    InvalidateRect(Handle(), &r, FALSE);
}

void TbsSkinMDITabsBar::CalcTabRects() {
    const int n = TabCount();
    if (n == 0) return;
    FInVisibleCount = 0;
    const int w = Width();
    const int tabHeight = FTabKind == bstkButton ? Height() : Height() - FBottomOffset;
    const int tabWidth = std::min((w - kListButtonWidth) / n, FDefaultTabWidth);
    int rightLimit = w;
    if (FMinTabWidth != 0 && tabWidth < FMinTabWidth) {
        const int fit = (w - 2 * kListButtonWidth) / FMinTabWidth;
        for (int i = 0; i < n; ++i) {
            TbsMDITab* tab = Tabs(i);
            const int x = kListButtonWidth + i * FMinTabWidth;
            tab->Visible = i < fit;
            tab->ObjectRect = tab->Visible ? TRect(x, 0, x + FMinTabWidth, tabHeight) : TRect();
            if (!tab->Visible) ++FInVisibleCount;
        }
        rightLimit = w - kListButtonWidth;
    } else {
        for (int i = 0; i < n; ++i) {
            TbsMDITab* tab = Tabs(i);
            tab->Visible = true;
            tab->ObjectRect = TRect(kListButtonWidth + i * tabWidth, 0,
                                    kListButtonWidth + (i + 1) * tabWidth, tabHeight);
        }
        if (tabWidth < FDefaultTabWidth) Tabs(n - 1)->ObjectRect.Right = w;
    }
    if (DragIndex != -1 && IsDrag && DragIndex < n) {
        TRect& r = Tabs(DragIndex)->ObjectRect;
        Shift(r, TabDX);
        if (r.Right > rightLimit) Shift(r, rightLimit - r.Right);
        if (r.Left < 0) Shift(r, -r.Left);
    }
}

int TbsSkinMDITabsBar::GetDropIndex() const {
    if (ObjectList.empty() || TabDX == 0 || DragIndex < 0 || DragIndex >= TabCount()) return -1;
    const TRect& dragged = Tabs(DragIndex)->ObjectRect;
    auto middle = [](const TRect& r) { return r.Left + r.Width() / 2; };
    int result = -1;
    if (TabDX > 0) {
        for (int i = DragIndex + 1; i < TabCount(); ++i)
            if (Tabs(i)->Visible && middle(Tabs(i)->ObjectRect) < dragged.Right) result = i;
    } else {
        for (int i = DragIndex - 1; i >= 0; --i)
            if (Tabs(i)->Visible && middle(Tabs(i)->ObjectRect) > dragged.Left) result = i;
    }
    return result;
}

void TbsSkinMDITabsBar::GetSkinData() {
    TbsSkinControl::GetSkinData();
    const auto* record = dynamic_cast<const TbsDataSkinTabControl*>(SkinRecord());
    if (!record) {
        FIndex = -1;
        FLook = TTabLook();
        return;
    }
    TTabLook look;
    look.Picture = ActivePictureOf(*FSD, record->PictureIndex);
    look.TabRect = record->TabRect;
    look.ActiveTabRect = record->ActiveTabRect.IsEmpty() ? record->TabRect : record->ActiveTabRect;
    look.MouseInTabRect =
        record->MouseInTabRect.IsEmpty() ? record->TabRect : record->MouseInTabRect;
    look.TabsBGRect = record->TabsBGRect;
    look.TabLeftOffset = record->TabLeftOffset;
    look.TabRightOffset = record->TabRightOffset;
    look.FontName = record->FontName;
    look.FontStyle = record->FontStyle;
    look.FontHeight = record->FontHeight;
    look.FontColor = record->FontColor;
    look.ActiveFontColor = record->FocusFontColor;
    look.MouseInFontColor = record->MouseInFontColor;
    look.TabStretchEffect = record->TabStretchEffect;
    // The hovered and pressed pictures fall back to the normal one for this paint; the
    // skin's record stays as loaded, other controls read it too.
    look.CloseButtonRect = record->CloseButtonRect;
    look.CloseButtonActiveRect = record->CloseButtonActiveRect.IsEmpty()
                                     ? record->CloseButtonRect
                                     : record->CloseButtonActiveRect;
    look.CloseButtonDownRect = record->CloseButtonDownRect.IsEmpty() ? look.CloseButtonActiveRect
                                                                     : record->CloseButtonDownRect;
    look.ButtonTransparent = record->ButtonTransparent;
    look.ButtonTransparentColor = record->ButtonTransparentColor;
    look.LTPoint = record->LTPoint;
    look.RTPoint = record->RTPoint;
    look.ClRect = record->ClRect;
    look.SkinRect = record->SkinRect;
    look.TopStretch = record->TopStretch;
    FLook = look;
    FBottomOffset = record->ClRect.Top;
    FActiveTabOffset = look.ActiveTabRect.Height() - look.TabRect.Height();
}

void TbsSkinMDITabsBar::ChangeSkinData() {
    TbsSkinControl::ChangeSkinData();
    FCloseSize = GetCloseSize();
    if (HasSkinElement() && FUseSkinSize)
        SetHeight(FLook.TabRect.Height() + (FTabKind == bstkTab ? FBottomOffset : 0));
    else if (FDefaultHeight > 0)
        SetHeight(FDefaultHeight);
    if (FListButton) FListButton->SetSkinData(FSD);
    if (FHideListButton) FHideListButton->SetSkinData(FSD);
    if (FShowCloseButtons) Invalidate();
    Realign();
}

void TbsSkinMDITabsBar::AdjustClientRect(TRect& rect) const {
    TbsSkinControl::AdjustClientRect(rect);
    if (FTabKind == bstkTab && HasSkinElement()) rect.Bottom -= FBottomOffset;
}

void TbsSkinMDITabsBar::Paint() {
    TbsSkinControl::Paint();
    if (FInVisibleCount > 0 && !FHideListButton) {
        FHideListButton = MakeListButton(alRight, 2, FHideListMenu);
        FHideListButton->Invalidate();
    } else if (FInVisibleCount == 0 && FHideListButton) {
        delete FHideListButton;
        FHideListButton = nullptr;
    }
}

void TbsSkinMDITabsBar::CreateControlDefaultImage(TBitmap& bitmap) {
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush().SetColor(clBtnFace);
    canvas.FillRect(TRect(0, 0, bitmap.Width(), bitmap.Height()));
    CalcTabRects();
    DrawTabs(canvas);
}

void TbsSkinMDITabsBar::CreateControlSkinImage(TBitmap& bitmap) {
    TCanvas& canvas = bitmap.Canvas();
    const int w = Width(), h = Height();
    const int tabHeight = FTabKind == bstkTab ? h - FBottomOffset : h;
    if (FSD->MDITabsTransparent) {
        CopyParentBackground(this, canvas);
    } else if (FLook.Picture && !FLook.TabsBGRect.IsEmpty()) {
        TBitmap column(FLook.TabsBGRect.Width(), FLook.TabsBGRect.Height());
        column.Canvas().CopyRect(TRect(0, 0, column.Width(), column.Height()),
                                 FLook.Picture->Canvas(), FLook.TabsBGRect);
        const int columnWidth = FLook.TabsBGRect.Width();
        for (int i = 0; i <= w / columnWidth; ++i)
            canvas.StretchDraw(TRect(i * columnWidth, 0, (i + 1) * columnWidth, tabHeight),
                               &column);
    }
    if (FTabKind == bstkTab && !FLook.SkinRect.IsEmpty() && FLook.Picture && FBottomOffset > 0) {
        const TRect& s = FLook.SkinRect;
        TBitmap band;
        BuildHorzThreeSliceImage(FLook.LTPoint.X, s.Width() - FLook.RTPoint.X, band, *FLook.Picture,
                                 TRect(s.Left + FLook.LTPoint.X, s.Top, s.Left + FLook.RTPoint.X,
                                       s.Top + FLook.ClRect.Top),
                                 w, FBottomOffset, FLook.TopStretch);
        canvas.Draw(0, h - FBottomOffset, &band);
    }
    CalcTabRects();
    DrawTabs(canvas);
}

void TbsSkinMDITabsBar::DrawTabs(TCanvas& canvas) {
    for (int i = 0; i < TabCount(); ++i)
        if (Tabs(i)->Visible && !(FDown && i == DragIndex)) Tabs(i)->Draw(canvas);
    if (DragIndex != -1 && IsDrag && DragIndex < TabCount()) {
        Tabs(DragIndex)->Draw(canvas);
        DrawDropMarker(canvas);
    }
}

void TbsSkinMDITabsBar::DrawDropMarker(TCanvas& canvas) {
    const int target = GetDropIndex();
    if (target == -1) return;
    const TRect& r = Tabs(target)->ObjectRect;
    const int x = TabDX < 1 ? r.Left : r.Right;
    const int h = Height(), mid = Height() / 2;
    canvas.Pen().SetMode(pmNot);
    canvas.Brush().SetStyle(bsClear);
    for (int dx : { -1, 0, 1 }) {
        canvas.MoveTo(x + dx, 0);
        canvas.LineTo(x + dx, h);
    }
    const std::array<TPoint, 4> right{ TPoint(x + 2, mid), TPoint(x + 5, mid - 3),
                                       TPoint(x + 5, mid + 3), TPoint(x + 2, mid) };
    const std::array<TPoint, 4> left{ TPoint(x - 2, mid), TPoint(x - 5, mid - 3),
                                      TPoint(x - 5, mid + 3), TPoint(x - 2, mid) };
    canvas.Polygon(right);
    canvas.Polygon(left);
    canvas.Pen().SetMode(pmCopy);
}

bool TbsSkinMDITabsBar::InCloseButton(const TbsMDITab* tab, int x, int y) const {
    const TRect r = tab->ButtonRect;
    const TPoint p(x - tab->ObjectRect.Left, y - tab->ObjectRect.Top);
    return r.Contains(p);
}

void TbsSkinMDITabsBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TbsSkinControl::MouseDown(button, shift, x, y);
    const int index = GetTabIndex(x, y);
    if (index == -1) return;
    TbsMDITab* tab = Tabs(index);
    if (button == mbLeft) {
        if (TbsSkinForm* childSkin = FindSkinForm(tab->Child);
            childSkin && childSkin->WindowState() == wsMinimized)
            childSkin->SetWindowState(wsNormal);
        tab->Child->Show();
        FDown = true;
        if (FMoveTabs) DragIndex = index;
        DX = x;
        TabDX = 0;
        if (OnTabMouseDown) OnTabMouseDown(button, shift, tab);
        if (FShowCloseButtons) {
            const bool inButton = InCloseButton(tab, x, y);
            if (inButton) FDown = false;
            tab->ButtonMouseIn = tab->ButtonMouseDown = inButton;
            RedrawTab(tab);
        }
    } else if (button == mbRight) {
        OpenChildMenu(tab, x, y);
        if (OnTabMouseDown) OnTabMouseDown(button, shift, tab);
    }
}

void TbsSkinMDITabsBar::OpenChildMenu(TbsMDITab* tab, int x, int y) {
    TbsSkinForm* childSkin = FindSkinForm(tab->Child);
    if (!FSupportChildMenus || !childSkin || !FSkinForm) return;
    TMenuItem* items = childSkin->GetSystemMenuItems();
    if (!items) return;
    FSkinForm->SkinMenuOpen();
    const TPoint p = ClientToScreen(TPoint(x, y));
    TbsSkinData* skin = FSkinForm->MenusSkinData() ? FSkinForm->MenusSkinData() : FSD;
    FSkinForm->SkinMenu().Popup(Parent(), skin, 0, TRect(p.X, p.Y, p.X, p.Y), items, false);
}

void TbsSkinMDITabsBar::MouseMove(TShiftState shift, int x, int y) {
    TbsSkinControl::MouseMove(shift, x, y);
    if (FDown && DragIndex != -1 && !IsDrag && x != DX) IsDrag = true;
    if (IsDrag) {
        TabDX = x - DX;
        Invalidate();
    } else {
        UpdateTabHover(x, y);
    }
}

void TbsSkinMDITabsBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TbsSkinControl::MouseUp(button, shift, x, y);
    FDown = false;
    if (IsDrag) {
        IsDrag = false;
        const int target = GetDropIndex();
        if (target != -1 && target != DragIndex) {
            auto moved = std::move(ObjectList[std::size_t(DragIndex)]);
            ObjectList.erase(ObjectList.begin() + DragIndex);
            ObjectList.insert(ObjectList.begin() + target, std::move(moved));
        }
        DragIndex = -1;
        DX = TabDX = 0;
        // Hit tests before the next paint see the tabs where they now stand.
        CalcTabRects();
        Invalidate();
    } else {
        DragIndex = -1;
        if (TbsMDITab* tab = GetTab(x, y); tab && OnTabMouseUp) OnTabMouseUp(button, shift, tab);
    }
    if (button != mbLeft || !FShowCloseButtons) return;
    TbsMDITab* tab = GetTab(x, y);
    if (!tab) return;
    if (InCloseButton(tab, x, y) && tab->ButtonMouseDown) {
        tab->ButtonMouseIn = true;
        tab->ButtonMouseDown = false;
        RedrawTab(tab);
        tab->Child->Close();
    } else {
        tab->ButtonMouseIn = tab->ButtonMouseDown = false;
    }
}

void TbsSkinMDITabsBar::UpdateTabHover(int x, int y) {
    ActiveTabIndex = GetTabIndex(x, y);
    const bool changed = ActiveTabIndex != OldTabIndex;
    if (changed) {
        if (OldTabIndex >= 0 && OldTabIndex < TabCount() && Tabs(OldTabIndex)->Visible) {
            TbsMDITab* old = Tabs(OldTabIndex);
            old->MouseIn = false;
            RedrawTab(old);
            if (OnTabMouseLeave) OnTabMouseLeave(old);
        }
        if (ActiveTabIndex >= 0 && Tabs(ActiveTabIndex)->Visible) {
            TbsMDITab* now = Tabs(ActiveTabIndex);
            now->MouseIn = true;
            RedrawTab(now);
            if (OnTabMouseEnter) OnTabMouseEnter(now);
        }
        OldTabIndex = ActiveTabIndex;
    }
    if (!FShowCloseButtons) return;
    if (ActiveTabIndex >= 0) {
        TbsMDITab* tab = Tabs(ActiveTabIndex);
        const bool in = InCloseButton(tab, x, y);
        if (in && !tab->ButtonMouseIn) {
            tab->ButtonMouseIn = true;
            RedrawTab(tab);
        } else if (!in && tab->ButtonMouseIn) {
            tab->ButtonMouseIn = tab->ButtonMouseDown = false;
            RedrawTab(tab);
        }
    }
    if (!changed) return;
    bool cleared = false;
    for (int i = 0; i < TabCount(); ++i)
        if (i != ActiveTabIndex && Tabs(i)->ButtonMouseIn) {
            Tabs(i)->ButtonMouseIn = false;
            cleared = true;
        }
    if (cleared) Invalidate();
}

void TbsSkinMDITabsBar::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CM_MOUSELEAVE:
        UpdateTabHover(-1, -1);
        break;
    case WM_PARENTBGCHANGED:
        if (FSD && FSD->MDITabsTransparent) Invalidate();
        break;
    case WM_MOVE:
        if (FSD && FSD->MDITabsTransparent && Align() == alNone) Invalidate();
        break;
    default:
        break;
    }
    TbsSkinControl::WndProc(message);
}

TbsSkinMenuSpeedButton* TbsSkinMDITabsBar::MakeListButton(TAlign align, int arrow,
                                                          TbsSkinPopupMenu* menu) {
    auto* button = new TbsSkinMenuSpeedButton(this);
    button->SetWidth(kListButtonWidth);
    button->SetAlign(align);
    button->SetSkinDataName("resizetoolbutton");
    button->SetSkinData(FSD);
    button->FDrawStandardArrow = true;
    button->FArrowType = arrow;
    button->SetSkinPopupMenu(menu);
    const bool hiddenOnly = menu == FHideListMenu;
    button->OnShowTrackMenu = [this, hiddenOnly](TObject*) { FillListMenu(hiddenOnly); };
    button->SetParent(this);
    return button;
}

void TbsSkinMDITabsBar::FillListMenu(bool hiddenOnly) {
    TbsSkinPopupMenu* menu = hiddenOnly ? FHideListMenu : FListMenu;
    if (!menu) return;
    menu->Items().Clear();
    for (const auto& tab : ObjectList) {
        if (hiddenOnly && tab->Visible) continue;
        // Owned by its parent item: children without names would clash as components.
        auto* item = new TMenuItem(nullptr);
        item->SetName(tab->Child->Name() + (hiddenOnly ? kHideListSuffix : kListSuffix));
        item->SetCaption(tab->Child->Caption());
        item->SetRadioItem(true);
        item->SetGroupIndex(0);
        menu->Items().Add(item);
        item->SetChecked(tab->Active);
        item->OnClick = [this](TObject* sender) { ListItemClick(sender); };
    }
}

void TbsSkinMDITabsBar::ListItemClick(TObject* sender) {
    const auto* item = dynamic_cast<TMenuItem*>(sender);
    if (!item || !FSkinForm) return;
    const std::string name = WithoutSuffix(item->Name());
    TCustomForm* form = FSkinForm->Form();
    for (int i = 0; i < form->MDIChildCount(); ++i) {
        TCustomForm* child = form->MDIChildren(i);
        if (child->Name() != name) continue;
        if (TbsSkinForm* childSkin = FindSkinForm(child);
            childSkin && childSkin->WindowState() == wsMinimized)
            childSkin->SetWindowState(wsNormal);
        child->Show();
        return;
    }
}
