#pragma once

#include <QString>

class QWidget;

namespace quorvel {

// A modal notice with the information icon and one OK button, the text shown
// exactly as given: for what the user should know but need not decide.
void ShowInformationMessage(QWidget* parent, const QString& text);

} // namespace quorvel
