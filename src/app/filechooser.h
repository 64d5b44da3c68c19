#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QWidget;

namespace quorvel {

// A file dialog of the new commands (photos, results). It starts in the folder
// its family of dialogs confirmed a path in last: at the path it confirmed
// itself when that lies there, or at the name suggested, moved into that
// folder. The first time a suggestion starts where it points.
class FileChooser {
public:
    // With a save suffix the dialog asks for a name to save under and adds the
    // suffix to a name typed without one (asking nothing about replacing: the
    // caller knows all it will replace); without, it asks for an existing file.
    explicit FileChooser(QStringList filters, QString saveSuffix = {});

    // From now on the two dialogs start in the folder either used last.
    void ShareFolderWith(FileChooser& other);

    // Runs the dialog modally; true when a path was confirmed, which FileName
    // then holds.
    bool Execute(QWidget* parent, const QString& suggested = {});

    const QString& FileName() const { return fileName_; }

private:
    QString StartPath(const QString& suggested) const;

    QStringList filters_;
    QString saveSuffix_;
    QString fileName_;
    std::shared_ptr<QString> folder_; // the family's; empty until a confirmation
};

} // namespace quorvel
