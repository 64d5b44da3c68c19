// The main window end to end on 24-bit bitmaps of 512 x 512, 4000 x 3000 and
// 8000 x 6000, each beside Qt's own QImage load of the same file in the same
// run: the first open, one redraw at step 9 (reload, overlay, judgement and
// the repaint the event loop then does), and one slider notification at
// step 5 from the key event to the repainted view.
//
// With --peak-memory=quorvel or --peak-memory=qt it instead opens the
// 8000 x 6000 picture once (in the window, redrawn and slid; or as a QImage)
// and prints the process's peak resident memory; run the benchmarks once
// before, so that the picture file exists.
#include "app/application.h"
#include "app/errorreport.h"
#include "app/minform.h"
#include "numtext/decimalseparator.h"
#include "picture/picture.h"
#include "view/pictureview.h"

#include <QApplication>
#include <QDir>
#include <QImageReader>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>

namespace {

// The sample face scaled to the size, as a 24-bit bitmap. The files stay in
// the temporary folder between runs, so that a peak-memory run does not count
// the memory of making them.
QString Bitmap(int width, int height) {
    const QDir folder(QDir::temp().filePath(QStringLiteral("quorvel-bench")));
    folder.mkpath(QStringLiteral("."));
    const QString path = folder.filePath(QStringLiteral("face%1x%2.bmp").arg(width).arg(height));
    if (!QFile::exists(path)) {
        const QImage face(QStringLiteral(QUORVEL_SAMPLE_FACE));
        face.scaled(width, height).convertToFormat(QImage::Format_RGB888).save(path, "BMP");
    }
    return path;
}

// The main window with `picture` opened as a file given at start-up (step 1),
// the face model placed as on a picture `width` pixels wide (512: the sample
// face's own place), at `step`.
std::unique_ptr<quorvel::TMainForm> WindowAt(const QString& picture, int width, int step) {
    auto window = std::make_unique<quorvel::TMainForm>();
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) {
        qFatal("the main window does not show");
    }
    window->OpenGivenFileLater(picture);
    const auto* view = window->findChild<quorvel::PictureView*>(QStringLiteral("Image"));
    for (int tries = 0; view->CurrentPicture() == nullptr; ++tries) {
        if (tries == 1000) {
            qFatal("the picture does not open");
        }
        QApplication::processEvents();
    }
    auto* next = window->findChild<QPushButton*>(QStringLiteral("NextButton"));
    const double scale = width / 512.0;
    const auto set = [&window](const char* name, double value) {
        window->findChild<QLineEdit*>(QString::fromLatin1(name))
            ->setText(QString::number(static_cast<int>(value)));
    };
    set("EditCX", 200 * scale);
    set("EditCY", 150 * scale);
    set("EditR", 100 * scale);
    for (int at = 1; at < step; ++at) {
        QTest::mouseClick(next, Qt::LeftButton);
    }
    QApplication::processEvents();
    return window;
}

void QtLoad(benchmark::State& state) {
    const QString path = Bitmap(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        QImage image(path);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void FirstOpen(benchmark::State& state) {
    const std::string path =
        Bitmap(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))).toStdString();
    for (auto _ : state) {
        auto picture = quorvel::LoadPictureFile(path);
        benchmark::DoNotOptimize(picture.get());
    }
}

// The third argument is the width the face is sized for: the same face on a
// larger picture should cost what it costs on the smaller one.
void DrawClickAtStepNine(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    auto window = WindowAt(Bitmap(width, static_cast<int>(state.range(1))),
                           static_cast<int>(state.range(2)), 9);
    for (auto _ : state) {
        window->DrawClick(window.get());
        QApplication::processEvents(); // schedules the repaint of what changed ...
        QApplication::processEvents(); // ... and does it
    }
}

// Each key press and each release is one notification: a field write and a
// redraw, then the repaint the event loop does.
void SliderNotification(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    auto window = WindowAt(Bitmap(width, static_cast<int>(state.range(1))), width, 5);
    auto* slider = window->findChild<QSlider*>(QStringLiteral("TrackBar"));
    Qt::Key key = Qt::Key_Right;
    for (auto _ : state) {
        QTest::keyPress(slider, key);
        QApplication::processEvents();
        QApplication::processEvents();
        QTest::keyRelease(slider, key);
        QApplication::processEvents();
        QApplication::processEvents();
        key = key == Qt::Key_Right ? Qt::Key_Left : Qt::Key_Right;
    }
    state.SetItemsProcessed(2 * state.iterations());
}

void Sizes(benchmark::internal::Benchmark* benchmark) {
    benchmark->Args({512, 512})->Args({4000, 3000})->Args({8000, 6000});
    benchmark->Unit(benchmark::kMillisecond)->UseRealTime();
}
BENCHMARK(QtLoad)->Apply(Sizes);
BENCHMARK(FirstOpen)->Apply(Sizes);
BENCHMARK(DrawClickAtStepNine)
    ->Args({512, 512, 512})
    ->Args({4000, 3000, 4000})
    ->Args({8000, 6000, 8000})
    ->Args({8000, 6000, 4000})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(SliderNotification)->Apply(Sizes);

// Peak resident set size of this process, in MiB.
double PeakResidentMiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stod(line.substr(6)) / 1024;
        }
    }
    return 0;
}

int PeakMemory(const char* who) {
    const QString path = Bitmap(8000, 6000); // made by an earlier run
    if (std::strcmp(who, "qt") == 0) {
        const QImage image(path);
        benchmark::DoNotOptimize(image.constBits());
    } else {
        auto window = WindowAt(path, 8000, 5);
        auto* slider = window->findChild<QSlider*>(QStringLiteral("TrackBar"));
        for (int i = 0; i < 20; ++i) {
            QTest::keyClick(slider, i % 2 == 0 ? Qt::Key_Right : Qt::Key_Left);
            QApplication::processEvents();
        }
        window->findChild<QPushButton*>(QStringLiteral("RedrawButton"))->click();
        QApplication::processEvents();
    }
    std::printf("peak resident memory with the 8000 x 6000 picture open (%s): %.1f MiB; "
                "its raster: %.1f MiB\n",
                who, PeakResidentMiB(), 8000.0 * 3 * 6000 / (1024 * 1024));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    quorvel::Application application(argc, argv);
    application.SetUp();
    quorvel::SetDecimalSeparator('.');
    // Qt refuses images over 128 MB by default; the 8000 x 6000 one needs 183.
    QImageReader::setAllocationLimit(1024);
    quorvel::SetFailureReporter([](const QString&, const QString& text) {
        qFatal("unexpected error report: %s", qPrintable(text));
    });
    constexpr const char* kPeakMemory = "--peak-memory=";
    if (argc == 2 && std::strncmp(argv[1], kPeakMemory, std::strlen(kPeakMemory)) == 0) {
        return PeakMemory(argv[1] + std::strlen(kPeakMemory));
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
