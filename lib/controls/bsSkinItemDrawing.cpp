#include "lib/controls/bsSkinItemDrawing.h"

#include "lib/skindraw/bsTextDrawing.h"
#include "platform/forms/TImageList.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/TextDraw.h"
#include "platform/rtl/TStrings.h"

#include <algorithm>
#include <cctype>

std::vector<int> TabStopsOf(const TStrings& tabWidths) {
    std::vector<int> stops;
    const int count = std::min(tabWidths.Count(), 10);
    for (int i = 0; i < count; ++i) {
        const std::string line = tabWidths[i];
        const bool digits =
            !line.empty() && line.size() < 10 &&
            std::all_of(line.begin(), line.end(), [](unsigned char c) { return std::isdigit(c); });
        stops.push_back(digits ? std::stoi(line) : 0);
    }
    return stops;
}

void DrawItemContent(TCanvas& C, std::string_view text, int index, const TRect& textRect,
                     const TbsItemDecor& decor) {
    int indent = 0;
    if (decor.Images) {
        const int image = decor.ImageIndex >= 0 ? decor.ImageIndex : index;
        if (image >= 0 && image < decor.Images->Count())
            decor.Images->Draw(C, textRect.Left - decor.HorizontalOffset,
                               textRect.Top + textRect.Height() / 2 - decor.Images->Height() / 2,
                               image);
        indent = decor.Images->Width() + 2;
    }
    C.Brush().SetStyle(bsClear);
    if (decor.TabWidths && decor.TabWidths->Count() > 0) {
        if (text.empty()) return;
        const std::vector<int> stops = TabStopsOf(*decor.TabWidths);
        const int y = textRect.Top + textRect.Height() / 2 - C.TextHeight(text) / 2;
        win::HDC dc = C.Handle();
        win::SetBkMode(dc, win::TRANSPARENT);
        win::TabbedTextOut(dc, textRect.Left + 2 + indent, y, text, int(stops.size()), stops.data(),
                           0);
        return;
    }
    DrawTextClipVCenterIndent(C, text, textRect, indent - decor.HorizontalOffset);
}
