// A result or photo that is refused gives one report and leaves the step, the
// field texts and the picture as they were.
#include "photowindowtest.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <functional>

namespace quorvel::testing {
namespace {

QByteArray Record(const std::function<void(QJsonObject&)>& change) {
    QJsonObject fields;
    for (const char* key : {"cx", "cy", "r", "h", "mo", "e", "nh", "mh", "a", "y", "x"}) {
        fields[key] = "1";
    }
    QJsonObject record{{"program", "Quorvel"},
                       {"version", "1.1"},
                       {"picture", SampleFace()},
                       {"photo", QJsonValue()},
                       {"step", 3},
                       {"fields", fields},
                       {"age", "未判定"},
                       {"saved", "2024-05-01T09:00:00+09:00"}};
    change(record);
    return QJsonDocument(record).toJson();
}

struct RefusedCase {
    const char* name;
    const char* fileName;
    QByteArray contents;
    const char* message; // %1 stands for the scratch folder
};

class RefusedInputChangesWindow : public PhotoWindowTest,
                                  public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedInputChangesWindow, OneReportAndNothingChanged) {
    const RefusedCase& c = GetParam();
    QFile file(Scratch(c.fileName));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(c.contents);
    file.close();
    ConfirmInDialog([this] { Trigger("OpenBitmapItem"); }, SampleFace());
    Press(200, 150);
    const WindowSnapshot before = Snapshot();

    OpenGiven(file.fileName());
    ASSERT_EQ(log.reports.size(), 1u);
    EXPECT_EQ(log.reports[0].text, QString::fromUtf8(c.message).arg(scratch.path()));
    EXPECT_EQ(Snapshot(), before);
}

QByteArray Without(const char* key) {
    return Record([key](QJsonObject& r) { r.remove(key); });
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, RefusedInputChangesWindow,
    ::testing::Values(
        RefusedCase{"NotJson", "result.json", "{\"program\":",
                    "結果ﾌｧｲﾙ %1/result.json が不正です（JSON として読めません）."},
        RefusedCase{"NotAnObject", "result.json", "[1]",
                    "結果ﾌｧｲﾙ %1/result.json が不正です（JSON として読めません）."},
        RefusedCase{"OtherProgram", "result.json",
                    Record([](QJsonObject& r) { r["program"] = "Other"; }),
                    "結果ﾌｧｲﾙ %1/result.json が不正です（Quorvel の結果ではありません）."},
        RefusedCase{"MissingAge", "result.json", Without("age"),
                    "結果ﾌｧｲﾙ %1/result.json が不正です（age がありません）."},
        RefusedCase{"MissingField", "result.json", Record([](QJsonObject& r) {
                        QJsonObject fields = r["fields"].toObject();
                        fields.remove("mh");
                        r["fields"] = fields;
                    }),
                    "結果ﾌｧｲﾙ %1/result.json が不正です（mh がありません）."},
        RefusedCase{"StepAsText", "result.json", Record([](QJsonObject& r) { r["step"] = "9"; }),
                    "結果ﾌｧｲﾙ %1/result.json が不正です（step の型が違います）."},
        RefusedCase{"PhotoAsNumber", "result.json", Record([](QJsonObject& r) { r["photo"] = 1; }),
                    "結果ﾌｧｲﾙ %1/result.json が不正です（photo の型が違います）."},
        RefusedCase{"StepBeyondNine", "result.json", Record([](QJsonObject& r) { r["step"] = 10; }),
                    "結果ﾌｧｲﾙ %1/result.json が不正です（step が 0 〜 9 の整数ではありません）."},
        RefusedCase{"StepFraction", "result.json", Record([](QJsonObject& r) { r["step"] = 2.5; }),
                    "結果ﾌｧｲﾙ %1/result.json が不正です（step が 0 〜 9 の整数ではありません）."},
        RefusedCase{"PictureMissing", "result.json",
                    Record([](QJsonObject& r) { r["picture"] = "/nonexistent/face.bmp"; }),
                    "ﾌｧｲﾙ /nonexistent/face.bmp は開けません."},
        RefusedCase{"CopyAndPhotoMissing", "result.json", Record([](QJsonObject& r) {
                        r["picture"] = "/nonexistent/copy.bmp";
                        r["photo"] = "/nonexistent/photo.jpg";
                    }),
                    "写真 /nonexistent/photo.jpg は読み込めません."},
        RefusedCase{"TextNamedJpeg", "photo.jpg", "hello", "写真 %1/photo.jpg は読み込めません."},
        RefusedCase{"EmptyPng", "photo.png", "", "写真 %1/photo.png は読み込めません."}),
    [](const auto& param) { return std::string(param.param.name); });

} // namespace
} // namespace quorvel::testing
