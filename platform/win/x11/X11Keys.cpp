#include "platform/win/x11/X11Keys.h"
#include "platform/rtl/TextUtils.h"
#include "platform/win/Input.h"
#include <X11/keysym.h>

namespace win {

namespace {

struct KeyPair {
    KeySym FKeysym;
    UINT FVirtualKey;
};

// Keys whose code does not follow from the character they type.
constexpr KeyPair kKeys[] = {
    { XK_BackSpace, VK_BACK },
    { XK_Tab, VK_TAB },
    { XK_ISO_Left_Tab, VK_TAB },
    { XK_Return, VK_RETURN },
    { XK_KP_Enter, VK_RETURN },
    { XK_Pause, VK_PAUSE },
    { XK_Escape, VK_ESCAPE },
    { XK_space, VK_SPACE },
    { XK_Prior, VK_PRIOR },
    { XK_Next, VK_NEXT },
    { XK_End, VK_END },
    { XK_Home, VK_HOME },
    { XK_Left, VK_LEFT },
    { XK_Up, VK_UP },
    { XK_Right, VK_RIGHT },
    { XK_Down, VK_DOWN },
    { XK_Insert, VK_INSERT },
    { XK_Delete, VK_DELETE },
    { XK_Shift_L, VK_SHIFT },
    { XK_Shift_R, VK_SHIFT },
    { XK_Control_L, VK_CONTROL },
    { XK_Control_R, VK_CONTROL },
    { XK_Alt_L, VK_MENU },
    { XK_Alt_R, VK_MENU },
    { XK_Meta_L, VK_MENU },
    { XK_Super_L, VK_LWIN },
    { XK_Super_R, VK_RWIN },
    { XK_Menu, VK_APPS },
    { XK_Caps_Lock, VK_CAPITAL },
    { XK_Num_Lock, VK_NUMLOCK },
    { XK_Scroll_Lock, VK_SCROLL },
    { XK_KP_Home, VK_HOME },
    { XK_KP_End, VK_END },
    { XK_KP_Left, VK_LEFT },
    { XK_KP_Right, VK_RIGHT },
    { XK_KP_Up, VK_UP },
    { XK_KP_Down, VK_DOWN },
    { XK_KP_Prior, VK_PRIOR },
    { XK_KP_Next, VK_NEXT },
    { XK_KP_Insert, VK_INSERT },
    { XK_KP_Delete, VK_DELETE },
    { XK_KP_Multiply, 0x6A },
    { XK_KP_Add, 0x6B },
    { XK_KP_Subtract, 0x6D },
    { XK_KP_Decimal, 0x6E },
    { XK_KP_Divide, 0x6F },
    { XK_semicolon, 0xBA },
    { XK_equal, 0xBB },
    { XK_comma, 0xBC },
    { XK_minus, 0xBD },
    { XK_period, 0xBE },
    { XK_slash, 0xBF },
    { XK_grave, 0xC0 },
    { XK_bracketleft, 0xDB },
    { XK_backslash, 0xDC },
    { XK_bracketright, 0xDD },
    { XK_apostrophe, 0xDE },
};

} // namespace

UINT VirtualKeyFromKeysym(KeySym keysym) {
    if (keysym >= XK_a && keysym <= XK_z) return UINT('A' + (keysym - XK_a));
    if (keysym >= XK_A && keysym <= XK_Z) return UINT(keysym);
    if (keysym >= XK_0 && keysym <= XK_9) return UINT(keysym);
    if (keysym >= XK_F1 && keysym <= XK_F24) return UINT(VK_F1 + (keysym - XK_F1));
    if (keysym >= XK_KP_0 && keysym <= XK_KP_9) return UINT(VK_NUMPAD0 + (keysym - XK_KP_0));
    for (const KeyPair& k : kKeys)
        if (k.FKeysym == keysym) return k.FVirtualKey;
    return 0;
}

std::string TextFromKeysym(KeySym keysym) {
    std::string out;
    // Latin-1 symbols are their own code points; newer ones carry the code point plus 0x01000000.
    if ((keysym >= 0x20 && keysym <= 0x7E) || (keysym >= 0xA0 && keysym <= 0xFF))
        AppendUtf8(out, char32_t(keysym));
    else if (keysym >= 0x01000100 && keysym <= 0x0110FFFF)
        AppendUtf8(out, char32_t(keysym - 0x01000000));
    else if (keysym >= XK_KP_0 && keysym <= XK_KP_9)
        AppendUtf8(out, char32_t('0' + (keysym - XK_KP_0)));
    return out;
}

} // namespace win
