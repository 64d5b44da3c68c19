// A long random walk through the main window with a fixed seed: presses
// anywhere in the picture area at any zoom, Next, Back, Judge, slider keys and
// clicks, texts typed into every field, good, damaged and missing files,
// zooming by menu and by Ctrl + wheel, the version dialog. After every action
// the window must be alive, every failure must have been reported once, field
// texts may have changed only by the documented rules, and the step, guidance,
// buttons and slider must agree.
#include "app/widgets/notifyingslider.h"
#include "guitest.h"
#include "view/pictureview.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <QWheelEvent>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <set>

namespace quorvel::testing {
namespace {

constexpr int actionCount = 5000;
constexpr std::uint32_t seed = 20240611;

// Fields by row, EditCX to EditX; the first nine are the model's inputs.
enum Row { CX, CY, R, H, MO, E, NH, MH, A, Y, X, rowCount };
constexpr int inputCount = 9;
const std::array<const char*, rowCount> editNames{"EditCX", "EditCY", "EditR",  "EditH",
                                                  "EditMO", "EditE",  "EditNH", "EditMH",
                                                  "EditA",  "EditY",  "EditX"};
bool IsIntegerRow(int row) {
    return row <= R;
}

// What a text means to the number rules while "." is the decimal separator.
struct Meaning {
    bool integer = true; // read by the integer rule
    bool real = true;    // read by the floating-point rule (without overflow)
    double value = 0;    // when real
};

struct Typed {
    QString text;
    Meaning meaning;
};

// Roughly the value the floating-point rule reads from a text it accepts
// (from_chars: independent of the process's locale).
double Value(const QString& text) {
    const QByteArray bytes = text.trimmed().toLatin1();
    const char* first = bytes.constData();
    const char* last = first + bytes.size();
    if (first != last && *first == '+') {
        ++first;
    }
    double value = 0;
    std::from_chars(first, last, value);
    return value;
}

Typed Plain(const QString& text, bool integer, bool real) {
    return {text, {integer, real, real ? Value(text) : 0}};
}

// Texts of known meaning: edges of the number rules and junk.
const std::vector<Typed>& EdgeTexts() {
    static const std::vector<Typed> texts{
        Plain("", false, false),
        Plain(" ", false, false),
        Plain("abc", false, false),
        Plain("1,5", false, false), // the other decimal separator
        Plain("1.2.3", false, false),
        Plain("- 5", false, false),
        Plain("-$5", false, false),
        Plain("1 2", false, false),
        Plain("inf", false, false),
        Plain("nan", false, false),
        Plain("1e400", false, false), // beyond the double range
        Plain("-1e400", false, false),
        Plain("1e99999", false, false),
        Plain(QString(400, QLatin1Char('7')), false, false),
        Plain("2147483647", true, true),
        Plain("-2147483647", true, true),
        Plain("-2147483648", false, true),
        Plain("2147483648", false, true),
        Plain("99999999999", false, true),
        Plain("0000000000000000000001", true, true),
        Plain("$7FFFFFFF", true, false),
        Plain("$80000000", true, false),
        Plain("$000000000FF", true, false),
        Plain("0x1F", true, false),
        Plain("+7", true, true),
        Plain("  -12", true, true),
        Plain("007", true, true),
        Plain("-0", true, true),
        Plain("42 ", false, true),
        Plain(".5", false, true),
        Plain("5.", false, true),
        Plain(".", false, true),
        Plain("1e3", false, true),
        Plain("1e", false, true),
        Plain("1E+5", false, true),
        Plain("1e-400", false, true),
        Plain("1e308", false, true),
        Plain("-1.7976931348623157e308", false, true),
        Plain("0." + QString(300, QLatin1Char('0')) + "1", false, true),
        {QStringLiteral("１２"), {false, false, 0}},
        {QStringLiteral("\t1"), {false, false, 0}},
    };
    return texts;
}

class Random {
public:
    explicit Random(std::uint32_t s) : engine_(s) {}
    int Below(int n) { return static_cast<int>(engine_() % static_cast<std::uint32_t>(n)); }
    int Between(int low, int high) { return low + Below(high - low + 1); }
    bool Chance(int percent) { return Below(100) < percent; }

private:
    std::mt19937 engine_;
};

// Texts to type: mostly values a user would give the row, sometimes edges of
// the number rules, random numbers of every size and junk.
class TextMaker {
public:
    explicit TextMaker(Random& random) : random_(random) {}

    Typed For(int row) {
        const int kind = random_.Below(100);
        if (kind < 90) {
            return Sensible(row);
        }
        if (kind < 96) {
            return EdgeTexts()[static_cast<std::size_t>(
                random_.Below(static_cast<int>(EdgeTexts().size())))];
        }
        if (kind < 99) {
            return Number();
        }
        return Junk();
    }

private:
    Typed Sensible(int row) {
        static const std::array<std::pair<int, int>, rowCount> ranges{{{0, 600},
                                                                       {0, 600},
                                                                       {1, 300},
                                                                       {50, 200},
                                                                       {0, 30},
                                                                       {-10, 10},
                                                                       {5, 95},
                                                                       {5, 95},
                                                                       {-50, 50},
                                                                       {0, 100},
                                                                       {0, 100}}};
        const auto [low, high] = ranges[static_cast<std::size_t>(row)];
        const int n = random_.Between(low, high);
        if (IsIntegerRow(row)) {
            return Plain(QString::number(n), true, true);
        }
        // h in hundredths, mo and e in tenths, the rest in hundredths
        const double scale = row == MO || row == E ? 10.0 : 100.0;
        return Plain(QString::number(n / scale, 'f', scale == 10.0 ? 1 : 2), false, true);
    }

    Typed Number() {
        QString digits = QString::number(random_.Between(1, 9));
        const int length = random_.Between(0, 17);
        for (int i = 0; i < length; ++i) {
            digits += QString::number(random_.Below(10));
        }
        const QString sign = random_.Chance(30) ? QStringLiteral("-") : QString();
        switch (random_.Below(3)) {
        case 0: {
            const bool fits = std::strtoll(digits.toLatin1().constData(), nullptr, 10) <=
                              std::numeric_limits<std::int32_t>::max();
            return Plain(sign + digits, fits, true);
        }
        case 1:
            return Plain(sign + digits.left(3) + "." + digits.mid(3), false, true);
        default: {
            // Below 1e308 in magnitude, or far beyond it.
            const bool far = random_.Chance(20);
            const int exponent = far ? random_.Between(309, 450) : random_.Between(-330, 300);
            return Plain(sign + digits.left(1) + "." + digits.mid(1, 3) + "E" +
                             QString::number(exponent),
                         false, !far);
        }
        }
    }

    // No digit, separator, sign, blank, exponent letter or hexadecimal prefix:
    // never a number.
    Typed Junk() {
        static const QString letters =
            QStringLiteral("abcdfghijklmnopqrstuvwyz!#%&()*/:;<=>?@[]^_{|}~");
        QString text;
        const int length = random_.Between(1, 12);
        for (int i = 0; i < length; ++i) {
            text += letters[random_.Below(static_cast<int>(letters.size()))];
        }
        return Plain(text, false, false);
    }

    Random& random_;
};

enum class FileState { None, Good, Icon, Failing };
enum class Shown { Hidden, Visible, Unknown };

struct PictureFile {
    QString path;
    FileState state;
};

// What the window must show, kept from the documented rules alone.
struct Expected {
    int step = 0;
    std::array<Meaning, inputCount> meanings{
        Meaning{true, true, 0},    Meaning{true, true, 0},    Meaning{true, true, 100},
        Meaning{false, true, 1.2}, Meaning{false, true, 1.2}, Meaning{true, true, 0},
        Meaning{false, true, 0.3}, Meaning{false, true, 0.5}, Meaning{true, true, 0}};
    FileState file = FileState::None;
    Shown slider = Shown::Hidden;

    bool Readable(int row) const {
        const Meaning& m = meanings[static_cast<std::size_t>(row)];
        return IsIntegerRow(row) ? m.integer : m.real;
    }
    bool AnyUnreadable() const {
        for (int row = 0; row < inputCount; ++row) {
            if (!Readable(row)) {
                return true;
            }
        }
        return false;
    }
};

enum class ContourRead { Safe, Fails, Unknown };

// Entering step 5 or 6 reads mo or e and turns it into a slider position;
// beyond the 64-bit range (or past the double range) that faults.
ContourRead ReadContour(const Expected& expected, int step) {
    const Meaning& m = expected.meanings[step == 5 ? MO : E];
    if (!m.real) {
        return ContourRead::Fails;
    }
    const double position = std::abs(m.value) * 10.0 + 10.0;
    if (position < 1e15) {
        return ContourRead::Safe;
    }
    return position >= 1e19 ? ContourRead::Fails : ContourRead::Unknown;
}

// The text the slider writes for position p: mo = p / 10 at step 5, e =
// (p - 10) / 10 at step 6, at most one decimal.
QString SliderText(int step, int position) {
    const int tenths = step == 5 ? position : position - 10;
    const int whole = std::abs(tenths) / 10;
    const int fraction = std::abs(tenths) % 10;
    QString text = tenths < 0 ? QStringLiteral("-") : QString();
    text += QString::number(whole);
    if (fraction != 0) {
        text += "." + QString::number(fraction);
    }
    return text;
}

// The rows a press on the picture rewrites at each step: the centre with the
// press position, other rows by their landmark rules.
const std::array<std::set<int>, 10> pressRows{
    {{}, {CX, CY}, {R}, {H}, {H, A}, {CX, CY}, {CX, CY}, {NH}, {MH}, {CX, CY}}};

// What one action may do, stated before the checks.
struct Outcome {
    int runs = 0;          // handler runs; each may report once
    bool mustFail = false; // each run must report
    std::map<int, QString> exact;
    std::set<int> free; // rows the program may rewrite with any number
    bool judges = false;
    bool typing = false; // exact holds the typed text
    bool slider = false; // a move of the slider by the user
};

// A number the program wrote into a field, which it reads back.
Meaning Written(const QString& text) {
    return {true, true, Value(text)};
}

class RandomWalk : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        WriteFiles();
        slider = Get<NotifyingSlider>("TrackBar");
        view = Get<PictureView>("Image");
        QObject::connect(slider, &NotifyingSlider::Notified, [this] { ++notifications; });
        watchdog.setInterval(20);
        QObject::connect(&watchdog, &QTimer::timeout, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                ADD_FAILURE() << "unexpected modal window " << modal->metaObject()->className();
                modal->close();
            }
        });
        watchdog.start();
    }

    void WriteFiles() {
        QImage small(200, 150, QImage::Format_RGB32);
        small.fill(QColor(200, 180, 160));
        const QString good = ScratchPath("walk.bmp");
        ASSERT_TRUE(small.save(good, "BMP"));
        QImage icon(32, 32, QImage::Format_ARGB32);
        icon.fill(Qt::green);
        ASSERT_TRUE(icon.save(ScratchPath("walk.ico"), "ICO"));
        QFile source(good);
        ASSERT_TRUE(source.open(QIODevice::ReadOnly));
        const QByteArray bytes = source.readAll();
        const auto write = [](const QString& path, const QByteArray& content) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(content);
        };
        write(ScratchPath("short-pixels.bmp"), bytes.left(bytes.size() / 2)); // loads
        write(ScratchPath("short-header.bmp"), bytes.left(10));
        write(ScratchPath("junk.bmp"), "not a bitmap at all");
        write(ScratchPath("walk.jpg"), bytes);
        write(ScratchPath("walk"), bytes);
        files = {{good, FileState::Good},
                 {SampleFace(), FileState::Good},
                 {ScratchPath("short-pixels.bmp"), FileState::Good},
                 {ScratchPath("walk.ico"), FileState::Icon},
                 {ScratchPath("short-header.bmp"), FileState::Failing},
                 {ScratchPath("junk.bmp"), FileState::Failing},
                 {ScratchPath("walk.jpg"), FileState::Failing},
                 {ScratchPath("walk"), FileState::Failing},
                 {ScratchPath("missing.bmp"), FileState::Failing}};
    }

    // One action, chosen at random; says what it did.
    std::string Act(Outcome& outcome);

    std::string Press(Outcome& outcome);
    std::string StepButton(Outcome& outcome);
    std::string Open(Outcome& outcome);
    std::string SliderKey(Outcome& outcome);
    std::string SliderClick(Outcome& outcome);
    void SliderMoved(int before, Outcome& outcome);
    std::string Type(Outcome& outcome);
    std::string Zoom();
    std::string Version();

    // The step the window moves to, and the refresh that follows.
    void Refresh(int step, Outcome& outcome);
    std::optional<PictureFile> AnswerOpenDialog(QWidget* modal);
    // Runs a command that brings up a modal dialog, answered by `answer`.
    void WithDialog(const std::function<void()>& command,
                    const std::function<void(QWidget*)>& answer);

    void Check(const Outcome& outcome, const std::array<QString, rowCount>& before,
               const QString& ageBefore, std::size_t reportsBefore);
    void CheckFields(const Outcome& outcome, const std::array<QString, rowCount>& before);
    void CheckAge(const Outcome& outcome, const QString& ageBefore, std::size_t reports);
    void CheckProcedure();

    Random random{seed};
    TextMaker maker{random};
    Expected expected;
    std::vector<PictureFile> files; // those that load come first
    static constexpr int goodFiles = 3;
    NotifyingSlider* slider = nullptr;
    PictureView* view = nullptr;
    int notifications = 0;
    QTimer watchdog;
    std::map<std::string, int> tally;
};

std::string RandomWalk::Act(Outcome& outcome) {
    if (slider->isVisible() && random.Chance(30)) {
        return random.Chance(70) ? SliderKey(outcome) : SliderClick(outcome);
    }
    const int pick = random.Below(100);
    if (pick < 36) {
        return Press(outcome);
    }
    if (pick < 58) {
        return StepButton(outcome);
    }
    if (pick < 91) {
        return Type(outcome);
    }
    if (pick < 96) {
        return Open(outcome);
    }
    if (pick < 99) {
        return Zoom();
    }
    return Version();
}

void RandomWalk::Refresh(int step, Outcome& outcome) {
    expected.step = step;
    outcome.runs = 1;
    if (step == 5 || step == 6) {
        switch (ReadContour(expected, step)) {
        case ContourRead::Safe:
            expected.slider = Shown::Visible;
            break;
        case ContourRead::Fails:
            outcome.mustFail = true; // the slider keeps its visibility, no redraw
            break;
        case ContourRead::Unknown:
            expected.slider = Shown::Unknown;
            break;
        }
    } else {
        expected.slider = Shown::Hidden;
    }
    outcome.judges = step == 9;
}

// A press of a random button anywhere in the picture area, on the picture or
// beside it, through the window system's hit test.
std::string RandomWalk::Press(Outcome& outcome) {
    auto* area = Get<QScrollArea>("ScrollBox1");
    auto* image = Get<QWidget>("Image");
    const QWidget* viewport = area->viewport();
    const QPoint corner = image->mapTo(viewport, QPoint(image->width(), image->height()));
    const auto coordinate = [this](int extent, int edge) {
        if (edge < extent && random.Chance(15)) {
            return std::clamp(edge - 1 + random.Below(2), 0, extent - 1); // on the edge
        }
        return random.Below(extent);
    };
    const QPoint at(coordinate(viewport->width(), corner.x()),
                    coordinate(viewport->height(), corner.y()));
    const std::array<Qt::MouseButton, 3> buttons{Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
    const Qt::MouseButton button = buttons[static_cast<std::size_t>(random.Below(3))];
    const QPoint onImage = image->mapFrom(viewport, at);
    const QPoint pixel = view->PicturePixelAt(onImage);
    const bool inside = image->rect().contains(onImage);
    if (inside) {
        outcome.runs = 1;
        if (view->Zoom() != 1) {
            tally["pressed zoomed"]++;
        }
        const std::set<int>& rows = pressRows[static_cast<std::size_t>(expected.step)];
        if (rows.count(CX) != 0) {
            outcome.exact[CX] = QString::number(pixel.x());
            outcome.exact[CY] = QString::number(pixel.y());
        } else {
            outcome.free = rows;
        }
        outcome.judges = expected.step == 9;
    }
    QWindow* screenWindow = window->windowHandle();
    const QPoint inWindow = viewport->mapTo(window.get(), at);
    QTest::mousePress(screenWindow, button, {}, inWindow);
    QTest::mouseRelease(screenWindow, button, {}, inWindow);
    return "press " + std::to_string(static_cast<int>(button)) + " at " +
           std::to_string(pixel.x()) + "," + std::to_string(pixel.y()) + " zoom " +
           std::to_string(view->Zoom()) + (inside ? " on the picture" : " beside it");
}

std::string RandomWalk::StepButton(Outcome& outcome) {
    const int which = random.Below(100);
    if (which < 48) {
        const int step = expected.step;
        if (step == 9) {
            Click("NextButton"); // disabled
            return "Next (disabled)";
        }
        if (step != 0) {
            Click("NextButton");
            Refresh(step + 1, outcome);
            return "Next";
        }
        std::optional<PictureFile> chosen;
        WithDialog([this] { Click("NextButton"); },
                   [&](QWidget* modal) { chosen = AnswerOpenDialog(modal); });
        if (chosen && chosen->state == FileState::Failing) {
            expected.file = FileState::Failing;
            outcome.runs = 1;
            outcome.mustFail = true; // the load fails: the step stays 0
            return "Next at step 0, failing " + chosen->path.toStdString();
        }
        if (chosen) {
            expected.file = chosen->state;
        }
        Refresh(1, outcome);
        return "Next at step 0, " + (chosen ? chosen->path.toStdString() : "cancelled");
    }
    if (which < 95) {
        Click("BackButton");
        if (expected.step == 0) {
            return "Back (disabled)";
        }
        Refresh(expected.step - 1, outcome);
        return "Back";
    }
    Click("RedrawButton");
    Refresh(9, outcome);
    return "Judge";
}

void RandomWalk::WithDialog(const std::function<void()>& command,
                            const std::function<void(QWidget*)>& answer) {
    watchdog.stop();
    {
        const ModalAnswer answering(answer);
        command();
    }
    watchdog.start();
}

// Picks a file (or cancels) in the open dialog; the file's state says how it loads.
std::optional<PictureFile> RandomWalk::AnswerOpenDialog(QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    if (dialog == nullptr) {
        ADD_FAILURE() << "the open dialog did not come up";
        return std::nullopt;
    }
    if (random.Chance(20)) {
        dialog->reject();
        return std::nullopt;
    }
    // Mostly a picture that loads, so that most redraws get as far as drawing.
    const int pick = random.Chance(60)
                         ? random.Below(goodFiles)
                         : random.Between(goodFiles, static_cast<int>(files.size()) - 1);
    const PictureFile& file = files[static_cast<std::size_t>(pick)];
    dialog->selectFile(file.path);
    QMetaObject::invokeMethod(dialog, "accept");
    return file;
}

std::string RandomWalk::Open(Outcome& outcome) {
    std::optional<PictureFile> chosen;
    WithDialog([this] { Trigger("OpenBitmapItem"); },
               [&](QWidget* modal) { chosen = AnswerOpenDialog(modal); });
    if (!chosen) {
        return "Open, cancelled";
    }
    expected.file = chosen->state;
    if (chosen->state == FileState::Failing) {
        outcome.runs = 1;
        outcome.mustFail = true; // the step stays
    } else {
        Refresh(1, outcome);
        EXPECT_EQ(view->Zoom(), 1) << "an opened picture starts at its own pixels";
    }
    return "Open " + chosen->path.toStdString();
}

// A key press or a click moves the slider (or not, at an end of its range)
// and its release ends the move: each runs the handler, which writes the
// position's value.
void RandomWalk::SliderMoved(int before, Outcome& outcome) {
    outcome.runs = slider->value() != before ? 2 : 1;
    outcome.slider = true;
    outcome.exact[expected.step == 5 ? MO : E] = SliderText(expected.step, slider->value());
}

std::string RandomWalk::SliderKey(Outcome& outcome) {
    const std::array<Qt::Key, 8> keys{Qt::Key_Left,   Qt::Key_Right,    Qt::Key_Up,   Qt::Key_Down,
                                      Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
    const Qt::Key key = keys[static_cast<std::size_t>(random.Below(8))];
    const int before = slider->value();
    QTest::keyClick(slider, key);
    SliderMoved(before, outcome);
    return "slider key " + std::to_string(static_cast<int>(key)) + " to " +
           std::to_string(slider->value());
}

std::string RandomWalk::SliderClick(Outcome& outcome) {
    const int before = slider->value();
    QTest::mouseClick(slider, Qt::LeftButton, {},
                      QPoint(random.Below(slider->width()), slider->height() / 2));
    SliderMoved(before, outcome);
    return "slider click to " + std::to_string(slider->value());
}

// Replaces a field's whole text as a user would: select all, then type (or,
// for long or non-ASCII texts, paste).
std::string RandomWalk::Type(Outcome& outcome) {
    const int row = random.Below(rowCount);
    Typed typed = maker.For(row);
    auto* edit = Get<QLineEdit>(editNames[static_cast<std::size_t>(row)]);
    const bool readOnly = row >= inputCount;
    const bool keys =
        typed.text.size() <= 40 && std::all_of(typed.text.begin(), typed.text.end(), [](QChar c) {
            return c.unicode() >= 0x20 && c.unicode() < 0x7F;
        });
    if (readOnly && !keys) {
        typed = Plain("12", true, true); // read-only fields are tried by typing only
    }
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    if (typed.text.isEmpty()) {
        QTest::keyClick(edit, Qt::Key_Backspace);
    } else if (keys || readOnly) {
        QTest::keyClicks(edit, typed.text);
    } else {
        edit->insert(typed.text);
    }
    if (row < inputCount) {
        outcome.exact[row] = typed.text;
        outcome.typing = true;
        expected.meanings[static_cast<std::size_t>(row)] = typed.meaning;
    }
    return "type '" + typed.text.left(30).toStdString() + "' into " +
           editNames[static_cast<std::size_t>(row)];
}

// Zooming redraws nothing: no field, no age, no report may change.
std::string RandomWalk::Zoom() {
    const std::array<const char*, 4> items{"ZoomInItem", "ZoomOutItem", "ActualSizeItem",
                                           "FitWindowItem"};
    const int pick = random.Below(static_cast<int>(items.size()) + 1);
    std::string done;
    if (pick < static_cast<int>(items.size())) {
        Trigger(items[static_cast<std::size_t>(pick)]);
        done = items[static_cast<std::size_t>(pick)];
    } else {
        QWidget* viewport = Get<QScrollArea>("ScrollBox1")->viewport();
        const QPointF at(random.Below(viewport->width()), random.Below(viewport->height()));
        const int notches = random.Chance(50) ? 120 : -120;
        QWheelEvent wheel(at, viewport->mapToGlobal(at), {}, {0, notches}, Qt::NoButton,
                          Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &wheel);
        done = notches > 0 ? "Ctrl+wheel up" : "Ctrl+wheel down";
    }
    EXPECT_GE(view->Zoom(), PictureView::kLeastZoom);
    EXPECT_LE(view->Zoom(), PictureView::kMostZoom);
    return done + " to zoom " + std::to_string(view->Zoom());
}

std::string RandomWalk::Version() {
    WithDialog([this] { Trigger("VersionItem"); },
               [](QWidget* modal) {
                   QTest::keyClick(Find<QPushButton>(modal, "Button1"), Qt::Key_Return);
               });
    return "version dialog";
}

void RandomWalk::CheckFields(const Outcome& outcome, const std::array<QString, rowCount>& before) {
    for (int row = 0; row < rowCount; ++row) {
        const auto index = static_cast<std::size_t>(row);
        const QString now = Text(editNames[index]);
        const auto exact = outcome.exact.find(row);
        const bool free = outcome.runs > 0 &&
                          (outcome.free.count(row) != 0 || (outcome.judges && row >= inputCount));
        if (exact != outcome.exact.end()) {
            EXPECT_EQ(now.toStdString(), exact->second.toStdString()) << editNames[index];
        } else if (!free) {
            EXPECT_EQ(now.toStdString(), before[index].toStdString())
                << editNames[index] << " changed";
        }
        const bool written = exact != outcome.exact.end() ? !outcome.typing : now != before[index];
        if (row < inputCount && written) {
            expected.meanings[index] = Written(now);
        }
    }
}

void RandomWalk::CheckAge(const Outcome& outcome, const QString& ageBefore, std::size_t reports) {
    const QString age = Text("LabelAP");
    if (outcome.runs == 0) {
        EXPECT_EQ(age.toStdString(), ageBefore.toStdString()) << "age label without a redraw";
        return;
    }
    if (reports > 0) {
        EXPECT_TRUE(age == ageBefore || age == QStringLiteral("未判定")) << age.toStdString();
        return;
    }
    if (expected.step != 9) {
        EXPECT_EQ(age.toStdString(), "未判定");
        return;
    }
    // A nose depth below 0.1 pixel is judged "Error" and shows no age.
    if (Text("EditX") == QStringLiteral("Error")) {
        EXPECT_EQ(age.toStdString(), "未判定");
        return;
    }
    bool number = false;
    const int years = age.toInt(&number);
    EXPECT_TRUE(number && years >= 0 && years <= 80) << "age " << age.toStdString();
}

void RandomWalk::CheckProcedure() {
    EXPECT_EQ(Step(), expected.step);
    EXPECT_EQ(Get<QPushButton>("BackButton")->isEnabled(), expected.step != 0);
    EXPECT_EQ(Get<QPushButton>("NextButton")->isEnabled(), expected.step != 9);
    EXPECT_TRUE(Get<QPushButton>("RedrawButton")->isEnabled());
    if (expected.slider != Shown::Unknown) {
        EXPECT_EQ(slider->isVisible(), expected.slider == Shown::Visible);
    }
    if (expected.step == 5 || expected.step == 6) {
        EXPECT_EQ(slider->minimum(), 0);
        EXPECT_EQ(slider->maximum(), expected.step == 5 ? 30 : 20);
    } else {
        EXPECT_FALSE(slider->isVisible()) << "slider shown at step " << expected.step;
    }
    EXPECT_GE(slider->value(), slider->minimum());
    EXPECT_LE(slider->value(), slider->maximum());
}

void RandomWalk::Check(const Outcome& outcome, const std::array<QString, rowCount>& before,
                       const QString& ageBefore, std::size_t reportsBefore) {
    QApplication::processEvents();
    EXPECT_TRUE(window->isVisible()) << "the window is gone";
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    CheckFields(outcome, before);
    const std::size_t reports = log.reports.size() - reportsBefore;
    // Decided after the action: a field it rewrote no longer fails the redraw.
    const bool failing =
        outcome.mustFail ||
        (outcome.runs > 0 && (expected.AnyUnreadable() || expected.file == FileState::Icon ||
                              expected.file == FileState::Failing));
    if (failing) {
        EXPECT_EQ(reports, static_cast<std::size_t>(outcome.runs)) << "each run reports once";
    } else {
        EXPECT_LE(reports, static_cast<std::size_t>(outcome.runs)) << "more reports than runs";
    }
    for (std::size_t i = reportsBefore; i < log.reports.size(); ++i) {
        EXPECT_EQ(log.reports[i].title, "Quorvel");
        EXPECT_FALSE(log.reports[i].text.isEmpty());
    }
    CheckAge(outcome, ageBefore, reports);
    CheckProcedure();
    tally[reports > 0        ? (failing ? "failed" : "faulted")
          : outcome.runs > 0 ? "redrawn"
                             : "quiet"]++;
    tally[expected.file == FileState::Good ? "file good" : "file other"]++;
    tally[expected.AnyUnreadable() ? "fields bad" : "fields good"]++;
    tally["step " + std::to_string(expected.step)]++;
}

TEST_F(RandomWalk, WindowKeepsItsRules) {
    QElapsedTimer clock;
    clock.start();
    std::deque<std::string> recent;
    for (int action = 0; action < actionCount; ++action) {
        std::array<QString, rowCount> before;
        for (std::size_t row = 0; row < before.size(); ++row) {
            before[row] = Text(editNames[row]);
        }
        const QString age = Text("LabelAP");
        const std::size_t reports = log.reports.size();
        notifications = 0;
        Outcome outcome;
        recent.push_back(std::to_string(action) + ": " + Act(outcome));
        if (recent.size() > 12) {
            recent.pop_front();
        }
        // Each move and the end of each move run the handler; the program's
        // own settings of the slider never do.
        EXPECT_EQ(notifications, outcome.slider ? outcome.runs : 0) << "slider notifications";
        Check(outcome, before, age, reports);
        if (HasFailure()) {
            std::string trail;
            for (const std::string& line : recent) {
                trail += "\n  " + line;
            }
            FAIL() << "seed " << seed << ", after action " << action << "; last actions:" << trail;
        }
    }
    std::string summary;
    for (const auto& [name, count] : tally) {
        summary += " " + name + "=" + std::to_string(count);
    }
    std::printf("%d actions in %lld ms:%s\n", actionCount, static_cast<long long>(clock.elapsed()),
                summary.c_str());
    // A walk stuck in failures or at one step would prove little.
    for (int step = 0; step <= 9; ++step) {
        EXPECT_GT(tally["step " + std::to_string(step)], 50) << "step " << step;
    }
    EXPECT_GT(tally["redrawn"], actionCount / 10);
    EXPECT_GT(tally["pressed zoomed"], actionCount / 50);
    EXPECT_GT(tally["failed"], actionCount / 20);
}

} // namespace
} // namespace quorvel::testing
