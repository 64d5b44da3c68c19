#pragma once

#include <QPointF>
#include <QSizeF>
#include <QTransform>
#include <cstdint>

namespace quorvel {

// Finite and invertible: a transform that can place drawing on the target.
bool IsUsable(const QTransform& transform);

// The coordinate spaces of a metafile's device context: logical units
// through the world transform to page space, through the mapping mode
// (window and viewport) to the device space, and from there onto the target
// image. A value: saving the device context copies it.
class GdiMapping {
public:
    // deviceToTarget maps the metafile's device space (the reference device
    // of enhanced metafiles, the viewport of Windows metafiles) onto the
    // image; pixelsPerMm is the reference device's density for the metric
    // mapping modes.
    GdiMapping(const QTransform& deviceToTarget, QPointF pixelsPerMm);

    void SetMapMode(std::uint32_t mode);
    void SetWindowOrg(QPointF origin) { windowOrg_ = origin; }
    void SetWindowExt(QSizeF extent);
    void SetViewportOrg(QPointF origin) { viewportOrg_ = origin; }
    void SetViewportExt(QSizeF extent);
    void SetWorldTransform(const QTransform& world);
    void ModifyWorldTransform(const QTransform& change, std::uint32_t mode);

    QTransform LogicalToTarget() const;
    const QTransform& DeviceToTarget() const { return deviceToTarget_; }

private:
    QTransform PageTransform() const;
    QSizeF PageScale() const;

    std::uint32_t mapMode_;
    QPointF windowOrg_;
    QSizeF windowExt_{1, 1};
    QPointF viewportOrg_;
    QSizeF viewportExt_{1, 1};
    QTransform world_;
    QTransform deviceToTarget_;
    QPointF pixelsPerMm_;
};

} // namespace quorvel
