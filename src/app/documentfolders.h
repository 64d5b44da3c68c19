#pragma once

#include <QString>
#include <QStringList>

namespace quorvel {

// Where the program's documents are looked for, in this order: the current
// directory, the program's own folder, and the documents folder it was
// installed with.
QStringList DocumentFolders();

// The absolute path of name in the first of folders that holds it as a file;
// empty when none does.
QString FindDocument(const QString& name, const QStringList& folders);

} // namespace quorvel
