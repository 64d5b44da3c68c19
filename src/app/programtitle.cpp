#include "app/programtitle.h"

namespace quorvel {

QString ProgramTitleFromPath(const QString& executablePath) {
    QString name = executablePath.mid(executablePath.lastIndexOf(QLatin1Char('/')) + 1);
    const qsizetype stop = name.indexOf(QLatin1Char('.'));
    if (stop >= 0) {
        name.truncate(stop);
    }
    // A first character outside the BMP keeps its case too: lowering leaves
    // its lone low surrogate alone.
    return name.left(1) + name.mid(1).toLower();
}

} // namespace quorvel
