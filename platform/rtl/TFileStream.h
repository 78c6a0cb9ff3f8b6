#pragma once
#include "platform/rtl/TStream.h"

#include <cstdint>
#include <string>

// Open modes. The share flags are accepted for the callers' sake and ignored: POSIX files have
// no share modes.
enum : unsigned {
    fmOpenRead = 0x0000,
    fmOpenWrite = 0x0001,
    fmOpenReadWrite = 0x0002,
    fmShareCompat = 0x0000,
    fmShareExclusive = 0x0010,
    fmShareDenyWrite = 0x0020,
    fmShareDenyRead = 0x0030,
    fmShareDenyNone = 0x0040,
    // Creates the file, or empties an existing one, open for reading and writing.
    fmCreate = 0xFF00,
};

// A stream over a file on disk, by its UTF-8 name. Folders cannot be opened.
class TFileStream : public TStream {
public:
    TFileStream(const std::string& fileName, unsigned mode);
    ~TFileStream() override;
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;

    std::int64_t Read(void* buffer, std::int64_t count) override;
    std::int64_t Write(const void* buffer, std::int64_t count) override;
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
    std::int64_t Size() override;
    // Cuts or extends the file (extension reads as zeros, sparse where the file system allows);
    // a position past the new end moves to the end.
    void SetSize(std::int64_t newSize) override;

    const std::string& FileName() const { return FFileName; }
    int Handle() const { return FHandle; }

private:
    std::string FFileName;
    int FHandle{ -1 };
};
