#include "picture/icon/genericicon.h"

#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QPixmap>

namespace quorvel {

QImage GenericApplicationIcon(int size) {
    // QIcon needs a QGuiApplication for its pixmaps.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
        QIcon icon = QIcon::fromTheme(QStringLiteral("application-x-executable"));
        if (!icon.isNull()) {
            QImage themed = icon.pixmap(QSize(size, size), 1.0).toImage();
            if (!themed.isNull()) {
                QImage placed(size, size, QImage::Format_ARGB32);
                placed.fill(Qt::transparent);
                QPainter painter(&placed);
                painter.drawImage(0, 0, themed.convertToFormat(QImage::Format_ARGB32));
                return placed;
            }
        }
    }
    return BuiltInApplicationIcon(size);
}

QImage BuiltInApplicationIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    const double unit = size / 32.0;
    const QRectF window(2 * unit, 4 * unit, 28 * unit, 24 * unit);
    painter.fillRect(window, QColor(0x40, 0x40, 0x40));
    painter.fillRect(window.adjusted(unit, unit, -unit, -unit), Qt::white);
    painter.fillRect(
        QRectF(window.left() + unit, window.top() + unit, window.width() - 2 * unit, 5 * unit),
        QColor(0x00, 0x00, 0x80));
    return image;
}

} // namespace quorvel
