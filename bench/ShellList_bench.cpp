// bench-libraries: dialogs
// Listing a folder of 100,000 files as the file list shows it in report view: every item with
// its name, type, icon and the four detail columns. Goal: under 1 s a listing once the
// file system's caches are warm, and no icon file read more than once however many items
// share it (the "IconFilesRead" counter stays where the first listing left it).
#include "lib/dialogs/bsSkinShellCtrls.h"
#include "platform/rtl/FileSystem.h"
#include "platform/shell/ShellNamespace.h"
#include "platform/shell/SystemImageList.h"

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace {

constexpr int kFileCount = 100000;

// A folder of empty files with the names a video folder holds, made once for the program.
const std::string& BigFolder() {
    static const std::string folder = [] {
        const std::string made = CreateTempFolder("shell-bench-");
        static const char* const kExtensions[] = { ".vob", ".mp4", ".avi", ".mkv",    ".VOB",
                                                   ".txt", ".png", ".jpg", ".tar.gz", "" };
        for (int i = 0; i < kFileCount; ++i) {
            const std::string name =
                made + "clip " + std::to_string(i) + kExtensions[std::size_t(i) % 10];
            const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (fd >= 0) ::close(fd);
        }
        return made;
    }();
    return folder;
}

struct RemoveBigFolder {
    ~RemoveBigFolder() {
        std::error_code ignored;
        if (!BigFolder().empty()) std::filesystem::remove_all(BigFolder(), ignored);
    }
};

void ListFolderInReport(benchmark::State& state) {
    static RemoveBigFolder cleanUp;
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
