#include "lib/controls/TbsListBox.h"

#include "lib/controls/TbsSkinListBox.h"
#include "lib/controls/TbsSkinScrollBar.h"
#include "lib/skindata/bsSkinMessages.h"
#include "platform/forms/ControlMessages.h"
#include "platform/forms/ListControlMessages.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowStyles.h"

TbsListBox::TbsListBox(TComponent* owner) : TListBox(owner) {
    SetBorderStyle(bsNone);
    SetStyle(lbOwnerDrawFixed);
    SetItemHeight(20);
}

void TbsListBox::CreateParams(TCreateParams& params) {
    TListBox::CreateParams(params);
    params.Style &= ~win::WS_BORDER;
    params.Style |= win::WS_TABSTOP;
    params.ExStyle &= ~win::WS_EX_CLIENTEDGE;
}

void TbsListBox::CreateWnd() {
    TListBox::CreateWnd();
    if (SkinListBox) SkinListBox->ListBoxCreateWnd();
}

void TbsListBox::WndProc(TMessage& message) {
    if (SkinListBox) {
        bool handled = true;
        SkinListBox->ListBoxWProc(message, handled);
        if (!handled) return;
    }
    switch (message.Msg) {
    case win::WM_NCCALCSIZE:
        // No non-client area: the native bars keep their state but take no room.
        message.Result = 0;
        return;
    case win::WM_SKINFRAMEPAINT:
        // Nothing to paint: the list has no frame of its own.
        message.Result = win::SKIN_FRAME_PAINTED;
        return;
    case CM_ENTER:
        if (SkinListBox) SkinListBox->ListBoxEnter();
        break;
    case CM_EXIT:
        if (SkinListBox) SkinListBox->ListBoxExit();
        break;
    default:
        break;
    }
    TListBox::WndProc(message);
    if (!SkinListBox) return;
    switch (message.Msg) {
    case win::WM_SKINLISTBGPAINT:
        // An empty list's background, drawn for whoever paints beneath it.
        if (Count() == 0 && message.LParam == win::SKIN_PAINT_KEY && message.WParam) {
            TCanvas canvas;
            canvas.SetHandle(win::HDC(message.WParam));
            SkinListBox->PaintListBackground(canvas, ClientRect());
            canvas.SetHandle(nullptr);
            message.Result = win::SKIN_PAINT_KEY;
        }
        break;
    case win::WM_MOUSEWHEEL:
        // One line more than the list scrolls by itself.
        if (SkinListBox->ScrollBar && Columns() == 0) {
            const bool down = win::GET_WHEEL_DELTA_WPARAM(message.WParam) < 0;
            TMessage line{ win::WM_VSCROLL, win::WPARAM(down ? win::SB_LINEDOWN : win::SB_LINEUP),
                           0, 0 };
            TListBox::WndProc(line);
            SkinListBox->UpDateScrollBar();
        } else if (TbsSkinScrollBar* bar = SkinListBox->HScrollBar) {
            const bool down = win::GET_WHEEL_DELTA_WPARAM(message.WParam) < 0;
            bar->SetPosition(bar->Position() + (down ? bar->SmallChange() : -bar->SmallChange()));
        }
        break;
    case win::WM_ERASEBKGND:
    case win::LB_ADDSTRING:
    case win::LB_INSERTSTRING:
    case win::LB_DELETESTRING:
        SkinListBox->UpDateScrollBar();
        break;
    default:
        break;
    }
}
