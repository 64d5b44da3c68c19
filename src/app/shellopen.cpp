#include "app/shellopen.h"

#include "app/criticalmessage.h"
#include "app/documentfolders.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStringList>
#include <utility>

namespace quorvel {
namespace {

void ShowNotice(const QString& title, const QString& text, const QString& where) {
    ShowCriticalMessage(title, text + QStringLiteral("\n\n") + where);
}

ShellNotice& Notice() {
    static ShellNotice notice = ShowNotice;
    return notice;
}

// xdg-open reports through its exit status whether a viewer took the
// document; it may also wait until the viewer closes. It writes where the
// program writes (no pipe a viewer could fill), and the application object
// owns it: a program that ends first ends xdg-open, not the viewer.
void StartOpener(const QString& name, const QString& path) {
    auto* opener = new QProcess(QCoreApplication::instance());
    opener->setProcessChannelMode(QProcess::ForwardedChannels);
    opener->setStandardInputFile(QProcess::nullDevice());
    const auto cannotOpen = [name, path] {
        Notice()(name, QStringLiteral("'%1' を開くアプリケーションがありません。").arg(name),
                 QStringLiteral("場所: %1").arg(path));
    };
    QObject::connect(opener, &QProcess::errorOccurred, opener,
                     [opener, cannotOpen](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart) {
                             opener->deleteLater();
                             cannotOpen();
                         }
                     });
    QObject::connect(opener, &QProcess::finished, opener,
                     [opener, cannotOpen](int status, QProcess::ExitStatus exit) {
                         opener->deleteLater();
                         if (exit != QProcess::NormalExit || status != 0) {
                             cannotOpen();
                         }
                     });
    opener->start(QStringLiteral("xdg-open"), {path});
}

} // namespace

void OpenDocument(const QString& name) {
    const QStringList folders = DocumentFolders();
    const QString path = FindDocument(name, folders);
    if (path.isEmpty()) {
        Notice()(name, QStringLiteral("'%1' が見つかりません。名前を確かめてください。").arg(name),
                 QStringLiteral("探した場所:\n%1").arg(folders.join(QLatin1Char('\n'))));
        return;
    }
    StartOpener(name, path);
}

void SetShellNotice(ShellNotice notice) {
    Notice() = notice ? std::move(notice) : ShowNotice;
}

} // namespace quorvel
