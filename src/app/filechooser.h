#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace quorvel {

// A file dialog of the new commands (photos, results). It reopens at the path
// confirmed last unless a path is suggested.
class FileChooser {
public:
    // With a save suffix the dialog asks for a name to save under and adds the
    // suffix to a name typed without one (asking nothing about replacing: the
    // caller knows all it will replace); without, it asks for an existing file.
    explicit FileChooser(QStringList filters, QString saveSuffix = {});

    // Runs the dialog modally; true when a path was confirmed, which FileName
    // then holds.
    bool Execute(QWidget* parent, const QString& suggested = {});

    const QString& FileName() const { return fileName_; }

private:
    QStringList filters_;
    QString saveSuffix_;
    QString fileName_;
};

} // namespace quorvel
