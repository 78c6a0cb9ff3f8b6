// bench-libraries: controls
// Goal: a report view of 10,000 jobs (the main window's job list, three columns) scrolled one
// row at a time from its outside skin bar takes under 1 ms per step, each step including the
// view's scroll, its repaint and the bars kept in step after it.
#include "BenchWindow.h"
#include "lib/controls/TbsSkinCustomListView.h"
#include "lib/controls/TbsSkinScrollBar.h"
#include "platform/win/Messaging.h"
#include "platform/win/headless/HeadlessBackend.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

constexpr int kRows = 10000;

void BM_ScrollReportFromTheBar(benchmark::State& state) {
    win::InstallBackend(std::make_unique<win::HeadlessBackend>());
    {
        TBenchWindow window(nullptr);
        window.SetBounds(0, 0, 640, 420);
        auto* view = new TbsSkinListView(&window);
        view->SetParent(&window);
        view->SetBounds(0, 0, 600, 400);
        view->SetViewStyle(vsReport);
        view->SetGridLines(true);
        view->SetRowSelect(true);
        for (const char* caption : { "File", "Format", "Progress" }) {
            TListColumn* column = view->Columns().Add();
            column->SetCaption(caption);
            column->SetWidth(190);
        }
        for (int i = 0; i < kRows; ++i) {
            TListItem* item = view->Items().Add();
            item->SetCaption("video" + std::to_string(i) + ".mkv");
            item->SubItems().Add("MP4");
            item->SubItems().Add(std::to_string(i % 100) + "%");
        }
        auto* bar = new TbsSkinScrollBar(&window);
        bar->SetParent(&window);
        bar->SetKind(sbVertical);
        bar->SetBounds(600, 0, 16, 400);
        view->SetVScrollBar(bar);
        window.HandleNeeded();
        window.Show();
        win::ProcessPendingMessages();
        const int last = bar->Max() - bar->PageSize() + 1;
        int position = 0;
        int step = 1;
        for (auto _ : state) {
            if (position + step < 0 || position + step > last) step = -step;
            position += step;
            bar->SetPosition(position);
            win::ProcessPendingMessages();
        }
        state.counters["top"] = double(view->TopItem() ? view->TopItem()->Index() : -1);
    }
    win::InstallBackend(nullptr);
}
BENCHMARK(BM_ScrollReportFromTheBar)->Iterations(2000)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
