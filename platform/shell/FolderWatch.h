#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>

namespace win {
// The kinds of change a folder watch reports.
constexpr std::uint32_t FILE_NOTIFY_CHANGE_FILE_NAME = 0x001;
constexpr std::uint32_t FILE_NOTIFY_CHANGE_DIR_NAME = 0x002;
constexpr std::uint32_t FILE_NOTIFY_CHANGE_ATTRIBUTES = 0x004;
constexpr std::uint32_t FILE_NOTIFY_CHANGE_SIZE = 0x008;
constexpr std::uint32_t FILE_NOTIFY_CHANGE_LAST_WRITE = 0x010;
constexpr std::uint32_t FILE_NOTIFY_CHANGE_SECURITY = 0x100;
} // namespace win

// A signal that ends a wait on a folder watch: any thread may raise it.
class TWatchWakeup {
public:
    // Raises Exception when the system has no event to give.
    TWatchWakeup();
    ~TWatchWakeup();
    TWatchWakeup(const TWatchWakeup&) = delete;
    TWatchWakeup& operator=(const TWatchWakeup&) = delete;

    void Set();

private:
    friend class TFolderWatch;
    // Lowers the signal; true when it was raised.
    bool Take();
    int FFd{ -1 };
};

enum TWatchOutcome {
    // A batch of changes of the kinds asked for arrived.
    woChanged,
    // The wake-up was raised.
    woWoken,
    // The watched folder itself was deleted, moved away or unmounted; the watch is over.
    woFolderGone,
    // The wait itself failed; the watch is over.
    woFailed,
};

// Watches a folder, and on request the folders below it, for the kinds of change a filter of
// FILE_NOTIFY_CHANGE_* bits names: entry names of files and of folders (created, deleted,
// moved in or out), attributes and permissions, size and contents. Built on inotify; used by
// one thread at a time, except for the wake-up it waits on beside it.
class TFolderWatch {
public:
    // Past this many watched folders, further sub-folders go unwatched.
    static constexpr std::size_t kMaxFolders = 8192;

    // The watch of folder, or null when it cannot be watched (missing, not a folder, not
    // readable, or no watch left in the system).
    static std::unique_ptr<TFolderWatch> Open(const std::string& folder, bool subTree,
                                              std::uint32_t filter);
    ~TFolderWatch();
    TFolderWatch(const TFolderWatch&) = delete;
    TFolderWatch& operator=(const TFolderWatch&) = delete;

    // With subTree: watches every folder below the root as it is now (links are not
    // followed), up to kMaxFolders; a folder created or moved in later is added as it comes.
    // Walking a large tree takes a while, so stop is asked between folders.
    void WatchSubFolders(const std::function<bool()>& stop = {});
    std::size_t FolderCount() const { return FFolders.size(); }

    // Waits until a batch of changes arrives that holds at least one of the kinds asked for,
    // or until wakeup is raised (which wins when both are there). The queue's overflow counts
    // as a change, since changes were lost.
    TWatchOutcome Wait(TWatchWakeup& wakeup);

private:
    TFolderWatch(int fd, bool subTree, std::uint32_t filter);
    // What one read of the queue holds: woChanged, woFolderGone or woFailed; none when it
    // holds nothing to report, and the wait goes on.
    std::optional<TWatchOutcome> ReadBatch();
    void AddFolder(const std::string& path, bool withSubFolders, const std::function<bool()>& stop);
    bool Reports(std::uint32_t mask) const;

    int FFd{ -1 };
    int FRoot{ -1 };
    bool FSubTree{ false };
    std::uint32_t FFilter{ 0 };
    std::uint32_t FMask{ 0 };
    std::unordered_map<int, std::string> FFolders; // watch descriptor -> folder path
};
