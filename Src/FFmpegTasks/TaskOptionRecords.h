#pragma once
#include "Src/FFmpegTasks/OptionRecords.h"

#include <optional>
#include <vector>

// The copies of the option records a task keeps: one per input and per output file index, none
// until a record is given for that index. An index outside 0..maxFiles-1 raises EListError.
class TTaskOptionRecords {
public:
    explicit TTaskOptionRecords(int maxFiles);

    int MaxFiles() const { return int(FInputOptions.size()); }

    // Copies the record, making the index's copy first when it has none.
    void SetInputOptions(int index, const TInputOptions& options);
    void SetOutputOptions(int index, const TOutputOptions& options);
    // Puts the index's copy back to its reset values; an index without a copy stays without.
    void ResetInputOptions(int index);
    void ResetOutputOptions(int index);

    // The copy kept for the index; nullptr when none was given.
    const TInputOptions* InputOptions(int index) const;
    const TOutputOptions* OutputOptions(int index) const;

private:
    void CheckIndex(int index) const;

    std::vector<std::optional<TInputOptions>> FInputOptions;
    std::vector<std::optional<TOutputOptions>> FOutputOptions;
};
