// What the caption buttons ask of the component: their commands, their place on the screen
// and the menus they drop.
#include "lib/frame/TbsSkinForm.h"

#include "platform/win/WindowApi.h"

using namespace win;

TRect TbsSkinForm::ObjectScreenRect(const TRect& r) const {
    if (IsMDIChild() && HandleReady()) {
        // The child's window coordinates start at its frame, the client's above and left.
        const TPoint frame = FSkinSupport ? NewClRect.TopLeft() : TPoint(3, DefCaptionHeight() + 3);
        POINT origin{ -frame.X, -frame.Y };
        ClientToScreen(FForm->Handle(), &origin);
        return TRect(r.Left + origin.x, r.Top + origin.y, r.Right + origin.x, r.Bottom + origin.y);
    }
    return TRect(r.Left + FForm->Left(), r.Top + FForm->Top(), r.Right + FForm->Left(),
                 r.Bottom + FForm->Top());
}

bool TbsSkinForm::IsRestoreState(TbsStdCommand command) const {
    switch (command) {
    case cmMaximize:
        return FWindowState == wsMaximized;
    case cmMinimize:
        return FWindowState == wsMinimized;
    case cmRollUp:
        return FRollUpState;
    default:
        return false;
    }
}

void TbsSkinForm::RunFrameCommand(TbsStdCommand command) {
    auto leaveFirst = [this] { UpdateActiveObject(-1, -1, false); };
    switch (command) {
    case cmClose:
        leaveFirst();
        FForm->Close();
        break;
    case cmMaximize:
        leaveFirst();
        SetWindowState(FWindowState == wsMaximized ? wsNormal : wsMaximized);
        break;
    case cmMinimize:
        leaveFirst();
        if (FAlwaysMinimizeToTray)
            MinimizeToTray();
        else
            SetWindowState(FWindowState == wsMinimized ? wsNormal : wsMinimized);
        break;
    case cmRollUp:
        SetRollUpState(!FRollUpState);
        break;
    case cmMinimizeToTray:
        leaveFirst();
        MinimizeToTray();
        break;
    case cmSysMenu:
    case cmDefault:
        break;
    }
}
