// bench-libraries: appcore
// Goal: the program's main window, shown on the headless display, paints itself whole in under
// 10 ms, with the main skin in its first skin object and with that object empty (the window's
// own frame and plain controls, the tool skin still on the tool-bar buttons and pickers). Each
// iteration is 100 whole paints; counter ms_per_paint.
#include "app/Program.h"
#include "app/ProgramFolders.h"
#include "app/SettingsPlace.h"
#include "app/Unit1.h"
#include "bench/BenchProgram.h"
#include "lib/skindata/TbsSkinData.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TFormReader.h"
#include "platform/rtl/FileSystem.h"
#include "platform/rtl/MainThread.h"
#include "platform/win/Painting.h"
#include "platform/win/Win.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/headless/HeadlessBackend.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>

namespace {

constexpr int kPaints = 100;

// skinIndex 0: the main skin; past the list's one skin: no skin in the first object.
void PaintTheMainWindowWhole(benchmark::State& state) {
    const std::string root = PrepareBenchProgram("main-window-paint-bench");
    win::InstallBackend(std::make_unique<win::HeadlessBackend>());
    {
        auto application = std::make_unique<TApplication>(nullptr);
        CreateProgramWindows(*application);
        DescribedComponent<TbsSkinData>(Form1, "bsSkinData1")->SetSkinIndex(int(state.range(0)));
        Form1->Show();
        PumpBenchMessages();
        double spent = 0;
        for (auto _ : state) {
            const auto start = std::chrono::steady_clock::now();
            for (int i = 0; i < kPaints; ++i) {
                // The frame, the client area and every child window, painted before it returns.
                win::RedrawWindow(Form1->Handle(), nullptr, nullptr,
                                  win::RDW_INVALIDATE | win::RDW_ERASE | win::RDW_FRAME |
                                      win::RDW_ALLCHILDREN | win::RDW_UPDATENOW);
            }
            spent +=
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        }
        state.counters["ms_per_paint"] =
            spent * 1000 / double(kPaints) / double(std::max<std::int64_t>(state.iterations(), 1));
        CloseBenchProgram(application);
    }
    EndBenchDisplay();
    std::filesystem::remove_all(root);
}
BENCHMARK(PaintTheMainWindowWhole)->Arg(0)->Arg(5)->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
