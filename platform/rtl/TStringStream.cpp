#include "platform/rtl/TStringStream.h"

TStringStream::TStringStream(const std::string& text) {
    WriteBuffer(text.data(), std::int64_t(text.size()));
    SetPosition(0);
}

std::string TStringStream::DataString() const {
    return std::string(reinterpret_cast<const char*>(Memory()), ByteCount());
}
