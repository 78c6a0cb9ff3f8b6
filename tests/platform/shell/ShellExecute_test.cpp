#include "platform/shell/ShellExecute.h"

#include "platform/rtl/FileSystem.h"
#include "platform/rtl/MainThread.h"
#include "platform/shell/FolderWatch.h"
#include "tests/platform/rtl/ScratchFolder.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>

namespace {

class TRecordingLauncher : public TShellLauncher {
public:
    explicit TRecordingLauncher(std::vector<std::vector<std::string>>& calls, bool succeed)
        : FCalls(calls), FSucceed(succeed) {}
    bool Launch(const std::vector<std::string>& argv) override {
        FCalls.push_back(argv);
        return FSucceed;
    }
    bool LaunchIn(const std::string& folder, const std::vector<std::string>& argv) override {
        FCalls.push_back(argv);
        FCalls.back().push_back("in " + folder);
        return FSucceed;
    }
    std::vector<std::vector<std::string>>& FCalls;
    bool FSucceed;
};

TEST(ShellExecute, EachRequestStartsItsProgramWithTheTargetAsOneArgument) {
    using Args = std::vector<std::string>;
    std::vector<Args> calls;
    auto previous = SetShellLauncher(std::make_unique<TRecordingLauncher>(calls, true));
    const std::string odd = "/tmp/a b;$(rm -rf x)/输出";
    EXPECT_TRUE(ShellOpen(odd));
    EXPECT_GT(win::ShellExecute(nullptr, nullptr, "mailto:a@b.c", nullptr, nullptr, 1), 32);
    EXPECT_TRUE(ShellPlaySound("ring.wav"));
    EXPECT_TRUE(ShellPowerOff());
    EXPECT_FALSE(ShellOpen("")) << "nothing to open";
    EXPECT_TRUE(ShellOpenIn("/data/a.vob", "/data"));
    EXPECT_FALSE(ShellOpenIn("", "/data"));
    const std::vector<Args> expected{ { "xdg-open", odd },
                                      { "xdg-open", "mailto:a@b.c" },
                                      { "paplay", "ring.wav" },
                                      { "systemctl", "poweroff" },
                                      { "xdg-open", "/data/a.vob", "in /data" } };
    EXPECT_EQ(calls, expected);
    SetShellLauncher(std::move(previous));
}

TEST(ShellExecute, SoundFallsBackToTheSecondPlayerAndFailureIsReported) {
    std::vector<std::vector<std::string>> calls;
    auto previous = SetShellLauncher(std::make_unique<TRecordingLauncher>(calls, false));
    EXPECT_FALSE(ShellPlaySound("ring.wav"));
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1][0], "aplay");
    EXPECT_LE(win::ShellExecute(nullptr, nullptr, "/x", nullptr, nullptr, 1), 32);
    SetShellLauncher(std::move(previous));
}

TEST(ShellExecute, RealLauncherStartsProgramsAndRefusesMissingOnes) {
    TShellLauncher launcher;
    EXPECT_TRUE(launcher.Launch({ "true" }));
    EXPECT_FALSE(launcher.Launch({ "no-such-program-anywhere" }));
    EXPECT_FALSE(launcher.Launch({}));
}

TEST(ShellExecute, AProgramStartsInItsOwnFolderAndOursStaysPut) {
    ScratchFolder folder;
    const auto before = std::filesystem::current_path();
    TWatchWakeup wakeup;
    auto watch = TFolderWatch::Open(folder.Path(), false, win::FILE_NOTIFY_CHANGE_FILE_NAME);
    ASSERT_TRUE(watch);
    TShellLauncher launcher;
    ASSERT_TRUE(launcher.LaunchIn(folder.Path(), { "touch", "made-here" }));
    ASSERT_EQ(watch->Wait(wakeup), woChanged);
    EXPECT_TRUE(FileExists(folder / "made-here"));
    EXPECT_EQ(std::filesystem::current_path(), before);
    EXPECT_FALSE(launcher.LaunchIn(folder / "missing", { "touch", "never" }));
}

// A watched program's end reaches the GUI thread with its own words when it failed: its last
// line of error output, else its exit; a program that cannot start says why too.
TEST(ShellExecute, AWatchedProgramTellsWhetherItSucceededAndWhyNot) {
    struct Case {
        std::vector<std::string> argv;
        bool succeeded;
        std::string reason;
    };
    const Case cases[] = {
        { { "true" }, true, "" },
        { { "sh", "-c", "echo first >&2; echo 'no method available' >&2; exit 3" },
          false,
          "no method available" },
        { { "sh", "-c", "exit 4" }, false, "sh ended with exit status 4" },
        { { "no-such-program-anywhere" },
          false,
          "no-such-program-anywhere: No such file or directory" },
        // A program left running by the one watched keeps the pipe open: the end still counts.
        { { "sh", "-c", "sleep 20 >/dev/null & echo gone >&2; exit 1" }, false, "gone" },
    };
    TShellLauncher launcher;
    for (const Case& c : cases) {
        std::optional<std::pair<bool, std::string>> ended;
        launcher.LaunchWatched(c.argv, [&](bool succeeded, const std::string& reason) {
            ended.emplace(succeeded, reason);
        });
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!ended && std::chrono::steady_clock::now() < deadline)
            CheckSynchronize(100);
        ASSERT_TRUE(ended) << c.argv.back();
        EXPECT_EQ(ended->first, c.succeeded) << c.argv.back();
        EXPECT_EQ(ended->second, c.reason) << c.argv.back();
    }
}

} // namespace
