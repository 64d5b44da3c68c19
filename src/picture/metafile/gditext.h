#pragma once

#include "picture/metafile/gdidrawingtools.h"

#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QTransform>
#include <cstdint>
#include <optional>
#include <vector>

namespace quorvel {

// One text output record.
struct GdiTextRun {
    QPointF reference;
    QString text;
    std::uint32_t options = 0;    // text options (opaque, clipped)
    std::optional<QRectF> rect;   // for the opaque and clipped options
    std::vector<double> advances; // logical units, one per UTF-16 unit; may be empty
};

// The text settings and text output: the selected font scaled by the
// mapping, placed by the alignment, over the background when it is opaque.
// A value: saving the device context copies it.
class GdiText {
public:
    void SetColour(QColor colour) { colour_ = colour; }
    void SetAlign(std::uint32_t align) { align_ = align; }

    // Draws the run through a usable transform and gives the current
    // position after it when the alignment says the current position is
    // used; `position` is the one before.
    std::optional<QPointF> Draw(QPainter& painter, const GdiTextRun& run,
                                const QTransform& logicalToTarget, const GdiDrawingTools& tools,
                                QPointF position) const;

private:
    QPointF AlignedOrigin(double width, double ascent, double descent) const;

    QColor colour_ = Qt::black;
    std::uint32_t align_ = 0;
};

} // namespace quorvel
