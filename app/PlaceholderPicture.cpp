#include "app/PlaceholderPicture.h"

#include "app/IconPainter.h"
#include "platform/forms/TFormReader.h"
#include "platform/forms/TImage.h"
#include "platform/gfx/TPngImage.h"

#include <algorithm>

namespace {

constexpr TColor Rgb(int r, int g, int b) {
    return TColor(r | (g << 8) | (b << 16));
}

// The size of bsSkinPanel5, used while the picture's control has no size of its own yet.
constexpr int kDefaultWidth = 558;
constexpr int kDefaultHeight = 262;

} // namespace

std::unique_ptr<TPngImage> DrawPlaceholderPicture(int width, int height) {
    TIconPainter p(width, height);
    const double w = width;
    const double h = height;
    p.FrameRoundRect(10, 10, w - 10, h - 10, 12, 2, Rgb(176, 190, 197), 8);

    // The symbol: a film tile with a round "+" badge, above the two lines of text.
    const double tile = std::clamp(h * 0.28, 24.0, 80.0);
    const double left = (w - tile) / 2;
    const double top = h / 2 - tile * 0.95;
    const double u = tile / 32;
    p.FillRoundRect(left, top, left + tile, top + tile, 7 * u, Rgb(47, 128, 237));
    p.FillPolygon(std::vector<TPointF>{ { left + 12.5 * u, top + 9 * u },
                                        { left + 12.5 * u, top + 23 * u },
                                        { left + 23.5 * u, top + 16 * u } },
                  Rgb(255, 255, 255));
    const double bx = left + tile - 2 * u;
    const double by = top + tile - 2 * u;
    p.FillEllipse(bx, by, 9 * u, 9 * u, Rgb(255, 255, 255));
    p.FillEllipse(bx, by, 7.5 * u, 7.5 * u, Rgb(39, 174, 96));
    p.Line({ bx - 4 * u, by }, { bx + 4 * u, by }, 2.2 * u, Rgb(255, 255, 255));
    p.Line({ bx, by - 4 * u }, { bx, by + 4 * u }, 2.2 * u, Rgb(255, 255, 255));

    const double textTop = top + tile + 14 * u;
    p.Text("添加视频文件", 20, textTop, w - 20, textTop + 28, Rgb(69, 90, 100), 18, true);
    p.Text("点击工具栏上的“添加”按钮，选择要转换的视频文件", 20, textTop + 30, w - 20, textTop + 52,
           Rgb(120, 144, 156), 13, false);
    return p.ToPng();
}

void ShowPlaceholderPicture(TComponent& form) {
    auto* image = DescribedComponent<TImage>(&form, "Image1");
    const int width = image->Width() > 0 ? image->Width() : kDefaultWidth;
    const int height = image->Height() > 0 ? image->Height() : kDefaultHeight;
    image->Picture().SetGraphic(DrawPlaceholderPicture(width, height).get());
}
