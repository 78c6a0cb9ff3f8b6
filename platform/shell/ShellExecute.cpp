#include "platform/shell/ShellExecute.h"

#include "platform/rtl/Format.h"
#include "platform/rtl/MainThread.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <poll.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

std::mutex g_launcherLock;
std::unique_ptr<TShellLauncher> g_launcher;

struct SpawnActions {
    posix_spawn_file_actions_t Actions;
    SpawnActions() { posix_spawn_file_actions_init(&Actions); }
    ~SpawnActions() { posix_spawn_file_actions_destroy(&Actions); }
};

struct TFileDescriptor {
    int Fd{ -1 };
    explicit TFileDescriptor(int fd) : Fd(fd) {}
    TFileDescriptor(const TFileDescriptor&) = delete;
    TFileDescriptor& operator=(const TFileDescriptor&) = delete;
    ~TFileDescriptor() {
        if (Fd >= 0) ::close(Fd);
    }
};

// Starts argv in workingFolder (empty: ours), its error output going to errorOutput when that is
// a descriptor; the process id, or -1 with errno's text in reason.
pid_t Start(const std::string& workingFolder, const std::vector<std::string>& argv, int errorOutput,
            std::string& reason) {
    if (argv.empty()) {
        reason = std::strerror(EINVAL);
        return -1;
    }
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    SpawnActions spawn;
    // The child changes its own folder between fork and exec; this process's stays put.
    int error = 0;
    if (!workingFolder.empty())
        error = posix_spawn_file_actions_addchdir_np(&spawn.Actions, workingFolder.c_str());
    if (error == 0 && errorOutput >= 0)
        error = posix_spawn_file_actions_adddup2(&spawn.Actions, errorOutput, STDERR_FILENO);
    pid_t pid = 0;
    if (error == 0)
        error = posix_spawnp(&pid, args[0], &spawn.Actions, nullptr, args.data(), environ);
    if (error != 0) {
        reason = std::strerror(error);
        return -1;
    }
    return pid;
}

bool Spawn(const std::string& workingFolder, const std::vector<std::string>& argv) {
    std::string reason;
    const pid_t pid = Start(workingFolder, argv, -1, reason);
    if (pid < 0) return false;
    // The program runs on its own; someone must still collect its exit status.
    std::thread([pid] { waitpid(pid, nullptr, 0); }).detach();
    return true;
}

// What the child writes to its error output until it ends, the last 4 KiB of it. A program it
// started in turn may keep the pipe open long after: the child's own end closes the collection.
std::string CollectErrorOutput(pid_t pid, int fd) {
    constexpr std::size_t kKept = 4096;
    std::string text;
    const auto append = [&](const char* data, ssize_t size) {
        text.append(data, std::size_t(size));
        if (text.size() > kKept) text.erase(0, text.size() - kKept);
    };
    // The C library's wrapper is not usable from C++ in every version: the call itself is.
    TFileDescriptor child(int(::syscall(SYS_pidfd_open, pid, 0)));
    pollfd watched[2] = { { fd, POLLIN, 0 }, { child.Fd, POLLIN, 0 } };
    char buffer[512];
    for (;;) {
        if (::poll(watched, child.Fd >= 0 ? 2 : 1, -1) < 0) {
            if (errno == EINTR) continue;
            break;
        }
        if (watched[0].revents != 0) {
            const ssize_t got = ::read(fd, buffer, sizeof buffer);
            if (got <= 0) break;
            append(buffer, got);
            continue;
        }
        if (watched[1].revents != 0) {
            // Ended: take what it left in the pipe without waiting for anyone else's end.
            ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
            ssize_t got = 0;
            while ((got = ::read(fd, buffer, sizeof buffer)) > 0)
                append(buffer, got);
            break;
        }
    }
    return text;
}

std::string LastLine(const std::string& text) {
    const std::size_t end = text.find_last_not_of(" \t\r\n");
    if (end == std::string::npos) return std::string();
    const std::size_t newline = text.find_last_of('\n', end);
    const std::size_t start = newline == std::string::npos ? 0 : newline + 1;
    return text.substr(start, end + 1 - start);
}

// Why a program that ended with status failed, in its own words when it gave any.
std::string FailureReason(const std::string& program, int status, const std::string& said) {
    if (const std::string line = LastLine(said); !line.empty()) return line;
    if (WIFSIGNALED(status)) return Format("%s ended by signal %d", program, WTERMSIG(status));
    return Format("%s ended with exit status %d", program, WEXITSTATUS(status));
}

} // namespace

bool TShellLauncher::Launch(const std::vector<std::string>& argv) {
    return Spawn(std::string(), argv);
}

bool TShellLauncher::LaunchIn(const std::string& workingFolder,
                              const std::vector<std::string>& argv) {
    return Spawn(workingFolder, argv);
}

void TShellLauncher::LaunchWatched(const std::vector<std::string>& argv, TLaunchEnded ended) {
    const auto tell = [ended](bool succeeded, std::string reason) {
        QueueToMainThread([ended, succeeded, reason] { ended(succeeded, reason); });
    };
    int ends[2] = { -1, -1 };
    if (::pipe2(ends, O_CLOEXEC) != 0) {
        tell(false, std::strerror(errno));
        return;
    }
    TFileDescriptor reading(ends[0]);
    std::string reason;
    pid_t pid = 0;
    {
        const TFileDescriptor writing(ends[1]);
        pid = Start(std::string(), argv, writing.Fd, reason);
    }
    if (pid < 0) {
        tell(false, argv.empty() ? reason : argv[0] + ": " + reason);
        return;
    }
    std::thread([pid, fd = reading.Fd, program = argv[0], tell] {
        const TFileDescriptor output(fd);
        const std::string said = CollectErrorOutput(pid, fd);
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {}
        const bool succeeded = WIFEXITED(status) && WEXITSTATUS(status) == 0;
        tell(succeeded, succeeded ? std::string() : FailureReason(program, status, said));
    }).detach();
    reading.Fd = -1;
}

TShellLauncher& ShellLauncher() {
    std::lock_guard lock(g_launcherLock);
    if (!g_launcher) g_launcher = std::make_unique<TShellLauncher>();
    return *g_launcher;
}

std::unique_ptr<TShellLauncher> SetShellLauncher(std::unique_ptr<TShellLauncher> launcher) {
    std::lock_guard lock(g_launcherLock);
    std::swap(g_launcher, launcher);
    return launcher;
}

bool ShellOpen(const std::string& target) {
    if (target.empty()) return false;
    return ShellLauncher().Launch({ "xdg-open", target });
}

bool ShellOpenIn(const std::string& target, const std::string& workingFolder) {
    if (target.empty()) return false;
    return ShellLauncher().LaunchIn(workingFolder, { "xdg-open", target });
}

void ShellOpenWatched(const std::string& target, TLaunchEnded ended) {
    ShellLauncher().LaunchWatched({ "xdg-open", target }, std::move(ended));
}

bool ShellPlaySound(const std::string& fileName) {
    return ShellLauncher().Launch({ "paplay", fileName }) ||
           ShellLauncher().Launch({ "aplay", "-q", fileName });
}

bool ShellPowerOff() {
    return ShellLauncher().Launch({ "systemctl", "poweroff" });
}

namespace win {

std::intptr_t ShellExecute(HWND, const char*, const std::string& file, const char*, const char*,
                           int) {
    // The shell's "file not found" when nothing could be started.
    return ShellOpen(file) ? 42 : 2;
}

} // namespace win
