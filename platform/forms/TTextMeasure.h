#pragma once
#include "platform/gfx/TCanvas.h"
#include "platform/gfx/TFont.h"
#include <string_view>

// Measures text in a font outside painting, on a screen DC held for the object's life.
class TTextMeasure {
public:
    explicit TTextMeasure(const TFont& font);
    ~TTextMeasure();
    TTextMeasure(const TTextMeasure&) = delete;
    TTextMeasure& operator=(const TTextMeasure&) = delete;

    int Width(std::string_view text);
    struct TFit {
        // Characters from the start that fit.
        int Count{ 0 };
        // Of the whole text.
        int Width{ 0 };
    };
    // How much of text fits in maxWidth, measured in one pass.
    TFit Fit(std::string_view text, int maxWidth);
    // The height of a line in the font.
    int Height();
    // The font's cell height as its metrics give it (tmHeight).
    int MetricHeight();

private:
    win::HDC FDc{};
    TCanvas FCanvas;
};
