#pragma once

#include <QString>

namespace quorvel {

// Where the bitmap working copies of imported photos live:
// $XDG_CACHE_HOME/Quorvel, by default ~/.cache/Quorvel.
QString WorkingCopyFolder();

// The working copy of an existing photo: named after a hash of the photo's
// canonical path, so the same photo, however it is named, always maps to the
// same copy and two photos never share one.
QString WorkingCopyPath(const QString& photo);

} // namespace quorvel
