#pragma once
// The media probe and the frame grabber built on it.
#include "Src/AVProbe/ProbeText.h"
#include "Src/AVProbe/StreamInfo.h"
#include "Src/AVProbe/TAVProbe.h"
#include "Src/AVProbe/TCustomAVProbe.h"
