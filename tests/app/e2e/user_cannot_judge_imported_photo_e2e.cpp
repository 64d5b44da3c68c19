// End to end with a phone photo: starts the built program on a photo stored
// sideways with an Exif orientation, finds it upright and fitted to the
// window, clicks the landmarks at that zoom, judges, saves the result with
// Ctrl+S, then starts the program on the saved record and finds the same age.
// Usage: user_cannot_judge_imported_photo_e2e PROGRAM FACE.bmp
// Needs DISPLAY (run it under xvfb-run) and xdotool.
#include "exifjpeg.h"
#include "face/face.h"
#include "numtext/decimalseparator.h"
#include "xsession.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>
#include <map>

namespace {

using quorvel::Field;
using namespace quorvel::e2e;

// The upright photo: the sample face enlarged twice, in a green frame with a
// red band at the top, so that both its place and its way up can be found
// on screen at any zoom.
constexpr int kWidth = 1800;
constexpr int kHeight = 1400;
constexpr int kFrame = 60;
constexpr int kBand = 120;
const QPoint kFaceAt(388, 188);

QImage UprightPhoto(const QString& sample) {
    QImage photo(kWidth, kHeight, QImage::Format_RGB32);
    photo.fill(QColor(0, 255, 0));
    QPainter painter(&photo);
    painter.fillRect(kFrame, kFrame, kWidth - 2 * kFrame, kBand, QColor(255, 0, 0));
    painter.drawImage(kFaceAt, QImage(sample).scaled(1024, 1024));
    return photo;
}

bool IsGreen(QRgb pixel) {
    return qGreen(pixel) > 200 && qRed(pixel) < 80 && qBlue(pixel) < 80;
}
bool IsRed(QRgb pixel) {
    return qRed(pixel) > 200 && qGreen(pixel) < 80 && qBlue(pixel) < 80;
}

// Where the photo's green frame shows on the screen.
QRect FrameOnScreen(const QImage& screen) {
    QRect frame;
    for (int y = 0; y < screen.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(screen.constScanLine(y));
        for (int x = 0; x < screen.width(); ++x) {
            if (IsGreen(row[x])) {
                frame |= QRect(x, y, 1, 1);
            }
        }
    }
    return frame;
}

struct Landmark {
    int step;
    QPoint at; // in the upright photo
};

// Clicks every landmark at the shown zoom, shapes the contour and judges.
void MarkTheFace(const QRect& shown) {
    const double zoom = static_cast<double>(shown.width()) / kWidth;
    // Between the eyes, the left ear, the crown, the chin, the nose, the mouth,
    // as on the sample face, twice as large.
    const Landmark landmarks[] = {{1, {219, 82}}, {2, {162, 100}}, {3, {90, 19}},
                                  {4, {90, 167}}, {7, {90, 118}},  {8, {90, 142}}};
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
            }
            AndWaitForChange([] { Xdo({"key", "space"}); }, "the next step");
            ++step;
        }
        const QPointF photo = QPointF(kFaceAt) + 2.0 * QPointF(mark.at);
        const QPoint screen = shown.topLeft() + QPoint(static_cast<int>(photo.x() * zoom),
                                                       static_cast<int>(photo.y() * zoom));
        AndWaitForChange(
            [&] {
                Xdo({"mousemove", QString::number(screen.x()), QString::number(screen.y()), "click",
                     "1"});
            },
            "the landmark of step " + std::to_string(mark.step));
        Xdo({"mousemove", QString::number(shown.right() + 40), QString::number(shown.top())});
    }
    // Judge follows Next in tab order while the slider is hidden.
    AndWaitForChange([] { Xdo({"key", "Tab", "space"}); }, "the judgement");
}

// The field texts of a record.
class RecordFields : public quorvel::FaceFields {
public:
    explicit RecordFields(const QJsonObject& fields) {
        const std::map<Field, const char*> names{
            {Field::EditCX, "cx"}, {Field::EditCY, "cy"}, {Field::EditR, "r"},
            {Field::EditH, "h"},   {Field::EditMO, "mo"}, {Field::EditE, "e"},
            {Field::EditNH, "nh"}, {Field::EditMH, "mh"}, {Field::EditA, "a"},
            {Field::EditY, "y"},   {Field::EditX, "x"}};
        for (const auto& [field, name] : names) {
            texts_[field] = fields.value(QString::fromLatin1(name)).toString().toStdString();
        }
        texts_[Field::LabelAP] = "未判定";
    }
    std::string ReadText(Field field) const override { return texts_.at(field); }
    void WriteText(Field field, const std::string& text) override { texts_[field] = text; }

private:
    std::map<Field, std::string> texts_;
};

// The age the record's own texts give: the program judged what it saved.
QString AgeOf(const QJsonObject& record) {
    RecordFields fields(record.value("fields").toObject());
    quorvel::FaceParams params;
    quorvel::FaceGeometry shape;
    quorvel::ReadFaceParams(fields, params, shape);
    quorvel::JudgeAge(params.nh, shape.BottomSpan, shape.WidestOffset, fields);
    return QString::fromStdString(fields.ReadText(Field::LabelAP));
}

QRect WaitForPhoto(const std::string& what) {
    QRect shown;
    WaitFor(
        [&] {
            shown = FrameOnScreen(Screen());
            return shown.width() > 100;
        },
        what);
    Pause(300);
    return FrameOnScreen(Screen());
}

QJsonObject JudgeAndSave(const QString& program, const QString& folder, const QString& photo,
                         const QProcessEnvironment& cache) {
    QProcess quorvel;
    Start(quorvel, program, {photo}, folder, cache);
    try {
        const QString window = WaitForWindow(QStringLiteral("^Quorvella$"));
        PointInto(window);
        const QRect shown = WaitForPhoto("the imported photo");
        Require(std::abs(shown.width() * kHeight - shown.height() * kWidth) < 4 * kWidth,
                "the photo is not shown upright: " + std::to_string(shown.width()) + " x " +
                    std::to_string(shown.height()));
        const double zoom = static_cast<double>(shown.width()) / kWidth;
        Require(zoom < 1, "the photo is not fitted to the window");
        Require(IsRed(Screen().pixel(shown.center().x(),
                                     shown.top() + static_cast<int>((kFrame + kBand / 2) * zoom))),
                "the red band is not at the top");
        MarkTheFace(shown);
        Xdo({"key", "ctrl+s"});
        const QString dialog = WaitForWindow(QStringLiteral("."), window);
        PointInto(dialog);
        Xdo({"key", "Return"}); // the name it offers: beside the photo
        const QString json = QFileInfo(photo).dir().filePath(QStringLiteral("photo_quorvel.json"));
        WaitFor([&] { return QFile::exists(json); }, "the saved record");
        Pause(300);
        QFile file(json);
        Require(file.open(QIODevice::ReadOnly), "cannot read the saved record");
        const QJsonObject record = QJsonDocument::fromJson(file.readAll()).object();
        Require(QFile::exists(QFileInfo(photo).dir().filePath("photo_quorvel.png")),
                "no picture beside the record");
        const QString age = record.value("age").toString();
        Require(age == AgeOf(record),
                "the saved age " + age.toStdString() + " is not what the saved texts give");
        Require(ShowsAge(Screen(), age), "the window does not show the saved age");
        CloseAndExpectStatusZero(quorvel, window);
        return record;
    } catch (...) {
        quorvel.kill();
        quorvel.waitForFinished();
        throw;
    }
}

void Reopen(const QString& program, const QString& folder, const QString& json, const QString& age,
            const QProcessEnvironment& cache) {
    QProcess quorvel;
    Start(quorvel, program, {json}, folder, cache);
    try {
        const QString window = WaitForWindow(QStringLiteral("^Quorvella$"));
        WaitForPhoto("the reopened photo");
        WaitFor([&] { return ShowsAge(Screen(), age); }, "the age " + age.toStdString());
        CloseAndExpectStatusZero(quorvel, window);
    } catch (...) {
        quorvel.kill();
        quorvel.waitForFinished();
        throw;
    }
}

void Session(const QString& program, const QString& sample) {
    quorvel::SetDecimalSeparator('.');
    QTemporaryDir folder;
    Require(folder.isValid(), "no scratch folder");
    // Stored turned a quarter to the left; Exif orientation 6 turns it back.
    const QImage stored = UprightPhoto(sample).transformed(QTransform().rotate(-90));
    const QString photo = folder.filePath(QStringLiteral("photo.jpg"));
    QFile file(photo);
    Require(file.open(QIODevice::WriteOnly) &&
                file.write(quorvel::testing::JpegWithOrientation(stored, 6)) > 0,
            "cannot write the photo");
    file.close();
    QProcessEnvironment cache;
    cache.insert(QStringLiteral("XDG_CACHE_HOME"), folder.filePath(QStringLiteral("cache")));

    const QString path = QFileInfo(program).absoluteFilePath();
    const QJsonObject record = JudgeAndSave(path, folder.path(), photo, cache);
    const QString age = record.value("age").toString();
    std::printf("saved at step %d: cx %s, cy %s, r %s; age %s\n", record.value("step").toInt(),
                qPrintable(record.value("fields")["cx"].toString()),
                qPrintable(record.value("fields")["cy"].toString()),
                qPrintable(record.value("fields")["r"].toString()), qPrintable(age));
    Reopen(path, folder.path(), folder.filePath(QStringLiteral("photo_quorvel.json")), age, cache);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s PROGRAM FACE.bmp\n", argv[0]);
        return 2;
    }
    try {
        Session(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "FAILED: %s\n", failure.what());
        return 1;
    }
    std::printf("passed\n");
    return 0;
}
