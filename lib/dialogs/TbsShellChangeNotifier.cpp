#include "lib/dialogs/TbsShellChangeNotifier.h"

std::uint32_t NotifyFlagsOf(TNotifyFilters filters) {
    static constexpr std::pair<TNotifyFilter, std::uint32_t> kFlags[] = {
        { nfFileNameChange, win::FILE_NOTIFY_CHANGE_FILE_NAME },
        { nfDirNameChange, win::FILE_NOTIFY_CHANGE_DIR_NAME },
        { nfAttributeChange, win::FILE_NOTIFY_CHANGE_ATTRIBUTES },
        { nfSizeChange, win::FILE_NOTIFY_CHANGE_SIZE },
        { nfWriteChange, win::FILE_NOTIFY_CHANGE_LAST_WRITE },
        { nfSecurityChange, win::FILE_NOTIFY_CHANGE_SECURITY },
    };
    std::uint32_t flags = 0;
    for (const auto& [filter, flag] : kFlags)
        if (filters.Contains(filter)) flags |= flag;
    return flags;
}

TbsCustomShellChangeNotifier::TbsCustomShellChangeNotifier(TComponent* owner) : TComponent(owner) {
    StartWatcher();
}

TbsCustomShellChangeNotifier::~TbsCustomShellChangeNotifier() {
    // First the token, so that no queued change runs while, or after, the worker is ended.
    FAlive.reset();
    StopWatcher();
}

void TbsCustomShellChangeNotifier::SetNotifyFilters(TNotifyFilters value) {
    FFilters = value;
    UpdateWatchOptions();
}

void TbsCustomShellChangeNotifier::SetRoot(const TRoot& value) {
    if (value == FRoot) return;
    FRoot = value;
    UpdateWatchOptions();
}

void TbsCustomShellChangeNotifier::SetWatchSubTree(bool value) {
    FWatchSubTree = value;
    UpdateWatchOptions();
}

void TbsCustomShellChangeNotifier::SetOnChange(TThreadMethod value) {
    FOnChange = std::move(value);
    if (Watching())
        FThread->SetChangeEvent(FOnChange);
    else
        StartWatcher();
}

bool TbsCustomShellChangeNotifier::Watching() const {
    return FThread && !FThread->Finished();
}

void TbsCustomShellChangeNotifier::UpdateWatchOptions() {
    if (Watching())
        FThread->SetDirectoryOptions(FRoot, FWatchSubTree, NotifyFlagsOf(FFilters));
    else
        StartWatcher(); // the last worker ended (its folder was missing or went away)
}

void TbsCustomShellChangeNotifier::StartWatcher() {
    if (!FOnChange) return;
    StopWatcher();
    FThread = std::make_unique<TbsShellChangeThread>(FOnChange, FAlive);
    FThread->SetDirectoryOptions(FRoot, FWatchSubTree, NotifyFlagsOf(FFilters));
    FThread->Start();
}

void TbsCustomShellChangeNotifier::StopWatcher() {
    FThread.reset();
}
