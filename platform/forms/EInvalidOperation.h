#pragma once
#include "platform/rtl/Exception.h"

// A component could not do what was asked in its state.
class EInvalidOperation : public Exception {
public:
    using Exception::Exception;
};
