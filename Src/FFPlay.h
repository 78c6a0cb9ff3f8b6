#pragma once
// The player: one playback's queues, clocks and refresh step, its decoders, stream control and
// display, and the component that drives it.
#include "Src/FFPlay/AudioDecoder.h"
#include "Src/FFPlay/Clocks.h"
#include "Src/FFPlay/Display.h"
#include "Src/FFPlay/PacketQueue.h"
#include "Src/FFPlay/PauseAndRefresh.h"
#include "Src/FFPlay/PictureOverlay.h"
#include "Src/FFPlay/PlayerThreads.h"
#include "Src/FFPlay/PlayerTypes.h"
#include "Src/FFPlay/StreamControl.h"
#include "Src/FFPlay/SubtitleDecoder.h"
#include "Src/FFPlay/TCustomPlayer.h"
#include "Src/FFPlay/VideoDecoder.h"
#include "Src/FFPlay/VideoFilterGraph.h"
#include "Src/FFPlay/VideoRefresh.h"
#include "Src/FFPlay/VideoState.h"
