#pragma once
#include "Src/FFPlay/VideoState.h"

struct SDL_Surface;

// The event loop's answer to an allocation request: (re)creates the YV12 overlay of the write
// slot at the size the video thread asked for, then wakes the video thread.
void AllocPicture(TVideoState& is, SDL_Surface* screen);

// Copies a planar 4:2:0 picture into a YV12 overlay (whose second plane is V, the third U),
// upside down when flip is set. False when the sizes do not fit.
bool CopyToOverlay(SDL_Overlay* overlay, const AVFrame& frame, bool flip);
