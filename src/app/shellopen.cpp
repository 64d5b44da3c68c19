#include "app/shellopen.h"

#include "app/criticalmessage.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <utility>

namespace quorvel {
namespace {

ShellNotice& Notice() {
    static ShellNotice notice = ShowCriticalMessage;
    return notice;
}

} // namespace

void OpenDocument(const QString& name) {
    const QFileInfo document(QDir::current(), name);
    if (!document.exists()) {
        Notice()(name, QStringLiteral("'%1' が見つかりません。名前を確かめてください。").arg(name));
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(document.absoluteFilePath()))) {
        Notice()(name, QStringLiteral("'%1' を開くアプリケーションがありません。").arg(name));
    }
}

void SetShellNotice(ShellNotice notice) {
    Notice() = notice ? std::move(notice) : ShowCriticalMessage;
}

} // namespace quorvel
