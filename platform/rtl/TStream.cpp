#include "platform/rtl/TStream.h"

#include <algorithm>
#include <vector>

std::int64_t TStream::Size() {
    const std::int64_t here = Seek(0, soCurrent);
    const std::int64_t end = Seek(0, soEnd);
    Seek(here, soBeginning);
    return end;
}

void TStream::SetPosition(std::int64_t position) {
    if (Seek(position, soBeginning) < 0) throw EStreamError("Stream seek error");
}

void TStream::ReadBuffer(void* buffer, std::int64_t count) {
    if (count != 0 && Read(buffer, count) != count) throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* buffer, std::int64_t count) {
    if (count != 0 && Write(buffer, count) != count) throw EWriteError("Stream write error");
}

std::int64_t TStream::CopyFrom(TStream& source, std::int64_t count) {
    if (count == 0) {
        source.SetPosition(0);
        count = source.Size();
    }
    if (count < 0) throw EReadError("Stream read error");
    constexpr std::int64_t kChunk = 64 * 1024;
    std::vector<char> chunk(std::size_t(std::min(count, kChunk)));
    const std::int64_t total = count;
    while (count > 0) {
        const std::int64_t n = std::min(count, kChunk);
        source.ReadBuffer(chunk.data(), n);
        WriteBuffer(chunk.data(), n);
        count -= n;
    }
    return total;
}
