#include "face/overlay.h"

#include "face/drawingsurface.h"
#include "face/faceparams.h"
#include "face/fieldvalues.h"
#include "face/judgement.h"
#include "face/pictureaccess.h"
#include "face/wizsteps.h"

#include <cstdint>

namespace quorvel {
namespace {

constexpr Rgb red{255, 0, 0};
constexpr Rgb blue{0, 0, 255};
constexpr double pi = 3.141592653589793;
constexpr double radiansPerDegree = 1.0 / 180.0; // multiplied after pi, as (i * pi) * (1/180)
constexpr double jawRise = 1.5;                // bulge slope from 90 to 120 and 270 to 240 degrees
constexpr double jawFall = 0.7501875468867217; // 1/1.333: from 120 to 180 and 240 to 180 degrees

// Picture pixels throughout: origin top-left, y downwards. Integer sums wrap.
struct Overlay {
    DrawingSurface& surface;
    const FaceParams& p;
    const FaceGeometry& g;

    void EyeLine() const {
        const Real r = p.r;
        surface.MoveTo(TruncToInt(Real(p.cx) - r * 0.7), p.cy);
        surface.LineTo(TruncToInt(Real(p.cx) + r * 0.7), p.cy);
    }

    void FaceBox() const {
        surface.SetPenColor(blue);
        const std::int32_t top = TruncToInt(Real(p.cy) - g.TopSpan);
        const std::int32_t bottom = TruncToInt(Real(p.cy) + g.BottomSpan);
        const std::int32_t left = WrapSub(p.cx, p.r);
        const std::int32_t right = WrapAdd(p.cx, p.r);
        surface.MoveTo(left, top);
        surface.LineTo(right, top);
        surface.LineTo(right, bottom);
        surface.LineTo(left, bottom);
        surface.LineTo(left, top);
    }

    // Jaw bulge added to the radius at angle i (degrees clockwise from the top).
    Real ContourRadius(int i) const {
        const Real r = p.r;
        const Real e = p.e;
        if (i > 90 && i <= 120) {
            return Real(i - 90) * e * jawRise + r;
        }
        if (i > 120 && i <= 180) {
            return Real(180 - i) * e * jawFall + r;
        }
        if (i > 180 && i <= 240) {
            return Real(i - 180) * e * jawFall + r;
        }
        if (i > 240 && i <= 270) {
            return Real(270 - i) * e * jawRise + r;
        }
        return r;
    }

    // 180 segments around the centre (cx, cy + WidestOffset); the lower half is
    // scaled by mo after its offset was truncated once already.
    void Contour() const {
        const Real k = g.UpperScale;
        const Real w = g.WidestOffset;
        const std::int32_t dy0 = TruncToInt((-Real(p.r)) * k);
        surface.MoveTo(p.cx, TruncToInt(Real(WrapAdd(p.cy, dy0)) + w));
        for (int i = 2; i <= 360; i += 2) {
            const Real rad = ContourRadius(i);
            const Real t = Real(i) * pi * radiansPerDegree;
            const Real sx = Sin(t) * rad;
            const Real sy = (-Cos(t)) * rad;
            const std::int32_t dx = TruncToInt(sx);
            std::int32_t dy = TruncToInt(sy * k);
            if (i > 90 && i < 270) {
                dy = TruncToInt(Real(dy) * p.mo);
            }
            surface.LineTo(WrapAdd(p.cx, dx), TruncToInt(Real(WrapAdd(p.cy, dy)) + w));
        }
    }

    // A short horizontal mark at depth fraction `depth` of BottomSpan, drawn
    // from right to left with half-width `halfWidth` times r.
    void DepthMark(double depth, double halfWidth) const {
        const Real r = p.r;
        const std::int32_t y = TruncToInt(Real(p.cy) + Real(g.BottomSpan) * depth);
        surface.MoveTo(TruncToInt(r * halfWidth + p.cx), y);
        surface.LineTo(TruncToInt((-r) * halfWidth + p.cx), y);
    }

    void NoseAndMouth() const {
        surface.SetPenColor(red);
        DepthMark(p.nh, 0.01);
        DepthMark(p.mh, 0.05);
    }

    void MarkerBox(std::int32_t x, std::int32_t y) const {
        surface.Ellipse(WrapSub(x, 5), WrapSub(y, 5), WrapAdd(x, 5), WrapAdd(y, 5));
    }

    void MarkerCircles() const {
        const std::int32_t noseOffset = TruncToInt(Real(g.BottomSpan) * p.nh);
        MarkerBox(p.cx, WrapAdd(p.cy, noseOffset));
        MarkerBox(p.cx, p.cy);
        // Here the 5 is taken from the unrounded widest line before truncation.
        const Real widest = Real(p.cy) + g.WidestOffset;
        const std::int32_t right = WrapAdd(p.cx, p.r);
        surface.Ellipse(WrapSub(right, 5), TruncToInt(widest - 5), WrapAdd(right, 5),
                        TruncToInt(widest + 5));
        MarkerBox(p.cx, WrapAdd(p.cy, TruncToInt(g.WidestOffset)));
    }
};

} // namespace

void RedrawOverlay(int wizStep, FaceFields& fields, const std::string& fileName,
                   PictureAccess& view) {
    fields.WriteText(Field::LabelAP, "未判定");
    FaceParams params;
    FaceGeometry geometry;
    ReadFaceParams(fields, params, geometry);
    if (!fileName.empty()) {
        view.LoadPicture(fileName); // wipes the previous overlay
    }
    DrawingSurface& surface = view.GetDrawingSurface();
    surface.SetPenWidth(2);
    surface.SetPenColor(red);

    const Overlay overlay{surface, params, geometry};
    if (wizStep < wizstep::kCentre) {
        return;
    }
    overlay.EyeLine();
    if (wizStep < wizstep::kWidth) {
        return;
    }
    overlay.FaceBox();
    if (wizStep < wizstep::kUpperContour) {
        return;
    }
    overlay.Contour(); // still in the box's blue
    overlay.NoseAndMouth();
    if (wizStep < wizstep::kJudged) {
        return;
    }
    overlay.MarkerCircles();
    JudgeAge(params.nh, geometry.BottomSpan, geometry.WidestOffset, fields);
}

} // namespace quorvel
