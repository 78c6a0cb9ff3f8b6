#include "lib/controls/bsButtonTimers.h"

#include "platform/forms/TTimer.h"

#include <algorithm>

namespace {

// A stopped timer of the job, made on first use, ticking every interval ms into tick.
TTimer& TimerOf(std::unique_ptr<TTimer>& timer, const std::function<void()>& tick) {
    if (!timer) {
        timer = std::make_unique<TTimer>(nullptr);
        timer->SetEnabled(false);
        timer->SetOnTimer([tick](TObject*) { tick(); });
    }
    return *timer;
}

void Restart(TTimer& timer, unsigned interval) {
    timer.SetEnabled(false);
    timer.SetInterval(interval);
    timer.SetEnabled(true);
}

void Halt(const std::unique_ptr<TTimer>& timer) {
    if (timer) timer->SetEnabled(false);
}

} // namespace

TbsButtonMorph::TbsButtonMorph(std::function<bool()> canMorph, std::function<bool()> towardsHot,
                               std::function<void()> repaint)
    : FCanMorph(std::move(canMorph)), FTowardsHot(std::move(towardsHot)),
      FRepaint(std::move(repaint)) {}

TbsButtonMorph::~TbsButtonMorph() = default;

void TbsButtonMorph::SetAtEnd(bool hot) {
    FStep = hot ? kStepsPerUnit : 0;
    FAtRest = true;
}

bool TbsButtonMorph::Running() const {
    return FTimer && FTimer->Enabled();
}

void TbsButtonMorph::Start() {
    if (!FCanMorph()) {
        FRepaint();
        return;
    }
    if (Running()) return;
    Restart(TimerOf(FTimer, [this] { Tick(); }), kInterval);
}

void TbsButtonMorph::Stop() {
    Halt(FTimer);
}

void TbsButtonMorph::Tick() {
    const bool hot = FTowardsHot();
    if (!FCanMorph()) {
        SetAtEnd(hot);
        Stop();
        return;
    }
    if (hot && BelowHot()) {
        ++FStep;
        FAtRest = false;
    } else if (!hot && AboveNormal()) {
        --FStep;
        FAtRest = false;
    } else {
        SetAtEnd(hot);
        Stop();
    }
    FRepaint();
}

TbsButtonAnimation::TbsButtonAnimation(std::function<void()> repaint)
    : FRepaint(std::move(repaint)) {}

TbsButtonAnimation::~TbsButtonAnimation() = default;

void TbsButtonAnimation::Start(bool forward, int frameCount, int interval) {
    Stop();
    if (frameCount <= 0 || interval <= 0) return;
    FForward = forward;
    FFrameCount = frameCount;
    FCurrentFrame = forward ? 1 : frameCount;
    FRunning = true;
    Restart(TimerOf(FTimer, [this] { Tick(); }), unsigned(interval));
}

void TbsButtonAnimation::Stop() {
    FCurrentFrame = 0;
    FRunning = false;
    Halt(FTimer);
}

void TbsButtonAnimation::Tick() {
    if (FForward) {
        if (FCurrentFrame <= FFrameCount) {
            ++FCurrentFrame;
            FRepaint();
        }
        if (FCurrentFrame > FFrameCount) Stop();
    } else {
        if (FCurrentFrame >= 0) {
            --FCurrentFrame;
            FRepaint();
        }
        if (FCurrentFrame <= 0) Stop();
    }
}

TbsButtonRepeat::TbsButtonRepeat(std::function<void()> click, std::function<int()> interval)
    : FClick(std::move(click)), FInterval(std::move(interval)) {}

TbsButtonRepeat::~TbsButtonRepeat() = default;

void TbsButtonRepeat::Start() {
    FRunning = true;
    FClicking = false;
    Restart(TimerOf(FTimer, [this] { Tick(); }), kDelay);
}

void TbsButtonRepeat::Stop() {
    FRunning = false;
    Halt(FTimer);
}

void TbsButtonRepeat::Tick() {
    if (!FClicking) {
        FClicking = true;
        // An interval of 0 would stop the timer for good; the fastest repeat is one a tick.
        Restart(*FTimer, unsigned(std::max(1, FInterval())));
        return;
    }
    // The click may free the button, and this with it: nothing may follow.
    FClick();
}
