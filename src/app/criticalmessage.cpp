#include "app/criticalmessage.h"

#include <QMessageBox>

namespace quorvel {

void ShowCriticalMessage(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace quorvel
