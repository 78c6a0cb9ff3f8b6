#pragma once
#include "tests/platform/shell/ShellFixture.h"

#include "platform/shell/ShellExecute.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

// A test whose namespace is the fixture desktop, with a launcher that records what would have
// been started instead of starting it.
class ShellSpaceTest : public testing::Test {
protected:
    ShellSpaceTest();
    ~ShellSpaceTest() override;

    // Each start as "[folder] argv..." ("[]" without a folder).
    std::vector<std::string> Launched;
    TShellFixture Fixture;

private:
    std::shared_ptr<TShellNamespace> FPreviousSpace;
    std::unique_ptr<TShellLauncher> FPreviousLauncher;
};
