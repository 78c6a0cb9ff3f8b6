#include "platform/win/Sound.h"
#include "platform/win/Backend.h"

namespace win {

BOOL MessageBeep(UINT) {
    if (!HasBackend()) return FALSE;
    CurrentBackend().Beep();
    return TRUE;
}

} // namespace win
