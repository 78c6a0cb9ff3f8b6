#include "ButtonFixture.h"

#include "platform/forms/TControl.h"

#include <utility>

using namespace buttonfaces;

void ButtonTest::FillButtonRecord(TbsDataSkinButtonControl& record) {
    record.ActiveSkinRect = kHot;
    record.DownSkinRect = kPressed;
    record.DisabledSkinRect = kDisabled;
    record.FocusedSkinRect = kFocused;
    record.FontColor = kFontColor;
    record.ActiveFontColor = kActiveFontColor;
    record.DownFontColor = kDownFontColor;
    record.DisabledFontColor = kDisabledFontColor;
}

std::string ButtonTest::ShownFace(TControl& control, int x, int y) {
    const std::uint32_t shown = RgbAt(PaintedPixels(control), x, y);
    const std::pair<const char*, TRect> faces[] = { { "normal", kNormal },
                                                    { "hot", kHot },
                                                    { "pressed", kPressed },
                                                    { "disabled", kDisabled },
                                                    { "focused", kFocused } };
    for (const auto& [name, r] : faces)
        if (shown == PictureAt(r.Left + x, r.Top + y)) return name;
    for (int frame = 1; frame <= 3; ++frame)
        if (shown == PictureAt(kFrames.Left + (frame - 1) * 40 + x, kFrames.Top + y))
            return "frame " + std::to_string(frame);
    return "other";
}

void ButtonTest::PointAt(TControl* control, int x, int y) {
    const TPoint p = control->ClientToScreen(TPoint(x, y));
    FDisplay->MoveMouse(p.X, p.Y);
    Pump();
}

void ButtonTest::PointAway() {
    const TPoint p = FForm->ClientToScreen(TPoint(390, 290));
    FDisplay->MoveMouse(p.X, p.Y);
    Pump();
}

void ButtonTest::PressLeft() {
    FDisplay->PressButton();
    Pump();
}

void ButtonTest::ReleaseLeft() {
    FDisplay->ReleaseButton();
    Pump();
}

void ButtonTest::Advance(int ms, int step) {
    while (ms > 0) {
        const int now = std::min(ms, step);
        FDisplay->Time().Advance(now);
        Pump();
        ms -= now;
    }
}

std::vector<std::uint32_t> ColoursIn(const gfx::Surface& pixels, const TRect& r) {
    std::vector<std::uint32_t> colours;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            colours.push_back(RgbAt(pixels, x, y));
    return colours;
}
