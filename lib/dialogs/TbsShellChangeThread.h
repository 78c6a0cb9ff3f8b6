#pragma once
#include "platform/rtl/SyncObjs.h"
#include "platform/rtl/TThread.h"
#include "platform/shell/FolderWatch.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

// A method without arguments, run on the GUI thread.
using TThreadMethod = std::function<void()>;

// Guards the watch options of every change notifier's worker.
TCriticalSection& ShellWatchLock();

// The worker of a change notifier: waits on a watch of one folder and hands every batch of
// changes to the GUI thread, where the handler runs unless the notifier that made the worker
// has gone (its liveness token expired) by then.
//
// Options are set on the GUI thread, which opens the new watch itself, so that every change
// made after SetDirectoryOptions returns is seen; the worker is woken, drops the old watch
// (and whatever it still held) and waits on the new one. A folder that cannot be watched ends
// the worker, as does the watched folder going away (after one last change).
class TbsShellChangeThread : public TThread {
public:
    TbsShellChangeThread(TThreadMethod changeEvent, std::weak_ptr<void> alive);
    // Wakes the worker and waits for it to end.
    ~TbsShellChangeThread() override;

    void SetDirectoryOptions(const std::string& directory, bool watchSubTree,
                             std::uint32_t notifyOptionFlags);
    void SetChangeEvent(TThreadMethod changeEvent);
    // Ends the worker's wait, so that it sees a termination request.
    void Wake() { FWakeup.Set(); }

protected:
    void Execute() override;

private:
    // Takes up the watch of changed options; false when the options did not change.
    bool TakeNewWatch(std::unique_ptr<TFolderWatch>& watch);
    bool OptionsChanged();
    void Deliver();

    TWatchWakeup FWakeup;
    const std::weak_ptr<void> FAlive;
    // Under ShellWatchLock.
    TThreadMethod FChangeEvent;
    std::string FDirectory;
    bool FWatchSubTree{ false };
    std::uint32_t FNotifyOptionFlags{ 0 };
    bool FWaitChanged{ false };
    std::unique_ptr<TFolderWatch> FNewWatch;
};
