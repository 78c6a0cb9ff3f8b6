#include "tests/main/FuzzInputs.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace {

void AddFolder(std::vector<TFuzzInput>& inputs, const std::string& kind,
               const std::string& target) {
    const fs::path folder = fs::path(VC_TEST_SOURCE_DIR) / ".." / "fuzz" / kind / target;
    std::error_code error;
    if (!fs::is_directory(folder, error)) return;
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.is_regular_file()) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files) {
        std::ifstream in(file, std::ios::binary);
        inputs.push_back({ kind + "/" + target + "/" + file.filename().string(),
                           { std::istreambuf_iterator<char>(in), {} } });
    }
}

} // namespace

std::vector<TFuzzInput> FuzzInputs(const std::string& target) {
    std::vector<TFuzzInput> inputs;
    AddFolder(inputs, "corpus", target);
    AddFolder(inputs, "regressions", target);
    return inputs;
}

std::vector<TFuzzInput> FuzzRegressions(const std::string& target) {
    std::vector<TFuzzInput> inputs;
    AddFolder(inputs, "regressions", target);
    return inputs;
}
