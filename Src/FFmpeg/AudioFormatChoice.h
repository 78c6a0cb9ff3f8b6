#pragma once
#include "Src/AVCodecStubs.h"

class TObject;

// Fit an audio stream's codec context to what its encoder supports before the encoder is opened;
// a null encoder leaves the context as it is.

// A sample format the encoder does not list becomes the first one it lists.
void ChooseSampleFormat(AVCodecContext& context, const AVCodec* encoder);
// The listed rate nearest to the requested one (the earlier one on a tie); a change is logged
// as "Requested sampling rate unsupported using closest supported (%d)" at llWarning.
void ChooseSampleRate(AVCodecContext& context, const AVCodec* encoder, TObject* logSender);
// An unset layout becomes the default one of its channel count; a layout the encoder does not
// list becomes the listed one with the same channel count, else the listed one with the most
// channels.
void ChooseChannelLayout(AVCodecContext& context, const AVCodec* encoder);
