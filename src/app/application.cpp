#include "app/application.h"

#include "app/errorreport.h"
#include "app/programtitle.h"
#include "app/widgets/formscale.h"
#include "numtext/decimalseparator.h"

#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

namespace quorvel {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

void Application::SetUp() {
    // The program keeps no settings and writes no files, but Qt's file dialog
    // would remember its folders and layout in a settings file and read them
    // back next time. Settings paths under /dev/null can be neither read nor
    // created, even by root.
    for (const QSettings::Scope scope : {QSettings::UserScope, QSettings::SystemScope}) {
        QSettings::setPath(QSettings::NativeFormat, scope, QStringLiteral("/dev/null/settings"));
        QSettings::setPath(QSettings::IniFormat, scope, QStringLiteral("/dev/null/settings"));
    }
    const QString title = ProgramTitleFromPath(applicationFilePath());
    SetProgramTitle(title);
    setApplicationName(title);
    setWindowIcon(QIcon(QStringLiteral(":/MAINICON")));

    auto* translator = new QTranslator(this);
    if (translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        installTranslator(translator);
    }
    setFont(FormFont());
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& failure) {
        ReportFailure(failure);
        return false;
    }
}

bool Application::event(QEvent* event) {
    if (event->type() == QEvent::LocaleChange) {
        RefreshDecimalSeparator();
    }
    return QApplication::event(event);
}

} // namespace quorvel
