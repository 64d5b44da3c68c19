#pragma once

#include <QString>
#include <functional>

namespace quorvel {

// Opens a document with the desktop's default application, as the shell's
// default verb would; a name without a folder is looked up in the current
// directory. When that cannot be done, a plain message box titled with the
// name says so in the desktop's stead. Nothing is reported as a failure.
void OpenDocument(const QString& name);

// Replaces that message box; tests use it so that no modal loop runs. An
// empty notice restores the box.
using ShellNotice = std::function<void(const QString& title, const QString& text)>;
void SetShellNotice(ShellNotice notice);

} // namespace quorvel
