#include "app/filechooser.h"

#include "numtext/floatsettings.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <utility>

namespace quorvel {

FileChooser::FileChooser(QStringList filters, QString saveSuffix)
    : filters_(std::move(filters)), saveSuffix_(std::move(saveSuffix)),
      folder_(std::make_shared<QString>()) {}

void FileChooser::ShareFolderWith(FileChooser& other) {
    other.folder_ = folder_;
}

QString FileChooser::StartPath(const QString& suggested) const {
    if (!suggested.isEmpty()) {
        return folder_->isEmpty() ? suggested
                                  : QDir(*folder_).filePath(QFileInfo(suggested).fileName());
    }
    return QFileInfo(fileName_).absolutePath() == *folder_ ? fileName_ : QString();
}

bool FileChooser::Execute(QWidget* parent, const QString& suggested) {
    QFileDialog dialog(parent);
    dialog.setOption(QFileDialog::DontUseNativeDialog); // like the bitmap dialog
    if (saveSuffix_.isEmpty()) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(saveSuffix_);
        // Saving may replace more than the name chosen: the caller asks once for all.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    }
    dialog.setNameFilters(filters_);
    if (!folder_->isEmpty()) {
        dialog.setDirectory(*folder_);
    }
    if (const QString start = StartPath(suggested); !start.isEmpty()) {
        dialog.selectFile(start);
    }
    const bool confirmed = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    ResetFloatSettings(); // the dialog's own code may have changed them
    if (confirmed) {
        fileName_ = dialog.selectedFiles().front();
        *folder_ = QFileInfo(fileName_).absolutePath();
    }
    return confirmed;
}

} // namespace quorvel
