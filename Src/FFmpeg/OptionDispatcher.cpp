#include "Src/FFmpeg/OptionDispatcher.h"

#include "Src/FFmpeg/FFmpegException.h"
#include "Src/FFmpeg/OptionValues.h"
#include "platform/rtl/TextUtils.h"

#include <cmath>
#include <string_view>
#include <unordered_map>

namespace {

using TOptionAction = void (*)(TOptionDispatcher& d, const std::string& name,
                               const std::string& value);
using TOptionTable = std::unordered_map<std::string_view, TOptionAction>;

void DoNothing(TOptionDispatcher& d, const std::string& name, const std::string&) {
    d.Log(llInfo, "Do nothing: option - " + name);
}

void Todo(TOptionDispatcher&, const std::string& name, const std::string&) {
    throw FFmpegException("TODO: option - " + name);
}

void UsePadFilter(TOptionDispatcher&, const std::string&, const std::string&) {
    throw FFmpegException("Please use vfilters=pad");
}

void Bitrate(TOptionDispatcher& d, const std::string& name, const std::string& value) {
    d.SetBitrate(name, value);
}

void StreamID(TOptionDispatcher& d, const std::string& name, const std::string& value) {
    d.SetStreamID(name, value);
}

void BitstreamFilter(TOptionDispatcher& d, const std::string& name, const std::string& value) {
    d.AddBitstreamFilter(name, value);
}

void Preset(TOptionDispatcher& d, const std::string& name, const std::string& value) {
    d.ApplyPreset(name, value);
}

// An action that sets one field of the option state from the value read one way.
#define VC_FLAG(field)                                                                             \
    [](TOptionDispatcher& d, const std::string&, const std::string& v) {                           \
        d.Options().field = OptionFlag(v);                                                         \
    }
#define VC_INT(field)                                                                              \
    [](TOptionDispatcher& d, const std::string&, const std::string& v) {                           \
        d.Options().field = StrToInt(v);                                                           \
    }
#define VC_NUMBER(field)                                                                           \
    [](TOptionDispatcher& d, const std::string&, const std::string& v) {                           \
        d.Options().field = float(StrToFloat(v));                                                  \
    }
#define VC_TEXT(field)                                                                             \
    [](TOptionDispatcher& d, const std::string&, const std::string& v) { d.Options().field = v; }
#define VC_ON(field)                                                                               \
    [](TOptionDispatcher& d, const std::string&, const std::string&) { d.Options().field = true; }
#define VC_SET_TEXT(setter)                                                                        \
    [](TOptionDispatcher& d, const std::string&, const std::string& v) { d.setter(v); }
#define VC_SET_INT(setter)                                                                         \
    [](TOptionDispatcher& d, const std::string&, const std::string& v) { d.setter(StrToInt(v)); }
#define VC_SET_NONE(setter)                                                                        \
    [](TOptionDispatcher& d, const std::string&, const std::string&) { d.setter(); }

const TOptionTable& OptionTable() {
    static const TOptionTable table = {
        { "L", DoNothing },
        { "h", DoNothing },
        { "version", DoNothing },
        { "formats", DoNothing },
        { "codecs", DoNothing },
        { "bsfs", DoNothing },
        { "protocols", DoNothing },
        { "filters", DoNothing },
        { "loglevel", [](TOptionDispatcher&, const std::string&,
                         const std::string& v) { GlobalLogger().OptLogLevel(v); } },
        { "f", VC_SET_TEXT(SetFormat) },
        { "i", DoNothing },
        { "y", DoNothing },
        { "map", VC_SET_TEXT(AddStreamMap) },
        { "map_meta_data", VC_SET_TEXT(AddMetadataMap) },
        { "t",
          [](TOptionDispatcher& d, const std::string& n, const std::string& v) {
              d.SetRecordingTime(TOptionDispatcher::ParseTimeOrRaise(n, v, true));
          } },
        { "fs", [](TOptionDispatcher& d, const std::string&,
                   const std::string& v) { d.Options().Flimit_filesize = StrToInt64(v); } },
        { "ss",
          [](TOptionDispatcher& d, const std::string& n, const std::string& v) {
              d.Options().Fstart_time = TOptionDispatcher::ParseTimeOrRaise(n, v, true);
          } },
        { "itsoffset",
          [](TOptionDispatcher& d, const std::string& n, const std::string& v) {
              d.Options().Finput_ts_offset = TOptionDispatcher::ParseTimeOrRaise(n, v, true);
          } },
        { "itsscale", VC_SET_TEXT(SetInputTSScale) },
        { "timestamp",
          [](TOptionDispatcher& d, const std::string& n, const std::string& v) {
              // Rounds halves to even, the default rounding mode.
              const double micros = double(TOptionDispatcher::ParseTimeOrRaise(n, v, false));
              d.Options().Frecording_timestamp = std::int64_t(std::nearbyint(micros / 1000000.0));
          } },
        { "metadata", VC_SET_TEXT(AddMetadataOption) },
        { "dframes", VC_INT(Fmax_frames[mfData]) },
        { "benchmark", DoNothing },
        { "timelimit",
          [](TOptionDispatcher& d, const std::string&, const std::string&) {
              d.Log(llWarning, "Warning: -timelimit not implemented on Windows");
          } },
        { "dump", VC_FLAG(Fdo_pkt_dump) },
        { "hex", VC_FLAG(Fdo_hex_dump) },
        { "re", VC_FLAG(Frate_emu) },
        { "loop_input", VC_FLAG(Floop_input) },
        { "loop_output", VC_INT(Floop_output) },
        { "v", VC_SET_INT(SetVerbose) },
        { "target", VC_SET_TEXT(SetTargetOption) },
        { "threads", Todo },
        { "vsync", VC_INT(Fvideo_sync_method) },
        { "async", VC_INT(Faudio_sync_method) },
        { "adrift_threshold", VC_NUMBER(Faudio_drift_threshold) },
        { "vglobal", VC_INT(Fvideo_global_header) },
        { "copyts", VC_ON(Fcopy_ts) },
        { "shortest", VC_FLAG(Fopt_shortest) },
        { "dts_delta_threshold", VC_NUMBER(Fdts_delta_threshold) },
        { "programid", VC_INT(Fopt_programid) },
        { "xerror", VC_ON(Fexit_on_error) },
        { "copyinkf", VC_INT(Fcopy_initial_nonkeyframes) },
        { "b", Bitrate },
        { "vb", Bitrate },
        { "vframes", VC_INT(Fmax_frames[mfVideo]) },
        { "r", VC_SET_TEXT(SetFrameRate) },
        { "s", VC_SET_TEXT(SetFrameSize) },
        { "aspect", VC_SET_TEXT(SetFrameAspect) },
        { "pix_fmt", VC_SET_TEXT(SetPixelFormat) },
        { "croptop", VC_SET_INT(SetCropTop) },
        { "cropbottom", VC_SET_INT(SetCropBottom) },
        { "cropleft", VC_SET_INT(SetCropLeft) },
        { "cropright", VC_SET_INT(SetCropRight) },
        { "padtop", UsePadFilter },
        { "padbottom", UsePadFilter },
        { "padleft", UsePadFilter },
        { "padright", UsePadFilter },
        { "padcolor", UsePadFilter },
        { "intra", VC_FLAG(Fintra_only) },
        { "vn", VC_FLAG(Fvideo_disable) },
        { "vdt", VC_INT(Fvideo_discard) },
        { "qscale", [](TOptionDispatcher& d, const std::string&,
                       const std::string& v) { d.SetVideoQScale(float(StrToFloat(v))); } },
        { "rc_override", VC_SET_TEXT(SetRateOverride) },
        { "vcodec", VC_SET_TEXT(SetVideoCodec) },
        { "me_threshold", VC_SET_INT(SetMEThreshold) },
        { "sameq", VC_FLAG(Fsame_quality) },
        { "pass", VC_SET_INT(SetPass) },
        { "passlogfile", VC_TEXT(Fpass_logfilename_prefix) },
        { "deinterlace", VC_FLAG(Fdo_deinterlace) },
        { "psnr", VC_FLAG(Fdo_psnr) },
        { "vstats",
          [](TOptionDispatcher& d, const std::string&, const std::string&) { d.SetVStats(true); } },
        { "vstats_file", VC_SET_TEXT(SetVStatsFile) },
        { "vhook", VC_SET_TEXT(AddVideoHook) },
        { "vfilters", VC_SET_TEXT(SetVideoFilters) },
        { "vf", VC_SET_TEXT(SetVideoFilters) },
        { "intra_matrix", VC_SET_TEXT(SetIntraMatrix) },
        { "inter_matrix", VC_SET_TEXT(SetInterMatrix) },
        { "top", VC_SET_INT(SetTopFieldFirst) },
        { "dc", VC_INT(Fintra_dc_precision) },
        { "vtag", VC_SET_TEXT(SetVideoTag) },
        { "newvideo", VC_SET_NONE(AddVideoStream) },
        { "vlang", VC_TEXT(Fvideo_language) },
        { "qphist", VC_FLAG(Fqp_hist) },
        { "force_fps", VC_FLAG(Fforce_fps) },
        { "streamid", StreamID },
        { "ab", Bitrate },
        { "aframes", VC_INT(Fmax_frames[mfAudio]) },
        { "aq", VC_NUMBER(Faudio_qscale) },
        { "ar", VC_SET_INT(SetAudioRate) },
        { "ac", VC_SET_INT(SetAudioChannels) },
        { "an", VC_FLAG(Faudio_disable) },
        { "acodec", VC_SET_TEXT(SetAudioCodec) },
        { "atag", VC_SET_TEXT(SetAudioTag) },
        { "vol", VC_INT(Faudio_volume) },
        { "newaudio", VC_SET_NONE(AddAudioStream) },
        { "alang", VC_TEXT(Faudio_language) },
        { "sample_fmt", VC_SET_TEXT(SetSampleFormat) },
        { "sn", VC_FLAG(Fsubtitle_disable) },
        { "scodec", VC_SET_TEXT(SetSubtitleCodec) },
        { "newsubtitle", VC_SET_NONE(AddSubtitleStream) },
        { "slang", VC_TEXT(Fsubtitle_language) },
        { "stag", VC_SET_TEXT(SetSubtitleTag) },
        { "vc", VC_SET_INT(SetVideoChannel) },
        { "tvstd", VC_SET_TEXT(SetVideoStandard) },
        { "isync", VC_FLAG(Finput_sync) },
        { "muxdelay", VC_NUMBER(Fmux_max_delay) },
        { "muxpreload", VC_NUMBER(Fmux_preload) },
        { "absf", BitstreamFilter },
        { "vbsf", BitstreamFilter },
        { "sbsf", BitstreamFilter },
        { "apre", Preset },
        { "vpre", Preset },
        { "spre", Preset },
        { "fpre", Preset },
    };
    return table;
}

} // namespace

void TOptionDispatcher::ParseOption(const std::string& name, const std::string& value) {
    const TOptionTable& table = OptionTable();
    if (const auto found = table.find(name); found != table.end()) {
        found->second(*this, name, value);
        return;
    }
    SetDefaultOption(name, value);
}
