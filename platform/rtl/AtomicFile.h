#pragma once
#include <string>
#include <string_view>

// Replaces the file's content so that a crash at any moment leaves either the old or the new
// content, never a mix: the bytes go to a temporary file in the same folder, are flushed to
// disk, and the temporary file is renamed over the old one. A new file gets the usual
// permissions (0666 less the umask); an existing one keeps its own. A symbolic link is followed
// and its target replaced. Returns false with the system's reason in errorText on failure; the
// old file is then untouched and no temporary file is left behind.
bool SaveFileAtomically(const std::string& fileName, std::string_view contents,
                        std::string& errorText);
