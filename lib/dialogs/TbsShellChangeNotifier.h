#pragma once
#include "lib/dialogs/TbsShellChangeThread.h"
#include "lib/dialogs/bsShellTypes.h"
#include "platform/forms/TComponent.h"

#include <memory>

// The kinds of change a notifier reports.
enum TNotifyFilter {
    nfFileNameChange,
    nfDirNameChange,
    nfAttributeChange,
    nfSizeChange,
    nfWriteChange,
    nfSecurityChange,
};
using TNotifyFilters = TSet<TNotifyFilter>;

// The folder watch's filter (FILE_NOTIFY_CHANGE_*) of a set of kinds.
std::uint32_t NotifyFlagsOf(TNotifyFilters filters);

// Watches one folder and runs OnChange on the GUI thread whenever it changes. No worker runs
// until OnChange is set. Changing Root, NotifyFilters or WatchSubTree re-targets the running
// worker (or starts a new one when the last one has ended). Once the notifier is gone no
// handler of it runs, not even one whose change was already on its way.
class TbsCustomShellChangeNotifier : public TComponent {
public:
    explicit TbsCustomShellChangeNotifier(TComponent* owner);
    ~TbsCustomShellChangeNotifier() override;

    std::string ClassName() const override { return "TbsCustomShellChangeNotifier"; }

    TNotifyFilters NotifyFilters() const { return FFilters; }
    void SetNotifyFilters(TNotifyFilters value);
    // A plain folder path; special folder names are not resolved here. File names are case
    // sensitive, so "/Data" and "/data" are two roots.
    const TRoot& Root() const { return FRoot; }
    void SetRoot(const TRoot& value);
    bool WatchSubTree() const { return FWatchSubTree; }
    void SetWatchSubTree(bool value);
    const TThreadMethod& OnChange() const { return FOnChange; }
    void SetOnChange(TThreadMethod value);

    // Whether a worker is watching.
    bool Watching() const;

private:
    void StartWatcher();
    void UpdateWatchOptions();
    void StopWatcher();

    TNotifyFilters FFilters{ nfFileNameChange, nfDirNameChange };
    bool FWatchSubTree{ true };
    TRoot FRoot{ "/" };
    std::unique_ptr<TbsShellChangeThread> FThread;
    TThreadMethod FOnChange;
    // Calls already queued to the GUI thread check it before they run.
    std::shared_ptr<int> FAlive{ std::make_shared<int>(0) };
};

class TbsShellChangeNotifier : public TbsCustomShellChangeNotifier {
public:
    using TbsCustomShellChangeNotifier::TbsCustomShellChangeNotifier;
    std::string ClassName() const override { return "TbsShellChangeNotifier"; }
};
