#pragma once
#include "Src/FFmpeg/TCustomFFmpeg.h"
#include "Src/FFmpegTasks/TaskOptionRecords.h"

#include <memory>
#include <string>
#include <vector>

class TAVProbe;

// One conversion task: a transcoder with a probe per input file and copies of the option records
// given for its inputs and outputs.
class TFFmpeg : public TCustomFFmpeg {
public:
    explicit TFFmpeg(int maxFiles);
    ~TFFmpeg() override;

    std::string ClassName() const override { return "TFFmpeg"; }

    // The probe of an input index, made on first use. An index outside 0..MaxFiles-1 raises
    // EListError.
    TAVProbe& InputAVProbe(int fileIndex);

    // Copies the record for the index, making its copy first when it has none. An index outside
    // 0..MaxFiles-1 raises EListError.
    void SetInputOptions(int index, const TInputOptions& options);
    void SetOutputOptions(int index, const TOutputOptions& options);
    void ResetInputOptions(int index);
    void ResetOutputOptions(int index);
    const TTaskOptionRecords& OptionRecords() const { return FOptionRecords; }

    // Applies an option text line by line through ParseOption, names in lower case. The output
    // side's names (stream creation, presets, filters) are skipped; codec names apply only with
    // applyCodecs. A failing line raises, the lines before it staying applied.
    void ParseExtOptions(const std::string& text, bool applyCodecs);

private:
    void CheckIndex(int index) const;

    std::vector<std::unique_ptr<TAVProbe>> FAVProbes;
    TTaskOptionRecords FOptionRecords;
};
