#pragma once
#include <string>

// Name rules of the open and save dialogs. Masks are a filter's mask text ("*.avi;*.mpg").

// The extension (with its dot) a filter gives names typed without one: none for a mask with
// ".*", else the extension of its first pattern.
std::string FilterMaskExtension(const std::string& mask);

// A name to save under, completed once: when it has no extension, the filter's, else
// ".defaultExt" when one is set.
std::string CompletedSaveName(const std::string& name, const std::string& mask,
                              const std::string& defaultExt);

// The typed name after a change of filter in save mode: its extension replaced by the filter's
// (or the filter's appended); unchanged when the filter gives none or nothing is typed.
std::string NameForFilter(const std::string& typed, const std::string& mask);

// The name of the count-th new folder: base, then "base(2)", "base(3)"...
std::string NewFolderName(const std::string& base, int count);
