#pragma once
#include "platform/rtl/Exception.h"

// A form description could not be read; the message names the file, the line and, where one
// is concerned, the property.
class EReadError : public Exception {
public:
    using Exception::Exception;
};
