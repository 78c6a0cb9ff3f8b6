#pragma once
#include "Src/AVProbe/StreamInfo.h"
#include "Src/FFBaseComponent.h"
#include "Src/UnicodeProtocol.h"

#include <cstdint>
#include <string>
#include <vector>

struct AVFormatContext;
struct AVStream;

// Opens a media file with libavformat and answers questions about it: size, streams of each
// kind, tags, per-stream records and a multi-line description. It can also read a context that
// somebody else opened (attached through SetFileHandle); it never closes such a context.
//
// Problems are reported by a false or empty result with the text in LastErrMsg, which is also
// logged; only missing libraries raise. One probe is used by one thread at a time.
class TCustomAVProbe : public TFFBaseComponent {
public:
    explicit TCustomAVProbe(TComponent* owner);
    ~TCustomAVProbe() override;

    // formatName forces the input format; empty detects it.
    bool LoadFile(const std::string& fileName, const std::string& formatName = "");
    // Closes a file the probe opened, forgets an attached context.
    virtual void CloseFile();

    AVFormatContext* FileHandle() const { return FFileHandle; }
    // Attaches a context the caller owns and keeps open while attached; none detaches.
    virtual void SetFileHandle(AVFormatContext* value);

    std::string FileName();
    std::int64_t FileSize() const { return FFileSize; }
    const std::string& ForceFormat() const { return FForceFormat; }
    std::string FormatName();
    std::string FormatLongName();
    int StreamCount() const { return FStreamCount; }
    int ProgramCount() const { return FProgramCount; }
    int AudioStreamCount() const { return FAudioStreamCount; }
    int VideoStreamCount() const { return FVideoStreamCount; }
    int SubtitleStreamCount() const { return FSubtitleStreamCount; }
    int FirstAudioStreamIndex() const { return FFirstAudioStreamIndex; }
    int FirstVideoStreamIndex() const { return FFirstVideoStreamIndex; }
    int FirstSubtitleStreamIndex() const { return FFirstSubtitleStreamIndex; }

    TFileStreamInfo FileStreamInfo();
    // One line per item, each ended by CR LF.
    std::string FileInfoText();

    // A negative index stands for the first stream of the kind.
    TAudioStreamInfo AudioStreamInfo(int streamIndex);
    TVideoStreamInfo VideoStreamInfo(int streamIndex);
    TSubtitleStreamInfo SubtitleStreamInfo(int streamIndex);
    TAudioStreamInfo FirstAudioStreamInfo() { return AudioStreamInfo(-1); }
    TVideoStreamInfo FirstVideoStreamInfo() { return VideoStreamInfo(-1); }
    TSubtitleStreamInfo FirstSubtitleStreamInfo() { return SubtitleStreamInfo(-1); }

    bool IsAudioStream(int streamIndex);
    bool IsVideoStream(int streamIndex);
    bool IsSubtitleStream(int streamIndex);

    const std::string& LastErrMsg() const { return FLastErrMsg; }

    bool AVLibLoaded() const;
    bool LoadAVLib(const TPathFileName& path);
    void UnloadAVLib();

protected:
    virtual void UpdateStreamInfo();
    // Logs the text at the libraries' level (16 error, 24 warning, 32 information, 48 debug)
    // and keeps it as LastErrMsg.
    void ReportError(int level, const std::string& text);
    void CheckLibraries() const;
    bool OwnHandle() const { return FOwnHandle; }
    void SetLastErrMsg(const std::string& text) { FLastErrMsg = text; }
    // The stream when the index is valid; otherwise reports why and gives null.
    AVStream* StreamOfKind(int& streamIndex, int mediaType);

private:
    std::string StreamLine(int streamIndex);
    std::string ProgramLines(unsigned programIndex, std::vector<bool>& shown);
    bool IsStreamOfType(int streamIndex, int mediaType);

    AVFormatContext* FFileHandle{ nullptr };
    InputContextPtr FOwnedInput;
    bool FOwnHandle{ false };
    std::string FLastErrMsg;
    std::string FForceFormat;
    std::int64_t FFileSize{ -1 };
    int FStreamCount{ -1 };
    int FProgramCount{ -1 };
    int FAudioStreamCount{ -1 };
    int FVideoStreamCount{ -1 };
    int FSubtitleStreamCount{ -1 };
    int FFirstAudioStreamIndex{ -1 };
    int FFirstVideoStreamIndex{ -1 };
    int FFirstSubtitleStreamIndex{ -1 };
};
