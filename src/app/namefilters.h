#pragma once

#include <QString>

namespace quorvel {

// The open dialogs' entries for the bitmap files and the photos, with the
// patterns of their rows of the format table: "ﾋﾞｯﾄﾏｯﾌﾟﾌｧｲﾙ (*.bmp)" and
// "写真 (*.jpg *.JPG ...)".
QString BitmapFilter();
QString PhotoFilter();

} // namespace quorvel
