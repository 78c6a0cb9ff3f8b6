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
#include <ctime>
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

// The milliseconds this thread has run: beside the wall clock, it tells a slow page from one
// whose thread waited for a processor the other programs of the machine held.
double ThreadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// One pass pages from the first item to the last, as a user holding Page Down would; the goal
// holds for every page, so the slowest one is reported beside the mean.
void BM_PageDownToEnd(benchmark::State& state) {
    TListWindow shown;
    shown.list->SetPath(BigFolder());
    win::ProcessPendingMessages();
    const int last = shown.list->Items().Count() - 1;
    int pages = 0;
    double totalMs = 0;
    double slowestMs = 0;
    double slowestCpuMs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        shown.list->SetItemIndex(0);
        win::ProcessPendingMessages();
        state.ResumeTiming();
        while (shown.list->ItemIndex() < last) {
            const auto start = std::chrono::steady_clock::now();
            const double startCpu = ThreadCpuMs();
            shown.list->Perform(win::WM_KEYDOWN, win::VK_NEXT, 0);
            win::ProcessPendingMessages();
            const double pageMs =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count();
            slowestCpuMs = std::max(slowestCpuMs, ThreadCpuMs() - startCpu);
            slowestMs = std::max(slowestMs, pageMs);
            totalMs += pageMs;
            ++pages;
        }
    }
    state.counters["pages"] = double(pages) / double(state.iterations());
    state.counters["page_ms"] = totalMs / pages;
    state.counters["slowest_page_ms"] = slowestMs;
    state.counters["slowest_page_cpu_ms"] = slowestCpuMs;
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
