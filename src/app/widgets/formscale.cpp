#include "app/widgets/formscale.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QStringList>

namespace quorvel {
namespace {

constexpr int designDpi = 120;
constexpr int designTextHeight = 15;

} // namespace

QFont FormFont() {
    QFont font(QStringList{QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic")});
    font.setStyleHint(QFont::SansSerif);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen != nullptr ? screen->logicalDotsPerInchY() : 96.0;
    font.setPixelSize(qRound(designTextHeight * dpi / designDpi));
    return font;
}

FormScale::FormScale(const QFont& font)
    : factor_(static_cast<double>(QFontMetrics(font).height()) / designTextHeight) {}

int FormScale::Length(int designLength) const {
    return qRound(designLength * factor_);
}

QPoint FormScale::Point(int x, int y) const {
    return {Length(x), Length(y)};
}

QRect FormScale::Rect(int x, int y, int width, int height) const {
    const int left = Length(x);
    const int top = Length(y);
    return {left, top, Length(x + width) - left, Length(y + height) - top};
}

} // namespace quorvel
