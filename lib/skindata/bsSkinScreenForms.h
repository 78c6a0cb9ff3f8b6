#pragma once
#include "lib/skindata/bsSkinMessages.h"

class TComponent;

// The forms a skin object tells of a change when nobody set its FormsToNotify: its owner when
// that is a form, and the screen's forms in the screen's order, each sent to through its
// window handle (made here when the form has none yet).
TbsSkinMessageForms ScreenSkinMessageForms(TComponent* skinOwner);
