#pragma once

class TWinControl;

// A control that takes the focus on a click takes it before the press goes on. clicksDisabled
// is set meanwhile (the control drops the command notifications the change of focus brings);
// false when the control still has no focus, and then the press is dropped.
bool FocusBeforeClick(TWinControl& control, bool& clicksDisabled);
