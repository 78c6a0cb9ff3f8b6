#include "lib/skindata/bszlibcompress.h"

#include "platform/rtl/TMemoryStream.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

std::vector<std::uint8_t> Sample(std::size_t size, unsigned seed) {
    // Half noise, half repeating text, so the data compresses but not to nothing.
    std::mt19937 random(seed);
    std::vector<std::uint8_t> data(size);
    for (std::size_t i = 0; i < size; ++i)
        data[i] = (i / 64) % 2 ? std::uint8_t(random()) : std::uint8_t("skin"[i % 4]);
    return data;
}

TMemoryStream StreamOf(const std::vector<std::uint8_t>& bytes) {
    TMemoryStream stream;
    if (!bytes.empty()) stream.WriteBuffer(bytes.data(), std::int64_t(bytes.size()));
    stream.SetPosition(0);
    return stream;
}

std::vector<std::uint8_t> BytesOf(TMemoryStream& stream) {
    return { stream.Memory(), stream.Memory() + stream.ByteCount() };
}

std::vector<std::uint8_t> Deflate(const std::vector<std::uint8_t>& data) {
    TMemoryStream source = StreamOf(data);
    TMemoryStream dest;
    CompressSkinStream(source, dest);
    return BytesOf(dest);
}

void ExpectMessage(const std::function<void()>& call, const std::string& message) {
    try {
        call();
        ADD_FAILURE() << "no exception, expected " << message;
    } catch (const EZlibError& e) {
        EXPECT_EQ(e.Message(), message);
    }
}

} // namespace

TEST(ZlibStreams, WholeStreamsRoundTripAtLevelNine) {
    for (const std::size_t size : { std::size_t(0), std::size_t(1), std::size_t(8191),
                                    std::size_t(8192), std::size_t(300000) }) {
        const auto data = Sample(size, unsigned(size));
        const auto packed = Deflate(data);
        ASSERT_GE(packed.size(), 2u);
        EXPECT_EQ(packed[0], 0x78) << size;
        EXPECT_EQ(packed[1], 0xDA) << size;
        TMemoryStream source = StreamOf(packed);
        TMemoryStream out;
        DecompressSkinStream(out, source);
        EXPECT_EQ(BytesOf(out), data) << size;
    }
}

TEST(ZlibStreams, DeflaterCountsWhatItTookAndRefusesOtherOperations) {
    TMemoryStream dest;
    TCompressionStream compressor(TCompressionLevel::clMax, dest);
    const auto data = Sample(100, 1);
    compressor.Write(data.data(), 100);
    EXPECT_EQ(compressor.Seek(0, soFromCurrent), 100);
    ExpectMessage([&] { compressor.Seek(1, soFromCurrent); }, "Invalid stream operation");
    ExpectMessage([&] { compressor.Seek(0, soFromBeginning); }, "Invalid stream operation");
    std::uint8_t byte;
    ExpectMessage([&] { compressor.Read(&byte, 1); }, "Invalid stream operation");
}

TEST(ZlibStreams, DeflaterWritesFullBuffersWithProgressAndAtTheKeptPosition) {
    TMemoryStream dest;
    dest.WriteBuffer("head", 4);
    const auto data = Sample(200000, 7);
    int progress = 0;
    float rate = 0;
    {
        TCompressionStream compressor(TCompressionLevel::clFastest, dest);
        compressor.OnProgress = [&](TCustomZlibStream*) { ++progress; };
        // Someone else moving the destination does not displace the zlib stream.
        compressor.Write(data.data(), 100000);
        dest.SetPosition(0);
        compressor.Write(data.data() + 100000, 100000);
        compressor.Finish();
        rate = compressor.CompressionRate();
    }
    EXPECT_GT(progress, 0);
    EXPECT_EQ(progress, int((dest.Size() - 4) / TCustomZlibStream::BufferSize));
    EXPECT_GT(rate, 0.0f);
    EXPECT_LT(rate, 100.0f);
    ASSERT_EQ(std::string(reinterpret_cast<const char*>(dest.Memory()), 4), "head");
    std::vector<std::uint8_t> packed(dest.Memory() + 4, dest.Memory() + dest.ByteCount());
    TMemoryStream source = StreamOf(packed);
    TMemoryStream out;
    DecompressSkinStream(out, source);
    EXPECT_EQ(BytesOf(out), data);
}

TEST(ZlibStreams, InflaterReadsShortAtTheEndThenNothing) {
    const auto data = Sample(5000, 2);
    TMemoryStream source = StreamOf(Deflate(data));
    TDecompressionStream inflater(source);
    std::vector<std::uint8_t> buffer(8000);
    EXPECT_EQ(inflater.Read(buffer.data(), 3000), 3000);
    EXPECT_EQ(inflater.Read(buffer.data(), 3000), 2000);
    EXPECT_TRUE(inflater.StreamEnded());
    EXPECT_EQ(inflater.Read(buffer.data(), 3000), 0);
    ExpectMessage([&] { inflater.Write(buffer.data(), 1); }, "Invalid stream operation");
}

TEST(ZlibStreams, InflaterSeeksForwardAndStartsOver) {
    const auto data = Sample(40000, 3);
    TMemoryStream source = StreamOf(Deflate(data));
    TDecompressionStream inflater(source);
    std::uint8_t byte = 0;
    EXPECT_EQ(inflater.Seek(20000, soFromCurrent), 20000);
    ASSERT_EQ(inflater.Read(&byte, 1), 1);
    EXPECT_EQ(byte, data[20000]);
    EXPECT_EQ(inflater.Seek(30000, soFromBeginning), 30000);
    ASSERT_EQ(inflater.Read(&byte, 1), 1);
    EXPECT_EQ(byte, data[30000]);
    ExpectMessage([&] { inflater.Seek(10, soFromBeginning); }, "Invalid stream operation");
    ExpectMessage([&] { inflater.Seek(-1, soFromCurrent); }, "Invalid stream operation");
    ExpectMessage([&] { inflater.Seek(0, soFromEnd); }, "Invalid stream operation");
    EXPECT_EQ(inflater.Seek(0, soFromBeginning), 0);
    ASSERT_EQ(inflater.Read(&byte, 1), 1);
    EXPECT_EQ(byte, data[0]);
}

TEST(ZlibStreams, DamagedStreamsAreRefused) {
    const auto good = Deflate(Sample(20000, 4));
    struct Case {
        const char* Name;
        std::vector<std::uint8_t> Bytes;
    };
    auto cut = good;
    cut.resize(good.size() / 2);
    auto noChecksum = good;
    noChecksum.resize(good.size() - 4);
    auto badChecksum = good;
    badChecksum.back() ^= 0xFF;
    const Case kCases[] = {
        { "cut in half", cut },
        { "checksum missing", noChecksum },
        { "checksum wrong", badChecksum },
        { "not zlib", { 'h', 'e', 'l', 'l', 'o' } },
        { "empty", {} },
        // A header asking for a preset dictionary: inflate would wait for it forever.
        { "preset dictionary", { 0x78, 0xF9, 0, 0, 0, 1, 0x03, 0x00 } },
    };
    for (const auto& c : kCases) {
        TMemoryStream source = StreamOf(c.Bytes);
        TMemoryStream out;
        ExpectMessage([&] { DecompressSkinStream(out, source); }, "compression error");
    }
}

TEST(ZlibStreams, InflatingBeyondTheLimitIsRefused) {
    const std::vector<std::uint8_t> zeros(1 << 20, 0);
    TMemoryStream source = StreamOf(Deflate(zeros));
    TMemoryStream out;
    ExpectMessage([&] { DecompressSkinStream(out, source, 4096 * 10); }, "compression error");
    EXPECT_LE(out.Size(), 4096 * 10);
}
