#pragma once

#include <QString>

namespace quorvel {

// The executable's file name up to its first ".", with every character after
// the first in lower case: "/opt/QUORVEL.bin" gives "Quorvel".
QString ProgramTitleFromPath(const QString& executablePath);

} // namespace quorvel
