#include "platform/forms/ShortCutText.h"
#include "platform/win/Input.h"

namespace {

using namespace win;

std::string KeyName(unsigned key) {
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, char(key));
    if (key >= VK_F1 && key < VK_F1 + 24) return "F" + std::to_string(key - VK_F1 + 1);
    if (key >= VK_NUMPAD0 && key <= VK_NUMPAD0 + 9)
        return "Num " + std::to_string(key - VK_NUMPAD0);
    struct Named {
        unsigned Key;
        const char* Name;
    };
    static const Named kNames[] = {
        { VK_BACK, "BkSp" },   { VK_TAB, "Tab" },    { VK_RETURN, "Enter" }, { VK_ESCAPE, "Esc" },
        { VK_SPACE, "Space" }, { VK_PRIOR, "PgUp" }, { VK_NEXT, "PgDn" },    { VK_END, "End" },
        { VK_HOME, "Home" },   { VK_LEFT, "Left" },  { VK_UP, "Up" },        { VK_RIGHT, "Right" },
        { VK_DOWN, "Down" },   { VK_INSERT, "Ins" }, { VK_DELETE, "Del" },
    };
    for (const Named& n : kNames)
        if (n.Key == key) return n.Name;
    return {};
}

} // namespace

std::string ShortCutToText(TShortCut shortCut) {
    const std::string key = KeyName(shortCut & 0xFF);
    if (key.empty()) return {};
    std::string text;
    if (shortCut & scCtrl) text += "Ctrl+";
    if (shortCut & scAlt) text += "Alt+";
    if (shortCut & scShift) text += "Shift+";
    return text + key;
}
