// A result or photo that is refused gives one report and leaves the step, the
// field texts and the picture as they were.
#include "photowindowtest.h"

namespace quorvel::testing {
namespace {

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
    const QString input = ScratchFile(c.fileName, c.contents);
    ConfirmInDialog([this] { Trigger("OpenBitmapItem"); }, SampleFace());
    Press(200, 150);
    const WindowSnapshot before = Snapshot();

    OpenGiven(input);
    ASSERT_EQ(log.reports.size(), 1u);
    EXPECT_EQ(log.reports[0].text, QString::fromUtf8(c.message).arg(scratch.path()));
    EXPECT_EQ(Snapshot(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, RefusedInputChangesWindow,
    ::testing::Values(
        RefusedCase{"NotJson", "result.json", "{\"program\":",
                    "結果ﾌｧｲﾙ %1/result.json が不正です（JSON として読めません）."},
        RefusedCase{"OtherProgram", "result.json",
                    Record([](QJsonObject& r) { r["program"] = "Other"; }),
                    "結果ﾌｧｲﾙ %1/result.json が不正です（Quorvel の結果ではありません）."},
        RefusedCase{"MissingAge", "result.json", Record([](QJsonObject& r) { r.remove("age"); }),
                    "結果ﾌｧｲﾙ %1/result.json が不正です（age がありません）."},
        RefusedCase{"MissingField", "result.json", Record([](QJsonObject& r) {
                        QJsonObject fields = r["fields"].toObject();
                        fields.remove("mh");
                        r["fields"] = fields;
                    }),
                    "結果ﾌｧｲﾙ %1/result.json が不正です（mh がありません）."},
        RefusedCase{"StepAsText", "result.json", Record([](QJsonObject& r) { r["step"] = "9"; }),
                    "結果ﾌｧｲﾙ %1/result.json が不正です（step の型が違います）."},
        RefusedCase{"StepBeyondNine", "result.json", Record([](QJsonObject& r) { r["step"] = 10; }),
                    "結果ﾌｧｲﾙ %1/result.json が不正です（step が 0 〜 9 の整数ではありません）."},
        RefusedCase{"PictureMissing", "result.json",
                    Record([](QJsonObject& r) { r["picture"] = "/nonexistent/face.bmp"; }),
                    "ﾌｧｲﾙ /nonexistent/face.bmp は開けません."},
        RefusedCase{"CopyAndPhotoMissing", "result.json", Record([](QJsonObject& r) {
                        r["picture"] = "/nonexistent/copy.bmp";
                        r["photo"] = "/nonexistent/photo.jpg";
                    }),
                    "写真 /nonexistent/photo.jpg は読み込めません."},
        RefusedCase{"TextNamedJpeg", "photo.jpg", "hello", "写真 %1/photo.jpg は読み込めません."}),
    [](const auto& param) { return std::string(param.param.name); });

} // namespace
} // namespace quorvel::testing
