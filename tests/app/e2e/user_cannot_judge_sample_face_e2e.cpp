// End to end, as a user would: starts the built program on an X server,
// opens the sample face through the real file dialog, clicks the landmarks,
// moves the contour slider, presses Judge and reads the age off the screen.
// Usage: user_cannot_judge_sample_face_e2e PROGRAM FACE.bmp [SCREENSHOT.png]
// Needs DISPLAY (run it under xvfb-run) and xdotool.
#include "face/face.h"
#include "numtext/decimalseparator.h"
#include "numtext/numbertext.h"
#include "xsession.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <cstdio>
#include <map>
#include <optional>
#include <string>

namespace {

using quorvel::Field;
using namespace quorvel::e2e;

// The parameter panel as the program starts it, for the expected results.
class ModelFields : public quorvel::FaceFields {
public:
    std::string ReadText(Field field) const override { return texts_.at(field); }
    void WriteText(Field field, const std::string& text) override { texts_[field] = text; }

private:
    std::map<Field, std::string> texts_{
        {Field::EditCX, "0"},   {Field::EditCY, "0"},   {Field::EditR, "100"},
        {Field::EditH, "1.2"},  {Field::EditMO, "1.2"}, {Field::EditE, "0"},
        {Field::EditNH, "0.3"}, {Field::EditMH, "0.5"}, {Field::EditA, "0"},
        {Field::EditY, "0"},    {Field::EditX, "0"},    {Field::LabelAP, "未判定"}};
};

bool IsRed(QRgb pixel) {
    return (pixel & 0xFFFFFFu) == 0xFF0000u;
}
bool IsBlue(QRgb pixel) {
    return (pixel & 0xFFFFFFu) == 0x0000FFu;
}
bool IsWhite(QRgb pixel) {
    return (pixel & 0xFFFFFFu) == 0xFFFFFFu;
}

// True when one of the rows y - 1 .. y + 1 at x has the colour: the pen is two
// pixels wide.
bool PenAt(const QImage& screen, QPoint origin, int x, int y, bool (*colour)(QRgb)) {
    for (int dy = -1; dy <= 1; ++dy) {
        if (colour(screen.pixel(origin.x() + x, origin.y() + y + dy))) {
            return true;
        }
    }
    return false;
}

struct Landmark {
    int step;
    int x;
    int y;
};

void Session(const QString& program, const QString& sample, const QString& screenshot) {
    quorvel::SetDecimalSeparator('.');
    QTemporaryDir folder;
    Require(folder.isValid(), "no scratch folder");
    const QString face = folder.filePath(QStringLiteral("face.bmp"));
    Require(QFile::copy(sample, face), "cannot copy the sample face");
    const QImage photo = QImage(face).convertToFormat(QImage::Format_RGB32);
    Require(!photo.isNull(), "cannot read the sample face");

    QProcess quorvel;
    // The program reads no file name that looks like an option, and no option
    // Qt would take: the window looked for below keeps its caption.
    Start(quorvel, QFileInfo(program).absoluteFilePath(),
          {QStringLiteral("-qwindowtitle"), QStringLiteral("Other")}, folder.path());

    try {
        const QString window = WaitForWindow(QStringLiteral("^Quorvella$"));
        PointInto(window);

        // Step 0: Next has the focus and opens the file dialog.
        Xdo({"key", "space"});
        const QString dialog = WaitForWindow(QStringLiteral("."), window);
        const QPoint dialogCorner = WindowCorner(dialog);
        const int dialogLeft = dialogCorner.x();
        const int dialogTop = dialogCorner.y();
        Xdo({"mousemove", QString::number(dialogLeft + 20), QString::number(dialogTop + 20)});
        Pause(200);
        Xdo({"type", "--delay", "20", face});
        Pause(300);
        Xdo({"key", "Return"});

        QPoint origin;
        WaitFor(
            [&] {
                const QImage screen = Screen();
                const std::optional<QPoint> found =
                    Find(screen, photo.copy(0, 20, 48, 8), screen.rect());
                if (found) {
                    origin = *found - QPoint(0, 20);
                }
                return found.has_value();
            },
            "the photograph on screen");
        Xdo({"mousemove", QString::number(origin.x() + 480), QString::number(origin.y() + 300)});
        Pause(200);

        ModelFields model;
        // Between the eyes, the left ear, the crown, the chin, the nose, the mouth.
        const Landmark landmarks[] = {{1, 219, 82}, {2, 162, 100}, {3, 90, 19},
                                      {4, 90, 167}, {7, 90, 118},  {8, 90, 142}};
        int step = 1;
        for (const Landmark& mark : landmarks) {
            while (step < mark.step) {
                if (step == 5) {
                    // The slider follows Next in tab order: from 12 (mo 1.2) eight
                    // steps right, to flatten the upper half onto the head.
                    AndWaitForChange(
                        [] {
                            Xdo({"key", "Tab", "Right", "Right", "Right", "Right", "Right", "Right",
                                 "Right", "Right", "shift+Tab"});
                        },
                        "the slider to move");
                    quorvel::ApplyContourSlider(5, 20, model);
                }
                AndWaitForChange([] { Xdo({"key", "space"}); }, "the next step");
                ++step;
            }
            AndWaitForChange(
                [&] {
                    Xdo({"mousemove", QString::number(origin.x() + mark.x),
                         QString::number(origin.y() + mark.y), "click", "1"});
                },
                "the landmark of step " + std::to_string(mark.step));
            quorvel::PlaceLandmark(mark.step, mark.x, mark.y, model);
            Xdo({"mousemove", QString::number(origin.x() + 480),
                 QString::number(origin.y() + 300)});
        }
        // Judge follows Next in tab order while the slider is hidden.
        AndWaitForChange([] { Xdo({"key", "Tab", "space"}); }, "the judgement");

        quorvel::FaceParams params;
        quorvel::FaceGeometry shape;
        quorvel::ReadFaceParams(model, params, shape);
        quorvel::JudgeAge(params.nh, shape.BottomSpan, shape.WidestOffset, model);
        const QString age = QString::fromStdString(model.ReadText(Field::LabelAP));
        std::printf("landmarks give cx %d, cy %d, r %d; expected age %s\n", params.cx, params.cy,
                    params.r, age.toStdString().c_str());

        const int cx = params.cx;
        const int cy = params.cy;
        const int r = params.r;
        const int boxTop = quorvel::TruncToInt(cy - shape.TopSpan);
        // The first thing the screen does not show yet; empty when it shows all.
        const auto missing = [&]() -> std::string {
            const QImage screen = Screen();
            if (!ShowsAge(screen, age)) {
                return "the age " + age.toStdString();
            }
            if (!PenAt(screen, origin, cx - r / 2, cy, IsRed) ||
                !PenAt(screen, origin, cx + r / 2, cy, IsRed)) {
                return "the eye line";
            }
            if (!PenAt(screen, origin, cx + r / 2, boxTop, IsBlue)) {
                return "the face box's top edge";
            }
            if (!IsWhite(screen.pixel(origin + QPoint(cx, cy)))) {
                return "the eye-line marker";
            }
            return {};
        };
        std::string problem;
        try {
            WaitFor([&] { return (problem = missing()).empty(); }, "the judged window");
        } catch (const Fault&) {
            throw Fault("the screen does not show " + problem);
        }

        if (!screenshot.isEmpty()) {
            QGuiApplication::primaryScreen()->grabWindow(window.toULongLong()).save(screenshot);
        }

        CloseAndExpectStatusZero(quorvel, window);
    } catch (...) {
        quorvel.kill();
        quorvel.waitForFinished();
        throw;
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s PROGRAM FACE.bmp [SCREENSHOT.png]\n", argv[0]);
        return 2;
    }
    try {
        Session(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]),
                argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString());
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "FAILED: %s\n", failure.what());
        return 1;
    }
    std::printf("passed\n");
    return 0;
}
