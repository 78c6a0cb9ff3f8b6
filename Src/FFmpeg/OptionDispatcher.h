#pragma once
#include "Src/FFmpeg/TranscoderOptions.h"
#include "Src/FFmpegLogger.h"

extern "C" {
#include <libavutil/avutil.h>
}

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class TObject;

// The named options of the transcoder, the way the command-line transcoding tool of the 2010
// libraries took them: each option fills fields of the pending option state, which the next
// input, output file or output stream consumes. ParseOption is the one entry by name; the task
// component also calls the setters directly. Bad values raise FFmpegException with the
// transcoder's message; malformed numbers raise EConvertError.
//
// The transcoder derives from it and provides what needs open files.
class TOptionDispatcher {
public:
    explicit TOptionDispatcher(TObject* logSender = nullptr);
    virtual ~TOptionDispatcher() = default;
    TOptionDispatcher(const TOptionDispatcher&) = delete;
    TOptionDispatcher& operator=(const TOptionDispatcher&) = delete;

    TTranscoderOptions& Options() { return FOpt; }
    const TTranscoderOptions& Options() const { return FOpt; }

    // Names are compared exactly; a name without an entry of its own goes to SetDefaultOption.
    void ParseOption(const std::string& name, const std::string& value);

    void SetFormat(const std::string& name);
    // A generic codec, format or scaler option, or a private option of an encoder or muxer that
    // is remembered for the next stream or output file. False for an unknown name or a refused
    // value.
    bool SetDefaultOption(const std::string& name, const std::string& value);
    bool SetDefaultOptionInt(const std::string& name, int value);
    bool SetBitrate(const std::string& name, const std::string& value);
    void SetFrameRate(const std::string& text);
    void SetFrameSize(const std::string& text);
    void SetFrameAspect(const std::string& text);
    void SetPixelFormat(const std::string& name);
    void SetSampleFormat(const std::string& name);
    void SetCropTop(int pixels);
    void SetCropBottom(int pixels);
    void SetCropLeft(int pixels);
    void SetCropRight(int pixels);
    void SetVideoQScale(float q);
    void SetVideoCodec(const std::string& name);
    void SetAudioCodec(const std::string& name);
    void SetSubtitleCodec(const std::string& name);
    void SetVideoTag(const std::string& tag);
    void SetAudioTag(const std::string& tag);
    void SetSubtitleTag(const std::string& tag);
    void SetVideoFilters(const std::string& chain);
    void SetAudioRate(int rate);
    void SetAudioChannels(int channels);
    void SetAudioVolume(int volume);
    void SetAudioSyncMethod(int method);
    void SetVideoSyncMethod(int method);
    void SetMuxMaxDelay(float seconds);
    void SetMuxPreload(float seconds);
    void SetStartTime(std::int64_t micros);
    void SetRecordingTime(std::int64_t micros);
    void SetProgramID(int id);
    void SetVerbose(int level);
    void SetMEThreshold(int threshold);
    void SetTopFieldFirst(int value);
    void SetVideoChannel(int channel);
    void SetVideoStandard(const std::string& standard);
    void SetRateOverride(const std::string& text);
    void SetVStatsFile(const std::string& fileName);
    void SetVStats(bool on);
    void SetPass(int pass);
    void SetIntraMatrix(const std::string& text);
    void SetInterMatrix(const std::string& text);
    void AddMetadata(const std::string& key, const std::string& value);
    void AddMetadataOption(const std::string& text);
    void AddStreamMap(const std::string& text);
    void AddMetadataMap(const std::string& text);
    void SetInputTSScale(const std::string& text);
    void SetStreamID(const std::string& name, const std::string& value);
    void AddBitstreamFilter(const std::string& name, const std::string& value);
    void AddVideoStream();
    void AddAudioStream();
    void AddSubtitleStream();
    // The "vhook" option: a video hook plug-in with its arguments; the transcoder runs hooks.
    virtual void AddVideoHook(const std::string& args) = 0;
    // The plug-ins live beside Options(), not in it: a caller undoing a refused application of
    // options restores Options() and drops the plug-ins added since it took their count.
    virtual std::size_t VideoHookCount() const = 0;
    virtual void DropVideoHooksFrom(std::size_t count) = 0;

    // Targets: "vcd", "svcd", "dvd", "dv", "dv50" in the norm "pal", "ntsc" or "film"; any other
    // norm is detected, defaultNorm ("film", "ntsc", else PAL) deciding when nothing does.
    void SetTargetOption(const std::string& text);
    void SetTarget(const std::string& target, const std::string& norm,
                   const std::string& defaultNorm);
    // name is "apre", "vpre", "spre" or "fpre"; value a built-in preset name or a file name.
    void ApplyPreset(const std::string& name, const std::string& value);

    // Parses a time option's value: a duration, or a date; raises the option's error otherwise.
    static std::int64_t ParseTimeOrRaise(const std::string& name, const std::string& value,
                                         bool duration);

    // Writes to the shared logger with the transcoder as sender.
    void Log(TLogLevel level, const std::string& message) const;

protected:
    // A new stream of that type on the last output file; called only when there is one.
    virtual void NewOutputStream(AVMediaType type) = 0;
    // The frame rate of every video stream of the opened inputs, in file and stream order; the
    // target's norm is detected from them.
    virtual std::vector<AVRational> InputVideoFrameRates() const { return {}; }

private:
    void SetCodec(std::string& field, int& copyFlag, const std::string& name);
    void SetTag(std::uint32_t& field, const std::string& tag, const char* message);
    void SetMatrix(std::optional<TQuantMatrix>& field, const std::string& text);
    void CropVertical(int& band, int pixels);
    void CropHorizontal(int& band, int pixels);
    void ListFormatNames(bool pixelFormats) const;
    void AddStream(AVMediaType type);
    std::vector<std::string> CurrentEncoders() const;

    TTranscoderOptions FOpt;
    TObject* FLogSender{ nullptr };
};
