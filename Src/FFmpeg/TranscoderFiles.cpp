#include "Src/FFmpeg/TranscoderFiles.h"

#include "Src/AVUtilStubs.h"
#include "Src/FFmpegLoader.h"
#include "platform/rtl/FileSystem.h"

#include <algorithm>
#include <mutex>

TOutputFile::~TOutputFile() {
    CloseIO();
}

bool TOutputFile::NeedsFile() const {
    return Context && Context->oformat && !(Context->oformat->flags & AVFMT_NOFILE);
}

int TOutputFile::OpenIO() {
    if (!NeedsFile() || FIOOpen) return 0;
    // The output may outgrow the file-size limit: that must end the task with a message, not
    // end the program.
    LetFileSizeLimitFailWrites();
    const int result =
        AVOpenIO(&Context->pb, Context->url ? Context->url : "", AVIO_FLAG_WRITE, nullptr, nullptr);
    FIOOpen = result >= 0;
    return result;
}

void TOutputFile::CloseIO() {
    if (!FIOOpen) return;
    FIOOpen = false;
    if (Context && Context->pb && av::avio_closep) AVCloseIO(&Context->pb);
}

std::string TOutputFile::FileName() const {
    if (!Context || !Context->url) return {};
    return FileNameFromAV(Context->url);
}

void AddCodecItem(TCodecList& list, TStreamCodec* record) {
    list.push_front(record);
}

void RemoveCodecItem(TCodecList& list, TStreamCodec* record) {
    const auto found = std::find(list.begin(), list.end(), record);
    if (found != list.end()) list.erase(found);
}

namespace {

void CloseCodecList(TCodecList& list, bool encoders) {
    for (TStreamCodec* record : list) {
        if (!record || !record->Context) continue;
        if (encoders && av::av_freep) av::av_freep(&record->Context->stats_in);
        // 5.1 cannot reopen a closed context, so closing is freeing it.
        std::lock_guard lock(CodecLock());
        record->Context.reset();
    }
    list.clear();
}

} // namespace

void CloseEncoderList(TCodecList& list) {
    CloseCodecList(list, true);
}

void CloseDecoderList(TCodecList& list) {
    CloseCodecList(list, false);
}
