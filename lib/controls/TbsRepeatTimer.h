#pragma once
#include "platform/win/WinDefs.h"

class TWinControl;
struct TMessage;

// Window timer 1 of a control that repeats a held button: a first wait of 500 ms whose tick
// only switches to the control's repeat rate, then one step per tick. While the pointer is off
// the held button the timer pauses; coming back resumes it at 50 ms.
class TbsRepeatTimer {
public:
    static constexpr win::UINT_PTR kId = 1;
    static constexpr unsigned kFirstWaitMs = 500;
    static constexpr unsigned kResumeMs = 50;

    TbsRepeatTimer(TWinControl& control, unsigned rateMs) : FControl(control), FRate(rateMs) {}
    TbsRepeatTimer(const TbsRepeatTimer&) = delete;
    TbsRepeatTimer& operator=(const TbsRepeatTimer&) = delete;

    // The first wait begins.
    void Start();
    void Resume() { Arm(kResumeMs); }
    // Killed; a wait under way stays to be finished after Resume.
    void Pause();
    void Stop();
    // True while the first wait runs (WaitMode).
    bool Waiting() const { return FWaiting; }

    static bool IsTick(const TMessage& message);
    // For the repeat's WM_TIMER: true when the tick is a step. The tick that ends the first
    // wait takes none and switches to the repeat rate.
    bool Tick();

private:
    void Arm(unsigned ms);

    TWinControl& FControl;
    const unsigned FRate;
    bool FWaiting{ false };
};
