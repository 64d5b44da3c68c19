#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>

namespace quorvel {

// The font of every window: "ＭＳ Ｐゴシック" where it exists, else the
// proportional Japanese gothic Debian ships (IPAPGothic); 15 pixels high on a
// 120 dpi screen, scaled with the screen's logical dpi.
QFont FormFont();

// Positions and sizes are designed at 120 dpi with a text height of 15 pixels
// and multiplied by the font's measured text height / 15.
class FormScale {
public:
    explicit FormScale(const QFont& font);

    double Factor() const { return factor_; }
    int Length(int designLength) const;
    QPoint Point(int x, int y) const;
    // Each edge is rounded on its own, so adjacent controls stay adjacent.
    QRect Rect(int x, int y, int width, int height) const;

private:
    double factor_;
};

} // namespace quorvel
