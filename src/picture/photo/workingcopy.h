#pragma once

#include "picture/photo/photoidentity.h"

#include <QString>
#include <optional>

namespace quorvel {

// Where the bitmap working copies of imported photos live:
// $XDG_CACHE_HOME/Quorvel, by default ~/.cache/Quorvel. Face photos are
// personal: the folder is its owner's alone (0700), and so is every file
// written in it (0600).
QString WorkingCopyFolder();

// Creates the folder (or takes an existing one) with the owner's access only;
// false when that fails.
bool MakePrivateFolder(const QString& folder);

// The working copy of an existing photo: named after a hash of the photo's
// canonical path, so the same photo, however it is named, always maps to the
// same copy and two photos never share one.
QString WorkingCopyPath(const QString& photo);

// The copy's bookkeeping: which photo content it was made from, kept beside
// the copies in a folder of its own. Nothing when it is not known (written by
// an older version, or a write that failed).
std::optional<PhotoIdentity> WorkingCopySource(const QString& copy);
// False when it cannot be written.
bool WriteWorkingCopySource(const QString& copy, const PhotoIdentity& source);
void ForgetWorkingCopySource(const QString& copy);

} // namespace quorvel
