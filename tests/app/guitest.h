#pragma once

#include "app/minform.h"

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace quorvel::testing {

struct Report {
    QString title;
    QString text;
};

// Collects error reports instead of showing a message box. Outside its
// lifetime an error report fails the running test.
class ReportLog {
public:
    ReportLog();
    ~ReportLog();
    ReportLog(const ReportLog&) = delete;
    ReportLog& operator=(const ReportLog&) = delete;

    std::vector<Report> reports;
};

template <typename Control> Control* Find(QObject* root, const char* name) {
    auto* control = root->findChild<Control*>(QString::fromLatin1(name));
    if (control == nullptr) {
        ADD_FAILURE() << "no control named " << name;
        throw std::runtime_error(name);
    }
    return control;
}

// While it lives, runs `answer` once on the first modal dialog that comes up.
// A dialog that never came up, or that the answer left open, fails the test.
class ModalAnswer {
public:
    explicit ModalAnswer(std::function<void(QWidget*)> answer);
    ~ModalAnswer();
    ModalAnswer(const ModalAnswer&) = delete;
    ModalAnswer& operator=(const ModalAnswer&) = delete;

private:
    QTimer timer_;
    bool answered_ = false;
};

// The main window, shown, with its fields in the "." decimal notation.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    template <typename Control> Control* Get(const char* name) {
        return Find<Control>(window.get(), name);
    }
    QString Text(const char* name);
    void SetText(const char* name, const char* text);
    void Click(const char* buttonName);
    void Trigger(const char* actionName);
    // Next at step 0 or the open command, confirming `path` in the dialog.
    void ConfirmInDialog(const std::function<void()>& command, const QString& path);
    void CancelDialog(const std::function<void()>& command);
    void Press(int x, int y, Qt::MouseButton button = Qt::LeftButton);
    // The view's picture as painted; null when it holds none.
    QImage Picture();
    // From the guidance line, which must be one of the ten texts exactly.
    int Step();

    ReportLog log;
    std::unique_ptr<TMainForm> window;
};

// The sample face photograph and a scratch directory for generated files.
QString SampleFace();
QString ScratchPath(const QString& name);
// A bitmap of one colour, written to the scratch directory; returns its path.
QString SolidBitmap(const char* name, QSize size, QColor colour);

} // namespace quorvel::testing
