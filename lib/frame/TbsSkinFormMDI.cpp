// The multiple-document side of the component. The component keeps its forms' window states
// itself, so an MDI form's component arranges the children itself, and each child's
// component keeps the child's entry in the main form's window menu and tabs bar.
#include "lib/frame/TbsSkinForm.h"

#include "lib/frame/TbsSkinMDITabsBar.h"
#include "lib/frame/bsFrameMessages.h"
#include "lib/skindata/TbsSkinData.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TMenuItem.h"
#include "platform/forms/TTimer.h"
#include "platform/win/Messaging.h"
#include "platform/win/WindowApi.h"

#include <algorithm>
#include <cmath>

using namespace win;

namespace {

const std::string kChildItemSuffix = "_BSFCHILDITEM";
// Each subclass of a client window needs an id of its own among that window's subclasses.
constexpr UINT_PTR kClientSubclassId = 0x4D44;

TCustomForm* MainForm() {
    return Application ? Application->MainForm() : nullptr;
}

TbsSkinForm* MainSkinForm() {
    return FindSkinForm(MainForm());
}

// The main form's window menu, when its form-skin component keeps the children's items.
TMenuItem* ChildWindowMenu() {
    return MainSkinForm() ? MainForm()->WindowMenu() : nullptr;
}

TbsSkinMDITabsBar* TabsBarOf(const TbsSkinForm* skinForm) {
    return skinForm ? dynamic_cast<TbsSkinMDITabsBar*>(skinForm->MDITabsBar()) : nullptr;
}

std::vector<TCustomForm*> MDIChildrenOf(const TCustomForm* form) {
    std::vector<TCustomForm*> list;
    if (!form) return list;
    for (int i = 0; i < form->MDIChildCount(); ++i)
        list.push_back(form->MDIChildren(i));
    return list;
}

// The child an item of the window menu stands for: its name without the first suffix.
std::string ChildNameOfItem(const std::string& itemName) {
    std::string name = itemName;
    if (const auto at = name.find(kChildItemSuffix); at != std::string::npos)
        name.erase(at, kChildItemSuffix.size());
    return name;
}

bool IsChildItem(const TMenuItem* item) {
    return item->Name().find(kChildItemSuffix) != std::string::npos;
}

} // namespace

TRect TbsSkinForm::GetMDIClientArea() const {
    TCustomForm* main = MainForm();
    if (!main) return TRect(0, 0, 0, 0);
    TRect r(0, 0, main->ClientWidth(), main->ClientHeight());
    for (int i = 0; i < main->ControlCount(); ++i) {
        TControl* c = main->Controls(i);
        if (!c->Visible()) continue;
        switch (c->Align()) {
        case alLeft:
            r.Left = std::max(r.Left, c->Left() + c->Width());
            break;
        case alTop:
            r.Top = std::max(r.Top, c->Top() + c->Height());
            break;
        case alRight:
            r.Right = std::min(r.Right, c->Left());
            break;
        case alBottom:
            r.Bottom = std::min(r.Bottom, c->Top());
            break;
        default:
            break;
        }
    }
    return r;
}

TCustomForm* TbsSkinForm::FindMaximizedMDIChild() const {
    TCustomForm* main = MainForm();
    if (!main) return nullptr;
    auto maximized = [](TCustomForm* child) {
        const TbsSkinForm* skinForm = FindSkinForm(child);
        return skinForm && skinForm->WindowState() == wsMaximized;
    };
    if (TCustomForm* active = main->ActiveMDIChild(); active && maximized(active)) return active;
    for (TCustomForm* child : MDIChildrenOf(main))
        if (maximized(child)) return child;
    return nullptr;
}

std::string TbsSkinForm::CaptionText() const {
    std::string text = FForm->Caption();
    if (!IsMDIForm() || !FMDIChildMaximized) return text;
    if (const TCustomForm* child = FindMaximizedMDIChild()) text += " - [" + child->Caption() + "]";
    return text;
}

void TbsSkinForm::Tile() {
    if (!IsMDIForm()) return;
    RestoreAll();
    const std::vector<TCustomForm*> children = MDIChildrenOf(FForm);
    const int n = int(children.size());
    int columns = int(std::sqrt(double(n)));
    if (columns < 1) return;
    int rows = n / columns + (columns * (n / columns) < n ? 1 : 0);
    const TRect area = GetMDIClientArea();
    const int w = area.Width(), h = area.Height();
    const int columnWidth = w / columns;
    int rowHeight = h / rows;
    int x = w, y = h, columnsLeft = columns;
    // From the last child to the first: columns from the right edge leftwards, each from the
    // bottom upwards; the columns still to fill share the children still to place evenly.
    for (int i = n; i >= 1; --i) {
        children[std::size_t(i - 1)]->SetBounds(std::max(0, x - columnWidth),
                                                std::max(0, y - rowHeight), columnWidth, rowHeight);
        y -= rowHeight;
        if (y - rowHeight < 0) {
            y = h;
            x -= columnWidth;
            columnsLeft = std::max(1, columnsLeft - 1);
            rows = std::max(1, (i - 1 + columnsLeft - 1) / columnsLeft);
            rowHeight = h / rows;
        }
    }
}

void TbsSkinForm::Cascade() {
    if (!IsMDIForm()) return;
    RestoreAll();
    const TRect area = GetMDIClientArea();
    const int w = area.Width(), h = area.Height();
    // A skin whose client starts at its top edge would give no step at all.
    const int step = std::max(1, UsableSkin() ? NewClRect.Top : DefCaptionHeight() + 3);
    // The steps that fit into a fifth of the width (the four fifths rounded half to even).
    const int fourFifths = int(std::nearbyint(double(w) * 0.8));
    const int fits = (w - fourFifths) / step;
    const std::vector<TCustomForm*> children = MDIChildrenOf(FForm);
    const int count = int(children.size());
    const int steps = fits > count ? count - 1 : fits;
    const int cw = std::max(w - step * steps, GetMinWidth());
    const int ch = std::max(h - step * steps, GetMinHeight());
    int offset = 0;
    for (int i = count - 1; i >= 0; --i) {
        TCustomForm* child = children[std::size_t(i)];
        const bool keepSize = child->BorderStyle() == bsSingle;
        const int width = keepSize ? child->Width() : cw;
        const int height = keepSize ? child->Height() : ch;
        if (offset + width > w || offset + height > h) offset = 0;
        child->SetBounds(offset, offset, width, height);
        offset += step;
    }
}

void TbsSkinForm::MinimizeAll() {
    if (!IsMDIForm()) return;
    for (TCustomForm* child : MDIChildrenOf(FForm))
        if (TbsSkinForm* skinForm = FindSkinForm(child)) skinForm->SetWindowState(wsMinimized);
}

void TbsSkinForm::MaximizeAll() {
    if (!IsMDIForm()) return;
    for (TCustomForm* child : MDIChildrenOf(FForm))
        if (TbsSkinForm* skinForm = FindSkinForm(child)) skinForm->SetWindowState(wsMaximized);
}

void TbsSkinForm::CloseAll() {
    if (!IsMDIForm()) return;
    const std::vector<TCustomForm*> children = MDIChildrenOf(FForm);
    for (auto it = children.rbegin(); it != children.rend(); ++it)
        (*it)->Close();
}

void TbsSkinForm::RestoreAll() {
    if (!IsMDIForm()) return;
    for (TCustomForm* child : MDIChildrenOf(FForm)) {
        TbsSkinForm* skinForm = FindSkinForm(child);
        if (!skinForm) continue;
        if (skinForm->WindowState() != wsNormal) skinForm->SetWindowState(wsNormal);
        if (skinForm->RollUpState() && skinForm->WindowState() == wsNormal)
            skinForm->SetRollUpState(false);
    }
}

void TbsSkinForm::RefitMDIChildren() {
    for (TCustomForm* child : MDIChildrenOf(FForm))
        if (child->HandleAllocated()) SendMessage(child->Handle(), WM_SKINMDIREFIT, 0, 0);
    ArrangeMinimizedChildren();
}

void TbsSkinForm::ArrangeMinimizedChildren() {
    for (TCustomForm* child : MDIChildrenOf(FForm)) {
        TbsSkinForm* skinForm = FindSkinForm(child);
        if (!skinForm || skinForm->WindowState() != wsMinimized) continue;
        const TPoint p = skinForm->GetMinimizedPosition();
        child->SetLeft(p.X);
        child->SetTop(p.Y);
    }
}

TPoint TbsSkinForm::MDIMinimizedPosition() {
    const int minW = GetMinWidth(), minH = GetMinHeight();
    const TRect area = GetMDIClientArea();
    auto taken = [&](int x, int y) {
        for (TCustomForm* child : MDIChildrenOf(MainForm())) {
            if (child == FForm || !child->Visible()) continue;
            const TbsSkinForm* other = FindSkinForm(child);
            if (other && other->WindowState() == wsMinimized && child->Left() == x &&
                child->Top() == y)
                return true;
        }
        return false;
    };
    int x = 0, y = area.Height() - minH;
    while (taken(x, y)) {
        x += minW;
        if (x + minW > area.Width()) {
            x = 0;
            y -= minH;
            if (y < 0) {
                y = area.Height() - minH;
                break;
            }
        }
    }
    return TPoint(x, y);
}

void TbsSkinForm::MaximizeMDIChild() {
    FMouseTimer->SetEnabled(false);
    UpdateActiveObject(-1, -1, false);
    const TRect r = GetMDIClientArea();
    const bool sameSize = FForm->Width() == r.Width() && FForm->Height() == r.Height();
    FForm->SetBounds(0, 0, r.Width(), r.Height());
    if (sameSize) NudgeFormWidth();
    NotifyMainForm(WM_SKINMDIMAXIMIZED);
}

void TbsSkinForm::NotifyMainForm(UINT msg) {
    if (TCustomForm* main = MainForm(); main && main->HandleAllocated())
        SendMessage(main->Handle(), msg, 0, 0);
}

void TbsSkinForm::RefitAsMDIChild() {
    if (!IsMDIChild() || FWindowState != wsMaximized) return;
    const TRect r = GetMDIClientArea();
    FForm->SetBounds(0, 0, r.Width(), r.Height());
}

void TbsSkinForm::SubclassMDIClient() {
    const HWND client = FForm->ClientHandle();
    if (!client || client == FSubclassedClient) return;
    UnsubclassMDIClient();
    FSubclassedClient = client;
    const auto alive = FAlive;
    SetWindowSubclass(
        client,
        [this, alive](HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) -> LRESULT {
            if (!*alive) return DefSubclassProc(hwnd, msg, wParam, lParam);
            TMessage message{ msg, wParam, lParam, 0 };
            ClientWindowProc(hwnd, message, [hwnd](TMessage& m) {
                m.Result = DefSubclassProc(hwnd, m.Msg, m.WParam, m.LParam);
            });
            return message.Result;
        },
        kClientSubclassId);
    NudgeFormWidth();
}

void TbsSkinForm::UnsubclassMDIClient() {
    if (FSubclassedClient && IsWindow(FSubclassedClient))
        RemoveWindowSubclass(FSubclassedClient, kClientSubclassId);
    FSubclassedClient = nullptr;
}

void TbsSkinForm::MDIShowWindow(bool shown) {
    if (IsMDIForm() && shown) SubclassMDIClient();
    if (!IsMDIChild()) return;
    if (shown) {
        AddChildToMenu(FForm);
        AddChildToBar(FForm);
    } else {
        DeleteChildFromMenu(FForm);
        DeleteChildFromBar(FForm);
    }
}

void TbsSkinForm::MDIChildDestroyed() {
    if (IsMDIForm()) UnsubclassMDIClient();
    if (!IsMDIChild()) return;
    FWindowState = wsNormal;
    DeleteChildFromMenu(FForm);
    DeleteChildFromBar(FForm);
    NotifyMainForm(WM_SKINMDIUNMAXIMIZED);
    if (TbsSkinMDITabsBar* bar = TabsBarOf(MainSkinForm())) bar->UpdateActiveTab();
}

void TbsSkinForm::MDIChildActivated() {
    if (!IsMDIChild()) return;
    if (IsMaximizedChild()) NotifyMainForm(WM_NCPAINT);
    if (TbsSkinMDITabsBar* bar = TabsBarOf(MainSkinForm())) bar->UpdateActiveTab();
    UpDateChildActiveInMenu();
}

void TbsSkinForm::AddChildToMenu(TCustomForm* child) {
    TMenuItem* menu = ChildWindowMenu();
    if (!menu) return;
    auto* item = new TMenuItem(this);
    item->SetName(child->Name() + kChildItemSuffix);
    item->SetCaption(child->Caption());
    item->OnClick = [this](TObject* sender) { MDIItemClick(sender); };
    menu->Add(item);
}

void TbsSkinForm::DeleteChildFromMenu(TCustomForm* child) {
    TMenuItem* menu = ChildWindowMenu();
    if (!menu) return;
    auto firstItem = [&](auto&& belongs) -> TMenuItem* {
        for (int i = 0; i < menu->Count(); ++i)
            if (TMenuItem* item = menu->Items(i); IsChildItem(item) && belongs(item)) return item;
        return nullptr;
    };
    delete firstItem(
        [&](TMenuItem* item) { return ChildNameOfItem(item->Name()) == child->Name(); });
    // A child renamed while shown left its item behind: the item goes with the last child.
    const std::vector<TCustomForm*> children = MDIChildrenOf(MainForm());
    const bool othersLeft = std::any_of(children.begin(), children.end(),
                                        [&](TCustomForm* c) { return c != child && c->Visible(); });
    if (!othersLeft) delete firstItem([](TMenuItem*) { return true; });
}

void TbsSkinForm::UpDateChildCaptionInMenu(TCustomForm* child) {
    TMenuItem* menu = ChildWindowMenu();
    if (!menu) return;
    for (int i = 0; i < menu->Count(); ++i)
        if (TMenuItem* item = menu->Items(i);
            IsChildItem(item) && ChildNameOfItem(item->Name()) == child->Name()) {
            item->SetCaption(child->Caption());
            return;
        }
}

void TbsSkinForm::UpDateChildActiveInMenu() {
    TMenuItem* menu = ChildWindowMenu();
    if (!menu) return;
    TCustomForm* active = MainForm()->ActiveMDIChild();
    for (int i = 0; i < menu->Count(); ++i)
        if (TMenuItem* item = menu->Items(i); IsChildItem(item))
            item->SetChecked(active && ChildNameOfItem(item->Name()) == active->Name());
}

void TbsSkinForm::MDIItemClick(TObject* sender) {
    const auto* item = dynamic_cast<TMenuItem*>(sender);
    if (!item) return;
    const std::string name = ChildNameOfItem(item->Name());
    for (TCustomForm* child : MDIChildrenOf(MainForm())) {
        if (child->Name() != name) continue;
        if (TbsSkinForm* skinForm = FindSkinForm(child);
            skinForm && skinForm->WindowState() == wsMinimized)
            skinForm->SetWindowState(wsNormal);
        child->Show();
    }
}

void TbsSkinForm::AddChildToBar(TCustomForm* child) {
    TbsSkinMDITabsBar* bar = TabsBarOf(MainSkinForm());
    if (!bar) return;
    bool accept = true;
    if (TbsSkinForm* skinForm = FindSkinForm(child); skinForm && skinForm->OnAcceptToMDITabsBar)
        skinForm->OnAcceptToMDITabsBar(accept);
    if (accept) bar->AddTab(child);
}

void TbsSkinForm::DeleteChildFromBar(TCustomForm* child) {
    if (TbsSkinMDITabsBar* bar = TabsBarOf(MainSkinForm())) bar->DeleteTab(child);
}

void TbsSkinForm::RefreshMDIBarTab(TCustomForm* child) {
    if (TbsSkinMDITabsBar* bar = TabsBarOf(MainSkinForm())) bar->RedrawTabOf(child);
}

TbsSkinForm* FindMaximizedSkinChild() {
    for (TCustomForm* child : MDIChildrenOf(MainForm()))
        if (TbsSkinForm* skinForm = FindSkinForm(child);
            skinForm && skinForm->WindowState() == wsMaximized)
            return skinForm;
    return nullptr;
}

TbsSkinForm* FindActiveSkinChild() {
    TCustomForm* main = MainForm();
    return main ? FindSkinForm(main->ActiveMDIChild()) : nullptr;
}
