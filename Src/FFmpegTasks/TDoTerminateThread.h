#pragma once
#include "Src/FFmpegTasks/TaskEvents.h"
#include "Src/FFmpegTasks/TerminateSequence.h"
#include "platform/rtl/TThread.h"

#include <cstdint>
#include <memory>

namespace FFmpegTasks {

// Delivers one terminate event of the task component on a short-lived thread of its own, in its
// turn of the component's sequence, with its own copy of the record. Deliver makes one that runs
// at once and frees itself when the handler has returned.
class TDoTerminateThread : public TThread {
public:
    static void Deliver(TTerminateEvent onTerminate, TObject* sender, const TTerminateInfo& info,
                        std::shared_ptr<TTerminateSequence> sequence, std::uint64_t turn);

protected:
    void Execute() override;

private:
    TDoTerminateThread(TTerminateEvent onTerminate, TObject* sender, const TTerminateInfo& info,
                       std::shared_ptr<TTerminateSequence> sequence, std::uint64_t turn);

    TTerminateEvent FOnTerminate;
    TObject* FSender{ nullptr };
    TTerminateInfo FTerminateInfo;
    std::shared_ptr<TTerminateSequence> FSequence;
    std::uint64_t FTurn{ 0 };
};

} // namespace FFmpegTasks
