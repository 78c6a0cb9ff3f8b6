#pragma once
#include "Src/FFPlay/VideoState.h"

// The playback's clocks, in media seconds.
double GetAudioClock(const TVideoState& is);
double GetVideoClock(const TVideoState& is);
double GetExternalClock(const TVideoState& is);
double GetMasterClock(const TVideoState& is);

// Whether the pictures are timed against another clock than their own.
bool VideoIsSlave(const TVideoState& is);
