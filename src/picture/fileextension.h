#pragma once

#include "picture/core/picture.h"

#include <string>

namespace quorvel {

// The text after the last "." of the name, or "" when a "\", ":" or "/"
// comes after that full stop or there is none.
std::string ExtensionOf(const std::string& fileName);

// The kind the name's extension stands for; throws
// "拡張子 .%s の画像形式は処理できません" for any other extension.
PictureKind PictureKindOf(const std::string& fileName);

} // namespace quorvel
