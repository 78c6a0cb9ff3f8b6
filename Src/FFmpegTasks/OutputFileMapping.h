#pragma once
#include "Src/FFmpeg/TCustomFFmpeg.h"
#include "Src/FFmpegTasks/OptionRecords.h"

#include <string>

class TFFmpeg;

// What giving a task an output file needs of the task: its option dispatcher, the kept copies
// of the caller's records, and the opening of the output. A task's TFFmpeg is one (see
// SetOutputFile below); tests give a recording one.
class TOutputFileTask {
public:
    virtual ~TOutputFileTask() = default;

    virtual TOptionDispatcher& Dispatcher() = 0;
    // The number of output slots the task has so far: the index of the next output.
    virtual int OutputCount() const = 0;
    virtual void KeepOutputOptions(int index, const TOutputOptions& options) = 0;
    virtual void ResetOutputOptions(int index) = 0;
    // >= 0 on success; otherwise the reason is in LastErrMsg.
    virtual int OpenOutputFile(const std::string& fileName, bool join) = 0;
    virtual std::string LastErrMsg() const = 0;
    virtual void SetCustomHook(const TCustomHookEvent& hook) = 0;
};

// Gives the task its next output file, with the caller's option record or none. The record's
// fields, its option text, the target and the presets are applied in an order that decides who
// wins: the target first, then the record's codecs and presets, then the lines of the option
// text, then the record's numeric and flag fields, and last the frame size and the filter
// chain; after the opening, the text's "newaudio", "newvideo" and "newsubtitle" lines create
// extra streams, each taking the next per-stream codec, preset, size or chain line of the text
// (or the default once they are used up). An empty FileName of the record is filled with
// fileName (the caller's record changes). With CustomHook the task raises customHook.
//
// False with the reason in lastErrMsg when an option is refused or the output cannot be opened;
// the task's option state, its "vhook" plug-ins included, is then as it was before the call,
// and the kept record is reset. An extra stream refused after the opening leaves the output
// open with the streams made so far.
bool MapOutputFile(TOutputFileTask& task, const std::string& fileName, TOutputOptions* options,
                   const TCustomHookEvent& customHook, std::string& lastErrMsg);

// The same for a task's transcoder.
bool SetOutputFile(TFFmpeg& task, const std::string& fileName, TOutputOptions* options,
                   const TCustomHookEvent& customHook, std::string& lastErrMsg);

// The records of the text forms of AddTask/AddInputFile and SetOutputFile. Lines named
// "TimeStart" (and for outputs "TimeLength") set those fields when their value is a 64-bit
// integer; for outputs "Hook" or "CustomHook" set CustomHook and "Join" sets Join whatever the
// value; names compared without regard to letter case. Every other line goes to ExtOptions as
// written.
TInputOptions InputOptionsFromText(const std::string& text);
TOutputOptions OutputOptionsFromText(const std::string& text);
