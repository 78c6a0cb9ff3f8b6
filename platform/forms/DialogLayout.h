#pragma once
#include "platform/forms/TCustomForm.h"

// The platform's own dialogs build their controls in code: each one is owned and parented by the
// dialog's form and put at its place.
template <typename T>
T* PlaceControl(TCustomForm* form, const char* name, int left, int top, int width, int height) {
    auto* control = new T(form);
    control->SetName(name);
    control->SetParent(form);
    control->SetBounds(left, top, width, height);
    return control;
}
