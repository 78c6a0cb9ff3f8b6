#include "platform/rtl/TFileStream.h"
#include "platform/rtl/TMemoryStream.h"
#include "platform/rtl/TStringStream.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

namespace {

std::string ReadAll(TStream& stream) {
    std::string text(std::size_t(stream.Size()), '\0');
    stream.SetPosition(0);
    stream.ReadBuffer(text.data(), std::int64_t(text.size()));
    return text;
}

} // namespace

TEST(MemoryStream, ReadPastTheEndIsShort) {
    TStringStream stream("abcdef");
    stream.SetPosition(4);
    char buffer[8]{};
    EXPECT_EQ(stream.Read(buffer, 8), 2);
    EXPECT_EQ(std::string(buffer, 2), "ef");
    EXPECT_EQ(stream.Read(buffer, 8), 0);
    stream.SetPosition(100);
    EXPECT_EQ(stream.Read(buffer, 8), 0);
}

TEST(MemoryStream, ReadBufferThrowsOnShortRead) {
    TStringStream stream("abc");
    char buffer[4];
    try {
        stream.ReadBuffer(buffer, 4);
        FAIL() << "no exception";
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Message(), "Stream read error");
    }
}

TEST(MemoryStream, SeekFromEachOrigin) {
    struct Case {
        std::int64_t start;
        std::int64_t offset;
        TSeekOrigin origin;
        std::int64_t expected;
    };
    const Case kCases[] = {
        { 5, 3, soFromBeginning, 3 }, { 5, 3, soFromCurrent, 8 },     { 5, -2, soFromEnd, 8 },
        { 5, 0, soFromEnd, 10 },      { 5, 20, soFromBeginning, 20 }, { 5, -6, soFromCurrent, -1 },
        { 5, -11, soFromEnd, -1 },
    };
    for (const auto& c : kCases) {
        TStringStream stream("0123456789");
        stream.SetPosition(c.start);
        EXPECT_EQ(stream.Seek(c.offset, c.origin), c.expected) << c.offset << " " << c.origin;
        // A refused seek leaves the position alone.
        EXPECT_EQ(stream.Position(), c.expected < 0 ? c.start : c.expected);
    }
}

TEST(MemoryStream, WritingPastTheEndFillsTheGapWithZeros) {
    TStringStream stream("ab");
    stream.SetPosition(5);
    stream.WriteBuffer("z", 1);
    EXPECT_EQ(stream.DataString(), std::string("ab\0\0\0z", 6));
    EXPECT_EQ(stream.Position(), 6);
}

TEST(MemoryStream, PositionsBeyondMemoryFailCleanly) {
    constexpr std::int64_t kMax = INT64_MAX;
    TStringStream stream("abc");
    EXPECT_EQ(stream.Seek(kMax, soFromBeginning), kMax);
    EXPECT_EQ(stream.Seek(1, soFromCurrent), -1) << "an overflowing seek is refused";
    EXPECT_THROW(stream.WriteBuffer("x", 1), EStreamError);
    EXPECT_EQ(stream.DataString(), "abc");
}

TEST(MemoryStream, ShrinkingMovesAPositionPastTheEndToTheEnd) {
    TStringStream stream("0123456789");
    stream.SetPosition(8);
    stream.SetSize(4);
    EXPECT_EQ(stream.Position(), 4);
    EXPECT_EQ(stream.DataString(), "0123");
    stream.SetPosition(1);
    stream.SetSize(6);
    EXPECT_EQ(stream.Position(), 1);
    EXPECT_EQ(stream.DataString(), std::string("0123\0\0", 6));
    stream.Clear();
    EXPECT_EQ(stream.Size(), 0);
    EXPECT_EQ(stream.Position(), 0);
}

TEST(MemoryStream, CopyFromZeroTakesTheWholeSourceFromItsStart) {
    TStringStream source("hello world");
    source.SetPosition(6);
    TStringStream target;
    EXPECT_EQ(target.CopyFrom(source, 0), 11);
    EXPECT_EQ(target.DataString(), "hello world");

    source.SetPosition(6);
    TStringStream part;
    EXPECT_EQ(part.CopyFrom(source, 3), 3);
    EXPECT_EQ(part.DataString(), "wor");
    EXPECT_THROW(part.CopyFrom(source, 5), EReadError);
}

TEST(MemoryStream, FileRoundTrip) {
    ScratchFolder folder;
    TMemoryStream out;
    std::string bytes;
    for (int i = 0; i < 200000; ++i)
        bytes.push_back(char(i * 7));
    out.WriteBuffer(bytes.data(), std::int64_t(bytes.size()));
    out.SaveToFile(folder / "data.bin");

    TMemoryStream in;
    in.WriteBuffer("old", 3);
    in.LoadFromFile(folder / "data.bin");
    EXPECT_EQ(in.Position(), 0);
    ASSERT_EQ(in.Size(), std::int64_t(bytes.size()));
    EXPECT_EQ(std::memcmp(in.Memory(), bytes.data(), bytes.size()), 0);
}

TEST(FileStream, OpenErrorsCarryTheNameAndTheSystemText) {
    ScratchFolder folder;
    const std::string missing = folder / "missing.txt";
    try {
        TFileStream stream(missing, fmOpenRead | fmShareDenyNone);
        FAIL() << "opened a missing file";
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.Message(), "Cannot open file \"" + missing + "\". No such file or directory");
    }
    const std::string nowhere = folder / "no/such/folder.txt";
    try {
        TFileStream stream(nowhere, fmCreate);
        FAIL() << "created a file in a missing folder";
    } catch (const EFCreateError& e) {
        EXPECT_EQ(e.Message(), "Cannot create file \"" + nowhere + "\". No such file or directory");
    }
    try {
        TFileStream stream(folder.Path(), fmOpenRead);
        FAIL() << "opened a folder";
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.Message(), "Cannot open file \"" + folder.Path() + "\". Is a directory");
    }
}

TEST(FileStream, CreateEmptiesAnExistingFileAndOpenKeepsIt) {
    ScratchFolder folder;
    const std::string name = folder.WriteFile("a.txt", "existing text");
    {
        TFileStream stream(name, fmOpenReadWrite | fmShareExclusive);
        EXPECT_EQ(ReadAll(stream), "existing text");
        stream.SetPosition(0);
        stream.WriteBuffer("EX", 2);
    }
    {
        TFileStream stream(name, fmOpenRead);
        EXPECT_EQ(ReadAll(stream), "EXisting text");
    }
    TFileStream stream(name, fmCreate);
    EXPECT_EQ(stream.Size(), 0);
}

TEST(FileStream, WritingToAReadOnlyStreamFails) {
    ScratchFolder folder;
    const std::string name = folder.WriteFile("r.txt", "abc");
    TFileStream stream(name, fmOpenRead);
    EXPECT_EQ(stream.Write("x", 1), -1);
    try {
        stream.WriteBuffer("x", 1);
        FAIL() << "wrote to a read-only stream";
    } catch (const EWriteError& e) {
        EXPECT_EQ(e.Message(), "Stream write error");
    }
}

TEST(FileStream, PositionsPastFourGigabytes) {
    ScratchFolder folder;
    constexpr std::int64_t kFive = 5LL * 1024 * 1024 * 1024;
    TFileStream stream(folder / "big.bin", fmCreate);
    stream.SetSize(kFive);
    EXPECT_EQ(stream.Size(), kFive);
    EXPECT_EQ(stream.Seek(-4, soFromEnd), kFive - 4);
    stream.WriteBuffer("tail", 4);
    EXPECT_EQ(stream.Position(), kFive);
    EXPECT_EQ(stream.Seek(kFive - 6, soFromBeginning), kFive - 6);
    char buffer[16]{};
    EXPECT_EQ(stream.Read(buffer, 16), 6);
    EXPECT_EQ(std::string(buffer, 6), std::string("\0\0tail", 6));

    stream.SetSize(kFive - 100);
    EXPECT_EQ(stream.Position(), kFive - 100);
    EXPECT_EQ(stream.Seek(4LL * 1024 * 1024 * 1024 + 1, soFromBeginning),
              4LL * 1024 * 1024 * 1024 + 1);
}

TEST(FileStream, CopyFromAFileIntoMemory) {
    ScratchFolder folder;
    const std::string name = folder.WriteFile("c.txt", "0123456789");
    TFileStream file(name, fmOpenRead);
    file.SetPosition(7);
    TMemoryStream memory;
    EXPECT_EQ(memory.CopyFrom(file, 0), 10);
    TStringStream text;
    memory.SaveToStream(text);
    EXPECT_EQ(text.DataString(), "0123456789");
}
