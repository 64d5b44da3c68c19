#include "app/filechooser.h"

#include "numtext/floatsettings.h"

#include <QFileDialog>
#include <utility>

namespace quorvel {

FileChooser::FileChooser(QStringList filters, QString saveSuffix)
    : filters_(std::move(filters)), saveSuffix_(std::move(saveSuffix)) {}

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
    const QString start = suggested.isEmpty() ? fileName_ : suggested;
    if (!start.isEmpty()) {
        dialog.selectFile(start);
    }
    const bool confirmed = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    ResetFloatSettings(); // the dialog's own code may have changed them
    if (confirmed) {
        fileName_ = dialog.selectedFiles().front();
    }
    return confirmed;
}

} // namespace quorvel
