#include "picture/metafile/gdidrawingtools.h"

#include "picture/metafile/gdicodes.h"

#include <cmath>

namespace quorvel {

namespace {

constexpr CodeMeaning<Qt::PenStyle> kLineStyles[] = {
    {kPenDash, Qt::DashLine},
    {kPenDot, Qt::DotLine},
    {kPenAlternate, Qt::DotLine},
    {kPenDashDot, Qt::DashDotLine},
    {kPenDashDotDot, Qt::DashDotDotLine},
    {kPenNull, Qt::NoPen},
};

constexpr CodeMeaning<Qt::PenCapStyle> kEndCaps[] = {
    {kPenEndCapSquare, Qt::SquareCap},
    {kPenEndCapFlat, Qt::FlatCap},
};

constexpr CodeMeaning<Qt::PenJoinStyle> kJoins[] = {
    {kPenJoinBevel, Qt::BevelJoin},
    {kPenJoinMiter, Qt::MiterJoin},
};

constexpr CodeMeaning<Qt::BrushStyle> kHatches[] = {
    {kHatchVertical, Qt::VerPattern},
    {kHatchForwardDiagonal, Qt::FDiagPattern},
    {kHatchBackwardDiagonal, Qt::BDiagPattern},
    {kHatchCross, Qt::CrossPattern},
    {kHatchDiagonalCross, Qt::DiagCrossPattern},
};

} // namespace

void GdiDrawingTools::Select(const GdiObject& object) {
    if (const auto* pen = std::get_if<GdiPen>(&object)) {
        pen_ = *pen;
    } else if (const auto* brush = std::get_if<GdiBrush>(&object)) {
        brush_ = *brush;
    } else if (const auto* font = std::get_if<GdiFont>(&object)) {
        font_ = *font;
    }
}

void GdiDrawingTools::SetBackgroundMode(std::uint32_t mode) {
    if (mode == kBackgroundTransparent || mode == kBackgroundOpaque) {
        opaqueBackground_ = mode == kBackgroundOpaque;
    }
}

void GdiDrawingTools::SetPolyFillMode(std::uint32_t mode) {
    if (mode == kFillAlternate || mode == kFillWinding) {
        fillRule_ = mode == kFillWinding ? Qt::WindingFill : Qt::OddEvenFill;
    }
}

QPen GdiDrawingTools::Pen() const {
    const Qt::PenStyle line = MeaningOf(kLineStyles, pen_.style & kPenStyleMask, Qt::SolidLine);
    if (line == Qt::NoPen) {
        return QPen(Qt::NoPen);
    }
    QPen pen(pen_.colour);
    pen.setStyle(line);
    // Width 0 is one device pixel whatever the mapping, as in Qt; a negative
    // width counts by its size.
    pen.setWidthF(std::abs(pen_.width));
    pen.setCapStyle(MeaningOf(kEndCaps, pen_.style & kPenEndCapMask, Qt::RoundCap));
    pen.setJoinStyle(MeaningOf(kJoins, pen_.style & kPenJoinMask, Qt::RoundJoin));
    return pen;
}

QBrush GdiDrawingTools::Brush() const {
    switch (brush_.style) {
    case GdiBrush::Style::Hollow:
        return QBrush(Qt::NoBrush);
    case GdiBrush::Style::Hatched:
        return QBrush(brush_.colour, MeaningOf(kHatches, brush_.hatch, Qt::HorPattern));
    case GdiBrush::Style::Solid:
        break;
    }
    return QBrush(brush_.colour);
}

void GdiDrawingTools::Paint(QPainter& painter, const QPainterPath& shape, bool fill,
                            bool stroke) const {
    QPainterPath filled = shape;
    filled.setFillRule(fillRule_);
    if (fill) {
        const QBrush brush = Brush();
        if (brush.style() != Qt::SolidPattern && brush.style() != Qt::NoBrush &&
            opaqueBackground_) {
            painter.fillPath(filled, backgroundColour_);
        }
        painter.fillPath(filled, brush);
    }
    painter.strokePath(shape, stroke ? Pen() : QPen(Qt::NoPen));
}

} // namespace quorvel
