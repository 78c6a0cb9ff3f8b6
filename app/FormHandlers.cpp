#include "app/FormHandlers.h"

void RunOperation(TControl* button) {
    if (button && button->OnClick) button->OnClick(button);
}
