#include "app/informationmessage.h"

#include "app/errorreport.h"

#include <QMessageBox>

namespace quorvel {

void ShowInformationMessage(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Information, ProgramTitle(), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace quorvel
