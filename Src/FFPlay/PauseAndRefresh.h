#pragma once
#include "Src/FFPlay/VideoState.h"

// Pauses a running playback or resumes a paused one, carrying the video clock across the pause
// so that the pictures go on from where they stopped.
void TogglePauseState(TVideoState& is);

// Resumes only the clocks: the wall-clock time spent paused is added to the frame timer.
void ResumeClocks(TVideoState& is, double now);

// The refresh thread: keeps one refresh event pending until the playback ends.
void RefreshThreadProc(TVideoState& is);
