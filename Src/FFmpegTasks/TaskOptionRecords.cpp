#include "Src/FFmpegTasks/TaskOptionRecords.h"

#include "platform/rtl/Exception.h"
#include "platform/rtl/Format.h"

#include <algorithm>

TTaskOptionRecords::TTaskOptionRecords(int maxFiles)
    : FInputOptions(size_t(std::max(maxFiles, 0))), FOutputOptions(size_t(std::max(maxFiles, 0))) {}

void TTaskOptionRecords::CheckIndex(int index) const {
    if (index < 0 || index >= MaxFiles())
        throw EListError(Format("List index out of bounds (%d)", index));
}

void TTaskOptionRecords::SetInputOptions(int index, const TInputOptions& options) {
    CheckIndex(index);
    FInputOptions[index] = options;
}

void TTaskOptionRecords::SetOutputOptions(int index, const TOutputOptions& options) {
    CheckIndex(index);
    FOutputOptions[index] = options;
}

void TTaskOptionRecords::ResetInputOptions(int index) {
    CheckIndex(index);
    if (FInputOptions[index]) InitInputOptions(*FInputOptions[index]);
}

void TTaskOptionRecords::ResetOutputOptions(int index) {
    CheckIndex(index);
    if (FOutputOptions[index]) InitOutputOptions(*FOutputOptions[index]);
}

const TInputOptions* TTaskOptionRecords::InputOptions(int index) const {
    CheckIndex(index);
    return FInputOptions[index] ? &*FInputOptions[index] : nullptr;
}

const TOutputOptions* TTaskOptionRecords::OutputOptions(int index) const {
    CheckIndex(index);
    return FOutputOptions[index] ? &*FOutputOptions[index] : nullptr;
}
