#include "platform/gfx/Surface.h"
#include "platform/rtl/FileSystem.h"
#include "platform/win/WindowApi.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "tests/x11/XCapture.h"
#include "tests/x11/XServer.h"
#include "tests/x11/XWindows.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <vector>
// Last: Xlib's names and macros.
#include "tests/x11/XlibApi.h"

extern char** environ;

namespace {

using namespace x11test;

constexpr auto kWatchdog = std::chrono::seconds(30);

// The program under test, killed if the test leaves before it ended.
class ProgramProcess {
public:
    ProgramProcess(const std::string& path, std::vector<std::string> environment) {
        for (char** e = environ; *e; ++e)
            environment.emplace_back(*e);
        std::vector<char*> env;
        for (auto& e : environment)
            env.push_back(e.data());
        env.push_back(nullptr);
        const char* argv[] = { path.c_str(), nullptr };
        if (posix_spawn(&FPid, path.c_str(), nullptr, nullptr, const_cast<char**>(argv),
                        env.data()) != 0)
            FPid = -1;
    }
    ~ProgramProcess() {
        if (FPid > 0) {
            kill(FPid, SIGKILL);
            waitpid(FPid, nullptr, 0);
        }
    }
    bool Started() const { return FPid > 0; }
    // The exit status once the program ended within the watchdog; -1 otherwise.
    int WaitExit() {
        const auto deadline = std::chrono::steady_clock::now() + kWatchdog;
        while (std::chrono::steady_clock::now() < deadline) {
            int status = 0;
            if (waitpid(FPid, &status, WNOHANG) == FPid) {
                FPid = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return -1;
    }

private:
    pid_t FPid{ -1 };
};

bool WaitFor(const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + kWatchdog;
    while (std::chrono::steady_clock::now() < deadline) {
        if (done()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

TEST(ProgramX11, ShowsTheMainWindowAndEndsCleanlyWhenClosed) {
    const std::string program = ProgramFolder() + "../bin/vobconv";
    if (!FileExists(program)) GTEST_SKIP() << "the program is not built: " << program;
    XServer server(1024, 768);
    if (server.Name().empty()) GTEST_SKIP() << "no Xvfb could be started";
    Display* d = XOpenDisplay(server.Name().c_str());
    if (!d) GTEST_SKIP() << "the X server did not accept a client";

    const std::string folder = CreateTempFolder("program-x11");
    ProgramProcess process(program, { "DISPLAY=" + server.Name(), "VOBCONV_SETTINGS_DIR=" + folder,
                                      "VOBCONV_DATA_ROOT=" + folder });
    ASSERT_TRUE(process.Started());

    const std::string title = "苇川VOB视频格式转换器";
    unsigned long main = 0;
    ASSERT_TRUE(WaitFor([&] { return (main = FindViewableXWindow(d, title)) != 0; }))
        << "no mapped window titled " << title;

    // The program draws the whole frame itself, in the skin's thickness: the window is the
    // client plus that frame, which lies outside the client on every side.
    XWindowAttributes a;
    ASSERT_TRUE(WaitFor([&] {
        return XGetWindowAttributes(d, main, &a) && a.width > 802 && a.height > 541;
    })) << a.width
        << "x" << a.height;
    EXPECT_EQ(a.x + a.width / 2, 512) << "centred across the screen";
    EXPECT_TRUE(FileExists(folder + "option.ini"));

    // The picture is taken once the window shows its own pixels, not the server's black.
    EXPECT_TRUE(
        WaitFor([&] { return XPixelAt(d, main, a.width / 2, a.height / 2).value_or(0) != 0; }));
    const gfx::Surface shot = CaptureXWindow(d, main, 0, 0, a.width, a.height);
    EXPECT_TRUE(!shot.Empty() &&
                win::HeadlessBackend::SavePng(shot, ProgramFolder() + "../vobconv.png"));

    SendXCloseRequest(d, main);
    EXPECT_EQ(process.WaitExit(), 0);
    XCloseDisplay(d);
    std::filesystem::remove_all(folder);
}

TEST(ProgramX11, WithoutAGraphicalSessionSaysSoAndFails) {
    const std::string program = ProgramFolder() + "../bin/vobconv";
    if (!FileExists(program)) GTEST_SKIP() << "the program is not built: " << program;
    const std::string folder = CreateTempFolder("program-x11");
    for (const char* display : { "", "DISPLAY=:4095" }) {
        std::vector<std::string> environment{ "VOBCONV_SETTINGS_DIR=" + folder };
        if (*display) environment.emplace_back(display);
        ProgramProcess process(program, environment);
        ASSERT_TRUE(process.Started());
        EXPECT_EQ(process.WaitExit(), 1) << display;
    }
    EXPECT_FALSE(FileExists(folder + "option.ini")) << "nothing is written without a window";
    std::filesystem::remove_all(folder);
}

} // namespace
