#pragma once
#include "platform/shell/ShellItemId.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The components of a path with empty parts and "." dropped and ".." taking away the one
// before it. Above the root of an absolute path ".." stays at the root; above the start of a
// relative one it is an error (none).
std::optional<std::vector<std::string>> NormalisedComponents(std::string_view path);

// The entries that components name one below the other, starting in folder; each must exist
// and each but the last must be a folder once links are followed. A link keeps its own name:
// the list follows the path as written.
std::optional<TItemIdList> EntriesBelow(const std::string& folder,
                                        const std::vector<std::string>& components);

// folder + "/" + name, without doubling the '/' of the root.
std::string JoinPath(const std::string& folder, const std::string& name);

// The whole content of a file; "" when it cannot be read.
std::string ReadFileText(const std::string& fileName);

// A name as text to show: a byte run that is not UTF-8 shows as U+FFFD.
std::string DisplayText(std::string_view bytes);
// Whether DisplayText gives bytes back as they stand (plain ASCII), so that a caller may read
// them in place.
bool ShowsAsStored(std::string_view bytes);
