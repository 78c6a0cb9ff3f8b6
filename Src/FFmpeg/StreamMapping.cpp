#include "Src/FFmpeg/TCustomFFmpeg.h"
#include "Src/FFmpeg/TranscodeRun.h"

#include "Src/AVUtilStubs.h"
#include "Src/FFUtils/MediaText.h"
#include "Src/FFmpeg/FFmpegException.h"
#include "platform/rtl/Format.h"

void TTranscodeRun::BuildInputTables() {
    FNoPacket.assign(std::size_t(FOwner.MaxFiles()), false);
    FNoPacketCount = 0;
    int running = 0;
    for (int i = 0; i < FOwner.nb_input_files(); ++i) {
        TInputFile& file = FOwner.InputFile(i);
        TAVInputFile record;
        record.ist_index = running;
        record.nb_streams = int(file.Streams.size());
        FFiles.push_back(record);
        for (int j = 0; j < record.nb_streams; ++j) {
            auto ist = std::make_unique<TAVInputStream>();
            ist->Record = file.Streams[std::size_t(j)].get();
            ist->st = ist->Record->Stream;
            ist->file_index = i;
            ist->index = j;
            if (FOpt.Frate_emu) ist->start = av::av_gettime();
            ist->Frame.reset(av::av_frame_alloc());
            if (!ist->Frame) throw FFmpegException("av_mallocz fail");
            FInputStreams.push_back(std::move(ist));
        }
        running += record.nb_streams;
    }
}

void TTranscodeRun::BuildOutputTables() {
    int total = 0;
    for (int i = 0; i < FOwner.nb_output_files(); ++i) {
        TOutputFile& file = FOwner.OutputFile(i);
        if (file.Streams.empty()) {
            av::av_dump_format(file.Context.get(), i, file.Context->url, 1);
            throw FFmpegException(Format("Output file #%d does not contain any stream", i));
        }
        total += int(file.Streams.size());
    }
    FGroupSize = int(FOwner.OutputFile(0).Streams.size());
    const auto& maps = FOpt.Fstream_maps;
    if (!maps.empty() && int(maps.size()) != total)
        throw FFmpegException("Number of stream maps must match number of output streams");
    const int inputs = int(FFiles.size());
    for (const TAVStreamMap& map : maps) {
        if (map.file_index < 0 || map.file_index >= inputs || map.stream_index < 0 ||
            map.stream_index >= FFiles[std::size_t(map.file_index)].nb_streams)
            throw FFmpegException(
                Format("Could not find input stream #%d.%d", map.file_index, map.stream_index));
        if (map.sync_file_index < 0 || map.sync_file_index >= inputs || map.sync_stream_index < 0 ||
            map.sync_stream_index >= FFiles[std::size_t(map.sync_file_index)].nb_streams)
            throw FFmpegException(Format("Could not find sync stream #%d.%d", map.sync_file_index,
                                         map.sync_stream_index));
    }
    for (int i = 0; i < FOwner.nb_output_files(); ++i) {
        TOutputFile& file = FOwner.OutputFile(i);
        for (std::size_t k = 0; k < file.Streams.size(); ++k) {
            auto ost = std::make_unique<TAVOutputStream>();
            ost->file_index = i;
            ost->index = int(k);
            ost->Record = file.Streams[k].get();
            ost->st = ost->Record->Stream;
            ost->oc = file.Context.get();
            FOutputStreams.push_back(std::move(ost));
        }
    }
    // In join mode every group writes the one file through the encoders of group 0.
    if (FJoin)
        for (std::size_t n = std::size_t(FGroupSize); n < FOutputStreams.size(); ++n)
            FOutputStreams[n]->EncoderOwner = FOutputStreams[n % std::size_t(FGroupSize)].get();
}

TAVInputStream* TTranscodeRun::AutomaticSource(const TAVOutputStream& ost, int fileIndex) {
    const int type = ost.Type();
    const int programId = FOpt.Fopt_programid;
    TAVInputStream* best = nullptr;
    std::int64_t bestScore = -1;
    for (auto& ist : FInputStreams) {
        if (!ist->discard || ist->st->discard == AVDISCARD_ALL) continue;
        if (ist->st->codecpar->codec_type != type) continue;
        if (FJoin && ist->file_index != fileIndex) continue;
        if (programId) {
            const AVFormatContext* ic = FOwner.InputFile(ist->file_index).Context.get();
            bool listed = false;
            for (unsigned p = 0; p < ic->nb_programs && !listed; ++p) {
                const AVProgram* program = ic->programs[p];
                if (program->id != programId) continue;
                for (unsigned s = 0; s < program->nb_stream_indexes; ++s)
                    listed |= int(program->stream_index[s]) == ist->index;
            }
            if (!listed) continue;
        }
        // The analysed frame count is no longer public: the frames the container announces,
        // else the bit rate, rank the candidates; the earlier one stays on a tie.
        const std::int64_t score =
            ist->st->nb_frames > 0 ? ist->st->nb_frames : ist->st->codecpar->bit_rate / 1000;
        if (!best || score > bestScore) {
            best = ist.get();
            bestScore = score;
        }
    }
    if (best || programId || FJoin) return best;
    for (auto it = FInputStreams.rbegin(); it != FInputStreams.rend(); ++it)
        if ((*it)->st->discard != AVDISCARD_ALL && (*it)->st->codecpar->codec_type == type)
            return it->get();
    return nullptr;
}

void TTranscodeRun::MapStreams() {
    const auto& maps = FOpt.Fstream_maps;
    for (std::size_t n = 0; n < FOutputStreams.size(); ++n) {
        TAVOutputStream& ost = *FOutputStreams[n];
        const int type = ost.Type();
        TAVInputStream* source = nullptr;
        if (!maps.empty()) {
            const TAVStreamMap& map = maps[n];
            ost.source_index = FFiles[std::size_t(map.file_index)].ist_index + map.stream_index;
            source = FInputStreams[std::size_t(ost.source_index)].get();
            const int inputType = source->st->codecpar->codec_type;
            if (inputType != type) {
                av::av_dump_format(ost.oc, ost.file_index, ost.oc->url, 1);
                throw FFmpegException(
                    Format("Codec type mismatch for mapping #%d.%d (%s) -> #%d.%d (%s)",
                           map.file_index, map.stream_index, MediaTypeName(inputType),
                           ost.file_index, ost.index, MediaTypeName(type)));
            }
            ost.sync_ist =
                FInputStreams[std::size_t(FFiles[std::size_t(map.sync_file_index)].ist_index +
                                          map.sync_stream_index)]
                    .get();
        } else {
            source = AutomaticSource(ost, ost.file_index);
            if (!source) {
                av::av_dump_format(ost.oc, ost.file_index, ost.oc->url, 1);
                throw FFmpegException(
                    Format("Could not find input stream matching output stream #%d.%d (%s)",
                           ost.file_index, ost.index, MediaTypeName(type)));
            }
            ost.source_index = FFiles[std::size_t(source->file_index)].ist_index + source->index;
            ost.sync_ist = source;
        }
        source->discard = false;
        ost.show_fps = true;
    }
}

void TTranscodeRun::DumpFormatsAndMapping() {
    for (int i = 0; i < OutputFileCount(); ++i) {
        AVFormatContext* context = FOwner.OutputFile(i).Context.get();
        av::av_dump_format(context, i, context->url, 1);
    }
    if (FOpt.Fverbose < 0) return;
    FOwner.Log(llVerbose, "Stream mapping:");
    for (const auto& ost : FOutputStreams) {
        const TAVInputStream& source = *FInputStreams[std::size_t(ost->source_index)];
        const int type = ost->Type();
        FOwner.Log(llVerbose,
                   Format("  Stream #%d.%d -> #%d.%d (%s)", source.file_index, source.index,
                          FJoin ? 0 : ost->file_index, ost->index, MediaTypeName(type)));
        if (ost->sync_ist && ost->sync_ist != &source)
            FOwner.Log(llVerbose, Format(" [sync #%d.%d (%s)]", ost->sync_ist->file_index,
                                         ost->sync_ist->index, MediaTypeName(type)));
    }
}
