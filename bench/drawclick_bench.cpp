// One redraw of the main window at step 9 (reload from file, overlay,
// judgement, repaint) on the sample face and on a 4000 x 3000 bitmap, and one
// slider notification at step 5 on the sample face, end to end from the key
// event to the repainted view.
#include "app/application.h"
#include "app/errorreport.h"
#include "app/minform.h"
#include "numtext/decimalseparator.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

QTemporaryDir& Scratch() {
    static QTemporaryDir scratch;
    return scratch;
}

// The sample face, and the same scaled to 4000 x 3000, as 24-bit bitmaps.
QString Bitmap(int width, int height) {
    const QString path = Scratch().filePath(QStringLiteral("face%1x%2.bmp").arg(width).arg(height));
    if (!QFile::exists(path)) {
        const QImage face(QStringLiteral(QUORVEL_SAMPLE_FACE));
        face.scaled(width, height).convertToFormat(QImage::Format_RGB888).save(path, "BMP");
    }
    return path;
}

// The main window with `picture` opened through its file dialog.
std::unique_ptr<quorvel::TMainForm> WindowWith(const QString& picture) {
    auto window = std::make_unique<quorvel::TMainForm>();
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) {
        qFatal("the main window does not show");
    }
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            answer.stop();
            dialog->selectFile(picture);
            QMetaObject::invokeMethod(dialog, "accept");
        }
    });
    answer.start(5);
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("NextButton")),
                      Qt::LeftButton);
    return window;
}

void SetField(quorvel::TMainForm& window, const char* name, const QString& text) {
    window.findChild<QLineEdit*>(QString::fromLatin1(name))->setText(text);
}

void DrawClickAtStepNine(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    auto window = WindowWith(Bitmap(width, height));
    const double scale = width / 512.0;
    SetField(*window, "EditCX", QString::number(static_cast<int>(200 * scale)));
    SetField(*window, "EditCY", QString::number(static_cast<int>(150 * scale)));
    SetField(*window, "EditR", QString::number(static_cast<int>(100 * scale)));
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("RedrawButton")),
                      Qt::LeftButton);
    QWidget* view = window->findChild<QWidget*>(QStringLiteral("Image"));
    for (auto _ : state) {
        window->DrawClick(window.get());
        view->repaint();
    }
}
BENCHMARK(DrawClickAtStepNine)->Args({512, 512})->Args({4000, 3000})->Unit(benchmark::kMillisecond);

// Each key press and each release is one notification: a field write and a
// full redraw, then the repaint the event loop does.
void SliderNotification(benchmark::State& state) {
    auto window = WindowWith(Bitmap(512, 512));
    SetField(*window, "EditCX", QStringLiteral("200"));
    SetField(*window, "EditCY", QStringLiteral("150"));
    auto* next = window->findChild<QPushButton*>(QStringLiteral("NextButton"));
    for (int step = 1; step < 5; ++step) {
        QTest::mouseClick(next, Qt::LeftButton);
    }
    auto* slider = window->findChild<QSlider*>(QStringLiteral("TrackBar"));
    Qt::Key key = Qt::Key_Right;
    for (auto _ : state) {
        QTest::keyPress(slider, key);
        QApplication::processEvents();
        QTest::keyRelease(slider, key);
        QApplication::processEvents();
        key = key == Qt::Key_Right ? Qt::Key_Left : Qt::Key_Right;
    }
    state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(SliderNotification)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    quorvel::Application application(argc, argv);
    application.SetUp();
    quorvel::SetDecimalSeparator('.');
    quorvel::SetFailureReporter([](const QString&, const QString& text) {
        qFatal("unexpected error report: %s", qPrintable(text));
    });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
