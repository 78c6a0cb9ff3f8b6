#include "Src/FFmpeg/TCustomFFmpeg.h"

#include "Src/AVUtilStubs.h"
#include "Src/FFmpeg/FFmpegException.h"
#include "Src/FFmpeg/PreviewWindow.h"
#include "Src/FFmpegLoader.h"
#include "platform/rtl/FileSystem.h"
#include "platform/rtl/Format.h"

#include <set>

namespace {

constexpr int kMaxFilesLimit = 512;

} // namespace

std::recursive_mutex& PostHookLock() {
    static std::recursive_mutex lock;
    return lock;
}

void ResetPostHookContext(TPostHookContext& context) {
    {
        // A set change on the GUI thread may be looking at the previewer.
        std::lock_guard lock(PostHookLock());
        context.Previewer.reset();
    }
    ResetRGBConvertContext(context.Context);
    context.preview_last_time = 0;
    context.preview_cur_time = 0;
}

TCustomFFmpeg::TCustomFFmpeg(int maxFiles) : TOptionDispatcher(this) {
    Assert(maxFiles >= 1 && maxFiles <= kMaxFilesLimit);
    FMaxFiles = maxFiles;
    MakeRun();
    InitDefaults();
}

TCustomFFmpeg::~TCustomFFmpeg() {
    Stop(true);
    FRun.reset();
    Cleanup();
}

void TCustomFFmpeg::MakeRun() {
    FRun = std::make_unique<TConvertLifecycle>(this);
    FRun->Steps = { [this] { Transcode(); }, [this] { CloseEncoderList(FEncoderList); },
                    [this] { CloseDecoderList(FDecoderList); }, [this] { Cleanup(); } };
    // OnTerminate is read when the run ends, so a handler set after the start still counts.
    FRun->OnTerminate = [this] {
        const TNotifyEvent handler = OnTerminate;
        if (handler) handler(this);
    };
}

void TCustomFFmpeg::InitDefaults() {
    Options().InitDefaults();
    Options().Finput_files_ts_scale.resize(std::size_t(FMaxFiles));
    // The option state's counts mirror the tables, which the defaults do not close.
    SyncFileCounts();
    ResetRGBConvertContext(FHookContext);
    FHookFrameNumber = 0;
    ResetPostHookContext(FPostContext);
    FPostHooks = {};
}

void TCustomFFmpeg::Reset() {
    if (!GlobalLoader().Loaded(FFmpegTasksLibraries)) return;
    if (Converting()) throw FFmpegException(Format("Cannot %s while working.", "Reset"));
    Cleanup();
    InitDefaults();
    FJoinMode = false;
    // A fresh run state: not converting, not stopped, not terminated, no failure.
    MakeRun();
    AllocFFOptions(Options().FOptions, int(Options().Fsws_flags));
}

void TCustomFFmpeg::CloseOutputs() {
    // In join mode several slots hold one output: each output is closed once.
    std::set<const TOutputFile*> closed;
    for (auto& slot : Foutput_files) {
        if (!slot || !closed.insert(slot.get()).second) continue;
        slot->CloseIO();
        const std::string fileName = slot->FileName();
        slot->Streams.clear();
        slot->Context.reset();
        if (!fileName.empty() && FileSize(fileName) == 0) DeleteFile(fileName);
    }
    Foutput_files.clear();
}

void TCustomFFmpeg::Cleanup() {
    if (!GlobalLoader().Loaded(FFmpegTasksLibraries)) return;
    TTranscoderOptions& opt = Options();
    FreeFFOptions(opt.FOptions);
    CloseOutputs();
    Finput_files.clear();
    Finput_codecs.clear();
    Foutput_codecs.clear();
    SyncFileCounts();
    opt.Fintra_matrix.reset();
    opt.Finter_matrix.reset();
    opt.Fvstats_filename.clear();
    opt.Fvideo_codec_name.clear();
    opt.Faudio_codec_name.clear();
    opt.Fsubtitle_codec_name.clear();
    opt.Fvideo_standard.clear();
    opt.Fvideo_rc_override_string.clear();
    opt.Fvideo_language.clear();
    opt.Faudio_language.clear();
    opt.Fsubtitle_language.clear();
    opt.Fsubtitle_codec_tag = 0;
    FFrameHooks.Release();
    ResetRGBConvertContext(FHookContext);
    ResetPostHookContext(FPostContext);
}

bool TCustomFFmpeg::StartConvert(bool useThread, TThreadPriority priority) {
    return FRun->Start(useThread, priority, [this] {
        if (nb_output_files() <= 0) {
            Cleanup();
            throw FFmpegException("At least one output file must be specified");
        }
        if (nb_input_files() == 0) {
            Cleanup();
            throw FFmpegException("At least one input file must be specified");
        }
    });
}

void TCustomFFmpeg::Stop(bool waitFor) {
    FRun->Stop(waitFor);
}

void TCustomFFmpeg::Pause() {
    FRun->Pause();
}

void TCustomFFmpeg::Resume() {
    FRun->Resume();
}

void TCustomFFmpeg::StopOrTerminate(bool waitFor) {
    FRun->StopOrTerminate(waitFor);
}

void TCustomFFmpeg::CheckInputIndex(int index) const {
    if (index < 0 || index >= nb_input_files())
        throw EListError(Format("List index out of bounds (%d)", index));
}

TInputFile& TCustomFFmpeg::InputFile(int index) {
    CheckInputIndex(index);
    return Finput_files[std::size_t(index)];
}

const TInputFile& TCustomFFmpeg::InputFile(int index) const {
    CheckInputIndex(index);
    return Finput_files[std::size_t(index)];
}

TOutputFile& TCustomFFmpeg::OutputFile(int index) const {
    if (index < 0 || index >= nb_output_files())
        throw EListError(Format("List index out of bounds (%d)", index));
    return *Foutput_files[std::size_t(index)];
}

void TCustomFFmpeg::CheckFileSlot(std::size_t count) const {
    if (count >= std::size_t(FMaxFiles))
        throw FFmpegException(Format("Too many files (at most %d)", FMaxFiles));
}

void TCustomFFmpeg::SyncFileCounts() {
    Options().Fnb_input_files = nb_input_files();
    Options().Fnb_output_files = nb_output_files();
}

int TCustomFFmpeg::AddInputFile(InputContextPtr context, std::int64_t tsOffset) {
    if (!context) throw FFmpegException("No input context");
    CheckFileSlot(Finput_files.size());
    TInputFile file;
    for (unsigned i = 0; i < context->nb_streams; ++i) {
        auto record = std::make_unique<TInputStreamCodec>();
        record->Stream = context->streams[i];
        record->Context.reset(av::avcodec_alloc_context3(nullptr));
        if (!record->Context ||
            av::avcodec_parameters_to_context(record->Context.get(), record->Stream->codecpar) < 0)
            throw FFmpegException("Could not alloc codec context");
        record->Context->pkt_timebase = record->Stream->time_base;
        file.Streams.push_back(std::move(record));
    }
    file.Context = std::move(context);
    file.TSOffset = tsOffset;
    Finput_files.push_back(std::move(file));
    SyncFileCounts();
    return nb_input_files() - 1;
}

int TCustomFFmpeg::AddOutputFile(std::shared_ptr<TOutputFile> file) {
    if (!file || !file->Context) throw FFmpegException("No output context");
    CheckFileSlot(Foutput_files.size());
    Foutput_files.push_back(std::move(file));
    SyncFileCounts();
    return nb_output_files() - 1;
}

void TCustomFFmpeg::DropLastOutputFile(std::size_t codecCount) {
    if (Foutput_files.empty()) return;
    const std::shared_ptr<TOutputFile> file = Foutput_files.back();
    while (!Foutput_files.empty() && Foutput_files.back() == file)
        Foutput_files.pop_back();
    if (Foutput_codecs.size() > codecCount) Foutput_codecs.resize(codecCount);
    const bool created = file->IOOpen();
    file->CloseIO();
    if (created) DeleteFile(file->FileName());
    SyncFileCounts();
}

void TCustomFFmpeg::RepeatLastOutputSlot() {
    if (Foutput_files.empty()) throw FFmpegException("At least one output file must be specified");
    CheckFileSlot(Foutput_files.size());
    Foutput_files.push_back(Foutput_files.back());
    SyncFileCounts();
}

TOutputStreamCodec& TCustomFFmpeg::AddOutputStream(int fileIndex, AVMediaType type) {
    TOutputFile& file = OutputFile(fileIndex);
    AVFormatContext* context = file.Context.get();
    auto record = std::make_unique<TOutputStreamCodec>();
    record->Context.reset(av::avcodec_alloc_context3(nullptr));
    if (!record->Context) throw FFmpegException("Could not alloc stream");
    AVStream* stream = av::avformat_new_stream(context, nullptr);
    if (!stream) throw FFmpegException("Could not alloc stream");
    const std::size_t index = std::size_t(stream->index);
    const auto& ids = Options().Fstreamid_map;
    stream->id = index < ids.size() ? ids[index] : 0;
    record->Stream = stream;
    record->Context->codec_type = type;
    auto& filters = type == AVMEDIA_TYPE_VIDEO   ? Options().Fvideo_bitstream_filters
                    : type == AVMEDIA_TYPE_AUDIO ? Options().Faudio_bitstream_filters
                                                 : Options().Fsubtitle_bitstream_filters;
    record->BitstreamFilters = std::move(filters);
    filters.clear();
    file.Streams.push_back(std::move(record));
    return *file.Streams.back();
}
