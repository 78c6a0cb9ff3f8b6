// bench-libraries: controls
// Goal: dragging a scroll bar's thumb across a 100,000-position range in 1,000 pointer moves
// takes under 0.1 ms per move, each move including the new position, OnChange and the repaint
// of the bar (plain, and skinned with a record shaped as the program's: a three-slice face, a
// stretched thumb and its pressed state). The slider's thumb is measured the same way.
#include "BenchPictures.h"
#include "BenchPointer.h"
#include "BenchWindow.h"
#include "lib/controls/TbsSkinScrollBar.h"
#include "lib/controls/TbsSkinSlider.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindata/bsSkinListRecords.h"
#include "platform/gfx/TBitmap.h"
#include "platform/win/Messaging.h"
#include "platform/win/Win.h"
#include "platform/win/headless/HeadlessBackend.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

namespace {

constexpr int kMoves = 1000;
constexpr int kRange = 100000;

// 37 records as the program's main skin holds, the bar's last, so that every paint's lookup
// walks the whole list; the bar's face is 64 x 17 with 17-pixel arrows, its thumb 24 x 17.
std::unique_ptr<TbsSkinData> Skin() {
    auto skin = std::make_unique<TbsSkinData>(nullptr);
    skin->FormsToNotify = [] { return TbsSkinMessageForms{}; };
    skin->FActivePictures.push_back(PatternPicture(256, 256));
    for (int i = 0; i < 36; ++i)
        skin->CtrlList.push_back(
            std::make_unique<TbsDataSkinCustomControl>("record" + std::to_string(i)));
    auto bar = std::make_unique<TbsDataSkinScrollBarControl>("hscrollbar");
    bar->PictureIndex = 0;
    bar->SkinRect = TRect(0, 0, 64, 17);
    bar->LTPoint = TPoint(17, 0);
    bar->RTPoint = TPoint(47, 0);
    bar->ClRect = TRect(17, 0, 47, 17);
    bar->TrackArea = TRect(17, 0, 47, 17);
    bar->DownButtonRect = TRect(0, 0, 17, 17);
    bar->UpButtonRect = TRect(47, 0, 64, 17);
    bar->ActiveUpButtonRect = TRect(64, 0, 81, 17);
    bar->ActiveDownButtonRect = TRect(81, 0, 98, 17);
    bar->ThumbRect = TRect(0, 20, 24, 37);
    bar->ActiveThumbRect = TRect(24, 20, 48, 37);
    bar->DownThumbRect = TRect(48, 20, 72, 37);
    bar->ThumbStretchEffect = true;
    bar->ThumbMinSize = 16;
    bar->ThumbMinPageSize = 16;
    skin->CtrlList.push_back(std::move(bar));
    skin->Empty = false;
    return skin;
}

void BM_DragBarThumb(benchmark::State& state) {
    win::InstallBackend(std::make_unique<win::HeadlessBackend>());
    {
        const auto skin = Skin();
        TBenchWindow window(nullptr);
        window.SetBounds(0, 0, 1140, 40);
        auto* bar = new TbsSkinScrollBar(&window);
        bar->SetParent(&window);
        bar->SetBounds(10, 10, 1100, 17);
        if (state.range(0) != 0) bar->SetSkinData(skin.get());
        bar->SetRange(0, kRange, 0, 0);
        int changes = 0;
        bar->OnChange = [&](TObject*) { ++changes; };
        window.HandleNeeded();
        window.Show();
        win::ProcessPendingMessages();
        // The track runs 17 .. 1083; the thumb's centre 1050 pixels from 25.
        DragEachIteration(state, *bar, TPoint(25, 8), kMoves);
        state.counters["changes"] = changes;
    }
    win::InstallBackend(nullptr);
}
BENCHMARK(BM_DragBarThumb)->Arg(0)->Arg(1)->Iterations(kMoves)->Unit(benchmark::kMicrosecond);

void BM_DragSliderThumb(benchmark::State& state) {
    win::InstallBackend(std::make_unique<win::HeadlessBackend>());
    {
        TBenchWindow window(nullptr);
        window.SetBounds(0, 0, 1140, 60);
        auto* slider = new TbsSkinSlider(&window);
        slider->SetParent(&window);
        slider->SetBounds(10, 10, 1100, 40);
        slider->SetMaxValue(kRange);
        int changes = 0;
        slider->OnChange = [&](TObject*) { ++changes; };
        window.HandleNeeded();
        window.Show();
        win::ProcessPendingMessages();
        DragEachIteration(state, *slider, TPoint(10, 10), kMoves);
        state.counters["changes"] = changes;
    }
    win::InstallBackend(nullptr);
}
BENCHMARK(BM_DragSliderThumb)->Iterations(kMoves)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
