#include "picture/metafile/gdimapping.h"

#include "picture/metafile/gdicodes.h"

#include <algorithm>
#include <cmath>

namespace quorvel {

namespace {

// The size of a logical unit in the metric modes.
constexpr CodeMeaning<double> kMillimetresPerUnit[] = {
    {kMapLoMetric, 0.1},     {kMapHiMetric, 0.01},     {kMapLoEnglish, 0.254},
    {kMapHiEnglish, 0.0254}, {kMapTwips, 25.4 / 1440},
};

bool IsScalable(std::uint32_t mode) {
    return mode == kMapIsotropic || mode == kMapAnisotropic;
}

} // namespace

bool IsUsable(const QTransform& t) {
    return std::isfinite(t.m11()) && std::isfinite(t.m12()) && std::isfinite(t.m21()) &&
           std::isfinite(t.m22()) && std::isfinite(t.dx()) && std::isfinite(t.dy()) &&
           t.isInvertible();
}

GdiMapping::GdiMapping(const QTransform& deviceToTarget, QPointF pixelsPerMm)
    : mapMode_(kMapText), deviceToTarget_(deviceToTarget), pixelsPerMm_(pixelsPerMm) {}

void GdiMapping::SetMapMode(std::uint32_t mode) {
    if (mode >= kMapText && mode <= kMapAnisotropic) {
        mapMode_ = mode;
    }
}

// Extents count only in the two scalable modes and never as zero.
void GdiMapping::SetWindowExt(QSizeF extent) {
    if (IsScalable(mapMode_) && extent.width() != 0 && extent.height() != 0) {
        windowExt_ = extent;
    }
}

void GdiMapping::SetViewportExt(QSizeF extent) {
    if (IsScalable(mapMode_) && extent.width() != 0 && extent.height() != 0) {
        viewportExt_ = extent;
    }
}

void GdiMapping::SetWorldTransform(const QTransform& world) {
    if (IsUsable(world)) {
        world_ = world;
    }
}

void GdiMapping::ModifyWorldTransform(const QTransform& change, std::uint32_t mode) {
    QTransform result;
    switch (mode) {
    case kWorldIdentity:
        break;
    case kWorldLeftMultiply:
        result = change * world_;
        break;
    case kWorldRightMultiply:
        result = world_ * change;
        break;
    case kWorldSet:
        result = change;
        break;
    default:
        return;
    }
    if (IsUsable(result)) {
        world_ = result;
    }
}

// Device pixels per logical unit on each axis: the fixed scales of the
// metric modes (y upwards), or the viewport's extent over the window's.
QSizeF GdiMapping::PageScale() const {
    if (const double millimetres = MeaningOf(kMillimetresPerUnit, mapMode_, 0.0);
        millimetres != 0) {
        return QSizeF(pixelsPerMm_.x() * millimetres, -pixelsPerMm_.y() * millimetres);
    }
    if (!IsScalable(mapMode_)) {
        return QSizeF(1, 1);
    }
    double sx = viewportExt_.width() / windowExt_.width();
    double sy = viewportExt_.height() / windowExt_.height();
    if (mapMode_ == kMapIsotropic) {
        const double scale = std::min(std::abs(sx), std::abs(sy));
        sx = std::copysign(scale, sx);
        sy = std::copysign(scale, sy);
    }
    return QSizeF(sx, sy);
}

// Logical units to the device space: window origin and extent onto the
// viewport's.
QTransform GdiMapping::PageTransform() const {
    const QSizeF scale = PageScale();
    const double sx = scale.width();
    const double sy = scale.height();
    return QTransform(sx, 0, 0, sy, viewportOrg_.x() - windowOrg_.x() * sx,
                      viewportOrg_.y() - windowOrg_.y() * sy);
}

QTransform GdiMapping::LogicalToTarget() const {
    return world_ * PageTransform() * deviceToTarget_;
}

} // namespace quorvel
