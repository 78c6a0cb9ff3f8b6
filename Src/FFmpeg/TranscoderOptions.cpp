#include "Src/FFmpeg/TranscoderOptions.h"

void TTranscoderOptions::InitDefaults() {
    auto metadata = std::move(Fmetadata);
    auto scales = std::move(Finput_files_ts_scale);
    for (auto& file : scales)
        file.assign(file.size(), 0.0);
    *this = TTranscoderOptions();
    Fmetadata = std::move(metadata);
    Finput_files_ts_scale = std::move(scales);
}

double TTranscoderOptions::InputTSScale(int fileIndex, int streamIndex) const {
    if (fileIndex < 0 || streamIndex < 0 || size_t(fileIndex) >= Finput_files_ts_scale.size())
        return 0.0;
    const auto& file = Finput_files_ts_scale[fileIndex];
    return size_t(streamIndex) < file.size() ? file[streamIndex] : 0.0;
}

void TTranscoderOptions::SetInputTSScale(int fileIndex, int streamIndex, double scale) {
    if (fileIndex < 0 || streamIndex < 0) return;
    if (size_t(fileIndex) >= Finput_files_ts_scale.size())
        Finput_files_ts_scale.resize(size_t(fileIndex) + 1);
    auto& file = Finput_files_ts_scale[fileIndex];
    if (size_t(streamIndex) >= file.size()) file.resize(size_t(streamIndex) + 1, 0.0);
    file[streamIndex] = scale;
}
