#include "platform/shell/ShellExecute.h"

#include "platform/rtl/FileSystem.h"
#include "platform/shell/FolderWatch.h"
#include "tests/platform/rtl/ScratchFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

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

} // namespace
