#pragma once
#include "Src/AVCodecStubs.h"
#include "Src/AVProbe/TCustomAVProbe.h"
#include "Src/AVUtilStubs.h"
#include "Src/FFUtils/RGBConvert.h"

#include <cstdint>

class TBitmap;

// Planes and line sizes of a picture.
struct TAVPicture {
    std::uint8_t* data[4]{};
    int linesize[4]{};
};

// The last decoded picture and what is known of it.
struct TFrameInfo {
    int PixFmt{ -1 };
    int Width{ -1 };
    int Height{ -1 };
    bool IsKeyFrame{ false };
    TPictureType PictureType{ ptUnknown };
    // Microseconds from the decoded stream's start; AV_NOPTS_VALUE when unknown.
    std::int64_t PTS{ AV_NOPTS_VALUE };
    // The time stamps of the packet that completed the picture, in the stream's time base.
    std::int64_t OriginalDTS{ AV_NOPTS_VALUE };
    std::int64_t OriginalPTS{ AV_NOPTS_VALUE };
    int StreamIndex{ -1 };
    // Byte position of the input when decoding of this picture began; -1 when unknown.
    std::int64_t Position{ -1 };
    bool Ready{ false };
    TAVPicture Picture;
    // The picture memory, owned by the grabber and kept across files; it only grows.
    std::uint8_t* Buffer{ nullptr };
    int Size{ 0 };
};

// The frame grabber: the probe plus seeking and decoding on a file it opened itself. Times are
// microseconds from the start of the stream used for seeking (the first video stream, else the
// first audio stream) or, for pictures, of the decoded stream.
//
// Decoding operations on an attached context raise "file cannot be seeked, handle is
// readonly."; everything else reports by a false result and LastErrMsg.
class TAVProbe : public TCustomAVProbe {
public:
    explicit TAVProbe(TComponent* owner);
    ~TAVProbe() override;

    void CloseFile() override;

    // A time in microseconds, or a byte position with sfByte.
    bool Seek(std::int64_t pts, TSeekFlags seekFlags);
    // The next picture of the video stream; a negative index: the stream decoded last, else the
    // first video stream.
    bool Decode(int streamIndex = -1);
    bool DecodeNextKeyFrame(int streamIndex = -1);
    bool DecodePreviousFrame(int streamIndex = -1);
    bool DecodePreviousKeyFrame(int streamIndex = -1);
    // The current picture into the caller's bitmap.
    bool CopyToBitmap(TBitmap& bitmap);

    // The input's byte position; -1 without one.
    std::int64_t Position();
    // Named so because EOF is a macro of the C library.
    bool Eof() const { return FEOF; }
    const TFrameInfo& FrameInfo() const { return FPicture; }

protected:
    void UpdateStreamInfo() override;

private:
    void ResetFrameInfo();
    bool CheckOwnHandle();
    bool CanSeek();
    bool IsImageSequence();
    int SelectDecodeStream(int streamIndex);
    AVCodecContext* OpenDecoder(int streamIndex);
    void CloseDecoder();
    bool StoreFrame(const AVFrame& frame, std::int64_t position);
    std::int64_t FrameDurationOf(int streamIndex) const;

    CodecContextPtr FCodec;
    int FCodecStream{ -1 };
    TRGBConvertContext FRGBContext;
    int FSeekIndex{ -1 };
    std::int64_t FStartTime{ -1 };
    int FDecodeIndex{ -1 };
    bool FEOF{ false };
    // The input ended and the decoder is giving back the pictures it still held.
    bool FDraining{ false };
    TFrameInfo FPicture;
    AVMemoryPtr<std::uint8_t> FBuffer;
    std::int64_t FLastPTS{ AV_NOPTS_VALUE };
    std::int64_t FLastPos{ -1 };
    // Time stamps of the last packet handed to the decoder.
    std::int64_t FPacketDTS{ AV_NOPTS_VALUE };
    std::int64_t FPacketPTS{ AV_NOPTS_VALUE };
    int FPacketFlags{ 0 };
};
