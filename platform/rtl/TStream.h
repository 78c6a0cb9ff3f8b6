#pragma once
#include "platform/rtl/Exception.h"

#include <cstdint>

// Where a seek counts from.
enum TSeekOrigin { soBeginning = 0, soCurrent = 1, soEnd = 2 };
constexpr TSeekOrigin soFromBeginning = soBeginning;
constexpr TSeekOrigin soFromCurrent = soCurrent;
constexpr TSeekOrigin soFromEnd = soEnd;

class EStreamError : public Exception {
public:
    using Exception::Exception;
};
class EReadError : public EStreamError {
public:
    using EStreamError::EStreamError;
};
class EWriteError : public EStreamError {
public:
    using EStreamError::EStreamError;
};
class EFOpenError : public EStreamError {
public:
    using EStreamError::EStreamError;
};
class EFCreateError : public EStreamError {
public:
    using EStreamError::EStreamError;
};

// A sequence of bytes with a 64-bit position. Read and Write move as many bytes as they can
// and return the count (a read past the end is short, not an error; -1 reports an OS failure);
// ReadBuffer and WriteBuffer insist on the whole count.
class TStream {
public:
    virtual ~TStream() = default;

    virtual std::int64_t Read(void* buffer, std::int64_t count) = 0;
    virtual std::int64_t Write(const void* buffer, std::int64_t count) = 0;
    // Returns the new position, or -1 when the target lies before the start (the position
    // then stays where it was).
    virtual std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) = 0;

    virtual std::int64_t Size();
    virtual void SetSize(std::int64_t newSize) = 0;

    std::int64_t Position() { return Seek(0, soCurrent); }
    void SetPosition(std::int64_t position);

    void ReadBuffer(void* buffer, std::int64_t count);
    void WriteBuffer(const void* buffer, std::int64_t count);

    // Copies count bytes from source's position; 0 copies the whole source from its start.
    std::int64_t CopyFrom(TStream& source, std::int64_t count);
};
