#include "picture/metafile/gdicontext.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace quorvel {

namespace {

constexpr std::uint32_t kTextAlignUpdateCp = 1;
constexpr std::uint32_t kTextAlignHorizontal = 6;
constexpr std::uint32_t kTextAlignRight = 2;
constexpr std::uint32_t kTextAlignCentre = 6;
constexpr std::uint32_t kTextAlignVertical = 24;
constexpr std::uint32_t kTextAlignBottom = 8;
constexpr std::uint32_t kTextAlignBaseline = 24;
constexpr std::uint32_t kTextOpaque = 2;
constexpr std::uint32_t kTextClipped = 4;
constexpr std::uint32_t kRegionAnd = 1;
constexpr std::uint32_t kRegionOr = 2;
constexpr std::uint32_t kRegionXor = 3;
constexpr std::uint32_t kRegionDiff = 4;
constexpr std::uint32_t kRegionCopy = 5;
// Raster operations by their index, the third byte of the code.
constexpr std::uint32_t kRopPatternCopy = 0xF0;
constexpr std::uint32_t kRopBlackness = 0x00;
constexpr std::uint32_t kRopWhiteness = 0xFF;
// Deeper nesting of saved states is ignored rather than stored.
constexpr std::size_t kMaxSavedStates = 4096;
// Glyphs larger than this many pixels are drawn at this size.
constexpr int kMaxTextPixels = 2048;
constexpr double kDefaultTextPixels = 12;

bool IsFinite(const QTransform& t) {
    return std::isfinite(t.m11()) && std::isfinite(t.m12()) && std::isfinite(t.m21()) &&
           std::isfinite(t.m22()) && std::isfinite(t.dx()) && std::isfinite(t.dy());
}

bool IsUsable(const QTransform& t) {
    return IsFinite(t) && t.isInvertible();
}

} // namespace

GdiContext::GdiContext(QPainter& painter, QSize target, const QTransform& deviceToTarget,
                       QPointF pixelsPerMm)
    : painter_(painter), targetRect_(QPoint(0, 0), target), deviceToTarget_(deviceToTarget),
      pixelsPerMm_(pixelsPerMm) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    ApplyClip();
}

void GdiContext::SetMapMode(std::uint32_t mode) {
    if (mode >= 1 && mode <= 8) {
        state_.mapMode = mode;
    }
}

void GdiContext::SetWindowOrg(QPointF origin) {
    state_.windowOrg = origin;
}
void GdiContext::SetViewportOrg(QPointF origin) {
    state_.viewportOrg = origin;
}

// Extents count only in the two scalable modes and never as zero.
void GdiContext::SetWindowExt(QSizeF extent) {
    if (state_.mapMode >= 7 && extent.width() != 0 && extent.height() != 0) {
        state_.windowExt = extent;
    }
}

void GdiContext::SetViewportExt(QSizeF extent) {
    if (state_.mapMode >= 7 && extent.width() != 0 && extent.height() != 0) {
        state_.viewportExt = extent;
    }
}

void GdiContext::SetWorldTransform(const QTransform& world) {
    if (IsUsable(world)) {
        state_.world = world;
    }
}

void GdiContext::ModifyWorldTransform(const QTransform& change, std::uint32_t mode) {
    QTransform result;
    switch (mode) {
    case 1:
        break;
    case 2:
        result = change * state_.world;
        break;
    case 3:
        result = state_.world * change;
        break;
    case 4:
        result = change;
        break;
    default:
        return;
    }
    if (IsUsable(result)) {
        state_.world = result;
    }
}

void GdiContext::SetBackgroundMode(std::uint32_t mode) {
    if (mode == 1 || mode == 2) {
        state_.opaqueBackground = mode == 2;
    }
}

void GdiContext::SetPolyFillMode(std::uint32_t mode) {
    if (mode == 1 || mode == 2) {
        state_.fillRule = mode == 2 ? Qt::WindingFill : Qt::OddEvenFill;
    }
}

void GdiContext::SetArcDirection(std::uint32_t direction) {
    if (direction == 1 || direction == 2) {
        state_.clockwiseArcs = direction == 2;
    }
}

void GdiContext::Select(const GdiObject& object) {
    if (const auto* pen = std::get_if<GdiPen>(&object)) {
        state_.pen = *pen;
    } else if (const auto* brush = std::get_if<GdiBrush>(&object)) {
        state_.brush = *brush;
    } else if (const auto* font = std::get_if<GdiFont>(&object)) {
        state_.font = *font;
    }
}

void GdiContext::Save() {
    if (saved_.size() < kMaxSavedStates) {
        saved_.push_back(state_);
    }
}

// Negative: that many levels back; positive: the level of that number.
void GdiContext::Restore(std::int32_t which) {
    std::size_t keep = 0;
    if (which < 0) {
        const std::size_t back = static_cast<std::size_t>(-static_cast<std::int64_t>(which));
        if (back > saved_.size()) {
            return;
        }
        keep = saved_.size() - back;
    } else if (which > 0) {
        if (static_cast<std::size_t>(which) > saved_.size()) {
            return;
        }
        keep = static_cast<std::size_t>(which) - 1;
    } else {
        return;
    }
    state_ = saved_[keep];
    saved_.resize(keep);
    ApplyClip();
}

// Logical units to the device space: window origin and extent onto the
// viewport's, with the fixed scales of the metric modes (y upwards).
QTransform GdiContext::PageTransform() const {
    double sx = 1;
    double sy = 1;
    double millimetres = 0;
    switch (state_.mapMode) {
    case 2:
        millimetres = 0.1;
        break;
    case 3:
        millimetres = 0.01;
        break;
    case 4:
        millimetres = 0.254;
        break;
    case 5:
        millimetres = 0.0254;
        break;
    case 6:
        millimetres = 25.4 / 1440;
        break;
    case 7:
    case 8:
        sx = state_.viewportExt.width() / state_.windowExt.width();
        sy = state_.viewportExt.height() / state_.windowExt.height();
        if (state_.mapMode == 7) {
            const double scale = std::min(std::abs(sx), std::abs(sy));
            sx = std::copysign(scale, sx);
            sy = std::copysign(scale, sy);
        }
        break;
    default:
        break;
    }
    if (millimetres != 0) {
        sx = pixelsPerMm_.x() * millimetres;
        sy = -pixelsPerMm_.y() * millimetres;
    }
    return QTransform(sx, 0, 0, sy, state_.viewportOrg.x() - state_.windowOrg.x() * sx,
                      state_.viewportOrg.y() - state_.windowOrg.y() * sy);
}

QTransform GdiContext::LogicalToTarget() const {
    return state_.world * PageTransform() * deviceToTarget_;
}

QPen GdiContext::Pen() const {
    const std::uint32_t style = state_.pen.style;
    QPen pen(state_.pen.colour);
    switch (style & 0xF) {
    case 1:
        pen.setStyle(Qt::DashLine);
        break;
    case 2:
    case 8:
        pen.setStyle(Qt::DotLine);
        break;
    case 3:
        pen.setStyle(Qt::DashDotLine);
        break;
    case 4:
        pen.setStyle(Qt::DashDotDotLine);
        break;
    case 5:
        return QPen(Qt::NoPen);
    default:
        break;
    }
    // Width 0 is one device pixel whatever the mapping, as in Qt; a negative
    // width counts by its size.
    pen.setWidthF(std::abs(state_.pen.width));
    switch (style & 0xF00) {
    case 0x100:
        pen.setCapStyle(Qt::SquareCap);
        break;
    case 0x200:
        pen.setCapStyle(Qt::FlatCap);
        break;
    default:
        pen.setCapStyle(Qt::RoundCap);
        break;
    }
    switch (style & 0xF000) {
    case 0x1000:
        pen.setJoinStyle(Qt::BevelJoin);
        break;
    case 0x2000:
        pen.setJoinStyle(Qt::MiterJoin);
        break;
    default:
        pen.setJoinStyle(Qt::RoundJoin);
        break;
    }
    return pen;
}

QBrush GdiContext::Brush() const {
    switch (state_.brush.style) {
    case GdiBrush::Style::Hollow:
        return QBrush(Qt::NoBrush);
    case GdiBrush::Style::Hatched: {
        static constexpr Qt::BrushStyle kHatches[] = {Qt::HorPattern,   Qt::VerPattern,
                                                      Qt::FDiagPattern, Qt::BDiagPattern,
                                                      Qt::CrossPattern, Qt::DiagCrossPattern};
        const std::uint32_t hatch = state_.brush.hatch < 6 ? state_.brush.hatch : 0;
        return QBrush(state_.brush.colour, kHatches[hatch]);
    }
    case GdiBrush::Style::Solid:
        break;
    }
    return QBrush(state_.brush.colour);
}

void GdiContext::ApplyClip() {
    painter_.setTransform(QTransform());
    if (state_.clip) {
        painter_.setClipRegion(*state_.clip);
    } else {
        painter_.setClipping(false);
    }
}

void GdiContext::Draw(const QPainterPath& shape, bool fill) {
    if (state_.pathOpen) {
        if (state_.path.elementCount() == 0 && !shape.isEmpty() &&
            shape.elementAt(0).type != QPainterPath::MoveToElement) {
            state_.path.moveTo(state_.position);
        }
        state_.path.addPath(shape);
        return;
    }
    const QTransform toTarget = LogicalToTarget();
    if (!IsUsable(toTarget)) {
        return;
    }
    painter_.setTransform(toTarget);
    QPainterPath filled = shape;
    filled.setFillRule(state_.fillRule);
    if (fill) {
        const QBrush brush = Brush();
        if (brush.style() != Qt::SolidPattern && brush.style() != Qt::NoBrush &&
            state_.opaqueBackground) {
            painter_.fillPath(filled, state_.backgroundColour);
        }
        painter_.fillPath(filled, brush);
    }
    painter_.strokePath(shape, Pen());
}

void GdiContext::MoveTo(QPointF point) {
    state_.position = point;
    if (state_.pathOpen) {
        state_.path.moveTo(point);
    }
}

void GdiContext::LineTo(QPointF point) {
    if (state_.pathOpen) {
        if (state_.path.elementCount() == 0) {
            state_.path.moveTo(state_.position);
        }
        state_.path.lineTo(point);
    } else {
        QPainterPath line(state_.position);
        line.lineTo(point);
        Draw(line, false);
    }
    state_.position = point;
}

void GdiContext::Polyline(std::span<const QPointF> points) {
    if (points.size() < 2) {
        return;
    }
    QPainterPath line(points[0]);
    for (const QPointF& point : points.subspan(1)) {
        line.lineTo(point);
    }
    Draw(line, false);
}

void GdiContext::PolylineTo(std::span<const QPointF> points) {
    for (const QPointF& point : points) {
        LineTo(point);
    }
}

void GdiContext::PolyBezier(std::span<const QPointF> points) {
    if (points.size() < 4) {
        return;
    }
    QPainterPath curve(points[0]);
    for (std::size_t i = 1; i + 2 < points.size(); i += 3) {
        curve.cubicTo(points[i], points[i + 1], points[i + 2]);
    }
    Draw(curve, false);
}

void GdiContext::PolyBezierTo(std::span<const QPointF> points) {
    if (points.size() < 3) {
        return;
    }
    QPainterPath curve(state_.position);
    for (std::size_t i = 0; i + 2 < points.size(); i += 3) {
        curve.cubicTo(points[i], points[i + 1], points[i + 2]);
        state_.position = points[i + 2];
    }
    if (state_.pathOpen) {
        if (state_.path.elementCount() == 0) {
            state_.path.moveTo(curve.elementAt(0));
        }
        state_.path.connectPath(curve);
        return;
    }
    Draw(curve, false);
}

void GdiContext::Polygons(std::span<const std::vector<QPointF>> polygons) {
    QPainterPath shape;
    for (const std::vector<QPointF>& polygon : polygons) {
        if (polygon.size() < 2) {
            continue;
        }
        shape.moveTo(polygon[0]);
        for (std::size_t i = 1; i < polygon.size(); ++i) {
            shape.lineTo(polygon[i]);
        }
        shape.closeSubpath();
    }
    Draw(shape, true);
}

void GdiContext::Rectangle(QRectF box) {
    QPainterPath shape;
    shape.addRect(box.normalized());
    Draw(shape, true);
}

void GdiContext::RoundRect(QRectF box, QSizeF corner) {
    QPainterPath shape;
    shape.addRoundedRect(box.normalized(), std::abs(corner.width()) / 2,
                         std::abs(corner.height()) / 2);
    Draw(shape, true);
}

void GdiContext::Ellipse(QRectF box) {
    QPainterPath shape;
    shape.addEllipse(box.normalized());
    Draw(shape, true);
}

// Start and end are points on rays from the box's centre; the arc runs
// between where those rays cross the ellipse, anticlockwise unless the
// arc direction says otherwise.
QPainterPath GdiContext::ArcPath(ArcKind kind, QRectF box, QPointF start, QPointF end) const {
    const QRectF r = box.normalized();
    QPainterPath shape;
    if (r.width() <= 0 || r.height() <= 0) {
        return shape;
    }
    const QPointF centre = r.center();
    const double rx = r.width() / 2;
    const double ry = r.height() / 2;
    auto angle = [&](QPointF p) {
        return std::atan2(-(p.y() - centre.y()) / ry, (p.x() - centre.x()) / rx) * 180 /
               std::numbers::pi;
    };
    const double from = angle(start);
    double sweep = std::fmod(angle(end) - from, 360.0);
    if (state_.clockwiseArcs) {
        if (sweep >= 0) {
            sweep -= 360;
        }
    } else if (sweep <= 0) {
        sweep += 360;
    }
    switch (kind) {
    case ArcKind::Pie:
        shape.moveTo(centre);
        shape.arcTo(r, from, sweep);
        shape.closeSubpath();
        break;
    case ArcKind::ArcTo:
        shape.moveTo(state_.position);
        shape.arcTo(r, from, sweep);
        break;
    case ArcKind::Chord:
    case ArcKind::Arc:
        shape.arcMoveTo(r, from);
        shape.arcTo(r, from, sweep);
        if (kind == ArcKind::Chord) {
            shape.closeSubpath();
        }
        break;
    }
    return shape;
}

void GdiContext::Arc(ArcKind kind, QRectF box, QPointF start, QPointF end) {
    const QPainterPath shape = ArcPath(kind, box, start, end);
    if (kind == ArcKind::ArcTo && !shape.isEmpty()) {
        state_.position = shape.currentPosition();
    }
    Draw(shape, kind == ArcKind::Chord || kind == ArcKind::Pie);
}

void GdiContext::SetPixel(QPointF point, QColor colour) {
    const QTransform toTarget = LogicalToTarget();
    if (state_.pathOpen || !IsUsable(toTarget)) {
        return;
    }
    painter_.setTransform(QTransform());
    const QPointF at = toTarget.map(point);
    painter_.fillRect(QRectF(std::floor(at.x()), std::floor(at.y()), 1, 1), colour);
}

void GdiContext::Text(const TextRun& run) {
    // Glyphs need the font database of a GUI application; without one (as in
    // tools that only read files) text is left out.
    if (state_.pathOpen ||
        qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        return;
    }
    const QTransform toTarget = LogicalToTarget();
    if (!IsUsable(toTarget)) {
        return;
    }
    const bool updateCp = (state_.textAlign & kTextAlignUpdateCp) != 0;
    const QPointF reference = updateCp ? state_.position : run.reference;

    if (run.rect && (run.options & kTextOpaque) != 0) {
        painter_.setTransform(toTarget);
        painter_.fillRect(run.rect->normalized(), state_.backgroundColour);
    }

    const double xScale = std::hypot(toTarget.m11(), toTarget.m12());
    const double yScale = std::hypot(toTarget.m21(), toTarget.m22());
    QFont font;
    if (!state_.font.face.isEmpty()) {
        font.setFamily(state_.font.face);
    }
    auto pixels = [](double size) {
        return static_cast<int>(std::clamp(std::round(size), 1.0, double{kMaxTextPixels}));
    };
    const double height = std::abs(state_.font.height) * yScale;
    font.setPixelSize(pixels(state_.font.height == 0 ? kDefaultTextPixels : height));
    if (state_.font.height > 0) {
        // A positive height is the whole cell, ascent plus descent.
        const QFontMetricsF cell(font);
        const double cellHeight = cell.ascent() + cell.descent();
        if (cellHeight > 0) {
            font.setPixelSize(pixels(height * font.pixelSize() / cellHeight));
        }
    }
    if (state_.font.weight > 0 && state_.font.weight <= 1000) {
        font.setWeight(static_cast<QFont::Weight>(state_.font.weight));
    }
    font.setItalic(state_.font.italic);
    font.setUnderline(state_.font.underline);
    font.setStrikeOut(state_.font.strikeOut);
    const QFontMetricsF metrics(font);

    double width = 0;
    if (run.advances.empty()) {
        width = metrics.horizontalAdvance(run.text);
    } else {
        for (double advance : run.advances) {
            width += advance * xScale;
        }
    }
    double x = 0;
    switch (state_.textAlign & kTextAlignHorizontal) {
    case kTextAlignRight:
        x = -width;
        break;
    case kTextAlignCentre:
        x = -width / 2;
        break;
    default:
        break;
    }
    double baseline = metrics.ascent();
    switch (state_.textAlign & kTextAlignVertical) {
    case kTextAlignBottom:
        baseline = -metrics.descent();
        break;
    case kTextAlignBaseline:
        baseline = 0;
        break;
    default:
        break;
    }

    painter_.save();
    painter_.setTransform(QTransform());
    if (run.rect && (run.options & kTextClipped) != 0) {
        QPainterPath clip;
        clip.addRect(run.rect->normalized());
        painter_.setClipPath(toTarget.map(clip),
                             painter_.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    }
    const QPointF origin = toTarget.map(reference);
    painter_.translate(origin);
    painter_.rotate(-static_cast<double>(state_.font.escapement) / 10);
    if (state_.opaqueBackground) {
        painter_.fillRect(
            QRectF(x, baseline - metrics.ascent(), width, metrics.ascent() + metrics.descent()),
            state_.backgroundColour);
    }
    painter_.setFont(font);
    painter_.setPen(state_.textColour);
    if (run.advances.empty()) {
        painter_.drawText(QPointF(x, baseline), run.text);
    } else {
        const qsizetype units =
            std::min<qsizetype>(run.text.size(), static_cast<qsizetype>(run.advances.size()));
        for (qsizetype i = 0; i < units; ++i) {
            // A surrogate pair is one glyph that takes both advances.
            qsizetype length = 1;
            if (run.text[i].isHighSurrogate() && i + 1 < units &&
                run.text[i + 1].isLowSurrogate()) {
                length = 2;
            }
            painter_.drawText(QPointF(x, baseline), run.text.mid(i, length));
            for (qsizetype j = i; j < i + length; ++j) {
                x += run.advances[static_cast<std::size_t>(j)] * xScale;
            }
            i += length - 1;
        }
    }
    painter_.restore();
    if (updateCp && xScale > 0) {
        state_.position = reference + QPointF(width / xScale, 0);
    }
}

void GdiContext::CopyBitmap(QRectF dest, const QImage& bitmap, QRectF source) {
    const QTransform toTarget = LogicalToTarget();
    const QRect part = source.normalized().toAlignedRect().intersected(bitmap.rect());
    if (state_.pathOpen || bitmap.isNull() || part.isEmpty() || !IsUsable(toTarget)) {
        return;
    }
    const QImage piece = bitmap.copy(part).mirrored(dest.width() < 0, dest.height() < 0);
    painter_.setTransform(toTarget);
    painter_.drawImage(dest.normalized(), piece);
}

void GdiContext::FillByRop(QRectF dest, std::uint32_t rop) {
    const QTransform toTarget = LogicalToTarget();
    if (state_.pathOpen || !IsUsable(toTarget)) {
        return;
    }
    painter_.setTransform(toTarget);
    switch ((rop >> 16) & 0xFF) {
    case kRopPatternCopy:
        painter_.fillRect(dest.normalized(), Brush());
        break;
    case kRopBlackness:
        painter_.fillRect(dest.normalized(), Qt::black);
        break;
    case kRopWhiteness:
        painter_.fillRect(dest.normalized(), Qt::white);
        break;
    default:
        break;
    }
}

QRegion GdiContext::TargetRegion(const QPainterPath& logical) const {
    const QTransform toTarget = LogicalToTarget();
    if (!IsUsable(toTarget)) {
        return {};
    }
    // Cut to just beyond the image first, so the region's whole-pixel
    // coordinates stay small.
    const QPolygonF bounds(QRectF(targetRect_).adjusted(-1, -1, 1, 1));
    QRegion region;
    for (const QPolygonF& polygon : toTarget.map(logical).toFillPolygons()) {
        region += QRegion(polygon.intersected(bounds).toPolygon(),
                          state_.fillRule == Qt::WindingFill ? Qt::WindingFill : Qt::OddEvenFill);
    }
    return region;
}

void GdiContext::CombineClip(const QRegion& region, std::uint32_t mode) {
    const QRegion current = state_.clip ? *state_.clip : QRegion(targetRect_);
    switch (mode) {
    case kRegionAnd:
        state_.clip = current.intersected(region);
        break;
    case kRegionOr:
        state_.clip = current.united(region);
        break;
    case kRegionXor:
        state_.clip = current.xored(region);
        break;
    case kRegionDiff:
        state_.clip = current.subtracted(region);
        break;
    case kRegionCopy:
        state_.clip = region;
        break;
    default:
        return;
    }
    ApplyClip();
}

void GdiContext::IntersectClip(QRectF box) {
    QPainterPath shape;
    shape.addRect(box.normalized());
    CombineClip(TargetRegion(shape), kRegionAnd);
}

void GdiContext::ExcludeClip(QRectF box) {
    QPainterPath shape;
    shape.addRect(box.normalized());
    CombineClip(TargetRegion(shape), kRegionDiff);
}

void GdiContext::SelectClipRegion(const std::optional<std::vector<QRectF>>& deviceRects,
                                  std::uint32_t mode) {
    if (!deviceRects) {
        if (mode == kRegionCopy) {
            state_.clip.reset();
            ApplyClip();
        }
        return;
    }
    const QRectF bounds = QRectF(targetRect_).adjusted(-1, -1, 1, 1);
    QRegion region;
    for (const QRectF& rect : *deviceRects) {
        region += deviceToTarget_.mapRect(rect.normalized()).intersected(bounds).toAlignedRect();
    }
    CombineClip(region, mode);
}

void GdiContext::SelectClipPath(std::uint32_t mode) {
    if (const std::optional<QPainterPath> shape = TakePath()) {
        CombineClip(TargetRegion(*shape), mode);
    }
}

void GdiContext::BeginPath() {
    state_.path = QPainterPath();
    state_.pathOpen = true;
    state_.pathClosed = false;
}

void GdiContext::EndPath() {
    if (state_.pathOpen) {
        state_.pathOpen = false;
        state_.pathClosed = true;
    }
}

void GdiContext::AbortPath() {
    state_.path = QPainterPath();
    state_.pathOpen = false;
    state_.pathClosed = false;
}

// The path of a bracket that has ended, which using it discards.
std::optional<QPainterPath> GdiContext::TakePath() {
    if (!state_.pathClosed) {
        return std::nullopt;
    }
    QPainterPath shape = state_.path;
    AbortPath();
    return shape;
}

void GdiContext::CloseFigure() {
    if (state_.pathOpen) {
        state_.path.closeSubpath();
    }
}

void GdiContext::FillPath() {
    if (const std::optional<QPainterPath> shape = TakePath()) {
        const GdiPen pen = state_.pen;
        state_.pen.style = 5;
        Draw(*shape, true);
        state_.pen = pen;
    }
}

void GdiContext::StrokePath() {
    if (const std::optional<QPainterPath> shape = TakePath()) {
        Draw(*shape, false);
    }
}

void GdiContext::StrokeAndFillPath() {
    if (const std::optional<QPainterPath> shape = TakePath()) {
        Draw(*shape, true);
    }
}

} // namespace quorvel
