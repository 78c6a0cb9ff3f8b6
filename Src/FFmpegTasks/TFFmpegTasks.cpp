#include "Src/FFmpegTasks/TFFmpegTasks.h"

#include "Src/AVProbe/TAVProbe.h"
#include "Src/FFmpegLoader.h"
#include "Src/FFmpegTasks/OutputFileMapping.h"
#include "Src/FFmpegTasks/TDoTerminateThread.h"
#include "Src/MyUtils/MainThreadCalls.h"
#include "platform/gfx/TBitmap.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/MainThread.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <string>
#include <utility>

namespace {

// Holds a bitmap's canvas while a hook handler draws on it, also when the handler raises.
class TCanvasLock {
public:
    explicit TCanvasLock(TBitmap* bitmap) : FCanvas(bitmap ? &bitmap->Canvas() : nullptr) {
        if (FCanvas) FCanvas->Lock();
    }
    ~TCanvasLock() {
        if (FCanvas) FCanvas->Unlock();
    }
    TCanvasLock(const TCanvasLock&) = delete;
    TCanvasLock& operator=(const TCanvasLock&) = delete;

private:
    TCanvas* FCanvas;
};

// The whole address: a 64-bit one cut to 32 bits could name another stream.
std::string StreamFileName(const TStream* stream, const std::string& privateData) {
    return "stream:" + std::to_string(reinterpret_cast<std::uintptr_t>(stream)) + ":" + privateData;
}

// Waits for an event; on the GUI thread the events handed to it meanwhile still run.
void WaitServing(TEvent& event) {
    if (!IsMainThread()) {
        event.WaitFor();
        return;
    }
    while (event.WaitFor(20) != wrSignaled) {
        CheckSynchronize(0);
        PumpMessages();
    }
}

} // namespace

TCustomFFmpegTasks::TCustomFFmpegTasks(TComponent* owner)
    : TFFBaseComponent(owner), FAVProbe(std::make_unique<TAVProbe>(nullptr)) {}

TCustomFFmpegTasks::~TCustomFFmpegTasks() {
    // A run under way ends first, so that no task's worker reaches into the list while it is
    // being freed; a task that never ran is freed without a terminate.
    Stop(true);
    FFFmpegList.Clear();
    // The terminate threads still delivering hold this component as their sender.
    FTerminateSequence->WaitAll();
}

bool TCustomFFmpegTasks::AVLibLoaded() const {
    return GlobalLoader().Loaded(FFmpegTasksLibraries);
}

bool TCustomFFmpegTasks::LoadAVLib(const TPathFileName& path) {
    TFFmpegLoader::SetLibraryPath(path);
    const bool loaded = GlobalLoader().Load(FFmpegTasksLibraries);
    if (!loaded) FLastErrMsg = TFFmpegLoader::LastErrMsg();
    return loaded;
}

void TCustomFFmpegTasks::UnloadAVLib() {
    GlobalLoader().Unload(FFmpegTasksLibraries);
}

void TCustomFFmpegTasks::CheckWorking(const std::string& operation) const {
    if (FWorking) throw Exception(Format("Cannot %s while working.", operation.c_str()));
}

std::unique_ptr<TFFmpeg> TCustomFFmpegTasks::NewTask(int maxFiles) {
    return std::make_unique<TFFmpeg>(maxFiles);
}

bool TCustomFFmpegTasks::OpenTaskInput(TFFmpeg& task, const std::string& fileName) {
    return task.OpenInputFile(fileName);
}

bool TCustomFFmpegTasks::OpenTaskOutput(TFFmpeg& task, const std::string& fileName,
                                        TOutputOptions* options, const TCustomHookEvent& customHook,
                                        std::string& errorMessage) {
    return ::SetOutputFile(task, fileName, options, customHook, errorMessage);
}

void TCustomFFmpegTasks::ApplyInputOptions(TFFmpeg& task, const std::string& fileName,
                                           TInputOptions* options) {
    const int index = task.nb_input_files();
    if (options) {
        if (options->FileName.empty()) options->FileName = fileName;
        task.SetInputOptions(index, *options);
        task.ParseExtOptions(options->ExtOptions, true);
        // The record's own fields win over the same options in its text.
        task.SetFormat(options->FileFormat);
        task.SetStartTime(options->TimeStart);
        task.SetProgramID(options->ProgramID);
    } else {
        task.ResetInputOptions(index);
    }
}

void TCustomFFmpegTasks::AttachInputProbe(TFFmpeg& task) {
    const int index = task.nb_input_files() - 1;
    task.InputAVProbe(index).SetFileHandle(task.InputFile(index).Context.get());
}

void TCustomFFmpegTasks::ConnectTask(TFFmpeg& task) {
    task.OnProgress = [this](TObject* sender, int fileIndex, int frameNumber, int fps,
                             float quality, float bitRate, std::int64_t currentSize,
                             std::int64_t currentDuration, std::int64_t totalDuration) {
        DoProgress(sender, fileIndex, frameNumber, fps, quality, bitRate, currentSize,
                   currentDuration, totalDuration);
    };
    task.OnTerminate = [this](TObject* sender) { DoTerminate(sender); };
}

int TCustomFFmpegTasks::AddTask(const std::string& fileName, TInputOptions* options) {
    CheckWorking("AddTask");
    std::unique_ptr<TFFmpeg> task = NewTask(FCustomMaxFiles);
    try {
        task->Reset();
        task->SetVerbose(FVerbose);
        TPostHooks hooks = task->PostHooks();
        hooks = FPreview ? hooks + TPostHooks{ phPreview } : hooks - TPostHooks{ phPreview };
        hooks = FPreviewBitmap ? hooks + TPostHooks{ phBitmap } : hooks - TPostHooks{ phBitmap };
        task->SetPostHooks(hooks);
        task->OnPreviewBitmap = [this](TObject* sender, TBitmap* bitmap, int frameNumber,
                                       std::int64_t pts) {
            DoPreviewBitmap(sender, bitmap, frameNumber, pts);
        };
        ApplyInputOptions(*task, fileName, options);
        if (!OpenTaskInput(*task, fileName)) {
            FLastErrMsg = task->LastErrMsg();
            return -1;
        }
        AttachInputProbe(*task);
    } catch (const Exception& error) {
        FLastErrMsg = error.Message();
        return -1;
    }
    ConnectTask(*task);
    return FFFmpegList.Add(std::move(task));
}

int TCustomFFmpegTasks::AddTask(const std::string& fileName, const std::string& extOptions) {
    TInputOptions options = InputOptionsFromText(extOptions);
    return AddTask(fileName, &options);
}

int TCustomFFmpegTasks::AddTask(TStream* stream, const std::string& privateData,
                                TInputOptions* options) {
    return AddTask(StreamFileName(stream, privateData), options);
}

bool TCustomFFmpegTasks::AddInputFile(int taskIndex, const std::string& fileName,
                                      TInputOptions* options) {
    CheckWorking("AddInputFile");
    TFFmpeg& task = *FFFmpegList.Items(taskIndex);
    if (task.nb_input_files() >= task.MaxFiles()) {
        FLastErrMsg = Format("max input files %d reached", task.MaxFiles());
        return false;
    }
    const int index = task.nb_input_files();
    try {
        ApplyInputOptions(task, fileName, options);
        if (!OpenTaskInput(task, fileName)) {
            task.ResetInputOptions(index);
            FLastErrMsg = task.LastErrMsg();
            return false;
        }
        AttachInputProbe(task);
    } catch (const Exception& error) {
        FLastErrMsg = error.Message();
        return false;
    }
    return true;
}

bool TCustomFFmpegTasks::AddInputFile(int taskIndex, const std::string& fileName,
                                      const std::string& extOptions) {
    TInputOptions options = InputOptionsFromText(extOptions);
    return AddInputFile(taskIndex, fileName, &options);
}

bool TCustomFFmpegTasks::SetOutputFile(int taskIndex, const std::string& fileName,
                                       TOutputOptions* options) {
    CheckWorking("SetOutputFile");
    TFFmpeg& task = *FFFmpegList.Items(taskIndex);
    if (task.nb_output_files() >= task.MaxFiles()) {
        FLastErrMsg = Format("max output files %d reached", task.MaxFiles());
        return false;
    }
    const TCustomHookEvent customHook = [this](TObject* sender, TBitmap* bitmap, int frameNumber,
                                               std::int64_t pts, bool& update, bool& stopHook) {
        DoCustomHook(sender, bitmap, frameNumber, pts, update, stopHook);
    };
    std::string errorMessage;
    try {
        if (OpenTaskOutput(task, fileName, options, customHook, errorMessage)) return true;
    } catch (const Exception& error) {
        errorMessage = error.Message();
    }
    FLastErrMsg = errorMessage;
    return false;
}

bool TCustomFFmpegTasks::SetOutputFile(int taskIndex, const std::string& fileName,
                                       const std::string& extOptions) {
    TOutputOptions options = OutputOptionsFromText(extOptions);
    return SetOutputFile(taskIndex, fileName, &options);
}

bool TCustomFFmpegTasks::SetOutputStream(int taskIndex, TStream* stream,
                                         const std::string& privateData, TOutputOptions* options) {
    return SetOutputFile(taskIndex, StreamFileName(stream, privateData), options);
}

void TCustomFFmpegTasks::ClearTasks() {
    if (FWorking && !FTerminated) throw Exception("Cannot ClearTasks while working.");
    {
        // The terminate that ended the run may still be finishing its bookkeeping.
        std::lock_guard lock(FTerminateLock);
    }
    FFFmpegList.Clear();
    std::lock_guard lock(FTerminateLock);
    FLastErrMsg.clear();
    FCompleteTasks = 0;
    FCurrentTask = -1;
    FPendingTasks = 0;
    FAllDone = false;
    FTerminated = false;
    FThreadMode = false;
    FWorking = false;
}

void TCustomFFmpegTasks::Exchange(int taskIndex1, int taskIndex2) {
    CheckWorking("Exchange");
    FFFmpegList.Exchange(taskIndex1, taskIndex2);
}

void TCustomFFmpegTasks::RemoveTask(int taskIndex) {
    CheckWorking("RemoveTask");
    FFFmpegList.Delete(taskIndex);
}

TAVProbe* TCustomFFmpegTasks::InputAVProbe(int taskIndex, int fileIndex) {
    TFFmpeg& task = *FFFmpegList.Items(taskIndex);
    if (fileIndex < 0 || fileIndex >= task.nb_input_files()) return nullptr;
    return &task.InputAVProbe(fileIndex);
}

void TCustomFFmpegTasks::SetPreview(bool value) {
    FFFmpegList.SetPreview(value);
    FPreview = value;
}

void TCustomFFmpegTasks::SetPreviewBitmap(bool value) {
    FFFmpegList.SetPreviewBitmap(value);
    FPreviewBitmap = value;
}

void TCustomFFmpegTasks::SetProgressInterval(int value) {
    FProgressInterval = value <= 100 ? 100 : value;
}

void TCustomFFmpegTasks::Start(int threadCount) {
    CheckWorking("StartTask");
    const bool threadMode = threadCount > 0;
    {
        std::lock_guard lock(FTerminateLock);
        FCompleteTasks = 0;
        FCurrentTask = 0;
        FPendingTasks = TasksCount();
        FAllDone = false;
        FTerminated = false;
        FThreadMode = threadMode;
        FAutoCodecThreads =
            AutoCodecThreads(FCoreCount, threadMode ? std::min(threadCount, FPendingTasks) : 1);
        FWorking = true;
        FRunEnded.ResetEvent();
    }
    if (TasksCount() == 0) {
        // Nothing to wait for: the run ends at once, so the component does not stay locked.
        DoTerminate(nullptr);
        return;
    }
    if (threadMode) {
        for (int started = 0; started < threadCount && TasksPending(); ++started)
            StartNextTask();
        return;
    }
    while (TasksPending())
        StartNextTask();
    // A task that Stop ended before it ran terminates on a thread of its own.
    WaitServing(FRunEnded);
}

bool TCustomFFmpegTasks::TasksPending() {
    std::lock_guard lock(FTerminateLock);
    return FPendingTasks > 0;
}

void TCustomFFmpegTasks::StartNextTask() {
    TFFmpeg* task = nullptr;
    int codecThreads = 1;
    {
        std::lock_guard lock(FTerminateLock);
        if (FPendingTasks <= 0) return;
        --FPendingTasks;
        task = FFFmpegList.Items(FCurrentTask++);
        codecThreads = FAutoCodecThreads;
    }
    task->ReportInterval = std::int64_t(FProgressInterval) * 1000;
    task->SetAutoCodecThreadCount(codecThreads);
    // A start that is refused terminates the task at once, which counts it and goes on.
    task->StartConvert(FThreadMode, FThreadPriority);
}

void TCustomFFmpegTasks::Stop(bool waitFor) {
    bool running = false;
    {
        std::lock_guard lock(FTerminateLock);
        running = FWorking && !FTerminated;
        if (running) FPendingTasks = 0;
    }
    // A terminate handler cannot wait: the events it would wait for come after its own.
    const bool wait = waitFor && !FTerminateSequence->Delivering();
    if (running) FFFmpegList.StopAll(wait);
    if (wait) FTerminateSequence->WaitAll();
}

void TCustomFFmpegTasks::Pause() {
    FFFmpegList.PauseAll();
}

void TCustomFFmpegTasks::Resume() {
    FFFmpegList.ResumeAll();
}

int TCustomFFmpegTasks::TaskIndexOf(TObject* sender) const {
    const auto* task = dynamic_cast<const TFFmpeg*>(sender);
    if (!task) throw Exception("Invalid class typecast");
    return FFFmpegList.IndexOf(task);
}

void TCustomFFmpegTasks::DoTerminate(TObject* sender) {
    struct TDelivery {
        TTerminateInfo Info;
        std::uint64_t Turn;
    };
    TDelivery deliveries[2];
    int count = 0;
    bool startNext = false;
    bool allDone = false;
    {
        std::lock_guard lock(FTerminateLock);
        // Called without a sender when Start finds no task.
        if (sender) {
            if (OnTerminate) {
                const auto* task = dynamic_cast<const TFFmpeg*>(sender);
                deliveries[count++] = { { TaskIndexOf(sender), task->Finished(),
                                          task->FatalException(), task->FatalMessage() },
                                        FTerminateSequence->Take() };
            }
            ++FCompleteTasks;
        }
        startNext = FThreadMode && FPendingTasks > 0;
        if (FPendingTasks <= 0 && FCompleteTasks >= TasksCount() && !FAllDone) {
            FAllDone = allDone = true;
            // Taken after the task's own turn, so it is delivered after it.
            if (OnTerminate)
                deliveries[count++] = { { -1, true, false, {} }, FTerminateSequence->Take() };
            // In thread mode the event is on its way on another thread: the handler finds the
            // run ended, whenever it runs.
            if (FThreadMode) FTerminated = true;
        }
    }
    // A handler that raises must not stall the run: the rest goes on, then its error leaves.
    std::exception_ptr failure;
    for (int i = 0; i < count; ++i) {
        try {
            DeliverTerminate(deliveries[i].Info, deliveries[i].Turn);
        } catch (...) {
            if (!failure) failure = std::current_exception();
        }
    }
    if (startNext) StartNextTask();
    if (allDone) {
        FTerminated = true;
        FRunEnded.SetEvent();
    }
    if (failure) std::rethrow_exception(failure);
}

void TCustomFFmpegTasks::DeliverTerminate(const TTerminateInfo& info, std::uint64_t turn) {
    const FFmpegTasks::TTerminateEvent handler = OnTerminate;
    if (FThreadMode) {
        FFmpegTasks::TDoTerminateThread::Deliver(handler, this, info, FTerminateSequence, turn);
        return;
    }
    FTerminateSequence->Run(turn, [&] {
        if (handler) handler(this, info);
    });
}

void TCustomFFmpegTasks::DoProgress(TObject* sender, int fileIndex, int frameNumber, int fps,
                                    float quality, float bitRate, std::int64_t currentSize,
                                    std::int64_t currentDuration, std::int64_t totalDuration) {
    const FFmpegTasks::TProgressEvent handler = OnProgress;
    if (!handler) return;
    // The tasks' reports reach the handler one at a time.
    std::lock_guard lock(FProgressLock);
    FProgressInfo = { TaskIndexOf(sender), fileIndex,       frameNumber,  fps, quality, bitRate,
                      currentSize,         currentDuration, totalDuration };
    if (FTriggerEventInMainThread)
        CallInMainThread([&] { handler(this, &FProgressInfo); });
    else
        handler(this, &FProgressInfo);
}

void TCustomFFmpegTasks::DoPreviewBitmap(TObject* sender, TBitmap* bitmap, int frameNumber,
                                         std::int64_t pts) {
    const FFmpegTasks::TPreviewBitmapEvent handler = OnPreviewBitmap;
    if (!handler) return;
    std::lock_guard lock(FPreviewLock);
    FPreviewInfo = { TaskIndexOf(sender), bitmap, frameNumber, pts };
    if (FTriggerEventInMainThread)
        CallInMainThread([&] { handler(this, FPreviewInfo); });
    else
        handler(this, FPreviewInfo);
}

void TCustomFFmpegTasks::DoCustomHook(TObject* sender, TBitmap* bitmap, int frameNumber,
                                      std::int64_t pts, bool& update, bool& stopHook) {
    const FFmpegTasks::TCustomHookEvent handler = OnCustomHook;
    if (!handler) return;
    std::lock_guard lock(FHookLock);
    FHookInfo = { TaskIndexOf(sender), bitmap, frameNumber, pts, update, stopHook };
    {
        TCanvasLock canvasLock(bitmap);
        handler(this, &FHookInfo);
    }
    update = FHookInfo.Update;
    stopHook = FHookInfo.StopHook;
}
