#pragma once
#include "platform/gfx/TBitmap.h"
#include "platform/rtl/SyncObjs.h"

#include <array>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>

class TObject;

enum TPlayState { psPlay, psPause, psResume, psStep, psStop, psEnd };
enum TRepeatType { rtNone, rtStop, rtLoop };
enum TShowAudio { saNone, saWave, saRDFT };
enum TAudioDriver { adDefault, adDirectSound, adWaveOut };
enum TVideoDriver { vdDefault, vdDirectDraw, vdGDI };
using TAudioVolume = int; // 0 .. 128

using TFileOpenEvent = std::function<void(TObject* sender, std::int64_t duration, int frameWidth,
                                          int frameHeight, int& screenWidth, int& screenHeight)>;
using THookEvent = std::function<void(TObject* sender, TBitmap* bitmap, std::int64_t pts)>;
using TPlayStateEvent = std::function<void(TObject* sender, TPlayState state)>;
using TPositionEvent = std::function<void(TObject* sender, std::int64_t pts)>;

// The SDL driver names of each choice: the sound server and ALSA for the two audio outputs, X11
// for both video outputs.
inline constexpr std::array<const char*, 3> AudioDriverNames{ "", "pulse", "alsa" };
inline constexpr std::array<const char*, 3> VideoDriverNames{ "", "x11", "x11" };

// A lock that can be waited for with a time-out.
class TDataLock {
public:
    void lock();
    void unlock();
    bool try_lock_for(std::chrono::milliseconds timeout);

private:
    std::mutex FMutex;
    std::condition_variable FReleased;
    bool FLocked{ false };
};

struct TPlayEventItem {
    enum Kind { peNone, pePosition, peState, peEnd };
    int Kind{ peNone };
    std::int64_t Value{ 0 };
};

// The small ring that carries position and state changes to the delivery thread. A change of
// the same kind as the last queued one replaces it; when full the oldest goes.
class TPlayEvent {
public:
    static constexpr int Capacity = 10; // one slot stays free: at most nine queued

    void Push(const TPlayEventItem& item);
    // Kind peNone when empty.
    TPlayEventItem Pop();
    // Signalled while anything is queued.
    TEvent& Event() { return FEvent; }

private:
    std::mutex FLock;
    TEvent FEvent{ true, false };
    int FHeader{ 0 };
    int FTailer{ 0 };
    std::array<TPlayEventItem, Capacity> FEvents{};
};
