// bench-libraries: dialogs
// Listing a folder of 100,000 files as the file list shows it in report view: every item with
// its name, type, icon and the four detail columns. Goal: under 1 s a listing once the
// file system's caches are warm, and no icon file read more than once however many items
// share it (the "IconFilesRead" counter stays where the first listing left it).
#include "BenchClipFolder.h"
#include "lib/dialogs/bsSkinShellCtrls.h"
#include "platform/rtl/FileSystem.h"
#include "platform/shell/ShellNamespace.h"
#include "platform/shell/SystemImageList.h"

#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

constexpr int kFileCount = 100000;

// A folder of empty files with the names a video folder holds, made once for the program.
const std::string& BigFolder() {
    static const TBenchClipFolder folder(
        "shell-bench-", kFileCount,
        { ".vob", ".mp4", ".avi", ".mkv", ".VOB", ".txt", ".png", ".jpg", ".tar.gz", "" });
    return folder.Path();
}

void ListFolderInReport(benchmark::State& state) {
    const std::string folder = BigFolder();
    const std::shared_ptr<TShellNamespace> space = ShellNamespace();
    const std::unique_ptr<TbsShellFolder> root = CreateFolderFromPidl(*space->ParsePath(folder));
    const std::uint32_t flags = EnumFlagsOf({ otFolders, otNonFolders });
    int readsAfterFirst = -1;
    std::size_t items = 0;
    for (auto _ : state) {
        const auto ids = root->ShellFolder()->EnumObjects(flags);
        if (!ids || ids->size() != std::size_t(kFileCount)) {
            state.SkipWithError("the folder does not list its files");
            return;
        }
        for (const TShellItemId& id : *ids) {
            TbsShellFolder item(root.get(), { id }, nullptr);
            benchmark::DoNotOptimize(item.DisplayName());
            benchmark::DoNotOptimize(space->TypeOfName(id.Name));
            benchmark::DoNotOptimize(item.ImageIndex(false));
            item.LoadColumnDetails(root.get(), nullptr, 4);
            for (int column = 1; column <= 4; ++column)
                benchmark::DoNotOptimize(item.DetailText(column));
        }
        items += ids->size();
        if (readsAfterFirst < 0) readsAfterFirst = space->IconFilesRead();
    }
    if (space->IconFilesRead() != readsAfterFirst)
        state.SkipWithError("an icon file was read again");
    state.counters["IconFilesRead"] = space->IconFilesRead();
    state.counters["ImagesInList"] = space->SystemImageList(false).Count();
    state.SetItemsProcessed(std::int64_t(items));
}

} // namespace

BENCHMARK(ListFolderInReport)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_MAIN();
