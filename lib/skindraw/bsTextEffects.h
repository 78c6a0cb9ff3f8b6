#pragma once
#include "lib/skindraw/TbsBitmap.h"

#include <string>

// Text with a soft glow around it or a fading mirror image below it. The text is rendered red on
// black into a scratch bitmap, blurred, and its red channel becomes the alpha of a picture in
// the effect colour, which is alpha-drawn under the text. Texts are UTF-8; flags are DT_ values;
// colours plain RGB TColor values.

// A glow GlowSize pixels wide around a text drawn one pixel bolder, moved by GlowOffset.
void DrawGlowText(TCanvas& canvas, TRect r, const std::string& text, unsigned flags, int glowOffset,
                  TColor glowColor, int glowSize);
// As DrawGlowText, from the text as it is; returns the final DrawText's height.
int DrawGlowEffectText(TCanvas& canvas, TRect r, const std::string& text, unsigned flags,
                       int glowOffset, TColor glowColor, int glowSize);
// A wide glow 12 pixels around r behind a caption; returns the final DrawText's height.
int DrawVistaGlowText(TCanvas& canvas, TRect r, const std::string& text, unsigned flags,
                      TColor glowColor);
// The text and below it its mirror image in reflectionColor, fading from 70 % coverage.
void DrawReflectionText(TCanvas& canvas, TRect r, const std::string& text, unsigned flags,
                        int reflectionOffset, TColor reflectionColor);
// bitmap's alpha := the truncated mean of red, green and blue of mask's pixel at the same place
// (black transparent, white opaque); colours are kept. Pixels outside the mask are left alone.
void MaskToAlpha(TbsBitmap& bitmap, const TbsBitmap& mask);
