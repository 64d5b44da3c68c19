#include "xsession.h"

#include "app/widgets/formscale.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QThread>

namespace quorvel::e2e {

void Require(bool condition, const std::string& what) {
    if (!condition) {
        throw Fault(what);
    }
}

QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    Require(process.waitForFinished(20000) && process.exitCode() == 0,
            (program + " " + arguments.join(' ')).toStdString() + " failed");
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

void Xdo(const QStringList& arguments) {
    Run(QStringLiteral("xdotool"), arguments);
}

QImage Screen() {
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(
        QImage::Format_RGB32);
}

void Pause(int milliseconds) {
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}

void WaitFor(const std::function<bool()>& done, const std::string& what) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        Require(clock.elapsed() < 15000, "timed out waiting for " + what);
        Pause(50);
    }
}

void AndWaitForChange(const std::function<void()>& action, const std::string& what) {
    const QImage before = Screen();
    action();
    WaitFor([&] { return Screen() != before; }, what);
    Pause(100); // let a redraw that spans several paints finish
}

std::optional<QPoint> Find(const QImage& screen, const QImage& part, QRect region) {
    region &= screen.rect();
    for (int y = region.top(); y + part.height() <= region.bottom() + 1; ++y) {
        for (int x = region.left(); x + part.width() <= region.right() + 1; ++x) {
            bool same = true;
            for (int py = 0; py < part.height() && same; ++py) {
                for (int px = 0; px < part.width(); ++px) {
                    if (screen.pixel(x + px, y + py) != part.pixel(px, py)) {
                        same = false;
                        break;
                    }
                }
            }
            if (same) {
                return QPoint(x, y);
            }
        }
    }
    return std::nullopt;
}

QImage LabelImage(const QString& text) {
    QLabel label(text);
    label.setFont(FormFont());
    label.adjustSize();
    return label.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void Start(QProcess& program, const QString& path, const QStringList& arguments,
           const QString& folder, const QProcessEnvironment& extra) {
    program.setWorkingDirectory(folder);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    environment.insert(extra);
    program.setProcessEnvironment(environment);
    program.start(path, arguments);
    Require(program.waitForStarted(), "program did not start");
}

QString WaitForWindow(const QString& pattern, const QString& except) {
    QString found;
    WaitFor(
        [&] {
            QProcess search;
            search.start(QStringLiteral("xdotool"), {"search", "--onlyvisible", "--name", pattern});
            search.waitForFinished();
            const QStringList windows =
                QString::fromUtf8(search.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
            for (const QString& window : windows) {
                if (window.trimmed() != except) {
                    found = window.trimmed();
                }
            }
            return !found.isEmpty();
        },
        "the window " + pattern.toStdString());
    Pause(300);
    return found;
}

QPoint WindowCorner(const QString& window) {
    QPoint corner;
    for (const QString& line :
         Run("xdotool", {"getwindowgeometry", "--shell", window}).split('\n')) {
        if (line.startsWith("X=")) {
            corner.setX(line.mid(2).toInt());
        } else if (line.startsWith("Y=")) {
            corner.setY(line.mid(2).toInt());
        }
    }
    return corner;
}

void PointInto(const QString& window) {
    const QPoint corner = WindowCorner(window);
    Xdo({"mousemove", QString::number(corner.x() + 300), QString::number(corner.y() + 150)});
    Pause(200);
}

void CloseAndExpectStatusZero(QProcess& program, const QString& window) {
    PointInto(window);
    // A dialog that closed may have taken the keyboard focus with it.
    Xdo({"windowfocus", window});
    Xdo({"key", "alt+f"});
    Pause(300);
    Xdo({"key", "x"});
    Require(program.waitForFinished(15000), "the program did not end on Close");
    Require(program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0,
            "the program did not end with status 0");
}

bool ShowsAge(const QImage& screen, const QString& age) {
    const std::optional<QPoint> caption =
        Find(screen, LabelImage(QStringLiteral("推定年齢")), screen.rect());
    if (!caption) {
        return false;
    }
    const QRect ageLine(caption->x(), caption->y() - 4, 200, 40);
    return Find(screen, LabelImage(age), ageLine) &&
           !Find(screen, LabelImage(QStringLiteral("未判定")), ageLine);
}

} // namespace quorvel::e2e
