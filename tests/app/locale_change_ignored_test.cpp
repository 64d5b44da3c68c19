// A locale change reported by Qt re-reads the decimal separator.
#include "numtext/decimalseparator.h"

#include <QApplication>
#include <QEvent>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace quorvel {
namespace {

TEST(LocaleChange, RereadsTheDecimalSeparator) {
    const char* previous = std::getenv("LC_ALL");
    const std::string saved = previous != nullptr ? previous : "";
    SetDecimalSeparator('.');
    setenv("LC_ALL", "de_DE.UTF-8", 1);
    QEvent change(QEvent::LocaleChange);
    QApplication::sendEvent(qApp, &change);
    const char separator = DecimalSeparator();
    if (previous != nullptr) {
        setenv("LC_ALL", saved.c_str(), 1);
    } else {
        unsetenv("LC_ALL");
    }
    SetDecimalSeparator('.');
    EXPECT_EQ(separator, ',');
}

} // namespace
} // namespace quorvel
