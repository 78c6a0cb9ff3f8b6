#pragma once
#include "Src/FFmpegTasks/TFFmpeg.h"

#include <memory>
#include <vector>

// The tasks of the task component, owned; a task's index is its place in the list. An index
// outside the list raises EListError.
class TFFmpegList : public TObject {
public:
    TFFmpegList() = default;
    ~TFFmpegList() override;

    std::string ClassName() const override { return "TFFmpegList"; }

    int Add(std::unique_ptr<TFFmpeg> task);
    // Frees every task in list order (each stops and waits for its run first), then empties
    // the list.
    void Clear();
    void Delete(int index);
    void Exchange(int i, int j);
    TFFmpeg* Items(int index) const;
    int IndexOf(const TFFmpeg* task) const;
    int Count() const { return int(FList.size()); }

    void PauseAll();
    void ResumeAll();
    // Ends every task whatever its state, in list order.
    void StopAll(bool waitFor);
    // Switches the preview window, or the preview bitmaps, of every task.
    void SetPreview(bool value);
    void SetPreviewBitmap(bool value);

private:
    void CheckIndex(int index) const;
    void SwitchPostHook(TPostHook hook, bool on);

    std::vector<std::unique_ptr<TFFmpeg>> FList;
};
