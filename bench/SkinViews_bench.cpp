// bench-libraries: controls
// Goals: a report view of 10,000 jobs (the main window's job list, three columns) scrolled one
// row at a time from its outside skin bar takes under 1 ms per step, each step including the
// view's scroll, its repaint and the bars kept in step after it. A report view of 100,000 jobs
// with both outside bars (the horizontal one in its corner record) scrolled end to end one page
// at a time by clicks on the vertical bar's track, and by 1,000 moves of its dragged thumb, takes
// under 2 ms per step including the view's and the bars' repaint; without a skin and with the
// program's main skin.
#include "BenchPointer.h"
#include "BenchWindow.h"
#include "lib/controls/TbsSkinCustomListView.h"
#include "lib/controls/TbsSkinScrollBar.h"
#include "platform/win/Messaging.h"
#include "platform/win/headless/HeadlessBackend.h"

#include <benchmark/benchmark.h>

#include "lib/skindata/TbsSkinData.h"

#include <algorithm>
#include <memory>
#include <optional>
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

constexpr int kManyRows = 100000;
constexpr int kDragMoves = 1000;

std::unique_ptr<TbsSkinData> ProgramSkin(bool wanted) {
    if (!wanted) return nullptr;
    auto skin = std::make_unique<TbsSkinData>(nullptr);
    skin->FormsToNotify = [] { return TbsSkinMessageForms{}; };
    skin->LoadFromFile(std::string(VC_SKINS_DIR) + "/main/skin.ini");
    return skin;
}

// The job list with 100,000 rows: three columns wider than the view, the vertical bar at its
// right and the horizontal one below both, reaching under the vertical one into the corner.
class TBigJobList {
public:
    explicit TBigJobList(TbsSkinData* skin) : FWindow(nullptr) {
        FWindow.SetBounds(0, 0, 640, 440);
        View = new TbsSkinListView(&FWindow);
        View->SetParent(&FWindow);
        View->SetBounds(0, 0, 600, 400);
        View->SetViewStyle(vsReport);
        View->SetGridLines(true);
        View->SetRowSelect(true);
        View->SetReadOnly(true);
        for (const char* caption : { "File", "Format", "Progress", "Output" }) {
            TListColumn* column = View->Columns().Add();
            column->SetCaption(caption);
            column->SetWidth(190);
        }
        View->Items().BeginUpdate();
        for (int i = 0; i < kManyRows; ++i) {
            TListItem* item = View->Items().Add();
            item->SetCaption("video" + std::to_string(i) + ".mkv");
            item->SubItems().Add("MP4");
            item->SubItems().Add(std::to_string(i % 100) + "%");
            item->SubItems().Add("/home/user/Videos/converted");
        }
        View->Items().EndUpdate();
        VBar = new TbsSkinScrollBar(&FWindow);
        VBar->SetParent(&FWindow);
        VBar->SetKind(sbVertical);
        VBar->SetSkinDataName("vscrollbar");
        VBar->SetBounds(600, 0, 17, 400);
        HBar = new TbsSkinScrollBar(&FWindow);
        HBar->SetParent(&FWindow);
        HBar->SetBounds(0, 400, 617, 17);
        for (TbsSkinCustomControl* c :
             { static_cast<TbsSkinCustomControl*>(VBar), static_cast<TbsSkinCustomControl*>(HBar) })
            c->SetSkinData(skin);
        View->SetSkinData(skin);
        View->SetVScrollBar(VBar);
        View->SetHScrollBar(HBar);
        FWindow.HandleNeeded();
        FWindow.Show();
        win::ProcessPendingMessages();
    }
    int LastTop() const { return VBar->Max() - VBar->PageSize() + 1; }
    // Whether the rows shown and the vertical bar disagree.
    bool OutOfStep() const {
        return !View->TopItem() || View->TopItem()->Index() != VBar->Position();
    }

    TbsSkinListView* View{ nullptr };
    TbsSkinScrollBar* VBar{ nullptr };
    TbsSkinScrollBar* HBar{ nullptr };

private:
    TBenchWindow FWindow;
};

// The middle of the track between the thumb and the arrow below it (down) or above it (up);
// empty when the thumb touches that arrow.
std::optional<TPoint> TrackPoint(const TbsSkinScrollBar& bar, bool down) {
    const TRect thumb = bar.Buttons[TbsSkinScrollBar::kThumb].R;
    const TRect& a = bar.Buttons[TbsSkinScrollBar::kUpButton].R;
    const TRect& b = bar.Buttons[TbsSkinScrollBar::kDownButton].R;
    const TRect& above = a.Top < b.Top ? a : b;
    const TRect& below = a.Top < b.Top ? b : a;
    const int from = down ? thumb.Bottom : above.Bottom;
    const int to = down ? below.Top : thumb.Top;
    if (to - from < 2) return std::nullopt;
    return TPoint(bar.Width() / 2, (from + to) / 2);
}

void BM_PageManyRowsFromTheTrack(benchmark::State& state) {
    win::InstallBackend(std::make_unique<win::HeadlessBackend>());
    {
        const auto skin = ProgramSkin(state.range(0) != 0);
        TBigJobList list(skin.get());
        bool down = true;
        int pages = 0;
        int outOfStep = 0;
        int ends = 0;
        for (auto _ : state) {
            std::optional<TPoint> at = TrackPoint(*list.VBar, down);
            if (!at) {
                down = !down;
                ++ends;
                at = TrackPoint(*list.VBar, down);
            }
            ClickAt(*list.VBar, *at);
            ++pages;
            if (list.OutOfStep()) ++outOfStep;
        }
        state.counters["pages"] = pages;
        state.counters["ends_reached"] = ends;
        // Steps after which the rows shown and the bar disagreed: must stay 0.
        state.counters["out_of_step"] = outOfStep;
        state.counters["corner"] = list.HBar->Both() ? 1 : 0;
        state.counters["bar_record"] = skin ? skin->GetControlIndex("vscrollbar") >= 0 : 0;
    }
    win::InstallBackend(nullptr);
}
// Rows per page are about 23: 5,000 clicks run from the top to the end and back part way.
BENCHMARK(BM_PageManyRowsFromTheTrack)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(5000)
    ->Unit(benchmark::kMicrosecond);

void BM_DragManyRowsThumb(benchmark::State& state) {
    win::InstallBackend(std::make_unique<win::HeadlessBackend>());
    {
        const auto skin = ProgramSkin(state.range(0) != 0);
        TBigJobList list(skin.get());
        const TRect thumb = list.VBar->Buttons[TbsSkinScrollBar::kThumb].R;
        const TRect& a = list.VBar->Buttons[TbsSkinScrollBar::kUpButton].R;
        const TRect& b = list.VBar->Buttons[TbsSkinScrollBar::kDownButton].R;
        const int travel = std::max(a.Top, b.Top) - thumb.Bottom;
        DragEachIteration(state, *list.VBar,
                          TPoint(list.VBar->Width() / 2, (thumb.Top + thumb.Bottom) / 2), travel,
                          true);
        state.counters["top"] = double(list.View->TopItem() ? list.View->TopItem()->Index() : -1);
        state.counters["out_of_step"] = list.OutOfStep() ? 1 : 0;
    }
    win::InstallBackend(nullptr);
}
BENCHMARK(BM_DragManyRowsThumb)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(kDragMoves)
    ->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
