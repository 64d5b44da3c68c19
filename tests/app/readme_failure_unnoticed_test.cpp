// When no viewer takes the read-me, the user is told: the command waits for
// the opener's result without stopping the window, and shows one notice when
// the opener cannot start or ends with a failure.
#include "readmetest.h"

#include <QDir>
#include <QFile>

namespace quorvel::testing {
namespace {

struct OpenerCase {
    const char* name;
    const char* body; // of the stand-in xdg-open; null: there is none
    std::size_t notices;
};

class ReadMeOpener : public ReadMeCommand, public ::testing::WithParamInterface<OpenerCase> {
protected:
    void SetUp() override {
        ReadMeCommand::SetUp();
        QFile document(QDir::current().filePath(QStringLiteral("Quorvel.txt")));
        ASSERT_TRUE(document.open(QIODevice::WriteOnly));
    }
};

TEST_P(ReadMeOpener, NoticeOnlyWhenTheOpenerFails) {
    const FakeOpener opener(GetParam().body);
    Trigger("ReadMeItem");
    WaitForOpeners();
    ASSERT_EQ(notices.size(), GetParam().notices);
    if (!notices.empty()) {
        EXPECT_EQ(notices[0].title, "Quorvel.txt");
        EXPECT_EQ(notices[0].text.toStdString(),
                  "'Quorvel.txt' を開くアプリケーションがありません。");
    }
    EXPECT_TRUE(log.reports.empty()) << "not an error report";
}

INSTANTIATE_TEST_SUITE_P(Openers, ReadMeOpener,
                         ::testing::Values(OpenerCase{"a_viewer_took_it", "exit 0", 0},
                                           OpenerCase{"no_viewer_for_the_document", "exit 3", 1},
                                           OpenerCase{"the_viewer_failed", "exit 4", 1},
                                           OpenerCase{"the_opener_was_killed", "kill -9 $$", 1},
                                           OpenerCase{"no_opener_installed", nullptr, 1}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(ReadMeOpener, WindowGoesOnWhileTheOpenerRuns) {
    // The opener ends only when the test, from the event loop, lets it.
    const FakeOpener opener("while [ ! -e \"$dir/go\" ]; do sleep 0.01; done; exit 4");
    Trigger("ReadMeItem");
    EXPECT_TRUE(OpenerRunning()) << "the command returned before the opener ended";
    EXPECT_TRUE(notices.empty());
    QFile go(QDir(opener.Folder()).filePath(QStringLiteral("go")));
    ASSERT_TRUE(go.open(QIODevice::WriteOnly));
    WaitForOpeners();
    EXPECT_EQ(notices.size(), 1u);
}

} // namespace
} // namespace quorvel::testing
