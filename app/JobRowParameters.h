#pragma once
#include "app/FormatParameters.h"
#include "app/JobListControls.h"
#include <string>

class TStrings;

// The schema of a job row's working parameters: each field of the record stands in one of the
// row's cells jcVideoCodec to jcNormType as text, numbers in decimal (their not-set values
// too) and the no-video flag as "True" or "False". The writer and the reader are each other's
// inverse; the volume, container and filter fields, which every format leaves at their reset
// values, have no cell and read back as those values.

// Writes every parameter cell of a row, adding empty cells to a row that has fewer.
void WriteParameterCells(const TWorkingParameters& fields, TStrings& cells);
// Reads a row's parameter cells back; a missing cell reads as empty. Raises EConvertError for a
// bit-rate cell that holds no decimal number.
TWorkingParameters ReadParameterCells(const TStrings& cells);
// The text the writer puts into one parameter cell; raises EListError for a cell that holds no
// working parameter.
std::string ParameterCellText(const TWorkingParameters& fields, TJobCell cell);
