#include "app/JobListText.h"

#include "platform/rtl/Format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>

std::string SecToDate(std::int64_t sec) {
    const std::int64_t s = sec % 60;
    const std::int64_t m = ((sec - s) / 60) % 60;
    const std::int64_t h = ((sec - s - m * 60) / 3600) % 24;
    return Format("%.2d:%.2d:%.2d", h, m, s);
}

std::string MegabyteText(std::int64_t bytes) {
    // nearbyint follows the default rounding mode, which takes halves to the even neighbour.
    const double hundredths = std::nearbyint(double(bytes) / 1024.0 / 1024.0 * 100.0);
    const double value = hundredths / 100.0;
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr) + "MB";
}

std::string PercentText(std::int64_t current, std::int64_t total) {
    if (total <= 0) return "N/A";
    return std::to_string(current * 100 / total) + "%";
}

bool ValidOutputName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string("/\0", 2)) == std::string::npos;
}

std::string UniqueOutputName(const std::string& folder, const std::string& fileName,
                             const std::vector<std::string>& heldNames, bool overwrite) {
    const auto dot = fileName.rfind('.');
    const std::string stem = dot == std::string::npos ? fileName : fileName.substr(0, dot);
    const std::string ext = dot == std::string::npos ? std::string() : fileName.substr(dot);
    std::string base = folder;
    if (!base.empty() && base.back() != '/') base += '/';
    auto taken = [&](const std::string& name) {
        if (std::find(heldNames.begin(), heldNames.end(), name) != heldNames.end()) return true;
        std::error_code error;
        return !overwrite && std::filesystem::exists(base + name, error);
    };
    if (!taken(fileName)) return fileName;
    for (long n = 1;; ++n) {
        const std::string candidate = stem + "_" + std::to_string(n) + ext;
        if (!taken(candidate)) return candidate;
    }
}
