#include "Src/MyUtils/ProgramFiles.h"

#include "platform/rtl/FilePath.h"
#include "platform/rtl/FileSystem.h"

#include <mutex>

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
    return FileSize(fileName);
}

std::string ExePath() {
    {
        TExePathState& state = ExePathState();
        std::lock_guard lock(state.Lock);
        if (!state.Override.empty()) return IncludeTrailingPathDelimiter(state.Override);
    }
    const std::string folder = ProgramFolder();
    return folder.empty() ? std::string("./") : folder;
}

void SetExePath(const std::string& folder) {
    TExePathState& state = ExePathState();
    std::lock_guard lock(state.Lock);
    state.Override = folder;
}
