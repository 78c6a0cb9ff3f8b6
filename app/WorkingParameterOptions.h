#pragma once
#include "Src/FFmpegTasks/OptionRecords.h"
#include "app/FormatParameters.h"

// The output options a file is converted with: a reset record with every working field that
// holds a value written into it; an empty text, "AUTO" and the not-set bit rates leave the
// option at its reset value, so that the source's own value or the media engine's choice
// applies. libx264 takes no video tag. Raises EConvertError for a channel, sample-rate or volume
// text that is not a whole number.
TOutputOptions OutputOptionsOf(const TWorkingParameters& fields);

// The disc target and television norm that a parameter text names: "vcd", "svcd", "dvd" and
// "PAL", "NTSC"; any other text leaves the choice to the media engine.
TOptionTargetType TargetTypeOf(const std::string& text);
TOptionNormType NormTypeOf(const std::string& text);
