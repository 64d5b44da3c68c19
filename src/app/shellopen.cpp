#include "app/shellopen.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>
#include <utility>

namespace quorvel {
namespace {

void ShowNotice(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok);
    box.exec();
}

ShellNotice& Notice() {
    static ShellNotice notice = ShowNotice;
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
    Notice() = std::move(notice);
}

} // namespace quorvel
