#include "detectwindowtest.h"

#include <QAction>
#include <QTest>

namespace quorvel::testing {
namespace {

constexpr int kBeatMilliseconds = 5;
// Loading the model takes seconds on a busy machine.
constexpr int kDetectionTimeoutMilliseconds = 120000;

} // namespace

StallMeter::StallMeter() {
    clock_.start();
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        const qint64 now = clock_.elapsed();
        if (QApplication::overrideCursor() != nullptr) {
            longest_ = std::max(longest_, now - last_);
        }
        last_ = now;
    });
    timer_.start(kBeatMilliseconds);
}

void DetectWindowTest::Open(const QString& picture) {
    ConfirmInDialog([this] { Trigger("OpenBitmapItem"); }, picture);
}

void DetectWindowTest::Detect() {
    auto* item = Get<QAction>("DetectFaceItem");
    ASSERT_TRUE(item->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_D)));
    item->trigger();
}

void DetectWindowTest::WaitForDetection() {
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::overrideCursor() == nullptr; },
                                kDetectionTimeoutMilliseconds));
}

} // namespace quorvel::testing
