#include "lib/controls/TbsRepeatTimer.h"

#include "platform/forms/TWinControl.h"
#include "platform/win/Messaging.h"

void TbsRepeatTimer::Arm(unsigned ms) {
    if (FControl.HandleAllocated()) win::SetTimer(FControl.Handle(), kId, ms, nullptr);
}

void TbsRepeatTimer::Start() {
    FWaiting = true;
    Arm(kFirstWaitMs);
}

void TbsRepeatTimer::Pause() {
    if (FControl.HandleAllocated()) win::KillTimer(FControl.Handle(), kId);
}

void TbsRepeatTimer::Stop() {
    Pause();
    FWaiting = false;
}

bool TbsRepeatTimer::IsTick(const TMessage& message) {
    return message.Msg == win::WM_TIMER && message.WParam == kId;
}

bool TbsRepeatTimer::Tick() {
    if (!FWaiting) return true;
    FWaiting = false;
    Arm(FRate);
    return false;
}
