#pragma once
#include "Src/MyUtils/LocalTime.h"

#include <cstdint>
#include <limits>
#include <string>

// The missing-time marker of the media engine: the smallest signed 64-bit value.
inline constexpr std::int64_t kNoTime = std::numeric_limits<std::int64_t>::min();

enum TOptionTargetType { ttIgnore, ttVCD, ttSVCD, ttDVD };
enum TOptionNormType { ntAuto, ntPAL, ntNTSC };
// The norm taken when the norm cannot be decided: ntPAL or ntNTSC only.
using TOptionNormDefault = TOptionNormType;

// What a caller hands the task component for one input file. A field left at its reset value
// leaves the transcoder's own default in force.
struct TInputOptions {
    std::string FileName;
    std::string FileFormat;
    std::int64_t TimeStart{ kNoTime };
    std::int32_t ProgramID{ -1 };
    std::string ExtOptions;
    std::int32_t Tag{ 0 };
    void* Data{ nullptr };
};
using PInputOptions = TInputOptions*;

// The tags written into an output file.
struct TStreamInfo {
    // Negative: none; 0: the moment the options are applied; positive: that local date-time.
    TDateTime TimeStamp{ -1.0 };
    std::int32_t Year{ -1 };
    std::int32_t Track{ -1 };
    std::string Title;
    std::string Author;
    std::string Copyright;
    std::string Comment;
    std::string Album;
    std::string Genre;
};

// What a caller hands the task component for one output file.
struct TOutputOptions {
    std::string FileName;
    std::string FileExt;
    std::string FileFormat;
    std::int32_t PacketSize{ -1 };
    std::int32_t MuxRate{ -1 };
    float MuxDelay{ -1.0f };
    float MuxPreload{ -1.0f };
    std::string AudioCodec;
    std::string AudioPreset;
    bool DisableAudio{ false };
    std::int32_t AudioVolume{ -1 };
    std::int32_t AudioChannels{ -1 };
    std::int32_t AudioSampleRate{ -1 };
    std::int32_t AudioBitrate{ -1 };
    std::int32_t AudioBitRateTolerance{ -1 };
    std::string AudioLanguage;
    std::int32_t AudioSyncMethod{ 0 };
    std::string AudioTag;
    std::string VideoCodec;
    std::string VideoPreset;
    bool DisableVideo{ false };
    std::string FrameRate;
    std::string FrameSize;
    std::string FrameAspectRatio;
    std::int32_t CropTop{ -1 };
    std::int32_t CropBottom{ -1 };
    std::int32_t CropLeft{ -1 };
    std::int32_t CropRight{ -1 };
    std::int32_t GroupPictureSize{ -1 };
    std::int32_t VideoBitrate{ -1 };
    std::int32_t VideoMaxRate{ -1 };
    std::int32_t VideoMinRate{ -1 };
    std::int32_t VideoBitRateTolerance{ -1 };
    std::int32_t VideoBufSize{ -1 };
    std::int32_t VideoSyncMethod{ -1 };
    std::string VideoTag;
    std::string VideoFilters;
    std::string VideoLanguage;
    std::string SubtitleCodec;
    std::string SubtitlePreset;
    bool DisableSubtitle{ false };
    std::string SubtitleLanguage;
    bool InputSync{ false };
    bool CopyTimestamp{ false };
    std::int64_t TimeStart{ kNoTime };
    std::int64_t TimeLength{ kNoTime };
    TStreamInfo Info;
    TOptionTargetType TargetType{ ttIgnore };
    TOptionNormType NormType{ ntAuto };
    TOptionNormDefault NormDefault{ ntPAL };
    bool CustomHook{ false };
    bool Join{ false };
    std::string ExtOptions;
    std::int32_t Tag{ 0 };
    void* Data{ nullptr };
};
using POutputOptions = TOutputOptions*;

void InitInputOptions(TInputOptions& options);
void InitOutputOptions(TOutputOptions& options);

// One progress report of a task.
struct TProgressInfo {
    std::int32_t TaskIndex{ 0 };
    std::int32_t FileIndex{ 0 };
    std::int32_t FrameNumber{ 0 };
    std::int32_t FPS{ 0 };
    float Quality{ 0.0f };
    float BitRate{ 0.0f };             // kbit/s
    std::int64_t CurrentSize{ 0 };     // bytes written
    std::int64_t CurrentDuration{ 0 }; // microseconds converted
    std::int64_t TotalDuration{ 0 };   // microseconds to convert, -1 without a length
};

// How a task ended; TaskIndex -1 reports that every task has ended.
struct TTerminateInfo {
    std::int32_t TaskIndex{ 0 };
    bool Finished{ false };
    bool Exception{ false };
    std::string ExceptionMsg;
};
