#pragma once

class TCanvas;
struct TRect;

// The face of a frame or menu-bar button drawn without a skin: a dark frame around a light fill
// while pressed or highlighted (the fill darker when pressed), the button colour otherwise.
void DrawPlainButtonFace(TCanvas& canvas, const TRect& r, bool pressed, bool highlighted);
