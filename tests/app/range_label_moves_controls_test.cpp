// Showing the age's range moves or resizes no control the window had, and
// the range overlaps none of them.
#include "guitest.h"

#include <QLabel>
#include <QMap>

namespace quorvel::testing {
namespace {

// Labels sized to their texts keep only their place.
QMap<QString, QRect> Geometries(QWidget* window) {
    QMap<QString, QRect> geometries;
    for (QWidget* child : window->findChildren<QWidget*>()) {
        const QString name = child->objectName();
        if (name.isEmpty() || name == QStringLiteral("LabelRange")) {
            continue;
        }
        const bool sizedToText =
            name == QStringLiteral("LabelAP") || name == QStringLiteral("WizText");
        geometries.insert(name, sizedToText ? QRect(child->pos(), QSize()) : child->geometry());
    }
    return geometries;
}

TEST_F(MainWindowTest, RangeLabelMovesNoControl) {
    ConfirmInDialog([this] { Trigger("OpenBitmapItem"); }, SampleFace());
    const QMap<QString, QRect> before = Geometries(window.get());
    const QRect unjudgedAge = Get<QLabel>("LabelAP")->geometry();

    Click("RedrawButton");
    auto* range = Get<QLabel>("LabelRange");
    ASSERT_TRUE(range->isVisible());
    const QMap<QString, QRect> after = Geometries(window.get());
    for (auto control = before.cbegin(); control != before.cend(); ++control) {
        EXPECT_EQ(after.value(control.key()), control.value()) << control.key().toStdString();
    }

    auto* panel = Get<QWidget>("Panel2");
    EXPECT_TRUE(panel->rect().contains(range->geometry()));
    EXPECT_FALSE(range->geometry().intersects(unjudgedAge));
    for (QWidget* other : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (other != range && other->isVisible()) {
            EXPECT_FALSE(range->geometry().intersects(other->geometry()))
                << other->objectName().toStdString();
        }
    }
}

} // namespace
} // namespace quorvel::testing
