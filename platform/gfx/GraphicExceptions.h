#pragma once
#include "platform/rtl/Exception.h"

// A picture file or stream that cannot be read as the graphic class expects.
class EInvalidGraphic : public Exception {
public:
    using Exception::Exception;
};

// An operation a graphic cannot do in its present state (a scan line outside the bitmap ...).
class EInvalidGraphicOperation : public Exception {
public:
    using Exception::Exception;
};
