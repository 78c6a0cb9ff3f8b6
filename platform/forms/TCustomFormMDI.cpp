// The multiple-document side of forms: the MDI form's client window and its children.
#include "platform/forms/TApplication.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TMDIClient.h"
#include "platform/forms/TMenuItem.h"
#include "platform/forms/TScreen.h"
#include "platform/win/Messages.h"
#include "platform/win/Messaging.h"
#include "platform/win/WindowApi.h"
#include "platform/win/WindowStyles.h"

using namespace win;

namespace {

TCustomForm* FormOf(HWND hwnd) {
    return dynamic_cast<TCustomForm*>(TWinControl::FindControl(hwnd));
}

} // namespace

HWND TCustomForm::ClientHandle() const {
    return FMDIClient ? FMDIClient->Handle() : nullptr;
}

int TCustomForm::MDIChildCount() const {
    if (!FMDIClient) return 0;
    int count = 0;
    for (HWND h : FMDIClient->Children())
        if (FormOf(h)) ++count;
    return count;
}

TCustomForm* TCustomForm::MDIChildren(int index) const {
    if (!FMDIClient || index < 0) return nullptr;
    for (HWND h : FMDIClient->Children())
        if (TCustomForm* form = FormOf(h); form && index-- == 0) return form;
    return nullptr;
}

TCustomForm* TCustomForm::ActiveMDIChild() const {
    if (!FMDIClient) return nullptr;
    return FormOf(reinterpret_cast<HWND>(SendMessage(FMDIClient->Handle(), WM_MDIGETACTIVE, 0, 0)));
}

void TCustomForm::SetWindowMenu(TMenuItem* value) {
    if (value == FWindowMenu) return;
    if (FWindowMenu) FWindowMenu->RemoveFreeNotification(this);
    FWindowMenu = value;
    if (value) value->FreeNotification(this);
}

void TCustomForm::Tile() {
    if (FMDIClient) SendMessage(FMDIClient->Handle(), WM_MDITILE, 0, 0);
}

void TCustomForm::Cascade() {
    if (FMDIClient) SendMessage(FMDIClient->Handle(), WM_MDICASCADE, 0, 0);
}

void TCustomForm::ArrangeIcons() {
    if (FMDIClient) SendMessage(FMDIClient->Handle(), WM_MDIICONARRANGE, 0, 0);
}

void TCustomForm::Next() {
    if (FMDIClient) SendMessage(FMDIClient->Handle(), WM_MDINEXT, 0, 0);
}

void TCustomForm::Previous() {
    if (FMDIClient) SendMessage(FMDIClient->Handle(), WM_MDINEXT, 0, 1);
}

void TCustomForm::AlignControls(TControl* control, TRect& rect) {
    TWinControl::AlignControls(control, rect);
    if (FMDIClient)
        MoveWindow(FMDIClient->Handle(), rect.Left, rect.Top, rect.Width(), rect.Height(), TRUE);
}

void TCustomForm::DestroyWnd() {
    if (FFormStyle == fsMDIChild) LeaveMDIActivation();
    // The children's windows go with the client window; the forms stay and make them again
    // when the client is back.
    FMDIClient.reset();
    TWinControl::DestroyWnd();
}

TCustomForm* TCustomForm::MDIParentForm() const {
    TCustomForm* main = Application ? Application->MainForm() : nullptr;
    return main && main != this && main->FormStyle() == fsMDIForm ? main : nullptr;
}

void TCustomForm::MDIChildParams(TCreateParams& params) const {
    TCustomForm* parent = MDIParentForm();
    if (!parent) throw EInvalidOperation("Cannot create form. No MDI forms are currently active");
    parent->HandleNeeded();
    DWORD style = 0, exStyle = 0;
    FrameStyles(style, exStyle);
    params.Style = (params.Style & ~WS_POPUP) | (style & ~WS_POPUP) | WS_CHILD | WS_CLIPSIBLINGS |
                   WS_CLIPCHILDREN;
    params.ExStyle |= exStyle | WS_EX_MDICHILD | WS_EX_CONTROLPARENT;
    params.WndParent = parent->ClientHandle();
}

void TCustomForm::CreateMDIClient() {
    FMDIClient = std::make_unique<TMDIClient>(FHandle);
    Realign();
    // Children whose windows went with an earlier client window come back.
    if (!Screen || Application->MainForm() != this) return;
    for (int i = Screen->FormCount() - 1; i >= 0; --i)
        if (TCustomForm* form = Screen->Forms(i);
            form->FFormStyle == fsMDIChild && form->FVisible && !form->HandleAllocated())
            form->HandleNeeded();
}

void TCustomForm::ActivateAsMDIChild() {
    if (!HandleAllocated()) return;
    const HWND client = GetParent(FHandle);
    if (client) SendMessage(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(FHandle), 0);
}

void TCustomForm::LeaveMDIActivation() {
    const HWND client = GetParent(FHandle);
    if (!client || reinterpret_cast<HWND>(SendMessage(client, WM_MDIGETACTIVE, 0, 0)) != FHandle)
        return;
    // Another visible child takes over; with none left, none is active.
    SendMessage(client, WM_MDINEXT, reinterpret_cast<WPARAM>(FHandle), 0);
    if (reinterpret_cast<HWND>(SendMessage(client, WM_MDIGETACTIVE, 0, 0)) == FHandle)
        SendMessage(client, WM_MDIACTIVATE, 0, 0);
}
