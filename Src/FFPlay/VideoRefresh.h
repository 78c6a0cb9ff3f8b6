#pragma once
#include "Src/FFPlay/VideoState.h"

// The wall-clock second at which a picture of media time pts is due. Called under pictq_mutex
// for each queued picture.
double ComputeTargetTime(TVideoState& is, double pts);

// The event loop's refresh step: shows the due picture, drops late ones, retires subtitles that
// have ended and reports the position. With consume false it redraws without taking a picture.
void VideoRefresh(TVideoState& is, bool consume);
