#pragma once

#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>

// What the end-to-end tests share: the built program started on an X server,
// driven with xdotool and read off the screen.
namespace quorvel::e2e {

struct Fault : std::runtime_error {
    using std::runtime_error::runtime_error;
};

void Require(bool condition, const std::string& what);

// Runs a command to its end with status 0; its output.
QString Run(const QString& program, const QStringList& arguments);
void Xdo(const QStringList& arguments);
QImage Screen();
void Pause(int milliseconds);

// Polls until `done` holds; the program works at its own pace.
void WaitFor(const std::function<bool()>& done, const std::string& what);
// Runs an action and waits until the screen shows its effect.
void AndWaitForChange(const std::function<void()>& action, const std::string& what);

// Where `part` appears pixel for pixel inside `region` of the screen.
std::optional<QPoint> Find(const QImage& screen, const QImage& part, QRect region);
// A label as the program's window draws it.
QImage LabelImage(const QString& text);

// The program, started in `folder` with `arguments` on the C.UTF-8 locale;
// `environment` adds to or overrides the inherited variables.
void Start(QProcess& program, const QString& path, const QStringList& arguments,
           const QString& folder, const QProcessEnvironment& extra = {});
// The visible window whose title matches `pattern` (xdotool's --name),
// waited for; other than `except` when given.
QString WaitForWindow(const QString& pattern, const QString& except = {});
// A window's top-left corner on the screen.
QPoint WindowCorner(const QString& window);
// Ctrl-less keys go to the window under the pointer: without a window
// manager the keyboard follows it.
void PointInto(const QString& window);
// File menu, Close; the program must end at once with status 0.
void CloseAndExpectStatusZero(QProcess& program, const QString& window);
// The age label shows `age` next to its caption, and not "未判定".
bool ShowsAge(const QImage& screen, const QString& age);

} // namespace quorvel::e2e
