#pragma once
#include "platform/rtl/TMemIniFile.h"

#include <memory>
#include <string>
#include <vector>

// An in-memory ini holding the given text.
std::unique_ptr<TMemIniFile> MakeIni(const std::string& text);

// The section's key=value lines in file order, values as the ini reads them back.
std::vector<std::string> SectionLines(const TCustomIniFile& ini, const std::string& section);
