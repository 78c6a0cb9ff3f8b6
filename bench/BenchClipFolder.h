#pragma once
// A folder of many empty files named as a video folder names them, for benchmarks that list
// folders.
#include "platform/rtl/FileSystem.h"

#include <fcntl.h>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <system_error>
#include <unistd.h>
#include <vector>

// Made on first use with "clip N" + the extensions in turn, and removed when the program ends.
class TBenchClipFolder {
public:
    TBenchClipFolder(const std::string& prefix, int count,
                     std::initializer_list<const char*> extensions)
        : FPath(CreateTempFolder(prefix)) {
        const std::vector<const char*> ext(extensions);
        for (int i = 0; i < count; ++i) {
            const std::string name =
                FPath + "clip " + std::to_string(i) + ext[std::size_t(i) % ext.size()];
            const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (fd >= 0) ::close(fd);
        }
    }
    ~TBenchClipFolder() {
        std::error_code ignored;
        if (!FPath.empty()) std::filesystem::remove_all(FPath, ignored);
    }
    TBenchClipFolder(const TBenchClipFolder&) = delete;
    TBenchClipFolder& operator=(const TBenchClipFolder&) = delete;

    const std::string& Path() const { return FPath; }

private:
    std::string FPath;
};
