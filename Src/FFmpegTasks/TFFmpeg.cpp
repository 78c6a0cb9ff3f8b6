#include "Src/FFmpegTasks/TFFmpeg.h"

#include "Src/AVProbe/TAVProbe.h"
#include "Src/FFmpegTasks/OptionText.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/Format.h"

TFFmpeg::TFFmpeg(int maxFiles)
    : TCustomFFmpeg(maxFiles), FAVProbes(std::size_t(maxFiles)), FOptionRecords(maxFiles) {}

TFFmpeg::~TFFmpeg() {
    // The run may use the probes: it ends before they go.
    Stop(true);
}

void TFFmpeg::CheckIndex(int index) const {
    if (index < 0 || index >= MaxFiles())
        throw EListError(Format("List index out of bounds (%d)", index));
}

TAVProbe& TFFmpeg::InputAVProbe(int fileIndex) {
    CheckIndex(fileIndex);
    auto& probe = FAVProbes[std::size_t(fileIndex)];
    if (!probe) probe = std::make_unique<TAVProbe>(nullptr);
    return *probe;
}

void TFFmpeg::SetInputOptions(int index, const TInputOptions& options) {
    FOptionRecords.SetInputOptions(index, options);
}

void TFFmpeg::SetOutputOptions(int index, const TOutputOptions& options) {
    FOptionRecords.SetOutputOptions(index, options);
}

void TFFmpeg::ResetInputOptions(int index) {
    FOptionRecords.ResetInputOptions(index);
}

void TFFmpeg::ResetOutputOptions(int index) {
    FOptionRecords.ResetOutputOptions(index);
}

void TFFmpeg::ParseExtOptions(const std::string& text, bool applyCodecs) {
    ApplyOptionText(text, applyCodecs, [this](const std::string& name, const std::string& value) {
        ParseOption(name, value);
    });
}
