#include "app/replacequestion.h"

#include "app/errorreport.h"
#include "app/resultmessages.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QStringList>

namespace quorvel {

bool ConfirmReplacing(QWidget* parent, const ResultPaths& paths) {
    QStringList taken;
    for (const QString& name : {paths.image, paths.record}) {
        const QFileInfo info(name);
        if (info.isSymLink() || (info.exists() && !info.isDir())) {
            taken << info.fileName();
        }
    }
    if (taken.isEmpty()) {
        return true;
    }
    QMessageBox box(
        QMessageBox::Question, ProgramTitle(),
        QString::fromUtf8(kReplaceQuestion).arg(taken.join(QString::fromUtf8(kReplacedNamesJoint))),
        QMessageBox::Yes | QMessageBox::No, parent);
    box.setTextFormat(Qt::PlainText); // file names may look like markup
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

} // namespace quorvel
