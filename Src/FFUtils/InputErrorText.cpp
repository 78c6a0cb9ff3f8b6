#include "Src/FFUtils/InputErrorText.h"

#include "Src/FFUtils/MediaText.h"

extern "C" {
#include <libavutil/error.h>
}

#include <cerrno>
#include <filesystem>
#include <unistd.h>

std::string InputErrorText(const std::string& fileName, int code) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path path(fileName);
    const auto status = fs::status(path, error);
    if (!error && fs::is_directory(status)) return fileName + ": is a folder, not a media file";
    if (code == AVERROR(EACCES) || (!error && access(fileName.c_str(), R_OK) != 0))
        return fileName + ": permission denied";
    // Only what the libraries took for other data; a read failure says more than the size
    // that, e.g., files of /proc report.
    if (code != AVERROR_INVALIDDATA && code != AVERROR_DEMUXER_NOT_FOUND && code != AVERROR(EILSEQ))
        return ErrorToText(fileName, code);
    if (!error && fs::is_regular_file(status) && fs::file_size(path, error) == 0 && !error)
        return fileName + ": the file is empty, not a media file";
    return fileName + ": not a media file";
}
