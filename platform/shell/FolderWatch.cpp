#include "platform/shell/FolderWatch.h"

#include "platform/rtl/Exception.h"
#include "platform/shell/ShellPaths.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::uint32_t kNameChanges = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO;
constexpr std::uint32_t kAttributeChanges = IN_ATTRIB;
constexpr std::uint32_t kContentChanges = IN_MODIFY | IN_CLOSE_WRITE;
constexpr std::uint32_t kSelfGone = IN_DELETE_SELF | IN_MOVE_SELF | IN_UNMOUNT;

std::uint32_t MaskOf(std::uint32_t filter, bool subTree) {
    std::uint32_t mask = kSelfGone | IN_ONLYDIR;
    if (filter & (win::FILE_NOTIFY_CHANGE_FILE_NAME | win::FILE_NOTIFY_CHANGE_DIR_NAME))
        mask |= kNameChanges;
    // New folders must be seen to be watched, whatever is reported.
    if (subTree) mask |= IN_CREATE | IN_MOVED_TO;
    if (filter & (win::FILE_NOTIFY_CHANGE_ATTRIBUTES | win::FILE_NOTIFY_CHANGE_SECURITY))
        mask |= kAttributeChanges;
    if (filter & (win::FILE_NOTIFY_CHANGE_SIZE | win::FILE_NOTIFY_CHANGE_LAST_WRITE))
        mask |= kContentChanges;
    return mask;
}

struct DirClose {
    void operator()(DIR* dir) const { ::closedir(dir); }
};

} // namespace

TWatchWakeup::TWatchWakeup() : FFd(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {
    if (FFd < 0) throw Exception("Cannot create the wake-up event of a folder watch");
}

TWatchWakeup::~TWatchWakeup() {
    ::close(FFd);
}

void TWatchWakeup::Set() {
    const std::uint64_t one = 1;
    // Only a full counter can refuse, and a full counter is raised already.
    while (::write(FFd, &one, sizeof one) < 0 && errno == EINTR) {}
}

bool TWatchWakeup::Take() {
    std::uint64_t count = 0;
    return ::read(FFd, &count, sizeof count) == ssize_t(sizeof count);
}

TFolderWatch::TFolderWatch(int fd, bool subTree, std::uint32_t filter)
    : FFd(fd), FSubTree(subTree), FFilter(filter), FMask(MaskOf(filter, subTree)) {}

TFolderWatch::~TFolderWatch() {
    ::close(FFd);
}

std::unique_ptr<TFolderWatch> TFolderWatch::Open(const std::string& folder, bool subTree,
                                                 std::uint32_t filter) {
    if (folder.empty()) return nullptr;
    const int fd = ::inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
    if (fd < 0) return nullptr;
    std::unique_ptr<TFolderWatch> watch(new TFolderWatch(fd, subTree, filter));
    watch->FRoot = ::inotify_add_watch(fd, folder.c_str(), watch->FMask);
    if (watch->FRoot < 0) return nullptr;
    watch->FFolders.emplace(watch->FRoot, folder);
    return watch;
}

void TFolderWatch::WatchSubFolders(const std::function<bool()>& stop) {
    if (!FSubTree) return;
    const auto root = FFolders.find(FRoot);
    if (root == FFolders.end()) return;
    AddFolder(root->second, true, stop);
}

void TFolderWatch::AddFolder(const std::string& path, bool withSubFolders,
                             const std::function<bool()>& stop) {
    std::vector<std::string> pending{ path };
    while (!pending.empty()) {
        if (stop && stop()) return;
        const std::string folder = std::move(pending.back());
        pending.pop_back();
        if (FFolders.size() >= kMaxFolders) return;
        // Links are not followed, so a link back up the tree cannot make a loop.
        const int wd = ::inotify_add_watch(FFd, folder.c_str(), FMask | IN_DONT_FOLLOW);
        if (wd < 0) continue;
        FFolders[wd] = folder;
        if (!withSubFolders) continue;
        std::unique_ptr<DIR, DirClose> dir(::opendir(folder.c_str()));
        if (!dir) continue;
        while (const dirent* entry = ::readdir(dir.get())) {
            const std::string name = entry->d_name;
            if (name == "." || name == "..") continue;
            bool isFolder = entry->d_type == DT_DIR;
            if (entry->d_type == DT_UNKNOWN) {
                struct stat info {};
                isFolder =
                    ::fstatat(::dirfd(dir.get()), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
                    S_ISDIR(info.st_mode);
            }
            if (isFolder) pending.push_back(JoinPath(folder, name));
        }
    }
}

bool TFolderWatch::Reports(std::uint32_t mask) const {
    if (mask & IN_Q_OVERFLOW) return true;
    if (mask & kNameChanges) {
        const std::uint32_t wanted = (mask & IN_ISDIR) ? win::FILE_NOTIFY_CHANGE_DIR_NAME
                                                       : win::FILE_NOTIFY_CHANGE_FILE_NAME;
        if (FFilter & wanted) return true;
    }
    if ((mask & kAttributeChanges) &&
        (FFilter & (win::FILE_NOTIFY_CHANGE_ATTRIBUTES | win::FILE_NOTIFY_CHANGE_SECURITY)))
        return true;
    if ((mask & kContentChanges) &&
        (FFilter & (win::FILE_NOTIFY_CHANGE_SIZE | win::FILE_NOTIFY_CHANGE_LAST_WRITE)))
        return true;
    return false;
}

std::optional<TWatchOutcome> TFolderWatch::ReadBatch() {
    alignas(inotify_event) char buffer[64 * 1024];
    const ssize_t length = ::read(FFd, buffer, sizeof buffer);
    if (length < 0) {
        if (errno == EAGAIN || errno == EINTR) return std::nullopt;
        return woFailed;
    }
    bool changed = false;
    for (ssize_t offset = 0; offset + ssize_t(sizeof(inotify_event)) <= length;) {
        const auto* event = reinterpret_cast<const inotify_event*>(buffer + offset);
        offset += ssize_t(sizeof(inotify_event) + event->len);
        const std::uint32_t mask = event->mask;
        if (event->wd == FRoot && (mask & (kSelfGone | IN_IGNORED))) return woFolderGone;
        if (mask & IN_IGNORED) {
            FFolders.erase(event->wd);
            continue;
        }
        if (mask & IN_DELETE_SELF) continue; // its parent reports the deletion
        if (FSubTree && (mask & IN_ISDIR) && (mask & (IN_CREATE | IN_MOVED_TO)) && event->len) {
            const auto parent = FFolders.find(event->wd);
            if (parent != FFolders.end())
                AddFolder(JoinPath(parent->second, event->name), true, {});
        }
        changed = changed || Reports(mask);
    }
    if (changed) return woChanged;
    return std::nullopt;
}

TWatchOutcome TFolderWatch::Wait(TWatchWakeup& wakeup) {
    for (;;) {
        pollfd fds[2] = { { wakeup.FFd, POLLIN, 0 }, { FFd, POLLIN, 0 } };
        const int ready = ::poll(fds, 2, -1);
        if (ready < 0) {
            if (errno == EINTR) continue;
            return woFailed;
        }
        if (fds[0].revents & POLLIN) {
            wakeup.Take();
            return woWoken;
        }
        if (fds[1].revents & (POLLERR | POLLNVAL)) return woFailed;
        if (!(fds[1].revents & POLLIN)) continue;
        if (const std::optional<TWatchOutcome> outcome = ReadBatch()) return *outcome;
    }
}
