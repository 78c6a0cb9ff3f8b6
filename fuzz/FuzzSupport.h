#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

// What the fuzz targets share: the input as a span, and a private folder for the readers that
// take a file name. The folder is made on first use and removed when the program ends.
namespace fuzz {

inline std::span<const std::uint8_t> Bytes(const std::uint8_t* data, std::size_t size) {
    return { data, size };
}

// The private folder, with a trailing separator.
const std::string& ScratchFolder();
// Writes the bytes into the private folder under name; returns the file's path.
std::string WriteScratchFile(const std::string& name, std::span<const std::uint8_t> bytes);

} // namespace fuzz
