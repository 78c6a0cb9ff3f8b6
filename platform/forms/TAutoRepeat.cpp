#include "platform/forms/TAutoRepeat.h"
#include "platform/forms/TWinControl.h"
#include "platform/win/Messaging.h"

using namespace win;

namespace {
constexpr UINT kFirstDelayMs = 400;
constexpr UINT kRepeatMs = 50;
} // namespace

void TAutoRepeat::Start(std::function<void()> step) {
    Stop();
    if (!FControl.HandleAllocated()) return;
    FStep = std::move(step);
    FFast = false;
    SetTimer(FControl.Handle(), FId, kFirstDelayMs, nullptr);
}

void TAutoRepeat::Stop() {
    if (!FStep) return;
    FStep = nullptr;
    if (FControl.HandleAllocated()) KillTimer(FControl.Handle(), FId);
}

bool TAutoRepeat::Handle(const TMessage& message) {
    if (message.Msg != WM_TIMER || message.WParam != FId) return false;
    if (!FStep) return true;
    if (!FFast) {
        FFast = true;
        SetTimer(FControl.Handle(), FId, kRepeatMs, nullptr);
    }
    // The step may stop the repeat, which clears the step being run.
    const std::function<void()> step = FStep;
    step();
    return true;
}
