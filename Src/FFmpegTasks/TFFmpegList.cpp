#include "Src/FFmpegTasks/TFFmpegList.h"

#include "platform/rtl/Exception.h"
#include "platform/rtl/Format.h"

#include <algorithm>
#include <utility>

TFFmpegList::~TFFmpegList() {
    Clear();
}

void TFFmpegList::CheckIndex(int index) const {
    if (index < 0 || index >= Count())
        throw EListError(Format("List index out of bounds (%d)", index));
}

int TFFmpegList::Add(std::unique_ptr<TFFmpeg> task) {
    FList.push_back(std::move(task));
    return Count() - 1;
}

void TFFmpegList::Clear() {
    for (auto& task : FList)
        task.reset();
    FList.clear();
}

void TFFmpegList::Delete(int index) {
    CheckIndex(index);
    FList[std::size_t(index)].reset();
    FList.erase(FList.begin() + index);
}

void TFFmpegList::Exchange(int i, int j) {
    CheckIndex(i);
    CheckIndex(j);
    std::swap(FList[std::size_t(i)], FList[std::size_t(j)]);
}

TFFmpeg* TFFmpegList::Items(int index) const {
    CheckIndex(index);
    return FList[std::size_t(index)].get();
}

int TFFmpegList::IndexOf(const TFFmpeg* task) const {
    const auto found = std::find_if(FList.begin(), FList.end(),
                                    [task](const auto& item) { return item.get() == task; });
    return found == FList.end() ? -1 : int(found - FList.begin());
}

void TFFmpegList::PauseAll() {
    for (auto& task : FList)
        task->Pause();
}

void TFFmpegList::ResumeAll() {
    for (auto& task : FList)
        task->Resume();
}

void TFFmpegList::StopAll(bool waitFor) {
    for (auto& task : FList)
        task->StopOrTerminate(waitFor);
}

void TFFmpegList::SwitchPostHook(TPostHook hook, bool on) {
    for (auto& task : FList) {
        const TPostHooks hooks = task->PostHooks();
        task->SetPostHooks(on ? hooks + TPostHooks{ hook } : hooks - TPostHooks{ hook });
    }
}

void TFFmpegList::SetPreview(bool value) {
    SwitchPostHook(phPreview, value);
}

void TFFmpegList::SetPreviewBitmap(bool value) {
    SwitchPostHook(phBitmap, value);
}
