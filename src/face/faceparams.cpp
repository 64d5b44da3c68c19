#include "face/faceparams.h"

#include "face/fieldvalues.h"

namespace quorvel {

void ReadFaceParams(const FaceFields& fields, FaceParams& params, FaceGeometry& geometry) {
    params.cx = ReadInt(fields, Field::EditCX);
    params.cy = ReadInt(fields, Field::EditCY);
    params.r = ReadInt(fields, Field::EditR);
    const Real r = params.r;

    const Real e = ReadReal(fields, Field::EditE);
    const Real mo = ReadReal(fields, Field::EditMO);
    const Real h = ReadReal(fields, Field::EditH);
    params.e = e.Value();
    params.mo = mo.Value();
    params.h = h.Value();

    const Real upperScale = (h * 2.0) / (1.0 + mo);
    geometry.UpperScale = upperScale.Value();

    const Real a = ReadReal(fields, Field::EditA);
    params.a = a.Value();
    geometry.TopSpan = ((r * (1.0 - a)) * h).Value();
    geometry.BottomSpan = ((r * (1.0 + a)) * h).Value();

    params.nh = ReadReal(fields, Field::EditNH).Value();
    params.mh = ReadReal(fields, Field::EditMH).Value();

    geometry.WidestOffset = ((((-r) * upperScale) * (mo - 1.0)) * 0.5 + (r * a) * h).Value();
}

std::pair<FaceParams, FaceGeometry> ReadFaceParams(const FaceFields& fields) {
    std::pair<FaceParams, FaceGeometry> reading;
    ReadFaceParams(fields, reading.first, reading.second);
    return reading;
}

} // namespace quorvel
