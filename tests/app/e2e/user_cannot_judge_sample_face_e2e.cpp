// End to end, as a user would: starts the built program on an X server,
// opens the sample face through the real file dialog, clicks the landmarks,
// moves the contour slider, presses Judge and reads the age off the screen.
// Usage: user_cannot_judge_sample_face_e2e PROGRAM FACE.bmp [SCREENSHOT.png]
// Needs DISPLAY (run it under xvfb-run) and xdotool.
#include "app/widgets/formscale.h"
#include "face/face.h"
#include "numtext/decimalseparator.h"
#include "numtext/numbertext.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>

namespace {

using quorvel::Field;

struct Fault : std::runtime_error {
    using std::runtime_error::runtime_error;
};

void Require(bool condition, const std::string& what) {
    if (!condition) {
        throw Fault(what);
    }
}

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

QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    Require(process.waitForFinished(20000) && process.exitCode() == 0,
            (program + " " + arguments.join(' ')).toStdString() + " failed");
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

void Xdo(const QStringList& arguments) {
    Run(QStringLiteral("xdotool"), arguments);
}

QImage Screen() {
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(
        QImage::Format_RGB32);
}

void Pause(int milliseconds) {
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}

// Polls until `done` holds; the program works at its own pace.
void WaitFor(const std::function<bool()>& done, const std::string& what) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        Require(clock.elapsed() < 15000, "timed out waiting for " + what);
        Pause(50);
    }
}

// Runs an action and waits until the screen shows its effect.
void AndWaitForChange(const std::function<void()>& action, const std::string& what) {
    const QImage before = Screen();
    action();
    WaitFor([&] { return Screen() != before; }, what);
    Pause(100); // let a redraw that spans several paints finish
}

// Where `part` appears pixel for pixel inside `region` of the screen.
std::optional<QPoint> Find(const QImage& screen, const QImage& part, QRect region) {
    region &= screen.rect();
    for (int y = region.top(); y + part.height() <= region.bottom() + 1; ++y) {
        for (int x = region.left(); x + part.width() <= region.right() + 1; ++x) {
            bool same = true;
            for (int py = 0; py < part.height() && same; ++py) {
                for (int px = 0; px < part.width(); ++px) {
                    if (screen.pixel(x + px, y + py) != part.pixel(px, py)) {
                        same = false;
                        break;
                    }
                }
            }
            if (same) {
                return QPoint(x, y);
            }
        }
    }
    return std::nullopt;
}

// A label as the program's window draws it.
QImage LabelImage(const QString& text) {
    QLabel label(text);
    label.setFont(quorvel::FormFont());
    label.adjustSize();
    return label.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

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
    quorvel.setWorkingDirectory(folder.path());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    quorvel.setProcessEnvironment(environment);
    // The program reads no command line: an option Qt would take must not
    // rename the window that is looked for below.
    quorvel.start(QFileInfo(program).absoluteFilePath(),
                  {QStringLiteral("-qwindowtitle"), QStringLiteral("Other")});
    Require(quorvel.waitForStarted(), "program did not start");

    try {
        QString window;
        WaitFor(
            [&] {
                QProcess search;
                search.start(QStringLiteral("xdotool"),
                             {"search", "--onlyvisible", "--name", "^Quorvella$"});
                search.waitForFinished();
                window = QString::fromUtf8(search.readAllStandardOutput()).trimmed();
                return !window.isEmpty();
            },
            "the main window");
        Pause(300);
        const QString geometry = Run("xdotool", {"getwindowgeometry", "--shell", window});
        int left = 0;
        int top = 0;
        for (const QString& line : geometry.split('\n')) {
            if (line.startsWith("X=")) {
                left = line.mid(2).toInt();
            } else if (line.startsWith("Y=")) {
                top = line.mid(2).toInt();
            }
        }
        // Without a window manager the keyboard follows the pointer.
        Xdo({"mousemove", QString::number(left + 300), QString::number(top + 150)});
        Pause(200);

        // Step 0: Next has the focus and opens the file dialog.
        QString dialog;
        Xdo({"key", "space"});
        WaitFor(
            [&] {
                QProcess search;
                search.start("xdotool", {"search", "--onlyvisible", "--name", "."});
                search.waitForFinished();
                const QStringList windows = QString::fromUtf8(search.readAllStandardOutput())
                                                .split('\n', Qt::SkipEmptyParts);
                for (const QString& w : windows) {
                    if (w.trimmed() != window) {
                        dialog = w.trimmed();
                    }
                }
                return !dialog.isEmpty();
            },
            "the file dialog");
        Pause(300);
        const QString dialogGeometry = Run("xdotool", {"getwindowgeometry", "--shell", dialog});
        int dialogLeft = 0;
        int dialogTop = 0;
        for (const QString& line : dialogGeometry.split('\n')) {
            if (line.startsWith("X=")) {
                dialogLeft = line.mid(2).toInt();
            } else if (line.startsWith("Y=")) {
                dialogTop = line.mid(2).toInt();
            }
        }
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

        const QImage ageImage = LabelImage(age);
        const QImage captionImage = LabelImage(QStringLiteral("推定年齢"));
        const QImage unjudgedImage = LabelImage(QStringLiteral("未判定"));
        const int cx = params.cx;
        const int cy = params.cy;
        const int r = params.r;
        const int boxTop = quorvel::TruncToInt(cy - shape.TopSpan);
        // The first thing the screen does not show yet; empty when it shows all.
        const auto missing = [&]() -> std::string {
            const QImage screen = Screen();
            const std::optional<QPoint> caption = Find(screen, captionImage, screen.rect());
            if (!caption) {
                return "the age caption";
            }
            const QRect ageLine(caption->x(), caption->y() - 4, 200, 40);
            if (!Find(screen, ageImage, ageLine) || Find(screen, unjudgedImage, ageLine)) {
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

        // File menu, Close: the program ends at once with status 0.
        Xdo({"mousemove", QString::number(left + 300), QString::number(top + 150)});
        Pause(200);
        Xdo({"key", "alt+f"});
        Pause(300);
        Xdo({"key", "x"});
        Require(quorvel.waitForFinished(15000), "the program did not end on Close");
        Require(quorvel.exitStatus() == QProcess::NormalExit && quorvel.exitCode() == 0,
                "the program did not end with status 0");
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
