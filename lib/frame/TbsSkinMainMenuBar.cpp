#include "lib/frame/TbsSkinMainMenuBar.h"

#include "lib/frame/TbsSkinForm.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindata/bsSkinTabViewRecords.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TScreen.h"
#include "platform/forms/TTimer.h"

#include <algorithm>

TbsSkinMainMenuBar::TbsSkinMainMenuBar(TComponent* owner) : TbsSkinControl(owner) {
    auto timer = [this](unsigned interval, void (TbsSkinMainMenuBar::*tick)()) {
        auto t = std::make_unique<TTimer>(nullptr);
        t->SetEnabled(false);
        t->SetInterval(interval);
        t->SetOnTimer([this, tick](TObject*) { (this->*tick)(); });
        t->SetEnabled(false);
        return t;
    };
    FMouseTimer = timer(50, &TbsSkinMainMenuBar::MouseTimerTick);
    FMorphTimer = timer(25, &TbsSkinMainMenuBar::MorphTimerTick);
    FAnimateTimer = timer(25, &TbsSkinMainMenuBar::AnimateTimerTick);
    FDefItemFont.SetName("Arial");
    FDefItemFont.SetHeight(14);
    FDefItemFont.SetColor(clBtnText);
    FDefItemFont.SetStyle({});
    FSkinDataName = "mainmenubar";
    SetAlign(alTop);
    SetBounds(Left(), Top(), Width(), 22);
}

TbsSkinMainMenuBar::~TbsSkinMainMenuBar() {
    // The timers go before the objects their handlers walk.
    FMouseTimer.reset();
    FMorphTimer.reset();
    FAnimateTimer.reset();
    ClearObjects();
}

template <class T>
void TbsSkinMainMenuBar::Link(T*& field, T* value) {
    if (field == value) return;
    if (field) field->RemoveFreeNotification(this);
    field = value;
    if (field) field->FreeNotification(this);
}

void TbsSkinMainMenuBar::SetDefItemFont(const TFont& value) {
    FDefItemFont.Assign(value);
    if (FIndex == -1) Repaint();
}

void TbsSkinMainMenuBar::SetDefaultWidth(int value) {
    FDefaultWidth = value;
    if (FDefaultWidth > 0 && FIndex == -1) SetBounds(Left(), Top(), FDefaultWidth, Height());
}

void TbsSkinMainMenuBar::SetDefaultHeight(int value) {
    FDefaultHeight = value;
    if (FDefaultHeight > 0 && FIndex == -1) SetBounds(Left(), Top(), Width(), FDefaultHeight);
}

void TbsSkinMainMenuBar::SetSkinForm(TbsSkinForm* value) {
    Link(BSF, value);
}

void TbsSkinMainMenuBar::SetMainMenu(TMainMenu* value) {
    Link(FMainMenu, value);
    CreateMenu();
    Repaint();
}

void TbsSkinMainMenuBar::Notification(TComponent* component, TOperation operation) {
    TbsSkinControl::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == FMainMenu) {
        FMainMenu = nullptr;
        ClearObjects();
    }
    if (component == FMergeMenu) {
        FMergeMenu = nullptr;
        if (!ComponentState().Contains(csDestroying)) CreateMenu();
    }
    if (component == BSF) BSF = nullptr;
}

TbsSkinData* TbsSkinMainMenuBar::UsableSkin() const {
    return FSD && !FSD->Empty ? FSD : nullptr;
}

void TbsSkinMainMenuBar::GetSkinData() {
    TbsSkinControl::GetSkinData();
    auto* record = dynamic_cast<TbsDataSkinMainMenuBar*>(SkinRecord());
    if (!record) {
        FIndex = -1;
        Picture = nullptr;
        return;
    }
    SkinRect = record->SkinRect;
    ItemsRect = record->ItemsRect;
    MenuBarItem = record->MenuBarItem;
    CloseButton = record->CloseButton;
    MaxButton = record->MaxButton;
    MinButton = record->MinButton;
    SysMenuButton = record->SysMenuButton;
    TrackMarkColor = record->TrackMarkColor;
    TrackMarkActiveColor = record->TrackMarkActiveColor;
    StretchEffect = record->StretchEffect;
    ItemTransparent = record->ItemTransparent;
    const int index = record->PictureIndex;
    Picture = index >= 0 && std::size_t(index) < FSD->FActivePictures.size()
                  ? FSD->FActivePictures[std::size_t(index)].get()
                  : nullptr;
}

void TbsSkinMainMenuBar::BeforeChangeSkinData() {
    FSkinSupport = false;
    TbsSkinControl::BeforeChangeSkinData();
    ClearObjects();
}

void TbsSkinMainMenuBar::ChangeSkinData() {
    GetSkinData();
    FSkinSupport = FIndex != -1;
    CreateMenu();
    if (FSkinSupport)
        SetBounds(Left(), Top(), Width(), SkinRect.Height());
    else if (FDefaultHeight > 0)
        SetBounds(Left(), Top(), Width(), FDefaultHeight);
    Repaint();
}

void TbsSkinMainMenuBar::SetBounds(int left, int top, int width, int height) {
    GetSkinData();
    if (FIndex != -1) height = SkinRect.Height();
    TbsSkinControl::SetBounds(left, top, width, height);
    CalcItemsRect();
    Repaint();
}

void TbsSkinMainMenuBar::ClearObjects() {
    ObjectList.clear();
    ButtonsCount = 0;
    ActiveObject = OldActiveObject = MouseCaptureObject = -1;
}

TbsSkinMainMenuBarItem* TbsSkinMainMenuBar::ItemAt(std::size_t index) const {
    return index < ObjectList.size()
               ? dynamic_cast<TbsSkinMainMenuBarItem*>(ObjectList[index].get())
               : nullptr;
}

TMainMenu* TbsSkinMainMenuBar::GetChildMainMenu() const {
    if (FMergeMenu) return FMergeMenu;
    if (!Application || !Application->MainForm() || !Screen) return nullptr;
    // The active MDI child is the first child form in activation order.
    for (int i = 0; i < Screen->FormCount(); ++i) {
        TCustomForm* form = Screen->Forms(i);
        if (form->FormStyle() != fsMDIChild) continue;
        for (int c = 0; c < form->ComponentCount(); ++c)
            if (auto* menu = dynamic_cast<TMainMenu*>(form->Components(c))) return menu;
        return nullptr;
    }
    return nullptr;
}

void TbsSkinMainMenuBar::CreateMenu() {
    ClearObjects();
    if (!FMainMenu) return;
    const bool mdiParent = BSF && BSF->Form() && BSF->Form()->FormStyle() == fsMDIForm;
    TMainMenu* child = mdiParent || FMergeMenu ? GetChildMainMenu() : nullptr;
    TbsDataSkinMainMenuBarItem* record = nullptr;
    if (TbsSkinData* skin = UsableSkin(); skin && !MenuBarItem.empty())
        if (const int index = skin->GetIndex(MenuBarItem); index >= 0)
            record = dynamic_cast<TbsDataSkinMainMenuBarItem*>(
                skin->ObjectList[std::size_t(index)].get());
    ChildMenuIn = child != nullptr;
    // Merged items come in group order, not by position: there is no hidden tail to offer.
    if (child) FScrollMenu = false;
    std::vector<TMenuItem*> list;
    TMenuItem& main = FMainMenu->Items();
    if (!child) {
        for (int i = 0; i < main.Count(); ++i)
            list.push_back(main.Items(i));
    } else {
        TMenuItem& childItems = child->Items();
        auto childHasGroup = [&childItems](int group) {
            for (int i = 0; i < childItems.Count(); ++i)
                if (childItems.Items(i)->GroupIndex() == group) return true;
            return false;
        };
        for (int i = 0; i < main.Count(); ++i)
            if (!childHasGroup(main.Items(i)->GroupIndex())) list.push_back(main.Items(i));
        for (int i = 0; i < childItems.Count(); ++i)
            list.push_back(childItems.Items(i));
        std::stable_sort(list.begin(), list.end(), [](TMenuItem* a, TMenuItem* b) {
            return a->GroupIndex() < b->GroupIndex();
        });
    }
    for (TMenuItem* menuItem : list) {
        if (!menuItem->Visible()) continue;
        auto item = std::make_unique<TbsSkinMainMenuBarItem>(this, record);
        item->IDName = menuItem->Name();
        item->Enabled = menuItem->Enabled();
        item->MenuItem = menuItem;
        ObjectList.push_back(std::move(item));
    }
    if (FMDIChildMax) {
        CreateMDIButtons();
        if (TbsSkinForm* maximized = FindMaximizedSkinChild())
            SetButtonsEnabled(maximized->BorderIcons().Contains(TbsSkinForm::biMinimize),
                              maximized->BorderIcons().Contains(TbsSkinForm::biSystemMenu));
    }
}

void TbsSkinMainMenuBar::Merge(TMainMenu* menu) {
    Link(FMergeMenu, menu);
    UpDateItems();
}

void TbsSkinMainMenuBar::UnMerge() {
    Link(FMergeMenu, static_cast<TMainMenu*>(nullptr));
    UpDateItems();
}

void TbsSkinMainMenuBar::UpDateItems() {
    CreateMenu();
    Repaint();
    ActiveObject = OldActiveObject = -1;
    FMouseTimer->SetEnabled(true);
}

void TbsSkinMainMenuBar::UpDateEnabledItems() {
    for (std::size_t i = 0; i < ObjectList.size(); ++i)
        if (TbsSkinMainMenuBarItem* item = ItemAt(i); item && item->MenuItem) {
            // A hidden item keeps its state for the moment it fits again.
            if (item->Visible)
                item->Enabled = item->MenuItem->Enabled();
            else
                item->OldEnabled = item->MenuItem->Enabled();
        }
    Repaint();
}

// --- A maximized MDI child's buttons ---

TbsSkinForm* TbsSkinMainMenuBar::FindMaximizedSkinChild() const {
    if (!Screen) return nullptr;
    for (int i = 0; i < Screen->FormCount(); ++i) {
        TCustomForm* form = Screen->Forms(i);
        if (form->FormStyle() != fsMDIChild) continue;
        if (TbsSkinForm* skinForm = FindSkinForm(form);
            skinForm && skinForm->WindowState() == wsMaximized)
            return skinForm;
    }
    return nullptr;
}

void TbsSkinMainMenuBar::CreateMDIButtons() {
    ButtonsCount = 0;
    const bool skinned = FIndex != -1;
    const std::string names[] = { skinned ? MinButton : "MinButton",
                                  skinned ? MaxButton : "MaxButton",
                                  skinned ? CloseButton : "CloseButton",
                                  skinned ? SysMenuButton : "SysMenuButton" };
    const TbsStdCommand commands[] = { cmMinimize, cmMaximize, cmClose, cmSysMenu };
    TbsSkinData* skin = UsableSkin();
    for (int i = 0; i < 4; ++i) {
        TbsDataSkinMainMenuBarButton* record = nullptr;
        if (skin && !names[i].empty())
            if (const int index = skin->GetIndex(names[i]); index >= 0)
                record = dynamic_cast<TbsDataSkinMainMenuBarButton*>(
                    skin->ObjectList[std::size_t(index)].get());
        auto button = std::make_unique<TbsSkinMainMenuBarButton>(this, record);
        if (!skinned || !record) button->Command = commands[i];
        button->IDName = names[i];
        ObjectList.insert(ObjectList.begin(), std::move(button));
        ++ButtonsCount;
    }
}

void TbsSkinMainMenuBar::ClearMDIButtons() {
    ActiveObject = MouseCaptureObject = -1;
    const auto count = std::min(std::size_t(ButtonsCount), ObjectList.size());
    ObjectList.erase(ObjectList.begin(), ObjectList.begin() + std::ptrdiff_t(count));
    ButtonsCount = 0;
}

void TbsSkinMainMenuBar::SetButtonsEnabled(bool minimize, bool systemMenu) {
    for (int i = 0; i < ButtonsCount && std::size_t(i) < ObjectList.size(); ++i)
        if (auto* button =
                dynamic_cast<TbsSkinMainMenuBarButton*>(ObjectList[std::size_t(i)].get()))
            button->Enabled = !(button->Command == cmMinimize && !minimize) &&
                              !(button->Command == cmSysMenu && !systemMenu);
}

void TbsSkinMainMenuBar::MDIChildMaximized() {
    if (FMDIChildMax) return;
    FMDIChildMax = true;
    ActiveObject = OldActiveObject = MouseCaptureObject = -1;
    CreateMDIButtons();
    if (TbsSkinForm* maximized = FindMaximizedSkinChild())
        SetButtonsEnabled(maximized->BorderIcons().Contains(TbsSkinForm::biMinimize),
                          maximized->BorderIcons().Contains(TbsSkinForm::biSystemMenu));
    Repaint();
}

void TbsSkinMainMenuBar::MDIChildRestored() {
    TbsSkinForm* maximized = FindMaximizedSkinChild();
    if (!maximized && FMDIChildMax) {
        FMDIChildMax = false;
        ClearMDIButtons();
        Repaint();
    } else if (maximized) {
        SetButtonsEnabled(maximized->BorderIcons().Contains(TbsSkinForm::biMinimize),
                          maximized->BorderIcons().Contains(TbsSkinForm::biSystemMenu));
    }
}

void TbsSkinMainMenuBar::ReleaseSysMenuButton() {
    for (std::size_t i = 0; i < ObjectList.size(); ++i) {
        auto* button = dynamic_cast<TbsSkinMainMenuBarButton*>(ObjectList[i].get());
        if (!button || button->Command != cmSysMenu || !button->FDown) continue;
        button->FDown = false;
        if (int(i) != ActiveObject) button->Active = button->FMouseIn = false;
        button->ReDraw();
    }
}
