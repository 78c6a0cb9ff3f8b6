#include "Src/FFmpeg/TCustomFFmpeg.h"
#include "Src/FFmpeg/TranscodeRun.h"

#include "Src/AVFormatStubs.h"
#include "Src/AVUtilStubs.h"
#include "Src/FFUtils/MediaText.h"
#include "Src/FFmpeg/FFmpegException.h"
#include "Src/UnicodeProtocol.h"
#include "platform/rtl/Format.h"

#include <chrono>
#include <climits>
#include <cmath>
#include <thread>

void TTranscodeRun::PacketLoop() {
    FTimerStart = av::av_gettime();
    std::int64_t lastReport = FTimerStart;
    int current = 0;
    std::fill(FNoPacket.begin(), FNoPacket.end(), false);
    FNoPacketCount = 0;
    while (FOwner.PassGate()) {
        current = ChooseInputFile(current);
        if (current < 0) {
            if (FJoin || FNoPacketCount == 0) break;
            std::fill(FNoPacket.begin(), FNoPacket.end(), false);
            FNoPacketCount = 0;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            continue;
        }
        // A format that writes no file has no size to limit.
        AVIOContext* pb = FOwner.OutputFile(0).Context->pb;
        if (FOpt.Flimit_filesize && pb && av::avio_seek(pb, 0, SEEK_CUR) > FOpt.Flimit_filesize)
            break;
        AVFormatContext* ic = FOwner.InputFile(current).Context.get();
        const int result = av::av_read_frame(ic, FPacket.get());
        if (result == AVERROR(EAGAIN)) {
            FNoPacket[std::size_t(current)] = true;
            ++FNoPacketCount;
            continue;
        }
        if (result < 0) {
            // The end of the file ends it; a failing read is the run's failure, not an end.
            const bool ended =
                result == AVERROR_EOF || (ic->pb && av::avio_feof(ic->pb) && ic->pb->error == 0);
            if (!ended)
                throw FFmpegException(ErrorToText(FileNameFromAV(ic->url ? ic->url : ""), result));
            FFiles[std::size_t(current)].eof_reached = true;
            ReportEarlyEnd(current);
            if (FJoin) {
                bool last = false;
                EndJoinedFile(current, current, last);
                if (last) break;
                continue;
            }
            if (FOpt.Fopt_shortest) break;
            continue;
        }
        std::fill(FNoPacket.begin(), FNoPacket.end(), false);
        FNoPacketCount = 0;
        // A damaged packet read with the file already at its end: the file stops inside it.
        if ((FPacket->flags & AV_PKT_FLAG_CORRUPT) && ic->pb && av::avio_feof(ic->pb))
            FFiles[std::size_t(current)].ended_early = true;
        const bool handled = ReadAndHandle(current);
        av::av_packet_unref(FPacket.get());
        if (!handled) continue;
        const std::int64_t now = av::av_gettime();
        if (now - lastReport > FOwner.ReportInterval) {
            lastReport = now;
            ReportProgress(current, false);
        }
    }
}

void TTranscodeRun::ReportEarlyEnd(int fileIndex) {
    TAVInputFile& file = FFiles[std::size_t(fileIndex)];
    if (!file.ended_early || file.early_end_reported) return;
    file.early_end_reported = true;
    const AVFormatContext* ic = FOwner.InputFile(fileIndex).Context.get();
    FOwner.Log(llWarning, Format("%s: the input ended early, inside a packet; the output holds "
                                 "what could be read",
                                 FileNameFromAV(ic->url ? ic->url : "")));
}

int TTranscodeRun::ChooseInputFile(int current) {
    if (FJoin) {
        const std::size_t first = std::size_t(current) * std::size_t(FGroupSize);
        for (std::size_t n = first; n < first + std::size_t(FGroupSize); ++n) {
            const TAVOutputStream& ost = *FOutputStreams[n];
            if (ost.frame_number >= FOpt.Fmax_frames[std::size_t(ost.Type())]) return -1;
        }
        return current;
    }
    int file = -1;
    double smallestOutput = 1e100;
    double smallestInput = 1e100;
    for (auto& entry : FOutputStreams) {
        TAVOutputStream& ost = *entry;
        const TAVInputStream& ist = *FInputStreams[std::size_t(ost.source_index)];
        if (ist.is_past_recording_time || FNoPacket[std::size_t(ist.file_index)]) continue;
        // The output clock of an encoder counts what it was given, not what its delay let out.
        const double outputTime = OutputClock(ost);
        const double inputTime = double(ist.pts);
        if (!FFiles[std::size_t(ist.file_index)].eof_reached) {
            if (inputTime < smallestInput) {
                smallestInput = inputTime;
                if (FOpt.Finput_sync) file = ist.file_index;
            }
            if (outputTime < smallestOutput) {
                smallestOutput = outputTime;
                if (!FOpt.Finput_sync) file = ist.file_index;
            }
        }
        const int type = ost.Type();
        if (type >= 0 && type < int(FOpt.Fmax_frames.size()) &&
            ost.frame_number >= FOpt.Fmax_frames[std::size_t(type)])
            return -1;
    }
    return file;
}

bool TTranscodeRun::ReadAndHandle(int fileIndex) {
    AVPacket* packet = FPacket.get();
    const TAVInputFile& file = FFiles[std::size_t(fileIndex)];
    AVFormatContext* ic = FOwner.InputFile(fileIndex).Context.get();
    if (FOpt.Fdo_pkt_dump && packet->stream_index < int(ic->nb_streams))
        av::av_pkt_dump_log2(nullptr, AV_LOG_DEBUG, packet, FOpt.Fdo_hex_dump,
                             ic->streams[packet->stream_index]);
    // A stream the file gained after the tables were made has no record.
    if (packet->stream_index >= file.nb_streams) return true;
    const int position = file.ist_index + packet->stream_index;
    TAVInputStream& ist = *FInputStreams[std::size_t(position)];
    if (ist.discard) return true;
    NoteLastEnd(*packet, ist);
    RepairTimestamps(*packet, ist);
    if (FOpt.Frecording_time != INT64_MAX) {
        const std::int64_t stamp = packet->pts != AV_NOPTS_VALUE ? packet->pts : packet->dts;
        if (stamp != AV_NOPTS_VALUE &&
            av::av_compare_ts(stamp, ist.st->time_base, FOpt.Frecording_time + FOpt.Fstart_time,
                              AV_TIME_BASE_Q) >= 0) {
            ist.is_past_recording_time = true;
            return true;
        }
    }
    if (ProcessInputPacket(ist, position, packet) < 0) {
        const std::string message =
            Format("Error while decoding stream #%d.%d (%s)", ist.file_index, ist.index,
                   MediaTypeName(ist.st->codecpar->codec_type));
        if (FOpt.Fexit_on_error) throw FFmpegException(message);
        if (FOpt.Fverbose >= 0) FOwner.Log(llVerbose, message);
        return false;
    }
    return true;
}

void TTranscodeRun::RepairTimestamps(AVPacket& packet, TAVInputStream& ist) {
    TInputFile& input = FOwner.InputFile(ist.file_index);
    const AVRational base = ist.st->time_base;
    const std::int64_t offset = av::av_rescale_q(input.TSOffset, AV_TIME_BASE_Q, base);
    if (packet.dts != AV_NOPTS_VALUE) packet.dts += offset;
    if (packet.pts != AV_NOPTS_VALUE) packet.pts += offset;
    const double scale = FOpt.InputTSScale(ist.file_index, ist.index);
    if (scale != 0.0) {
        if (packet.pts != AV_NOPTS_VALUE) packet.pts = std::llrint(double(packet.pts) * scale);
        if (packet.dts != AV_NOPTS_VALUE) packet.dts = std::llrint(double(packet.dts) * scale);
    }
    if (packet.dts == AV_NOPTS_VALUE || ist.next_pts == AV_NOPTS_VALUE ||
        !(input.Context->iformat->flags & AVFMT_TS_DISCONT))
        return;
    const std::int64_t packetDts = av::av_rescale_q(packet.dts, base, AV_TIME_BASE_Q);
    const std::int64_t delta = packetDts - ist.next_pts;
    // A decoded picture may be shown a little after the next packet is decoded; only a step
    // back beyond that is the clock starting again.
    constexpr std::int64_t kReorderSlack = AV_TIME_BASE / 10;
    if ((std::llabs(delta) > std::int64_t(FOpt.Fdts_delta_threshold * AV_TIME_BASE) ||
         packetDts + kReorderSlack < ist.pts) &&
        !FOpt.Fcopy_ts) {
        input.TSOffset -= delta;
        if (FOpt.Fverbose > 2)
            FOwner.Log(llVerbose, Format("timestamp discontinuity %d, new offset= %d",
                                         static_cast<long long>(delta),
                                         static_cast<long long>(input.TSOffset)));
        const std::int64_t shift = av::av_rescale_q(delta, AV_TIME_BASE_Q, base);
        packet.dts -= shift;
        if (packet.pts != AV_NOPTS_VALUE) packet.pts -= shift;
    }
}

void TTranscodeRun::NoteLastEnd(const AVPacket& packet, TAVInputStream& ist) {
    const std::int64_t stamp = packet.pts != AV_NOPTS_VALUE ? packet.pts : packet.dts;
    if (stamp == AV_NOPTS_VALUE) return;
    const std::int64_t end = av::av_rescale_q(stamp + std::max<std::int64_t>(packet.duration, 0),
                                              ist.st->time_base, AV_TIME_BASE_Q);
    if (ist.last_end == AV_NOPTS_VALUE || end > ist.last_end) ist.last_end = end;
}

bool TTranscodeRun::ClockContinues(int fileIndex) const {
    // A stream's next packet may come up to this much after or before the previous one ended.
    constexpr std::int64_t kSeam = AV_TIME_BASE / 2;
    const TAVInputFile& file = FFiles[std::size_t(fileIndex)];
    const TAVInputFile& next = FFiles[std::size_t(fileIndex) + 1];
    int compared = 0;
    for (int j = 0; j < std::min(file.nb_streams, next.nb_streams); ++j) {
        const TAVInputStream& ist = *FInputStreams[std::size_t(file.ist_index + j)];
        const TAVInputStream& following = *FInputStreams[std::size_t(next.ist_index + j)];
        if (ist.discard || ist.last_end == AV_NOPTS_VALUE) continue;
        if (following.st->codecpar->codec_type != ist.st->codecpar->codec_type) return false;
        if (following.st->start_time == AV_NOPTS_VALUE) continue;
        const std::int64_t start =
            av::av_rescale_q(following.st->start_time, following.st->time_base, AV_TIME_BASE_Q);
        if (std::llabs(start - ist.last_end) > kSeam) return false;
        ++compared;
    }
    return compared > 0;
}

void TTranscodeRun::EndJoinedFile(int fileIndex, int& current, bool& ended) {
    const int inputs = int(FFiles.size());
    const bool last = fileIndex == inputs - 1;
    const TAVInputFile& file = FFiles[std::size_t(fileIndex)];
    // The encoders stay open across the files: 5.1 cannot reopen one, and a new one would have
    // to give exactly the header already written. Only the last file drains them.
    for (int j = 0; j < file.nb_streams; ++j) {
        const int position = file.ist_index + j;
        TAVInputStream& ist = *FInputStreams[std::size_t(position)];
        if (!ist.decoding_needed) continue;
        ProcessInputPacket(ist, position, nullptr, last);
        av::avcodec_flush_buffers(ist.Decoder());
        ist.decoder_flushed = true;
        ist.decoder_drained = false;
    }
    for (std::size_t n = std::size_t(FGroupSize); n < FOutputStreams.size(); ++n) {
        FOutputStreams[n]->sync_opts = FOutputStreams[n - std::size_t(FGroupSize)]->sync_opts;
        FOutputStreams[n]->frame_number = FOutputStreams[n - std::size_t(FGroupSize)]->frame_number;
    }
    double endTime = 0.0;
    const std::size_t first = std::size_t(fileIndex) * std::size_t(FGroupSize);
    for (std::size_t n = first; n < first + std::size_t(FGroupSize); ++n) {
        if (n + std::size_t(FGroupSize) >= FOutputStreams.size()) break;
        endTime = std::max(endTime, OutputClock(*FOutputStreams[n]));
        FOutputStreams[n]->show_fps = false;
    }
    if (last) {
        ended = true;
        return;
    }
    // The files of one title split on a disc go on with the title's clock; other files start
    // where the output so far ends.
    TInputFile& next = FOwner.InputFile(fileIndex + 1);
    if (ClockContinues(fileIndex))
        next.TSOffset = FOwner.InputFile(fileIndex).TSOffset;
    else
        next.TSOffset += std::llrint(endTime * AV_TIME_BASE);
    current = fileIndex + 1;
}

void TTranscodeRun::Ending() {
    for (std::size_t n = 0; n < FInputStreams.size(); ++n) {
        TAVInputStream& ist = *FInputStreams[n];
        if (ist.decoding_needed && !ist.decoder_flushed) ProcessInputPacket(ist, int(n), nullptr);
    }
    WriteTrailers();
    ReportProgress(-1, true);
    FOwner.RunReachedEnd();
}

void TTranscodeRun::WriteTrailers() {
    for (int i = 0; i < OutputFileCount(); ++i) {
        AVFormatContext* oc = FOwner.OutputFile(i).Context.get();
        const int result = av::av_write_trailer(oc);
        if (result < 0) throw FFmpegException(ErrorToText("av_write_trailer()", result));
        if (oc->pb) {
            av::avio_flush(oc->pb);
            if (oc->pb->error < 0)
                throw FFmpegException(ErrorToText("av_write_trailer()", oc->pb->error));
        }
    }
}
