#pragma once
#include "Src/FFBaseComponent.h"
#include "Src/FFmpeg/CodecThreads.h"
#include "Src/FFmpegTasks/TFFmpegList.h"
#include "Src/FFmpegTasks/TaskEvents.h"
#include "Src/FFmpegTasks/TerminateSequence.h"
#include "platform/rtl/SyncObjs.h"
#include "platform/rtl/TThread.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

class TAVProbe;
class TStream;

// Converts files as tasks, one transcoder each, on up to a given number of worker threads (or
// one after another on the calling thread), and reports their progress, preview pictures and
// ends.
//
// From Start until ClearTasks the operations that change or start the task list refuse with
// "Cannot %s while working."; ClearTasks itself refuses while the run is still under way.
// Every task raises OnTerminate once, and the run raises it once more with TaskIndex -1 after
// every task's own, also when it was stopped.
//
// The tasks call the Do... methods until their run has ended, so a derived class stops a run
// under way in its own destructor (Stop(true)) before its parts go.
class TCustomFFmpegTasks : public TFFBaseComponent {
public:
    explicit TCustomFFmpegTasks(TComponent* owner);
    // Stops a run under way and waits for it, and for the terminate events still on their way.
    ~TCustomFFmpegTasks() override;

    std::string ClassName() const override { return "TCustomFFmpegTasks"; }

    std::string Version() const { return "3.3"; }
    const std::string& About() const { return FAbout; }
    void SetAbout(const std::string& value) { FAbout = value; }
    const std::string& LastErrMsg() const { return FLastErrMsg; }
    void* UserData() const { return FData; }
    void SetUserData(void* value) { FData = value; }

    bool AVLibLoaded() const;
    // Loads the libraries the tasks need from path (else through the system's search); false
    // with the loader's message in LastErrMsg.
    bool LoadAVLib(const TPathFileName& path);
    void UnloadAVLib();

    // Adds a task converting fileName; its index, or -1 with the reason in LastErrMsg. A record
    // with an empty FileName gets fileName written into it.
    int AddTask(const std::string& fileName, TInputOptions* options);
    int AddTask(const std::string& fileName, const std::string& extOptions);
    int AddTask(TStream* stream, const std::string& privateData, TInputOptions* options);
    // Adds one more input file to a task; false with the reason in LastErrMsg.
    bool AddInputFile(int taskIndex, const std::string& fileName, TInputOptions* options);
    bool AddInputFile(int taskIndex, const std::string& fileName, const std::string& extOptions);
    // Gives a task an output file; false with the reason in LastErrMsg.
    bool SetOutputFile(int taskIndex, const std::string& fileName, TOutputOptions* options);
    bool SetOutputFile(int taskIndex, const std::string& fileName, const std::string& extOptions);
    bool SetOutputStream(int taskIndex, TStream* stream, const std::string& privateData,
                         TOutputOptions* options);
    void ClearTasks();
    void Exchange(int taskIndex1, int taskIndex2);
    void RemoveTask(int taskIndex);

    // threadCount > 0: at most that many tasks convert at once on worker threads, in list
    // order, and Start returns at once. Otherwise the tasks convert one after another on the
    // calling thread and Start returns after the all-done event. The codecs of a task whose
    // thread count is 0 share CoreCount among the tasks that convert at once.
    void Start(int threadCount);
    // Breaks off a run under way: converting tasks end, tasks not yet started raise their
    // terminate without converting. With waitFor it returns once the tasks have ended and the
    // terminate events on their way have been delivered, the GUI kept responsive meanwhile;
    // inside an OnTerminate handler it does not wait.
    void Stop(bool waitFor);
    void Pause();
    void Resume();

    // The probe of a task's input as the task opened it, valid until the task's run closes its
    // inputs; nullptr when the input has none.
    TAVProbe* InputAVProbe(int taskIndex, int fileIndex);
    TAVProbe& AVProbe() const { return *FAVProbe; }
    int TasksCount() const { return FFFmpegList.Count(); }

    bool Terminated() const { return FTerminated; }
    bool Working() const { return FWorking; }

    int CustomMaxFiles() const { return FCustomMaxFiles; }
    void SetCustomMaxFiles(int value) { FCustomMaxFiles = value; }
    int Verbose() const { return FVerbose; }
    void SetVerbose(int value) { FVerbose = value; }
    bool Preview() const { return FPreview; }
    // Switches the preview window of every task at once, and of tasks added later.
    void SetPreview(bool value);
    bool PreviewBitmap() const { return FPreviewBitmap; }
    void SetPreviewBitmap(bool value);
    int ProgressInterval() const { return FProgressInterval; }
    // Milliseconds; anything up to 100 becomes 100.
    void SetProgressInterval(int value);
    TThreadPriority ThreadPriority() const { return FThreadPriority; }
    void SetThreadPriority(TThreadPriority value) { FThreadPriority = value; }
    // The cores the codecs share; the processor's own unless set.
    int CoreCount() const { return FCoreCount; }
    void SetCoreCount(int value) { FCoreCount = value < 1 ? 1 : value; }
    bool TriggerEventInMainThread() const { return FTriggerEventInMainThread; }
    void SetTriggerEventInMainThread(bool value) { FTriggerEventInMainThread = value; }

    // OnProgress and OnPreviewBitmap arrive on the GUI thread while TriggerEventInMainThread
    // is set (the raising thread waiting), else on the thread running the task; OnCustomHook on
    // the thread running the task. OnTerminate arrives in thread mode on a short-lived thread
    // of its own, never the GUI thread; inline on the thread that ended the task.
    FFmpegTasks::TCustomHookEvent OnCustomHook;
    FFmpegTasks::TPreviewBitmapEvent OnPreviewBitmap;
    FFmpegTasks::TProgressEvent OnProgress;
    FFmpegTasks::TTerminateEvent OnTerminate;

protected:
    // The transcoder of a new task.
    virtual std::unique_ptr<TFFmpeg> NewTask(int maxFiles);
    // Opens one more input of a task with the options it holds; false with the reason in the
    // task's LastErrMsg.
    virtual bool OpenTaskInput(TFFmpeg& task, const std::string& fileName);
    // Applies an output record (or none) to a task and opens its output file, the task raising
    // customHook when the record asks for it; false with the reason in errorMessage.
    virtual bool OpenTaskOutput(TFFmpeg& task, const std::string& fileName, TOutputOptions* options,
                                const TCustomHookEvent& customHook, std::string& errorMessage);

    // What the tasks raise, passed on as the component's events.
    virtual void DoCustomHook(TObject* sender, TBitmap* bitmap, int frameNumber, std::int64_t pts,
                              bool& update, bool& stopHook);
    virtual void DoPreviewBitmap(TObject* sender, TBitmap* bitmap, int frameNumber,
                                 std::int64_t pts);
    virtual void DoProgress(TObject* sender, int fileIndex, int frameNumber, int fps, float quality,
                            float bitRate, std::int64_t currentSize, std::int64_t currentDuration,
                            std::int64_t totalDuration);
    virtual void DoTerminate(TObject* sender);

    // Raises "Cannot %s while working." with the operation's name while Working.
    void CheckWorking(const std::string& operation) const;

private:
    void StartNextTask();
    bool TasksPending();
    void ApplyInputOptions(TFFmpeg& task, const std::string& fileName, TInputOptions* options);
    void AttachInputProbe(TFFmpeg& task);
    void ConnectTask(TFFmpeg& task);
    int TaskIndexOf(TObject* sender) const;
    // Delivers the terminate events that the bookkeeping put in turn, each by the rule of the
    // run's mode.
    void DeliverTerminate(const TTerminateInfo& info, std::uint64_t turn);

    std::string FAbout;
    std::string FLastErrMsg;
    void* FData{ nullptr };
    int FCustomMaxFiles{ 20 };
    bool FPreview{ false };
    bool FPreviewBitmap{ false };
    std::atomic<int> FProgressInterval{ 500 };
    std::atomic<TThreadPriority> FThreadPriority{ tpNormal };
    std::atomic<bool> FTriggerEventInMainThread{ true };
    int FVerbose{ 1 };
    THookInfo FHookInfo;
    TProgressInfo FProgressInfo;
    TPreviewInfo FPreviewInfo;
    std::recursive_mutex FHookLock;
    std::recursive_mutex FPreviewLock;
    std::recursive_mutex FProgressLock;
    // Held only for bookkeeping, never while waiting for another thread.
    std::mutex FTerminateLock;
    std::unique_ptr<TAVProbe> FAVProbe;
    TFFmpegList FFFmpegList;
    int FCompleteTasks{ 0 };
    int FCurrentTask{ -1 };
    int FPendingTasks{ 0 };
    int FCoreCount{ ProcessorCores() };
    // The threads a codec of this run opens with while its task's thread count is 0.
    int FAutoCodecThreads{ 1 };
    bool FAllDone{ false };
    std::atomic<bool> FTerminated{ false };
    std::atomic<bool> FThreadMode{ false };
    std::atomic<bool> FWorking{ false };
    std::shared_ptr<TTerminateSequence> FTerminateSequence{
        std::make_shared<TTerminateSequence>()
    };
    // Set once the all-done event has been delivered; an inline Start waits for it.
    TEvent FRunEnded{ true, true };
};

// The component as the program puts it on a form.
class TFFmpegTasks : public TCustomFFmpegTasks {
public:
    using TCustomFFmpegTasks::TCustomFFmpegTasks;
    ~TFFmpegTasks() override { Stop(true); }

    std::string ClassName() const override { return "TFFmpegTasks"; }
};
