// Drives the real main window through one judgement of the sample face, with
// the fixed clicks and slider moves of the README's walkthrough, on Qt's
// offscreen platform, and writes the pictures the README shows: the window at
// step 9 and the fitted contour at steps 5 and 6.
// Usage: quorvel_screenshots FACE.bmp OUTPUT_FOLDER
#include "app/application.h"
#include "app/errorreport.h"
#include "app/minform.h"
#include "face/wizsteps.h"
#include "numtext/decimalseparator.h"
#include "numtext/floatsettings.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <cstdio>
#include <stdexcept>
#include <string>

namespace {

using quorvel::TMainForm;
namespace wizstep = quorvel::wizstep;

struct Click {
    int step;
    int x; // picture pixels of data/face.bmp
    int y;
};

// Between the eyes, the left ear (hidden by the hair, level with the eyes),
// the top of the skull under the hair, the chin, the base of the nose, the
// line between the lips.
constexpr Click kClicks[] = {{wizstep::kCentre, 225, 101}, {wizstep::kWidth, 168, 101},
                             {wizstep::kTop, 225, 22},     {wizstep::kChin, 225, 168},
                             {wizstep::kNose, 225, 129},   {wizstep::kMouth, 225, 146}};
// Slider positions: mo 1.6 lays the upper half along the skull under the
// hair, its widest line at the temples; e -0.2 narrows the lower half onto
// the cheeks and the jaw.
constexpr int kUpperContourPosition = 16;
constexpr int kLowerContourPosition = 8;

// The part of the picture around the face the contour pictures show, and
// their enlargement.
const QRect kFaceArea(135, 0, 180, 190);
constexpr int kEnlargement = 2;
// A window large enough to show the whole sample face.
const QSize kWindowSize(668, 632);

[[noreturn]] void Fail(const std::string& what) {
    throw std::runtime_error(what);
}

template <typename Control> Control* Find(TMainForm& window, const char* name) {
    auto* control = window.findChild<Control*>(QString::fromLatin1(name));
    if (control == nullptr) {
        Fail(std::string("no control named ") + name);
    }
    return control;
}

QString Text(TMainForm& window, const char* name) {
    if (auto* edit = window.findChild<QLineEdit*>(QString::fromLatin1(name))) {
        return edit->text();
    }
    return Find<QLabel>(window, name)->text();
}

void Settle() {
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
    }
}

void Press(TMainForm& window, const Click& click) {
    QWidget* image = Find<QWidget>(window, "Image");
    QTest::mouseClick(image, Qt::LeftButton, {}, QPoint(click.x, click.y));
    Settle();
}

void Next(TMainForm& window) {
    Find<QPushButton>(window, "NextButton")->click();
    Settle();
}

// With the arrow keys, as a user moves the focused slider.
void MoveSlider(TMainForm& window, int position) {
    auto* slider = Find<QSlider>(window, "TrackBar");
    while (slider->value() != position) {
        QTest::keyClick(slider, slider->value() < position ? Qt::Key_Right : Qt::Key_Left);
    }
    Settle();
}

void Save(const QImage& image, const QString& path) {
    if (!image.save(path)) {
        Fail("cannot write " + path.toStdString());
    }
    std::printf("wrote %s\n", qPrintable(path));
}

QImage FaceCloseUp(TMainForm& window) {
    const QImage view = Find<QWidget>(window, "Image")->grab().toImage();
    const QImage face = view.copy(kFaceArea);
    return face.scaled(face.size() * kEnlargement);
}

void Run(const QString& face, const QDir& out) {
    TMainForm window;
    window.resize(kWindowSize);
    window.show();
    window.OpenGivenFileLater(face);
    Settle();
    int step = wizstep::kCentre;
    for (const Click& click : kClicks) {
        for (; step < click.step; ++step) {
            if (step == wizstep::kUpperContour) {
                MoveSlider(window, kUpperContourPosition);
                Save(FaceCloseUp(window), out.filePath(QStringLiteral("contour-step5.png")));
            } else if (step == wizstep::kLowerContour) {
                MoveSlider(window, kLowerContourPosition);
                Save(FaceCloseUp(window), out.filePath(QStringLiteral("contour-step6.png")));
            }
            Next(window);
        }
        Press(window, click);
    }
    Next(window); // step 9: the judgement
    if (Text(window, "WizText") != QStringLiteral("判定が終了しました")) {
        Fail("the procedure did not reach step 9");
    }
    Save(window.grab().toImage(), out.filePath(QStringLiteral("screenshot-step9.png")));
    std::printf("cx %s cy %s r %s h %s mo %s e %s nh %s mh %s a %s y %s x %s: age %s\n",
                qPrintable(Text(window, "EditCX")), qPrintable(Text(window, "EditCY")),
                qPrintable(Text(window, "EditR")), qPrintable(Text(window, "EditH")),
                qPrintable(Text(window, "EditMO")), qPrintable(Text(window, "EditE")),
                qPrintable(Text(window, "EditNH")), qPrintable(Text(window, "EditMH")),
                qPrintable(Text(window, "EditA")), qPrintable(Text(window, "EditY")),
                qPrintable(Text(window, "EditX")), qPrintable(Text(window, "LabelAP")));
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s FACE.bmp OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const QString face = QString::fromLocal8Bit(argv[1]);
    const QDir out(QString::fromLocal8Bit(argv[2]));
    int nameOnly = 1;
    quorvel::Application application(nameOnly, argv);
    bool failed = false;
    quorvel::SetFailureReporter([&failed](const QString&, const QString& text) {
        std::fprintf(stderr, "error report: %s\n", qPrintable(text));
        failed = true;
    });
    try {
        quorvel::ResetFloatSettings();
        quorvel::SetDecimalSeparator('.');
        application.SetUp();
        Run(face, out);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "FAILED: %s\n", failure.what());
        return 1;
    }
    return failed ? 1 : 0;
}
