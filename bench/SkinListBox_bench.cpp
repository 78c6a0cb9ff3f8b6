// bench-libraries: controls
// Goal: a skinned list box of 100,000 items scrolled from top to bottom one page at a time
// takes under 1 ms per page, each page including the inner list's scroll, the skin bar brought
// into step with the list's scroll state and the repaint of the visible rows (plain look).
#include "BenchWindow.h"
#include "lib/controls/TbsListBox.h"
#include "lib/controls/TbsSkinListBox.h"
#include "lib/controls/TbsSkinScrollBar.h"
#include "platform/win/Messages.h"
#include "platform/win/Messaging.h"
#include "platform/win/ScrollInfo.h"
#include "platform/win/Win.h"
#include "platform/win/headless/HeadlessBackend.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int kItems = 100000;

void BM_PageThroughSkinListBox(benchmark::State& state) {
    win::InstallBackend(std::make_unique<win::HeadlessBackend>());
    {
        TBenchWindow window(nullptr);
        window.SetBounds(0, 0, 260, 440);
        auto* list = new TbsSkinListBox(&window);
        list->SetParent(&window);
        list->SetBounds(10, 10, 240, 404);
        window.HandleNeeded();
        window.Show();
        list->Items().BeginUpdate();
        for (int i = 0; i < kItems; ++i)
            list->Items().Add("Job " + std::to_string(i) + "\tconverted\t00:01:40");
        list->Items().EndUpdate();
        list->UpDateScrollBar();
        win::ProcessPendingMessages();
        TbsListBox* inner = list->ListBox;
        int pages = 0;
        int outOfStep = 0;
        for (auto _ : state) {
            if (inner->TopIndex() + 20 >= kItems)
                inner->SetTopIndex(0);
            else
                inner->Perform(win::WM_VSCROLL, win::SB_PAGEDOWN, 0);
            list->UpDateScrollBar();
            inner->Repaint();
            ++pages;
            if (!list->ScrollBar || list->ScrollBar->Position() != inner->TopIndex()) ++outOfStep;
        }
        state.counters["pages"] = pages;
        // Pages after which the bar did not show the list's position: must stay 0.
        state.counters["out_of_step"] = outOfStep;
    }
    win::InstallBackend(nullptr);
}
BENCHMARK(BM_PageThroughSkinListBox)->Iterations(kItems / 20)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
