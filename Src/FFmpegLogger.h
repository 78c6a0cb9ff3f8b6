#pragma once
#include "Src/FFBaseComponent.h"
#include "platform/rtl/Format.h"

#include <cstdarg>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

enum TLogLevel { llQuiet, llPanic, llFatal, llError, llWarning, llInfo, llVerbose, llDebug };

struct TLogInfo {
    TObject* Sender{ nullptr };
    std::uint32_t ThreadID{ 0 };
    TLogLevel LogLevel{ llInfo };
    std::string LogMsg;
};

using TLogEvent = std::function<void(TObject* sender, std::uint32_t threadId, TLogLevel level,
                                     const std::string& msg)>;

int LogLevelToAV(TLogLevel level);
TLogLevel AVToLogLevel(int level);

// The one logger of the process: engine messages arrive through Log, the libraries' through the
// av_log callback as whole lines per thread. OnLog runs on the GUI thread while
// TriggerEventInMainThread is set: a logging thread hands its line over and goes on at once, so
// that a conversion never waits for the window, and the GUI thread raises the lines in the
// order they were handed over (its own lines after those handed over before them).
class TFFLogger : public TFFBaseComponent {
public:
    explicit TFFLogger(TComponent* owner);
    ~TFFLogger() override;

    std::string ClassName() const override { return "TFFLogger"; }

    void InstallAVLogCallback();

    TLogLevel LogLevel() const { return FLogLevel; }
    void SetLogLevel(TLogLevel value);
    // A level word ("quiet" ... "debug", any letter case) or a library level number.
    void OptLogLevel(const std::string& arg);

    bool TriggerEventInMainThread() const { return FTriggerEventInMainThread; }
    void SetTriggerEventInMainThread(bool value) { FTriggerEventInMainThread = value; }

    void Log(TObject* sender, TLogLevel level, const std::string& msg);
    // The text is formatted by Format, and only when the level passes.
    template <typename Arg, typename... Args>
    void Log(TObject* sender, TLogLevel level, std::string_view format, const Arg& arg,
             const Args&... args) {
        if (OnLog && Passes(level)) Log(sender, level, Format(format, arg, args...));
    }
    void LogLine(std::uint32_t threadId, int libraryLevel, const std::string& text);

    TLogEvent OnLog;

    // The stand-in GlobalLogger makes while no component logger exists.
    struct OwnerlessTag {};
    explicit TFFLogger(OwnerlessTag);

private:
    // Lines handed to the GUI thread and not raised yet, oldest first.
    struct THandOver {
        std::mutex Lock;
        std::deque<TLogInfo> Lines;
        // A call to raise them is on its way to the GUI thread.
        bool Called{ false };
    };

    bool Passes(TLogLevel level) const;
    void Deliver(TLogInfo info);
    // On the GUI thread: raises the handed-over lines one at a time, so that a line logged by
    // a handler comes after those handed over before it.
    void RaiseHandedOver();
    void DoLog(const TLogInfo& info);
    void ApplyAVLevel();

    bool FTriggerEventInMainThread{ true };
    TLogLevel FLogLevel{ llInfo };
    // Cleared when the logger goes, so that a hand-over still on its way to the GUI thread then
    // finds no logger instead of a freed one; both happen on the GUI thread.
    std::shared_ptr<TFFLogger*> FSelf{ std::make_shared<TFFLogger*>(this) };
    std::shared_ptr<THandOver> FHandOver{ std::make_shared<THandOver>() };
};

// The logger that receives everything; an ownerless one that drops everything is made when no
// component has created one.
TFFLogger& GlobalLogger();

// Per-thread text received from the libraries and not yet ended by a line feed.
class TLogList {
public:
    bool PendingEmpty(std::uint32_t threadId);
    // Appends a fragment to the thread's pending text and takes off the lines it completes.
    std::vector<std::string> Append(std::uint32_t threadId, const std::string& fragment);
    void Clear();

private:
    std::mutex FLock;
    std::unordered_map<std::uint32_t, std::string> FItems;
};

TLogList& GlobalLogList();

// The threshold of the library callback, 32 at start.
int AVLogLevel();

// What av_log_set_callback receives; public so that tests can feed it fragments directly.
extern "C" void AVLogCallback(void* context, int level, const char* format, va_list args);
