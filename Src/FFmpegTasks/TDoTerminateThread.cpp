#include "Src/FFmpegTasks/TDoTerminateThread.h"

#include <utility>

namespace FFmpegTasks {

TDoTerminateThread::TDoTerminateThread(TTerminateEvent onTerminate, TObject* sender,
                                       const TTerminateInfo& info,
                                       std::shared_ptr<TTerminateSequence> sequence,
                                       std::uint64_t turn)
    : FOnTerminate(std::move(onTerminate)), FSender(sender), FTerminateInfo(info),
      FSequence(std::move(sequence)), FTurn(turn) {}

void TDoTerminateThread::Deliver(TTerminateEvent onTerminate, TObject* sender,
                                 const TTerminateInfo& info,
                                 std::shared_ptr<TTerminateSequence> sequence, std::uint64_t turn) {
    std::unique_ptr<TDoTerminateThread> thread(
        new TDoTerminateThread(std::move(onTerminate), sender, info, sequence, turn));
    thread->SetFreeOnTerminate(true);
    try {
        thread->Start();
    } catch (...) {
        // Without a thread the turn is still delivered, here, so later turns are not held up.
        sequence->Run(turn, [&] {
            if (thread->FOnTerminate) thread->FOnTerminate(sender, info);
        });
        return;
    }
    // From here on the thread owns itself.
    thread.release();
}

void TDoTerminateThread::Execute() {
    FSequence->Run(FTurn, [this] {
        if (FOnTerminate) FOnTerminate(FSender, FTerminateInfo);
    });
}

} // namespace FFmpegTasks
