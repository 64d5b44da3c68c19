#include "app/openfiledialog.h"

#include "app/namefilters.h"
#include "numtext/floatsettings.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QGuiApplication>
#include <QScreen>

namespace quorvel {
namespace {

// Qt reads the patterns from the parentheses, and "*.*" would list only names
// with a dot; the all-files entry is widened to "*" where the dialog applies it.
const QString allFiles = QStringLiteral("全てのﾌｧｲﾙ (*.*)");
const QStringList filters{BitmapFilter(), allFiles};

// Qt gives the chosen entry's patterns to the dialog's file list first and
// then announces the choice, so this runs after it.
void ListEveryFileUnderAllFiles(QFileDialog& dialog, const QString& filter) {
    auto* files = dialog.findChild<QFileSystemModel*>();
    if (files != nullptr && filter == allFiles) {
        files->setNameFilters({QStringLiteral("*")});
    }
}

// Centred across the screen, at a third of the free height from the top.
void Place(QFileDialog& dialog) {
    const QScreen* screen = dialog.screen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->geometry();
    const QSize size = dialog.sizeHint().expandedTo(dialog.size());
    dialog.resize(size);
    dialog.move(area.left() + (area.width() - size.width()) / 2,
                area.top() + (area.height() - size.height()) / 3);
}

} // namespace

bool OpenFileDialog::Execute(QWidget* parent) {
    QFileDialog dialog(parent);
    // Qt's own dialog behaves and looks the same on every desktop and speaks
    // Japanese through Qt's translations.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile); // the named file need not exist
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filter_.isEmpty() ? filters.front() : filter_);
    ListEveryFileUnderAllFiles(dialog, dialog.selectedNameFilter());
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog](const QString& filter) { ListEveryFileUnderAllFiles(dialog, filter); });
    if (!fileName_.isEmpty()) {
        dialog.selectFile(fileName_);
    }
    Place(dialog);
    const bool confirmed = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    ResetFloatSettings();
    if (!confirmed) {
        return false;
    }
    fileName_ = dialog.selectedFiles().front();
    filter_ = dialog.selectedNameFilter();
    return true;
}

} // namespace quorvel
