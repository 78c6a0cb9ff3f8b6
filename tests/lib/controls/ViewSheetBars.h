#pragma once
#include "ControlSheet.h"

#include <string>

// The job list's look on the control sheet: a report view with its vertical skin bar at the
// right and the horizontal one below, reaching under the vertical one into the corner, made
// as one control. Its own check: the header's sections take the corners of the button
// record's face (the plain frame without one).
TSheetRow ReportWithBarsSheetRow(const std::string& label);
