#pragma once
#include "platform/forms/ControlMessages.h"
#include <functional>

class TWinControl;

// Repeats a held press, as a held arrow of a scroll bar repeats: after a pause, then quickly,
// until stopped. The ticks are timer messages of the control's window, which hands them here.
class TAutoRepeat {
public:
    // id tells this repeat's timer from others of the same window.
    explicit TAutoRepeat(TWinControl& control, win::UINT_PTR id = 0x5C01)
        : FControl(control), FId(id) {}
    ~TAutoRepeat() { Stop(); }
    TAutoRepeat(const TAutoRepeat&) = delete;
    TAutoRepeat& operator=(const TAutoRepeat&) = delete;

    void Start(std::function<void()> step);
    void Stop();
    bool Running() const { return bool(FStep); }
    // True for the repeat's own timer message, after taking the step.
    bool Handle(const TMessage& message);

private:
    TWinControl& FControl;
    win::UINT_PTR FId;
    std::function<void()> FStep;
    bool FFast{ false };
};
