#include "app/errorreport.h"

#include "app/criticalmessage.h"
#include "numtext/failure.h"
#include "numtext/floatsettings.h"

#include <QCoreApplication>
#include <QWidget>
#include <utility>

namespace quorvel {
namespace {

QString& Title() {
    static QString title;
    return title;
}

FailureReporter& Reporter() {
    static FailureReporter reporter = ShowCriticalMessage;
    return reporter;
}

} // namespace

void SetProgramTitle(const QString& title) {
    Title() = title;
}

QString ProgramTitle() {
    return Title();
}

std::string WithFullStop(const std::string& message) {
    if (message.empty()) {
        return message;
    }
    std::size_t last = message.size() - 1;
    while (last > 0 && (static_cast<unsigned char>(message[last]) & 0xC0) == 0x80) {
        --last; // a UTF-8 continuation byte
    }
    if (static_cast<unsigned char>(message[last]) > '.') {
        return message + ".";
    }
    return message;
}

void SetFailureReporter(FailureReporter reporter) {
    Reporter() = reporter ? std::move(reporter) : ShowCriticalMessage;
}

void ReportFailure(const std::exception& failure) {
    if (dynamic_cast<const ArithmeticFault*>(&failure) != nullptr) {
        ResetFloatSettings();
    }
    if (QWidget* grabber = QWidget::mouseGrabber()) {
        grabber->releaseMouse();
        QEvent lost(QEvent::UngrabMouse); // lets the holder end what the press began
        QCoreApplication::sendEvent(grabber, &lost);
    }
    Reporter()(ProgramTitle(), QString::fromUtf8(WithFullStop(failure.what())));
}

} // namespace quorvel
