#pragma once

#include <QDialog>

namespace quorvel {

struct JudgementDetails;

// What the judgement shown rests on: y, x, the three heights it divides and
// how far each landmark's press moves the age. Modal, closed with OK.
class JudgementDetailsDialog : public QDialog {
    Q_OBJECT
public:
    JudgementDetailsDialog(const JudgementDetails& details, QWidget* parent);
};

} // namespace quorvel
