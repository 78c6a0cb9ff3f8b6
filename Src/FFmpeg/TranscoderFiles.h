#pragma once
#include "Src/AVCodecStubs.h"
#include "Src/AVFormatStubs.h"
#include "Src/UnicodeProtocol.h"

#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// 5.1 streams carry only codec parameters; the engine keeps one codec context per stream beside
// the AVStream, so that options, opening and the run can work on a stream's codec as on a field
// of the stream. The context is the decoder of an input stream or the encoder of an output
// stream, and is freed with its record.
struct TStreamCodec {
    AVStream* Stream{ nullptr };
    CodecContextPtr Context;
};

// An input stream with its decoder context, made from the stream's parameters.
struct TInputStreamCodec : TStreamCodec {};

// An output stream with its encoder context and what the options gave the stream beyond the
// codec: the bitstream filter chain (filter names with optional "=" arguments) and the quality.
struct TOutputStreamCodec : TStreamCodec {
    std::vector<std::string> BitstreamFilters;
    // Options of the encoder's own (private) object, which exists only once the encoder opens.
    std::vector<std::pair<std::string, std::string>> EncoderOptions;
    bool StreamCopy{ false };
    float Quality{ 0.0f };
};

// One opened input file with a record per stream, in stream order.
struct TInputFile {
    InputContextPtr Context;
    // Added to every time stamp read from the file, microseconds.
    std::int64_t TSOffset{ 0 };
    std::vector<std::unique_ptr<TInputStreamCodec>> Streams;
};

// One output file with a record per stream it has so far. The file the muxer writes to is owned
// here (not by the format context), so that it is closed before the context goes.
struct TOutputFile {
    TOutputFile() = default;
    ~TOutputFile();
    TOutputFile(const TOutputFile&) = delete;
    TOutputFile& operator=(const TOutputFile&) = delete;

    FormatContextPtr Context;
    std::vector<std::unique_ptr<TOutputStreamCodec>> Streams;

    // Opens the context's file for writing (a format that needs no file opens nothing). The
    // libraries' error code, negative on failure.
    int OpenIO();
    // Closes the context's file, if open.
    void CloseIO();
    bool NeedsFile() const;
    bool IOOpen() const { return FIOOpen; }
    // The output's name as the file system knows it (through FileNameFromAV); empty without a
    // context.
    std::string FileName() const;

private:
    bool FIOOpen{ false };
};

// The stream records whose codecs the run has opened, newest first; the codecs listed at the
// run's end are closed by CloseCodecList, each under CodecLock. The list does not own the
// records: the run takes a record off before freeing it.
using TCodecList = std::list<TStreamCodec*>;

void AddCodecItem(TCodecList& list, TStreamCodec* record);
// Takes the first entry for the record off the list; a record not on it is ignored.
void RemoveCodecItem(TCodecList& list, TStreamCodec* record);
// Closes the codec of every listed record and empties the list. For encoders the two-pass
// statistics text that the run gave the codec is freed as well.
void CloseEncoderList(TCodecList& list);
void CloseDecoderList(TCodecList& list);
