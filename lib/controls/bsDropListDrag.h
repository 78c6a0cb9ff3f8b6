#pragma once
#include "platform/forms/ControlMessages.h"
#include "platform/forms/TWinControl.h"
#include "platform/win/WinDefs.h"

#include <optional>

// The press-drag-release gesture shared by the pickers whose list drops down under them: a
// press on the picker opens the list, the pointer drags into it, and the release chooses.
struct TbsDropListDrag {
    // While the held pointer is beyond the list's ends, the highlight steps this often.
    static constexpr unsigned kStepMs = 25;

    // The press that opened the list (or a press inside it) is still held.
    bool& LBDown;
    // The held pointer has been over the list since that press.
    bool& WasInLB;

    // Ends the gesture on a mouse release. Returns whether the list closes and, if so, whether
    // its highlighted row is chosen (the release is over `list`); empty when the release ends
    // a click that never entered the list, which leaves it open for a second click.
    std::optional<bool> Release(win::HWND list) const;

    // The button messages the dropped list never acts on itself: a left press inside it starts
    // the drag with the capture on `owner`, the other presses and releases are dropped. Returns
    // whether `message` was one of them.
    bool SwallowListButton(const TMessage& message, TWinControl& owner) const;
};
