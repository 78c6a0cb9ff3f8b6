#include "lib/skindata/bszlibcompress.h"

#include <algorithm>
#include <climits>
#include <vector>

namespace {

const char* const kInvalidOperation = "Invalid stream operation";

int ZlibLevel(TCompressionLevel level) {
    switch (level) {
    case TCompressionLevel::clNone:
        return Z_NO_COMPRESSION;
    case TCompressionLevel::clFastest:
        return Z_BEST_SPEED;
    case TCompressionLevel::clDefault:
        return Z_DEFAULT_COMPRESSION;
    case TCompressionLevel::clMax:
        return Z_BEST_COMPRESSION;
    }
    return Z_DEFAULT_COMPRESSION;
}

int CheckDeflateResult(int code) {
    if (code < 0) throw ECompressionError("error");
    return code;
}

int CheckInflateResult(int code) {
    if (code < 0) throw EDecompressionError("compression error");
    return code;
}

// zlib counts in 32-bit units; larger requests go through in pieces.
uInt Piece(std::int64_t count) {
    return uInt(std::min<std::int64_t>(count, std::int64_t(UINT_MAX)));
}

} // namespace

TCustomZlibStream::TCustomZlibStream(TStream& strm) : FStrm(strm), FStrmPos(strm.Position()) {}

TCustomZlibStream::~TCustomZlibStream() = default;

void TCustomZlibStream::SetSize(std::int64_t) {
    throw EZlibError(kInvalidOperation);
}

void TCustomZlibStream::Progress() {
    if (OnProgress) OnProgress(this);
}

// ---------------------------------------------------------------------------------------------

TCompressionStream::TCompressionStream(TCompressionLevel compressionLevel, TStream& dest)
    : TCustomZlibStream(dest) {
    FZRec.next_out = FBuffer.data();
    FZRec.avail_out = BufferSize;
    CheckDeflateResult(deflateInit(&FZRec, ZlibLevel(compressionLevel)));
}

TCompressionStream::~TCompressionStream() {
    try {
        Finish();
    } catch (...) {
        // A destructor cannot report; Finish was the place to hear about it.
    }
}

void TCompressionStream::RestorePosition() {
    if (FStrm.Position() != FStrmPos) FStrm.SetPosition(FStrmPos);
}

void TCompressionStream::FlushBuffer(std::size_t count) {
    FStrm.WriteBuffer(FBuffer.data(), std::int64_t(count));
    FStrmPos = FStrm.Position();
    FZRec.next_out = FBuffer.data();
    FZRec.avail_out = BufferSize;
}

std::int64_t TCompressionStream::Read(void*, std::int64_t) {
    throw ECompressionError(kInvalidOperation);
}

std::int64_t TCompressionStream::Write(const void* buffer, std::int64_t count) {
    if (FFinished) throw ECompressionError(kInvalidOperation);
    if (count <= 0) return 0;
    RestorePosition();
    auto* next = static_cast<const Bytef*>(buffer);
    std::int64_t left = count;
    while (left > 0) {
        const uInt piece = Piece(left);
        FZRec.next_in = const_cast<Bytef*>(next);
        FZRec.avail_in = piece;
        while (FZRec.avail_in > 0) {
            CheckDeflateResult(deflate(&FZRec, Z_NO_FLUSH));
            if (FZRec.avail_out == 0) {
                FlushBuffer(BufferSize);
                Progress();
            }
        }
        next += piece;
        left -= piece;
    }
    return count;
}

std::int64_t TCompressionStream::Seek(std::int64_t offset, TSeekOrigin origin) {
    if (offset == 0 && origin == soCurrent) return std::int64_t(FZRec.total_in);
    throw ECompressionError(kInvalidOperation);
}

void TCompressionStream::Finish() {
    if (FFinished) return;
    // deflateEnd runs whatever happens below, so a failed write leaks nothing.
    struct TEnd {
        TCompressionStream& Self;
        ~TEnd() {
            deflateEnd(&Self.FZRec);
            Self.FFinished = true;
        }
    } end{ *this };
    RestorePosition();
    FZRec.next_in = nullptr;
    FZRec.avail_in = 0;
    while (CheckDeflateResult(deflate(&FZRec, Z_FINISH)) != Z_STREAM_END && FZRec.avail_out == 0)
        FlushBuffer(BufferSize);
    if (FZRec.avail_out < uInt(BufferSize)) FlushBuffer(BufferSize - FZRec.avail_out);
}

float TCompressionStream::CompressionRate() const {
    if (FZRec.total_in == 0) return 0.0f;
    return (1.0f - float(FZRec.total_out) / float(FZRec.total_in)) * 100.0f;
}

// ---------------------------------------------------------------------------------------------

TDecompressionStream::TDecompressionStream(TStream& source)
    : TCustomZlibStream(source), FStartPos(FStrmPos) {
    FZRec.next_in = FBuffer.data();
    FZRec.avail_in = 0;
    CheckInflateResult(inflateInit(&FZRec));
}

TDecompressionStream::~TDecompressionStream() {
    inflateEnd(&FZRec);
}

std::int64_t TDecompressionStream::Read(void* buffer, std::int64_t count) {
    if (count <= 0) return 0;
    auto* out = static_cast<Bytef*>(buffer);
    std::int64_t produced = 0;
    while (produced < count && !FStreamEnded) {
        if (FZRec.avail_in == 0) {
            if (FStrm.Position() != FStrmPos) FStrm.SetPosition(FStrmPos);
            const std::int64_t got = FStrm.Read(FBuffer.data(), BufferSize);
            if (got <= 0) break;
            FStrmPos = FStrm.Position();
            FZRec.next_in = FBuffer.data();
            FZRec.avail_in = uInt(got);
            Progress();
        }
        const uInt piece = Piece(count - produced);
        FZRec.next_out = out + produced;
        FZRec.avail_out = piece;
        const int code = CheckInflateResult(inflate(&FZRec, Z_NO_FLUSH));
        produced += piece - FZRec.avail_out;
        if (code == Z_STREAM_END) FStreamEnded = true;
        // A stream asking for a preset dictionary would make no progress ever: no skin has one.
        if (code == Z_NEED_DICT) throw EDecompressionError("compression error");
    }
    return produced;
}

std::int64_t TDecompressionStream::Write(const void*, std::int64_t) {
    throw EDecompressionError(kInvalidOperation);
}

std::int64_t TDecompressionStream::Skip(std::int64_t count) {
    std::vector<std::uint8_t> sink(BufferSize);
    while (count > 0) {
        const std::int64_t got = Read(sink.data(), std::min<std::int64_t>(count, BufferSize));
        if (got == 0) break;
        count -= got;
    }
    return std::int64_t(FZRec.total_out);
}

std::int64_t TDecompressionStream::Seek(std::int64_t offset, TSeekOrigin origin) {
    const auto produced = std::int64_t(FZRec.total_out);
    if (offset == 0 && origin == soBeginning) {
        CheckInflateResult(inflateReset(&FZRec));
        FZRec.next_in = FBuffer.data();
        FZRec.avail_in = 0;
        FStreamEnded = false;
        FStrm.SetPosition(FStartPos);
        FStrmPos = FStartPos;
        return 0;
    }
    if (origin == soCurrent && offset >= 0) return Skip(offset);
    if (origin == soBeginning && offset >= produced) return Skip(offset - produced);
    throw EDecompressionError(kInvalidOperation);
}

// ---------------------------------------------------------------------------------------------

void CompressSkinStream(TStream& source, TStream& dest) {
    source.SetPosition(0);
    TCompressionStream compressor(TCompressionLevel::clMax, dest);
    std::vector<std::uint8_t> buffer(4096);
    for (;;) {
        const std::int64_t got = source.Read(buffer.data(), std::int64_t(buffer.size()));
        if (got <= 0) break;
        compressor.Write(buffer.data(), got);
    }
    compressor.Finish();
}

void DecompressSkinStream(TStream& dest, TStream& source, std::int64_t maxBytes) {
    source.SetPosition(0);
    TDecompressionStream inflater(source);
    std::vector<std::uint8_t> buffer(4096);
    std::int64_t total = 0;
    for (;;) {
        const std::int64_t got = inflater.Read(buffer.data(), std::int64_t(buffer.size()));
        if (got == 0) break;
        total += got;
        if (total > maxBytes) throw EDecompressionError("compression error");
        dest.WriteBuffer(buffer.data(), got);
    }
    if (!inflater.StreamEnded()) throw EDecompressionError("compression error");
}
