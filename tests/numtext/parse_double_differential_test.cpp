// ParseDouble against an independent reference over generated texts: the
// grammar is re-checked by a regular expression plus the exponent's 500 rule,
// and the value comes from strtod in the C locale on a normalised copy.
#include "numtext/numtext.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <locale.h>
#include <optional>
#include <random>
#include <regex>
#include <string>

namespace quorvel {
namespace {

enum class Outcome { Value, Refused, Overflow };

struct Expected {
    Outcome outcome;
    double value = 0.0;
};

// Exponent digits are taken while the exponent read so far is below 500: the
// text is whole only if no proper prefix of the digits reaches 500.
bool ExponentDigitsAllTaken(const std::string& digits) {
    long value = 0;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (value >= 500) {
            return false;
        }
        value = value * 10 + (digits[i] - '0');
    }
    return true;
}

std::regex Grammar(char separator) {
    const std::string sep = std::string("\\") + separator;
    return std::regex("^ *([+-]?)([0-9]*)(" + sep + "([0-9]*))?([eE]([+-]?)([0-9]*))? *$");
}

Expected Reference(const std::string& text, const std::regex& grammar, locale_t cLocale) {
    std::smatch m;
    if (!std::regex_match(text, m, grammar)) {
        return {Outcome::Refused};
    }
    if (m[2].length() == 0 && !m[3].matched) {
        return {Outcome::Refused};
    }
    if (m[5].matched && !ExponentDigitsAllTaken(m[7].str())) {
        return {Outcome::Refused};
    }
    const std::string normal = m[1].str() + "0" + m[2].str() + "." + m[4].str() + "0e" +
                               m[6].str() + (m[7].length() ? m[7].str() : "0");
    errno = 0;
    const double value = strtod_l(normal.c_str(), nullptr, cLocale);
    if (std::isinf(value)) {
        return {Outcome::Overflow};
    }
    return {Outcome::Value, value};
}

Expected Actual(const std::string& text) {
    try {
        return {Outcome::Value, ParseDouble(text)};
    } catch (const NumberTextError&) {
        return {Outcome::Refused};
    } catch (const ArithmeticFault& fault) {
        EXPECT_EQ(fault.Kind(), FaultKind::Overflow);
        return {Outcome::Overflow};
    }
}

class TextGenerator {
public:
    TextGenerator(unsigned seed, char separator) : random_(seed), separator_(separator) {}

    std::string Next() { return Pick(4) == 0 ? Junk() : NearlyWellFormed(); }

private:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    std::string Digits(int maxCount) {
        std::string s;
        const int count = Pick(maxCount + 1);
        for (int i = 0; i < count; ++i) {
            s += static_cast<char>('0' + Pick(10));
        }
        return s;
    }

    std::string Exponent() {
        static const char* const near500[] = {"499", "500", "0500", "4999", "5000", "49",   "4990",
                                              "308", "309", "324",  "330",  "1000", "00499"};
        switch (Pick(4)) {
        case 0:
            return near500[Pick(static_cast<int>(std::size(near500)))];
        case 1:
            return std::to_string(280 + Pick(60));
        default:
            return Digits(4);
        }
    }

    std::string NearlyWellFormed() {
        std::string s(static_cast<std::size_t>(Pick(3)), ' ');
        const char* const signs[] = {"", "", "+", "-"};
        s += signs[Pick(4)];
        const int shape = Pick(3);
        if (shape == 0) {
            s += Digits(25);
        } else if (shape == 1) {
            s += Digits(20) + separator_ + Digits(20);
        } else {
            s += std::string(static_cast<std::size_t>(Pick(40)), '0') + separator_ +
                 std::string(static_cast<std::size_t>(Pick(330)), '0') + Digits(18);
        }
        if (Pick(2) == 0) {
            s += Pick(2) ? 'e' : 'E';
            s += signs[Pick(4)];
            s += Exponent();
        }
        s += std::string(static_cast<std::size_t>(Pick(3)), ' ');
        if (Pick(8) == 0) {
            Mutate(s);
        }
        return s;
    }

    // One character replaced, inserted or removed.
    void Mutate(std::string& s) {
        static const std::string alphabet = "0123456789+-eE ., $x\t\xEF\xBC\x91";
        const char c = alphabet[static_cast<std::size_t>(Pick(static_cast<int>(alphabet.size())))];
        const auto at = static_cast<std::size_t>(Pick(static_cast<int>(s.size()) + 1));
        switch (Pick(3)) {
        case 0:
            s.insert(at, 1, c);
            break;
        case 1:
            if (at < s.size()) {
                s[at] = c;
            }
            break;
        default:
            if (at < s.size()) {
                s.erase(at, 1);
            }
            break;
        }
    }

    std::string Junk() {
        static const std::string alphabet = "0123456789+-eE .,x$\t";
        std::string s;
        const int length = Pick(12);
        for (int i = 0; i < length; ++i) {
            s += alphabet[static_cast<std::size_t>(Pick(static_cast<int>(alphabet.size())))];
        }
        return s;
    }

    std::mt19937 random_;
    char separator_;
};

void RunDifferential(char separator, unsigned seed, int cases) {
    SetDecimalSeparator(separator);
    locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    ASSERT_NE(cLocale, static_cast<locale_t>(nullptr));
    const std::regex grammar = Grammar(separator);
    TextGenerator generator(seed, separator);
    int mismatches = 0;
    for (int i = 0; i < cases && mismatches < 10; ++i) {
        const std::string text = generator.Next();
        const Expected expected = Reference(text, grammar, cLocale);
        const Expected actual = Actual(text);
        const bool same = expected.outcome == actual.outcome &&
                          (expected.outcome != Outcome::Value ||
                           (expected.value == actual.value &&
                            std::signbit(expected.value) == std::signbit(actual.value)));
        if (!same) {
            ++mismatches;
            ADD_FAILURE() << "text '" << text << "': expected outcome "
                          << static_cast<int>(expected.outcome) << " value " << expected.value
                          << ", got " << static_cast<int>(actual.outcome) << " value "
                          << actual.value;
        }
    }
    freelocale(cLocale);
    SetDecimalSeparator('.');
}

TEST(ParseDoubleDifferential, FullStopSeparatorAgreesWithStrtod) {
    RunDifferential('.', 20261209, 100000);
}

TEST(ParseDoubleDifferential, CommaSeparatorAgreesWithStrtod) {
    RunDifferential(',', 4242, 30000);
}

} // namespace
} // namespace quorvel
