#include "ShotMeasures.h"

#include <algorithm>
#include <set>

namespace formstest {

int Colours(const gfx::Surface& s, const TRect& area) {
    std::set<gfx::Pixel> seen;
    for (int y = std::max(area.Top, 0); y < std::min(area.Bottom, s.Height()); ++y)
        for (int x = std::max(area.Left, 0); x < std::min(area.Right, s.Width()); ++x)
            seen.insert(s.At(x, y));
    return int(seen.size());
}

std::vector<bool> Ink(const gfx::Surface& s, const TRect& area) {
    std::vector<bool> ink;
    for (int y = area.Top; y < area.Bottom; ++y)
        for (int x = area.Left; x < area.Right; ++x)
            ink.push_back(s.Contains(x, y) && gfx::PixelR(s.At(x, y)) < 100 &&
                          gfx::PixelG(s.At(x, y)) < 100 && gfx::PixelB(s.At(x, y)) < 100);
    return ink;
}

} // namespace formstest
