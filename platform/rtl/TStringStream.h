#pragma once
#include "platform/rtl/TMemoryStream.h"

#include <string>

// A memory stream whose bytes are read and written as text.
class TStringStream : public TMemoryStream {
public:
    TStringStream() = default;
    // Starts with the given text at position 0.
    explicit TStringStream(const std::string& text);

    std::string DataString() const;
};
