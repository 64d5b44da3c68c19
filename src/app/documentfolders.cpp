#include "app/documentfolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace quorvel {

QStringList DocumentFolders() {
    return {QDir::currentPath(), QCoreApplication::applicationDirPath(),
            QStringLiteral(QUORVEL_DOC_DIR)};
}

QString FindDocument(const QString& name, const QStringList& folders) {
    for (const QString& folder : folders) {
        const QFileInfo document(QDir(folder), name);
        if (document.isFile()) {
            return document.absoluteFilePath();
        }
    }
    return {};
}

} // namespace quorvel
