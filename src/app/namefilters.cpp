#include "app/namefilters.h"

#include "picture/pictureformats.h"

#include <QStringList>

namespace quorvel {
namespace {

enum class Patterns { AsWritten, BothCases };

QString NameFilter(const char* label, FormatKind kind, Patterns patterns) {
    QStringList list;
    for (const PictureFormat& format : kPictureFormats) {
        if (format.kind != kind) {
            continue;
        }
        const QString extension = QStringLiteral("*.") + QString::fromUtf8(format.extension);
        list << extension;
        if (patterns == Patterns::BothCases) {
            list << extension.toUpper();
        }
    }
    return QStringLiteral("%1 (%2)").arg(QString::fromUtf8(label), list.join(QLatin1Char(' ')));
}

} // namespace

// The bitmap entry's text is the one the window has always shown.
QString BitmapFilter() {
    return NameFilter("ﾋﾞｯﾄﾏｯﾌﾟﾌｧｲﾙ", FormatKind::Bitmap, Patterns::AsWritten);
}

// Qt matches these patterns case-sensitively here, and cameras write .JPG.
QString PhotoFilter() {
    return NameFilter("写真", FormatKind::Photo, Patterns::BothCases);
}

} // namespace quorvel
