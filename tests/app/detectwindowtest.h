#pragma once

#include "detect/modelfile.h"
#include "photowindowtest.h"

#include <QElapsedTimer>

namespace quorvel::testing {

// The longest time the window's thread went without handling a timer while a
// face detection ran, the last look (which applies the result) left out.
class StallMeter {
public:
    StallMeter();
    qint64 LongestMilliseconds() const { return longest_; }

private:
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 last_ = 0;
    qint64 longest_ = 0;
};

// Names the landmark model file while it lives.
class ModelFileVariable {
public:
    explicit ModelFileVariable(const char* value) { qputenv(kModelFileVariable, value); }
    ~ModelFileVariable() { qunsetenv(kModelFileVariable); }
    ModelFileVariable(const ModelFileVariable&) = delete;
    ModelFileVariable& operator=(const ModelFileVariable&) = delete;
};

// The main window with face detection on the installed landmark model, which
// the whole test program shares.
class DetectWindowTest : public PhotoWindowTest {
protected:
    void Open(const QString& picture);
    // The command Ctrl+D triggers.
    void Detect();
    // Until the busy cursor is gone: the detection has ended.
    void WaitForDetection();
};

} // namespace quorvel::testing
