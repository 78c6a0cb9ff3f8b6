#pragma once
#include "Src/FFPlay/VideoState.h"

// Decodes the next audio into is.audio_buf as signed 16-bit at the output's rate and channels.
// Result the byte count, or -1 when paused, aborted or no packet is ready (the audio thread
// never waits for packets). pts is the media time of the first decoded sample.
int DecodeAudioFrame(TVideoState& is, double& pts);

// Sets the values the audio synchronisation starts from, for an output of sampleRate.
void ResetAudioSync(TVideoState& is, int sampleRate);

// Shortens or stretches the size bytes in is.audio_buf towards the master clock when audio is
// not the master; never beyond the buffer's capacity. Result the new byte count.
int SynchronizeAudio(TVideoState& is, int size, double pts);

// Copies the samples into the audio display's ring.
void UpdateSampleDisplay(TVideoState& is, const uint8_t* samples, int size);

// Adds 16-bit samples into stream at volume 0..128, clipping, the way SDL mixes them.
void MixAudioS16(uint8_t* stream, const uint8_t* source, int len, int volume);

// The SDL audio callback: fills len bytes of stream with the playback's sound.
void AudioCallback(TVideoState& is, uint8_t* stream, int len);
