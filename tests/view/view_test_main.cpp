#include "numtext/numtext.h"

#include <QApplication>
#include <gtest/gtest.h>

// The view is a widget: its tests need a widget application, which the
// offscreen platform gives without a display.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    quorvel::SetDecimalSeparator('.');
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
