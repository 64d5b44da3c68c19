#pragma once

#include "face/facefields.h"
#include "numtext/numbertext.h"
#include "numtext/real.h"

#include <cstdint>

namespace quorvel {

// Field reads and writes through the number text rules.
inline std::int32_t ReadInt(const FaceFields& fields, Field field) {
    return ParseInt(fields.ReadText(field));
}

inline Real ReadReal(const FaceFields& fields, Field field) {
    return Real(ParseDouble(fields.ReadText(field)));
}

inline void WriteInt(FaceFields& fields, Field field, std::int32_t value) {
    fields.WriteText(field, FormatInt(value));
}

inline void WriteReal(FaceFields& fields, Field field, Real value) {
    fields.WriteText(field, FormatDouble(value.Value()));
}

} // namespace quorvel
