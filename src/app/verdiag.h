#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace quorvel {

// The version dialog: the program icon, the product name with its version and
// the maker. Fixed size, no buttons in its title bar, centred on the screen;
// Enter or the space bar presses OK, Esc does nothing.
class TVersionDialog : public QDialog {
    Q_OBJECT
public:
    explicit TVersionDialog(QWidget* owner);

    void Button1Click(QObject* Sender);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QPushButton* Button1;
    QLabel* Image1;
    QLabel* Label1;
    QLabel* Label2;
};

} // namespace quorvel
