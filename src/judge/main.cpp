#include "detect/landmarkmodel.h"
#include "judge/filejudgement.h"
#include "judge/judgeoptions.h"
#include "judge/judgereport.h"
#include "judge/judgerun.h"
#include "numtext/decimalseparator.h"
#include "numtext/floatsettings.h"

#include <QCoreApplication>
#include <cstdio>
#include <iostream>
#include <unistd.h>

namespace {

constexpr int kAllJudged = 0;
constexpr int kSomeFailed = 1;
constexpr int kBadCommandLine = 2;

void ShowProgress(std::size_t done, std::size_t total, const std::string& file) {
    std::fprintf(stderr, "\r\033[K[%zu/%zu] %s", done, total, file.c_str());
    if (done == total) {
        std::fputc('\n', stderr);
    }
    std::fflush(stderr);
}

} // namespace

// Judges the files given without a window; see kJudgeHelp.
int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    // Photos are read through Qt's image plugins, which need an application
    // object; no display is ever needed.
    int nameOnly = argc > 0 ? 1 : 0;
    const QCoreApplication application(nameOnly, argv);
    quorvel::ResetFloatSettings();
    quorvel::RefreshDecimalSeparator();

    std::optional<quorvel::JudgeOptions> options;
    try {
        options = quorvel::ParseJudgeOptions(arguments);
    } catch (const quorvel::UsageError& error) {
        std::cerr << "quorvel-judge: " << error.what() << "\n";
        return kBadCommandLine;
    }
    if (!options) {
        std::cout << quorvel::kJudgeHelp;
        return kAllJudged;
    }

    quorvel::LandmarkModel model;
    const quorvel::JudgeSettings settings{options->mo, options->e, options->overlayDir};
    const bool progress = isatty(STDERR_FILENO) != 0;
    bool failed = false;
    if (options->csv) {
        std::cout << quorvel::CsvHeader() << "\n";
    }
    quorvel::JudgeAll(
        options->files, options->jobs,
        [&](const std::string& file) { return quorvel::JudgeFile(file, settings, model); },
        [&](const quorvel::FileJudgement& judged, std::size_t done) {
            failed = failed || !judged.error.empty();
            std::cout << (options->csv ? quorvel::CsvRow(judged) : quorvel::JsonLine(judged))
                      << std::endl;
            if (progress) {
                ShowProgress(done, options->files.size(), judged.file);
            }
        });
    return failed ? kSomeFailed : kAllJudged;
}
