#include "platform/rtl/FilePath.h"

#include <cerrno>
#include <unistd.h>
#include <vector>

std::string ExtractFilePath(const std::string& fileName) {
    const auto slash = fileName.rfind(PathDelim);
    return slash == std::string::npos ? std::string() : fileName.substr(0, slash + 1);
}

std::string ExtractFileDir(const std::string& fileName) {
    const auto slash = fileName.rfind(PathDelim);
    if (slash == std::string::npos) return std::string();
    // Only a single trailing separator goes, so "/" and "a//b" keep their meaning.
    if (slash > 0 && fileName[slash - 1] != PathDelim) return fileName.substr(0, slash);
    return fileName.substr(0, slash + 1);
}

std::string ExtractFileName(const std::string& fileName) {
    const auto slash = fileName.rfind(PathDelim);
    return slash == std::string::npos ? fileName : fileName.substr(slash + 1);
}

namespace {

std::string::size_type ExtensionStart(const std::string& fileName) {
    const auto dot = fileName.rfind('.');
    const auto slash = fileName.rfind(PathDelim);
    if (dot == std::string::npos) return std::string::npos;
    if (slash != std::string::npos && dot < slash) return std::string::npos;
    return dot;
}

} // namespace

std::string ExtractFileExt(const std::string& fileName) {
    const auto dot = ExtensionStart(fileName);
    return dot == std::string::npos ? std::string() : fileName.substr(dot);
}

std::string ChangeFileExt(const std::string& fileName, const std::string& extension) {
    const auto dot = ExtensionStart(fileName);
    return (dot == std::string::npos ? fileName : fileName.substr(0, dot)) + extension;
}

std::string IncludeTrailingPathDelimiter(const std::string& path) {
    if (!path.empty() && path.back() == PathDelim) return path;
    return path + PathDelim;
}

std::string ExcludeTrailingPathDelimiter(const std::string& path) {
    if (path.size() > 1 && path.back() == PathDelim) return path.substr(0, path.size() - 1);
    return path;
}

namespace {

std::string CurrentFolder() {
    std::vector<char> buffer(4096);
    while (!::getcwd(buffer.data(), buffer.size())) {
        if (errno != ERANGE) return "/";
        buffer.resize(buffer.size() * 2);
    }
    return buffer.data();
}

} // namespace

std::string ExpandFileName(const std::string& fileName) {
    if (fileName.empty()) return fileName;
    const std::string full =
        fileName.front() == PathDelim ? fileName : CurrentFolder() + PathDelim + fileName;

    std::vector<std::string> parts;
    std::string::size_type start = 0;
    while (start <= full.size()) {
        auto end = full.find(PathDelim, start);
        if (end == std::string::npos) end = full.size();
        const std::string part = full.substr(start, end - start);
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = end + 1;
    }

    std::string result;
    for (const auto& part : parts)
        result += PathDelim + part;
    if (result.empty() || full.back() == PathDelim) result += PathDelim;
    return result;
}
