#include "platform/forms/DisabledText.h"

#include "platform/gfx/TColor.h"
#include "platform/gfx/TextDraw.h"

using namespace win;

void DrawDisabledText(HDC dc, std::string_view text, RECT rect, unsigned format) {
    OffsetRect(&rect, 1, 1);
    SetTextColor(dc, ColorToRGB(clBtnHighlight));
    DrawText(dc, text, &rect, format);
    OffsetRect(&rect, -1, -1);
    SetTextColor(dc, ColorToRGB(clBtnShadow));
    DrawText(dc, text, &rect, format);
}
