#pragma once
#include "platform/rtl/TThread.h"

class TCustomPlayer;

// Runs the player's SDL event loop: allocates overlays, refreshes and redraws, follows the
// surface size and closes the playback on the quit event. Reports psPlay when it starts and
// psStop when it ends, then sets the player's stop event.
class TPlayThread : public TThread {
public:
    explicit TPlayThread(TCustomPlayer& owner) : FOwner(owner) {}
    ~TPlayThread() override;

protected:
    void Execute() override;

private:
    TCustomPlayer& FOwner;
};

// Delivers the player's position and state changes until the playback has stopped.
class TEventThread : public TThread {
public:
    explicit TEventThread(TCustomPlayer& owner) : FOwner(owner) {}
    ~TEventThread() override;

protected:
    void Execute() override;

private:
    TCustomPlayer& FOwner;
};

// The event loop itself; returns once the playback is closed.
void PlayEventLoop(TCustomPlayer& player);
