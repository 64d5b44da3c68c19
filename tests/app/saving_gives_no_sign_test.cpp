// A save says, without a modal box, where its two files went; a save that
// fails leaves no such sign, not even one of an earlier save.
#include "photowindowtest.h"

#include <QStatusBar>

namespace quorvel::testing {
namespace {

struct SaveSignCase {
    const char* name;
    std::vector<const char*> chosen; // saved one after another, in the scratch folder
    const char* image;               // empty: no sign
    const char* record;
};

class SavingGivesNoSign : public PhotoWindowTest,
                          public ::testing::WithParamInterface<SaveSignCase> {};

TEST_P(SavingGivesNoSign, SaysWhereTheFilesWent) {
    const SaveSignCase& c = GetParam();
    ConfirmInDialog([this] { Trigger("OpenBitmapItem"); }, SampleFace());
    Press(200, 150);
    for (const char* chosen : c.chosen) {
        SaveAs(Scratch(QString::fromUtf8(chosen)));
    }
    const QString sign = Get<QStatusBar>("StatusBar1")->currentMessage();
    if (c.image[0] == '\0') {
        EXPECT_EQ(sign, "");
        EXPECT_EQ(log.reports.size(), 1u) << "the failed save is reported";
        return;
    }
    EXPECT_TRUE(sign.contains(Scratch(QString::fromUtf8(c.image)))) << sign.toStdString();
    EXPECT_TRUE(sign.contains(Scratch(QString::fromUtf8(c.record)))) << sign.toStdString();
    EXPECT_TRUE(sign.contains("保存しました")) << sign.toStdString();
    EXPECT_TRUE(log.reports.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Saves, SavingGivesNoSign,
    ::testing::Values(
        SaveSignCase{"named_as_png", {"result.png"}, "result.png", "result.json"},
        SaveSignCase{"png_added_to_the_name", {"result"}, "result.png", "result.json"},
        SaveSignCase{
            "latest_of_two_saves", {"first.png", "second.png"}, "second.png", "second.json"},
        SaveSignCase{"failed_save", {"missing/result.png"}, "", ""},
        SaveSignCase{"failed_save_after_a_save", {"result.png", "missing/result.png"}, "", ""}),
    [](const auto& param) { return std::string(param.param.name); });

} // namespace
} // namespace quorvel::testing
