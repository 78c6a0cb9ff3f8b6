#include "platform/forms/TTextMeasure.h"
#include "platform/gfx/TextDraw.h"
#include "platform/win/Painting.h"

TTextMeasure::TTextMeasure(const TFont& font) : FDc(win::GetDC(nullptr)) {
    if (!FDc) return;
    FCanvas.SetHandle(FDc);
    FCanvas.SetFont(font);
}

TTextMeasure::~TTextMeasure() {
    FCanvas.SetHandle(nullptr);
    if (FDc) win::ReleaseDC(nullptr, FDc);
}

int TTextMeasure::Width(std::string_view text) {
    return FDc ? FCanvas.TextWidth(text) : 0;
}

TTextMeasure::TFit TTextMeasure::Fit(std::string_view text, int maxWidth) {
    win::INT count = 0;
    win::SIZE size{};
    if (!FDc ||
        !win::GetTextExtentExPoint(FCanvas.Handle(), text, maxWidth, &count, nullptr, &size))
        return {};
    return { count, size.cx };
}

int TTextMeasure::Height() {
    return FDc ? FCanvas.TextHeight("Wg") : 0;
}

int TTextMeasure::MetricHeight() {
    win::TEXTMETRIC metrics{};
    if (!FDc || !win::GetTextMetrics(FCanvas.Handle(), &metrics)) return 0;
    return metrics.tmHeight;
}
