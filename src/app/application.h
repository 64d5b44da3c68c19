#pragma once

#include <QApplication>

namespace quorvel {

// The program's application object: the last net for failures that escape an
// event handler, and the listener for locale changes.
class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);

    // Title from the executable's name, icon, Japanese texts of Qt's own
    // dialogs and the window font.
    void SetUp();

    bool notify(QObject* receiver, QEvent* event) override;

protected:
    bool event(QEvent* event) override;
};

} // namespace quorvel
