// quorvel-judge as a user runs it: one line per file in the order given,
// failures reported in their line without stopping the others, the exit
// status, the CSV table, overlays, and output that does not depend on --jobs.
#include "face/face.h"
#include "handmarks.h"
#include "judge/textfields.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace quorvel::testing {
namespace {

// A result saved by Quorvel 1.1 after judging the sample face from the
// proposed landmarks.
constexpr const char* kRecord11 = R"({
    "program": "Quorvel", "version": "1.1", "picture": "face.bmp", "photo": null, "step": 9,
    "fields": {"cx": "225", "cy": "103", "r": "45", "h": "1.78888888888889", "mo": "1.2",
               "e": "0", "nh": "0.413333333333333", "mh": "0.599999999999999",
               "a": "-0.0683229813664593", "y": "0.17090909090909", "x": "0.413489736070381"},
    "age": "48", "saved": "2026-01-02T03:04:05+09:00"})";

struct JudgeRun {
    int exitCode = -1;
    QStringList lines;
    QString errors;
};

JudgeRun Judge(const QStringList& arguments, const QString& modelFile = {}) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY"); // it needs none
    if (!modelFile.isEmpty()) {
        environment.insert("QUORVEL_LANDMARK_MODEL", modelFile);
    }
    process.setProcessEnvironment(environment);
    process.start(QUORVEL_JUDGE, arguments);
    process.waitForFinished(240000);
    JudgeRun run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.lines = QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    run.errors = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QJsonObject Object(const QString& line) {
    return QJsonDocument::fromJson(line.toUtf8()).object();
}

// The line without its timing, which differs from run to run.
QJsonObject Untimed(const QString& line) {
    QJsonObject object = Object(line);
    object.remove("ms");
    return object;
}

PixelPoint Point(const QJsonObject& landmarks, const char* name) {
    const QJsonArray xy = landmarks.value(name).toArray();
    return {xy.at(0).toInt(), xy.at(1).toInt()};
}

class JudgeOutput : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = new QTemporaryDir;
        const QImage face = SampleFace();
        QImage flat(320, 240, QImage::Format_RGB32);
        flat.fill(Qt::gray);
        const auto write = [](const QString& name, const QByteArray& bytes) {
            QFile file(File(name));
            return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
        };
        const bool made = face.scaled(face.size() * 2).save(File("face2x.png")) &&
                          flat.save(File("noface.bmp")) && write("record11.json", kRecord11) &&
                          write("stale.json", QByteArray(kRecord11).replace("\"48\"", "\"12\""));
        ASSERT_TRUE(made);
        files_ = {QUORVEL_SAMPLE_FACE,   File("noface.bmp"), File("missing.jpg"),
                  File("record11.json"), File("stale.json"), File("face2x.png")};
        oneJob_ = new JudgeRun(Judge(QStringList{"--jobs", "1"} + files_));
    }
    static void TearDownTestSuite() {
        delete oneJob_;
        delete dir_;
    }
    static QString File(const QString& name) { return dir_->filePath(name); }

    static QTemporaryDir* dir_;
    static QStringList files_;
    static JudgeRun* oneJob_;
};

QTemporaryDir* JudgeOutput::dir_ = nullptr;
QStringList JudgeOutput::files_;
JudgeRun* JudgeOutput::oneJob_ = nullptr;

TEST_F(JudgeOutput, OneLinePerFileInOrderAndFailuresReported) {
    EXPECT_EQ(oneJob_->exitCode, 1);
    ASSERT_EQ(oneJob_->lines.size(), files_.size()) << oneJob_->errors.toStdString();
    for (int i = 0; i < files_.size(); ++i) {
        EXPECT_EQ(Object(oneJob_->lines[i]).value("file").toString(), files_[i]);
    }
    EXPECT_EQ(Object(oneJob_->lines[1]).value("error").toString(), "顔が見つかりません");
    EXPECT_EQ(Object(oneJob_->lines[2]).value("error").toString(),
              "写真 " + File("missing.jpg") + " は読み込めません");
}

TEST_F(JudgeOutput, LandmarksNearHandMarksAtEverySize) {
    for (const auto& [index, scale] : {std::pair{0, 1.0}, std::pair{5, 2.0}}) {
        const QJsonObject landmarks = Object(oneJob_->lines[index]).value("landmarks").toObject();
        ExpectNearHandMarks({Point(landmarks, "centre"), Point(landmarks, "ear"),
                             Point(landmarks, "top"), Point(landmarks, "chin"),
                             Point(landmarks, "nose"), Point(landmarks, "mouth")},
                            scale);
    }
}

// The fields are the exact texts presses on the reported landmarks write,
// judged as at step 9, with the range of ages around them.
TEST_F(JudgeOutput, FieldsAreThoseOfThePressesOnTheLandmarks) {
    const QJsonObject line = Object(oneJob_->lines[0]);
    const QJsonObject landmarks = line.value("landmarks").toObject();
    TextFields fields;
    PlaceLandmarks({Point(landmarks, "centre"), Point(landmarks, "ear"), Point(landmarks, "top"),
                    Point(landmarks, "chin"), Point(landmarks, "nose"), Point(landmarks, "mouth")},
                   fields);
    class : public DrawingSurface, public PictureAccess {
        void SetPenWidth(int) override {}
        void SetPenColor(std::uint32_t) override {}
        void MoveTo(std::int32_t, std::int32_t) override {}
        void LineTo(std::int32_t, std::int32_t) override {}
        void Ellipse(std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {}
        void LoadPicture(const std::string&) override {}
        DrawingSurface& GetDrawingSurface() override { return *this; }
    } nowhere;
    RedrawOverlay(wizstep::kJudged, fields, "", nowhere);
    const char* keys[] = {"cx", "cy", "r", "h", "mo", "e", "nh", "mh", "a", "y", "x"};
    for (int i = 0; i < 11; ++i) {
        EXPECT_EQ(line.value("fields").toObject().value(keys[i]).toString().toStdString(),
                  fields.ReadText(static_cast<Field>(i)))
            << keys[i];
    }
    EXPECT_EQ(QString::number(line.value("age").toInt()).toStdString(),
              fields.ReadText(Field::LabelAP));
    const std::optional<AgeRange> range = JudgeAgeRange(fields);
    ASSERT_TRUE(range.has_value());
    EXPECT_EQ(line.value("age_range").toArray(), (QJsonArray{range->low, range->high}));
}

TEST_F(JudgeOutput, SavedResultsJudgedAgainAgainstTheirAge) {
    const QJsonObject kept = Object(oneJob_->lines[3]);
    EXPECT_EQ(kept.value("age").toInt(), 48);
    EXPECT_TRUE(kept.value("age_matches").toBool());
    EXPECT_EQ(kept.value("fields").toObject().value("x").toString(), "0.413489736070381");
    const QJsonObject stale = Object(oneJob_->lines[4]);
    EXPECT_EQ(stale.value("saved_age").toString(), "12");
    EXPECT_FALSE(stale.value("age_matches").toBool());
    EXPECT_FALSE(stale.contains("landmarks"));
}

TEST_F(JudgeOutput, JobsDoNotChangeTheOutputAndOverlaysAreWritten) {
    const JudgeRun threeJobs =
        Judge(QStringList{"--jobs", "3", "--overlay", File("overlays")} + files_);
    EXPECT_EQ(threeJobs.exitCode, 1);
    ASSERT_EQ(threeJobs.lines.size(), oneJob_->lines.size());
    for (int i = 0; i < files_.size(); ++i) {
        EXPECT_EQ(Untimed(threeJobs.lines[i]), Untimed(oneJob_->lines[i])) << i;
    }
    const QImage overlay(File("overlays/face.png"));
    const QImage face = SampleFace();
    ASSERT_EQ(overlay.size(), face.size());
    int red = 0;
    int changedOutsideTheBox = 0;
    for (int y = 0; y < face.height(); ++y) {
        for (int x = 0; x < face.width(); ++x) {
            red += overlay.pixel(x, y) == qRgb(255, 0, 0);
            changedOutsideTheBox += y > 200 && overlay.pixel(x, y) != face.pixel(x, y);
        }
    }
    EXPECT_GT(red, 100); // the eye line, nose and mouth marks and the markers
    EXPECT_EQ(changedOutsideTheBox, 0);
}

TEST_F(JudgeOutput, CsvHasAHeaderAndOneRowPerFile) {
    const JudgeRun csv = Judge(QStringList{"--csv", "--jobs", "2"} + files_);
    EXPECT_EQ(csv.exitCode, 1);
    ASSERT_EQ(csv.lines.size(), files_.size() + 1);
    const QStringList header = csv.lines[0].split(',');
    EXPECT_EQ(header.first(), "file");
    for (const QString& row : csv.lines) {
        EXPECT_EQ(row.split(',').size(), header.size()) << row.toStdString();
    }
    const QStringList face = csv.lines[1].split(',');
    const QJsonObject json = Object(oneJob_->lines[0]);
    EXPECT_EQ(face[header.indexOf("age")].toInt(), json.value("age").toInt());
    EXPECT_EQ(face[header.indexOf("age_low")].toInt(),
              json.value("age_range").toArray().at(0).toInt());
    EXPECT_EQ(face[header.indexOf("age_high")].toInt(),
              json.value("age_range").toArray().at(1).toInt());
    EXPECT_EQ(face[header.indexOf("h")], json.value("fields").toObject().value("h").toString());
    EXPECT_EQ(face[header.indexOf("top_y")].toInt(),
              json.value("landmarks").toObject().value("top").toArray().at(1).toInt());
    EXPECT_EQ(csv.lines[2].split(',').last(), "顔が見つかりません");
}

TEST_F(JudgeOutput, MissingModelFailsEachPictureAndNamesThePackage) {
    const JudgeRun run =
        Judge({QUORVEL_SAMPLE_FACE, File("record11.json")}, "/nonexistent/model.dat");
    EXPECT_EQ(run.exitCode, 1);
    ASSERT_EQ(run.lines.size(), 2);
    EXPECT_TRUE(Object(run.lines[0]).value("error").toString().contains("libdlib-data"));
    EXPECT_EQ(Object(run.lines[1]).value("age").toInt(), 48);
}

TEST_F(JudgeOutput, ExitStatusSaysWhetherEverythingWasJudged) {
    EXPECT_EQ(Judge({File("record11.json")}, "/nonexistent/model.dat").exitCode, 0);
    const JudgeRun help = Judge({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* option : {"--jobs", "--csv", "--mo", "--e", "--overlay", "age_matches"}) {
        EXPECT_TRUE(help.lines.join('\n').contains(option)) << option;
    }
    for (const QStringList& wrong :
         {QStringList{}, QStringList{"--jobs", "0", "x.bmp"}, QStringList{"--mo", "tall", "x.bmp"},
          QStringList{"--colour", "x.bmp"}}) {
        const JudgeRun run = Judge(wrong);
        EXPECT_EQ(run.exitCode, 2) << wrong.join(' ').toStdString();
        EXPECT_TRUE(run.lines.isEmpty());
        EXPECT_FALSE(run.errors.isEmpty());
    }
}

} // namespace
} // namespace quorvel::testing
