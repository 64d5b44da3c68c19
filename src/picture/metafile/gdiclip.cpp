#include "picture/metafile/gdiclip.h"

#include "picture/metafile/gdicodes.h"
#include "picture/metafile/gdimapping.h"

#include <algorithm>

namespace quorvel {

namespace {

// Shapes are cut to just beyond the image first, so the region's whole-pixel
// coordinates stay small.
QRectF CutBounds(const QRect& target) {
    return QRectF(target).adjusted(-1, -1, 1, 1);
}

// Qt makes no region at all of a polygon over 100,000 rows tall (and loses
// the memory of its edges), so tall images are cut into bands of fewer rows.
// Band edges fall between pixel centres: no row is lost or doubled.
constexpr qreal kMostRegionRows = 65536;

using Combination = QRegion (*)(const QRegion& clip, const QRegion& region);

constexpr CodeMeaning<Combination> kCombinations[] = {
    {kRegionAnd,
     [](const QRegion& clip, const QRegion& region) { return clip.intersected(region); }},
    {kRegionOr, [](const QRegion& clip, const QRegion& region) { return clip.united(region); }},
    {kRegionXor, [](const QRegion& clip, const QRegion& region) { return clip.xored(region); }},
    {kRegionDiff,
     [](const QRegion& clip, const QRegion& region) { return clip.subtracted(region); }},
    {kRegionCopy, [](const QRegion&, const QRegion& region) { return region; }},
};

} // namespace

QRegion GdiClip::FromLogical(const QPainterPath& logical, const QTransform& logicalToTarget,
                             Qt::FillRule fillRule) const {
    if (!IsUsable(logicalToTarget)) {
        return {};
    }
    const QRectF bounds = CutBounds(targetRect_);
    const Qt::FillRule rule = fillRule == Qt::WindingFill ? Qt::WindingFill : Qt::OddEvenFill;
    QRegion region;
    for (const QPolygonF& polygon : logicalToTarget.map(logical).toFillPolygons()) {
        for (qreal top = bounds.top(); top < bounds.bottom(); top += kMostRegionRows) {
            const QRectF band(bounds.left(), top, bounds.width(),
                              std::min<qreal>(kMostRegionRows, bounds.bottom() - top));
            region += QRegion(polygon.intersected(QPolygonF(band)).toPolygon(), rule);
        }
    }
    return region;
}

QRegion GdiClip::FromDevice(const std::vector<QRectF>& deviceRects,
                            const QTransform& deviceToTarget) const {
    const QRectF bounds = CutBounds(targetRect_);
    QRegion region;
    for (const QRectF& rect : deviceRects) {
        region += deviceToTarget.mapRect(rect.normalized()).intersected(bounds).toAlignedRect();
    }
    return region;
}

bool GdiClip::Combine(const QRegion& region, std::uint32_t mode) {
    const Combination combine = MeaningOf(kCombinations, mode, Combination{nullptr});
    if (combine == nullptr) {
        return false;
    }
    clip_ = combine(clip_ ? *clip_ : QRegion(targetRect_), region);
    return true;
}

// No clip is a clip to the whole image, never clipping switched off: Qt's
// raster painter keeps a region that is no rectangle switched off when it
// is set after that, and such clips after a restore or a removal were lost.
void GdiClip::ApplyTo(QPainter& painter) const {
    painter.setTransform(QTransform());
    painter.setClipRegion(clip_ ? *clip_ : QRegion(targetRect_));
}

} // namespace quorvel
