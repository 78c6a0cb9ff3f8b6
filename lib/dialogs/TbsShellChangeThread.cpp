#include "lib/dialogs/TbsShellChangeThread.h"

#include "platform/rtl/MainThread.h"

TCriticalSection& ShellWatchLock() {
    static TCriticalSection lock;
    return lock;
}

TbsShellChangeThread::TbsShellChangeThread(TThreadMethod changeEvent, std::weak_ptr<void> alive)
    : FAlive(std::move(alive)), FChangeEvent(std::move(changeEvent)) {}

TbsShellChangeThread::~TbsShellChangeThread() {
    Terminate();
    FWakeup.Set();
    if (Started()) WaitFor();
}

void TbsShellChangeThread::SetDirectoryOptions(const std::string& directory, bool watchSubTree,
                                               std::uint32_t notifyOptionFlags) {
    std::unique_ptr<TFolderWatch> watch =
        TFolderWatch::Open(directory, watchSubTree, notifyOptionFlags);
    {
        TCriticalSectionGuard guard(ShellWatchLock());
        FDirectory = directory;
        FWatchSubTree = watchSubTree;
        FNotifyOptionFlags = notifyOptionFlags;
        FNewWatch = std::move(watch);
        FWaitChanged = true;
    }
    FWakeup.Set();
}

void TbsShellChangeThread::SetChangeEvent(TThreadMethod changeEvent) {
    TCriticalSectionGuard guard(ShellWatchLock());
    FChangeEvent = std::move(changeEvent);
}

bool TbsShellChangeThread::TakeNewWatch(std::unique_ptr<TFolderWatch>& watch) {
    std::unique_ptr<TFolderWatch> old;
    TCriticalSectionGuard guard(ShellWatchLock());
    if (!FWaitChanged) return false;
    old = std::move(watch);
    watch = std::move(FNewWatch);
    FWaitChanged = false;
    return true;
}

bool TbsShellChangeThread::OptionsChanged() {
    TCriticalSectionGuard guard(ShellWatchLock());
    return FWaitChanged;
}

void TbsShellChangeThread::Execute() {
    std::unique_ptr<TFolderWatch> watch;
    TakeNewWatch(watch);
    while (watch && !Terminated()) {
        watch->WatchSubFolders([this] { return Terminated() || OptionsChanged(); });
        bool retargeted = false;
        while (!retargeted && !Terminated()) {
            switch (watch->Wait(FWakeup)) {
            case woChanged:
                Deliver();
                break;
            case woFolderGone:
                Deliver();
                return;
            case woFailed:
                return;
            case woWoken:
                retargeted = TakeNewWatch(watch);
                break;
            }
        }
    }
}

void TbsShellChangeThread::Deliver() {
    if (Terminated()) return;
    TThreadMethod handler;
    {
        TCriticalSectionGuard guard(ShellWatchLock());
        handler = FChangeEvent;
    }
    if (!handler) return;
    QueueToMainThread([alive = FAlive, handler = std::move(handler)] {
        // The notifier may have gone while the call waited in the queue.
        if (const std::shared_ptr<void> living = alive.lock()) handler();
    });
}
