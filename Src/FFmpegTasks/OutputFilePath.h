#pragma once
#include <string>

// The file an output name makes the libraries write, as an absolute path with links and "."
// and ".." resolved, so that two spellings of one file compare equal. Empty for a name that a
// protocol of the libraries takes (a pipe, a network address, a stream) and for an existing
// file that is not a regular one (a device such as /dev/null takes any number of writers).
std::string ResolvedOutputPath(const std::string& fileName);
