#pragma once
// A form description that cannot be read raises EReadError, the streams' own reading error:
// its message names the file, the line and, where one is concerned, the property.
#include "platform/rtl/TStream.h"
