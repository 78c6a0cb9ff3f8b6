#pragma once
#include <string>

// Path texts, UTF-8 with '/' between folders. Pure string work except ExpandFileName, which
// reads the current folder for a relative name.
constexpr char PathDelim = '/';

// Everything up to and including the last '/': "/a/b.txt" -> "/a/", "b.txt" -> "".
std::string ExtractFilePath(const std::string& fileName);
// The folder without its trailing '/', except the root itself: "/a/b.txt" -> "/a", "/b" -> "/".
std::string ExtractFileDir(const std::string& fileName);
std::string ExtractFileName(const std::string& fileName);
// From the last '.' of the last segment, dot included; "" when that segment has none.
std::string ExtractFileExt(const std::string& fileName);
// Replaces (or appends) the last segment's extension; extension includes its dot or is empty.
std::string ChangeFileExt(const std::string& fileName, const std::string& extension);

std::string IncludeTrailingPathDelimiter(const std::string& path);
// Drops one trailing '/', but leaves the root "/" as it is.
std::string ExcludeTrailingPathDelimiter(const std::string& path);

// An absolute name with "." and ".." folded and repeated '/' merged; a trailing '/' is kept.
// ".." above the root stays at the root. An empty name stays empty.
std::string ExpandFileName(const std::string& fileName);
