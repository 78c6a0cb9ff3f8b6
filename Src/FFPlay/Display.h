#pragma once
#include "Src/FFPlay/VideoState.h"

#include <cstdint>

class TCustomPlayer;
struct AVSubtitleRect;

// Where a picture of aspect ratio aspect goes on a surface of width x height: as high as the
// surface, or as wide when that is too wide, centred, with even sizes.
struct TDisplayRect {
    int x{ 0 };
    int y{ 0 };
    int w{ 0 };
    int h{ 0 };
    bool operator==(const TDisplayRect&) const = default;
};
TDisplayRect ComputeDisplayRect(double aspect, int width, int height);

// The aspect ratio a picture is shown at: the surface's own with a negative choice (stretch),
// the chosen one when positive, else the picture's sample aspect ratio (square pixels when it
// has none) times its width / height.
double DisplayAspect(float chosen, int surfaceWidth, int surfaceHeight, AVRational sar,
                     int pictureWidth, int pictureHeight);

// A planar 4:2:0 picture the blend writes into.
struct TPlanarPicture {
    uint8_t* data[3]{};
    int linesize[3]{};
};

// Blends a palettised subtitle bitmap (YUVA palette) into the picture of imgw x imgh, clipped
// to it.
void BlendSubpicture(TPlanarPicture& picture, const AVSubtitleRect& rect, int imgw, int imgh);

// Sets the video mode of the surface; 0, or -1 when SDL refuses (logged, tried again later).
int OpenVideoSurface(TCustomPlayer& player, TVideoState& is, bool force);
// Shows the audio display or the current picture.
void ShowVideo(TCustomPlayer& player, TVideoState& is);
void DisplayVideoImage(TCustomPlayer& player, TVideoState& is);
void DisplayAudio(TCustomPlayer& player, TVideoState& is);
// Clears the drawing area, e.g. when the audio display changes.
void ClearDisplay(TCustomPlayer& player, TVideoState& is);
