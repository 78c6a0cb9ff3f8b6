#include "ShellSpaceFixture.h"

#include "platform/rtl/MainThread.h"

#include <chrono>

namespace {

class TRecordingLauncher : public TShellLauncher {
public:
    explicit TRecordingLauncher(std::vector<std::string>& launched) : FLaunched(launched) {}
    bool Launch(const std::vector<std::string>& argv) override { return LaunchIn("", argv); }
    bool LaunchIn(const std::string& folder, const std::vector<std::string>& argv) override {
        std::string call = "[" + folder + "]";
        for (const std::string& arg : argv)
            call += " " + arg;
        FLaunched.push_back(call);
        return true;
    }

private:
    std::vector<std::string>& FLaunched;
};

} // namespace

TRecordedShellSpace::TRecordedShellSpace()
    : FPreviousSpace(SetShellNamespace(Fixture.Space())),
      FPreviousLauncher(SetShellLauncher(std::make_unique<TRecordingLauncher>(Launched))) {}

TRecordedShellSpace::~TRecordedShellSpace() {
    SetShellLauncher(std::move(FPreviousLauncher));
    SetShellNamespace(std::move(FPreviousSpace));
}

bool ServeUntil(const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        CheckSynchronize(100);
    }
    return true;
}
