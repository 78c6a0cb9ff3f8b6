#pragma once
#include "tests/platform/shell/ShellFixture.h"

#include "platform/shell/ShellExecute.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

// While it lives, the namespace is the fixture desktop, and a launcher records what would have
// been started instead of starting it.
class TRecordedShellSpace {
public:
    TRecordedShellSpace();
    ~TRecordedShellSpace();
    TRecordedShellSpace(const TRecordedShellSpace&) = delete;
    TRecordedShellSpace& operator=(const TRecordedShellSpace&) = delete;

    // Each start as "[folder] argv..." ("[]" without a folder).
    std::vector<std::string> Launched;
    TShellFixture Fixture;

private:
    std::shared_ptr<TShellNamespace> FPreviousSpace;
    std::unique_ptr<TShellLauncher> FPreviousLauncher;
};

class ShellSpaceTest : public testing::Test, protected TRecordedShellSpace {};

// Serves the GUI thread's queue (where change watchers call their handlers) until done says
// so; false when a generous watchdog ran out first.
bool ServeUntil(const std::function<bool()>& done);
