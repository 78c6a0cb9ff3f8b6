#pragma once
#include <string>

struct AVCodecContext;

// Gives the encoder the rate-control overrides of a text of "/"-separated groups "start,end,q":
// q above 0 is a fixed quantiser, otherwise -q percent of the quality factor. A group without
// its start or end raises FFmpegException "error parsing rc_override". An empty text sets none.
void SetRateOverrides(AVCodecContext* codec, const std::string& text);
