#include "lib/frame/TbsSkinForm.h"

#include "lib/frame/TbsClientInActivePanel.h"
#include "lib/frame/TbsQuickButtonItem.h"
#include "lib/menus/TbsSkinHint.h"
#include "lib/menus/TbsSkinMenu.h"
#include "lib/menus/TbsSkinPopupMenu.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindraw/TbsLayerManager.h"
#include "lib/skindraw/bsSystemVersion.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TImageList.h"
#include "platform/forms/TMenuItem.h"
#include "platform/forms/TTimer.h"
#include "platform/rtl/Exception.h"
#include "platform/win/Messaging.h"
#include "platform/win/Painting.h"
#include "platform/win/WindowApi.h"

using namespace win;

namespace {

TCustomForm* OwnerForm(TComponent* owner) {
    if (auto* form = dynamic_cast<TCustomForm*>(owner)) return form;
    throw Exception("Invalid class typecast");
}

std::unique_ptr<TTimer> MakeTimer(unsigned interval, std::function<void()> tick) {
    auto timer = std::make_unique<TTimer>(nullptr);
    timer->SetEnabled(false);
    timer->SetInterval(interval);
    timer->SetOnTimer([tick = std::move(tick)](TObject*) { tick(); });
    timer->SetEnabled(false);
    return timer;
}

void SetCaptionFont(TFont& font, TColor color) {
    font.SetName("Arial");
    font.SetStyle(TFontStyles{ fsBold });
    font.SetHeight(14);
    font.SetColor(color);
}

} // namespace

TbsSkinForm::TbsSkinForm(TComponent* owner)
    : TComponent(owner), FForm(OwnerForm(owner)),
      FQuickButtons(this, [](TCollection* c) { return new TbsQuickButtonItem(c); }) {
    FIsVistaOs = IsVistaOrLater();
    FIsLayerEnabled = CanUseLayeredWindows();
    FLayerManager = std::make_unique<TbsLayerManager>(nullptr);
    FMenuLayerManager = std::make_unique<TbsLayerManager>(nullptr);
    SetCaptionFont(FDefCaptionFont, clBtnText);
    SetCaptionFont(FDefInActiveCaptionFont, clBtnShadow);

    FMouseTimer = MakeTimer(50, [this] { MouseTimerTick(); });
    FMorphTimer = MakeTimer(25, [this] { MorphTimerTick(); });
    FAnimateTimer = MakeTimer(25, [this] { AnimateTimerTick(); });
    // What a quick button shows is drawn on the frame.
    FQuickButtons.OnUpdate = [this](TCollectionItem*) {
        if (!LoadingOrDesigning()) NCRepaint();
    };

    // The component draws the caption buttons; the form's own would be the platform's.
    FForm->SetBorderIcons({});
    FForm->OnShortCut = [this](TMessage& message, bool& handled) {
        ShortCutHandler(message, handled);
    };

    FSysMenu = new TPopupMenu(this);
    FSysTrayMenu = new TbsSkinPopupMenu(this);
    FSysTrayMenu->SetComponentForm(FForm);
    BuildTrayMenu();
    FSkinMenu = new TbsSkinMenu(this, FForm);

    if (!Designing()) {
        OldWindowProc = FForm->WindowProc;
        FForm->WindowProc = [this](TMessage& message) { FormWindowProc(message); };
        // The creation messages must reach the new procedure too.
        if (FForm->HandleAllocated()) FForm->RecreateWnd();
    }
}

TbsSkinForm::~TbsSkinForm() {
    *FAlive = false;
    UnhookAppMessages();
    UnsubclassMDIClient();
    FFade.reset();
    FQuickButtons.Clear();
    ClearObjects();
    if (!Designing() && OldWindowProc) {
        FForm->WindowProc = OldWindowProc;
        FForm->OnShortCut = nullptr;
    }
    delete FInActivePanel;
    FInActivePanel = nullptr;
    Destroying();
    DestroyComponents();
}

bool TbsSkinForm::LoadingOrDesigning() const {
    return ComponentState().Contains(csLoading) || Designing();
}

bool TbsSkinForm::UsableSkin() const {
    return FSD && !FSD->Empty;
}

bool TbsSkinForm::IsMainForm() const {
    return Application && Application->MainForm() == FForm;
}

HWND TbsSkinForm::FormHandle() const {
    return FForm->HandleAllocated() ? FForm->Handle() : nullptr;
}

TSize TbsSkinForm::WindowSize() const {
    if (!HandleReady()) return TSize(FForm->Width(), FForm->Height());
    RECT r;
    GetWindowRect(FForm->Handle(), &r);
    return TSize(r.right - r.left, r.bottom - r.top);
}

void TbsSkinForm::NCRepaint() {
    if (HandleReady()) SendMessage(FForm->Handle(), WM_NCPAINT, 0, 0);
}

void TbsSkinForm::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == FSD) {
        // The frame objects show the skin's pictures: they go with it.
        FSD = nullptr;
        FSkinSupport = false;
        ClearObjects();
    } else if (component == FMSD)
        FMSD = nullptr;
    else if (component == FMainMenu)
        FMainMenu = nullptr;
    else if (component == FSystemMenu)
        FSystemMenu = nullptr;
    else if (component == FMainMenuBar)
        FMainMenuBar = nullptr;
    else if (component == FMDITabsBar)
        FMDITabsBar = nullptr;
    else if (component == FTrayIcon)
        FTrayIcon = nullptr;
    if (component == FSkinHint)
        FSkinHint = nullptr;
    else if (component == FStatusBar)
        FStatusBar = nullptr;
    if (component == FQuickImageList) FQuickImageList = nullptr;
    if (component == FInActivePanel) FInActivePanel = nullptr;
}

void TbsSkinForm::SetMenusSkinData(TbsSkinData* value) {
    Link(FMSD, value);
}

void TbsSkinForm::SetQuickImageList(TCustomImageList* value) {
    Link(FQuickImageList, value);
}

void TbsSkinForm::SetStatusBar(TComponent* value) {
    Link(FStatusBar, value);
}

void TbsSkinForm::SetSkinHint(TbsSkinHint* value) {
    Link(FSkinHint, value);
}

void TbsSkinForm::SetMainMenuBar(TComponent* value) {
    Link(FMainMenuBar, value);
}

void TbsSkinForm::SetMDITabsBar(TComponent* value) {
    Link(FMDITabsBar, value);
}

void TbsSkinForm::SetSystemMenu(TPopupMenu* value) {
    Link(FSystemMenu, value);
}

bool TbsSkinForm::UseSkinFontInMenu() const {
    return FSkinMenu->UseSkinFont();
}

void TbsSkinForm::SetUseSkinFontInMenu(bool value) {
    FSkinMenu->SetUseSkinFont(value);
}

int TbsSkinForm::DefMenuItemHeight() const {
    return FSkinMenu->DefaultMenuItemHeight();
}

void TbsSkinForm::SetDefMenuItemHeight(int value) {
    if (value > 0) FSkinMenu->SetDefaultMenuItemHeight(value);
}

TFont& TbsSkinForm::DefMenuItemFont() {
    return FSkinMenu->DefaultMenuItemFont();
}

void TbsSkinForm::SetDefMenuItemFont(const TFont& value) {
    FSkinMenu->SetDefaultMenuItemFont(value);
}

void TbsSkinForm::SetMaxMenuItemsInWindow(int value) {
    if (value < 0) return;
    FMaxMenuItemsInWindow = value;
    FSkinMenu->SetMaxMenuItemsInWindow(value);
}

void TbsSkinForm::SetMenusAlphaBlend(bool value) {
    FMenusAlphaBlend = value;
    FSkinMenu->SetAlphaBlend(value);
}

void TbsSkinForm::SetMenusAlphaBlendAnimation(bool value) {
    FMenusAlphaBlendAnimation = value;
    FSkinMenu->SetAlphaBlendAnimation(value);
}

void TbsSkinForm::SetMenusAlphaBlendValue(int value) {
    FMenusAlphaBlendValue = value;
    FSkinMenu->SetAlphaBlendValue(value);
}

void TbsSkinForm::SetShowIcon(bool value) {
    FShowIcon = value;
    if (!LoadingOrDesigning()) NCRepaint();
}

void TbsSkinForm::SetBorderIcons(TbsBorderIcons value) {
    FBorderIcons = value;
    if (LoadingOrDesigning()) return;
    UpdateCaptionButtons();
    NCRepaint();
}

bool TbsSkinForm::GetFormActive() const {
    if (PreviewMode) return true;
    if (IsMDIForm() || IsMDIChild()) return FFormActive;
    return FForm->Active();
}

bool TbsSkinForm::IsFormSizeable() const {
    return FAlwaysResize || FForm->BorderStyle() == bsSizeable ||
           FForm->BorderStyle() == bsSizeToolWin;
}

TbsActiveSkinObject* TbsSkinForm::ObjectAt(int index) const {
    if (index < 0 || index >= int(ObjectList.size())) return nullptr;
    return ObjectList[std::size_t(index)].get();
}

bool TbsSkinForm::IsCaptionObject(int index) const {
    return dynamic_cast<TbsSkinCaptionObject*>(ObjectAt(index)) != nullptr;
}

int TbsSkinForm::GetIndex(const std::string& idName) const {
    for (std::size_t i = 0; i < ObjectList.size(); ++i)
        if (ObjectList[i]->IDName == idName) return int(i);
    return -1;
}

void TbsSkinForm::SetEnabled(const std::string& idName, bool value) {
    if (TbsActiveSkinObject* object = ObjectAt(GetIndex(idName))) object->Enabled = value;
}

void TbsSkinForm::UserObjectDraw(const std::string& idName) {
    auto* object = dynamic_cast<TbsUserObject*>(ObjectAt(GetIndex(idName)));
    if (!object || !HandleReady()) return;
    const HWND hwnd = FForm->Handle();
    const HDC dc = GetWindowDC(hwnd);
    {
        TCanvas canvas;
        canvas.SetHandle(dc);
        object->Draw(canvas, true);
        canvas.SetHandle(nullptr);
    }
    ReleaseDC(hwnd, dc);
}

void TbsSkinForm::DoPaintEvent(const std::string& idName, TCanvas& canvas, TRect objectRect) {
    if (OnPaintEvent) OnPaintEvent(idName, canvas, objectRect);
}

void TbsSkinForm::DoMouseUpEvent(const std::string& idName, int x, int y, TRect objectRect,
                                 TMouseButton button) {
    if (OnMouseUpEvent) OnMouseUpEvent(idName, x, y, objectRect, button);
}

void TbsSkinForm::DoMouseDownEvent(const std::string& idName, int x, int y, TRect objectRect,
                                   TMouseButton button) {
    if (OnMouseDownEvent) OnMouseDownEvent(idName, x, y, objectRect, button);
}

void TbsSkinForm::DoMouseMoveEvent(const std::string& idName, int x, int y, TRect objectRect) {
    if (OnMouseMoveEvent) OnMouseMoveEvent(idName, x, y, objectRect);
}

void TbsSkinForm::DoMouseEnterEvent(const std::string& idName) {
    if (OnMouseEnterEvent) OnMouseEnterEvent(idName);
}

void TbsSkinForm::DoMouseLeaveEvent(const std::string& idName) {
    if (OnMouseLeaveEvent) OnMouseLeaveEvent(idName);
}

TbsSkinForm* FindSkinForm(TCustomForm* form) {
    if (!form) return nullptr;
    for (int i = 0; i < form->ComponentCount(); ++i)
        if (auto* skinForm = dynamic_cast<TbsSkinForm*>(form->Components(i))) return skinForm;
    return nullptr;
}
