#pragma once

#include "judge/filejudgement.h"

#include <functional>
#include <string>
#include <vector>

namespace quorvel {

// Judges every file with `judge` on `jobs` threads and hands each outcome to
// `report` on the calling thread, in the order of `files`, as soon as it and
// all before it are done; `report` is also told how many are done so far.
void JudgeAll(const std::vector<std::string>& files, int jobs,
              const std::function<FileJudgement(const std::string&)>& judge,
              const std::function<void(const FileJudgement&, std::size_t)>& report);

} // namespace quorvel
