#include "platform/rtl/TMemoryStream.h"

#include "platform/rtl/TFileStream.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <stdexcept>

std::int64_t TMemoryStream::Read(void* buffer, std::int64_t count) {
    const std::int64_t size = Size();
    if (count <= 0 || FPosition >= size) return 0;
    const std::int64_t n = std::min(count, size - FPosition);
    std::memcpy(buffer, FData.data() + FPosition, std::size_t(n));
    FPosition += n;
    return n;
}

std::int64_t TMemoryStream::Write(const void* buffer, std::int64_t count) {
    if (count <= 0) return 0;
    std::int64_t end = 0;
    if (__builtin_add_overflow(FPosition, count, &end))
        throw EStreamError("Out of memory while expanding memory stream");
    if (end > Size()) Grow(end);
    std::memcpy(FData.data() + FPosition, buffer, std::size_t(count));
    FPosition = end;
    return count;
}

std::int64_t TMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin) {
    std::int64_t base = 0;
    switch (origin) {
    case soBeginning:
        base = 0;
        break;
    case soCurrent:
        base = FPosition;
        break;
    case soEnd:
        base = Size();
        break;
    }
    std::int64_t target = 0;
    if (__builtin_add_overflow(base, offset, &target) || target < 0) return -1;
    FPosition = target;
    return FPosition;
}

void TMemoryStream::SetSize(std::int64_t newSize) {
    if (newSize < 0) throw EStreamError("Stream write error");
    Grow(newSize);
    FPosition = std::min(FPosition, newSize);
}

void TMemoryStream::Clear() {
    FData.clear();
    FData.shrink_to_fit();
    FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream& source) {
    source.SetPosition(0);
    const std::int64_t count = source.Size();
    SetSize(count);
    FPosition = 0;
    source.ReadBuffer(FData.data(), count);
}

void TMemoryStream::SaveToStream(TStream& target) const {
    target.WriteBuffer(FData.data(), std::int64_t(FData.size()));
}

void TMemoryStream::LoadFromFile(const std::string& fileName) {
    TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(file);
}

void TMemoryStream::SaveToFile(const std::string& fileName) const {
    TFileStream file(fileName, fmCreate);
    SaveToStream(file);
}

void TMemoryStream::Grow(std::int64_t newSize) {
    try {
        if (std::uint64_t(newSize) > std::uint64_t(FData.max_size())) throw std::length_error("");
        FData.resize(std::size_t(newSize));
    } catch (const std::bad_alloc&) {
        throw EStreamError("Out of memory while expanding memory stream");
    } catch (const std::length_error&) {
        throw EStreamError("Out of memory while expanding memory stream");
    }
}
