#include "app/verdiag.h"

#include "app/programversion.h"
#include "app/widgets/formscale.h"
#include "app/widgets/namedcontrols.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <string>

namespace quorvel {
TVersionDialog::TVersionDialog(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
    setFont(FormFont());
    const FormScale scale(font());

    Button1 = Named(new QPushButton(QStringLiteral("OK"), this), "Button1");
    Button1->setGeometry(scale.Rect(316, 40, 57, 25));
    Image1 = Named(new QLabel(this), "Image1");
    Image1->setPixmap(QPixmap(QStringLiteral(":/MAINICON")));
    Image1->move(scale.Point(20, 28));
    Image1->adjustSize();
    const std::string product = std::string("Quorvella Ver ") + kProgramVersion;
    Label1 = MakeLabel(this, "Label1", product.c_str(), scale.Point(72, 20));
    Label2 = MakeLabel(this, "Label2", "作者: Quorvel 開発チーム", scale.Point(72, 48));

    Button1->setFocus();
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(Button1); });

    setFixedSize(scale.Rect(0, 0, 386, 88).size());
}

// Centred with its frame, which is known once the dialog is about to show.
void TVersionDialog::showEvent(QShowEvent* event) {
    const QRect area = screen()->geometry();
    const QSize outer = frameGeometry().size();
    move(area.left() + std::max((area.width() - outer.width()) / 2, 0),
         area.top() + std::max((area.height() - outer.height()) / 2, 0));
    QDialog::showEvent(event);
}

void TVersionDialog::Button1Click(QObject*) {
    reject();
}

void TVersionDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        return; // Esc does not close this dialog
    }
    QDialog::keyPressEvent(event);
}

} // namespace quorvel
