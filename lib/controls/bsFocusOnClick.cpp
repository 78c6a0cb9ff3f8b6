#include "lib/controls/bsFocusOnClick.h"

#include "platform/forms/TWinControl.h"

bool FocusBeforeClick(TWinControl& control, bool& clicksDisabled) {
    clicksDisabled = true;
    try {
        if (control.CanFocus()) control.SetFocus();
    } catch (...) {
        clicksDisabled = false;
        throw;
    }
    clicksDisabled = false;
    return control.Focused();
}
