#pragma once
#include "Src/FFPlay/VideoState.h"

#include <cstdint>
#include <string>

class TCustomPlayer;

// The player's own SDL events; user events carry the playback as their first data pointer.
enum TPlayerEvent {
    FF_ALLOC_EVENT = 24,
    FF_REFRESH_EVENT = 25,
    FF_QUIT_EVENT = 26,
    FF_REOPEN_EVENT = 27,
};

// Starts a playback of filename for player and waits until its read thread has opened the
// streams. False with the reason in the player's LastErrMsg.
bool OpenStream(TCustomPlayer& player, const std::string& filename, const AVInputFormat* iformat,
                bool paused);

// Opens the decoder of stream index and starts what feeds on it (the video or subtitle thread,
// SDL audio). 0, or -1 when the stream cannot be played.
int OpenStreamComponent(TCustomPlayer& player, TVideoState& is, int index);
// Ends the stream's thread or audio, empties its queue and closes its decoder.
void CloseStreamComponent(TVideoState& is, int index);

// Switches to stream index of type (0 video, 1 audio, 3 subtitle; -1 turns subtitles off).
// False with the reason in the player's LastErrMsg.
bool SelectStream(TCustomPlayer& player, TVideoState& is, int type, int index);

// Asks the read thread to seek; flags are libavformat seek flags. With wait, returns once the
// seek is done and, with video, the first picture after it is queued.
void RequestSeek(TCustomPlayer& player, TVideoState& is, int flags, bool wait, int64_t rel,
                 int64_t pos);

// Pushes one of the player's events (or an SDL event type) for the event loop.
void PostPlayerEvent(int type, TVideoState* is);
// The stream time of a seek to pts counted from the file's start: bounded by the duration only
// when the file tells one (an unknown duration is -1).
int64_t SeekPosition(int64_t pts, int64_t duration, int64_t startTime);

void PostQuitEvent(TVideoState* is);
void PostReopenEvent(TVideoState* is);

// Ends every thread of the playback and frees its pictures.
void CloseStream(TVideoState& is);
// Closes and frees the player's playback (when it has one) and stops SDL.
void ClosePlayback(TCustomPlayer& player);
