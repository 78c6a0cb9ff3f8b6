#include "platform/forms/TTextMeasure.h"
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

int TTextMeasure::Height() {
    return FDc ? FCanvas.TextHeight("Wg") : 0;
}
