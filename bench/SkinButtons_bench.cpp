// bench-libraries: controls
// Goal: a skinned push button's hover cross-fade repaints every 20 ms, each frame building the
// normal and the hot face and blending them; a frame of a 160 x 24 button with a nine-slice
// record paints in well under 1 ms ("frame" below), far inside the 20 ms tick. One iteration
// is a whole fade in and out: seven repaints each way.
#include "BenchPictures.h"
#include "BenchWindow.h"
#include "lib/controls/TbsSkinButton.h"
#include "lib/skindata/TbsSkinData.h"
#include "platform/forms/ControlMessages.h"
#include "platform/gfx/TBitmap.h"
#include "platform/win/Win.h"
#include "platform/win/headless/HeadlessBackend.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

namespace {

class TCountingButton : public TbsSkinButton {
public:
    using TbsSkinButton::TbsSkinButton;
    int Paints{ 0 };

protected:
    void Paint() override {
        ++Paints;
        TbsSkinButton::Paint();
    }
};

// The main skin's "button": a 48 x 24 face with edges of 4, stretched, and a hot face beside it.
std::unique_ptr<TbsSkinData> Skin() {
    auto skin = std::make_unique<TbsSkinData>(nullptr);
    skin->FormsToNotify = [] { return TbsSkinMessageForms{}; };
    skin->FActivePictures.push_back(PatternPicture(256, 256));
    auto record = std::make_unique<TbsDataSkinButtonControl>("button");
    record->PictureIndex = 0;
    record->SkinRect = TRect(200, 88, 248, 112);
    record->ActiveSkinRect = TRect(0, 112, 48, 136);
    record->LTPoint = TPoint(4, 4);
    record->RTPoint = TPoint(44, 4);
    record->LBPoint = TPoint(4, 20);
    record->RBPoint = TPoint(44, 20);
    record->ClRect = TRect(4, 4, 44, 20);
    record->LeftStretch = record->TopStretch = true;
    record->RightStretch = record->BottomStretch = true;
    record->StretchEffect = true;
    record->Morphing = true;
    record->FontName = "Tahoma";
    record->FontHeight = 13;
    skin->CtrlList.push_back(std::move(record));
    skin->Empty = false;
    return skin;
}

void BM_HoverCrossFade(benchmark::State& state) {
    auto backend = std::make_unique<win::HeadlessBackend>();
    win::HeadlessBackend& display = *backend;
    win::InstallBackend(std::move(backend));
    {
        const auto skin = Skin();
        TBenchWindow window(nullptr);
        window.SetBounds(0, 0, 200, 60);
        auto* button = new TCountingButton(&window);
        button->SetParent(&window);
        button->SetBounds(10, 10, 160, 24);
        button->SetCaption("Convert");
        button->SetSkinData(skin.get());
        window.HandleNeeded();
        window.Show();
        win::ProcessPendingMessages();
        const auto fade = [&](unsigned message) {
            button->Perform(message, 0, win::LPARAM(button));
            for (int tick = 0; tick < 7; ++tick) {
                display.Time().Advance(20);
                win::ProcessPendingMessages();
            }
        };
        button->Paints = 0;
        for (auto _ : state) {
            fade(CM_MOUSEENTER);
            fade(CM_MOUSELEAVE);
        }
        const double frames = double(button->Paints);
        state.counters["frames"] = frames;
        state.counters["frame"] =
            benchmark::Counter(frames, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    }
    win::InstallBackend(nullptr);
}
BENCHMARK(BM_HoverCrossFade)->Iterations(200)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
