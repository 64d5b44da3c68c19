#include "app/application.h"
#include "app/errorreport.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    quorvel::Application application(argc, argv);
    application.SetUp();
    quorvel::SetFailureReporter([](const QString&, const QString& text) {
        ADD_FAILURE() << "unexpected error report: " << text.toStdString();
    });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
