// bench-libraries: controls
// Goal: every WM_PAINT of a skinned control finds its record by name, builds its face into an
// off-screen bitmap and copies it out; a 160 x 24 control with a nine-slice record (a 48 x 24
// face among as many records as the program's main skin holds) paints in under 0.2 ms.
#include "BenchPictures.h"
#include "BenchWindow.h"
#include "lib/controls/TbsGraphicSkinCustomControl.h"
#include "lib/controls/TbsSkinCustomControl.h"
#include "lib/skindata/TbsSkinData.h"
#include "platform/gfx/TBitmap.h"
#include "platform/win/Messages.h"
#include "platform/win/Win.h"
#include "platform/win/headless/HeadlessBackend.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

namespace {

// Counts its paints, to show that each repaint paints.
class TCountingControl : public TbsSkinCustomControl {
public:
    using TbsSkinCustomControl::TbsSkinCustomControl;
    int Paints{ 0 };

protected:
    void Paint() override {
        ++Paints;
        TbsSkinCustomControl::Paint();
    }
};

// 37 records, the button's last, so that every lookup walks the whole list; the button's
// face is 48 x 24 with edges of 4, stretched as the main skin's are.
std::unique_ptr<TbsSkinData> Skin(bool stretched) {
    auto skin = std::make_unique<TbsSkinData>(nullptr);
    skin->FormsToNotify = [] { return TbsSkinMessageForms{}; };
    skin->FActivePictures.push_back(PatternPicture(256, 256));
    for (int i = 0; i < 37; ++i) {
        auto record = std::make_unique<TbsDataSkinCustomControl>(
            i == 36 ? "button" : "record" + std::to_string(i));
        record->PictureIndex = 0;
        record->SkinRect = TRect(200, 88, 248, 112);
        record->LTPoint = TPoint(4, 4);
        record->RTPoint = TPoint(44, 4);
        record->LBPoint = TPoint(4, 20);
        record->RBPoint = TPoint(44, 20);
        record->ClRect = TRect(4, 4, 44, 20);
        record->LeftStretch = record->TopStretch = stretched;
        record->RightStretch = record->BottomStretch = stretched;
        record->StretchEffect = stretched;
        skin->CtrlList.push_back(std::move(record));
    }
    skin->Empty = false;
    return skin;
}

void BM_WindowedPaint(benchmark::State& state) {
    win::InstallBackend(std::make_unique<win::HeadlessBackend>());
    {
        const auto skin = Skin(state.range(0) != 0);
        TBenchWindow window(nullptr);
        window.SetBounds(0, 0, 200, 60);
        auto* control = new TCountingControl(&window);
        control->SetParent(&window);
        control->SetBounds(10, 10, 160, 24);
        control->SetSkinDataName("button");
        control->SetSkinData(skin.get());
        window.HandleNeeded();
        win::ProcessPendingMessages();
        for (auto _ : state)
            control->Repaint(); // WM_PAINT through BeginPaint, as the event loop sends it
        state.counters["paints"] = double(control->Paints);
    }
    win::InstallBackend(nullptr);
}
BENCHMARK(BM_WindowedPaint)->Arg(0)->Arg(1)->Iterations(1000)->Unit(benchmark::kMicrosecond);

void BM_WindowlessPaint(benchmark::State& state) {
    win::InstallBackend(std::make_unique<win::HeadlessBackend>());
    {
        const auto skin = Skin(state.range(0) != 0);
        TbsGraphicSkinCustomControl control(nullptr);
        control.SetBounds(0, 0, 160, 24);
        control.SetSkinDataName("button");
        control.SetSkinData(skin.get());
        TBitmap target(160, 24);
        const win::HDC dc = target.Canvas().Handle();
        for (auto _ : state)
            control.Perform(win::WM_PAINT, win::WPARAM(dc), 0);
    }
    win::InstallBackend(nullptr);
}
BENCHMARK(BM_WindowlessPaint)->Arg(0)->Arg(1)->Iterations(1000)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
