#include "app/judgementdetailsdialog.h"

#include "app/widgets/namedcontrols.h"
#include "face/judgementdetails.h"
#include "numtext/formatnumber.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <cmath>
#include <optional>

namespace quorvel {
namespace {

// Heights and sensitivities are shown to these decimals: a press is a whole
// pixel, and a year per percent finer than a hundredth tells nothing.
constexpr double kPixelScale = 10;
constexpr double kYearScale = 100;
constexpr const char* kNoValue = "なし";

std::string Rounded(double value, double scale) {
    return FormatDouble(std::round(value * scale) / scale);
}

QString Pixels(double value) {
    return QStringLiteral("%1 px").arg(QString::fromStdString(Rounded(value, kPixelScale)));
}

QString Years(const std::optional<double>& value) {
    if (!value) {
        return QString::fromUtf8(kNoValue);
    }
    return QStringLiteral("%1 歳").arg(QString::fromStdString(Rounded(*value, kYearScale)));
}

struct DetailRow {
    const char* name;
    const char* caption;
    QString value;
};

} // namespace

JudgementDetailsDialog::JudgementDetailsDialog(const JudgementDetails& details, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("JudgementDetailsDialog"));
    setWindowTitle(QStringLiteral("判定の詳細"));
    const LandmarkSensitivity& years = details.yearsPerPercent;
    const DetailRow rows[] = {
        {"ValueY", "y", QString::fromStdString(FormatDouble(details.y))},
        {"ValueX", "x",
         details.x ? QString::fromStdString(FormatDouble(*details.x)) : QStringLiteral("Error")},
        {"ValueWidestRow", "輪郭の最も広い行の高さ", Pixels(details.widestRow)},
        {"ValueChinHeight", "あごの高さ", Pixels(details.chin)},
        {"ValueNoseHeight", "鼻の高さ", Pixels(details.nose)},
        {"ValueCentreYears", "目の中央 1 % あたり", Years(years.centre)},
        {"ValueEarYears", "耳 1 % あたり", Years(years.ear)},
        {"ValueTopYears", "頭頂 1 % あたり", Years(years.top)},
        {"ValueChinYears", "あご 1 % あたり", Years(years.chin)},
        {"ValueNoseYears", "鼻 1 % あたり", Years(years.nose)},
        {"ValueMouthYears", "口 1 % あたり", Years(years.mouth)},
    };
    auto* form = new QFormLayout;
    form->addRow(Named(
        new QLabel(QStringLiteral("高さは目の高さから下向き、1 % は目からあごまでの距離"), this),
        "DetailsNote"));
    for (const DetailRow& row : rows) {
        auto* value = Named(new QLabel(row.value, this), row.name);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        value->setAccessibleName(QString::fromUtf8(row.caption));
        form->addRow(QString::fromUtf8(row.caption), value);
    }
    auto* buttons = Named(new QDialogButtonBox(QDialogButtonBox::Ok, this), "DetailsButtons");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    form->addRow(buttons);
    setLayout(form);
}

} // namespace quorvel
