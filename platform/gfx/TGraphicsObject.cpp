#include "platform/gfx/TGraphicsObject.h"

void TGraphicsObject::Changed() {
    if (OnChange) OnChange(this);
}
