#include "app/errorreport.h"

#include "numtext/failure.h"
#include "numtext/floatsettings.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QWidget>
#include <utility>

namespace quorvel {
namespace {

QString& Title() {
    static QString title;
    return title;
}

void ShowMessageBox(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText); // typed texts and file names may look like markup
    box.exec();
}

FailureReporter& Reporter() {
    static FailureReporter reporter = ShowMessageBox;
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
    Reporter() = reporter ? std::move(reporter) : ShowMessageBox;
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
