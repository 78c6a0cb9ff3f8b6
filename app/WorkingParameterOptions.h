#pragma once
#include "Src/FFmpegTasks/OptionRecords.h"
#include "app/FormatParameters.h"

// The output options a file is converted with: base with every working field that holds a
// value written over it; an empty text, "AUTO" and the not-set audio bit rates leave base's
// option as it is. The no-video flag, the norm, the volume, the video tag (which libx264 does
// not take) and the video bit rate are always written; the not-set video bit rate writes the
// reset value, so that no video bit rate applies. Raises EConvertError for a channel,
// sample-rate or volume text that is not a whole number, before anything is returned.
TOutputOptions OutputOptionsOf(const TWorkingParameters& fields, TOutputOptions base);
// The same over a reset record: what the media engine gets for a file being added.
TOutputOptions OutputOptionsOf(const TWorkingParameters& fields);

// The disc target and television norm that a parameter text names: "vcd", "svcd", "dvd" and
// "PAL", "NTSC"; any other text leaves the choice to the media engine.
TOptionTargetType TargetTypeOf(const std::string& text);
TOptionNormType NormTypeOf(const std::string& text);
