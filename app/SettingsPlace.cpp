#include "app/SettingsPlace.h"

#include "platform/rtl/FilePath.h"
#include "platform/rtl/FileSystem.h"
#include "platform/rtl/Format.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* kSettingsName = "option.ini";

std::optional<TSettingsPlace>& Chosen() {
    static std::optional<TSettingsPlace> chosen;
    return chosen;
}

std::string ConfigFolder() {
    const char* configured = std::getenv("XDG_CONFIG_HOME");
    // XDG_CONFIG_HOME counts only when it is an absolute path; a relative one is ignored.
    const std::string base =
        configured && configured[0] == '/' ? std::string(configured) : HomeFolder() + ".config";
    return IncludeTrailingPathDelimiter(base) + "vobconv/";
}

std::string Reason(int error) {
    return std::strerror(error);
}

// Why the file cannot be created or written in place; empty when it can. The file is saved by
// replacing it, so its folder must take a new file too.
std::string WriteProblem(const std::string& fileName) {
    struct stat info {};
    if (::stat(fileName.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode)) return Reason(EISDIR);
        // A file its owner made read-only is not to be replaced behind their back, also not by
        // a user whom the system would let write it.
        if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return Reason(EACCES);
        if (::access(fileName.c_str(), R_OK | W_OK) != 0) return Reason(errno);
    } else if (errno != ENOENT) {
        return Reason(errno);
    }
    const std::string folder = ExtractFilePath(fileName);
    if (::access(folder.c_str(), W_OK | X_OK) != 0) return Reason(errno);
    return std::string();
}

bool Readable(const std::string& fileName) {
    struct stat info {};
    return ::stat(fileName.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           ::access(fileName.c_str(), R_OK) == 0;
}

std::string ProblemLine(const std::string& fileName, const std::string& reason) {
    return Format("Unable to write to %s: %s", fileName, reason);
}

} // namespace

TSettingsPlace SettingsPlaceIn(const std::string& programFolder) {
    const std::string beside = IncludeTrailingPathDelimiter(programFolder) + kSettingsName;
    const std::string besideProblem = WriteProblem(beside);
    if (besideProblem.empty()) return { beside, true, {} };

    const std::string folder = ConfigFolder();
    const std::string config = folder + kSettingsName;
    ForceDirectories(folder);
    const std::string configProblem = WriteProblem(config);
    if (configProblem.empty()) {
        // What the user kept beside the program carries over to the file that takes its place.
        if (Readable(beside) && !FileExists(config)) {
            std::ifstream from(beside, std::ios::binary);
            std::ofstream(config, std::ios::binary) << from.rdbuf();
        }
        return { config, true, {} };
    }
    const std::string read = Readable(beside) || !Readable(config) ? beside : config;
    return { read, false,
             ProblemLine(beside, besideProblem) + "\n" + ProblemLine(config, configProblem) };
}

const TSettingsPlace& ChooseSettingsPlace() {
    const char* standIn = std::getenv(kSettingsFolderVariable);
    Chosen() = SettingsPlaceIn(standIn && *standIn ? std::string(standIn) : ProgramFolder());
    return *Chosen();
}

const TSettingsPlace& SettingsPlace() {
    if (!Chosen()) return ChooseSettingsPlace();
    return *Chosen();
}

TSettingsFile ProgramSettings() {
    const TSettingsPlace& place = SettingsPlace();
    return TSettingsFile(place.FileName, place.Writable);
}
