#pragma once
#include "lib/skindata/bsSkinMessages.h"

class TComponent;

// The forms a skin object tells of a change when nobody set its FormsToNotify: its owner when
// that is a form, and the screen's forms in the screen's order, each sent to through its
// window handle, or told straight while it has none.
TbsSkinMessageForms ScreenSkinMessageForms(TComponent* skinOwner);
