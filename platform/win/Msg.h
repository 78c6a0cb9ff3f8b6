#pragma once
#include "platform/win/WinDefs.h"

namespace win {

struct MSG {
    HWND hwnd{};
    UINT message{ 0 };
    WPARAM wParam{ 0 };
    LPARAM lParam{ 0 };
    DWORD time{ 0 };
    POINT pt;
};

} // namespace win
