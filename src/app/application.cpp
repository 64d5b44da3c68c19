#include "app/application.h"

#include "app/errorreport.h"
#include "app/formscale.h"
#include "app/programtitle.h"
#include "numtext/decimalseparator.h"

#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace quorvel {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

void Application::SetUp() {
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
