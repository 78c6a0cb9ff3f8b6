#include "Src/FFmpeg/BuiltInPresets.h"

#include "platform/rtl/TextUtils.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string_view>
#include <utility>

namespace {

using TLines = std::initializer_list<std::string_view>;

// "libx264-default"; every other preset is these lines with some values changed, some lines added
// right after "flags2" and some dropped.
constexpr std::array<std::string_view, 22> kDefaultLines = {
    "coder=1",
    "flags=+loop",
    "cmp=+chroma",
    "partitions=+parti8x8+parti4x4+partp8x8+partb8x8",
    "me_method=hex",
    "subq=7",
    "me_range=16",
    "g=250",
    "keyint_min=25",
    "sc_threshold=40",
    "i_qfactor=0.71",
    "b_strategy=1",
    "qcomp=0.6",
    "qmin=10",
    "qmax=51",
    "qdiff=4",
    "bf=3",
    "refs=3",
    "directpred=1",
    "trellis=1",
    "flags2=+mixed_refs+wpred+dct8x8+fastpskip",
    "wpredp=2",
};

struct TPresetRow {
    std::string_view Name;
    TLines Changed;
    TLines Added;
    TLines Dropped;
};

// The baseline family keeps only these keys of the default.
#define VC_BASELINE_DROPS                                                                          \
    "flags", "cmp", "partitions", "me_method", "subq", "me_range", "g", "keyint_min",              \
        "sc_threshold", "i_qfactor", "b_strategy", "qcomp", "qmin", "qmax", "qdiff"

const TPresetRow kPresetRows[] = {
    { "libx264-baseline",
      { "coder=0", "bf=0", "flags2=-wpred-dct8x8", "wpredp=0" },
      {},
      { VC_BASELINE_DROPS, "refs", "directpred", "trellis" } },
    { "libx264-default", {}, {}, {} },
    { "libx264-fast",
      { "subq=6", "refs=2", "flags2=+bpyramid+mixed_refs+wpred+dct8x8+fastpskip" },
      {},
      {} },
    { "libx264-fast_firstpass",
      { "partitions=-parti8x8-parti4x4-partp8x8-partb8x8", "me_method=dia", "subq=2", "refs=1",
        "trellis=0", "flags2=+bpyramid-mixed_refs+wpred-dct8x8+fastpskip" },
      {},
      {} },
    { "libx264-faster",
      { "subq=4", "refs=2", "flags2=+bpyramid-mixed_refs+wpred+dct8x8+fastpskip", "wpredp=1" },
      {},
      {} },
    { "libx264-faster_firstpass",
      { "partitions=-parti8x8-parti4x4-partp8x8-partb8x8", "me_method=dia", "subq=2", "refs=1",
        "trellis=0", "flags2=+bpyramid-mixed_refs+wpred-dct8x8+fastpskip", "wpredp=1" },
      {},
      {} },
    { "libx264-fastfirstpass",
      { "partitions=-parti8x8-parti4x4-partp8x8-partp4x4-partb8x8", "me_method=dia", "subq=2",
        "refs=1", "directpred=3", "trellis=0", "flags2=-bpyramid-wpred-mixed_refs-dct8x8+fastpskip",
        "wpredp=2" },
      {},
      {} },
    { "libx264-hq",
      { "me_method=umh", "subq=8", "b_strategy=2", "refs=4", "directpred=3",
        "flags2=+wpred+mixed_refs+dct8x8+fastpskip" },
      {},
      {} },
    { "libx264-ipod320",
      { "coder=0", "bf=0", "flags2=-wpred-dct8x8", "wpredp=0" },
      { "level=13", "maxrate=768000", "bufsize=3000000" },
      { VC_BASELINE_DROPS, "refs", "directpred", "trellis" } },
    { "libx264-ipod640",
      { "coder=0", "bf=0", "refs=1", "flags2=-wpred-dct8x8", "wpredp=0" },
      { "level=30", "maxrate=10000000", "bufsize=10000000" },
      { VC_BASELINE_DROPS, "directpred", "trellis" } },
    { "libx264-lossless_fast",
      { "coder=0", "partitions=-parti8x8+parti4x4+partp8x8-partp4x4-partb8x8", "subq=3",
        "flags2=+fastpskip", "wpredp=0" },
      { "cqp=0" },
      { "bf", "refs", "trellis" } },
    { "libx264-lossless_max",
      { "partitions=+parti8x8+parti4x4+partp8x8+partp4x4-partb8x8", "me_method=esa", "subq=8",
        "refs=16", "flags2=+mixed_refs+dct8x8+fastpskip" },
      { "cqp=0" },
      { "bf", "trellis" } },
    { "libx264-lossless_medium",
      { "partitions=-parti8x8+parti4x4+partp8x8+partp4x4-partb8x8", "subq=5", "flags2=+fastpskip" },
      { "cqp=0" },
      { "bf", "refs", "trellis" } },
    { "libx264-lossless_slow",
      { "partitions=+parti8x8+parti4x4+partp8x8+partp4x4-partb8x8", "me_method=umh", "subq=6",
        "refs=2", "flags2=+dct8x8+fastpskip" },
      { "cqp=0" },
      { "bf", "trellis" } },
    { "libx264-lossless_slower",
      { "partitions=+parti8x8+parti4x4+partp8x8+partp4x4-partb8x8", "me_method=umh", "subq=8",
        "refs=4", "flags2=+mixed_refs+dct8x8+fastpskip" },
      { "cqp=0" },
      { "bf", "trellis" } },
    { "libx264-lossless_ultrafast",
      { "coder=0", "partitions=-parti8x8-parti4x4-partp8x8-partp4x4-partb8x8", "me_method=dia",
        "subq=0", "flags2=+fastpskip" },
      { "cqp=0" },
      { "bf", "refs", "trellis", "wpredp" } },
    { "libx264-main",
      { "flags2=-dct8x8" },
      {},
      { "coder", VC_BASELINE_DROPS, "bf", "refs", "directpred", "trellis", "wpredp" } },
    { "libx264-max",
      { "partitions=+parti8x8+parti4x4+partp8x8+partp4x4+partb8x8", "me_method=tesa", "subq=10",
        "me_range=24", "b_strategy=2", "refs=16", "directpred=3", "trellis=2",
        "flags2=+wpred+mixed_refs+dct8x8-fastpskip" },
      {},
      {} },
    { "libx264-medium", { "flags2=+bpyramid+mixed_refs+wpred+dct8x8+fastpskip" }, {}, {} },
    { "libx264-medium_firstpass",
      { "partitions=-parti8x8-parti4x4-partp8x8-partb8x8", "me_method=dia", "subq=2", "refs=1",
        "trellis=0", "flags2=+bpyramid-mixed_refs+wpred-dct8x8+fastpskip" },
      {},
      {} },
    { "libx264-normal",
      { "subq=6", "refs=2", "directpred=3", "trellis=0", "flags2=+wpred+dct8x8+fastpskip" },
      {},
      {} },
    { "libx264-placebo",
      { "partitions=+parti8x8+parti4x4+partp8x8+partp4x4+partb8x8", "me_method=tesa", "subq=10",
        "me_range=24", "b_strategy=2", "bf=16", "refs=16", "directpred=3", "trellis=2",
        "flags2=+bpyramid+mixed_refs+wpred+dct8x8-fastpskip" },
      {},
      {} },
    { "libx264-placebo_firstpass",
      { "partitions=+parti8x8+parti4x4+partp8x8+partp4x4+partb8x8", "me_method=tesa", "subq=10",
        "me_range=24", "b_strategy=2", "bf=16", "refs=16", "directpred=3", "trellis=2",
        "flags2=+bpyramid+mixed_refs+wpred+dct8x8-fastpskip" },
      {},
      {} },
    { "libx264-slow",
      { "me_method=umh", "subq=8", "b_strategy=2", "refs=5", "directpred=3",
        "flags2=+bpyramid+mixed_refs+wpred+dct8x8+fastpskip" },
      {},
      {} },
    { "libx264-slow_firstpass",
      { "partitions=-parti8x8-parti4x4-partp8x8-partb8x8", "me_method=dia", "subq=2",
        "b_strategy=2", "refs=1", "directpred=3", "trellis=0",
        "flags2=+bpyramid-mixed_refs+wpred-dct8x8+fastpskip" },
      {},
      {} },
    { "libx264-slower",
      { "partitions=+parti8x8+parti4x4+partp8x8+partp4x4+partb8x8", "me_method=umh", "subq=9",
        "b_strategy=2", "refs=8", "directpred=3", "trellis=2",
        "flags2=+bpyramid+mixed_refs+wpred+dct8x8+fastpskip" },
      {},
      {} },
    { "libx264-slower_firstpass",
      { "partitions=-parti8x8-parti4x4-partp8x8-partb8x8", "me_method=dia", "subq=2",
        "b_strategy=2", "refs=1", "directpred=3", "trellis=0",
        "flags2=+bpyramid-mixed_refs+wpred-dct8x8+fastpskip" },
      {},
      {} },
    { "libx264-slowfirstpass",
      { "subq=6", "b_strategy=2", "refs=1", "directpred=3", "trellis=0",
        "flags2=+wpred+dct8x8+fastpskip" },
      {},
      {} },
    { "libx264-superfast",
      { "partitions=+parti8x8+parti4x4-partp8x8-partb8x8", "me_method=dia", "subq=1", "refs=1",
        "trellis=0", "flags2=+bpyramid-mixed_refs+wpred+dct8x8+fastpskip-mbtree", "wpredp=0" },
      {},
      {} },
    { "libx264-superfast_firstpass",
      { "partitions=-parti8x8-parti4x4-partp8x8-partb8x8", "me_method=dia", "subq=1", "refs=1",
        "trellis=0", "flags2=+bpyramid-mixed_refs+wpred-dct8x8+fastpskip-mbtree", "wpredp=0" },
      {},
      {} },
    { "libx264-ultrafast",
      { "coder=0", "flags=-loop", "partitions=-parti8x8-parti4x4-partp8x8-partb8x8",
        "me_method=dia", "subq=0", "sc_threshold=0", "b_strategy=0", "bf=0", "refs=1", "trellis=0",
        "flags2=-bpyramid-mixed_refs-wpred-dct8x8+fastpskip-mbtree", "wpredp=0" },
      {},
      {} },
    { "libx264-ultrafast_firstpass",
      { "coder=0", "flags=-loop", "partitions=-parti8x8-parti4x4-partp8x8-partb8x8",
        "me_method=dia", "subq=0", "sc_threshold=0", "b_strategy=0", "bf=0", "refs=1", "trellis=0",
        "flags2=-bpyramid-mixed_refs-wpred-dct8x8+fastpskip-mbtree", "wpredp=0" },
      {},
      {} },
    { "libx264-veryfast",
      { "subq=2", "refs=1", "trellis=0",
        "flags2=+bpyramid-mixed_refs+wpred+dct8x8+fastpskip-mbtree", "wpredp=0" },
      {},
      {} },
    { "libx264-veryfast_firstpass",
      { "partitions=-parti8x8-parti4x4-partp8x8-partb8x8", "me_method=dia", "subq=2", "refs=1",
        "trellis=0", "flags2=+bpyramid-mixed_refs+wpred-dct8x8+fastpskip-mbtree", "wpredp=0" },
      {},
      {} },
    { "libx264-veryslow",
      { "partitions=+parti8x8+parti4x4+partp8x8+partp4x4+partb8x8", "me_method=umh", "subq=10",
        "me_range=24", "b_strategy=2", "bf=8", "refs=16", "directpred=3", "trellis=2",
        "flags2=+bpyramid+mixed_refs+wpred+dct8x8+fastpskip" },
      {},
      {} },
    { "libx264-veryslow_firstpass",
      { "partitions=-parti8x8-parti4x4-partp8x8-partb8x8", "me_method=dia", "subq=2", "me_range=24",
        "b_strategy=2", "bf=8", "refs=1", "directpred=3", "trellis=0",
        "flags2=+bpyramid-mixed_refs+wpred-dct8x8+fastpskip" },
      {},
      {} },
};

std::string_view KeyOf(std::string_view line) {
    return line.substr(0, line.find('='));
}

std::string_view ValueOf(std::string_view line) {
    const std::size_t equals = line.find('=');
    return equals == std::string_view::npos ? std::string_view() : line.substr(equals + 1);
}

void AppendTranslated(std::string& text, std::string_view line) {
    for (const std::string& translated :
         TranslateX264Option(std::string(KeyOf(line)), std::string(ValueOf(line))))
        text += translated + "\n";
}

std::string PresetText(const TPresetRow& row) {
    std::string text;
    for (std::string_view line : kDefaultLines) {
        const std::string_view key = KeyOf(line);
        if (std::find(row.Dropped.begin(), row.Dropped.end(), key) != row.Dropped.end()) continue;
        for (std::string_view changed : row.Changed)
            if (KeyOf(changed) == key) line = changed;
        AppendTranslated(text, line);
        if (key == "flags2")
            for (std::string_view added : row.Added)
                AppendTranslated(text, added);
    }
    return text;
}

// The 2010 encoder's flags2 switches and the libx264 options that took their place, with the
// values for on and off.
struct TSwitch {
    std::string_view Flag;
    std::string_view Option;
    std::string_view On;
    std::string_view Off;
};

constexpr std::array<TSwitch, 6> kFlags2Switches = { {
    { "bpyramid", "b-pyramid", "normal", "none" },
    { "mixed_refs", "mixed-refs", "1", "0" },
    { "wpred", "weightb", "1", "0" },
    { "dct8x8", "8x8dct", "1", "0" },
    { "fastpskip", "fast-pskip", "1", "0" },
    { "mbtree", "mbtree", "1", "0" },
} };

constexpr std::array<std::pair<std::string_view, std::string_view>, 5> kPartitions = { {
    { "parti8x8", "i8x8" },
    { "parti4x4", "i4x4" },
    { "partp8x8", "p8x8" },
    { "partp4x4", "p4x4" },
    { "partb8x8", "b8x8" },
} };

constexpr std::array<std::pair<std::string_view, std::string_view>, 3> kRenamed = { {
    { "directpred", "direct-pred" },
    { "wpredp", "weightp" },
    { "cqp", "qp" },
} };

// "+a-b+c" as the switched names with their signs, in order.
std::vector<std::pair<bool, std::string>> FlagTerms(const std::string& value) {
    std::vector<std::pair<bool, std::string>> terms;
    for (char c : value) {
        if (c == '+' || c == '-')
            terms.emplace_back(c == '+', std::string());
        else if (!terms.empty())
            terms.back().second += c;
        else
            terms.emplace_back(true, std::string(1, c));
    }
    return terms;
}

} // namespace

std::vector<std::string> TranslateX264Option(const std::string& name, const std::string& value) {
    if (name == "flags2") {
        std::vector<std::string> lines;
        for (const auto& [on, flag] : FlagTerms(value))
            for (const TSwitch& s : kFlags2Switches)
                if (flag == s.Flag)
                    lines.push_back(std::string(s.Option) + "=" + std::string(on ? s.On : s.Off));
        return lines;
    }
    if (name == "partitions") {
        // The old flags started from none, so the partitions switched on are the whole list.
        std::string list;
        for (const auto& [on, flag] : FlagTerms(value))
            for (const auto& [old, now] : kPartitions)
                if (on && flag == old) list += (list.empty() ? "" : ",") + std::string(now);
        return { "partitions=" + (list.empty() ? std::string("none") : list) };
    }
    for (const auto& [old, now] : kRenamed)
        if (name == old) return { std::string(now) + "=" + value };
    return { name + "=" + value };
}

const std::vector<TOptionsPreset>& BuiltInPresets() {
    static const std::vector<TOptionsPreset> presets = [] {
        std::vector<TOptionsPreset> list;
        for (const TPresetRow& row : kPresetRows)
            list.push_back({ std::string(row.Name), PresetText(row) });
        return list;
    }();
    return presets;
}

std::string FindBuiltInPreset(const std::string& name) {
    for (const TOptionsPreset& preset : BuiltInPresets())
        if (SameText(preset.Name, name)) return preset.Value;
    return {};
}
