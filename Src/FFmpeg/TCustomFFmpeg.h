#pragma once
#include "Src/FFUtils/RGBConvert.h"
#include "Src/FFmpeg/CodecThreads.h"
#include "Src/FFmpeg/ConvertLifecycle.h"
#include "Src/FFmpeg/OptionDispatcher.h"
#include "Src/FFmpeg/TranscoderFiles.h"
#include "Src/FFmpeg/VideoHooks.h"
#include "platform/forms/TObject.h"
#include "platform/forms/TSet.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class TBitmap;
class TPreviewer;

enum TPostHook { phPreview, phBitmap, phHBITMAP };
using TPostHooks = TSet<TPostHook>;

// Held around changing the post hooks of any transcoder and around every post hook.
std::recursive_mutex& PostHookLock();

// The state of the post hooks of one transcoder.
struct TPostHookContext {
    TRGBConvertContext Context;
    // Shared so that a window being painted outlives a set change made meanwhile.
    std::shared_ptr<TPreviewer> Previewer;
    std::int64_t preview_last_time{ 0 };
    std::int64_t preview_cur_time{ 0 };
};

void ResetPostHookContext(TPostHookContext& context);

using TProgressEvent = std::function<void(
    TObject* sender, int fileIndex, int frameNumber, int fps, float quality, float bitRate,
    std::int64_t currentSize, std::int64_t currentDuration, std::int64_t totalDuration)>;
using TPreviewBitmapEvent =
    std::function<void(TObject* sender, TBitmap* bitmap, int frameNumber, std::int64_t pts)>;
using TCustomHookEvent = std::function<void(TObject* sender, TBitmap* bitmap, int frameNumber,
                                            std::int64_t pts, bool& update, bool& stopHook)>;
using TNotifyEvent = std::function<void(TObject* sender)>;

// One conversion: the option state (through the dispatcher it derives from), the tables of
// input and output files with a codec context beside every stream, and the run, inline or on a
// worker thread, paused, resumed and stopped cooperatively and ended by exactly one OnTerminate.
//
// The calling order for one conversion: construction, Reset, options and opening of inputs and
// outputs, StartConvert, the run (Transcode, then the codecs are closed and everything is
// cleaned up), OnTerminate, destruction. A terminated object does not start again.
//
// A class that supplies Transcode stops the run in its destructor (Stop(true)) before its own
// members go, since the worker calls Transcode until then.
class TCustomFFmpeg : public TObject, public TOptionDispatcher {
public:
    // maxFiles outside 1..512 fails an assertion.
    explicit TCustomFFmpeg(int maxFiles);
    ~TCustomFFmpeg() override;

    std::string ClassName() const override { return "TCustomFFmpeg"; }

    // The option defaults; the files stay open, and their count with them.
    void InitDefaults();
    // Back to a freshly made object: every file closed, every option at its default and the
    // option contexts allocated. Does nothing while the task libraries are not loaded; raises
    // while a run is under way.
    void Reset();
    // Closes every input and output (an output left 0 bytes long is deleted), frees the option
    // contexts and the texts the options gave. Does nothing while the task libraries are not
    // loaded.
    void Cleanup();

    // Starts the run: false, doing nothing, while converting or once terminated. Without an
    // output file, or without an input file, the object is cleaned up and terminated at once on
    // the calling thread, with the reason as FatalMessage, and the result is false. Inline
    // (useThread false) the run, OnTerminate included, is over when this returns.
    bool StartConvert(bool useThread, TThreadPriority priority = tpNormal);
    // Asks the run to end at its next turn; a paused run is resumed so that it can. With waitFor
    // returns after the whole run, OnTerminate included, has ended.
    void Stop(bool waitFor);
    void Pause();
    void Resume();
    // Ends the object whatever its state: stops a running one, or terminates a ready one from a
    // thread of its own.
    void StopOrTerminate(bool waitFor);

    int MaxFiles() const { return FMaxFiles; }
    int nb_input_files() const { return int(Finput_files.size()); }
    int nb_output_files() const { return int(Foutput_files.size()); }
    bool Converting() const { return FRun->Converting(); }
    bool Terminated() const { return FRun->Terminated(); }
    bool Paused() const { return FRun->Paused(); }
    bool Finished() const { return FRun->Finished(); }
    bool FatalException() const { return FRun->FatalException(); }
    std::string FatalMessage() const { return FRun->FatalMessage(); }
    const std::string& LastErrMsg() const { return FLastErrMsg; }
    bool JoinMode() const { return FJoinMode; }

    // The file tables. An output file fills several slots in join mode.
    // An index outside the table raises EListError.
    TInputFile& InputFile(int index);
    const TInputFile& InputFile(int index) const;
    TOutputFile& OutputFile(int index) const;
    // The decoder chosen by name for each input stream, and the encoder for each output stream,
    // in opening order; nullptr where none was named.
    const std::vector<const AVCodec*>& InputCodecs() const { return Finput_codecs; }
    const std::vector<const AVCodec*>& OutputCodecs() const { return Foutput_codecs; }

    // Takes an opened input into the tables, with a decoder context made from each stream's
    // parameters; returns its index. Raises when the table is full.
    int AddInputFile(InputContextPtr context, std::int64_t tsOffset);
    // Takes an output into the tables; returns its index. Raises when the table is full.
    int AddOutputFile(std::shared_ptr<TOutputFile> file);
    // Repeats the last output slot: in join mode one output takes the streams of every input.
    void RepeatLastOutputSlot();
    void SetJoinMode(bool value) { FJoinMode = value; }
    // A new stream on an output file with an encoder context of that media type. The stream
    // takes its id from the "streamid" table and the pending bitstream filters of its kind.
    TOutputStreamCodec& AddOutputStream(int fileIndex, AVMediaType type);
    void AddInputCodec(const AVCodec* codec) { Finput_codecs.push_back(codec); }
    void AddOutputCodec(const AVCodec* codec) { Foutput_codecs.push_back(codec); }

    // Opening (InputOpening.cpp, OutputOpening.cpp). The codec of that name and media type:
    // false with the reason in LastErrMsg for an unknown, mistyped or (strict above -2)
    // experimental codec; no name gives AV_CODEC_ID_NONE and true.
    bool FindCodecID(const std::string& name, AVMediaType type, AVCodecID& codecId, int strict,
                     bool encoder);
    // Opens an input with the pending input options; false with the reason in LastErrMsg.
    bool OpenInputFile(const std::string& fileName);
    // Creates an output with a stream per wanted media kind; the number of output slots, or -1
    // with the reason in LastErrMsg (the slot and a file it created are gone again). With join
    // and several inputs, one slot per input holds the one output.
    int OpenOutputFile(const std::string& fileName, bool join);
    void check_audio_video_sub_inputs(bool& hasVideo, bool& hasAudio, bool firstOnly,
                                      bool& hasSubtitle) const;

    // Read under PostHookLock: the GUI thread changes the set while the run reads it.
    TPostHooks PostHooks() const;
    void SetPostHooks(TPostHooks hooks);
    void ChangePostHooks(TPostHooks hooks);

    // The threads each codec opens with while the thread count is 0; all cores unless the
    // caller shares them among several conversions (AutoCodecThreads).
    int AutoCodecThreadCount() const { return FAutoCodecThreads; }
    void SetAutoCodecThreadCount(int value) { FAutoCodecThreads = value < 1 ? 1 : value; }

    // Least time between progress reports and between preview frames, microseconds.
    std::int64_t ReportInterval{ 500000 };
    std::int64_t PreviewInterval{ 100000 };

    TProgressEvent OnProgress;
    TPreviewBitmapEvent OnPreviewBitmap;
    TCustomHookEvent OnCustomHook;
    // Raised once, on the thread that ends the object: the worker, the caller of an inline run
    // or of a refused start, or a thread of its own for a ready object ended by StopOrTerminate.
    TNotifyEvent OnTerminate;

    // ---- Frame hooks and post hooks (FrameHooks.cpp, PostHooks.cpp) ----
    // The "vhook" option: a plug-in path with its arguments (see SplitVideoHookText).
    void AddVideoHook(const std::string& args) override;
    std::size_t VideoHookCount() const override { return FFrameHooks.Count(); }
    void DropVideoHooksFrom(std::size_t count) override { FFrameHooks.ReleaseFrom(count); }

protected:
    // For every decoded video picture, on the run's thread, before it is filtered, cropped or
    // scaled: counts it, deinterlaces it with "deinterlace", then runs OnCustomHook or else the
    // plug-ins on it in place (the frame is made writable first, so a frame the decoder still
    // references is copied). pts: the input stream's clock in microseconds.
    void PreProcessVideoFrame(AVFrame& picture, std::int64_t pts);
    // For every picture an encoder took, while PostHooks() is not empty: hands it to
    // OnPreviewBitmap, else to the preview window, at most once per PreviewInterval. The
    // picture's pts is in the encoder's time base. Never holds PostHookLock while the GUI
    // thread paints.
    void DoPostHook(const AVFrame& picture, const AVCodecContext& encoder);
    void DoCustomHook(AVFrame& picture, std::int64_t pts);
    // ---- end of frame hooks and post hooks ----

protected:
    // The transcoding run on the opened files. Its packet loop calls PassGate at every turn and
    // ends when it returns false; at its end it calls RunReachedEnd. Stream records whose codecs
    // it opens go on FEncoderList and FDecoderList, which are closed after it.
    // The run of the opened files (TTranscodeRun, RunSetup.cpp and the files beside it).
    virtual void Transcode();
    void NewOutputStream(AVMediaType type) override;
    void new_video_stream(int fileIndex);
    void new_audio_stream(int fileIndex);
    void new_subtitle_stream(int fileIndex);
    // A stop was asked: the run ends at its next turn.
    bool Broken() const { return FRun->Broken(); }

    bool PassGate() { return FRun->PassGate(); }
    void RunReachedEnd() { FRun->RunReachedEnd(); }

    TCodecList FEncoderList;
    TCodecList FDecoderList;
    TRGBConvertContext FHookContext;
    int FHookFrameNumber{ 0 };
    TPostHookContext FPostContext;
    std::string FLastErrMsg;

private:
    friend class TTranscodeRun;

    int CodecStrictness(AVMediaType type) const;
    void TakeInputStream(AVFormatContext& context, TInputStreamCodec& record);
    void SetMuxerOptions(AVFormatContext& context);
    void SetGlobalHeader(AVCodecContext* codec, AVMediaType type, bool wanted);
    const AVCodec* StreamEncoder(TOutputStreamCodec& record, AVMediaType type,
                                 std::string& codecName);
    // Takes back the last output with its slots, its encoder entries beyond codecCount and a
    // file it created.
    void DropLastOutputFile(std::size_t codecCount);
    void MakeRun();
    void CheckFileSlot(std::size_t count) const;
    void CheckInputIndex(int index) const;
    void SyncFileCounts();
    void CloseOutputs();

    int FMaxFiles{ 0 };
    std::vector<TInputFile> Finput_files;
    std::vector<std::shared_ptr<TOutputFile>> Foutput_files;
    std::vector<const AVCodec*> Finput_codecs;
    std::vector<const AVCodec*> Foutput_codecs;
    TPostHooks FPostHooks;
    TFrameHookChain FFrameHooks; // the "vhook" plug-ins
    bool FJoinMode{ false };
    int FAutoCodecThreads{ ProcessorCores() };
    std::unique_ptr<TConvertLifecycle> FRun;
};
