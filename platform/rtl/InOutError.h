#pragma once
#include "platform/rtl/Exception.h"

// A file or folder operation the system refused: "I/O error <code>", the code the system gave.
class EInOutError : public Exception {
public:
    explicit EInOutError(int errorCode)
        : Exception("I/O error " + std::to_string(errorCode)), ErrorCode(errorCode) {}
    int ErrorCode;
};
