#include "lib/controls/TbsCustomEdit.h"

#include "lib/controls/IbsFormSkinComponent.h"
#include "lib/controls/bsEditContextMenu.h"
#include "lib/menus/TbsSkinPopupMenu.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindata/bsSkinMessages.h"
#include "platform/forms/ControlMessages.h"
#include "platform/forms/EditMessages.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TCustomForm.h"
#include "platform/win/Win.h"

#include <utility>

using namespace win;

namespace {

// The text starts two pixels in from the left and runs to the right edge.
constexpr int kLeftMargin = 2;
constexpr int kRightMargin = 0;

const TbsResourceStrData* FormStrings(TCustomForm* form) {
    const IbsFormSkinComponent* skinForm = FormSkinComponentOf(form);
    const TbsSkinData* skin = skinForm ? skinForm->SkinData() : nullptr;
    return skin ? skin->ResourceStrData() : nullptr;
}

} // namespace

TbsCustomEdit::TbsCustomEdit(TComponent* owner) : TEdit(owner) {
    FControlStyle.Include(csOpaque);
    // The frame is the skinned edits' own: the platform edit's sunken border is never drawn.
    SetBorderStyle(bsNone);
    Perform(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
            MAKELPARAM(UINT(kLeftMargin), UINT(kRightMargin)));
}

TbsCustomEdit::~TbsCustomEdit() {
    FreeSysPopupMenu();
}

void TbsCustomEdit::SetEditTransparent(bool value) {
    FEditTransparent = value;
    if (HandleAllocated()) RecreateWnd();
}

void TbsCustomEdit::CreateParams(TCreateParams& params) {
    TEdit::CreateParams(params);
    params.Style &= ~WS_BORDER;
    params.ExStyle &= ~WS_EX_CLIENTEDGE;
    if (FEditTransparent) params.ExStyle |= WS_EX_TRANSPARENT;
    // A one-line text in a multi-line edit window: such a window takes Enter and Escape.
    params.Style |= PasswordChar() ? ES_PASSWORD : ES_MULTILINE;
}

void TbsCustomEdit::Invalidate() {
    TWinControl* parent = Parent();
    if (!FEditTransparent || !parent || !HandleAllocated() || !parent->HandleAllocated()) {
        TEdit::Invalidate();
        return;
    }
    RECT behind = ClientRect();
    MapWindowPoints(FHandle, parent->Handle(), reinterpret_cast<POINT*>(&behind), 2);
    InvalidateRect(parent->Handle(), &behind, TRUE);
    RedrawWindow(FHandle, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void TbsCustomEdit::Change() {
    TEdit::Change();
    InvalidateTransparent();
}

void TbsCustomEdit::Notification(TComponent* component, TOperation operation) {
    TEdit::Notification(component, operation);
    if (operation == opRemove && component == FSysPopupMenu) FSysPopupMenu = nullptr;
}

void TbsCustomEdit::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_CONTEXTMENU:
        WMContextMenu(message);
        return;
    case WM_SKINMENUCOMMAND:
        FreeSysPopupMenu();
        return;
    case CM_CANCELMODE:
        TEdit::WndProc(message);
        if (OnEditCancelMode) OnEditCancelMode(reinterpret_cast<TControl*>(message.LParam));
        return;
    case WM_SETFONT:
        TEdit::WndProc(message);
        Perform(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                MAKELPARAM(UINT(kLeftMargin), UINT(kRightMargin)));
        return;
    case WM_GETDLGCODE:
        TEdit::WndProc(message);
        message.Result |= DLGC_WANTALLKEYS;
        return;
    case WM_CHAR:
        if (WMChar(message)) return;
        break;
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC:
        if (FEditTransparent) {
            ColorTransparent(message);
            return;
        }
        break;
    case WM_ERASEBKGND:
        if (FEditTransparent) {
            Invalidate();
            return;
        }
        break;
    case WM_KEYDOWN:
        if (FEditReadOnly && message.WParam == VK_DELETE) return;
        TEdit::WndProc(message);
        InvalidateTransparent();
        return;
    case WM_CUT:
    case WM_PASTE:
    case WM_CLEAR:
    case WM_UNDO:
        if (FEditReadOnly) return;
        TEdit::WndProc(message);
        InvalidateTransparent();
        return;
    case WM_SETTEXT:
    case WM_MOVE:
    case WM_KILLFOCUS:
        TEdit::WndProc(message);
        InvalidateTransparent();
        return;
    case WM_SETFOCUS:
        TEdit::WndProc(message);
        InvalidateTransparent();
        if (FAutoSelect) SelectAll();
        return;
    case WM_LBUTTONDOWN:
        TEdit::WndProc(message);
        FDown = true;
        InvalidateTransparent();
        return;
    case WM_LBUTTONUP:
        TEdit::WndProc(message);
        FDown = false;
        return;
    case WM_MOUSEMOVE:
        TEdit::WndProc(message);
        if (FDown) InvalidateTransparent();
        return;
    default:
        break;
    }
    TEdit::WndProc(message);
}

bool TbsCustomEdit::WMChar(TMessage& message) {
    const auto key = char32_t(message.WParam);
    if (key == U'\r' || key == U'\x1b') {
        char32_t copy = key;
        if (OnKeyPress) OnKeyPress(this, copy);
        // The form's default and cancel buttons take the two keys; the edit never types them.
        if (TCustomForm* form = GetParentForm(this))
            form->Perform(CM_DIALOGKEY, message.WParam, message.LParam);
        return true;
    }
    return FEditReadOnly;
}

void TbsCustomEdit::ColorTransparent(TMessage& message) {
    const auto dc = reinterpret_cast<HDC>(message.WParam);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(Font().Color()));
    message.Result = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

void TbsCustomEdit::WMContextMenu(TMessage& message) {
    if (PopupMenu()) {
        TEdit::WndProc(message);
        return;
    }
    ShowSysPopupMenu(TPoint(GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)));
    message.Result = 1;
}

void TbsCustomEdit::ShowSysPopupMenu(TPoint at) {
    FreeSysPopupMenu();
    TCustomForm* form = GetParentForm(this);
    // An MDI child's menus are shown by the main form's skin component.
    TCustomForm* menuForm = form;
    if (form && form->FormStyle() == fsMDIChild && Application && Application->MainForm())
        menuForm = Application->MainForm();
    FSysPopupMenu = new TbsSkinPopupMenu(this);
    FSysPopupMenu->SetComponentForm(menuForm);
    AddEditMenuItems(*FSysPopupMenu, *this, FormStrings(form));
    // The keyboard asked (the menu key, Shift+F10): the menu opens at the edit's centre.
    if (at.X < 0 || at.Y < 0) {
        const TPoint origin = ClientToScreen(TPoint(0, 0));
        at = TPoint(origin.X + Width() / 2, origin.Y + Height() / 2);
    }
    FSysPopupMenu->Popup2(this, at.X, at.Y);
}

void TbsCustomEdit::FreeSysPopupMenu() {
    delete std::exchange(FSysPopupMenu, nullptr);
}
