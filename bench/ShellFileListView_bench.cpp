// bench-libraries: dialogs
// The file list on a folder of 100,000 files in report view. Goals: reading the folder and the
// first paint under 1.5 s, each page down (scroll and repaint) on the way to the last item under
// 16 ms, and a name found by type-ahead under 50 ms. Each listing pass is timed alone: the
// first of a program also reads the type and icon databases, as a dialog's first showing does.
// The find looks for the last name from the top, the longest search a keystroke can start.
#include "BenchClipFolder.h"
#include "BenchWindow.h"
#include "lib/dialogs/TbsCustomShellListView.h"
#include "platform/rtl/FileSystem.h"
#include "platform/win/Input.h"
#include "platform/win/Messaging.h"
#include "platform/win/headless/HeadlessBackend.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <filesystem>
#include <memory>

namespace {

constexpr int kFileCount = 100000;

// A folder of empty files with the names a video folder holds, made once for the program.
const std::string& BigFolder() {
    static const TBenchClipFolder folder("shell-list-bench-", kFileCount,
                                         { ".vob", ".mp4", ".avi", ".mkv", "" });
    return folder.Path();
}

// The list with its find step within reach.
class TBenchList : public TbsSkinFileListView {
public:
    using TbsSkinFileListView::TbsSkinFileListView;
    int Find(const std::string& text, int start) {
        return OwnerDataFind(ifPartialString, text, start, sdAll, true).value_or(-1);
    }
};

// A shown window holding a report-view list, run for one benchmark.
struct TListWindow {
    TListWindow() {
        win::InstallBackend(std::make_unique<win::HeadlessBackend>());
        window = std::make_unique<TBenchWindow>(nullptr);
        window->SetBounds(0, 0, 820, 620);
        list = new TBenchList(window.get());
        list->SetParent(window.get());
        list->SetBounds(0, 0, 800, 600);
        list->SetViewStyle(vsReport);
        window->HandleNeeded();
        window->Show();
        win::ProcessPendingMessages();
    }
    std::unique_ptr<TBenchWindow> window;
    TBenchList* list{ nullptr };
};

void BM_ListAndFirstPaint(benchmark::State& state) {
    // Made before the clock runs: the goal is the listing, not the making of the files.
    const std::string folder = BigFolder();
    TListWindow shown;
    for (auto _ : state) {
        state.PauseTiming();
        // Another folder first, so that every pass reads the big one afresh.
        shown.list->SetPath("/");
        win::ProcessPendingMessages();
        state.ResumeTiming();
        shown.list->SetPath(folder);
        shown.list->Invalidate();
        win::ProcessPendingMessages();
    }
    state.counters["items"] = shown.list->Items().Count();
}

// One pass pages from the first item to the last, as a user holding Page Down would; the goal
// holds for every page, so the slowest one is reported beside the mean.
void BM_PageDownToEnd(benchmark::State& state) {
    TListWindow shown;
    shown.list->SetPath(BigFolder());
    win::ProcessPendingMessages();
    const int last = shown.list->Items().Count() - 1;
    int pages = 0;
    std::chrono::duration<double, std::milli> slowest{ 0 };
    for (auto _ : state) {
        state.PauseTiming();
        shown.list->SetItemIndex(0);
        win::ProcessPendingMessages();
        state.ResumeTiming();
        pages = 0;
        while (shown.list->ItemIndex() < last) {
            const auto start = std::chrono::steady_clock::now();
            shown.list->Perform(win::WM_KEYDOWN, win::VK_NEXT, 0);
            win::ProcessPendingMessages();
            slowest = std::max<std::chrono::duration<double, std::milli>>(
                slowest, std::chrono::steady_clock::now() - start);
            ++pages;
        }
    }
    state.counters["pages"] = pages;
    state.counters["ms_per_page"] =
        benchmark::Counter(pages / 1000.0, benchmark::Counter::kIsIterationInvariantRate |
                                               benchmark::Counter::kInvert);
    state.counters["slowest_page_ms"] = slowest.count();
}

void BM_TypeAheadFind(benchmark::State& state) {
    TListWindow shown;
    shown.list->SetPath(BigFolder());
    win::ProcessPendingMessages();
    int found = -1;
    for (auto _ : state)
        benchmark::DoNotOptimize(found = shown.list->Find("clip 99999", 1));
    state.counters["found"] = found;
}

} // namespace

BENCHMARK(BM_ListAndFirstPaint)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_PageDownToEnd)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_TypeAheadFind)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_MAIN();
