#pragma once
#include "platform/win/WinDefs.h"

#include <atomic>
#include <cstdint>
#include <memory>

class TBitmap;
class TPreviewForm;

// The small stay-on-top window that shows a running conversion's encoded pictures. Made on the
// first painted frame; the user may close it, after which it stays closed for this previewer.
// Everything that touches the window runs on the main thread; the other calls may come from the
// conversion's thread.
class TPreviewer {
public:
    TPreviewer();
    // Hands the window to the main thread to be freed there, without waiting, so that a
    // previewer may go on any thread, under any lock.
    ~TPreviewer();
    TPreviewer(const TPreviewer&) = delete;
    TPreviewer& operator=(const TPreviewer&) = delete;

    // Shows the bitmap with the time stamp (microseconds) as the caption, on the main thread,
    // and waits for it. False once the user has closed the window.
    bool PaintFrame(const TBitmap& bitmap, int frameNumber, std::int64_t pts);
    bool Closed() const { return *FClosed; }
    // The window, or null before the first frame and after it is gone. Main thread only.
    win::HWND Handle() const;
    int FrameNumber() const { return FFrameNumber; }

private:
    void Paint(const TBitmap& bitmap, std::int64_t pts);
    void CreateForm(const TBitmap& bitmap);

    std::unique_ptr<TPreviewForm> FForm;
    // Shared with the window, which may outlive the previewer until the main thread frees it.
    std::shared_ptr<std::atomic<bool>> FClosed{ std::make_shared<std::atomic<bool>>(false) };
    std::atomic<int> FFrameNumber{ 0 };
};
