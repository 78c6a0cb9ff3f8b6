// bench-libraries: appcore mediafixtures
// Goals: the program's main window, on the headless display and with the logging it sets up,
// converts a 30 s 640x480 MPEG-2 + AC-3 VOB to its AVI format at most 1.1 times as long as the
// engine alone takes for the same job, at the first and at the fifth conversion of one run of
// the program (counters window_N_s, engine_N_s and ratio_N, the two sides alternating); adding
// 100,000 lines to a memo takes at most 1 s, hidden as the log is or shown.
#include "Src/FFmpegLogger.h"
#include "Src/FFmpegTasks/TFFmpegTasks.h"
#include "app/Dialogs.h"
#include "app/JobListControls.h"
#include "app/Program.h"
#include "app/ProgramFolders.h"
#include "app/SettingsPlace.h"
#include "app/Unit1.h"
#include "bench/BenchProgram.h"
#include "lib/controls/TbsSkinComboBox.h"
#include "lib/controls/TbsSkinOfficeComboBox.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TFormReader.h"
#include "platform/forms/TMemo.h"
#include "platform/forms/TScreen.h"
#include "platform/rtl/FileSystem.h"
#include "platform/rtl/MainThread.h"
#include "platform/shell/ShellExecute.h"
#include "platform/win/Win.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "tests/fixtures/FixtureSet.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int kConversions = 5;

const std::string& Source() {
    return fixtures::ThirtySecondVob();
}

class TOneFileDialogs : public IDialogs {
public:
    bool SelectFolder(const std::string&, std::string&) override { return false; }
    bool OpenFiles(const std::string&, const std::string&, bool,
                   std::vector<std::string>& files) override {
        files = { Source() };
        return true;
    }
    bool SelectSkin(int, int&) override { return false; }
};

class TNoLauncher : public TShellLauncher {
public:
    bool Launch(const std::vector<std::string>&) override { return true; }
};

template <typename Done>
bool PumpUntil(Done done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(10);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        PumpBenchMessages();
        CheckSynchronize(5);
    }
    return true;
}

bool Enabled(const char* name) {
    return DescribedComponent<TControl>(Form1, name)->Enabled();
}

// One conversion in the window: the job list cleared, the file added and the run started with
// the window's buttons; the seconds from the start to the run's end.
double ConvertInWindow() {
    DescribedComponent<TControl>(Form1, "bsSkinButton8")->Click();
    PumpBenchMessages();
    Form1->N2222Click(nullptr);
    PumpBenchMessages();
    const auto start = std::chrono::steady_clock::now();
    DescribedComponent<TControl>(Form1, "bsSkinButton2")->Click();
    const bool ended =
        PumpUntil([] { return Enabled("bsSkinButton8") && !Enabled("bsSkinButton10"); });
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
    return ended ? spent.count() : -1;
}

// The same job on a task component of its own, without the window and with no log handler.
double ConvertWithEngine(const std::string& output) {
    TLogEvent handler = Form1->FFLogger->OnLog;
    Form1->FFLogger->OnLog = nullptr;
    TFFmpegTasks tasks(nullptr);
    bool allDone = false;
    tasks.OnTerminate = [&](TObject*, const TTerminateInfo& info) {
        if (info.TaskIndex == -1) QueueToMainThread([&] { allDone = true; });
    };
    TInputOptions input = Form1->IO1[0];
    TOutputOptions options = Form1->OO1[0];
    double seconds = -1;
    if (tasks.AddTask(Source(), &input) == 0 && tasks.SetOutputFile(0, output, &options)) {
        const auto start = std::chrono::steady_clock::now();
        tasks.Start(1);
        if (PumpUntil([&] { return allDone; }))
            seconds =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    Form1->FFLogger->OnLog = handler;
    return seconds;
}

void WindowConversionAgainstTheEngine(benchmark::State& state) {
    const std::string root = PrepareBenchProgram("window-convert-bench");
    Source();
    win::InstallBackend(std::make_unique<win::HeadlessBackend>());
    auto launcher = SetShellLauncher(std::make_unique<TNoLauncher>());
    auto dialogs = SetDialogs(std::make_unique<TOneFileDialogs>());
    {
        auto application = std::make_unique<TApplication>(nullptr);
        CreateProgramWindows(*application);
        Form1->Show();
        PumpBenchMessages();
        DescribedComponent<TbsSkinOfficeComboBox>(Form1, FamilyPickerName)->SetItemIndex(1);
        DescribedComponent<TbsSkinOfficeComboBox>(Form1, FormatPickerName)->SetItemIndex(0);
        PumpBenchMessages();
        for (auto _ : state) {
            for (int i = 1; i <= kConversions; ++i) {
                const double window = ConvertInWindow();
                const double engine = ConvertWithEngine(root + "engine.avi");
                if (window < 0 || engine < 0) {
                    state.SkipWithError("a conversion failed");
                    break;
                }
                const std::string n = std::to_string(i);
                state.counters["window_" + n + "_s"] = window;
                state.counters["engine_" + n + "_s"] = engine;
                state.counters["ratio_" + n] = window / engine;
            }
        }
        CloseBenchProgram(application);
    }
    EndBenchDisplay();
    SetShellLauncher(std::move(launcher));
    SetDialogs(std::move(dialogs));
    std::filesystem::remove_all(root);
}
BENCHMARK(WindowConversionAgainstTheEngine)->Iterations(1)->Unit(benchmark::kSecond);

// A log's worth of lines into a memo, hidden (as the program's log) or shown.
void AddLinesToAMemo(benchmark::State& state) {
    const bool shown = state.range(0) != 0;
    win::InstallBackend(std::make_unique<win::HeadlessBackend>());
    {
        TForm form(nullptr);
        form.SetBounds(0, 0, 400, 300);
        auto* memo = new TMemo(&form);
        memo->SetParent(&form);
        memo->SetBounds(8, 8, 280, 120);
        memo->SetScrollBars(ssBoth);
        memo->SetVisible(shown);
        form.Show();
        PumpBenchMessages();
        for (auto _ : state) {
            memo->Clear();
            for (int i = 0; i < 100000; ++i)
                memo->Lines().Add("#4242.5: [mpeg4 @ 0x55d0c0a1b2c0] frame=" + std::to_string(i) +
                                  " q=3.0 size=1024kB");
            PumpBenchMessages();
        }
        state.SetLabel(shown ? "shown" : "hidden");
        state.counters["goal_s"] = 1.0;
    }
    PumpBenchMessages();
    win::InstallBackend(nullptr);
}
BENCHMARK(AddLinesToAMemo)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

BENCHMARK_MAIN();
