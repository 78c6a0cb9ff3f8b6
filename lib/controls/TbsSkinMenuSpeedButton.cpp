#include "lib/controls/TbsSkinMenuSpeedButton.h"

#include "lib/menus/IbsImagesMenu.h"
#include "lib/menus/TbsSkinPopupMenu.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindata/bsSkinMessages.h"
#include "lib/skindraw/bsRectUtils.h"

namespace {

// The faces that are split into a main part and a drop-down strip; any other record's faces
// carry their own marker.
bool IsSplitName(const std::string& name) {
    return name == "resizebutton" || name == "resizetoolbutton" || name == "toolbutton" ||
           name == "bigtoolbutton";
}

constexpr int kStrip = 15;

} // namespace

TbsSkinMenuSpeedButton::TbsSkinMenuSpeedButton(TComponent* owner) : TbsSkinSpeedButton(owner) {
    FSkinDataName = "toolmenubutton";
}

TbsSkinMenuSpeedButton::~TbsSkinMenuSpeedButton() {
    DetachImagesMenu();
}

void TbsSkinMenuSpeedButton::SetNewStyle(bool value) {
    FNewStyle = value;
    if (value) SetSkinDataName("resizetoolbutton");
}

void TbsSkinMenuSpeedButton::SetTrackPosition(TbsTrackPosition value) {
    FTrackPosition = value;
    Repaint();
}

void TbsSkinMenuSpeedButton::SetTrackButtonMode(bool value) {
    FTrackButtonMode = value;
    if (FIndex == -1) Repaint();
}

void TbsSkinMenuSpeedButton::SetSkinPopupMenu(TbsSkinPopupMenu* value) {
    if (value == FSkinPopupMenu) return;
    if (FSkinPopupMenu) RemoveFreeNotification(FSkinPopupMenu);
    FSkinPopupMenu = value;
    if (FSkinPopupMenu) FreeNotification(FSkinPopupMenu);
}

void TbsSkinMenuSpeedButton::DetachImagesMenu() {
    // The menu keeps one handler of each kind: this button's must not outlive it.
    if (!FSkinImagesMenu) return;
    FSkinImagesMenu->SetInternalChange({});
    FSkinImagesMenu->SetInternalMenuClose({});
    if (FImagesMenuComponent) RemoveFreeNotification(FImagesMenuComponent);
    FSkinImagesMenu = nullptr;
    FImagesMenuComponent = nullptr;
}

void TbsSkinMenuSpeedButton::SetSkinImagesMenu(IbsImagesMenu* value) {
    if (value != FSkinImagesMenu) {
        DetachImagesMenu();
        FSkinImagesMenu = value;
        FImagesMenuComponent = dynamic_cast<TComponent*>(value);
        if (FImagesMenuComponent) FreeNotification(FImagesMenuComponent);
    }
    if (FSkinImagesMenu) FSkinImagesMenu->SetInternalChange([this] { Repaint(); });
    Repaint();
}

void TbsSkinMenuSpeedButton::Notification(TComponent* component, TOperation operation) {
    TbsSkinSpeedButton::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == FSkinPopupMenu) FSkinPopupMenu = nullptr;
    if (component && component == FImagesMenuComponent) {
        // The menu is going: it needs no handler taken back.
        FSkinImagesMenu = nullptr;
        FImagesMenuComponent = nullptr;
    }
}

void TbsSkinMenuSpeedButton::GetSkinData() {
    TbsSkinSpeedButton::GetSkinData();
    if (const auto* record = dynamic_cast<const TbsDataSkinMenuButtonControl*>(SkinRecord()))
        TrackButtonRect = record->TrackButtonRect;
}

bool TbsSkinMenuSpeedButton::SplitFace() const {
    return IsSplitName(FSkinDataName);
}

TRect TbsSkinMenuSpeedButton::Strip() const {
    if (FNewStyle && FTrackPosition == bstpBottom)
        return TRect(0, Height() - kStrip, Width(), Height());
    return TRect(Width() - kStrip, 0, Width(), Height());
}

TRect TbsSkinMenuSpeedButton::TrackRect() const {
    if (FIndex == -1 || SplitFace()) return Strip();
    TRect r = TrackButtonRect;
    if (ResizeMode == 2) {
        const int dx = Width() - SkinRect.Width();
        r.Left += dx;
        r.Right += dx;
    } else if (ResizeMode == 3) {
        const int dy = Height() - SkinRect.Height();
        r.Top += dy;
        r.Bottom += dy;
    }
    return r;
}

bool TbsSkinMenuSpeedButton::HitsDropDown(int x, int y) {
    if (!FSkinPopupMenu && !FSkinImagesMenu) return false;
    if (!FTrackButtonMode) return true;
    PrepareFace();
    return PtInRectInclusive(TrackRect(), TPoint(x, y));
}

void TbsSkinMenuSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft) {
        FMenuTracked = HitsDropDown(x, y);
        FMouseIn = true;
        if (FMenuTracked) {
            // The press belongs to the menu: no OnMouseDown, no click on release.
            if (!FDown) SetDown(true);
            OpenMenus();
            return;
        }
    }
    TbsSkinSpeedButton::MouseDown(button, shift, x, y);
}

void TbsSkinMenuSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (FMenuTracked) return;
    TbsSkinSpeedButton::MouseUp(button, shift, x, y);
}

void TbsSkinMenuSpeedButton::OpenMenus() {
    const std::shared_ptr<bool> alive = FAlive;
    const TPoint origin = ClientOrigin();
    const TRect below(origin.X, origin.Y, origin.X + Width(), origin.Y + Height());
    if (FSkinPopupMenu) {
        if (OnShowTrackMenu) OnShowTrackMenu(this);
        if (!*alive) return;
        if (FSkinPopupMenu) FSkinPopupMenu->PopupFromRect2(this, below, false);
        if (!*alive) return;
    }
    if (FSkinImagesMenu) {
        if (OnShowTrackMenu) OnShowTrackMenu(this);
        if (!*alive || !FSkinImagesMenu) return;
        FSkinImagesMenu->SetInternalMenuClose([this] { ImagesMenuClosed(); });
        FSkinImagesMenu->PopupFromRect(below);
    }
}

void TbsSkinMenuSpeedButton::MenuClosed() {
    FMenuTracked = false;
    SetDown(false);
    FMouseIn = false;
    const std::shared_ptr<bool> alive = FAlive;
    if (OnHideTrackMenu) OnHideTrackMenu(this);
    if (*alive) Repaint();
}

void TbsSkinMenuSpeedButton::ImagesMenuClosed() {
    FMenuTracked = false;
    SetDown(false);
    const std::shared_ptr<bool> alive = FAlive;
    if (OnHideTrackMenu) OnHideTrackMenu(this);
    if (!*alive) return;
    FMouseIn = false;
    Repaint();
}

void TbsSkinMenuSpeedButton::WndProc(TMessage& message) {
    switch (message.Msg) {
    case win::WM_SKINMENUCLOSED:
        MenuClosed();
        return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        if (Designing()) return;
        // While a menu shows, the button stays as it is and only notes where the pointer is.
        if (FMenuTracked) {
            FMouseIn = message.Msg == CM_MOUSEENTER;
            return;
        }
        break;
    default:
        break;
    }
    TbsSkinSpeedButton::WndProc(message);
}
