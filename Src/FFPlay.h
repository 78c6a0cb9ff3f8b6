#pragma once
// The player: one playback's queues, clocks, refresh step and decoders.
#include "Src/FFPlay/AudioDecoder.h"
#include "Src/FFPlay/Clocks.h"
#include "Src/FFPlay/PacketQueue.h"
#include "Src/FFPlay/PauseAndRefresh.h"
#include "Src/FFPlay/PictureOverlay.h"
#include "Src/FFPlay/SubtitleDecoder.h"
#include "Src/FFPlay/VideoDecoder.h"
#include "Src/FFPlay/VideoFilterGraph.h"
#include "Src/FFPlay/VideoRefresh.h"
#include "Src/FFPlay/VideoState.h"
