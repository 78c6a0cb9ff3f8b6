#pragma once
// The player: one playback's queues, clocks and refresh step.
#include "Src/FFPlay/Clocks.h"
#include "Src/FFPlay/PacketQueue.h"
#include "Src/FFPlay/VideoRefresh.h"
#include "Src/FFPlay/VideoState.h"
