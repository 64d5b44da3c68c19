#include "face/judgement.h"

#include "face/fieldvalues.h"

namespace quorvel {

void JudgeAge(double nh, double bottomSpan, double widestOffset, FaceFields& fields) {
    const Real b = bottomSpan;
    const Real w = widestOffset;

    WriteReal(fields, Field::EditY, (-w) / b);

    // A nose depth under a tenth of a pixel is too small to judge from.
    const Real noseDepth = b * nh;
    if (!(Abs(noseDepth) >= 0.1)) {
        fields.WriteText(Field::EditX, "Error");
        return;
    }
    Real x = (-w) / noseDepth;
    WriteReal(fields, Field::EditX, x);
    if (x < 0.25) {
        x = 0.25; // keeps the age within 0..80
    }
    WriteInt(fields, Field::LabelAP, TruncToInt(Real(20.0) / x));
}

} // namespace quorvel
