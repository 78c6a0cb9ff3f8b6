#pragma once
// Small media services shared by the probe, the frame grabber, the transcoder and the player.
#include "Src/FFUtils/FFOptions.h"
#include "Src/FFUtils/InputErrorText.h"
#include "Src/FFUtils/MediaText.h"
#include "Src/FFUtils/RGBConvert.h"
