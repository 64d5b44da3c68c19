#pragma once

#include "judge/filejudgement.h"

#include <string>

namespace quorvel {

// One file's outcome as one line of JSON, without the line end.
std::string JsonLine(const FileJudgement& judged);

// The CSV table's header and one file's row, without the line end.
std::string CsvHeader();
std::string CsvRow(const FileJudgement& judged);

} // namespace quorvel
