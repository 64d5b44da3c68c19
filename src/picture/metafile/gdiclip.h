#pragma once

#include <QPainter>
#include <QPainterPath>
#include <QRect>
#include <QRegion>
#include <QTransform>
#include <cstdint>
#include <optional>
#include <vector>

namespace quorvel {

// The clipping region, kept in target pixels so that later changes of the
// mapping do not move it. A value: saving the device context copies it.
class GdiClip {
public:
    explicit GdiClip(QSize target) : targetRect_(QPoint(0, 0), target) {}

    // A logical shape as a region of target pixels, filled by `fillRule`;
    // empty when the mapping cannot place it.
    QRegion FromLogical(const QPainterPath& logical, const QTransform& logicalToTarget,
                        Qt::FillRule fillRule) const;
    // Rectangles in the metafile's device space as a region of target pixels.
    QRegion FromDevice(const std::vector<QRectF>& deviceRects,
                       const QTransform& deviceToTarget) const;

    // The clip combined with a region by a region mode; false, and no
    // change, for a mode that is not one.
    bool Combine(const QRegion& region, std::uint32_t mode);
    void Remove() { clip_.reset(); }

    void ApplyTo(QPainter& painter) const;

private:
    QRect targetRect_;
    std::optional<QRegion> clip_; // none: the whole image
};

} // namespace quorvel
