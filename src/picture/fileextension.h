#pragma once

#include <string>

namespace quorvel {

// The text after the last "." of the name, or "" when a "\", ":" or "/"
// comes after that full stop or there is none.
std::string ExtensionOf(const std::string& fileName);

} // namespace quorvel
