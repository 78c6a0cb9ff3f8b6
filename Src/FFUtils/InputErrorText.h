#pragma once
#include <string>

// Why a file could not be opened as media, in words, after its name: "<file>: is a folder, not a
// media file", "<file>: permission denied", "<file>: the file is empty, not a media file",
// "<file>: not a media file", else the library's text of the code (ErrorToText). The file
// itself is looked at, since the libraries give a folder or a locked file only as an error
// number.
std::string InputErrorText(const std::string& fileName, int code);
