#include "platform/gfx/SysColors.h"

#include "platform/gfx/BrushObject.h"
#include "platform/gfx/TColor.h"

#include <array>
#include <mutex>

namespace win {

namespace {

// The classic scheme (grey 3-D faces, navy captions).
constexpr std::array<COLORREF, 31> kSysColors = {
    RGB(212, 208, 200), // COLOR_SCROLLBAR
    RGB(58, 110, 165),  // COLOR_BACKGROUND
    RGB(10, 36, 106),   // COLOR_ACTIVECAPTION
    RGB(128, 128, 128), // COLOR_INACTIVECAPTION
    RGB(212, 208, 200), // COLOR_MENU
    RGB(255, 255, 255), // COLOR_WINDOW
    RGB(0, 0, 0),       // COLOR_WINDOWFRAME
    RGB(0, 0, 0),       // COLOR_MENUTEXT
    RGB(0, 0, 0),       // COLOR_WINDOWTEXT
    RGB(255, 255, 255), // COLOR_CAPTIONTEXT
    RGB(212, 208, 200), // COLOR_ACTIVEBORDER
    RGB(212, 208, 200), // COLOR_INACTIVEBORDER
    RGB(128, 128, 128), // COLOR_APPWORKSPACE
    RGB(10, 36, 106),   // COLOR_HIGHLIGHT
    RGB(255, 255, 255), // COLOR_HIGHLIGHTTEXT
    RGB(212, 208, 200), // COLOR_BTNFACE
    RGB(128, 128, 128), // COLOR_BTNSHADOW
    RGB(128, 128, 128), // COLOR_GRAYTEXT
    RGB(0, 0, 0),       // COLOR_BTNTEXT
    RGB(212, 208, 200), // COLOR_INACTIVECAPTIONTEXT
    RGB(255, 255, 255), // COLOR_BTNHIGHLIGHT
    RGB(64, 64, 64),    // COLOR_3DDKSHADOW
    RGB(212, 208, 200), // COLOR_3DLIGHT
    RGB(0, 0, 0),       // COLOR_INFOTEXT
    RGB(255, 255, 225), // COLOR_INFOBK
    RGB(192, 192, 192), // 25: unused
    RGB(0, 0, 128),     // COLOR_HOTLIGHT
    RGB(166, 202, 240), // COLOR_GRADIENTACTIVECAPTION
    RGB(192, 192, 192), // COLOR_GRADIENTINACTIVECAPTION
    RGB(49, 106, 197),  // COLOR_MENUHILIGHT
    RGB(212, 208, 200), // COLOR_MENUBAR
};

} // namespace

COLORREF GetSysColor(int index) {
    if (index < 0 || std::size_t(index) >= kSysColors.size()) return 0;
    return kSysColors[std::size_t(index)];
}

HBRUSH GetSysColorBrush(int index) {
    if (index < 0 || std::size_t(index) >= kSysColors.size()) return nullptr;
    static std::mutex mutex;
    static std::array<HBRUSH, kSysColors.size()> brushes{};
    std::lock_guard lock(mutex);
    HBRUSH& brush = brushes[std::size_t(index)];
    if (!brush) {
        auto object = std::make_unique<BrushObject>(LOGBRUSH{ BS_SOLID, GetSysColor(index), 0 });
        object->MarkStock();
        brush = gdi::AddAs<HBRUSH>(std::move(object));
    }
    return brush;
}

} // namespace win

win::COLORREF ColorToRGB(TColor color) {
    if (color < 0) return win::GetSysColor(color & 0xFF);
    return win::COLORREF(color);
}
