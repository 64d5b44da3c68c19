#include "detect/landmarkmodel.h"
#include "detect/landmarkproposal.h"
#include "detect/modelfile.h"
#include "judge/filejudgement.h"

#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>

// Proposing landmarks and judging without a window on a 4000 x 3000 portrait:
// the proposal with the model loaded, quorvel-judge's work on one
// 12-megapixel JPEG beside Qt's own decode of that file, and loading the model.
namespace {

constexpr int kWidth = 4000;
constexpr int kHeight = 3000;

// The sample face scaled to the photo's height, centred on a grey ground.
QImage Portrait() {
    const QImage face(QStringLiteral(QUORVEL_SAMPLE_FACE));
    if (face.isNull()) {
        std::fprintf(stderr, "cannot read %s\n", QUORVEL_SAMPLE_FACE);
        std::exit(1);
    }
    QImage portrait(kWidth, kHeight, QImage::Format_RGB32);
    portrait.fill(QColor(180, 180, 185));
    QPainter(&portrait).drawImage(
        QRect((kWidth - kHeight) / 2, 0, kHeight, kHeight),
        face.scaled(kHeight, kHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    return portrait;
}

struct Fixture {
    Fixture() : model(quorvel::kInstalledModelFile) {
        portrait = Portrait();
        jpeg = dir.filePath("portrait.jpg").toStdString();
        if (!portrait.save(QString::fromStdString(jpeg), "jpeg", 90)) {
            std::fprintf(stderr, "cannot write %s\n", jpeg.c_str());
            std::exit(1);
        }
    }
    QTemporaryDir dir;
    QImage portrait;
    std::string jpeg;
    quorvel::LandmarkModel model;
};

Fixture& Shared() {
    static Fixture fixture;
    return fixture;
}

void ModelLoad(benchmark::State& state) {
    for (auto _ : state) {
        quorvel::LandmarkModel model(quorvel::kInstalledModelFile);
        benchmark::DoNotOptimize(&model.Wait());
    }
}

void Proposal(benchmark::State& state) {
    const quorvel::FaceFinder& finder = Shared().model.Wait();
    for (auto _ : state) {
        const auto landmarks = quorvel::ProposeLandmarks(finder, Shared().portrait);
        if (!landmarks) {
            state.SkipWithError("no face found");
            break;
        }
    }
}

void QtDecode(benchmark::State& state) {
    for (auto _ : state) {
        QImageReader reader(QString::fromStdString(Shared().jpeg));
        reader.setAutoTransform(true);
        benchmark::DoNotOptimize(reader.read());
    }
}

// What quorvel-judge --jobs 1 does for each file once the model is loaded.
void JudgeJpeg(benchmark::State& state) {
    Shared().model.Wait();
    const quorvel::JudgeSettings settings{"1.2", "0", ""};
    for (auto _ : state) {
        const auto judged = quorvel::JudgeFile(Shared().jpeg, settings, Shared().model);
        if (!judged.error.empty()) {
            state.SkipWithError(judged.error.c_str());
            break;
        }
    }
}

} // namespace

BENCHMARK(ModelLoad)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
BENCHMARK(Proposal)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(QtDecode)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(JudgeJpeg)->Unit(benchmark::kMillisecond)->Repetitions(5);

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
