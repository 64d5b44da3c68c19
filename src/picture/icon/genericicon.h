#pragma once

#include <QImage>

namespace quorvel {

// The desktop's generic application icon at size x size, ARGB: the icon
// theme's "application-x-executable", or a drawn window symbol when there is
// no GUI application or the theme has no such icon.
QImage GenericApplicationIcon(int size);

// The drawn window symbol alone.
QImage BuiltInApplicationIcon(int size);

} // namespace quorvel
