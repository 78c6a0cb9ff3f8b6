#pragma once
#include "Src/FFmpegTasks/OptionRecords.h"

#include <cstdint>
#include <functional>

class TBitmap;
class TObject;

// A picture of a task's preview bitmap hook.
struct TPreviewInfo {
    std::int32_t TaskIndex{ 0 };
    TBitmap* Bitmap{ nullptr };
    std::int32_t FrameNumber{ 0 };
    std::int64_t PTS{ 0 };
};

// A picture of a task's custom hook. The handler may draw on Bitmap, set Update to have the
// picture written back into the video, and StopHook to hear of no further pictures.
struct THookInfo {
    std::int32_t TaskIndex{ 0 };
    TBitmap* Bitmap{ nullptr };
    std::int32_t FrameNumber{ 0 };
    std::int64_t PTS{ 0 };
    bool Update{ false };
    bool StopHook{ false };
};

using PProgressInfo = TProgressInfo*;
using PHookInfo = THookInfo*;

// The task component's events. The transcoder's events of the same names take the raw values;
// these take the component's records, which are valid only during the call.
namespace FFmpegTasks {

using TProgressEvent = std::function<void(TObject* sender, PProgressInfo progressInfo)>;
using TPreviewBitmapEvent = std::function<void(TObject* sender, const TPreviewInfo& previewInfo)>;
using TCustomHookEvent = std::function<void(TObject* sender, PHookInfo hookInfo)>;
using TTerminateEvent = std::function<void(TObject* sender, const TTerminateInfo& terminateInfo)>;

} // namespace FFmpegTasks
