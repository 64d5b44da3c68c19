#pragma once

#include "app/resultfiles.h"

class QWidget;

namespace quorvel {

// Asks, in one modal question, whether to replace the files (or links) that
// already stand under the result's names; folders there are left for the
// save to refuse. True when nothing would be replaced or the user agreed.
bool ConfirmReplacing(QWidget* parent, const ResultPaths& paths);

} // namespace quorvel
