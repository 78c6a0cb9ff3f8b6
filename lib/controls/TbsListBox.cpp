#include "lib/controls/TbsListBox.h"

#include "lib/controls/TbsSkinListBox.h"
#include "lib/controls/TbsSkinScrollBar.h"
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

void TbsListBox::WndProc(TMessage& message) {
    if (SkinListBox) {
        bool handled = true;
        SkinListBox->ListBoxWProc(message, handled);
        if (!handled) return;
    }
    // No non-client area: the native bars keep their state but take no room.
    if (message.Msg == win::WM_NCCALCSIZE) {
        message.Result = 0;
        return;
    }
    TListBox::WndProc(message);
    if (!SkinListBox) return;
    switch (message.Msg) {
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
