#pragma once

#include <QLabel>
#include <QPoint>
#include <QString>

namespace quorvel {

// Every control carries its component name as objectName, so tests and
// accessibility tools find it by that name.
template <typename Control> Control* Named(Control* control, const char* name) {
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

// A label at a fixed place, sized to its text.
inline QLabel* MakeLabel(QWidget* parent, const char* name, const char* text, const QPoint& at) {
    auto* label = Named(new QLabel(QString::fromUtf8(text), parent), name);
    label->move(at);
    label->adjustSize();
    return label;
}

} // namespace quorvel
