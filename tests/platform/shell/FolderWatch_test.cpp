#include "ShellFixture.h"

#include "platform/shell/FolderWatch.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace win;

constexpr std::uint32_t kNames = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME;

class FolderWatchTest : public testing::Test {
protected:
    TShellFixture Fixture;
    std::string Watched{ Fixture.MakeFolder("watched") };
    TWatchWakeup Wakeup;
};

TEST_F(FolderWatchTest, NameChangesOfFilesAndFoldersAreReported) {
    const std::string folder = Fixture.MakeFolder("w");
    auto watch = TFolderWatch::Open(folder, false, kNames);
    ASSERT_TRUE(watch);
    const std::string file = Fixture.WriteFile("w/a.txt", "x");
    EXPECT_EQ(watch->Wait(Wakeup), woChanged) << "created";
    ASSERT_EQ(::rename(file.c_str(), (folder + "/b.txt").c_str()), 0);
    EXPECT_EQ(watch->Wait(Wakeup), woChanged) << "renamed";
    ASSERT_EQ(::unlink((folder + "/b.txt").c_str()), 0);
    EXPECT_EQ(watch->Wait(Wakeup), woChanged) << "deleted";
    ASSERT_EQ(::mkdir((folder + "/sub").c_str(), 0755), 0);
    EXPECT_EQ(watch->Wait(Wakeup), woChanged) << "folder created";
}

TEST_F(FolderWatchTest, OnlyTheKindsInTheFilterAreReported) {
    const std::string folder = Fixture.MakeFolder("w");
    auto watch = TFolderWatch::Open(folder, false, FILE_NOTIFY_CHANGE_DIR_NAME);
    ASSERT_TRUE(watch);
    Fixture.WriteFile("w/file.txt", "not reported");
    ::chmod((folder + "/file.txt").c_str(), 0600);
    ASSERT_EQ(::mkdir((folder + "/reported").c_str(), 0755), 0);
    // The file's events come first in the queue; the wait passes them by and stops at the
    // folder, and the wake-up was never raised.
    EXPECT_EQ(watch->Wait(Wakeup), woChanged);
    Wakeup.Set();
    EXPECT_EQ(watch->Wait(Wakeup), woWoken) << "nothing else was pending";

    auto writes = TFolderWatch::Open(folder, false, FILE_NOTIFY_CHANGE_LAST_WRITE);
    Fixture.WriteFile("w/file.txt", "written");
    EXPECT_EQ(writes->Wait(Wakeup), woChanged);
    auto attributes = TFolderWatch::Open(folder, false, FILE_NOTIFY_CHANGE_ATTRIBUTES);
    ::chmod((folder + "/file.txt").c_str(), 0644);
    EXPECT_EQ(attributes->Wait(Wakeup), woChanged);
}

TEST_F(FolderWatchTest, TheWakeUpEndsAWaitFromAnotherThread) {
    auto watch = TFolderWatch::Open(Watched, false, kNames);
    ASSERT_TRUE(watch);
    std::thread waker([this] { Wakeup.Set(); });
    EXPECT_EQ(watch->Wait(Wakeup), woWoken);
    waker.join();
}

TEST_F(FolderWatchTest, ASubTreeIsWatchedAndFoldersMadeLaterJoinIt) {
    Fixture.MakeFolder("tree/a/b");
    auto watch = TFolderWatch::Open(Fixture.Path("tree"), true, kNames);
    ASSERT_TRUE(watch);
    watch->WatchSubFolders();
    EXPECT_EQ(watch->FolderCount(), 3u);
    Fixture.WriteFile("tree/a/b/deep.txt");
    EXPECT_EQ(watch->Wait(Wakeup), woChanged);

    ASSERT_EQ(::mkdir(Fixture.Path("tree/new").c_str(), 0755), 0);
    EXPECT_EQ(watch->Wait(Wakeup), woChanged);
    EXPECT_EQ(watch->FolderCount(), 4u);
    Fixture.WriteFile("tree/new/inside.txt");
    EXPECT_EQ(watch->Wait(Wakeup), woChanged);

    auto flat = TFolderWatch::Open(Fixture.Path("tree"), false, kNames);
    flat->WatchSubFolders();
    EXPECT_EQ(flat->FolderCount(), 1u);
}

TEST_F(FolderWatchTest, TheFolderGoingEndsTheWatch) {
    const std::string folder = Fixture.MakeFolder("doomed");
    auto deleted = TFolderWatch::Open(folder, false, kNames);
    ASSERT_EQ(::rmdir(folder.c_str()), 0);
    EXPECT_EQ(deleted->Wait(Wakeup), woFolderGone);

    const std::string moving = Fixture.MakeFolder("moving");
    auto moved = TFolderWatch::Open(moving, false, kNames);
    ASSERT_EQ(::rename(moving.c_str(), Fixture.Path("moved").c_str()), 0);
    EXPECT_EQ(moved->Wait(Wakeup), woFolderGone);

    EXPECT_FALSE(TFolderWatch::Open(Fixture.Path("missing"), false, kNames));
    EXPECT_FALSE(TFolderWatch::Open(Fixture.WriteFile("plain.txt"), false, kNames));
    EXPECT_FALSE(TFolderWatch::Open("", false, kNames));
}

} // namespace
