#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The inputs kept for a fuzz target of fuzz/: its seeds (corpus/<target>/) and the reproducers
// of its past findings (regressions/<target>/), so that the suite replays them with the
// ordinary compiler and a fault once found stays fixed.
struct TFuzzInput {
    std::string Name; // "corpus/png/grey.png"
    std::vector<std::uint8_t> Bytes;
};

std::vector<TFuzzInput> FuzzInputs(const std::string& target);
// Only the reproducers of past findings.
std::vector<TFuzzInput> FuzzRegressions(const std::string& target);
