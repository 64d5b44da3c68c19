#pragma once

#include <QString>
#include <functional>

namespace quorvel {

// Opens a document of the program with the desktop's default application
// (xdg-open), looking for it in DocumentFolders. Returns at once: the opener
// runs while the event loop goes on, and its end is judged when it comes.
// When the document is found nowhere, the opener cannot start, or it ends
// with a failure, a plain message box titled with the name says so in the
// desktop's stead, and where the document is (or where it was looked for), so
// that it can be opened by hand. Nothing is reported as a failure.
void OpenDocument(const QString& name);

// Replaces that message box; tests use it so that no modal loop runs. The box
// shows `text` and below it `where`. An empty notice restores the box.
using ShellNotice =
    std::function<void(const QString& title, const QString& text, const QString& where)>;
void SetShellNotice(ShellNotice notice);

} // namespace quorvel
