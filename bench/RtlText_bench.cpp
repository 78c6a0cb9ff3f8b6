// bench-libraries: rtl
// Goals: a progress message of four values through Format under a microsecond (log lines are
// formatted on every frame); a skin-sized in-memory ini (60 sections of 50 keys) answers the
// ~3000 reads of a skin load within a few milliseconds; a read of option.ini from disk, which
// opens and parses the file every time, well under 100 us.
#include "platform/rtl/Format.h"
#include "platform/rtl/TIniFile.h"
#include "platform/rtl/TMemIniFile.h"
#include "platform/rtl/TStringList.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

void FormatMessage(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(
            Format("frame=%5d fps=%3d q=%2.1f size=%8.0fkB", 1234, 25, 3.5, 10240.0));
}
BENCHMARK(FormatMessage);

std::string SkinText(int sections, int keys) {
    std::string text;
    for (int s = 0; s < sections; ++s) {
        text += "[section" + std::to_string(s) + "]\n";
        for (int k = 0; k < keys; ++k)
            text += "key" + std::to_string(k) + "=" + std::to_string(s * k) + ",1,2,3\n";
        text += "\n";
    }
    return text;
}

void MemIniSkinLoad(benchmark::State& state) {
    TStringList lines;
    lines.SetText(SkinText(60, 50));
    TMemIniFile ini("");
    ini.SetStrings(lines);
    for (auto _ : state)
        for (int s = 0; s < 60; ++s)
            for (int k = 0; k < 50; ++k)
                benchmark::DoNotOptimize(
                    ini.ReadString("SECTION" + std::to_string(s), "KEY" + std::to_string(k), ""));
    state.SetItemsProcessed(state.iterations() * 3000);
}
BENCHMARK(MemIniSkinLoad)->Unit(benchmark::kMillisecond);

void IniFileRead(benchmark::State& state) {
    const auto name = std::filesystem::temp_directory_path() /
                      ("bench-option-" + std::to_string(getpid()) + ".ini");
    {
        TIniFile ini(name);
        for (const char* key :
             { "Thread_Count", "After_Done", "Show_Preview", "Thread_Priority", "Overwrite_File" })
            ini.WriteString("Options", key, "1");
        ini.WriteString("OutPath", "OutPath", "/home/user/苇川视频软件/输出");
    }
    TIniFile ini(name);
    for (auto _ : state)
        benchmark::DoNotOptimize(ini.ReadString("OutPath", "OutPath", "Error"));
    std::filesystem::remove(name);
}
BENCHMARK(IniFileRead)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
