#include "lib/skindraw/bsParentBackground.h"

#include "platform/forms/TCustomForm.h"
#include "platform/forms/TGraphicControl.h"
#include "platform/forms/TWinControl.h"
#include "platform/gfx/DcStateSaver.h"
#include "platform/gfx/TCanvas.h"
#include "platform/win/Messages.h"

namespace {

// Marks a control csPaintCopy for a scope, so that painting which fails still clears it.
class TPaintCopyMark {
public:
    explicit TPaintCopyMark(TControl& control) : FControl(control) {
        TControlState state = FControl.ControlState();
        state.Include(csPaintCopy);
        FControl.SetControlState(state);
    }
    ~TPaintCopyMark() {
        TControlState state = FControl.ControlState();
        state.Exclude(csPaintCopy);
        FControl.SetControlState(state);
    }
    TPaintCopyMark(const TPaintCopyMark&) = delete;
    TPaintCopyMark& operator=(const TPaintCopyMark&) = delete;

private:
    TControl& FControl;
};

// A parent's own painting is protected; the copy paints it as the parent's WM_PAINT would.
struct TPaintWindowAccess : TWinControl {
    static void PaintWindowOf(TWinControl& control, win::HDC dc) {
        (control.*(&TPaintWindowAccess::PaintWindow))(dc);
    }
};

bool Intersect(const TRect& a, const TRect& b) {
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

// The origin is moved relative to the DC's present one, so a canvas whose DC already stands
// at some control's origin (a windowless control painted by its parent) works as well.
void CopyBackground(TControl* control, int dx, int dy, TCanvas& canvas) {
    if (!control || !control->Parent()) return;
    TWinControl& parent = *control->Parent();
    const TPaintCopyMark parentMark(parent);
    const TRect bounds = control->BoundsRect();
    const win::HDC dc = canvas.Handle();
    {
        const gfx::DcStateSaver saved(dc);
        win::OffsetViewportOrgEx(dc, -control->Left() - dx, -control->Top() - dy, nullptr);
        win::IntersectClipRect(dc, 0, 0, parent.ClientWidth(), parent.ClientHeight());
        // An MDI form's client window does not exist here: the form erases itself.
        parent.Perform(win::WM_ERASEBKGND, win::WPARAM(dc), 0);
        if (!dynamic_cast<TCustomForm*>(&parent)) TPaintWindowAccess::PaintWindowOf(parent, dc);
    }
    for (int i = 0; i < parent.ControlCount(); ++i) {
        TControl* child = parent.Controls(i);
        if (child == control) break;
        if (!dynamic_cast<TGraphicControl*>(child) || !child->Visible() ||
            !Intersect(child->BoundsRect(), bounds))
            continue;
        const TPaintCopyMark childMark(*child);
        const gfx::DcStateSaver saved(dc);
        win::OffsetViewportOrgEx(dc, child->Left() - control->Left() - dx,
                                 child->Top() - control->Top() - dy, nullptr);
        win::IntersectClipRect(dc, 0, 0, child->Width(), child->Height());
        child->Perform(win::WM_PAINT, win::WPARAM(dc), 0);
    }
}

} // namespace

void CopyParentBackground(TControl* control, TCanvas& canvas) {
    CopyBackground(control, 0, 0, canvas);
}

void CopyTabsBackground(TControl* control, const TRect& rect, TCanvas& canvas) {
    CopyBackground(control, rect.Left, rect.Top, canvas);
}
