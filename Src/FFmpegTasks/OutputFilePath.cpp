#include "Src/FFmpegTasks/OutputFilePath.h"

#include "Src/UnicodeProtocol.h"

#include <filesystem>

namespace fs = std::filesystem;

std::string ResolvedOutputPath(const std::string& fileName) {
    // The libraries' own form of the name decides between a file and a protocol.
    std::string name = FileNameFromAV(FileNameToAV(fileName));
    if (name.starts_with("file:")) name.erase(0, 5);
    const std::size_t colon = name.find(':');
    if (name.empty() ||
        (!name.starts_with('/') && colon != std::string::npos && name.find('/') > colon))
        return {};
    std::error_code error;
    fs::path path = fs::absolute(name, error);
    if (error) return {};
    const fs::path resolved = fs::weakly_canonical(path, error);
    path = error ? path.lexically_normal() : resolved;
    const fs::file_status status = fs::status(path, error);
    if (fs::exists(status) && !fs::is_regular_file(status)) return {};
    return path.string();
}
