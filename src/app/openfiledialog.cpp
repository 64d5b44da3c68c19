#include "app/openfiledialog.h"

#include "numtext/floatsettings.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QScreen>

namespace quorvel {
namespace {

// Qt reads the patterns from the parentheses; "*.*" thus lists names with a dot.
const QStringList filters{QStringLiteral("ﾋﾞｯﾄﾏｯﾌﾟﾌｧｲﾙ (*.bmp)"),
                          QStringLiteral("全てのﾌｧｲﾙ (*.*)")};

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
