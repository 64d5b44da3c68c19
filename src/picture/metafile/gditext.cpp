#include "picture/metafile/gditext.h"

#include "picture/metafile/gdicodes.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <algorithm>
#include <cmath>

namespace quorvel {

namespace {

// Glyphs larger than this many pixels are drawn at this size.
constexpr int kMaxTextPixels = 2048;
constexpr double kDefaultTextPixels = 12;

int TextPixels(double size) {
    return static_cast<int>(std::clamp(std::round(size), 1.0, double{kMaxTextPixels}));
}

// The font in target pixels, `yScale` target pixels to a logical unit.
QFont ScaledFont(const GdiFont& logical, double yScale) {
    QFont font;
    if (!logical.face.isEmpty()) {
        font.setFamily(logical.face);
    }
    const double height = std::abs(logical.height) * yScale;
    font.setPixelSize(TextPixels(logical.height == 0 ? kDefaultTextPixels : height));
    if (logical.height > 0) {
        // A positive height is the whole cell, ascent plus descent.
        const QFontMetricsF cell(font);
        const double cellHeight = cell.ascent() + cell.descent();
        if (cellHeight > 0) {
            font.setPixelSize(TextPixels(height * font.pixelSize() / cellHeight));
        }
    }
    if (logical.weight > 0 && logical.weight <= 1000) {
        font.setWeight(static_cast<QFont::Weight>(logical.weight));
    }
    font.setItalic(logical.italic);
    font.setUnderline(logical.underline);
    font.setStrikeOut(logical.strikeOut);
    return font;
}

// Target pixels along the baseline.
double RunWidth(const GdiTextRun& run, const QFontMetricsF& metrics, double xScale) {
    if (run.advances.empty()) {
        return metrics.horizontalAdvance(run.text);
    }
    double width = 0;
    for (double advance : run.advances) {
        width += advance * xScale;
    }
    return width;
}

// The glyphs one by one at the run's advances, or the text at once without.
void DrawGlyphs(QPainter& painter, const GdiTextRun& run, QPointF origin, double xScale) {
    if (run.advances.empty()) {
        painter.drawText(origin, run.text);
        return;
    }
    double x = origin.x();
    const qsizetype units =
        std::min<qsizetype>(run.text.size(), static_cast<qsizetype>(run.advances.size()));
    for (qsizetype i = 0; i < units; ++i) {
        // A surrogate pair is one glyph that takes both advances.
        qsizetype length = 1;
        if (run.text[i].isHighSurrogate() && i + 1 < units && run.text[i + 1].isLowSurrogate()) {
            length = 2;
        }
        painter.drawText(QPointF(x, origin.y()), run.text.mid(i, length));
        for (qsizetype j = i; j < i + length; ++j) {
            x += run.advances[static_cast<std::size_t>(j)] * xScale;
        }
        i += length - 1;
    }
}

} // namespace

// Where the text's left end on the baseline lies from the reference point,
// in target pixels before rotation.
QPointF GdiText::AlignedOrigin(double width, double ascent, double descent) const {
    double x = 0;
    switch (align_ & kAlignHorizontalMask) {
    case kAlignRight:
        x = -width;
        break;
    case kAlignCentre:
        x = -width / 2;
        break;
    default:
        break;
    }
    double baseline = ascent;
    switch (align_ & kAlignVerticalMask) {
    case kAlignBottom:
        baseline = -descent;
        break;
    case kAlignBaseline:
        baseline = 0;
        break;
    default:
        break;
    }
    return QPointF(x, baseline);
}

std::optional<QPointF> GdiText::Draw(QPainter& painter, const GdiTextRun& run,
                                     const QTransform& toTarget, const GdiDrawingTools& tools,
                                     QPointF position) const {
    // Glyphs need the font database of a GUI application; without one (as in
    // tools that only read files) text is left out.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        return std::nullopt;
    }
    const bool updateCp = (align_ & kAlignUpdateCp) != 0;
    const QPointF reference = updateCp ? position : run.reference;
    if (run.rect && (run.options & kTextOpaque) != 0) {
        painter.setTransform(toTarget);
        painter.fillRect(run.rect->normalized(), tools.BackgroundColour());
    }
    const double xScale = std::hypot(toTarget.m11(), toTarget.m12());
    const QFont font = ScaledFont(tools.Font(), std::hypot(toTarget.m21(), toTarget.m22()));
    const QFontMetricsF metrics(font);
    const double width = RunWidth(run, metrics, xScale);
    const QPointF origin = AlignedOrigin(width, metrics.ascent(), metrics.descent());

    painter.save();
    painter.setTransform(QTransform());
    if (run.rect && (run.options & kTextClipped) != 0) {
        QPainterPath clip;
        clip.addRect(run.rect->normalized());
        painter.setClipPath(toTarget.map(clip),
                            painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    }
    painter.translate(toTarget.map(reference));
    painter.rotate(-static_cast<double>(tools.Font().escapement) / 10);
    if (tools.OpaqueBackground()) {
        painter.fillRect(QRectF(origin.x(), origin.y() - metrics.ascent(), width,
                                metrics.ascent() + metrics.descent()),
                         tools.BackgroundColour());
    }
    painter.setFont(font);
    painter.setPen(colour_);
    DrawGlyphs(painter, run, origin, xScale);
    painter.restore();
    if (updateCp && xScale > 0) {
        return reference + QPointF(width / xScale, 0);
    }
    return std::nullopt;
}

} // namespace quorvel
