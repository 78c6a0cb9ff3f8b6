#include "Src/FFmpegLogger.h"

#include "Src/FFmpegLoader.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/MainThread.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <future>
#include <memory>
#include <mutex>
#include <thread>

namespace {

struct TLine {
    TObject* Sender;
    std::uint32_t ThreadID;
    TLogLevel Level;
    std::string Msg;
    bool OnMainThread;
};

class FFmpegLoggerTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetMainThread();
        ASSERT_TRUE(GlobalLoader().Load(avUtil)) << TFFmpegLoader::LastErrMsg();
        GlobalLogList().Clear();
        FLogger.OnLog = [this](TObject* sender, std::uint32_t threadId, TLogLevel level,
                               const std::string& msg) {
            FLines.push_back({ sender, threadId, level, msg, IsMainThread() });
        };
    }
    void TearDown() override { FLogger.OnLog = nullptr; }

    std::vector<std::string> Messages() const {
        std::vector<std::string> messages;
        for (const TLine& line : FLines)
            messages.push_back(line.Msg);
        return messages;
    }

    TFFLogger FLogger{ nullptr };
    std::vector<TLine> FLines;
};

using Strings = std::vector<std::string>;

TEST(LogLevelMapping, MapsBothWays) {
    const std::pair<TLogLevel, int> levels[] = { { llQuiet, -8 },   { llPanic, 0 },
                                                 { llFatal, 8 },    { llError, 16 },
                                                 { llWarning, 24 }, { llInfo, 32 },
                                                 { llVerbose, 40 }, { llDebug, 48 } };
    for (const auto& [level, av] : levels) {
        EXPECT_EQ(LogLevelToAV(level), av);
        EXPECT_EQ(AVToLogLevel(av), level) << av;
    }
    const std::pair<int, TLogLevel> between[] = { { -9, llQuiet },   { -100, llQuiet },
                                                  { -7, llPanic },   { 7, llPanic },
                                                  { 15, llFatal },   { 39, llInfo },
                                                  { 47, llVerbose }, { 56, llDebug } };
    for (const auto& [av, level] : between)
        EXPECT_EQ(AVToLogLevel(av), level) << av;
}

TEST_F(FFmpegLoggerTest, LevelFilterLetsVerboseAndQuietThrough) {
    struct Case {
        TLogLevel LoggerLevel;
        TLogLevel MessageLevel;
        bool Passes;
    };
    const Case cases[] = {
        { llError, llWarning, false }, { llError, llError, true },  { llError, llVerbose, true },
        { llError, llQuiet, true },    { llError, llDebug, false }, { llQuiet, llVerbose, false },
        { llQuiet, llError, false },   { llQuiet, llQuiet, true },  { llDebug, llDebug, true },
    };
    for (const Case& c : cases) {
        FLines.clear();
        FLogger.SetLogLevel(c.LoggerLevel);
        FLogger.Log(nullptr, c.MessageLevel, "message");
        FLogger.Log(nullptr, c.MessageLevel, "formatted %d", 42);
        EXPECT_EQ(FLines.size(), c.Passes ? 2u : 0u)
            << int(c.LoggerLevel) << " " << int(c.MessageLevel);
    }
    EXPECT_EQ(FLines.at(1).Msg, "formatted 42");
    EXPECT_EQ(FLines.at(1).ThreadID, win::GetCurrentThreadId());
}

TEST_F(FFmpegLoggerTest, LevelReachesTheLibraryAndOptionWordsAndNumbersSetIt) {
    FLogger.SetLogLevel(llDebug);
    EXPECT_EQ(av::av_log_get_level(), 48);
    const std::pair<const char*, TLogLevel> cases[] = {
        { "VERBOSE", llVerbose }, { "12", llFatal },  { "-8", llQuiet },
        { "warning", llWarning }, { "Info", llInfo },
    };
    for (const auto& [arg, level] : cases) {
        FLogger.OptLogLevel(arg);
        EXPECT_EQ(FLogger.LogLevel(), level) << arg;
        EXPECT_EQ(av::av_log_get_level(), LogLevelToAV(level)) << arg;
    }
    EXPECT_THROW(FLogger.OptLogLevel("loud"), Exception);
    EXPECT_EQ(FLogger.LogLevel(), llInfo);
}

TEST_F(FFmpegLoggerTest, LibraryFragmentsBecomeWholeLines) {
    FLogger.SetLogLevel(llInfo);
    struct Case {
        std::vector<const char*> Fragments;
        Strings Lines;
    };
    const Case cases[] = {
        { { "abc" }, {} },
        { { "abc", "def\n" }, { "abcdef" } },
        { { "one\ntwo\n" }, { "one", "two" } },
        { { "\n" }, { "" } },
        { { "tail\nhead", "\n" }, { "tail", "head" } },
    };
    for (const Case& c : cases) {
        FLines.clear();
        GlobalLogList().Clear();
        for (const char* fragment : c.Fragments)
            av::av_log(nullptr, AV_LOG_INFO, "%s", fragment);
        EXPECT_EQ(Messages(), c.Lines) << c.Fragments.front();
    }
}

TEST_F(FFmpegLoggerTest, LineCarriesTheContextPrefixOfItsFirstFragmentAndTheLastLevel) {
    FLogger.SetLogLevel(llInfo);
    static const AVClass fakeClass = [] {
        AVClass c{};
        c.class_name = "FakeClass";
        c.item_name = [](void*) { return "fake"; };
        c.version = LIBAVUTIL_VERSION_INT;
        return c;
    }();
    struct {
        const AVClass* Class;
    } context{ &fakeClass };
    av::av_log(&context, AV_LOG_INFO, "opened ");
    av::av_log(&context, AV_LOG_ERROR, "and failed\n");
    char prefix[64];
    std::snprintf(prefix, sizeof prefix, "[fake @ %p]", static_cast<void*>(&context));
    ASSERT_EQ(FLines.size(), 1u);
    EXPECT_EQ(FLines[0].Msg, std::string(prefix) + "opened and failed");
    EXPECT_EQ(FLines[0].Level, llError);
    EXPECT_EQ(FLines[0].Sender, &FLogger);
}

TEST_F(FFmpegLoggerTest, MessagesAboveTheThresholdAndLongOnesStayBounded) {
    FLogger.SetLogLevel(llInfo);
    av::av_log(nullptr, AV_LOG_VERBOSE, "too chatty\n");
    EXPECT_TRUE(FLines.empty());

    const std::string huge(10000, 'x');
    av::av_log(nullptr, AV_LOG_INFO, "%s\n", huge.c_str());
    av::av_log(nullptr, AV_LOG_INFO, "next\n");
    ASSERT_EQ(FLines.size(), 1u); // the cut message lost its line feed and waits for more
    EXPECT_EQ(FLines[0].Msg.size(), 2047u + 4);
    EXPECT_EQ(FLines[0].Msg.substr(2047), "next");
}

TEST_F(FFmpegLoggerTest, TwoThreadsDeliverTheirOwnWholeLinesOnTheMainThread) {
    FLogger.SetLogLevel(llInfo);
    constexpr int kLines = 200;
    const auto worker = [](const char* first, const char* second, std::uint32_t* id) {
        *id = win::GetCurrentThreadId();
        for (int i = 0; i < kLines; ++i) {
            av::av_log(nullptr, AV_LOG_INFO, "%s", first);
            av::av_log(nullptr, AV_LOG_WARNING, "%s\n", second);
        }
    };
    std::uint32_t idA = 0;
    std::uint32_t idB = 0;
    std::thread a(worker, "alpha-", "one", &idA);
    std::thread b(worker, "beta-", "two", &idB);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (FLines.size() < 2 * kLines && std::chrono::steady_clock::now() < deadline)
        CheckSynchronize(50);
    a.join();
    b.join();
    ASSERT_EQ(FLines.size(), std::size_t(2 * kLines));
    int fromA = 0;
    for (const TLine& line : FLines) {
        EXPECT_TRUE(line.OnMainThread);
        EXPECT_EQ(line.Level, llWarning);
        if (line.ThreadID == idA) {
            EXPECT_EQ(line.Msg, "alpha-one");
            ++fromA;
        } else {
            EXPECT_EQ(line.ThreadID, idB);
            EXPECT_EQ(line.Msg, "beta-two");
        }
    }
    EXPECT_EQ(fromA, kLines);
}

TEST_F(FFmpegLoggerTest, AWorkerHandsItsLinesOverWithoutWaitingAndTheyArriveInOrder) {
    FLogger.SetLogLevel(llInfo);
    constexpr int kLines = 1000;
    // The GUI thread serves nothing while the worker logs: a worker that waited for it would
    // never finish.
    std::promise<void> logged;
    std::thread worker([&] {
        for (int i = 0; i < kLines; ++i) {
            if (i % 2)
                FLogger.Log(nullptr, llInfo, "engine %d", i);
            else
                av::av_log(nullptr, AV_LOG_INFO, "library %d\n", i);
        }
        logged.set_value();
    });
    const bool finished =
        logged.get_future().wait_for(std::chrono::seconds(60)) == std::future_status::ready;
    worker.join();
    ASSERT_TRUE(finished);
    EXPECT_TRUE(FLines.empty()) << "nothing is raised before the GUI thread takes it";
    FLogger.Log(nullptr, llInfo, "from the GUI thread");
    ASSERT_EQ(FLines.size(), std::size_t(kLines + 1))
        << "the GUI thread's own line raises the lines handed over before it first";
    for (int i = 0; i < kLines; ++i) {
        EXPECT_EQ(FLines[std::size_t(i)].Msg, (i % 2 ? "engine " : "library ") + std::to_string(i));
        EXPECT_TRUE(FLines[std::size_t(i)].OnMainThread);
    }
    EXPECT_EQ(FLines.back().Msg, "from the GUI thread");
    // The call handed to the GUI thread for the worker's lines finds nothing left to raise.
    while (CheckSynchronize(0)) {}
    EXPECT_EQ(FLines.size(), std::size_t(kLines + 1));
}

TEST_F(FFmpegLoggerTest, AHandlerThatRaisesLeavesTheLinesBehindItForTheNextHandOver) {
    bool fail = true;
    FLogger.OnLog = [&](TObject*, std::uint32_t, TLogLevel, const std::string& msg) {
        if (fail && msg == "first") {
            fail = false;
            throw Exception("handler failed");
        }
        FLines.push_back({ nullptr, 0, llInfo, msg, IsMainThread() });
    };
    std::thread([&] {
        FLogger.Log(nullptr, llInfo, "first");
        FLogger.Log(nullptr, llInfo, "second");
    }).join();
    EXPECT_THROW(CheckSynchronize(0), Exception);
    EXPECT_TRUE(FLines.empty());
    std::thread([&] { FLogger.Log(nullptr, llInfo, "third"); }).join();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (FLines.size() < 2 && std::chrono::steady_clock::now() < deadline)
        CheckSynchronize(50);
    EXPECT_EQ(Messages(), (Strings{ "second", "third" }));
}

TEST_F(FFmpegLoggerTest, OnlyOneComponentLoggerAtATime) {
    EXPECT_EQ(&GlobalLogger(), &FLogger);
    try {
        TFFLogger second(nullptr);
        ADD_FAILURE() << "a second logger was created";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message().rfind("Allow creating only one instance of TFFLogger. (", 0), 0u)
            << e.Message();
    }
    EXPECT_EQ(&GlobalLogger(), &FLogger);
}

TEST(FFmpegLoggerLifetime, DeliveryWaitingForTheMainThreadOutlivesItsLogger) {
    SetMainThread();
    std::mutex lock;
    std::condition_variable queued;
    bool isQueued = false;
    SetWakeMainThread([&] {
        std::lock_guard guard(lock);
        isQueued = true;
        queued.notify_all();
    });
    bool delivered = false;
    auto logger = std::make_unique<TFFLogger>(nullptr);
    logger->OnLog = [&](TObject*, std::uint32_t, TLogLevel, const std::string&) {
        delivered = true;
    };
    std::thread worker([&logger] { logger->Log(nullptr, llQuiet, "late"); });
    {
        std::unique_lock guard(lock);
        ASSERT_TRUE(queued.wait_for(guard, std::chrono::seconds(60), [&] { return isQueued; }));
    }
    logger.reset();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!CheckSynchronize(50) && std::chrono::steady_clock::now() < deadline) {}
    worker.join();
    SetWakeMainThread(nullptr);
    EXPECT_FALSE(delivered);
}

TEST(FFmpegLoggerLifetime, DestroyedLoggerLeavesAnOwnerlessOneThatDropsEverything) {
    {
        TFFLogger logger(nullptr);
        EXPECT_EQ(&GlobalLogger(), &logger);
    }
    TFFLogger& ownerless = GlobalLogger();
    EXPECT_FALSE(ownerless.OnLog);
    ownerless.Log(nullptr, llQuiet, "dropped");
    // A component logger takes over from the ownerless one.
    TFFLogger replacement(nullptr);
    EXPECT_EQ(&GlobalLogger(), &replacement);
}

} // namespace
