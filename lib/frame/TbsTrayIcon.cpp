#include "lib/frame/TbsTrayIcon.h"
#include "lib/frame/bsFrameMessages.h"
#include "lib/menus/TbsSkinPopupMenu.h"
#include "platform/forms/TImageList.h"
#include "platform/forms/TMenuItem.h"
#include "platform/forms/TTimer.h"
#include "platform/gfx/IconObject.h"
#include "platform/gfx/TBitmap.h"
#include "platform/win/Focus.h"
#include "platform/win/Input.h"
#include "platform/win/Messaging.h"
#include "platform/win/WindowApi.h"
#include "platform/win/WindowClass.h"
#include <algorithm>

using namespace win;

namespace {

constexpr const char* kTrayWindowClass = "TbsTrayIconWindow";
constexpr std::size_t kTipLength = 127;
constexpr std::size_t kInfoLength = 255;
constexpr std::size_t kInfoTitleLength = 63;
constexpr UINT kIconFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
constexpr UINT kQueryEndSession = 0x0011;
constexpr UINT kUserChanged = 0x0054;

TShiftState ShiftNow() {
    TShiftState shift;
    if (GetAsyncKeyState(VK_SHIFT) < 0) shift.Include(ssShift);
    if (GetAsyncKeyState(VK_MENU) < 0) shift.Include(ssAlt);
    if (GetAsyncKeyState(VK_CONTROL) < 0) shift.Include(ssCtrl);
    return shift;
}

} // namespace

TbsTrayIcon::TbsTrayIcon(TComponent* owner) : TComponent(owner) {
    WNDCLASSEX existing;
    if (!GetClassInfoEx(nullptr, kTrayWindowClass, &existing)) {
        WNDCLASSEX wc;
        wc.lpfnWndProc = TrayWndProc;
        wc.lpszClassName = kTrayWindowClass;
        RegisterClassEx(&wc);
    }
    FWindow = CreateWindowEx(0, kTrayWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                             this);
    IconData.hWnd = FWindow;
    IconData.uID = 1;
    IconData.uFlags = kIconFlags;
    IconData.uCallbackMessage = WM_SKINTRAYCALLBACK;

    AnimateTimer = std::make_unique<TTimer>(nullptr);
    AnimateTimer->SetEnabled(false);
    AnimateTimer->SetInterval(FAnimateTimerInterval);
    AnimateTimer->SetOnTimer([this](TObject*) { AnimateTimerTick(); });
    ClickTimer = std::make_unique<TTimer>(nullptr);
    ClickTimer->SetEnabled(false);
    ClickTimer->SetInterval(GetDoubleClickTime());
    ClickTimer->SetOnTimer([this](TObject*) { ClickTimerTick(); });

    if (ComponentState().Contains(csDesigning)) return;
    if (Application) {
        if (FIcon.Empty()) FIcon.Assign(Application->Icon());
        // Minimizing the application hides the main form to the tray.
        FMinimizedToken = Application->Minimized.Add([this](TObject*) {
            if (FMinimizeToTray) DoMinimizeToTray();
        });
    }
}

TbsTrayIcon::~TbsTrayIcon() {
    if (FIconVisible) DeleteTrayIcon();
    if (Application) Application->Minimized.Remove(FMinimizedToken);
    AnimateTimer.reset();
    ClickTimer.reset();
    if (FWindow && IsWindow(FWindow)) {
        SetWindowLongPtr(FWindow, GWLP_USERDATA, 0);
        DestroyWindow(FWindow);
    }
}

void TbsTrayIcon::Loaded() {
    TComponent::Loaded();
    if (OwnerForm() && FMinimizedOnStart && !ComponentState().Contains(csDesigning)) {
        FIconVisible = true;
        FMinimizeToTray = true;
        if (Application) Application->SetShowMainForm(false);
    }
    ModifyTrayIcon();
    SetIconVisible(FIconVisible);
}

TCustomForm* TbsTrayIcon::OwnerForm() const {
    return dynamic_cast<TCustomForm*>(Owner());
}

bool TbsTrayIcon::PrepareIconData() {
    if (ComponentState().Contains(csDesigning)) return false;
    IconData.hIcon = FIcon.Handle();
    if (!FHint.empty() && FShowHint)
        IconData.szTip = FHint.substr(0, kTipLength);
    else
        IconData.szTip.clear();
    return true;
}

bool TbsTrayIcon::AddTrayIcon() {
    FIconVisible = true;
    return PrepareIconData() && Shell_NotifyIcon(NIM_ADD, &IconData);
}

bool TbsTrayIcon::DeleteTrayIcon() {
    FIconVisible = false;
    return PrepareIconData() && Shell_NotifyIcon(NIM_DELETE, &IconData);
}

bool TbsTrayIcon::ModifyTrayIcon() {
    return PrepareIconData() && Shell_NotifyIcon(NIM_MODIFY, &IconData);
}

void TbsTrayIcon::SetIcon(const TIcon& value) {
    FIcon.Assign(value);
    ModifyTrayIcon();
}

void TbsTrayIcon::SetIconVisible(bool value) {
    if (value)
        AddTrayIcon();
    else
        DeleteTrayIcon();
}

void TbsTrayIcon::SetCycleIcons(bool value) {
    FCycleIcons = value;
    if (value) SetIconIndex(0);
    AnimateTimer->SetEnabled(value);
}

void TbsTrayIcon::SetAnimateTimerInterval(unsigned value) {
    FAnimateTimerInterval = value;
    AnimateTimer->SetInterval(value);
}

void TbsTrayIcon::SetIconList(TCustomImageList* value) {
    FIconList = value;
    if (value) FreeNotification(value);
    SetIconIndex(0);
}

void TbsTrayIcon::IconFromList(int index) {
    TBitmap image;
    FIconList->GetBitmap(index, image);
    TIcon icon;
    icon.SetHandle(CreateIconFromImages({ image.ToSurface() }));
    FIcon.Assign(icon);
}

void TbsTrayIcon::SetIconIndex(int value) {
    // An empty list has no image to show; an index outside it takes the nearest image.
    if (FIconList && FIconList->Count() > 0) {
        FIconIndex = std::clamp(value, 0, FIconList->Count() - 1);
        IconFromList(FIconIndex);
    } else {
        FIconIndex = 0;
    }
    ModifyTrayIcon();
}

void TbsTrayIcon::SetHint(const std::string& value) {
    FHint = value;
    ModifyTrayIcon();
}

void TbsTrayIcon::SetShowHint(bool value) {
    FShowHint = value;
    ModifyTrayIcon();
}

void TbsTrayIcon::SetPopupMenu(TbsSkinPopupMenu* value) {
    FPopupMenu = value;
    if (value) FreeNotification(value);
}

void TbsTrayIcon::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == FIconList) FIconList = nullptr;
    if (component == FPopupMenu) FPopupMenu = nullptr;
}

void TbsTrayIcon::AnimateTimerTick() {
    if (!FIconList || FIconList->Count() == 0) return;
    IconFromList(std::clamp(FIconIndex, 0, FIconList->Count() - 1));
    DoCycle();
    ModifyTrayIcon();
    SetIconIndex(FIconIndex < FIconList->Count() - 1 ? FIconIndex + 1 : 0);
}

void TbsTrayIcon::DoCycle() {
    if (!OnCycle) return;
    const int count = FIconList ? FIconList->Count() : 0;
    OnCycle(this, FIconIndex < count - 1 ? FIconIndex + 1 : 0);
}

LRESULT TbsTrayIcon::TrayWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        const auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
        SetWindowLongPtr(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    }
    auto* icon = reinterpret_cast<TbsTrayIcon*>(GetWindowLongPtr(hwnd, GWLP_USERDATA));
    if (!icon) return DefWindowProc(hwnd, msg, wParam, lParam);
    try {
        return icon->HandleTrayMessage(hwnd, msg, wParam, lParam);
    } catch (...) {
        HandleException();
        return 0;
    }
}

LRESULT TbsTrayIcon::HandleTrayMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_SKINTRAYCALLBACK) {
        if (FEnabled) TrayCallback(lParam);
        return 0;
    }
    // A tray (re)started: it knows nothing of the icon any more.
    if (msg == TaskbarCreatedMessage()) {
        if (FIconVisible) AddTrayIcon();
        return 0;
    }
    switch (msg) {
    case WM_DESTROY:
    case WM_CLOSE:
    case kQueryEndSession:
    case kUserChanged:
    case WM_QUIT:
    case WM_NCDESTROY:
        return 1;
    default:
        return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

void TbsTrayIcon::TrayCallback(LPARAM event) {
    POINT p{ 0, 0 };
    GetCursorPos(&p);
    const TShiftState shift = ShiftNow();
    switch (UINT(event)) {
    case WM_MOUSEMOVE:
        MouseMove(shift, p.x, p.y);
        break;
    case WM_LBUTTONDOWN:
        ClickTimer->SetEnabled(true);
        MouseDown(mbLeft, shift + TShiftState{ ssLeft }, p.x, p.y);
        FClickStart = true;
        if (FPopupByLeftButton) PopupAtCursor();
        break;
    case WM_LBUTTONUP:
        if (FClickStart) FClickReady = true;
        if (FClickStart && !ClickTimer->Enabled()) {
            // Held past the double-click time: the click is the release.
            FClickStart = false;
            FClickReady = false;
            Click();
        }
        FClickStart = false;
        MouseUp(mbLeft, shift + TShiftState{ ssLeft }, p.x, p.y);
        break;
    case WM_LBUTTONDBLCLK:
        FClickReady = false;
        IsDblClick = true;
        DblClick();
        if (FPopupMenu && FPopupMenu->AutoPopup() && !FPopupByLeftButton) ClickDefaultItem();
        break;
    case WM_RBUTTONDOWN:
        MouseDown(mbRight, shift + TShiftState{ ssRight }, p.x, p.y);
        PopupAtCursor();
        break;
    case WM_RBUTTONUP:
        MouseUp(mbRight, shift + TShiftState{ ssRight }, p.x, p.y);
        break;
    case WM_MBUTTONDOWN:
        MouseDown(mbMiddle, shift + TShiftState{ ssMiddle }, p.x, p.y);
        break;
    case WM_MBUTTONUP:
        MouseUp(mbMiddle, shift + TShiftState{ ssMiddle }, p.x, p.y);
        break;
    case NIN_BALLOONUSERCLICK:
        if (OnBalloonHintClick) OnBalloonHintClick(this);
        break;
    default:
        break;
    }
}

void TbsTrayIcon::ClickTimerTick() {
    ClickTimer->SetEnabled(false);
    if (!IsDblClick && FClickReady) {
        FClickReady = false;
        Click();
    }
    IsDblClick = false;
}

void TbsTrayIcon::ClickDefaultItem() {
    TMenuItem& items = FPopupMenu->Items();
    for (int i = 0; i < items.Count(); ++i) {
        if (!items.Items(i)->Default()) continue;
        items.Items(i)->Click();
        return;
    }
}

void TbsTrayIcon::PopupAtCursor() {
    if (!FPopupMenu || !FPopupMenu->AutoPopup()) return;
    POINT p;
    if (!GetCursorPos(&p)) return;
    if (Application) Application->ProcessMessages();
    TCustomForm* owner = OwnerForm();
    if (owner && owner->HandleAllocated()) SetForegroundWindow(owner->Handle());
    FPopupMenu->SetPopupComponent(this);
    FPopupMenu->Popup(p.x, p.y);
    if (owner && owner->HandleAllocated()) PostMessage(owner->Handle(), WM_NULL, 0, 0);
}

void TbsTrayIcon::Click() {
    if (OnClick) OnClick(this);
}

void TbsTrayIcon::DblClick() {
    if (OnDblClick) OnDblClick(this);
}

void TbsTrayIcon::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TbsTrayIcon::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TbsTrayIcon::MouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TbsTrayIcon::DoMinimizeToTray() {
    HideMainForm();
    SetIconVisible(true);
}

void TbsTrayIcon::ShowMainForm() {
    TCustomForm* mainForm = Application ? Application->MainForm() : nullptr;
    if (!OwnerForm() || !mainForm) return;
    mainForm->SetVisible(true);
    if (mainForm->WindowState() == wsMinimized) mainForm->SetWindowState(wsNormal);
    mainForm->SetTag(TRAY_HIDDEN_TAG);
    if (mainForm->HandleAllocated()) PostMessage(mainForm->Handle(), WM_SKINTRAYRESTORED, 0, 0);
}

void TbsTrayIcon::HideMainForm() {
    TCustomForm* mainForm = Application ? Application->MainForm() : nullptr;
    if (!OwnerForm() || !mainForm) return;
    mainForm->SetVisible(false);
    mainForm->SetTag(TRAY_HIDDEN_TAG);
}

bool TbsTrayIcon::ShowBalloonHint(const std::string& title, const std::string& text,
                                  TbsBalloonHintIcon iconType) {
    HideBalloonHint();
    IconData.uFlags = kIconFlags | NIF_INFO;
    IconData.szInfo = text.substr(0, kInfoLength);
    IconData.szInfoTitle = title.substr(0, kInfoTitleLength);
    IconData.dwInfoFlags = DWORD(iconType);
    const bool result = ModifyTrayIcon();
    IconData.uFlags = kIconFlags;
    return result;
}

bool TbsTrayIcon::HideBalloonHint() {
    IconData.uFlags = kIconFlags | NIF_INFO;
    IconData.szInfo.clear();
    const bool result = ModifyTrayIcon();
    IconData.uFlags = kIconFlags;
    return result;
}
