#include "Src/FFmpegTasks/OutputFileMapping.h"

#include "Src/AVUtilStubs.h"
#include "Src/FFmpegTasks/OptionText.h"
#include "Src/FFmpegTasks/TFFmpeg.h"
#include "Src/MyUtils/LocalTime.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/TextUtils.h"

#include <charconv>
#include <utility>
#include <vector>

namespace {

// The defaults list of one call: "def_<name>" entries and the per-stream lines of the option
// text, name=value lines where reading a name gives its first line's value.
class TDefaultOptions {
public:
    std::string Value(const std::string& name) const {
        for (const auto& line : FLines)
            if (line.first == name) return line.second;
        return {};
    }
    void SetValue(const std::string& name, const std::string& value) {
        for (auto it = FLines.begin(); it != FLines.end(); ++it) {
            if (it->first != name) continue;
            if (value.empty())
                FLines.erase(it);
            else
                it->second = value;
            return;
        }
        if (!value.empty()) FLines.emplace_back(name, value);
    }
    void Append(const std::string& name, const std::string& value) {
        FLines.emplace_back(name, value);
    }
    // The first line named exactly name, taken off the list.
    bool Take(const std::string& name, std::string& value) {
        for (auto it = FLines.begin(); it != FLines.end(); ++it) {
            if (it->first != name) continue;
            value = it->second;
            FLines.erase(it);
            return true;
        }
        return false;
    }

private:
    std::vector<std::pair<std::string, std::string>> FLines;
};

bool IsStreamDefault(const std::string& name) {
    for (const char* known : { "acodec", "vcodec", "scodec", "apre", "vpre", "spre", "s" })
        if (name == known) return true;
    return false;
}

void BuildDefaultOptions(TDefaultOptions& list, const TOutputOptions& record) {
    list.SetValue("def_acodec", record.AudioCodec);
    list.SetValue("def_vcodec", record.VideoCodec);
    list.SetValue("def_scodec", record.SubtitleCodec);
    list.SetValue("def_apre", record.AudioPreset);
    list.SetValue("def_vpre", record.VideoPreset);
    list.SetValue("def_spre", record.SubtitlePreset);
    list.SetValue("def_s", record.FrameSize);
    list.SetValue("def_vf", record.VideoFilters);
    for (const TOptionLine& line : SplitOptionText(record.ExtOptions)) {
        std::string name = LowerCase(line.Name);
        if (name == "vfilters") name = "vf";
        if ((!IsStreamDefault(name) && name != "vf") || line.Value.empty()) continue;
        // A record field wins over the text, and a name's first line over later ones.
        if (list.Value("def_" + name).empty()) list.SetValue("def_" + name, line.Value);
        list.Append(name, line.Value);
    }
}

void ApplyTargetOptions(TOptionDispatcher& task, const TOutputOptions& record) {
    const char* target = record.TargetType == ttVCD    ? "vcd"
                         : record.TargetType == ttSVCD ? "svcd"
                         : record.TargetType == ttDVD  ? "dvd"
                                                       : nullptr;
    if (!target) return;
    const char* norm = record.NormType == ntPAL    ? "pal"
                       : record.NormType == ntNTSC ? "ntsc"
                                                   : "auto";
    task.SetTarget(target, norm, record.NormDefault == ntPAL ? "pal" : "ntsc");
}

// A generic option the libraries do not know is passed over, as the option text does.
void SetInt(TOptionDispatcher& task, const char* name, std::int32_t value) {
    if (value > 0) task.SetDefaultOptionInt(name, value);
}

// A target fixes a constant video rate (VCD) or a ceiling (SVCD, DVD), and the encoder refuses a
// bit rate outside those limits. A rate the record chooses without limits of its own widens the
// limit it falls outside of, so the chosen rate is the one converted.
void FitRateLimitsToBitrate(TOptionDispatcher& task, const TOutputOptions& record) {
    if (record.VideoBitrate <= 0 || record.VideoMinRate > 0 || record.VideoMaxRate > 0) return;
    AVCodecContext* video = task.Options().FOptions.avcodec_opts[0].get();
    if (!video) return;
    std::int64_t minRate = 0;
    std::int64_t maxRate = 0;
    if (av::av_opt_get_int(video, "minrate", 0, &minRate) < 0 ||
        av::av_opt_get_int(video, "maxrate", 0, &maxRate) < 0)
        return;
    if (minRate > record.VideoBitrate) SetInt(task, "minrate", record.VideoBitrate);
    if (maxRate > 0 && maxRate < record.VideoBitrate) SetInt(task, "maxrate", record.VideoBitrate);
}

void ApplyOutputOptions(TOptionDispatcher& task, const TOutputOptions& record) {
    TTranscoderOptions& opt = task.Options();
    if (!record.FileFormat.empty()) task.SetFormat(record.FileFormat);
    SetInt(task, "packetsize", record.PacketSize);
    SetInt(task, "muxrate", record.MuxRate);
    if (record.MuxDelay > 0) task.SetMuxMaxDelay(record.MuxDelay);
    if (record.MuxPreload > 0) task.SetMuxPreload(record.MuxPreload);
    if (record.DisableAudio) opt.Faudio_disable = true;
    if (record.AudioVolume >= 0) task.SetAudioVolume(record.AudioVolume);
    if (record.AudioChannels > 0) task.SetAudioChannels(record.AudioChannels);
    if (record.AudioSampleRate > 0) task.SetAudioRate(record.AudioSampleRate);
    SetInt(task, "ab", record.AudioBitrate);
    SetInt(task, "abt", record.AudioBitRateTolerance);
    opt.Faudio_language = record.AudioLanguage;
    task.SetAudioSyncMethod(record.AudioSyncMethod);
    if (!record.AudioTag.empty()) task.SetAudioTag(record.AudioTag);
    if (record.DisableVideo) opt.Fvideo_disable = true;
    if (!record.FrameRate.empty()) task.SetFrameRate(record.FrameRate);
    if (!record.FrameAspectRatio.empty()) task.SetFrameAspect(record.FrameAspectRatio);
    if (record.CropTop > 0) task.SetCropTop(record.CropTop);
    if (record.CropBottom > 0) task.SetCropBottom(record.CropBottom);
    if (record.CropLeft > 0) task.SetCropLeft(record.CropLeft);
    if (record.CropRight > 0) task.SetCropRight(record.CropRight);
    SetInt(task, "g", record.GroupPictureSize);
    SetInt(task, "vb", record.VideoBitrate);
    SetInt(task, "maxrate", record.VideoMaxRate);
    SetInt(task, "minrate", record.VideoMinRate);
    SetInt(task, "bt", record.VideoBitRateTolerance);
    SetInt(task, "bufsize", record.VideoBufSize);
    FitRateLimitsToBitrate(task, record);
    task.SetVideoSyncMethod(record.VideoSyncMethod);
    if (!record.VideoTag.empty()) task.SetVideoTag(record.VideoTag);
    opt.Fvideo_language = record.VideoLanguage;
    if (record.DisableSubtitle) opt.Fsubtitle_disable = true;
    opt.Fsubtitle_language = record.SubtitleLanguage;
    opt.Finput_sync = record.InputSync;
    if (record.CopyTimestamp) opt.Fcopy_ts = true;
    if (record.TimeStart != kNoTime) task.SetStartTime(record.TimeStart);
    if (record.TimeLength != kNoTime) task.SetRecordingTime(record.TimeLength);
    const TStreamInfo& info = record.Info;
    if (info.TimeStamp == 0)
        opt.Frecording_timestamp = LocalTimeToUnix(Now());
    else if (info.TimeStamp > 0)
        opt.Frecording_timestamp = LocalTimeToUnix(info.TimeStamp);
    if (info.Year > 0) task.AddMetadata("year", std::to_string(info.Year));
    if (info.Track > 0) task.AddMetadata("track", std::to_string(info.Track));
    const std::pair<const char*, const std::string*> texts[] = {
        { "title", &info.Title },     { "author", &info.Author }, { "copyright", &info.Copyright },
        { "comment", &info.Comment }, { "album", &info.Album },   { "genre", &info.Genre },
    };
    for (const auto& [key, text] : texts)
        if (!text->empty()) task.AddMetadata(key, *text);
}

void TakeDefaultOption(TOptionDispatcher& task, TDefaultOptions& list, const std::string& name) {
    std::string value;
    if (!list.Take(name, value)) value = list.Value("def_" + name);
    if (!value.empty()) task.ParseOption(name, value);
}

void ApplyStreamExtOptions(TOptionDispatcher& task, const std::string& text,
                           TDefaultOptions& list) {
    for (const TOptionLine& line : SplitOptionText(text)) {
        const std::string name = LowerCase(line.Name);
        std::vector<const char*> defaults;
        if (name == "newaudio")
            defaults = { "acodec", "apre" };
        else if (name == "newvideo")
            defaults = { "vcodec", "vpre", "s", "vf" };
        else if (name == "newsubtitle")
            defaults = { "scodec", "spre" };
        else
            continue;
        for (const char* option : defaults)
            TakeDefaultOption(task, list, option);
        task.ParseOption(name, line.Value);
    }
}

bool ParseInt64(const std::string& text, std::int64_t& value) {
    const std::string trimmed = Trim(text);
    const char* end = trimmed.data() + trimmed.size();
    const auto [ptr, ec] = std::from_chars(trimmed.data(), end, value);
    return ec == std::errc() && ptr == end && !trimmed.empty();
}

void AppendLine(std::string& text, const TOptionLine& line) {
    text += line.Name + "=" + line.Value + "\n";
}

} // namespace

bool MapOutputFile(TOutputFileTask& task, const std::string& fileName, TOutputOptions* options,
                   const TCustomHookEvent& customHook, std::string& lastErrMsg) {
    TOptionDispatcher& dispatcher = task.Dispatcher();
    const int index = task.OutputCount();
    // Kept aside so that a refused option leaves the task as it was, not half set up: the
    // plug-ins a "vhook" line added would otherwise stay and run beside the next output's.
    const TTranscoderOptions saved = dispatcher.Options();
    const std::size_t savedHooks = dispatcher.VideoHookCount();
    const auto undo = [&] {
        task.ResetOutputOptions(index);
        dispatcher.Options() = saved;
        dispatcher.DropVideoHooksFrom(savedHooks);
    };
    TDefaultOptions list;
    bool join = false;
    bool opened = false;
    try {
        if (options) {
            if (options->FileName.empty()) options->FileName = fileName;
            task.KeepOutputOptions(index, *options);
            BuildDefaultOptions(list, *options);
            ApplyTargetOptions(dispatcher, *options);
            dispatcher.SetAudioCodec(list.Value("def_acodec"));
            dispatcher.SetVideoCodec(list.Value("def_vcodec"));
            dispatcher.SetSubtitleCodec(list.Value("def_scodec"));
            dispatcher.ApplyPreset("apre", list.Value("def_apre"));
            dispatcher.ApplyPreset("vpre", list.Value("def_vpre"));
            dispatcher.ApplyPreset("spre", list.Value("def_spre"));
            ApplyOptionText(options->ExtOptions, false,
                            [&](const std::string& name, const std::string& value) {
                                dispatcher.ParseOption(name, value);
                            });
            ApplyOutputOptions(dispatcher, *options);
            if (const std::string size = list.Value("def_s"); !size.empty())
                dispatcher.SetFrameSize(size);
            dispatcher.SetVideoFilters(list.Value("def_vf"));
            join = options->Join;
        } else {
            task.ResetOutputOptions(index);
        }
        if (task.OpenOutputFile(fileName, join) < 0) {
            lastErrMsg = task.LastErrMsg();
            undo();
            return false;
        }
        opened = true;
        if (options && options->CustomHook) task.SetCustomHook(customHook);
        if (options) ApplyStreamExtOptions(dispatcher, options->ExtOptions, list);
        return true;
    } catch (const Exception& e) {
        lastErrMsg = e.what();
        // Once the output is open its streams have consumed the pending options; only a failure
        // before that can be undone.
        if (!opened) undo();
        return false;
    }
}

namespace {

class TFFmpegOutputTask : public TOutputFileTask {
public:
    explicit TFFmpegOutputTask(TFFmpeg& task) : FTask(task) {}

    TOptionDispatcher& Dispatcher() override { return FTask; }
    int OutputCount() const override { return FTask.nb_output_files(); }
    void KeepOutputOptions(int index, const TOutputOptions& options) override {
        FTask.SetOutputOptions(index, options);
    }
    void ResetOutputOptions(int index) override { FTask.ResetOutputOptions(index); }
    int OpenOutputFile(const std::string& fileName, bool join) override {
        return FTask.OpenOutputFile(fileName, join);
    }
    std::string LastErrMsg() const override { return FTask.LastErrMsg(); }
    void SetCustomHook(const TCustomHookEvent& hook) override { FTask.OnCustomHook = hook; }

private:
    TFFmpeg& FTask;
};

} // namespace

bool SetOutputFile(TFFmpeg& task, const std::string& fileName, TOutputOptions* options,
                   const TCustomHookEvent& customHook, std::string& lastErrMsg) {
    TFFmpegOutputTask adapter(task);
    return MapOutputFile(adapter, fileName, options, customHook, lastErrMsg);
}

TInputOptions InputOptionsFromText(const std::string& text) {
    TInputOptions options;
    InitInputOptions(options);
    for (const TOptionLine& line : SplitOptionText(text)) {
        if (SameText(line.Name, "TimeStart")) {
            std::int64_t value = 0;
            if (ParseInt64(line.Value, value)) options.TimeStart = value;
        } else {
            AppendLine(options.ExtOptions, line);
        }
    }
    return options;
}

TOutputOptions OutputOptionsFromText(const std::string& text) {
    TOutputOptions options;
    InitOutputOptions(options);
    for (const TOptionLine& line : SplitOptionText(text)) {
        std::int64_t value = 0;
        if (SameText(line.Name, "Hook") || SameText(line.Name, "CustomHook")) {
            options.CustomHook = true;
        } else if (SameText(line.Name, "Join")) {
            options.Join = true;
        } else if (SameText(line.Name, "TimeStart")) {
            if (ParseInt64(line.Value, value)) options.TimeStart = value;
        } else if (SameText(line.Name, "TimeLength")) {
            if (ParseInt64(line.Value, value)) options.TimeLength = value;
        } else {
            AppendLine(options.ExtOptions, line);
        }
    }
    return options;
}
