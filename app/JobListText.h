#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Texts of the job list's cells and the names of its output files.

// Seconds as "hh:mm:ss"; hours wrap at 24, so 90061 gives "01:01:01".
std::string SecToDate(std::int64_t sec);
// A byte count in megabytes to the nearest hundredth (halves to even), shortest form, "."
// whatever the locale, followed by "MB": 1572864 gives "1.5MB".
std::string MegabyteText(std::int64_t bytes);
// The whole percentage of current in total followed by "%", or "N/A" without a total.
std::string PercentText(std::int64_t current, std::int64_t total);

// Whether name can be an output file name inside the output folder: not empty, no folder
// separator, not "." or "..", no NUL.
bool ValidOutputName(const std::string& name);
// fileName inside folder, made unique: when that name is held by another job row, or a file of
// that name exists and overwrite is off, the smallest N >= 1 gives stem + "_" + N + ext that is
// neither held nor (without overwrite) on disk. Returns the file name only.
std::string UniqueOutputName(const std::string& folder, const std::string& fileName,
                             const std::vector<std::string>& heldNames, bool overwrite);
