#include "numtext/numtext.h"

#include <clocale>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace quorvel {
namespace {

// Sets LC_ALL in the environment for one test and puts it back afterwards.
class UserLocale : public testing::Test {
protected:
    void SetUp() override {
        const char* old = std::getenv("LC_ALL");
        hadOld_ = old != nullptr;
        if (hadOld_) {
            old_ = old;
        }
    }
    void TearDown() override {
        if (hadOld_) {
            setenv("LC_ALL", old_.c_str(), 1);
        } else {
            unsetenv("LC_ALL");
        }
        std::setlocale(LC_ALL, "C");
        SetDecimalSeparator('.');
    }

private:
    bool hadOld_ = false;
    std::string old_;
};

TEST_F(UserLocale, CommaLocaleGivesCommaWithoutChangingProcessLocale) {
    setenv("LC_ALL", "de_DE.UTF-8", 1);
    const std::string before = std::setlocale(LC_NUMERIC, nullptr);
    RefreshDecimalSeparator();
    EXPECT_EQ(DecimalSeparator(), ',');
    EXPECT_EQ(std::string(std::setlocale(LC_NUMERIC, nullptr)), before);
}

TEST_F(UserLocale, UnreadableLocaleGivesFullStop) {
    SetDecimalSeparator(',');
    setenv("LC_ALL", "xx_NOWHERE.bogus", 1);
    RefreshDecimalSeparator();
    EXPECT_EQ(DecimalSeparator(), '.');
}

TEST_F(UserLocale, CLocaleGivesFullStop) {
    SetDecimalSeparator(',');
    setenv("LC_ALL", "C", 1);
    RefreshDecimalSeparator();
    EXPECT_EQ(DecimalSeparator(), '.');
}

// What QCoreApplication does at start-up must not leak into the conversions.
TEST_F(UserLocale, ProcessLocaleWithCommaDoesNotAffectConversions) {
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "de_DE.UTF-8 not installed";
    SetDecimalSeparator('.');
    EXPECT_EQ(ParseDouble("1.5"), 1.5);
    EXPECT_EQ(FormatDouble(1.5), "1.5");
    EXPECT_THROW(ParseDouble("1,5"), NumberTextError);
}

TEST_F(UserLocale, SeparatorChangeRefusesTextsWrittenWithTheOldOne) {
    SetDecimalSeparator('.');
    const std::string written = FormatDouble(1.2);
    SetDecimalSeparator(',');
    EXPECT_THROW(ParseDouble(written), NumberTextError);
    EXPECT_EQ(ParseDouble("1,2"), 1.2);
    EXPECT_EQ(ParseDouble(",5"), 0.5);
    EXPECT_EQ(FormatDouble(1.2), "1,2");
}

} // namespace
} // namespace quorvel
