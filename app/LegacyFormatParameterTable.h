#pragma once
#include "app/FormatParameters.h"

#include <optional>
#include <string_view>

// The settings window's parameter table: what each format of its own catalogue writes into the
// working fields. Unlike the main window's, a row writes over the fields as they stand, without
// a reset first: whatever a row does not name keeps its earlier value.

// Writes the row of code into fields and gives the extension the output name takes (with its
// dot); a code without a row changes nothing and gives no value.
std::optional<std::string_view> ApplyLegacyFormatParameters(int code, TWorkingParameters& fields);
