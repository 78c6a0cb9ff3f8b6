#include "Src/FFmpegLogger.h"

#include "Src/AVUtilStubs.h"
#include "Src/MyUtils.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/MainThread.h"
#include "platform/rtl/TextUtils.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <memory>
#include <utility>

namespace {

std::atomic<int> gAVLogLevel{ AV_LOG_INFO };

struct TLoggerRegistry {
    std::mutex Lock;
    TFFLogger* Current{ nullptr };
    TFFLogger* Ownerless{ nullptr };
};

// The logger's process-wide state is never destroyed: the libraries may log from their own
// threads while the process ends, after static objects have begun to go.
TLoggerRegistry& Registry() {
    static TLoggerRegistry* const registry = new TLoggerRegistry;
    return *registry;
}

// Bounded, so a long library message is cut at the buffer's end instead of overrunning it.
constexpr std::size_t kLogBufferSize = 2048;

} // namespace

int LogLevelToAV(TLogLevel level) {
    return (int(level) - 1) * 8;
}

TLogLevel AVToLogLevel(int level) {
    return TLogLevel(std::clamp(level / 8 + 1, 0, int(llDebug)));
}

int AVLogLevel() {
    return gAVLogLevel.load();
}

TFFLogger::TFFLogger(TComponent* owner) : TFFBaseComponent(owner) {
    TLoggerRegistry& registry = Registry();
    std::lock_guard lock(registry.Lock);
    // The ownerless stand-in only covers the time before a component logger exists.
    if (registry.Current && registry.Current != registry.Ownerless)
        Assert(false, "Allow creating only one instance of TFFLogger.");
    registry.Current = this;
    FLogLevel = AVToLogLevel(gAVLogLevel.load());
}

TFFLogger::TFFLogger(OwnerlessTag) : TFFBaseComponent(nullptr) {
    FLogLevel = AVToLogLevel(gAVLogLevel.load());
}

TFFLogger::~TFFLogger() {
    *FSelf = nullptr;
    TLoggerRegistry& registry = Registry();
    std::lock_guard lock(registry.Lock);
    if (registry.Current == this) registry.Current = nullptr;
}

TFFLogger& GlobalLogger() {
    TLoggerRegistry& registry = Registry();
    static TFFLogger* const ownerless = new TFFLogger(TFFLogger::OwnerlessTag{});
    std::lock_guard lock(registry.Lock);
    registry.Ownerless = ownerless;
    if (!registry.Current) registry.Current = ownerless;
    return *registry.Current;
}

void TFFLogger::InstallAVLogCallback() {
    Assert(av::av_log_set_callback && av::av_log_set_level);
    av::av_log_set_callback(AVLogCallback);
    ApplyAVLevel();
}

void TFFLogger::SetLogLevel(TLogLevel value) {
    if (value == FLogLevel) return;
    FLogLevel = value;
    ApplyAVLevel();
}

void TFFLogger::ApplyAVLevel() {
    if (!av::av_log_set_level) return;
    gAVLogLevel = LogLevelToAV(FLogLevel);
    av::av_log_set_level(gAVLogLevel);
}

void TFFLogger::OptLogLevel(const std::string& arg) {
    struct Word {
        const char* Name;
        int Level;
    };
    static constexpr Word kWords[] = { { "quiet", -8 },   { "panic", 0 },    { "fatal", 8 },
                                       { "error", 16 },   { "warning", 24 }, { "info", 32 },
                                       { "verbose", 40 }, { "debug", 48 } };
    for (const Word& word : kWords)
        if (SameText(arg, word.Name)) {
            SetLogLevel(AVToLogLevel(word.Level));
            return;
        }
    SetLogLevel(AVToLogLevel(StrToInt(arg)));
}

bool TFFLogger::Passes(TLogLevel level) const {
    return level <= FLogLevel || (level == llVerbose && FLogLevel != llQuiet);
}

void TFFLogger::Log(TObject* sender, TLogLevel level, const std::string& msg) {
    if (!OnLog || !Passes(level)) return;
    Deliver(TLogInfo{ sender, CurrentThreadId(), level, msg });
}

void TFFLogger::LogLine(std::uint32_t threadId, int libraryLevel, const std::string& text) {
    if (!OnLog) return;
    Deliver(TLogInfo{ this, threadId, AVToLogLevel(libraryLevel), text });
}

// Each delivery carries its own copy of the message, so threads logging at the same moment
// never see each other's values, and no lock is held while the GUI thread runs the handler.
void TFFLogger::Deliver(TLogInfo info) {
    if (!FTriggerEventInMainThread) {
        DoLog(info);
        return;
    }
    const bool onMainThread = IsMainThread();
    bool call = false;
    {
        std::lock_guard lock(FHandOver->Lock);
        FHandOver->Lines.push_back(std::move(info));
        // One call on its way to the GUI thread takes every line handed over until it runs.
        call = !onMainThread && !std::exchange(FHandOver->Called, true);
    }
    if (onMainThread)
        RaiseHandedOver();
    else if (call)
        QueueToMainThread([self = FSelf] {
            if (*self) (*self)->RaiseHandedOver();
        });
}

void TFFLogger::RaiseHandedOver() {
    while (true) {
        TLogInfo info;
        {
            std::lock_guard lock(FHandOver->Lock);
            if (FHandOver->Lines.empty()) {
                FHandOver->Called = false;
                return;
            }
            info = std::move(FHandOver->Lines.front());
            FHandOver->Lines.pop_front();
        }
        try {
            DoLog(info);
        } catch (...) {
            // The lines behind go with the next hand-over's call.
            std::lock_guard lock(FHandOver->Lock);
            FHandOver->Called = false;
            throw;
        }
    }
}

void TFFLogger::DoLog(const TLogInfo& info) {
    if (OnLog) OnLog(info.Sender, info.ThreadID, info.LogLevel, info.LogMsg);
}

bool TLogList::PendingEmpty(std::uint32_t threadId) {
    std::lock_guard lock(FLock);
    auto it = FItems.find(threadId);
    return it == FItems.end() || it->second.empty();
}

std::vector<std::string> TLogList::Append(std::uint32_t threadId, const std::string& fragment) {
    std::lock_guard lock(FLock);
    std::string& pending = FItems[threadId];
    pending += fragment;
    std::vector<std::string> lines;
    while (pending.find('\n') != std::string::npos) {
        std::string line;
        SplitAt(pending, "\n", true, line);
        lines.push_back(std::move(line));
    }
    // Threads come and go (a worker per conversion): only unfinished lines keep an entry.
    if (pending.empty()) FItems.erase(threadId);
    return lines;
}

void TLogList::Clear() {
    std::lock_guard lock(FLock);
    FItems.clear();
}

TLogList& GlobalLogList() {
    static TLogList* const list = new TLogList;
    return *list;
}

extern "C" void AVLogCallback(void* context, int level, const char* format, va_list args) {
    if (level > gAVLogLevel.load()) return;
    const std::uint32_t threadId = CurrentThreadId();
    char buffer[kLogBufferSize] = {};
    int used = 0;
    const AVClass* avClass = context ? *static_cast<const AVClass* const*>(context) : nullptr;
    if (avClass && GlobalLogList().PendingEmpty(threadId)) {
        const char* name = avClass->item_name ? avClass->item_name(context) : avClass->class_name;
        used = std::snprintf(buffer, sizeof buffer, "[%s @ %p]", name ? name : "", context);
        used = std::clamp(used, 0, int(sizeof buffer) - 1);
    }
    std::vsnprintf(buffer + used, sizeof buffer - std::size_t(used), format, args);
    for (const std::string& line : GlobalLogList().Append(threadId, buffer))
        GlobalLogger().LogLine(threadId, level, line);
}
