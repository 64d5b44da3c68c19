// A refused number text is quoted in full up to 200 characters and cut with
// "…" beyond, never on a multi-byte character: a field of megabytes would
// otherwise make the message box lay out all of it.
#include "numtext/numtext.h"

#include <gtest/gtest.h>
#include <string>

namespace quorvel {
namespace {

// The text is `piece` repeated; built in the test, not at start-up.
struct QuoteCase {
    const char* name;
    const char* piece;
    std::size_t times;
    std::size_t quotedTimes;
    bool cut;
};

std::string Repeated(const std::string& piece, std::size_t times) {
    std::string text;
    text.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

class LongTextMessageFreezes : public ::testing::TestWithParam<QuoteCase> {};

TEST_P(LongTextMessageFreezes, MessagesQuoteAtMostTwoHundredCharacters) {
    const QuoteCase& c = GetParam();
    const std::string text = Repeated(c.piece, c.times);
    const std::string quoted = Repeated(c.piece, c.quotedTimes) + (c.cut ? "…" : "");
    try {
        ParseDouble(text);
        ADD_FAILURE() << "parsed";
    } catch (const NumberTextError& error) {
        EXPECT_EQ(error.what(), "'" + quoted + "' は浮動小数点数ではありません");
    }
    try {
        ParseInt(text);
        ADD_FAILURE() << "parsed";
    } catch (const NumberTextError& error) {
        EXPECT_EQ(error.what(), "'" + quoted + "' は数値ではありません");
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, LongTextMessageFreezes,
                         ::testing::Values(QuoteCase{"ShortTextWhole", " a b ", 1, 1, false},
                                           QuoteCase{"TwoHundredWhole", "x", 200, 200, false},
                                           QuoteCase{"TwentyMegabytesCut", "y", 20'000'000, 200,
                                                     true},
                                           QuoteCase{"CutBetweenCharacters", "ｱ", 201, 200, true}),
                         [](const auto& param) { return std::string(param.param.name); });

} // namespace
} // namespace quorvel
