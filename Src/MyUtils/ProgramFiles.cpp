#include "Src/MyUtils/ProgramFiles.h"

#include "platform/rtl/FilePath.h"

#include <filesystem>
#include <mutex>
#include <sys/stat.h>

namespace {

struct TExePathState {
    std::mutex Lock;
    std::string Override;
};

TExePathState& ExePathState() {
    static TExePathState state;
    return state;
}

} // namespace

std::int64_t FileSizeByName(const std::string& fileName) {
    struct stat info {};
    if (fileName.empty() || stat(fileName.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) return -1;
    return std::int64_t(info.st_size);
}

std::string ExePath() {
    {
        TExePathState& state = ExePathState();
        std::lock_guard lock(state.Lock);
        if (!state.Override.empty()) return IncludeTrailingPathDelimiter(state.Override);
    }
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string("./") : ExtractFilePath(exe.string());
}

void SetExePath(const std::string& folder) {
    TExePathState& state = ExePathState();
    std::lock_guard lock(state.Lock);
    state.Override = folder;
}
