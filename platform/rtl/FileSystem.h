#pragma once
#include <cstdint>
#include <string>

// Questions and changes on the file system by UTF-8 name. Failures are reported by the result,
// as the callers expect, never by an exception.

// True for a regular file (after following links); a folder is not a file.
bool FileExists(const std::string& fileName);
bool DirectoryExists(const std::string& folder);
// The size in bytes of a regular file; -1 when there is none of that name.
std::int64_t FileSize(const std::string& fileName);

// Creates the folder and every missing folder above it. True when the folder exists afterwards.
bool ForceDirectories(const std::string& folder);
bool CreateDir(const std::string& folder);
// Removes an empty folder.
bool RemoveDir(const std::string& folder);
// Removes a file; a folder is refused.
bool DeleteFile(const std::string& fileName);
// Renames or moves a file or folder; refuses to replace an existing target.
bool RenameFile(const std::string& oldName, const std::string& newName);

// The running program's file (from /proc/self/exe) and its folder, ending in '/'.
std::string ProgramFileName();
std::string ProgramFolder();
// The user's home folder ($HOME, else the password database), ending in '/'.
std::string HomeFolder();
// The folder for temporary files ($TMPDIR when it names a folder, else /tmp), ending in '/'.
std::string TempFolder();
// Creates a new private folder (mode 0700) under TempFolder() whose name starts with prefix;
// returns its name ending in '/', or "" on failure.
std::string CreateTempFolder(const std::string& prefix);

// Makes a write past the process's file-size limit (ulimit -f) fail with EFBIG, as a write to a
// full disk fails with ENOSPC, instead of ending the process with SIGXFSZ before anything can
// be reported. Affects the whole process; calling it again does nothing more.
void LetFileSizeLimitFailWrites();
