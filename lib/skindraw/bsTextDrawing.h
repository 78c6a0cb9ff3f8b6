#pragma once
#include "platform/gfx/TRect.h"

#include <string>
#include <string_view>

class TCanvas;

// Text drawing and measuring of the skinned controls, on a canvas in its font. Texts are UTF-8;
// the wide and the plain entries differ only in how they measure.

// DrawTextW of the text in rect with the format; DT_CALCRECT sets rect's right and bottom.
// Returns the height DrawTextW gives.
int DrawTextWide(TCanvas& canvas, std::string_view text, TRect& rect, unsigned format);
// The size DT_CALCRECT computes from the empty rectangle.
int GetWideTextWidth(TCanvas& canvas, std::string_view text);
int GetWideTextHeight(TCanvas& canvas, std::string_view text);

// Shortens text to its longest prefix (whole characters) that fits maxWidth followed by "...",
// or "..." alone; a text that fits stays unchanged. Measured with DrawTextWide.
void EllipsizeWideText(TCanvas& canvas, std::string& text, int maxWidth);
// The same, measured with the canvas's TextWidth.
void EllipsizeText(TCanvas& canvas, std::string& text, int maxWidth);

// One line, left-aligned and vertically centred in rect; nothing for an empty text.
void DrawTextVCenter(TCanvas& canvas, std::string_view text, const TRect& rect);
// The canvas's TextRect clipped to rect, 2 pixels in from its left and vertically centred;
// nothing for an empty text.
void DrawTextClipVCenter(TCanvas& canvas, std::string_view text, const TRect& rect);
void DrawTextClipVCenterIndent(TCanvas& canvas, std::string_view text, const TRect& rect,
                               int indent);
