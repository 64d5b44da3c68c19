#pragma once

#include "picture/metafile/gdiobjects.h"

#include <QBrush>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <cstdint>

namespace quorvel {

// The selected pen, brush and font with the background and fill settings,
// and how they become the painter's pen and brush. A value: saving the
// device context copies it.
class GdiDrawingTools {
public:
    void Select(const GdiObject& object);
    void SetBackgroundColour(QColor colour) { backgroundColour_ = colour; }
    void SetBackgroundMode(std::uint32_t mode);
    void SetPolyFillMode(std::uint32_t mode);

    const GdiFont& Font() const { return font_; }
    QColor BackgroundColour() const { return backgroundColour_; }
    bool OpaqueBackground() const { return opaqueBackground_; }
    Qt::FillRule FillRule() const { return fillRule_; }

    QPen Pen() const;
    QBrush Brush() const;
    // The shape filled by the brush (over the background where the brush is
    // hatched and the background opaque) when `fill`, then outlined by the
    // pen unless `stroke` is false. The painter's transform is already set.
    void Paint(QPainter& painter, const QPainterPath& shape, bool fill, bool stroke) const;

private:
    GdiPen pen_;
    GdiBrush brush_;
    GdiFont font_;
    QColor backgroundColour_ = Qt::white;
    bool opaqueBackground_ = true;
    Qt::FillRule fillRule_ = Qt::OddEvenFill;
};

} // namespace quorvel
