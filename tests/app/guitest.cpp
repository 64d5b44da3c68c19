#include "guitest.h"

#include "app/errorreport.h"
#include "numtext/decimalseparator.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace quorvel::testing {
namespace {

void UnexpectedReport(const QString& title, const QString& text) {
    ADD_FAILURE() << "unexpected error report: " << title.toStdString() << ": "
                  << text.toStdString();
}

const std::array<const char*, 10> guidance{
    "年齢を判定する顔のﾋﾞｯﾄﾏｯﾌﾟﾌｧｲﾙを選択してください",
    "顔の中央位置を選択してください（両目の中央をｸﾘｯｸ）",
    "顔の幅を選択してください（左耳か右耳近辺をｸﾘｯｸ）",
    "顔の上端を選択してください（つむじ近辺をｸﾘｯｸ）",
    "顔の下端を選択してください（あご近辺をｸﾘｯｸ）",
    "顔の輪郭形（上半分）を調節してください（ｽﾗｲﾀﾞで調節）",
    "顔の輪郭形（下半分）を調節してください（ｽﾗｲﾀﾞで調節）",
    "鼻の位置をｸﾘｯｸしてください（縦方向のみ有効）",
    "口の位置をｸﾘｯｸしてください（縦方向のみ有効）",
    "判定が終了しました",
};

} // namespace

ReportLog::ReportLog() {
    SetFailureReporter([this](const QString& title, const QString& text) {
        reports.push_back({title, text});
    });
}

ReportLog::~ReportLog() {
    SetFailureReporter(UnexpectedReport);
}

ModalAnswer::ModalAnswer(std::function<void(QWidget*)> answer) {
    QObject::connect(&timer_, &QTimer::timeout, [this, answer = std::move(answer)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal->isVisible()) {
            timer_.stop();
            answered_ = true;
            answer(modal);
            // An answer cut short by a failed assertion must not hang the test.
            if (auto* dialog = qobject_cast<QDialog*>(modal);
                dialog != nullptr && dialog->isVisible()) {
                ADD_FAILURE() << "the answer left the dialog open";
                dialog->reject();
            }
        }
    });
    timer_.start(5);
}

ModalAnswer::~ModalAnswer() {
    if (!answered_) {
        ADD_FAILURE() << "no modal dialog came up";
    }
}

void MainWindowTest::SetUp() {
    SetDecimalSeparator('.');
    SetProgramTitle(QStringLiteral("Quorvel"));
    window = std::make_unique<TMainForm>();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
}

void MainWindowTest::TearDown() {
    window.reset();
    QApplication::processEvents();
}

QString MainWindowTest::Text(const char* name) {
    QObject* control = Find<QObject>(window.get(), name);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        return edit->text();
    }
    if (auto* label = qobject_cast<QLabel*>(control)) {
        return label->text();
    }
    ADD_FAILURE() << name << " has no text";
    return {};
}

void MainWindowTest::SetText(const char* name, const char* text) {
    Get<QLineEdit>(name)->setText(QString::fromUtf8(text));
}

void MainWindowTest::Click(const char* buttonName) {
    QTest::mouseClick(Get<QPushButton>(buttonName), Qt::LeftButton);
}

void MainWindowTest::Trigger(const char* actionName) {
    Get<QAction>(actionName)->trigger();
}

void MainWindowTest::ConfirmInDialog(const std::function<void()>& command, const QString& path) {
    const ModalAnswer answer([path](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->selectFile(path);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    command();
}

void MainWindowTest::CancelDialog(const std::function<void()>& command) {
    const ModalAnswer answer([](QWidget* modal) {
        ASSERT_NE(qobject_cast<QFileDialog*>(modal), nullptr);
        qobject_cast<QDialog*>(modal)->reject();
    });
    command();
}

void MainWindowTest::Press(int x, int y, Qt::MouseButton button) {
    auto* image = Get<QWidget>("Image");
    QTest::mousePress(image, button, {}, QPoint(x, y));
    QTest::mouseRelease(image, button, {}, QPoint(x, y));
}

QImage MainWindowTest::Picture() {
    const quorvel::Picture* picture = Get<PictureView>("Image")->CurrentPicture();
    return picture != nullptr ? picture->Image() : QImage();
}

int MainWindowTest::Step() {
    const QString text = Text("WizText");
    for (std::size_t step = 0; step < guidance.size(); ++step) {
        if (text == QString::fromUtf8(guidance[step])) {
            return static_cast<int>(step);
        }
    }
    ADD_FAILURE() << "unknown guidance " << text.toStdString();
    return -1;
}

QString SampleFace() {
    return QStringLiteral(QUORVEL_SAMPLE_FACE);
}

QString ScratchPath(const QString& name) {
    static QTemporaryDir scratch;
    return scratch.filePath(name);
}

QString SolidBitmap(const char* name, QSize size, QColor colour) {
    const QString path = ScratchPath(QString::fromLatin1(name));
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    image.save(path, "BMP");
    return path;
}

} // namespace quorvel::testing
