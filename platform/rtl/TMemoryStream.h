#pragma once
#include "platform/rtl/TStream.h"

#include <cstdint>
#include <string>
#include <vector>

// A stream over a growable block of memory. Writing past the end grows it; a gap left by
// seeking past the end and writing there reads back as zeros.
class TMemoryStream : public TStream {
public:
    std::int64_t Read(void* buffer, std::int64_t count) override;
    std::int64_t Write(const void* buffer, std::int64_t count) override;
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
    std::int64_t Size() override { return std::int64_t(FData.size()); }
    // Keeps the content up to the new size; a position past the new end moves to the end.
    void SetSize(std::int64_t newSize) override;

    std::uint8_t* Memory() { return FData.data(); }
    const std::uint8_t* Memory() const { return FData.data(); }
    std::size_t ByteCount() const { return FData.size(); }
    void Clear();

    // Replaces the content with the whole of source (read from its start); position 0.
    void LoadFromStream(TStream& source);
    // Writes the whole content at target's position.
    void SaveToStream(TStream& target) const;
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName) const;

private:
    void Grow(std::int64_t newSize);

    std::vector<std::uint8_t> FData;
    std::int64_t FPosition{ 0 };
};
