// bench-libraries: controls
// Goal: in an office list of 10,000 rows with a header row every 20 rows, each step takes under
// 1 ms including the repaint of the list: paging from the first row to the last (Page Down, a
// page stopping past each header it crosses), and 1,000 Down keys stepping over the headers.
#include "BenchWindow.h"
#include "lib/controls/TbsSkinOfficeListBox.h"
#include "platform/win/Messaging.h"
#include "platform/win/Win.h"
#include "platform/win/headless/HeadlessBackend.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int kRows = 10000;
constexpr int kHeaderEvery = 20;

// A list of kRows rows on a shown window, filled in one update.
class TBenchList {
public:
    TBenchList() : FWindow(nullptr) {
        FWindow.SetBounds(0, 0, 320, 420);
        FList = new TbsSkinOfficeListBox(&FWindow);
        FList->SetParent(&FWindow);
        FList->SetBounds(10, 10, 300, 400);
        TbsSkinOfficeItems& items = FList->Items();
        items.BeginUpdate();
        for (int i = 0; i < kRows; ++i) {
            TbsSkinOfficeItem* item = items.Add();
            item->SetHeader(i % kHeaderEvery == 0);
            item->SetTitle(item->Header() ? std::string() : "Format " + std::to_string(i));
            item->SetCaption("Row " + std::to_string(i));
        }
        items.EndUpdate();
        FList->OnItemClick = [this](TObject*) { ++Steps; };
        FWindow.HandleNeeded();
        FWindow.Show();
        win::ProcessPendingMessages();
        FList->SetItemIndex(1);
        win::ProcessPendingMessages();
    }
    TbsSkinOfficeListBox& List() { return *FList; }
    // Lets the list repaint what the step invalidated.
    void Repaint() { win::ProcessPendingMessages(); }

    int Steps{ 0 };

private:
    TBenchWindow FWindow;
    TbsSkinOfficeListBox* FList{ nullptr };
};

void BM_PageDownEndToEnd(benchmark::State& state) {
    win::InstallBackend(std::make_unique<win::HeadlessBackend>());
    {
        TBenchList bench;
        TbsSkinOfficeListBox& list = bench.List();
        for (auto _ : state) {
            if (list.ItemIndex() >= kRows - 1) {
                state.PauseTiming();
                list.SetItemIndex(1);
                bench.Repaint();
                state.ResumeTiming();
            }
            list.FindPageDown();
            bench.Repaint();
        }
        state.counters["steps"] = double(bench.Steps);
    }
    win::InstallBackend(nullptr);
}
BENCHMARK(BM_PageDownEndToEnd)->Iterations(1000)->Unit(benchmark::kMicrosecond);

void BM_DownKeys(benchmark::State& state) {
    win::InstallBackend(std::make_unique<win::HeadlessBackend>());
    {
        TBenchList bench;
        TbsSkinOfficeListBox& list = bench.List();
        list.SetFocus();
        bench.Repaint();
        for (auto _ : state) {
            unsigned short key = win::VK_DOWN;
            list.Perform(win::WM_KEYDOWN, key, 0);
            bench.Repaint();
        }
        state.counters["steps"] = double(bench.Steps);
    }
    win::InstallBackend(nullptr);
}
BENCHMARK(BM_DownKeys)->Iterations(1000)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
