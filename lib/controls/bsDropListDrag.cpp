#include "lib/controls/bsDropListDrag.h"

#include "platform/win/Focus.h"
#include "platform/win/Input.h"
#include "platform/win/Messages.h"

std::optional<bool> TbsDropListDrag::Release(win::HWND list) const {
    if (!(LBDown && WasInLB)) {
        LBDown = false;
        return std::nullopt;
    }
    win::ReleaseCapture();
    LBDown = false;
    win::POINT cursor;
    win::GetCursorPos(&cursor);
    return win::WindowFromPoint(cursor) == list;
}

bool TbsDropListDrag::SwallowListButton(const TMessage& message, TWinControl& owner) const {
    switch (message.Msg) {
    case win::WM_LBUTTONDOWN:
        LBDown = true;
        WasInLB = true;
        win::SetCapture(owner.Handle());
        return true;
    case win::WM_LBUTTONUP:
    case win::WM_RBUTTONDOWN:
    case win::WM_RBUTTONUP:
    case win::WM_MBUTTONDOWN:
    case win::WM_MBUTTONUP:
        return true;
    default:
        return false;
    }
}
