#include "readmetest.h"

#include "app/shellopen.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

namespace quorvel::testing {
namespace {

constexpr int waitLimitMs = 10000;
constexpr int waitStepMs = 10;

QList<QProcess*> Openers() {
    return QCoreApplication::instance()->findChildren<QProcess*>(Qt::FindDirectChildrenOnly);
}

} // namespace

FakeOpener::FakeOpener(const char* body) : path_(qgetenv("PATH")) {
    const QString script = folder_.filePath(QStringLiteral("xdg-open"));
    if (body == nullptr) {
        qputenv("PATH", QFile::encodeName(folder_.path()));
        return;
    }
    QFile file(script);
    if (!file.open(QIODevice::WriteOnly)) {
        ADD_FAILURE() << "cannot write " << script.toStdString();
        return;
    }
    file.write("#!/bin/sh\ndir='" + QFile::encodeName(folder_.path()) + "'\n");
    file.write("printf '%s\\n' \"$@\" >>\"$dir/calls\"\n");
    file.write(body);
    file.write("\n");
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("PATH", QFile::encodeName(folder_.path()) + ':' + path_);
}

FakeOpener::~FakeOpener() {
    WaitForOpeners();
    qputenv("PATH", path_);
}

QStringList FakeOpener::Calls() const {
    QFile calls(folder_.filePath(QStringLiteral("calls")));
    if (!calls.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromLocal8Bit(calls.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void WaitForOpeners() {
    for (int waited = 0; !Openers().isEmpty(); waited += waitStepMs) {
        if (waited >= waitLimitMs) {
            ADD_FAILURE() << "the opener did not end";
            return;
        }
        QTest::qWait(waitStepMs);
    }
}

bool OpenerRunning() {
    for (const QProcess* opener : Openers()) {
        if (opener->state() != QProcess::NotRunning) {
            return true;
        }
    }
    return false;
}

void ReadMeCommand::SetUp() {
    MainWindowTest::SetUp();
    previous = QDir::currentPath();
    QDir::setCurrent(start.path());
    SetShellNotice([this](const QString& title, const QString& text, const QString& where) {
        notices.push_back({title, text, where});
    });
}

void ReadMeCommand::TearDown() {
    SetShellNotice({});
    QDir::setCurrent(previous);
    MainWindowTest::TearDown();
}

} // namespace quorvel::testing
