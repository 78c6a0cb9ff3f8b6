#pragma once
#include <cstdint>
#include <string>

// The file's size in bytes; -1 when there is no such file (a folder is no file).
std::int64_t FileSizeByName(const std::string& fileName);

// The folder of the running program, ending in '/'. Tests may put another folder in its place;
// an empty text returns to the program's own.
std::string ExePath();
void SetExePath(const std::string& folder);
