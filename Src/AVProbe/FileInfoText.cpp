#include "Src/AVProbe/ProbeText.h"
#include "Src/AVProbe/TCustomAVProbe.h"

#include "Src/AVCodecStubs.h"
#include "Src/AVFormatStubs.h"
#include "Src/AVUtilStubs.h"
#include "Src/FFUtils.h"
#include "Src/MyUtils.h"
#include "platform/rtl/Format.h"

namespace {

constexpr const char* kLineEnd = "\r\n";

std::string SecondsText(std::int64_t microseconds) {
    return Format("%d.%.6d", microseconds / 1000000, microseconds % 1000000);
}

// The text avcodec_string writes for the stream's codec, through a context made from the
// stream's parameters since streams no longer carry one.
std::string CodecText(const AVCodecParameters* parameters) {
    char text[256] = {};
    CodecContextPtr context(av::avcodec_alloc_context3(nullptr));
    if (!context || av::avcodec_parameters_to_context(context.get(), parameters) < 0) return "";
    av::avcodec_string(text, sizeof text, context.get(), 0);
    return text;
}

std::string RatePiece(AVRational rate, const char* unit) {
    if (rate.num == 0 || rate.den == 0) return "";
    return RateText(double(rate.num) / double(rate.den), unit);
}

// A program's tag under its older name or the name today's demuxers give it; "N/A" without one.
std::string ProgramTag(const AVDictionary* metadata, const char* key, const char* currentKey) {
    const std::string value = MetadataValue(metadata, key, "");
    return value.empty() ? MetadataValue(metadata, currentKey, "N/A") : value;
}

} // namespace

std::string TCustomAVProbe::StreamLine(int streamIndex) {
    const AVStream* stream = FileHandle()->streams[streamIndex];
    const AVCodecParameters* codec = stream->codecpar;
    std::string line = Format("Stream #%d", streamIndex);
    if (FileHandle()->iformat && (FileHandle()->iformat->flags & AVFMT_SHOW_IDS))
        line += Format("[0x%x]", stream->id);
    const std::string language = MetadataValue(stream->metadata, "language", "");
    if (!language.empty()) line += Format("(%s)", language);
    int divisor = av::av_gcd(stream->time_base.num, stream->time_base.den);
    if (divisor == 0) divisor = 1;
    line += Format(", %d/%d", stream->time_base.num / divisor, stream->time_base.den / divisor);
    line += ": " + CodecText(codec);

    const AVRational streamAspect = stream->sample_aspect_ratio;
    const AVRational codecAspect = codec->sample_aspect_ratio;
    if (streamAspect.num != 0 && std::int64_t(streamAspect.num) * codecAspect.den !=
                                     std::int64_t(codecAspect.num) * streamAspect.den) {
        AVRational display{ 0, 1 };
        av::av_reduce(&display.num, &display.den, std::int64_t(codec->width) * streamAspect.num,
                      std::int64_t(codec->height) * streamAspect.den, 1024 * 1024);
        line += Format(", PAR %d:%d DAR %d:%d", streamAspect.num, streamAspect.den, display.num,
                       display.den);
    }
    if (codec->codec_type == AVMEDIA_TYPE_VIDEO) {
        line += RatePiece(stream->avg_frame_rate, "fps");
        line += RatePiece(stream->r_frame_rate, "tbr");
        line += RatePiece(AVRational{ stream->time_base.den, stream->time_base.num }, "tbn");
    }
    // A zero denominator would make rescaling divide by zero; such a stream shows no times.
    const bool rescalable = stream->time_base.num != 0 && stream->time_base.den != 0;
    if (stream->start_time != AV_NOPTS_VALUE && rescalable)
        line += ", StartTime: " + SecondsText(av::av_rescale_q(stream->start_time,
                                                               stream->time_base, AV_TIME_BASE_Q));
    if (stream->duration == AV_NOPTS_VALUE || !rescalable)
        line += ", Duration: N/A";
    else
        line +=
            ", Duration: " +
            DurationToText(av::av_rescale_q(stream->duration, stream->time_base, AV_TIME_BASE_Q));
    return line + kLineEnd + MetadataBlock(stream->metadata, "  ");
}

std::string TCustomAVProbe::ProgramLines(unsigned programIndex, std::vector<bool>& shown) {
    const AVProgram* program = FileHandle()->programs[programIndex];
    std::string lines = Format("Program %d %s", program->id,
                               ProgramTag(program->metadata, "provider_name", "service_provider") +
                                   "@" + ProgramTag(program->metadata, "name", "service_name")) +
                        kLineEnd + MetadataBlock(program->metadata, "  ");
    for (unsigned i = 0; i < program->nb_stream_indexes; ++i) {
        const unsigned index = program->stream_index[i];
        if (index >= shown.size()) continue; // a program may list a stream the file lacks
        lines += StreamLine(int(index));
        shown[index] = true;
    }
    return lines;
}

std::string TCustomAVProbe::FileInfoText() {
    AVFormatContext* context = FileHandle();
    if (!context) {
        ReportError(AV_LOG_WARNING, "file not loaded.");
        return "";
    }
    std::string text;
    const auto addLine = [&text](const std::string& line) { text += line + kLineEnd; };
    addLine(Format("File Name: %s", FileName()));
    addLine(Format("Format Name: %s", FormatName()));
    addLine(Format("Format Long Name: %s", FormatLongName()));
    addLine(Format("File Size: %s", SizeToText(FileSize())));
    const TFileStreamInfo info = FileStreamInfo();
    if (info.Duration < 0)
        addLine("Duration: N/A");
    else
        addLine(Format("Duration: %s", DurationToText(info.Duration)));
    if (info.StartTime >= 0) addLine("StartTime: " + SecondsText(info.StartTime));
    if (info.BitRate < 1)
        addLine("Bit Rate: N/A");
    else
        addLine(Format("Bit Rate: %d kb/s", info.BitRate / 1000));
    if (info.TimeStamp > 0)
        addLine(Format("Time Stamp: %s",
                       DateTimeText("yyyy-mm-dd hh:nn:ss", UnixTimeToLocal(info.TimeStamp))));
    text += MetadataBlock(context->metadata, "");

    std::vector<bool> shown(context->nb_streams, false);
    for (unsigned i = 0; i < context->nb_programs; ++i)
        text += ProgramLines(i, shown);
    for (unsigned i = 0; i < context->nb_streams; ++i)
        if (!shown[i]) text += StreamLine(int(i));
    return text;
}
