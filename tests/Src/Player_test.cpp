#include "Src/FFPlay/Display.h"
#include "Src/FFPlay/PlayerTypes.h"
#include "Src/FFPlay/StreamControl.h"
#include "Src/FFPlay/TCustomPlayer.h"
#include "platform/rtl/MainThread.h"
#include "platform/win/Win.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "tests/fixtures/FixtureSet.h"
#include "tests/fixtures/MediaWriter.h"
#include "tests/fixtures/TestPattern.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace std::chrono_literals;

constexpr auto kWatchdog = 30s;
constexpr int64_t kFrame = 40000; // microseconds of one fixture frame

// Serves the main thread's queued calls (where the player's events arrive) until pred holds.
bool WaitUntil(const std::function<bool()>& pred, std::chrono::seconds watchdog = kWatchdog) {
    const auto deadline = std::chrono::steady_clock::now() + watchdog;
    while (!pred()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        CheckSynchronize(10);
    }
    return true;
}

// Fails a test whose guarded step outlives kWatchdog at once, with the step's name, instead of
// at the runner's time-out. A player stuck in a stop cannot be torn down, so the process ends
// right after the report. One thread serves the whole suite: the tests that count threads
// see it before and after alike.
class TWatchdog {
public:
    TWatchdog() : FThread([this] { Watch(); }) {}
    ~TWatchdog() {
        {
            std::lock_guard lock(FLock);
            FQuit = true;
        }
        FChanged.notify_all();
        FThread.join();
    }

    void Guard(const char* what, const std::function<void()>& step) {
        {
            std::lock_guard lock(FLock);
            FWhat = what;
            FDeadline = std::chrono::steady_clock::now() + kWatchdog;
            ++FArmed;
        }
        FChanged.notify_all();
        step();
        {
            std::lock_guard lock(FLock);
            FWhat = nullptr;
        }
        FChanged.notify_all();
    }

private:
    void Watch() {
        std::unique_lock lock(FLock);
        while (!FQuit) {
            if (!FWhat) {
                FChanged.wait(lock);
                continue;
            }
            const unsigned armed = FArmed;
            if (FChanged.wait_until(lock, FDeadline,
                                    [&] { return FQuit || !FWhat || FArmed != armed; }))
                continue;
            ADD_FAILURE() << FWhat << " did not return within " << kWatchdog.count() << " s";
            std::fflush(stdout);
            std::_Exit(EXIT_FAILURE);
        }
    }

    std::mutex FLock;
    std::condition_variable FChanged;
    const char* FWhat{ nullptr };
    std::chrono::steady_clock::time_point FDeadline;
    unsigned FArmed{ 0 };
    bool FQuit{ false };
    std::thread FThread; // last: it starts watching once the fields above exist
};

int ThreadCount() {
    int count = 0;
    for ([[maybe_unused]] const auto& entry :
         std::filesystem::directory_iterator("/proc/self/task"))
        ++count;
    return count;
}

fixtures::Rgb PixelAt(TBitmap& bitmap, int x, int y) {
    const auto* row = static_cast<const uint8_t*>(bitmap.ScanLine(y));
    return { row[4 * x + 2], row[4 * x + 1], row[4 * x] };
}

bool Near(fixtures::Rgb a, fixtures::Rgb b, int tolerance = 40) {
    return std::abs(a.R - b.R) <= tolerance && std::abs(a.G - b.G) <= tolerance &&
           std::abs(a.B - b.B) <= tolerance;
}

// The frame number the snapshot shows, from the pattern's code cells.
int SnapshotFrame(TBitmap& bitmap) {
    return fixtures::ReadFrameCode(bitmap.Width(), bitmap.Height(),
                                   [&](int x, int y) { return PixelAt(bitmap, x, y); });
}

// A media file of the test's own, removed with the object.
class TempMedia {
public:
    TempMedia(const std::string& name, const fixtures::MediaSpec& spec)
        : FPath((std::filesystem::temp_directory_path() /
                 ("player-" + std::to_string(getpid()) + "-" + name + spec.Extension))
                    .string()) {
        fixtures::WriteMedia(FPath, spec);
    }
    ~TempMedia() {
        std::error_code ignored;
        std::filesystem::remove(FPath, ignored);
    }
    const std::string& Path() const { return FPath; }

private:
    std::string FPath;
};

class PlayerTest : public ::testing::Test {
protected:
    // Sanitizers start a helper thread with the first thread: that one is not the player's.
    static void SetUpTestSuite() {
        std::thread([] {}).join();
        Watchdog = std::make_unique<TWatchdog>();
    }
    static void TearDownTestSuite() { Watchdog.reset(); }
    void SetUp() override {
        FPlayer = std::make_unique<ZAZEvivez>(nullptr);
        ASSERT_TRUE(FPlayer->LoadAVLib("")) << FPlayer->LastErrMsg();
        FPlayer->OnState = [this](TObject*, TPlayState state) { FStates.push_back(state); };
        FPlayer->OnFileOpen = [this](TObject*, int64_t duration, int w, int h, int&, int&) {
            FOpened.push_back({ duration, w, h });
        };
        FPlayer->OnPosition = [this](TObject*, int64_t pts) { FPositions.push_back(pts); };
    }
    void TearDown() override {
        Watchdog->Guard("Freeing the player", [&] { FPlayer.reset(); });
    }

    void StopAndWait() {
        Watchdog->Guard("Stop(true)", [&] { FPlayer->Stop(true); });
    }

    bool HasState(TPlayState state) const {
        return std::find(FStates.begin(), FStates.end(), state) != FStates.end();
    }

    // Opens paused and waits until the first pictures are up.
    void OpenPaused(const std::string& path) {
        ASSERT_TRUE(FPlayer->Open(path, nullptr, true)) << FPlayer->LastErrMsg();
        ASSERT_TRUE(WaitUntil([&] { return HasState(psPause); }));
    }

    // Takes snapshots until one shows a picture whose time satisfies pred.
    TBitmap* SnapshotWhen(const std::function<bool(int64_t)>& pred, int64_t& pts) {
        TBitmap* shot = nullptr;
        WaitUntil([&] {
            shot = FPlayer->CurrentFrame(pts);
            return !shot->Empty() && pred(pts);
        });
        return shot;
    }

    std::string PositionsText() const {
        std::string text;
        for (const int64_t pts : FPositions)
            text += " " + std::to_string(pts);
        return text;
    }

    struct Opened {
        int64_t duration;
        int width, height;
    };
    static inline std::unique_ptr<TWatchdog> Watchdog;
    std::unique_ptr<ZAZEvivez> FPlayer;
    std::vector<TPlayState> FStates;
    std::vector<Opened> FOpened;
    std::vector<int64_t> FPositions;
};

TEST_F(PlayerTest, OpenedPausedReportsPlayThenPauseAndStopsWithEveryThreadJoined) {
    const int before = ThreadCount();
    OpenPaused(fixtures::Standard().Mp4);
    ASSERT_GE(FStates.size(), 2u);
    EXPECT_EQ(FStates[0], psPlay);
    EXPECT_EQ(FStates[1], psPause);
    EXPECT_TRUE(FPlayer->Paused());
    ASSERT_EQ(FOpened.size(), 1u);
    EXPECT_EQ(FOpened[0].width, 160);
    EXPECT_EQ(FOpened[0].height, 120);
    EXPECT_NEAR(static_cast<double>(FOpened[0].duration), 2000000.0, 100000.0);

    StopAndWait();
    EXPECT_EQ(FStates.back(), psStop);
    EXPECT_EQ(FPlayer->PlayState(), psStop);
    EXPECT_EQ(ThreadCount(), before);
    EXPECT_EQ(FPlayer->VideoStreamIndex(), -1);
}

TEST_F(PlayerTest, StopWhilePlayingJoinsEveryThread) {
    const int before = ThreadCount();
    ASSERT_TRUE(FPlayer->Open(fixtures::Standard().Vob, nullptr, false)) << FPlayer->LastErrMsg();
    ASSERT_TRUE(WaitUntil([&] { return FPlayer->CurrentPTS() > 200000; }));
    StopAndWait();
    EXPECT_EQ(ThreadCount(), before);
    EXPECT_EQ(FStates.back(), psStop);
}

TEST_F(PlayerTest, PlaybackToTheEndReportsTheDurationAndTheEnd) {
    ASSERT_TRUE(FPlayer->Open(fixtures::Standard().Mp4, nullptr, false)) << FPlayer->LastErrMsg();
    ASSERT_TRUE(WaitUntil([&] { return HasState(psEnd); }));
    ASSERT_FALSE(FOpened.empty());
    ASSERT_TRUE(
        WaitUntil([&] { return !FPositions.empty() && FPositions.back() == FOpened[0].duration; }));
    EXPECT_TRUE(std::is_sorted(FPositions.begin(), FPositions.end())) << PositionsText();
    EXPECT_GT(FPositions.size(), 5u);
    StopAndWait();
    EXPECT_EQ(FStates.back(), psStop);
}

TEST_F(PlayerTest, StateHandlerOpensTheNextFileAtTheEnd) {
    bool next = false;
    FPlayer->OnState = [&](TObject*, TPlayState state) {
        FStates.push_back(state);
        if (state == psEnd && !next) {
            next = true;
            EXPECT_TRUE(FPlayer->Open(fixtures::Standard().Avi, nullptr, true));
        }
    };
    ASSERT_TRUE(FPlayer->Open(fixtures::Standard().Mp4, nullptr, false)) << FPlayer->LastErrMsg();
    ASSERT_TRUE(WaitUntil([&] { return next; }));
    EXPECT_TRUE(WaitUntil([&] { return FStates.back() == psPause; })) << "the next file's events";
    EXPECT_EQ(FPlayer->FileName(), fixtures::Standard().Avi);
    StopAndWait();
    EXPECT_EQ(FStates.back(), psStop);
}

TEST_F(PlayerTest, AudioOnlyFilePlaysWithItsDisplays) {
    ASSERT_TRUE(FPlayer->Open(fixtures::Standard().Mp3, nullptr, false)) << FPlayer->LastErrMsg();
    EXPECT_EQ(FPlayer->VideoStreamIndex(), -1);
    EXPECT_EQ(FPlayer->AudioStreamIndex(), 0);
    EXPECT_TRUE(WaitUntil([&] { return FPlayer->CurrentPTS() > 300000; }));
    FPlayer->ToggleAudioDisplay(); // the spectrum
    const int64_t at = FPlayer->CurrentPTS();
    EXPECT_TRUE(WaitUntil([&] { return FPlayer->CurrentPTS() > at + 300000; }));
    int64_t pts = 0;
    EXPECT_TRUE(FPlayer->CurrentFrame(pts)->Empty());
    EXPECT_EQ(pts, -1);
    StopAndWait();
}

TEST_F(PlayerTest, SeekShowsThePictureAtTheTarget) {
    // Key frames every ten frames: a seek lands on the key frame at or before the target.
    OpenPaused(fixtures::Standard().Gop10);
    for (const int frame : { 30, 10, 40 }) {
        const int64_t target = frame * kFrame;
        FPlayer->Seek(target, TSeekFlags{}, true);
        int64_t pts = -1;
        TBitmap* shot =
            SnapshotWhen([&](int64_t at) { return std::llabs(at - target) <= kFrame; }, pts);
        ASSERT_LE(std::llabs(pts - target), kFrame) << "frame " << frame;
        EXPECT_EQ(shot->Width(), 160);
        EXPECT_EQ(shot->Height(), 120);
        EXPECT_NEAR(SnapshotFrame(*shot), frame, 1) << "frame " << frame;
        EXPECT_TRUE(FPlayer->Paused());
    }
}

TEST_F(PlayerTest, StepShowsTheNextPictureAndPausesAgain) {
    // A busy machine makes the player late, and a late player skips pictures: this test counts
    // them, so none may go.
    FPlayer->Options().framedrop = 0;
    OpenPaused(fixtures::Standard().Mp4);
    int64_t pts = -1;
    TBitmap* shot = SnapshotWhen([](int64_t at) { return at >= kFrame; }, pts);
    ASSERT_EQ(SnapshotFrame(*shot), 1);
    FPlayer->StepToNextFrame();
    FPlayer->StepToNextFrame();
    shot = SnapshotWhen([](int64_t at) { return at >= 2 * kFrame; }, pts);
    EXPECT_LE(pts, 3 * kFrame) << "one picture per step";
    EXPECT_TRUE(WaitUntil([&] { return FPlayer->Paused(); }));
    EXPECT_TRUE(WaitUntil([&] { return HasState(psStep); }));
}

TEST_F(PlayerTest, PlayTimeStopsOrLoops) {
    FPlayer->SetPlayTime(300000);
    ASSERT_TRUE(FPlayer->Open(fixtures::Standard().Mp4, nullptr, false)) << FPlayer->LastErrMsg();
    EXPECT_TRUE(WaitUntil([&] { return HasState(psStop); })) << "stops by itself";
    EXPECT_LT(FPlayer->CurrentPTS(), 1000000);
    StopAndWait();

    // Once the player reported a position at the limit the loop's seek is under way, and a
    // position taken before it took effect would be stale, running on past the limit: the next
    // one reported goes back. A late player skips pictures without reporting them, and one
    // that skipped from the loop's start past the limit would never report a position back:
    // none may go.
    FPositions.clear();
    FPlayer->Options().framedrop = 0;
    FPlayer->SetPlayTime(300000);
    FPlayer->SetRepeatType(rtLoop);
    ASSERT_TRUE(FPlayer->Open(fixtures::Standard().Mp4, nullptr, false)) << FPlayer->LastErrMsg();
    EXPECT_TRUE(WaitUntil([&] {
        return std::count_if(FPositions.begin(), FPositions.end(),
                             [](int64_t pos) { return pos >= 300000; }) >= 2 &&
               FPositions.back() < 300000;
    })) << "goes back to the start, twice:"
        << PositionsText();
    for (size_t i = 0; i + 1 < FPositions.size(); ++i) {
        if (FPositions[i] >= 300000) {
            EXPECT_LT(FPositions[i + 1], FPositions[i]) << PositionsText();
        }
    }
    StopAndWait();
}

// A pause gives up on a seek or a picture that does not come and leaves its event set, so that
// the next pause does not wait for it again; without a playback it goes no further.
TEST_F(PlayerTest, PauseWaitsThatGiveUpLeaveTheirEventsSet) {
    TEvent* const events[] = { &FPlayer->SeekEvent(), &FPlayer->PictEvent() };
    for (TEvent* event : events)
        event->ResetEvent();
    EXPECT_FALSE(FPlayer->AwaitSeekDone(0));
    EXPECT_FALSE(FPlayer->AwaitPicture(0));
    for (TEvent* event : events)
        EXPECT_EQ(event->WaitFor(0), wrSignaled);

    OpenPaused(fixtures::Standard().Mp4);
    // Only a seek sets the seek event: reset, it stands for a seek that never ends.
    FPlayer->SeekEvent().ResetEvent();
    FPlayer->Resume();
    EXPECT_FALSE(FPlayer->Paused());
    EXPECT_EQ(FPlayer->SeekEvent().WaitFor(0), wrSignaled);
    StopAndWait();
}

TEST_F(PlayerTest, SnapshotShowsWhatTheHookDrew) {
    const TColor blue = 0xFF0000; // TColor is BGR
    FPlayer->SetHook(true);
    FPlayer->OnHook = [&](TObject*, TBitmap* bitmap, int64_t) {
        bitmap->Canvas().Brush().SetColor(blue);
        bitmap->Canvas().FillRect({ 0, 0, bitmap->Width() / 2, bitmap->Height() });
    };
    OpenPaused(fixtures::Standard().Mp4);
    int64_t pts = -1;
    TBitmap* shot = SnapshotWhen([](int64_t) { return true; }, pts);
    ASSERT_EQ(shot->Width(), 160);
    ASSERT_EQ(shot->Height(), 120);
    const int y = fixtures::BarsHeight(120) / 2;
    EXPECT_TRUE(Near(PixelAt(*shot, fixtures::BarCentre(1, 160), y), { 0, 0, 255 }));
    const int right = fixtures::BarCentre(6, 160);
    EXPECT_TRUE(Near(PixelAt(*shot, right, y), fixtures::ExpectedBarColour(right, 160)));
    EXPECT_EQ(FPlayer->CurrentFrame(), shot) << "one bitmap, reused";
}

TEST_F(PlayerTest, SnapshotWithoutPlaybackIsEmpty) {
    int64_t pts = 0;
    TBitmap* shot = FPlayer->CurrentFrame(pts);
    EXPECT_TRUE(shot->Empty());
    EXPECT_EQ(pts, -1);
}

TEST_F(PlayerTest, AudioStreamSwitchesAndRefusesOtherTypes) {
    fixtures::MediaSpec spec;
    spec.Format = "matroska";
    spec.Extension = ".mkv";
    spec.VideoCodec = "mpeg4";
    spec.AudioCodec = "mp2";
    spec.ExtraAudio = { { 22050, 1 } };
    const TempMedia media("two-audio", spec);

    ASSERT_TRUE(FPlayer->Open(media.Path(), nullptr, false)) << FPlayer->LastErrMsg();
    const int first = FPlayer->AudioStreamIndex();
    const int second = first == 1 ? 2 : 1;
    ASSERT_GE(first, 1);
    FPlayer->SetAudioStreamIndex(second);
    EXPECT_EQ(FPlayer->AudioStreamIndex(), second);
    // The new stream plays: the audio clock moves on from the switch.
    const int64_t at = FPlayer->CurrentPTS();
    EXPECT_TRUE(WaitUntil([&] { return FPlayer->CurrentPTS() > at + 200000; }));

    FPlayer->SetAudioStreamIndex(FPlayer->VideoStreamIndex());
    EXPECT_EQ(FPlayer->LastErrMsg(), "the stream type is not matched.");
    EXPECT_EQ(FPlayer->AudioStreamIndex(), second);
    FPlayer->SetAudioStreamIndex(7);
    EXPECT_EQ(FPlayer->LastErrMsg(), "the stream index is not valid.");
    StopAndWait();
}

TEST_F(PlayerTest, FileThatCannotOpenFailsAndTheNextOneOpens) {
    const int before = ThreadCount();
    EXPECT_FALSE(FPlayer->Open("/nonexistent/clip.avi", nullptr, false));
    EXPECT_NE(FPlayer->LastErrMsg().find("/nonexistent/clip.avi"), std::string::npos)
        << FPlayer->LastErrMsg();
    EXPECT_TRUE(FPlayer->Paused());
    EXPECT_EQ(ThreadCount(), before);

    ASSERT_TRUE(FPlayer->Open(fixtures::Standard().Avi, nullptr, false)) << FPlayer->LastErrMsg();
    // Another file while one plays: the first stops, the second opens.
    ASSERT_TRUE(FPlayer->Open(fixtures::Standard().Mp4, nullptr, true)) << FPlayer->LastErrMsg();
    EXPECT_EQ(FOpened.size(), 2u);
    EXPECT_EQ(FPlayer->FileName(), fixtures::Standard().Mp4);
    EXPECT_TRUE(WaitUntil([&] { return FStates.size() >= 2 && FStates.back() == psPause; }));
    StopAndWait();
    EXPECT_EQ(ThreadCount(), before);
}

// The host's screen window while SDL owns it: a close is swallowed, a click focuses it; both
// go back to the host once the playback stops, and a start of SDL that failed takes nothing.
TEST_F(PlayerTest, ScreenWindowIsGuardedOnlyWhileSDLOwnsIt) {
    using namespace win;
    InstallBackend(std::make_unique<HeadlessBackend>());
    WNDCLASSEX wc;
    wc.lpfnWndProc = DefWindowProc;
    wc.lpszClassName = "PlayerHost";
    RegisterClassEx(&wc);
    HWND form = CreateWindowEx(0, "PlayerHost", "", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr,
                               nullptr, nullptr, nullptr);
    auto makeScreen = [&] {
        return CreateWindowEx(0, "PlayerHost", "", WS_CHILD | WS_VISIBLE, 10, 10, 200, 150, form,
                              nullptr, nullptr, nullptr);
    };
    HWND screen = makeScreen();

    ASSERT_TRUE(FPlayer->Open(fixtures::Standard().Mp4, screen, true)) << FPlayer->LastErrMsg();
    EXPECT_EQ(FPlayer->ScreenWidth(), 200);
    SendMessage(screen, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(screen));
    SendMessage(screen, WM_LBUTTONDOWN, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(GetFocus(), screen);
    StopAndWait();
    SendMessage(screen, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(screen));

    screen = makeScreen();
    const char* display = getenv("DISPLAY");
    const std::string savedDisplay = display ? display : "";
    setenv("DISPLAY", ":65000", 1);
    FPlayer->SetVideoDriver(vdGDI);
    EXPECT_FALSE(FPlayer->Open(fixtures::Standard().Mp4, screen, true));
    EXPECT_EQ(FPlayer->LastErrMsg().rfind("Could not initialize SDL with ScreenHandle(", 0), 0u)
        << FPlayer->LastErrMsg();
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    if (display) {
        setenv("DISPLAY", savedDisplay.c_str(), 1);
    } else {
        unsetenv("DISPLAY");
    }
    SendMessage(screen, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(screen));
    DestroyWindow(form);
    InstallBackend(nullptr);
}

TEST(PlayerSeek, PositionIsBoundedOnlyByAKnownDuration) {
    struct Case {
        int64_t pts, duration, startTime, expected;
    };
    const Case kCases[] = {
        { 1200000, 2000000, 0, 1200000 },
        { 3000000, 2000000, 0, 2000000 },
        { 3000000, -1, 0, 3000000 }, // unknown: never the start
        { 500000, 2000000, 1400000, 1900000 },
    };
    for (const auto& c : kCases)
        EXPECT_EQ(SeekPosition(c.pts, c.duration, c.startTime), c.expected) << c.pts;
}

TEST(PlayEventRing, SameKindReplacesAndTheOldestGoesWhenFull) {
    TPlayEvent ring;
    ring.Push({ TPlayEventItem::pePosition, 1 });
    ring.Push({ TPlayEventItem::pePosition, 2 });
    ring.Push({ TPlayEventItem::peState, psPause });
    const TPlayEventItem first = ring.Pop();
    EXPECT_EQ(first.Kind, TPlayEventItem::pePosition);
    EXPECT_EQ(first.Value, 2);
    EXPECT_EQ(ring.Pop().Kind, TPlayEventItem::peState);
    EXPECT_EQ(ring.Pop().Kind, TPlayEventItem::peNone);
    EXPECT_EQ(ring.Event().WaitFor(0), wrTimeout);

    for (int i = 0; i < 11; ++i)
        ring.Push({ i % 2 ? TPlayEventItem::peState : TPlayEventItem::pePosition, i });
    for (int i = 2; i < 11; ++i)
        EXPECT_EQ(ring.Pop().Value, i);
    EXPECT_EQ(ring.Pop().Kind, TPlayEventItem::peNone);
}

TEST(PlayerDisplay, PictureFitsTheSurfaceCentredWithEvenSizes) {
    struct Case {
        double aspect;
        int width, height;
        TDisplayRect expected;
    };
    const Case kCases[] = {
        { 4.0 / 3, 640, 480, { 0, 0, 640, 480 } },
        { 16.0 / 9, 640, 480, { 0, 60, 640, 360 } }, // too wide: fitted to the width
        { 1.0, 640, 480, { 80, 0, 480, 480 } },
        { 1.5, 101, 51, { 12, 0, 76, 51 } }, // odd sizes lose their lowest bit
    };
    for (const auto& c : kCases)
        EXPECT_EQ(ComputeDisplayRect(c.aspect, c.width, c.height), c.expected) << c.aspect;
    EXPECT_DOUBLE_EQ(DisplayAspect(-1, 300, 100, { 0, 1 }, 160, 120), 3.0);
    EXPECT_DOUBLE_EQ(DisplayAspect(0, 300, 100, { 0, 1 }, 160, 120), 4.0 / 3);
    EXPECT_DOUBLE_EQ(DisplayAspect(0, 300, 100, { 2, 1 }, 160, 120), 8.0 / 3);
    EXPECT_DOUBLE_EQ(DisplayAspect(1.25f, 300, 100, { 2, 1 }, 160, 120), 1.25);
}

TEST(PlayerDisplay, SubtitleBlendIsClippedToThePicture) {
    constexpr int W = 8, H = 4;
    std::vector<uint8_t> y(W * H, 100), u(W * H / 4, 100), v(W * H / 4, 100);
    TPlanarPicture picture;
    picture.data[0] = y.data();
    picture.data[1] = u.data();
    picture.data[2] = v.data();
    picture.linesize[0] = W;
    picture.linesize[1] = picture.linesize[2] = W / 2;
    // An opaque 3 x 3 bitmap of Y 200, Cb 50, Cr 150 placed partly outside the right edge.
    uint32_t palette[1] = { 0xFFC83296 };
    std::vector<uint8_t> indexes(9, 0);
    AVSubtitleRect rect{};
    rect.x = 7;
    rect.y = 1;
    rect.w = 3;
    rect.h = 3;
    rect.data[0] = indexes.data();
    rect.data[1] = reinterpret_cast<uint8_t*>(palette);
    rect.linesize[0] = 3;
    BlendSubpicture(picture, rect, W, H);
    // Moved inside: columns 5..7, rows 1..3.
    for (int row = 0; row < H; ++row) {
        for (int col = 0; col < W; ++col) {
            const bool covered = col >= 5 && row >= 1;
            EXPECT_EQ(y[row * W + col], covered ? 200 : 100) << col << "," << row;
        }
    }
    // The chroma sample of columns 6..7, rows 2..3 is fully covered; that of columns 4..5,
    // rows 0..1 by one pixel (a quarter of the alpha).
    EXPECT_EQ(u[1 * (W / 2) + 3], 50);
    EXPECT_EQ(v[1 * (W / 2) + 3], 150);
    EXPECT_EQ(u[0 * (W / 2) + 2], (100 * 1 * (255 - 63) + 50 * 63) / 255);
}

} // namespace
