// bench-libraries: dialogs
// Expanding a folder of 10,000 sub-folders in the shell folder tree: every child enumerated,
// bound, named, given its icons and sorted. Goal: under 1 s an expansion.
#include "BenchWindow.h"
#include "lib/dialogs/TbsCustomShellTreeView.h"
#include "platform/rtl/FileSystem.h"
#include "platform/win/headless/HeadlessBackend.h"

#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

constexpr int kFolderCount = 10000;

// A folder of sub-folders, made once for the program.
const std::string& BigFolder() {
    static const std::string folder = [] {
        const std::string made = CreateTempFolder("shell-tree-bench-");
        for (int i = 0; i < kFolderCount; ++i)
            std::filesystem::create_directory(made + "folder " + std::to_string(i));
        return made;
    }();
    return folder;
}

// Each round expands the big folder's node afresh: the refresh of its parent forgets its children.
void ExpandRounds(benchmark::State& state, TbsSkinDirTreeView& tree) {
    const std::string parent = BigFolder();
    const std::string folder = parent.substr(0, parent.size() - 1);
    tree.SetPath(std::filesystem::path(folder).parent_path().string());
    for (auto _ : state) {
        state.PauseTiming();
        TTreeNode* node = tree.Selected() ? tree.Selected()->GetFirstChild() : nullptr;
        while (node && TbsSkinDirTreeView::FolderOf(node)->PathName() != folder)
            node = node->GetNextSibling();
        if (!node) {
            state.SkipWithError("the bench folder is not in the tree");
            break;
        }
        state.ResumeTiming();
        node->Expand(false);
        benchmark::DoNotOptimize(node->Count());
        state.PauseTiming();
        node->Collapse(false);
        tree.Refresh(tree.Selected());
        state.ResumeTiming();
    }
}

void BM_ExpandTenThousandFolders(benchmark::State& state) {
    win::InstallBackend(std::make_unique<win::HeadlessBackend>());
    {
        TBenchWindow window(nullptr);
        window.SetBounds(0, 0, 340, 420);
        auto* tree = new TbsSkinDirTreeView(&window);
        tree->SetParent(&window);
        tree->SetBounds(0, 0, 300, 400);
        tree->HandleNeeded();
        ExpandRounds(state, *tree);
    }
    win::InstallBackend(nullptr);
    std::error_code ignored;
    std::filesystem::remove_all(BigFolder(), ignored);
    state.counters["Folders"] = kFolderCount;
}
BENCHMARK(BM_ExpandTenThousandFolders)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
