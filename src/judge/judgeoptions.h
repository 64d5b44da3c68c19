#pragma once

#include <QStringList>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace quorvel {

// What to judge and how, from the command line.
struct JudgeOptions {
    int jobs = 1;     // files judged at once
    bool csv = false; // a CSV table instead of JSON lines
    std::string mo;   // the contour texts written before judging
    std::string e;
    std::string overlayDir; // where the pictures with their overlay go; none when empty
    std::vector<std::string> files;
};

// A command line that cannot be followed; the message says why.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The options of `arguments` (the program's name first); nothing when they
// ask for the help text. Throws UsageError.
std::optional<JudgeOptions> ParseJudgeOptions(const QStringList& arguments);

// What --help prints.
extern const char* const kJudgeHelp;

} // namespace quorvel
