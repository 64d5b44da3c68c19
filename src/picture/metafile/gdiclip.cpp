#include "picture/metafile/gdiclip.h"

#include "picture/metafile/gdicodes.h"
#include "picture/metafile/gdimapping.h"

namespace quorvel {

namespace {

// Shapes are cut to just beyond the image first, so the region's whole-pixel
// coordinates stay small.
QRectF CutBounds(const QRect& target) {
    return QRectF(target).adjusted(-1, -1, 1, 1);
}

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
    const QPolygonF bounds(CutBounds(targetRect_));
    QRegion region;
    for (const QPolygonF& polygon : logicalToTarget.map(logical).toFillPolygons()) {
        region += QRegion(polygon.intersected(bounds).toPolygon(),
                          fillRule == Qt::WindingFill ? Qt::WindingFill : Qt::OddEvenFill);
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

void GdiClip::ApplyTo(QPainter& painter) const {
    painter.setTransform(QTransform());
    if (clip_) {
        painter.setClipRegion(*clip_);
    } else {
        painter.setClipping(false);
    }
}

} // namespace quorvel
