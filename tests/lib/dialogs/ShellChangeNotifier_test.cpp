#include "ShellSpaceFixture.h"
#include "tests/platform/shell/ShellFixture.h"

#include "lib/dialogs/TbsShellChangeNotifier.h"
#include "platform/rtl/MainThread.h"
#include "platform/rtl/SyncObjs.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

class ShellChangeNotifierTest : public testing::Test {
protected:
    // Calls the notifier's handler has made so far, all on this (the GUI) thread.
    int Calls{ 0 };
    TShellFixture Fixture;
    std::string Folder{ Fixture.MakeFolder("watched") };
    TbsShellChangeNotifier Notifier{ nullptr };

    void Watch(const std::string& root) {
        Notifier.SetWatchSubTree(false);
        Notifier.SetRoot(root);
        Notifier.SetOnChange([this] {
            EXPECT_TRUE(IsMainThread());
            ++Calls;
        });
    }
    // Makes a change and waits for the handler to run for it.
    void ExpectCallFor(const std::function<void()>& change, const char* what) {
        const int before = Calls;
        change();
        EXPECT_TRUE(ServeUntil([&] { return Calls > before; })) << what;
    }
};

TEST_F(ShellChangeNotifierTest, NothingWatchesUntilAHandlerIsSet) {
    EXPECT_EQ(Notifier.Root(), "/");
    EXPECT_TRUE(Notifier.WatchSubTree());
    EXPECT_EQ(Notifier.NotifyFilters(), (TNotifyFilters{ nfFileNameChange, nfDirNameChange }));
    Notifier.SetRoot(Folder);
    Notifier.SetWatchSubTree(false);
    EXPECT_FALSE(Notifier.Watching());
    Notifier.SetOnChange([this] { ++Calls; });
    EXPECT_TRUE(Notifier.Watching());
}

TEST_F(ShellChangeNotifierTest, CreatingRenamingAndDeletingAFileEachCallTheHandler) {
    Watch(Folder);
    const std::string a = Folder + "/a.txt";
    const std::string b = Folder + "/b.txt";
    ExpectCallFor([&] { Fixture.WriteFile("watched/a.txt", "x"); }, "created");
    ExpectCallFor([&] { std::rename(a.c_str(), b.c_str()); }, "renamed");
    ExpectCallFor([&] { ::unlink(b.c_str()); }, "deleted");
}

TEST_F(ShellChangeNotifierTest, ARetargetedNotifierReportsTheNewFolderOnly) {
    const std::string other = Fixture.MakeFolder("other");
    Watch(Folder);
    Notifier.SetRoot(other);
    Fixture.WriteFile("watched/old.txt");
    ExpectCallFor([&] { Fixture.WriteFile("other/new1.txt"); }, "first change in the new folder");
    ExpectCallFor([&] { Fixture.WriteFile("other/new2.txt"); }, "second change in the new folder");
    // The old folder's change came first; had it been reported, it would have been counted
    // before the new folder's.
    EXPECT_EQ(Calls, 2);
}

TEST_F(ShellChangeNotifierTest, RootsCompareWithCase) {
    Watch(Folder);
    Notifier.SetRoot(Fixture.Path("WATCHED"));
    EXPECT_EQ(Notifier.Root(), Fixture.Path("WATCHED"));
    EXPECT_TRUE(ServeUntil([&] { return !Notifier.Watching(); }))
        << "no folder of that name: the worker ends";
}

TEST_F(ShellChangeNotifierTest, AMissingRootEndsTheWorkerWithoutCalls) {
    Watch(Fixture.Path("missing"));
    EXPECT_TRUE(ServeUntil([&] { return !Notifier.Watching(); }));
    CheckSynchronize(0);
    EXPECT_EQ(Calls, 0);

    // Pointing the notifier at a folder that exists starts a new worker.
    Notifier.SetRoot(Folder);
    EXPECT_TRUE(Notifier.Watching());
    ExpectCallFor([&] { Fixture.WriteFile("watched/late.txt"); }, "after the restart");
}

TEST_F(ShellChangeNotifierTest, DeletingTheWatchedFolderCallsOnceAndEndsTheWorker) {
    Watch(Folder);
    ASSERT_EQ(::rmdir(Folder.c_str()), 0);
    EXPECT_TRUE(ServeUntil([&] { return !Notifier.Watching(); }));
    CheckSynchronize(0);
    EXPECT_EQ(Calls, 1);
}

TEST_F(ShellChangeNotifierTest, ANewHandlerTakesOverTheRunningWorker) {
    Watch(Folder);
    int second = 0;
    Notifier.SetOnChange([&] { ++second; });
    Fixture.WriteFile("watched/x.txt");
    EXPECT_TRUE(ServeUntil([&] { return second > 0; }));
    EXPECT_EQ(Calls, 0);
}

TEST_F(ShellChangeNotifierTest, ASubTreeReportsChangesInFoldersBelow) {
    Fixture.MakeFolder("watched/a/b");
    Notifier.SetRoot(Folder);
    Notifier.SetOnChange([this] { ++Calls; });
    // The worker walks the tree on its own time: a change below counts once it is watched.
    const std::string deep = Folder + "/a/b/deep.txt";
    EXPECT_TRUE(ServeUntil([&] {
        if (Calls > 0) return true;
        Fixture.WriteFile("watched/a/b/deep.txt");
        ::unlink(deep.c_str());
        return false;
    }));
}

TEST(ShellChangeNotifierLifetime, NoHandlerRunsOnceTheNotifierIsGone) {
    TShellFixture fixture;
    const std::string folder = fixture.MakeFolder("busy");
    int calls = 0;
    auto notifier = std::make_unique<TbsShellChangeNotifier>(nullptr);
    TbsShellChangeNotifier* const raw = notifier.get();
    notifier->SetRoot(folder);
    // The handler touches its notifier: a call after the notifier went would read freed
    // memory, which the sanitizer build reports.
    notifier->SetOnChange([&calls, raw] {
        EXPECT_FALSE(raw->Root().empty());
        ++calls;
    });

    std::atomic<bool> stop{ false };
    std::thread writer([&] {
        for (int i = 0; !stop; ++i) {
            const std::string name = folder + "/f" + std::to_string(i % 50);
            std::FILE* file = std::fopen(name.c_str(), "w");
            if (file) std::fclose(file);
            ::unlink(name.c_str());
        }
    });
    EXPECT_TRUE(ServeUntil([&] { return calls > 0; }));
    // Leave a change waiting in the queue: the next call queued raises the event.
    TEvent queued(false, false);
    SetWakeMainThread([&queued] { queued.SetEvent(); });
    EXPECT_EQ(queued.WaitFor(30000), wrSignaled);
    // From here on no handler may run: neither while the notifier goes (its worker is waited
    // for, and the queue served meanwhile) nor after.
    const int atDestruction = calls;
    notifier.reset();
    SetWakeMainThread({});
    // The worker has ended, but what it queued before is still in the queue: none of it may
    // run now.
    CheckSynchronize(0);
    stop = true;
    writer.join();
    EXPECT_EQ(calls, atDestruction);
}

} // namespace
