#pragma once
#include "Src/FFmpeg/RunRecords.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TCustomFFmpeg;
struct TTranscoderOptions;

// One transcoding run of a transcoder's opened files, on the conversion thread: the setup
// (stream tables, mapping, codecs, headers), the packet loop, and the ending (drain, trailers,
// last report). A failure raises FFmpegException; the tables go with this object, and the
// codecs it opened stay on the transcoder's opened-codec lists, which close them afterwards.
class TTranscodeRun {
public:
    explicit TTranscodeRun(TCustomFFmpeg& owner);
    ~TTranscodeRun();
    TTranscodeRun(const TTranscodeRun&) = delete;
    TTranscodeRun& operator=(const TTranscodeRun&) = delete;

    void Run();

private:
    // Setup (RunSetup.cpp, StreamMapping.cpp).
    void BuildInputTables();
    void BuildOutputTables();
    void MapStreams();
    TAVInputStream* AutomaticSource(const TAVOutputStream& ost, int fileIndex);
    void PrepareStreams();
    void PrepareCopy(TAVOutputStream& ost, TAVInputStream& ist);
    void PrepareVideoEncoding(TAVOutputStream& ost, TAVInputStream& ist);
    void OpenPassLog(TAVOutputStream& ost, int position);
    void OpenEncoders();
    void OpenDecoders();
    void OpenDecoder(TAVInputStream& ist, std::size_t position);
    void TakeSubtitleHeader(TAVOutputStream& ost);
    void CreateAudioOutputs();
    void CreateBitstreamFilters(TAVOutputStream& ost);
    void InitInputClocks();
    void CopyMetadata();
    void CopyChapters();
    void WriteHeaders();
    void DumpFormatsAndMapping();
    [[noreturn]] void Fail(const std::string& message, bool dump);

    // Input packets (InputPacket.cpp).
    int ProcessInputPacket(TAVInputStream& ist, int position, const AVPacket* packet,
                           bool drainEncoders = true);
    int DecodePacket(TAVInputStream& ist, int position, const AVPacket* packet);
    void HandleDecodedFrame(TAVInputStream& ist, int position, AVFrame& frame);
    void HandleSubtitle(TAVInputStream& ist, int position, const AVPacket* packet);
    void CopyPacket(TAVOutputStream& ost, TAVInputStream& ist, const AVPacket& packet);
    void DrainEncoders(int position);
    void ApplyRateEmulation(const TAVInputStream& ist);

    // Video and subtitle output, writing, progress (VideoOutput.cpp, PacketWriter.cpp,
    // ProgressReport.cpp).
    void OutputVideo(TAVOutputStream& ost, TAVInputStream& ist, AVFrame& picture);
    void EncodeVideoFrame(TAVOutputStream& ost, TAVInputStream& ist, AVFrame& picture,
                          std::int64_t syncPts);
    AVFrame* CropAndScale(TAVOutputStream& ost, TAVInputStream& ist, AVFrame& picture);
    void MakeScaler(TAVOutputStream& ost, int width, int height, AVPixelFormat format);
    void SendVideoFrame(TAVOutputStream& ost, AVFrame* frame);
    void ReceivePackets(TAVOutputStream& ost);
    void EncodeSubtitle(TAVOutputStream& ost, TAVInputStream& ist, AVSubtitle& subtitle,
                        std::int64_t pts);
    void WriteEncodedPacket(TAVOutputStream& ost, AVPacket& packet);
    void WriteFrame(TAVOutputStream& ost, AVPacket& packet);
    void InterleavedWrite(TAVOutputStream& ost, AVPacket& packet);
    // Raises time stamps that do not increase, or false for a packet to drop (MuxOrder.cpp).
    bool KeepMuxOrder(TAVOutputStream& ost, AVPacket& packet);
    void WriteVideoStats(TAVOutputStream& ost, int frameSize);
    void ReportProgress(int fileIndex, bool isLastReport);
    std::int64_t CurrentOutputSize() const;

    // The loop and the ending (PacketLoop.cpp).
    void PacketLoop();
    int ChooseInputFile(int current);
    bool ReadAndHandle(int fileIndex);
    void RepairTimestamps(AVPacket& packet, TAVInputStream& ist);
    void NoteLastEnd(const AVPacket& packet, TAVInputStream& ist);
    // Whether the next joined file's streams start where this file's ended: one title split
    // into several files.
    bool ClockContinues(int fileIndex) const;
    void EndJoinedFile(int fileIndex, int& current, bool& ended);
    // Logs once that a file was cut short, when its last packets were.
    void ReportEarlyEnd(int fileIndex);
    void Ending();
    void WriteTrailers();

    // Seconds of output the stream has been given (encoded streams) or written (copies).
    double OutputClock(TAVOutputStream& ost);
    int OutputFileCount() const;
    const char* TypeName(int type) const;

    TCustomFFmpeg& FOwner;
    TTranscoderOptions& FOpt;
    std::vector<TAVInputFile> FFiles;
    std::vector<std::unique_ptr<TAVInputStream>> FInputStreams;
    std::vector<std::unique_ptr<TAVOutputStream>> FOutputStreams;
    int FGroupSize{ 0 };
    std::vector<bool> FNoPacket;
    int FNoPacketCount{ 0 };
    bool FJoin{ false };

    std::int64_t FTimerStart{ 0 };
    std::int64_t FVideoSize{ 0 };
    std::int64_t FAudioSize{ 0 };
    std::int64_t FExtraSize{ 0 };
    int FFramesDup{ 0 };
    int FFramesDrop{ 0 };
    bool FShowDupOrDrop{ false };
    // Per transcoder, so that runs at the same time neither mix counts nor share a buffer.
    std::array<int, 52> FQpHistogram{};
    std::vector<std::uint8_t> FSubtitleBuffer;
    CFilePtr FVStatsFile;
    PacketPtr FPacket;
    PacketPtr FOutPacket;
    PacketPtr FEncoded;
    PacketPtr FKept;
    FramePtr FScratch;
    FramePtr FFiltered;
    FramePtr FCropped;
};
