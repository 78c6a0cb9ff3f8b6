#pragma once
#include "platform/rtl/Exception.h"

// What every failure of the transcoder raises; the conversion turns it into the task's
// exception flag and message.
class FFmpegException : public Exception {
public:
    using Exception::Exception;
};
