#pragma once

#include <QString>

class QWidget;

namespace quorvel {

// The open-file dialog of the main window. It reopens at the path confirmed
// last and with the filter entry chosen at that confirmation.
class OpenFileDialog {
public:
    // Runs the dialog modally; true when a path was confirmed, which FileName
    // then holds. A cancel leaves FileName as it was.
    bool Execute(QWidget* parent);

    // Empty until the first confirmation.
    const QString& FileName() const { return fileName_; }

private:
    QString fileName_;
    QString filter_;
};

} // namespace quorvel
