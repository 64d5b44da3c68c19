#pragma once

#include <QString>
#include <string>

class QMimeData;

namespace quorvel {

// What a file named at start-up or dropped on the window is taken for, by its
// extension (case ignored): a saved result (.json), a photo to import, or
// else a picture to open, whose loading refuses extensions it does not know.
enum class GivenFileKind { Picture, Photo, Result };
GivenFileKind GivenFileKindOf(const std::string& fileName);

// The file named as the first argument, made absolute against the folder the
// program was started in; empty when there is none. The program has no
// options: a first argument starting with "-" names no file (the desktop
// passes absolute paths), and later arguments are ignored.
QString GivenFileName(int argc, char** argv);

// The file a drag carries first, when it is a local one; empty otherwise.
QString DroppedFileName(const QMimeData* data);

} // namespace quorvel
