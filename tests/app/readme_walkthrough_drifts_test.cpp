// The README's English walkthrough quotes the window's Japanese texts: the
// guidance line of every step, the buttons, labels and menu items. A text
// changed in the window but not in the README (or the other way round) leaves
// a newcomer looking for words that are not there.
#include "guitest.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <map>

namespace quorvel::testing {
namespace {

// The first two cells of each row of the table that follows the marker
// comment, up to the first line that is not a table row; header and rule
// rows are left out.
std::vector<std::pair<QString, QString>> TableAfter(const QString& marker) {
    QFile readMe(QStringLiteral(QUORVEL_README));
    if (!readMe.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << QUORVEL_README;
        return {};
    }
    const QStringList lines = QString::fromUtf8(readMe.readAll()).split(QLatin1Char('\n'));
    std::vector<std::pair<QString, QString>> rows;
    const qsizetype start = lines.indexOf(marker);
    if (start < 0) {
        ADD_FAILURE() << "no line " << marker.toStdString() << " in the README";
        return rows;
    }
    bool header = true;
    for (qsizetype i = start + 1; i < lines.size() && lines[i].startsWith(QLatin1Char('|')); ++i) {
        const QStringList cells = lines[i].split(QLatin1Char('|'));
        if (header || cells.value(1).trimmed().startsWith(QLatin1Char('-'))) {
            header = false;
            continue;
        }
        rows.emplace_back(cells.value(1).trimmed(), cells.value(2).trimmed());
    }
    return rows;
}

// Unquoted: `text` becomes text.
QString Plain(const QString& cell) {
    QString text = cell;
    return text.remove(QLatin1Char('`'));
}

// As the window shows it: the access key's "&" is not shown.
QString Shown(QString text) {
    return text.remove(QRegularExpression(QStringLiteral("&(?=[^&])")));
}

class ReadMeWalkthrough : public MainWindowTest {
protected:
    // The text a control or menu item shows, by objectName; empty for none.
    QString ShownText(const QString& name) {
        QObject* control = window->findChild<QObject*>(name);
        if (auto* button = qobject_cast<QPushButton*>(control)) {
            return Shown(button->text());
        }
        if (auto* label = qobject_cast<QLabel*>(control)) {
            return label->text();
        }
        if (auto* menu = qobject_cast<QMenu*>(control)) {
            return Shown(menu->title());
        }
        if (auto* action = qobject_cast<QAction*>(control)) {
            return Shown(action->text());
        }
        ADD_FAILURE() << "the window has no control or menu item " << name.toStdString();
        return {};
    }
};

TEST_F(ReadMeWalkthrough, GuidanceTableQuotesEveryStepsLine) {
    const auto rows = TableAfter(QStringLiteral("<!-- guidance lines -->"));
    ASSERT_EQ(rows.size(), 10u) << "one row per step, 0 to 9";
    std::map<int, QString> quoted;
    for (const auto& [step, line] : rows) {
        quoted[step.toInt()] = Plain(line);
    }
    const auto expectQuoted = [&](int step) {
        EXPECT_EQ(Text("WizText").toStdString(), quoted[step].toStdString()) << "step " << step;
    };
    expectQuoted(0);
    ConfirmInDialog([this] { Click("NextButton"); }, SampleFace());
    for (int step = 1; step < 9; ++step) {
        expectQuoted(step);
        Click("NextButton");
    }
    expectQuoted(9);
    ASSERT_EQ(Step(), 9);
}

TEST_F(ReadMeWalkthrough, ControlTableQuotesTheWindowsTexts) {
    const auto rows = TableAfter(QStringLiteral("<!-- controls and menu items -->"));
    ASSERT_GE(rows.size(), 10u) << "the buttons, the age label and the menus";
    for (const auto& [name, text] : rows) {
        EXPECT_EQ(ShownText(Plain(name)).toStdString(), Plain(text).toStdString())
            << name.toStdString();
    }
}

} // namespace
} // namespace quorvel::testing
