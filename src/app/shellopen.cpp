#include "app/shellopen.h"

#include "app/criticalmessage.h"
#include "app/documentfolders.h"

#include <QCoreApplication>
#include <QProcess>
#include <utility>

namespace quorvel {
namespace {

ShellNotice& Notice() {
    static ShellNotice notice = ShowCriticalMessage;
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
    const auto cannotOpen = [name] {
        Notice()(name, QStringLiteral("'%1' を開くアプリケーションがありません。").arg(name));
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
    const QString path = FindDocument(name, DocumentFolders());
    if (path.isEmpty()) {
        Notice()(name, QStringLiteral("'%1' が見つかりません。名前を確かめてください。").arg(name));
        return;
    }
    StartOpener(name, path);
}

void SetShellNotice(ShellNotice notice) {
    Notice() = notice ? std::move(notice) : ShowCriticalMessage;
}

} // namespace quorvel
