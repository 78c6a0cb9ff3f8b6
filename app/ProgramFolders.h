#pragma once
#include <string>

// Where the program is and where it keeps its default output and snapshot folders.

// Names a folder that replaces the home folder as the root of the default output and snapshot
// folders.
constexpr const char* kDataRootVariable = "VOBCONV_DATA_ROOT";

// "<home>/苇川视频软件/输出" and ".../快照", without a trailing '/'.
std::string DefaultOutputFolder();
std::string DefaultSnapshotFolder();
// The program's folder, ending in '/'.
std::string ProgramPath();
