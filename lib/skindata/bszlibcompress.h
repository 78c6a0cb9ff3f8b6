#pragma once
#include "platform/rtl/TStream.h"

#include <zlib.h>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

// Stream adapters over zlib: TCompressionStream deflates what is written to it into a
// destination stream, TDecompressionStream inflates a source stream as it is read. Both move
// data through an 8192-byte buffer and fire OnProgress after each full buffer.

class EZlibError : public Exception {
public:
    using Exception::Exception;
};
class ECompressionError : public EZlibError {
public:
    using EZlibError::EZlibError;
};
class EDecompressionError : public EZlibError {
public:
    using EZlibError::EZlibError;
};

// Scoped: clNone and clDefault are also colours.
enum class TCompressionLevel { clNone, clFastest, clDefault, clMax };

class TCustomZlibStream : public TStream {
public:
    static constexpr int BufferSize = 8192;

    ~TCustomZlibStream() override;

    // Neither adapter can be resized.
    void SetSize(std::int64_t newSize) override;

    std::function<void(TCustomZlibStream* sender)> OnProgress;

protected:
    explicit TCustomZlibStream(TStream& strm);
    void Progress();

    TStream& FStrm;
    std::int64_t FStrmPos{ 0 };
    z_stream FZRec{};
    std::array<std::uint8_t, BufferSize> FBuffer{};
};

class TCompressionStream : public TCustomZlibStream {
public:
    TCompressionStream(TCompressionLevel compressionLevel, TStream& dest);
    // Finishes the zlib stream when Finish was not called; a write error is then lost, so
    // callers that must know call Finish themselves.
    ~TCompressionStream() override;

    // Deflates what is pending, writes the zlib stream's end into the destination and ends
    // deflate. Later writes are refused; a second call does nothing.
    void Finish();

    std::int64_t Read(void* buffer, std::int64_t count) override;
    std::int64_t Write(const void* buffer, std::int64_t count) override;
    // Only Seek(0, soCurrent) is allowed: the number of bytes taken so far.
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;

    // (1 - bytes out / bytes in) x 100; 0 before anything was written.
    float CompressionRate() const;

private:
    void FlushBuffer(std::size_t count);
    void RestorePosition();

    bool FFinished{ false };
};

class TDecompressionStream : public TCustomZlibStream {
public:
    explicit TDecompressionStream(TStream& source);
    ~TDecompressionStream() override;

    // A read past the end of the zlib stream, or past the end of the source, is short.
    std::int64_t Read(void* buffer, std::int64_t count) override;
    std::int64_t Write(const void* buffer, std::int64_t count) override;
    // Seek(0, soBeginning) starts over; forward seeks read and drop; others are refused.
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;

    // True once the zlib stream's end (with its checksum) has been read: a short read before
    // that means the source was cut off.
    bool StreamEnded() const { return FStreamEnded; }

private:
    std::int64_t Skip(std::int64_t count);

    std::int64_t FStartPos{ 0 };
    bool FStreamEnded{ false };
};

// Rewinds source and deflates all of it at TCompressionLevel::clMax into dest.
void CompressSkinStream(TStream& source, TStream& dest);
// Rewinds source and appends everything it inflates to into dest. A zlib stream cut off before
// its end, or one inflating to more than maxBytes, raises EDecompressionError.
void DecompressSkinStream(TStream& dest, TStream& source,
                          std::int64_t maxBytes = std::int64_t(1) << 62);
