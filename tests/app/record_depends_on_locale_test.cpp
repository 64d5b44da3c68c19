// A record opens to the same texts and age under any decimal separator:
// numbers among the field texts are stored with "." and the record names the
// separator it was written under; other texts come back as they were.
#include "app/resultrecord.h"
#include "numtext/decimalseparator.h"
#include "numtext/failure.h"
#include "photowindowtest.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace quorvel::testing {
namespace {

ResultRecord Judged(const std::string& h, const std::string& x) {
    ResultRecord record{"/p/face.bmp", "", 9, {}, "66", std::nullopt, std::nullopt};
    record.fields = {"200", "150", "100", h, "1.2", "0", "0.3", "0.5", "0", "-1.5e-3", x};
    return record;
}

struct SeparatorCase {
    const char* name;
    char writtenUnder;
    char readUnder;
    const char* shown;    // EditH as shown when saving
    const char* stored;   // in the record
    const char* reopened; // EditH after reopening
};

class RecordDependsOnLocale : public ::testing::TestWithParam<SeparatorCase> {
protected:
    void TearDown() override { SetDecimalSeparator('.'); }
};

TEST_P(RecordDependsOnLocale, NumbersFollowTheSeparatorOtherTextsStay) {
    const SeparatorCase& c = GetParam();
    SetDecimalSeparator(c.writtenUnder);
    const QByteArray json = RecordJson(Judged(c.shown, "Error"), QDateTime::currentDateTime());
    const QJsonObject root = QJsonDocument::fromJson(json).object();
    EXPECT_EQ(root["version"], "1.2");
    EXPECT_EQ(root["decimal_separator"], QString(QLatin1Char(c.writtenUnder)));
    EXPECT_EQ(root["fields"]["h"].toString().toStdString(), c.stored);
    EXPECT_EQ(root["fields"]["x"], "Error");

    SetDecimalSeparator(c.readUnder);
    const ResultRecord reopened = ParseRecord(json, "r.json");
    EXPECT_EQ(reopened.fields[3], c.reopened);
    EXPECT_EQ(reopened.fields[10], "Error");
    EXPECT_EQ(reopened.fields[0], "200");
}

INSTANTIATE_TEST_SUITE_P(
    Separators, RecordDependsOnLocale,
    ::testing::Values(
        SeparatorCase{"FullStopToComma", '.', ',', "1.25", "1.25", "1,25"},
        SeparatorCase{"CommaToFullStop", ',', '.', "1,25", "1.25", "1.25"},
        SeparatorCase{"CommaToComma", ',', ',', "1,25", "1.25", "1,25"},
        SeparatorCase{"ExponentAndSign", ',', '.', " -1,5E+2 ", " -1.5E+2 ", " -1.5E+2 "},
        SeparatorCase{"GarbageStays", '.', ',', "1.2.3", "1.2.3", "1.2.3"},
        SeparatorCase{"CommaGarbageUnderFullStopStays", '.', '.', "1,5", "1,5", "1,5"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(RecordOfVersionOneOne, ReadAsShown) {
    SetDecimalSeparator(',');
    const ResultRecord record = ParseRecord(Record([](QJsonObject& r) {
                                                QJsonObject fields = r["fields"].toObject();
                                                fields["h"] = "1.5";
                                                r["fields"] = fields;
                                            }),
                                            "r.json");
    SetDecimalSeparator('.');
    EXPECT_EQ(record.fields[3], "1.5");
}

struct AgeRangeCase {
    const char* name;
    QJsonValue range;
    bool valid;
};

class AgeRangeMalformed : public ::testing::TestWithParam<AgeRangeCase> {};

TEST_P(AgeRangeMalformed, RefusedLikeAnyMalformedMember) {
    const AgeRangeCase& c = GetParam();
    const QByteArray json = Record([&](QJsonObject& r) { r["age_range"] = c.range; });
    if (c.valid) {
        const ResultRecord record = ParseRecord(json, "r.json");
        ASSERT_TRUE(record.ageRange.has_value());
        EXPECT_EQ(*record.ageRange, (AgeRange{c.range[0].toInt(), c.range[1].toInt()}));
        const QByteArray again = RecordJson(record, QDateTime::currentDateTime());
        EXPECT_EQ(ParseRecord(again, "r.json").ageRange, record.ageRange);
        return;
    }
    try {
        ParseRecord(json, "r.json");
        ADD_FAILURE() << "taken";
    } catch (const Failure& failure) {
        EXPECT_STREQ(failure.what(), "結果ﾌｧｲﾙ r.json が不正です（age_range の型が違います）");
    }
}

INSTANTIATE_TEST_SUITE_P(Ranges, AgeRangeMalformed,
                         ::testing::Values(AgeRangeCase{"FromZeroToEighty", QJsonArray{0, 80},
                                                        true},
                                           AgeRangeCase{"OneAge", QJsonArray{33, 33}, true},
                                           AgeRangeCase{"LowAboveHigh", QJsonArray{40, 30}, false},
                                           AgeRangeCase{"AboveEighty", QJsonArray{10, 81}, false},
                                           AgeRangeCase{"Negative", QJsonArray{-1, 10}, false},
                                           AgeRangeCase{"Fraction", QJsonArray{1.5, 10}, false},
                                           AgeRangeCase{"Texts", QJsonArray{"1", "10"}, false},
                                           AgeRangeCase{"ThreeAges", QJsonArray{1, 2, 3}, false},
                                           AgeRangeCase{"NotAnArray", QJsonValue(5), false}),
                         [](const auto& param) { return std::string(param.param.name); });

// The window end to end: judged under ".", reopened under ",", the same age
// and no error box.
class RecordReopenedUnderComma : public PhotoWindowTest {
protected:
    void TearDown() override {
        SetDecimalSeparator('.');
        PhotoWindowTest::TearDown();
    }
};

TEST_F(RecordReopenedUnderComma, GivesTheSameAge) {
    ConfirmInDialog([this] { Trigger("OpenBitmapItem"); }, SampleFace());
    Press(200, 150);
    Click("RedrawButton");
    const QString age = Text("LabelAP");
    ASSERT_EQ(age, "66");
    const QString h = Text("EditH");
    SaveAs(Scratch("result.png"));

    SetDecimalSeparator(',');
    OpenGiven(Scratch("result.json"));
    EXPECT_TRUE(log.reports.empty());
    EXPECT_EQ(Text("LabelAP"), age);
    EXPECT_EQ(Text("EditH"), QString(h).replace('.', ','));
}

} // namespace
} // namespace quorvel::testing
